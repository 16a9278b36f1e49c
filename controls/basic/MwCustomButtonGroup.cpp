#include "controls/basic/MwCustomButtonGroup.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "controls/basic/GroupItemsLayout.h"
#include "controls/foundation/FontUtils.h"

using namespace mw;

const cl::TClassInfo& TMwCustomButtonGroup::StaticClass() {
    using G = TMwCustomButtonGroup;
    static const auto info =
        cl::TClassBuilder<G>("TMwCustomButtonGroup", TMwCustomGroupBox::StaticClass())
            .Strings("Items", &G::Items)
            .Int("Columns", &G::Columns, &G::SetColumns)
            .Bool("SpaceEvenly", &G::SpaceEvenly, &G::SetSpaceEvenly)
            .Int("StartXPos", &G::StartXPos, &G::SetStartXPos)
            .Int("StartYPos", &G::StartYPos, &G::SetStartYPos)
            .Int("VerticalSpacing", &G::VerticalSpacing, &G::SetVerticalSpacing)
            .Int("ItemHeight", &G::ItemHeight, &G::SetItemHeight)
            .Object("ItemFont", &G::ItemFont)
            .Color("ItemFrameColor", &G::ItemFrameColor, &G::SetItemFrameColor)
            .Bool("ItemHotTrack", &G::ItemHotTrack, &G::SetItemHotTrack)
            .Color("ItemHighlightColor", &G::ItemHighlightColor, &G::SetItemHighlightColor)
            .Color("ItemHotTrackColor", &G::ItemHotTrackColor, &G::SetItemHotTrackColor)
            .Enum<TMwHotTrackColorType>("ItemHotTrackColorType", &G::ItemHotTrackColorType,
                                        &G::SetItemHotTrackColorType, kHotTrackColorTypeNames)
            .Bool("LightTextStyle", &G::LightTextStyle, &G::SetLightTextStyle)
            .Enum<TTextStyle>("TextStyle", &G::TextStyle, &G::SetTextStyle, kTextStyleNames)
            .Int("TextShadowDepth", &G::TextShadowDepth, &G::SetTextShadowDepth)
            .Color("TextShadowColor", &G::TextShadowColor, &G::SetTextShadowColor)
            .Color("TextHighlightColor", &G::TextHighlightColor, &G::SetTextHighlightColor)
            .Color("TransparentColor", &G::TransparentColor, &G::SetTransparentColor)
            .Color("WinMaskColor", &G::WinMaskColor, &G::SetWinMaskColor)
            .Binary("CustomGlyphs", &G::CustomGlyphsData, &G::SetCustomGlyphsData)
            .Bool("UseCustomGlyphs", &G::UseCustomGlyphs, &G::SetUseCustomGlyphs)
            .Bool("TabOnEnter", &G::TabOnEnter, &G::SetTabOnEnter)
            .Build();
    return *info;
}

TMwCustomButtonGroup::TMwCustomButtonGroup(cl::TComponent* owner) : TMwCustomGroupBox(owner) {
    itemFont_.SetName("MS Sans Serif");
    itemFont_.SetSize(8);
    itemFont_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (!copyingFont_) itemFontCustomised_ = true;
        ArrangeButtons();
    });
    items_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        if (!IsLoading()) ItemsChanged();
    });
    customGlyphs_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) {
        useCustomGlyphs_ = !customGlyphs_.Empty();
        ArrangeButtons();
    });
}

TMwCustomButtonGroup::~TMwCustomButtonGroup() {
    items_.OnChange = {};
    itemFont_.OnChange = {};
}

void TMwCustomButtonGroup::SetColumns(int v) {
    v = mw::ClampGroupColumns(v);
    if (v == columns_) return;
    columns_ = v;
    ArrangeButtons();
    Invalidate();
}

void TMwCustomButtonGroup::SetTransparent(bool v) {
    TMwCustomGroupBox::SetTransparent(v);
    ArrangeButtons();
}

void TMwCustomButtonGroup::SetGroupStyle(TMwGroupBoxStyle style) {
    TMwCustomGroupBox::SetGroupStyle(style);
    ArrangeButtons();
}

void TMwCustomButtonGroup::SetEnabled(bool enabled) {
    TMwCustomGroupBox::SetEnabled(enabled);
    for (TMwCustomGlyphButton* button : buttons_) button->SetEnabled(enabled);
    Repaint();
}

bool TMwCustomButtonGroup::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "Flat") || value.kind != cl::TValue::Kind::Boolean)
        return TMwCustomGroupBox::ReadExtraProperty(name, value);
    SetItemHotTrack(value.boolean);
    return true;
}

void TMwCustomButtonGroup::Loaded() {
    TMwCustomGroupBox::Loaded();
    UpdateButtons();
}

void TMwCustomButtonGroup::Resize() {
    TMwCustomGroupBox::Resize();
    ArrangeButtons();
}

