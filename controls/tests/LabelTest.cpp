// The label and the URL label under Wine: angles and the TrueType font they need, blinking,
// fly-by colours, auto-size, borders and text styles painted into memory bitmaps, old form
// resources, and opening the address of a URL label (through a seam: nothing is started).

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwURLLabel.h"
#include "controls/foundation/FontUtils.h"
#include "controls/foundation/MwBlinkingControls.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;
using namespace mw;

COLORREF Rgb(cl::TColor color) { return cl::ColorToRGB(color); }

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 300);
        form->SetColor(kFormColor);
        form->Show();
    }

    template <class T = TMwLabel>
    T* AddLabel(const std::string& caption) {
        auto* label = new T(form);
        label->SetParent(form);
        label->SetBounds(10, 10, 120, 30);
        label->SetAutoSize(false);
        label->SetCaption(caption);
        return label;
    }

    static constexpr cl::TColor kFormColor = 0x3080C0;
    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(LabelTest, AnglesTurnTheTextFlatAndNeedATrueTypeFont) {
    auto* label = AddLabel("Turned");
    label->Font()->SetName("Tahoma");
    label->SetAngle(-90);
    EXPECT_EQ(label->Angle(), 270);
    EXPECT_EQ(label->Rotation(), TRotation::Flat) << "a turn needs a rotation";
    EXPECT_EQ(label->Font()->Name(), "Tahoma") << "a TrueType font stays";
    label->SetAngle(450);
    EXPECT_EQ(label->Angle(), 90);

    // Rotation flat or none sets the angle back; flat also centres the turn.
    label->SetRotation(TRotation::Curve);
    label->SetCenterPoint(TCenterPoint::LowerLeft);
    label->SetAngle(120);
    EXPECT_EQ(label->Angle(), 120);
    label->SetRotation(TRotation::Flat);
    EXPECT_EQ(label->Angle(), 0);
    EXPECT_EQ(label->CenterPoint(), TCenterPoint::Center);

    // A font that cannot turn: a raster font, where the system has one.
    std::string raster;
    for (const char* name : {"MS Sans Serif", "Small Fonts", "System", "Courier", "Fixedsys", "Terminal"}) {
        label->Font()->SetName(name);
        if (!IsTrueTypeFont(*label->Font())) {
            raster = name;
            break;
        }
    }
    if (raster.empty()) GTEST_SKIP() << "every font here is a TrueType font";
    label->SetAngle(45);
    EXPECT_EQ(label->Font()->Name(), "Verdana");
    label->Font()->SetName(raster);
    EXPECT_EQ(label->Angle(), 0) << "a font that cannot turn takes the angle back";
    label->SetRotation(TRotation::Curve);
    EXPECT_EQ(label->Font()->Name(), "Verdana");
}

TEST_F(LabelTest, ABlinkingLabelSwitchesColoursAndAStillOneIgnoresTheBlinks) {
    auto* label = AddLabel("WWWWWW");
    label->Font()->SetColor(cl::clBlack);
    label->SetColor(cl::clWhite);
    label->SetBlinkColor(cl::clRed);
    TPaintSurface s(120, 30);
    auto redPixels = [&] {
        s.Paint(*label);
        return s.Count(cl::clRed, {0, 0, 120, 30});
    };

    EXPECT_EQ(SendMessageA(label->Handle(), CM_ISBLINKING, 0, 0), 0);
    SendMessageA(label->Handle(), CM_BLINK, 1, 0);
    EXPECT_EQ(label->DrawnColor(), cl::clBlack) << "not blinking: the blink is ignored";
    EXPECT_EQ(redPixels(), 0);

    label->SetBlinking(true);
    EXPECT_EQ(SendMessageA(label->Handle(), CM_ISBLINKING, 0, 0), 1);
    SendMessageA(label->Handle(), CM_BLINK, 1, 0);
    EXPECT_EQ(label->DrawnColor(), cl::clRed);
    EXPECT_GT(redPixels(), 0);

    label->SetBlinking(false);
    EXPECT_EQ(label->DrawnColor(), cl::clBlack) << "switched off in the blink phase";
    EXPECT_EQ(redPixels(), 0);

    // The shared list drives the label like every other blinking control.
    label->SetBlinking(true);
    BlinkingControls()->Tick();
    const cl::TColor phase = label->DrawnColor();
    EXPECT_TRUE(phase == cl::clRed || phase == cl::clBlack);
    BlinkingControls()->Tick();
    EXPECT_NE(label->DrawnColor(), phase) << "each tick switches";
}

