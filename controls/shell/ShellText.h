#pragma once
// Text helpers of the shell utilities: positional message formatting, the system's error
// texts and delimiters after ANSI text.

#include <string>
#include <vector>

#include <windows.h>

namespace mw {

// Formats with the system's message formatter: "%1", "%2"... insert the strings in order.
// Raises cl::Exception "FormatStrPos: Too many substitution strings" for more than 50
// strings; an empty format, or one the formatter rejects, gives "". An insert beyond the
// strings given reads as empty text.
std::string FormatStrPos(const std::string& format, const std::vector<std::string>& strings);

// The system's text for an error code, without the trailing line break.
std::string SysErrorMessage(DWORD error);

// Appends the delimiter unless the text ends with it (a trail byte of a double-byte character
// of the ANSI code page does not count); empty text stays empty.
std::string AppendDelimiter(const std::string& text, char delimiter);

}  // namespace mw
