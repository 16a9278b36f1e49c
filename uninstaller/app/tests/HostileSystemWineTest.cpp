// UNHALDEN32.EXE run silently over logs that name what the system owns in the registry and
// among its services and libraries, that lead through registry links, that register libraries
// which hang or crash, or that run to a million lines. An installation of its own (files, a
// self-registering library, product keys, a class, a service, a Run entry, an uninstall entry,
// App Paths, sounds, a print monitor, its Repair key) is set up beside sentinels inside the
// prefix (the system's own keys, values, services and libraries) and a file outside it. Every
// run must end in time, remove the installation as logged, leave every sentinel as it was, and
// say in its status report what it kept and why.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/tests/SystemStateSupport.h"
#include "uninstaller/app/tests/WineTestSupport.h"

using namespace wine_test;

namespace {

const DWORD kRunDeadline = 180000;
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char kWinlogon[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char kEnvironment[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
const char kServices[] = "SYSTEM\\CurrentControlSet\\Services\\";
const char kMonitors[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\";
const char kRepairRoot[] = "Software\\Halden Solutions\\Halden Installation System\\Repair\\";
const char kOleClass[] = "CLSID\\{00000320-0000-0000-C000-000000000046}";
const char kUnknownInterface[] = "Interface\\{00000000-0000-0000-C000-000000000046}";
const char kSystemServices[][16] = {"PlugPlay", "RpcSs", "Spooler", "winebus"};

// The key's default value, and the number of its subkeys and values: "<none>" when missing.
std::string Shape(HKEY root, const std::string& key)
{
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return "<none>";
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(opened);
    return Value(root, key, "") + "|" + std::to_string(subkeys) + "|" + std::to_string(values);
}

// A registry link at key (below HKEY_LOCAL_MACHINE) to target, a native path such as
// "\Registry\Machine\Software\X".
bool MakeRegistryLink(const std::string& key, const std::string& target)
{
    HKEY link;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                        KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &link, nullptr) != ERROR_SUCCESS)
        return false;
    std::wstring wide(target.begin(), target.end());
    LONG set = RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(wide.c_str()),
                              static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
    RegCloseKey(link);
    return set == ERROR_SUCCESS;
}

bool LinkExists(const std::string& key)
{
    HKEY opened;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), REG_OPTION_OPEN_LINK, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

struct SystemValue {
    HKEY root;
    std::string key, name, value;
};

struct SystemKey {
    HKEY root;
    std::string key, shape;
};

class HostileSystemWineTest : public testing::Test {
protected:
    void SetUp() override
    {
        id = RunId();
        windows = WindowsFolder();
        system = SystemFolder();
        std::string programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
        ASSERT_FALSE(programFiles.empty());

        app = programFiles + "\\HaldenSystem" + id;
        logPath = app + "\\INSTALL.LOG";
        runner = "C:\\UnhSysRunner" + id;
        program = runner + "\\UNHALDEN32.EXE";
        vendorKey = "Software\\HaldenSysVendor" + id;
        productKey = vendorKey + "\\Product";
        ownClass = "CLSID\\{0000" + std::to_string(GetCurrentProcessId() % 10000) + "-4321-4321-4321-123456789ABC}";
        serviceName = "UnhSystem" + id;
        mifName = "HaldenSys" + id + ".mif";
        monitor = "Halden Port " + id;
        monitorDll = system + "\\hmon" + std::to_string(GetCurrentProcessId() % 10000) + ".dll";
        soundApp = "AppEvents\\Schemes\\Apps\\HaldenGame" + id;
        soundLabel = "AppEvents\\EventLabels\\HaldenShot" + id;
        repairKey = kRepairRoot;
        for (char c : logPath)
            repairKey += c == '\\' ? '/' : c;

        SetUpInstallation();
        SetUpSentinels();
    }

    void TearDown() override
    {
        DeleteFileA(monitorDll.c_str());
        DeleteFileA((windows + "\\" + mifName).c_str());
    }

    void SetUpInstallation()
    {
        CreateDirectoryA(app.c_str(), nullptr);
        for (const char* name : {"app.exe", "readme.txt"})
            WriteFile(app + "\\" + name, name);
        ASSERT_TRUE(CopyFileA(UNHALDEN_LIBRARY_DLL, (app + "\\server.dll").c_str(), FALSE));
        DeleteFileA((app + "\\server.dll.txt").c_str());
        WriteFile(monitorDll, "monitor");

        std::string exe = app + "\\app.exe";
        SetText(HKEY_LOCAL_MACHINE, productKey, "Path", app);
        SetText(HKEY_LOCAL_MACHINE, productKey + "\\Options", "Level", "2");
        SetText(HKEY_CLASSES_ROOT, ownClass + "\\InprocServer32", "", exe);
        SetText(HKEY_LOCAL_MACHINE, kRunKey, "HaldenSys" + id, "\"" + exe + "\" /tray");
        SetText(HKEY_LOCAL_MACHINE, kAppPaths + std::string("HaldenSys") + id + ".exe", "", exe);
        SetText(HKEY_LOCAL_MACHINE, kUninstall + std::string("HaldenSys") + id, "UninstallString",
                "C:\\windows\\UNHALDEN32.EXE \"" + logPath + "\"");
        SetText(HKEY_CURRENT_USER, soundApp + "\\Shot\\.Current", "", app + "\\shot.wav");
        SetText(HKEY_CURRENT_USER, soundLabel, "", "Shot");
        SetText(HKEY_LOCAL_MACHINE, kMonitors + monitor, "Driver", monitorDll.substr(system.size() + 1));
        SetText(HKEY_LOCAL_MACHINE, repairKey, exe, "");
        const DWORD service = CreateTestService(serviceName, exe);
        ASSERT_TRUE(service == ERROR_SUCCESS || service == ERROR_SERVICE_EXISTS) << service;

        installation = "***  Installation Started ***\r\n"
                       "Title: Hostile System Test Installation\r\n"
                       "Uninstall MIF: " + mifName + "\r\n"
                       "Made Dir: " + app + "\r\n"
                       "File Copy: " + exe + "\r\n"
                       "File Copy: " + app + "\\readme.txt\r\n"
                       "File Copy: " + app + "\\server.dll\r\n"
                       "Self-Register: " + app + "\\server.dll\r\n"
                       "File Copy: " + monitorDll + "\r\n"
                       "RegDB Key: " + productKey + "\r\n"
                       "RegDB Val: " + app + "\r\nRegDB Name: Path\r\nRegDB Root: 2\r\n"
                       "RegDB Key: " + kRunKey + "\r\n"
                       "RegDB Val: \"" + exe + "\" /tray\r\nRegDB Name: HaldenSys" + id + "\r\nRegDB Root: 2\r\n"
                       "RegDB Tree: " + vendorKey + "\r\nRegDB Root: 2\r\n"
                       "RegDB Tree: " + ownClass + "\r\nRegDB Root: 0\r\n"
                       "RegDB Tree: " + kAppPaths + "HaldenSys" + id + ".exe\r\nRegDB Root: 2\r\n"
                       "RegDB Tree: " + kUninstall + "HaldenSys" + id + "\r\nRegDB Root: 2\r\n"
                       "RegDB Tree: " + soundApp + "\r\nRegDB Root: 1\r\n"
                       "RegDB Tree: " + soundLabel + "\r\nRegDB Root: 1\r\n"
                       "RegDB Tree: " + kMonitors + monitor + "\r\nRegDB Root: 2\r\n"
                       "Create Service: " + serviceName + "\r\n";
    }

    void SetUpSentinels()
    {
        char module[MAX_PATH];
        GetModuleFileNameA(nullptr, module, sizeof module);
        outsideFile = ParentOf(module) + "\\HaldenOutside" + id + ".txt";
        WriteFile(outsideFile, "outside the prefix");
        otherRunEntry = "Sentinel" + id;
        SetText(HKEY_LOCAL_MACHINE, kRunKey, otherRunEntry, "C:\\Other\\other.exe");
        sentinelTarget = "Software\\HaldenSysTarget" + id;
        SetText(HKEY_LOCAL_MACHINE, sentinelTarget + "\\Sub", "Keep", "sentinel");

        systemValues = {
            {HKEY_LOCAL_MACHINE, kWinlogon, "Shell", ""},
            {HKEY_LOCAL_MACHINE, kEnvironment, "PATH", ""},
            {HKEY_LOCAL_MACHINE, kRunKey, otherRunEntry, ""},
            {HKEY_CLASSES_ROOT, ".lnk", "", ""},
            {HKEY_CLASSES_ROOT, kOleClass + std::string("\\InprocServer32"), "", ""},
            {HKEY_LOCAL_MACHINE, kServices + std::string("PlugPlay"), "ImagePath", ""},
            {HKEY_LOCAL_MACHINE, sentinelTarget + "\\Sub", "Keep", ""},
        };
        for (SystemValue& value : systemValues)
            value.value = Value(value.root, value.key, value.name);
        systemKeys = {
            {HKEY_LOCAL_MACHINE, kServices + std::string("PlugPlay"), ""},
            {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-0-0-0-1000", ""},
            {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Cryptography\\Defaults\\Provider", ""},
            {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Cryptography", ""},
            {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\Afghanistan Standard Time",
             ""},
            {HKEY_LOCAL_MACHINE, kAppPaths + std::string("iexplore.exe"), ""},
            {HKEY_CLASSES_ROOT, kOleClass, ""},
            {HKEY_CLASSES_ROOT, kUnknownInterface, ""},
            {HKEY_CLASSES_ROOT, ".wri", ""},
            {HKEY_CLASSES_ROOT, ".chm", ""},
            {HKEY_LOCAL_MACHINE, kMonitors + std::string("Local Port"), ""},
            {HKEY_LOCAL_MACHINE, sentinelTarget, ""},
        };
        for (SystemKey& key : systemKeys) {
            key.shape = Shape(key.root, key.key);
            EXPECT_NE(key.shape, "<none>") << key.key;
        }
    }

    // Writes the log, puts the uninstaller in its own folder and runs it with the log path in
    // quotes; the time it took, or -1 when it did not end in time.
    long Run(const std::string& logText, int waitSeconds = 60)
    {
        WriteFile(logPath, logText);
        CreateDirectoryA(runner.c_str(), nullptr);
        if (!CopyFileA(UNHALDEN32_EXE, program.c_str(), FALSE))
            return -1;
        WritePrivateProfileStringA("Settings", "Silent Wait Seconds", std::to_string(waitSeconds).c_str(),
                                   (runner + "\\UNHALDEN32.INI").c_str());
        DWORD start = GetTickCount();
        Child child("\"" + program + "\" /S \"" + logPath + "\"");
        if (!child.Started() || child.WaitForExit(kRunDeadline) == -1)
            return -1;
        return static_cast<long>(GetTickCount() - start);
    }

    void ExpectSentinelsSurvive()
    {
        EXPECT_EQ(ReadFile(outsideFile), "outside the prefix");
        for (const SystemValue& value : systemValues)
            EXPECT_EQ(Value(value.root, value.key, value.name), value.value) << value.key << ": " << value.name;
        for (const SystemKey& key : systemKeys)
            EXPECT_EQ(Shape(key.root, key.key), key.shape) << key.key;
        for (const char* name : kSystemServices)
            EXPECT_TRUE(ServiceExists(name)) << name;
        EXPECT_TRUE(Exists(system + "\\ole32.dll"));
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps"));
        for (const std::string& name : RunningPrograms())
            EXPECT_EQ(name.find("WINEDBG"), std::string::npos) << name;
    }

    // Everything the installation logged is gone, its Repair key with it.
    void ExpectInstallationRemoved()
    {
        for (const char* name : {"app.exe", "readme.txt", "server.dll", "INSTALL.LOG"})
            EXPECT_FALSE(Exists(app + "\\" + name)) << name;
        EXPECT_EQ(ReadFile(app + "\\server.dll.txt"), "DllUnregisterServer\n");
        for (const std::string& key : {vendorKey, kAppPaths + std::string("HaldenSys") + id + ".exe",
                                       kUninstall + std::string("HaldenSys") + id, kMonitors + monitor, repairKey})
            EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, key)) << key;
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ownClass));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, soundApp));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, soundLabel));
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kRunKey, "HaldenSys" + id), "<none>");
        EXPECT_FALSE(ServiceExists(serviceName));
    }

    // The status report: its status and description.
    std::string Report() { return ReadFile(windows + "\\" + mifName); }

    std::string id, windows, system, app, logPath, runner, program, vendorKey, productKey, ownClass, serviceName;
    std::string mifName, monitor, monitorDll, soundApp, soundLabel, repairKey, installation;
    std::string outsideFile, otherRunEntry, sentinelTarget;
    std::vector<SystemValue> systemValues;
    std::vector<SystemKey> systemKeys;
};

