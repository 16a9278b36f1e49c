// The combo boxes: type-ahead in the list styles with its pause, read-only keys and clicks,
// wheel steps, the frame drawn over the native border, the image combo's entry objects, and
// the font combo's recently used fonts and its preview panel.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "controls/basic/MwComboBox.h"
#include "controls/basic/MwEdit.h"
#include "controls/basic/MwFontComboBox.h"
#include "controls/basic/MwImageComboBoxItem.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/tests/FakeThemes.h"
#include "dragdrop/Clipboard.h"
#include "dragdrop/GlobalMemory.h"

namespace {

constexpr cl::TColor kRed = 0x0000F0, kYellow = 0x00E0E0;

// Counts the beeps instead of making them.
class TCountingComboBox : public TMwCustomComboBox {
public:
    using TMwCustomComboBox::TMwCustomComboBox;
    int beeps = 0;

protected:
    void InvalidKeyBeep() override {
        if (BeepOnInvalidKey()) ++beeps;
    }
};

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 500, 300);
        combo = new TCountingComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 150, 21);
        combo->SetStyle(TComboBoxStyle::DropDownList);
        combo->OnChange = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ++changes; });
        form->Show();
        for (const char* item : {"Apple", "Arial", "Arrow", "Banana"}) combo->AddItem(item);
    }
    void Key(WORD key) { SendMessageA(combo->Handle(), WM_KEYDOWN, key, 0); }
    void Char(char c) { SendMessageA(combo->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0); }
    void Wheel(int delta) { SendMessageA(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); }
    std::string Selected() { return combo->ItemIndex() < 0 ? "" : combo->Items(combo->ItemIndex()); }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TCountingComboBox* combo = nullptr;
    int changes = 0;
};

TEST_F(ComboBoxTest, TypeAheadSearchesWhatWasTypedUntilThePause) {
    const struct {
        char key;  // 0: the pause timer runs out
        const char* selected;
        const char* search;
        int beeps;
    } steps[] = {
        {'a', "Apple", "a", 0}, {'r', "Arial", "ar", 0},    {'r', "Arrow", "arr", 0}, {'x', "Arrow", "arrx", 1},
        {'\b', "Arrow", "arr", 1}, {0, "Arrow", "", 1},      {'b', "Banana", "b", 1},  {'\b', "Apple", "", 1},
    };
    for (const auto& step : steps) {
        if (step.key) Char(step.key);
        else SendMessageA(combo->Handle(), WM_TIMER, TMwCustomComboBox::kTypeAheadTimer, 0);
        EXPECT_EQ(Selected(), step.selected) << step.search;
        EXPECT_EQ(combo->SearchText(), step.search);
        EXPECT_EQ(combo->beeps, step.beeps) << step.search;
    }
    Char('a');
    Key(VK_DOWN);
    EXPECT_EQ(combo->SearchText(), "") << "a navigation key starts a new search";
    combo->SetBeepOnInvalidKey(false);
    Char('q');
    EXPECT_EQ(combo->beeps, 1);
}

TEST_F(ComboBoxTest, ReadOnlyIgnoresTypingNavigationAndClicks) {
    combo->SetItemIndex(1);
    combo->SetReadOnly(true);
    for (WORD key : {VK_DOWN, VK_NEXT, VK_END, VK_F4}) Key(key);
    Char('b');
    SendMessageA(combo->Handle(), WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    SendMessageA(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(combo->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Selected(), "Arial");
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(changes, 0);
    combo->SetReadOnly(false);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), "Arrow");
}

