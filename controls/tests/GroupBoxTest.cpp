// The group box's styles painted into memory bitmaps, its children below the title and its
// theme switch.

#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;
using namespace mw;

constexpr cl::TColor kPaper = 0xF0E8E0, kRed = 0x0000F0, kBlue = 0xF00000;

class GroupBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        box = new TMwGroupBox(form);
        box->SetParent(form);
        box->SetBounds(0, 0, 120, 60);
        box->SetColor(kPaper);
        box->SetFlatColor(kRed);
        box->SetFlatColorAdjustment(0);
        box->Font()->SetColor(kBlue);
        // The frame's top line runs through the middle of the title.
        HDC dc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, box->Font()->Handle());
        SIZE size{};
        GetTextExtentPoint32A(dc, "Pp", 2, &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        half = size.cy / 2 - 1;
    }
    bool Themed() { return box->ThemeAware() && ThemeServices().ThemesEnabled(); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwGroupBox* box = nullptr;
    int half = 0;
};

TEST_F(GroupBoxTest, NewGroupBoxIsAFlatTitledFrame) {
    EXPECT_EQ(box->GroupStyle(), TMwGroupBoxStyle::Flat);
    EXPECT_EQ(box->BorderOuter(), TFrameStyle::None);
    EXPECT_EQ(box->BorderInner(), TFrameStyle::None);
    EXPECT_EQ(box->Alignment(), cl::TAlignment::LeftJustify);
    EXPECT_EQ(box->AlignmentVertical(), TAlignmentVertical::Top);
    EXPECT_EQ(TMwGroupBox(nullptr).Height(), 105);
    EXPECT_TRUE(box->ThemeAware());
}

TEST_F(GroupBoxTest, CustomAndTopLineStylesSwitchThemesOffForGood) {
    box->SetGroupStyle(TMwGroupBoxStyle::TopLine);
    EXPECT_FALSE(box->ThemeAware());
    box->SetGroupStyle(TMwGroupBoxStyle::Flat);
    EXPECT_FALSE(box->ThemeAware());
    box->SetThemeAware(true);
    box->SetGroupStyle(TMwGroupBoxStyle::Standard);
    EXPECT_TRUE(box->ThemeAware());
    box->SetGroupStyle(TMwGroupBoxStyle::Custom);
    EXPECT_FALSE(box->ThemeAware());
}

TEST_F(GroupBoxTest, TitleSitsEightPixelsInExceptOnATopLine) {
    box->SetThemeAware(false);
    box->SetCaption("MMMM");  // wider than 30 pixels
    box->SetGroupStyle(TMwGroupBoxStyle::Standard);
    box->SetBorderOuter(TFrameStyle::Flat);
    TPaintSurface standard(120, 60);
    standard.Paint(*box);
    EXPECT_EQ(standard.At(2, half), static_cast<COLORREF>(kRed)) << "the top line before the title";
    EXPECT_EQ(standard.Count(kRed, {8, half, 38, half + 1}), 0) << "the title's box covers the line";
    EXPECT_EQ(standard.Count(kBlue, {0, 0, 8, 30}), 0);
    EXPECT_GT(standard.Count(kBlue, {8, 0, 40, 30}), 0);
    EXPECT_EQ(standard.At(0, 40), static_cast<COLORREF>(kRed)) << "all four sides";
    EXPECT_EQ(standard.At(119, 40), static_cast<COLORREF>(kRed));

    // A bold top line: two lines 2 pixels in from each end, the title flush left over them.
    box->SetGroupStyle(TMwGroupBoxStyle::TopLine);
    box->SetBorderOuter(TFrameStyle::FlatBold);
    TPaintSurface topLine(120, 60);
    topLine.Paint(*box);
    EXPECT_EQ(topLine.At(117, half), static_cast<COLORREF>(kRed));
    EXPECT_EQ(topLine.At(117, half + 1), static_cast<COLORREF>(kRed));
    EXPECT_EQ(topLine.At(117, half + 2), static_cast<COLORREF>(kPaper));
    EXPECT_EQ(topLine.At(118, half), static_cast<COLORREF>(kPaper));
    EXPECT_EQ(topLine.Count(kRed, {0, half, 30, half + 2}), 0) << "the title's box starts at 0";
    EXPECT_GT(topLine.Count(kBlue, {0, 0, 8, 30}), 0);
    EXPECT_EQ(topLine.At(0, 40), static_cast<COLORREF>(kPaper)) << "no sides";
}

