#pragma once
// The theme services: the one object through which every control of the library draws in the
// visual style of the desktop. It takes a use of the visual-styles library, keeps one theme
// handle per element class (opened on first use), and watches a window for theme changes, on
// which it reopens the handles lazily and tells its listeners. Without the library, or without
// an active style or common controls 6.0, ThemesEnabled() is false and the controls take their
// classic drawing paths; the drawing operations are meant for after ThemesEnabled() said true.

#include <windows.h>

#include <cstdint>
#include <string>

#include "classlib/core/Colors.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/core/Object.h"
#include "controls/foundation/MwUxTheme.h"
#include "controls/foundation/ThemeElements.h"

namespace mw {

// The loaded common-controls library's version from its version resource: major in the high 16
// bits, minor in the low 16 bits; 0 when it cannot be read.
uint32_t CommonControlsVersion();

class TThemeServices : public cl::TObject {
public:
    using TVersionProbe = uint32_t (*)();

    // Watches window (none: watches nothing) for theme changes by hooking its procedure.
    explicit TThemeServices(HWND window, TThemeLibrary& library = ThemeLibrary(),
                            TVersionProbe commonControlsVersion = CommonControlsVersion);
    ~TThemeServices() override;
    TThemeServices(const TThemeServices&) = delete;
    TThemeServices& operator=(const TThemeServices&) = delete;

    // The visual-styles library is loaded.
    bool ThemesAvailable() const { return themesAvailable_; }
    // The desktop shows a visual style for this application, through common controls 6.0 or later.
    bool UseThemes() const { return useThemes_; }
    // The application's theme properties allow themed controls.
    bool ControlsEnabled() const { return controlsEnabled_; }
    // The test every control makes before it draws themed.
    bool ThemesEnabled() const { return themesAvailable_ && useThemes_ && controlsEnabled_; }

    // The element's theme handle, opened on first use; none while themes are not in use.
    HTHEME Theme(TThemedElement element);

    void DrawElement(HDC dc, const TThemedElementDetails& details, const cl::TRect& r, const cl::TRect* clip = nullptr);
    // Draws the parent's themed background behind window into dc (the whole client area without
    // r). With onlyIfTransparent and details, only when that element lets the background through.
    void DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details, bool onlyIfTransparent,
                              const cl::TRect* r = nullptr);
    void DrawElementText(HDC dc, const TThemedElementDetails& details, const std::string& text, const cl::TRect& r,
                         DWORD flags, DWORD flags2);
    // A colour property of the element (kThemeFillColor, kThemeTextColor); false when the theme
    // has none, color unchanged.
    bool ElementColor(const TThemedElementDetails& details, int property, cl::TColor& color);
    // The element's true size as the theme draws it into dc; false when the theme cannot tell,
    // size unchanged.
    bool ElementSize(HDC dc, const TThemedElementDetails& details, SIZE& size);

    // Reads the desktop's theme state again (after a theme change), closing the open handles.
    void UpdateThemes();
    virtual void NotifyThemesChanged();

    // After a theme change, once the flags above are up to date.
    cl::TNotifyEvent OnThemesChanged;

private:
    static LRESULT CALLBACK HookProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
    void Unhook();
    void CloseThemes();

    TThemeLibrary& library_;
    const TVersionProbe commonControlsVersion_;
    HWND window_;
    bool hooked_ = false;
    bool themesAvailable_ = false;
    bool useThemes_ = false;
    bool controlsEnabled_ = false;
    HTHEME themes_[kThemedElementCount] = {};
};

// The process-wide theme services, made on first use and watching the application's window;
// while a TThemeServicesInstallation lives, the services it installed.
TThemeServices& ThemeServices();

// Puts services in place of the process-wide ones for its lifetime, so that every control
// draws through them (tests install services over a stand-in visual-styles library to run the
// controls' themed branches); the previous ones come back when it ends.
class TThemeServicesInstallation {
public:
    explicit TThemeServicesInstallation(TThemeServices& services);
    ~TThemeServicesInstallation();
    TThemeServicesInstallation(const TThemeServicesInstallation&) = delete;
    TThemeServicesInstallation& operator=(const TThemeServicesInstallation&) = delete;

private:
    TThemeServices* previous_;
};

}  // namespace mw
