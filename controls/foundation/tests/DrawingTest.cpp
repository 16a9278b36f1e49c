// Borders, frames, gradients, bitmaps, the parent's image and the percentage bar, drawn into
// memory bitmaps and read back pixel by pixel.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Form.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwCommon.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/ParentBackground.h"
#include "controls/foundation/PercentBar.h"

namespace {

using namespace mw;
using cl::TColor;
using cl::TRect;

constexpr COLORREF kBackground = RGB(0x12, 0x34, 0x56);

COLORREF Sys(TColor color) { return cl::ColorToRGB(color); }

// A bitmap filled with kBackground and a canvas on it.
class TSurface {
public:
    TSurface(int width, int height) : bitmap(nullptr, width, height), canvas(bitmap.DC()) {
        FillSolid(bitmap.DC(), {0, 0, width, height}, static_cast<TColor>(kBackground));
    }
    COLORREF At(int x, int y) const { return GetPixel(bitmap.DC(), x, y); }

    TMemoryBitmap bitmap;
    cl::TCanvas canvas;
};

TEST(BorderDrawingTest, EachStyleDrawsItsRingsAndReturnsWhatIsInside) {
    struct Case {
        TFrameStyle style;
        int inset;
        TColor outerLeft, innerLeft, outerRight, innerRight;  // clNone: the background stays
    };
    using namespace cl;
    const Case cases[] = {
        {TFrameStyle::None, 0, clNone, clNone, clNone, clNone},
        {TFrameStyle::Flat, 1, cl3DDkShadow, clNone, cl3DDkShadow, clNone},
        {TFrameStyle::Lowered, 2, clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight},
        {TFrameStyle::Raised, 2, cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow},
        {TFrameStyle::ButtonUp, 2, clBtnHighlight, cl3DLight, cl3DDkShadow, clBtnShadow},
        {TFrameStyle::ButtonDown, 2, clBtnText, clBtnShadow, clBtnText, clBtnShadow},
        {TFrameStyle::Groove, 2, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow},
        {TFrameStyle::Bump, 2, clBtnHighlight, clBtnShadow, clBtnShadow, clBtnHighlight},
        {TFrameStyle::Status, 1, clBtnShadow, clNone, clBtnHighlight, clNone},
        {TFrameStyle::Popup, 1, clBtnHighlight, clNone, clBtnShadow, clNone},
        {TFrameStyle::FlatBold, 2, clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow},
    };
    const auto expected = [](TColor color) { return color == cl::clNone ? kBackground : Sys(color); };
    for (const Case& c : cases) {
        SCOPED_TRACE(kFrameStyleNames.NameOf(static_cast<int>(c.style)));
        TSurface s(10, 10);
        EXPECT_EQ(PaintBorderSides(s.canvas, {0, 0, 10, 10}, c.style, sdAll), Inset({0, 0, 10, 10}, c.inset, c.inset));
        EXPECT_EQ(s.At(0, 5), expected(c.outerLeft));
        EXPECT_EQ(s.At(1, 5), expected(c.innerLeft));
        EXPECT_EQ(s.At(9, 5), expected(c.outerRight));
        EXPECT_EQ(s.At(8, 5), expected(c.innerRight));
        EXPECT_EQ(s.At(5, 0), expected(c.outerLeft)) << "the top is drawn like the left";
        EXPECT_EQ(s.At(9, 0), expected(c.outerRight)) << "the lower-right colour takes the corner";
        EXPECT_EQ(s.At(5, 5), kBackground);
    }
}

TEST(BorderDrawingTest, OnlyTheChosenSidesAreDrawnAndMovedIn) {
    TSurface lowered(10, 10);
    EXPECT_EQ(PaintBorderSides(lowered.canvas, {0, 0, 10, 10}, TFrameStyle::Lowered, sdTop), (TRect{0, 2, 10, 10}));
    EXPECT_EQ(lowered.At(5, 0), Sys(cl::clBtnShadow));
    EXPECT_EQ(lowered.At(0, 5), kBackground);
    EXPECT_EQ(PaintBorderSides(lowered.canvas, {0, 0, 10, 10}, TFrameStyle::Raised, 0), (TRect{0, 0, 10, 10}));

    // An etched left side ends cleanly where the top and the bottom are open.
    TSurface groove(10, 10);
    EXPECT_EQ(PaintBorderSides(groove.canvas, {0, 0, 10, 10}, TFrameStyle::Groove, sdLeft), (TRect{2, 0, 10, 10}));
    EXPECT_EQ(groove.At(0, 9), Sys(cl::clBtnShadow));
    EXPECT_EQ(groove.At(1, 0), Sys(cl::clBtnHighlight));
    EXPECT_EQ(groove.At(1, 5), Sys(cl::clBtnHighlight));
    EXPECT_EQ(groove.At(5, 0), kBackground);

    // A control's own colours: fsStatus as bevelWidth rings.
    TSurface status(12, 12);
    const TFrameColors colors{cl::clRed, cl::clYellow, cl::clBlue, 3};
    EXPECT_EQ(PaintFrame(status.canvas, {0, 0, 12, 12}, TFrameStyle::Status, sdAll, colors), (TRect{3, 3, 9, 9}));
    EXPECT_EQ(status.At(2, 5), Sys(cl::clBlue));
    EXPECT_EQ(status.At(9, 5), Sys(cl::clYellow));
    EXPECT_EQ(status.At(3, 5), kBackground);
    EXPECT_EQ(PaintFrame(status.canvas, {0, 0, 12, 12}, TFrameStyle::FlatBold, sdLeft, colors), (TRect{2, 0, 12, 12}));
    EXPECT_EQ(status.At(1, 5), Sys(cl::clRed));

    // Nothing is drawn outside an empty rectangle.
    TSurface empty(10, 10);
    EXPECT_EQ(DrawSides(empty.canvas, {5, 5, 5, 9}, cl::clRed, cl::clRed, sdAll), (TRect{6, 6, 4, 8}));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(empty.At(x, y), kBackground) << x << "," << y;
}

TEST(BorderDrawingTest, ColourBordersUseShadesOfTheColour) {
    const TColor color = 0x00407080;
    TSurface s(10, 10);
    EXPECT_EQ(PaintColorBorderSides(s.canvas, {0, 0, 10, 10}, color, sdAll, TFrameStyle::Lowered), (TRect{2, 2, 8, 8}));
    EXPECT_EQ(s.At(0, 5), static_cast<COLORREF>(DarkenColor(color, 50)));
    EXPECT_EQ(s.At(1, 5), static_cast<COLORREF>(DarkenColor(color, 100)));
    EXPECT_EQ(s.At(9, 5), static_cast<COLORREF>(LightenColor(color, 100)));
    EXPECT_EQ(s.At(8, 5), static_cast<COLORREF>(LightenColor(color, 50)));

    TSurface button(10, 10);
    DrawColorButtonFrame(button.canvas, {0, 0, 10, 10}, color, false);
    EXPECT_EQ(button.At(0, 5), static_cast<COLORREF>(LightenColor(color, 100)));
    EXPECT_EQ(button.At(1, 5), static_cast<COLORREF>(LightenColor(color, 40)));
    EXPECT_EQ(button.At(8, 5), static_cast<COLORREF>(DarkenColor(color, 50)));
}

TEST(BorderDrawingTest, ControlFrameClearsTheOuterRingsUnlessTheBackgroundIsKept) {
    TSurface s(12, 12);
    DrawControlFrame(s.canvas, 12, 12, false, sdTop, cl::clBlue, cl::clRed, TFrameStyle::Flat);
    EXPECT_EQ(s.At(5, 0), Sys(cl::clBlue));  // the frame on the chosen side
    EXPECT_EQ(s.At(0, 5), Sys(cl::clRed));   // two rings cleared on every side
    EXPECT_EQ(s.At(1, 5), Sys(cl::clRed));
    EXPECT_EQ(s.At(2, 5), kBackground);

    TSurface kept(12, 12);
    DrawControlFrame(kept.canvas, 12, 12, true, sdAll, cl::clBlue, cl::clRed, TFrameStyle::Lowered);
    EXPECT_EQ(kept.At(0, 5), static_cast<COLORREF>(DarkenColor(cl::clRed, 50)));  // shades of a colour that is not clWindow

    TSurface system(12, 12);
    DrawControlFrame(system.canvas, 12, 12, true, sdAll, cl::clBlue, cl::clWindow, TFrameStyle::Lowered);
    EXPECT_EQ(system.At(0, 5), Sys(cl::clBtnShadow));
}

TEST(BorderDrawingTest, DottedFocusBorderSetsEverySecondPixel) {
    TSurface s(7, 7);
    EXPECT_EQ(DrawDottedFocusBorder(s.canvas, {0, 0, 7, 7}), (TRect{1, 1, 6, 6}));
    EXPECT_EQ(s.At(0, 1), 0u);
    EXPECT_EQ(s.At(0, 2), kBackground);
    EXPECT_EQ(s.At(0, 3), 0u);
    EXPECT_EQ(s.At(6, 5), 0u);
    EXPECT_EQ(s.At(3, 0), 0u);
    EXPECT_EQ(s.At(0, 0), kBackground);
}

TEST(ColorShadesTest, SystemColoursAreResolvedFirst) {
    const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(DarkenColor(cl::clBtnFace, 20), DarkenRgb(face, 20));
    EXPECT_EQ(LightenColor(cl::clBtnFace, 20), LightenRgb(face, 20));
    EXPECT_EQ(MixColors(cl::clBtnFace, cl::clBlack, 255), face);
    EXPECT_EQ(HueOfColor(cl::clRed), 0);
    EXPECT_EQ(ShadeColor(cl::clBtnFace, 0), cl::clBtnFace);
    EXPECT_EQ(ShadeColor(cl::clBtnFace, -20), DarkenRgb(face, 20));
}

// The pixels of a gradient painted at (2, 3) of a bitmap with a border of background round it.
class TGradient {
public:
    TGradient(int width, int height, int direction, TColor first, TColor second, uint8_t reduction = 0)
        : surface(width + 4, height + 6), width_(width), height_(height) {
        PaintGradient(surface.canvas, TRect::FromBounds(2, 3, width, height), direction, first, second, reduction);
    }
    COLORREF At(int x, int y) const { return surface.At(x + 2, y + 3); }
    bool Untouched() const {
        for (int x = 0; x < width_ + 4; ++x)
            if (surface.At(x, 0) != kBackground || surface.At(x, height_ + 5) != kBackground) return false;
        return surface.At(1, 3) == kBackground && surface.At(width_ + 2, 3) == kBackground;
    }
    bool RowsUniform() const {
        for (int y = 0; y < height_; ++y)
            for (int x = 1; x < width_; ++x)
                if (At(x, y) != At(0, y)) return false;
        return true;
    }
    bool ColumnsUniform() const {
        for (int x = 0; x < width_; ++x)
            for (int y = 1; y < height_; ++y)
                if (At(x, y) != At(x, 0)) return false;
        return true;
    }

