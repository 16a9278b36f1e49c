#pragma once
// Notes a run leaves in INSTALL.LOG on the file lines whose shared-file counters it already
// lowered, so that a later run over the same log (after a Cancel, or after a Custom run) does
// not take the same copies off again. The notes are lines any reader of the log understands:
// the installer's own "Shared DLL counter ignored:" mark before a copy that no longer counts,
// and a prefix that turns the line of a file the run kept for other programs into a line of
// no known tag, so that the file is no longer the installation's.

#include <cstdint>
#include <string>
#include <vector>

enum LogNoteKind {
    kNoteNotCounted,   // the copy's count was given back; the file may still go
    kNoteKept          // the file stays for the programs that still count it
};

struct LogNote {
    std::uint64_t offset;   // start of a "File Copy: ", "Shell Link: " or "File Overwrite: " line
    LogNoteKind kind;
};

extern const char kNotCountedLine[];
extern const char kKeptPrefix[];

// The log text with the notes in place. False, with out untouched, when a note does not point
// at the start of a file line (the log is no longer the one that was read). truncationOffset,
// when given, moves by what was inserted before it.
bool AddLogNotes(const std::string& text, std::vector<LogNote> notes, std::string* out,
                 std::uint64_t* truncationOffset);
