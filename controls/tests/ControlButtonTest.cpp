// The control button under Wine: repeated clicks while held, the glyph's image count, and the
// classic and themed faces of each style.

#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/basic/MwControlButton.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/tests/FakeThemes.h"
#include "controls/tests/PaintSurface.h"

namespace {

class ControlButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 200, 100);
        form->Show();
        button = new TMwControlButton(form);
        button->SetParent(form);
        button->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ++clicks; });
    }
    void Press() { SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Release(int x = 5) { SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 5)); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwControlButton* button = nullptr;
    int clicks = 0;
};

TEST_F(ControlButtonTest, HeldDownItRepeatsItsClickUntilReleased) {
    EXPECT_EQ(button->Width(), 17);
    EXPECT_EQ(button->Height(), 21);
    button->SetRepeatClicks(true);
    Press();
    ASSERT_NE(button->RepeatTimer(), nullptr);
    EXPECT_TRUE(button->RepeatTimer()->Enabled());
    EXPECT_EQ(button->RepeatTimer()->Interval(), 400);
    button->RepeatTimer()->Fire();
    button->RepeatTimer()->Fire();
    EXPECT_EQ(button->RepeatTimer()->Interval(), 100);
    EXPECT_EQ(clicks, 2);
    Release();
    EXPECT_EQ(clicks, 3) << "the release inside clicks too";
    EXPECT_FALSE(button->RepeatTimer()->Enabled());

    Press();
    Release(40);
    EXPECT_EQ(clicks, 3) << "released outside: no click";

    button->OnClick = cl::TNotifyEvent::FromFunction([](cl::TObject*) { throw std::runtime_error("no room"); });
    std::vector<std::string> errors;
    app.OnException = [&](const std::string& message) { errors.push_back(message); };
    Press();
    button->RepeatTimer()->Fire();
    EXPECT_EQ(errors, std::vector<std::string>{"no room"});
    EXPECT_FALSE(button->RepeatTimer()->Enabled()) << "a failing click stops the repeats";
    Release(40);
}

TEST_F(ControlButtonTest, AGlyphOfSquareImagesSetsTheImageCount) {
    struct Case {
        int width, numGlyphs;
    };
    for (const Case& c : {Case{48, 3}, Case{80, 1}, Case{16, 1}, Case{32, 2}}) {
        mw::TMemoryBitmap strip(nullptr, c.width, 16);
        button->SetGlyph(strip.Bitmap());
        EXPECT_EQ(button->NumGlyphs(), c.numGlyphs) << c.width;
    }
}

TEST_F(ControlButtonTest, ClassicFacesFollowFlatAndThePress) {
    button->SetColor(static_cast<cl::TColor>(RGB(10, 200, 30)));
    TPaintSurface atRest(17, 21);
    button->SetFlat(true);
    atRest.Paint(*button);
    EXPECT_EQ(atRest.At(0, 0), RGB(10, 200, 30)) << "a flat button at rest has no border";
    button->SetFlat(false);
    Press();
    TPaintSurface down(17, 21);
    down.Paint(*button);
    EXPECT_EQ(down.At(0, 0), cl::ColorToRGB(cl::clBtnShadow)) << "a one-ring shadow when down";
    EXPECT_EQ(down.At(16, 20), cl::ColorToRGB(cl::clBtnShadow));
    Release();
}

TEST_F(ControlButtonTest, ThemedStylesDrawTheirElements) {
    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    struct Case {
        TMwControlButtonStyle style;
        bool enabled, down;
        const char* themeClass;
        int part, state;
    } cases[] = {
        {TMwControlButtonStyle::None, true, false, "scrollbar", 2, 1},
        {TMwControlButtonStyle::None, true, true, "scrollbar", 2, 3},
        {TMwControlButtonStyle::Left, true, false, "spin", 4, 1},
        {TMwControlButtonStyle::Right, true, true, "spin", 3, 3},
        {TMwControlButtonStyle::Up, false, false, "spin", 1, 4},
        {TMwControlButtonStyle::Down, true, false, "spin", 2, 1},
        {TMwControlButtonStyle::DropDown, true, false, "combobox", 1, 1},
    };
    for (const Case& c : cases) {
        button->SetStyle(c.style);
        button->SetEnabled(c.enabled);
        if (c.down) Press();
        themes.Forget();
        TPaintSurface s(17, 21);
        s.Paint(*button);
        const std::vector<TDrawnElement> drawn = themes.Drawn();
        ASSERT_EQ(drawn.size(), 1u) << static_cast<int>(c.style);
        EXPECT_EQ(drawn[0].themeClass, c.themeClass) << static_cast<int>(c.style);
        EXPECT_EQ(drawn[0].part, c.part) << static_cast<int>(c.style);
        EXPECT_EQ(drawn[0].state, c.state) << static_cast<int>(c.style);
        if (c.style == TMwControlButtonStyle::None) {
            EXPECT_EQ(drawn[0].rect.left, -1) << "the thumb's outline falls outside, clipped";
        }
        if (c.down) Release();
    }
    button->SetEnabled(true);
    button->SetFlat(true);
    button->SetColor(static_cast<cl::TColor>(RGB(10, 200, 30)));
    themes.Forget();
    TPaintSurface flat(17, 21);
    flat.Paint(*button);
    EXPECT_EQ(flat.At(0, 0), RGB(10, 200, 30)) << "a flat button at rest is filled with its colour, no element";
}

}  // namespace
