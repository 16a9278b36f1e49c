// Whose a registry key is by its name: the system's shared trees never go, the items of the
// system's lists go when they name the installation, a product's own keys always.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/RegistryTreeRules.h"

namespace {

const RegistryArea S = kAreaSystem, I = kAreaItem, F = kAreaFree;

TEST(RegistryTreeRules, SharedTreesItemsAndProductKeys)
{
    const struct {
        int root;
        const char* key;
        RegistryArea area;
    } cases[] = {
        // Roots and their top keys.
        {kRootClassesRoot, "", S},
        {kRootLocalMachine, "\\", S},
        {kRootLocalMachine, "Software", S},
        {kRootLocalMachine, "\\Software\\\\", S},
        {kRootLocalMachine, "SYSTEM", S},
        {kRootCurrentUser, "Software", S},
        {kRootCurrentUser, "Control Panel\\Desktop", S},
        {kRootCurrentUser, "Environment", S},
        {kRootUsers, ".DEFAULT", S},
        {kRootUsers, ".DEFAULT\\Software", S},
        {kRootCurrentConfig, "Software", S},
        {9, "Software\\Vendor", S},
        {kRootLocalMachine, "Software\\Vendor\\..\\..", S},
        // Class registrations every program shares.
        {kRootClassesRoot, "CLSID", S},
        {kRootClassesRoot, "clsid\\", S},
        {kRootClassesRoot, "Interface", S},
        {kRootClassesRoot, "TypeLib", S},
        {kRootClassesRoot, "AppID", S},
        {kRootClassesRoot, "*", S},
        {kRootClassesRoot, "*\\shellex", S},
        {kRootClassesRoot, "*\\shellex\\ContextMenuHandlers", S},
        {kRootClassesRoot, "Directory\\shell", S},
        {kRootClassesRoot, "txtfile", S},
        {kRootClassesRoot, "txtfile\\shell\\open", S},
        {kRootClassesRoot, ".txt", S},
        {kRootClassesRoot, ".exe\\OpenWithProgids", S},
        {kRootClassesRoot, "Wow6432Node\\CLSID", S},
        {kRootClassesRoot, "MIME\\Database\\Content Type", S},
        {kRootLocalMachine, "Software\\Classes", S},
        {kRootLocalMachine, "Software\\Classes\\CLSID", S},
        {kRootCurrentUser, "Software\\Classes\\.txt", S},
        {kRootUsers, "S-1-5-21-1_Classes\\CLSID", S},
        // Class registrations are whoever's they name; a product's verbs on shared classes are its own.
        {kRootClassesRoot, "CLSID\\{12345678-1234-1234-1234-123456789ABC}", I},
        {kRootClassesRoot, "Interface\\{12345678-1234-1234-1234-123456789ABC}", I},
        {kRootClassesRoot, "TypeLib\\{12345678-1234-1234-1234-123456789ABC}", I},
        {kRootClassesRoot, "Wow6432Node\\CLSID\\{12345678-1234-1234-1234-123456789ABC}", I},
        {kRootClassesRoot, "*\\shellex\\ContextMenuHandlers\\VendorMenu", F},
        {kRootClassesRoot, "Directory\\shell\\VendorCommand", F},
        {kRootClassesRoot, ".rfa", I},
        {kRootClassesRoot, "rfa_auto_file", I},
        {kRootClassesRoot, "Vendor.Document.1", I},
        {kRootLocalMachine, "Software\\Classes\\CLSID\\{12345678-1234-1234-1234-123456789ABC}", I},
        {kRootUsers, "S-1-5-21-1_Classes\\Vendor.Document", I},
        // Machine and user software.
        {kRootLocalMachine, "Software\\Microsoft", S},
        {kRootLocalMachine, "SOFTWARE\\Microsoft\\Windows", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vendor Product", I},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\app.exe", I},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\{1}", I},
        {kRootLocalMachine, "Software\\Microsoft\\Internet Explorer", S},
        {kRootLocalMachine, "Software\\Microsoft\\Halden", I},
        {kRootLocalMachine, "Software\\Policies\\Vendor", S},
        {kRootLocalMachine, "Software\\Wow6432Node", S},
        {kRootLocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", S},
        {kRootLocalMachine, "Software\\Wow6432Node\\Vendor\\Product", F},
        {kRootLocalMachine, "Software\\Vendor", F},
        {kRootLocalMachine, "Software\\Vendor\\Product", F},
        {kRootCurrentUser, "Software\\Vendor\\Product", F},
        {kRootCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", S},
        {kRootUsers, ".DEFAULT\\Software\\Vendor", F},
        {kRootCurrentConfig, "Software\\Vendor", F},
        // The system's configuration: only a service, event source or print monitor is an item.
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services", S},
        {kRootLocalMachine, "SYSTEM\\ControlSet001\\Services", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\VendorDriver", I},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Vendor", I},
        {kRootLocalMachine, "SYSTEM\\Setup\\Vendor", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors", S},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Vendor Port", I},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", S},
        // Lists of the system whose items name their owners.
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-1", I},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\Some Time", I},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify", S},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify\\Vendor", I},
        {kRootLocalMachine, "Software\\Microsoft\\Cryptography\\Defaults", S},
        {kRootLocalMachine, "Software\\Microsoft\\Cryptography\\Defaults\\Provider", I},
        {kRootClassesRoot, ".wri", I},
        {kRootClassesRoot, "chm.file", I},
        // A product's own sounds; the system's schemes and events.
        {kRootCurrentUser, "AppEvents", S},
        {kRootCurrentUser, "AppEvents\\Schemes\\Apps", S},
        {kRootCurrentUser, "AppEvents\\Schemes\\Apps\\.Default\\SystemAsterisk", S},
        {kRootCurrentUser, "AppEvents\\Schemes\\Apps\\Vendor Game", F},
        {kRootCurrentUser, "AppEvents\\Schemes\\Apps\\Vendor Game\\Shot\\.Current", F},
        {kRootCurrentUser, "AppEvents\\EventLabels", S},
        {kRootCurrentUser, "AppEvents\\EventLabels\\SystemExit", S},
        {kRootCurrentUser, "AppEvents\\EventLabels\\Shot", F},
        {kRootUsers, "S-1-5-21-1\\AppEvents\\EventLabels\\Shot", F},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.root) + ":" + c.key);
        EXPECT_EQ(AreaOfRegistryKey(c.root, c.key), c.area);
    }
}

