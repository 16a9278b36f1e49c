#pragma once
// The program's texts: string table entries, each of which key "Msg<id>" of section
// "Language" in the INI file may override.

#include <cstddef>

// Writes text id into buffer (shortened to size) and returns its length. An override is used
// unescaped ("|" line break, "~" space); an override of a format string is used only when it
// takes the same arguments as the built-in text.
size_t LoadMessage(unsigned id, char* buffer, size_t size);
