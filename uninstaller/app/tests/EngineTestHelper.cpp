// A stand-in for the programs an installation leaves for its uninstall (an external clean-up
// program, a self-registering server): it appends its command line to "<its own path>.txt".

#include <windows.h>

#include <cstdio>

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
    return 0;
}
