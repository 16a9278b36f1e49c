#pragma once
// Themes switched on for the controls under test: theme services over the stand-in
// visual-styles library (which reports a themed desktop that allows themed controls), installed
// as the process-wide services while the object lives. The stand-in records every element
// drawn, so a test reads back what a control's themed branch drew.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/MwThemeSrv.h"
#include "controls/foundation/MwUxTheme.h"
#include "controls/foundation/tests/FakeUxTheme.h"

struct TDrawnElement {
    std::string themeClass;
    int part;
    int state;
    RECT rect;
};

class TFakeThemes {
public:
    TFakeThemes() : library_(FAKE_UXTHEME_FILE) {
        library_.Acquire();
        TFakeThemeState& state = State();
        state.appThemed = TRUE;
        state.themeActive = TRUE;
        state.appProperties = mw::kThemeAllowsControls;
        services_ = std::make_unique<mw::TThemeServices>(nullptr, library_, [] { return 0x60000u; });
        installation_ = std::make_unique<mw::TThemeServicesInstallation>(*services_);
    }
    TFakeThemes(const TFakeThemes&) = delete;
    TFakeThemes& operator=(const TFakeThemes&) = delete;

    bool Loaded() const { return library_.Loaded(); }
    TFakeThemeState& State() const {
        auto state = reinterpret_cast<TFakeThemeStateFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(FAKE_UXTHEME_FILE), "FakeThemeState")));
        return *state();
    }
    // The backgrounds drawn since the last Forget.
    std::vector<TDrawnElement> Drawn() const {
        const TFakeThemeState& state = State();
        std::vector<TDrawnElement> drawn;
        for (int i = first_; i < state.drawnBackgrounds && i < 256; ++i)
            drawn.push_back({state.drawn[i].themeClass, state.drawn[i].part, state.drawn[i].state, state.drawn[i].rect});
        return drawn;
    }
    void Forget() { first_ = State().drawnBackgrounds; }

private:
    mw::TThemeLibrary library_;  // gives back its uses last
    std::unique_ptr<mw::TThemeServices> services_;
    std::unique_ptr<mw::TThemeServicesInstallation> installation_;
    int first_ = 0;
};
