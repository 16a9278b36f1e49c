// The shell list read from a form resource: its published folder, options, filter and sort
// column take effect.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/shell/MwShellList.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

// The locator's stored record of a list: kind 0, its size, then its bytes.
std::string PidlRecord(LPCITEMIDLIST pidl) {
    const std::vector<uint8_t> bytes = test::BytesOf(pidl);
    std::string hex = "00";
    char byte[3];
    for (int shift = 0; shift < 32; shift += 8) {
        snprintf(byte, sizeof byte, "%02X", static_cast<unsigned>((bytes.size() >> shift) & 0xFF));
        hex += byte;
    }
    for (uint8_t b : bytes) {
        snprintf(byte, sizeof byte, "%02X", b);
        hex += byte;
    }
    return hex;
}

std::vector<std::string> Captions(TMwShellList* list) {
    std::vector<std::string> names;
    for (int i = 0; i < ListView_GetItemCount(list->Handle()); ++i) {
        char text[MAX_PATH] = {};
        ListView_GetItemText(list->Handle(), i, 0, text, sizeof text);
        names.push_back(text);
    }
    return names;
}

TEST(ShellListForm, PublishedPropertiesTakeEffect) {
    cl::TApplication app;
    ut_test::ScratchFolder scratch;
    test::WriteFileOfSize(scratch / "a.txt", 1);
    test::WriteFileOfSize(scratch / "b.txt", 1);
    test::WriteFileOfSize(scratch / "c.log", 1);
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    auto* form = new cl::TForm(&app);
    cl::ReadFormResource(*form,
                         "object F: TForm\n"
                         "  object Files: TMwShellList\n"
                         "    Width = 300\n    Height = 200\n"
                         "    Folder.Pidl = {" + PidlRecord(test::PidlOfPath(scratch.Path()).get()) + "}\n"
                         "    ListOptions = [sloAutoFill, sloDefaultKeyHandling, sloNeverNavigate]\n"
                         "    FileFilter = \"*.txt\"\n"
                         "    SortColumn = -1\n"
                         "  end\n"
                         "end\n",
                         "F");
    auto* list = dynamic_cast<TMwShellList*>(form->FindComponent("Files"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ListOptions(), mw::sloAutoFill | mw::sloDefaultKeyHandling | mw::sloNeverNavigate);
    EXPECT_EQ(list->FileFilter(), "*.txt");
    form->Show();

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (list->ItemCount() == 0 && std::chrono::steady_clock::now() < deadline) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"b.txt", "a.txt"}));
    // Never navigating: Backspace stays in the folder.
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"b.txt", "a.txt"}));
    delete form;
}

}  // namespace
