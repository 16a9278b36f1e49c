#pragma once
// The uninstaller's command line: switches, then the log path (optionally quoted), then an
// optional title. The temporary copy is started with "/z" or "/z1", the launching program's
// path and the top created directory instead.

#include <cstddef>

struct CommandLine {
    static constexpr size_t kPathSize = 260;
    static constexpr size_t kLogPathSize = 256;
    static constexpr size_t kTitleSize = 256;

    bool empty;              // nothing after the program name
    bool noCopy;             // begins with "/Z" or "/z": no temporary copy is made
    bool automatic;          // "/A" (also set by "/S")
    bool silent;             // "/S"
    bool rollback;           // "/R"
    bool startOnLastPage;    // "/U"
    bool temporaryCopy;      // "/z" followed by the launching program and the top directory
    bool restartDue;         // "/z1"
    int shortcut;            // "/W" followed by n; 0 = none
    bool logPathQuoted;      // the log path was given in double quotes
    char logPath[kLogPathSize];
    bool hasTitle;
    char title[kTitleSize];
    char launcherPath[kPathSize];   // temporary copy only
    char topDirectory[kPathSize];   // temporary copy only
    bool tooLong;            // a path did not fit its field: it was left empty
};

// Parses the text after the program name. Never writes past a field; a log path or a path of
// the temporary copy that does not fit is left empty and tooLong is set; a title that does
// not fit is shortened.
void ParseCommandLine(const char* line, CommandLine* out);

// Builds the temporary copy's command line: "copy" /z[1] "launcher" "top directory". Returns
// 0 on success, 1 when it does not fit (out is then empty).
int BuildTemporaryCopyCommand(char* out, size_t size, const char* copyPath, bool restartDue,
                              const char* launcherPath, const char* topDirectory);
