// The framed edit and the framed rich edit: what they add to the framing model that the tree
// view's tests already cover (Enter as Tab, alignment, the frame over the edit's border), the
// rich edit's caret line and column with its events, and its wheel scrolling.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwEdit.h"
#include "controls/basic/MwMaskEdit.h"
#include "controls/basic/MwRichEdit.h"

namespace {

constexpr cl::TColor kRed = 0x0000F0, kBlue = 0xF00000, kYellow = 0x00E0E0;

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 400, 300);
        first = NewEdit(10);
        second = NewEdit(40);
        form->Show();
    }
    TMwEdit* NewEdit(int top) {
        auto* edit = new TMwEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, top, 150, 21);
        return edit;
    }
    COLORREF FrameCorner(cl::TControl& control) {
        SendMessageA(control.Handle(), WM_NCPAINT, 1, 0);
        HDC dc = GetWindowDC(control.Handle());
        const COLORREF pixel = GetPixel(dc, 0, 0);
        ReleaseDC(control.Handle(), dc);
        return pixel;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwEdit* first = nullptr;
    TMwEdit* second = nullptr;
};

TEST_F(EditTest, EnterMovesOnLikeTabOnlyWithTabOnEnter) {
    for (const bool tabOnEnter : {false, true}) {
        first->SetTabOnEnter(tabOnEnter);
        first->SetFocus();
        SendMessageA(first->Handle(), WM_CHAR, VK_RETURN, 0);
        app.ProcessMessages();
        EXPECT_EQ(GetFocus(), (tabOnEnter ? second : first)->Handle()) << tabOnEnter;
        EXPECT_EQ(first->Text(), "") << "Enter types nothing into a single-line edit";
        MSG enter{};
        enter.hwnd = first->Handle();
        enter.message = WM_KEYDOWN;
        enter.wParam = VK_RETURN;
        const LRESULT code = SendMessageA(first->Handle(), WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter));
        EXPECT_EQ((code & DLGC_WANTALLKEYS) != 0, tabOnEnter) << "the dialog manager leaves Enter to the edit";
    }
}

TEST_F(EditTest, AlignmentSetsTheWindowStyleAndKeepsTheText) {
    first->SetText("12.50");
    const struct {
        TEditAlignment alignment;
        bool right;
    } cases[] = {{TEditAlignment::RightJustify, true}, {TEditAlignment::LeftJustify, false}};
    for (const auto& c : cases) {
        first->SetAlignment(c.alignment);
        const LONG_PTR style = GetWindowLongPtrA(first->Handle(), GWL_STYLE);
        EXPECT_EQ((style & ES_RIGHT) != 0, c.right);
        EXPECT_EQ(style & ES_MULTILINE, 0);
        EXPECT_EQ(first->Text(), "12.50");
    }
}

TEST_F(EditTest, FrameIsDrawnOverTheBorderAndTurnsHotWithFocus) {
    first->SetFramingPreference(TFramingPreference::CustomFraming);
    first->SetFrameColor(kRed);
    first->SetFrameHotColor(kBlue);
    first->SetFrameHotTrack(true);
    first->SetFocusColor(kYellow);
    second->SetFocus();
    EXPECT_TRUE(first->FrameVisible()) << "hot tracking shows the frame";
    EXPECT_EQ(FrameCorner(*first), cl::ColorToRGB(kRed));
    first->SetFocus();
    EXPECT_EQ(FrameCorner(*first), cl::ColorToRGB(kBlue));
    EXPECT_EQ(first->Color(), kYellow);
    second->SetFocus();
    EXPECT_EQ(first->Color(), cl::clWindow);
}

