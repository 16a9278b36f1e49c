#pragma once
// Short (8.3) and long forms of paths on this system (see PathComponents.h for the walk).

#include <cstddef>

// Return 0, or 1 when the result does not fit (out then holds path unchanged, or nothing when
// that does not fit either).
int ToShortPath(const char* path, char* out, size_t size);
// Only paths that contain "~" are converted; others are copied as they are.
int ToLongPath(const char* path, char* out, size_t size);
