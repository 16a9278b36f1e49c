// Whole runs of the engine over an installation described by a log: an application installed,
// then upgraded, in a system held in memory.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "uninstaller/app/EngineRun.h"
#include "uninstaller/app/SharedCount.h"
#include "uninstaller/app/tests/FakeEngineHost.h"
#include "uninstaller/log/InstallLog.h"

using namespace engine_test;

namespace {

const char kLogPath[] = "C:\\App\\INSTALL.LOG";
const char kRepairKey[] = "Software\\Halden Solutions\\Halden Installation System\\Repair\\C:/App/INSTALL.LOG";

const char kInstallation[] =
    "***  Installation Started ***\n"
    "Title: Test Application\n"
    "File Copy: C:\\App\\app.exe\n"
    "File Copy: C:\\App\\readme.txt\n"
    "File Copy: C:\\App\\Data\\data.bin\n"
    "File Overwrite: C:\\Shared\\common.dll\n"
    "Backup Copy: C:\\App\\Backup\\common.dll\n"
    "File Copy: C:\\App\\shared.ocx\n"
    "Self-Register: C:\\App\\shared.ocx\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\SOLO.DLL\n"
    "Non-System File:\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\MARKED.DLL\n"
    "Made Dir: C:\\App\\Data\n"
    "File Tree: C:\\App\\Logs\\*.*\n"
    "INI New: \n"
    "INI File: C:\\App\\app.ini\n"
    "INI File: C:\\WINDOWS\\WIN.INI\n"
    "INI Sect: Desktop\n"
    "INI Item: Wallpaper\n"
    "INI Val: halden.bmp\n"
    "INI Old: none\n"
    "RegDB Key: Software\\Halden\\App\n"
    "RegDB Val: C:\\App\n"
    "RegDB Name: Path\n"
    "RegDB Root: 2\n"
    "RegDB Key: Software\\Other\n"
    "RegDB Val: v1\n"
    "RegDB Name: Mode\n"
    "RegDB Root: 1\n"
    "RegDB Old: classic\n"
    "RegDB Tree: Software\\Halden\\Tree\n"
    "RegDB Root: 2\n"
    "Create Service: HaldenSvc\n"
    "Execute Program: C:\\App\\cleanup.exe /all\n"
    "Execute Name: Clean up\n"
    "Icon Group: Halden\n"
    "Icon Name: App\n"
    "Icon Cmd: C:\\App\\app.exe\n";

const char kUpgrade[] =
    "***  Upgrade Started ***\n"
    "Title: Test Application\n"
    "File Copy: C:\\App\\app.exe\n"
    "Backup Copy: C:\\App\\Backup\\app.exe\n"
    "File Copy: C:\\App\\new.dll\n"
    "File Copy: C:\\App\\shared.ocx\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL\n"
    "File Copy: C:\\App\\readme.txt\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\MARKED.DLL\n"
    "File Delete: C:\\App\\old.txt\n"
    "Backup Copy: C:\\App\\Backup\\old.txt\n"
    "INI File: C:\\WINDOWS\\WIN.INI\n"
    "INI Sect: Desktop\n"
    "INI Item: Wallpaper\n"
    "INI Val: halden2.bmp\n"
    "INI Old: halden.bmp\n"
    "RegDB Key: Software\\Other\n"
    "RegDB Val: v2\n"
    "RegDB Name: Mode\n"
    "RegDB Root: 1\n"
    "RegDB Old: v1\n"
    "Icon Group: Halden\n"
    "Icon Name: Tools\n"
    "Icon Cmd: C:\\App\\tools.exe\n";

std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

typedef std::vector<std::pair<unsigned, std::string>> Shown;

class EngineRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        FakeFiles& files = fake.files;
        for (const char* path : {"C:\\App\\app.exe", "C:\\App\\readme.txt", "C:\\App\\Data\\data.bin",
                                 "C:\\Shared\\common.dll", "C:\\App\\Backup\\common.dll", "C:\\App\\shared.ocx",
                                 "C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL", "C:\\WINDOWS\\SYSTEM32\\SOLO.DLL",
                                 "C:\\WINDOWS\\SYSTEM32\\MARKED.DLL", "C:\\App\\Logs\\a.log", "C:\\App\\Logs\\b.log",
                                 "C:\\App\\app.ini", "C:\\WINDOWS\\WIN.INI", "C:\\App\\new.dll", "C:\\App\\Backup\\old.txt",
                                 "C:\\App\\cleanup.exe", "C:\\App\\user.doc"})
            files.AddFile(path);
        files.AddFile("C:\\App\\app.exe", "v2");
        files.AddFile("C:\\App\\Backup\\app.exe", "v1");
        files.ini["C:\\WINDOWS\\WIN.INI|DESKTOP|WALLPAPER"] = "halden2.bmp";

