// The toolbar and its tool buttons under Wine: the settings the toolbar hands its buttons
// through its messages, automatic sizing, the background, latching groups, the drop-down menu,
// the images per state, and the themed looks drawn through the stand-in theme library.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Menus.h"
#include "controls/basic/MwToolButton.h"
#include "controls/basic/MwToolbar.h"
#include "controls/basic/MwToolbarButton.h"
#include "controls/foundation/ColorShades.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/tests/FakeThemes.h"
#include "controls/tests/PaintSurface.h"

namespace {

using cl::TRect;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0), kOlive = RGB(128, 128, 0),
                   kMagenta = RGB(255, 0, 255);

// A bitmap of 16 x 16 images side by side in the given colours, each with an olive lower-left
// pixel (the list's mask colour).
cl::TBitmapHandle Strip(const std::vector<COLORREF>& colours) {
    const int width = 16 * static_cast<int>(colours.size());
    HDC screen = GetDC(nullptr);
    cl::TBitmapHandle bitmap(CreateCompatibleBitmap(screen, width, 16));
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    {
        cl::TSelectObject select(dc, bitmap.Get());
        for (size_t i = 0; i < colours.size(); ++i) {
            const int x = static_cast<int>(i) * 16;
            mw::FillSolid(dc, {x, 0, x + 16, 16}, static_cast<cl::TColor>(colours[i]));
            SetPixel(dc, x, 15, kOlive);
        }
    }
    DeleteDC(dc);
    return bitmap;
}

// A control of the platform's page-scroller class, as far as the toolbar can tell.
class TPageScroller : public cl::TCustomControl {
    CL_CLASS_INFO()
public:
    explicit TPageScroller(cl::TComponent* owner) : cl::TCustomControl(owner) {}
};

}  // namespace

const cl::TClassInfo& TPageScroller::StaticClass() {
    static const auto info = cl::TClassBuilder<TPageScroller>("TPageScroller", cl::TCustomControl::StaticClass()).Build();
    return *info;
}