void TMwCustomButtonGroup::ChangeScale(int m, int d) {
    TMwCustomGroupBox::ChangeScale(m, d);
    if (itemFontCustomised_) itemFont_.SetHeight(MulDiv(itemFont_.Height(), m, d));
    verticalSpacing_ = MulDiv(verticalSpacing_, m, d);
    itemHeight_ = MulDiv(itemHeight_, m, d);
    startY_ = MulDiv(startY_, m, d);
    ArrangeButtons();
}

void TMwCustomButtonGroup::BiDiModeChanged() {
    TMwCustomGroupBox::BiDiModeChanged();
    ArrangeButtons();
}

void TMwCustomButtonGroup::FontChanged() {
    TMwCustomGroupBox::FontChanged();
    if (!itemFontCustomised_) {
        copyingFont_ = true;
        itemFont_.Assign(*Font());
        copyingFont_ = false;
    }
    ArrangeButtons();
    Invalidate();
}

void TMwCustomButtonGroup::WndProc(cl::TMessage& m) {
    if (m.msg == WM_CHAR && m.wParam == VK_RETURN && tabOnEnter_) {
        PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
        m.result = 0;
        return;
    }
    TMwCustomGroupBox::WndProc(m);
    if (m.msg == WM_SETTEXT) ArrangeButtons();  // the title moves the first row
}

// ---- items ----

void TMwCustomButtonGroup::SetButtonCount(int count) {
    while (ItemCount() > count) {
        cl::Free(buttons_.back());
        buttons_.pop_back();
    }
    while (ItemCount() < count) {
        TMwCustomGlyphButton* button = CreateButton();
        button->SetVisible(false);
        button->SetEnabled(Enabled());
        button->SetShowHint(false);
        button->SetParentFont(false);
        button->SetParent(this);
        buttons_.push_back(button);
    }
}

void TMwCustomButtonGroup::UpdateButtons() {
    SetButtonCount(items_.Count());
    for (int i = 0; i < ItemCount(); ++i) GetButton(i)->SetCaption(items_[i]);
    ArrangeButtons();
    Invalidate();
}

void TMwCustomButtonGroup::ApplyItemLook(TMwCustomGlyphButton& b) {
    b.Font()->Assign(itemFont_);
    b.SetTextHighlightColor(textHighlightColor_);
    b.SetTextShadowColor(textShadowColor_);
    b.SetTextShadowDepth(textShadowDepth_);
    b.SetLightTextStyle(lightTextStyle_);
    b.SetTextStyle(textStyle_);
    b.SetTransparent(Transparent());
    b.SetWinMaskColor(winMaskColor_);
    b.SetTransparentColor(transparentColor_);
    b.SetCustomGlyphs(customGlyphs_.Handle());
    b.SetUseCustomGlyphs(useCustomGlyphs_);
    b.SetFrameColor(itemFrameColor_);
    b.SetHotTrack(itemHotTrack_);
    b.SetHighlightColor(itemHighlightColor_);
    b.SetHotTrackColor(itemHotTrackColor_);
    b.SetHotTrackColorType(itemHotTrackColorType_);
    b.SetBiDiMode(BiDiMode());
    b.SetAlignment(UseRightToLeftReading() ? cl::TAlignment::LeftJustify : cl::TAlignment::RightJustify);
}

void TMwCustomButtonGroup::ArrangeButtons() {
    if (buttons_.empty() || IsLoading() || IsDestroying()) return;
    for (TMwCustomGlyphButton* button : buttons_) ApplyItemLook(*button);
    mw::TGroupTopInput top;
    top.style = GroupStyle();
    top.hasCaption = !Caption().empty();
    top.minTextHeight = mw::GetMinFontHeight(*Font());
    top.startY = startY_;
    top.borderWidth = BorderWidth();
    top.outer = BorderOuter();
    top.inner = BorderInner();
    mw::TGroupItemsInput in;
    in.glyphWidth = buttons_.front()->GlyphSize().width;
    in.columns = columns_;
    in.spaceEvenly = spaceEvenly_;
    in.startX = startX_;
    in.width = Width();
    in.borderWidth = BorderWidth();
    in.firstRowTop = mw::GroupFirstRowTop(top);
    in.itemHeight = itemHeight_;
    in.rightToLeft = UseRightToLeftReading();
    in.clientWidth = ClientWidth();
    in.verticalSpacing = verticalSpacing_;
    {
        const cl::TScreenDC screen;
        const cl::TSelectObject font(screen.Handle(), itemFont_.Handle());
        for (TMwCustomGlyphButton* button : buttons_) {
            SIZE size{};
            GetTextExtentPoint32A(screen.Handle(), button->Caption().data(), static_cast<int>(button->Caption().size()), &size);
            in.captionWidths.push_back(size.cx);
        }
    }
    const std::vector<cl::TRect> bounds = mw::ArrangeGroupItems(in);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->SetBounds(bounds[i].left, bounds[i].top, bounds[i].Width(), bounds[i].Height());
        buttons_[i]->SetVisible(true);
    }
}