// The installation alone: removed exactly, its sounds, monitor, uninstall entry and Repair key
// with it (the log path was given in quotes from outside its folder), and reported a success.
TEST_F(HostileSystemWineTest, TheInstallationIsRemovedWithWhatItOwnsInTheSystem)
{
    ASSERT_NE(Run(installation), -1) << "the run did not end";
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
    EXPECT_NE(Report().find("\"Success\""), std::string::npos) << Report();
}

// Links under the product's key go as links; a key reached through one stays, and a dangling
// one ends the deletion at once.
TEST_F(HostileSystemWineTest, RegistryLinksAreDeletedAsLinksNeverFollowed)
{
    ASSERT_TRUE(MakeRegistryLink(productKey + "\\Linked", "\\Registry\\Machine\\Software\\Microsoft\\Cryptography"));
    ASSERT_TRUE(MakeRegistryLink(productKey + "\\ToSentinel", "\\Registry\\Machine\\" + sentinelTarget));
    ASSERT_TRUE(MakeRegistryLink(productKey + "\\Dangling", "\\Registry\\Machine\\Software\\HaldenNowhere" + id));
    std::string lines = "RegDB Tree: " + productKey + "\\ToSentinel\\Sub\r\nRegDB Root: 2\r\n"
                        "RegDB Tree: " + productKey + "\\Linked\\Defaults\r\nRegDB Root: 2\r\n"
                        "RegDB Tree: " + productKey + "\\Dangling\r\nRegDB Root: 2\r\n"
                        "RegDB Key: " + productKey + "\\ToSentinel\\Sub\r\n"
                        "RegDB Val: sentinel\r\nRegDB Name: Keep\r\nRegDB Root: 2\r\n"
                        "RegDB Tree: " + productKey + "\r\nRegDB Root: 2\r\n";
    long took = Run(installation + lines);
    ASSERT_NE(took, -1) << "the run did not end";
    EXPECT_LT(took, 60000);
    for (const char* link : {"\\Linked", "\\ToSentinel", "\\Dangling"})
        EXPECT_FALSE(LinkExists(productKey + link)) << link;
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
    EXPECT_NE(Report().find("(reached through a link)"), std::string::npos) << Report();
}

