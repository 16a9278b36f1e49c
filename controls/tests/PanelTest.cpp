// The framed panel painted into memory bitmaps, its children's alignment and enabled state,
// its resize repaint and the properties form resources give it; the spacer.

#include <gtest/gtest.h>

#include <windows.h>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwSpacer.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwThemeSrv.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;
using namespace mw;

constexpr cl::TColor kRed = 0x0000F0, kBlue = 0xF00000, kGreen = 0x00C000, kYellow = 0x00E0E0, kPaper = 0xF0E8E0;

class PanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 300, 200);
        form->SetColor(kGreen);
    }
    TMwPanel* NewPanel(cl::TControl* parent, int width, int height) {
        auto* panel = new TMwPanel(form);
        panel->SetParent(parent);
        panel->SetBounds(10, 10, width, height);
        return panel;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(PanelTest, PaintsOuterBorderBandInnerBorderAndBackgroundOnTheChosenSides) {
    struct Case {
        const char* name;
        TSides sides;
        int leftInset, rightInset;  // where the background starts on each side
    };
    for (const Case& c : {Case{"all sides", sdAll, 6, 6}, Case{"left only", sdLeft, 6, 0}, Case{"no sides", 0, 0, 0}}) {
        SCOPED_TRACE(c.name);
        TMwPanel* panel = NewPanel(form, 40, 30);
        panel->SetBorderSides(c.sides);
        panel->SetBorderOuter(TFrameStyle::Flat);
        panel->SetFlatColor(kRed);
        panel->SetFlatColorAdjustment(0);
        panel->SetBorderWidth(2);
        panel->SetBorderColor(kBlue);
        panel->SetBorderInner(TFrameStyle::Status);
        panel->SetBevelWidth(3);
        panel->SetBorderShadow(kGreen);
        panel->SetBorderHighlight(kYellow);
        panel->SetColor(kPaper);

        TPaintSurface s(40, 30);
        s.Paint(*panel);
        const std::vector<cl::TColor> left = {kRed, kBlue, kBlue, kGreen, kGreen, kGreen};
        const std::vector<cl::TColor> right = {kRed, kBlue, kBlue, kYellow, kYellow, kYellow};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(s.At(i, 15), static_cast<COLORREF>(i < c.leftInset ? left[i] : kPaper)) << "x " << i;
            EXPECT_EQ(s.At(39 - i, 15), static_cast<COLORREF>(i < c.rightInset ? right[i] : kPaper)) << "x " << 39 - i;
        }
        EXPECT_EQ(s.At(20, 15), static_cast<COLORREF>(kPaper));
        cl::Free(panel);
    }
}

TEST_F(PanelTest, FlatBordersUseTheShadedFlatColourAndOtherStylesTheSystemColours) {
    TMwPanel* panel = NewPanel(form, 20, 20);
    panel->SetFlatColor(0x606060);
    panel->SetBorderOuter(TFrameStyle::FlatBold);  // FlatColorAdjustment 30 by default: lighter
    TPaintSurface flat(20, 20);
    flat.Paint(*panel);
    EXPECT_EQ(flat.At(0, 10), static_cast<COLORREF>(LightenColor(0x606060, 30)));
    EXPECT_EQ(flat.At(1, 10), static_cast<COLORREF>(LightenColor(0x606060, 30)));

    panel->SetBorderOuter(TFrameStyle::Lowered);
    TPaintSurface lowered(20, 20);
    lowered.Paint(*panel);
    EXPECT_EQ(lowered.At(0, 10), cl::ColorToRGB(cl::clBtnShadow));
    EXPECT_EQ(lowered.At(1, 10), cl::ColorToRGB(cl::cl3DDkShadow));
}

TEST_F(PanelTest, GridAndCaptionArePaintedAfterTheBackgroundThenOnPaintRuns) {
    TMwPanel* panel = NewPanel(form, 60, 40);
    panel->SetBorderOuter(TFrameStyle::None);
    panel->SetColor(kPaper);
    panel->SetShowGrid(true);
    panel->SetGridColor(kRed);
    panel->SetGridXSize(10);
    panel->SetGridYSize(10);
    int painted = 0;
    panel->OnPaint = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++painted; });

    TPaintSurface dots(60, 40);
    dots.Paint(*panel);
    EXPECT_EQ(dots.At(9, 9), static_cast<COLORREF>(kRed));
    EXPECT_EQ(dots.At(59, 39), static_cast<COLORREF>(kRed));
    EXPECT_EQ(dots.At(10, 9), static_cast<COLORREF>(kPaper));
    EXPECT_EQ(painted, 1);

    panel->SetGridStyle(TMwGridStyle::SolidLines);
    panel->SetGridXSize(0);  // rows only
    TPaintSurface rows(60, 40);
    rows.Paint(*panel);
    EXPECT_EQ(rows.At(0, 9), static_cast<COLORREF>(kRed));
    EXPECT_EQ(rows.At(59, 19), static_cast<COLORREF>(kRed));
    EXPECT_EQ(rows.At(9, 5), static_cast<COLORREF>(kPaper));
}

