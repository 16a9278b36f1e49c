#pragma once
// Where a path really leads on this system: every junction and symbolic link on the way
// followed.

#include <cstddef>

// The full path with its links followed, without a trailing "\". For a path that does not
// exist, its deepest existing folder is resolved and the rest appended. False when nothing of
// it could be resolved or the result does not fit.
bool ResolveLinks(const char* path, char* out, std::size_t size);