// Trees and values the system owns stay, whatever the log says of them, and the report says
// what was kept and why.
TEST_F(HostileSystemWineTest, SystemRegistryTreesAndValuesStay)
{
    const char* const trees[][2] = {
        {"2", "SYSTEM\\CurrentControlSet\\Services\\PlugPlay"},
        {"2", "Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-0-0-0-1000"},
        {"2", "Software\\Microsoft\\Cryptography\\Defaults\\Provider"},
        {"2", "Software\\Microsoft\\Cryptography"},
        {"2", "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\Afghanistan Standard Time"},
        {"2", "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\iexplore.exe"},
        {"0", kOleClass},
        {"0", kUnknownInterface},
        {"0", ".wri"},
        {"0", ".chm"},
        {"2", "SYSTEM\\CurrentControlSet\\Control\\Print\\Monitors\\Local Port"},
    };
    // Another product's folder claimed as made by the installation makes none of its items the
    // installation's (App Paths\iexplore.exe names a program in it).
    std::string browserFolder = ShellFolder(CSIDL_PROGRAM_FILES) + "\\Internet Explorer";
    ASSERT_NE(Value(HKEY_LOCAL_MACHINE, kAppPaths + std::string("iexplore.exe"), "").find("Internet Explorer"),
              std::string::npos);
    std::string lines = "Made Dir: " + browserFolder + "\r\n";
    for (const auto& tree : trees)
        lines += std::string("RegDB Tree: ") + tree[1] + "\r\nRegDB Root: " + tree[0] + "\r\n";
    // Old values written back and created values deleted ("*" names the other program's Run
    // entry).
    const char* const values[][4] = {
        {"2", kWinlogon, "Shell", "C:\\evil.exe"},
        {"2", kRunKey, "*", "C:\\evil.exe"},
        {"2", "SYSTEM\\CurrentControlSet\\Services\\PlugPlay", "ImagePath", "C:\\evil.exe"},
        {"2", kWinlogon, "Shell", nullptr},
        {"2", kEnvironment, "PATH", nullptr},
        {"0", ".lnk", "", nullptr},
        {"2", kRunKey, "*", nullptr},
    };
    for (const auto& value : values) {
        std::string name = std::string(value[2]) == "*" ? otherRunEntry : value[2];
        lines += std::string("RegDB Key: ") + value[1] + "\r\nRegDB Val: x\r\nRegDB Name: " + name +
                 "\r\nRegDB Root: " + value[0] + "\r\n";
        if (value[3])
            lines += std::string("RegDB Old: ") + value[3] + "\r\n";
    }
    long took = Run(installation + lines);
    ASSERT_NE(took, -1) << "the run did not end";
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
    EXPECT_TRUE(Exists(browserFolder + "\\iexplore.exe"));
    std::string report = Report();
    EXPECT_NE(report.find("\"Failed\""), std::string::npos) << report;
    EXPECT_NE(report.find("Kept "), std::string::npos) << report;
    EXPECT_NE(report.find("(the system's own)"), std::string::npos) << report;
}