TEST_F(PanelTest, CaptionFollowsVerticalAlignmentAndIsEtchedWhenDisabled) {
    TMwPanel* panel = NewPanel(form, 120, 60);
    panel->SetBorderOuter(TFrameStyle::None);
    panel->SetColor(kPaper);
    panel->SetCaption("Mw");
    panel->Font()->SetColor(kBlue);

    panel->SetAlignmentVertical(TAlignmentVertical::Top);
    TPaintSurface top(120, 60);
    top.Paint(*panel);
    EXPECT_GT(top.Count(kBlue, {0, 0, 120, 20}), 0);
    EXPECT_EQ(top.Count(kBlue, {0, 30, 120, 60}), 0);

    panel->SetAlignmentVertical(TAlignmentVertical::Bottom);
    TPaintSurface bottom(120, 60);
    bottom.Paint(*panel);
    EXPECT_EQ(bottom.Count(kBlue, {0, 0, 120, 30}), 0);
    EXPECT_GT(bottom.Count(kBlue, {0, 40, 120, 60}), 0);

    panel->SetEnabled(false);
    TPaintSurface disabled(120, 60);
    disabled.Paint(*panel);
    EXPECT_EQ(disabled.Count(kBlue, {0, 0, 120, 60}), 0);
    EXPECT_GT(disabled.Count(cl::clBtnShadow, {0, 0, 120, 60}), 0);
    EXPECT_GT(disabled.Count(cl::clBtnHighlight, {0, 0, 120, 60}), 0);
}

TEST_F(PanelTest, TransparentPanelShowsItsParentsImage) {
    TMwPanel* back = NewPanel(form, 100, 80);
    back->SetBorderOuter(TFrameStyle::None);
    back->SetColor(kYellow);
    TMwPanel* glass = NewPanel(back, 40, 30);
    glass->SetBorderOuter(TFrameStyle::Flat);
    glass->SetFlatColor(kRed);
    glass->SetFlatColorAdjustment(0);
    glass->SetColor(kPaper);

    TPaintSurface opaque(40, 30);
    opaque.EraseAndPaint(*glass);
    EXPECT_EQ(opaque.At(20, 15), static_cast<COLORREF>(kPaper));

    glass->SetTransparent(true);
    TPaintSurface seeThrough(40, 30);
    seeThrough.EraseAndPaint(*glass);
    EXPECT_EQ(seeThrough.At(20, 15), static_cast<COLORREF>(kYellow));
    EXPECT_EQ(seeThrough.At(0, 15), static_cast<COLORREF>(kRed));  // the frame is still drawn
}

TEST_F(PanelTest, ChildrenAlignInsideTheBordersAndTheBand) {
    TMwPanel* panel = NewPanel(form, 100, 80);
    panel->SetBorderOuter(TFrameStyle::Raised);
    panel->SetBorderInner(TFrameStyle::Flat);
    panel->SetBorderSides(sdLeft | sdTop);
    panel->SetBorderWidth(4);
    TMwPanel* child = NewPanel(panel, 10, 10);
    child->SetAlign(cl::TAlign::Client);
    EXPECT_EQ(child->BoundsRect(), (TRect{7, 7, 96, 76}));

    panel->SetBorderSides(sdAll);  // realigns
    EXPECT_EQ(child->BoundsRect(), (TRect{7, 7, 93, 73}));
    panel->SetBevelWidth(3);
    panel->SetBorderInner(TFrameStyle::Popup);
    EXPECT_EQ(child->BoundsRect(), (TRect{9, 9, 91, 71}));
}

TEST_F(PanelTest, RightAlignedPanelKeepsItsRightEdgeWhenItNarrows) {
    auto* panel = new TMwPanel(form);  // no parent: nothing realigns it
    panel->SetBounds(50, 20, 100, 40);
    panel->SetAlign(cl::TAlign::Right);
    panel->SetWidth(90);
    EXPECT_EQ(panel->BoundsRect(), TRect::FromBounds(60, 20, 90, 40));
    panel->SetAlign(cl::TAlign::Bottom);
    panel->SetHeight(50);
    EXPECT_EQ(panel->BoundsRect(), TRect::FromBounds(60, 10, 90, 50));
}

