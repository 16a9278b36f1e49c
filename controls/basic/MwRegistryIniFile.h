#pragma once
// The registry back end of the settings store: INI-style sections and values below one
// registry key, which stays open for the back end's lifetime. A section is a subkey; integers
// and Booleans are DWORD values (a numeric string value is read too).

#include <windows.h>

#include <string>

#include "classlib/win/Registry.h"

class TMwRegistryIniFile {
public:
    // Opens (creating when needed) key below root with the given access rights.
    TMwRegistryIniFile(HKEY root, const std::string& key, REGSAM access);

    // The key could be opened: without it reads give their defaults and writes raise.
    bool KeyOpen() const { return registry_.CurrentKey() != nullptr; }

    int ReadInteger(const std::string& section, const std::string& name, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& name, int value);
    bool ReadBool(const std::string& section, const std::string& name, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& name, bool value);

private:
    std::string key_;
    cl::TRegistry registry_;
};
