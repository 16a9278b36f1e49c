#pragma once
// A flat speed button with a glyph of up to four images (up, disabled, pressed, down), a caption
// it can hide (keeping the text to show again), and a hot glyph that takes the glyph's place
// while the pointer is over it. Grouped buttons latch one at a time; an action can drive it.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "classlib/win/Actions.h"
#include "classlib/win/Control.h"
#include "controls/basic/ActionLinkValues.h"
#include "controls/basic/ButtonLayout.h"
#include "controls/basic/MouseTracking.h"
#include "controls/basic/MwGlyph.h"
#include "controls/foundation/FrameModel.h"

class TMwToolbarButton : public cl::TCustomControl, public cl::TActionClient {
    CL_CLASS_INFO()
public:
    explicit TMwToolbarButton(cl::TComponent* owner);
    ~TMwToolbarButton() override;

    cl::TAction* Action() const { return action_; }
    void SetAction(cl::TAction* action);
    // Sets the text while captions show; otherwise keeps it for when they show again.
    void SetButtonCaption(const std::string& caption);
    const std::string& SavedCaption() const { return savedCaption_; }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v);
    bool IgnoreActionCaption() const { return ignoreActionCaption_; }
    void SetIgnoreActionCaption(bool v) { ignoreActionCaption_ = v; }
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { StoreAndInvalidate(flat_, v); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { StoreAndInvalidate(layout_, v); }
    const TMwGlyph& Glyph() const { return glyph_; }
    void SetGlyph(HBITMAP bitmap) { glyph_.Assign(bitmap); }
    const std::vector<uint8_t>& GlyphData() const { return glyph_.BitmapFile(); }
    void SetGlyphData(const std::vector<uint8_t>& file) { glyph_.SetBitmapFile(file); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { StoreAndInvalidate(numGlyphs_, v < 1 ? 1 : v > 4 ? 4 : v); }
    // Assigning a hot glyph switches UseHotGlyph on.
    const TMwGlyph& HotGlyph() const { return hotGlyph_; }
    void SetHotGlyph(HBITMAP bitmap) { hotGlyph_.Assign(bitmap); }
    const std::vector<uint8_t>& HotGlyphData() const { return hotGlyph_.BitmapFile(); }
    void SetHotGlyphData(const std::vector<uint8_t>& file) { hotGlyph_.SetBitmapFile(file); }
    int HotNumGlyphs() const { return hotNumGlyphs_; }
    void SetHotNumGlyphs(int v) { hotNumGlyphs_ = v < 1 ? 1 : v > 4 ? 4 : v; }
    bool UseHotGlyph() const { return useHotGlyph_; }
    void SetUseHotGlyph(bool v) { useHotGlyph_ = v; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    bool Down() const { return down_; }
    // Without a group never down; going down releases the group's other buttons.
    void SetDown(bool v);
    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    // The glyph drawn now (the hot glyph while it has taken the glyph's place).
    bool ShowsHotGlyph() const { return hotSwapped_; }
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;
    void Click() override;
    void ActionChanged(cl::TAction& action) override;
    void ActionFreed(cl::TAction& action) override;

    cl::TNotifyEvent OnMouseEnter;
    cl::TNotifyEvent OnMouseLeave;

protected:
    void WndProc(cl::TMessage& message) override;
    void Paint(cl::TCanvas& canvas) override;

private:
    void TakeActionValues(const cl::TAction& action, bool onlyDefaults);
    // The action's image from its list's images becomes the glyph.
    void TakeActionImage(const cl::TAction& action);
    void Press();
    void TrackPress(cl::TPoint point);
    void MouseEnter();
    void MouseLeave();
    void Release(cl::TPoint point);

    cl::TAction* action_ = nullptr;
    mw::TActionLinkValues linked_;
    std::string savedCaption_;
    bool showCaption_ = true;
    bool ignoreActionCaption_ = false;
    bool flat_ = true;
    TButtonLayout layout_ = TButtonLayout::GlyphLeft;
    TMwGlyph glyph_;
    int numGlyphs_ = 1;
    TMwGlyph hotGlyph_;
    int hotNumGlyphs_ = 1;
    bool useHotGlyph_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
    bool pressed_ = false;      // the left button holds it with the pointer on it
    bool dragging_ = false;
    bool mouseOver_ = false;
    bool hotSwapped_ = false;   // the hot glyph is shown in the glyph's place
    bool swapPending_ = false;  // a press came while the hot glyph was wanted
    mw::TMouseTracking mouse_;
};