namespace {

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 200);
        form->Show();
        toolbar = new TMwToolbar(form);
        toolbar->SetParent(form);
    }
    void TearDown() override { cl::TPopupMenu::PopupHook() = nullptr; }

    TMwToolButton* AddButton(const std::string& caption = "") {
        auto* button = new TMwToolButton(form);
        button->SetCaption(caption);
        button->SetParent(toolbar);
        return button;
    }
    static void Press(cl::TControl* control, int x, int y) {
        SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    static void Release(cl::TControl* control, int x, int y) {
        SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    static void ClickAt(cl::TControl* control, int x, int y) {
        Press(control, x, y);
        Release(control, x, y);
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwToolbar* toolbar = nullptr;
};

TEST_F(ToolbarTest, TextOptionsSetTheButtonMetricsThatTheButtonsFollow) {
    TMwToolButton* button = AddButton("Open the archive");
    struct Case {
        TMwToolbarTextOptions options;
        TButtonLayout layout;
        int buttonWidth, buttonHeight;
        bool captions;
        int rowHeight;
    } cases[] = {
        {TMwToolbarTextOptions::ShowTextLabels, TButtonLayout::GlyphTop, 60, 40, true, 40},
        {TMwToolbarTextOptions::SelectiveTextOnRight, TButtonLayout::GlyphLeft, 60, 25, true, 25},
        {TMwToolbarTextOptions::NoTextLabels, TButtonLayout::GlyphLeft, 25, 25, false, 25},
    };
    for (const Case& c : cases) {
        toolbar->SetTextOptions(c.options);
        EXPECT_EQ(toolbar->TextOptions(), c.options) << "set through TextOptions, it stays";
        EXPECT_EQ(toolbar->ButtonLayout(), c.layout);
        EXPECT_EQ(toolbar->ButtonWidth(), c.buttonWidth);
        EXPECT_EQ(toolbar->RowHeight(), c.rowHeight);
        EXPECT_EQ(button->ShowCaption(), c.captions);
        EXPECT_EQ(button->Layout(), c.layout);
        EXPECT_EQ(button->Height(), c.buttonHeight);
        if (!c.captions) {
            EXPECT_EQ(button->Width(), c.buttonWidth);
        }
    }
    toolbar->SetButtonWidth(30);
    EXPECT_EQ(toolbar->TextOptions(), TMwToolbarTextOptions::Custom);
    EXPECT_EQ(button->Width(), 30);
}

TEST_F(ToolbarTest, ACaptionedButtonGrowsToItsTextAndStopsFollowingWhenSizedByHand) {
    TMwToolButton* button = AddButton("A rather long caption");
    auto* images = new cl::TImageList(form);
    toolbar->SetImages(images);
    toolbar->SetShowButtonCaptions(true);
    toolbar->SetButtonWidth(26);  // the size message refits the buttons
    HDC dc = GetDC(nullptr);
    SIZE text{};
    {
        cl::TSelectObject font(dc, button->Font()->Handle());
        GetTextExtentPoint32A(dc, button->Caption().c_str(), static_cast<int>(button->Caption().size()), &text);
    }
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(button->Width(), 16 + text.cx + 12) << "image, text and 12";
    button->SetToolStyle(TMwToolStyle::DropDown);
    EXPECT_EQ(button->Width(), 16 + text.cx + 12 + 14) << "the arrow part";
    EXPECT_EQ(button->GroupIndex(), 0);

    button->SetWidth(50);
    EXPECT_FALSE(button->UseToolbarButtonSize());
    toolbar->SetButtonHeight(33);
    EXPECT_EQ(button->Width(), 50);
    EXPECT_EQ(button->Height(), 25);
    button->SetUseToolbarButtonSize(true);
    EXPECT_EQ(button->Height(), 33) << "following again";
}

TEST_F(ToolbarTest, AutoResizeFitsTheRowsAndTellsTheParent) {
    auto* host = new cl::TCustomControl(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 100, 150);
    toolbar->SetParent(host);
    std::vector<TMwToolButton*> buttons;
    for (int i = 0; i < 4; ++i) {
        buttons.push_back(AddButton());
        buttons.back()->SetWidth(30);
    }
    EXPECT_EQ(toolbar->Width(), 100);
    EXPECT_EQ(buttons[2]->Top(), buttons[0]->Top());
    EXPECT_EQ(buttons[3]->BoundsRect(), TRect::FromBounds(4, 27, 30, 25)) << "the fourth starts row 2";
    EXPECT_EQ(toolbar->Height(), 2 * 25 + 4);

    MSG pending{};
    while (PeekMessageA(&pending, host->Handle(), WM_SIZE, WM_SIZE, PM_REMOVE)) {
    }
    buttons[3]->SetVisible(false);
    toolbar->PositionControls();
    EXPECT_EQ(toolbar->Height(), 29);
    EXPECT_TRUE(PeekMessageA(&pending, host->Handle(), WM_SIZE, WM_SIZE, PM_REMOVE)) << "the parent lays out again";
    EXPECT_EQ(LOWORD(pending.lParam), 100);

    auto* scroller = new TPageScroller(form);
    scroller->SetParent(form);
    toolbar->SetParent(scroller);
    EXPECT_FALSE(toolbar->AutoResize());
    toolbar->SetAutoResize(true);
    EXPECT_FALSE(toolbar->AutoResize()) << "a page scroller sizes the toolbar itself";
}

TEST_F(ToolbarTest, RightToLeftAlignmentPlacesTheRowsFromTheRightEdge) {
    TMwToolButton* first = AddButton();
    TMwToolButton* second = AddButton();
    second->SetWidth(30);
    const int width = toolbar->Width();
    const struct {
        TBiDiMode mode;
        int firstLeft, secondLeft;
    } cases[] = {{TBiDiMode::RightToLeft, width - 25 - 4, width - 30 - 29},
                 {TBiDiMode::RightToLeftReadingOnly, 4, 29},  // the reading alone does not move them
                 {TBiDiMode::LeftToRight, 4, 29}};
    for (const auto& c : cases) {
        toolbar->SetBiDiMode(c.mode);
        EXPECT_EQ(first->Left(), c.firstLeft) << static_cast<int>(c.mode);
        EXPECT_EQ(second->Left(), c.secondLeft) << static_cast<int>(c.mode);
    }
}

TEST_F(ToolbarTest, TheBackgroundIsTiledInsideTheBordersUnlessThemed) {
    toolbar->SetAlign(cl::TAlign::None);
    toolbar->SetBounds(0, 0, 100, 40);
    const cl::TBitmapHandle tile = Strip({kBlue});
    toolbar->SetBackground(tile.Get());
    TPaintSurface classic(100, 40);
    classic.Paint(*toolbar);
    EXPECT_EQ(classic.At(50, 20), kBlue);
    EXPECT_EQ(classic.At(99, 39), kBlue) << "the last tile is cut at the edge";
    EXPECT_NE(classic.At(50, 0), kBlue) << "the groove on top stays";

    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    TPaintSurface themed(100, 40);
    themed.Paint(*toolbar);
    const std::vector<TDrawnElement> drawn = themes.Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].themeClass, "rebar");
    EXPECT_EQ(drawn[0].part, 0);
    EXPECT_EQ(drawn[0].state, 2);
    EXPECT_EQ(drawn[0].rect.right, 100);
    EXPECT_NE(themed.At(50, 20), kBlue);
}

