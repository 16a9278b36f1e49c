#pragma once
// The engine's registry operations on this system (ANSI functions). Roots are numbered as in
// the log: 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS,
// 4 HKEY_CURRENT_CONFIG. Keys are opened with REG_OPTION_OPEN_LINK: a link key is itself.

#include "uninstaller/app/EngineHost.h"

class WindowsEngineRegistry : public EngineRegistry {
public:
    bool ReadValue(int root, const char* key, const char* name, unsigned* type, unsigned char* data,
                   std::size_t* size) override;
    bool WriteValue(int root, const char* key, const char* name, unsigned type, const unsigned char* data,
                    std::size_t size, bool create) override;
    bool DeleteValue(int root, const char* key, const char* name) override;
    RegistryKeyState StateOf(int root, const char* key) override;
    bool SubkeyAt(int root, const char* key, unsigned index, char* name, std::size_t size) override;
    bool ValueAt(int root, const char* key, unsigned index, char* name, std::size_t nameSize, unsigned* type,
                 unsigned char* data, std::size_t* size) override;
    bool DeleteKey(int root, const char* key) override;
    bool IsLink(int root, const char* key) override;
};