TEST_F(ComboBoxTest, WheelStepsThroughTheClosedListAndStopsAtItsEnds) {
    const struct {
        int start, delta;
        const char* selected;
        int changes;
    } cases[] = {
        {1, -WHEEL_DELTA, "Arrow", 1},  {3, -WHEEL_DELTA, "Banana", 0}, {2, WHEEL_DELTA, "Arial", 1},
        {0, WHEEL_DELTA, "Apple", 0},   {-1, WHEEL_DELTA, "Apple", 0},
    };
    for (const auto& c : cases) {
        combo->SetItemIndex(c.start);
        changes = 0;
        Wheel(c.delta);
        EXPECT_EQ(Selected(), c.selected) << c.start << " " << c.delta;
        EXPECT_EQ(changes, c.changes) << c.start << " " << c.delta;
    }
}

TEST_F(ComboBoxTest, FrameIsDrawnOverTheNativeBorderAndColoursFollowFocus) {
    combo->SetFramingPreference(TFramingPreference::CustomFraming);
    combo->SetFrameColor(kRed);
    combo->SetFrameVisible(true);
    combo->SetFocusColor(kYellow);
    UpdateWindow(combo->Handle());
    HDC dc = GetDC(combo->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), cl::ColorToRGB(kRed));
    EXPECT_EQ(GetPixel(dc, 5, 0), cl::ColorToRGB(kRed));
    ReleaseDC(combo->Handle(), dc);
    combo->SetFocus();
    EXPECT_EQ(combo->Color(), kYellow);
    form->SetFocus();
    EXPECT_EQ(combo->Color(), cl::clWindow);
}

TEST_F(ComboBoxTest, TheEditableStyleCompletesTypedTextFromTheItems) {
    combo->SetStyle(TComboBoxStyle::DropDown);
    combo->SetSorted(true);
    for (const char* item : {"Apple", "Arial", "Arrow", "Banana"}) combo->AddItem(item);
    HWND edit = GetWindow(combo->Handle(), GW_CHILD);
    ASSERT_NE(edit, nullptr);
    auto type = [&](char c) { SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0); };
    auto selection = [&] {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::to_string(start) + "-" + std::to_string(end);
    };
    const struct {
        char key;
        bool freeText;
        const char* text;
        const char* selected;  // start-end of the edit's selection
        int beeps;
    } steps[] = {
        {'a', true, "Apple", "1-5", 0},   // completed, the rest selected
        {'r', true, "Arial", "2-5", 0},
        {'r', true, "Arrow", "3-5", 0},
        {'x', true, "Arrx", "4-4", 0},    // no item: the typed word stays
        {'\b', true, "Arrow", "3-5", 0},  // the shorter word completes again
        {'q', false, "Arrow", "3-5", 1},   // without free text: refused with a beep
    };
    for (const auto& step : steps) {
        combo->SetAllowFreeText(step.freeText);
        type(step.key);
        EXPECT_EQ(combo->Text(), step.text) << step.key;
        EXPECT_EQ(selection(), step.selected) << step.key;
        EXPECT_EQ(combo->beeps, step.beeps) << step.key;
    }
    combo->SetReadOnly(true);
    type('b');
    EXPECT_EQ(combo->Text(), "Arrow") << "read-only: no typing";
}

