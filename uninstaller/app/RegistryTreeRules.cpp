#include "uninstaller/app/RegistryTreeRules.h"

#include <cstring>
#include <string>
#include <vector>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/log/NameCompare.h"

namespace {

typedef std::vector<std::string> Components;

Components Split(const char* key)
{
    Components parts;
    std::string part;
    for (const char* p = key;; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
            if (*p == '\0')
                break;
        } else {
            part += *p;
        }
    }
    return parts;
}

bool Is(const std::string& part, const char* name)
{
    return EqualNoCase(part.c_str(), name);
}

bool IsOneOf(const std::string& part, const char* const* names)
{
    for (; *names; ++names)
        if (Is(part, *names))
            return true;
    return false;
}

// Class keys every program shares: each is refused with its direct branches.
const char* const kSharedClassKeys[] = {
    "*", "AllFilesystemObjects", "AppID", "Applications", "CLSID", "Component Categories", "Directory",
    "Drive", "Folder", "Installer", "Interface", "Local Settings", "MIME", "Network", "PackagedCom",
    "Protocols", "SystemFileAssociations", "TypeLib", "Unknown", "Wow6432Node",
    // File types of the system.
    "batfile", "cmdfile", "comfile", "CompressedFolder", "dllfile", "exefile", "file", "ftp", "htmlfile", "http",
    "https", "inffile", "inifile", "InternetShortcut", "JSFile", "lnkfile", "mailto", "Msi.Package", "piffile",
    "regfile", "scrfile", "txtfile", "VBSFile", "WSHFile", "xmlfile",
    nullptr};

// Extensions of the system's and other programs' common file types.
const char* const kSharedExtensions[] = {
    ".avi", ".bat", ".bmp", ".cmd", ".com", ".cpl", ".dll", ".doc", ".drv", ".exe", ".gif", ".hlp", ".htm",
    ".html", ".ico", ".inf", ".ini", ".jpeg", ".jpg", ".js", ".lnk", ".mid", ".mp3", ".msi", ".ocx", ".pdf",
    ".pif", ".png", ".reg", ".rtf", ".scr", ".sys", ".txt", ".url", ".vbs", ".wav", ".xml", ".zip",
    nullptr};

// Class keys whose direct branches are shared too.
const char* const kClassesWithSharedBranches[] = {"Installer", "MIME", "Protocols", "SystemFileAssociations",
                                                  nullptr};

// Branches of a class key that belong to its own verbs and handlers.
const char* const kSharedClassVerbs[] = {"shell", "shellex", nullptr};
const char* const kStandardVerbs[] = {"open", "edit", "print", "printto", "explore", "find", "runas",
                                      "opennew", "play", "ContextMenuHandlers", "PropertySheetHandlers",
                                      "DragDropHandlers", "CopyHookHandlers", "IconHandler", nullptr};

// "Software\Microsoft" branches that many programs share.
const char* const kSharedMicrosoftKeys[] = {
    ".NETFramework", "Active Setup", "COM3", "Command Processor", "Cryptography", "DirectX", "Fusion",
    "Internet Explorer", "NET Framework Setup", "Office", "Ole", "Rpc", "Shared Tools", "SystemCertificates",
    "WBEM", "Windows", "Windows NT", "Windows Script Host", "Wow64", nullptr};

const char* const kCurrentVersionKeys[] = {"Windows", "Windows NT", nullptr};

// A key below HKEY_CLASSES_ROOT (or a "Software\Classes" key).
bool IsRemovableClassKey(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth == 0)
        return false;
    const std::string& top = parts[from];
    if (Is(top, "Wow6432Node"))
        return depth > 1 && !Is(parts[from + 1], "Wow6432Node") && IsRemovableClassKey(parts, from + 1);
    bool extension = IsOneOf(top, kSharedExtensions);
    if (!extension && !IsOneOf(top, kSharedClassKeys))
        return true;
    if (depth == 1)
        return false;
    // ".txt\OpenWithProgids", "txtfile\shell", "*\shellex", "MIME\Database", "Installer\Products".
    const std::string& branch = parts[from + 1];
    if (depth == 2 && (extension || IsOneOf(branch, kSharedClassVerbs) || IsOneOf(top, kClassesWithSharedBranches)))
        return false;
    // "txtfile\shell\open", "*\shellex\ContextMenuHandlers": the system's own verbs and handler lists.
    if (depth == 3 && IsOneOf(branch, kSharedClassVerbs) && IsOneOf(parts[from + 2], kStandardVerbs))
        return false;
    // "MIME\Database\Content Type".
    if (depth == 3 && Is(top, "MIME"))
        return false;
    return true;
}

