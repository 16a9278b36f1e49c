// Quillon.exe as a user starts it: one copy at a time, and its temporary folder.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

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

}  // namespace