TEST_F(LabelTest, TheFlyByColourShowsWhileThePointerIsOver) {
    auto* label = AddLabel("Hover");
    label->Font()->SetColor(cl::clNavy);
    std::vector<std::string> events;
    label->OnMouseEnter = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { events.push_back("enter"); });
    label->OnMouseLeave = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { events.push_back("leave"); });

    SendMessageA(label->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(label->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label->Font()->Color(), cl::clNavy) << "fly-by is off";

    label->SetFlyByEnabled(true);
    label->SetFlyByColor(cl::clRed);
    SendMessageA(label->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(label->Font()->Color(), cl::clRed);
    SendMessageA(label->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label->Font()->Color(), cl::clNavy);

    SendMessageA(label->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    label->SetFlyByEnabled(false);
    EXPECT_EQ(label->Font()->Color(), cl::clNavy) << "switched off while hovering";
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave", "enter", "leave", "enter"}));
}

TEST_F(LabelTest, AutoSizeFollowsTheCaptionBordersAndAngle) {
    auto* label = AddLabel("Short");
    label->SetAutoSize(true);
    const int shortWidth = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), shortWidth);
    const int textHeight = label->Height();

    label->SetBorderOuter(TFrameStyle::Raised);
    label->SetBorderWidth(3);
    EXPECT_EQ(label->Height(), textHeight + 10) << "2 a side for the border, 3 for the width";

    label->SetBorderOuter(TFrameStyle::None);
    label->SetBorderWidth(0);
    label->SetAlignment(cl::TAlignment::RightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Short");
    EXPECT_EQ(label->Left() + label->Width(), right) << "a right-aligned label keeps its right edge";

    label->SetAngle(90);
    EXPECT_GT(label->Height(), label->Width()) << "turned upright";
}

TEST_F(LabelTest, BordersAndTextStylesArePaintedInTheirColours) {
    auto* label = AddLabel("");
    label->SetColor(cl::clWhite);
    label->SetFlatColor(cl::clRed);
    label->SetBorderOuter(TFrameStyle::Flat);
    label->SetBorderSides(sdLeft | sdTop);
    TPaintSurface s(120, 30);
    s.Paint(*label);
    EXPECT_EQ(s.At(0, 15), Rgb(cl::clRed));
    EXPECT_EQ(s.At(60, 0), Rgb(cl::clRed));
    EXPECT_EQ(s.At(119, 15), Rgb(cl::clWhite)) << "no right side";
    EXPECT_EQ(s.At(60, 29), Rgb(cl::clWhite)) << "no bottom side";

    label->SetBorderOuter(TFrameStyle::None);
    label->SetCaption("WWWW");
    label->Font()->SetColor(cl::clBlack);
    label->SetHighlightColor(cl::clLime);
    label->SetShadowColor(cl::clBlue);
    const struct {
        TTextStyle style;
        bool light;
        bool highlight, shadow;
    } cases[] = {
        {TTextStyle::Normal, false, false, false}, {TTextStyle::Raised, false, true, true},
        {TTextStyle::Raised, true, true, false},   {TTextStyle::Recessed, true, true, false},
        {TTextStyle::Shadow, false, false, true},
    };
    for (const auto& c : cases) {
        label->SetTextStyle(c.style);
        label->SetLightTextStyle(c.light);
        TPaintSurface text(120, 30);
        text.Paint(*label);
        const TRect all{0, 0, 120, 30};
        EXPECT_EQ(text.Count(cl::clLime, all) > 0, c.highlight) << static_cast<int>(c.style) << c.light;
        EXPECT_EQ(text.Count(cl::clBlue, all) > 0, c.shadow) << static_cast<int>(c.style) << c.light;
        EXPECT_GT(text.Count(cl::clBlack, all), 0);
    }

    // See-through: nothing but the text is painted.
    label->SetTextStyle(TTextStyle::Normal);
    label->SetTransparent(true);
    TPaintSurface clear(120, 30);
    clear.Paint(*label);
    EXPECT_EQ(clear.At(119, 29), TPaintSurface::kBackground);
}

TEST_F(LabelTest, RightToLeftReadingPutsTheTextAtTheRightEdgeWhateverItsAlignment) {
    auto* label = AddLabel("WW");
    label->SetColor(cl::clWhite);
    label->Font()->SetColor(cl::clBlack);
    const struct {
        TBiDiMode mode;
        bool atRight;
    } cases[] = {{TBiDiMode::LeftToRight, false},
                 {TBiDiMode::RightToLeftReadingOnly, true},
                 {TBiDiMode::RightToLeftNoAlign, true},
                 {TBiDiMode::RightToLeft, true}};
    for (const auto& c : cases) {
        form->SetBiDiMode(c.mode);  // the label reads as its form does
        TPaintSurface s(120, 30);
        s.Paint(*label);
        EXPECT_EQ(s.Count(cl::clBlack, {0, 0, 60, 30}) > 0, !c.atRight) << static_cast<int>(c.mode);
        EXPECT_EQ(s.Count(cl::clBlack, {60, 0, 120, 30}) > 0, c.atRight) << static_cast<int>(c.mode);
    }
}

TEST_F(LabelTest, TurnedAndCurvedTextIsPainted) {
    auto* label = AddLabel("Round and round");
    label->SetBounds(10, 10, 120, 120);
    label->Font()->SetName("Tahoma");
    label->Font()->SetColor(cl::clBlack);
    label->SetColor(cl::clWhite);
    for (TRotation rotation : {TRotation::Flat, TRotation::Curve}) {
        label->SetRotation(rotation);
        label->SetAngle(rotation == TRotation::Flat ? 45 : 90);
        TPaintSurface s(120, 120);
        s.Paint(*label);
        EXPECT_GT(s.Count(cl::clBlack, {0, 0, 120, 120}), 20) << static_cast<int>(rotation);
    }
}

TEST_F(LabelTest, FormResourcesTurnTheTextAndSkipRetiredProperties) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    cl::TForm root(nullptr);
    cl::ReadFormResource(root, R"(
object F: TForm
  object L: TMwLabel
    Angle = 30
    FrameSides = [sdLeft, sdTop]
    Font.Color = clMaroon
    Caption = "Old"
  end
end
)",
                         "F");
    auto* label = dynamic_cast<TMwLabel*>(root.FindComponent("L"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Angle(), 30);
    EXPECT_EQ(label->Rotation(), TRotation::Flat);
    EXPECT_EQ(label->DrawnColor(), cl::clMaroon);
}