        FakeRegistry& registry = fake.registry;
        registry.SetString(kRootLocalMachine, "Software\\Halden\\App", "Path", "C:\\App");
        registry.SetString(kRootLocalMachine, "Software\\Halden\\Keep", "Mine", "x");
        registry.SetString(kRootCurrentUser, "Software\\Other", "Mode", "v2");
        registry.SetString(kRootLocalMachine, "Software\\Halden\\Tree\\Sub", "Value", "1");
        registry.SetDword(kRootLocalMachine, kSharedDllsKey, "C:\\App\\shared.ocx", 2);
        registry.SetDword(kRootLocalMachine, kSharedDllsKey, "C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL", 3);
        registry.SetDword(kRootLocalMachine, kSharedDllsKey, "C:\\WINDOWS\\SYSTEM32\\SOLO.DLL", 1);
        registry.SetString(kRootLocalMachine, kRepairKey, "C:\\App\\app.exe", "");
        fake.actions.services["HaldenSvc"] = "\"C:\\App\\halden.exe\" -service";
        AllocateItemTables();
    }
    void TearDown() override { FreeItemStore(); }

    void ReadLog(const std::string& text)
    {
        fake.files.files[kLogPath] = WithCrLf(text);
        ReadLogAgain();
    }

    // A new run reads the log as the last run left it, over the files there now.
    void ReadLogAgain()
    {
        FreeItemStore();
        AllocateItemTables();
        log = fake.files.files[kLogPath];
        logSystem.existingFiles.clear();
        for (const auto& file : fake.files.files)
            logSystem.existingFiles.insert(file.first);
        MemoryLogInput input(log.data(), log.size());
        ASSERT_EQ(ReadInstallLogFrom(input, kLogPath, logSystem, logUi), 0);
    }

    std::string Counter(const char* path) const
    {
        return fake.registry.Text(kRootLocalMachine, kSharedDllsKey, path);
    }

    int Run(bool automatic, bool rollback, bool silent = false)
    {
        ProtectedFolderRules folders;
        if (windowsProtected) {
            folders.Add("C:\\WINDOWS", kProtectWindowsFolder);
            folders.Add("C:\\WINDOWS\\SYSTEM32", kProtectFolderAndContents);
            folders.Add("C:\\WINDOWS\\Fonts", kProtectFolderAndContents);
        }
        folders.Add("C:\\Program Files", kProtectFolder);
        EngineOptions options{automatic, rollback, silent, true, kLogPath, folders, waitLimit};
        report = KeptItems();
        int result = RunEngine(g_itemStore, options, fake.host, &report);
        kept = report.Summary(255);
        return result;
    }

    std::string Ini(const char* key) const
    {
        auto found = fake.files.ini.find(key);
        return found == fake.files.ini.end() ? "<none>" : found->second;
    }

    // What the installation never made is there in every kind of run.
    void ExpectUntouchedByAnyRun()
    {
        for (const char* path : {"C:\\App\\user.doc", "C:\\App\\cleanup.exe", "C:\\Shared\\common.dll",
                                 "C:\\App\\Backup\\common.dll", "C:\\WINDOWS\\WIN.INI"})
            EXPECT_TRUE(fake.files.FileExists(path)) << path;
        EXPECT_EQ(fake.registry.Text(kRootLocalMachine, "Software\\Halden\\Keep", "Mine"), "x");
    }

    FakeHost fake;
    FakeLogSystem logSystem;
    FakeLogUi logUi;
    std::string log;
    std::string kept;   // the run's report of what it kept
    unsigned waitLimit = kWaitWithoutLimit;
    KeptItems report;   // what it kept, item by item
    bool windowsProtected = true;
};

TEST_F(EngineRunTest, AutomaticUninstallUndoesEverySection)
{
    ReadLog(std::string(kInstallation) + kUpgrade);
    fake.ui.sharedAnswers = {kChoiceYes, kChoiceYes};
    // The system files lie in the Windows folder: they are the system's. The one the log
    // preselects is kept and reported; the counted one is kept as if the user had said No.
    EXPECT_EQ(Run(true, false), 1);
    EXPECT_EQ(kept, "Kept 1: C:\\WINDOWS\\SYSTEM32\\MARKED.DLL (the system's own)");

    const Shown expected = {
        {57, "Clean up"},
        {58, "HaldenSvc"},
        {33, "C:\\App\\app.ini"},
        {34, "C:\\WINDOWS\\WIN.INI"},
        {29, "C:\\App\\shared.ocx"},
        {40, "C:\\App\\shared.ocx"},
        {29, "C:\\App\\app.exe"},
        {29, "C:\\App\\readme.txt"},
        {29, "C:\\App\\Data\\data.bin"},
        {29, "C:\\App\\shared.ocx"},
        {29, "C:\\App\\new.dll"},
        {30, "C:\\WINDOWS\\SYSTEM32\\MARKED.DLL"},
        {32, "C:\\App"},
        {31, "C:\\App\\Logs"},
        {36, "Software\\Other"},
        {35, "Software\\Halden\\App"},
        {56, "Software\\Halden\\Tree"},
        {37, "App"},
        {37, "Tools"},
    };
    EXPECT_EQ(fake.ui.shown, expected);
    EXPECT_TRUE(fake.ui.progressView);
    EXPECT_EQ(fake.ui.total, 19u);
    EXPECT_EQ(fake.ui.done, 19u);
    EXPECT_EQ(fake.ui.waited, 3500u);
    const std::vector<std::string> actions = {"run C:\\App\\cleanup.exe|/all", "service HaldenSvc",
                                              "unregister C:\\App\\shared.ocx", "connect", "icon App",
                                              "icon Tools", "disconnect"};
    EXPECT_EQ(fake.actions.done, actions);

    // Both counted copies of shared.ocx are taken off: it was asked for. SOLO.DLL's counter
    // reached 0 too, but it lies in the Windows folder: nobody is asked about a file that stays.
    // HALDEN.DLL stays for the program that counts it too.
    ASSERT_EQ(fake.ui.questions.size(), 1u);
    EXPECT_NE(fake.ui.questions[0].find("C:\\App\\shared.ocx"), std::string::npos);
    // The progress text names the file while the question is up.
    EXPECT_EQ(fake.ui.shownWhenAsked, (Shown{{29, "C:\\App\\shared.ocx"}}));
    EXPECT_EQ(Counter("C:\\WINDOWS\\SYSTEM32\\SOLO.DLL"), "");
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, kSharedDllsKey, "C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL"), "1");
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL"));

    for (const char* path : {"C:\\App\\app.exe", "C:\\App\\readme.txt", "C:\\App\\Data\\data.bin",
                             "C:\\App\\shared.ocx", "C:\\App\\new.dll", "C:\\App\\app.ini", "C:\\App\\Logs\\a.log",
                             "C:\\App\\Data", "C:\\App\\Logs", kLogPath})
        EXPECT_FALSE(fake.files.Has(path)) << path;
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\SOLO.DLL"));
    // Backups stay, and with them the folders that hold them.
    EXPECT_EQ(fake.files.files["C:\\App\\Backup\\app.exe"], "v1");
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\old.txt"));
    EXPECT_EQ(Ini("C:\\WINDOWS\\WIN.INI|DESKTOP|WALLPAPER"), "none");

    EXPECT_EQ(fake.registry.Text(kRootCurrentUser, "Software\\Other", "Mode"), "classic");
    EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, "Software\\Halden\\App"));
    EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, "Software\\Halden\\Tree"));
    EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, kRepairKey));
    ExpectUntouchedByAnyRun();
}

