#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/PageLines.h"
#include "uninstaller/app/WizardSteps.h"
#include "uninstaller/log/InstallLog.h"
#include "uninstaller/log/tests/FakeLogHost.h"

namespace {

std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

class PageLinesTest : public testing::Test {
protected:
    void SetUp() override
    {
        system.existingFiles = {"C:\\App\\game.exe", "C:\\WINDOWS\\SYSTEM32\\halden.dll", "C:\\App\\game.ini",
                                "C:\\WINDOWS\\win.ini"};
    }
    void TearDown() override { FreeItemStore(); }

    void Read(const std::string& body)
    {
        FreeItemStore();
        AllocateItemTables();
        text = WithCrLf("***  Installation Started ***\nTitle: Test Application\n" + body);
        MemoryLogInput input(text.data(), text.size());
        ASSERT_EQ(ReadInstallLogFrom(input, "C:\\INSTALL.LOG", system, ui), 0);
    }

    std::vector<std::string> Lines(int page)
    {
        std::vector<std::string> lines;
        for (unsigned i = 0; i < PageItemCount(g_itemStore, page); ++i) {
            char line[kPageLineSize];
            PageItemText(g_itemStore, page, i, line, sizeof line);
            lines.push_back(line);
        }
        return lines;
    }

    FakeLogSystem system;
    FakeLogUi ui;
    std::string text;
};

const char kEveryKind[] =
    "File Copy: C:\\App\\game.exe\n"
    "File Copy: C:\\WINDOWS\\SYSTEM32\\halden.dll\n"
    "Made Dir: C:\\App\n"
    "File Tree: C:\\App\\Saves\\*.*\n"
    "INI New: \nINI File: C:\\App\\game.ini\n"
    "INI File: C:\\WINDOWS\\win.ini\nINI Sect: Fonts\nINI Item: Big\nINI Val: 1\nINI Old: 0\n"
    "RegDB Key: Software\\Halden\\Game\nRegDB Val: 1\nRegDB Name: Level\nRegDB Root: 2\n"
    "RegDB Key: Software\\Halden\\Path\nRegDB Val: x\nRegDB Root: 2\n"
    "RegDB Tree: Software\\Halden\\Tree\nRegDB Root: 1\n"
    "RegDB Key: Software\\Halden\\Edit\nRegDB Val: new\nRegDB Name: Mode\nRegDB Root: 3\nRegDB Old: old\n"
    "RegDB Key: .hal\nRegDB Val: new\nRegDB Old: was\n"
    "Icon Group: Halden\nIcon Name: Play Game\nIcon Cmd: C:\\App\\game.exe\n"
    "SubSystem: BDE\n"
    "Execute Path: C:\\App\\setup.exe /x\nExecute Name: Setup helper\n"
    "Execute Path: C:\\App\\clean.exe\n"
    "Create Service: HaldenSvc\n";

TEST_F(PageLinesTest, EachPageListsItsItemsInLogOrder)
{
    Read(kEveryKind);
    const struct {
        int page;
        std::vector<std::string> lines;
    } pages[] = {
        {kPageMethod, {}},
        {kPagePrivateFiles, {"C:\\App\\game.exe"}},
        {kPageSystemFiles, {"C:\\WINDOWS\\SYSTEM32\\halden.dll"}},
        {kPageDirectories, {"C:\\App", "C:\\App\\Saves"}},
        {kPageIniFiles, {"C:\\App\\game.ini"}},
        {kPageIniItems, {"C:\\WINDOWS\\win.ini: [Fonts] Big=0"}},
        {kPageRegistryKeys,
         {"HKEY_LOCAL_MACHINE\\Software\\Halden\\Game Value Name: Level",
          "HKEY_LOCAL_MACHINE\\Software\\Halden\\Path"}},
        {kPageRegistryTrees, {"HKEY_CURRENT_USER\\Software\\Halden\\Tree"}},
        {kPageRegistryEdits,
         {"HKEY_USERS\\Software\\Halden\\Edit Value Name: Mode=old", "HKEY_CLASSES_ROOT\\.hal=was"}},
        {kPageIcons, {"Play Game"}},
        {kPageSubSystems, {"BDE", "Setup helper", "C:\\App\\clean.exe", "HaldenSvc"}},
        {kPagePerform, {}},
        {kPageRollback, {}},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.page);
        EXPECT_EQ(Lines(p.page), p.lines);
    }
}

// The sub-systems page puts the sub-system, the programs and the services behind one list.
TEST_F(PageLinesTest, SubSystemPageLinesSelectTheirOwnRecords)
{
    const struct {
        const char* name;
        std::string body;
        std::vector<int*> (*flags)();
    } cases[] = {
        {"with a sub-system", kEveryKind,
         [] {
             return std::vector<int*>{&g_itemStore.subSystemSelected, &g_itemStore.externalPrograms[0]->selected,
                                      &g_itemStore.externalPrograms[1]->selected, &g_itemStore.services[0]->selected};
         }},
        {"external programs only", "Execute Program: C:\\App\\tool.exe\n",
         [] { return std::vector<int*>{&g_itemStore.externalPrograms[0]->selected}; }},
        {"services only", "Create Service: A\nCreate Service: B\n",
         [] { return std::vector<int*>{&g_itemStore.services[0]->selected, &g_itemStore.services[1]->selected}; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Read(c.body);
        std::vector<int*> expected = c.flags();
        ASSERT_EQ(PageItemCount(g_itemStore, kPageSubSystems), expected.size());
        for (unsigned i = 0; i < expected.size(); ++i)
            EXPECT_EQ(PageItemSelection(g_itemStore, kPageSubSystems, i), expected[i]) << i;
        EXPECT_EQ(PageItemSelection(g_itemStore, kPageSubSystems, static_cast<unsigned>(expected.size())), nullptr);
    }
}

TEST_F(PageLinesTest, LongValuesAreCutAndBuffersNeverOverrun)
{
    std::string oldValue(1200, 'o');
    Read("RegDB Key: Software\\K\nRegDB Val: v\nRegDB Name: N\nRegDB Old: " + oldValue +
         "\nRegDB Key: Software\\L\nRegDB Val: v\nRegDB Old: " + oldValue +
         "\nINI File: C:\\WINDOWS\\win.ini\nINI Sect: " + std::string(250, 's') + "\nINI Item: " +
         std::string(250, 'i') + "\nINI Val: 1\nINI Old: " + std::string(500, 'v') + "\n");
    // After a value name only 255 characters of the old value are shown; without one, all.
    EXPECT_EQ(Lines(kPageRegistryEdits),
              (std::vector<std::string>{"HKEY_CLASSES_ROOT\\Software\\K Value Name: N=" + std::string(255, 'o'),
                                        "HKEY_CLASSES_ROOT\\Software\\L=" + oldValue}));
    // The longest INI line fits a page line whole.
    EXPECT_EQ(Lines(kPageIniItems)[0].size(), std::string("C:\\WINDOWS\\win.ini: [] =").size() + 1000);

    char small[12];
    PageItemText(g_itemStore, kPageRegistryEdits, 0, small, sizeof small);
    EXPECT_STREQ(small, "HKEY_CLASSE");
    PageItemText(g_itemStore, kPageRegistryEdits, 7, small, sizeof small);
    EXPECT_STREQ(small, "");
}

}  // namespace
