// A stand-in for an installation source run by a repair as `SETUP.EXE /X=<list file>`. Each line
// of the list names a file to restore ("path|DOS date|DOS time|size | crc"): the file of that
// name in the "files" folder beside this program is copied there and given the logged time.
// The command line and the list are appended to "<its own path>.txt" for the tests to read.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Restore(const char* folder, char* line)
{
    char* fields[4] = {line, nullptr, nullptr, nullptr};
    for (int i = 1; i < 4; ++i) {
        fields[i] = std::strchr(fields[i - 1], '|');
        if (!fields[i])
            return;
        *fields[i]++ = '\0';
    }
    const char* target = fields[0];
    const char* name = std::strrchr(target, '\\');
    char original[MAX_PATH];
    std::snprintf(original, sizeof original, "%s\\files\\%s", folder, name ? name + 1 : target);
    if (!CopyFileA(original, target, FALSE))
        return;
    FILETIME local, written;
    HANDLE file = CreateFileA(target, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    if (DosDateTimeToFileTime(static_cast<WORD>(std::atoi(fields[1])), static_cast<WORD>(std::atoi(fields[2])),
                              &local) &&
        LocalFileTimeToFileTime(&local, &written))
        SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    char own[MAX_PATH], record[MAX_PATH + 8];
    DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::snprintf(record, sizeof record, "%s.txt", own);
    *std::strrchr(own, '\\') = '\0';

    std::FILE* log = std::fopen(record, "ab");
    if (!log)
        return 1;
    std::fprintf(log, "%s\n", GetCommandLineA());
    const char* list = std::strstr(commandLine, "/X=");
    std::FILE* input = list ? std::fopen(list + 3, "rb") : nullptr;
    if (!input) {
        std::fclose(log);
        return 2;
    }
    char line[1024];
    while (std::fgets(line, sizeof line, input)) {
        std::fputs(line, log);
        line[std::strcspn(line, "\r\n")] = '\0';
        Restore(own, line);
    }
    std::fclose(input);
    std::fclose(log);
    return 0;
}
