#include "controls/basic/MwButtonEdit.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Handles.h"
#include "controls/basic/ShortCutText.h"
#include "controls/foundation/FontUtils.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;

namespace {

constexpr unsigned kF4 = VK_F4;

}  // namespace

const cl::TClassInfo& TMwCustomButtonEdit::StaticClass() {
    using E = TMwCustomButtonEdit;
    static const auto info = cl::TClassBuilder<E>("TMwCustomButtonEdit", TMwEdit::StaticClass())
                                 .Bool("AllowKeyEdit", &E::AllowKeyEdit, &E::SetAllowKeyEdit)
                                 .Enum<TButtonKind>("ButtonKind", &E::ButtonKind, &E::SetButtonKind, kButtonKindNames)
                                 .Enum<TButtonKind>("AltBtnKind", &E::AltBtnKind, &E::SetAltBtnKind, kButtonKindNames)
                                 .Binary("ButtonGlyph", &E::ButtonGlyph, &E::SetButtonGlyph)
                                 .Binary("AltBtnGlyph", &E::AltBtnGlyph, &E::SetAltBtnGlyph)
                                 .Int("ButtonNumGlyphs", &E::ButtonNumGlyphs, &E::SetButtonNumGlyphs)
                                 .Int("AltBtnNumGlyphs", &E::AltBtnNumGlyphs, &E::SetAltBtnNumGlyphs)
                                 .Str("ButtonHint", &E::ButtonHint, &E::SetButtonHint)
                                 .Str("AltBtnHint", &E::AltBtnHint, &E::SetAltBtnHint)
                                 .Int("ButtonShortCut", &E::ButtonShortCut, &E::SetButtonShortCut)
                                 .Int("AltBtnShortCut", &E::AltBtnShortCut, &E::SetAltBtnShortCut)
                                 .Bool("ButtonVisible", &E::ButtonVisible, &E::SetButtonVisible)
                                 .Bool("AltBtnVisible", &E::AltBtnVisible, &E::SetAltBtnVisible)
                                 .Int("ButtonWidth", &E::ButtonWidth, &E::SetButtonWidth)
                                 .Int("AltBtnWidth", &E::AltBtnWidth, &E::SetAltBtnWidth)
                                 .Bool("FlatButtons", &E::FlatButtons, &E::SetFlatButtons)
                                 .Color("FlatButtonColor", &E::FlatButtonColor, &E::SetFlatButtonColor)
                                 .Event("OnButtonClick", &E::OnButtonClick)
                                 .Event("OnAltBtnClick", &E::OnAltBtnClick)
                                 .Build();
    return *info;
}

const cl::TClassInfo& TMwButtonEdit::StaticClass() {
    static const auto info =
        cl::TClassBuilder<TMwButtonEdit>("TMwButtonEdit", TMwCustomButtonEdit::StaticClass()).Creatable().Build();
    return *info;
}

TMwCustomButtonEdit::TMwCustomButtonEdit(cl::TComponent* owner) : TMwEdit(owner), pair_(new TMwButtonPair(this)) {
    buttons_[kMain].shortCut = kF4;
    SetWidth(121);
    pair_->SetBounds(0, 0, 17, 10);
    pair_->SetParent(this);
    pair_->SetFocusControl(this);
    pair_->OnButtonClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { OnButtonClick(this); });
    pair_->OnAltBtnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { OnAltBtnClick(this); });
    TakeKindGlyph(kMain);
    TakeKindGlyph(kAlt);
}

// ---- buttons ----

void TMwCustomButtonEdit::TakeKindGlyph(TButtonIndex index) {
    TMwControlButton* button = Button(index);
    button->SetGlyph(ButtonKindGlyph(buttons_[index].kind));
    button->SetNumGlyphs(2);
}

void TMwCustomButtonEdit::SetKind(TButtonIndex index, TButtonKind kind) {
    if (kind == buttons_[index].kind) return;
    buttons_[index].kind = kind;
    TMwControlButton* button = Button(index);
    button->SetStyle(kind == TButtonKind::DropDown ? TMwControlButtonStyle::DropDown : TMwControlButtonStyle::None);
    if (kind == TButtonKind::DropDown) button->SetGlyph(nullptr);
    else if (kind != TButtonKind::Custom && !IsLoading()) TakeKindGlyph(index);
}