TEST_F(ToolbarTest, GroupedButtonsLatchOneAtATime) {
    TMwToolButton* a = AddButton();
    TMwToolButton* b = AddButton();
    TMwToolButton* other = AddButton();
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    int clicks = 0;
    b->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicks; });

    ClickAt(a, 5, 5);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), TMwToolButton::bsLatched);
    ClickAt(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "released by its group";
    EXPECT_TRUE(other->Down()) << "another group";
    EXPECT_EQ(clicks, 1);
    ClickAt(b, 5, 5);
    EXPECT_TRUE(b->Down()) << "a latched button stays down without AllowAllUp";

    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "the group shares AllowAllUp";
    ClickAt(b, 5, 5);
    EXPECT_FALSE(b->Down());

    Press(a, 5, 5);
    Release(a, 40, 40);
    EXPECT_FALSE(a->Down()) << "released outside: no click";
}

TEST_F(ToolbarTest, AButtonAndItsActionShareDownAndTheImage) {
    TMwToolButton* source = AddButton("Bold");
    source->SetGroupIndex(3);
    source->SetDown(true);
    source->SetImageIndex(4);
    source->SetHint("Bold text");
    int clicks = 0;
    source->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicks; });

    auto* action = new cl::TAction(form);
    source->AssignTo(*action);
    EXPECT_TRUE(action->Checked()) << "Down becomes Checked";
    EXPECT_EQ(action->ImageIndex(), 4);
    EXPECT_EQ(action->Caption(), "Bold");
    EXPECT_EQ(action->Hint(), "Bold text");
    action->Execute();
    EXPECT_EQ(clicks, 1) << "the click handler becomes the action's";

    TMwToolButton* linked = AddButton();
    linked->SetGroupIndex(5);
    linked->SetAllowAllUp(true);
    linked->SetAction(action);
    EXPECT_TRUE(linked->Down());
    EXPECT_EQ(linked->ImageIndex(), 4);
    action->SetChecked(false);
    action->SetImageIndex(6);
    EXPECT_FALSE(linked->Down()) << "Checked drives Down while they agree";
    EXPECT_EQ(linked->ImageIndex(), 6);
    linked->SetImageIndex(1);
    action->SetImageIndex(7);
    EXPECT_EQ(linked->ImageIndex(), 1) << "an image of the button's own no longer follows";
}

