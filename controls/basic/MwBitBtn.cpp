#include "controls/basic/MwBitBtn.h"

#include <algorithm>
#include <array>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Handles.h"

using namespace mw;
using cl::TRect;

namespace {

// The kinds' glyphs, each loaded from the program's bitmap resources at its first use and
// kept until the program ends.
HBITMAP KindGlyph(TBitBtnKind kind) {
    static std::array<cl::TBitmapHandle, kBitBtnKindCount> glyphs;
    static std::array<bool, kBitBtnKindCount> loaded{};
    const auto index = static_cast<size_t>(kind);
    const char* resource = BitBtnKindInfo(kind).glyphResource;
    if (!loaded[index] && resource) {
        glyphs[index].Reset(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, 0)));
        loaded[index] = true;
    }
    return glyphs[index].Get();
}

}  // namespace

const cl::TClassInfo& TMwBitBtn::StaticClass() {
    using B = TMwBitBtn;
    static const auto info = cl::TClassBuilder<B>("TMwBitBtn", TMwButton::StaticClass())
                                 .Creatable()
                                 .Int("DisabledIndex", &B::DisabledIndex, &B::SetDisabledIndex)
                                 .Binary("Glyph", &B::GlyphData, &B::SetGlyphData)
                                 .Int("ImageIndex", &B::ImageIndex, &B::SetImageIndex)
                                 .Ref<cl::TCustomImageList>("Images", &B::Images, &B::SetImages)
                                 .Enum<TBitBtnKind>("Kind", &B::Kind, &B::SetKind, kBitBtnKindNames)
                                 .Enum<TButtonLayout>("Layout", &B::Layout, &B::SetLayout, kButtonLayoutNames)
                                 .Int("Margin", &B::Margin, &B::SetMargin)
                                 .Int("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs)
                                 .Int("Spacing", &B::Spacing, &B::SetSpacing)
                                 .Build();
    return *info;
}

TMwBitBtn::TMwBitBtn(cl::TComponent* owner) : TMwButton(owner) {
    glyph_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { GlyphChanged(); });
    imagesLink_.OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { Repaint(); });
}

// ---- glyph and kind ----

void TMwBitBtn::GlyphChanged() {
    numGlyphs_ = NumGlyphsForGlyph(glyph_.Width(), glyph_.Height(), numGlyphs_);
    Invalidate();
}

void TMwBitBtn::SetGlyph(HBITMAP bitmap) {
    glyph_.Assign(bitmap);
    userGlyph_ = true;
}

void TMwBitBtn::SetGlyphData(const std::vector<uint8_t>& file) {
    glyph_.SetBitmapFile(file);
    userGlyph_ = true;
}

TBitBtnKind TMwBitBtn::Kind() const {
    // Once the button was changed away from its kind it stays a custom one.
    kind_ = EffectiveBitBtnKind(kind_, Default(), Cancel(), ModalResult(), userGlyph_);
    return kind_;
}

void TMwBitBtn::SetKind(TBitBtnKind kind) {
    if (kind == Kind()) return;
    if (kind != TBitBtnKind::Custom) {
        const TBitBtnKindInfo& info = BitBtnKindInfo(kind);
        SetDefault(info.isDefault);
        SetCancel(info.isCancel);
        if (!(IsLoading() && !Caption().empty())) SetCaption(info.caption);
        SetModalResult(info.modalResult);
        glyph_.Assign(KindGlyph(kind));
        numGlyphs_ = 2;
        userGlyph_ = false;
    }
    kind_ = kind;
    Invalidate();
}

void TMwBitBtn::ChangeScale(int m, int d) {
    TMwButton::ChangeScale(m, d);
    SetMargin(MulDiv(margin_, m, d));  // a centring -1 stays -1: the writer refuses anything below
    SetSpacing(MulDiv(spacing_, m, d));
}

void TMwBitBtn::SetMargin(int v) {
    if (v < -1) return;
    StoreAndInvalidate(margin_, v);
}

void TMwBitBtn::SetNumGlyphs(int v) { StoreAndInvalidate(numGlyphs_, std::clamp(v, 1, 4)); }

// ---- image list ----

void TMwBitBtn::SetImages(cl::TCustomImageList* images) {
    if (images == images_) return;
    cl::ReplaceImageList(*this, images_, images, imagesLink_);
    Invalidate();
}

void TMwBitBtn::Notification(cl::TComponent* component, cl::TOperation operation) {
    TMwButton::Notification(component, operation);
    if (operation == cl::TOperation::Remove && component == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

void TMwBitBtn::ActionChange(const cl::TAction& action, bool checkDefaults) {
    TMwButton::ActionChange(action, checkDefaults);
    if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action.ImageIndex());
}

// ---- layout and painting ----

void TMwBitBtn::GetGlyphSize(int& width, int& height) const {
    if (HasListImage()) {
        width = images_->Width();
        height = images_->Height();
    } else {
        width = glyph_.Width() / numGlyphs_;
        height = glyph_.Height();
    }
}

TBitBtnGeometry TMwBitBtn::Geometry(const TRect& captionRect) {
    TBitBtnGeometry g;
    g.layout = layout_;
    g.margin = margin_;
    g.spacing = spacing_;
    GetGlyphSize(g.glyphWidth, g.glyphHeight);
    g.controlHeight = Height();
    if (margin_ < 0) {
        HDC dc = CreateCompatibleDC(nullptr);
        g.textHeight = CaptionHeight(dc, captionRect);
        DeleteDC(dc);
    }
    return g;
}

TRect TMwBitBtn::GetCaptionRect() {
    const TRect r = TMwButton::GetCaptionRect();
    if (!HasListImage() && glyph_.Empty()) return r;
    return BitBtnCaptionRect(r, Geometry(r));
}

TRect TMwBitBtn::GetGlyphRect() {
    const TRect r = TMwButton::GetCaptionRect();
    return BitBtnGlyphRect(r, Geometry(r), PressedLook(), ThemesEnabled());
}

void TMwBitBtn::DrawCaptionText(cl::TCanvas& canvas) {
    TMwButton::DrawCaptionText(canvas);
    if (Kind() != TBitBtnKind::Custom || !HasListImage()) {
        if (!glyph_.Empty()) DrawGlyph(canvas, GetGlyphRect());
    } else {
        DrawImage(canvas, GetGlyphRect());
    }
}

void TMwBitBtn::DrawGlyph(cl::TCanvas& canvas, const TRect& r) {
    const int width = r.Width();
    const int left = numGlyphs_ < 2 || Enabled() ? 0 : width;
    glyph_.Draw(canvas, r, {left, 0, left + width, r.Height()});
}

void TMwBitBtn::DrawImage(cl::TCanvas& canvas, const TRect& r) {
    if (!images_) return;
    if (disabledIndex_ == -1) {
        if (imageIndex_ != -1) images_->Draw(canvas, r.left, r.top, imageIndex_, Enabled());
        return;
    }
    const int index = Enabled() ? imageIndex_ : disabledIndex_;
    if (index != -1) images_->Draw(canvas, r.left, r.top, index, true);
}