void TMwCustomButtonEdit::SetGlyph(TButtonIndex index, const std::vector<uint8_t>& file) {
    TMwControlButton* button = Button(index);
    button->SetGlyphData(file);
    SetKind(index, TButtonKind::Custom);
}

void TMwCustomButtonEdit::SetVisibleButton(TButtonIndex index, bool visible) {
    Button(index)->SetVisible(visible);
    PositionButtonPair();
}

void TMwCustomButtonEdit::SetButtonWidthOf(TButtonIndex index, int width) {
    Button(index)->SetWidth(width);
    PositionButtonPair();
}

int TMwCustomButtonEdit::PairWidth() const {
    int width = 0;
    for (TButtonIndex index : {kMain, kAlt})
        if (Button(index)->Visible()) width += Button(index)->Width();
    return width;
}

void TMwCustomButtonEdit::Loaded() {
    TMwEdit::Loaded();
    for (TButtonIndex index : {kMain, kAlt})
        if (buttons_[index].kind != TButtonKind::Custom && buttons_[index].kind != TButtonKind::DropDown) TakeKindGlyph(index);
    PositionButtonPair();
}

bool TMwCustomButtonEdit::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    const bool main = cl::SameText(name, "ButtonShortCutText");
    if (main || cl::SameText(name, "AltBtnShortCutText")) {
        if (value.kind != cl::TValue::Kind::String) throw cl::EConvertError(name + " expects a text");
        buttons_[main ? kMain : kAlt].shortCut = TextToShortCut(value.text);
        return true;
    }
    return cl::SameText(name, "FlatButtonParentColor") || TMwEdit::ReadExtraProperty(name, value);
}

// ---- layout ----

void TMwCustomButtonEdit::PositionButtonPair() {
    if (IsLoading()) return;
    const int minHeight = GetMinFontHeight(*Font());
    if (Height() < minHeight) {
        SetHeight(minHeight);  // the resize comes back here
        return;
    }
    const int pairWidth = PairWidth();
    // The edit always has a 3-D border, whose two pixels the client area leaves out.
    const int left = UseRightToLeftReading() ? 0 : Width() - pairWidth - 4;
    pair_->SetBounds(left, 0, pairWidth, Height() - 3);
    pair_->PositionButtons();
    SetEditMargins();
    Invalidate();
}

void TMwCustomButtonEdit::BiDiModeChanged() {
    TMwEdit::BiDiModeChanged();
    PositionButtonPair();
}

void TMwCustomButtonEdit::SetEditMargins() {
    if (!HandleAllocated()) return;
    const int room = PairWidth() + 2;
    const bool rightToLeft = UseRightToLeftReading();
    SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(rightToLeft ? room : 0, 0));
    SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, rightToLeft ? 0 : room));
}

void TMwCustomButtonEdit::InitializeWnd() {
    TMwEdit::InitializeWnd();
    SetEditMargins();
}

void TMwCustomButtonEdit::Resize() {
    TMwEdit::Resize();
    PositionButtonPair();
}

void TMwCustomButtonEdit::FontChanged() {
    TMwEdit::FontChanged();
    pair_->SetEnabled(Enabled());
    SetEditMargins();
    PositionButtonPair();
}

void TMwCustomButtonEdit::SetAlignment(TEditAlignment v) {
    TMwEdit::SetAlignment(v);
    SetEditMargins();
}

void TMwCustomButtonEdit::SetEnabled(bool enabled) {
    TMwEdit::SetEnabled(enabled);
    pair_->SetEnabled(enabled);
    if (FlatButtons()) pair_->SetColor(Color());
    SetEditMargins();
}

void TMwCustomButtonEdit::SetFlatButtons(bool v) {
    TMwEdit::SetFlatButtons(v);
    pair_->SetFlat(v);
    UpdateFrame(false, Focused());
    PositionButtonPair();
}

