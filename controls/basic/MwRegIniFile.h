#pragma once
// The settings store: one read/write interface over an INI file or a registry key. The back
// end is made at the first read or write after a property changed.

#include <windows.h>

#include <memory>
#include <string>

#include "classlib/core/Component.h"

namespace cl {
class TIniFile;
}

enum class TMwPathType { IniFile, Registry };
enum class TMwRegKey { ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };
// A set of TMwRegAccessKey members, one bit each in this order: keyQueryValue, keySetValue,
// keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink, keyRead, keyWrite,
// keyExecute, keyAllAccess.
using TMwRegAccess = unsigned;
constexpr TMwRegAccess keyAllAccess = 1u << 9;

class TMwRegIniFile : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwRegIniFile(cl::TComponent* owner);
    ~TMwRegIniFile() override;

    // Empty: the program's own path with the extension ".ini", or the registry key
    // "\Software\Temp\" plus the application title (or the program name).
    const std::string& Path() const { return path_; }
    void SetPath(const std::string& path) { Change(path_, path); }
    TMwPathType PathType() const { return pathType_; }
    void SetPathType(TMwPathType type) { Change(pathType_, type); }
    TMwRegKey RegKey() const { return regKey_; }
    void SetRegKey(TMwRegKey key) { Change(regKey_, key); }
    TMwRegAccess RegAccess() const { return regAccess_; }
    void SetRegAccess(TMwRegAccess access) { Change(regAccess_, access); }

    // Errors of the INI file or the registry are not caught here.
    bool ReadBool(const std::string& section, const std::string& name, bool defaultValue);
    void WriteBool(const std::string& section, const std::string& name, bool value);
    int ReadInteger(const std::string& section, const std::string& name, int defaultValue);
    void WriteInteger(const std::string& section, const std::string& name, int value);

    // The registry root of a TMwRegKey and the access mask of a TMwRegAccess set.
    static HKEY RootKeyOf(TMwRegKey key);
    static REGSAM AccessMaskOf(TMwRegAccess access);

private:
    template <class T>
    void Change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        needsRebuild_ = true;
    }
    void RebuildIfNeeded();
    // The registry key that holds a section: the store's key, then the section below it.
    std::string SectionKey(const std::string& section) const;

    std::string path_;
    TMwPathType pathType_ = TMwPathType::IniFile;
    TMwRegKey regKey_ = TMwRegKey::CurrentUser;
    TMwRegAccess regAccess_ = keyAllAccess;
    bool needsRebuild_ = true;
    std::unique_ptr<cl::TIniFile> ini_;
    std::string registryPath_;  // the store's key below the root, made when the back end is built
};
