// INSTALL.LOG: preparation, the header, and the body's line dispatch. The handlers of the
// larger blocks are in FileLines.cpp, RegistryLines.cpp, IniLines.cpp and DirectoryLines.cpp.
#include "uninstaller/log/InstallLog.h"

#include <cstring>

#include "uninstaller/log/LogReader.h"
#include "uninstaller/log/NameCompare.h"
#include "uninstaller/log/RecordTables.h"

namespace {

const Section kMaxSection = 0xFFFF;

// "*** " starts a section; its fifth character is a space in an ANSI log.
bool IsAnsiMark(const char* line) { return std::strlen(line) >= 5 && line[4] == ' '; }

bool EndsWithNoCase(const char* text, std::size_t length, const char* suffix) {
  std::size_t suffixLength = std::strlen(suffix);
  return length >= suffixLength && CompareNoCaseN(text + length - suffixLength, suffix, suffixLength) == 0;
}

// The product title of a "Title:" line: the text from its eighth character on, less a trailing
// " INSTALLATION" and then a trailing " INSTALL".
void SetProductTitle(const char* line) {
  const char* title = std::strlen(line) > 7 ? line + 7 : "";
  std::size_t length = std::strlen(title);
  if (EndsWithNoCase(title, length, " INSTALLATION")) length -= 13;
  if (EndsWithNoCase(title, length, " INSTALL")) length -= 8;
  if (length >= sizeof g_itemStore.productTitle) length = sizeof g_itemStore.productTitle - 1;
  std::memcpy(g_itemStore.productTitle, title, length);
  g_itemStore.productTitle[length] = '\0';
}

void Prepare(LogReader& r, const char* logPath) {
  LogSystem& system = r.system;
  unsigned char upperCase[256];
  system.UpperCaseTable(upperCase);
  SetUpperCaseTable(upperCase);
  r.isNt = system.IsNtFamily();
  r.hasShell = system.HasShell();

  // The top created directory starts as the log's folder.
  char shortPath[kPathSize];
  if (system.ShortPathOf(logPath, shortPath, sizeof shortPath)) {
    char* lastSlash = std::strrchr(shortPath, '\\');
    if (lastSlash) {
      lastSlash[1] = '\0';
      std::strcpy(g_itemStore.topDirectory, shortPath);
    }
  }

  r.removableA = system.IsRemovableDrive('A');
  r.removableB = system.IsRemovableDrive('B');

  ItemStore& store = g_itemStore;
  if (!system.WindowsDirectory(store.windowsDirectory, sizeof store.windowsDirectory)) store.windowsDirectory[0] = '\0';
  if (system.SystemDirectory(store.systemDirectory, sizeof store.systemDirectory)) {
    if (std::strlen(store.systemDirectory) + 7 < kPathSize) {
      std::strcpy(store.win32sDirectory, store.systemDirectory);
      std::strcat(store.win32sDirectory, "\\WIN32S");
    }
    if (r.isNt) std::strcpy(store.ntSystemDirectory, store.systemDirectory);
  } else {
    store.systemDirectory[0] = '\0';
  }
  AddLogFolderDirectory(r, logPath);
}

bool ReadHeader(LogReader& r) {
  if (!NextLine(r)) return Fail(r, kMsgInvalidLog, kCaptionUninstallTitle);
  r.ansi = IsAnsiMark(r.line);
  g_itemStore.ansi = r.ansi;
  r.section = 1;
  g_itemStore.lastSection = 1;
  g_itemStore.truncationOffset = r.lineStart;
  if (std::strncmp(r.line, "*** ", 4) != 0) return Fail(r, kMsgInvalidLog, kCaptionUninstallTitle);
  do {
    if (!NextLine(r)) return Fail(r, kMsgInvalidLog, kCaptionUninstallTitle);
  } while (std::strncmp(r.line, "Title:", 6) != 0);
  SetProductTitle(r.line);
  r.ui.SetProductTitle(g_itemStore.productTitle);
  return true;
}

void HandleSectionStart(LogReader& r, const char*) {
  // Sections are 16-bit numbers in every record: a log with more runs cannot be told apart.
  if (r.section == kMaxSection) {
    Fail(r, kMsgInvalidLog, kCaptionUninstallTitle);
    return;
  }
  ++r.section;
  g_itemStore.lastSection = r.section;
  g_itemStore.truncationOffset = r.lineStart;
  r.ansi = IsAnsiMark(r.line);
  g_itemStore.ansi = r.ansi;
}

LookupKey ServiceKey(const void* record) { return LookupKey{static_cast<const ServiceRecord*>(record)->name, nullptr, nullptr}; }

LookupKey ProgramKey(const void* record) {
  return LookupKey{static_cast<const ExternalProgramRecord*>(record)->commandLine, nullptr, nullptr};
}

LookupKey IconKey(const void* record) {
  const IconRecord* icon = static_cast<const IconRecord*>(record);
  return LookupKey{icon->name, icon->group, nullptr};
}

void HandleCreateService(LogReader& r, const char* value) {
  char name[kPathSize];
  if (!CopyValue(name, sizeof name, value, r.lineCut)) return;
  ServiceRecord* record = FindRecord<ServiceRecord>(g_itemStore.serviceIndex, LookupKey{name, nullptr, nullptr}, ServiceKey);
  if (!record) {
    record = AppendRecord(g_itemStore.services);
    if (!record) {
      FailOutOfMemory(r);
      return;
    }
    std::strcpy(record->name, name);
    if (IndexInsert(&g_itemStore.serviceIndex, record, ServiceKey) != 0) {
      FailOutOfMemory(r);
      return;
    }
  }
  record->section = r.section;
}

void HandleExecute(LogReader& r, const char* value) {
  char commandLine[kPathSize];
  char displayName[kNameSize] = "";
  bool wellFormed = CopyValue(commandLine, sizeof commandLine, value, r.lineCut);
  if (const char* name = AcceptNext(r, "Execute Name: ")) CopyText(displayName, sizeof displayName, name);
  if (!wellFormed) return;

  ExternalProgramRecord* record =
      FindRecord<ExternalProgramRecord>(g_itemStore.programIndex, LookupKey{commandLine, nullptr, nullptr}, ProgramKey);
  if (record) {
    record->section = r.section;
    return;
  }
  if (!(record = AppendRecord(g_itemStore.externalPrograms))) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(record->commandLine, commandLine);
  std::strcpy(record->displayName, displayName);
  record->section = r.section;
  if (IndexInsert(&g_itemStore.programIndex, record, ProgramKey) != 0) FailOutOfMemory(r);
}

void HandleIconGroup(LogReader& r, const char* value) {
  char group[kNameSize];
  char name[kNameSize];
  char command[kNameSize];
  bool wellFormed = CopyValue(group, sizeof group, value, r.lineCut);
  const char* text = AcceptNext(r, "Icon Name: ");
  if (!text) return;
  wellFormed = CopyValue(name, sizeof name, text, r.lineCut) && wellFormed;
  if (!(text = AcceptNext(r, "Icon Cmd: "))) return;
  wellFormed = CopyValue(command, sizeof command, text, r.lineCut) && wellFormed;
  if (!wellFormed) return;

  IconRecord* record = FindRecord<IconRecord>(g_itemStore.iconIndex, LookupKey{name, group, nullptr}, IconKey);
  if (record) {
    std::strcpy(record->command, command);
    return;
  }
  if (!(record = AppendRecord(g_itemStore.icons))) {
    FailOutOfMemory(r);
    return;
  }
  std::strcpy(record->group, group);
  std::strcpy(record->name, name);
  std::strcpy(record->command, command);
  record->section = r.section;
  if (IndexInsert(&g_itemStore.iconIndex, record, IconKey) != 0) FailOutOfMemory(r);
}

void HandleSubSystem(LogReader& r, const char*) {
  char* name = ArenaCopy(r.line + std::strlen("SubSystem: "));
  if (!name) {
    FailOutOfMemory(r);
    return;
  }
  g_itemStore.subSystemName = name;
  g_itemStore.subSystemSelected = 0;
}

void HandleSource(LogReader& r, const char* value) {
  if (r.lineCut) return;
  ItemStore& store = g_itemStore;
  if (r.section >= store.sourceSlots) {
    // One slot per section up to the current one.
    unsigned slots = store.sourceSlots ? store.sourceSlots : 16;
    while (slots <= r.section) slots *= 2;
    char** table = static_cast<char**>(ArenaAllocate(slots * sizeof(char*)));
    if (!table) {
      FailOutOfMemory(r);
      return;
    }
    std::memset(table, 0, slots * sizeof(char*));
    if (store.sourceSlots) std::memcpy(table, store.sourceBySection, store.sourceSlots * sizeof(char*));
    store.sourceBySection = table;
    store.sourceSlots = slots;
  }
  char* source = ArenaCopy(value);
  if (!source) {
    FailOutOfMemory(r);
    return;
  }
  store.sourceBySection[r.section] = source;
  if (std::strchr(r.line, '|')) store.repairPossible = 1;
}

// The MIF file name is a file to create: dropped rather than cut when too long.
void HandleMifFile(LogReader& r, const char* value) {
  CopyValue(g_itemStore.mifFile, sizeof g_itemStore.mifFile, value, r.lineCut);
}
void HandleManufacturer(LogReader&, const char* value) {
  CopyText(g_itemStore.manufacturer, sizeof g_itemStore.manufacturer, value);
}
void HandleProduct(LogReader&, const char* value) { CopyText(g_itemStore.product, sizeof g_itemStore.product, value); }
void HandleVersionNumber(LogReader&, const char* value) {
  CopyText(g_itemStore.versionNumber, sizeof g_itemStore.versionNumber, value);
}
void HandleSerialNumber(LogReader&, const char* value) {
  CopyText(g_itemStore.serialNumber, sizeof g_itemStore.serialNumber, value);
}

void HandleAdminRights(LogReader& r, const char*) {
  if (!r.isNt || r.adminChecked) return;
  r.adminChecked = true;
  if (!r.system.CanManageServices()) Fail(r, kMsgNeedsAdmin, kCaptionUninstall);
}

// "C:\Documents and Settings\joe\Start Menu" -> "C:\Documents and Settings\" (levels = 2),
// "C:\Documents and Settings\All Users\Start Menu" -> "C:\Documents and Settings\All Users\" (1).
void CutAfterBackslash(char* path, int levelsFromEnd) {
  for (char* p = path + std::strlen(path); p != path;) {
    if (*--p == '\\' && --levelsFromEnd == 0) {
      p[1] = '\0';
      return;
    }
  }
  path[0] = '\0';
}

void HandlePerUserId(LogReader& r, const char* value) {
  if (!CopyValue(g_itemStore.perUserId, sizeof g_itemStore.perUserId, value, r.lineCut)) return;
  if (!r.hasShell) return;
  if (r.system.StartMenuFolder(false, r.profileRoot, sizeof r.profileRoot)) {
    CutAfterBackslash(r.profileRoot, 2);
  } else {
    r.profileRoot[0] = '\0';
  }
  if (r.isNt && r.system.StartMenuFolder(true, r.commonFolder, sizeof r.commonFolder)) {
    CutAfterBackslash(r.commonFolder, 1);
  } else {
    r.commonFolder[0] = '\0';
  }
}

void HandleDeleteInUse(LogReader&, const char* value) {
  g_itemStore.deleteInUseFiles = CompareNoCaseN(value, "On", 2) == 0;
}

void HandleSystemRestore(LogReader&, const char*) { g_itemStore.systemRestore = 1; }

void HandleTitle(LogReader& r, const char*) { SetProductTitle(r.line); }

void HandleFileCopy(LogReader& r, const char* value) { HandleFileLine(r, value, false, false); }
void HandleShellLink(LogReader& r, const char* value) { HandleFileLine(r, value, true, false); }
void HandleFileOverwrite(LogReader& r, const char* value) { HandleFileLine(r, value, false, true); }

struct TagHandler {
  const char* tag;
  bool wholeLine;
  void (*handle)(LogReader& r, const char* value);
};

const TagHandler kTagHandlers[] = {
    {"File Copy: ", false, HandleFileCopy},
    {"Shell Link: ", false, HandleShellLink},
    {"File Overwrite: ", false, HandleFileOverwrite},
    {"RegDB Key: ", false, HandleRegistryKey},
    {"File Edit: ", false, HandleFileEdit},
    {"Create Service: ", false, HandleCreateService},
    {"Add Device: ", false, HandleAddDevice},
    {"Self-Register: ", false, HandleSelfRegister},
    {"INI New: ", false, HandleIniNew},
    {"INI File: ", false, HandleIniFile},
    {"Execute Path: ", false, HandleExecute},
    {"Execute Program: ", false, HandleExecute},
    {"Icon Group: ", false, HandleIconGroup},
    {"SubSystem: B", false, HandleSubSystem},
    {"Made Dir: ", false, HandleMadeDir},
    {"File Delete: ", false, HandleFileDelete},
    {"File Tree: ", false, HandleFileTree},
    {"RegDB Tree: ", false, HandleRegistryTree},
    {"*** ", false, HandleSectionStart},
    {"Source: ", false, HandleSource},
    {"Uninstall MIF: ", false, HandleMifFile},
    {"Manufacturer: ", false, HandleManufacturer},
    {"Product: ", false, HandleProduct},
    {"Version Number: ", false, HandleVersionNumber},
    {"Serial Number: ", false, HandleSerialNumber},
    {"User Rights: Admin", true, HandleAdminRights},
    {"Per-User ID: ", false, HandlePerUserId},
    {"Delete in-use files: ", false, HandleDeleteInUse},
    {"System Restore: Enabled", false, HandleSystemRestore},
    {"Title: ", false, HandleTitle},
};

void ProcessLine(LogReader& r) {
  // These two marks apply to the line that follows them.
  if (EqualNoCase(r.line, "Non-System File:")) {
    r.nonSystemMark = true;
    return;
  }
  if (EqualNoCase(r.line, "Shared DLL counter ignored:")) {
    r.notCountedMark = true;
    return;
  }
  for (const TagHandler& handler : kTagHandlers) {
    const char* value = ValueAfter(r, handler.tag);
    if (!value || (handler.wholeLine && *value != '\0')) continue;
    handler.handle(r, value);
    break;
  }
  r.nonSystemMark = false;
  r.notCountedMark = false;
}

}  // namespace

int ReadInstallLogFrom(LogInput& input, const char* logPath, LogSystem& system, LogUi& ui) {
  LineReader lines(input);
  LogReader r(lines, system, ui, input.Size());
  Prepare(r, logPath);
  if (!ReadHeader(r)) return 1;
  while (!r.failed) {
    if (!r.pending && !NextLine(r)) break;
    r.pending = false;
    ProcessLine(r);
  }
  return r.failed ? 1 : 0;
}

int ReadInstallLog(const char* logPath, char* topDirectory, std::size_t topDirectorySize, LogSystem& system,
                   LogUi& ui) {
  if (topDirectorySize) topDirectory[0] = '\0';
  FileLogInput input;
  if (!input.Open(logPath)) {
    ui.ShowMessage(kMsgCannotOpenLog, kCaptionUninstallTitle);
    return 1;
  }
  if (ReadInstallLogFrom(input, logPath, system, ui) != 0) return 1;
  // A path cut to fit would name another folder: leave it empty instead.
  if (std::strlen(g_itemStore.topDirectory) < topDirectorySize) std::strcpy(topDirectory, g_itemStore.topDirectory);
  return 0;
}
