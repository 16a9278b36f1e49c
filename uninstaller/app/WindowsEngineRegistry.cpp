#include "uninstaller/app/WindowsEngineRegistry.h"

#include <windows.h>

#include "uninstaller/app/Handles.h"

static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegBinary == REG_BINARY &&
                  kRegDword == REG_DWORD && kRegMultiSz == REG_MULTI_SZ,
              "value types are the system's numbers");

namespace {

HKEY RootKey(int root)
{
    switch (root) {
    case kRootClassesRoot:
        return HKEY_CLASSES_ROOT;
    case kRootCurrentUser:
        return HKEY_CURRENT_USER;
    case kRootLocalMachine:
        return HKEY_LOCAL_MACHINE;
    case kRootUsers:
        return HKEY_USERS;
    case kRootCurrentConfig:
        return HKEY_CURRENT_CONFIG;
    default:
        return nullptr;
    }
}

bool Open(int root, const char* key, REGSAM access, RegistryKey* opened)
{
    HKEY rootKey = RootKey(root);
    return rootKey && RegOpenKeyExA(rootKey, key, REG_OPTION_OPEN_LINK, access, &opened->key) == ERROR_SUCCESS;
}

typedef LONG(NTAPI* NtDeleteKeyProc)(HANDLE key);

}  // namespace

bool WindowsEngineRegistry::ReadValue(int root, const char* key, const char* name, unsigned* type,
                                      unsigned char* data, std::size_t* size)
{
    RegistryKey opened;
    if (!Open(root, key, KEY_QUERY_VALUE, &opened))
        return false;
    DWORD valueType = 0, valueSize = static_cast<DWORD>(*size);
    if (RegQueryValueExA(opened.key, name, nullptr, &valueType, data, &valueSize) != ERROR_SUCCESS)
        return false;
    *type = valueType;
    *size = valueSize;
    return true;
}

bool WindowsEngineRegistry::WriteValue(int root, const char* key, const char* name, unsigned type,
                                       const unsigned char* data, std::size_t size, bool create)
{
    RegistryKey opened;
    if (create) {
        HKEY rootKey = RootKey(root);
        if (!rootKey || RegCreateKeyExA(rootKey, key, 0, nullptr, 0, KEY_CREATE_SUB_KEY | KEY_SET_VALUE, nullptr,
                                        &opened.key, nullptr) != ERROR_SUCCESS)
            return false;
    } else if (!Open(root, key, KEY_SET_VALUE, &opened)) {
        return false;
    }
    return RegSetValueExA(opened.key, name, 0, type, data, static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool WindowsEngineRegistry::DeleteValue(int root, const char* key, const char* name)
{
    RegistryKey opened;
    return Open(root, key, KEY_SET_VALUE, &opened) && RegDeleteValueA(opened.key, name) == ERROR_SUCCESS;
}

RegistryKeyState WindowsEngineRegistry::StateOf(int root, const char* key)
{
    RegistryKey opened;
    if (!Open(root, key, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &opened))
        return kKeyMissing;
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyA(opened.key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return kKeyInUse;
    return subkeys == 0 && values == 0 ? kKeyEmpty : kKeyInUse;
}

bool WindowsEngineRegistry::SubkeyAt(int root, const char* key, unsigned index, char* name, std::size_t size)
{
    RegistryKey opened;
    if (!Open(root, key, KEY_ENUMERATE_SUB_KEYS, &opened))
        return false;
    DWORD length = static_cast<DWORD>(size);
    return RegEnumKeyExA(opened.key, index, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool WindowsEngineRegistry::ValueAt(int root, const char* key, unsigned index, char* name, std::size_t nameSize,
                                    unsigned* type, unsigned char* data, std::size_t* size)
{
    RegistryKey opened;
    if (!Open(root, key, KEY_QUERY_VALUE, &opened))
        return false;
    DWORD nameLength = static_cast<DWORD>(nameSize), valueType = 0, valueSize = static_cast<DWORD>(*size);
    LONG result = RegEnumValueA(opened.key, index, name, &nameLength, nullptr, &valueType, data, &valueSize);
    if (result == ERROR_MORE_DATA) {
        if (nameSize)
            name[0] = '\0';
        *type = 0;
        *size = 0;
        return true;
    }
    if (result != ERROR_SUCCESS)
        return false;
    *type = valueType;
    *size = valueSize;
    return true;
}

// RegDeleteKey follows a link at the key's end: the key is opened as itself and deleted by
// handle.
bool WindowsEngineRegistry::DeleteKey(int root, const char* key)
{
    auto deleteKey = reinterpret_cast<NtDeleteKeyProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
    RegistryKey opened;
    return deleteKey && Open(root, key, DELETE, &opened) && deleteKey(opened.key) >= 0;
}

bool WindowsEngineRegistry::IsLink(int root, const char* key)
{
    RegistryKey opened;
    if (!Open(root, key, KEY_QUERY_VALUE, &opened))
        return false;
    DWORD type = 0;
    return RegQueryValueExA(opened.key, "SymbolicLinkValue", nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
           type == REG_LINK;
}
