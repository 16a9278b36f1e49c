#pragma once
// The tree view over the common controls. Nodes are objects of ours attached to the window's
// items, so they need the window: adding a node makes it (and its parents' windows) if need be.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "classlib/win/Control.h"
#include "classlib/win/ListView.h"

namespace cl {

class TTreeView;
class TCustomImageList;

class TTreeNode : public TObject {
public:
    TTreeNode(TTreeView* owner, HTREEITEM item) : owner_(owner), item_(item) {}

    HTREEITEM ItemId() const { return item_; }
    TTreeView* TreeView() const { return owner_; }
    std::string Text() const { return text_; }
    void SetText(const std::string& text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    TTreeNode* Parent() const;
    TTreeNode* GetFirstChild() const;
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    int Count() const;
    bool HasChildren() const { return GetFirstChild() != nullptr; }
    int Level() const;
    int Index() const;

    bool Selected() const;
    void SetSelected(bool selected);
    bool Expanded() const;
    void SetExpanded(bool expanded);
    void MakeVisible();
    // Removes the node with its children from the tree (and frees them).
    void Delete();

private:
    friend class TTreeView;
    TTreeView* owner_;
    HTREEITEM item_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    void* data_ = nullptr;
};

using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandingEvent = TEvent<TObject*, TTreeNode*, bool&>;

class TTreeView : public TControl {
    CL_CLASS_INFO()
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    // ---- nodes ----
    // Adds a node as the last child of parent (or at the top level); in a tree sorted by text,
    // at its sorted place.
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    // Adds a node after the last sibling of sibling.
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    // Adds a child of parent (or a top-level node) for each text, with these image indexes,
    // and returns the nodes in the order of texts. In a tree sorted by text they land where
    // AddChild would put them, but the texts are sorted once and merged with the children
    // there: filling a node with n children costs n log n comparisons, not n * n / 2.
    std::vector<TTreeNode*> AddChildren(TTreeNode* parent, const std::vector<std::string>& texts, int imageIndex,
                                        int selectedIndex);
    void ClearNodes();
    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    TTreeNode* GetFirstNode() const;
    TTreeNode* NodeFromItem(HTREEITEM item) const;
    void BeginUpdate();
    void EndUpdate();

    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    TTreeNode* GetNodeAt(int x, int y);

    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool v);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool v);
    // Pixels a child is indented from its parent; 0 keeps the control's own.
    int Indent() const { return indent_; }
    void SetIndent(int v);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool v);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool v);
    // Sorts the children of every node by text.
    void AlphaSort();

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandingEvent OnCollapsing;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTreeNode;
    bool SortedByText() const { return sortType_ == TSortType::Text || sortType_ == TSortType::Both; }
    TTreeNode* InsertNode(HTREEITEM parent, HTREEITEM after, const std::string& text, int imageIndex = -1,
                          int selectedIndex = -1);
    DWORD StyleBits() const;
    void ApplyStyle();

    std::unordered_map<HTREEITEM, std::unique_ptr<TTreeNode>> nodes_;
    TCustomImageList* images_ = nullptr;
    bool readOnly_ = false;
    TSortType sortType_ = TSortType::None;
    bool hideSelection_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    int indent_ = 0;
    bool showButtons_ = true;
    bool rowSelect_ = false;
    int updateCount_ = 0;
};

}  // namespace cl
