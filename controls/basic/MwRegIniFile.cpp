#include "controls/basic/MwRegIniFile.h"

#include <iterator>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/IniFile.h"
#include "controls/basic/MwRegistryIniFile.h"

namespace {

const cl::TEnumNames kPathTypeNames{{{"ptIniFile", 0}, {"ptRegistry", 1}}};
const cl::TEnumNames kRegKeyNames{{{"hkeyClassesRoot", 0}, {"hkeyCurrentUser", 1}, {"hkeyLocalMachine", 2}, {"hkeyUsers", 3},
                                   {"hkeyPerformanceData", 4}, {"hkeyCurrentConfig", 5}, {"hkeyDynData", 6}}};
const cl::TEnumNames kRegAccessNames{{{"keyQueryValue", 0}, {"keySetValue", 1}, {"keyCreateSubKey", 2},
                                      {"keyEnumerateSubKeys", 3}, {"keyNotify", 4}, {"keyCreateLink", 5}, {"keyRead", 6},
                                      {"keyWrite", 7}, {"keyExecute", 8}, {"keyAllAccess", 9}}};

std::string ProgramPath() {
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, path, sizeof(path));
    return path;
}

// The path with its extension (after the last "." of the file name) replaced.
std::string ChangeExtension(const std::string& path, const std::string& extension) {
    const size_t slash = path.find_last_of("\\/:");
    const size_t dot = path.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

std::string ProgramNameWithoutExtension() {
    const std::string path = ProgramPath();
    const size_t slash = path.find_last_of("\\/:");
    return ChangeExtension(slash == std::string::npos ? path : path.substr(slash + 1), "");
}

}  // namespace

const cl::TClassInfo& TMwRegIniFile::StaticClass() {
    using R = TMwRegIniFile;
    static const auto info = cl::TClassBuilder<R>("TMwRegIniFile", cl::TComponent::StaticClass())
                                 .Creatable()
                                 .Enum<TMwAboutInfo>("About", &R::About, &R::SetAbout, mw::kAboutInfoNames)
                                 .Str("Path", &R::Path, &R::SetPath)
                                 .Enum<TMwPathType>("PathType", &R::PathType, &R::SetPathType, kPathTypeNames)
                                 .Enum<TMwRegKey>("RegKey", &R::RegKey, &R::SetRegKey, kRegKeyNames)
                                 .Set("RegAccess", &R::RegAccess, &R::SetRegAccess, kRegAccessNames)
                                 .Build();
    return *info;
}

TMwRegIniFile::TMwRegIniFile(cl::TComponent* owner) : cl::TComponent(owner) {}

TMwRegIniFile::~TMwRegIniFile() = default;

HKEY TMwRegIniFile::RootKeyOf(TMwRegKey key) {
    switch (key) {
        case TMwRegKey::ClassesRoot: return HKEY_CLASSES_ROOT;
        case TMwRegKey::CurrentUser: return HKEY_CURRENT_USER;
        case TMwRegKey::LocalMachine: return HKEY_LOCAL_MACHINE;
        case TMwRegKey::Users: return HKEY_USERS;
        case TMwRegKey::PerformanceData: return HKEY_PERFORMANCE_DATA;
        case TMwRegKey::CurrentConfig: return HKEY_CURRENT_CONFIG;
        case TMwRegKey::DynData: return HKEY_DYN_DATA;
    }
    return HKEY_CURRENT_USER;
}

REGSAM TMwRegIniFile::AccessMaskOf(TMwRegAccess access) {
    static const REGSAM masks[] = {KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_ENUMERATE_SUB_KEYS, KEY_NOTIFY,
                                   KEY_CREATE_LINK, KEY_READ,      KEY_WRITE,          KEY_EXECUTE,            KEY_ALL_ACCESS};
    REGSAM mask = 0;
    for (unsigned i = 0; i < std::size(masks); ++i)
        if (access & (1u << i)) mask |= masks[i];
    return mask;
}

void TMwRegIniFile::RebuildIfNeeded() {
    if (!needsRebuild_) return;
    ini_.reset();
    registry_.reset();
    // Only the back end in use is made: an INI store leaves the registry alone.
    if (pathType_ == TMwPathType::Registry) {
        std::string key = path_;
        if (key.empty()) {
            const std::string title = cl::Application() ? cl::Application()->Title() : std::string();
            key = "\\Software\\Temp\\" + (title.empty() ? ProgramNameWithoutExtension() : title);
        }
        registry_ = std::make_unique<TMwRegistryIniFile>(RootKeyOf(regKey_), key, AccessMaskOf(regAccess_));
    } else {
        ini_ = std::make_unique<cl::TIniFile>(path_.empty() ? ChangeExtension(ProgramPath(), ".ini") : path_);
    }
    needsRebuild_ = false;
}

bool TMwRegIniFile::ReadBool(const std::string& section, const std::string& name, bool defaultValue) {
    RebuildIfNeeded();
    return registry_ ? registry_->ReadBool(section, name, defaultValue) : ini_->ReadBool(section, name, defaultValue);
}

void TMwRegIniFile::WriteBool(const std::string& section, const std::string& name, bool value) {
    RebuildIfNeeded();
    if (registry_) registry_->WriteBool(section, name, value);
    else ini_->WriteBool(section, name, value);
}

int TMwRegIniFile::ReadInteger(const std::string& section, const std::string& name, int defaultValue) {
    RebuildIfNeeded();
    return registry_ ? registry_->ReadInteger(section, name, defaultValue) : ini_->ReadInteger(section, name, defaultValue);
}

void TMwRegIniFile::WriteInteger(const std::string& section, const std::string& name, int value) {
    RebuildIfNeeded();
    if (registry_) registry_->WriteInteger(section, name, value);
    else ini_->WriteInteger(section, name, value);
}
