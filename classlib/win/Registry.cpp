#include "classlib/win/Registry.h"

#include <cstring>
#include <vector>

#include "classlib/core/StringList.h"

namespace cl {

namespace {

std::vector<std::string> SubKeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];  // key names are at most 255 characters
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof(name);
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                         nullptr) != ERROR_SUCCESS)
        return names;
    std::vector<char> name(longest + 1);
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG result = RegEnumValueA(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) {  // a longer name was added meanwhile
            name.resize(name.size() * 2);
            continue;
        }
        if (result != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), length);
        ++index;
    }
    return names;
}

// Deletes the subkeys first: RegDeleteKey only deletes a key that has none.
bool DeleteKeyTree(HKEY parent, const std::string& subKey) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(parent, subKey.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &opened) == ERROR_SUCCESS) {
        const TRegKey key(opened);
        for (const std::string& child : SubKeyNames(key.Get())) DeleteKeyTree(key.Get(), child);
    }
    return RegDeleteKeyA(parent, subKey.c_str()) == ERROR_SUCCESS;
}

LONG QueryValue(HKEY key, const std::string& name, DWORD& type, std::vector<BYTE>& data) {
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        data.resize(size);
        result = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
        if (result == ERROR_SUCCESS) {
            data.resize(size);
            break;
        }
    }
    return result;
}

std::string Join(const std::string& path, const std::string& subKey) {
    if (path.empty()) return subKey;
    if (subKey.empty()) return path;
    return path + "\\" + subKey;
}

}  // namespace

void TRegistry::SetRootKey(HKEY rootKey) {
    if (rootKey == rootKey_) return;
    rootKey_ = rootKey;
    CloseKey();
}

TRegistry::TKeyPath TRegistry::Resolve(const std::string& key) const {
    const bool relative = key.empty() || key[0] != '\\';
    const size_t first = key.find_first_not_of('\\');
    const size_t last = key.find_last_not_of('\\');
    std::string subKey = first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
    const HKEY base = relative && currentKey_ ? currentKey_.Get() : rootKey_;
    return {base, std::move(subKey), relative};
}

bool TRegistry::Open(const std::string& key, REGSAM access, bool canCreate) {
    const TKeyPath path = Resolve(key);
    HKEY opened = nullptr;
    const LONG result = canCreate ? RegCreateKeyExA(path.base, path.subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                    access, nullptr, &opened, nullptr)
                                  : RegOpenKeyExA(path.base, path.subKey.c_str(), 0, access, &opened);
    if (result != ERROR_SUCCESS) return false;
    TRegKey newKey(opened);
    currentPath_ = path.relative && currentKey_ ? Join(currentPath_, path.subKey) : path.subKey;
    currentKey_ = std::move(newKey);
    return true;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) { return Open(key, access_, canCreate); }

bool TRegistry::OpenKeyReadOnly(const std::string& key) { return Open(key, KEY_READ, false); }

void TRegistry::CloseKey() {
    currentKey_.Reset();
    currentPath_.clear();
}

void TRegistry::CreateKey(const std::string& key) {
    const TKeyPath path = Resolve(key);
    HKEY created = nullptr;
    if (RegCreateKeyExA(path.base, path.subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        throw ERegistryException("Failed to create key " + key);
    RegCloseKey(created);
}

bool TRegistry::DeleteKey(const std::string& key) {
    const TKeyPath path = Resolve(key);
    if (path.subKey.empty()) return false;
    return DeleteKeyTree(path.base, path.subKey);
}

bool TRegistry::KeyExists(const std::string& key) const {
    const TKeyPath path = Resolve(key);
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(path.base, path.subKey.c_str(), 0, KEY_QUERY_VALUE, &opened);
    const TRegKey openedKey(result == ERROR_SUCCESS ? opened : nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;  // a key we may not read still exists
}

bool TRegistry::ValueExists(const std::string& name) const {
    return RegQueryValueExA(ValueKey(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& name) {
    return RegDeleteValueA(ValueKey(), name.c_str()) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    const LONG result = QueryValue(ValueKey(), name, type, data);
    if (result == ERROR_FILE_NOT_FOUND) return "";
    if (result != ERROR_SUCCESS) throw ERegistryException("Failed to get data for '" + name + "'");
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException("Invalid data type for '" + name + "'");
    std::string text(data.begin(), data.end());
    return text.substr(0, text.find('\0'));  // the stored terminator, when there is one
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (RegSetValueExA(ValueKey(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw ERegistryException("Failed to set data for '" + name + "'");
}

int TRegistry::ReadInteger(const std::string& name) const {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (QueryValue(ValueKey(), name, type, data) != ERROR_SUCCESS)
        throw ERegistryException("Failed to get data for '" + name + "'");
    if (type != REG_DWORD || data.size() != sizeof(DWORD))
        throw ERegistryException("Invalid data type for '" + name + "'");
    DWORD value = 0;
    std::memcpy(&value, data.data(), sizeof(value));
    return static_cast<int>(value);
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    const DWORD data = static_cast<DWORD>(value);
    if (RegSetValueExA(ValueKey(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) !=
        ERROR_SUCCESS)
        throw ERegistryException("Failed to set data for '" + name + "'");
}

void TRegistry::GetKeyNames(TStrings& names) const { names.Assign(SubKeyNames(ValueKey())); }

void TRegistry::GetValueNames(TStrings& names) const { names.Assign(ValueNames(ValueKey())); }

}  // namespace cl
