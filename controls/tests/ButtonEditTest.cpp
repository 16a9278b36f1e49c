// The button edit: its buttons' places and the text margin, shortcuts, AllowKeyEdit, clicks
// by the mouse that first give the edit the focus, the glyph kinds and older form resources.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/ClassInfo.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwButtonEdit.h"
#include "controls/basic/MwEdit.h"
#include "dragdrop/Clipboard.h"
#include "dragdrop/GlobalMemory.h"

namespace {

class ButtonEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 400, 300);
        edit = new TMwButtonEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 200, 21);
        other = new TMwEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 60, 100, 21);
        edit->OnButtonClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { clicks.push_back("button"); });
        edit->OnAltBtnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { clicks.push_back("alt"); });
        form->Show();
    }
    int RightMargin() { return HIWORD(SendMessageA(edit->Handle(), EM_GETMARGINS, 0, 0)); }
    // A key as the edit gets it from the message loop: the key-down, then its character.
    void Type(WORD key, char character) {
        SendMessageA(edit->Handle(), WM_KEYDOWN, key, 0);
        if (character) SendMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(character), 0);
    }
    void ClickButton(TMwControlButton* button) {
        SendMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwButtonEdit* edit = nullptr;
    TMwEdit* other = nullptr;
    std::vector<std::string> clicks;
    bool swallow = false;
};

TEST_F(ButtonEditTest, ButtonsStandInsideTheRightEdgeAndKeepTheTextClearOfThem) {
    TMwButtonPair* pair = edit->ButtonPair();
    const int clientWidth = edit->ClientWidth();
    const struct {
        bool altVisible;
        int altWidth;
        int pairWidth;
    } cases[] = {{false, 17, 17}, {true, 17, 34}, {true, 25, 42}};
    for (const auto& c : cases) {
        edit->SetAltBtnVisible(c.altVisible);
        edit->SetAltBtnWidth(c.altWidth);
        EXPECT_EQ(pair->Width(), c.pairWidth);
        EXPECT_EQ(pair->Left(), clientWidth - c.pairWidth) << "flush with the client area's right edge";
        EXPECT_EQ(RightMargin(), c.pairWidth + 2);
        EXPECT_EQ(pair->Button()->Left(), 0);
        if (c.altVisible) {
            EXPECT_EQ(pair->AltButton()->Left(), pair->Button()->Width()) << "right of the main button";
        }
        EXPECT_EQ(pair->Button()->Height(), pair->Height() - 1);
    }
    edit->SetButtonVisible(false);
    EXPECT_EQ(pair->AltButton()->Left(), 0) << "alone, the alternate button moves to the left";
}

TEST_F(ButtonEditTest, RightToLeftReadingPutsTheButtonsAtTheLeftEdgeAndWidensTheLeftMargin) {
    TMwButtonPair* pair = edit->ButtonPair();
    const int clientWidth = edit->ClientWidth();
    const struct {
        TBiDiMode mode;
        bool buttonsLeft;
    } cases[] = {{TBiDiMode::RightToLeft, true},
                 {TBiDiMode::RightToLeftReadingOnly, true},
                 {TBiDiMode::RightToLeftNoAlign, true},
                 {TBiDiMode::LeftToRight, false}};
    for (const auto& c : cases) {
        form->SetBiDiMode(c.mode);  // the edit reads as its form does
        const LRESULT margins = SendMessageA(edit->Handle(), EM_GETMARGINS, 0, 0);
        EXPECT_EQ(pair->Left(), c.buttonsLeft ? 0 : clientWidth - 17) << static_cast<int>(c.mode);
        EXPECT_EQ(LOWORD(margins), c.buttonsLeft ? 19 : 0) << static_cast<int>(c.mode);
        EXPECT_EQ(HIWORD(margins), c.buttonsLeft ? 0 : 19) << static_cast<int>(c.mode);
    }
}

