#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <chrono>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"
#include "classlib/win/Image.h"
#include "classlib/win/RichEdit.h"

namespace {

class EditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 300);
    }
    cl::TApplication app;
    cl::TForm* form = nullptr;
};

TEST_F(EditorsTest, RichEditLinesModifiedFlagAndSearch) {
    auto* edit = new cl::TRichEdit(form);
    edit->SetParent(form);
    edit->SetPlainText(true);
    edit->Lines()->SetText("first line\r\nsecond Line\nthird");  // kept until the window exists
    form->Show();
    EXPECT_EQ(edit->Lines()->ToVector(), (std::vector<std::string>{"first line", "second Line", "third"}));
    EXPECT_FALSE(edit->Modified());
    edit->Lines()->Add("fourth");
    EXPECT_EQ(edit->Lines()->Count(), 4);
    EXPECT_EQ((*edit->Lines())[3], "fourth");
    const std::string all = edit->WholeText();
    EXPECT_EQ(edit->FindText("LINE", 0, static_cast<int>(all.size()), 0), 6);  // without case, from the start
    EXPECT_EQ(edit->FindText("first", 1, static_cast<int>(all.size()) - 1, 0), -1);
    edit->SetModified(true);
    EXPECT_TRUE(edit->Modified());
    edit->Clear();
    EXPECT_EQ(edit->Lines()->Count(), 0);
}

// A plain-text rich edit takes every text as characters, RTF-looking ones too, on each way in.
TEST_F(EditorsTest, PlainTextRichEditNeverReadsTextAsRtf) {
    const std::string rtf = "{\\rtf1\\ansi {\\b bold}}\r\n";
    auto* edit = new cl::TRichEdit(form);
    edit->SetParent(form);
    edit->SetPlainText(true);
    edit->SetWholeText(rtf);  // before the window exists
    form->Show();
    EXPECT_EQ(edit->WholeText(), rtf);
    edit->SetWholeText(rtf + "x\r\n");
    EXPECT_EQ(edit->WholeText(), rtf + "x\r\n");
    edit->Clear();
    edit->Lines()->Add("{\\rtf1 {\\i line}}");
    EXPECT_EQ(edit->Lines()->ToVector(), std::vector<std::string>{"{\\rtf1 {\\i line}}"});
    for (const std::string& piece : {rtf, std::string("{\\urtf1 {\\b u}}\r\n"), std::string("{\\b}\r\n{\\rtf1 x}")}) {
        SCOPED_TRACE(piece);
        edit->SetWholeText("loaded\r\n");
        edit->AppendLoadedText(piece);
        EXPECT_EQ(edit->WholeText(), "loaded\r\n" + piece);
    }
}

// Text added while loading lands at the end, whatever the user selected meanwhile, and is no
// edit of theirs.
TEST_F(EditorsTest, LoadedTextGoesToTheEndAndLeavesTheUsersSelection) {
    auto* edit = new cl::TRichEdit(form);
    edit->SetParent(form);
    edit->SetPlainText(true);
    form->Show();
    std::string text;
    for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
    edit->SetWholeText(text);
    for (const bool modified : {false, true}) {
        SCOPED_TRACE(modified);
        edit->SetSelStart(7);
        edit->SetSelLength(4);
        edit->SetModified(modified);
        const std::string piece = "piece\r\n{\\rtf1 not rtf}\r\n";
        edit->AppendLoadedText(piece);
        text += piece;
        EXPECT_EQ(edit->WholeText(), text);
        EXPECT_EQ(edit->SelStart(), 7);
        EXPECT_EQ(edit->SelLength(), 4);
        EXPECT_EQ(edit->Modified(), modified);
        EXPECT_EQ(SendMessageA(edit->Handle(), EM_CANUNDO, 0, 0), 0);
    }
}

