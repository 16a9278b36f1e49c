// Whole repairs over installations described by a log, in a system held in memory: which files
// are found damaged, what the list files hold, which sources run, the prompts and Cancel.

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "uninstaller/app/Crc32.h"
#include "uninstaller/app/RepairRun.h"
#include "uninstaller/app/tests/FakeEngineHost.h"
#include "uninstaller/log/InstallLog.h"

using namespace engine_test;

namespace {

const char kLogPath[] = "C:\\App\\INSTALL.LOG";
const char kSource[] = "D:\\SETUP.EXE";
const char kSourceIdentity[] = "06-15-2001 | 10:00:00 | 4096";
const LocalStamp kInstalled{2001, 6, 15, 12, 0, 1};
const LocalStamp kSourceWritten{2001, 6, 15, 10, 0, 0};
const char kCancel[] = "<cancel>";

std::uint32_t Crc(const std::string& contents)
{
    std::uint32_t table[256];
    BuildCrc32Table(table);
    return ~UpdateCrc32(table, 0xFFFFFFFFu, contents.data(), contents.size());
}

// The logged size and CRC of a file: the data's fourth and fifth fields.
std::string SizeAndCrc(const std::string& contents)
{
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08x", Crc(contents));
    return " " + std::to_string(contents.size()) + " | " + crc;
}

// The verification data an installer logs for a file written at kInstalled.
std::string RepairData(const std::string& contents)
{
    return " 06-15-2001 | 12:00:01 | 0 |" + SizeAndCrc(contents);
}

std::string FileLine(const std::string& path, const std::string& contents)
{
    return "File Copy: " + path + " |" + RepairData(contents) + "\n";
}

std::string Section(const std::string& source, const std::string& body)
{
    return "***  Installation Started ***\nTitle: Test Application\nSource: " + source + "\n" + body;
}

struct FakeFile {
    std::string contents;
    LocalStamp written;
    bool readable;
};

struct FakeRepairSystem : RepairSystem {
    std::map<std::string, FakeFile, NoCaseLess> files;
    std::map<std::string, std::string> lists;               // path -> contents
    int listsCreated = 0;
    std::vector<std::pair<std::string, std::string>> runs;  // source, its list's contents
    std::vector<std::string> registered;
    std::map<std::string, ShortcutInfo> shortcuts;
    bool shortcutsSave = true;
    bool sourcesSucceed = true;

    void Put(const std::string& path, const std::string& contents, LocalStamp written = kInstalled)
    {
        files[path] = FakeFile{contents, written, true};
    }

    FileLookup LookUpFile(const char* path, FileFacts* facts) override
    {
        auto found = files.find(path);
        if (found == files.end())
            return kFileAbsent;
        if (!found->second.readable)
            return kFileUnreadable;
        *facts = FileFacts{found->second.written, found->second.contents.size()};
        return kFileReadable;
    }
    bool FileCrc32(const char* path, std::uint32_t* crc) override
    {
        auto found = files.find(path);
        if (found == files.end() || !found->second.readable)
            return false;
        *crc = Crc(found->second.contents);
        return true;
    }
    bool CreateListFile(char* path, std::size_t size) override
    {
        std::string name = "C:\\TEMP\\VZC" + std::to_string(++listsCreated) + ".TMP";
        lists[name] = "";
        return engine_test::Put(name, path, size);
    }
    bool AppendToListFile(const char* listFile, const char* line) override
    {
        auto found = lists.find(listFile);
        if (found == lists.end())
            return false;
        found->second += line;
        return true;
    }
    void DeleteListFile(const char* listFile) override { lists.erase(listFile); }
    bool SaveShortcut(const char* path, const ShortcutInfo& link) override
    {
        if (shortcutsSave)
            shortcuts[path] = link;
        return shortcutsSave;
    }
    bool RunSource(const char* source, const char* listFile) override
    {
        runs.emplace_back(source, lists.count(listFile) ? lists[listFile] : "<no list>");
        return sourcesSucceed;
    }
    void RegisterFile(const char* path) override { registered.push_back(path); }
};

struct FakeRepairUi : RepairUi {
    std::vector<std::string> checked;
    std::vector<std::string> newerQuestions;
    std::deque<SharedFileChoice> newerAnswers;   // default: No
    std::vector<std::string> sourceQuestions;    // identity and the path offered
    std::deque<std::string> sourceAnswers;       // a path, or kCancel (the default)
    int cancelAfterChecks = -1;
    bool progressView = false;
    unsigned done = 0, total = 0;

