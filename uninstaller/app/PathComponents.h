#pragma once
// Converting a path component by component to its short (8.3) or long form. The file system
// is asked through a lookup so that the walk itself is platform-free.

#include <cstddef>

// Looks up the existing entry named by path (the converted path so far plus one component)
// and writes the name to use for it. Returns false when there is no such entry.
typedef bool (*PathComponentLookup)(void* context, const char* path, char* name, size_t size);

// A relative path is first put after currentDirectory ("\name" after its drive); the drive
// letter is upper-cased; the "X:\" or "\\server\share\" prefix is kept; every further
// component is replaced by the lookup's name, except components that are empty, "." or "..",
// hold wildcards, or cannot be found. Returns 0, or 1 when the result does not fit (out is
// then empty).
int ConvertPathForm(const char* path, const char* currentDirectory, PathComponentLookup lookup,
                    void* context, char* out, size_t size);