// A new text, or none, leaves the editor as the user set it up: its settings, its place among
// its siblings and the focus.
TEST_F(EditorsTest, ReplacingARichEditsTextKeepsItsSettingsPlaceAndFocus) {
    auto* before = new cl::TRichEdit(form);
    before->SetParent(form);
    auto* edit = new cl::TRichEdit(form);
    edit->SetParent(form);
    auto* after = new cl::TRichEdit(form);
    after->SetParent(form);
    edit->SetPlainText(true);
    edit->SetWordWrap(false);
    edit->SetReadOnly(true);
    edit->Font()->SetName("Courier New");
    std::string lines;
    for (int i = 0; i < 2000; ++i) lines += "line " + std::to_string(i) + "\r\n";
    edit->SetWholeText(lines);
    form->Show();
    ::SetFocus(edit->Handle());
    auto siblings = [&] {
        std::vector<HWND> order;
        for (HWND w = GetWindow(form->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) order.push_back(w);
        return order;
    };
    const std::string rtf = "{\\rtf1\\ansi {\\b bold}}\r\n";
    for (const std::string& text : {rtf, std::string(), lines}) {
        SCOPED_TRACE(text.substr(0, 12));
        edit->SetWholeText(text);
        EXPECT_EQ(edit->WholeText(), text);
        EXPECT_NE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_READONLY, 0);
        CHARFORMATA format = {};
        format.cbSize = sizeof(format);
        SendMessageA(edit->Handle(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
        EXPECT_STREQ(format.szFaceName, "Courier New");
        EXPECT_EQ(siblings(), (std::vector<HWND>{before->Handle(), edit->Handle(), after->Handle()}));
        EXPECT_EQ(GetFocus(), edit->Handle());
    }
    edit->Clear();
    EXPECT_EQ(edit->WholeText(), "");
}

// A window that held a replaced text leaves the form at once and is destroyed later: once the
// user has paused, or with the editor, whichever comes first.
TEST_F(EditorsTest, AReplacedTextsWindowLeavesAtOnceAndIsDestroyedLater) {
    std::string lines;
    for (int i = 0; i < 500; ++i) lines += "line " + std::to_string(i) + "\r\n";
    for (const bool freeEditor : {false, true}) {
        SCOPED_TRACE(freeEditor ? "the editor freed" : "the user paused");
        auto* edit = new cl::TRichEdit(form);
        edit->SetParent(form);
        edit->SetPlainText(true);
        form->Show();
        // Replaced twice in a row: the second window goes while the first is still held.
        std::vector<HWND> replaced;
        for (const std::string& text : {lines, lines + "more\r\n", std::string("last\r\n")}) {
            if (!edit->WholeText().empty()) replaced.push_back(edit->Handle());
            edit->SetWholeText(text);
            EXPECT_EQ(edit->WholeText(), text);
        }
        for (HWND window : replaced) {
            EXPECT_NE(window, edit->Handle());
            EXPECT_FALSE(IsWindowVisible(window));
            EXPECT_NE(GetAncestor(window, GA_PARENT), form->Handle());
        }
        EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), edit->Handle());
        EXPECT_EQ(GetWindow(edit->Handle(), GW_HWNDNEXT), nullptr);
        auto anyLeft = [&] {
            for (HWND window : replaced)
                if (IsWindow(window)) return true;
            return false;
        };
        if (freeEditor) {
            cl::Free(edit);
        } else {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (anyLeft() && std::chrono::steady_clock::now() < deadline) app.ProcessMessages();
        }
        EXPECT_FALSE(anyLeft());
        if (!freeEditor) cl::Free(edit);
    }
}

TEST_F(EditorsTest, PictureLoadRaisesForMissingOrForeignFiles) {
    auto* image = new cl::TImage(form);
    image->SetParent(form);
    image->SetAutoSize(true);
    EXPECT_THROW(image->Picture()->LoadFromFile("C:\\no\\such\\preview.bmp"), cl::Exception);

    // A 3 x 2 bitmap written by hand: the control takes its size.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "editors-test.bmp";
    std::vector<uint8_t> file(54 + 2 * 12, 0);
    auto put32 = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(v >> (8 * i)); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 3);
    put32(22, 2);
    file[26] = 1;
    file[28] = 24;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(h);
    image->Picture()->LoadFromFile(path);
    EXPECT_EQ(image->Width(), 3);
    EXPECT_EQ(image->Height(), 2);
    DeleteFileA(path.c_str());
}

}  // namespace
