#pragma once
// Whose a registry key is, by its name alone, whatever a log says of it.
//
// The system's own keys are never deleted and their values never changed: the roots and their
// shared top keys, the class registrations' lists ("CLSID", "Interface", the common file types
// and their verbs), the "CurrentVersion" keys of Windows with their lists ("Run", "Uninstall",
// "App Paths", "Winlogon", ...), "SYSTEM\CurrentControlSet" with everything in it,
// "Software\Classes", "Software\Policies", the user's settings outside "Software".
//
// The items of those lists ("CLSID\{GUID}", a file type, a ProgID, a service, an uninstall entry,
// "App Paths\app.exe", a print monitor, anything below "Software\Microsoft") belong to whoever
// they name: an installation's when their contents name its program or folders (RegistryGuard.h
// judges that). A product's own key ("Software\Vendor\Product", its sounds under "AppEvents") is
// the installation's by its name.

#include <cstddef>

enum RegistryArea {
    kAreaSystem,   // the system's own
    kAreaItem,     // an item of a system list: its owner is the one it names
    kAreaFree      // a product's own key
};

// The area of a key (roots numbered as in the log, EngineHost.h). For kAreaItem, itemKey (when
// given, of itemSize bytes) receives the item's own key: the key whose contents tell whose the
// item is ("CLSID\{GUID}" of "CLSID\{GUID}\InprocServer32").
RegistryArea AreaOfRegistryKey(int root, const char* key, char* itemKey = nullptr, std::size_t itemSize = 0);

enum RegistryValueKind {
    kValueOrdinary,
    kValueSystem,   // a value the system reads for itself (Winlogon, the system's environment)
    kValueLaunch    // starts a program: a "Run" entry, a service's "ImagePath"
};

RegistryValueKind KindOfRegistryValue(int root, const char* key, const char* valueName);

// The length of the product's own key that key (normalised) lies in: "Software\Vendor\Product"
// of "Software\Vendor\Product\Settings" (with "Software\Wow6432Node" alike). 0 when key is not
// in one; the vendor's key above it is shared by the vendor's products.
std::size_t ProductKeyLength(int root, const char* key);

// The key as "A\B\C": no leading, trailing or doubled "\". False when it does not fit.
bool NormaliseRegistryKey(const char* key, char* out, std::size_t size);