TEST_F(ComboBoxTest, ListNotificationsCompletionsDeletionsAndUnlistedExitsRaiseTheirEvents) {
    std::vector<std::string> events;
    auto record = [&](const std::string& name) { return cl::TNotifyEvent::FromFunction([&events, name](cl::TObject*) { events.push_back(name); }); };
    combo->OnSelectionConfirmed = record("confirmed");
    combo->OnSelectionCancelled = record("cancelled");
    combo->OnAutoComplete = record("completed");
    combo->OnDeleteItem = cl::TEvent<cl::TObject*, LPARAM>::FromFunction(
        [&](cl::TObject*, LPARAM data) { events.push_back("deleted " + std::to_string(data)); });
    combo->OnExitUnlistedText = cl::TEvent<cl::TObject*, const std::string&>::FromFunction(
        [&](cl::TObject*, const std::string& text) { events.push_back("unlisted " + text); });
    auto notify = [&](WORD code) {
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(combo->Handle()));
    };

    notify(CBN_SELENDOK);
    notify(CBN_SELENDCANCEL);
    combo->AddItem("Cherry", 7);
    combo->DeleteItem(0);  // "Apple" carries no data
    combo->DeleteItem(combo->IndexOfItem("Cherry"));
    combo->AddItem("Date", 9);
    SendMessageA(combo->Handle(), CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"confirmed", "cancelled", "deleted 7", "deleted 9"}));

    events.clear();
    combo->SetStyle(TComboBoxStyle::DropDown);
    for (const char* item : {"Apple", "Banana"}) combo->AddItem(item);
    HWND edit = GetWindow(combo->Handle(), GW_CHILD);
    ASSERT_NE(edit, nullptr);
    const struct {
        const char* text;  // left in the edit when the focus goes
        bool unlisted;
    } exits[] = {{"Banana", false}, {"", false}, {"Kiwi", true}};
    for (const auto& exit : exits) {
        combo->SetText(exit.text);
        notify(CBN_KILLFOCUS);
    }
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, 'b', 0);
    EXPECT_EQ(combo->Text(), "Banana");
    EXPECT_EQ(events, (std::vector<std::string>{"unlisted Kiwi", "completed"}));
}

TEST_F(ComboBoxTest, RightToLeftPutsTheFlatButtonAtTheLeftEdge) {
    combo->SetFlatButtons(true);
    combo->SetFlatButtonColor(kRed);
    combo->SetFocus();  // a focused flat button is raised in its colour
    const struct {
        cl::TBiDiMode mode;
        bool left;
    } cases[] = {{cl::TBiDiMode::RightToLeft, true}, {cl::TBiDiMode::LeftToRight, false}};
    for (const auto& c : cases) {
        combo->SetBiDiMode(c.mode);
        RedrawWindow(combo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(combo->Handle(), &client);
        HDC dc = GetDC(combo->Handle());
        // Inside the button, clear of its border and arrow: 2 pixels of frame, 2 of border.
        const COLORREF left = GetPixel(dc, 5, 5), right = GetPixel(dc, client.right - 6, 5);
        ReleaseDC(combo->Handle(), dc);
        EXPECT_EQ(left == cl::ColorToRGB(kRed), c.left) << static_cast<int>(c.mode);
        EXPECT_EQ(right == cl::ColorToRGB(kRed), !c.left) << static_cast<int>(c.mode);
    }
}

TEST_F(ComboBoxTest, UnderThemesTheButtonIsTheThemesAndTheFrameIsLeftToIt) {
    TFakeThemes themes;
    ASSERT_TRUE(themes.Loaded());
    combo->SetFlatButtons(true);
    combo->SetFrameVisible(true);
    combo->SetFrameColor(kRed);
    themes.Forget();
    combo->SetFocus();
    UpdateWindow(combo->Handle());
    bool hotButton = false;
    for (const TDrawnElement& e : themes.Drawn()) hotButton |= e.themeClass == "combobox" && e.part == 1 && e.state == 2;
    EXPECT_TRUE(hotButton) << "the focused flat button is the theme's hot drop-down button";
    HDC dc = GetDC(combo->Handle());
    EXPECT_NE(GetPixel(dc, 5, 0), cl::ColorToRGB(kRed)) << "no frame of its own while the theme is preferred";
    ReleaseDC(combo->Handle(), dc);

    // The framed edit likewise leaves its border to the theme unless custom framing is preferred.
    auto* edit = new TMwEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 60, 150, 21);
    edit->SetFrameVisible(true);
    edit->SetFrameColor(kRed);
    auto corner = [&] {
        SendMessageA(edit->Handle(), WM_NCPAINT, 1, 0);
        HDC windowDc = GetWindowDC(edit->Handle());
        const COLORREF pixel = GetPixel(windowDc, 0, 0);
        ReleaseDC(edit->Handle(), windowDc);
        return pixel;
    };
    EXPECT_NE(corner(), cl::ColorToRGB(kRed));
    edit->SetFramingPreference(TFramingPreference::CustomFraming);
    EXPECT_EQ(corner(), cl::ColorToRGB(kRed));
}