    TSurface surface;

private:
    int width_, height_;
};

TEST(GradientTest, StraightGradientsReachTheirColoursAndFillTheWholeArea) {
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    {
        SCOPED_TRACE("vertical, 20 wide: the 8-pixel strip is copied to 16, then 4 more");
        TGradient g(20, 256, gdVertical, cl::clBlack, cl::clWhite);
        EXPECT_EQ(g.At(0, 0), black);
        EXPECT_EQ(g.At(19, 255), white);
        EXPECT_TRUE(g.RowsUniform());
        EXPECT_TRUE(g.Untouched());
    }
    {
        SCOPED_TRACE("vertical mirrored");
        TGradient g(10, 511, gdVerticalMirror, cl::clBlack, cl::clWhite);
        EXPECT_EQ(g.At(5, 0), black);
        EXPECT_EQ(g.At(5, 255), white);
        EXPECT_EQ(g.At(5, 510), black);
        EXPECT_TRUE(g.RowsUniform());
    }
    {
        SCOPED_TRACE("horizontal, 11 high");
        TGradient g(256, 11, gdHorizontal, cl::clBlack, cl::clWhite);
        EXPECT_EQ(g.At(0, 10), black);
        EXPECT_EQ(g.At(255, 0), white);
        EXPECT_TRUE(g.ColumnsUniform());
        EXPECT_TRUE(g.Untouched());
    }
    {
        SCOPED_TRACE("horizontal mirrored, lower than the strip");
        TGradient g(511, 5, gdHorizontalMirror, cl::clBlack, cl::clWhite);
        EXPECT_EQ(g.At(0, 2), black);
        EXPECT_EQ(g.At(255, 2), white);
        EXPECT_EQ(g.At(510, 2), black);
        EXPECT_TRUE(g.ColumnsUniform());
        EXPECT_TRUE(g.Untouched());
    }
}

TEST(GradientTest, BoxGradientsAreSymmetricWithTheSecondColourInTheMiddle) {
    for (int direction : {gdBoxWide, gdBoxTall, gdBox, gdBoxLarge}) {
        SCOPED_TRACE(direction);
        TGradient g(41, 31, direction, cl::clBlack, cl::clWhite);
        EXPECT_EQ(g.At(20, 15), RGB(255, 255, 255));
        EXPECT_LT(GetRValue(g.At(0, 0)), 40);
        EXPECT_LT(GetRValue(g.At(20, 0)), 40);
        EXPECT_LT(GetRValue(g.At(0, 15)), 40);
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 41; ++x) {
                ASSERT_EQ(g.At(x, y), g.At(40 - x, y)) << x << "," << y;
                ASSERT_EQ(g.At(x, y), g.At(x, 30 - y)) << x << "," << y;
            }
        EXPECT_TRUE(g.Untouched());
    }
}