TEST_F(EngineRunTest, RollbackUndoesOnlyTheLastSection)
{
    ReadLog(std::string(kInstallation) + kUpgrade);
    EXPECT_EQ(Run(true, true), 0);

    const Shown expected = {
        {34, "C:\\WINDOWS\\WIN.INI"},
        {29, "C:\\App\\app.exe"},
        {29, "C:\\App\\new.dll"},
        {36, "Software\\Other"},
        {37, "Tools"},
    };
    EXPECT_EQ(fake.ui.shown, expected);
    EXPECT_EQ(fake.actions.done, (std::vector<std::string>{"connect", "icon Tools", "disconnect"}));
    EXPECT_TRUE(fake.ui.questions.empty());

    // The upgrade's files: replaced ones put back, new ones gone, deleted ones restored.
    EXPECT_EQ(fake.files.files["C:\\App\\app.exe"], "v1");
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\Backup\\app.exe"));
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\new.dll"));
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\old.txt"));
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\Backup\\old.txt"));
    // Copied again by the upgrade without a backup: they were there before it, and stay,
    // counted or not, preselected or not.
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\readme.txt"));
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\MARKED.DLL"));
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\shared.ocx"));
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL"));
    // One counted copy each is taken back.
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, kSharedDllsKey, "C:\\App\\shared.ocx"), "1");
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, kSharedDllsKey, "C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL"), "2");
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, kSharedDllsKey, "C:\\WINDOWS\\SYSTEM32\\SOLO.DLL"), "1");

    EXPECT_EQ(Ini("C:\\WINDOWS\\WIN.INI|DESKTOP|WALLPAPER"), "halden.bmp");
    EXPECT_EQ(fake.registry.Text(kRootCurrentUser, "Software\\Other", "Mode"), "v1");

    // The first installation is whole.
    for (const char* path : {"C:\\App\\readme.txt", "C:\\App\\Data\\data.bin", "C:\\App\\app.ini",
                             "C:\\App\\Logs\\a.log", "C:\\WINDOWS\\SYSTEM32\\SOLO.DLL"})
        EXPECT_TRUE(fake.files.FileExists(path)) << path;
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, "Software\\Halden\\App", "Path"), "C:\\App");
    EXPECT_TRUE(fake.registry.HasKey(kRootLocalMachine, "Software\\Halden\\Tree\\Sub"));
    EXPECT_TRUE(fake.registry.HasKey(kRootLocalMachine, kRepairKey));

    // The log ends where the upgrade began.
    EXPECT_EQ(fake.files.files[kLogPath], WithCrLf(kInstallation));
    ExpectUntouchedByAnyRun();
}

TEST_F(EngineRunTest, CustomRunTakesOnlyTheSelection)
{
    ReadLog(std::string(kInstallation) + kUpgrade);
    ItemStore& store = g_itemStore;
    store.privateFiles[1]->selected = 1;   // readme.txt
    store.directories[1]->selected = 1;    // C:\App\Logs\ (with its files)
    store.registryTrees[0]->selected = 1;
    // A rollback asked for on the command line does not apply to a Custom run. The system file
    // the log preselects lies in the Windows folder: it stays.
    EXPECT_EQ(Run(false, true), 1);
    EXPECT_EQ(kept, "Kept 1: C:\\WINDOWS\\SYSTEM32\\MARKED.DLL (the system's own)");

    EXPECT_FALSE(fake.files.FileExists("C:\\App\\readme.txt"));
    EXPECT_FALSE(fake.files.Has("C:\\App\\Logs"));
    EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, "Software\\Halden\\Tree"));
    EXPECT_EQ(fake.files.files["C:\\App\\app.exe"], "v2");
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\new.dll"));
    EXPECT_TRUE(fake.files.FileExists(kLogPath));
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, "Software\\Halden\\App", "Path"), "C:\\App");
    EXPECT_EQ(fake.registry.Text(kRootCurrentUser, "Software\\Other", "Mode"), "v2");
    EXPECT_TRUE(fake.registry.HasKey(kRootLocalMachine, kRepairKey));
    EXPECT_TRUE(fake.actions.done.empty());
    ExpectUntouchedByAnyRun();
}

TEST_F(EngineRunTest, CancelStopsAtTheNextItemAndSkipsTheRest)
{
    ReadLog(std::string(kInstallation) + kUpgrade);
    fake.ui.cancelAfterItems = 3;   // after the INI file's text
    EXPECT_EQ(Run(true, false), 0);
    EXPECT_EQ(fake.ui.shown.size(), 3u);
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\app.ini"));
    EXPECT_EQ(Ini("C:\\WINDOWS\\WIN.INI|DESKTOP|WALLPAPER"), "halden2.bmp");
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\app.exe"));
    EXPECT_TRUE(fake.files.FileExists(kLogPath));
    EXPECT_TRUE(fake.registry.HasKey(kRootLocalMachine, kRepairKey));
    EXPECT_TRUE(fake.ui.questions.empty());
}

