// The repair's file step: every logged file is compared with what the installer recorded, and
// files that need repair are listed for the installation source of their section. Files with
// link info are shortcuts, which are simply made again.
#include <cstring>
#include <string>

#include "uninstaller/app/PathNames.h"
#include "uninstaller/app/RepairSteps.h"

namespace {

const unsigned kNewerFileText = 77;

enum FileVerdict { kFileIntact, kFileDamaged, kFileNewer };

FileVerdict Judge(RepairContext& run, const char* path, const LoggedFile& logged, FileFacts* facts)
{
    if (run.system.LookUpFile(path, facts) != kFileReadable)
        return kFileDamaged;
    int order = CompareDosStamps(facts->written, logged.written);
    if (order > 0)
        return kFileNewer;
    if (order < 0 || facts->size != logged.size)
        return kFileDamaged;
    std::uint32_t crc = 0;
    if (!run.system.FileCrc32(path, &crc) || crc != logged.crc)
        return kFileDamaged;
    return kFileIntact;
}

// format with each "%s" replaced by the next text ("%%" is a percent sign); nothing else in a
// language override is taken as a conversion.
void Substitute(const char* format, const char* const* texts, std::size_t count, char* out, std::size_t size)
{
    std::size_t length = 0, used = 0;
    auto append = [&](const char* text, std::size_t textLength) {
        if (textLength > size - 1 - length)
            textLength = size - 1 - length;
        std::memcpy(out + length, text, textLength);
        length += textLength;
    };
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            const char* text = used < count ? texts[used++] : "";
            append(text, std::strlen(text));
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            append("%", 1);
            ++p;
        } else {
            append(p, 1);
        }
    }
    out[length] = '\0';
}

bool ConfirmReplacingNewer(RepairContext& run, const char* path, const char* repairData, const FileFacts& facts)
{
    SharedAnswerMemory& answers = run.newerAnswers;
    if (run.options.silent || answers.noToAll)
        return false;
    if (answers.yesToAll)
        return true;
    char format[1024], logged[kRepairDataSize], own[64], message[2048];
    run.ui.LoadText(kNewerFileText, format, sizeof format);
    FormatLoggedStamp(repairData, logged, sizeof logged);
    FormatFileStamp(facts.written, own, sizeof own);
    const char* texts[] = {path, logged, own};
    Substitute(format, texts, 3, message, sizeof message);
    switch (run.ui.AskReplaceNewerFile(message)) {
    case kChoiceYesToAll:
        answers.yesToAll = true;
        return true;
    case kChoiceNoToAll:
        answers.noToAll = true;
        return false;
    case kChoiceYes:
        return true;
    default:
        return false;
    }
}

// The list of the section's source (one it shares with another section of the same source, or
// a new one); null when there is none and none could be made.
const char* ListOfSection(RepairContext& run, Section section)
{
    if (const char* list = run.lists.Find(section, run.store.sourceBySection, run.store.sourceSlots))
        return list;
    char created[kPathSize];
    if (!run.system.CreateListFile(created, sizeof created))
        return nullptr;
    if (!run.lists.Set(section, created)) {
        run.system.DeleteListFile(created);
        return nullptr;
    }
    return run.lists.Of(section);
}

void ListForRepair(RepairContext& run, const char* path, const LoggedFile& logged, Section section)
{
    // Without a source for its section nothing can bring the file back.
    const char* list = run.SourceOf(section) ? ListOfSection(run, section) : nullptr;
    char line[kPathSize + kRepairDataSize + 32];
    if (!list || !FormatListLine(path, logged, line, sizeof line) || !run.system.AppendToListFile(list, line)) {
        run.failed = true;
        return;
    }
    run.listWritten = true;
}

void CheckFile(RepairContext& run, const char* path, const char* repairData, Section section)
{
    LoggedFile logged;
    if (!ParseRepairData(repairData, &logged))
        return;
    FileFacts facts{};
    switch (Judge(run, path, logged, &facts)) {
    case kFileIntact:
        return;
    case kFileNewer:
        if (!ConfirmReplacingNewer(run, path, repairData, facts))
            return;
        break;
    case kFileDamaged:
        break;
    }
    ListForRepair(run, path, logged, section);
}

// A shell link file starts with its header size (0x4C) and the shell link class.
bool IsShortcutData(const std::string& start)
{
    static const unsigned char kHeader[20] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0,
                                              0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    return start.size() == sizeof kHeader && std::memcmp(start.data(), kHeader, sizeof kHeader) == 0;
}

// A shortcut is written only as a ".lnk" file where the installation's files may be, and only
// over nothing or over a shortcut.
KeepReason ShortcutRefusal(RepairContext& run, const char* path)
{
    std::string named;
    if (!run.files.PathFromAnsi(path, &named))
        return kKeptNoExactName;
    if (!HasExtension(named, ".LNK"))
        return kKeptNotShortcut;
    JudgedPath judged = run.guard.File(named, kFileShortcut);
    if (!judged.Allowed())
        return judged.refusal;
    std::string start;
    if (run.files.KindOf(judged.named.c_str()) != kEntryMissing &&
        (!run.files.ReadFileStart(judged.named.c_str(), 20, &start) || !IsShortcutData(start)))
        return kKeptNotShortcut;
    return kKeptNothing;
}

void RecreateShortcut(RepairContext& run, const char* path, const char* linkInfo)
{
    KeepReason refusal = ShortcutRefusal(run, path);
    ShortcutInfo link;
    if (refusal != kKeptNothing)
        run.Keep(path, refusal);
    else if (!ParseLinkInfo(linkInfo, &link) || !run.system.SaveShortcut(path, link))
        run.failed = true;
}

void RepairFile(RepairContext& run, const char* path, const char* repairData, const char* linkInfo, Section section)
{
    run.Advance();
    if (!path[0])
        return;
    run.ui.ShowChecking(path);
    if (linkInfo)
        RecreateShortcut(run, path, linkInfo);
    else
        CheckFile(run, path, repairData, section);
}

void CheckInstalledFiles(RepairContext& run, const RecordTable<FileRecord>& files)
{
    for (unsigned i = files.count; i-- > 0 && !run.Stopped();) {
        const FileRecord& file = *files[i];
        Section section = file.repairSection ? file.repairSection : file.lastCopySection;
        RepairFile(run, file.path, file.repairData, file.linkInfo, section);
    }
}

}  // namespace

void CheckLoggedFiles(RepairContext& run)
{
    CheckInstalledFiles(run, run.store.systemFiles);
    CheckInstalledFiles(run, run.store.privateFiles);
    const RecordTable<RestoreOnlyFile>& restoreOnly = run.store.restoreOnlyFiles;
    for (unsigned i = restoreOnly.count; i-- > 0 && !run.Stopped();) {
        const RestoreOnlyFile& file = *restoreOnly[i];
        RepairFile(run, file.path, file.repairData, file.linkInfo, file.section);
    }
}
