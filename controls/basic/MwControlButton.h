#pragma once
// The small arrow or glyph button that other controls embed (the button pair of the button
// edit): a flat or raised face with a glyph, one of four arrows or a drop-down arrow, themed
// as a scroll-bar thumb, a spin arrow or a combo-box button. It can repeat its click while held.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/win/Actions.h"
#include "classlib/win/Control.h"
#include "classlib/win/Timer.h"
#include "controls/basic/ClickRepeater.h"
#include "controls/basic/MouseTracking.h"
#include "controls/basic/MwGlyph.h"

enum class TMwControlButtonStyle { None, Left, Up, Right, Down, DropDown };

class TMwControlButton : public cl::TCustomControl, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    explicit TMwControlButton(cl::TComponent* owner);
    ~TMwControlButton() override;

    cl::TAction* Action() const { return action_; }
    void SetAction(cl::TAction* action);
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { StoreAndInvalidate(flat_, v); }
    const TMwGlyph& Glyph() const { return glyph_; }
    // A glyph of equal square images side by side sets NumGlyphs to their count (below 5).
    void SetGlyph(HBITMAP bitmap) { glyph_.Assign(bitmap); }
    const std::vector<uint8_t>& GlyphData() const { return glyph_.BitmapFile(); }
    void SetGlyphData(const std::vector<uint8_t>& file) { glyph_.SetBitmapFile(file); }
    // Images in the glyph: the second one shows while the button is disabled.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { StoreAndInvalidate(numGlyphs_, v < 1 ? 1 : v); }
    bool RepeatClicks() const { return repeatClicks_; }
    void SetRepeatClicks(bool v) { repeatClicks_ = v; }
    // Milliseconds before the first repeat, and between repeats.
    int InitialDelay() const { return initialDelay_; }
    void SetInitialDelay(int v) { initialDelay_ = v; }
    int Delay() const { return delay_; }
    void SetDelay(int v) { delay_ = v; }
    TMwControlButtonStyle Style() const { return style_; }
    void SetStyle(TMwControlButtonStyle v) { StoreAndInvalidate(style_, v); }

    bool IsDown() const { return down_; }
    bool MouseOver() const { return mouseOver_; }
    // The repeat timer, made at the first press that repeats (tests drive it with Fire).
    cl::TTimer* RepeatTimer() const { return repeater_.Timer(); }

    void Click() override;
    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    void MouseEnter();
    void MouseLeave();
    void Press();
    void Release(cl::TPoint point);
    void GlyphChanged();
    // Draws the face and returns the interior, where the glyph or arrow goes.
    cl::TRect PaintFace(cl::TCanvas& canvas);
    void PaintThemedThumb(cl::TCanvas& canvas, const cl::TRect& r, bool active);
    void PaintGlyph(cl::TCanvas& canvas, const cl::TRect& r);
    bool Active() const;

    cl::TAction* action_ = nullptr;
    bool flat_ = false;
    TMwGlyph glyph_;
    int numGlyphs_ = 1;
    bool repeatClicks_ = false;
    int initialDelay_ = 400;
    int delay_ = 100;
    TMwControlButtonStyle style_ = TMwControlButtonStyle::None;
    bool down_ = false;
    bool dragging_ = false;
    bool mouseOver_ = false;
    mw::TClickRepeater repeater_;
    mw::TMouseTracking mouse_;
};