TEST_F(EngineRunTest, RollbackCutsTheLogOnlyWhenItWasNotCancelled)
{
    ReadLog(std::string(kInstallation) + kUpgrade);
    fake.ui.cancelAfterItems = 1;
    EXPECT_EQ(Run(true, true), 0);
    EXPECT_EQ(fake.files.files[kLogPath], log);
}

TEST_F(EngineRunTest, RollbackOfTheOnlySectionEndsTheInstallation)
{
    fake.registry.SetString(kRootLocalMachine, "Software\\Halden Solutions\\SelmUser", "Path", "C:\\Selm\\selm.exe");
    ReadLog(std::string(kInstallation) + "Per-User ID: user 7\n");
    EXPECT_EQ(Run(true, true), 1);
    EXPECT_EQ(kept, "Kept 1: C:\\WINDOWS\\SYSTEM32\\MARKED.DLL (the system's own)");
    EXPECT_FALSE(fake.files.FileExists(kLogPath));
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\readme.txt"));
    EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, kRepairKey));
    ASSERT_FALSE(fake.actions.done.empty());
    EXPECT_EQ(fake.actions.done.back(), "start C:\\Selm\\selm.exe /U \"user 7\"");
    // The file the installation replaced is back.
    EXPECT_TRUE(fake.files.FileExists("C:\\Shared\\common.dll"));
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\Backup\\common.dll"));
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\user.doc"));
}

// After a rollback of a later section the installation goes on: no per-user clean-up.
TEST_F(EngineRunTest, RollbackOfALaterSectionKeepsTheInstallation)
{
    fake.registry.SetString(kRootLocalMachine, "Software\\Halden Solutions\\SelmUser", "Path", "C:\\Selm\\selm.exe");
    ReadLog(std::string(kInstallation) + "Per-User ID: user 7\n" + kUpgrade);
    EXPECT_EQ(Run(true, true), 0);
    for (const std::string& action : fake.actions.done)
        EXPECT_EQ(action.find("start"), std::string::npos) << action;
}

TEST_F(EngineRunTest, AbortInTheSubSystemEndsTheRunAsAFailure)
{
    fake.registry.SetString(kRootLocalMachine, "Software\\Borland\\Database Engine", "UseCount", "1");
    fake.actions.windowClasses.insert("IB_Server");
    fake.ui.serverAnswers = {kServerAbort};
    ReadLog(std::string(kInstallation) + "SubSystem: BDE 5.0\n");
    EXPECT_EQ(Run(true, false), 1);
    EXPECT_EQ(fake.ui.Items(44), std::vector<std::string>{"BDE 5.0"});
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\app.ini"));
    EXPECT_TRUE(fake.files.FileExists(kLogPath));
    EXPECT_TRUE(fake.registry.HasKey(kRootLocalMachine, "Software\\Borland\\Database Engine"));
}

TEST_F(EngineRunTest, FilesThatStayAreFailures)
{
    ReadLog(kInstallation);
    fake.files.inUse.insert("C:\\App\\readme.txt");
    fake.files.scheduleInUse = false;
    EXPECT_EQ(Run(true, false, true), 1);
    EXPECT_TRUE(fake.files.FileExists("C:\\App\\readme.txt"));
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\app.exe"));
    // A silent run asks nothing: shared files stay.
    EXPECT_TRUE(fake.ui.questions.empty());
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\SOLO.DLL"));
}

TEST_F(EngineRunTest, FilesDeletedAtTheNextRestartAreNoFailures)
{
    ReadLog(kInstallation);
    fake.files.inUse.insert("C:\\App\\readme.txt");
    EXPECT_EQ(Run(true, false, true), 1);
    EXPECT_EQ(kept, "Kept 1: C:\\WINDOWS\\SYSTEM32\\MARKED.DLL (the system's own)");
    EXPECT_EQ(fake.files.scheduled, std::vector<std::string>{"C:\\App\\readme.txt"});
}

// Patterns and folders from a damaged log never take more than the installation made.
TEST_F(EngineRunTest, RecordsReachingOutsideTheInstallationAreRefused)
{
    fake.files.AddFile("C:\\WINDOWS\\SYSTEM32\\OTHER.DLL");
    fake.files.AddFile("C:\\Program Files\\Other\\other.exe");
    ReadLog("***  Installation ***\n"
            "Title: Test Application\n"
            "File Tree: C:\\Program Files\\*.*\n"
            "File Tree: C:\\WINDOWS\\SYSTEM32\\*.DLL\n"
            "RegDB Tree: Software\n"
            "RegDB Root: 2\n");
    EXPECT_EQ(Run(true, false), 1);
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\OTHER.DLL"));
    EXPECT_TRUE(fake.files.FileExists("C:\\Program Files\\Other\\other.exe"));
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, "Software\\Halden\\Keep", "Mine"), "x");
}

