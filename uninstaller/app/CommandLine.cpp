#include "uninstaller/app/CommandLine.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

const char* SkipSpaces(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// Copies length characters and a NUL when they fit; otherwise leaves out empty.
bool CopyField(char* out, size_t size, const char* text, size_t length)
{
    if (length >= size) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
    return true;
}

// Copies as much as fits (texts for display may be shortened).
void CopyShortened(char* out, size_t size, const char* text, size_t length)
{
    if (length >= size)
        length = size - 1;
    std::memcpy(out, text, length);
    out[length] = '\0';
}

// One argument: a quoted text runs to its matching quote (or to the end when unmatched),
// otherwise the text runs to the next space (or to the end when toEnd is set, less trailing
// spaces). Returns where the next argument may start.
const char* TakeArgument(const char* p, bool toEnd, const char** start, size_t* length)
{
    if (*p == '"') {
        const char* close = std::strchr(p + 1, '"');
        *start = p + 1;
        if (!close) {
            *length = std::strlen(p + 1);
            return p + 1 + *length;
        }
        *length = static_cast<size_t>(close - (p + 1));
        return close + 1;
    }
    const char* end = p;
    if (toEnd) {
        end = p + std::strlen(p);
        while (end > p && (end[-1] == ' ' || end[-1] == '\t'))
            --end;
    } else {
        while (*end && *end != ' ' && *end != '\t')
            ++end;
    }
    *start = p;
    *length = static_cast<size_t>(end - p);
    return end;
}

// Reads the decimal shortcut number after "/W". Returns false when it does not fit an int.
bool ReadShortcutNumber(const char** p, int* number)
{
    int n = 0;
    const char* q = *p;
    while (*q >= '0' && *q <= '9') {
        int digit = *q - '0';
        if (n > (INT_MAX - digit) / 10)
            return false;
        n = n * 10 + digit;
        ++q;
    }
    *p = q;
    *number = n;
    return true;
}

// Applies the switch at p ("/" and a letter). Returns the text after the switch's token, or
// nullptr when the letter is unknown (switch parsing stops there).
const char* ApplySwitch(const char* p, CommandLine* out)
{
    const char* q = p + 2;
    switch (p[1]) {
    case 'A': case 'a': out->automatic = true; break;
    case 'S': case 's': out->silent = true; out->automatic = true; break;
    case 'R': case 'r': out->rollback = true; break;
    case 'U': case 'u': out->startOnLastPage = true; break;
    case 'W': case 'w':
        if (!ReadShortcutNumber(&q, &out->shortcut))
            return nullptr;
        break;
    case 'z':
        out->temporaryCopy = true;
        if (*q == '1') {
            out->restartDue = true;
            ++q;
        }
        break;
    case 'Z': break;
    default: return nullptr;
    }
    while (*q && *q != ' ' && *q != '\t')
        ++q;
    return q;
}

void ParseTitle(const char* p, CommandLine* out)
{
    p = SkipSpaces(p);
    if (!*p)
        return;
    const char* start;
    size_t length;
    TakeArgument(p, true, &start, &length);
    if (length == 0)
        return;
    CopyShortened(out->title, sizeof out->title, start, length);
    out->hasTitle = true;
}

void ParseTemporaryCopyArguments(const char* p, CommandLine* out)
{
    const char* start;
    size_t length;
    p = TakeArgument(p, false, &start, &length);
    if (!CopyField(out->launcherPath, sizeof out->launcherPath, start, length))
        out->tooLong = true;
    p = SkipSpaces(p);
    TakeArgument(p, true, &start, &length);
    if (!CopyField(out->topDirectory, sizeof out->topDirectory, start, length))
        out->tooLong = true;
    if (out->tooLong) {
        // Never act on a cut path: the copy then deletes nothing.
        out->launcherPath[0] = '\0';
        out->topDirectory[0] = '\0';
    }
}

}  // namespace

void ParseCommandLine(const char* line, CommandLine* out)
{
    *out = CommandLine{};
    const char* p = SkipSpaces(line ? line : "");
    out->empty = *p == '\0';
    out->noCopy = p[0] == '/' && (p[1] == 'z' || p[1] == 'Z');

    while (*p == '/') {
        const char* next = ApplySwitch(p, out);
        if (!next)
            break;
        p = SkipSpaces(next);
    }

    if (out->temporaryCopy) {
        if (*p) {
            ParseTemporaryCopyArguments(p, out);
            return;
        }
        // "/z" alone is a normal start without a temporary copy.
        out->temporaryCopy = false;
        out->restartDue = false;
    }
    if (!*p)
        return;

    const char* start;
    size_t length;
    out->logPathQuoted = *p == '"';
    const char* rest = TakeArgument(p, false, &start, &length);
    if (!CopyField(out->logPath, sizeof out->logPath, start, length))
        out->tooLong = true;
    ParseTitle(rest, out);
}

int BuildTemporaryCopyCommand(char* out, size_t size, const char* copyPath, bool restartDue,
                              const char* launcherPath, const char* topDirectory)
{
    int written = std::snprintf(out, size, "\"%s\" /z%s \"%s\" \"%s\"", copyPath,
                                restartDue ? "1" : "", launcherPath, topDirectory);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        if (size)
            out[0] = '\0';
        return 1;
    }
    return 0;
}
