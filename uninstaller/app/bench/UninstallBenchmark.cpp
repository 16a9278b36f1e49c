// How fast UNHALDEN32.EXE uninstalls: silent ("/S") and interactive ("/A", the wizard's progress
// view on screen) runs over logs of 100, 1,000 and 10,000 files made in a fresh folder, and how
// long the wizard's Cancel takes to answer during a large run.
//
// usage: unhalden_uninstall_bench [UNHALDEN32.EXE ...]   (default: the one built beside it)
// With several programs each run is made with every program in turn, so that they meet the
// same load of the machine, and the time of each is given as a ratio to the first one's.
//
// Each count of files is first deleted plainly, by this program started again with
// "/delete folder count": the same files of an installation made the same way, removed with
// DeleteFileW in a loop. Every run's time is also given as a ratio to that plain deletion.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kDeadline = 600000;
const char kTitle[] = "Bench";
// The caption of the program's questions and of its closing message.
const char kMessageCaption[] = "Uninstall";

struct Installation {
    std::string folder, log;
};

std::string FileName(int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "\\file%05d.dat", index);
    return name;
}

const char kPlainDeletion[] = "/delete";

// Installations go to folders of their own under C:\, as programs do: under Wine a folder of the
// user's profile (the temporary folder) is watched, and every deletion there costs as much again.
Installation MakeInstallation(int files)
{
    static int madeCount;
    Installation made;
    made.folder = "C:\\UnhBench" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++madeCount);
    CreateDirectoryA(made.folder.c_str(), nullptr);
    std::string data = made.folder + "\\Files";
    CreateDirectoryA(data.c_str(), nullptr);
    std::string log = "***  Installation Started ***\r\nTitle: Bench Installation\r\n";
    for (int i = 0; i < files; ++i) {
        std::string file = data + FileName(i);
        WriteFile(file, "sixteen bytes...");
        log += "File Copy: " + file + "\r\n";
    }
    log += "Made Dir: " + data + "\r\n";
    made.log = made.folder + "\\INSTALL.LOG";
    WriteFile(made.log, log);
    return made;
}

int FilesLeft(const Installation& installation)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((installation.folder + "\\Files\\*.dat").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileA(find, &found));
    FindClose(find);
    return count;
}

std::string CopyProgram(const std::string& program, const Installation& installation)
{
    std::string copy = installation.folder + "\\UNHALDEN32.EXE";
    CopyFileA(program.c_str(), copy.c_str(), FALSE);
    return copy;
}

std::string ProgressText(HWND wizard)
{
    char text[1024] = "";
    GetDlgItemTextA(wizard, 1007, text, sizeof text);
    return text;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The plain deletion's side, in the child: the installation's files deleted one by one.
int DeletePlainly(const char* folder, int files)
{
    wchar_t wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, folder, -1, wide, MAX_PATH))
        return 2;
    std::wstring data = std::wstring(wide) + L"\\Files";
    int failed = 0;
    for (int i = 0; i < files; ++i) {
        wchar_t name[32];
        std::swprintf(name, 32, L"\\file%05d.dat", i);
        if (!DeleteFileW((data + name).c_str()))
            ++failed;
    }
    return failed == 0 ? 0 : 1;
}

// Milliseconds a plain deletion of the files took, the start and end of its process included
// as in the uninstaller's runs.
double PlainRun(const char* mode, int files)
{
    Installation installation = MakeInstallation(files);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    Child child("\"" + std::string(self) + "\" " + kPlainDeletion + " \"" + installation.folder + "\" " +
                std::to_string(files));
    long code = child.WaitForExit(kDeadline);
    QueryPerformanceCounter(&end);
    double seconds = Seconds(start, end);
    std::printf("%-11s %6d files: %8.0f ms  %7.0f files/s  plain deletion (DeleteFileW)  exit %ld  left %d\n",
                mode[1] == 'S' ? "silent" : "interactive", files, seconds * 1000, files / seconds, code,
                FilesLeft(installation));
    std::fflush(stdout);
    return seconds * 1000;
}

// A message box of the program's: owned by its wizard, whose own window may still carry the
// same caption while the run starts.
HWND MessageBoxOf(const Child& child)
{
    HWND box = FindProcessWindow(child.Id(), "#32770", kMessageCaption);
    return box && GetWindow(box, GW_OWNER) ? box : nullptr;
}

