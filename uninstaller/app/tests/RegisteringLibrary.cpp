// A self-registering library for the tests: each registering entry point appends its name to
// "<the library's own path>.txt". Its file name picks a misbehaviour: a name containing "hang"
// never returns from DllMain, one containing "crash" crashes in DllUnregisterServer.

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HMODULE self;

bool NameHas(HMODULE module, const char* part)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return false;
    CharLowerA(path);
    const char* name = std::strrchr(path, '\\');
    return std::strstr(name ? name : path, part) != nullptr;
}

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
    if (reason == DLL_PROCESS_ATTACH) {
        self = instance;
        while (NameHas(instance, "hang"))
            Sleep(1000);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return Note("DllRegisterServer");
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    HRESULT noted = Note("DllUnregisterServer");
    if (NameHas(self, "crash")) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    return noted;
}
