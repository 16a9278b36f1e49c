#pragma once
// The base of the radio and check groups: a group box whose items (radio buttons or check
// boxes) are made from a string list, arranged in columns below the caption and borders, and
// dressed in the group's item font and item look. While the form resource is read the items
// are neither made nor arranged; that happens once afterwards.

#include <string>
#include <vector>

#include "classlib/core/StringList.h"
#include "classlib/win/Font.h"
#include "controls/basic/MwCustomGlyphButton.h"
#include "controls/basic/MwGlyph.h"
#include "controls/basic/MwGroupBox.h"

class TMwCustomButtonGroup : public TMwCustomGroupBox {
    CL_CLASS_INFO()
public:
    explicit TMwCustomButtonGroup(cl::TComponent* owner);
    ~TMwCustomButtonGroup() override;

    // A change rebuilds the items.
    cl::TStringList* Items() { return &items_; }
    int Columns() const { return columns_; }
    // 1 to 16.
    void SetColumns(int v);
    // Columns share the width equally instead of each taking its widest caption.
    bool SpaceEvenly() const { return spaceEvenly_; }
    void SetSpaceEvenly(bool v) { StoreAndArrange(spaceEvenly_, v); }
    int StartXPos() const { return startX_; }
    void SetStartXPos(int v) { StoreAndArrange(startX_, v); }
    int StartYPos() const { return startY_; }
    void SetStartYPos(int v) { StoreAndArrange(startY_, v); }
    int VerticalSpacing() const { return verticalSpacing_; }
    void SetVerticalSpacing(int v) { StoreAndArrange(verticalSpacing_, v); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v) { StoreAndArrange(itemHeight_, v); }
    // Follows the group's Font until it is changed itself.
    cl::TFont* ItemFont() { return &itemFont_; }

    // The look every item takes.
    cl::TColor ItemFrameColor() const { return itemFrameColor_; }
    void SetItemFrameColor(cl::TColor v) { StoreAndArrange(itemFrameColor_, v); }
    bool ItemHotTrack() const { return itemHotTrack_; }
    void SetItemHotTrack(bool v) { StoreAndArrange(itemHotTrack_, v); }
    cl::TColor ItemHighlightColor() const { return itemHighlightColor_; }
    void SetItemHighlightColor(cl::TColor v) { StoreAndArrange(itemHighlightColor_, v); }
    cl::TColor ItemHotTrackColor() const { return itemHotTrackColor_; }
    void SetItemHotTrackColor(cl::TColor v) { StoreAndArrange(itemHotTrackColor_, v); }
    TMwHotTrackColorType ItemHotTrackColorType() const { return itemHotTrackColorType_; }
    void SetItemHotTrackColorType(TMwHotTrackColorType v) { StoreAndArrange(itemHotTrackColorType_, v); }
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool v) { StoreAndArrange(lightTextStyle_, v); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle v) { StoreAndArrange(textStyle_, v); }
    int TextShadowDepth() const { return textShadowDepth_; }
    void SetTextShadowDepth(int v) { StoreAndArrange(textShadowDepth_, v); }
    cl::TColor TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(cl::TColor v) { StoreAndArrange(textShadowColor_, v); }
    cl::TColor TextHighlightColor() const { return textHighlightColor_; }
    void SetTextHighlightColor(cl::TColor v) { StoreAndArrange(textHighlightColor_, v); }
    // The group is see-through, and so are its items.
    void SetTransparent(bool v) override;
    cl::TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(cl::TColor v) { StoreAndArrange(transparentColor_, v); }
    cl::TColor WinMaskColor() const { return winMaskColor_; }
    void SetWinMaskColor(cl::TColor v) { StoreAndArrange(winMaskColor_, v); }
    // A non-empty strip switches UseCustomGlyphs on.
    const TMwGlyph& CustomGlyphs() const { return customGlyphs_; }
    void SetCustomGlyphs(HBITMAP strip) { customGlyphs_.Assign(strip); }
    const std::vector<uint8_t>& CustomGlyphsData() const { return customGlyphs_.BitmapFile(); }
    void SetCustomGlyphsData(const std::vector<uint8_t>& file) { customGlyphs_.SetBitmapFile(file); }
    bool UseCustomGlyphs() const { return useCustomGlyphs_; }
    void SetUseCustomGlyphs(bool v) { StoreAndArrange(useCustomGlyphs_, v); }
    // Enter moves the focus on like Tab.
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool v) { tabOnEnter_ = v; }

    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    TMwCustomGlyphButton* GetButton(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    // Whether the user may change the items now (mouse and key changes are dropped otherwise).
    virtual bool CanModify() const { return true; }

    // The style decides where the items start.
    void SetGroupStyle(TMwGroupBoxStyle style) override;
    void SetEnabled(bool enabled) override;
    void Loaded() override;
    // Older form resources carry "Flat", which is ItemHotTrack now.
    bool ReadExtraProperty(const std::string& name, const cl::TValue& value) override;

protected:
    // Makes one item; the group makes it its child and dresses it.
    virtual TMwCustomGlyphButton* CreateButton() = 0;
    // The strings changed (outside form loading).
    virtual void ItemsChanged() { UpdateButtons(); }
    // Items as many as strings, captioned, then arranged.
    virtual void UpdateButtons();
    // Re-applies the item look and places every item.
    virtual void ArrangeButtons();
    // Dresses one item in the group's item look.
    virtual void ApplyItemLook(TMwCustomGlyphButton& button);
    void SetButtonCount(int count);

    void Resize() override;
    void FontChanged() override;
    // Right-to-left reading mirrors the columns and puts each item's glyph at its right edge.
    void BiDiModeChanged() override;
    // The spacing, the item height, the first row's offset and an item font of the group's
    // own scale with the form; the columns' start (StartXPos) does not.
    void ChangeScale(int m, int d) override;
    void WndProc(cl::TMessage& message) override;

    template <class T>
    void StoreAndArrange(T& field, const T& value) {
        if (field == value) return;
        field = value;
        ArrangeButtons();
    }

private:
    cl::TStringList items_;
    std::vector<TMwCustomGlyphButton*> buttons_;
    int columns_ = 1;
    bool spaceEvenly_ = false;
    int startX_ = 8;
    int startY_ = 2;
    int verticalSpacing_ = 3;
    int itemHeight_ = 17;
    cl::TFont itemFont_;
    bool itemFontCustomised_ = false;
    bool copyingFont_ = false;
    cl::TColor itemFrameColor_ = cl::clBtnShadow;
    bool itemHotTrack_ = false;
    cl::TColor itemHighlightColor_ = cl::clHighlight;
    cl::TColor itemHotTrackColor_ = cl::clHighlight;
    TMwHotTrackColorType itemHotTrackColorType_ = TMwHotTrackColorType::Complement;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = TTextStyle::Normal;
    int textShadowDepth_ = 2;
    cl::TColor textShadowColor_ = cl::clBtnShadow;
    cl::TColor textHighlightColor_ = cl::clBtnHighlight;
    cl::TColor transparentColor_ = cl::clOlive;
    cl::TColor winMaskColor_ = cl::clTeal;
    TMwGlyph customGlyphs_;
    bool useCustomGlyphs_ = false;
    bool tabOnEnter_ = false;
};
