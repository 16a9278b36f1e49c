#pragma once
// The base of the radio button and the check box: a focusable self-painted button with a state
// glyph beside its 3-D caption. The glyph comes from a strip of custom images, the theme, the
// library's hot-track bitmaps recoloured to the control's colours, or the system's drawing.
// The control paints through one off-screen bitmap and keeps the image behind it until an
// erase, a resize or a colour, enable or transparency change makes it stale.

#include <windows.h>

#include <optional>
#include <vector>

#include "classlib/win/Panel.h"
#include "controls/basic/GlyphButtonLayout.h"
#include "controls/basic/MwCheckedActionLink.h"
#include "controls/basic/MwCustomButton.h"
#include "controls/basic/MwGlyph.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwFrameNotify.h"

class TMwFrameController;

class TMwCustomGlyphButton : public TMwCustomButton, public IMwFrameNotify {
    CL_CLASS_INFO()
public:
    explicit TMwCustomGlyphButton(cl::TComponent* owner);
    ~TMwCustomGlyphButton() override;

    // taRightJustify: the caption is right of the glyph; taLeftJustify: the glyph is at the
    // right edge.
    cl::TAlignment Alignment() const { return alignment_; }
    void SetAlignment(cl::TAlignment v);
    // A strip of state images side by side; a non-empty strip switches UseCustomGlyphs on, an
    // empty one off.
    const TMwGlyph& CustomGlyphs() const { return customGlyphs_; }
    void SetCustomGlyphs(HBITMAP strip) { customGlyphs_.Assign(strip); }
    const std::vector<uint8_t>& CustomGlyphsData() const { return customGlyphs_.BitmapFile(); }
    void SetCustomGlyphsData(const std::vector<uint8_t>& file) { customGlyphs_.SetBitmapFile(file); }
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool v);
    cl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(cl::TColor v) { StoreAndInvalidate(frameColor_, v); }
    cl::TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(cl::TColor v) { StoreAndInvalidate(disabledColor_, v); }
    // The colour that a built or custom glyph leaves out.
    cl::TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(cl::TColor v) { StoreAndInvalidate(transparentColor_, v); }
    // The colour of a glyph that shows as the window colour.
    cl::TColor WinMaskColor() const { return winMaskColor_; }
    void SetWinMaskColor(cl::TColor v) { StoreAndInvalidate(winMaskColor_, v); }
    TMwFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TMwFrameController* controller);
    // Enter moves the focus on like Tab.
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool v) { tabOnEnter_ = v; }

    virtual bool Checked() const { return false; }
    virtual void SetChecked(bool) {}

    // The action's caption, enabled state, hint, visibility and Checked drive the button's
    // while they are equal; a click runs the action unless the button has its own OnClick.
    cl::TAction* Action() const { return actionLink_.Action(); }
    void SetAction(cl::TAction* action);
    const TMwCheckedActionLink& ActionLink() const { return actionLink_; }
    void Click() override;

    // While it lives, state changes come from the action and run no click.
    class TActionApplying {
    public:
        explicit TActionApplying(TMwCustomGlyphButton& button) : button_(button), was_(button.applyingAction_) {
            button.applyingAction_ = true;
        }
        ~TActionApplying() { button_.applyingAction_ = was_; }
        TActionApplying(const TActionApplying&) = delete;
        TActionApplying& operator=(const TActionApplying&) = delete;

    private:
        TMwCustomGlyphButton& button_;
        bool was_;
    };

    mw::TGlyphSize GlyphSize() const { return glyphSize_; }
    cl::TRect GlyphRect();

    void UpdateFrameFromController() override;
    // Older form resources carry "Flat", which is HotTrack now.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

protected:
    // Images in a custom strip.
    virtual int StateCount() const { return 2; }
    // Draws the state glyph into glyph (GlyphSize() large).
    virtual void BuildGlyphs(mw::TMemoryBitmap& glyph) = 0;
    virtual void DrawGlyph(cl::TCanvas& canvas);
    // The image of the custom strip at index into glyph.
    void ExtractGlyph(mw::TMemoryBitmap& glyph, int index);
    // c one RGB step off when it equals a key colour of the glyphs.
    cl::TColor AvoidTransparentColor(cl::TColor c) const;
    // The hot-track bitmap resource recoloured by swaps; false when the program lacks it.
    bool LoadHotTrackGlyph(mw::TMemoryBitmap& glyph, const char* resource, const std::vector<mw::TColorSwap>& swaps);
    mw::TGlyphPalette Palette() const;
    mw::TGlyphLook Look() const;
    bool CanFocus() const;
    bool IsAccelerator(char key) const { return mw::IsCaptionAccelerator(Caption(), key); }

    void ButtonStateChanged() override { Repaint(); }
    void RepaintButton() override { Repaint(); }
    cl::TRect GetHotTrackRect() override { return GlyphRect(); }
    void Paint(cl::TCanvas& canvas) override;
    void WndProc(cl::TMessage& message) override;
    void ColorChanged() override;
    void Notification(cl::TComponent* component, cl::TOperation operation) override;

private:
    void CustomGlyphsChanged();
    void MarkBackgroundStale() { backgroundStale_ = true; }

    cl::TAlignment alignment_ = cl::TAlignment::RightJustify;
    TMwGlyph customGlyphs_;
    bool useCustomGlyphs_ = false;
    mw::TGlyphSize glyphSize_;
    cl::TColor frameColor_ = cl::clBtnShadow;
    cl::TColor disabledColor_ = cl::clBtnFace;
    cl::TColor transparentColor_ = cl::clOlive;
    cl::TColor winMaskColor_ = cl::clLime;
    TMwFrameController* frameController_ = nullptr;
    bool tabOnEnter_ = false;

    TMwCheckedActionLink actionLink_;
    bool applyingAction_ = false;
    std::optional<mw::TMemoryBitmap> background_;
    bool backgroundStale_ = true;
    bool backgroundTransparent_ = false;
};
