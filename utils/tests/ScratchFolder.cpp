#include "utils/tests/ScratchFolder.h"

#include <winioctl.h>

#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

#include "utils/UtFolderDelete.h"

namespace ut_test {

namespace {

std::string TempFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    return std::string(buffer, length);
}

bool IsDirectoryLink(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const DWORD link = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & link) == link;
}

// A mount-point reparse point on the empty folder link: what "mklink /J" makes.
bool MakeJunction(const std::string& link, const std::string& target) {
    const std::string ntTarget = "\\??\\" + target;
    std::vector<WCHAR> name(ntTarget.size() + 1);
    const int nameLength = MultiByteToWideChar(CP_ACP, 0, ntTarget.c_str(), -1, name.data(), static_cast<int>(name.size()));
    const WORD nameBytes = static_cast<WORD>((nameLength - 1) * sizeof(WCHAR));
    // Tag, data length, reserved; then substitute name offset and length, print name offset and
    // length; then the substitute name and an empty print name, each zero-terminated.
    const WORD dataBytes = static_cast<WORD>(8 + nameBytes + 2 * sizeof(WCHAR));
    std::vector<BYTE> buffer(8 + dataBytes);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD header[6] = {dataBytes, 0, 0, nameBytes, static_cast<WORD>(nameBytes + 2), 0};
    std::memcpy(buffer.data(), &tag, 4);
    std::memcpy(buffer.data() + 4, header, sizeof header);
    std::memcpy(buffer.data() + 16, name.data(), nameBytes);

    MakeFolder(link);
    HANDLE folder = CreateFileA(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    const bool made = folder != INVALID_HANDLE_VALUE &&
                      DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                                      static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
    if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
    if (!made) RemoveDirectoryA(link.c_str());
    return made && IsDirectoryLink(link);
}

// Wine 8 makes no reparse points (CreateSymbolicLink is a stub that reports success), but it
// shows a host symbolic link to a folder as a directory reparse point. Make one with the host's ln.
bool MakeHostSymbolicLink(const std::string& link, const std::string& target) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    using DosName = WCHAR*(CDECL*)(const char*);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    // Through void(*)(): the one function pointer type any other may be cast from without a warning.
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, "wine_get_unix_file_name")));
    auto dosName = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(GetProcAddress(kernel, "wine_get_dos_file_name")));
    if (!unixName || !dosName) return false;

    auto toUnix = [&](const std::string& path) {
        std::vector<WCHAR> wide(path.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        char* converted = unixName(wide.data());
        std::string result = converted ? converted : "";
        HeapFree(GetProcessHeap(), 0, converted);
        return result;
    };
    WCHAR* lnProgram = dosName("/bin/ln");
    if (!lnProgram) return false;
    const std::string commandLine = "ln -s \"" + toUnix(target) + "\" \"" + toUnix(link) + "\"";
    std::vector<WCHAR> wideCommand(commandLine.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, wideCommand.data(), static_cast<int>(wideCommand.size()));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(lnProgram, wideCommand.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &process);
    HeapFree(GetProcessHeap(), 0, lnProgram);
    if (!started) return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // A host program's handle cannot be waited for; watch for the link instead.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!IsDirectoryLink(link)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace

ScratchFolder::ScratchFolder() {
    // Process ids come round again, and a folder holding a link that the platform cannot
    // remove outlives its test, so look for a free name.
    const std::string stem = TempFolder() + "ut_scratch_" + std::to_string(GetCurrentProcessId()) + "_";
    for (unsigned number = 1;; ++number) {
        path_ = stem + std::to_string(number);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

ScratchFolder::~ScratchFolder() {
    ut::DeleteFolderContents(path_, false);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& path, DWORD attributes) {
    if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

void WriteTextFile(const std::string& path, const std::string& text, DWORD attributes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != text.size()) throw std::runtime_error("cannot write " + path);
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

bool MakeDirectoryLink(const std::string& link, const std::string& target) {
    return MakeJunction(link, target) || MakeHostSymbolicLink(link, target);
}

}  // namespace ut_test
