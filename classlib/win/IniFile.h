#pragma once
// Settings in an INI file, read and written through the Windows private-profile functions.
//
// The profile functions look for a file name without a folder in the Windows folder, not in
// the current folder; callers pass full paths. Windows caches profile files, so UpdateFile
// flushes the cache when another program must see the file at once.

#include <string>

#include "classlib/core/Exception.h"
#include "classlib/core/Object.h"

namespace cl {

class TStrings;

// A settings file that cannot be written.
CL_DECLARE_EXCEPTION(EIniFileException, Exception);

class TIniFile : public TObject {
public:
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The default when the key is missing; values of any length are read whole. As the profile
    // functions do, one pair of enclosing quotes is removed.
    std::string ReadString(const std::string& section, const std::string& ident, const std::string& defaultValue) const;
    // Decimal or $hex text; the default when the key is missing or its text is no integer.
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
    // True when the key holds a non-zero integer.
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;

    // Every write raises EIniFileException "Unable to write to <file>" when the file cannot be written.
    // Line breaks cannot be stored in an INI file and are refused the same way.
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int value);
    void WriteBool(const std::string& section, const std::string& ident, bool value);  // "1" or "0"

    // Names compare without case, as the profile functions do.
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;
    // Replaces the list's contents with the section's key names, or with every section name.
    void ReadSection(const std::string& section, TStrings& keys) const;
    void ReadSections(TStrings& sections) const;

    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& ident);
    // Writes the cached file to disk.
    void UpdateFile();

private:
    void Write(const char* section, const char* ident, const char* value);

    std::string fileName_;
};

}  // namespace cl
