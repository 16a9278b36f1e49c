#pragma once
// A speed button that repeats its click while the left mouse button holds it down: the first
// repeat after InitialDelay, then one every Delay milliseconds, as long as the pointer stays
// on it. It can draw a scroll arrow as its glyph (ScrollStyle). It takes no focus.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/win/Control.h"
#include "controls/basic/ClickRepeater.h"
#include "controls/basic/MwGlyph.h"
#include "controls/foundation/FrameModel.h"

class TMwRapidFireButton : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TMwRapidFireButton(cl::TComponent* owner);

    // Milliseconds, 0 to 65535.
    int InitialDelay() const { return initialDelay_; }
    void SetInitialDelay(int v);
    int Delay() const { return delay_; }
    void SetDelay(int v);
    // Replaces the glyph with the arrow (none for scsNone).
    TMwScrollStyle ScrollStyle() const { return scrollStyle_; }
    void SetScrollStyle(TMwScrollStyle style);
    const TMwGlyph& Glyph() const { return glyph_; }
    void SetGlyph(HBITMAP bitmap);
    // The glyph as a bitmap file, as form resources hold it.
    const std::vector<uint8_t>& GlyphData() const { return glyph_.BitmapFile(); }
    void SetGlyphData(const std::vector<uint8_t>& file) { glyph_.SetBitmapFile(file); }
    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // Repeating clicks (on from the start).
    bool RepeatClicks() const { return repeatClicks_; }
    void SetRepeatClicks(bool v) { repeatClicks_ = v; }
    // A dotted rectangle inside the face (off from the start).
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool v) { StoreAndInvalidate(showFocusRect_, v); }

    // Held down with the pointer on it.
    bool IsDown() const { return down_; }

    void SetEnabled(bool enabled) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    void BuildArrowGlyph();

    uint16_t initialDelay_ = 400;
    uint16_t delay_ = 100;
    TMwScrollStyle scrollStyle_ = TMwScrollStyle::None;
    TMwGlyph glyph_;
    bool repeatClicks_ = true;
    bool showFocusRect_ = false;
    bool dragging_ = false;  // the left button went down on the button and is still held
    bool down_ = false;
    mw::TClickRepeater repeater_;
};