// Answers the run's closing message until the program has ended: a message posted while the
// box is still being made can be lost. The program's exit code, -1 when it did not end.
long AnswerClosingMessage(Child& child)
{
    long code = -1;
    WaitUntil([&] {
        if (HWND closing = MessageBoxOf(child))
            PostMessageA(closing, WM_COMMAND, IDOK, 0);
        code = child.WaitForExit(50);
        return code != -1;
    }, kDeadline);
    return code;
}

// Milliseconds the run took.
double TimedRun(const std::string& program, const char* mode, int files, double firstMs, double plainMs)
{
    Installation installation = MakeInstallation(files);
    std::string command = "\"" + CopyProgram(program, installation) + "\" " + mode + " \"" + installation.log + "\"";
    LARGE_INTEGER start, end{};
    QueryPerformanceCounter(&start);
    Child child(command);
    // In the interactive run, the progress texts seen while polling show the view moving; the
    // run's work is over when its closing message shows, which is then answered.
    std::set<std::string> texts;
    long code = -1;
    for (;;) {
        code = child.WaitForExit(50);
        if (code != -1 || !child.Started())
            break;
        if (HWND wizard = FindProcessWindow(child.Id(), "#32770", kTitle))
            texts.insert(ProgressText(wizard));
        if (MessageBoxOf(child)) {
            QueryPerformanceCounter(&end);
            code = AnswerClosingMessage(child);
            break;
        }
    }
    if (end.QuadPart == 0)
        QueryPerformanceCounter(&end);
    double seconds = Seconds(start, end);
    std::printf("%-11s %6d files: %8.0f ms  %7.0f files/s  time ratio %5.2f  to plain deletion %5.2f  exit %ld  "
                "left %d  progress texts seen %zu  %s\n",
                mode[1] == 'S' ? "silent" : "interactive", files, seconds * 1000, files / seconds,
                firstMs > 0 ? seconds * 1000 / firstMs : 1.0, seconds * 1000 / plainMs, code,
                FilesLeft(installation), texts.size(), program.c_str());
    std::fflush(stdout);
    return seconds * 1000;
}

// Cancel pressed while files are being removed: the time until the confirmation shows, and
// until the program has ended after Yes.
void CancelRun(const std::string& program, int files)
{
    Installation installation = MakeInstallation(files);
    Child child("\"" + CopyProgram(program, installation) + "\" /A \"" + installation.log + "\"");
    HWND wizard = nullptr;
    WaitUntil([&] {
        wizard = FindProcessWindow(child.Id(), "#32770", kTitle);
        return wizard && ProgressText(wizard).find("Removing File") != std::string::npos;
    }, kDeadline);
    LARGE_INTEGER frequency, pressed, asked, ended;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&pressed);
    PostMessageA(wizard, WM_COMMAND, IDCANCEL, 0);
    HWND box = nullptr;
    while (!(box = MessageBoxOf(child)) && child.WaitForExit(0) == -1)
        Sleep(1);
    QueryPerformanceCounter(&asked);
    PostMessageA(box, WM_COMMAND, IDYES, 0);
    // Ended when the run's closing message shows (answered then) or the program has gone.
    HWND closing = nullptr;
    while (child.WaitForExit(0) == -1) {
        closing = MessageBoxOf(child);
        if (closing && closing != box)
            break;
        Sleep(1);
    }
    QueryPerformanceCounter(&ended);
    long code = AnswerClosingMessage(child);
    auto ms = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
        return static_cast<double>(to.QuadPart - from.QuadPart) * 1000 / static_cast<double>(frequency.QuadPart);
    };
    std::printf("cancel      %6d files: question after %6.0f ms, ended %6.0f ms after Yes, exit %ld, left %d  %s\n",
                files, ms(pressed, asked), ms(asked, ended), code, FilesLeft(installation), program.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == kPlainDeletion)
        return DeletePlainly(argv[2], std::atoi(argv[3]));
    std::vector<std::string> programs(argv + 1, argv + argc);
    if (programs.empty()) {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        std::string folder = self;
        programs.push_back(folder.substr(0, folder.rfind('\\') + 1) + "UNHALDEN32.exe");
    }
    for (const char* mode : {"/S", "/A"}) {
        for (int files : {100, 1000, 10000}) {
            double plainMs = PlainRun(mode, files);
            double firstMs = 0;
            for (const std::string& program : programs) {
                double ms = TimedRun(program, mode, files, firstMs, plainMs);
                if (firstMs == 0)
                    firstMs = ms;
            }
        }
    }
    for (const std::string& program : programs)
        CancelRun(program, 10000);
    return 0;
}