// ---- the editable style's auto-completion ----

class EditableComboBoxTest : public ComboBoxTest {
protected:
    void SetUp() override {
        ComboBoxTest::SetUp();
        combo->SetStyle(TComboBoxStyle::DropDown);
        combo->SetSorted(true);
        for (const char* item : {"Apple", "Arial", "Arrow", "Banana"}) combo->AddItem(item);
        combo->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { ++clicks; });
        edit = GetWindow(combo->Handle(), GW_CHILD);
        ASSERT_NE(edit, nullptr);
        combo->SetFocus();
    }
    void Type(char c) { SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0); }
    void Press(WORD key, char c = 0) {
        SendMessageA(edit, WM_KEYDOWN, key, 0);
        if (c) Type(c);
    }
    void Select(int start, int end) { SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), end); }
    std::string Selection() {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::to_string(start) + "-" + std::to_string(end);
    }
    void PutOnClipboard(const std::string& text) {
        std::vector<uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        ASSERT_TRUE(dragdrop::TOpenClipboard().Put(CF_TEXT, dragdrop::GlobalFromBytes(bytes)));
    }
    // A key with Shift held, as the edit reads the keyboard.
    void PressShifted(WORD key) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        const BYTE shift = keys[VK_SHIFT];
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
        SendMessageA(edit, WM_KEYDOWN, key, 0);
        keys[VK_SHIFT] = shift;
        SetKeyboardState(keys);
    }

    HWND edit = nullptr;
    int clicks = 0;
};

TEST_F(EditableComboBoxTest, TypingBackspaceAndTheCaretShapeTheCompletedText) {
    const struct {
        const char* step;
        std::function<void()> action;
        const char* text;
        const char* selection;
        const char* search;
    } steps[] = {
        {"a", [&] { Type('a'); }, "Apple", "1-5", "a"},
        {"r", [&] { Type('r'); }, "Arial", "2-5", "ar"},
        {"Backspace over the completed rest", [&] { Press(VK_BACK, '\b'); }, "Apple", "1-5", "a"},
        {"Backspace again", [&] { Press(VK_BACK, '\b'); }, "", "0-0", ""},
        {"k", [&] { Type('k'); }, "k", "1-1", "k"},
        {"i", [&] { Type('i'); }, "ki", "2-2", "ki"},
        {"w", [&] { Type('w'); }, "kiw", "3-3", "kiw"},
        {"i", [&] { Type('i'); }, "kiwi", "4-4", "kiwi"},
        {"x in the middle", [&] { Select(2, 2), Type('x'); }, "kixwi", "3-3", "kixwi"},
        {"over a part", [&] { Select(1, 3), Type('y'); }, "kywi", "2-2", "kywi"},
        {"over all", [&] { Select(0, -1), Type('b'); }, "Banana", "1-6", "b"},
        {"Backspace in free text", [&] { Select(0, -1), Type('q'), Type('z'), Press(VK_BACK, '\b'); }, "q", "1-1", "q"},
        {"Backspace completing again", [&] { Select(0, -1), Type('a'), Type('r'), Type('r'), Type('x'), Press(VK_BACK, '\b'); },
         "Arrow", "3-5", "Arr"},
    };
    for (const auto& step : steps) {
        step.action();
        EXPECT_EQ(combo->Text(), step.text) << step.step;
        EXPECT_EQ(Selection(), step.selection) << step.step;
        EXPECT_EQ(combo->SearchText(), step.search) << step.step;
    }
    EXPECT_EQ(combo->beeps, 0);
}

