#include "uninstaller/app/OtherInstallations.h"

#include <cstring>

#include "uninstaller/app/PathNames.h"
#include "uninstaller/app/ProtectedFolderRules.h"
#include "uninstaller/log/NameCompare.h"

namespace {

const char kLogName[] = "INSTALL.LOG";

bool HasWildcard(const std::string& text)
{
    return text.find_first_of("*?") != std::string::npos;
}

bool IsAscii(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

enum LineKind { kLineOther, kLineFile, kLineFolder, kLineTree };

// The kind of a log line that names what its installation owns, and the path it names.
LineKind ClassifyLine(const std::string& line, std::string* path)
{
    static const struct {
        const char* tag;
        LineKind kind;
    } kTags[] = {
        {"File Copy: ", kLineFile}, {"Shell Link: ", kLineFile}, {"File Overwrite: ", kLineFile},
        {"Backup Copy: ", kLineFile}, {"Made Dir: ", kLineFolder}, {"File Tree: ", kLineTree},
    };
    for (const auto& tag : kTags) {
        if (!StartsWithNoCase(line.c_str(), tag.tag))
            continue;
        std::string text = line.substr(std::strlen(tag.tag));
        // A file line's repair data follows a vertical bar.
        if (tag.kind == kLineFile)
            text = text.substr(0, text.find('|'));
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        if (tag.kind == kLineTree && HasWildcard(LastName(text)))
            text = ParentPath(text);
        *path = WithoutTrailingBackslashes(text);
        return tag.kind;
    }
    return kLineOther;
}

}  // namespace

OtherInstallations::OtherInstallations(EngineFiles& files, const std::string& ownLog)
    : files_(files), ownLog_(ownLog)
{
}

std::string OtherInstallations::Key(const std::string& path)
{
    return NameKey(WithoutTrailingBackslashes(path));
}

void OtherInstallations::AddFile(const std::string& path)
{
    ownedFiles_.insert(Key(path));
}

void OtherInstallations::AddFolder(const std::string& path)
{
    folders_.insert(Key(path));
}

void OtherInstallations::AddTree(const std::string& path)
{
    trees_.insert(Key(path));
    AddFolder(path);
}

void OtherInstallations::LookAround(const std::string& folder)
{
    for (std::string at = WithoutTrailingBackslashes(folder); IsAbsolutePath(at.c_str()); at = ParentPath(at)) {
        if (!looked_.insert(Key(at)).second)
            return;
        std::string log = JoinPath(at, kLogName);
        if (files_.KindOf(log.c_str()) == kEntryFile && !SameName(log, ownLog_)) {
            logFolders_.insert(Key(at));
            Learn(log);
        }
        if (IsRootFolder(at.c_str()))
            return;
    }
}

bool OtherInstallations::HoldsLog(const std::string& folder)
{
    LookAround(folder);
    return logFolders_.count(Key(folder)) != 0;
}

void OtherInstallations::Learn(const std::string& log)
{
    std::string folder = ParentPath(log);
    AddFolder(folder);
    std::string text;
    if (!files_.ReadWholeFile(log.c_str(), &text) || text.compare(0, 4, "*** ") != 0) {
        AddTree(folder);
        return;
    }
    // A log whose first line does not mark it ANSI holds paths in the OEM code page; a path of
    // such a log with other than ASCII characters gives its whole folder away.
    bool ansi = text.size() > 4 && text[4] == ' ';
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start), logged;
        start = end + 1;
        LineKind kind = ClassifyLine(line, &logged);
        if (kind == kLineOther || !IsAbsolutePath(logged.c_str()))
            continue;
        std::string path;
        if ((!ansi && !IsAscii(logged)) || !files_.PathFromAnsi(logged.c_str(), &path)) {
            AddTree(kind == kLineFile ? ParentPath(logged) : logged);
            continue;
        }
        // A short (8.3) name is known by its long form.
        std::string named;
        if (path.find('~') != std::string::npos && files_.CanonicalPathOf(path.c_str(), &named))
            path = named;
        if (kind == kLineFile) {
            AddFile(path);
        } else if (kind == kLineFolder) {
            AddFolder(path);
        } else {
            AddTree(path);
        }
    }
}

bool OtherInstallations::Owns(const std::string& path) const
{
    std::string key = Key(path);
    if (ownedFiles_.count(key) || folders_.count(key))
        return true;
    for (std::string at = key; !at.empty(); at = ParentPath(at))
        if (trees_.count(at))
            return true;
    return false;
}
