// The directory-change watcher against real folders: changes arrive as posted slot numbers,
// the table holds 63 watches, slots are reused after removal, and the thread ends when freed.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/shell/MwChangeHandlerThread.h"
#include "utils/tests/ScratchFolder.h"

namespace {

constexpr DWORD kNames = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

class ChangeHandlerThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        receiver = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(receiver, nullptr);
    }
    void TearDown() override {
        watcher.reset();
        DestroyWindow(receiver);
    }

    std::string Folder(const std::string& name) {
        const std::string path = scratch / name;
        ut_test::MakeFolder(path);
        return path;
    }
    void MakeWatcher() { watcher = std::make_unique<TChangeHandlerThread>(receiver, CM_MWWATCHERCHANGE); }
    int Watch(const std::string& path) {
        int slot = -2;
        EXPECT_TRUE(watcher->AddWatch(path, kNames, slot, false)) << path;
        return slot;
    }
    // The slots posted until one of them is the awaited slot (or the deadline passed). When
    // given, change(n) runs first and again every quarter second (n counting up) while nothing
    // awaited has come: a change made before the thread has re-armed a watch after its last
    // report is not reported under Wine, and a loaded machine may take a while to re-arm.
    std::vector<int> SlotsUntil(int awaited, const std::function<void(int)>& change = nullptr) {
        std::vector<int> slots;
        const auto start = std::chrono::steady_clock::now();
        const auto deadline = start + std::chrono::seconds(30);
        auto nextChange = start;
        for (int changes = 0; std::chrono::steady_clock::now() < deadline;) {
            if (change && std::chrono::steady_clock::now() >= nextChange) {
                change(changes++);
                nextChange += std::chrono::milliseconds(250);
            }
            MSG msg;
            while (PeekMessageA(&msg, receiver, CM_MWWATCHERCHANGE, CM_MWWATCHERCHANGE, PM_REMOVE)) {
                slots.push_back(static_cast<int>(msg.wParam));
                if (slots.back() == awaited) return slots;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
        }
        return slots;
    }
    static bool Contains(const std::vector<int>& slots, int slot) {
        return std::find(slots.begin(), slots.end(), slot) != slots.end();
    }

    ut_test::ScratchFolder scratch;
    HWND receiver = nullptr;
    std::unique_ptr<TChangeHandlerThread> watcher;
};

TEST_F(ChangeHandlerThreadTest, AChangeIsPostedWithItsFoldersSlot) {
    MakeWatcher();
    const std::string quiet = Folder("quiet");
    const std::string busy = Folder("busy");
    EXPECT_EQ(Watch(quiet), 0);
    EXPECT_EQ(Watch(busy), 1);
    ut_test::WriteTextFile(busy + "\\new.txt", "x");
    const std::vector<int> slots = SlotsUntil(1);
    ASSERT_TRUE(Contains(slots, 1));
    EXPECT_FALSE(Contains(slots, 0));

    // Re-armed: a later change is seen too.
    EXPECT_TRUE(Contains(SlotsUntil(1, [&](int n) { ut_test::MakeFolder(busy + "\\sub" + std::to_string(n)); }), 1));
}

TEST_F(ChangeHandlerThreadTest, FoldersThatCannotBeWatchedAreRefused) {
    MakeWatcher();
    int slot = -2;
    EXPECT_FALSE(watcher->AddWatch("", kNames, slot, false));
    EXPECT_FALSE(watcher->AddWatch(scratch / "missing", kNames, slot, false));
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(Watch(Folder("there")), 0);
}

TEST_F(ChangeHandlerThreadTest, TheTableHoldsSixtyThreeWatches) {
    MakeWatcher();
    std::vector<std::string> folders;
    for (int i = 0; i < 63; ++i) {
        folders.push_back(Folder("f" + std::to_string(i)));
        ASSERT_EQ(Watch(folders.back()), i);
    }
    int slot = -2;
    EXPECT_FALSE(watcher->AddWatch(Folder("one too many"), kNames, slot, false));
    EXPECT_EQ(slot, -1);

    ut_test::WriteTextFile(folders[0] + "\\new.txt", "x");
    EXPECT_TRUE(Contains(SlotsUntil(0), 0));
    ut_test::WriteTextFile(folders[62] + "\\new.txt", "x");
    EXPECT_TRUE(Contains(SlotsUntil(62), 62));
}

TEST_F(ChangeHandlerThreadTest, RemovedWatchesFreeTheirSlots) {
    MakeWatcher();
    const std::string before = Folder("before");
    const std::string old = Folder("old");
    Watch(before);
    EXPECT_EQ(Watch(old), 1);
    watcher->RemoveAllWatches();
    const std::string after = Folder("after");
    EXPECT_EQ(Watch(after), 0);

    // The old folder's change would arrive first; only the new watch reports.
    ut_test::WriteTextFile(old + "\\new.txt", "x");
    ut_test::WriteTextFile(after + "\\new.txt", "x");
    const std::vector<int> slots = SlotsUntil(0);
    ASSERT_FALSE(slots.empty());
    for (int slot : slots) EXPECT_EQ(slot, 0);
}

TEST_F(ChangeHandlerThreadTest, FreeingTheWatcherEndsItsThread) {
    MakeWatcher();
    Watch(Folder("a"));
    Watch(Folder("b"));
    HANDLE thread = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), watcher->Handle(), GetCurrentProcess(), &thread, SYNCHRONIZE, FALSE, 0));
    watcher.reset();
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
    CloseHandle(thread);

    // A watcher freed at once, before it ever waited, ends too.
    MakeWatcher();
    watcher.reset();
}

}  // namespace
