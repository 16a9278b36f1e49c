// Command ids of the shell context menus and the Send To sub-menu's keyboard choice.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shell/SendToMenuChar.h"
#include "controls/shell/ShellMenuCommands.h"

namespace {

using mw::TMenuCharAction;
using mw::TMenuCommandKind;

TEST(ShellMenuCommandsTest, ClassifiesIdsByRange) {
    struct Case {
        unsigned id;
        TMenuCommandKind kind;
        unsigned value;
    };
    const Case cases[] = {
        {0, TMenuCommandKind::None, 0},      {1, TMenuCommandKind::SendTo, 0},
        {999, TMenuCommandKind::SendTo, 998}, {1000, TMenuCommandKind::Shell, 0},
        {1017, TMenuCommandKind::Shell, 17},  {1018, TMenuCommandKind::Rename, 18},
        {0x7FFF, TMenuCommandKind::Shell, 0x7FFF - 1000}, {0x8000, TMenuCommandKind::None, 0},
    };
    for (const Case& c : cases) {
        const mw::TMenuCommand command = mw::ClassifyMenuCommand(c.id);
        EXPECT_EQ(command.kind, c.kind) << c.id;
        EXPECT_EQ(command.value, c.value) << c.id;
    }
}

TEST(SendToMenuCharTest, PicksTheNextEntryWithTheLetter) {
    const std::vector<std::string> names = {"Desktop", "Drive A", "Mail", "drop box", "Zip"};
    struct Case {
        int highlighted;
        char typed;
        TMenuCharAction action;
        int index;
    };
    const Case cases[] = {
        {-1, 'd', TMenuCharAction::Select, 0},   // shared letter: only moves the highlight
        {0, 'D', TMenuCharAction::Select, 1},
        {1, 'd', TMenuCharAction::Select, 3},    // case does not matter
        {3, 'd', TMenuCharAction::Select, 0},    // wraps round to the first entry
        {3, 'm', TMenuCharAction::Execute, 2},   // unique letter: runs at once
        {2, 'm', TMenuCharAction::Execute, 2},   // even when it is the highlighted one
        {-1, 'q', TMenuCharAction::Close, -1},
        {7, 'z', TMenuCharAction::Execute, 4},   // a stale highlight counts as none
    };
    for (const Case& c : cases) {
        const mw::TMenuCharResult result = mw::SendToMenuChar(names, c.highlighted, c.typed);
        EXPECT_EQ(result.action, c.action) << c.highlighted << " " << c.typed;
        EXPECT_EQ(result.index, c.index) << c.highlighted << " " << c.typed;
    }
    EXPECT_EQ(mw::SendToMenuChar({}, -1, 'a').action, TMenuCharAction::Close);
    EXPECT_EQ(mw::SendToMenuChar({"", "a"}, -1, '\0').action, TMenuCharAction::Close);
}

TEST(SendToMenuCharTest, DisplayNameDropsOnlyTheExtension) {
    EXPECT_EQ(mw::SendToDisplayName("Mail Recipient.MAPIMail"), "Mail Recipient");
    EXPECT_EQ(mw::SendToDisplayName("my.backup.lnk"), "my.backup");
    EXPECT_EQ(mw::SendToDisplayName("Notes"), "Notes");
    EXPECT_EQ(mw::SendToDisplayName("dir.x\\Notes"), "dir.x\\Notes");
}

}  // namespace
