// The radio button and the check box under Wine: exclusive radio sets, checking by focus,
// mouse, arrow and accelerator, the check box's state cycle with Space and Escape, Enter
// acting as Tab, custom glyph strips and hot-track glyphs painted into memory bitmaps, and
// old form resources.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Edit.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwButton.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwRadioButton.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;
using namespace mw;

COLORREF Rgb(cl::TColor color) { return cl::ColorToRGB(color); }

// A strip of solid images, each size x size, in the given colours.
class TStrip {
public:
    TStrip(const std::vector<cl::TColor>& colors, int size) {
        HDC screen = GetDC(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen, size * static_cast<int>(colors.size()), size));
        HDC dc = CreateCompatibleDC(screen);
        const HGDIOBJ old = SelectObject(dc, bitmap_.Get());
        for (size_t i = 0; i < colors.size(); ++i)
            FillSolid(dc, TRect::FromBounds(size * static_cast<int>(i), 0, size, size), colors[i]);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    HBITMAP Bitmap() const { return bitmap_.Get(); }

private:
    cl::TBitmapHandle bitmap_;
};

class GlyphButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 300);
        form->SetColor(kFormColor);
        form->Show();
    }

    template <class T>
    T* Add(const std::string& caption, int top, cl::TControl* parent = nullptr) {
        auto* button = new T(form);
        button->SetParent(parent ? parent : form);
        button->SetBounds(10, top, 150, 20);
        button->SetCaption(caption);
        button->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject* sender) {
            clicks.push_back(static_cast<cl::TControl*>(sender)->Caption());
        });
        return button;
    }

    static void Mouse(cl::TControl* control, UINT msg) {
        SendMessageA(control->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
    }
    static void Click(cl::TControl* control) {
        Mouse(control, WM_LBUTTONDOWN);
        Mouse(control, WM_LBUTTONUP);
    }
    static void Key(cl::TControl* control, UINT msg, WPARAM key) { SendMessageA(control->Handle(), msg, key, 0); }

    static constexpr cl::TColor kFormColor = 0x3080C0;
    cl::TApplication app;
    cl::TForm* form = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(GlyphButtonTest, CheckingARadioButtonUnchecksItsSiblingsOnly) {
    auto* one = Add<TMwRadioButton>("One", 10);
    auto* two = Add<TMwRadioButton>("Two", 35);
    auto* panel = new TMwPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 100, 200, 60);
    auto* other = Add<TMwRadioButton>("Other", 5, panel);
    other->SetChecked(true);
    clicks.clear();

    one->SetChecked(true);
    two->SetChecked(true);
    EXPECT_FALSE(one->Checked());
    EXPECT_TRUE(two->Checked());
    EXPECT_TRUE(other->Checked()) << "another parent's set";
    EXPECT_EQ(clicks, (std::vector<std::string>{"One", "Two"})) << "only the newly checked button clicks";
    EXPECT_FALSE(one->TabStop());
    EXPECT_TRUE(two->TabStop()) << "Tab reaches the checked button of the set";
    two->SetChecked(true);
    EXPECT_EQ(clicks.size(), 2u) << "no change, no click";
    EXPECT_EQ(SendMessageA(two->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(GlyphButtonTest, RightToLeftAlignmentPutsTheCaptionAndItsFocusRectangleAtTheRight) {
    auto* box = Add<TMwCheckBox>("Ab", 10);
    box->SetColor(cl::clWhite);
    box->Font()->SetColor(cl::clRed);
    box->SetFocus();
    const TRect nearGlyph{20, 0, 60, 20}, farEnd{110, 0, 150, 20};  // away from the glyph
    for (const bool rightToLeft : {false, true}) {
        box->SetBiDiMode(rightToLeft ? TBiDiMode::RightToLeft : TBiDiMode::LeftToRight);
        TPaintSurface s(150, 20);
        s.Paint(*box);
        EXPECT_EQ(s.Count(cl::clRed, farEnd) > 0, rightToLeft);
        EXPECT_EQ(s.Count(cl::clRed, nearGlyph) > 0, !rightToLeft);
        // The dotted focus rectangle hugs the caption.
        EXPECT_EQ(s.Count(cl::clBlack, farEnd) > 0, rightToLeft);
        EXPECT_EQ(s.Count(cl::clBlack, nearGlyph) > 0, !rightToLeft);
    }
}

TEST_F(GlyphButtonTest, TheKeyboardFocusChecksARadioButtonAndAMouseClickChecksItOnce) {
    auto* one = Add<TMwRadioButton>("One", 10);
    auto* two = Add<TMwRadioButton>("&Two", 35);
    two->SetFocus();
    EXPECT_TRUE(two->Checked());
    EXPECT_EQ(clicks, std::vector<std::string>{"&Two"});

    Mouse(one, WM_LBUTTONDOWN);
    EXPECT_TRUE(one->Focused());
    EXPECT_FALSE(one->Checked()) << "a press focuses without checking";
    Mouse(one, WM_LBUTTONUP);
    EXPECT_TRUE(one->Checked());
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Two", "One"}));

    // Down arrow clicks the focused button; the caption's accelerator focuses (and checks) it.
    EXPECT_EQ(SendMessageA(one->Handle(), cl::CM_DIALOGKEY, VK_DOWN, 0), 1);
    EXPECT_EQ(SendMessageA(one->Handle(), cl::CM_DIALOGKEY, VK_DOWN, cl::ssShift), 0);
    EXPECT_EQ(clicks.back(), "One");
    EXPECT_EQ(clicks.size(), 3u);
    EXPECT_EQ(SendMessageA(two->Handle(), cl::CM_DIALOGCHAR, 't', 0), 1);
    EXPECT_TRUE(two->Focused());
    EXPECT_TRUE(two->Checked());
    EXPECT_EQ(SendMessageA(one->Handle(), cl::CM_DIALOGCHAR, 't', 0), 0);
    two->SetEnabled(false);
    EXPECT_EQ(SendMessageA(two->Handle(), cl::CM_DIALOGCHAR, 't', 0), 0);

    // A click sent to the window (BM_CLICK) checks it like the user's.
    SendMessageA(one->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(one->Checked());
}

TEST_F(GlyphButtonTest, ACheckBoxStepsThroughItsStatesOnClicks) {
    using S = TCheckBoxState;
    const struct {
        bool allowGrayed;
        std::vector<S> states;
    } cases[] = {{true, {S::Grayed, S::Checked, S::Unchecked}}, {false, {S::Checked, S::Unchecked, S::Checked}}};
    for (const auto& c : cases) {
        auto* box = Add<TMwCheckBox>("Box", 10);
        box->SetAllowGrayed(c.allowGrayed);
        std::vector<S> seen;
        for (size_t i = 0; i < c.states.size(); ++i) {
            Click(box);
            seen.push_back(box->State());
        }
        EXPECT_EQ(seen, c.states) << c.allowGrayed;
        EXPECT_EQ(clicks.size(), c.states.size());
        clicks.clear();
        cl::Free(box);
    }
    auto* box = Add<TMwCheckBox>("&Box", 10);
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(box->Handle(), cl::CM_DIALOGCHAR, 'b', 0), 1);
    EXPECT_FALSE(box->Checked());
    box->SetState(S::Grayed);
    EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(GlyphButtonTest, SpaceShowsThePressedGlyphAndEscapeCancelsTheToggle) {
    auto* box = Add<TMwCheckBox>("Box", 10);
    const cl::TColor unchecked = 0x102030, pressed = 0x405060;
    TStrip strip({unchecked, 0x111111, 0x222222, pressed, 0x333333, 0x444444, 0x555555, 0x666666, 0x777777}, 13);
    box->SetCustomGlyphs(strip.Bitmap());
    box->SetFocus();
    auto glyphColor = [&] {
        TPaintSurface s(150, 20);
        s.Paint(*box);
        return s.At(6, 8);  // inside the glyph at (0, 2)
    };
    EXPECT_EQ(glyphColor(), Rgb(unchecked));

    Key(box, WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(box->PressedLook());
    EXPECT_EQ(glyphColor(), Rgb(pressed));
    Key(box, WM_KEYUP, VK_SPACE);
    EXPECT_FALSE(box->PressedLook());
    EXPECT_TRUE(box->Checked());

    Key(box, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(SendMessageA(box->Handle(), cl::CM_DIALOGKEY, VK_ESCAPE, 0), 1);
    EXPECT_FALSE(box->PressedLook());
    Key(box, WM_KEYUP, VK_SPACE);
    EXPECT_TRUE(box->Checked()) << "Escape cancelled the toggle";
    EXPECT_EQ(SendMessageA(box->Handle(), cl::CM_DIALOGKEY, VK_ESCAPE, 0), 0) << "Escape is the form's again";
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(GlyphButtonTest, ACustomStripGivesTheGlyphItsSizeAndStateImages) {
    auto* radio = Add<TMwRadioButton>("Radio", 10);
    const std::vector<cl::TColor> colors{0x102030, 0x405060, 0x708090, 0xA0B0C0, 0x203040, 0x506070};
    TStrip strip(colors, 16);
    radio->SetCustomGlyphs(strip.Bitmap());
    EXPECT_TRUE(radio->UseCustomGlyphs());
    EXPECT_EQ(radio->GlyphSize(), (TGlyphSize{16, 16}));

    const struct {
        bool checked, enabled;
        int index;
    } cases[] = {{false, true, 0}, {true, true, 1}, {false, false, 4}, {true, false, 5}};
    for (const auto& c : cases) {
        radio->SetChecked(c.checked);
        radio->SetEnabled(c.enabled);
        TPaintSurface s(150, 20);
        s.Paint(*radio);
        EXPECT_EQ(s.At(8, 10), Rgb(colors[static_cast<size_t>(c.index)])) << c.index;
    }
    radio->SetEnabled(true);

    // The glyph moves to the right edge and sinks to the bottom with the alignments.
    radio->SetAlignment(cl::TAlignment::LeftJustify);
    radio->SetAlignmentVertical(TAlignmentVertical::Bottom);
    EXPECT_EQ(radio->GlyphRect(), TRect::FromBounds(134, 2, 16, 16));

    radio->SetCustomGlyphs(nullptr);
    EXPECT_FALSE(radio->UseCustomGlyphs());
    EXPECT_EQ(radio->GlyphSize(), (TGlyphSize{13, 13}));
}

TEST_F(GlyphButtonTest, HotTrackGlyphsTakeTheControlsColoursAndKeepAFrameInTheTransparentColour) {
    auto* radio = Add<TMwRadioButton>("Radio", 10);
    radio->SetColor(cl::clWhite);
    radio->SetHotTrack(true);
    const TRect glyph = radio->GlyphRect();
    {
        radio->SetFrameColor(cl::clRed);
        TPaintSurface s(150, 20);
        s.Paint(*radio);
        if (s.Count(cl::clRed, glyph) == 0) GTEST_SKIP() << "the program carries no glyph bitmaps";
        EXPECT_EQ(s.Count(cl::clOlive, {0, 0, 150, 20}), 0) << "the outside is the control's colour";
    }
    radio->SetFrameColor(cl::clOlive);
    TPaintSurface s(150, 20);
    s.Paint(*radio);
    EXPECT_GT(s.Count(cl::clOlive + 1, glyph), 0) << "the ring shows one step off the transparent colour";
    EXPECT_EQ(s.Count(cl::clOlive, {0, 0, 150, 20}), 0);

    // The classic glyph is the system's: a white face with a dark ring, disabled or not.
    radio->SetHotTrack(false);
    TPaintSurface classic(150, 20);
    classic.Paint(*radio);
    EXPECT_GT(classic.Count(cl::clWindow, glyph), 0);
    EXPECT_EQ(classic.Count(cl::clOlive, {0, 0, 150, 20}), 0);
}

TEST_F(GlyphButtonTest, ATransparentButtonShowsItsParentBehindIt) {
    auto* box = Add<TMwCheckBox>("", 10);
    box->SetColor(cl::clWhite);
    TPaintSurface opaque(150, 20);
    opaque.EraseAndPaint(*box);
    EXPECT_EQ(opaque.At(140, 10), Rgb(cl::clWhite));
    box->SetTransparent(true);
    TPaintSurface through(150, 20);
    through.EraseAndPaint(*box);
    EXPECT_EQ(through.At(140, 10), Rgb(kFormColor));
}

TEST_F(GlyphButtonTest, EnterActsAsTabWhenAsked) {
    auto* box = Add<TMwCheckBox>("Box", 10);
    auto* edit = new cl::TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 60, 100, 21);
    auto* ok = Add<TMwButton>("OK", 100);
    ok->SetDefault(true);
    auto pressEnter = [&] {
        box->SetFocus();
        PostMessageA(box->Handle(), WM_KEYDOWN, VK_RETURN, 0);
        app.ProcessMessages();
    };

    pressEnter();
    EXPECT_EQ(clicks, std::vector<std::string>{"OK"}) << "Enter reaches the default button";
    clicks.clear();
    box->SetTabOnEnter(true);
    pressEnter();
    EXPECT_TRUE(edit->Focused()) << "Enter moved on like Tab";
    EXPECT_TRUE(clicks.empty());
}

TEST_F(GlyphButtonTest, AFrameControllerWithAVisibleFrameSetsTheGlyphColours) {
    auto* box = Add<TMwCheckBox>("Box", 10);
    auto* controller = new TMwFrameController(form);
    controller->SetFrameColor(cl::clRed);
    controller->SetDisabledColor(cl::clYellow);
    box->SetFrameController(controller);
    EXPECT_EQ(box->FrameColor(), cl::clBtnShadow) << "an invisible frame leaves the colours";
    controller->SetFrameVisible(true);
    EXPECT_EQ(box->FrameColor(), cl::clRed);
    EXPECT_EQ(box->DisabledColor(), cl::clYellow);
    cl::Free(controller);
    EXPECT_EQ(box->FrameController(), nullptr);
}

TEST_F(GlyphButtonTest, FormResourcesSetTheStatesAndReadTheRetiredFlat) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    cl::TForm root(nullptr);
    cl::ReadFormResource(root, R"(
object F: TForm
  object R1: TMwRadioButton
    Checked = True
    Flat = True
  end
  object C1: TMwCheckBox
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
  end
end
)",
                         "F");
    auto* radio = dynamic_cast<TMwRadioButton*>(root.FindComponent("R1"));
    auto* box = dynamic_cast<TMwCheckBox*>(root.FindComponent("C1"));
    ASSERT_NE(radio, nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(radio->Checked());
    EXPECT_TRUE(radio->HotTrack());
    EXPECT_EQ(box->State(), TCheckBoxState::Grayed);
    EXPECT_EQ(box->Alignment(), cl::TAlignment::LeftJustify);
    EXPECT_EQ(box->AlignmentVertical(), TAlignmentVertical::Top);
}

TEST_F(GlyphButtonTest, ACheckBoxFollowsItsActionWhileTheyAgree) {
    auto* action = new cl::TAction(form);
    action->SetCaption("Play sounds");
    action->SetChecked(true);
    int executed = 0;
    action->OnExecute = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++executed; });
    auto* check = new TMwCheckBox(form);
    check->SetParent(form);
    check->SetBounds(10, 10, 150, 20);
    check->SetAction(action);
    EXPECT_EQ(check->Caption(), "Play sounds");
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(executed, 0) << "taking the action's state is no click";

    action->SetChecked(false);
    EXPECT_FALSE(check->Checked());
    EXPECT_TRUE(check->ActionLink().IsCheckedLinked());
    SendMessageA(check->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(executed, 1) << "a click runs the action";
    EXPECT_FALSE(check->ActionLink().IsCheckedLinked());
    action->SetEnabled(false);
    EXPECT_FALSE(check->Enabled());
    EXPECT_TRUE(check->Checked()) << "no longer linked: the user's choice stays";

    auto* radio = new TMwRadioButton(form);
    radio->SetParent(form);
    radio->SetBounds(10, 40, 150, 20);
    auto* choice = new cl::TAction(form);
    radio->SetAction(choice);
    choice->SetChecked(true);
    EXPECT_TRUE(radio->Checked());
    delete choice;
    EXPECT_EQ(radio->Action(), nullptr);
}

}  // namespace
