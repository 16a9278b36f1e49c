#pragma once
// The Program Manager's groups as its DDE server describes them, and the commands that remove
// an icon from them.
//
// A group text's first line describes the group and begins with the quoted group name; each
// further line describes one item and begins with the quoted item name, "," and the quoted
// command line. Lines end with CR LF. A handled group or item gets "*" over its first
// character, so that it is neither removed nor counted again.

#include <cstddef>

// Where the commands go: the server's execute transaction.
class ProgramManagerCommands {
public:
    virtual ~ProgramManagerCommands() = default;
    virtual void Execute(const char* command) = 0;
};

struct TextLine {
    const char* start;
    std::size_t length;   // without the line end
};

// The line at *cursor (ended by CR LF, LF or the end of the text); moves *cursor past it.
// False at the end of the text.
bool NextTextLine(const char** cursor, TextLine* line);

// "[verb("name")]", or "[verb("name",argument)]" when argument is not null. The name is
// always quoted, so that commas and parentheses in it stay part of it. False when the name
// holds a double quote (it cannot be quoted) or the command does not fit.
bool BuildProgramManagerCommand(char* out, std::size_t size, const char* verb, const char* name,
                                std::size_t nameLength, const char* argument);

// Removes every item that runs command, or that is called name in group (names and commands
// compared without case; empty ones match nothing). A group whose last item went is deleted,
// except "STARTUP".
void RemoveIconFromGroups(char* const* groupTexts, std::size_t groupCount, const char* group, const char* name,
                          const char* command, ProgramManagerCommands& server);
