#pragma once
// A system in memory for the engine's tests: files and folders, the registry, the other
// actions (recorded as text lines) and a scripted user interface.

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/log/ItemStore.h"
#include "uninstaller/log/tests/FakeLogHost.h"

namespace engine_test {

inline std::string UpperText(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
    return text;
}

inline bool Put(const std::string& text, char* out, std::size_t size)
{
    if (text.size() >= size)
        return false;
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

inline std::string ParentOf(const std::string& path)
{
    size_t last = path.rfind('\\');
    return last == std::string::npos ? "" : path.substr(0, last);
}

// FindFirstFile's matching: "*" any run, "?" one character; "*.*" matches every name.
inline bool MatchesPattern(const char* pattern, const char* name)
{
    if (std::strcmp(pattern, "*.*") == 0)
        return true;
    if (!*pattern)
        return !*name;
    if (*pattern == '*')
        return MatchesPattern(pattern + 1, name) || (*name && MatchesPattern(pattern, name + 1));
    if (!*name)
        return false;
    bool same = *pattern == '?' || Upper(static_cast<unsigned char>(*pattern)) == Upper(static_cast<unsigned char>(*name));
    return same && MatchesPattern(pattern + 1, name + 1);
}

// Paths are ASCII, which the file system's names and ANSI share. A byte 0x81 has no meaning in
// the fake's code page: a log path holding one has no exact name.
struct FakeFiles : EngineFiles {
    std::map<std::string, std::string, NoCaseLess> files;   // path -> contents
    std::set<std::string, NoCaseLess> folders;
    std::set<std::string, NoCaseLess> inUse;                 // cannot be deleted now
    std::set<std::string, NoCaseLess> links;                 // folders and files that are links
    std::map<std::string, std::string, NoCaseLess> linkTargets;   // link -> where it leads
    bool scheduleInUse = true;
    std::vector<std::string> scheduled;
    std::map<std::string, std::string, NoCaseLess> canonical;   // path -> canonical form
    std::map<std::string, std::string> ini;                      // "FILE|SECTION|ITEM" -> value
    std::vector<std::string> removedIniSections;                 // "FILE|SECTION", in order
    std::vector<std::string> searches;                           // patterns searched

    // A file and every folder above it.
    void AddFile(const std::string& path, const std::string& contents = "x")
    {
        files[path] = contents;
        for (std::string folder = ParentOf(path); folder.size() > 2; folder = ParentOf(folder))
            folders.insert(folder);
    }
    void AddFolder(const std::string& folder)
    {
        for (std::string f = folder; f.size() > 2; f = ParentOf(f))
            folders.insert(f);
    }
    // A link to a folder (or, with file, to a file) that leads to target.
    void AddLink(const std::string& link, const std::string& target, bool file = false)
    {
        if (file)
            AddFile(link);
        else
            AddFolder(link);
        links.insert(link);
        linkTargets[link] = target;
    }
    void SetIni(const std::string& file, const std::string& section, const std::string& item, const std::string& value)
    {
        ini[UpperText(file + "|" + section + "|" + item)] = value;
    }
    bool Has(const std::string& path) const { return files.count(path) || folders.count(path); }

    bool PathFromAnsi(const char* ansi, std::string* path) override
    {
        if (std::strchr(ansi, '\x81'))
            return false;
        *path = ansi;
        return true;
    }
    bool FileExists(const char* path) override { return files.count(path) != 0; }
    bool ShortPathOf(const char* path, char* out, std::size_t size) override { return Put(path, out, size); }
    bool LongPathOf(const char* path, char* out, std::size_t size) override { return Put(path, out, size); }
    bool WriteIniEntry(const char* file, const char* section, const char* item, const char* value) override
    {
        if (!item) {
            removedIniSections.push_back(UpperText(std::string(file) + "|" + section));
            std::string prefix = removedIniSections.back() + "|";
            for (auto entry = ini.begin(); entry != ini.end();)
                entry = entry->first.compare(0, prefix.size(), prefix) == 0 ? ini.erase(entry) : std::next(entry);
            return true;
        }
        std::string key = UpperText(std::string(file) + "|" + section + "|" + item);
        if (value)
            ini[key] = value;
        else
            ini.erase(key);
        return true;
    }
    void IniEntryNames(const char* file, const char* section, std::vector<std::string>* names) override
    {
        names->clear();
        std::string prefix = UpperText(std::string(file) + "|" + section + "|");
        for (const auto& entry : ini)
            if (entry.first.compare(0, prefix.size(), prefix) == 0)
                names->push_back(entry.first.substr(prefix.size()));
    }

    EntryKind KindOf(const char* path) override
    {
        if (links.count(path))
            return kEntryLink;
        return files.count(path) ? kEntryFile : folders.count(path) ? kEntryFolder : kEntryMissing;
    }
    // Opened without following a link at its end, the entry leads where its folder leads.
    bool IsExpected(const std::string& path, const std::string& leadsTo)
    {
        std::string folder;
        ResolvedPathOf(ParentOf(path).c_str(), &folder);
        return UpperText(folder + "\\" + path.substr(path.rfind('\\') + 1)) == UpperText(leadsTo);
    }
    FileRemoval RemoveFile(const char* path, const char* leadsTo) override
    {
        if (!files.count(path))
            return kFileMissing;
        if (!IsExpected(path, leadsTo))
            return kFileElsewhere;
        if (inUse.count(path)) {
            if (!scheduleInUse)
                return kFileKept;
            scheduled.push_back(path);
            return kFileScheduled;
        }
        files.erase(path);
        links.erase(path);
        linkTargets.erase(path);
        return kFileRemoved;
    }
    bool RemoveFolder(const char* folder, const char* leadsTo) override
    {
        if (!folders.count(folder))
            return true;
        if (!IsExpected(folder, leadsTo))
            return false;
        // A link goes by itself; what it leads to stays.
        if (links.count(folder)) {
            links.erase(folder);
            linkTargets.erase(folder);
            folders.erase(folder);
            return true;
        }
        std::string prefix = UpperText(folder) + "\\";
        for (const auto& file : files)
            if (UpperText(file.first).compare(0, prefix.size(), prefix) == 0)
                return false;
        for (const auto& sub : folders)
            if (UpperText(sub).compare(0, prefix.size(), prefix) == 0)
                return false;
        folders.erase(folder);
        return true;
    }
    BackupCopy CopyBackup(const char* backup, const char* target) override
    {
        auto found = files.find(backup);
        if (found == files.end())
            return kBackupNotCopied;
        files[target] = found->second;
        return kBackupCopied;
    }
    void ForEachEntry(const char* pattern, EntryVisitor visit, void* context) override
    {
        searches.push_back(pattern);
        std::string folder = ParentOf(pattern);
        std::string namePattern = std::string(pattern).substr(folder.size() + 1);
        std::vector<std::pair<std::string, bool>> found;
        for (const auto& file : files)
            if (EqualFolder(ParentOf(file.first), folder))
                found.emplace_back(file.first, false);
        for (const auto& sub : folders)
            if (EqualFolder(ParentOf(sub), folder))
                found.emplace_back(sub, true);
        for (const auto& entry : found) {
            std::string name = entry.first.substr(folder.size() + 1);
            if (!MatchesPattern(namePattern.c_str(), name.c_str()))
                continue;
            FoundEntry e{name.c_str(), entry.second, links.count(entry.first) != 0};
            if (!visit(context, e))
                return;
        }
    }
    bool TruncateFile(const char* path, std::uint64_t length) override
    {
        auto found = files.find(path);
        if (found == files.end())
            return false;
        found->second.resize(static_cast<size_t>(length));
        return true;
    }
    bool ReadWholeFile(const char* path, std::string* contents) override
    {
        auto found = files.find(path);
        if (found == files.end())
            return false;
        *contents = found->second;
        return true;
    }
    bool ReadFileStart(const char* path, std::size_t count, std::string* start) override
    {
        if (!ReadWholeFile(path, start))
            return false;
        start->resize(std::min(count, start->size()));
        return true;
    }
    bool ReplaceWholeFile(const char* path, const std::string& contents) override
    {
        files[path] = contents;
        return true;
    }
    bool CanonicalPathOf(const char* path, std::string* out) override
    {
        auto found = canonical.find(path);
        *out = found != canonical.end() ? found->second : std::string(path);
        while (out->size() > 3 && out->back() == '\\')
            out->pop_back();
        return true;
    }
    // A link's target replaces the link's part of the path.
    bool ResolvedPathOf(const char* path, std::string* out) override
    {
        std::string resolved = path;
        for (int round = 0, followed = 1; followed && round < 16; ++round) {
            followed = 0;
            for (const auto& target : linkTargets) {
                std::string prefix = UpperText(target.first);
                std::string upper = UpperText(resolved);
                if (upper.compare(0, prefix.size(), prefix) == 0 &&
                    (upper.size() == prefix.size() || upper[prefix.size()] == '\\')) {
                    resolved = target.second + resolved.substr(prefix.size());
                    followed = 1;
                }
            }
        }
        *out = resolved;
        return true;
    }
    std::set<std::string, NoCaseLess> systemComponents;
    bool IsSystemComponent(const char* path) override { return systemComponents.count(path) != 0; }

private:
    static bool EqualFolder(const std::string& a, const std::string& b) { return UpperText(a) == UpperText(b); }
};

struct FakeValue {
    unsigned type;
    std::string data;
};

// Keys are "root\path", for example "2\Software\Halden".
struct FakeRegistry : EngineRegistry {
    std::map<std::string, std::map<std::string, FakeValue, NoCaseLess>, NoCaseLess> keys;
    std::set<std::string, NoCaseLess> locked;   // "root\path" of keys that cannot be deleted
    std::map<std::string, std::string, NoCaseLess> linkTargets;   // "root\path" of a link -> where it leads
    unsigned deleteTries = 0;

    static std::string Key(int root, const std::string& path) { return std::to_string(root) + "\\" + path; }

    void AddKey(int root, const std::string& path)
    {
        for (std::string key = Key(root, path); key.size() > 1; key = ParentOf(key))
            keys[key];
    }
    void SetString(int root, const std::string& path, const std::string& name, const std::string& text,
                   unsigned type = kRegSz)
    {
        AddKey(root, path);
        keys[Key(root, path)][name] = FakeValue{type, text + '\0'};
    }
    void SetDword(int root, const std::string& path, const std::string& name, std::uint32_t value)
    {
        AddKey(root, path);
        keys[Key(root, path)][name] = FakeValue{kRegDword, std::string(reinterpret_cast<const char*>(&value), 4)};
    }
    bool HasKey(int root, const std::string& path) const { return keys.count(Key(root, path)) != 0; }
    const FakeValue* Value(int root, const std::string& path, const std::string& name) const
    {
        auto key = keys.find(Key(root, path));
        if (key == keys.end())
            return nullptr;
        auto value = key->second.find(name);
        return value == key->second.end() ? nullptr : &value->second;
    }
    // A REG_SZ value's text, a REG_DWORD's number in decimal, "" when missing.
    std::string Text(int root, const std::string& path, const std::string& name) const
    {
        const FakeValue* value = Value(root, path, name);
        if (!value)
            return "";
        if (value->type == kRegDword) {
            std::uint32_t number = 0;
            std::memcpy(&number, value->data.data(), 4);
            return std::to_string(number);
        }
        return value->data.c_str();
    }

    bool ReadValue(int root, const char* key, const char* name, unsigned* type, unsigned char* data,
                   std::size_t* size) override
    {
        const FakeValue* value = Value(root, key, name);
        if (!value || value->data.size() > *size)
            return false;
        *type = value->type;
        std::memcpy(data, value->data.data(), value->data.size());
        *size = value->data.size();
        return true;
    }
    bool WriteValue(int root, const char* key, const char* name, unsigned type, const unsigned char* data,
                    std::size_t size, bool create) override
    {
        if (!HasKey(root, key)) {
            if (!create)
                return false;
            AddKey(root, key);
        }
        keys[Key(root, key)][name] = FakeValue{type, std::string(reinterpret_cast<const char*>(data), size)};
        return true;
    }
    bool DeleteValue(int root, const char* key, const char* name) override
    {
        auto found = keys.find(Key(root, key));
        return found != keys.end() && found->second.erase(name) != 0;
    }
    RegistryKeyState StateOf(int root, const char* key) override
    {
        auto found = keys.find(Key(root, key));
        if (found == keys.end())
            return kKeyMissing;
        char name[260];
        return found->second.empty() && !SubkeyAt(root, key, 0, name, sizeof name) ? kKeyEmpty : kKeyInUse;
    }
    bool SubkeyAt(int root, const char* key, unsigned index, char* name, std::size_t size) override
    {
        std::string prefix = UpperText(Key(root, key)) + "\\";
        std::set<std::string, NoCaseLess> names;
        for (const auto& entry : keys) {
            std::string upper = UpperText(entry.first);
            if (upper.compare(0, prefix.size(), prefix) == 0) {
                std::string rest = entry.first.substr(prefix.size());
                names.insert(rest.substr(0, rest.find('\\')));
            }
        }
        if (index >= names.size())
            return false;
        return Put(*std::next(names.begin(), index), name, size);
    }
    bool ValueAt(int root, const char* key, unsigned index, char* name, std::size_t nameSize, unsigned* type,
                 unsigned char* data, std::size_t* size) override
    {
        auto found = keys.find(Key(root, key));
        if (found == keys.end() || index >= found->second.size())
            return false;
        auto value = std::next(found->second.begin(), index);
        if (!Put(value->first, name, nameSize) || value->second.data.size() > *size) {
            *type = 0;
            *size = 0;
            return true;
        }
        *type = value->second.type;
        std::memcpy(data, value->second.data.data(), value->second.data.size());
        *size = value->second.data.size();
        return true;
    }
    bool DeleteKey(int root, const char* key) override
    {
        ++deleteTries;
        char name[260];
        if (!keys.count(Key(root, key)) || SubkeyAt(root, key, 0, name, sizeof name) || locked.count(Key(root, key)))
            return false;
        keys.erase(Key(root, key));
        linkTargets.erase(Key(root, key));
        return true;
    }
    // A link key: it holds its link value and no subkeys of its own.
    void AddLink(int root, const std::string& path, const std::string& target)
    {
        SetString(root, path, "SymbolicLinkValue", target, 6);
        linkTargets[Key(root, path)] = target;
    }
    bool IsLink(int root, const char* key) override { return linkTargets.count(Key(root, key)) != 0; }
};

struct FakeActions : EngineActions {
    std::vector<std::string> done;   // "service X", "run P|A", "start C", "register P", ...
    std::set<std::string> windowClasses;
    bool programManager = true;

    std::map<std::string, std::string, NoCaseLess> services;   // name -> the program it runs
    bool ServiceProgram(const char* name, char* program, std::size_t size) override
    {
        auto found = services.find(name);
        return found != services.end() && Put(found->second, program, size);
    }
    bool DeleteService(const char* name) override
    {
        done.push_back(std::string("service ") + name);
        return services.erase(name) != 0;
    }
    WaitOutcome waitOutcome = kWaitFinished;
    std::vector<unsigned> waitLimits;
    WaitOutcome RunAndWait(const char* program, const char* arguments, unsigned limitMs) override
    {
        done.push_back(std::string("run ") + program + "|" + arguments);
        waitLimits.push_back(limitMs);
        return waitOutcome;
    }
    void StartProgram(const char* commandLine) override { done.push_back(std::string("start ") + commandLine); }
    WaitOutcome SelfRegister(const char* path, bool registerIt, unsigned limitMs) override
    {
        done.push_back(std::string(registerIt ? "register " : "unregister ") + path);
        waitLimits.push_back(limitMs);
        return waitOutcome;
    }
    bool WindowOfClassExists(const char* className) override { return windowClasses.count(className) != 0; }
    void RemoveDeviceLine(const char* path) override { done.push_back(std::string("device ") + path); }
    bool ConnectProgramManager() override
    {
        done.push_back("connect");
        return programManager;
    }
    void RemoveIcon(const IconRecord& icon) override { done.push_back(std::string("icon ") + icon.name); }
    void DisconnectProgramManager() override { done.push_back("disconnect"); }
};

struct FakeUi : EngineUi {
    std::vector<std::pair<unsigned, std::string>> shown;   // label id, item
    std::vector<std::string> questions;
    std::vector<std::pair<unsigned, std::string>> shownWhenAsked;   // the progress text under each question
    std::deque<SharedFileChoice> sharedAnswers;            // default: No
    std::deque<ServerAnswer> serverAnswers;                // default: Ignore
    int serverQuestions = 0;
    int cancelAfterItems = -1;                             // Cancel once this many items were shown
    unsigned done = 0, total = 0;
    unsigned waited = 0;
    unsigned served = 0;
    bool progressView = false;

    void EnterProgressView() override { progressView = true; }
    void SetProgress(unsigned d, unsigned t) override
    {
        done = d;
        total = t;
    }
    void ShowProgressItem(unsigned labelId, const char* item, ProgressItemKind) override
    {
        shown.emplace_back(labelId, item);
    }
    void ClearProgressText() override {}
    void ServeWindows() override { ++served; }
    void Wait(unsigned milliseconds) override { waited += milliseconds; }
    bool Cancelled() override { return cancelAfterItems >= 0 && static_cast<int>(shown.size()) >= cancelAfterItems; }
    void LoadText(unsigned id, char* out, std::size_t size) override
    {
        std::string text = id == 38 ? "Shared %s unused. " : id == 39 ? "Remove?" : "#" + std::to_string(id);
        Put(text.substr(0, size - 1), out, size);
    }
    SharedFileChoice AskRemoveSharedFile(const char* message) override
    {
        questions.push_back(message);
        shownWhenAsked.push_back(shown.empty() ? std::make_pair(0u, std::string()) : shown.back());
        if (sharedAnswers.empty())
            return kChoiceNo;
        SharedFileChoice answer = sharedAnswers.front();
        sharedAnswers.pop_front();
        return answer;
    }
    ServerAnswer AskToStopDatabaseServer() override
    {
        ++serverQuestions;
        if (serverAnswers.empty())
            return kServerIgnore;
        ServerAnswer answer = serverAnswers.front();
        serverAnswers.pop_front();
        return answer;
    }
    // The items shown with one label.
    std::vector<std::string> Items(unsigned labelId) const
    {
        std::vector<std::string> items;
        for (const auto& entry : shown)
            if (entry.first == labelId)
                items.push_back(entry.second);
        return items;
    }
};

struct FakeHost {
    FakeFiles files;
    FakeRegistry registry;
    FakeActions actions;
    FakeUi ui;
    EngineHost host{files, registry, actions, ui};
};

}  // namespace engine_test
