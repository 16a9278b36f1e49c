#include "uninstaller/app/LogNotes.h"

#include <algorithm>
#include <cctype>
#include <cstring>

const char kNotCountedLine[] = "Shared DLL counter ignored:\r\n";
const char kKeptPrefix[] = "Kept by uninstall: ";

namespace {

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* tag)
{
    std::size_t length = std::strlen(tag);
    if (text.size() - at < length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[at + i])) != std::toupper(static_cast<unsigned char>(tag[i])))
            return false;
    }
    return true;
}

bool IsFileLineStart(const std::string& text, std::uint64_t offset)
{
    if (offset >= text.size())
        return false;
    std::size_t at = static_cast<std::size_t>(offset);
    if (at > 0 && text[at - 1] != '\r' && text[at - 1] != '\n')
        return false;
    return StartsWithNoCase(text, at, "File Copy: ") || StartsWithNoCase(text, at, "Shell Link: ") ||
           StartsWithNoCase(text, at, "File Overwrite: ");
}

}  // namespace

bool AddLogNotes(const std::string& text, std::vector<LogNote> notes, std::string* out,
                 std::uint64_t* truncationOffset)
{
    std::sort(notes.begin(), notes.end(), [](const LogNote& a, const LogNote& b) { return a.offset < b.offset; });
    for (const LogNote& note : notes) {
        if (!IsFileLineStart(text, note.offset))
            return false;
    }
    std::string annotated;
    annotated.reserve(text.size() + notes.size() * sizeof kNotCountedLine);
    std::uint64_t copied = 0, inserted = 0, insertedBeforeCut = 0;
    for (const LogNote& note : notes) {
        annotated.append(text, static_cast<std::size_t>(copied), static_cast<std::size_t>(note.offset - copied));
        copied = note.offset;
        std::size_t before = annotated.size();
        annotated += note.kind == kNoteKept ? kKeptPrefix : kNotCountedLine;
        inserted += annotated.size() - before;
        if (truncationOffset && note.offset < *truncationOffset)
            insertedBeforeCut = inserted;
    }
    annotated.append(text, static_cast<std::size_t>(copied), std::string::npos);
    if (truncationOffset)
        *truncationOffset += insertedBeforeCut;
    out->swap(annotated);
    return true;
}