TEST_F(EditableComboBoxTest, CompletingInTheEditWritesTheRestAsTyped) {
    combo->SetCompleteInEdit(true);
    const struct {
        char key;
        const char* text;
        const char* selection;
    } steps[] = {{'a', "apple", "1-5"}, {'r', "arial", "2-5"}, {'\b', "apple", "1-5"}, {'\b', "", "0-0"}};
    for (const auto& step : steps) {
        Type(step.key);
        EXPECT_EQ(combo->Text(), step.text) << step.key;
        EXPECT_EQ(Selection(), step.selection) << step.key;
    }
}

TEST_F(EditableComboBoxTest, EscapeWithTheListClosedClearsTheChoice) {
    Type('b');
    ASSERT_EQ(combo->Text(), "Banana");
    clicks = changes = 0;
    Press(VK_ESCAPE, '\x1b');
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(combo->SearchText(), "");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(EditableComboBoxTest, WithoutFreeTextNothingLeavesATextOfNoItem) {
    combo->SetAllowFreeText(false);
    Type('a');
    Type('r');
    ASSERT_EQ(combo->Text(), "Arial");
    PutOnClipboard("Zzzz");
    const struct {
        const char* attempt;
        int selStart, selEnd;
        std::function<void()> action;
    } attempts[] = {
        {"paste", 0, 0, [&] { SendMessageA(edit, WM_PASTE, 0, 0); }},
        {"Ctrl+V", 0, 0, [&] { Press('V', 0x16); }},
        {"Shift+Insert", 0, 0, [&] { PressShifted(VK_INSERT); }},
        {"cut", 0, 2, [&] { SendMessageA(edit, WM_CUT, 0, 0); }},
        {"Ctrl+X", 0, 2, [&] { Press('X', 0x18); }},
        {"Shift+Delete", 0, 2, [&] { PressShifted(VK_DELETE); }},
        {"the context menu's Delete", 1, 3, [&] { SendMessageA(edit, WM_CLEAR, 0, 0); }},
        {"Delete of the completed rest", 2, 5, [&] { Press(VK_DELETE); }},
        {"a letter of no item", 2, 5, [&] { Type('q'); }},
    };
    for (const auto& attempt : attempts) {
        Select(attempt.selStart, attempt.selEnd);
        attempt.action();
        EXPECT_EQ(combo->Text(), "Arial") << attempt.attempt;
    }
    EXPECT_EQ(combo->beeps, 1) << "the refused letter";
    Select(0, -1);
    Press(VK_DELETE);
    EXPECT_EQ(combo->Text(), "") << "the whole text may go";
}

TEST_F(EditableComboBoxTest, TextChangedOtherwiseIsTakenUpAsTyped) {
    PutOnClipboard("Ban");
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(combo->Text(), "Banana") << "pasted text is completed";
    EXPECT_EQ(Selection(), "3-6");
    EXPECT_EQ(combo->SearchText(), "Ban");
    Press(VK_DELETE);
    EXPECT_EQ(combo->Text(), "Ban") << "deleting the completed rest is not undone";
    EXPECT_EQ(combo->SearchText(), "Ban");
    Select(0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Arrow"));
    EXPECT_EQ(combo->Items(combo->ItemIndex()), "Arrow") << "text that names an item selects it";
    EXPECT_EQ(combo->SearchText(), "Arrow");
    changes = 0;
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(combo->SearchText(), combo->Text());
    EXPECT_EQ(changes, 1);
    Press(VK_DOWN);
    EXPECT_EQ(combo->SearchText(), "");
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(combo->SearchText(), combo->Text()) << "a click takes the text as typed";
}

TEST_F(EditableComboBoxTest, TheKeyPressEventSeesTypedKeysFirst) {
    std::string seen;
    combo->OnKeyPress = cl::TKeyPressEvent::FromFunction([&](cl::TObject*, char& key) {
        seen += key;
        if (key == 'z') key = 'b';
        if (key == '!') key = 0;
    });
    Type('z');
    EXPECT_EQ(combo->Text(), "Banana") << "the handler's key is typed";
    Select(0, -1);
    Type('!');
    EXPECT_EQ(combo->Text(), "Banana") << "a dropped key types nothing";
    // The character after a system key is the edit's own.
    SendMessageA(edit, WM_SYSKEYDOWN, VK_NUMPAD1, 1 << 29);
    Type('q');
    EXPECT_EQ(seen, "z!");
    EXPECT_EQ(combo->beeps, 0);
}

TEST_F(EditableComboBoxTest, AtItsMaximumLengthTheTextRefusesKeysWithABeep) {
    combo->SetMaxLength(3);
    for (char c : {'k', 'i', 'w', 'i'}) Type(c);
    EXPECT_EQ(combo->Text(), "kiw");
    EXPECT_EQ(combo->beeps, 1);
    Select(0, 1);
    Type('p');
    EXPECT_EQ(combo->Text(), "piw") << "a selection may be typed over";
    combo->SetBeepOnInvalidKey(false);
    Type('x');
    EXPECT_EQ(combo->beeps, 1);
}

TEST_F(EditableComboBoxTest, EnterMovesOnLikeTabWithTabOnEnter) {
    auto* next = new TMwEdit(form);
    next->SetParent(form);
    next->SetBounds(10, 60, 100, 21);
    combo->SetTabOnEnter(true);
    combo->SetFocus();
    Press(VK_RETURN, '\r');
    app.ProcessMessages();
    EXPECT_EQ(GetFocus(), next->Handle());
}

TEST_F(ComboBoxTest, TypeAheadRunsTheKeyPressEventForAMatch) {
    std::string seen;
    combo->OnKeyPress = cl::TKeyPressEvent::FromFunction([&](cl::TObject*, char& key) { seen += key; });
    for (char c : {'b', 'q', 'a'}) Char(c);
    EXPECT_EQ(seen, "b") << "'q' matched nothing and 'a' made \"bqa\"";
}

TEST_F(ComboBoxTest, ImageComboEntriesHoldTheirItemObjects) {
    TMwImageComboBoxItem item, plain;
    item.SetIndent(2);
    cl::TObject other;
    combo->AddObject("Desktop", &item);
    combo->AddObject("Other", &other);
    combo->AddItem("Number", 7);
    combo->AddItem("Pointer", reinterpret_cast<LPARAM>(static_cast<cl::TObject*>(&plain)));
    EXPECT_EQ(GetImageComboItem(*combo, combo->IndexOfItem("Desktop")), &item);
    EXPECT_EQ(GetImageComboItem(*combo, combo->IndexOfItem("Desktop"))->Indent(), 2);
    for (const char* entry : {"Apple", "Other", "Number", "Pointer"})
        EXPECT_THROW(GetImageComboItem(*combo, combo->IndexOfItem(entry)), cl::EInvalidCast) << entry;
    combo->DeleteItem(combo->IndexOfItem("Desktop"));
    combo->AddItem("Desktop again", reinterpret_cast<LPARAM>(static_cast<cl::TObject*>(&item)));
    EXPECT_THROW(GetImageComboItem(*combo, combo->IndexOfItem("Desktop again")), cl::EInvalidCast)
        << "the deleted entry's object is forgotten";
}

class FontComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 500, 300);
        fonts = new TMwFontComboBox(form);
        fonts->SetParent(form);
        fonts->SetBounds(10, 10, 150, 21);
        form->Show();
    }
    // The list's notifications as the combo box sends them to its parent.
    void Notify(WORD code) {
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(fonts->Handle()));
    }
    void Choose(const std::string& name) {
        const int index = [&] {
            for (int i = fonts->ItemCount() - 1; i >= 0; --i)
                if (fonts->Items(i) == name) return i;
            return -1;
        }();
        fonts->SetItemIndex(index);
        Notify(CBN_CLOSEUP);
    }
    std::vector<std::string> Top(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) names.push_back(fonts->Items(i));
        return names;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwFontComboBox* fonts = nullptr;
};

