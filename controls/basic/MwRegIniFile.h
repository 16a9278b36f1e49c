#pragma once
// The settings store: one read/write interface over an INI file or a registry key. The back
// end is made at the first read or write after a property changed, and lives until then.

#include <windows.h>

#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "controls/foundation/FrameModel.h"

namespace cl {
class TIniFile;
}
class TMwRegistryIniFile;

enum class TMwPathType { IniFile, Registry };
enum class TMwRegKey { ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };
enum class TMwRegAccessKey {
    QueryValue, SetValue, CreateSubKey, EnumerateSubKeys, Notify, CreateLink, Read, Write, Execute, AllAccess
};
// A set of TMwRegAccessKey members, bit n for the member of ordinal n.
using TMwRegAccess = unsigned;
constexpr TMwRegAccess RegAccessBit(TMwRegAccessKey key) { return 1u << static_cast<unsigned>(key); }
constexpr TMwRegAccess keyAllAccess = RegAccessBit(TMwRegAccessKey::AllAccess);

class TMwRegIniFile : public cl::TComponent {
    CL_CLASS_INFO()
public:
    explicit TMwRegIniFile(cl::TComponent* owner);
    ~TMwRegIniFile() override;

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

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

    std::string path_;
    TMwPathType pathType_ = TMwPathType::IniFile;
    TMwRegKey regKey_ = TMwRegKey::CurrentUser;
    TMwRegAccess regAccess_ = keyAllAccess;
    bool needsRebuild_ = true;
    // Only the back end of the current PathType exists.
    std::unique_ptr<cl::TIniFile> ini_;
    std::unique_ptr<TMwRegistryIniFile> registry_;
};
