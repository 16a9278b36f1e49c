#include "uninstaller/app/InstallationPlaces.h"

#include <cstring>
#include <vector>

#include "uninstaller/log/NameCompare.h"

namespace {

// Paths in a text end at these; a space may end one too, or lie inside it.
const char kPathEnds[] = "\",;|";
const std::size_t kMaxCandidates = 32;

std::string Upper(const std::string& text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(UpperCaseOf(c));
    return upper;
}

std::string WithoutTrailingBackslashes(std::string path)
{
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsWordCharacter(char c)
{
    return IsLetter(c) || (c >= '0' && c <= '9');
}

// Where a path starts in the text: "X:\" or "\\" after something that is no part of a word.
bool StartsPath(const char* text, std::size_t at)
{
    if (at > 0 && IsWordCharacter(text[at - 1]))
        return false;
    const char* p = text + at;
    return (IsLetter(p[0]) && p[1] == ':' && p[2] == '\\') || (p[0] == '\\' && p[1] == '\\' && at == 0);
}

}  // namespace

InstallationPlaces::InstallationPlaces(EngineFiles& files, FolderGuard& guard, const ItemStore& store,
                                       const char* logPath)
    : files_(files), guard_(guard), store_(store)
{
    if (!logPath)
        return;
    char form[kPathSize];
    if (!files_.CanonicalPathOf(logPath, form, sizeof form))
        return;
    char* last = std::strrchr(form, '\\');
    if (!last)
        return;
    *last = '\0';
    if (!guard_.MayRemoveTree(form))
        return;
    logFolder_.insert(Upper(form));
    char shortForm[kPathSize];
    if (files_.ShortPathOf(form, shortForm, sizeof shortForm))
        logFolder_.insert(Upper(WithoutTrailingBackslashes(shortForm)));
}

void InstallationPlaces::CollectFromLog()
{
    collected_ = true;
    for (unsigned i = 0; i < store_.directories.count; ++i) {
        const char* path = store_.directories[i]->path;
        if (!std::strpbrk(path, "*?"))
            madeFolders_.emplace(Upper(WithoutTrailingBackslashes(path)), kNotJudged);
    }
    for (const RecordTable<FileRecord>* table : {&store_.privateFiles, &store_.systemFiles}) {
        for (unsigned i = 0; i < table->count; ++i) {
            const FileRecord& file = *(*table)[i];
            if (file.createdByInstallation && file.path[0])
                createdFiles_.emplace(Upper(file.path), kNotJudged);
        }
    }
}

bool InstallationPlaces::IsCreatedFile(const std::string& upper)
{
    auto found = createdFiles_.find(upper);
    if (found == createdFiles_.end())
        return false;
    if (found->second == kNotJudged)
        found->second = files_.IsSystemComponent(upper.c_str()) ? kNoPlace : kPlace;
    return found->second == kPlace;
}

bool InstallationPlaces::IsMadeFolder(const std::string& upper)
{
    auto found = madeFolders_.find(upper);
    if (found == madeFolders_.end())
        return false;
    if (found->second == kNotJudged)
        found->second = guard_.MayRemoveTree(upper.c_str()) ? kPlace : kNoPlace;
    return found->second == kPlace;
}

// A whole run of the text may name a file or lie in a folder of the installation; a run cut at
// a space only names a file ("C:\App\app.exe" of "C:\App\app.exe /tray"), so that
// "C:\App Data\x" never passes for something in "C:\App".
bool InstallationPlaces::NamesForm(const std::string& upper, bool wholeRun)
{
    if (IsCreatedFile(upper))
        return true;
    if (!wholeRun)
        return false;
    for (std::size_t end = upper.size();;) {
        std::string folder = upper.substr(0, end);
        if (logFolder_.count(folder) || IsMadeFolder(folder))
            return true;
        std::size_t slash = folder.rfind('\\');
        if (slash == std::string::npos || slash < 3)
            return false;
        end = slash;
    }
}

bool InstallationPlaces::NamesPath(const std::string& path, bool wholeRun)
{
    std::string trimmed = path;
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.pop_back();
    if (trimmed.size() <= 3)
        return false;
    if (NamesForm(Upper(WithoutTrailingBackslashes(trimmed)), wholeRun))
        return true;
    char canonical[kPathSize];
    return files_.CanonicalPathOf(trimmed.c_str(), canonical, sizeof canonical) &&
           NamesForm(Upper(WithoutTrailingBackslashes(canonical)), wholeRun);
}

bool InstallationPlaces::Names(const char* text)
{
    if (!collected_)
        CollectFromLog();
    std::size_t length = std::strlen(text);
    // A file of the System folder named without its folder ("monitor.dll").
    if (length && !std::strpbrk(text, "\\/: \"") && store_.systemDirectory[0] &&
        NamesPath(std::string(store_.systemDirectory) + "\\" + text, false))
        return true;
    std::size_t tried = 0;
    for (std::size_t start = 0; start < length && tried < kMaxCandidates; ++start) {
        if (!StartsPath(text, start))
            continue;
        std::size_t end = start;
        while (end < length && !std::strchr(kPathEnds, text[end]))
            ++end;
        ++tried;
        if (NamesPath(std::string(text + start, end - start), true))
            return true;
        for (std::size_t space = start; space < end && tried < kMaxCandidates; ++space) {
            if (text[space] != ' ')
                continue;
            ++tried;
            if (NamesPath(std::string(text + start, space - start), false))
                return true;
        }
    }
    return false;
}
