#include "uninstaller/log/tests/StoreDump.h"

#include <cstdio>
#include <string>

#include "uninstaller/log/ItemStore.h"

namespace {

std::string Number(unsigned value) { return std::to_string(value); }

// "a|b" for a list of strings closed by an empty string.
std::string List(const char* strings) {
  std::string text;
  for (const char* s = strings; *s; s += std::string(s).size() + 1) {
    if (!text.empty()) text += "|";
    text += s;
  }
  return "[" + text + "]";
}

std::string FileLine(char kind, const FileRecord& f) {
  std::string line = std::string(1, kind) + " " + f.path;
  if (f.backupPath[0]) line += std::string(" backup=") + f.backupPath;
  line += " copy=" + Number(f.lastCopySection) + " bsec=" + Number(f.backupSection);
  if (f.lastCountedCopySection || f.countedCopies)
    line += " counted=" + Number(f.lastCountedCopySection) + "x" + Number(f.countedCopies);
  if (f.createdByInstallation) line += " created";
  if (f.selected) line += " selected";
  if (f.repairSection) line += " repair=" + Number(f.repairSection);
  if (f.selfRegisterSection) line += " selfreg=" + Number(f.selfRegisterSection);
  if (f.addDeviceSection) line += " device=" + Number(f.addDeviceSection);
  if (f.repairData[0]) line += std::string(" data=\"") + f.repairData + "\"";
  if (f.linkInfo) line += std::string(" link=\"") + f.linkInfo + "\"";
  return line;
}

}  // namespace

std::vector<std::string> DumpStore() {
  const ItemStore& s = g_itemStore;
  std::vector<std::string> lines;
  for (unsigned i = 0; i < s.privateFiles.count; ++i) lines.push_back(FileLine('P', *s.privateFiles[i]));
  for (unsigned i = 0; i < s.systemFiles.count; ++i) lines.push_back(FileLine('S', *s.systemFiles[i]));
  for (unsigned i = 0; i < s.restoreOnlyFiles.count; ++i) {
    const RestoreOnlyFile& f = *s.restoreOnlyFiles[i];
    std::string line = std::string("R ") + f.path + " sec=" + Number(f.section);
    if (f.repairData[0]) line += std::string(" data=\"") + f.repairData + "\"";
    if (f.linkInfo) line += std::string(" link=\"") + f.linkInfo + "\"";
    lines.push_back(line);
  }
  for (unsigned i = 0; i < s.fileEdits.count; ++i) {
    const FileChangeRecord& f = *s.fileEdits[i];
    lines.push_back(std::string("EDIT ") + f.path + " backup=" + f.backupPath + " sec=" + Number(f.section));
  }
  for (unsigned i = 0; i < s.fileDeletes.count; ++i) {
    const FileChangeRecord& f = *s.fileDeletes[i];
    lines.push_back(std::string("DELETE ") + f.path + " backup=" + f.backupPath + " sec=" + Number(f.section));
  }
  for (unsigned i = 0; i < s.directories.count; ++i) {
    const DirectoryRecord& d = *s.directories[i];
    std::string line = std::string("DIR ") + d.path + " named=" + Number(d.namedSection);
    if (d.fileTreeSection) line += " tree=" + Number(d.fileTreeSection);
    lines.push_back(line);
  }
  for (unsigned i = 0; i < s.iniFiles.count; ++i)
    lines.push_back(std::string("INIFILE ") + s.iniFiles[i]->path + " sec=" + Number(s.iniFiles[i]->section));
  for (unsigned i = 0; i < s.iniItems.count; ++i) {
    const IniItemRecord& item = *s.iniItems[i];
    lines.push_back(std::string("INI ") + item.file + " [" + item.sectionName + "] " + item.itemName + " first=\"" +
                    item.firstOldValue + "\" latest=\"" + item.latestOldValue + "\" sec=" + Number(item.section));
  }
  for (unsigned i = 0; i < s.registryKeys.count; ++i) {
    const RegistryKeyRecord& k = *s.registryKeys[i];
    lines.push_back(std::string("KEY ") + k.rootText + ":" + k.keyPath + " name=" + k.valueName +
                    " sec=" + Number(k.section));
  }
  for (unsigned i = 0; i < s.registryEdits.count; ++i) {
    const RegistryEditRecord& e = *s.registryEdits[i];
    lines.push_back(std::string("EDIT-KEY ") + e.rootText + ":" + e.keyPath + " name=" + e.valueName +
                    " type=" + Number(e.type) + " old=" + List(e.oldValues) + " rollback=" + List(e.rollbackOldValue) +
                    " sec=" + Number(e.section));
  }
  for (unsigned i = 0; i < s.repairValues.count; ++i) {
    const RepairValueRecord& v = *s.repairValues[i];
    std::string line = std::string("VALUE \"") + v.newValue + "\" type=" + Number(v.type) + " -> ";
    if (v.changed) {
      line += std::string("EDIT-KEY ") + v.edit->rootText + ":" + v.edit->keyPath;
    } else {
      line += std::string("KEY ") + v.key->rootText + ":" + v.key->keyPath;
    }
    lines.push_back(line);
  }
  for (unsigned i = 0; i < s.registryTrees.count; ++i) {
    const RegistryTreeRecord& t = *s.registryTrees[i];
    lines.push_back("TREE " + Number(t.root) + ":" + t.keyPath + " sec=" + Number(t.section));
  }
  for (unsigned i = 0; i < s.icons.count; ++i) {
    const IconRecord& icon = *s.icons[i];
    lines.push_back(std::string("ICON ") + icon.group + "/" + icon.name + " cmd=" + icon.command +
                    " sec=" + Number(icon.section));
  }
  for (unsigned i = 0; i < s.externalPrograms.count; ++i) {
    const ExternalProgramRecord& p = *s.externalPrograms[i];
    std::string line = std::string("EXEC ") + p.commandLine;
    if (p.displayName[0]) line += std::string(" name=") + p.displayName;
    lines.push_back(line + " sec=" + Number(p.section));
  }
  for (unsigned i = 0; i < s.services.count; ++i)
    lines.push_back(std::string("SERVICE ") + s.services[i]->name + " sec=" + Number(s.services[i]->section));
  for (unsigned i = 0; i < s.sourceSlots; ++i) {
    if (s.sourceBySection[i]) lines.push_back("SOURCE " + Number(i) + " " + s.sourceBySection[i]);
  }
  return lines;
}
