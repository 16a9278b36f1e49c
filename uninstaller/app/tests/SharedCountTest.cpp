// The shared-file counters: what is taken off, what is written back, and when the user is asked.

#include <gtest/gtest.h>

#include <string>

#include "uninstaller/app/SharedCount.h"
#include "uninstaller/app/tests/FakeEngineHost.h"

using namespace engine_test;

namespace {

const char kPath[] = "C:\\WINDOWS\\SYSTEM32\\HALDEN.DLL";

enum Stored { kNone, kDword, kText, kBinary4, kBinary2 };

TEST(SharedCount, DecrementAndAnswers)
{
    const struct {
        const char* name;
        Stored stored;
        int count;
        int copies;
        bool rollback;
        bool silent;
        SharedFileChoice answer;
        SharedCountResult result;
        const char* left;   // the counter afterwards; "" when deleted
        bool asked;
    } cases[] = {
        {"still used by another program", kDword, 3, 1, false, false, kChoiceNo, kStillUsed, "2", false},
        {"counted twice by the installation", kDword, 2, 2, false, false, kChoiceYes, kNoLongerUsed, "", true},
        {"a rollback takes back one copy only", kDword, 2, 2, true, false, kChoiceYes, kStillUsed, "1", false},
        {"the user keeps it", kDword, 1, 1, false, false, kChoiceNo, kStillUsed, "", true},
        {"a silent run keeps it without asking", kDword, 1, 1, false, true, kChoiceYes, kStillUsed, "", false},
        {"counter as text", kText, 4, 1, false, false, kChoiceNo, kStillUsed, "3", false},
        {"counter as four binary bytes", kBinary4, 1, 1, false, false, kChoiceYes, kNoLongerUsed, "", true},
        {"binary of another size counts nothing", kBinary2, 1, 1, false, false, kChoiceYes, kNotCounted, "x",
         false},
        {"a counter of 0", kDword, 0, 1, false, false, kChoiceYes, kNotCounted, "0", false},
        {"a negative counter", kDword, -1, 1, false, false, kChoiceYes, kNotCounted, "4294967295", false},
        {"no counter", kNone, 0, 1, false, false, kChoiceYes, kNotCounted, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost fake;
        FakeRegistry& registry = fake.registry;
        switch (c.stored) {
        case kNone:
            registry.AddKey(kRootLocalMachine, kSharedDllsKey);
            break;
        case kDword:
            registry.SetDword(kRootLocalMachine, kSharedDllsKey, kPath, static_cast<std::uint32_t>(c.count));
            break;
        case kText:
            registry.SetString(kRootLocalMachine, kSharedDllsKey, kPath, std::to_string(c.count));
            break;
        case kBinary4:
            registry.SetDword(kRootLocalMachine, kSharedDllsKey, kPath, static_cast<std::uint32_t>(c.count));
            registry.keys[FakeRegistry::Key(kRootLocalMachine, kSharedDllsKey)][kPath].type = kRegBinary;
            break;
        case kBinary2:
            registry.SetString(kRootLocalMachine, kSharedDllsKey, kPath, "x", kRegBinary);
            break;
        }
        fake.ui.sharedAnswers.push_back(c.answer);
        SharedAnswerMemory answers{false, false};
        SharedCountRun run{true, c.rollback, c.silent, 0};
        EXPECT_EQ(DecrementSharedCount(registry, fake.ui, run, kPath, c.copies, &answers), c.result);
        EXPECT_EQ(registry.Text(kRootLocalMachine, kSharedDllsKey, kPath), c.left);
        EXPECT_EQ(fake.ui.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(fake.ui.questions[0], std::string("Shared ") + kPath + " unused. Remove?");
        }
    }
}

TEST(SharedCount, ToAllAnswersHoldForTheRestOfTheRun)
{
    for (SharedFileChoice toAll : {kChoiceYesToAll, kChoiceNoToAll}) {
        SCOPED_TRACE(toAll);
        FakeHost fake;
        fake.ui.sharedAnswers = {toAll};
        SharedAnswerMemory answers{false, false};
        SharedCountRun run{true, false, false, 0};
        SharedCountResult expected = toAll == kChoiceYesToAll ? kNoLongerUsed : kStillUsed;
        for (const char* path : {"C:\\A.DLL", "C:\\B.DLL", "C:\\C.DLL"}) {
            fake.registry.SetDword(kRootLocalMachine, kSharedDllsKey, path, 1);
            EXPECT_EQ(DecrementSharedCount(fake.registry, fake.ui, run, path, 1, &answers), expected);
            EXPECT_EQ(fake.registry.Value(kRootLocalMachine, kSharedDllsKey, path), nullptr);
        }
        EXPECT_EQ(fake.ui.questions.size(), 1u);
    }
}

TEST(SharedCount, WithoutTheShellFlagNothingIsCounted)
{
    FakeHost fake;
    fake.registry.SetDword(kRootLocalMachine, kSharedDllsKey, kPath, 1);
    SharedAnswerMemory answers{false, false};
    EXPECT_EQ(DecrementSharedCount(fake.registry, fake.ui, SharedCountRun{false, false, false, 0}, kPath, 1, &answers),
              kNotCounted);
    EXPECT_EQ(fake.registry.Text(kRootLocalMachine, kSharedDllsKey, kPath), "1");
}

// A language override may hold any "%": only "%s" takes the path.
TEST(SharedCount, QuestionTextTakesOnlyThePath)
{
    struct OverrideUi : FakeUi {
        void LoadText(unsigned id, char* out, std::size_t size) override
        {
            Put(id == 38 ? "%d%% %s %n%x " : "", out, size);
        }
    };
    OverrideUi ui;
    FakeRegistry registry;
    registry.SetDword(kRootLocalMachine, kSharedDllsKey, kPath, 1);
    SharedAnswerMemory answers{false, false};
    DecrementSharedCount(registry, ui, SharedCountRun{true, false, false, 0}, kPath, 1, &answers);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], std::string("%d% ") + kPath + " %n%x ");
}

}  // namespace
