#include "uninstaller/app/RegistryGuard.h"

#include <cstring>
#include <string>
#include <vector>

#include "uninstaller/app/InstallationPlaces.h"
#include "uninstaller/app/RegistryTreeRules.h"
#include "uninstaller/log/NameCompare.h"

namespace {

const std::size_t kKeySize = 520;
// Values looked at to judge one item, and the levels of keys looked into ("App.Document",
// "shell", "open", "command").
const unsigned kItemValueBudget = 512;
const int kItemLevels = 4;
const std::size_t kDataSize = 4096;

std::string Upper(const char* text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(UpperCaseOf(c));
    return upper;
}

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
bool IsGuid(const char* text)
{
    if (std::strlen(text) != 38 || text[0] != '{' || text[37] != '}')
        return false;
    for (int i = 1; i < 37; ++i) {
        char c = text[i];
        bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (dash ? c != '-' : !hex)
            return false;
    }
    return true;
}

// A class name a file type's default value refers to ("App.Document"): one key name.
bool IsClassName(const char* text)
{
    return text[0] && !std::strpbrk(text, "\\/:\" ") && std::strcmp(text, ".") != 0 && std::strcmp(text, "..") != 0;
}

bool IsString(unsigned type)
{
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

}  // namespace

RegistryGuard::RegistryGuard(EngineRegistry& registry, InstallationPlaces* places)
    : registry_(registry), places_(places)
{
}

bool RegistryGuard::Names(const char* text)
{
    return places_ && places_->Names(text);
}

bool RegistryGuard::LeadsThroughLink(int root, const char* key, bool keyItselfToo)
{
    char prefix[kKeySize];
    std::size_t length = std::strlen(key);
    if (length >= sizeof prefix)
        return true;
    for (std::size_t end = 0; end <= length; ++end) {
        bool componentEnd = end == length ? keyItselfToo : key[end] == '\\';
        if (!componentEnd || end == 0)
            continue;
        std::memcpy(prefix, key, end);
        prefix[end] = '\0';
        if (registry_.IsLink(root, prefix))
            return true;
    }
    return false;
}

bool RegistryGuard::TextNamesInstallation(const char* text, bool defaultValue, bool followReferences,
                                          unsigned* budget)
{
    if (Names(text))
        return true;
    if (!followReferences)
        return false;
    // A class registration it refers to, judged by its own values.
    if (IsGuid(text)) {
        std::string clsid = std::string("CLSID\\") + text;
        return KeyNamesInstallation(kRootClassesRoot, clsid.c_str(), kItemLevels, false, budget);
    }
    if (defaultValue && IsClassName(text) && !EqualNoCase(text, "CLSID"))
        return KeyNamesInstallation(kRootClassesRoot, text, kItemLevels, false, budget);
    return false;
}

bool RegistryGuard::DataNamesInstallation(const char* name, unsigned type, const unsigned char* data,
                                          std::size_t size, bool followReferences, unsigned* budget)
{
    if (!IsString(type) || size == 0)
        return false;
    std::string text(reinterpret_cast<const char*>(data), size);
    text.push_back('\0');
    // Every string of a list; a plain string is a list of one.
    for (const char* p = text.c_str(); *p && p < text.c_str() + size; p += std::strlen(p) + 1) {
        if (TextNamesInstallation(p, name[0] == '\0', followReferences, budget))
            return true;
        if (type != kRegMultiSz)
            break;
    }
    return false;
}

bool RegistryGuard::KeyNamesInstallation(int root, const char* key, int levels, bool followReferences,
                                         unsigned* budget)
{
    if (LeadsThroughLink(root, key, true))
        return false;
    char name[kKeySize];
    std::vector<unsigned char> data(kDataSize);
    for (unsigned index = 0; *budget > 0; ++index) {
        std::size_t size = data.size();
        unsigned type = 0;
        if (!registry_.ValueAt(root, key, index, name, sizeof name, &type, data.data(), &size))
            break;
        --*budget;
        if (DataNamesInstallation(name, type, data.data(), size, followReferences, budget))
            return true;
    }
    if (levels <= 1)
        return false;
    std::vector<std::string> subkeys;
    for (unsigned index = 0; *budget > 0 && registry_.SubkeyAt(root, key, index, name, sizeof name); ++index) {
        --*budget;
        subkeys.push_back(name);
    }
    for (const std::string& subkey : subkeys) {
        std::string path = std::string(key) + "\\" + subkey;
        if (path.size() < kKeySize && KeyNamesInstallation(root, path.c_str(), levels - 1, followReferences, budget))
            return true;
    }
    return false;
}

bool RegistryGuard::OwnsItem(int root, const char* itemKey)
{
    std::string cacheKey = std::to_string(root) + "\\" + Upper(itemKey);
    auto judged = items_.find(cacheKey);
    if (judged != items_.end())
        return judged->second;
    unsigned budget = kItemValueBudget;
    bool owned = places_ && KeyNamesInstallation(root, itemKey, kItemLevels, true, &budget);
    items_.emplace(cacheKey, owned);
    return owned;
}

void RegistryGuard::JudgeItemOf(int root, const char* key)
{
    char normal[kKeySize], item[kKeySize];
    if (NormaliseRegistryKey(key, normal, sizeof normal) &&
        AreaOfRegistryKey(root, normal, item, sizeof item) == kAreaItem && !LeadsThroughLink(root, item, false))
        OwnsItem(root, item);
}

KeepReason RegistryGuard::MayDeleteTree(int root, const char* key)
{
    char normal[kKeySize], item[kKeySize];
    if (!NormaliseRegistryKey(key, normal, sizeof normal))
        return kKeptSystem;
    RegistryArea area = AreaOfRegistryKey(root, normal, item, sizeof item);
    if (area == kAreaSystem)
        return kKeptSystem;
    if (LeadsThroughLink(root, normal, false))
        return kKeptThroughLink;
    if (area == kAreaFree || registry_.StateOf(root, normal) == kKeyMissing)
        return kKeptNothing;
    return OwnsItem(root, item) ? kKeptNothing : kKeptNotInstallations;
}

KeepReason RegistryGuard::MayChangeValue(int root, const char* key, const char* valueName, const char* text)
{
    char normal[kKeySize], item[kKeySize];
    if (!NormaliseRegistryKey(key, normal, sizeof normal))
        return kKeptSystem;
    if (LeadsThroughLink(root, normal, true))
        return kKeptThroughLink;
    RegistryValueKind kind = KindOfRegistryValue(root, normal, valueName);
    if (kind == kValueSystem)
        return kKeptSystem;
    if (kind == kValueLaunch && text && text[0] && !Names(text))
        return kKeptForeignProgram;
    switch (AreaOfRegistryKey(root, normal, item, sizeof item)) {
    case kAreaFree:
        return kKeptNothing;
    case kAreaItem:
        if (registry_.StateOf(root, item) == kKeyMissing)
            return !text || Names(text) ? kKeptNothing : kKeptNotInstallations;
        return OwnsItem(root, item) ? kKeptNothing : kKeptNotInstallations;
    case kAreaSystem:
        break;
    }
    // A value of a system key: only one that is the installation's own.
    unsigned char data[kDataSize];
    std::size_t size = sizeof data;
    unsigned type = 0, budget = kItemValueBudget;
    if (registry_.ReadValue(root, normal, valueName, &type, data, &size) &&
        DataNamesInstallation(valueName, type, data, size, true, &budget))
        return kKeptNothing;
    return kKeptSystem;
}

bool RegistryGuard::MayDeleteEmptyKey(int root, const char* key)
{
    char normal[kKeySize];
    return NormaliseRegistryKey(key, normal, sizeof normal) && normal[0] &&
           AreaOfRegistryKey(root, normal) != kAreaSystem && !LeadsThroughLink(root, normal, true);
}

std::string RegistryKeyItem(int root, const char* key)
{
    static const char* const kRootNames[] = {"HKCR", "HKCU", "HKLM", "HKU", "HKCC"};
    const char* rootName = root >= 0 && root <= 4 ? kRootNames[root] : "?";
    return std::string(rootName) + "\\" + key;
}

std::string RegistryValueItem(int root, const char* key, const char* valueName)
{
    return RegistryKeyItem(root, key) + ": " + (valueName[0] ? valueName : "(default)");
}
