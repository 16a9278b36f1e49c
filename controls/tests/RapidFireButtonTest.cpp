// The rapid-fire button: repeated clicks while held, driven through its timer's test seam,
// and its scroll-arrow glyphs.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Timer.h"
#include "controls/basic/MwRapidFireButton.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;

class RapidFireButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 200, 100);
        button = new TMwRapidFireButton(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 23, 22);
        button->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ++clicks; });
        form->Show();
    }

    void Mouse(UINT msg, int x, int y) {
        SendMessageA(button->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    // The repeat timer, once the button has made it.
    cl::TTimer* Timer() {
        for (int i = 0; i < button->ComponentCount(); ++i)
            if (auto* timer = dynamic_cast<cl::TTimer*>(button->Components(i))) return timer;
        return nullptr;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwRapidFireButton* button = nullptr;
    int clicks = 0;
};

TEST_F(RapidFireButtonTest, HeldButtonClicksAfterTheInitialDelayThenEveryDelay) {
    EXPECT_EQ(Timer(), nullptr) << "made at the first press";
    Mouse(WM_LBUTTONDOWN, 5, 5);
    ASSERT_NE(Timer(), nullptr);
    EXPECT_TRUE(Timer()->Enabled());
    EXPECT_EQ(Timer()->Interval(), 400);
    EXPECT_EQ(clicks, 0);

    Timer()->Fire();  // 400 ms
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Timer()->Interval(), 100);
    for (int i = 0; i < 6; ++i) Timer()->Fire();  // 500 ... 1000 ms
    EXPECT_EQ(clicks, 7);

    Mouse(WM_MOUSEMOVE, 40, 5);
    EXPECT_FALSE(button->Pressed());
    Timer()->Fire();
    EXPECT_EQ(clicks, 7) << "no repeats while the pointer is off the button";
    Mouse(WM_MOUSEMOVE, 5, 5);
    Timer()->Fire();
    EXPECT_EQ(clicks, 8);

    Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 9) << "the release on the button is a click too";
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_FALSE(button->Pressed());
}

TEST_F(RapidFireButtonTest, ReleaseOffTheButtonStopsWithoutAClick) {
    button->SetInitialDelay(250);
    button->SetDelay(70000);
    EXPECT_EQ(button->Delay(), 65535) << "delays are 16-bit";
    Mouse(WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(Timer()->Interval(), 250);
    Mouse(WM_LBUTTONUP, 50, 50);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(Timer()->Enabled());
    Timer()->Fire();
    EXPECT_EQ(clicks, 0) << "a late tick without the capture does nothing";

    button->SetRepeatClicks(false);
    Mouse(WM_LBUTTONDOWN, 5, 5);
    EXPECT_FALSE(Timer()->Enabled());
    Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RapidFireButtonTest, AFailingClickStopsTheRepeats) {
    std::string reported;
    app.OnException = [&](const std::string& message) { reported = message; };
    button->OnClick = cl::TNotifyEvent::FromFunction([](cl::TObject*) { throw cl::Exception("scroll failed"); });
    Mouse(WM_LBUTTONDOWN, 5, 5);
    Timer()->Fire();
    EXPECT_EQ(reported, "scroll failed");
    EXPECT_FALSE(Timer()->Enabled());
    Mouse(WM_LBUTTONUP, 50, 50);
}

TEST_F(RapidFireButtonTest, ScrollStylesDrawTheirArrowAsTheGlyph) {
    struct Case {
        TMwScrollStyle style;
        int width, height;
    };
    const Case cases[] = {{TMwScrollStyle::Left, 9, 9}, {TMwScrollStyle::Up, 9, 6}, {TMwScrollStyle::Right, 9, 9},
                          {TMwScrollStyle::Down, 9, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(mw::kScrollStyleNames.NameOf(static_cast<int>(c.style)));
        button->SetEnabled(true);
        button->SetScrollStyle(c.style);
        EXPECT_EQ(button->Glyph().Width(), c.width);
        EXPECT_EQ(button->Glyph().Height(), c.height);
        const TRect glyph = mw::CentredRect(button->ClientRect(), c.width, c.height);
        TPaintSurface enabled(23, 22);
        enabled.EraseAndPaint(*button);
        EXPECT_GT(enabled.Count(cl::clBtnText, glyph), 2) << "a dark arrow";

        button->SetEnabled(false);
        TPaintSurface disabled(23, 22);
        disabled.EraseAndPaint(*button);
        EXPECT_EQ(disabled.Count(cl::clBtnText, glyph), 0) << "greyed out while disabled";
        EXPECT_GT(disabled.Count(cl::clBtnShadow, glyph), 2);
    }
    button->SetScrollStyle(TMwScrollStyle::None);
    EXPECT_TRUE(button->Glyph().Empty());
}

TEST_F(RapidFireButtonTest, FocusRectangleIsDrawnOnlyWhenAskedFor) {
    TPaintSurface without(23, 22), with(23, 22);
    without.EraseAndPaint(*button);
    button->SetShowFocusRect(true);
    with.EraseAndPaint(*button);
    // Dotted, three pixels in from the edges.
    int changedOnTheRectangle = 0, changedElsewhere = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 23; ++x) {
            const bool onRectangle = ((x == 3 || x == 19) && y >= 3 && y <= 18) || ((y == 3 || y == 18) && x >= 3 && x <= 19);
            (onRectangle ? changedOnTheRectangle : changedElsewhere) += with.At(x, y) != without.At(x, y) ? 1 : 0;
        }
    EXPECT_GT(changedOnTheRectangle, 20);
    EXPECT_EQ(changedElsewhere, 0);
}

TEST_F(RapidFireButtonTest, ButtonsOfAGroupLatchOneAtATime) {
    auto make = [&](int left, int group) {
        auto* b = new TMwRapidFireButton(form);
        b->SetParent(form);
        b->SetBounds(left, 40, 23, 22);
        b->SetGroupIndex(group);
        return b;
    };
    TMwRapidFireButton *a = make(10, 1), *b = make(40, 1), *c = make(70, 2);
    int clicksOfB = 0;
    b->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicksOfB; });
    auto click = [&](TMwRapidFireButton* target) {
        return [this, target] {
            SendMessageA(target->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            SendMessageA(target->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        };
    };
    auto states = [&] {
        std::string s;
        for (auto* x : {a, b, c, button}) s += x->Down() ? 'D' : '-';
        return s;
    };
    const struct {
        const char* step;
        std::function<void()> action;
        const char* downs;  // a, b, c and the button of no group
    } steps[] = {
        {"click a", click(a), "D---"},
        {"click b", click(b), "-D--"},
        {"click b again", click(b), "-D--"},
        {"c of another group down", [&] { c->SetDown(true); }, "-DD-"},
        {"b allows all up", [&] { b->SetAllowAllUp(true); }, "-DD-"},
        {"click b once more", click(b), "--D-"},
        {"a down", [&] { a->SetDown(true); }, "D-D-"},
        {"a up", [&] { a->SetDown(false); }, "--D-"},
        {"click the button of no group", click(button), "--D-"},
        {"the button of no group down", [&] { button->SetDown(true); }, "--D-"},
    };
    for (const auto& step : steps) {
        step.action();
        EXPECT_EQ(states(), step.downs) << step.step;
    }
    EXPECT_TRUE(a->AllowAllUp()) << "the group shares AllowAllUp";
    EXPECT_FALSE(c->AllowAllUp());
    EXPECT_EQ(clicksOfB, 3) << "a click whether the button latches, comes up or stays down";
}

// The bounds of the arrow (its dark pixels) in the button's glyph.
TRect ArrowBounds(const TMwGlyph& glyph) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, glyph.Handle());
    TRect bounds{glyph.Width(), glyph.Height(), -1, -1};
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (GetPixel(dc, x, y) == cl::ColorToRGB(cl::clBtnText)) {
                bounds = {std::min<int>(bounds.left, x), std::min<int>(bounds.top, y), std::max<int>(bounds.right, x + 1),
                          std::max<int>(bounds.bottom, y + 1)};
            }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bounds;
}

