#include "controls/basic/MwRegistryIniFile.h"

#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"

TMwRegistryIniFile::TMwRegistryIniFile(HKEY root, const std::string& key, REGSAM access) : key_(key) {
    registry_.SetRootKey(root);
    registry_.SetAccess(access);
    registry_.OpenKey(key, true);
}

int TMwRegistryIniFile::ReadInteger(const std::string& section, const std::string& name, int defaultValue) const {
    if (!KeyOpen()) return defaultValue;
    cl::TRegistry sectionKey;
    sectionKey.SetRootKey(registry_.CurrentKey());
    if (!sectionKey.OpenKeyReadOnly(section) || !sectionKey.ValueExists(name)) return defaultValue;
    DWORD type = REG_NONE;
    RegQueryValueExA(sectionKey.CurrentKey(), name.c_str(), nullptr, &type, nullptr, nullptr);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return sectionKey.ReadInteger(name);
    try {
        return cl::StrToInt(sectionKey.ReadString(name));
    } catch (const cl::EConvertError&) {
        return defaultValue;
    }
}

void TMwRegistryIniFile::WriteInteger(const std::string& section, const std::string& name, int value) {
    // A value that cannot be stored is an error, not a silent loss (nor a value written to the
    // root key instead).
    if (!KeyOpen()) throw cl::ERegistryException("Failed to create key " + key_);
    cl::TRegistry sectionKey;
    sectionKey.SetRootKey(registry_.CurrentKey());
    sectionKey.SetAccess(registry_.Access());
    if (!sectionKey.OpenKey(section, true)) throw cl::ERegistryException("Failed to create key " + section);
    sectionKey.WriteInteger(name, value);
}

bool TMwRegistryIniFile::ReadBool(const std::string& section, const std::string& name, bool defaultValue) const {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void TMwRegistryIniFile::WriteBool(const std::string& section, const std::string& name, bool value) {
    WriteInteger(section, name, value ? 1 : 0);
}
