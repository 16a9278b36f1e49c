#include "uninstaller/app/InstallationPlaces.h"

#include <cstring>

#include "uninstaller/app/PathNames.h"

namespace {

// Paths in a text end at these; a space may end one too, or lie inside it.
const char kPathEnds[] = "\",;|";
const std::size_t kMaxCandidates = 32;

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

std::string PlaceKey(const std::string& named)
{
    return NameKey(WithoutTrailingBackslashes(named));
}

}  // namespace

InstallationPlaces::InstallationPlaces(EngineFiles& files, FolderGuard& guard, const ItemStore& store,
                                       const char* logPath)
    : files_(files), guard_(guard), store_(store)
{
    std::string log, named;
    if (!logPath || !files_.PathFromAnsi(logPath, &log))
        return;
    if (!files_.CanonicalPathOf(log.c_str(), &named))
        named = log;
    std::string folder = ParentPath(named);
    if (folder.empty() || !guard_.Tree(folder).Allowed())
        return;
    logFolder_.insert(PlaceKey(folder));
    // The short form is the system's to tell while the folder is there.
    const char* last = std::strrchr(logPath, '\\');
    char shortForm[kPathSize];
    std::string shortNamed;
    if (last && static_cast<std::size_t>(last - logPath) < sizeof shortForm) {
        std::string ansiFolder(logPath, last);
        if (files_.ShortPathOf(ansiFolder.c_str(), shortForm, sizeof shortForm) &&
            files_.PathFromAnsi(shortForm, &shortNamed))
            logFolder_.insert(PlaceKey(shortNamed));
    }
}

void InstallationPlaces::CollectFromLog()
{
    collected_ = true;
    std::string named;
    for (unsigned i = 0; i < store_.directories.count; ++i) {
        const char* path = store_.directories[i]->path;
        if (!std::strpbrk(path, "*?") && files_.PathFromAnsi(path, &named))
            madeFolders_.emplace(PlaceKey(named), kNotJudged);
    }
    for (const RecordTable<FileRecord>* table : {&store_.privateFiles, &store_.systemFiles}) {
        for (unsigned i = 0; i < table->count; ++i) {
            const FileRecord& file = *(*table)[i];
            if (file.createdByInstallation && file.path[0] && files_.PathFromAnsi(file.path, &named))
                createdFiles_.emplace(PlaceKey(named), kNotJudged);
        }
    }
}

bool InstallationPlaces::IsCreatedFile(const std::string& named)
{
    auto found = createdFiles_.find(NameKey(named));
    if (found == createdFiles_.end())
        return false;
    if (found->second == kNotJudged)
        found->second = files_.IsSystemComponent(named.c_str()) || guard_.OtherInstallationHas(named) ? kNoPlace
                                                                                                      : kPlace;
    return found->second == kPlace;
}

bool InstallationPlaces::IsMadeFolder(const std::string& named)
{
    auto found = madeFolders_.find(NameKey(named));
    if (found == madeFolders_.end())
        return false;
    if (found->second == kNotJudged)
        found->second = guard_.IsInstallationsFolder(named) ? kPlace : kNoPlace;
    return found->second == kPlace;
}

// A whole run of the text may name a file or lie in a folder of the installation; a run cut at
// a space only names a file ("C:\App\app.exe" of "C:\App\app.exe /tray"), so that
// "C:\App Data\x" never passes for something in "C:\App".
bool InstallationPlaces::NamesForm(const std::string& named, bool wholeRun)
{
    if (IsCreatedFile(named))
        return true;
    if (!wholeRun)
        return false;
    for (std::string folder = named; folder.size() > 3; folder = ParentPath(folder)) {
        if (logFolder_.count(NameKey(folder)) || IsMadeFolder(folder))
            return true;
    }
    return false;
}

bool InstallationPlaces::NamesPath(const std::string& text, bool wholeRun)
{
    std::string trimmed = text;
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.pop_back();
    std::string named, canonical;
    if (trimmed.size() <= 3 || !files_.PathFromAnsi(trimmed.c_str(), &named))
        return false;
    named = WithoutTrailingBackslashes(named);
    if (NamesForm(named, wholeRun))
        return true;
    return files_.CanonicalPathOf(named.c_str(), &canonical) && !SameName(canonical, named) &&
           NamesForm(WithoutTrailingBackslashes(canonical), wholeRun);
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