// Flat buttons rise (themed) or take the flat-button colour (classic) while the edit is hot or
// focused, and blend into the edit otherwise.
void TMwCustomButtonEdit::UpdateFrame(bool viaMouse, bool inFocus) {
    TMwEdit::UpdateFrame(viaMouse, inFocus);
    if (!FlatButtons()) return;
    const bool hot = MouseOver() || (HandleAllocated() && Focused());
    if (ThemeServices().ThemesEnabled()) {
        pair_->SetFlat(!hot);
        pair_->SetColor(Color());
    } else {
        pair_->SetColor(hot ? FlatButtonColor() : Color());
    }
}

// ---- keyboard ----

bool TMwCustomButtonEdit::ClickByShortCut(unsigned shortCut) {
    for (TButtonIndex index : {kMain, kAlt}) {
        TMwControlButton* button = Button(index);
        if (button->Visible() && button->Enabled() && shortCut == buttons_[index].shortCut) {
            button->Click();
            return true;
        }
    }
    return false;
}

void TMwCustomButtonEdit::DoKeyDown(WORD& key, cl::TShiftState shift) {
    shortCutClicked_ = false;
    TMwEdit::DoKeyDown(key, shift);
    if (key == 0) return;
    if (!allowKeyEdit_ && key == VK_DELETE) {
        MessageBeep(0);
        key = 0;
        return;
    }
    if (ClickByShortCut(cl::ShortCutFromKey(key, shift))) {
        shortCutClicked_ = true;
        key = 0;
    }
}

void TMwCustomButtonEdit::DoKeyPress(char& key) {
    TMwEdit::DoKeyPress(key);
    if (key == 0) return;
    if (shortCutClicked_) {
        key = 0;
    } else if (!allowKeyEdit_ && (static_cast<unsigned char>(key) >= 32 || key == VK_BACK)) {
        MessageBeep(0);
        key = 0;
    }
}

cl::TRect TMwCustomButtonEdit::FrameRect() {
    cl::TRect r = TMwEdit::FrameRect();
    if (const int pairWidth = PairWidth(); pairWidth > 0) {
        if (UseRightToLeftReading()) r.left += pairWidth + 2;
        else r.right -= pairWidth + 2;
    }
    return r;
}

void TMwCustomButtonEdit::PaintBesideFrame() {
    const cl::TRect frame = FrameRect();
    const cl::TRect beside = frame.left > 0 ? cl::TRect{0, 0, frame.left, Height()} : cl::TRect{frame.right, 0, Width(), Height()};
    if (beside.Width() <= 0) return;
    RECT client;
    GetClientRect(Handle(), &client);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT window;
    GetWindowRect(Handle(), &window);
    OffsetRect(&client, -window.left, -window.top);
    const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Whole);
    ExcludeClipRect(dc.Handle(), client.left, client.top, client.right, client.bottom);
    mw::FillSolid(dc.Handle(), beside, Parent() ? Parent()->Color() : cl::clBtnFace);
}

void TMwCustomButtonEdit::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_SYSCHAR:
            if (shortCutClicked_) return;
            break;
        case WM_PASTE:
        case WM_CUT:
            if (!allowKeyEdit_ || ReadOnly()) return;
            break;
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
            if (!allowKeyEdit_) return;
            break;
        case WM_NCPAINT:
            TMwEdit::WndProc(m);
            if (FrameVisible() && !UseThemes()) PaintBesideFrame();
            return;
        case WM_PAINT:
            // The frame's inner side runs through the text's margin, which the edit paints over.
            TMwEdit::WndProc(m);
            if (FrameVisible() && !UseThemes() && PairWidth() > 0) PaintFrame();
            return;
        case WM_SETFOCUS:
            SetEditMargins();
            if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SendMessageA(Handle(), EM_SETSEL, 0, -1);
            break;
        case WM_KILLFOCUS:
            TMwEdit::WndProc(m);
            SetEditMargins();
            return;
        default: break;
    }
    TMwEdit::WndProc(m);
}