// A key below "Software" (from points at the component after it).
bool IsRemovableSoftwareKey(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth == 0)
        return false;
    const std::string& vendor = parts[from];
    if (Is(vendor, "Classes"))
        return IsRemovableClassKey(parts, from + 1);
    if (Is(vendor, "Wow6432Node"))
        return depth > 1 && !Is(parts[from + 1], "Wow6432Node") && IsRemovableSoftwareKey(parts, from + 1);
    if (Is(vendor, "Policies"))
        return false;
    if (!Is(vendor, "Microsoft"))
        return true;
    if (depth == 1)
        return false;
    const std::string& branch = parts[from + 1];
    if (!IsOneOf(branch, kSharedMicrosoftKeys))
        return true;
    if (depth == 2)
        return false;
    // "Windows\CurrentVersion" and "Windows NT\CurrentVersion", with their direct branches
    // ("Run", "Uninstall", "App Paths", "Fonts", ...) and the shell's handler lists.
    if (IsOneOf(branch, kCurrentVersionKeys)) {
        if (!Is(parts[from + 2], "CurrentVersion"))
            return depth > 3;
        if (depth <= 4)
            return false;
        if (Is(parts[from + 3], "Explorer") || Is(parts[from + 3], "Policies") ||
            Is(parts[from + 3], "Shell Extensions"))
            return depth > 5;
        return true;
    }
    return depth > 3;
}

// A key below "SYSTEM": only a service's own key is the installation's.
bool IsRemovableSystemKey(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth < 3)
        return false;
    const std::string& controlSet = parts[from];
    if (!Is(controlSet, "CurrentControlSet") && !StartsWithNoCase(controlSet.c_str(), "ControlSet"))
        return false;
    if (!Is(parts[from + 1], "Services"))
        return false;
    // "Services\EventLog\Application" holds every program's event source.
    if (Is(parts[from + 2], "EventLog"))
        return depth > 4;
    return true;
}

// A key of a user's own hive (HKEY_CURRENT_USER, or below a user's key of HKEY_USERS).
bool IsRemovableUserKey(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth < 2)
        return false;
    if (Is(parts[from], "Software"))
        return IsRemovableSoftwareKey(parts, from + 1);
    return false;
}

bool IsRemovableMachineKey(const Components& parts)
{
    if (parts.size() < 2)
        return false;
    if (Is(parts[0], "Software"))
        return IsRemovableSoftwareKey(parts, 1);
    if (Is(parts[0], "SYSTEM"))
        return IsRemovableSystemKey(parts, 1);
    return false;
}

}  // namespace

bool NormaliseRegistryKey(const char* key, char* out, std::size_t size)
{
    std::size_t used = 0;
    for (const char* p = key; *p; ++p) {
        if (*p == '\\' && (used == 0 || out[used - 1] == '\\'))
            continue;
        if (used + 1 >= size)
            return false;
        out[used++] = *p;
    }
    if (used && out[used - 1] == '\\')
        --used;
    out[used] = '\0';
    return true;
}

bool IsRemovableRegistryTree(int root, const char* key)
{
    Components parts = Split(key);
    for (const std::string& part : parts)
        if (part == "." || part == "..")
            return false;
    switch (root) {
    case kRootClassesRoot:
        return IsRemovableClassKey(parts, 0);
    case kRootCurrentUser:
        return IsRemovableUserKey(parts, 0);
    case kRootLocalMachine:
        return IsRemovableMachineKey(parts);
    case kRootUsers: {
        if (parts.size() < 2)
            return false;
        // "S-1-5-21-..._Classes" is the user's class registrations.
        const std::string& user = parts[0];
        std::size_t length = user.size();
        if (length > 8 && EqualNoCase(user.c_str() + length - 8, "_Classes"))
            return IsRemovableClassKey(parts, 1);
        return IsRemovableUserKey(parts, 1);
    }
    case kRootCurrentConfig:
        return parts.size() >= 2 && Is(parts[0], "Software") && IsRemovableSoftwareKey(parts, 1);
    default:
        return false;
    }
}