TEST_F(ToolbarTest, TheArrowOpensTheMenuOnceAndTheLeftPartClicks) {
    TMwToolButton* button = AddButton();
    button->SetToolStyle(TMwToolStyle::DropDown);
    auto* menu = new cl::TPopupMenu(form);
    auto* item = new cl::TMenuItem(form);
    item->SetCaption("First");
    menu->Items()->Add(item);
    button->SetDropDownMenu(menu);
    std::vector<std::string> log;
    button->OnDropDown = cl::TNotifyEvent::FromFunction(
        [&](cl::TObject* sender) { log.push_back(sender == menu ? "drop-down(menu)" : "drop-down(?)"); });
    cl::TPopupMenu::PopupHook() = [&](cl::TPopupMenu& shown, int, int) -> cl::TMenuItem* {
        log.push_back(shown.PopupComponent() == button ? "popup" : "popup(?)");
        return nullptr;
    };

    const int arrowX = button->Width() - 5;
    Press(button, arrowX, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"drop-down(menu)", "popup"}));
    Press(button, arrowX, 5);  // the press that closed the menu comes straight after
    Release(button, arrowX, 5);
    EXPECT_EQ(log.size(), 2u) << "the click that closes the menu does not reopen it";

    button->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { log.push_back("click"); });
    log.clear();
    ClickAt(button, 3, 5);
    EXPECT_EQ(log, std::vector<std::string>{"click"}) << "the left part clicks";
    ClickAt(button, arrowX, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "drop-down(menu)", "popup"})) << "the arrow opens the menu";
}

TEST_F(ToolbarTest, EachStateDrawsItsOwnImage) {
    auto* images = new cl::TImageList(form);
    const cl::TBitmapHandle strip = Strip({kRed, kBlue, kGreen});
    images->AddMasked(strip.Get(), static_cast<cl::TColor>(kOlive));
    toolbar->SetImages(images);
    TMwToolButton* button = AddButton();
    button->SetImageIndex(0);
    button->SetDownIndex(1);
    button->SetDisabledIndex(2);
    struct Case {
        const char* name;
        bool enabled, pressed;
        COLORREF expected;
    } cases[] = {
        {"up", true, false, kRed},
        {"pressed", true, true, kBlue},
        {"disabled, undimmed", false, false, kGreen},
    };
    for (const Case& c : cases) {
        button->SetEnabled(c.enabled);
        if (c.pressed) Press(button, 5, 5);
        TPaintSurface s(25, 25);
        s.Paint(*button);
        const TRect r = mw::ToolButtonImageRect({25, 25, false, 16, 16, 0, true, TButtonLayout::GlyphLeft, c.pressed});
        EXPECT_EQ(s.At(r.left + 8, r.top + 8), c.expected) << c.name;
        if (c.pressed) Release(button, 40, 40);
    }
}

TEST_F(ToolbarTest, ALatchedClassicButtonShowsACheckerboardOfItsColour) {
    TMwToolButton* button = AddButton();
    button->SetGroupIndex(1);
    button->SetDown(true);
    button->SetTransparent(false);
    button->SetColor(static_cast<cl::TColor>(RGB(200, 100, 50)));
    TPaintSurface s(25, 25);
    s.Paint(*button);
    const COLORREF light = cl::ColorToRGB(mw::LightenColor(button->Color(), 20));
    EXPECT_EQ(s.Count(button->Color(), {3, 3, 21, 21}) + s.Count(static_cast<cl::TColor>(light), {3, 3, 21, 21}), 18 * 18);
    EXPECT_GT(s.Count(static_cast<cl::TColor>(light), {3, 3, 21, 21}), 100);
}

