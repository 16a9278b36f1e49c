#pragma once
// Texts of the "Language" section of the uninstaller's INI file: "|" stands for a line break
// and "~" for a space; a value that is exactly one character of code 127 is the lookup's
// "not set" answer. An override of a format string is only usable when it takes the same
// arguments as the built-in text.

#include <cstddef>

constexpr char kLanguageNotSet[] = "\x7f";

bool IsLanguageTextSet(const char* text);

// Writes text with "|" turned into CR LF and "~" into a space. Output that does not fit is
// shortened (a line break is never cut in half). Returns the length written.
size_t UnescapeLanguageText(const char* text, char* out, size_t size);

// True when text holds at least one printf conversion ("%%" is not one).
bool HasConversions(const char* text);

// True when candidate's conversions take the same arguments, in the same order, as
// reference's. A "*" width or precision, "%n" or an unfinished conversion never matches.
bool ConversionsMatch(const char* candidate, const char* reference);
