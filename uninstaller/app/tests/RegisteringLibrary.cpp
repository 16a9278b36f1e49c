// A self-registering library for the tests: each registering entry point appends its name to
// "<the library's own path>.txt".

#include <windows.h>

#include <cstdio>

namespace {

HMODULE self;

HRESULT Note(const char* entry)
{
    char path[MAX_PATH + 8];
    DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    std::snprintf(path + length, sizeof path - length, ".txt");
    std::FILE* file = std::fopen(path, "ab");
    if (!file)
        return E_FAIL;
    std::fprintf(file, "%s\n", entry);
    std::fclose(file);
    return S_OK;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return Note("DllRegisterServer");
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return Note("DllUnregisterServer");
}
