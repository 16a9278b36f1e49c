// Quillon.exe as a user starts it: one copy at a time, and its temporary folder.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tools/rfa_writer/RfaWriter.h"

namespace {

const char kCaption[] = "Col. Dalverin's BF1942 Quillon";

bool WaitFor(const std::function<bool()>& condition, int seconds = 20) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

BOOL CALLBACK FindTree(HWND child, LPARAM found) {
    if (ClassOf(child) != "SysTreeView32") return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

struct TTextSearch {
    std::string text;
    HWND window;  // the window found
};

BOOL CALLBACK FindText(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<TTextSearch*>(data);
    char shown[512] = "";
    GetWindowTextA(child, shown, sizeof(shown));
    if (search->text != shown) return TRUE;
    search->window = child;
    return FALSE;
}

// A dialog with a control showing the text: the message box's text is one of its controls.
BOOL CALLBACK FindMessageBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TTextSearch*>(data);
    if (ClassOf(window) != "#32770") return TRUE;
    TTextSearch inside{search->text, nullptr};
    EnumChildWindows(window, &FindText, reinterpret_cast<LPARAM>(&inside));
    if (!inside.window) return TRUE;
    search->window = window;
    return FALSE;
}

// A copy of Quillon.exe in its own folder under the temporary folder.
class QuillonProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "quillon-process-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string built = QUILLON_EXE;
        for (char& c : built)
            if (c == '/') c = '\\';
        exe = folder + "Quillon.exe";
        ASSERT_TRUE(CopyFileA(("Z:" + built).c_str(), exe.c_str(), FALSE)) << GetLastError();
    }

    void TearDown() override {
        for (PROCESS_INFORMATION& p : started) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(p.hProcess, 1);
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
    }

    HANDLE Start(const std::string& arguments = "") {
        std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                   &startup, &process));
        started.push_back(process);
        return process.hProcess;
    }

    static HWND MainWindow() { return FindWindowA("TfrmMainQuillon", kCaption); }

    // Nodes of the main window's folder tree: how much of an archive it shows.
    static int FolderNodes() {
        HWND tree = nullptr;
        EnumChildWindows(MainWindow(), &FindTree, reinterpret_cast<LPARAM>(&tree));
        return tree ? static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)) : -1;
    }

    // A message box the program shows, found by its text; nothing when there is none.
    static HWND MessageBoxSaying(const std::string& text) {
        TTextSearch search{text, nullptr};
        EnumWindows(&FindMessageBox, reinterpret_cast<LPARAM>(&search));
        return search.window;
    }

    void CloseAndWait(HANDLE process) {
        PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
        ASSERT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    }

    std::string OpenFolderSetting() const {
        char text[MAX_PATH] = "";
        GetPrivateProfileStringA("FILES", "OpenFolder", "<none>", text, sizeof(text), (folder + "quillon.ini").c_str());
        return text;
    }

    std::string folder;
    std::string exe;
    std::vector<PROCESS_INFORMATION> started;
};

TEST_F(QuillonProcessTest, EmptiesItsTemporaryFolderAtStartAndRemovesItAtExit) {
    const std::string temp = folder + "~Quillon_Temp\\";
    CreateDirectoryA(temp.c_str(), nullptr);
    CreateDirectoryA((temp + "left\\").c_str(), nullptr);
    for (const std::string& name : {temp + "preview.txt", temp + "left\\readonly.wav"}) {
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }
    SetFileAttributesA((temp + "left\\readonly.wav").c_str(), FILE_ATTRIBUTE_READONLY);

    HANDLE first = Start();
    // The window exists from the drop target's registration on; it shows once creation is over.
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()) != FALSE; }));
    EXPECT_TRUE(Exists(temp));
    EXPECT_FALSE(Exists(temp + "preview.txt"));
    EXPECT_FALSE(Exists(temp + "left"));
    EXPECT_FALSE(Exists(folder + "quillon.ini"));  // without a settings file start-up writes nothing

    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(first, 20000), WAIT_OBJECT_0);
    EXPECT_FALSE(Exists(temp));
    // Closing keeps only the window placement.
    char sections[256] = "";
    const DWORD length = GetPrivateProfileSectionNamesA(sections, sizeof(sections), (folder + "quillon.ini").c_str());
    EXPECT_EQ(std::string(sections, length), std::string("FormState", 10));
}