TEST_F(EditTest, AFlatDropButtonFollowsFocusAndThePointerWithoutHotTracking) {
    second->SetFocus();
    first->SetDropButtonVisible(true);
    first->SetFlatButtons(true);
    first->SetFlatButtonColor(kRed);
    RedrawWindow(first->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    // What the button shows now, without asking the edit to paint.
    auto buttonFace = [&] {
        HDC dc = GetWindowDC(first->Handle());
        const COLORREF pixel = GetPixel(dc, first->Width() - 6, 4);
        ReleaseDC(first->Handle(), dc);
        return pixel;
    };
    const COLORREF idle = cl::ColorToRGB(cl::clWindow), raised = cl::ColorToRGB(kRed);
    ASSERT_EQ(buttonFace(), idle);
    const struct {
        const char* step;
        std::function<void()> action;
        COLORREF face;
    } steps[] = {
        {"focus", [&] { first->SetFocus(); }, raised},
        {"focus gone", [&] { second->SetFocus(); }, idle},
        {"pointer in", [&] { SendMessageA(first->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, raised},
        {"pointer out", [&] { SendMessageA(first->Handle(), WM_MOUSELEAVE, 0, 0); }, idle},
    };
    for (const auto& step : steps) {
        step.action();
        EXPECT_EQ(buttonFace(), step.face) << step.step;
    }
}

TEST_F(EditTest, TheFrameTakesTheParentsNewColour) {
    first->SetFramingPreference(TFramingPreference::CustomFraming);
    first->SetFrameVisible(true);
    first->SetFrameColor(kRed);
    first->SetParentColor(true);
    RedrawWindow(first->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    form->SetColor(kYellow);
    EXPECT_EQ(first->Color(), kYellow);
    HDC dc = GetWindowDC(first->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), cl::ColorToRGB(kRed)) << "the flat frame line";
    EXPECT_EQ(GetPixel(dc, 1, 5), cl::ColorToRGB(kYellow)) << "the ring inside it, in the control's colour";
    ReleaseDC(first->Handle(), dc);
}

TEST_F(EditTest, AParentColouredEditKeepsTheParentsNewColourAcrossFocusChanges) {
    first->SetFramingPreference(TFramingPreference::CustomFraming);
    first->SetFrameHotTrack(true);  // the frame is drawn again on every focus change
    first->SetFrameHotStyle(TFrameStyle::Flat);
    first->SetParentColor(true);
    second->SetFocus();
    form->SetColor(kYellow);
    const struct {
        const char* step;
        std::function<void()> action;
    } steps[] = {
        {"focus in", [&] { first->SetFocus(); }},
        {"focus out", [&] { second->SetFocus(); }},
    };
    for (const auto& step : steps) {
        step.action();
        EXPECT_EQ(first->Color(), kYellow) << step.step;
        SendMessageA(first->Handle(), WM_NCPAINT, 1, 0);
        HDC dc = GetWindowDC(first->Handle());
        EXPECT_EQ(GetPixel(dc, 1, 5), cl::ColorToRGB(kYellow)) << step.step << ": the ring inside the frame";
        ReleaseDC(first->Handle(), dc);
    }
    EXPECT_TRUE(first->ParentColor()) << "a focus change is no colour of the program's own";
    form->SetColor(kBlue);
    EXPECT_EQ(first->Color(), kBlue) << "still follows the parent";
}

TEST_F(EditTest, FormResourcesReadTheRetiredFramePropertiesOfTheEditAndTheRichEdit) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    auto* root = new cl::TForm(&app);
    cl::ReadFormResource(*root,
                         "object F: TForm\n"
                         "  object E: TMwEdit\n    FrameFlat = True\n  end\n"
                         "  object R: TMwRichEdit\n    FrameFocusStyle = fsRaised\n    FrameFlatStyle = fsFlat\n  end\n"
                         "end\n",
                         "Old");
    auto* edit = dynamic_cast<TMwEdit*>(root->FindComponent("E"));
    auto* rich = dynamic_cast<TMwRichEdit*>(root->FindComponent("R"));
    ASSERT_TRUE(edit && rich);
    EXPECT_TRUE(edit->FrameHotTrack());
    EXPECT_EQ(edit->FrameStyle(), TFrameStyle::Status);
    EXPECT_EQ(edit->FrameHotStyle(), TFrameStyle::Lowered);
    EXPECT_EQ(rich->FrameHotStyle(), TFrameStyle::Raised);
    EXPECT_FALSE(rich->FrameHotTrack());
}

TEST_F(EditTest, TheDropButtonTakesItsStripAndRunsDropDownThenCloseUp) {
    const int clientWidth = first->ClientWidth();
    first->SetDropButtonVisible(true);
    EXPECT_EQ(first->ClientWidth(), clientWidth - GetSystemMetrics(SM_CXVSCROLL));
    std::vector<std::string> events;
    first->OnDropDown = cl::TNotifyEvent::FromFunction([&](cl::TObject*) {
        events.push_back(first->DroppedDown() ? "dropdown" : "dropdown, not dropped");
    });
    first->OnCloseUp = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { events.push_back("closeup"); });
    second->SetFocus();

    RECT window;
    GetWindowRect(first->Handle(), &window);
    const POINT inButton{window.right - 4, (window.top + window.bottom) / 2};
    EXPECT_EQ(SendMessageA(first->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inButton.x, inButton.y)), HTCLIENT);
    SendMessageA(first->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first->ClientWidth() + 4, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "closeup"}));
    EXPECT_TRUE(first->Focused()) << "the press focuses the edit";
    EXPECT_FALSE(first->DroppedDown());
    EXPECT_EQ(GetCapture(), nullptr);

    SendMessageA(first->Handle(), WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    EXPECT_EQ(events.size(), 4u) << "Alt+Down presses it too";
    // A click in the text area is no press.
    SendMessageA(first->Handle(), WM_NCHITTEST, 0, MAKELPARAM(window.left + 5, inButton.y));
    SendMessageA(first->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(first->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(EditTest, RightToLeftReadingPutsTheDropButtonAtTheLeftEdge) {
    first->SetDropButtonVisible(true);
    first->SetFlatButtons(true);
    first->SetFlatButtonColor(kRed);
    first->SetFocus();  // a focused flat button is raised in its colour
    const int strip = GetSystemMetrics(SM_CXVSCROLL);
    for (const bool rightToLeft : {true, false}) {
        first->SetBiDiMode(rightToLeft ? TBiDiMode::RightToLeftReadingOnly : TBiDiMode::LeftToRight);
        RedrawWindow(first->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetWindowDC(first->Handle());
        EXPECT_EQ(GetPixel(dc, 6, 4) == cl::ColorToRGB(kRed), rightToLeft);
        EXPECT_EQ(GetPixel(dc, first->Width() - 6, 4) == cl::ColorToRGB(kRed), !rightToLeft);
        ReleaseDC(first->Handle(), dc);
        // The text area stands beside the strip.
        RECT window;
        GetWindowRect(first->Handle(), &window);
        POINT origin{0, 0};
        ClientToScreen(first->Handle(), &origin);
        EXPECT_EQ(origin.x - window.left > strip, rightToLeft);
        EXPECT_EQ(first->ClientWidth(), first->Width() - 4 - strip);
        // A press at the left edge is a press of the button only where the strip is.
        int drops = 0;
        first->OnDropDown = cl::TNotifyEvent::FromFunction([&](cl::TObject*) { ++drops; });
        SendMessageA(first->Handle(), WM_NCHITTEST, 0, MAKELPARAM(window.left + 4, (window.top + window.bottom) / 2));
        SendMessageA(first->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 5));
        SendMessageA(first->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 5));
        EXPECT_EQ(drops, rightToLeft ? 1 : 0);
    }
}

TEST_F(EditTest, AMaskEditFillsItsSlotsAndRefusesWhatDoesNotFit) {
    auto* masked = new TMwMaskEdit(form);
    masked->SetParent(form);
    masked->SetBounds(10, 80, 150, 21);
    masked->SetEditMask("00/00;1;_");
    EXPECT_EQ(masked->Text(), "__/__");
    masked->SetFocus();
    SendMessageA(masked->Handle(), EM_SETSEL, 0, 0);
    for (char c : {'1', 'x', '2', '3'}) SendMessageA(masked->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_EQ(masked->Text(), "12/3_") << "the literal is skipped and the letter refused";
    SendMessageA(masked->Handle(), WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(masked->Text(), "12/__");

    // An incomplete text raises the standard error, or the handler's own message.
    EXPECT_THROW(masked->ValidateEdit(), cl::EDBEditError);
    std::vector<std::string> asked;
    masked->OnValidateError = TMwValidateErrorEvent::FromFunction([&](cl::TObject*, std::string& message) {
        asked.push_back(message);
        message = "Enter a date";
    });
    try {
        masked->ValidateEdit();
        ADD_FAILURE() << "no error";
    } catch (const cl::EDBEditError& e) {
        EXPECT_STREQ(e.what(), "Enter a date");
    }
    EXPECT_EQ(asked, std::vector<std::string>{""}) << "the handler gets an empty message";
    masked->OnValidateError = TMwValidateErrorEvent::FromFunction([](cl::TObject*, std::string&) {});
    try {
        masked->ValidateEdit();
    } catch (const cl::EDBEditError& e) {
        EXPECT_STREQ(e.what(), TMwMaskEdit::kInvalidInput) << "an empty message lets the standard error through";
    }
    for (char c : {'3', '4'}) SendMessageA(masked->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_NO_THROW(masked->ValidateEdit());
    EXPECT_EQ(masked->MaskedValue(), "12/34");
}

class RichEditTest : public EditTest {
protected:
    void SetUp() override {
        EditTest::SetUp();
        rich = new TMwRichEdit(form);
        rich->SetParent(form);
        rich->SetBounds(10, 80, 300, 60);
        rich->SetScrollBars(cl::TScrollStyle::Vertical);
        rich->OnLineColChange = TMwLineColChangeEvent::FromFunction([this](cl::TObject*, int line, int column) {
            positions.push_back({line, column});
        });
        rich->OnClipboardChange = TMwClipboardChangeEvent::FromFunction([this](cl::TObject*, bool selection, bool) {
            selections.push_back(selection);
        });
    }

    TMwRichEdit* rich = nullptr;
    std::vector<cl::TPoint> positions;  // (line, column)
    std::vector<bool> selections;
};

TEST_F(RichEditTest, CaretLineAndColumnAreOneBasedAndReported) {
    rich->SetWholeText("first\r\nsecond line\r\nthird");
    const struct {
        int line, column;       // moved to
        int wantLine, wantColumn;  // where the caret is then
    } cases[] = {
        {2, 1, 2, 1},    // start of the second line
        {2, 7, 2, 7},    // within it
        {2, 12, 2, 12},  // just past its end
        {2, 13, 2, 1},   // beyond: the caret stays at the line's start
        {3, 6, 3, 6},
        {1, 0, 1, 1},    // column 0 is no column
    };
    for (const auto& c : cases) {
        rich->SetLine(c.line);
        positions.clear();
        rich->SetCaretColumn(c.column);
        EXPECT_EQ(rich->Line(), c.wantLine) << c.line << "," << c.column;
        EXPECT_EQ(rich->Column(), c.wantColumn) << c.line << "," << c.column;
        const bool moved = c.wantColumn == c.column;
        ASSERT_EQ(positions.size(), moved ? 1u : 0u) << c.line << "," << c.column;
        if (moved) {
            EXPECT_EQ(positions.back(), (cl::TPoint{c.wantLine, c.wantColumn}));
        }
    }
}

TEST_F(RichEditTest, KeysAndSelectionReportPositionAndClipboardState) {
    rich->SetWholeText("abc\r\ndef");
    rich->SetFocus();
    rich->SetLine(2);
    positions.clear();
    selections.clear();
    SendMessageA(rich->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), (cl::TPoint{2, 2}));
    rich->SelectAll();
    app.ProcessMessages();
    ASSERT_FALSE(selections.empty());
    EXPECT_TRUE(selections.back()) << "a selection can be cut or copied";
}

TEST_F(RichEditTest, WheelScrollsOneLineOrTheWheelLinesWithCtrlAndReportsEachNotch) {
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "line " + std::to_string(i) + "\r\n";
    rich->SetWholeText(text);
    std::vector<std::string> wheel;
    rich->OnMouseWheelDown = TMouseWheelUpDownEvent::FromFunction([&](cl::TObject*, cl::TShiftState, cl::TPoint, bool&) {
        wheel.push_back("down");
    });
    rich->OnMouseWheelUp = TMouseWheelUpDownEvent::FromFunction([&](cl::TObject*, cl::TShiftState, cl::TPoint, bool&) {
        wheel.push_back("up");
    });
    UINT wheelLines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
    auto firstVisible = [&] { return static_cast<int>(SendMessageA(rich->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); };
    const struct {
        int delta;
        WORD keys;
        int wantFirst;
    } cases[] = {
        {-WHEEL_DELTA, 0, 1},
        {-2 * WHEEL_DELTA, 0, 3},
        {-WHEEL_DELTA, MK_CONTROL, 3 + static_cast<int>(wheelLines)},
        {WHEEL_DELTA, 0, 2 + static_cast<int>(wheelLines)},
    };
    for (const auto& c : cases) {
        SendMessageA(rich->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(c.keys, c.delta), 0);
        EXPECT_EQ(firstVisible(), c.wantFirst) << c.delta << " " << c.keys;
    }
    EXPECT_EQ(wheel, (std::vector<std::string>{"down", "down", "down", "down", "up"}));
}

}  // namespace
