#pragma once
// Paths as the file system names them, carried as UTF-8 (EngineHost.h). Names compare as the
// file system compares ASCII letters: without regard to case; every other character, and so
// every byte of a multi-byte character, compares exactly.

#include <string>

bool SameName(const std::string& a, const std::string& b);
// Equal for SameName: the key of a set of names.
std::string NameKey(const std::string& name);
// path is folder or lies inside it.
bool IsSameOrInside(const std::string& path, const std::string& folder);
// path lies inside folder, at any depth.
bool IsInside(const std::string& path, const std::string& folder);

// The folder part of path (before its last "\"); "" when it has none.
std::string ParentPath(const std::string& path);
// The name after the last "\".
std::string LastName(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);
std::string WithoutTrailingBackslashes(std::string path);
// The name ends in extension (".INI"), without regard to case.
bool HasExtension(const std::string& path, const char* extension);
