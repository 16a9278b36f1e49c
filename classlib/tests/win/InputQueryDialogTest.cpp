#include <gtest/gtest.h>

#include "classlib/tests/win/DialogDriver.h"
#include "classlib/win/Dialogs.h"

namespace {

struct SeenDialog {
    std::string prompt;
    std::string edit;
    DWORD selectionStart = 99;
    DWORD selectionEnd = 99;
};

// Reads the dialog as the user sees it, types the new text and presses the button.
void TypeAndPress(HWND dialog, const char* text, const char* button, SeenDialog& seen) {
    HWND edit = test::FindControl(dialog, "Edit");
    seen.prompt = test::WindowText(test::FindControl(dialog, "Static"));
    seen.edit = test::WindowText(edit);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&seen.selectionStart),
                 reinterpret_cast<LPARAM>(&seen.selectionEnd));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(test::FindControl(dialog, "Button", button), BM_CLICK, 0, 0);
}

TEST(InputQueryDialog, OkReturnsTheEditedTextAndCancelKeepsTheValue) {
    const struct {
        const char* button;
        bool expectedResult;
        std::string expectedValue;
    } cases[] = {
        {"OK", true, "Typed name"},
        {"Cancel", false, "old name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        SeenDialog seen;
        std::string value = "old name";
        bool result = !c.expectedResult;
        {
            test::TDialogDriver driver("A name for your folder?",
                                       [&](HWND dialog) { TypeAndPress(dialog, "Typed name", c.button, seen); });
            result = cl::InputQuery("A name for your folder?", "New Folder", value);
            ASSERT_TRUE(driver.Found());
        }
        EXPECT_EQ(result, c.expectedResult);
        EXPECT_EQ(value, c.expectedValue);
        EXPECT_EQ(seen.prompt, "New Folder");
        EXPECT_EQ(seen.edit, "old name");
        // The old value starts selected, so typing replaces it.
        EXPECT_EQ(seen.selectionStart, 0u);
        EXPECT_EQ(seen.selectionEnd, 8u);
    }
}

}  // namespace
