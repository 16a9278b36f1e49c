#include "uninstaller/app/WideText.h"

#include <windows.h>

#include <vector>

namespace {

bool IsDriveRooted(const std::wstring& path)
{
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\' &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

std::wstring Upper(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

bool WideFromUtf8(const std::string& text, std::wstring* wide)
{
    wide->clear();
    if (text.empty())
        return true;
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0);
    if (length <= 0)
        return false;
    wide->resize(static_cast<size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), &(*wide)[0],
                               length) == length;
}

bool Utf8FromWide(const std::wstring& wide, std::string* text)
{
    text->clear();
    if (wide.empty())
        return true;
    int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return false;
    text->resize(static_cast<size_t>(length));
    return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), static_cast<int>(wide.size()),
                               &(*text)[0], length, nullptr, nullptr) == length;
}

bool AnsiFromWideExact(const std::wstring& wide, std::string* ansi)
{
    ansi->clear();
    if (wide.empty())
        return true;
    BOOL defaulted = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, &defaulted);
    if (length <= 0 || defaulted)
        return false;
    ansi->resize(static_cast<size_t>(length));
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), &(*ansi)[0],
                            length, nullptr, &defaulted) != length || defaulted)
        return false;
    // Some characters come back as others even without a default character.
    std::wstring back;
    int backLength = MultiByteToWideChar(CP_ACP, 0, ansi->data(), length, nullptr, 0);
    back.resize(static_cast<size_t>(backLength > 0 ? backLength : 0));
    return backLength > 0 && MultiByteToWideChar(CP_ACP, 0, ansi->data(), length, &back[0], backLength) == backLength &&
           back == wide;
}

bool WideFromAnsiExact(const char* ansi, std::wstring* wide)
{
    std::string text = ansi;
    wide->clear();
    if (text.empty())
        return true;
    int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0);
    if (length <= 0)
        return false;
    wide->resize(static_cast<size_t>(length));
    std::string back;
    return MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), &(*wide)[0],
                               length) == length &&
           AnsiFromWideExact(*wide, &back) && back == text;
}

std::wstring ExactPathName(const std::wstring& path)
{
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return path;
    if (IsDriveRooted(path))
        return L"\\\\?\\" + path;
    if (path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'.' && path[2] != L'?')
        return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

std::wstring WithoutExactPrefix(const std::wstring& path)
{
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return path.substr(4);
    return path;
}

std::wstring FullPathName(const std::wstring& path)
{
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(length + 1);
    length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    return length > 0 && length < buffer.size() ? std::wstring(buffer.data(), length) : std::wstring();
}

bool SamePathName(const std::wstring& a, const std::wstring& b)
{
    return a.size() == b.size() && Upper(a) == Upper(b);
}
