// The notes a run leaves on the file lines of INSTALL.LOG.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "uninstaller/app/LogNotes.h"

namespace {

const std::string kLog =
    "*** one\r\nFile Copy: C:\\a.dll\r\n*** two\r\n\nfile overwrite: C:\\b.dll\r\nMade Dir: C:\\App\r\n";

TEST(LogNotes, NotesGoOnFileLinesOnly)
{
    const std::size_t copyLine = kLog.find("File Copy");
    const std::size_t overwriteLine = kLog.find("file overwrite");
    const std::size_t secondSection = kLog.find("*** two");
    const struct {
        const char* name;
        std::vector<LogNote> notes;
        bool added;
        std::string text;
        std::uint64_t cut;   // the truncation offset afterwards, from the second section's start
    } cases[] = {
        {"a counted copy given back, then a kept file, in any order",
         {{overwriteLine, kNoteKept}, {copyLine, kNoteNotCounted}},
         true,
         "*** one\r\nShared DLL counter ignored:\r\nFile Copy: C:\\a.dll\r\n*** two\r\n\nKept by uninstall: file "
         "overwrite: C:\\b.dll\r\nMade Dir: C:\\App\r\n",
         secondSection + 29},
        {"no notes", {}, true, kLog, secondSection},
        {"a line of another kind", {{kLog.find("Made Dir"), kNoteKept}}, false, "", secondSection},
        {"the middle of a line", {{copyLine + 1, kNoteKept}}, false, "", secondSection},
        {"beyond the end", {{kLog.size(), kNoteKept}}, false, "", secondSection},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out = "untouched";
        std::uint64_t cut = secondSection;
        EXPECT_EQ(AddLogNotes(kLog, c.notes, &out, &cut), c.added);
        EXPECT_EQ(out, c.added ? c.text : "untouched");
        EXPECT_EQ(cut, c.cut);
    }
}

}  // namespace
