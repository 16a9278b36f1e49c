#pragma once
// A speed button that repeats its click while the left mouse button holds it down: the first
// repeat after InitialDelay, then one every Delay milliseconds, as long as the pointer stays
// on it. It can draw a scroll-arrow glyph by itself (ScrollStyle). Like any speed button it can
// latch down as one of a group (GroupIndex), be flat until the pointer is over it, and show a
// caption beside its glyph. It takes no focus.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/win/Control.h"
#include "controls/basic/ClickRepeater.h"
#include "controls/basic/MouseTracking.h"
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

    // Latched down. Only a button of a group (GroupIndex not 0) goes down, and going down
    // releases the group's other buttons; a latched button of a group comes up only with
    // AllowAllUp. A click on a button of a group latches it, or releases it.
    bool Down() const { return down_; }
    void SetDown(bool v);
    // The buttons of one parent with the same GroupIndex form a group.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v);
    // Shared by the whole group.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    // No border unless the pointer is over the button or it is pressed or down.
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { StoreAndInvalidate(flat_, v); }

    // Held down by the mouse with the pointer on it.
    bool Pressed() const { return pressed_; }

    void SetEnabled(bool enabled) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    void BuildArrowGlyph();
    // Tells the other buttons of the group that this one went down or changed its group.
    void UpdateGroup();
    void GroupButtonPressed(const TMwRapidFireButton& sender);
    // Latches or releases the button and redraws it, the group left as it is.
    void ShowDown(bool v);
    void PaintFace(cl::TCanvas& canvas, const cl::TRect& client);
    void PaintCaption(cl::TCanvas& canvas, const cl::TRect& r);

    uint16_t initialDelay_ = 400;
    uint16_t delay_ = 100;
    TMwScrollStyle scrollStyle_ = TMwScrollStyle::None;
    TMwGlyph glyph_;
    bool repeatClicks_ = true;
    bool showFocusRect_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool dragging_ = false;  // the left button went down on the button and is still held
    bool pressed_ = false;
    bool down_ = false;
    mw::TMouseTracking mouse_;
    mw::TClickRepeater repeater_;
};
