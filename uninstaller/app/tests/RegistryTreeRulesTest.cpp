// Which registry trees a log may have deleted: the system's shared trees never, a product's
// own keys inside them always.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/RegistryTreeRules.h"

namespace {

TEST(RegistryTreeRules, SharedTreesAndProductKeys)
{
    const struct {
        int root;
        const char* key;
        bool removable;
    } cases[] = {
        // Roots and their top keys.
        {kRootClassesRoot, "", false},
        {kRootLocalMachine, "\\", false},
        {kRootLocalMachine, "Software", false},
        {kRootLocalMachine, "\\Software\\\\", false},
        {kRootLocalMachine, "SYSTEM", false},
        {kRootCurrentUser, "Software", false},
        {kRootCurrentUser, "Control Panel\\Desktop", false},
        {kRootCurrentUser, "Environment", false},
        {kRootUsers, ".DEFAULT", false},
        {kRootUsers, ".DEFAULT\\Software", false},
        {kRootCurrentConfig, "Software", false},
        {9, "Software\\Vendor", false},
        {kRootLocalMachine, "Software\\Vendor\\..\\..", false},
        // Class registrations every program shares.
        {kRootClassesRoot, "CLSID", false},
        {kRootClassesRoot, "clsid\\", false},
        {kRootClassesRoot, "Interface", false},
        {kRootClassesRoot, "TypeLib", false},
        {kRootClassesRoot, "AppID", false},
        {kRootClassesRoot, "*", false},
        {kRootClassesRoot, "*\\shellex", false},
        {kRootClassesRoot, "*\\shellex\\ContextMenuHandlers", false},
        {kRootClassesRoot, "Directory\\shell", false},
        {kRootClassesRoot, "txtfile", false},
        {kRootClassesRoot, "txtfile\\shell\\open", false},
        {kRootClassesRoot, ".txt", false},
        {kRootClassesRoot, ".exe\\OpenWithProgids", false},
        {kRootClassesRoot, "Wow6432Node\\CLSID", false},
        {kRootClassesRoot, "MIME\\Database\\Content Type", false},
        {kRootLocalMachine, "Software\\Classes", false},
        {kRootLocalMachine, "Software\\Classes\\CLSID", false},
        {kRootCurrentUser, "Software\\Classes\\.txt", false},
        {kRootUsers, "S-1-5-21-1_Classes\\CLSID", false},
        // A product's own classes.
        {kRootClassesRoot, "CLSID\\{12345678-1234-1234-1234-123456789ABC}", true},
        {kRootClassesRoot, "Interface\\{12345678-1234-1234-1234-123456789ABC}", true},
        {kRootClassesRoot, "TypeLib\\{12345678-1234-1234-1234-123456789ABC}", true},
        {kRootClassesRoot, "Wow6432Node\\CLSID\\{12345678-1234-1234-1234-123456789ABC}", true},
        {kRootClassesRoot, "*\\shellex\\ContextMenuHandlers\\VendorMenu", true},
        {kRootClassesRoot, "Directory\\shell\\VendorCommand", true},
        {kRootClassesRoot, ".rfa", true},
        {kRootClassesRoot, "rfa_auto_file", true},
        {kRootClassesRoot, "Vendor.Document.1", true},
        {kRootLocalMachine, "Software\\Classes\\CLSID\\{12345678-1234-1234-1234-123456789ABC}", true},
        {kRootUsers, "S-1-5-21-1_Classes\\Vendor.Document", true},
        // Machine and user software.
        {kRootLocalMachine, "Software\\Microsoft", false},
        {kRootLocalMachine, "SOFTWARE\\Microsoft\\Windows", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", false},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vendor Product", true},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\app.exe", true},
        {kRootLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\{1}", true},
        {kRootLocalMachine, "Software\\Microsoft\\Internet Explorer", false},
        {kRootLocalMachine, "Software\\Microsoft\\Halden", true},
        {kRootLocalMachine, "Software\\Policies\\Vendor", false},
        {kRootLocalMachine, "Software\\Wow6432Node", false},
        {kRootLocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run", false},
        {kRootLocalMachine, "Software\\Wow6432Node\\Vendor\\Product", true},
        {kRootLocalMachine, "Software\\Vendor", true},
        {kRootLocalMachine, "Software\\Vendor\\Product", true},
        {kRootCurrentUser, "Software\\Vendor\\Product", true},
        {kRootCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", false},
        {kRootUsers, ".DEFAULT\\Software\\Vendor", true},
        {kRootCurrentConfig, "Software\\Vendor", true},
        // The system's configuration: only a service's own key.
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet", false},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control", false},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", false},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services", false},
        {kRootLocalMachine, "SYSTEM\\ControlSet001\\Services", false},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application", false},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\VendorDriver", true},
        {kRootLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Vendor", true},
        {kRootLocalMachine, "SYSTEM\\Setup\\Vendor", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.root) + ":" + c.key);
        EXPECT_EQ(IsRemovableRegistryTree(c.root, c.key), c.removable);
    }
}

}  // namespace
