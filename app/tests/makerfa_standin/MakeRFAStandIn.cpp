// TEST STAND-IN for the outside archive builder, for the build tests only: it is never
// shipped. Like the builder it reads five answers from its standard input (the staged root
// folder, the root folder's archive name, "N", the archive to write, "Y" or "N" for
// compression) and writes the archive from the staged files. It also records what it was
// given in "MakeRFA.log" beside itself: its working folder, its command line, whether its
// console window shows, the five answers and the staged files. With "MakeRFA.fail" beside it,
// it records and writes nothing, as a failing builder would.

#include <windows.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tools/rfa_writer/RfaWriter.h"

namespace {

std::string OwnFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

int main() {
    const std::string folder = OwnFolder();
    if (GetFileAttributesA((folder + "MakeRFA.fail").c_str()) != INVALID_FILE_ATTRIBUTES) return 1;

    std::vector<std::string> answers;
    for (std::string line; answers.size() < 5 && std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        answers.push_back(line);
    }
    char workingFolder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, workingFolder);
    std::ofstream log(folder + "MakeRFA.log", std::ios::binary);
    log << "folder " << workingFolder << "\r\n";
    log << "command " << GetCommandLineA() << "\r\n";
    const HWND console = GetConsoleWindow();
    log << "console " << (console && IsWindowVisible(console) ? "shown" : "hidden") << "\r\n";
    for (const std::string& answer : answers) log << "answer " << answer << "\r\n";
    if (answers.size() < 5) return 2;

    std::vector<rfa_test::TestEntry> entries = rfa_test::EntriesFromFolder(answers[0]);
    for (rfa_test::TestEntry& entry : entries) {
        entry.Name = answers[1] + entry.Name;
        log << "staged " << entry.Name << " " << entry.Data.size() << "\r\n";
    }
    rfa_test::WriteArchive(answers[3], entries);
    return 0;
}