TEST_F(PanelTest, DisablingRemembersWhichChildrenWereEnabled) {
    TMwPanel* panel = NewPanel(form, 100, 80);
    TMwPanel* first = NewPanel(panel, 10, 10);
    TMwPanel* second = NewPanel(panel, 10, 10);
    TMwPanel* third = NewPanel(panel, 10, 10);
    TMwPanel* grandchild = NewPanel(third, 5, 5);
    second->SetEnabled(false);

    panel->SetEnabled(false);
    for (TMwPanel* p : {first, second, third}) EXPECT_FALSE(p->Enabled());
    EXPECT_FALSE(grandchild->Enabled()) << "the child panel disables its own children";
    TMwPanel* late = NewPanel(panel, 10, 10);  // added while the panel is disabled
    EXPECT_TRUE(late->Enabled());
    cl::Free(first);  // its record goes with it

    panel->SetEnabled(true);
    EXPECT_FALSE(second->Enabled());
    EXPECT_TRUE(third->Enabled());
    EXPECT_TRUE(grandchild->Enabled());
    EXPECT_TRUE(late->Enabled());
}

TEST_F(PanelTest, WithoutFullRepaintAResizeRepaintsOnlyTheBorderStrips) {
    form->Show();
    TMwPanel* panel = NewPanel(form, 100, 60);
    panel->SetFullRepaint(false);
    panel->SetBorderWidth(1);
    HWND window = panel->Handle();
    UpdateWindow(window);
    ValidateRect(window, nullptr);

    panel->SetWidth(90);  // narrower: only the strip of the new right border, inside (3, 3, 87, 57)
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(update.left, 86);
    EXPECT_EQ(update.top, 0);

    ValidateRect(window, nullptr);
    panel->SetCaption("With a caption");  // text moves on a resize: the whole panel
    ValidateRect(window, nullptr);
    panel->SetHeight(50);
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(update.left, 0);
    EXPECT_EQ(update.top, 0);
}

TEST_F(PanelTest, FormResourcesSetEveryPropertyAndOldFrameSidesIsDropped) {
    cl::TForm root(nullptr);
    cl::ReadFormResource(root, R"(
object F: TForm
  object P: TMwPanel
    Alignment = taLeftJustify
    AlignmentVertical = avBottom
    BevelWidth = 2
    BorderColor = clRed
    BorderHighlight = clWhite
    BorderInner = fsLowered
    BorderOuter = fsFlatBold
    BorderShadow = clBlack
    BorderSides = [sdLeft, sdBottom]
    BorderWidth = 3
    FlatColor = clNavy
    FlatColorAdjustment = -20
    FrameSides = [sdTop]
    FullRepaint = False
    GridColor = clLime
    GridStyle = gsDottedLines
    GridXSize = 5
    GridYSize = 6
    ShowGrid = True
    ThemeAware = False
    Transparent = True
  end
end
)",
                        "F");
    auto* panel = dynamic_cast<TMwPanel*>(root.FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Alignment(), cl::TAlignment::LeftJustify);
    EXPECT_EQ(panel->AlignmentVertical(), TAlignmentVertical::Bottom);
    EXPECT_EQ(panel->BevelWidth(), 2);
    EXPECT_EQ(panel->BorderInner(), TFrameStyle::Lowered);
    EXPECT_EQ(panel->BorderOuter(), TFrameStyle::FlatBold);
    EXPECT_EQ(panel->BorderSides(), sdLeft | sdBottom) << "the old FrameSides changes nothing";
    EXPECT_EQ(panel->BorderWidth(), 3);
    EXPECT_EQ(panel->FlatColor(), cl::clNavy);
    EXPECT_EQ(panel->FlatColorAdjustment(), -20);
    EXPECT_FALSE(panel->FullRepaint());
    EXPECT_EQ(panel->GridStyle(), TMwGridStyle::DottedLines);
    EXPECT_EQ(panel->GridXSize(), 5);
    EXPECT_EQ(panel->GridYSize(), 6);
    EXPECT_TRUE(panel->ShowGrid());
    EXPECT_FALSE(panel->ThemeAware());
    EXPECT_TRUE(panel->Transparent());

    // Defaults of a new panel.
    TMwPanel fresh(nullptr);
    EXPECT_EQ(fresh.BoundsRect(), TRect::FromBounds(0, 0, 185, 41));
    EXPECT_EQ(fresh.BorderOuter(), TFrameStyle::Raised);
    EXPECT_EQ(fresh.BorderInner(), TFrameStyle::None);
    EXPECT_EQ(fresh.Alignment(), cl::TAlignment::Center);
    EXPECT_EQ(fresh.AlignmentVertical(), TAlignmentVertical::Center);
    EXPECT_EQ(fresh.FlatColorAdjustment(), 30);
    EXPECT_TRUE(fresh.FullRepaint());
    EXPECT_TRUE(fresh.ThemeAware());
    EXPECT_TRUE(fresh.ShowDockClientCaptions());
    EXPECT_TRUE(fresh.UseDockManager()) << "a panel made a dock site lays its clients out";
}

