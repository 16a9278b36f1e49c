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

// Class keys every program shares: each is the system's with its direct branches.
const char* const kSharedClassKeys[] = {
    "*", "AllFilesystemObjects", "Applications", "Component Categories", "Directory", "Drive", "Folder",
    "Installer", "Local Settings", "MIME", "Network", "PackagedCom", "Protocols", "SystemFileAssociations",
    "Unknown",
    // File types of the system.
    "batfile", "cmdfile", "comfile", "CompressedFolder", "dllfile", "exefile", "file", "ftp", "htmlfile", "http",
    "https", "inffile", "inifile", "InternetShortcut", "JSFile", "lnkfile", "mailto", "Msi.Package", "piffile",
    "regfile", "scrfile", "txtfile", "VBSFile", "WSHFile", "xmlfile",
    nullptr};

// Lists of registrations keyed by a GUID: each "{GUID}" is an item.
const char* const kGuidLists[] = {"AppID", "CLSID", "Interface", "TypeLib", nullptr};

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

// "CurrentVersion" branches whose items lie one level deeper ("Explorer\Browser Helper
// Objects\{GUID}", "Winlogon\Notify\Product").
const char* const kNestedCurrentVersionLists[] = {"Explorer", "Policies", "Shell Extensions", "Winlogon", nullptr};

// Sound schemes and event labels of the system.
const char* const kSystemSoundApps[] = {".Default", "Explorer", "sapisvr", "SpeechRecognition", nullptr};
const char* const kSystemEventLabels[] = {
    ".Default", "ActivatingDocument", "AppGPFault", "BlockedPopup", "CCSelect", "ChangeTheme", "Close",
    "CriticalBatteryAlarm", "EmptyRecycleBin", "FaxBeep", "FeedDiscovered", "LowBatteryAlarm", "MailBeep",
    "Maximize", "MenuCommand", "MenuPopup", "Minimize", "MoveMenuItem", "Navigating", "Open", "PrintComplete",
    "RestoreDown", "RestoreUp", "SecurityBand", "ShowBand", nullptr};
const char* const kSystemEventLabelPrefixes[] = {"Device", "Notification.", "System", "Windows", nullptr};

// Variables of the system's and every user's environment.
const char* const kSystemVariables[] = {
    "ALLUSERSPROFILE", "APPDATA", "CommonProgramFiles", "CommonProgramFiles(x86)", "CommonProgramW6432", "ComSpec",
    "COMPUTERNAME", "DriverData", "HOMEDRIVE", "HOMEPATH", "LOCALAPPDATA", "NUMBER_OF_PROCESSORS", "OS", "Path",
    "PATHEXT", "PROCESSOR_ARCHITECTURE", "PROCESSOR_IDENTIFIER", "PROCESSOR_LEVEL", "PROCESSOR_REVISION",
    "ProgramData", "ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "PSModulePath", "PUBLIC", "SystemDrive",
    "SystemRoot", "TEMP", "TMP", "USERDOMAIN", "USERNAME", "USERPROFILE", "windir", "winsysdir", nullptr};

// "CurrentVersion" branches whose values start programs.
const char* const kRunKeys[] = {"Run", "RunOnce", "RunOnceEx", "RunServices", "RunServicesOnce", nullptr};

struct Area {
    RegistryArea area;
    std::size_t itemDepth;   // components of the item's own key (kAreaItem)
};

const Area kSystem{kAreaSystem, 0};
const Area kFree{kAreaFree, 0};

Area Item(std::size_t depth)
{
    return Area{kAreaItem, depth};
}

// A key below HKEY_CLASSES_ROOT (or a "Software\Classes" key); from is its first component.
Area ClassArea(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth == 0)
        return kSystem;
    const std::string& top = parts[from];
    if (Is(top, "Wow6432Node"))
        return depth > 1 && !Is(parts[from + 1], "Wow6432Node") ? ClassArea(parts, from + 1) : kSystem;
    if (IsOneOf(top, kGuidLists))
        return depth == 1 ? kSystem : Item(from + 2);
    bool sharedExtension = IsOneOf(top, kSharedExtensions);
    if (!sharedExtension && !IsOneOf(top, kSharedClassKeys))
        return Item(from + 1);   // a file type or ProgID: whoever it starts
    if (depth == 1)
        return kSystem;
    // ".txt\OpenWithProgids", "txtfile\shell", "*\shellex", "MIME\Database".
    const std::string& branch = parts[from + 1];
    if (depth == 2 &&
        (sharedExtension || IsOneOf(branch, kSharedClassVerbs) || IsOneOf(top, kClassesWithSharedBranches)))
        return kSystem;
    // "txtfile\shell\open", "*\shellex\ContextMenuHandlers": the system's own verbs and handler lists.
    if (depth == 3 && IsOneOf(branch, kSharedClassVerbs) && IsOneOf(parts[from + 2], kStandardVerbs))
        return kSystem;
    // "MIME\Database\Content Type".
    if (depth == 3 && Is(top, "MIME"))
        return kSystem;
    return kFree;
}

