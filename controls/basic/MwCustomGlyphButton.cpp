#include "controls/basic/MwCustomGlyphButton.h"

#include <map>
#include <string>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "controls/basic/MwFrameController.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

using namespace mw;
using cl::TColor;
using cl::TRect;

namespace {

// Every pixel of one colour in the bitmap becomes another.
void ReplaceColor(TMemoryBitmap& bitmap, COLORREF from, COLORREF to) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (GetPixel(bitmap.DC(), x, y) == from) SetPixel(bitmap.DC(), x, y, to);
}

void SwapColors(TMemoryBitmap& bitmap, const std::vector<TColorSwap>& swaps) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const COLORREF c = GetPixel(bitmap.DC(), x, y);
            const COLORREF to = SwapColor(swaps, static_cast<TColor>(c));
            if (to != c) SetPixel(bitmap.DC(), x, y, to);
        }
}

void Copy(HDC to, int x, int y, int width, int height, HDC from, int fromX, int fromY) {
    BitBlt(to, x, y, width, height, from, fromX, fromY, SRCCOPY);
}

// The glyph bitmaps of the program's resources, loaded once and kept until the program ends.
HBITMAP ResourceBitmap(const char* name) {
    static std::map<std::string, cl::TBitmapHandle> bitmaps;
    auto it = bitmaps.find(name);
    if (it == bitmaps.end())
        it = bitmaps.emplace(name, cl::TBitmapHandle(static_cast<HBITMAP>(
                                       LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, 0))))
                 .first;
    return it->second.Get();
}

}  // namespace

const cl::TClassInfo& TMwCustomGlyphButton::StaticClass() {
    using B = TMwCustomGlyphButton;
    static const auto info =
        cl::TClassBuilder<B>("TMwCustomGlyphButton", TMwCustomButton::StaticClass())
            .Ref<cl::TAction>("Action", &B::Action, &B::SetAction)
            .Enum<cl::TAlignment>("Alignment", &B::Alignment, &B::SetAlignment, kLeftRightNames)
            .Binary("CustomGlyphs", &B::CustomGlyphsData, &B::SetCustomGlyphsData)
            .Color("DisabledColor", &B::DisabledColor, &B::SetDisabledColor)
            .Color("FrameColor", &B::FrameColor, &B::SetFrameColor)
            .Ref<TMwFrameController>("FrameController", &B::FrameController, &B::SetFrameController)
            .Bool("TabOnEnter", &B::TabOnEnter, &B::SetTabOnEnter)
            .Bool("Transparent", &B::Transparent, &B::SetTransparent)
            .Color("TransparentColor", &B::TransparentColor, &B::SetTransparentColor)
            .Bool("UseCustomGlyphs", &B::UseCustomGlyphs, &B::SetUseCustomGlyphs)
            .Color("WinMaskColor", &B::WinMaskColor, &B::SetWinMaskColor)
            .Build();
    return *info;
}

TMwCustomGlyphButton::TMwCustomGlyphButton(cl::TComponent* owner) : TMwCustomButton(owner), actionLink_(*this) {
    SetParentColor(true);
    customGlyphs_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { CustomGlyphsChanged(); });
}

TMwCustomGlyphButton::~TMwCustomGlyphButton() {
    if (frameController_) frameController_->UnregisterControl(this);
}

// ---- action ----

void TMwCustomGlyphButton::SetAction(cl::TAction* action) { actionLink_.SetAction(action, IsLoading()); }

void TMwCustomGlyphButton::Click() {
    if (applyingAction_) return;  // the action set the state: it runs no click
    cl::TAction* action = actionLink_.Action();
    if (action && !(OnClick && OnClick != action->OnExecute)) action->Execute();
    else TMwCustomButton::Click();
}

// ---- properties ----

void TMwCustomGlyphButton::SetAlignment(cl::TAlignment v) {
    if (v == cl::TAlignment::Center) v = cl::TAlignment::RightJustify;
    StoreAndInvalidate(alignment_, v);
}

void TMwCustomGlyphButton::CustomGlyphsChanged() {
    MarkBackgroundStale();
    useCustomGlyphs_ = !customGlyphs_.Empty();
    glyphSize_ = GlyphSizeOf(useCustomGlyphs_, customGlyphs_.Width(), customGlyphs_.Height(), StateCount());
    Invalidate();
}

