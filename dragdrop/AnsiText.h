#pragma once
// Conversions between the program's ANSI text and UTF-16, in the system's ANSI code page.

#include <string>

namespace dragdrop {

std::u16string AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::u16string& text);

}  // namespace dragdrop