// Services of the system are neither stopped nor deleted; services that are not there cost no
// wait.
TEST_F(HostileSystemWineTest, SystemServicesStayAndMissingOnesCostNoWait)
{
    std::string lines;
    for (const char* name : kSystemServices)
        lines += std::string("Create Service: ") + name + "\r\n";
    for (int i = 0; i < 40; ++i)
        lines += "Create Service: NoSuchService" + id + "_" + std::to_string(i) + "\r\n";
    long took = Run(installation + lines);
    ASSERT_NE(took, -1) << "the run did not end";
    // One wait for the installation's own service; forty missing ones once took 140 s.
    EXPECT_LT(took, 60000);
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
    EXPECT_NE(Report().find("service PlugPlay"), std::string::npos) << Report();
}

// A library of the system that the log claims as its own is neither unregistered nor deleted.
TEST_F(HostileSystemWineTest, SystemLibrariesAreNeitherUnregisteredNorDeleted)
{
    std::string ole32 = system + "\\ole32.dll";
    std::string lines = "Non-System File:\r\nFile Copy: " + ole32 + "\r\nSelf-Register: " + ole32 + "\r\n";
    ASSERT_NE(Run(installation + lines), -1) << "the run did not end";
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
    EXPECT_NE(Report().find("ole32.dll (the system's own)"), std::string::npos) << Report();
}