// A key below "Software\Microsoft" (from points at the component after "Microsoft").
Area MicrosoftArea(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth == 0)
        return kSystem;
    const std::string& branch = parts[from];
    if (!IsOneOf(branch, kSharedMicrosoftKeys))
        return Item(from + 1);
    if (depth <= 2)
        return kSystem;
    if (!IsOneOf(branch, kCurrentVersionKeys) || !Is(parts[from + 1], "CurrentVersion"))
        return Item(from + 3);
    // "CurrentVersion" and its lists ("Run", "Uninstall", "App Paths", "Fonts", ...).
    if (depth <= 3)
        return kSystem;
    if (IsOneOf(parts[from + 2], kNestedCurrentVersionLists))
        return depth <= 4 ? kSystem : Item(from + 5);
    return Item(from + 4);
}

// A key below "Software" (from points at the component after it).
Area SoftwareArea(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth == 0)
        return kSystem;
    const std::string& vendor = parts[from];
    if (Is(vendor, "Classes"))
        return ClassArea(parts, from + 1);
    if (Is(vendor, "Wow6432Node"))
        return depth > 1 && !Is(parts[from + 1], "Wow6432Node") ? SoftwareArea(parts, from + 1) : kSystem;
    if (Is(vendor, "Policies"))
        return kSystem;
    if (Is(vendor, "Microsoft"))
        return MicrosoftArea(parts, from + 1);
    return kFree;
}

// A key below "SYSTEM": a service, an event source and a print monitor are items; everything
// else is the system's.
Area SystemArea(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth < 3)
        return kSystem;
    const std::string& controlSet = parts[from];
    if (!Is(controlSet, "CurrentControlSet") && !StartsWithNoCase(controlSet.c_str(), "ControlSet"))
        return kSystem;
    const std::string& branch = parts[from + 1];
    if (Is(branch, "Services")) {
        // "Services\EventLog\Application" holds every program's event source.
        if (Is(parts[from + 2], "EventLog"))
            return depth <= 4 ? kSystem : Item(from + 5);
        return Item(from + 3);
    }
    if (Is(branch, "Control") && depth >= 5 && Is(parts[from + 2], "Print") && Is(parts[from + 3], "Monitors"))
        return Item(from + 5);
    return kSystem;
}

bool IsSystemEventLabel(const std::string& label)
{
    if (IsOneOf(label, kSystemEventLabels))
        return true;
    for (const char* const* prefix = kSystemEventLabelPrefixes; *prefix; ++prefix)
        if (StartsWithNoCase(label.c_str(), *prefix))
            return true;
    return false;
}

// A key of a user's own hive (HKEY_CURRENT_USER, or below a user's key of HKEY_USERS).
Area UserArea(const Components& parts, std::size_t from)
{
    std::size_t depth = parts.size() - from;
    if (depth < 2)
        return kSystem;
    if (Is(parts[from], "Software"))
        return SoftwareArea(parts, from + 1);
    // A product's own sounds: "AppEvents\Schemes\Apps\Product" and "AppEvents\EventLabels\Event".
    if (Is(parts[from], "AppEvents")) {
        if (Is(parts[from + 1], "EventLabels"))
            return depth >= 3 && !IsSystemEventLabel(parts[from + 2]) ? kFree : kSystem;
        if (Is(parts[from + 1], "Schemes") && depth >= 4 && Is(parts[from + 2], "Apps"))
            return IsOneOf(parts[from + 3], kSystemSoundApps) ? kSystem : kFree;
    }
    return kSystem;
}

Area MachineArea(const Components& parts)
{
    if (parts.size() < 2)
        return kSystem;
    if (Is(parts[0], "Software"))
        return SoftwareArea(parts, 1);
    if (Is(parts[0], "SYSTEM"))
        return SystemArea(parts, 1);
    return kSystem;
}

Area AreaOf(int root, const Components& parts)
{
    for (const std::string& part : parts)
        if (part == "." || part == "..")
            return kSystem;
    switch (root) {
    case kRootClassesRoot:
        return ClassArea(parts, 0);
    case kRootCurrentUser:
        return UserArea(parts, 0);
    case kRootLocalMachine:
        return MachineArea(parts);
    case kRootUsers: {
        if (parts.size() < 2)
            return kSystem;
        // "S-1-5-21-..._Classes" is the user's class registrations.
        const std::string& user = parts[0];
        std::size_t length = user.size();
        if (length > 8 && EqualNoCase(user.c_str() + length - 8, "_Classes"))
            return ClassArea(parts, 1);
        return UserArea(parts, 1);
    }
    case kRootCurrentConfig:
        return parts.size() >= 2 && Is(parts[0], "Software") ? SoftwareArea(parts, 1) : kSystem;
    default:
        return kSystem;
    }
}

