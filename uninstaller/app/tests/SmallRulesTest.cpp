// External programs' command lines, SYSTEM.INI device lines and the database-engine sub-system.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/DatabaseEngine.h"
#include "uninstaller/app/DeviceLines.h"
#include "uninstaller/app/ExternalCommand.h"
#include "uninstaller/app/tests/FakeEngineHost.h"

using namespace engine_test;

namespace {

TEST(ExternalCommand, ProgramIsTheLongestExistingLeadingPart)
{
    FakeFiles files;
    files.AddFile("C:\\App\\setup.exe");
    files.AddFile("C:\\App\\setup.exe -x");   // a file whose name holds a space
    files.AddFile("C:\\My App\\clean.exe");
    const struct {
        const char* command;
        bool automatic;
        const char* program;
        const char* arguments;
    } cases[] = {
        {"C:\\App\\setup.exe /remove all", true, "C:\\App\\setup.exe", "/remove all"},
        {"C:\\App\\setup.exe -x -y", true, "C:\\App\\setup.exe -x", "-y"},
        {"C:\\My App\\clean.exe /q", false, "C:\\My App\\clean.exe", "/q"},
        {"C:\\App\\setup.exe", true, "C:\\App\\setup.exe", "Automatic"},
        {"C:\\App\\setup.exe", false, "C:\\App\\setup.exe", "Custom"},
        {"C:\\Missing\\tool.exe /u", true, "C:\\Missing\\tool.exe /u", "Automatic"},
        {"C:\\Missing\\tool.exe /u", false, "C:\\Missing\\tool.exe /u", "Custom"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        char program[260], arguments[260];
        ASSERT_TRUE(SplitExternalCommand(files, c.command, c.automatic, program, sizeof program, arguments,
                                         sizeof arguments));
        EXPECT_STREQ(program, c.program);
        EXPECT_STREQ(arguments, c.arguments);
    }
    char small[8], arguments[260];
    EXPECT_FALSE(SplitExternalCommand(files, "C:\\App\\setup.exe", true, small, sizeof small, arguments,
                                      sizeof arguments));
}

TEST(DeviceLines, OnlyTheDevicesLinesOf386Enh)
{
    char device[260];
    DeviceNameOf("C:\\WINDOWS\\SYSTEM\\HALDEN.386", "C:\\WINDOWS\\SYSTEM", device, sizeof device);
    EXPECT_STREQ(device, "HALDEN.386");
    DeviceNameOf("C:\\WINDOWS\\SYSTEM\\VMM\\X.386", "c:\\windows\\system", device, sizeof device);
    EXPECT_STREQ(device, "VMM\\X.386");
    DeviceNameOf("C:\\App\\HALDEN.386", "C:\\WINDOWS\\SYSTEM", device, sizeof device);
    EXPECT_STREQ(device, "C:\\App\\HALDEN.386");
    DeviceNameOf("C:\\WINDOWS\\SYSTEMX\\A.386", "C:\\WINDOWS\\SYSTEM", device, sizeof device);
    EXPECT_STREQ(device, "C:\\WINDOWS\\SYSTEMX\\A.386");

    const std::vector<std::pair<std::string, bool>> lines = {
        {"device=halden.386", false},   // before any section
        {"[boot]", false},
        {"device=HALDEN.386", false},
        {"  [386Enh]", false},
        {"device=*vmm", false},
        {"\tDEVICE=halden.386", true},
        {"device=C:\\WINDOWS\\SYSTEM\\HALDEN.386", true},
        {"device=halden.3866", false},
        {";device=halden.386", false},
        {"", false},
        {"devices=halden.386", false},
        {"[386enh]", false},
        {"device=halden.386", true},
        {"[drivers]", false},
        {"device=halden.386", false},
    };
    DeviceLineScan scan("HALDEN.386", "C:\\WINDOWS\\SYSTEM\\HALDEN.386");
    for (const auto& line : lines) {
        SCOPED_TRACE(line.first);
        EXPECT_EQ(scan.IsLineToComment(line.first.c_str()), line.second);
    }
}

const char kEngineKey[] = "Software\\Borland\\Database Engine";

TEST(DatabaseEngine, UsageCountDecidesAndTheServerMustStop)
{
    const struct {
        const char* name;
        int count;          // 0: no UseCount value
        bool textCount;
        bool serverRunning;
        std::vector<ServerAnswer> answers;
        bool silent;
        SubSystemResult result;
        const char* countLeft;   // "" when the engine's keys are gone
        int questions;
    } cases[] = {
        {"used by others", 3, true, false, {}, false, kSubSystemDone, "2", 0},
        {"used by others, dword", 2, false, false, {}, false, kSubSystemDone, "1", 0},
        {"last user", 1, true, false, {}, false, kSubSystemDone, "", 0},
        {"server running: retry, then ignore", 1, true, true, {kServerRetry, kServerIgnore}, false, kSubSystemDone,
         "", 2},
        {"server running: abort", 1, true, true, {kServerAbort}, false, kSubSystemAborted, "1", 1},
        {"server running, nobody to ask", 1, true, true, {}, true, kSubSystemDone, "1", 0},
        {"no count", 0, true, false, {}, false, kSubSystemDone, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost fake;
        fake.registry.SetString(kRootLocalMachine, "Software\\Borland\\BLW32", "BLAPIPATH", "C:\\IDAPI");
        fake.registry.SetString(kRootLocalMachine, kEngineKey + std::string("\\Settings"), "x", "1");
        if (c.count) {
            if (c.textCount)
                fake.registry.SetString(kRootLocalMachine, kEngineKey, "UseCount", std::to_string(c.count));
            else
                fake.registry.SetDword(kRootLocalMachine, kEngineKey, "UseCount", c.count);
        }
        if (c.serverRunning)
            fake.actions.windowClasses.insert("IB_Server");
        fake.ui.serverAnswers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(RemoveDatabaseEngine(fake.registry, fake.actions, fake.ui, c.silent), c.result);
        EXPECT_EQ(fake.registry.Text(kRootLocalMachine, kEngineKey, "UseCount"), c.countLeft);
        EXPECT_EQ(fake.ui.serverQuestions, c.questions);
        bool removed = c.count == 1 && c.result == kSubSystemDone && !c.silent;
        EXPECT_EQ(fake.registry.HasKey(kRootLocalMachine, "Software\\Borland"), !removed);
        if (c.count >= 2) {
            // Written back as text with its NUL, whatever the type it was read as.
            const FakeValue* value = fake.registry.Value(kRootLocalMachine, kEngineKey, "UseCount");
            ASSERT_NE(value, nullptr);
            EXPECT_EQ(value->type, kRegSz);
            EXPECT_EQ(value->data, std::string(c.countLeft) + '\0');
        }
    }
}

}  // namespace
