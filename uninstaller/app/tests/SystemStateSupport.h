#pragma once
// Helpers for the Wine tests that set up and inspect what an installation leaves behind:
// registry values and keys, INI entries and services. A missing value reads as "<none>".

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace wine_test {

inline void SetText(HKEY root, const std::string& key, const std::string& name, const std::string& text)
{
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(opened, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(opened);
}

inline void SetNumber(HKEY root, const std::string& key, const std::string& name, DWORD number)
{
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(opened, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(opened);
}

// A text value as it stands, a number value in decimal.
inline std::string Value(HKEY root, const std::string& key, const std::string& name)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return "<none>";
    char data[512] = "";
    DWORD size = sizeof data - 1, type = 0;
    LONG result = RegQueryValueExA(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS)
        return "<none>";
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(data)) : std::string(data);
}

inline bool KeyExists(HKEY root, const std::string& key)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

inline std::string Ini(const std::string& file, const char* section, const char* item)
{
    char value[256];
    GetPrivateProfileStringA(section, item, "<none>", value, sizeof value, file.c_str());
    return value;
}

// Makes a demand-start service that runs program: ERROR_SUCCESS, or why it could not be made.
inline DWORD CreateTestService(const std::string& name, const std::string& program)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return GetLastError();
    SC_HANDLE service = CreateServiceA(manager, name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                                       program.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
    DWORD result = service ? ERROR_SUCCESS : GetLastError();
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return result;
}

inline bool ServiceExists(const std::string& name)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager)
        return false;
    SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS);
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return service != nullptr;
}

}  // namespace wine_test
