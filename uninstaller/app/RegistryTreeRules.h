#pragma once
// Which registry trees an uninstall may delete whatever its log says. The roots, their
// shared top keys and the system's shared trees are refused: the class registrations
// ("CLSID", "Interface", "TypeLib", "AppID", the common file types and their verbs), the
// "CurrentVersion" keys of Windows with their branches ("Run", "Uninstall", "App Paths", ...),
// "SYSTEM\CurrentControlSet" and its branches, "Software\Classes", "Software\Policies" and
// "Software\Wow6432Node". A product's own key inside them ("CLSID\{its GUID}",
// "Software\Vendor\Product", "...\Uninstall\Product") stays removable.

#include <cstddef>

// Roots as the log numbers them (EngineHost.h).
bool IsRemovableRegistryTree(int root, const char* key);

// The key as "A\B\C": no leading, trailing or doubled "\". False when it does not fit.
bool NormaliseRegistryKey(const char* key, char* out, std::size_t size);