void TMwCustomGlyphButton::SetUseCustomGlyphs(bool v) {
    if (v == useCustomGlyphs_) return;
    useCustomGlyphs_ = v;
    glyphSize_ = GlyphSizeOf(v, customGlyphs_.Width(), customGlyphs_.Height(), StateCount());
    Invalidate();
}

void TMwCustomGlyphButton::SetFrameController(TMwFrameController* controller) {
    if (controller == frameController_) return;
    if (frameController_) frameController_->UnregisterControl(this);
    frameController_ = controller;
    if (!controller) return;
    FreeNotification(controller);
    controller->RegisterControl(this);
}

void TMwCustomGlyphButton::UpdateFrameFromController() {
    if (!frameController_ || !frameController_->FrameVisible()) return;
    SetFrameColor(frameController_->FrameColor());
    SetDisabledColor(frameController_->DisabledColor());
}

void TMwCustomGlyphButton::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwCustomButton::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == frameController_) frameController_ = nullptr;
}

bool TMwCustomGlyphButton::ReadExtraProperty(const std::string& name, const cl::TValue& value) {
    if (!cl::SameText(name, "Flat") || value.kind != cl::TValue::Kind::Boolean)
        return TMwCustomButton::ReadExtraProperty(name, value);
    SetHotTrack(value.boolean);
    return true;
}

void TMwCustomGlyphButton::ColorChanged() {
    MarkBackgroundStale();
    TMwCustomButton::ColorChanged();
}