TEST_F(FontComboBoxTest, RecentlyChosenFontsGoToTheTopOnce) {
    ASSERT_GE(fonts->ItemCount(), 6);
    const std::string a = fonts->Items(3), b = fonts->Items(5);
    const int count = fonts->ItemCount();
    Choose(a);
    EXPECT_EQ(Top(1), std::vector<std::string>{a});
    EXPECT_EQ(fonts->ItemIndex(), 0);
    Choose(a);
    EXPECT_EQ(fonts->ItemCount(), count + 1) << "the same font twice leaves one copy at the top";
    Choose(b);
    EXPECT_EQ(Top(2), (std::vector<std::string>{b, a}));
    EXPECT_EQ(fonts->LastMRUIndex(), 1) << "the separator goes under the last recently used entry";
    Choose(a);
    EXPECT_EQ(Top(2), (std::vector<std::string>{a, b}));
    EXPECT_EQ(fonts->ItemCount(), count + 2);
    fonts->SetMaintainMRUFonts(false);
    Choose(fonts->Items(fonts->ItemCount() - 1));
    EXPECT_EQ(fonts->ItemCount(), count + 2);
}

TEST_F(FontComboBoxTest, EntriesShowTypeMarkAndNameAndTheLastRecentOneAnUnderline) {
    ASSERT_GE(fonts->ItemCount(), 4);
    const std::string a = fonts->Items(2), b = fonts->Items(3);
    Choose(a);
    Choose(b);
    ASSERT_EQ(fonts->LastMRUIndex(), 1);
    const cl::TRect item{0, 0, 150, 16};
    auto draw = [&](int index) {
        auto bitmap = std::make_unique<mw::TMemoryBitmap>(nullptr, item.right, item.bottom);
        mw::FillSolid(bitmap->DC(), item, cl::clWhite);
        DRAWITEMSTRUCT entry{ODT_COMBOBOX, 1, static_cast<UINT>(index), ODA_DRAWENTIRE, 0, fonts->Handle(), bitmap->DC(),
                             {item.left, item.top, item.right, item.bottom}, 0};
        SendMessageA(form->Handle(), WM_DRAWITEM, 1, reinterpret_cast<LPARAM>(&entry));
        return bitmap;
    };
    auto differing = [](mw::TMemoryBitmap& bitmap, const cl::TRect& r, COLORREF from) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += GetPixel(bitmap.DC(), x, y) != from ? 1 : 0;
        return count;
    };
    const COLORREF window = cl::ColorToRGB(cl::clWindow), text = cl::ColorToRGB(cl::clWindowText);
    auto recent = draw(1);
    EXPECT_GT(differing(*recent, {4, 2, 16, 14}, window), 0) << "the type mark";
    EXPECT_GT(differing(*recent, {26, 0, 150, 15}, window), 0) << "the name";
    EXPECT_EQ(differing(*recent, {0, 15, 150, 16}, text), 0) << "the separator along the bottom";
    auto other = draw(2);
    EXPECT_GT(differing(*other, {0, 15, 150, 16}, text), 0) << "no separator under other entries";
}

