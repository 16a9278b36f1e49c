#include <gtest/gtest.h>

#include <tuple>

#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Application.h"
#include "classlib/win/ListView.h"
#include "classlib/win/TreeView.h"

namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(0, 0, 400, 300);
    }
    cl::TApplication app;
    cl::TForm* form = nullptr;
};

std::vector<std::string> Captions(cl::TListView& list) {
    std::vector<std::string> captions;
    for (int i = 0; i < list.ItemCount(); ++i) captions.push_back(list.Item(i)->Caption());
    return captions;
}

std::string NativeText(cl::TListView& list, int index, int column) {
    char buffer[64] = {};
    ListView_GetItemText(list.Handle(), index, column, buffer, sizeof(buffer));
    return buffer;
}

TEST_F(ViewTest, ListViewSortsThroughTheCompareEventAndKeepsTheWindowInStep) {
    auto* list = new cl::TListView(form);
    list->SetParent(form);
    list->SetViewStyle(cl::TViewStyle::Report);
    for (const char* caption : {"Name", "Size"}) static_cast<cl::TListColumn*>(list->Columns()->Add())->SetCaption(caption);
    list->Column(1)->SetTag(1);
    form->Show();
    for (auto [name, size] : {std::pair{"b.txt", "10"}, {"a.txt", "9"}, {"c.txt", "100"}}) {
        cl::TListItem* item = list->AddItem();
        item->SetCaption(name);
        item->SubItems().Add(size);
    }
    list->OnCompare = cl::TLVCompareEvent::FromFunction([](cl::TObject*, cl::TListItem* a, cl::TListItem* b, int, int& result) {
        result = cl::StrToInt(a->SubItems()[0]) - cl::StrToInt(b->SubItems()[0]);
    });
    list->AlphaSort();
    EXPECT_EQ(Captions(*list), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    // The window shows the same order, sub-items included.
    EXPECT_EQ(NativeText(*list, 0, 0), "a.txt");
    EXPECT_EQ(NativeText(*list, 2, 1), "100");
    EXPECT_EQ(list->Item(1)->Index(), 1);
    EXPECT_EQ(list->Column(1)->Tag(), 1);

    // A failing compare handler does not unwind through the window: it is raised afterwards.
    list->OnCompare = cl::TLVCompareEvent::FromFunction([](cl::TObject*, cl::TListItem*, cl::TListItem*, int, int&) {
        throw cl::EConvertError("bad number");
    });
    EXPECT_THROW(list->AlphaSort(), cl::EConvertError);
    EXPECT_EQ(list->ItemCount(), 3);
}

TEST_F(ViewTest, ListViewReportsSelectionChangesBothWays) {
    auto* list = new cl::TListView(form);
    list->SetParent(form);
    list->SetMultiSelect(true);
    form->Show();
    for (const char* caption : {"one", "two", "three"}) list->AddItem()->SetCaption(caption);
    std::vector<std::string> events;
    list->OnSelectItem = cl::TLVSelectItemEvent::FromFunction([&](cl::TObject*, cl::TListItem* item, bool selected) {
        events.push_back((item ? item->Caption() : std::string("?")) + (selected ? "+" : "-"));
    });
    list->Item(0)->SetSelected(true);
    list->Item(2)->SetSelected(true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->Selected(), list->Item(0));
    list->Item(0)->SetSelected(false);
    EXPECT_EQ(events, (std::vector<std::string>{"one+", "three+", "one-"}));
    EXPECT_EQ(list->FindCaption(0, "TW", true, true, false), list->Item(1));
    EXPECT_EQ(list->FindCaption(2, "one", false, true, false), nullptr);
    EXPECT_EQ(list->FindCaption(2, "one", false, true, true), list->Item(0));
    list->ClearItems();
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->Selected(), nullptr);
}

