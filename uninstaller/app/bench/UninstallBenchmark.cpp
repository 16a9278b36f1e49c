// How fast UNHALDEN32.EXE uninstalls: silent ("/S") and interactive ("/A", the wizard's progress
// view on screen) runs over logs of 100, 1,000 and 10,000 files made in fresh folders, and how
// long the wizard's Cancel takes to answer during a large run.
//
// usage: unhalden_uninstall_bench [/rounds N] [UNHALDEN32.EXE ...]
//        (default: 5 rounds, the program built beside this one)
//
// The baseline is a plain deletion of the same files: this program, copied and started again
// with "/delete folder count", removes them with DeleteFileW in a loop. Each round makes one
// installation per side the same way (the plain deletion and every program given), then runs
// the sides one after the other, the order turning from round to round, so that every side
// meets the same load of the machine in the same positions. A round's ratio is taken within the
// round; what is reported is the median of those ratios and of each side's times, with their
// spread (lowest to highest).

#include <windows.h>

#include <algorithm>
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
const char kPlainDeletion[] = "/delete";
const char kRounds[] = "/rounds";

struct Installation {
    std::string folder, log;
};

std::string FileName(int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "\\file%05d.dat", index);
    return name;
}

std::string OwnPath()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    return self;
}

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

// Under Wine the files just made are written out to the host's disk before any side runs, not
// during whichever run comes first. Elsewhere there is no such program and nothing happens.
void WriteOutHostFiles()
{
    Child sync("Z:\\bin\\sync");
    sync.WaitForExit(kDeadline);
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

// Every side starts a fresh copy of its program from its installation's folder.
std::string CopyProgram(const std::string& program, const Installation& installation, const char* name)
{
    std::string copy = installation.folder + "\\" + name;
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

struct RunResult {
    double ms = 0;
    long code = -1;
    int left = 0;
    size_t texts = 0;   // progress texts seen while polling: the view moving
};

// Runs the command and times it until it has ended or its closing message shows (answered
// then). Every side is waited for the same way, polling its windows, so that each pays the same
// for being watched.
RunResult TimedRun(const std::string& command, const Installation& installation)
{
    RunResult result;
    std::set<std::string> texts;
    LARGE_INTEGER start, end{};
    QueryPerformanceCounter(&start);
    Child child(command);
    for (;;) {
        result.code = child.WaitForExit(50);
        if (result.code != -1 || !child.Started())
            break;
        if (HWND wizard = FindProcessWindow(child.Id(), "#32770", kTitle))
            texts.insert(ProgressText(wizard));
        if (MessageBoxOf(child)) {
            QueryPerformanceCounter(&end);
            result.code = AnswerClosingMessage(child);
            break;
        }
    }
    if (end.QuadPart == 0)
        QueryPerformanceCounter(&end);
    result.ms = Seconds(start, end) * 1000;
    result.left = FilesLeft(installation);
    result.texts = texts.size();
    return result;
}

// A side of the comparison: the plain deletion (no program) or a program given.
struct Side {
    std::string program;   // empty for the plain deletion
    std::string Label() const { return program.empty() ? "plain deletion (DeleteFileW)" : program; }
};

RunResult RunSide(const Side& side, const char* mode, const Installation& installation, int files)
{
    if (side.program.empty())
        return TimedRun("\"" + CopyProgram(OwnPath(), installation, "DELETER.EXE") + "\" " + kPlainDeletion + " \"" +
                            installation.folder + "\" " + std::to_string(files),
                        installation);
    return TimedRun("\"" + CopyProgram(side.program, installation, "UNHALDEN32.EXE") + "\" " + mode + " \"" +
                        installation.log + "\"",
                    installation);
}

// One round: an installation per side, made before any side runs, then every side in an order
// turned by the round's number. Times in the sides' order.
std::vector<RunResult> Round(const std::vector<Side>& sides, const char* mode, int files, size_t round)
{
    std::vector<Installation> installations;
    for (size_t i = 0; i < sides.size(); ++i)
        installations.push_back(MakeInstallation(files));
    WriteOutHostFiles();
    std::vector<RunResult> results(sides.size());
    for (size_t step = 0; step < sides.size(); ++step) {
        size_t side = (round + step) % sides.size();
        results[side] = RunSide(sides[side], mode, installations[side], files);
    }
    return results;
}

struct Spread {
    double median, lowest, highest;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    double median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return Spread{median, values.front(), values.back()};
}

const char* ModeName(const char* mode)
{
    return mode[1] == 'S' ? "silent" : "interactive";
}

void PrintRound(const std::vector<Side>& sides, const char* mode, int files, size_t round,
                const std::vector<RunResult>& results)
{
    for (size_t i = 0; i < sides.size(); ++i) {
        const RunResult& run = results[i];
        std::printf("%-11s %6d files  round %zu: %8.0f ms  %7.0f files/s", ModeName(mode), files, round + 1, run.ms,
                    files * 1000 / run.ms);
        if (i > 0)
            std::printf("  to plain deletion %5.2f", run.ms / results[0].ms);
        if (i > 1)
            std::printf("  to the first program %5.2f", run.ms / results[1].ms);
        std::printf("  exit %ld  left %d", run.code, run.left);
        if (i > 0)
            std::printf("  progress texts seen %zu", run.texts);
        std::printf("  %s\n", sides[i].Label().c_str());
    }
    std::fflush(stdout);
}

void PrintSummary(const std::vector<Side>& sides, const char* mode, int files,
                  const std::vector<std::vector<RunResult>>& rounds)
{
    std::printf("%-11s %6d files, median of %zu rounds (lowest-highest):\n", ModeName(mode), files, rounds.size());
    // Another load on the machine only ever adds time: the fastest runs are the least disturbed.
    double plainFastest = rounds[0][0].ms;
    for (const std::vector<RunResult>& round : rounds)
        plainFastest = std::min(plainFastest, round[0].ms);
    for (size_t i = 0; i < sides.size(); ++i) {
        std::vector<double> ms, toPlain, toFirst;
        for (const std::vector<RunResult>& round : rounds) {
            ms.push_back(round[i].ms);
            toPlain.push_back(round[i].ms / round[0].ms);
            if (i > 1)
                toFirst.push_back(round[i].ms / round[1].ms);
        }
        Spread time = SpreadOf(ms);
        std::printf("    %8.0f ms (%.0f-%.0f)  %7.0f files/s", time.median, time.lowest, time.highest,
                    files * 1000 / time.median);
        if (i > 0) {
            Spread ratio = SpreadOf(toPlain);
            std::printf("  to plain deletion %5.2f (%.2f-%.2f), fastest to fastest %5.2f", ratio.median, ratio.lowest,
                        ratio.highest, time.lowest / plainFastest);
        }
        if (i > 1) {
            Spread ratio = SpreadOf(toFirst);
            std::printf("  to the first program %5.2f (%.2f-%.2f)", ratio.median, ratio.lowest, ratio.highest);
        }
        std::printf("  %s\n", sides[i].Label().c_str());
    }
    std::fflush(stdout);
}

// Cancel pressed while files are being removed: the time until the confirmation shows, and
// until the program has ended after Yes.
void CancelRun(const std::string& program, int files)
{
    Installation installation = MakeInstallation(files);
    WriteOutHostFiles();
    Child child("\"" + CopyProgram(program, installation, "UNHALDEN32.EXE") + "\" /A \"" + installation.log + "\"");
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
    size_t rounds = 5;
    std::vector<Side> sides{Side{}};
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == kRounds && i + 1 < argc)
            rounds = static_cast<size_t>(std::max(1, std::atoi(argv[++i])));
        else
            sides.push_back(Side{argv[i]});
    }
    if (sides.size() == 1) {
        std::string self = OwnPath();
        sides.push_back(Side{self.substr(0, self.rfind('\\') + 1) + "UNHALDEN32.exe"});
    }
    // Every side once before anything is timed: the first start of a program pays for loading
    // its libraries from disk and for what Wine starts on first use, which no side should carry.
    for (const char* mode : {"/S", "/A"})
        Round(sides, mode, 100, 0);
    for (const char* mode : {"/S", "/A"}) {
        for (int files : {100, 1000, 10000}) {
            std::vector<std::vector<RunResult>> results;
            for (size_t round = 0; round < rounds; ++round) {
                results.push_back(Round(sides, mode, files, round));
                PrintRound(sides, mode, files, round, results.back());
            }
            PrintSummary(sides, mode, files, results);
        }
    }
    for (size_t i = 1; i < sides.size(); ++i)
        CancelRun(sides[i].program, 10000);
    return 0;
}
