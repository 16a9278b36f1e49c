#include "uninstaller/log/DirectoryIndex.h"

#include "uninstaller/log/NameCompare.h"

std::string DirectoryIndex::Key(const char* path) {
  std::string key;
  for (const char* p = path; *p; ++p) key += static_cast<char>(UpperCaseOf(*p));
  return key;
}

void DirectoryIndex::AddCreated(DirectoryRecord* record, unsigned index) {
  created_[Key(record->path)] = Entry{record, index};
}

void DirectoryIndex::AddFileTree(DirectoryRecord* record, unsigned index) {
  firstFileTree_.emplace(Key(record->path), Entry{record, index});
}

DirectoryRecord* DirectoryIndex::MergeCreatedFolder(const char* folder) {
  std::string key = Key(folder);
  // A record that leads the folder: its path stays as it is.
  for (std::size_t end = key.find('\\'); end != std::string::npos; end = key.find('\\', end + 1)) {
    auto found = created_.find(key.substr(0, end + 1));
    if (found != created_.end()) return found->second.record;
  }
  // Records the folder leads: the first of them is cut to the folder.
  auto first = created_.end();
  for (auto it = created_.lower_bound(key); it != created_.end() && it->first.compare(0, key.size(), key) == 0; ++it) {
    if (first == created_.end() || it->second.index < first->second.index) first = it;
  }
  if (first == created_.end()) return nullptr;
  Entry entry = first->second;
  created_.erase(first);
  entry.record->path[key.size()] = '\0';
  created_.emplace(key, entry);
  return entry.record;
}

DirectoryRecord* DirectoryIndex::TakeForFileTree(const char* folder) {
  std::string key = Key(folder);
  auto created = created_.find(key);
  auto fileTree = firstFileTree_.find(key);
  bool haveCreated = created != created_.end();
  if (fileTree != firstFileTree_.end() && (!haveCreated || fileTree->second.index < created->second.index))
    return fileTree->second.record;
  if (!haveCreated) return nullptr;
  Entry entry = created->second;
  created_.erase(created);
  // It comes before any file tree record of this path.
  firstFileTree_[key] = entry;
  return entry.record;
}