TEST(GradientTest, DiagonalGradientsCoverEveryPixel) {
    // Red to blue is never black, the colour of a fresh bitmap.
    for (int direction : {gdDiagonal, gdDiagonalOther}) {
        SCOPED_TRACE(direction);
        TGradient g(40, 30, direction, cl::clRed, cl::clBlue);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_NE(g.At(x, y), RGB(0, 0, 0)) << x << "," << y;
        // The other diagonal starts with the second colour at the top right.
        const bool other = direction == gdDiagonalOther;
        EXPECT_EQ(g.At(other ? 39 : 0, 0), other ? RGB(0, 0, 255) : RGB(255, 0, 0));
        const COLORREF farCorner = g.At(other ? 0 : 39, 29);
        EXPECT_GT(other ? GetRValue(farCorner) : GetBValue(farCorner), 240);
        EXPECT_TRUE(g.Untouched());
    }
    TGradient plain(40, 30, gdDiagonal, cl::clTeal, cl::clTeal);
    EXPECT_EQ(plain.At(0, 0), Sys(cl::clTeal));
    EXPECT_EQ(plain.At(39, 29), Sys(cl::clTeal));
    EXPECT_TRUE(plain.RowsUniform());
    EXPECT_TRUE(plain.ColumnsUniform());

    TSurface untouched(5, 5);
    PaintGradient(untouched.canvas, {2, 2, 2, 4}, gdBox, cl::clRed, cl::clBlue, 0);
    EXPECT_EQ(untouched.At(2, 2), kBackground);
}