// A library that never returns from DllMain and one that crashes while unregistering take only
// the registration helper with them: the run goes on, ends in time without a debugger, removes
// them with the rest and reports both.
TEST_F(HostileSystemWineTest, HangingAndCrashingLibrariesEndOnlyTheirRegistration)
{
    for (const char* name : {"hang.dll", "crash.dll"}) {
        ASSERT_TRUE(CopyFileA(UNHALDEN_LIBRARY_DLL, (app + "\\" + name).c_str(), FALSE));
        DeleteFileA((app + "\\" + name + ".txt").c_str());
    }
    std::string lines = "File Copy: " + app + "\\hang.dll\r\nSelf-Register: " + app + "\\hang.dll\r\n"
                        "File Copy: " + app + "\\crash.dll\r\nSelf-Register: " + app + "\\crash.dll\r\n";
    long took = Run(installation + lines, 5);
    ASSERT_NE(took, -1) << "the run did not end";
    EXPECT_LT(took, 60000);
    for (const char* name : {"hang.dll", "crash.dll"})
        EXPECT_FALSE(Exists(app + "\\" + name)) << name;
    EXPECT_EQ(ReadFile(app + "\\crash.dll.txt"), "DllUnregisterServer\n");
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
    std::string report = Report();
    EXPECT_NE(report.find("hang.dll (did not end in time)"), std::string::npos) << report;
    EXPECT_NE(report.find("crash.dll (crashed)"), std::string::npos) << report;
}

// A log of a million lines whose lookups once walked every earlier line (files no longer there,
// overwritten files, file trees, registry trees) is read and undone in time.
TEST_F(HostileSystemWineTest, AMillionLineLogEndsInTime)
{
    std::string lines;
    lines.reserve(80u << 20);
    const char repairData[] = " | 01-02-2003 | 10:11:12 | 0 | 123456 | 0badf00d\r\n";
    int count = 0;
    for (int i = 0; count < 1000000; ++i) {
        std::string n = std::to_string(i);
        if (i % 50 == 0) {
            lines += "File Tree: " + app + "\\Tree" + n + "\r\nRegDB Tree: " + productKey + "\\T" + n +
                     "\r\nRegDB Root: 2\r\n";
            count += 3;
        } else {
            lines += "File Overwrite: " + app + "\\Gone\\over" + n + ".dll" + repairData;
            count += 1;
        }
    }
    long took = Run(installation + lines);
    ASSERT_NE(took, -1) << "the run did not end";
    ExpectInstallationRemoved();
    ExpectSentinelsSurvive();
}

}  // namespace
