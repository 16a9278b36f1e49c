#include "classlib/win/TreeView.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/win/ImageList.h"

namespace cl {

namespace {
const TEnumNames kSortTypeNames{{{"stNone", 0}, {"stData", 1}, {"stText", 2}, {"stBoth", 3}}};
}

// ---- nodes ----

void TTreeNode::SetText(const std::string& text) {
    text_ = text;
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item_;
    tv.pszText = const_cast<char*>(text_.c_str());
    SendMessageA(owner_->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNode::SetImageIndex(int index) {
    imageIndex_ = index;
    TVITEMA tv = {};
    tv.mask = TVIF_IMAGE;
    tv.hItem = item_;
    tv.iImage = index;
    SendMessageA(owner_->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNode::SetSelectedIndex(int index) {
    selectedIndex_ = index;
    TVITEMA tv = {};
    tv.mask = TVIF_SELECTEDIMAGE;
    tv.hItem = item_;
    tv.iSelectedImage = index;
    SendMessageA(owner_->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

TTreeNode* TTreeNode::Parent() const { return owner_->NodeFromItem(TreeView_GetParent(owner_->Handle(), item_)); }

TTreeNode* TTreeNode::GetFirstChild() const { return owner_->NodeFromItem(TreeView_GetChild(owner_->Handle(), item_)); }

TTreeNode* TTreeNode::GetNextSibling() const { return owner_->NodeFromItem(TreeView_GetNextSibling(owner_->Handle(), item_)); }

TTreeNode* TTreeNode::GetPrevSibling() const { return owner_->NodeFromItem(TreeView_GetPrevSibling(owner_->Handle(), item_)); }

int TTreeNode::Count() const {
    int count = 0;
    for (TTreeNode* child = GetFirstChild(); child; child = child->GetNextSibling()) ++count;
    return count;
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
    return level;
}

int TTreeNode::Index() const {
    int index = 0;
    for (TTreeNode* s = GetPrevSibling(); s; s = s->GetPrevSibling()) ++index;
    return index;
}

bool TTreeNode::Selected() const { return TreeView_GetSelection(owner_->Handle()) == item_; }

void TTreeNode::SetSelected(bool selected) {
    if (selected) TreeView_SelectItem(owner_->Handle(), item_);
    else if (Selected()) TreeView_SelectItem(owner_->Handle(), nullptr);
}

bool TTreeNode::Expanded() const {
    return (TreeView_GetItemState(owner_->Handle(), item_, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool expanded) { TreeView_Expand(owner_->Handle(), item_, expanded ? TVE_EXPAND : TVE_COLLAPSE); }

void TTreeNode::MakeVisible() { TreeView_EnsureVisible(owner_->Handle(), item_); }

void TTreeNode::Delete() { TreeView_DeleteItem(owner_->Handle(), item_); }  // TVN_DELETEITEM frees us

// ---- tree view ----

const TClassInfo& TTreeView::StaticClass() {
    static const auto info = TClassBuilder<TTreeView>("TTreeView", TControl::StaticClass())
                                 .Creatable()
                                 .Ref<TCustomImageList>("Images", &TTreeView::Images, &TTreeView::SetImages)
                                 .Bool("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly)
                                 .Enum<TSortType>("SortType", &TTreeView::SortType, &TTreeView::SetSortType, kSortTypeNames)
                                 .Bool("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection)
                                 .Bool("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines)
                                 .Bool("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot)
                                 .Int("Indent", &TTreeView::Indent, &TTreeView::SetIndent)
                                 .Bool("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons)
                                 .Bool("RowSelect", &TTreeView::RowSelect, &TTreeView::SetRowSelect)
                                 .Event("OnChange", &TTreeView::OnChange)
                                 .Event("OnChanging", &TTreeView::OnChanging)
                                 .Event("OnExpanding", &TTreeView::OnExpanding)
                                 .Event("OnCollapsing", &TTreeView::OnCollapsing)
                                 .Build();
    return *info;
}

TTreeView::TTreeView(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

TTreeView::~TTreeView() {
    Destroying();
    DestroyHandle();  // TVN_DELETEITEM no longer reaches us while we are destroyed
    nodes_.clear();
}

DWORD TTreeView::StyleBits() const {
    DWORD bits = 0;
    if (!readOnly_) bits |= TVS_EDITLABELS;
    if (!hideSelection_) bits |= TVS_SHOWSELALWAYS;
    if (showLines_) bits |= TVS_HASLINES;
    if (showRoot_) bits |= TVS_LINESATROOT;
    if (showButtons_) bits |= TVS_HASBUTTONS;
    if (rowSelect_) bits |= TVS_FULLROWSELECT;
    return bits;
}

void TTreeView::ApplyStyle() {
    if (!HandleAllocated()) return;
    const DWORD managed = TVS_EDITLABELS | TVS_SHOWSELALWAYS | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_FULLROWSELECT;
    const DWORD style = (static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)) & ~managed) | StyleBits();
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(style));
    Invalidate();
}

void TTreeView::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = WC_TREEVIEWA;
    params.standardClass = true;
    params.exStyle = WS_EX_CLIENTEDGE;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= StyleBits();
}

void TTreeView::InitializeWnd() {
    nodes_.clear();  // a new window has no items
    if (images_) TreeView_SetImageList(Handle(), images_->Handle(), TVSIL_NORMAL);
    if (indent_ > 0) TreeView_SetIndent(Handle(), indent_);
}

void TTreeView::SetIndent(int v) {
    indent_ = v;
    if (HandleAllocated() && v > 0) TreeView_SetIndent(Handle(), v);
}

void TTreeView::SetImages(TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
    if (HandleAllocated()) TreeView_SetImageList(Handle(), images ? images->Handle() : nullptr, TVSIL_NORMAL);
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::Remove && component == images_) {
        images_ = nullptr;
        if (HandleAllocated() && !IsDestroying()) TreeView_SetImageList(Handle(), nullptr, TVSIL_NORMAL);
    }
}

void TTreeView::SetReadOnly(bool v) {
    readOnly_ = v;
    ApplyStyle();
}

void TTreeView::SetSortType(TSortType v) {
    if (v == sortType_) return;
    sortType_ = v;
    if (v == TSortType::Text || v == TSortType::Both) AlphaSort();
}

void TTreeView::SetHideSelection(bool v) {
    hideSelection_ = v;
    ApplyStyle();
}

void TTreeView::SetShowLines(bool v) {
    showLines_ = v;
    ApplyStyle();
}

void TTreeView::SetShowRoot(bool v) {
    showRoot_ = v;
    ApplyStyle();
}

void TTreeView::SetShowButtons(bool v) {
    showButtons_ = v;
    ApplyStyle();
}

void TTreeView::SetRowSelect(bool v) {
    rowSelect_ = v;
    ApplyStyle();
}

TTreeNode* TTreeView::InsertNode(HTREEITEM parent, HTREEITEM after, const std::string& text, int imageIndex,
                                 int selectedIndex) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = imageIndex;
    insert.item.iSelectedImage = selectedIndex;
    auto node = std::make_unique<TTreeNode>(this, nullptr);
    insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item) throw Exception("Cannot add the node " + text + " to " + Name());
    node->item_ = item;
    node->text_ = text;
    node->imageIndex_ = imageIndex;
    node->selectedIndex_ = selectedIndex;
    TTreeNode* result = node.get();
    nodes_[item] = std::move(node);
    return result;
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::string& text) {
    return InsertNode(parent ? parent->item_ : TVI_ROOT, SortedByText() ? TVI_SORT : TVI_LAST, text);
}

TTreeNode* TTreeView::Add(TTreeNode* sibling, const std::string& text) {
    TTreeNode* parent = sibling ? sibling->Parent() : nullptr;
    return InsertNode(parent ? parent->item_ : TVI_ROOT, SortedByText() ? TVI_SORT : TVI_LAST, text);
}

std::vector<TTreeNode*> TTreeView::AddChildren(TTreeNode* parent, const std::vector<std::string>& texts, int imageIndex,
                                               int selectedIndex) {
    const HTREEITEM parentItem = parent ? parent->item_ : TVI_ROOT;
    std::vector<TTreeNode*> nodes(texts.size());
    if (!SortedByText()) {
        for (size_t i = 0; i < texts.size(); ++i) nodes[i] = InsertNode(parentItem, TVI_LAST, texts[i], imageIndex, selectedIndex);
        return nodes;
    }
    // The control's own order for TVI_SORT: by lstrcmpi, a new node before the siblings equal
    // to it, so of equal texts the one added last comes first.
    // Sorted by the texts' sort keys, which order as lstrcmpi does, at a small part of its cost.
    std::vector<std::string> keys(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const int length = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, texts[i].c_str(), -1, nullptr, 0);
        keys[i].resize(size_t(std::max(length, 1)));
        LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, texts[i].c_str(), -1, &keys[i][0], length);
    }
    std::vector<size_t> order(texts.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int compare = std::strcmp(keys[a].c_str(), keys[b].c_str());
        return compare != 0 ? compare < 0 : a > b;
    });
    HTREEITEM after = TVI_FIRST;
    HTREEITEM next = parent ? TreeView_GetChild(Handle(), parentItem) : TreeView_GetRoot(Handle());
    for (const size_t i : order) {
        for (; next; next = TreeView_GetNextSibling(Handle(), next)) {
            const TTreeNode* sibling = NodeFromItem(next);
            if (sibling && lstrcmpiA(sibling->text_.c_str(), texts[i].c_str()) >= 0) break;
            after = next;
        }
        // Past the children there already, TVI_LAST: the control checks a given item by a
        // search through all its items.
        nodes[i] = InsertNode(parentItem, next ? after : TVI_LAST, texts[i], imageIndex, selectedIndex);
        after = nodes[i]->item_;
    }
    return nodes;
}

void TTreeView::ClearNodes() {
    if (HandleAllocated()) TreeView_DeleteAllItems(Handle());
    nodes_.clear();
}

TTreeNode* TTreeView::GetFirstNode() const { return NodeFromItem(TreeView_GetRoot(const_cast<TTreeView*>(this)->Handle())); }

TTreeNode* TTreeView::NodeFromItem(HTREEITEM item) const {
    if (!item) return nullptr;
    auto it = nodes_.find(item);
    return it == nodes_.end() ? nullptr : it->second.get();
}

void TTreeView::BeginUpdate() {
    if (updateCount_++ == 0 && HandleAllocated()) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeView::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && HandleAllocated()) {
        SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
        Invalidate();
    }
}

TTreeNode* TTreeView::Selected() const {
    if (!HandleAllocated()) return nullptr;
    return NodeFromItem(TreeView_GetSelection(const_cast<TTreeView*>(this)->Handle()));
}

void TTreeView::SetSelected(TTreeNode* node) { TreeView_SelectItem(Handle(), node ? node->item_ : nullptr); }

TTreeNode* TTreeView::TopItem() const {
    if (!HandleAllocated()) return nullptr;
    return NodeFromItem(TreeView_GetFirstVisible(const_cast<TTreeView*>(this)->Handle()));
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) {
    TVHITTESTINFO hit = {};
    hit.pt = {x, y};
    HTREEITEM item = TreeView_HitTest(Handle(), &hit);
    return (hit.flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON)) ? NodeFromItem(item) : nullptr;
}

void TTreeView::AlphaSort() {
    if (!HandleAllocated()) return;
    // Every level: the root's children, then each node's, walking the whole tree.
    std::vector<HTREEITEM> pending{TVI_ROOT};
    while (!pending.empty()) {
        HTREEITEM parent = pending.back();
        pending.pop_back();
        TreeView_SortChildren(Handle(), parent, FALSE);
        for (HTREEITEM child = TreeView_GetChild(Handle(), parent); child; child = TreeView_GetNextSibling(Handle(), child))
            pending.push_back(child);
    }
}

bool TTreeView::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW: {
            auto* nm = reinterpret_cast<NMTREEVIEWA*>(header);
            OnChange(this, NodeFromItem(nm->itemNew.hItem));
            return true;
        }
        case TVN_SELCHANGINGA:
        case TVN_SELCHANGINGW: {
            auto* nm = reinterpret_cast<NMTREEVIEWA*>(header);
            bool allow = true;
            OnChanging(this, NodeFromItem(nm->itemNew.hItem), allow);
            result = allow ? FALSE : TRUE;
            return true;
        }
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW: {
            auto* nm = reinterpret_cast<NMTREEVIEWA*>(header);
            bool allow = true;
            (nm->action & TVE_EXPAND ? OnExpanding : OnCollapsing)(this, NodeFromItem(nm->itemNew.hItem), allow);
            result = allow ? FALSE : TRUE;
            return true;
        }
        case TVN_DELETEITEMA:
        case TVN_DELETEITEMW: {
            auto* nm = reinterpret_cast<NMTREEVIEWA*>(header);
            nodes_.erase(nm->itemOld.hItem);
            return true;
        }
        case NM_RCLICK:
            // The tree view takes the right button's release itself, so DefWindowProc never
            // turns it into WM_CONTEXTMENU; Windows' tree view sends one after NM_RCLICK, Wine's
            // does not. The popup menu is asked for here, and the non-zero result keeps Windows'
            // tree view from asking a second time.
            Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), static_cast<LPARAM>(GetMessagePos()));
            result = 1;
            return true;
        default:
            return false;
    }
}

}  // namespace cl
