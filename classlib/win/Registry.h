#pragma once
// The registry: one open key at a time under a root key, with key paths relative to the open
// key (or, with a leading "\", to the root). Opening and deleting report failure as false;
// reading and writing values raise ERegistryException.

#include <windows.h>

#include <string>

#include "classlib/core/Exception.h"
#include "classlib/core/Object.h"
#include "classlib/win/Handles.h"

namespace cl {

class TStrings;

CL_DECLARE_EXCEPTION(ERegistryException, Exception);

class TRegistry : public TObject {
public:
    TRegistry() = default;

    HKEY RootKey() const { return rootKey_; }
    // Closes the open key.
    void SetRootKey(HKEY rootKey);
    // The rights keys are opened with (OpenKeyReadOnly excepted).
    REGSAM Access() const { return access_; }
    void SetAccess(REGSAM access) { access_ = access; }

    // The open key, or null when none is open.
    HKEY CurrentKey() const { return currentKey_.Get(); }
    // The open key's path below the root, without a leading "\".
    const std::string& CurrentPath() const { return currentPath_; }

    // Opens the key (creating it when asked) and makes it the open key; false when it cannot.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    // Creates the key (and the keys on its path) without opening it; ERegistryException
    // "Failed to create key <key>" when it cannot.
    void CreateKey(const std::string& key);
    // Deletes the key with every key below it. False when the key cannot be deleted, when it
    // does not exist, and for an empty path (which would name the root or the open key).
    bool DeleteKey(const std::string& key);
    bool KeyExists(const std::string& key) const;

    // Values of the open key, or of the root key when none is open.
    bool ValueExists(const std::string& name) const;
    bool DeleteValue(const std::string& name);
    // A REG_SZ or REG_EXPAND_SZ value (not expanded), "" when there is none; a value of
    // another type raises "Invalid data type for '<name>'".
    std::string ReadString(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    // A REG_DWORD value; raises when it is missing or of another type.
    int ReadInteger(const std::string& name) const;
    void WriteInteger(const std::string& name, int value);
    // Replace the list's contents with the names of the subkeys or of the values.
    void GetKeyNames(TStrings& names) const;
    void GetValueNames(TStrings& names) const;

private:
    struct TKeyPath {
        HKEY base;            // the open key or the root
        std::string subKey;   // below base, no leading or trailing "\"
        bool relative;
    };
    TKeyPath Resolve(const std::string& key) const;
    bool Open(const std::string& key, REGSAM access, bool canCreate);
    HKEY ValueKey() const { return currentKey_ ? currentKey_.Get() : rootKey_; }

    HKEY rootKey_ = HKEY_CURRENT_USER;
    REGSAM access_ = KEY_ALL_ACCESS;
    TRegKey currentKey_;
    std::string currentPath_;
};

}  // namespace cl