    void EnterProgressView() override { progressView = true; }
    void SetProgress(unsigned d, unsigned t) override
    {
        done = d;
        total = t;
    }
    void ShowChecking(const char* path) override { checked.push_back(path); }
    void ServeMessages() override {}
    bool Cancelled() override
    {
        return cancelAfterChecks >= 0 && static_cast<int>(checked.size()) >= cancelAfterChecks;
    }
    void LoadText(unsigned id, char* out, std::size_t size) override
    {
        Put(id == 77 ? "'%s' was%s, is%s. 100%%?" : "#" + std::to_string(id), out, size);
    }
    SharedFileChoice AskReplaceNewerFile(const char* message) override
    {
        newerQuestions.push_back(message);
        if (newerAnswers.empty())
            return kChoiceNo;
        SharedFileChoice answer = newerAnswers.front();
        newerAnswers.pop_front();
        return answer;
    }
    bool AskSourcePath(const char* identity, char* path, std::size_t size) override
    {
        sourceQuestions.push_back(std::string(identity) + " @ " + path);
        std::string answer = sourceAnswers.empty() ? kCancel : sourceAnswers.front();
        if (!sourceAnswers.empty())
            sourceAnswers.pop_front();
        return answer != kCancel && Put(answer, path, size);
    }
};

class RepairRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        system.Put(kSource, std::string(4096, 's'), kSourceWritten);
        AllocateItemTables();
    }
    void TearDown() override { FreeItemStore(); }

    // A fresh system and store for the next case of a table.
    void Reset()
    {
        TearDown();
        system = FakeRepairSystem{};
        files = FakeFiles{};
        registry = FakeRegistry{};
        ui = FakeRepairUi{};
        logSystem = FakeLogSystem{};
        SetUp();
    }

    // Every file the log names is taken as installed when the log is read.
    void ReadLog(const std::string& text)
    {
        log = WithCrLf(text);
        logSystem.existingFiles.insert(kLogPath);
        for (size_t at = log.find("File Copy: "); at != std::string::npos; at = log.find("File Copy: ", at + 1)) {
            size_t start = at + 11;
            logSystem.existingFiles.insert(log.substr(start, log.find(" |", start) - start));
        }
        MemoryLogInput input(log.data(), log.size());
        ASSERT_EQ(ReadInstallLogFrom(input, kLogPath, logSystem, logUi), 0);
    }

    RepairOutcome Run(bool silent = false)
    {
        ProtectedFolderRules folders;
        folders.Add("C:\\WINDOWS", kProtectWindowsFolder);
        folders.AddProfile("C:\\Users\\ann");
        RepairOptions options{silent, folders, kLogPath};
        RepairHost host{system, registry, ui, files};
        kept = KeptItems();
        return RunRepair(g_itemStore, options, host, &kept);
    }

    static std::string WithCrLf(const std::string& text)
    {
        std::string result;
        for (char c : text) {
            if (c == '\n')
                result += '\r';
            result += c;
        }
        return result;
    }

    std::string SourceLine() const { return std::string(kSource) + " | " + kSourceIdentity; }

    FakeRepairSystem system;
    FakeFiles files;   // where shortcuts are judged
    KeptItems kept;    // what the last run left unwritten
    FakeRegistry registry;
    FakeRepairUi ui;
    FakeLogSystem logSystem;
    FakeLogUi logUi;
    std::string log;
};