TEST(BitmapTest, MirrorFlipAndTransparentCopies) {
    // Mirroring keeps an odd middle row and column.
    TSurface mirror(5, 3);
    const COLORREF columns[] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0)};
    for (int x = 0; x < 3; ++x) FillSolid(mirror.bitmap.DC(), {x, 0, x + 1, 1}, static_cast<TColor>(columns[x]));
    MirrorBlit(mirror.bitmap.DC(), 0, 0, SRCCOPY, 3, 5);
    EXPECT_EQ(mirror.At(4, 2), columns[0]);
    EXPECT_EQ(mirror.At(3, 0), columns[1]);
    EXPECT_EQ(mirror.At(2, 2), columns[2]);
    EXPECT_EQ(mirror.At(2, 1), kBackground);

    TSurface flip(3, 4);
    for (int y = 0; y < 4; ++y) FillSolid(flip.bitmap.DC(), {0, y, 3, y + 1}, RGB(0, 40 * y, 0));
    FlipBitmapVertically(flip.bitmap);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(flip.At(1, y), RGB(0, 40 * (3 - y), 0)) << y;

    // A 2 x 2 source with one magenta pixel, stretched to 4 x 4.
    TSurface source(2, 2);
    FillSolid(source.bitmap.DC(), {0, 0, 1, 1}, cl::clFuchsia);
    FillSolid(source.bitmap.DC(), {1, 0, 2, 1}, cl::clRed);
    FillSolid(source.bitmap.DC(), {0, 1, 2, 2}, cl::clLime);
    TSurface target(8, 8);
    BlitTransparentBitmap(target.canvas, source.bitmap.DC(), {2, 2, 6, 6}, cl::clFuchsia, {0, 0, 2, 2});
    EXPECT_EQ(target.At(2, 2), kBackground);
    EXPECT_EQ(target.At(3, 3), kBackground);
    EXPECT_EQ(target.At(4, 2), Sys(cl::clRed));
    EXPECT_EQ(target.At(2, 5), Sys(cl::clLime));
    EXPECT_EQ(target.At(1, 1), kBackground);
}