int NativeImage(cl::TListView& list, int index) {
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    SendMessageA(list.Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

// Both ways of holding the items: copied into the window, or handed to it as it asks.
TEST_F(ViewTest, ListViewFilledInOneUpdateShowsItemsAndKeepsTheSelectionOverASortAndADelete) {
    for (const bool ownerData : {false, true}) {
        SCOPED_TRACE(ownerData ? "owner data" : "items in the window");
        auto* list = new cl::TListView(form);
        list->SetParent(form);
        list->SetViewStyle(cl::TViewStyle::Report);
        list->SetMultiSelect(true);
        list->SetOwnerData(ownerData);
        for (const char* caption : {"Name", "Size"}) static_cast<cl::TListColumn*>(list->Columns()->Add())->SetCaption(caption);
        form->Show();
        std::vector<std::string> events;
        list->OnSelectItem = cl::TLVSelectItemEvent::FromFunction([&](cl::TObject*, cl::TListItem* item, bool selected) {
            events.push_back((item ? item->Caption() : std::string("?")) + (selected ? "+" : "-"));
        });

        list->BeginUpdate();
        for (auto [name, size, image] : {std::tuple{"b.txt", "10", 2}, {"c.txt", "9", 1}, {"a.txt", "100", 0}}) {
            cl::TListItem* item = list->AddItem();
            item->SetCaption(name);
            item->SetImageIndex(image);
            item->SubItems().Add(size);
        }
        list->EndUpdate();
        ASSERT_EQ(ListView_GetItemCount(list->Handle()), 3);
        EXPECT_EQ(NativeText(*list, 0, 0), "b.txt");
        EXPECT_EQ(NativeText(*list, 1, 1), "9");
        EXPECT_EQ(NativeImage(*list, 0), 2);

        cl::TListItem* b = list->Item(0);
        cl::TListItem* c = list->Item(1);
        b->SetSelected(true);
        c->SetFocused(true);
        events.clear();
        list->AlphaSort();  // by caption: a, b, c
        EXPECT_EQ(Captions(*list), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
        EXPECT_EQ(NativeText(*list, 2, 1), "9");
        EXPECT_EQ(NativeImage(*list, 0), 0);
        EXPECT_EQ(list->Selected(), b);
        EXPECT_EQ(list->SelCount(), 1);
        EXPECT_EQ(list->ItemFocused(), c);
        EXPECT_EQ(events, std::vector<std::string>{}) << "a sort selects nothing";

        list->Item(0)->Delete();
        EXPECT_EQ(b->Index(), 0);
        EXPECT_EQ(ListView_GetItemCount(list->Handle()), 2);
        EXPECT_EQ(NativeText(*list, 1, 0), "c.txt");
        EXPECT_EQ(list->Selected(), b);
        delete list;
    }
}

// The sort type decides which changes keep the list in the compare event's order; items added
// in an update are sorted once at its end, with the selection kept.
TEST_F(ViewTest, ListViewSortTypeKeepsTheOrderAsCaptionsOrDataChange) {
    const struct {
        cl::TSortType type;
        std::vector<std::string> afterCaptions;  // "b", "c", "a" added in that order
        std::vector<std::string> afterData;      // then "c" given data that sorts it first
    } cases[] = {
        {cl::TSortType::None, {"b", "c", "a"}, {"b", "c", "a"}},
        {cl::TSortType::Text, {"a", "b", "c"}, {"a", "b", "c"}},
        {cl::TSortType::Data, {"b", "c", "a"}, {"c", "a", "b"}},
        {cl::TSortType::Both, {"a", "b", "c"}, {"c", "a", "b"}},
    };
    for (const bool inUpdate : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(c.type) << (inUpdate ? " in an update" : ""));
            auto* list = new cl::TListView(form);
            list->SetParent(form);
            list->SetOwnerData(inUpdate);
            form->Show();
            // Items with data come first, then by caption.
            list->OnCompare = cl::TLVCompareEvent::FromFunction([](cl::TObject*, cl::TListItem* a, cl::TListItem* b, int, int& result) {
                result = (b->Data() != nullptr) - (a->Data() != nullptr);
                if (result == 0) result = cl::CompareText(a->Caption(), b->Caption());
            });
            list->SetSortType(c.type);
            if (inUpdate) list->BeginUpdate();
            for (const char* caption : {"b", "c", "a"}) list->AddItem()->SetCaption(caption);
            if (inUpdate) {
                list->Item(0)->SetSelected(true);  // "b", whichever place it takes
                list->EndUpdate();
                EXPECT_EQ(list->Selected()->Caption(), "b");
                EXPECT_EQ(list->SelCount(), 1);
            }
            EXPECT_EQ(Captions(*list), c.afterCaptions);
            list->FindCaption(0, "c", false, true, false)->SetData(list);
            EXPECT_EQ(Captions(*list), c.afterData);
            delete list;
        }
    }
}

TEST_F(ViewTest, TreeViewSortsByTextWalksAndFreesNodes) {
    auto* tree = new cl::TTreeView(form);
    tree->SetParent(form);
    tree->SetSortType(cl::TSortType::Text);
    form->Show();
    cl::TTreeNode* objects = tree->AddChild(nullptr, "objects");
    tree->AddChild(nullptr, "Bf1942");
    cl::TTreeNode* b = tree->AddChild(objects, "b");
    tree->AddChild(objects, "a");
    EXPECT_EQ(tree->GetFirstNode()->Text(), "Bf1942");
    EXPECT_EQ(objects->GetFirstChild()->Text(), "a");
    EXPECT_EQ(b->Parent(), objects);
    EXPECT_EQ(b->Level(), 1);
    EXPECT_EQ(objects->Count(), 2);

    std::vector<std::string> changes;
    tree->OnChange = cl::TTVChangedEvent::FromFunction([&](cl::TObject*, cl::TTreeNode* node) {
        changes.push_back(node ? node->Text() : "none");
    });
    b->SetSelected(true);
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(changes, std::vector<std::string>{"b"});

    objects->Delete();  // with its children
    EXPECT_EQ(tree->NodeCount(), 1);
    tree->ClearNodes();
    EXPECT_EQ(tree->NodeCount(), 0);
    EXPECT_EQ(tree->GetFirstNode(), nullptr);
}

std::vector<std::string> ChildTexts(cl::TTreeView& tree, cl::TTreeNode* parent) {
    std::vector<std::string> texts;
    for (cl::TTreeNode* n = parent ? parent->GetFirstChild() : tree.GetFirstNode(); n; n = n->GetNextSibling())
        texts.push_back(n->Text());
    return texts;
}

TEST_F(ViewTest, TreeViewAddsChildrenInOneBatchWhereAddChildWouldPutThem) {
    // Texts the control orders by its own rules (case, digits, punctuation, accented letters
    // in the ANSI code page), some equal to each other, added beside children already there.
    const std::vector<std::string> there = {"m", "Beta", "zz"};
    const std::vector<std::string> batch = {"beta", "Alpha", "alpha", "_under", "10", "9", "b-c", "bc",
                                            "Zeta", "\xC9mile", "\xE9mile", "emile", "m", "a"};
    for (const bool sorted : {true, false}) {
        SCOPED_TRACE(sorted ? "sorted by text" : "not sorted");
        auto* oneByOne = new cl::TTreeView(form);
        auto* inBatch = new cl::TTreeView(form);
        for (cl::TTreeView* tree : {oneByOne, inBatch}) {
            tree->SetParent(form);
            tree->SetSortType(sorted ? cl::TSortType::Text : cl::TSortType::None);
        }
        form->Show();
        for (cl::TTreeView* tree : {oneByOne, inBatch}) {
            cl::TTreeNode* parent = tree->AddChild(nullptr, "objects");
            for (const std::string& text : there) tree->AddChild(parent, text);
        }
        for (const std::string& text : batch) oneByOne->AddChild(oneByOne->GetFirstNode(), text);
        const std::vector<cl::TTreeNode*> nodes = inBatch->AddChildren(inBatch->GetFirstNode(), batch, 3, 4);

        EXPECT_EQ(ChildTexts(*inBatch, inBatch->GetFirstNode()), ChildTexts(*oneByOne, oneByOne->GetFirstNode()));
        ASSERT_EQ(nodes.size(), batch.size());
        for (size_t i = 0; i < batch.size(); ++i) {
            EXPECT_EQ(nodes[i]->Text(), batch[i]);
            EXPECT_EQ(nodes[i]->Parent(), inBatch->GetFirstNode());
            EXPECT_EQ(nodes[i]->ImageIndex(), 3);
            TVITEMA item = {};
            item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
            item.hItem = nodes[i]->ItemId();
            ASSERT_TRUE(TreeView_GetItem(inBatch->Handle(), &item));
            EXPECT_EQ(item.iImage, 3);
            EXPECT_EQ(item.iSelectedImage, 4);
        }
        // At the top level too.
        inBatch->AddChildren(nullptr, {"b", "A"}, 0, 0);
        oneByOne->AddChild(nullptr, "b");
        oneByOne->AddChild(nullptr, "A");
        EXPECT_EQ(ChildTexts(*inBatch, nullptr), ChildTexts(*oneByOne, nullptr));
        delete oneByOne;
        delete inBatch;
    }
}

}  // namespace