// A run that lowered counters and left the log behind (cancelled, or Custom) notes it there: a
// later run over the same log takes nothing off again, and never asks about a file it kept.
TEST_F(EngineRunTest, CountersAreLoweredOnceAcrossRuns)
{
    const char kOcx[] = "C:\\App\\shared.ocx";
    const char kHalden[] = "C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL";
    const char kSolo[] = "C:\\WINDOWS\\SYSTEM32\\SOLO.DLL";
    const struct {
        const char* name;
        bool rollback;        // of the first run
        int cancelAfter;      // items shown before Cancel in the first run
        const char* ocx;      // counters after the first run
        const char* halden;
        bool secondRollback;  // of the second run
        const char* ocxAfter; // counters after the second run
        const char* haldenAfter;
        bool soloAsked;       // in the second run (answered Yes)
    } cases[] = {
        {"uninstall cancelled, uninstall again", false, 6, "1", "1", false, "1", "1", false},
        {"uninstall cancelled, then a rollback", false, 6, "1", "1", true, "1", "1", false},
        {"rollback cancelled, rollback again", true, 2, "2", "2", true, "2", "2", false},
        // The rollback did not touch SOLO.DLL: the uninstall takes its only copy off.
        {"rollback cancelled, then an uninstall", true, 2, "2", "2", false, "1", "1", true},
    };
    // The counters' bookkeeping, apart from where the files lie.
    windowsProtected = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.files = FakeFiles{};
        fake.registry = FakeRegistry{};
        fake.ui = FakeUi{};
        SetUp();
        fake.registry.SetDword(kRootLocalMachine, kSharedDllsKey, kOcx, 3);
        fake.registry.SetDword(kRootLocalMachine, kSharedDllsKey, kHalden, 3);
        ReadLog(std::string(kInstallation) + kUpgrade);
        fake.ui.cancelAfterItems = c.cancelAfter;
        EXPECT_EQ(Run(true, c.rollback), 0);
        EXPECT_EQ(Counter(kOcx), c.ocx);
        EXPECT_EQ(Counter(kHalden), c.halden);
        // The user kept SOLO.DLL when its counter reached 0 (a rollback leaves it).
        EXPECT_EQ(fake.ui.questions.size(), c.rollback ? 0u : 1u);
        EXPECT_TRUE(fake.files.FileExists(kSolo));

        ReadLogAgain();
        fake.ui = FakeUi{};
        fake.ui.sharedAnswers = {kChoiceYes, kChoiceYes, kChoiceYes};
        Run(true, c.secondRollback);
        EXPECT_EQ(Counter(kOcx), c.ocxAfter);
        EXPECT_EQ(Counter(kHalden), c.haldenAfter);
        EXPECT_TRUE(fake.files.FileExists(kOcx));
        EXPECT_TRUE(fake.files.FileExists(kHalden));
        // Kept once, SOLO.DLL is no longer asked about nor deleted.
        EXPECT_EQ(fake.ui.questions.size(), c.soloAsked ? 1u : 0u);
        EXPECT_EQ(fake.files.FileExists(kSolo), !c.soloAsked);
    }
}

