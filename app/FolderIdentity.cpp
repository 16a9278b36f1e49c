#include "app/FolderIdentity.h"

#include <windows.h>

#include <optional>

#include "classlib/win/Handles.h"

namespace quillon {

namespace {

// The folder's path as the file system resolves it once opened: every link and short name on
// the way is followed. Nothing when it is no folder that can be opened.
std::optional<std::wstring> ResolvedFolder(const std::string& path) {
    const cl::TFileHandle folder(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder) return std::nullopt;
    std::wstring resolved(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(folder.Get(), resolved.data(), static_cast<DWORD>(resolved.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_NT);
        if (length == 0) return std::nullopt;
        if (length < resolved.size()) {
            resolved.resize(length);
            break;
        }
        resolved.resize(length + 1);
    }
    return resolved;
}

// The volume and file index of the object at path; nothing when it cannot be opened.
std::optional<BY_HANDLE_FILE_INFORMATION> Identity(const std::string& path) {
    const cl::TFileHandle object(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!object || !GetFileInformationByHandle(object.Get(), &information)) return std::nullopt;
    return information;
}

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
    const std::optional<BY_HANDLE_FILE_INFORMATION> first = Identity(a);
    const std::optional<BY_HANDLE_FILE_INFORMATION> second = first ? Identity(b) : std::nullopt;
    return second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

bool IsSameFolder(const std::string& a, const std::string& b) {
    const std::optional<std::wstring> first = ResolvedFolder(a);
    const std::optional<std::wstring> second = first ? ResolvedFolder(b) : std::nullopt;
    return second && CompareStringOrdinal(first->data(), static_cast<int>(first->size()), second->data(),
                                          static_cast<int>(second->size()), TRUE) == CSTR_EQUAL;
}

bool LiesDirectlyIn(const std::string& path, const std::string& folder) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    const size_t separator = trimmed.find_last_of("\\/:");
    // A bare name lies in the current folder.
    const std::string parent = separator == std::string::npos ? "." : trimmed.substr(0, separator + 1);
    return IsSameFolder(parent, folder);
}

}  // namespace quillon
