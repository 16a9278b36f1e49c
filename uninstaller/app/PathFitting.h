#pragma once
// Making a progress text fit its control: a path too wide loses its middle folders (then its
// end) to "...", and long registry keys are cut.

#include <cstddef>

// Width of the first length characters of text in the control's font.
typedef int (*TextWidth)(void* context, const char* text, size_t length);

// The path is the part of text after its first line break (the whole text when there is
// none). When its width reaches maxWidth it is shortened, one step at a time, until it fits:
// the component after the first "\" (together with the next one when it is already "...")
// becomes "..." while that part is longer than 3 characters and more components follow;
// otherwise the last 4 characters become "...". text is changed in place (it never grows).
void FitPathToWidth(char* text, int maxWidth, TextWidth width, void* context);

// A registry key longer than 48 characters is shown as its first 45 and "...".
void ShortenKey(const char* key, char* out, size_t size);