TEST_F(QuillonProcessTest, ASecondStartBringsTheFirstForwardAndEnds) {
    HANDLE first = Start();
    ASSERT_TRUE(WaitFor([] { return MainWindow() != nullptr; }));
    HWND window = MainWindow();
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);  // the application window, which carries the taskbar button

    // Minimised: the second copy restores the first's application window.
    ShowWindow(owner, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(owner) != FALSE; }));
    HANDLE second = Start("ignored.rfa");
    ASSERT_EQ(WaitForSingleObject(second, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(second, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(owner); }));
    EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // the first runs on

    // Not minimised: the second copy switches to the first and ends too.
    HANDLE third = Start();
    ASSERT_EQ(WaitForSingleObject(third, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(FindWindowA("TfrmMainQuillon", nullptr), window);  // still one main window

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(first, 20000), WAIT_OBJECT_0);
}

// The program starts its units before its window: what only that start-up sets, asked of the
// running program.
TEST_F(QuillonProcessTest, StartsItsUnitsBeforeItsWindow) {
    HANDLE process = Start();
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()) != FALSE; }));
    DWORD_PTR state = 0;
    ASSERT_TRUE(SendMessageTimeoutA(MainWindow(), RegisterWindowMessageA("Quillon.UnitState"), 0, 0, SMTO_ABORTIFHUNG,
                                    10000, &state));
    EXPECT_EQ(state, 3u);  // the NT family recognised, the overlay images in the system image lists
    CloseAndWait(process);
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    EXPECT_EQ(code, 0u);
}

// The first argument is opened when its extension is ".rfa" in any case; anything else starts
// an empty window.
TEST_F(QuillonProcessTest, AnArchiveNamedOnTheCommandLineIsOpened) {
    const std::string archives = folder + "archives\\";
    CreateDirectoryA(archives.c_str(), nullptr);
    const std::vector<rfa_test::TestEntry> entries = {rfa_test::TestEntry::FromText("bf1942/levels/init.con", "x"),
                                                      rfa_test::TestEntry::FromText("menu/a.con", "y")};
    for (const char* name : {"lower.rfa", "UPPER.RFA", "notes.txt"}) rfa_test::WriteArchive(archives + name, entries);
    const struct {
        std::string argument;
        int nodes;  // bf1942, levels and menu when opened
    } cases[] = {
        {"\"" + archives + "lower.rfa\"", 3},
        {"\"" + archives + "UPPER.RFA\"", 3},
        {"\"" + archives + "notes.txt\"", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        DeleteFileA((folder + "quillon.ini").c_str());
        HANDLE process = Start(c.argument);
        ASSERT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()) != FALSE; }));
        EXPECT_TRUE(WaitFor([&] { return FolderNodes() == c.nodes; }, 5)) << FolderNodes();
        EXPECT_EQ(OpenFolderSetting(), c.nodes ? archives : std::string("<none>"));
        CloseAndWait(process);
    }
}

TEST_F(QuillonProcessTest, ATemporaryFolderThatCannotBeMadeIsToldAndTheProgramRunsOn) {
    // A file where the folder should be.
    HANDLE file = CreateFileA((folder + "~Quillon_Temp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    HANDLE process = Start();
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        box = MessageBoxSaying("I could not create the \"~Quillon_Temp\" subfolder.\rThis program will not work "
                               "correctly without it.");
        return box != nullptr;
    }));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([] { return IsWindowVisible(MainWindow()) != FALSE; }));
    CloseAndWait(process);
    DeleteFileA((folder + "~Quillon_Temp").c_str());
}

// A copy showing an archive is brought forward as well; the second start's archive is not
// opened anywhere.
TEST_F(QuillonProcessTest, ASecondStartWhileTheFirstShowsAnArchivePassesNothingOn) {
    const std::string first = folder + "first.rfa", second = folder + "second.rfa";
    rfa_test::WriteArchive(first, {rfa_test::TestEntry::FromText("bf1942/init.con", "x")});
    rfa_test::WriteArchive(second, {rfa_test::TestEntry::FromText("a/b/c/d.con", "y")});
    HANDLE running = Start("\"" + first + "\"");
    ASSERT_TRUE(WaitFor([] { return FolderNodes() == 1; }));

    HANDLE again = Start("\"" + second + "\"");
    ASSERT_EQ(WaitForSingleObject(again, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(again, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(FolderNodes(), 1);
    EXPECT_EQ(WaitForSingleObject(running, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    CloseAndWait(running);
}

}  // namespace
