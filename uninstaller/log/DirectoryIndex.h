// The directory records of the log being read, indexed for the two lookups of "Made Dir: " and
// "File Tree: " lines (reader-internal). Both stay logarithmic in the number of records.
//
// Records that are no file tree ("created" records) all end with "\", and of two such records
// one never leads the other unless it came first in the log: a folder that would lead a record
// merges with it instead of being added. So the first created record that agrees with a folder
// over the shorter length is the shortest one that leads the folder, or, when there is none, the
// first of those the folder leads.
#pragma once

#include <map>
#include <string>
#include <unordered_map>

#include "uninstaller/log/ItemStore.h"

class DirectoryIndex {
 public:
  // A record just added to the table at position index.
  void AddCreated(DirectoryRecord* record, unsigned index);
  void AddFileTree(DirectoryRecord* record, unsigned index);

  // The first created record that agrees with folder (ending with "\") over the shorter of
  // their lengths, cut to that length; nullptr when there is none.
  DirectoryRecord* MergeCreatedFolder(const char* folder);

  // The first record whose path equals folder; a created one becomes a file tree record.
  // nullptr when there is none.
  DirectoryRecord* TakeForFileTree(const char* folder);

 private:
  struct Entry {
    DirectoryRecord* record;
    unsigned index;
  };
  static std::string Key(const char* path);

  std::map<std::string, Entry> created_;                  // upper-cased path -> the created record
  std::unordered_map<std::string, Entry> firstFileTree_;  // upper-cased path -> its first file tree record
};