TEST_F(GroupBoxTest, RightToLeftAlignmentMirrorsTheTitleToTheRightEdge) {
    box->SetThemeAware(false);
    box->SetCaption("MMMM");  // wider than 30 pixels
    box->SetGroupStyle(TMwGroupBoxStyle::Standard);
    box->SetBorderOuter(TFrameStyle::Flat);
    const struct {
        TBiDiMode mode;
        bool titleRight;
    } cases[] = {{TBiDiMode::RightToLeft, true}, {TBiDiMode::RightToLeftReadingOnly, false}, {TBiDiMode::LeftToRight, false}};
    for (const auto& c : cases) {
        box->SetBiDiMode(c.mode);
        TPaintSurface s(120, 60);
        s.Paint(*box);
        const TRect left{8, half, 38, half + 1}, right{82, half, 112, half + 1};
        EXPECT_EQ(s.Count(kBlue, {0, 0, 60, 30}) > 0, !c.titleRight) << static_cast<int>(c.mode);
        EXPECT_EQ(s.Count(kBlue, {60, 0, 120, 30}) > 0, c.titleRight) << static_cast<int>(c.mode);
        // The title's box covers the top line where the title is, and only there.
        EXPECT_EQ(s.Count(kRed, c.titleRight ? right : left), 0) << static_cast<int>(c.mode);
        EXPECT_EQ(s.Count(kRed, c.titleRight ? left : right), 30) << static_cast<int>(c.mode);
        EXPECT_EQ(s.At(c.titleRight ? 115 : 4, half), static_cast<COLORREF>(kRed)) << "8 pixels of line beyond the title";
    }
}

TEST_F(GroupBoxTest, FlatStyleCutsTheCornersAndIgnoresTheBorderStyle) {
    box->SetThemeAware(false);
    box->SetBorderOuter(TFrameStyle::Raised);
    TPaintSurface s(120, 60);
    s.Paint(*box);
    EXPECT_EQ(s.At(0, half), static_cast<COLORREF>(kPaper));
    EXPECT_EQ(s.At(1, half + 1), static_cast<COLORREF>(kRed));
    EXPECT_EQ(s.At(0, half + 2), static_cast<COLORREF>(kRed));
    EXPECT_EQ(s.At(2, half), static_cast<COLORREF>(kRed));
    EXPECT_EQ(s.At(119, 59), static_cast<COLORREF>(kPaper));
    EXPECT_EQ(s.At(118, 58), static_cast<COLORREF>(kRed));
}

TEST_F(GroupBoxTest, DisabledTitleIsEtched) {
    box->SetThemeAware(false);
    box->SetCaption("Mw");
    box->SetEnabled(false);
    TPaintSurface s(120, 60);
    s.Paint(*box);
    EXPECT_EQ(s.Count(kBlue, {0, 0, 120, 60}), 0);
    EXPECT_GT(s.Count(cl::clBtnShadow, {0, 0, 60, 30}), 0);
    EXPECT_GT(s.Count(cl::clBtnHighlight, {0, 0, 60, 30}), 0);
}

TEST_F(GroupBoxTest, CustomStylePaintsAsAPanel) {
    box->SetGroupStyle(TMwGroupBoxStyle::Custom);
    box->SetBorderOuter(TFrameStyle::Flat);
    TPaintSurface s(120, 60);
    s.Paint(*box);
    EXPECT_EQ(s.At(0, 0), static_cast<COLORREF>(kRed)) << "the panel's border, from the top";
    EXPECT_EQ(s.At(60, 30), static_cast<COLORREF>(kPaper));
}

TEST_F(GroupBoxTest, ChildrenAlignBelowTheTitle) {
    auto* child = new TMwGroupBox(form);
    child->SetParent(box);
    child->SetAlign(cl::TAlign::Client);
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, box->Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, "Yy", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(child->BoundsRect(), GroupBoxClientRect({0, 0, 120, 60}, TMwGroupBoxStyle::Flat, size.cy, 0));

    box->SetGroupStyle(TMwGroupBoxStyle::Standard);  // the style moves the children at once
    box->SetBorderWidth(2);
    EXPECT_EQ(child->BoundsRect(), GroupBoxClientRect({2, 2, 118, 58}, TMwGroupBoxStyle::Standard, size.cy, 2));
}

}  // namespace
