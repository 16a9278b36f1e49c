// A stand-in for the programs an installation leaves for its uninstall (an external clean-up
// program, a self-registering server): it appends its command line to "<its own path>.txt".
// With "/hang" it then stays for two minutes, as a program that does not end would.

#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 8];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::snprintf(path + length, sizeof path - length, ".txt");
    std::FILE* file = std::fopen(path, "ab");
    if (!file)
        return 1;
    std::fprintf(file, "%s\n", GetCommandLineA());
    std::fclose(file);
    if (std::strstr(GetCommandLineA(), "/hang"))
        Sleep(120000);
    return 0;
}