// An item is judged by its own key, whatever depth below it the log names.
TEST(RegistryTreeRules, ItemsAreJudgedByTheirOwnKey)
{
    const struct {
        int root;
        const char* key;
        const char* item;
    } cases[] = {
        {kRootClassesRoot, "CLSID\\{1}\\InprocServer32", "CLSID\\{1}"},
        {kRootClassesRoot, "\\Wow6432Node\\CLSID\\{1}\\\\LocalServer32\\", "Wow6432Node\\CLSID\\{1}"},
        {kRootClassesRoot, "App.Document\\shell\\open\\command", "App.Document"},
        {kRootLocalMachine, "Software\\Classes\\.app\\ShellNew", "Software\\Classes\\.app"},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Svc\\Parameters", "SYSTEM\\CurrentControlSet\\Services\\Svc"},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App\\Sub",
         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App"},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\{1}\\x",
         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\{1}"},
        {kRootLocalMachine, "Software\\Microsoft\\Addin\\Options", "Software\\Microsoft\\Addin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        char item[520] = "";
        EXPECT_EQ(AreaOfRegistryKey(c.root, c.key, item, sizeof item), kAreaItem);
        EXPECT_STREQ(item, c.item);
    }
}

TEST(RegistryTreeRules, ValuesTheSystemReadsAndValuesThatStartPrograms)
{
    const struct {
        int root;
        const char* key;
        const char* name;
        RegistryValueKind kind;
    } cases[] = {
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell", kValueSystem},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Userinit", kValueSystem},
        {kRootCurrentUser, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell", kValueSystem},
        {kRootLocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell",
         kValueSystem},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify\\App", "DllName",
         kValueOrdinary},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", "PATH", kValueSystem},
        {kRootLocalMachine, "SYSTEM\\ControlSet001\\Control\\Session Manager\\Environment", "ComSpec", kValueSystem},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", "APP_HOME",
         kValueOrdinary},
        {kRootCurrentUser, "Environment", "TEMP", kValueSystem},
        {kRootUsers, "S-1-5-21-1\\Environment", "Path", kValueSystem},
        {kRootCurrentUser, "Software\\Vendor\\Environment", "Path", kValueOrdinary},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "App", kValueLaunch},
        {kRootCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "App", kValueLaunch},
        {kRootLocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", "App", kValueLaunch},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run", "1", kValueLaunch},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Sub", "App", kValueOrdinary},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Svc", "ImagePath", kValueLaunch},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Svc", "Start", kValueOrdinary},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + ": " + c.name);
        EXPECT_EQ(KindOfRegistryValue(c.root, c.key, c.name), c.kind);
    }
}

}  // namespace
