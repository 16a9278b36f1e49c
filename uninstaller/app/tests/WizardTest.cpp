// The wizard dialog in the test process: its pages, the choices on them, Finish and Cancel,
// the progress view and what it paints.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/GdiHandles.h"
#include "uninstaller/app/ProgramEngineUi.h"
#include "uninstaller/app/ProgressView.h"
#include "uninstaller/app/tests/WizardTestSupport.h"

using namespace wizard_test;

namespace {

std::string Msg(unsigned id)
{
    char text[2048];
    LoadMessage(id, text, sizeof text);
    return text;
}

const char kRepairSource[] = "Source: D:\\setup.exe | 01-02-2003 | 10:11:12 | 99\n";
const char kBackup[] = "File Delete: C:\\NOWHERE\\old.dll\nBackup Copy: C:\\NOWHERE\\old.bak\n";

using WizardTest = WizardFixture;

TEST_F(WizardTest, MethodPageWelcomesAndOffersRepairOnlyWhenPossible)
{
    for (bool repairPossible : {false, true}) {
        SCOPED_TRACE(repairPossible);
        ReadLog(repairPossible ? kRepairSource : "");
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(wine_test::WindowText(wizard), "My Game");   // the main window's caption
        EXPECT_EQ(Text(kPageTitle), "Select Uninstall Method");
        EXPECT_EQ(Text(kPageTextControl),
                  "Welcome to the My Game uninstall program.\n\nYou can choose to automatically uninstall this "
                  "software or to choose exactly which changes are made to your system.");
        EXPECT_EQ(Text(kSecondTextControl), Msg(10));
        EXPECT_EQ(Text(kRadioFirst), "&Automatic");
        EXPECT_EQ(Text(kRadioSecond), "&Custom");
        EXPECT_TRUE(Checked(kRadioFirst));
        EXPECT_FALSE(Checked(kRadioSecond));
        EXPECT_EQ(Visible(kRadioRepair), repairPossible);
        EXPECT_EQ(Text(kRadioRepair), "&Repair");
        EXPECT_FALSE(Visible(kItemList));
        EXPECT_FALSE(Visible(kSelectAllButton));
        EXPECT_FALSE(Enabled(kBackButton));
        EXPECT_EQ(Text(kNextButton), "&Next >");
        EXPECT_EQ(Text(kBackButton), "< &Back");
        EXPECT_EQ(Text(kCancelButton), "Cancel");
        EXPECT_EQ(Text(kSelectAllButton), "Select &All");
        EXPECT_EQ(Text(kSelectNoneButton), "&Select None");
        EXPECT_EQ(GetFocus(), GetDlgItem(wizard, kNextButton));
        DestroyWizard();
    }
}

// Next and Back in a Custom run show only the pages that have items.
TEST_F(WizardTest, CustomRunShowsThePagesWithItems)
{
    const struct {
        const char* name;
        std::string log;
        std::vector<int> forward;
        const char* firstTitle;
        std::vector<std::string> firstLines;
    } cases[] = {
        {"registry trees only", "RegDB Tree: Software\\Halden\\Tree\nRegDB Root: 2\n", {7, 11},
         "Select Registry Trees to Remove", {"HKEY_LOCAL_MACHINE\\Software\\Halden\\Tree"}},
        {"external programs only", "Execute Program: C:\\NOWHERE\\tool.exe\nExecute Name: Clean up\n", {10, 11},
         "Select Sub-Systems to Remove", {"Clean up"}},
        {"icons and services", "Icon Group: G\nIcon Name: Play\nIcon Cmd: x\nCreate Service: HaldenSvc\n", {9, 10, 11},
         "Select Icons to Remove", {"Play"}},
        {"nothing logged", "", {11}, "Perform Uninstall", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReadLog(c.log);
        g_wizard.method = kMethodNone;
        ASSERT_NE(Open(), nullptr);
        SendMessageA(GetDlgItem(wizard, kRadioSecond), BM_CLICK, 0, 0);
        Press(kNextButton);
        EXPECT_EQ(g_wizard.method, kMethodCustom);
        EXPECT_EQ(Text(kPageTitle), c.firstTitle);
        if (g_wizard.page != kPagePerform) {
            EXPECT_EQ(ListLines(), c.firstLines);
            EXPECT_TRUE(Visible(kItemList));
            EXPECT_TRUE(Visible(kSelectAllButton));
            EXPECT_FALSE(Visible(kRadioFirst));
            EXPECT_FALSE(Visible(kSecondTextControl));
            EXPECT_TRUE(Enabled(kBackButton));
        }
        std::vector<int> pages{g_wizard.page};
        while (g_wizard.page != kPagePerform && pages.size() < 12) {
            Press(kNextButton);
            pages.push_back(g_wizard.page);
        }
        EXPECT_EQ(pages, c.forward);

        // The perform page, and Back to the last list page.
        EXPECT_EQ(Text(kPageTitle), "Perform Uninstall");
        EXPECT_EQ(Text(kPageTextControl), "You are now ready to uninstall the My Game from your system.");
        EXPECT_EQ(Text(kSecondTextControl), Msg(22));
        EXPECT_EQ(Text(kNextButton), "&Finish");
        EXPECT_FALSE(Visible(kItemList));
        Press(kBackButton);
        EXPECT_EQ(g_wizard.page, c.forward.size() > 1 ? c.forward[c.forward.size() - 2] : kPageMethod);
        EXPECT_EQ(Text(kNextButton), "&Next >");
        DestroyWizard();
    }
}

TEST_F(WizardTest, AutomaticRunWithBackupsAsksForTheRollback)
{
    const struct {
        const char* name;
        bool rollbackSwitch;
        int answer;
        bool rollback;
    } cases[] = {
        {"no /R, answer yes", false, kRadioFirst, true},
        {"/R, answer no", true, kRadioSecond, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReadLog(std::string(kBackup) + kRepairSource);
        g_wizard.method = kMethodNone;
        g_wizard.rollback = c.rollbackSwitch;
        ASSERT_NE(Open(), nullptr);
        Press(kNextButton);
        ASSERT_EQ(g_wizard.page, kPageRollback);
        EXPECT_EQ(g_wizard.method, kMethodAutomatic);
        EXPECT_EQ(Text(kPageTitle), "Perform Rollback");
        EXPECT_EQ(Text(kPageTextControl), Msg(65));
        EXPECT_EQ(Text(kSecondTextControl), Msg(66));
        EXPECT_EQ(Text(kRadioFirst), "&Yes");
        EXPECT_EQ(Text(kRadioSecond), "N&o");
        EXPECT_FALSE(Visible(kRadioRepair));
        EXPECT_EQ(Checked(kRadioFirst), c.rollbackSwitch);
        EXPECT_EQ(Checked(kRadioSecond), !c.rollbackSwitch);
        EXPECT_TRUE(Enabled(kBackButton));
        SendMessageA(GetDlgItem(wizard, c.answer), BM_CLICK, 0, 0);
        Press(kNextButton);
        EXPECT_EQ(g_wizard.page, kPagePerform);
        EXPECT_EQ(g_wizard.rollback, c.rollback);
        // The perform page speaks of the run the answer chose.
        if (c.rollback) {
            EXPECT_EQ(Text(kPageTitle), "Perform Rollback");
            EXPECT_EQ(Text(kPageTextControl),
                      "You are now ready to roll back the last installation or upgrade of the My Game.");
            EXPECT_EQ(Text(kSecondTextControl), Msg(85));
        } else {
            EXPECT_EQ(Text(kPageTitle), "Perform Uninstall");
            EXPECT_EQ(Text(kPageTextControl), "You are now ready to uninstall the My Game from your system.");
            EXPECT_EQ(Text(kSecondTextControl), Msg(22));
        }
        Press(kBackButton);
        EXPECT_EQ(g_wizard.page, kPageRollback);
        Press(kBackButton);
        EXPECT_EQ(g_wizard.page, kPageMethod);

        // The Repair method goes straight to its own perform page.
        SendMessageA(GetDlgItem(wizard, kRadioRepair), BM_CLICK, 0, 0);
        Press(kNextButton);
        EXPECT_EQ(g_wizard.method, kMethodRepair);
        EXPECT_EQ(g_wizard.page, kPagePerform);
        EXPECT_EQ(Text(kPageTitle), "Perform Repair");
        EXPECT_EQ(Text(kPageTextControl), "You are now ready to repair the My Game.");
        EXPECT_EQ(Text(kSecondTextControl), Msg(75));
        Press(kBackButton);
        EXPECT_EQ(g_wizard.page, kPageMethod);
        EXPECT_TRUE(Checked(kRadioRepair));
        DestroyWizard();
    }
}

// Lines start selected as their records are, and the choices go back into the records.
TEST_F(WizardTest, ListSelectionsGoIntoTheRecords)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string shared = std::string(system) + "\\UNHWIZ" + std::to_string(GetCurrentProcessId()) + ".DLL";
    wine_test::WriteFile(shared, "MZ");
    std::string files;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        wine_test::WriteFile(folder + "\\" + name, "x");
        files += "File Copy: " + folder + "\\" + name + "\n";
    }
    ReadLog(files + "Non-System File:\nFile Copy: " + shared + "\n");
    DeleteFileA(shared.c_str());
    g_wizard.method = kMethodCustom;
    ASSERT_NE(Open(), nullptr);
    Press(kNextButton);
    ASSERT_EQ(g_wizard.page, kPagePrivateFiles);
    EXPECT_EQ(ListLines().size(), 3u);
    EXPECT_TRUE(SelectedLines().empty());
    EXPECT_GT(SendDlgItemMessageA(wizard, kItemList, LB_GETHORIZONTALEXTENT, 0, 0), 0);

    SendDlgItemMessageA(wizard, kItemList, LB_SETSEL, TRUE, 1);
    Press(kNextButton);
    ASSERT_EQ(g_wizard.page, kPageSystemFiles);
    EXPECT_EQ(ListLines(), std::vector<std::string>{shared});
    EXPECT_EQ(SelectedLines(), std::vector<int>{0});   // the "Non-System File:" mark
    EXPECT_EQ(g_itemStore.privateFiles[0]->selected, 0);
    EXPECT_EQ(g_itemStore.privateFiles[1]->selected, 1);
    EXPECT_EQ(g_itemStore.privateFiles[2]->selected, 0);

    Press(kSelectNoneButton);
    Press(kBackButton);
    EXPECT_EQ(g_itemStore.systemFiles[0]->selected, 0);
    EXPECT_EQ(SelectedLines(), std::vector<int>{1});
    Press(kSelectAllButton);
    Press(kNextButton);
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_EQ(g_itemStore.privateFiles[i]->selected, 1) << i;
}

TEST_F(WizardTest, FinishEndsTheChoiceAndCancelAsksFirst)
{
    ReadLog("");
    ASSERT_NE(Open(kPagePerform), nullptr);
    ASSERT_TRUE(g_wizard.animationTimerRunning);   // started by the first paint

    BoxAnswer() = IDNO;
    Press(kCancelButton);
    ASSERT_EQ(ShownBoxes().size(), 1u);
    EXPECT_EQ(ShownBoxes()[0].text, "Are you sure you want to cancel the uninstall?");
    EXPECT_EQ(ShownBoxes()[0].caption, "Uninstall");
    EXPECT_EQ(ShownBoxes()[0].owner, wizard);
    EXPECT_EQ(ShownBoxes()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_FALSE(ShownBoxes()[0].animationRunning);
    EXPECT_TRUE(g_wizard.animationTimerRunning);
    EXPECT_FALSE(g_app.cancelled);
    EXPECT_TRUE(IsWindowVisible(wizard));

    Press(kNextButton);
    EXPECT_TRUE(g_wizard.finished);

    BoxAnswer() = IDYES;
    Press(kCancelButton);
    EXPECT_TRUE(g_app.cancelled);
    EXPECT_FALSE(IsWindowVisible(wizard));
}

TEST_F(WizardTest, StartingOnTheLastPage)
{
    const struct {
        const char* name;
        bool automatic, startOnLastPage;
        bool nextShown, backShown, backEnabled;
    } cases[] = {
        {"/A proceeds without Next and Back", true, false, false, false, true},
        {"/U keeps Back disabled", false, true, true, true, false},
        {"plain", false, false, true, true, true},
    };
    ReadLog("");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_app.commandLine.automatic = c.automatic;
        g_app.commandLine.startOnLastPage = c.startOnLastPage;
        g_wizard.method = kMethodAutomatic;
        ASSERT_NE(Open(kPagePerform), nullptr);
        EXPECT_EQ(Visible(kNextButton), c.nextShown);
        EXPECT_EQ(Visible(kBackButton), c.backShown);
        EXPECT_EQ(Enabled(kBackButton), c.backEnabled);
        // Enter reaches the wizard as Next even when the button is hidden.
        Press(kNextButton);
        EXPECT_EQ(g_wizard.finished, c.nextShown);
        g_wizard.finished = false;
        DestroyWizard();
    }
}

TEST_F(WizardTest, ProgressViewShowsHeadingAndFittedTexts)
{
    const struct {
        bool repair, rollback;
        const char* heading;
    } cases[] = {
        {false, false,
         "Performing uninstall of My Game...\n\nPress the Cancel button to cancel the uninstall process and exit this "
         "program."},
        {false, true,
         "Performing rollback of My Game...\n\nPress the Cancel button to cancel the rollback process and exit this "
         "program."},
        {true, false,
         "Performing repair of My Game...\n\nPress the Cancel button to cancel the repair process and exit this "
         "program."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        ReadLog("");
        g_wizard.method = c.repair ? kMethodRepair : kMethodAutomatic;
        g_wizard.rollback = c.rollback;
        ASSERT_NE(Open(kPagePerform), nullptr);
        EnterProgressView(c.repair);
        EXPECT_FALSE(Visible(kPageTextControl));
        EXPECT_FALSE(Visible(kSecondTextControl));
        EXPECT_TRUE(Visible(kProgressHeading));
        EXPECT_TRUE(Visible(kProgressText));
        EXPECT_FALSE(Enabled(kNextButton));
        EXPECT_FALSE(Enabled(kBackButton));
        EXPECT_EQ(Text(kProgressHeading), c.heading);
        DestroyWizard();
    }
    g_wizard.rollback = false;

    ASSERT_NE(Open(kPagePerform), nullptr);
    EnterProgressView(false);
    ShowProgressItem(31, "C:\\Games");
    EXPECT_EQ(Text(kProgressText), "\r\n\r\nRemoving Directory:\r\nC:\\Games");

    // A path wider than the control loses its middle folders.
    std::string path = "C:\\Program Files";
    for (int i = 0; i < 12; ++i)
        path += "\\Halden Games Folder " + std::to_string(i);
    path += "\\readme.txt";
    ShowProgressItem(29, path.c_str());
    std::string shown = Text(kProgressText);
    ASSERT_EQ(shown.compare(0, 20, "\r\n\r\nRemoving File:\r\n"), 0) << shown;
    std::string fitted = shown.substr(20);
    EXPECT_EQ(fitted.compare(0, 7, "C:\\...\\"), 0) << fitted;
    EXPECT_EQ(fitted.substr(fitted.size() - 11), "\\readme.txt");
    HWND control = GetDlgItem(wizard, kProgressText);
    RECT client;
    GetClientRect(control, &client);
    WindowDc dc(control);
    SelectedObject font(dc.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc.dc, fitted.c_str(), static_cast<int>(fitted.size()), &size);
    EXPECT_LT(size.cx, client.right);

    ShowProgressKey(36, ("Software\\Halden Solutions\\" + std::string(60, 'k')).c_str());
    EXPECT_EQ(Text(kProgressText),
              "\r\n\r\nEditing Registration Database Key:\r\nSoftware\\Halden Solutions\\" + std::string(19, 'k') + "...");
}

// The engine's items pass faster than their texts can be read: no text is lost, the latest goes
// up once its moment has come, and a wait puts it up at once.
TEST_F(WizardTest, EngineProgressTextsKeepTheLatestItem)
{
    ReadLog("");
    ASSERT_NE(Open(kPagePerform), nullptr);
    ProgramEngineUi ui;
    ui.EnterProgressView();
    ui.ShowProgressItem(29, "C:\\Games\\one.dat", kProgressPath);
    EXPECT_EQ(Text(kProgressText), "\r\n\r\nRemoving File:\r\nC:\\Games\\one.dat");

    ui.ShowProgressItem(29, "C:\\Games\\two.dat", kProgressPath);
    ui.ShowProgressItem(36, "Software\\Halden", kProgressKey);
    ui.Wait(0);
    EXPECT_EQ(Text(kProgressText), "\r\n\r\nEditing Registration Database Key:\r\nSoftware\\Halden");

    ui.ShowProgressItem(29, "C:\\Games\\three.dat", kProgressPath);
    const std::string last = "\r\n\r\nRemoving File:\r\nC:\\Games\\three.dat";
    EXPECT_TRUE(wine_test::WaitUntil(
        [&] {
            ui.ServeWindows();
            return Text(kProgressText) == last;
        },
        5000))
        << Text(kProgressText);
    DestroyWizard();
}

// The wizard paints into any device context it is given: the picture is taken off-screen.
TEST_F(WizardTest, ProgressPaintsTheBarAndTheAnimation)
{
    ReadLog("");
    ASSERT_NE(Open(kPagePerform), nullptr);
    EnterProgressView(false);
    SetProgressCounts(1, 4);
    for (int tick = 0; tick < 3; ++tick)
        SendMessageA(wizard, WM_TIMER, kAnimationTimerId, 0);
    EXPECT_EQ(g_wizard.animationFrame, 3);

    RECT client;
    GetClientRect(wizard, &client);
    WindowDc screen(nullptr);
    MemoryDc memory(screen.dc);
    GdiObject picture(CreateCompatibleBitmap(screen.dc, client.right, client.bottom));
    SelectedObject selected(memory.dc, picture.object);
    FillRect(memory.dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageA(wizard, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.dc), PRF_CLIENT);

    const RECT& bar = g_wizard.barRect;
    int middle = (bar.top + bar.bottom) / 2;
    int width = bar.right - bar.left;
    EXPECT_EQ(GetPixel(memory.dc, bar.left + 1, middle), 0x7F0000u);
    EXPECT_NE(GetPixel(memory.dc, bar.left + width / 2, middle), 0x7F0000u);
    EXPECT_EQ(GetPixel(memory.dc, bar.left - 1, middle), GetSysColor(COLOR_BTNSHADOW));

    // The bin stands at the left of the animation area, below its top.
    const RECT& area = g_wizard.animationRect;
    int binTop = area.top + HIWORD(GetDialogBaseUnits()) * 10 / 8;
    int drawn = 0;
    for (int y = binTop; y < binTop + 32 && y < area.bottom; ++y)
        for (int x = area.left; x < area.left + 32; ++x)
            drawn += GetPixel(memory.dc, x, y) != GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(drawn, 50);
}

// Every dialog is widened by a sixth and gets the light dialog font; the title is bold.
TEST_F(WizardTest, PreparedDialogIsWiderWithTheSettingsFont)
{
    ReadLog("");
    ASSERT_NE(Open(), nullptr);
    RECT templateRect = {7, 9, 7 + 142, 9 + 8};
    MapDialogRect(wizard, &templateRect);
    RECT title;
    GetWindowRect(GetDlgItem(wizard, kPageTitle), &title);
    MapWindowPoints(nullptr, wizard, reinterpret_cast<POINT*>(&title), 2);
    EXPECT_EQ(title.left, templateRect.left + templateRect.left / 6);
    EXPECT_EQ(title.right, templateRect.right + templateRect.right / 6);
    EXPECT_EQ(title.top, templateRect.top);

    LOGFONTA text{}, bold{};
    GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(wizard, kPageTextControl, WM_GETFONT, 0, 0)), sizeof text,
               &text);
    GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(wizard, kPageTitle, WM_GETFONT, 0, 0)), sizeof bold, &bold);
    WindowDc screen(nullptr);
    EXPECT_EQ(text.lfHeight, -MulDiv(8, GetDeviceCaps(screen.dc, LOGPIXELSY), 72));
    EXPECT_EQ(text.lfWeight, 300);
    EXPECT_EQ(bold.lfWeight, 700);

    // The maker's label shows its whole text, with the lower line beside it.
    HWND label = GetDlgItem(wizard, kMakerLabel);
    std::string maker = wine_test::WindowText(label);
    EXPECT_EQ(maker, "Halden Installation Wizard\xAE");
    SIZE needed{};
    {
        WindowDc dc(label);
        SelectedObject labelFont(dc.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.dc, maker.c_str(), static_cast<int>(maker.size()), &needed);
    }
    RECT labelRect, lineRect;
    GetWindowRect(label, &labelRect);
    GetWindowRect(GetDlgItem(wizard, kLowerLine), &lineRect);
    EXPECT_GE(labelRect.right - labelRect.left, needed.cx);
    EXPECT_GT(lineRect.left, labelRect.right);

    // Centred on the screen.
    RECT window;
    GetWindowRect(wizard, &window);
    EXPECT_NEAR(window.left + window.right, GetSystemMetrics(SM_CXSCREEN), 1);
}

}  // namespace