TEST_F(ButtonEditTest, ShortcutsClickTheirButtonAndTypeNothing) {
    edit->SetAltBtnVisible(true);
    edit->SetAltBtnShortCut(VK_F5);
    const struct {
        WORD key;
        char character;
        const char* clicked;  // null: the key types
    } cases[] = {{VK_F4, 0, "button"}, {VK_F5, 0, "alt"}, {'A', 'a', nullptr}};
    for (const auto& c : cases) {
        clicks.clear();
        edit->SetText("");
        Type(c.key, c.character);
        if (c.clicked) {
            EXPECT_EQ(clicks, std::vector<std::string>{c.clicked}) << c.key;
            EXPECT_EQ(edit->Text(), "");
        } else {
            EXPECT_TRUE(clicks.empty());
            EXPECT_EQ(edit->Text(), "a");
        }
    }
    // A shortcut whose key also makes a character: the character is swallowed.
    edit->SetButtonShortCut('Q');
    edit->SetText("");
    Type('Q', 'q');
    EXPECT_EQ(edit->Text(), "");
    // A hidden or disabled button does not answer its shortcut.
    clicks.clear();
    edit->SetAltBtnVisible(false);
    Type(VK_F5, 0);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonEditTest, WithoutKeyEditingTheTextChangesOnlyThroughTheButtons) {
    edit->SetText("path");
    SendMessageA(edit->Handle(), EM_SETSEL, 4, 4);
    SendMessageA(edit->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));  // one the user could undo
    edit->SetAllowKeyEdit(false);
    ASSERT_TRUE(dragdrop::TOpenClipboard().Put(CF_TEXT, dragdrop::GlobalFromBytes({'p', 'a', 's', 't', 'e', 0})));
    auto send = [&](UINT msg) { return [this, msg] { SendMessageA(edit->Handle(), msg, 0, 0); }; };
    const struct {
        const char* attempt;
        std::function<void()> action;
    } attempts[] = {
        {"typing", [&] { Type('A', 'a'); }},
        {"Backspace", [&] { Type(VK_BACK, '\b'); }},
        {"Delete", [&] { Type(VK_DELETE, 0); }},
        {"Ctrl+V", [&] { Type('V', 0x16); }},
        {"Ctrl+X", [&] { Type('X', 0x18); }},
        {"Ctrl+Z", [&] { Type('Z', 0x1A); }},
        {"paste", send(WM_PASTE)},
        {"cut", send(WM_CUT)},
        {"the context menu's Delete", send(WM_CLEAR)},
        {"the context menu's Undo", send(WM_UNDO)},
        {"undo", send(EM_UNDO)},
    };
    for (const auto& attempt : attempts) {
        SendMessageA(edit->Handle(), EM_SETSEL, 0, -1);
        attempt.action();
        EXPECT_EQ(edit->Text(), "pathx") << attempt.attempt;
    }
    edit->SetReadOnly(true);
    Type(VK_F4, 0);
    ClickButton(edit->ButtonPair()->Button());
    EXPECT_EQ(clicks, (std::vector<std::string>{"button", "button"})) << "a read-only edit's button still works";
}

TEST_F(ButtonEditTest, TheKeyDownHandlerSeesTheKeysBeforeTheButtonsAndCanSwallowThem) {
    edit->OnKeyDown = cl::TKeyEvent::FromFunction([this](cl::TObject*, WORD& key, cl::TShiftState) {
        clicks.push_back("key " + std::to_string(key));
        if (swallow) key = 0;
    });
    edit->SetText("path");
    const struct {
        WORD key;
        bool allowKeyEdit, swallowed;
        std::vector<std::string> events;
        const char* text;
    } cases[] = {
        {VK_F4, true, false, {"key 115", "button"}, "path"},
        {VK_F4, true, true, {"key 115"}, "path"},
        {VK_DELETE, false, false, {"key 46"}, "path"},
        {VK_DELETE, true, true, {"key 46"}, "path"},
        {VK_DELETE, true, false, {"key 46"}, "ath"},
    };
    for (const auto& c : cases) {
        clicks.clear();
        swallow = c.swallowed;
        edit->SetAllowKeyEdit(c.allowKeyEdit);
        SendMessageA(edit->Handle(), EM_SETSEL, 0, 0);
        Type(c.key, 0);
        EXPECT_EQ(clicks, c.events) << c.key << " " << c.swallowed;
        EXPECT_EQ(edit->Text(), c.text) << c.key << " " << c.swallowed;
    }
}

