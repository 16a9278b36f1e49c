#pragma once
// The program's state as start-up leaves it before the wizard, built in the test process: the
// settings' defaults, the hollow brush, the banner, a main window titled by the log, the
// cancel question, and a log read into the item store. Message boxes go to a recorder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/AppState.h"
#include "uninstaller/app/LogReaderUi.h"
#include "uninstaller/app/MainWindow.h"
#include "uninstaller/app/Messages.h"
#include "uninstaller/app/UserPrompts.h"
#include "uninstaller/app/Wizard.h"
#include "uninstaller/app/tests/WineTestSupport.h"
#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/WindowsLogSystem.h"

namespace wizard_test {

struct ShownBox {
    std::string text, caption;
    HWND owner;
    UINT type;
    bool animationRunning;
};

inline std::vector<ShownBox>& ShownBoxes()
{
    static std::vector<ShownBox> boxes;
    return boxes;
}

inline int& BoxAnswer()
{
    static int answer = IDOK;
    return answer;
}

inline int RecordMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    ShownBoxes().push_back({text, caption, owner, type, g_wizard.animationTimerRunning});
    return BoxAnswer();
}

inline bool NoSetting(void*, const char*, char*, size_t)
{
    return false;
}

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetAppState();
        g_app.instance = GetModuleHandleA(nullptr);
        g_wizard = WizardState{};
        folder = wine_test::TempFolder("unhwiz");
        std::snprintf(g_app.iniPath, sizeof g_app.iniPath, "%s\\UNHALDEN32.INI", folder.c_str());
        ReadSettings(&g_app.settings, NoSetting, nullptr);
        LOGBRUSH hollow{BS_HOLLOW, 0, 0};
        g_app.hollowBrush = CreateBrushIndirect(&hollow);
        g_app.banner = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(106));
        g_app.mainWindow = CreateMainWindow();
        LoadMessage(25, g_app.cancelCaption, sizeof g_app.cancelCaption);
        LoadMessage(59, g_app.cancelQuestion, sizeof g_app.cancelQuestion);
        ShownBoxes().clear();
        BoxAnswer() = IDOK;
        SetMessageBoxHook(RecordMessageBox);
    }

    void TearDown() override
    {
        DestroyWizard();
        if (g_app.mainWindow)
            DestroyWindow(g_app.mainWindow);
        // The main window's quit message must not end the next test's dialogs.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        SetMessageBoxHook(nullptr);
        FreeItemStore();
        DeleteObject(g_app.hollowBrush);
        DeleteObject(g_app.banner);
        ResetAppState();
    }

    // Reads a log of "My Game" with body (lines ended by "\n") into the item store.
    void ReadLog(const std::string& body)
    {
        std::string text = "*** Installation Started 03/07/2026 10:00 ***\nTitle: My Game Installation\n" + body;
        std::string log;
        for (char c : text) {
            if (c == '\n')
                log += '\r';
            log += c;
        }
        // In the drive's root the log's folder is not an item of the log.
        std::string path = "C:\\unhwiz" + std::to_string(GetCurrentProcessId()) + ".log";
        wine_test::WriteFile(path, log);
        ASSERT_EQ(AllocateItemTables(), 0);
        WindowsLogSystem system;
        ProgramLogUi ui;
        int result = ReadInstallLog(path.c_str(), g_app.topDirectory, sizeof g_app.topDirectory, system, ui);
        DeleteFileA(path.c_str());
        ASSERT_EQ(result, 0);
    }

    HWND Open(int page = kPageMethod)
    {
        g_wizard.page = page;
        wizard = CreateWizard(nullptr);
        return wizard;
    }

    void Press(int id)
    {
        SendMessageA(wizard, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(wizard, id)));
    }

    std::string Text(int id) const
    {
        char text[2048] = "";
        GetDlgItemTextA(wizard, id, text, sizeof text);
        return text;
    }

    bool Visible(int id) const { return IsWindowVisible(GetDlgItem(wizard, id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(wizard, id)) != FALSE; }
    bool Checked(int id) const { return IsDlgButtonChecked(wizard, id) == BST_CHECKED; }

    std::vector<std::string> ListLines() const
    {
        std::vector<std::string> lines;
        HWND list = GetDlgItem(wizard, kItemList);
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char line[4096] = "";
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
            lines.push_back(line);
        }
        return lines;
    }

    std::vector<int> SelectedLines() const
    {
        std::vector<int> selected;
        HWND list = GetDlgItem(wizard, kItemList);
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i)
            if (SendMessageA(list, LB_GETSEL, i, 0) > 0)
                selected.push_back(static_cast<int>(i));
        return selected;
    }

    std::string folder;
    HWND wizard = nullptr;
};

}  // namespace wizard_test
