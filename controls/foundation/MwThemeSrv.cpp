#include "controls/foundation/MwThemeSrv.h"

#include <commctrl.h>

#include <vector>

#include "classlib/win/Application.h"

namespace mw {

namespace {

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

RECT ToRECT(const cl::TRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

uint32_t CommonControlsVersion() {
    HMODULE module = GetModuleHandleA("comctl32.dll");
    if (!module) return 0;
    char path[MAX_PATH];
    const DWORD pathLength = GetModuleFileNameA(module, path, MAX_PATH);
    if (pathLength == 0 || pathLength >= MAX_PATH) return 0;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return 0;
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(path, 0, size, info.data())) return 0;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || fixedSize < sizeof(*fixed))
        return 0;
    return fixed->dwFileVersionMS;
}

TThemeServices::TThemeServices(HWND window, TThemeLibrary& library, TVersionProbe commonControlsVersion)
    : library_(library), commonControlsVersion_(commonControlsVersion), window_(window) {
    // A subclass of the window's own, identified by the services: several services may watch
    // one window, each called in turn.
    if (window_) hooked_ = SetWindowSubclass(window_, &TThemeServices::HookProc, reinterpret_cast<UINT_PTR>(this),
                                             reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    themesAvailable_ = library_.Acquire();
    UpdateThemes();
}

TThemeServices::~TThemeServices() {
    Unhook();
    CloseThemes();
    library_.Release();
}

void TThemeServices::Unhook() {
    if (!hooked_) return;
    RemoveWindowSubclass(window_, &TThemeServices::HookProc, reinterpret_cast<UINT_PTR>(this));
    hooked_ = false;
}

LRESULT CALLBACK TThemeServices::HookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
    auto* services = reinterpret_cast<TThemeServices*>(data);
    if (msg == WM_DESTROY) {
        services->Unhook();
    } else if (msg == WM_THEMECHANGED) {
        try {
            services->UpdateThemes();
            services->NotifyThemesChanged();
        } catch (...) {
            cl::TApplication::HandleCurrentException();
        }
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

void TThemeServices::CloseThemes() {
    // A destroyed window's theme handles went with it: they are only forgotten.
    const bool windowGone = window_ && !IsWindow(window_);
    for (HTHEME& theme : themes_) {
        if (theme && !windowGone && library_.Api().CloseThemeData) library_.Api().CloseThemeData(theme);
        theme = nullptr;
    }
}

HTHEME TThemeServices::Theme(TThemedElement element) {
    HTHEME& theme = themes_[static_cast<int>(element)];
    if (useThemes_ && !theme && library_.Api().OpenThemeData)
        theme = library_.Api().OpenThemeData(window_, Widen(ThemeClassName(element)).c_str());
    return theme;
}

void TThemeServices::DrawElement(HDC dc, const TThemedElementDetails& details, const cl::TRect& r, const cl::TRect* clip) {
    if (!library_.Api().DrawThemeBackground) return;
    const RECT rect = ToRECT(r);
    const RECT clipRect = clip ? ToRECT(*clip) : RECT{};
    library_.Api().DrawThemeBackground(Theme(details.element), dc, details.part, details.state, &rect,
                                       clip ? &clipRect : nullptr);
}

void TThemeServices::DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details,
                                          bool onlyIfTransparent, const cl::TRect* r) {
    const TUxThemeApi& api = library_.Api();
    if (onlyIfTransparent && details && api.IsThemeBackgroundPartiallyTransparent &&
        !api.IsThemeBackgroundPartiallyTransparent(Theme(details->element), details->part, details->state))
        return;
    if (!api.DrawThemeParentBackground) return;
    const RECT rect = r ? ToRECT(*r) : RECT{};
    api.DrawThemeParentBackground(window, dc, r ? &rect : nullptr);
}

void TThemeServices::DrawElementText(HDC dc, const TThemedElementDetails& details, const std::string& text,
                                     const cl::TRect& r, DWORD flags, DWORD flags2) {
    if (!library_.Api().DrawThemeText) return;
    const std::wstring wide = Widen(text);
    const RECT rect = ToRECT(r);
    library_.Api().DrawThemeText(Theme(details.element), dc, details.part, details.state, wide.c_str(),
                                 static_cast<int>(wide.size()), flags, flags2, &rect);
}

bool TThemeServices::ElementColor(const TThemedElementDetails& details, int property, cl::TColor& color) {
    COLORREF value = 0;
    if (!library_.Api().GetThemeColor ||
        FAILED(library_.Api().GetThemeColor(Theme(details.element), details.part, details.state, property, &value)))
        return false;
    color = static_cast<cl::TColor>(value);
    return true;
}

bool TThemeServices::ElementSize(HDC dc, const TThemedElementDetails& details, SIZE& size) {
    constexpr int kTrueSize = 1;  // TS_TRUE
    SIZE value{};
    if (!library_.Api().GetThemePartSize ||
        FAILED(library_.Api().GetThemePartSize(Theme(details.element), dc, details.part, details.state, nullptr, kTrueSize, &value)))
        return false;
    size = value;
    return true;
}

void TThemeServices::UpdateThemes() {
    if (useThemes_) CloseThemes();
    useThemes_ = library_.UseThemesNow() && commonControlsVersion_() > 0x5FFFF;
    const TUxThemeApi& api = library_.Api();
    controlsEnabled_ = useThemes_ && api.GetThemeAppProperties && (api.GetThemeAppProperties() & kThemeAllowsControls);
}

void TThemeServices::NotifyThemesChanged() { OnThemesChanged(this); }

namespace {
TThemeServices* installedServices = nullptr;
}  // namespace

TThemeServicesInstallation::TThemeServicesInstallation(TThemeServices& services) : previous_(installedServices) {
    installedServices = &services;
}

TThemeServicesInstallation::~TThemeServicesInstallation() { installedServices = previous_; }

TThemeServices& ThemeServices() {
    if (installedServices) return *installedServices;
    // The binding is made first so that it outlives the services, which give back their use.
    TThemeLibrary& library = ThemeLibrary();
    static TThemeServices services(cl::Application() ? cl::Application()->Handle() : nullptr, library);
    return services;
}

}  // namespace mw