// A larger settings font: every one-line label and button is as tall as its text, and the title
// is drawn bold. Hidden controls count too: the progress view shows them later.
TEST_F(WizardTest, ControlsFollowALargerSettingsFont)
{
    ReadLog("");
    for (int size : {10, 12, 14, 18}) {
        SCOPED_TRACE(size);
        DestroyWizard();
        FreeDialogFonts();
        g_app.settings.fontSize = size;
        ASSERT_NE(Open(), nullptr);
        int checked = 0;
        for (HWND child = GetWindow(wizard, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[32] = "";
            GetClassNameA(child, className, sizeof className);
            std::string text = wine_test::WindowText(child);
            RECT client;
            GetClientRect(child, &client);
            bool button = lstrcmpiA(className, "Button") == 0;
            if (text.empty() || (!button && lstrcmpiA(className, "Static") != 0))
                continue;
            WindowDc dc(child);
            SelectedObject font(dc.dc, reinterpret_cast<HGDIOBJ>(SendMessageA(child, WM_GETFONT, 0, 0)));
            TEXTMETRICA metrics{};
            GetTextMetricsA(dc.dc, &metrics);
            SCOPED_TRACE(text);
            if (!button && client.bottom > 2 * metrics.tmHeight)
                continue;   // a text of several lines
            EXPECT_GE(client.bottom, metrics.tmHeight);
            ++checked;
        }
        EXPECT_GE(checked, 8);

        WindowDc dc(wizard);
        SelectedObject font(dc.dc,
                            reinterpret_cast<HGDIOBJ>(SendDlgItemMessageA(wizard, kPageTitle, WM_GETFONT, 0, 0)));
        TEXTMETRICA title{};
        GetTextMetricsA(dc.dc, &title);
        EXPECT_GE(title.tmWeight, FW_BOLD);
    }
    DestroyWizard();
    FreeDialogFonts();
}