// Where a user's hive starts in a key of the root: 0, 1 below HKEY_USERS, none elsewhere.
bool UserHiveStart(int root, const Components& parts, std::size_t* from)
{
    if (root == kRootCurrentUser) {
        *from = 0;
        return true;
    }
    if (root == kRootUsers && !parts.empty()) {
        *from = 1;
        return true;
    }
    return false;
}

// The position of the component after "Software\Microsoft\<windows>\CurrentVersion" (with
// "Software\Wow6432Node" allowed) from "Software" at from on; 0 when the key is elsewhere.
std::size_t AfterCurrentVersion(const Components& parts, std::size_t from, const char* windows)
{
    if (parts.size() > from + 1 && Is(parts[from], "Software") && Is(parts[from + 1], "Wow6432Node"))
        ++from;
    else if (parts.size() <= from || !Is(parts[from], "Software"))
        return 0;
    bool matches = parts.size() > from + 3 && Is(parts[from + 1], "Microsoft") && Is(parts[from + 2], windows) &&
                   Is(parts[from + 3], "CurrentVersion");
    return matches ? from + 4 : 0;
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

RegistryArea AreaOfRegistryKey(int root, const char* key, char* itemKey, std::size_t itemSize)
{
    Components parts = Split(key);
    Area area = AreaOf(root, parts);
    if (area.area == kAreaItem && itemKey && itemSize) {
        std::string item;
        for (std::size_t i = 0; i < area.itemDepth && i < parts.size(); ++i)
            item += (i ? "\\" : "") + parts[i];
        if (item.size() >= itemSize)
            return kAreaSystem;
        std::memcpy(itemKey, item.c_str(), item.size() + 1);
    }
    return area.area;
}

RegistryValueKind KindOfRegistryValue(int root, const char* key, const char* valueName)
{
    static const char* const kWinlogon[] = {"Winlogon", nullptr};
    Components parts = Split(key);
    std::size_t from = 0;
    bool machine = root == kRootLocalMachine;
    bool user = UserHiveStart(root, parts, &from);
    if (machine || user) {
        std::size_t nt = AfterCurrentVersion(parts, from, "Windows NT");
        if (nt && parts.size() == nt + 1 && IsOneOf(parts[nt], kWinlogon))
            return kValueSystem;
        std::size_t windows = AfterCurrentVersion(parts, from, "Windows");
        if (windows && parts.size() == windows + 1 && IsOneOf(parts[windows], kRunKeys))
            return kValueLaunch;
        // "...\CurrentVersion\Policies\Explorer\Run".
        if (windows && parts.size() == windows + 3 && Is(parts[windows], "Policies") &&
            Is(parts[windows + 1], "Explorer") && Is(parts[windows + 2], "Run"))
            return kValueLaunch;
    }
    bool systemEnvironment = machine && parts.size() == 5 && Is(parts[0], "SYSTEM") &&
                             (Is(parts[1], "CurrentControlSet") || StartsWithNoCase(parts[1].c_str(), "ControlSet")) &&
                             Is(parts[2], "Control") && Is(parts[3], "Session Manager") && Is(parts[4], "Environment");
    bool userEnvironment = user && parts.size() == from + 1 && Is(parts[from], "Environment");
    if ((systemEnvironment || userEnvironment) && IsOneOf(valueName, kSystemVariables))
        return kValueSystem;
    if (machine && parts.size() == 4 && Is(parts[0], "SYSTEM") && Is(parts[2], "Services") &&
        EqualNoCase(valueName, "ImagePath"))
        return kValueLaunch;
    return kValueOrdinary;
}

std::size_t ProductKeyLength(int root, const char* key)
{
    if (root != kRootLocalMachine && root != kRootCurrentUser)
        return 0;
    Components parts = Split(key);
    std::size_t product = 2;   // "Software\Vendor\Product": vendor and product after "Software"
    if (parts.size() > 1 && Is(parts[1], "Wow6432Node"))
        ++product;
    if (parts.size() <= product || !Is(parts[0], "Software"))
        return 0;
    std::string productKey;
    for (std::size_t i = 0; i <= product; ++i)
        productKey += (i ? "\\" : "") + parts[i];
    return AreaOfRegistryKey(root, productKey.c_str()) == kAreaFree ? productKey.size() : 0;
}
