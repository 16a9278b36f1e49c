// The push button: presses by mouse and Space, the modal result, latching groups, Enter,
// Escape and accelerators through the dialog manager, the default frame following the focus,
// and its classic and hot-track looks painted into memory bitmaps.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Button.h"
#include "classlib/win/Edit.h"
#include "classlib/win/Form.h"
#include "controls/basic/ButtonFace.h"
#include "controls/basic/MwButton.h"
#include "controls/foundation/ColorShades.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;
using namespace mw;

COLORREF Rgb(cl::TColor color) { return cl::ColorToRGB(color); }

// Holds the given keys down in this thread's keyboard state while it lives.
class THeldKeys {
public:
    explicit THeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~THeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 200);
        form->SetColor(kFormColor);
        edit = new cl::TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 150, 100, 21);
        form->Show();
    }

    TMwButton* AddButton(const std::string& caption, int left) {
        auto* button = new TMwButton(form);
        button->SetParent(form);
        button->SetBounds(left, 10, 75, 25);
        button->SetCaption(caption);
        button->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject* sender) {
            clicks.push_back(static_cast<TMwButton*>(sender)->Caption());
        });
        return button;
    }

    static void Mouse(cl::TControl* control, UINT msg, int x, int y) {
        SendMessageA(control->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    static void Click(cl::TControl* control) {
        Mouse(control, WM_LBUTTONDOWN, 10, 10);
        Mouse(control, WM_LBUTTONUP, 10, 10);
    }
    // A key as the message loop hands it to the dialog manager: true when it took the key.
    bool DialogKey(UINT msg, WPARAM key) {
        MSG m{GetFocus(), msg, key, 0, 0, {}};
        return IsDialogMessageA(form->Handle(), &m) != FALSE;
    }

    static constexpr cl::TColor kFormColor = 0x3080C0;
    cl::TApplication app;
    cl::TForm* form = nullptr;
    cl::TEdit* edit = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(ButtonTest, APressTogglesOnlyWhenReleasedOnTheButton) {
    TMwButton* button = AddButton("Go", 10);
    Mouse(button, WM_LBUTTONDOWN, 10, 10);
    EXPECT_TRUE(button->Focused()) << "a press takes the focus";
    EXPECT_TRUE(button->PressedLook());
    Mouse(button, WM_MOUSEMOVE, 10, 25);  // the row below the button is outside
    EXPECT_FALSE(button->PressedLook());
    Mouse(button, WM_MOUSEMOVE, 74, 24);
    EXPECT_TRUE(button->PressedLook()) << "back on the button before the release";
    Mouse(button, WM_LBUTTONUP, 74, 24);
    EXPECT_FALSE(button->PressedLook());
    EXPECT_EQ(clicks, std::vector<std::string>{"Go"}) << "one click, no second one from the plain control";

    Mouse(button, WM_LBUTTONDOWN, 10, 10);
    Mouse(button, WM_LBUTTONUP, 75, 10);
    EXPECT_EQ(clicks.size(), 1u) << "released beside the button";

    Mouse(button, WM_LBUTTONDBLCLK, 10, 10);
    Mouse(button, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks.size(), 2u) << "the second press of a double click clicks too";

    button->SetEnabled(false);
    Mouse(button, WM_LBUTTONDOWN, 10, 10);
    Mouse(button, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_FALSE(button->PressedLook());
}

TEST_F(ButtonTest, SpaceReleaseClicksAButtonItWentDownOn) {
    TMwButton* button = AddButton("Go", 10);
    SendMessageA(button->Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(clicks.empty()) << "Space went down elsewhere";
    SendMessageA(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(button->PressedLook());
    SendMessageA(button->Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(button->PressedLook());
    EXPECT_EQ(clicks, std::vector<std::string>{"Go"});
}

TEST_F(ButtonTest, TheFormHasTheModalResultBeforeTheClickHandlerRuns) {
    TMwButton* button = AddButton("Stop", 10);
    button->SetModalResult(cl::mrAbort);
    int seen = -1;
    button->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { seen = form->ModalResult(); });
    Click(button);
    EXPECT_EQ(seen, cl::mrAbort);

    // A handler that fails leaves the button ready for the next press.
    button->OnClick = cl::TNotifyEvent::FromFunction([](cl::TObject*) { throw cl::Exception("failed"); });
    std::string reported;
    app.OnException = [&](const std::string& message) { reported = message; };
    Click(button);
    EXPECT_EQ(reported, "failed");
    button->SetModalResult(cl::mrNone);
    button->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { seen = form->ModalResult(); });
    Click(button);
    EXPECT_EQ(seen, cl::mrNone) << "the modal result is handed on even when it is none";
}

TEST_F(ButtonTest, LatchedButtonsOfAGroupReleaseEachOther) {
    TMwButton* a = AddButton("a", 10);
    TMwButton* b = AddButton("b", 90);
    TMwButton* other = AddButton("other", 170);
    TMwButton* plain = AddButton("plain", 250);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);

    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "a button without a group never stays down";
    other->SetDown(true);
    a->SetDown(true);
    EXPECT_TRUE(a->Down());
    Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "released by its group";
    EXPECT_TRUE(other->Down()) << "another group";

    Click(b);
    EXPECT_TRUE(b->Down()) << "a latched button is not released by itself";
    EXPECT_EQ(clicks, (std::vector<std::string>{"b", "b"})) << "but it still clicks";

    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "the group shares AllowAllUp";
    EXPECT_FALSE(other->AllowAllUp());
    Click(b);
    EXPECT_FALSE(b->Down());

    // A latched button taken out of its group no longer waits for the group to release it.
    other->SetGroupIndex(0);
    other->SetDown(false);
    EXPECT_FALSE(other->Down());
}

TEST_F(ButtonTest, EnterClicksTheActiveButtonAndEscapeTheCancelButton) {
    TMwButton* ok = AddButton("OK", 10);
    TMwButton* other = AddButton("Other", 90);
    TMwButton* cancel = AddButton("Cancel", 170);
    ok->SetDefault(true);
    cancel->SetCancel(true);

    edit->SetFocus();
    EXPECT_TRUE(ok->Active());
    EXPECT_TRUE(DialogKey(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(DialogKey(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_EQ(clicks, (std::vector<std::string>{"OK", "Cancel"}));

    clicks.clear();
    other->SetFocus();
    EXPECT_FALSE(ok->Active()) << "a focused button takes the default frame";
    EXPECT_TRUE(other->Active());
    DialogKey(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks, std::vector<std::string>{"Other"});

    clicks.clear();
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        THeldKeys held{key};
        DialogKey(WM_KEYDOWN, VK_RETURN);
        DialogKey(WM_KEYDOWN, VK_ESCAPE);
        edit->SetFocus();
        DialogKey(WM_KEYDOWN, VK_RETURN);
        other->SetFocus();
    }
    EXPECT_TRUE(clicks.empty());

    cancel->SetEnabled(false);
    DialogKey(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(clicks.empty()) << "a disabled button takes no key";
}

TEST_F(ButtonTest, TheDefaultFrameFollowsTheFocus) {
    TMwButton* ok = AddButton("OK", 10);
    TMwButton* other = AddButton("Other", 90);
    ok->SetDefault(true);
    EXPECT_TRUE(ok->Active()) << "made active with its window";
    other->SetFocus();
    EXPECT_FALSE(ok->Active());
    edit->SetFocus();
    EXPECT_TRUE(ok->Active());
    EXPECT_FALSE(other->Active());

    // A platform push button takes the frame as well, and gives it back when it loses the focus.
    auto* platform = new cl::TButton(form);
    platform->SetParent(form);
    platform->SetBounds(250, 10, 75, 25);
    platform->SetFocus();
    EXPECT_FALSE(ok->Active());
    edit->SetFocus();
    EXPECT_TRUE(ok->Active());

    // Changing Default tells every button at once.
    other->SetDefault(true);
    ok->SetDefault(false);
    EXPECT_TRUE(other->Active());
    EXPECT_FALSE(ok->Active());
}

TEST_F(ButtonTest, TheCaptionsAcceleratorClicksTheButton) {
    TMwButton* go = AddButton("&Go", 10);
    TMwButton* stop = AddButton("S&top", 90);
    go->SetFocus();
    EXPECT_TRUE(DialogKey(WM_CHAR, 't'));
    EXPECT_EQ(clicks, std::vector<std::string>{"S&top"});
    stop->SetEnabled(false);
    DialogKey(WM_CHAR, 't');
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonTest, ClassicLookDrawsTheDefaultFrameAroundTheRaisedBorder) {
    TMwButton* ok = AddButton("OK", 10);
    TMwButton* other = AddButton("Other", 90);
    ok->SetDefault(true);
    edit->SetFocus();
    TPaintSurface defaultLook(75, 25), plainLook(75, 25), pressedLook(75, 25);
    defaultLook.EraseAndPaint(*ok);
    plainLook.EraseAndPaint(*other);
    EXPECT_EQ(defaultLook.At(0, 12), Rgb(cl::clWindowFrame));
    EXPECT_EQ(defaultLook.At(1, 12), Rgb(cl::clBtnHighlight));
    EXPECT_EQ(defaultLook.At(73, 12), Rgb(cl::cl3DDkShadow));
    EXPECT_EQ(plainLook.At(0, 12), Rgb(cl::clBtnHighlight));
    EXPECT_EQ(plainLook.At(1, 12), Rgb(cl::cl3DLight));
    EXPECT_EQ(plainLook.At(74, 12), Rgb(cl::cl3DDkShadow));

    Mouse(ok, WM_LBUTTONDOWN, 10, 10);
    pressedLook.EraseAndPaint(*ok);
    Mouse(ok, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(pressedLook.At(0, 12), Rgb(cl::clBtnText)) << "a pressed button loses the default frame";
    EXPECT_EQ(pressedLook.At(1, 12), Rgb(cl::clBtnShadow));
}

// The smallest rectangle holding every pixel of the colour.
TRect Bounds(const TPaintSurface& s, COLORREF color, const TRect& area) {
    TRect box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (s.At(x, y) == color) box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    return box;
}

TEST_F(ButtonTest, CaptionIsDrawnInItsTextStyleWhereItsAlignmentPutsIt) {
    constexpr COLORREF kText = RGB(0xC0, 0, 0), kShadow = RGB(0, 0xC0, 0);
    TMwButton* button = AddButton("Wide", 10);
    button->SetBounds(10, 10, 75, 60);
    button->Font()->SetColor(static_cast<cl::TColor>(kText));
    button->SetTextShadowColor(static_cast<cl::TColor>(kShadow));
    button->SetTextStyle(TTextStyle::Shadow);
    const TRect inside{5, 5, 70, 55};

    TPaintSurface centred(75, 60);
    centred.EraseAndPaint(*button);
    const TRect text = Bounds(centred, kText, inside), shadow = Bounds(centred, kShadow, inside);
    ASSERT_LT(text.left, text.right) << "the caption was drawn";
    // The caption covers part of its shadow, but not the far edges.
    EXPECT_EQ(shadow.right, text.right + 2) << "the shadow lies TextShadowDepth down and right";
    EXPECT_EQ(shadow.bottom, text.bottom + 2);
    EXPECT_NEAR((text.top + text.bottom) / 2, 30, 3);

    button->SetAlignmentVertical(TAlignmentVertical::Top);
    TPaintSurface top(75, 60);
    top.EraseAndPaint(*button);
    EXPECT_LT(Bounds(top, kText, inside).top, 10);

    button->SetAlignmentVertical(TAlignmentVertical::Bottom);
    button->SetEnabled(false);
    TPaintSurface disabled(75, 60);
    disabled.EraseAndPaint(*button);
    EXPECT_GT(Bounds(disabled, Rgb(cl::clBtnShadow), inside).bottom, 48) << "at the bottom, etched";
    EXPECT_EQ(disabled.Count(static_cast<cl::TColor>(kText), inside), 0);
}

TEST_F(ButtonTest, RightToLeftAlignmentPutsTheCaptionAtTheRight) {
    constexpr COLORREF kText = RGB(0xC0, 0, 0);
    TMwButton* button = AddButton("Wide", 10);
    button->SetBounds(10, 10, 120, 30);
    button->SetAlignment(cl::TAlignment::LeftJustify);
    button->Font()->SetColor(static_cast<cl::TColor>(kText));
    const TRect inside{5, 5, 115, 25};
    const struct {
        TBiDiMode mode;
        bool atRight;
    } cases[] = {{TBiDiMode::LeftToRight, false}, {TBiDiMode::RightToLeftReadingOnly, false}, {TBiDiMode::RightToLeft, true}};
    for (const auto& c : cases) {
        button->SetBiDiMode(c.mode);
        TPaintSurface s(120, 30);
        s.EraseAndPaint(*button);
        const TRect text = Bounds(s, kText, inside);
        ASSERT_LT(text.left, text.right) << static_cast<int>(c.mode);
        EXPECT_EQ(text.right > 100, c.atRight) << static_cast<int>(c.mode);
        EXPECT_EQ(text.left < 20, !c.atRight) << static_cast<int>(c.mode);
    }
}

TEST_F(ButtonTest, LatchedButtonShowsItsDownPattern) {
    TMwButton* button = AddButton("", 10);
    button->SetGroupIndex(1);
    button->SetDown(true);
    struct Case {
        cl::TColor color;
        cl::TColor dots;
    };
    for (const Case& c : {Case{0xE0E0E0, cl::clSilver}, Case{cl::clSilver, cl::clGray}}) {
        button->SetColor(c.color);
        TPaintSurface s(75, 25);
        s.EraseAndPaint(*button);
        // Inside the lowered border: dots where x and y have the same parity.
        EXPECT_EQ(s.At(8, 8), Rgb(c.dots));
        EXPECT_EQ(s.At(9, 8), Rgb(c.color));
        EXPECT_EQ(s.At(9, 9), Rgb(c.dots));
    }
    button->SetShowDownPattern(false);
    TPaintSurface s(75, 25);
    s.EraseAndPaint(*button);
    EXPECT_EQ(s.At(8, 8), s.At(9, 8));
}

TEST_F(ButtonTest, HotTrackFaceFollowsTheButtonsState) {
    TMwButton* button = AddButton("", 10);
    TMwButton* other = AddButton("", 90);
    button->SetHotTrack(true);
    button->SetColor(0xD0D0D0);
    button->SetHotTrackColor(0x0000FF);
    button->SetHighlightColor(0xFF0000);
    EXPECT_TRUE(button->Transparent()) << "hot tracking shows the parent behind the corners";

    const cl::TColor color = button->Color();
    const cl::TColor complement = HslToRgbColor(ComplementHue(HueOfColor(0x0000FF)), 220, 180);
    const cl::TColor highlight = HslToRgbColor(HueOfColor(0xFF0000), 220, 220);
    struct Case {
        const char* name;
        void (*prepare)(TMwButton* button, TMwButton* other);
        cl::TColor faceRing;  // at (2, 12), the face's outer left ring
        cl::TColor faceTop;   // at (12, 2), its top
    };
    const Case cases[] = {
        {"plain", [](TMwButton*, TMwButton* other) { other->SetFocus(); }, color, LightenColor(color, 20)},
        {"default", [](TMwButton* b, TMwButton*) { b->SetFocus(); }, highlight, highlight},
        {"hot", [](TMwButton* b, TMwButton* other) {
             other->SetFocus();
             Mouse(b, WM_MOUSEMOVE, 30, 12);
         }, complement, complement},
        {"pressed", [](TMwButton* b, TMwButton*) { Mouse(b, WM_LBUTTONDOWN, 30, 12); }, DarkenColor(color, 10),
         DarkenColor(color, 10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(button, other);
        TPaintSurface s(75, 25);
        s.EraseAndPaint(*button);
        Mouse(button, WM_LBUTTONUP, 200, 200);
        EXPECT_EQ(s.At(0, 0), Rgb(kFormColor)) << "the corner shows the parent";
        EXPECT_EQ(s.At(1, 0), Rgb(kFormColor));
        EXPECT_EQ(s.At(0, 12), Rgb(DarkenColor(cl::clBtnFace, 20)));
        EXPECT_EQ(s.At(74, 12), Rgb(LightenColor(cl::clBtnFace, 20)));
        EXPECT_EQ(s.At(1, 1), Rgb(DarkenColor(cl::clBtnFace, 20))) << "the outline's corner is cut";
        EXPECT_EQ(s.At(1, 12), Rgb(DarkenColor(color, 150)));
        EXPECT_EQ(s.At(2, 12), Rgb(c.faceRing));
        EXPECT_EQ(s.At(12, 2), Rgb(c.faceTop));
    }

    button->SetEnabled(false);
    TPaintSurface s(75, 25);
    s.EraseAndPaint(*button);
    EXPECT_EQ(s.At(0, 12), Rgb(kFormColor)) << "disabled: the outer ring is the parent's";
    EXPECT_EQ(s.At(1, 12), Rgb(DarkenColor(color, 80)));
    EXPECT_EQ(s.At(2, 12), Rgb(color));
}

}  // namespace