// One installed file in each state; the list shows which ones the source is to restore.
TEST_F(RepairRunTest, FilesThatDifferFromTheLogAreListed)
{
    const std::string contents = "hello";
    const struct {
        const char* name;
        bool present;
        bool readable;
        std::string contents;
        LocalStamp written;
        bool listed;
        bool asked;
    } cases[] = {
        {"intact", true, true, contents, kInstalled, false, false},
        {"one byte changed", true, true, "hellO", kInstalled, true, false},
        {"other size", true, true, "hello!", kInstalled, true, false},
        {"missing", false, true, contents, kInstalled, true, false},
        {"cannot be opened", true, false, contents, kInstalled, true, false},
        {"a day older", true, true, contents, {2001, 6, 14, 12, 0, 1}, true, false},
        {"same two seconds", true, true, contents, {2001, 6, 15, 12, 0, 0}, false, false},
        {"one second newer", true, true, contents, {2001, 6, 15, 12, 0, 2}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        ReadLog(Section(SourceLine(), FileLine("C:\\App\\app.exe", contents)));
        if (c.present)
            system.files["C:\\App\\app.exe"] = FakeFile{c.contents, c.written, c.readable};

        EXPECT_EQ(Run(), kRepairDone);
        EXPECT_EQ(ui.newerQuestions.size(), c.asked ? 1u : 0u);
        if (c.listed) {
            ASSERT_EQ(system.runs.size(), 1u);
            EXPECT_EQ(system.runs[0].first, kSource);
            EXPECT_EQ(system.runs[0].second, "C:\\App\\app.exe|10959|24576|" + SizeAndCrc(contents) + "\r\n");
        } else {
            EXPECT_TRUE(system.runs.empty());
        }
        EXPECT_TRUE(system.lists.empty());
    }
}

TEST_F(RepairRunTest, NewerFilesAreReplacedOnlyWhenTheUserAgrees)
{
    const LocalStamp newer{2002, 1, 1, 8, 30, 0};
    std::string body;
    for (const char* name : {"a.dll", "b.dll", "c.dll", "d.dll"})
        body += FileLine(std::string("C:\\App\\") + name, name);
    ReadLog(Section(SourceLine(), body));
    for (const char* name : {"a.dll", "b.dll", "c.dll", "d.dll"})
        system.Put(std::string("C:\\App\\") + name, name, newer);

    // Private files are checked from the last to the first.
    ui.newerAnswers = {kChoiceYes, kChoiceNo, kChoiceNoToAll};
    EXPECT_EQ(Run(), kRepairDone);
    ASSERT_EQ(ui.newerQuestions.size(), 3u);
    EXPECT_EQ(ui.newerQuestions[0], "'C:\\App\\d.dll' was 06-15-2001  12:00:01 , is 01-01-2002  08:30:00 . 100%?");
    ASSERT_EQ(system.runs.size(), 1u);
    EXPECT_EQ(system.runs[0].second.find("C:\\App\\d.dll|"), 0u);
    EXPECT_EQ(system.runs[0].second.find("\r\n"), system.runs[0].second.size() - 2);   // one line

    // Yes to All asks once; a silent run asks nobody and keeps every newer file.
    const struct {
        const char* name;
        bool silent;
        size_t questions;
        size_t runs;
    } cases[] = {{"Yes to All", false, 1, 1}, {"silent", true, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui = FakeRepairUi{};
        system.runs.clear();
        ui.newerAnswers = {kChoiceYesToAll};
        EXPECT_EQ(Run(c.silent), kRepairDone);
        EXPECT_EQ(ui.newerQuestions.size(), c.questions);
        ASSERT_EQ(system.runs.size(), c.runs);
        if (c.runs) {
            EXPECT_NE(system.runs[0].second.find("C:\\App\\a.dll|"), std::string::npos);
        }
    }
}

// Sections with the same source (in whatever case) share one list and run it once; another
// source gets its own list, and the highest section's source runs first.
TEST_F(RepairRunTest, OneListPerSource)
{
    const std::string other = "E:\\PATCH.EXE | 07-01-2001 | 09:00:00 | 100";
    system.Put("E:\\PATCH.EXE", std::string(100, 'p'), {2001, 7, 1, 9, 0, 0});
    ReadLog(Section(SourceLine(), FileLine("C:\\App\\one.dll", "1")) +
            Section("d:\\setup.exe | " + std::string(kSourceIdentity), FileLine("C:\\App\\two.dll", "2")) +
            Section(other, FileLine("C:\\App\\three.dll", "3")));

    EXPECT_EQ(Run(), kRepairDone);
    ASSERT_EQ(system.runs.size(), 2u);
    EXPECT_EQ(system.runs[0].first, "E:\\PATCH.EXE");
    EXPECT_EQ(system.runs[0].second.find("C:\\App\\three.dll|"), 0u);
    EXPECT_EQ(system.runs[1].first, "d:\\setup.exe");   // the highest section of that source
    EXPECT_NE(system.runs[1].second.find("C:\\App\\one.dll|"), std::string::npos);
    EXPECT_NE(system.runs[1].second.find("C:\\App\\two.dll|"), std::string::npos);
    EXPECT_EQ(system.listsCreated, 2);
    EXPECT_TRUE(system.lists.empty());
}

TEST_F(RepairRunTest, TheSourceIsLookedForUntilFoundOrCancelled)
{
    const struct {
        const char* name;
        const char* logged;                 // the source text's path
        std::deque<std::string> answers;
        bool silent;
        RepairOutcome outcome;
        size_t questions;
        const char* ran;                    // null: no source ran
    } cases[] = {
        {"where the log says", kSource, {}, false, kRepairDone, 0, kSource},
        {"found after two answers", "D:\\OLD\\SETUP.EXE", {"D:\\NONE.EXE", kSource}, false, kRepairDone, 2, kSource},
        {"a file that is not the source", "D:\\OTHER.EXE", {kCancel}, false, kRepairCancelled, 1, nullptr},
        {"cancelled", "D:\\OLD\\SETUP.EXE", {kCancel}, false, kRepairCancelled, 1, nullptr},
        {"silent", "D:\\OLD\\SETUP.EXE", {}, true, kRepairFailed, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        system.Put("D:\\OTHER.EXE", "other", kSourceWritten);
        ui.sourceAnswers = c.answers;
        ReadLog(Section(std::string(c.logged) + " | " + kSourceIdentity, FileLine("C:\\App\\gone.dll", "x")));

        EXPECT_EQ(Run(c.silent), c.outcome);
        ASSERT_EQ(ui.sourceQuestions.size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(ui.sourceQuestions[0], std::string(kSourceIdentity) + " @ " + c.logged);
        }
        if (c.ran) {
            ASSERT_EQ(system.runs.size(), 1u);
            EXPECT_EQ(system.runs[0].first, c.ran);
        } else {
            EXPECT_TRUE(system.runs.empty());
        }
        EXPECT_TRUE(system.lists.empty());
    }
}

// A Cancel in the source prompt ends the repair: lower sections' sources do not run either.
TEST_F(RepairRunTest, CancelledPromptEndsTheRepair)
{
    ReadLog(Section(SourceLine(), FileLine("C:\\App\\one.dll", "1")) +
            Section("E:\\PATCH.EXE | 07-01-2001 | 09:00:00 | 100", FileLine("C:\\App\\two.dll", "2")));
    EXPECT_EQ(Run(), kRepairCancelled);
    EXPECT_EQ(ui.sourceQuestions.size(), 1u);
    EXPECT_TRUE(system.runs.empty());
    EXPECT_TRUE(system.lists.empty());
}

// The wizard's Cancel during the check runs no source and leaves no list behind.
TEST_F(RepairRunTest, CancelDuringTheCheck)
{
    ReadLog(Section(SourceLine(), FileLine("C:\\App\\one.dll", "1") + FileLine("C:\\App\\two.dll", "2") +
                                      FileLine("C:\\App\\three.dll", "3") +
                                      "RegDB Key: Software\\Test\nRegDB Val: v\nRegDB Name: N\nRegDB Root: 2\n"));
    ui.cancelAfterChecks = 2;
    EXPECT_EQ(Run(), kRepairCancelled);
    EXPECT_EQ(ui.checked, (std::vector<std::string>{"C:\\App\\three.dll", "C:\\App\\two.dll"}));
    EXPECT_TRUE(system.runs.empty());
    EXPECT_TRUE(system.lists.empty());
    EXPECT_EQ(registry.Text(kRootLocalMachine, "Software\\Test", "N"), "");
}

// Registry values are written again, shortcuts made again and registering files registered
// again; a file whose section names no source cannot be repaired.
TEST_F(RepairRunTest, ValuesShortcutsAndRegistration)
{
    ReadLog(Section(SourceLine(),
                    FileLine("C:\\App\\server.dll", "s") + "Self-Register: C:\\App\\server.dll\n" +
                        FileLine("C:\\App\\plain.dll", "p") +
                        "Shell Link: C:\\Menu\\App.lnk\nLink Info: C:\\App\\app.exe|C:\\App|C:\\App\\app.exe|1|3|0|-v\n"
                        "RegDB Key: Software\\Test\\Created\nRegDB Val: 42\nRegDB Name: Count\nRegDB Type: 3\n"
                        "RegDB Root: 2\n"
                        "RegDB Key: Software\\Test\\Changed\nRegDB Val: new\nRegDB Name: Mode\nRegDB Root: 1\n"
                        "RegDB Old: old\n"
                        // Values of the system are never written, whatever the log says.
                        "RegDB Key: Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\n"
                        "RegDB Val: C:\\evil.exe\nRegDB Name: Shell\nRegDB Root: 2\nRegDB Old: explorer.exe\n"
                        "RegDB Key: Software\\Microsoft\\Windows\\CurrentVersion\\Run\n"
                        "RegDB Val: C:\\evil.exe\nRegDB Name: Evil\nRegDB Root: 2\n") +
            "***  Patch ***\nFile Copy: C:\\App\\patch.dll |" + RepairData("q") + "\n");
    system.Put("C:\\App\\server.dll", "s");
    system.Put("C:\\App\\plain.dll", "p");
    registry.SetString(kRootCurrentUser, "Software\\Test\\Changed", "Mode", "changed by the user");

    EXPECT_EQ(Run(), kRepairFailed);   // patch.dll has no source to come from
    EXPECT_TRUE(system.runs.empty());
    EXPECT_EQ(system.listsCreated, 0);

    ASSERT_EQ(system.shortcuts.count("C:\\Menu\\App.lnk"), 1u);
    const ShortcutInfo& link = system.shortcuts["C:\\Menu\\App.lnk"];
    EXPECT_STREQ(link.target, "C:\\App\\app.exe");
    EXPECT_STREQ(link.arguments, "-v");
    EXPECT_EQ(link.showCommand, 3);

    EXPECT_EQ(registry.Text(kRootLocalMachine, "Software\\Test\\Created", "Count"), "42");
    EXPECT_EQ(registry.Text(kRootCurrentUser, "Software\\Test\\Changed", "Mode"), "new");
    EXPECT_EQ(registry.Text(kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell"),
              "");
    EXPECT_FALSE(registry.HasKey(kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
    EXPECT_EQ(kept.Summary(255), "Kept 2: HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon: Shell "
                                 "(the system's own); HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run: Evil "
                                 "(would start a program not the installation's)");
    EXPECT_EQ(system.registered, std::vector<std::string>{"C:\\App\\server.dll"});
    EXPECT_TRUE(ui.progressView);
    EXPECT_EQ(ui.total, 9u);   // four files, four values, one registration
    EXPECT_EQ(ui.done, ui.total);

    // A shortcut that cannot be saved, or a source that fails, is a failed repair.
    Reset();
    system.shortcutsSave = false;
    ReadLog(Section(SourceLine(), "Shell Link: C:\\Menu\\App.lnk\nLink Info: C:\\App\\app.exe||||||\n"));
    EXPECT_EQ(Run(), kRepairFailed);

    Reset();
    system.sourcesSucceed = false;
    ReadLog(Section(SourceLine(), FileLine("C:\\App\\gone.dll", "g")));
    EXPECT_EQ(Run(), kRepairFailed);
    EXPECT_EQ(system.runs.size(), 1u);
    EXPECT_TRUE(system.lists.empty());
}

// Registering runs the file's code: a file the installation may not write is not run, and is
// reported as kept.
TEST_F(RepairRunTest, OnlyFilesTheGuardLetsBeWrittenAreRegisteredAgain)
{
    const struct {
        const char* name;
        const char* path;
        bool systemComponent;
        bool registered;
    } cases[] = {
        {"the installation's own", "C:\\App\\server.dll", false, true},
        {"through a link into Windows", "C:\\App\\Via\\server.dll", false, false},
        {"a part of the system", "C:\\Tools\\shared.dll", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        files.AddLink("C:\\App\\Via", "C:\\WINDOWS");
        files.AddFile(c.path, "s");
        if (c.systemComponent)
            files.systemComponents.insert(c.path);
        system.Put(c.path, "s");
        ReadLog(Section(SourceLine(), FileLine(c.path, "s") + "Self-Register: " + c.path + "\n"));
        EXPECT_EQ(Run(), c.registered ? kRepairDone : kRepairFailed);
        EXPECT_EQ(system.registered.size(), c.registered ? 1u : 0u);
        EXPECT_EQ(kept.Summary(255).find(c.path) != std::string::npos, !c.registered) << kept.Summary(255);
    }
}

// A shortcut is made again only as a ".lnk" file where the installation's files may be, over
// nothing or over a shortcut; anything else the log names as a shortcut is kept as it is.
TEST_F(RepairRunTest, ShortcutsAreWrittenOnlyAsShortcutsOfTheInstallation)
{
    const std::string shortcutData("\x4C\0\0\0\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46 rest", 25);
    const struct {
        const char* name;
        const char* path;
        std::string existing;   // "" for no file
        bool written;
    } cases[] = {
        {"a new shortcut in the start menu", "C:\\Menu\\App.lnk", "", true},
        {"over a shortcut on the desktop", "C:\\Users\\ann\\Desktop\\App.lnk", shortcutData, true},
        {"the system's settings", "C:\\WINDOWS\\WIN.INI", "[windows]", false},
        {"a shortcut in the Windows folder", "C:\\WINDOWS\\App.lnk", "", false},
        {"a document named as a shortcut", "C:\\Users\\ann\\Documents\\Letter\\letter.lnk", "letter", false},
        {"a shortcut through a link into Windows", "C:\\Menu\\Via\\App.lnk", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        files.AddLink("C:\\Menu\\Via", "C:\\WINDOWS");
        if (!c.existing.empty())
            files.AddFile(c.path, c.existing);
        ReadLog(Section(SourceLine(), std::string("Shell Link: ") + c.path +
                                          "\nLink Info: C:\\App\\app.exe|C:\\App|C:\\App\\app.exe|1|3|0|-v\n"));
        EXPECT_EQ(Run(), c.written ? kRepairDone : kRepairFailed);
        EXPECT_EQ(system.shortcuts.count(c.path), c.written ? 1u : 0u);
    }
}

}  // namespace
