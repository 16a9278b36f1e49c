#include "classlib/win/IniFile.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/StringList.h"
#include "classlib/core/TextUtils.h"

namespace cl {

namespace {

// The profile functions fill a fixed buffer and cut what does not fit; a result that filled
// the buffer may have been cut, so it is read again with a larger one. truncatedMargin is how
// far below the size a cut result ends: 1 for a value, 2 for a list of names.
std::string ReadProfile(const char* section, const char* ident, const std::string& fileName, DWORD truncatedMargin) {
    std::vector<char> buffer(2048);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD n = GetPrivateProfileStringA(section, ident, "", buffer.data(), size, fileName.c_str());
        if (n + truncatedMargin < size) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

// A list of names, each ended by a null character.
void ReadNames(const char* section, const std::string& fileName, TStrings& names) {
    const std::string list = ReadProfile(section, nullptr, fileName, 2);
    std::vector<std::string> found;
    for (size_t start = 0; start < list.size();) {
        const size_t end = std::min(list.find('\0', start), list.size());
        if (end > start) found.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    names.Assign(found);
}

bool HasLineBreak(const char* text) { return text && std::string(text).find_first_of("\r\n") != std::string::npos; }

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
    // The default is not handed to the profile function, which would cut trailing blanks.
    std::string value = ReadProfile(section.c_str(), ident.c_str(), fileName_, 1);
    if (value.empty() && !ValueExists(section, ident)) return defaultValue;
    return value;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const {
    const std::string text = ReadString(section, ident, "");
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return defaultValue;
    }
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::Write(const char* section, const char* ident, const char* value) {
    // A line break would end the line early and turn the rest into keys of its own.
    if (HasLineBreak(section) || HasLineBreak(ident) || HasLineBreak(value) ||
        !WritePrivateProfileStringA(section, ident, value, fileName_.c_str()))
        throw EIniFileException("Unable to write to " + fileName_);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    Write(section.c_str(), ident.c_str(), value.c_str());
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) const {
    TStringList sections;
    ReadSections(sections);
    return sections.IndexOf(section) >= 0;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const {
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(ident) >= 0;
}

void TIniFile::ReadSection(const std::string& section, TStrings& keys) const {
    ReadNames(section.c_str(), fileName_, keys);
}

void TIniFile::ReadSections(TStrings& sections) const { ReadNames(nullptr, fileName_, sections); }

void TIniFile::EraseSection(const std::string& section) { Write(section.c_str(), nullptr, nullptr); }

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    Write(section.c_str(), ident.c_str(), nullptr);
}

void TIniFile::UpdateFile() {
    // All three names null means "flush the cache"; the result carries no meaning.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, fileName_.c_str());
}

}  // namespace cl