// The pixels of a window as it shows them now, counted by colour.
int CountPixels(HWND window, const RECT& r, COLORREF color) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) count += GetPixel(dc, x, y) == color ? 1 : 0;
    ReleaseDC(window, dc);
    return count;
}

TEST_F(FontComboBoxTest, TheSelectionFieldAndTheOpenListShowTheFontNames) {
    ASSERT_GT(fonts->ItemCount(), 3);
    fonts->SetFontName(fonts->Items(2));
    RedrawWindow(fonts->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const COLORREF text = cl::ColorToRGB(cl::clWindowText);
    RECT field;
    GetClientRect(fonts->Handle(), &field);
    field.left += 26;
    field.right -= GetSystemMetrics(SM_CXVSCROLL) + 2;
    EXPECT_GT(CountPixels(fonts->Handle(), field, text), 10) << "the selected name";

    fonts->SetDroppedDown(true);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(fonts->Handle(), &info));
    RECT list;
    GetClientRect(info.hwndList, &list);
    list.left += 26;
    list.top = fonts->ItemHeight() * 3;  // below the selected (highlighted) entry
    EXPECT_GT(CountPixels(info.hwndList, list, text), 30) << "the names in the list";
    fonts->SetDroppedDown(false);
}

TEST_F(FontComboBoxTest, PreviewPanelOpensBesideTheListAndHidesWhenItCloses) {
    fonts->SetShowStyle(TMwShowStyle::FontPreview);
    fonts->SetPreviewText("Battlefield 1942");
    fonts->SetPreviewWidth(400);
    fonts->SetItemIndex(0);
    TMwPreviewFontPanel* panel = fonts->PreviewPanel();
    Notify(CBN_DROPDOWN);
    ASSERT_TRUE(panel->PanelShowing());
    RECT r;
    GetWindowRect(panel->Handle(), &r);
    const cl::TPoint corner = fonts->ClientToScreen({0, 0});
    EXPECT_EQ(r.left, corner.x + fonts->Width() - 1);
    EXPECT_EQ(r.top, corner.y);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(panel->Caption(), "Battlefield 1942");
    SendMessageA(fonts->Handle(), CM_HIDEFONTPREVIEW, 0, 0);
    EXPECT_FALSE(panel->PanelShowing());
    Notify(CBN_DROPDOWN);
    Notify(CBN_CLOSEUP);
    EXPECT_FALSE(panel->PanelShowing());

    // Without the preview style the panel stays hidden; a sample wider than the panel is cut short.
    fonts->SetPreviewWidth(40);
    fonts->SetShowStyle(TMwShowStyle::FontName);
    Notify(CBN_DROPDOWN);
    EXPECT_FALSE(panel->PanelShowing());
    EXPECT_EQ(panel->Caption(), "AaBbYy");
    Notify(CBN_CLOSEUP);
}