// Paints its client area red with a blue pixel at (11, 6).
class TPaintedParent : public cl::TCustomControl {
public:
    using cl::TCustomControl::TCustomControl;

protected:
    void Paint(cl::TCanvas& canvas) override {
        FillSolid(canvas.Handle(), {0, 0, Width(), Height()}, cl::clRed);
        FillSolid(canvas.Handle(), {11, 6, 12, 7}, cl::clBlue);
    }
};

TEST(ParentBackgroundTest, TheParentsImageIsPaintedAtTheControlsOffset) {
    cl::TApplication app;
    auto* form = new cl::TForm(&app);
    auto* parent = new TPaintedParent(form);
    parent->SetParent(form);
    parent->SetBounds(0, 0, 50, 40);
    auto* child = new cl::TCustomControl(form);
    child->SetParent(parent);
    child->SetBounds(10, 5, 20, 20);
    form->Show();

    TSurface s(20, 20);
    PaintParentBackground(*child, s.bitmap.DC());
    EXPECT_EQ(s.At(0, 0), Sys(cl::clRed));
    EXPECT_EQ(s.At(1, 1), Sys(cl::clBlue));
    EXPECT_EQ(s.At(19, 19), Sys(cl::clRed));
    // The device context is left as it was: a later drawing lands at the control's own origin.
    FillSolid(s.bitmap.DC(), {0, 0, 1, 1}, cl::clLime);
    EXPECT_EQ(s.At(0, 0), Sys(cl::clLime));

    auto* orphan = new cl::TCustomControl(form);
    TSurface nothing(5, 5);
    PaintParentBackground(*orphan, nothing.canvas);
    EXPECT_EQ(nothing.At(2, 2), kBackground);
    delete form;
}

TEST(PercentBarTest, LedSegmentsLightUpToThePercentage) {
    const TColor back = cl::clWhite, bar = cl::clNavy;
    struct Case {
        int percent;
        int litInterior, darkInterior;  // x inside a segment that should be lit, and one that should not (-1: none)
    };
    // 60 pixels with 20 segments: 10 segments of 6 pixels, each outlined in the back colour.
    for (const Case& c : {Case{50, 26, 32}, Case{0, -1, 2}, Case{100, 56, -1}}) {
        SCOPED_TRACE(c.percent);
        TSurface s(60, 12);
        DrawPercentBar(s.canvas, {0, 0, 60, 12}, TOrientation::Horizontal, false, c.percent, 20, back, bar);
        if (c.litInterior >= 0) {
            EXPECT_EQ(s.At(c.litInterior, 5), Sys(bar));
        }
        if (c.darkInterior >= 0) {
            EXPECT_EQ(s.At(c.darkInterior, 5), Sys(back));
        }
        EXPECT_EQ(s.At(30, 5), Sys(back)) << "the outline between segments";
    }
    TSurface up(12, 100);
    DrawPercentBar(up.canvas, {0, 0, 12, 100}, TOrientation::Vertical, false, 30, 10, back, bar);
    EXPECT_EQ(up.At(5, 95), Sys(bar));  // lit from the bottom
    EXPECT_EQ(up.At(5, 5), Sys(back));
}

TEST(PercentBarTest, TextChangesColourWhereTheBarEnds) {
    const TColor back = cl::clWhite, bar = cl::clNavy;
    TSurface full(40, 16);
    DrawPercentText(full.canvas, {0, 0, 40, 16}, TOrientation::Horizontal, false, 100, back, bar);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(full.At(x, y), Sys(bar)) << x << "," << y;

    TSurface half(80, 20);
    half.canvas.Font().SetColor(cl::clRed);  // the text's colours come from the bar, not the font
    DrawPercentText(half.canvas, {0, 0, 80, 20}, TOrientation::Horizontal, true, 50, back, bar);
    int barPixels = 0, backPixels = 0, others = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const COLORREF p = half.At(x, y);
            if (p == Sys(bar)) ++(x < 40 ? barPixels : others);
            else if (p == Sys(back)) ++(x >= 40 ? backPixels : others);
        }
    EXPECT_GT(barPixels, 600);
    EXPECT_GT(backPixels, 600);
    EXPECT_GT(others, 0) << "the text shows in the other colour on each side";
    EXPECT_EQ(half.At(0, 0), Sys(bar));
    EXPECT_EQ(half.At(79, 19), Sys(back));
}

}  // namespace