// ---- spacer ----

// A panel whose paints are counted by where they went: to the window or off-screen.
class TCountedPanel : public TMwPanel {
public:
    using TMwPanel::TMwPanel;
    int paints = 0, offScreen = 0;

protected:
    void Paint(cl::TCanvas& canvas) override {
        ++paints;
        if (GetObjectType(canvas.Handle()) == OBJ_MEMDC) ++offScreen;
        TMwPanel::Paint(canvas);
    }
};

TEST_F(PanelTest, ADockSiteWithItsManagerPaintsOffScreen) {
    auto* site = new TCountedPanel(form);
    site->SetParent(form);
    site->SetBounds(10, 10, 120, 80);
    site->SetColor(kPaper);
    form->Show();
    for (const bool dockSite : {false, true}) {
        site->SetDockSite(dockSite);
        EXPECT_EQ(site->DoubleBuffered(), dockSite);
        site->paints = site->offScreen = 0;
        site->Repaint();
        EXPECT_GT(site->paints, 0);
        EXPECT_EQ(site->offScreen, dockSite ? site->paints : 0) << dockSite;
        HDC dc = GetDC(site->Handle());
        EXPECT_EQ(GetPixel(dc, 60, 40), cl::ColorToRGB(kPaper)) << dockSite;
        ReleaseDC(site->Handle(), dc);
    }
}

TEST_F(PanelTest, ADockSiteStacksItsClientsPastTheirCaptionStripsAlongItsAlignment) {
    struct Case {
        const char* name;
        cl::TAlign align;
        bool sideBySide;  // a panel aligned top or bottom puts the strips at the left
    };
    for (const Case& c : {Case{"not aligned", cl::TAlign::None, false}, Case{"aligned left", cl::TAlign::Left, false},
                          Case{"aligned top", cl::TAlign::Top, true}}) {
        SCOPED_TRACE(c.name);
        TMwPanel* site = NewPanel(form, 120, 80);
        site->SetAlign(c.align);
        site->SetBorderOuter(TFrameStyle::None);
        site->SetUseDockManager(false);
        site->SetDockSite(true);
        EXPECT_EQ(site->DockManager(), nullptr) << "only with UseDockManager";
        site->SetUseDockManager(true);
        ASSERT_NE(site->DockManager(), nullptr);
        auto* one = new TMwPanel(form);
        auto* two = new TMwPanel(form);
        one->ManualDock(*site);
        two->ManualDock(*site);
        const TRect area = site->ClientRect();
        if (c.sideBySide) {
            const int half = area.Width() / 2;
            EXPECT_EQ(one->BoundsRect(), TRect::FromBounds(14, 0, half - 14, area.Height()));
            EXPECT_EQ(two->BoundsRect(), TRect::FromBounds(half + 14, 0, area.Width() - half - 14, area.Height()));
        } else {
            const int half = area.Height() / 2;
            EXPECT_EQ(one->BoundsRect(), TRect::FromBounds(0, 14, area.Width(), half - 14));
            EXPECT_EQ(two->BoundsRect(), TRect::FromBounds(0, half + 14, area.Width(), area.Height() - half - 14));
        }
        cl::Free(one);
        EXPECT_EQ(site->DockManager()->Clients().size(), 1u) << "a freed client leaves the layout";
        EXPECT_EQ(c.sideBySide ? two->Left() : two->Top(), 14) << "the other one takes the whole site";
        site->SetDockSite(false);
        EXPECT_EQ(site->DockManager(), nullptr);
        cl::Free(site);
    }
}

