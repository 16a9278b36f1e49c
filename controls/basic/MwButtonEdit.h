#pragma once
// A framed edit with up to two small buttons inside its right edge: the button and the alternate button. Each shows a stock glyph of its
// kind or one of the user's, answers its own shortcut (F4 for the button) and raises its own
// click event. With AllowKeyEdit off, the text changes only through the buttons' handlers.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/basic/ButtonEditGlyphs.h"
#include "controls/basic/MwButtonPair.h"
#include "controls/basic/MwEdit.h"

class TMwCustomButtonEdit : public TMwEdit {
    CL_CLASS_INFO()
public:
    explicit TMwCustomButtonEdit(cl::TComponent* owner);

    TMwButtonPair* ButtonPair() const { return pair_; }

    bool AllowKeyEdit() const { return allowKeyEdit_; }
    void SetAllowKeyEdit(bool v) { allowKeyEdit_ = v; }

    TButtonKind ButtonKind() const { return buttons_[kMain].kind; }
    void SetButtonKind(TButtonKind v) { SetKind(kMain, v); }
    TButtonKind AltBtnKind() const { return buttons_[kAlt].kind; }
    void SetAltBtnKind(TButtonKind v) { SetKind(kAlt, v); }
    // A glyph of the user's as a bitmap file; setting one makes the kind bkCustom.
    const std::vector<uint8_t>& ButtonGlyph() const { return Button(kMain)->GlyphData(); }
    void SetButtonGlyph(const std::vector<uint8_t>& file) { SetGlyph(kMain, file); }
    const std::vector<uint8_t>& AltBtnGlyph() const { return Button(kAlt)->GlyphData(); }
    void SetAltBtnGlyph(const std::vector<uint8_t>& file) { SetGlyph(kAlt, file); }
    int ButtonNumGlyphs() const { return Button(kMain)->NumGlyphs(); }
    void SetButtonNumGlyphs(int v) { Button(kMain)->SetNumGlyphs(v); }
    int AltBtnNumGlyphs() const { return Button(kAlt)->NumGlyphs(); }
    void SetAltBtnNumGlyphs(int v) { Button(kAlt)->SetNumGlyphs(v); }
    const std::string& ButtonHint() const { return Button(kMain)->Hint(); }
    void SetButtonHint(const std::string& v) { Button(kMain)->SetHint(v); }
    const std::string& AltBtnHint() const { return Button(kAlt)->Hint(); }
    void SetAltBtnHint(const std::string& v) { Button(kAlt)->SetHint(v); }
    int ButtonShortCut() const { return static_cast<int>(buttons_[kMain].shortCut); }
    void SetButtonShortCut(int v) { buttons_[kMain].shortCut = static_cast<unsigned>(v); }
    int AltBtnShortCut() const { return static_cast<int>(buttons_[kAlt].shortCut); }
    void SetAltBtnShortCut(int v) { buttons_[kAlt].shortCut = static_cast<unsigned>(v); }
    bool ButtonVisible() const { return Button(kMain)->Visible(); }
    void SetButtonVisible(bool v) { SetVisibleButton(kMain, v); }
    bool AltBtnVisible() const { return Button(kAlt)->Visible(); }
    void SetAltBtnVisible(bool v) { SetVisibleButton(kAlt, v); }
    int ButtonWidth() const { return Button(kMain)->Width(); }
    void SetButtonWidth(int v) { SetButtonWidthOf(kMain, v); }
    int AltBtnWidth() const { return Button(kAlt)->Width(); }
    void SetAltBtnWidth(int v) { SetButtonWidthOf(kAlt, v); }

    void SetFlatButtons(bool v) override;
    void SetAlignment(TEditAlignment v) override;
    void SetEnabled(bool enabled) override;

    // Clicks the button (or the alternate button) as the user would.
    void ButtonClick() { Button(kMain)->Click(); }
    void AltBtnClick() { Button(kAlt)->Click(); }

    void Loaded() override;
    // "ButtonShortCutText" and "AltBtnShortCutText" (a shortcut as text) and
    // "FlatButtonParentColor" (no longer has a meaning) of older form resources.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

    cl::TNotifyEvent OnButtonClick;
    cl::TNotifyEvent OnAltBtnClick;

protected:
    enum TButtonIndex { kAlt = 0, kMain = 1 };

    void InitializeWnd() override;
    void WndProc(cl::TMessage& message) override;
    void Resize() override;
    void FontChanged() override;
    // Right-to-left reading puts the buttons inside the left edge, with the left margin
    // widened for them.
    void BiDiModeChanged() override;
    void UpdateFrame(bool viaMouse, bool inFocus) override;
    // The shortcuts and the refused keys act after the key events' handlers.
    void DoKeyDown(WORD& key, cl::TShiftState shift) override;
    void DoKeyPress(char& key) override;
    // The frame surrounds the text area, not the buttons.
    cl::TRect FrameRect() override;

    // Places the pair inside the right edge and keeps the text clear of it.
    void PositionButtonPair();
    void SetEditMargins();

private:
    struct TButtonState {
        TButtonKind kind = TButtonKind::Lookup;
        unsigned shortCut = 0;
    };

    TMwControlButton* Button(TButtonIndex index) const {
        return index == kMain ? pair_->Button() : pair_->AltButton();
    }
    void SetKind(TButtonIndex index, TButtonKind kind);
    void SetGlyph(TButtonIndex index, const std::vector<uint8_t>& file);
    void SetVisibleButton(TButtonIndex index, bool visible);
    void SetButtonWidthOf(TButtonIndex index, int width);
    void TakeKindGlyph(TButtonIndex index);
    // Clicks the visible, enabled button whose shortcut this is.
    bool ClickByShortCut(unsigned shortCut);
    int PairWidth() const;
    // The border round the buttons, outside the frame, in the parent's colour.
    void PaintBesideFrame();

    TMwButtonPair* pair_;
    TButtonState buttons_[2];
    bool allowKeyEdit_ = true;
    bool shortCutClicked_ = false;  // swallows the character of the key that clicked a button
};

class TMwButtonEdit : public TMwCustomButtonEdit {
    CL_CLASS_INFO()
public:
    explicit TMwButtonEdit(cl::TComponent* owner) : TMwCustomButtonEdit(owner) {}
};