TEST_F(RapidFireButtonTest, ALatchedButtonShowsItsArrowPushed) {
    button->SetScrollStyle(TMwScrollStyle::Right);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    const TRect up = ArrowBounds(button->Glyph());
    ASSERT_GT(up.Width(), 0);
    button->SetDown(true);
    const TRect down = ArrowBounds(button->Glyph());
    EXPECT_EQ(down.left, up.left + 1);
    EXPECT_EQ(down.top, up.top + 1);
    button->SetDown(false);
    EXPECT_EQ(ArrowBounds(button->Glyph()).left, up.left);
}

TEST_F(RapidFireButtonTest, AFlatButtonShowsItsBorderOnlyUnderThePointerOrPressed) {
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    const struct {
        const char* state;
        bool flat;
        std::function<void()> action;
        cl::TColor topLeft, bottomRight;
    } cases[] = {
        {"flat", true, [] {}, cl::clBtnFace, cl::clBtnFace},
        {"flat under the pointer", true, [&] { Mouse(WM_MOUSEMOVE, 5, 5); }, cl::clBtnHighlight, cl::clBtnShadow},
        {"flat and down", true, [&] { button->SetDown(true); }, cl::clBtnShadow, cl::clBtnHighlight},
        {"flat, up, pointer gone", true,
         [&] {
             button->SetDown(false);
             SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
         },
         cl::clBtnFace, cl::clBtnFace},
        {"raised", false, [] {}, cl::clBtnHighlight, cl::cl3DDkShadow},
    };
    for (const auto& c : cases) {
        button->SetFlat(c.flat);
        c.action();
        TPaintSurface surface(23, 22);
        surface.EraseAndPaint(*button);
        EXPECT_EQ(surface.At(0, 5), cl::ColorToRGB(c.topLeft)) << c.state;
        EXPECT_EQ(surface.At(22, 5), cl::ColorToRGB(c.bottomRight)) << c.state;
    }
}

TEST_F(RapidFireButtonTest, TheCaptionStandsRightOfTheGlyph) {
    button->SetBounds(10, 10, 80, 22);
    button->SetScrollStyle(TMwScrollStyle::Right);
    // The columns that show dark pixels, leftmost and rightmost.
    auto darkColumns = [&] {
        TPaintSurface surface(80, 22);
        surface.EraseAndPaint(*button);
        int first = -1, last = -1;
        for (int x = 2; x < 78; ++x)
            if (surface.Count(cl::clBtnText, TRect{x, 2, x + 1, 20}) > 0) {
                if (first < 0) first = x;
                last = x;
            }
        return std::make_pair(first, last);
    };
    const auto glyphOnly = darkColumns();
    button->SetCaption("Go");
    const auto withCaption = darkColumns();
    EXPECT_LT(withCaption.first, glyphOnly.first) << "glyph and caption are centred together";
    EXPECT_GT(withCaption.second, glyphOnly.second + 4) << "the caption follows the glyph";
}

}  // namespace
