// The PIDL list: sorted adding with each duplicates rule, searching, ownership through an
// allocator, and ordering through a shell folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "classlib/core/Exception.h"
#include "controls/shell/MwPidlList.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/tests/PidlBytes.h"
#include "controls/shell/tests/ShellTestSupport.h"
#include "utils/tests/ScratchFolder.h"

namespace {

using test::MakePidl;

// An allocator that counts what it frees.
class TCountingMalloc : public IMalloc {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    void* STDMETHODCALLTYPE Alloc(SIZE_T size) override { return CoTaskMemAlloc(size); }
    void* STDMETHODCALLTYPE Realloc(void* block, SIZE_T size) override { return CoTaskMemRealloc(block, size); }
    void STDMETHODCALLTYPE Free(void* block) override {
        freed.push_back(block);
        CoTaskMemFree(block);
    }
    SIZE_T STDMETHODCALLTYPE GetSize(void*) override { return 0; }
    int STDMETHODCALLTYPE DidAlloc(void*) override { return -1; }
    void STDMETHODCALLTYPE HeapMinimize() override {}

    ULONG references = 1;
    std::vector<void*> freed;
};

class PidlListTest : public ::testing::Test {
protected:
    // Lists the tests keep; the list under test only points at them.
    LPITEMIDLIST Keep(std::initializer_list<test::TItem> items) {
        kept.push_back(test::PidlOfBytes(MakePidl(items)));
        return kept.back().get();
    }
    std::vector<uint8_t> At(const TMwPidlList& list, int index) { return test::BytesOf(list.Pidls(index)); }

    std::vector<mw::TPidlPtr> kept;
};

TEST_F(PidlListTest, SortedListsHandleEqualEntriesByTheirRule) {
    TMwPidlList list;
    list.SetSorted(true);
    list.SetDuplicates(TMwDuplicates::dupIgnore);
    int dummy = 0;
    list.AddObject(Keep({{'b'}}), &dummy);
    list.Add(Keep({{'c'}}));
    list.Add(Keep({{'a'}}));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(At(list, 0), MakePidl({{'a'}}));
    EXPECT_EQ(At(list, 2), MakePidl({{'c'}}));
    EXPECT_EQ(list.Objects(1), &dummy);

    EXPECT_EQ(list.Add(Keep({{'b'}})), 1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Objects(1), &dummy);  // the first one stays

    list.SetDuplicates(TMwDuplicates::dupError);
    try {
        list.Add(Keep({{'c'}}));
        ADD_FAILURE() << "no exception";
    } catch (const cl::EListError& e) {
        EXPECT_STREQ(e.what(), "TMwPidlList: Duplicate PIDL");
    }
    EXPECT_EQ(list.Count(), 3);

    list.SetDuplicates(TMwDuplicates::dupAccept);
    const LPITEMIDLIST second = Keep({{'b'}});
    EXPECT_EQ(list.Add(second), 1);  // in front of the equal entry
    EXPECT_EQ(list.Pidls(1), second);
    EXPECT_EQ(list.Objects(2), &dummy);
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(PidlListTest, SearchingSortedAndUnsortedLists) {
    TMwPidlList list;
    list.Add(Keep({{'c'}}));
    list.Add(Keep({{'a', 'a'}}));
    list.Add(Keep({{'a'}}));
    EXPECT_EQ(list.IndexOf(test::PidlOfBytes(MakePidl({{'a'}})).get()), 2);
    EXPECT_EQ(list.IndexOf(test::PidlOfBytes(MakePidl({{'z'}})).get()), -1);

    // Bytes in order, the item's count first: [a] < [c] < [aa].
    list.SetSorted(true);  // sorts at once
    EXPECT_EQ(At(list, 0), MakePidl({{'a'}}));
    EXPECT_EQ(At(list, 1), MakePidl({{'c'}}));
    EXPECT_EQ(At(list, 2), MakePidl({{'a', 'a'}}));
    EXPECT_EQ(list.IndexOf(test::PidlOfBytes(MakePidl({{'c'}})).get()), 1);
    int index = -1;
    EXPECT_FALSE(list.Find(test::PidlOfBytes(MakePidl({{'b'}})).get(), index));
    EXPECT_EQ(index, 1);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_THROW(list.Delete(2), cl::EListError);
    EXPECT_THROW(list.Pidls(-1), cl::EListError);
    EXPECT_THROW(list.SetCapacity(1), cl::EListError);
    list.SetCapacity(10);
    EXPECT_GE(list.Capacity(), 10);
}

TEST_F(PidlListTest, AnAllocatorFreesTheEntriesAsTheyGo) {
    TCountingMalloc malloc;
    std::vector<void*> made;
    {
        TMwPidlList list;
        list.SetMalloc(&malloc);
        for (const char name : {'a', 'b', 'c'}) {
            const std::vector<uint8_t> bytes = MakePidl({{uint8_t(name)}});
            void* block = malloc.Alloc(bytes.size());
            std::copy(bytes.begin(), bytes.end(), static_cast<uint8_t*>(block));
            made.push_back(block);
            list.Add(static_cast<LPITEMIDLIST>(block));
        }
        list.Delete(1);
        EXPECT_EQ(malloc.freed, std::vector<void*>{made[1]});
    }
    std::sort(made.begin(), made.end());
    std::sort(malloc.freed.begin(), malloc.freed.end());
    EXPECT_EQ(malloc.freed, made);
    EXPECT_EQ(malloc.references, 1u);  // the list let go of it

    // Without an allocator the lists stay the caller's.
    {
        TMwPidlList list;
        list.Add(Keep({{'x'}}));
    }
    EXPECT_EQ(test::BytesOf(kept.back().get()), MakePidl({{'x'}}));
}

TEST_F(PidlListTest, AShellFolderOrdersItsItems) {
    ut_test::ScratchFolder scratch;
    for (const char* name : {"b.txt", "c.txt", "a.txt"}) ut_test::WriteTextFile(scratch / name, name);
    mw::TShellFolderPtr folder;
    ASSERT_HRESULT_SUCCEEDED(mw::BindToFolder(test::PidlOfPath(scratch.Path()).get(), folder));

    TMwPidlList list;
    list.SetShellFolder(folder.Get());
    list.SetSorted(true);
    for (const char* name : {"b.txt", "c.txt", "a.txt"}) {
        kept.push_back(test::ParseIn(folder.Get(), name));
        ASSERT_TRUE(kept.back()) << name;
        list.Add(kept.back().get());
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Pidls(i), kept[(i + 2) % 3].get()) << i;
    int index = -1;
    EXPECT_TRUE(list.Find(test::ParseIn(folder.Get(), "c.txt").get(), index));
    EXPECT_EQ(index, 2);
}

}  // namespace