TEST_F(PanelTest, DockedClientsShowCaptionStripsInTheFocusColoursAndCloseFromTheirBox) {
    ASSERT_NE(cl::ColorToRGB(cl::clActiveCaption), cl::ColorToRGB(cl::clInactiveCaption));
    form->Show();
    TMwPanel* site = NewPanel(form, 120, 80);
    site->SetBorderOuter(TFrameStyle::None);
    site->SetColor(kPaper);
    site->SetDockSite(true);
    site->SetUseDockManager(true);
    auto* one = new TMwPanel(form);
    auto* two = new TMwPanel(form);
    one->SetCaption("One");
    one->ManualDock(*site);
    two->ManualDock(*site);
    two->SetFocus();
    const int stripY = 13, twoStripY = 40 + 13, emptyX = 90;  // below the text, left of the close box

    TPaintSurface captions(120, 80);
    captions.Paint(*site);
    EXPECT_EQ(captions.At(emptyX, stripY), cl::ColorToRGB(cl::clInactiveCaption));
    EXPECT_EQ(captions.At(emptyX, twoStripY), cl::ColorToRGB(cl::clActiveCaption)) << "the client with the focus";
    EXPECT_GT(captions.Count(cl::clInactiveCaptionText, TRect{2, 0, 40, 14}), 0) << "the caption text";

    site->SetShowDockClientCaptions(false);
    TPaintSurface plain(120, 80);
    plain.Paint(*site);
    EXPECT_NE(plain.At(emptyX, stripY), cl::ColorToRGB(cl::clInactiveCaption)) << "the plain grabber";

    ValidateRect(site->Handle(), nullptr);
    SendMessageA(site->Handle(), WM_COMMAND, 0, 0);
    EXPECT_TRUE(GetUpdateRect(site->Handle(), nullptr, FALSE)) << "a command repaints the strips";

    site->SetShowDockClientCaptions(true);
    SendMessageA(site->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(111, 6));  // the close box of the top strip
    EXPECT_FALSE(one->Visible());
    EXPECT_FALSE(site->DockManager()->IsDocked(*one));
    EXPECT_EQ(two->BoundsRect(), TRect::FromBounds(0, 14, 120, 66));
}

TEST_F(PanelTest, SpacerTurnsWithItsOrientationExceptWhileLoading) {
    auto* spacer = new TMwSpacer(form);
    spacer->SetParent(form);
    EXPECT_EQ(spacer->BoundsRect(), TRect::FromBounds(0, 0, 8, 25));
    spacer->SetOrientation(TOrientation::Vertical);
    EXPECT_EQ(spacer->BoundsRect(), TRect::FromBounds(0, 0, 25, 8));
    spacer->SetOrientation(TOrientation::Vertical);  // already vertical: keeps its shape
    EXPECT_EQ(spacer->BoundsRect(), TRect::FromBounds(0, 0, 25, 8));

    cl::TForm root(nullptr);
    cl::ReadFormResource(root, "object F: TForm\n  object S: TMwSpacer\n    Width = 8\n    Height = 25\n    Orientation = orVertical\n  end\nend\n",
                         "F");
    auto* streamed = dynamic_cast<TMwSpacer*>(root.FindComponent("S"));
    ASSERT_NE(streamed, nullptr);
    EXPECT_EQ(streamed->Orientation(), TOrientation::Vertical);
    EXPECT_EQ(streamed->BoundsRect(), TRect::FromBounds(0, 0, 8, 25));
}

TEST_F(PanelTest, GroovedSpacerDrawsAnEtchedLineAcrossItsLongerSide) {
    if (ThemeServices().ThemesEnabled()) GTEST_SKIP() << "themed separators are the theme's";
    auto* spacer = new TMwSpacer(form);
    spacer->SetParent(form);
    TPaintSurface plain(8, 25);
    spacer->Update();
    plain.Paint(*spacer);
    EXPECT_EQ(plain.Count(cl::clBtnShadow, {0, 0, 8, 25}), 0) << "not grooved: nothing";

    spacer->SetGrooved(true);
    TPaintSurface down(8, 25);
    down.Paint(*spacer);
    EXPECT_EQ(down.At(3, 1), cl::ColorToRGB(cl::clBtnShadow));
    EXPECT_EQ(down.At(3, 24), cl::ColorToRGB(cl::clBtnShadow));
    EXPECT_EQ(down.At(4, 12), cl::ColorToRGB(cl::clBtnHighlight));
    EXPECT_EQ(down.At(3, 0), TPaintSurface::kBackground);

    spacer->SetOrientation(TOrientation::Vertical);  // now 25 wide, 8 high
    TPaintSurface across(25, 8);
    across.Paint(*spacer);
    EXPECT_EQ(across.At(1, 3), cl::ColorToRGB(cl::clBtnShadow));
    EXPECT_EQ(across.At(12, 4), cl::ColorToRGB(cl::clBtnHighlight));
    EXPECT_EQ(across.At(0, 3), TPaintSurface::kBackground);
}

}  // namespace