TEST_F(LabelTest, AURLLabelOpensItsAddressOrCaptionAndTurnsVisited) {
    std::vector<std::string> opened;
    bool succeed = true;
    const TMwURLLabel::TShellOpen saved = TMwURLLabel::ShellOpen();
    TMwURLLabel::ShellOpen() = [&](SHELLEXECUTEINFOA& info) {
        opened.push_back(std::string(info.lpVerb) + " " + info.lpFile);
        EXPECT_EQ(info.fMask, 0x540u);
        EXPECT_EQ(info.nShow, SW_SHOWNORMAL);
        return succeed;
    };
    auto* link = AddLabel<TMwURLLabel>("  https://caption.example/  ");
    EXPECT_EQ(link->Font()->Color(), cl::clHighlight);
    EXPECT_TRUE(link->Font()->Style() & cl::fsUnderline);
    EXPECT_EQ(link->Cursor(), crMwHandPoint);
    const HCURSOR hand = cl::Screen().CursorHandle(crMwHandPoint);
    EXPECT_NE(hand, nullptr);
    EXPECT_NE(hand, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND))) << "the program's own hand";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    int clicks = 0;
    link->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicks; });

    succeed = false;
    link->SetURL("   ");
    link->Click();
    EXPECT_FALSE(link->Visited()) << "a failed open";

    succeed = true;
    SendMessageA(link->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(link->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(link->Visited());
    EXPECT_EQ(link->Font()->Color(), static_cast<cl::TColor>(0x800080));

    link->SetURL(" https://url.example/ ");
    link->Click();
    link->SetCaption(" ");
    link->SetURL("");
    link->Click();
    EXPECT_EQ(opened, (std::vector<std::string>{"Open https://caption.example/", "Open https://caption.example/",
                                                 "Open https://url.example/"}));
    EXPECT_EQ(clicks, 4) << "the label's click runs first, even with nothing to open";

    link->SetVisitedColor(cl::clGreen);
    EXPECT_EQ(link->Font()->Color(), cl::clGreen);
    link->SetVisited(false);
    EXPECT_EQ(link->Font()->Color(), cl::clHighlight);
    TMwURLLabel::ShellOpen() = saved;
}

}  // namespace