bool TMwCustomGlyphButton::CanFocus() const {
    for (const cl::TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

// ---- glyphs ----

cl::TRect TMwCustomGlyphButton::GlyphRect() {
    const cl::TPoint at = GlyphPosition(alignment_ == cl::TAlignment::RightJustify, AlignmentVertical(), Width(),
                                        Height(), glyphSize_);
    return TRect::FromBounds(at.x, at.y, glyphSize_.width, glyphSize_.height);
}

TColor TMwCustomGlyphButton::AvoidTransparentColor(TColor c) const {
    return AvoidKeyColor(cl::ColorToRGB(c), cl::ColorToRGB(transparentColor_), cl::ColorToRGB(winMaskColor_));
}

TGlyphPalette TMwCustomGlyphButton::Palette() const {
    TGlyphPalette p;
    p.frame = cl::ColorToRGB(frameColor_);
    p.highlight = cl::ColorToRGB(HighlightColor());
    p.hotTrack = cl::ColorToRGB(HotTrackColor());
    p.hotTrackType = HotTrackColorType();
    p.window = cl::ColorToRGB(cl::clWindow);
    p.disabled = cl::ColorToRGB(disabledColor_);
    p.buttonShadow = cl::ColorToRGB(cl::clBtnShadow);
    p.transparent = cl::ColorToRGB(transparentColor_);
    p.winMask = cl::ColorToRGB(winMaskColor_);
    p.fullColor = ScreenHasFullColor();
    return p;
}

TGlyphLook TMwCustomGlyphButton::Look() const {
    if (!Enabled()) return TGlyphLook::Disabled;
    if (PressedLook()) return TGlyphLook::Pressed;
    if (MouseOver()) return TGlyphLook::Hot;
    return TGlyphLook::Normal;
}

void TMwCustomGlyphButton::ExtractGlyph(TMemoryBitmap& glyph, int index) {
    HDC strip = CreateCompatibleDC(glyph.DC());
    const HGDIOBJ old = SelectObject(strip, customGlyphs_.Handle());
    Copy(glyph.DC(), 0, 0, glyph.Width(), glyph.Height(), strip, glyph.Width() * index, 0);
    SelectObject(strip, old);
    DeleteDC(strip);
}

bool TMwCustomGlyphButton::LoadHotTrackGlyph(TMemoryBitmap& glyph, const char* resource,
                                             const std::vector<TColorSwap>& swaps) {
    HBITMAP bitmap = ResourceBitmap(resource);
    if (!bitmap) return false;
    HDC source = CreateCompatibleDC(glyph.DC());
    const HGDIOBJ old = SelectObject(source, bitmap);
    StretchBlt(glyph.DC(), 0, 0, glyph.Width(), glyph.Height(), source, 0, 0, kDefaultGlyphSize, kDefaultGlyphSize,
               SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    SwapColors(glyph, swaps);
    return true;
}

void TMwCustomGlyphButton::DrawGlyph(cl::TCanvas& canvas) {
    const TRect at = GlyphRect();
    const int w = glyphSize_.width, h = glyphSize_.height;
    TMemoryBitmap glyph(canvas.Handle(), w, h);
    BuildGlyphs(glyph);

    TMemoryBitmap layer(canvas.Handle(), w, h);
    if (Transparent()) {
        Copy(layer.DC(), 0, 0, w, h, canvas.Handle(), at.left, at.top);
        cl::TCanvas layerCanvas(layer.DC());
        const TColor key = ThemesEnabled() ? cl::clBtnFace : transparentColor_;
        BlitTransparentBitmap(layerCanvas, glyph.DC(), {0, 0, w, h}, key, {0, 0, w, h});
    } else {
        Copy(layer.DC(), 0, 0, w, h, glyph.DC(), 0, 0);
        ReplaceColor(layer, cl::ColorToRGB(transparentColor_), cl::ColorToRGB(Color()));
    }
    ReplaceColor(layer, cl::ColorToRGB(winMaskColor_), cl::ColorToRGB(cl::clWindow));
    const COLORREF corner = GetPixel(canvas.Handle(), 0, 0);
    ReplaceColor(layer, cl::clGreen, cl::ColorToRGB(MixColors(frameColor_, static_cast<TColor>(corner), 128)));
    Copy(canvas.Handle(), at.left, at.top, w, h, layer.DC(), 0, 0);
}

// ---- painting ----

void TMwCustomGlyphButton::Paint(cl::TCanvas& canvas) {
    const int width = std::max(1, Width()), height = std::max(1, Height());
    if (!background_ || background_->Width() != width || background_->Height() != height ||
        backgroundTransparent_ != Transparent())
        backgroundStale_ = true;
    if (backgroundStale_) {
        background_.reset();
        background_.emplace(canvas.Handle(), width, height);
        // See-through: the erase has just painted the parent's image on the control.
        if (Transparent()) Copy(background_->DC(), 0, 0, width, height, canvas.Handle(), 0, 0);
        else FillSolid(background_->DC(), {0, 0, width, height}, Color());
        backgroundTransparent_ = Transparent();
        backgroundStale_ = false;
    }

    TMemoryBitmap off(canvas.Handle(), width, height);
    cl::TCanvas offCanvas(off.DC());
    offCanvas.Font().Assign(*Font());
    offCanvas.SetBrushColor(Color());
    Copy(off.DC(), 0, 0, width, height, background_->DC(), 0, 0);
    DrawGlyph(offCanvas);

    const bool captionRight = alignment_ == cl::TAlignment::RightJustify;
    const TRect captionRect = GlyphCaptionRect(ClientRect(), captionRight, glyphSize_.width);
    DrawCaption(offCanvas, captionRect, DT_WORDBREAK | DT_EXPANDTABS | DT_LEFT);
    if (Focused() && !Caption().empty()) {
        offCanvas.Font().Assign(*Font());
        const int textWidth = offCanvas.TextWidth(cl::Trim(Caption()));
        DrawDottedFocusBorder(offCanvas, GlyphFocusRect(captionRect, textWidth, UseRightToLeftAlignment()));
    }
    Copy(canvas.Handle(), 0, 0, width, height, off.DC(), 0, 0);
}

// ---- messages ----

void TMwCustomGlyphButton::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_GETDLGCODE:
            // The dialog manager clicks (BM_CLICK) a button whose accelerator was typed.
            m.result = DLGC_BUTTON;
            return;
        case cl::CM_DIALOGKEY:
            // Enter, before it reaches the form's default button.
            if (tabOnEnter_ && m.wParam == VK_RETURN) {
                PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
                m.result = 1;
                return;
            }
            break;
        case WM_CHAR:
            if (tabOnEnter_ && m.wParam == VK_RETURN) {
                PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
                return;
            }
            break;
        case WM_ERASEBKGND:
            // Only a see-through control needs the parent's image painted first; the paint
            // covers everything else.
            if (Transparent()) TMwCustomButton::WndProc(m);
            m.result = 1;
            MarkBackgroundStale();
            return;
        case WM_SIZE:
            MarkBackgroundStale();
            break;
        case WM_ENABLE:
            MarkBackgroundStale();
            Invalidate();
            break;
        default:
            break;
    }
    TMwCustomButton::WndProc(m);
}