// The notes are lines any reader of the log understands; the rest of the log is as it was.
TEST_F(EngineRunTest, LoweredCountersAreNotedOnTheirLines)
{
    // The log with the three lines that may carry a note given as they should read.
    const auto Log = [](const std::string& firstCopy, const std::string& soloCopy, const std::string& upgradeCopy) {
        return "***  Installation ***\n"
               "Title: Test Application\n" +
               firstCopy + "Non-System File:\n" + soloCopy +
               "File Copy: C:\\App\\app.exe\n"
               "***  Upgrade ***\n" +
               upgradeCopy + "Backup Copy: C:\\App\\Backup\\shared.ocx\n";
    };
    const std::string shared = "File Copy: C:\\App\\shared.ocx\n";
    const std::string solo = "File Copy: C:\\WINDOWS\\SYSTEM32\\SOLO.DLL\n";
    const std::string kept = "Kept by uninstall: ";
    const std::string ignored = "Shared DLL counter ignored:\n";
    const std::string log = Log(shared, solo, shared);
    windowsProtected = false;   // the notes, apart from where the files lie
    fake.files.AddFile("C:\\App\\Backup\\shared.ocx");
    fake.registry.SetDword(kRootLocalMachine, kSharedDllsKey, "C:\\App\\shared.ocx", 5);
    const struct {
        const char* name;
        bool rollback;
        std::string expected;
    } cases[] = {
        {"an uninstall keeps the still counted file and gives back what reached 0", false,
         Log(kept + shared, ignored + solo, kept + shared)},
        {"a rollback that puts the older file back gives back the last copy only", true,
         Log(shared, solo, ignored + shared)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.ui = FakeUi{};
        fake.ui.sharedAnswers = {kChoiceYes};
        fake.ui.cancelAfterItems = 1;   // the log stays
        ReadLog(log);
        EXPECT_EQ(Run(true, c.rollback), 0);
        EXPECT_EQ(fake.files.files[kLogPath], WithCrLf(c.expected));
    }
}

const char kRegisteredFiles[] =
    "***  Installation ***\n"
    "Title: Test Application\n"
    "File Copy: C:\\App\\app.ocx\n"
    "Self-Register: C:\\App\\app.ocx\n"
    "File Copy: C:\\App\\drv.386\n"
    "Add Device: C:\\App\\drv.386\n";

TEST_F(EngineRunTest, RemovedFilesAreUnregisteredFirst)
{
    fake.files.AddFile("C:\\App\\drv.386");
    fake.files.AddFile("C:\\App\\app.ocx");
    ReadLog(kRegisteredFiles);
    EXPECT_EQ(Run(true, false), 0);
    EXPECT_EQ(fake.actions.done, (std::vector<std::string>{"device C:\\App\\drv.386", "unregister C:\\App\\app.ocx"}));
    EXPECT_EQ(fake.ui.Items(40), std::vector<std::string>{"C:\\App\\app.ocx"});
    EXPECT_FALSE(fake.files.FileExists("C:\\App\\app.ocx"));
}

// A file the guard keeps is not on its way out: it is neither unregistered nor taken out of
// SYSTEM.INI.
TEST_F(EngineRunTest, FilesTheGuardKeepsStayRegistered)
{
    fake.files.AddFile("C:\\WINDOWS\\SYSTEM32\\OLE32.DLL");
    ReadLog("***  Installation ***\nTitle: Test Application\nNon-System File:\n"
            "File Copy: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL\nSelf-Register: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL\n"
            "Add Device: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL\n");
    EXPECT_EQ(Run(true, false), 1);
    EXPECT_TRUE(fake.actions.done.empty());
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\OLE32.DLL"));
    EXPECT_EQ(kept, "Kept 1: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL (the system's own)");
}

// A rollback that puts an older version back registers it again, and leaves the registration
// and device lines of what the last section did not create alone.
TEST_F(EngineRunTest, RestoredFilesAreRegisteredAgain)
{
    fake.files.AddFile("C:\\App\\drv.386");
    fake.files.AddFile("C:\\App\\app.ocx", "new");
    fake.files.AddFile("C:\\App\\Backup\\app.ocx", "old");
    ReadLog(std::string(kRegisteredFiles) + "***  Upgrade ***\n"
                    "Title: Test Application\n"
                    "File Copy: C:\\App\\app.ocx\n"
                    "Backup Copy: C:\\App\\Backup\\app.ocx\n"
                    "Self-Register: C:\\App\\app.ocx\n");
    EXPECT_EQ(Run(true, true), 0);
    EXPECT_EQ(fake.files.files["C:\\App\\app.ocx"], "old");
    EXPECT_EQ(fake.actions.done, std::vector<std::string>{"register C:\\App\\app.ocx"});
}

// A program or registration still running at the limit is given up on, and one that crashed
// is over: the run goes on, ends as a failure and reports them. A registration ends even in a
// run without a limit.
TEST_F(EngineRunTest, WaitsGivenUpOnAndCrashesAreReportedFailures)
{
    const struct {
        WaitOutcome outcome;
        unsigned limit;
        std::vector<unsigned> limits;   // the program's, then the registration's
        KeepReason reason;
    } cases[] = {
        {kWaitGaveUp, 5000, {5000, 5000}, kKeptTimedOut},
        {kWaitCrashed, kWaitWithoutLimit, {kWaitWithoutLimit, kLongestRegistrationMs}, kKeptCrashed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(KeepReasonText(c.reason));
        fake.files = FakeFiles();
        fake.actions = FakeActions();
        fake.files.AddFile("C:\\App\\drv.386");
        fake.files.AddFile("C:\\App\\app.ocx");
        fake.files.AddFile("C:\\App\\cleanup.exe");
        ReadLog(std::string(kRegisteredFiles) + "Execute Program: C:\\App\\cleanup.exe /all\n");
        waitLimit = c.limit;
        fake.actions.waitOutcome = c.outcome;
        EXPECT_EQ(Run(true, false, true), 1);
        EXPECT_EQ(fake.actions.waitLimits, c.limits);
        EXPECT_FALSE(fake.files.FileExists("C:\\App\\app.ocx"));
        ASSERT_EQ(report.Items().size(), 2u);
        EXPECT_EQ(report.Items()[0].item, "program C:\\App\\cleanup.exe");
        EXPECT_EQ(report.Items()[1].item, "registration of C:\\App\\app.ocx");
        EXPECT_EQ(report.Items()[1].reason, c.reason);
    }
}

// What the system owns stays, whatever the log says of it, and the report says why: a service
// that runs a program of the system, a library of the system the log claims to have installed,
// the Windows shell, a class of the system. A service that is not there is not waited for.
TEST_F(EngineRunTest, WhatTheSystemOwnsIsKeptAndReported)
{
    // A file the system protects outside the Windows folder.
    const std::string browser = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
    fake.files.AddFile(browser);
    fake.files.systemComponents.insert(browser);
    fake.files.AddFile("C:\\WINDOWS\\SYSTEM32\\OLE32.DLL");
    fake.files.systemComponents.insert("C:\\WINDOWS\\SYSTEM32\\OLE32.DLL");
    fake.actions.services["PlugPlay"] = "C:\\WINDOWS\\SYSTEM32\\plugplay.exe";
    const char winlogon[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    fake.registry.SetString(kRootLocalMachine, winlogon, "Shell", "explorer.exe");
    fake.registry.SetString(kRootClassesRoot, "CLSID\\{00000320-0000-0000-C000-000000000046}\\InprocServer32", "",
                            "C:\\WINDOWS\\SYSTEM32\\OLE32.DLL");
    ReadLog(std::string(kInstallation) +
            "Create Service: PlugPlay\n"
            "Create Service: NoSuchService\n"
            "Non-System File:\n"
            "File Copy: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL\n"
            "Self-Register: C:\\WINDOWS\\SYSTEM32\\OLE32.DLL\n"
            "RegDB Key: Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\n"
            "RegDB Val: C:\\App\\app.exe\n"
            "RegDB Name: Shell\n"
            "RegDB Root: 2\n"
            "RegDB Old: C:\\evil.exe\n"
            "RegDB Tree: CLSID\\{00000320-0000-0000-C000-000000000046}\n"
            "File Copy: " + browser + "\n"
            "Self-Register: " + browser + "\n");
    EXPECT_EQ(Run(true, false, true), 1);

    EXPECT_EQ(fake.ui.waited, 3500u);
    EXPECT_EQ(fake.actions.done, (std::vector<std::string>{"run C:\\App\\cleanup.exe|/all", "service HaldenSvc",
                                                           "connect", "icon App", "disconnect"}));
    EXPECT_TRUE(fake.files.FileExists("C:\\WINDOWS\\SYSTEM32\\OLE32.DLL"));
    EXPECT_TRUE(fake.files.FileExists(browser.c_str()));
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, winlogon, "Shell"), "explorer.exe");
    EXPECT_TRUE(fake.registry.HasKey(kRootClassesRoot, "CLSID\\{00000320-0000-0000-C000-000000000046}"));
    const std::vector<std::pair<std::string, KeepReason>> expected = {
        {"service PlugPlay", kKeptNotInstallations},
        {browser, kKeptSystem},
        {"C:\\WINDOWS\\SYSTEM32\\MARKED.DLL", kKeptSystem},
        {"C:\\WINDOWS\\SYSTEM32\\OLE32.DLL", kKeptSystem},
        {std::string("HKLM\\") + winlogon + ": Shell", kKeptSystem},
        {"HKCR\\CLSID\\{00000320-0000-0000-C000-000000000046}", kKeptNotInstallations},
    };
    std::vector<std::pair<std::string, KeepReason>> reported;
    for (const KeptItem& item : report.Items())
        reported.emplace_back(item.item, item.reason);
    EXPECT_EQ(reported, expected);
    ExpectUntouchedByAnyRun();
}

// A rollback never deletes a file it cannot put back.
TEST_F(EngineRunTest, RollbackWithMissingBackupsKeepsTheFiles)
{
    fake.files.AddFile("C:\\App\\app.exe", "v2");
    fake.files.AddFile("C:\\App\\lib.dll", "v2");
    ReadLog("***  Installation ***\n"
            "Title: Test Application\n"
            "File Copy: C:\\App\\app.exe\n"
            "***  Upgrade ***\n"
            "File Overwrite: C:\\App\\app.exe\n"
            "Backup Copy: C:\\App\\Backup\\gone.exe\n"
            "File Copy: C:\\App\\lib.dll\n"
            "Backup Copy: C:\\App\\Backup\\gone.dll\n");
    EXPECT_EQ(Run(true, true), 1);
    EXPECT_EQ(fake.files.files["C:\\App\\app.exe"], "v2");
    EXPECT_EQ(fake.files.files["C:\\App\\lib.dll"], "v2");
}

// Inside the Windows folder only a folder the installation made goes, with its files: one its
// log names, that is none of the system's folders, and that holds nothing the log does not list.
// The Windows folder's own folders and files stay, whatever the log says.
TEST_F(EngineRunTest, OnlyFoldersTheInstallationMadeGoFromTheWindowsFolder)
{
    for (const char* path : {"C:\\WINDOWS\\MyGameHelper\\helper.dll", "C:\\WINDOWS\\MyGameHelper\\Data\\help.dat",
                             "C:\\WINDOWS\\Fonts\\tahoma.ttf", "C:\\WINDOWS\\Media\\ding.wav",
                             "C:\\WINDOWS\\Media\\chord.wav", "C:\\WINDOWS\\SYSTEM32\\drivers\\etc\\hosts",
                             "C:\\WINDOWS\\notepad.exe"})
        fake.files.AddFile(path);
    ReadLog("***  Installation ***\n"
            "Title: Test Application\n"
            "Made Dir: C:\\WINDOWS\\MyGameHelper\n"
            "File Copy: C:\\WINDOWS\\MyGameHelper\\helper.dll\n"
            "File Copy: C:\\WINDOWS\\MyGameHelper\\Data\\help.dat\n"
            "File Tree: C:\\WINDOWS\\MyGameHelper\n"
            // A system folder named as made, and one holding a file the log does not list.
            "Made Dir: C:\\WINDOWS\\Fonts\n"
            "File Copy: C:\\WINDOWS\\Fonts\\tahoma.ttf\n"
            "File Tree: C:\\WINDOWS\\Fonts\n"
            "Made Dir: C:\\WINDOWS\\Media\n"
            "File Copy: C:\\WINDOWS\\Media\\ding.wav\n"
            "File Tree: C:\\WINDOWS\\Media\n"
            "File Copy: C:\\WINDOWS\\SYSTEM32\\drivers\\etc\\hosts\n"
            "File Copy: C:\\WINDOWS\\notepad.exe\n");
    EXPECT_EQ(Run(true, false), 1);
    EXPECT_FALSE(fake.files.Has("C:\\WINDOWS\\MyGameHelper"));
    for (const char* path : {"C:\\WINDOWS\\Fonts\\tahoma.ttf", "C:\\WINDOWS\\Media\\ding.wav",
                             "C:\\WINDOWS\\Media\\chord.wav", "C:\\WINDOWS\\SYSTEM32\\drivers\\etc\\hosts",
                             "C:\\WINDOWS\\notepad.exe"})
        EXPECT_TRUE(fake.files.FileExists(path)) << path;
    EXPECT_EQ(kept, "Kept 5: C:\\WINDOWS\\Fonts\\tahoma.ttf (the system's own); C:\\WINDOWS\\Media\\ding.wav (the system's "
                    "own); C:\\WINDOWS\\SYSTEM32\\drivers\\etc\\hosts (the system's own); C:\\WINDOWS\\Fonts (the "
                    "system's own); C:\\WINDOWS\\Media (the system's own)");
}

// INI entries are written only into the installation's INI files, in sections that hold nothing
// but entries its log records; a refused entry is kept and the run goes on.
TEST_F(EngineRunTest, IniEntriesOnlyInTheInstallationsOwnSections)
{
    fake.files.AddFile("C:\\Users\\ann\\letter.txt", "Dear ...");
    fake.files.SetIni("C:\\WINDOWS\\WIN.INI", "windows", "load", "");
    fake.files.SetIni("C:\\WINDOWS\\WIN.INI", "windows", "run", "other.exe");
    fake.files.SetIni("C:\\WINDOWS\\WIN.INI", "Halden", "Path", "C:\\App");
    fake.files.SetIni("C:\\App\\app.ini", "Main", "Mode", "new");
    fake.files.SetIni("C:\\App\\app.ini", "Main", "Added", "1");
    const auto Entry = [](const char* file, const char* section, const char* item, const char* old) {
        return std::string("INI File: ") + file + "\nINI Sect: " + section + "\nINI Item: " + item + "\nINI Val: x\n" +
               (old ? std::string("INI Old: ") + old + "\n" : "");
    };
    ReadLog("***  Installation ***\nTitle: Test Application\n" + Entry("C:\\WINDOWS\\WIN.INI", "windows", "load", "evil.exe") +
            Entry("C:\\WINDOWS\\WIN.INI", "Halden", "Path", nullptr) + Entry("C:\\App\\app.ini", "Main", "Mode", "old") +
            Entry("C:\\App\\app.ini", "Main", "Added", nullptr) +
            Entry("C:\\App\\app.ini", "Missing", "Made", "a section the log would have to make") +
            Entry("C:\\Users\\ann\\letter.txt", "Main", "Mode", "x"));
    EXPECT_EQ(Run(true, false), 1);
    EXPECT_EQ(Ini("C:\\WINDOWS\\WIN.INI|WINDOWS|LOAD"), "");
    EXPECT_EQ(Ini("C:\\WINDOWS\\WIN.INI|WINDOWS|RUN"), "other.exe");
    EXPECT_EQ(Ini("C:\\WINDOWS\\WIN.INI|HALDEN|PATH"), "<none>");
    EXPECT_EQ(Ini("C:\\APP\\APP.INI|MAIN|MODE"), "old");
    EXPECT_EQ(Ini("C:\\APP\\APP.INI|MAIN|ADDED"), "<none>");
    EXPECT_EQ(Ini("C:\\APP\\APP.INI|MISSING|MADE"), "<none>");
    EXPECT_EQ(Ini("C:\\USERS\\ANN\\LETTER.TXT|MAIN|MODE"), "<none>");
    // Only the section the log's entries emptied goes; the one still holding an entry stays.
    EXPECT_EQ(fake.files.removedIniSections, std::vector<std::string>{"C:\\WINDOWS\\WIN.INI|HALDEN"});
    EXPECT_EQ(kept, "Kept 3: C:\\WINDOWS\\WIN.INI [windows] load (not an INI section of this installation); "
                    "C:\\App\\app.ini [Missing] Made (not an INI section of this installation); "
                    "C:\\Users\\ann\\letter.txt [Main] Mode (not an INI section of this installation)");
}

// A tree deleted from below a product's own key takes the keys it leaves empty up to that
// product's key, never the vendor's key above it nor a key that still holds something.
TEST_F(EngineRunTest, TreesTakeTheProductKeyTheyEmptied)
{
    const struct {
        const char* tree;
        const char* sibling;   // a value elsewhere in the product, or null
        std::vector<const char*> gone, kept;
    } cases[] = {
        {"Software\\Vendor\\Product\\Settings", nullptr, {"Software\\Vendor\\Product"}, {"Software\\Vendor"}},
        {"Software\\Vendor\\Product\\A\\B", nullptr, {"Software\\Vendor\\Product\\A", "Software\\Vendor\\Product"},
         {"Software\\Vendor"}},
        {"Software\\Wow6432Node\\Vendor\\Product\\Settings", nullptr, {"Software\\Wow6432Node\\Vendor\\Product"},
         {"Software\\Wow6432Node\\Vendor"}},
        {"Software\\Vendor\\Product\\Settings", "Software\\Vendor\\Product\\Other", {},
         {"Software\\Vendor\\Product\\Other"}},
        // The tree is the product's key: the vendor's key stays, empty or not.
        {"Software\\Vendor\\Product", nullptr, {}, {"Software\\Vendor"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tree);
        fake.registry.keys.clear();
        fake.registry.SetString(kRootLocalMachine, std::string(c.tree) + "\\Sub", "X", "1");
        if (c.sibling)
            fake.registry.SetString(kRootLocalMachine, c.sibling, "Y", "1");
        ReadLog(std::string("***  Installation ***\nTitle: Test Application\nRegDB Tree: ") + c.tree +
                "\nRegDB Root: 2\n");
        Run(true, false);
        EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, c.tree));
        for (const char* key : c.gone)
            EXPECT_FALSE(fake.registry.HasKey(kRootLocalMachine, key)) << key;
        for (const char* key : c.kept)
            EXPECT_TRUE(fake.registry.HasKey(kRootLocalMachine, key)) << key;
    }
}