TEST_F(ButtonEditTest, TheFrameSurroundsTheTextAreaOnly) {
    constexpr cl::TColor kRed = 0x0000F0;
    const COLORREF red = cl::ColorToRGB(kRed);
    edit->SetFramingPreference(TFramingPreference::CustomFraming);
    edit->SetFrameColor(kRed);
    edit->SetFrameVisible(true);
    edit->SetText("some text");
    const int width = edit->Width(), height = edit->Height(), pairWidth = edit->ButtonPair()->Width();
    const struct {
        TBiDiMode mode;
        int frameSide;  // the column of the frame's side next to the buttons
        int beside;     // a column of the border beside the buttons
    } cases[] = {{TBiDiMode::LeftToRight, width - pairWidth - 3, width - 1}, {TBiDiMode::RightToLeft, pairWidth + 2, 0}};
    for (const auto& c : cases) {
        edit->SetBiDiMode(c.mode);
        RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        InvalidateRect(edit->Handle(), nullptr, TRUE);  // the text area painted again
        UpdateWindow(edit->Handle());
        HDC dc = GetWindowDC(edit->Handle());
        EXPECT_EQ(GetPixel(dc, c.frameSide, height / 2), red) << "between the text and the buttons";
        EXPECT_EQ(GetPixel(dc, (c.frameSide + width - c.beside) / 2, 0), red) << "along the top of the text";
        EXPECT_NE(GetPixel(dc, c.beside, height / 2), red) << "none beside the buttons";
        EXPECT_NE(GetPixel(dc, c.beside, 0), red) << "none above them";
        ReleaseDC(edit->Handle(), dc);
    }
}

TEST_F(ButtonEditTest, AMouseClickFocusesTheEditFirst) {
    other->SetFocus();
    ClickButton(edit->ButtonPair()->Button());
    EXPECT_EQ(clicks, std::vector<std::string>{"button"});
    EXPECT_TRUE(edit->Focused());
    // A press released outside the button is no click.
    SendMessageA(edit->ButtonPair()->Button()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(edit->ButtonPair()->Button()->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-5, 2));
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonEditTest, KindsGiveStockGlyphsAndAGlyphOfOnesOwnMakesTheKindCustom) {
    TMwControlButton* button = edit->ButtonPair()->Button();
    const struct {
        TButtonKind kind;
        TMwControlButtonStyle style;
        int glyphWidth;
    } cases[] = {
        {TButtonKind::Folder, TMwControlButtonStyle::None, 20},
        {TButtonKind::DropDown, TMwControlButtonStyle::DropDown, 0},
        {TButtonKind::Search, TMwControlButtonStyle::None, 20},
    };
    for (const auto& c : cases) {
        edit->SetButtonKind(c.kind);
        EXPECT_EQ(button->Style(), c.style);
        EXPECT_EQ(button->Glyph().Width(), c.glyphWidth);
        if (c.glyphWidth) {
            EXPECT_EQ(button->NumGlyphs(), 2);
        }
    }
    // A 16 x 16 bitmap file of one's own.
    std::vector<uint8_t> file(14 + 40 + 16 * 16 * 3, 0);
    file[0] = 'B', file[1] = 'M', file[10] = 54, file[14] = 40, file[18] = 16, file[22] = 16, file[26] = 1, file[28] = 24;
    edit->SetButtonGlyph(file);
    EXPECT_EQ(edit->ButtonKind(), TButtonKind::Custom);
    EXPECT_EQ(button->Glyph().Width(), 16);
}

TEST_F(ButtonEditTest, AShortEditGrowsToItsTextHeight) {
    edit->SetHeight(8);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, edit->Font()->Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(edit->Height(), metrics.tmHeight + 2);
}

TEST_F(ButtonEditTest, OlderFormResourcesGiveShortcutsAsText) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    auto* root = new cl::TForm(&app);
    cl::ReadFormResource(*root,
                         "object F: TForm\n  object B: TMwButtonEdit\n    ButtonShortCutText = \"Ctrl+L\"\n"
                         "    AltBtnShortCutText = \"Shift+F2\"\n    FlatButtonParentColor = True\n"
                         "    AltBtnKind = bkAccept\n  end\nend\n",
                         "Old");
    auto* read = dynamic_cast<TMwButtonEdit*>(root->FindComponent("B"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ButtonShortCut(), 0x4000 | 'L');
    EXPECT_EQ(read->AltBtnShortCut(), 0x2000 | VK_F2);
    EXPECT_EQ(read->AltBtnKind(), TButtonKind::Accept);
    EXPECT_EQ(read->ButtonPair()->AltButton()->Glyph().Width(), 20) << "the kind's glyph once loaded";
}

}  // namespace