TEST_F(FontComboBoxTest, ThePreviewHidesWhenAnotherControlTakesTheMouse) {
    auto* other = new TMwEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 60, 100, 21);
    fonts->SetShowStyle(TMwShowStyle::FontPreview);
    fonts->SetItemIndex(0);
    fonts->SetFocus();
    TMwPreviewFontPanel* panel = fonts->PreviewPanel();
    Notify(CBN_DROPDOWN);
    ASSERT_TRUE(panel->PanelShowing());
    SendMessageA(other->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(panel->PanelShowing());
    SendMessageA(other->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(FontComboBoxTest, ANewFontMakesTheWindowAgainAndKeepsTheChoice) {
    ASSERT_GT(fonts->ItemCount(), 3);
    const std::string name = fonts->Items(3);
    fonts->SetFontName(name);
    const HWND before = fonts->Handle();
    fonts->Font()->SetSize(14);
    EXPECT_NE(fonts->Handle(), before);
    EXPECT_EQ(fonts->FontName(), name);
}

TEST_F(FontComboBoxTest, FiltersByTypeAndSymbolSetAndKeepsTheSelection) {
    fonts->SetShowSymbolFonts(false);
    fonts->SetFontType(TMwFontType::FixedPitch);
    ASSERT_GT(fonts->ItemCount(), 0);
    for (int i = 0; i < fonts->ItemCount(); ++i)
        EXPECT_EQ(fonts->ItemData(i) & TMPF_FIXED_PITCH, 0) << fonts->Items(i);
    const std::string name = fonts->Items(0);
    fonts->SetFontName(name);
    fonts->SetFontType(TMwFontType::TrueType);
    fonts->SetFontType(TMwFontType::All);
    EXPECT_EQ(fonts->FontName(), name);
    fonts->SetFontType(TMwFontType::Printer);
    EXPECT_EQ(fonts->ItemCount(), 0) << "no font passes the printer filter";
    EXPECT_EQ(fonts->SelectedFont(), nullptr);
}

}  // namespace
