// The Program Manager's group texts: which items an icon removes, which groups go with them,
// and how the commands quote their names.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/ProgramManagerGroups.h"

namespace {

class RecordedCommands : public ProgramManagerCommands {
public:
    void Execute(const char* command) override { sent.push_back(command); }
    std::vector<std::string> sent;
};

struct Icon {
    const char* group;
    const char* name;
    const char* command;
};

std::vector<std::string> RemoveIcons(std::vector<std::string> groups, const std::vector<Icon>& icons)
{
    std::vector<char*> texts;
    for (std::string& group : groups)
        texts.push_back(&group[0]);
    RecordedCommands server;
    for (const Icon& icon : icons)
        RemoveIconFromGroups(texts.data(), texts.size(), icon.group, icon.name, icon.command, server);
    return server.sent;
}

std::vector<std::string> DeleteItem(const std::string& group, const std::string& item)
{
    return {"[ShowGroup(\"" + group + "\",2)]", "[ShowGroup(\"" + group + "\",1)]", "[DeleteItem(\"" + item + "\")]"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::string kGame =
    "\"Halden Game\",C:\\WINDOWS\\HALDENGA.GRP,2,2,1\r\n"
    "\"Play\",\"C:\\GAME\\GAME.EXE\",C:\\GAME,C:\\GAME\\GAME.EXE,0,0,0,0,0\r\n"
    "\"Read Me\",\"NOTEPAD.EXE C:\\GAME\\README.TXT\",C:\\GAME,,0,0,0,0,0\r\n";
const std::string kStartUp =
    "\"StartUp\",C:\\WINDOWS\\STARTUP.GRP,1,2,1\r\n"
    "\"Game Tray\",\"C:\\GAME\\TRAY.EXE\",C:\\GAME,,0,0,0,0,0\r\n";
const std::string kAccessories =
    "\"Accessories\",C:\\WINDOWS\\ACCESSOR.GRP,2,2,1\r\n"
    "\"Notepad\",\"NOTEPAD.EXE\",,,0,0,0,0,0\r\n"
    "\"Play Game\",\"c:\\game\\game.exe\",C:\\GAME,,0,0,0,0,0\r\n";

TEST(ProgramManagerGroups, WhatAnIconRemoves)
{
    const struct {
        const char* name;
        std::vector<std::string> groups;
        std::vector<Icon> icons;
        std::vector<std::string> commands;
    } cases[] = {
        {"by group and name; the group keeps its other item",
         {kGame},
         {{"halden game", "PLAY", "C:\\OTHER.EXE"}},
         DeleteItem("Halden Game", "Play")},
        {"the last item takes its group along, once",
         {kGame},
         {{"Halden Game", "Play", ""}, {"Halden Game", "Read Me", ""}, {"Halden Game", "Read Me", ""}},
         Join({DeleteItem("Halden Game", "Play"), DeleteItem("Halden Game", "Read Me"),
               {"[DeleteGroup(\"Halden Game\")]"}})},
        {"StartUp stays when it becomes empty",
         {kStartUp},
         {{"STARTUP", "Game Tray", ""}},
         DeleteItem("StartUp", "Game Tray")},
        // The user renamed the group and the item; the command still finds it, in every group.
        {"by command, in several groups",
         {kGame, kAccessories},
         {{"Old Group", "Old Name", "C:\\Game\\Game.exe"}},
         Join({DeleteItem("Halden Game", "Play"), DeleteItem("Accessories", "Play Game")})},
        {"an icon without a command matches no item by command",
         {"\"G\",x\r\n\"Empty\",\"\",,,0\r\n"},
         {{"Other", "Other", ""}},
         {}},
        {"nothing matches",
         {kGame, kStartUp},
         {{"Halden Game", "Uninstall", "C:\\GAME\\UNINST.EXE"}},
         {}},
        // An item line without a command, and lines cut short, are still items of the group.
        {"lines without a command",
         {"\"Tools\",x\r\n\"Setup\"\r\n\"Broken,\"x\r\n"},
         {{"Tools", "Setup", ""}},
         DeleteItem("Tools", "Setup")},
        {"marked texts and lines are skipped",
         {"*Gone\",x\r\n\"Play\",\"C:\\GAME\\GAME.EXE\"\r\n", "\"Kept\",x\r\n*Play\",\"C:\\GAME\\GAME.EXE\"\r\n"},
         {{"Gone", "Play", "C:\\GAME\\GAME.EXE"}},
         {}},
        {"names with commas and parentheses",
         {"\"Tools, Extras\",x\r\n\"Setup (Old)\",\"C:\\SETUP.EXE\"\r\n"},
         {{"", "", "C:\\SETUP.EXE"}},
         Join({DeleteItem("Tools, Extras", "Setup (Old)"), {"[DeleteGroup(\"Tools, Extras\")]"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RemoveIcons(c.groups, c.icons), c.commands);
    }
}

TEST(ProgramManagerGroups, CommandsQuoteTheirNames)
{
    const struct {
        const char* verb;
        std::string name;
        const char* argument;
        std::size_t size;
        const char* command;   // null: refused
    } cases[] = {
        {"DeleteItem", "Play", nullptr, 64, "[DeleteItem(\"Play\")]"},
        {"ShowGroup", "Games, Fun (Old)", "2", 64, "[ShowGroup(\"Games, Fun (Old)\",2)]"},
        {"DeleteGroup", "", nullptr, 64, "[DeleteGroup(\"\")]"},
        {"DeleteItem", "Say \"Hi\"", nullptr, 64, nullptr},
        {"DeleteItem", "Play", nullptr, 21, "[DeleteItem(\"Play\")]"},
        {"DeleteItem", "Play", nullptr, 20, nullptr},
        {"DeleteItem", std::string(300, 'x'), nullptr, 64, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> out(c.size, '?');
        bool built =
            BuildProgramManagerCommand(out.data(), out.size(), c.verb, c.name.data(), c.name.size(), c.argument);
        EXPECT_EQ(built, c.command != nullptr);
        EXPECT_STREQ(out.data(), c.command ? c.command : "");
    }
}

TEST(ProgramManagerGroups, LinesOfAText)
{
    const char* text = "Games\r\nStartUp\n\r\nLast";
    std::vector<std::string> lines;
    TextLine line;
    while (NextTextLine(&text, &line))
        lines.emplace_back(line.start, line.length);
    EXPECT_EQ(lines, (std::vector<std::string>{"Games", "StartUp", "", "Last"}));
}

}  // namespace