// What the log owns and the run leaves is no success: a log that cannot be deleted (a
// read-only drive), a path that has no exact name on this system.
TEST_F(EngineRunTest, WhatTheLogOwnsAndStaysIsReported)
{
    const struct {
        const char* name;
        const char* lines;
        bool logStays;
        const char* kept;
    } cases[] = {
        {"the log cannot be deleted", "File Copy: C:\\App\\app.exe\n", true,
         "Kept 1: C:\\App\\INSTALL.LOG (could not be removed)"},
        {"a name with no exact form", "File Copy: C:\\App\\\x81pp.exe\n", false,
         "Kept 1: C:\\App\\\x81pp.exe (no exact name on this system)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.files = FakeFiles{};
        fake.files.AddFile("C:\\App\\app.exe");
        fake.files.AddFile("C:\\App\\\x81pp.exe");
        ReadLog(std::string("***  Installation ***\nTitle: Test Application\n") + c.lines);
        if (c.logStays) {
            fake.files.inUse.insert(kLogPath);
            fake.files.scheduleInUse = false;
        }
        EXPECT_EQ(Run(true, false, true), 1);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(fake.files.FileExists(kLogPath), c.logStays);
    }
}

// A folder that stays only because a later record's tree was still in it goes once that tree is
// gone.
TEST_F(EngineRunTest, AFolderEmptiedByALaterTreeGoesToo)
{
    fake.files.AddFile("C:\\Game\\game.exe");
    fake.files.AddFile("C:\\Game\\Saves\\one.sav");
    ReadLog("***  Installation ***\nTitle: Test Application\nMade Dir: C:\\Game\n"
            "File Copy: C:\\Game\\game.exe\nFile Tree: C:\\Game\\Saves\n");
    EXPECT_EQ(Run(true, false), 0);
    EXPECT_FALSE(fake.files.Has("C:\\Game"));
}

}  // namespace
