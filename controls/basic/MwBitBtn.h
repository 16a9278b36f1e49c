#pragma once
// A push button with a glyph beside its caption: a bitmap of up to four images side by side
// (up, disabled, and two unused here) or an image-list entry, and predefined kinds (OK,
// Cancel...) that bring their glyph, caption, modal result and default or cancel role.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/win/ImageList.h"
#include "controls/basic/BitBtnKind.h"
#include "controls/basic/BitBtnLayout.h"
#include "controls/basic/ButtonLayout.h"
#include "controls/basic/MwButton.h"
#include "controls/basic/MwGlyph.h"

class TMwBitBtn : public TMwButton {
    CL_CLASS_INFO()
public:
    explicit TMwBitBtn(cl::TComponent* owner);

    const TMwGlyph& Glyph() const { return glyph_; }
    // Takes a copy of the bitmap; the button is no predefined kind any more.
    void SetGlyph(HBITMAP bitmap);
    // The glyph as a bitmap file, as form resources hold it.
    const std::vector<uint8_t>& GlyphData() const { return glyph_.BitmapFile(); }
    void SetGlyphData(const std::vector<uint8_t>& file);
    // The predefined kind while the button still has its Default, Cancel, ModalResult and
    // glyph; bkCustom from the first change of any of them on.
    TBitBtnKind Kind() const;
    void SetKind(TBitBtnKind kind);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { StoreAndInvalidate(layout_, v); }
    // -1 centres glyph and caption together; lower values are ignored.
    int Margin() const { return margin_; }
    void SetMargin(int v);
    // 1 to 4 images in the glyph; the second one is drawn while the button is disabled.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { StoreAndInvalidate(spacing_, v); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { StoreAndInvalidate(imageIndex_, v); }
    // Drawn while disabled instead of ImageIndex; -1: the list's own disabled rendering.
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int v) { StoreAndInvalidate(disabledIndex_, v); }
    cl::TCustomImageList* Images() const { return images_; }
    void SetImages(cl::TCustomImageList* images);

protected:
    void Notification(cl::TComponent* component, cl::TOperation operation) override;
    cl::TRect GetCaptionRect() override;
    void DrawCaptionText(cl::TCanvas& canvas) override;
    void ActionChange(const cl::TAction& action, bool checkDefaults) override;
    // Margin and Spacing scale with the form.
    void ChangeScale(int m, int d) override;

    // The size of one image: the image list's with an image index, else the glyph's.
    void GetGlyphSize(int& width, int& height) const;
    cl::TRect GetGlyphRect();
    void DrawImage(cl::TCanvas& canvas, const cl::TRect& r);
    void DrawGlyph(cl::TCanvas& canvas, const cl::TRect& r);

private:
    void GlyphChanged();
    bool HasListImage() const { return images_ && imageIndex_ != -1; }
    mw::TBitBtnGeometry Geometry(const cl::TRect& captionRect);

    TMwGlyph glyph_;
    mutable TBitBtnKind kind_ = TBitBtnKind::Custom;
    TButtonLayout layout_ = TButtonLayout::GlyphLeft;
    int margin_ = 2;
    int numGlyphs_ = 1;
    int spacing_ = 4;
    bool userGlyph_ = false;  // Glyph was given, not taken from the kind
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    cl::TCustomImageList* images_ = nullptr;
    cl::TChangeLink imagesLink_;  // a change of the list repaints at once
};