TEST_F(ToolbarTest, ThemedFacesUseTheToolbarAndPushButtonElements) {
    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    TMwToolButton* button = AddButton();
    button->SetGroupIndex(1);
    struct Case {
        const char* name;
        bool flat, down, pressed;
        int part, state;
    } cases[] = {
        {"flat at rest", true, false, false, 1, 1},
        {"flat pressed", true, false, true, 1, 3},
        {"flat latched", true, true, false, 1, 5},
        {"raised at rest", false, false, false, 1, 1},
        {"raised pressed", false, false, true, 1, 3},
    };
    for (const Case& c : cases) {
        button->SetFlat(c.flat);
        button->SetAllowAllUp(true);
        button->SetDown(c.down);
        if (c.pressed) Press(button, 5, 5);
        themes.Forget();
        TPaintSurface s(25, 25);
        s.Paint(*button);
        const std::vector<TDrawnElement> drawn = themes.Drawn();
        ASSERT_EQ(drawn.size(), 1u) << c.name;
        EXPECT_EQ(drawn[0].themeClass, c.flat ? "toolbar" : "button") << c.name;
        EXPECT_EQ(drawn[0].part, c.part) << c.name;
        EXPECT_EQ(drawn[0].state, c.state) << c.name;
        if (c.pressed) Release(button, 40, 40);
    }

    button->SetGroupIndex(0);
    button->SetFlat(true);
    button->SetToolStyle(TMwToolStyle::DropDown);
    button->OnClick = cl::TNotifyEvent::FromFunction([](cl::TObject*) {});
    themes.Forget();
    TPaintSurface split(button->Width(), 25);
    split.Paint(*button);
    const std::vector<TDrawnElement> drawn = themes.Drawn();
    ASSERT_EQ(drawn.size(), 2u) << "split button, then its drop-down part";
    EXPECT_EQ(drawn[0].part, 3);
    EXPECT_EQ(drawn[0].rect.right, button->Width() - 14);
    EXPECT_EQ(drawn[1].part, 4);
    EXPECT_EQ(drawn[1].rect.left, button->Width() - 14);
}

TEST_F(ToolbarTest, AToolbarButtonKeepsAHiddenCaptionAndSwapsInItsHotGlyph) {
    auto* button = new TMwToolbarButton(form);
    button->SetParent(toolbar);
    button->SetButtonCaption("&Stop");
    toolbar->SetTextOptions(TMwToolbarTextOptions::ShowTextLabels);
    EXPECT_EQ(button->Width(), 60);
    EXPECT_EQ(button->Height(), 40);
    EXPECT_EQ(button->Layout(), TButtonLayout::GlyphTop);
    toolbar->SetTextOptions(TMwToolbarTextOptions::NoTextLabels);
    EXPECT_EQ(button->Caption(), "") << "hidden";
    EXPECT_EQ(button->SavedCaption(), "&Stop");
    button->SetButtonCaption("&Go");
    button->SetShowCaption(true);
    EXPECT_EQ(button->Caption(), "&Go") << "the caption set while hidden comes back";

    const cl::TBitmapHandle hot = Strip({kRed, kBlue});
    button->SetHotGlyph(hot.Get());
    EXPECT_TRUE(button->UseHotGlyph());
    EXPECT_EQ(button->HotNumGlyphs(), 2);
    SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(button->ShowsHotGlyph());
    SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button->ShowsHotGlyph());

    int clicks = 0;
    button->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicks; });
    button->SetGroupIndex(1);
    EXPECT_EQ(SendMessageA(button->Handle(), cl::CM_DIALOGCHAR, 'g', 0), 1);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolbarTest, ATransparentButtonShowsTheToolbarBehindItsFace) {
    toolbar->SetAlign(cl::TAlign::None);
    toolbar->SetBounds(0, 0, 100, 40);
    const cl::TBitmapHandle tile = Strip({kBlue});
    toolbar->SetBackground(tile.Get());
    TMwToolButton* button = AddButton();
    button->SetColor(static_cast<cl::TColor>(kRed));
    for (const bool transparent : {true, false}) {
        button->SetTransparent(transparent);
        TPaintSurface s(25, 25);
        s.EraseAndPaint(*button);
        EXPECT_EQ(s.At(12, 12), transparent ? kBlue : kRed) << "the tiled background, or the button's colour";
    }

    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    std::strcpy(themes.State().fillClass, "rebar");
    themes.State().fillColor = kGreen;
    button->SetTransparent(true);
    TPaintSurface s(25, 25);
    s.EraseAndPaint(*button);
    themes.State().fillClass[0] = 0;
    EXPECT_EQ(s.At(12, 12), kGreen) << "the themed band";
}

