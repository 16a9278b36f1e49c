#pragma once
// The binding to the visual-styles library, loaded by name at first use so that the program
// also runs where there is none. Users take a use of the library (Acquire) and give it back
// (Release); the library is unloaded when the last use is given back. Loading, unloading and
// the use count are serialised, so any thread may take or give back a use.

#include <windows.h>

#include <string>

namespace mw {

using HTHEME = HANDLE;

// GetThemeAppProperties: themed controls are allowed.
constexpr DWORD kThemeAllowsControls = 2;
// Theme colour properties (GetThemeColor).
constexpr int kThemeFillColor = 3802;  // TMT_FILLCOLOR
constexpr int kThemeTextColor = 3803;  // TMT_TEXTCOLOR

// The entry points the library uses, resolved by name; each is null while the library is not
// loaded or when it lacks that function.
struct TUxThemeApi {
    HTHEME(WINAPI* OpenThemeData)(HWND window, LPCWSTR classList) = nullptr;
    HRESULT(WINAPI* CloseThemeData)(HTHEME theme) = nullptr;
    HRESULT(WINAPI* DrawThemeBackground)(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                         const RECT* clip) = nullptr;
    HRESULT(WINAPI* DrawThemeText)(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int length, DWORD flags,
                                   DWORD flags2, const RECT* rect) = nullptr;
    HRESULT(WINAPI* GetThemePartSize)(HTHEME theme, HDC dc, int part, int state, const RECT* rect, int sizeKind,
                                      SIZE* size) = nullptr;
    BOOL(WINAPI* IsThemeBackgroundPartiallyTransparent)(HTHEME theme, int part, int state) = nullptr;
    HRESULT(WINAPI* GetThemeColor)(HTHEME theme, int part, int state, int property, COLORREF* color) = nullptr;
    HRESULT(WINAPI* DrawThemeParentBackground)(HWND window, HDC dc, const RECT* rect) = nullptr;
    BOOL(WINAPI* IsThemeActive)() = nullptr;
    BOOL(WINAPI* IsAppThemed)() = nullptr;
    DWORD(WINAPI* GetThemeAppProperties)() = nullptr;
};

class TThemeLibrary {
public:
    // The library file to load; the process-wide binding loads "uxtheme.dll".
    explicit TThemeLibrary(std::string fileName);
    // Gives back every use still held, which unloads the library.
    ~TThemeLibrary();
    TThemeLibrary(const TThemeLibrary&) = delete;
    TThemeLibrary& operator=(const TThemeLibrary&) = delete;

    // Takes a use and loads the library when it is not loaded; returns whether it is loaded. A
    // failed load still counts as a use, and the next Acquire tries again.
    bool Acquire();
    // Gives back a use (none when none is held); the last one unloads the library.
    void Release();

    bool Loaded() const;
    int UseCount() const;
    const TUxThemeApi& Api() const { return api_; }

    // The desktop shows a visual style for this application now.
    bool UseThemesNow() const;

private:
    class TLock;

    const std::string fileName_;
    mutable CRITICAL_SECTION lock_;
    HMODULE module_ = nullptr;
    int useCount_ = 0;
    TUxThemeApi api_;
};

// The process-wide binding to "uxtheme.dll".
TThemeLibrary& ThemeLibrary();

}  // namespace mw
