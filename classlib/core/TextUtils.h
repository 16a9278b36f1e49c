#pragma once
// Text helpers the library and the programs share: comparisons without case (ASCII folding,
// which is what archive names and identifiers need) and number conversions.

#include <cstdint>
#include <string>

namespace cl {

std::string UpperCase(std::string text);
std::string LowerCase(std::string text);
int CompareText(const std::string& a, const std::string& b);  // <0, 0, >0 without case
bool SameText(const std::string& a, const std::string& b);
std::string Trim(const std::string& text);
std::string IntToStr(int64_t value);
// EConvertError "'<text>' is not a valid integer value" unless the whole text is a decimal
// (or $hex) integer that fits in 32 bits.
int StrToInt(const std::string& text);
// Replaces every occurrence (or only the first) of what by with.
std::string StringReplace(const std::string& text, const std::string& what, const std::string& with, bool all = true);

// File name parts, with "\" (and ":" for the drive) as separators.
std::string ExtractFilePath(const std::string& fileName);  // up to and including the last "\" or ":"
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName);   // from the last "." of the name, with the dot

}  // namespace cl