// The colour of a pixel of a glyph's bitmap.
COLORREF GlyphPixel(const TMwGlyph& glyph, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    COLORREF color;
    {
        cl::TSelectObject select(dc, glyph.Handle());
        color = GetPixel(dc, x, y);
    }
    DeleteDC(dc);
    return color;
}

TEST_F(ToolbarTest, AToolbarButtonTakesItsActionsImageAsItsGlyph) {
    auto* images = new cl::TImageList(form);
    const cl::TBitmapHandle strip = Strip({kRed, kBlue});
    images->AddMasked(strip.Get(), static_cast<cl::TColor>(kOlive));
    auto* actions = new cl::TActionList(form);
    actions->SetImages(images);
    auto* action = new cl::TAction(form);
    action->SetActionList(actions);
    action->SetImageIndex(1);
    auto* button = new TMwToolbarButton(form);
    button->SetParent(toolbar);
    button->SetAction(action);
    ASSERT_FALSE(button->Glyph().Empty());
    EXPECT_EQ(button->Glyph().Width(), 16);
    EXPECT_EQ(button->Glyph().Height(), 16);
    EXPECT_EQ(GlyphPixel(button->Glyph(), 8, 8), kBlue);
    EXPECT_EQ(GlyphPixel(button->Glyph(), 0, 15), kMagenta) << "on magenta where the image leaves it out";

    struct Case {
        int imageIndex;
        COLORREF expected;
    };
    for (const Case& c : {Case{0, kRed}, Case{2, kRed}, Case{-1, kRed}}) {
        action->SetImageIndex(c.imageIndex);
        EXPECT_EQ(GlyphPixel(button->Glyph(), 8, 8), c.expected) << "image " << c.imageIndex << ": none keeps the glyph";
    }
}

TEST_F(ToolbarTest, AToolbarButtonLooksPressedOnlyWhileHeldOverItAndCountsBothClicksOfADoubleClick) {
    auto* button = new TMwToolbarButton(form);
    button->SetParent(toolbar);
    int clicks = 0;
    button->OnClick = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++clicks; });
    const auto edge = [&] {
        TPaintSurface s(button->Width(), button->Height());
        s.Paint(*button);
        return s.At(0, 10);  // a flat button's left edge: shadow while it looks pressed
    };
    const COLORREF shadow = cl::ColorToRGB(cl::clBtnShadow);

    Press(button, 3, 3);
    EXPECT_EQ(edge(), shadow);
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 40));
    EXPECT_NE(edge(), shadow) << "dragged off";
    SendMessageA(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(edge(), shadow) << "back on it";
    Release(button, 3, 3);
    EXPECT_EQ(clicks, 1);

    clicks = 0;
    Press(button, 3, 3);
    Release(button, 3, 3);
    SendMessageA(button->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    Release(button, 3, 3);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ToolbarTest, FormResourcesMayStoreTheButtonsAbout) {
    for (const cl::TClassInfo* info : {&TMwToolbar::StaticClass(), &TMwToolButton::StaticClass(), &TMwToolbarButton::StaticClass()})
        cl::TClassRegistry::Register(*info);
    auto* stored = new cl::TForm(&app);
    cl::ReadFormResource(*stored,
                         "object Stored: TForm\n"
                         "  object Bar: TMwToolbar\n"
                         "    object Tool: TMwToolButton\n"
                         "      About = aiMerrowComponents\n"
                         "    end\n"
                         "    object Speed: TMwToolbarButton\n"
                         "      About = aiMerrowComponents\n"
                         "    end\n"
                         "  end\n"
                         "end\n",
                         "STORED");
    EXPECT_NE(dynamic_cast<TMwToolButton*>(stored->FindComponent("Tool")), nullptr);
    EXPECT_NE(dynamic_cast<TMwToolbarButton*>(stored->FindComponent("Speed")), nullptr);
}

}  // namespace
