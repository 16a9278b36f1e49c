#include "uninstaller/app/SystemIniDevices.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "uninstaller/app/DeviceLines.h"

namespace {

struct StdioFile {
    std::FILE* file;
    explicit StdioFile(std::FILE* f) : file(f) {}
    StdioFile(const StdioFile&) = delete;
    StdioFile& operator=(const StdioFile&) = delete;
    ~StdioFile() { Close(); }
    bool Close()
    {
        bool closed = !file || std::fclose(file) == 0;
        file = nullptr;
        return closed;
    }
};

void DropLineEnd(char* line)
{
    size_t length = std::strlen(line);
    while (length && (line[length - 1] == '\n' || line[length - 1] == '\r'))
        line[--length] = '\0';
}

// Copies in to out line by line, each line ended by CR LF, commenting out the device's lines.
// A line too long for the buffer is copied as it is: it cannot be a device line. False on a
// short write.
bool CopyWithoutDevice(std::FILE* in, std::FILE* out, DeviceLineScan& scan, bool* changed)
{
    char line[1024];
    bool continued = false;   // the line's start was already copied
    while (std::fgets(line, sizeof line, in)) {
        bool complete = std::strchr(line, '\n') || std::feof(in);
        bool wasContinued = continued;
        continued = !complete;
        if (!complete) {
            if (std::fputs(line, out) < 0)
                return false;
            continue;
        }
        DropLineEnd(line);
        if (!wasContinued && scan.IsLineToComment(line)) {
            *changed = true;
            if (std::fputc(';', out) == EOF)
                return false;
        }
        if (std::fputs(line, out) < 0 || std::fputs("\r\n", out) < 0)
            return false;
    }
    return !std::ferror(in);
}

// The whole new text is written before the old file is replaced in one step. Outside the NT
// family, where MoveFileEx does not exist, the new text is copied over the old file.
bool ReplaceWithWorkFile(const char* work, const char* systemIni)
{
    if (MoveFileExA(work, systemIni, MOVEFILE_REPLACE_EXISTING))
        return true;
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED && CopyFileA(work, systemIni, FALSE) && DeleteFileA(work);
}

}  // namespace

void RemoveDeviceLine(const char* path)
{
    char windows[MAX_PATH], system[MAX_PATH], systemIni[MAX_PATH + 16], work[MAX_PATH + 16];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    UINT systemLength = GetSystemDirectoryA(system, sizeof system);
    if (length == 0 || length >= sizeof windows || systemLength == 0 || systemLength >= sizeof system)
        return;
    std::snprintf(systemIni, sizeof systemIni, "%s\\SYSTEM.INI", windows);
    std::snprintf(work, sizeof work, "%s\\~VZBS383.TMP", windows);

    char device[MAX_PATH];
    DeviceNameOf(path, system, device, sizeof device);
    DeviceLineScan scan(device, path);
    bool changed = false;
    {
        StdioFile in(std::fopen(systemIni, "rb"));
        if (!in.file)
            return;
        StdioFile out(std::fopen(work, "wb"));
        if (!out.file)
            return;
        bool copied = CopyWithoutDevice(in.file, out.file, scan, &changed);
        if (!out.Close() || !copied) {
            DeleteFileA(work);
            return;
        }
    }
    if (!changed || !ReplaceWithWorkFile(work, systemIni))
        DeleteFileA(work);
}
