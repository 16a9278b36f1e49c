#include "classlib/win/ListView.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/ImageList.h"

namespace cl {

namespace {

const TEnumNames kViewStyleNames{{{"vsIcon", 0}, {"vsSmallIcon", 1}, {"vsList", 2}, {"vsReport", 3}}};
const TEnumNames kSortTypeNames{{{"stNone", 0}, {"stData", 1}, {"stText", 2}, {"stBoth", 3}}};

struct SortContext {
    TListView* listView;
    int data;
    std::exception_ptr error;
};

int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM context) {
    auto* sort = reinterpret_cast<SortContext*>(context);
    if (sort->error) return 0;
    try {
        auto* first = reinterpret_cast<TListItem*>(a);
        auto* second = reinterpret_cast<TListItem*>(b);
        int result = 0;
        if (sort->listView->OnCompare) sort->listView->OnCompare(sort->listView, first, second, sort->data, result);
        else result = CompareText(first->Caption(), second->Caption());
        return result;
    } catch (...) {
        sort->error = std::current_exception();  // raised again once the sort is over
        return 0;
    }
}

}  // namespace

// ---- columns ----

const TClassInfo& TListColumn::StaticClass() {
    static const auto info = TClassBuilder<TListColumn>("TListColumn", TCollectionItem::StaticClass())
                                 .Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
                                 .Int("Width", &TListColumn::Width, &TListColumn::SetWidth)
                                 .Int("Tag", &TListColumn::Tag, &TListColumn::SetTag)
                                 .Enum<TAlignment>("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment, kAlignmentNames)
                                 .Build();
    return *info;
}

TListColumns::TListColumns(TListView* listView)
    : TCollection([] { return std::make_unique<TListColumn>(); }), listView_(listView) {}

TListView* TListColumn::ListView() const {
    auto* columns = dynamic_cast<TListColumns*>(Collection());
    return columns ? columns->ListView() : nullptr;
}

int TListColumn::NativeWidth() const {
    TListView* lv = ListView();
    if (!lv || !lv->HandleAllocated()) return width_;
    return static_cast<int>(SendMessageA(lv->Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
}

int TListColumn::Width() const { return NativeWidth(); }

void TListColumn::SetCaption(const std::string& v) {
    caption_ = v;
    Changed();
}

void TListColumn::SetWidth(int v) {
    width_ = v;
    Changed();
}

void TListColumn::SetAlignment(TAlignment v) {
    alignment_ = v;
    Changed();
}

// ---- items ----

void TListItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    owner_->UpdateNative(this);
    owner_->ItemChanged(true);
}

void TListItem::SetData(void* data) {
    if (data == data_) return;
    data_ = data;
    owner_->ItemChanged(false);
}

void TListItem::SetSubItem(int index, const std::string& text) {
    while (subItems_.Count() <= index) subItems_.Add("");
    subItems_.Put(index, text);
}

void TListItem::SetImageIndex(int index) {
    imageIndex_ = index;
    owner_->UpdateNative(this);
}

int TListItem::Index() const { return owner_->NativeIndex(this); }

bool TListItem::Selected() const {
    if (!owner_->HandleAllocated()) return false;
    owner_->InsertPending();
    return ListView_GetItemState(owner_->Handle(), Index(), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool selected) {
    owner_->InsertPending();
    ListView_SetItemState(owner_->Handle(), Index(), selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

bool TListItem::Focused() const {
    if (!owner_->HandleAllocated()) return false;
    owner_->InsertPending();
    return ListView_GetItemState(owner_->Handle(), Index(), LVIS_FOCUSED) != 0;
}

void TListItem::SetFocused(bool focused) {
    owner_->InsertPending();
    ListView_SetItemState(owner_->Handle(), Index(), focused ? LVIS_FOCUSED : 0, LVIS_FOCUSED);
}

void TListItem::MakeVisible() {
    owner_->InsertPending();
    ListView_EnsureVisible(owner_->Handle(), Index(), FALSE);
}

void TListItem::Delete() { owner_->DeleteItem(Index()); }

// ---- list view ----

const TClassInfo& TListView::StaticClass() {
    static const auto info = TClassBuilder<TListView>("TListView", TControl::StaticClass())
                                 .Creatable()
                                 .Collection("Columns", &TListView::Columns)
                                 .Enum<TViewStyle>("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle, kViewStyleNames)
                                 .Bool("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect)
                                 .Bool("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly)
                                 .Bool("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect)
                                 .Bool("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection)
                                 .Bool("OwnerData", &TListView::OwnerData, &TListView::SetOwnerData)
                                 .Enum<TSortType>("SortType", &TListView::SortType, &TListView::SetSortType, kSortTypeNames)
                                 .Ref<TCustomImageList>("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages)
                                 .Ref<TCustomImageList>("LargeImages", &TListView::LargeImages, &TListView::SetLargeImages)
                                 .Event("OnSelectItem", &TListView::OnSelectItem)
                                 .Event("OnChanging", &TListView::OnChanging)
                                 .Event("OnColumnClick", &TListView::OnColumnClick)
                                 .Event("OnCompare", &TListView::OnCompare)
                                 .Build();
    return *info;
}

TListView::TListView(TComponent* owner) : TControl(owner), columns_(this) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
    columns_.OnUpdate = [this](TCollectionItem*) { RebuildColumns(); };
}

TListView::~TListView() {
    Destroying();
    DestroyHandle();  // the window goes first: it must not call back into freed items
}

void TListView::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = WC_LISTVIEWA;
    params.standardClass = true;
    params.exStyle = WS_EX_CLIENTEDGE;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= ViewStyleBits();
}

DWORD TListView::ViewStyleBits() const {
    DWORD bits = LVS_SHAREIMAGELISTS;
    switch (viewStyle_) {
        case TViewStyle::Icon: bits |= LVS_ICON; break;
        case TViewStyle::SmallIcon: bits |= LVS_SMALLICON; break;
        case TViewStyle::List: bits |= LVS_LIST; break;
        case TViewStyle::Report: bits |= LVS_REPORT; break;
    }
    if (!multiSelect_) bits |= LVS_SINGLESEL;
    if (!readOnly_) bits |= LVS_EDITLABELS;
    if (!hideSelection_) bits |= LVS_SHOWSELALWAYS;
    if (ownerData_) bits |= LVS_OWNERDATA;
    return bits;
}

void TListView::ApplyStyle() {
    if (!HandleAllocated()) return;
    const DWORD managed = LVS_TYPEMASK | LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS;
    const DWORD style = (static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)) & ~managed) | (ViewStyleBits() & managed);
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(style));
    ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_FULLROWSELECT, rowSelect_ ? LVS_EX_FULLROWSELECT : 0);
    Invalidate();
}

void TListView::InitializeWnd() {
    ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_FULLROWSELECT, rowSelect_ ? LVS_EX_FULLROWSELECT : 0);
    SetImageLists();
    RebuildColumns();
    nativeCount_ = 0;
    InsertPending();
}

void TListView::SetViewStyle(TViewStyle style) {
    if (style == viewStyle_) return;
    viewStyle_ = style;
    ApplyStyle();
}

void TListView::SetMultiSelect(bool v) {
    multiSelect_ = v;
    ApplyStyle();
}

void TListView::SetReadOnly(bool v) {
    readOnly_ = v;
    ApplyStyle();
}

void TListView::SetRowSelect(bool v) {
    rowSelect_ = v;
    ApplyStyle();
}

void TListView::SetHideSelection(bool v) {
    hideSelection_ = v;
    ApplyStyle();
}

void TListView::SetOwnerData(bool v) {
    if (v == ownerData_) return;
    ownerData_ = v;
    RecreateWnd();  // the style holds only from the window's creation
}

void TListView::SetSortType(TSortType v) {
    if (v == sortType_) return;
    sortType_ = v;
    if (v != TSortType::None) AlphaSort();
}

void TListView::ItemChanged(bool text) {
    const bool sorts = sortType_ == TSortType::Both || sortType_ == (text ? TSortType::Text : TSortType::Data);
    if (!sorts) return;
    if (updateCount_ > 0) sortPending_ = true;
    else AlphaSort();
}

void TListView::SetSmallImages(TCustomImageList* images) {
    if (smallImages_) RemoveFreeNotification(smallImages_);
    smallImages_ = images;
    if (images) FreeNotification(images);
    SetImageLists();
}

void TListView::SetLargeImages(TCustomImageList* images) {
    if (largeImages_) RemoveFreeNotification(largeImages_);
    largeImages_ = images;
    if (images) FreeNotification(images);
    SetImageLists();
}

void TListView::SetImageLists() {
    if (!HandleAllocated()) return;
    ListView_SetImageList(Handle(), smallImages_ ? smallImages_->Handle() : nullptr, LVSIL_SMALL);
    ListView_SetImageList(Handle(), largeImages_ ? largeImages_->Handle() : nullptr, LVSIL_NORMAL);
}

void TListView::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation != TOperation::Remove) return;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == largeImages_) largeImages_ = nullptr;
    if (!IsDestroying() && (component == smallImages_ || component == largeImages_)) SetImageLists();
}

void TListView::RebuildColumns() {
    if (!HandleAllocated()) return;
    while (ListView_DeleteColumn(Handle(), 0)) {
    }
    for (int i = 0; i < columns_.Count(); ++i) {
        TListColumn* column = Column(i);
        LVCOLUMNA c = {};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        c.pszText = const_cast<char*>(column->caption_.c_str());
        c.cx = column->width_;
        c.fmt = column->alignment_ == TAlignment::Center ? LVCFMT_CENTER : column->alignment_ == TAlignment::RightJustify ? LVCFMT_RIGHT : LVCFMT_LEFT;
        c.iSubItem = i;
        SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&c));
    }
}

int TListView::NativeIndex(const TListItem* item) const {
    const size_t index = static_cast<size_t>(item->index_);
    return index < items_.size() && items_[index].get() == item ? item->index_ : -1;
}

void TListView::Renumber(size_t from) {
    for (size_t i = from; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i);
}

void TListView::InsertPending() {
    if (!HandleAllocated() || nativeCount_ >= items_.size()) return;
    if (ownerData_) {
        // The window only learns the count; it asks for what it shows.
        ListView_SetItemCountEx(Handle(), static_cast<int>(items_.size()), LVSICF_NOSCROLL);
        nativeCount_ = items_.size();
        return;
    }
    // Room for all of them at once rather than growing item by item.
    ListView_SetItemCountEx(Handle(), static_cast<int>(items_.size()), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    while (nativeCount_ < items_.size()) InsertNative(static_cast<int>(nativeCount_));
}

void TListView::InsertNative(int index) {
    TListItem* item = items_[static_cast<size_t>(index)].get();
    LVITEMA lv = {};
    lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    lv.iItem = index;
    lv.pszText = const_cast<char*>(item->caption_.c_str());
    lv.iImage = item->imageIndex_;
    lv.lParam = reinterpret_cast<LPARAM>(item);
    SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
    ++nativeCount_;
    for (int i = 0; i < item->subItems_.Count(); ++i) {
        const std::string& text = item->subItems_[i];
        ListView_SetItemText(Handle(), index, i + 1, const_cast<char*>(text.c_str()));
    }
}

void TListView::UpdateNative(const TListItem* item) {
    if (!HandleAllocated()) return;
    const int index = NativeIndex(item);
    // An item still waiting for the end of the update goes in with what it holds then.
    if (index < 0 || static_cast<size_t>(index) >= nativeCount_) return;
    if (ownerData_) {
        ListView_RedrawItems(Handle(), index, index);
        return;
    }
    ListView_SetItemText(Handle(), index, 0, const_cast<char*>(item->caption_.c_str()));
    LVITEMA lv = {};
    lv.mask = LVIF_IMAGE;
    lv.iItem = index;
    lv.iImage = item->imageIndex_;
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
    for (int i = 0; i < item->subItems_.Count(); ++i) {
        const std::string text = item->subItems_[i];
        ListView_SetItemText(Handle(), index, i + 1, const_cast<char*>(text.c_str()));
    }
}

TListItem* TListView::AddItem() {
    items_.push_back(std::make_unique<TListItem>(this));
    TListItem* item = items_.back().get();
    item->index_ = static_cast<int>(items_.size()) - 1;
    item->subItems_.OnChange = TNotifyEvent::FromFunction([this, item](TObject*) { UpdateNative(item); });
    if (updateCount_ == 0) InsertPending();
    return item;
}

void TListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    InsertPending();
    if (HandleAllocated()) {
        ListView_DeleteItem(Handle(), index);
        --nativeCount_;
    }
    items_.erase(items_.begin() + index);
    Renumber(static_cast<size_t>(index));
}

void TListView::ClearItems() {
    quiet_ = true;
    if (HandleAllocated()) ListView_DeleteAllItems(Handle());
    quiet_ = false;
    nativeCount_ = 0;
    items_.clear();
}

void TListView::BeginUpdate() {
    if (updateCount_++ == 0 && HandleAllocated()) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ > 0) return;
    const auto redraw = [this] {
        if (!HandleAllocated()) return;
        InsertPending();
        SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
        Invalidate();
    };
    if (sortPending_) {
        sortPending_ = false;
        try {
            AlphaSort();
        } catch (...) {
            redraw();
            throw;
        }
    }
    redraw();
}

TListItem* TListView::FindCaption(int start, const std::string& text, bool partial, bool inclusive, bool wrap) const {
    const int count = ItemCount();
    if (count == 0) return nullptr;
    int first = inclusive ? start : start + 1;
    for (int n = 0; n < count; ++n) {
        int i = first + n;
        if (i >= count) {
            if (!wrap) break;
            i -= count;
        }
        const std::string& caption = items_[static_cast<size_t>(i)]->caption_;
        if (partial ? CompareText(caption.substr(0, text.size()), text) == 0 : SameText(caption, text))
            return items_[static_cast<size_t>(i)].get();
    }
    return nullptr;
}

TListItem* TListView::Selected() const {
    if (!HandleAllocated()) return nullptr;
    const_cast<TListView*>(this)->InsertPending();
    const int index = ListView_GetNextItem(const_cast<TListView*>(this)->Handle(), -1, LVNI_SELECTED);
    return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

void TListView::SetSelected(TListItem* item) {
    if (!HandleAllocated()) return;
    InsertPending();
    ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED);
    if (item) item->SetSelected(true);
}

int TListView::SelCount() const {
    if (!HandleAllocated()) return 0;
    return static_cast<int>(ListView_GetSelectedCount(const_cast<TListView*>(this)->Handle()));
}

TListItem* TListView::ItemFocused() const {
    if (!HandleAllocated()) return nullptr;
    const_cast<TListView*>(this)->InsertPending();
    const int index = ListView_GetNextItem(const_cast<TListView*>(this)->Handle(), -1, LVNI_FOCUSED);
    return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

TListItem* TListView::GetItemAt(int x, int y) {
    InsertPending();
    LVHITTESTINFO hit = {};
    hit.pt = {x, y};
    const int index = ListView_HitTest(Handle(), &hit);
    return index >= 0 && index < ItemCount() && (hit.flags & LVHT_ONITEM) ? items_[static_cast<size_t>(index)].get() : nullptr;
}

void TListView::AlphaSort() { CustomSort(0); }

void TListView::CustomSort(int data) {
    SortContext context{this, data, nullptr};
    const auto sortHeld = [&] {
        std::stable_sort(items_.begin(), items_.end(), [&](const auto& a, const auto& b) {
            return CompareItems(reinterpret_cast<LPARAM>(a.get()), reinterpret_cast<LPARAM>(b.get()),
                                reinterpret_cast<LPARAM>(&context)) < 0;
        });
    };
    if (!HandleAllocated()) {
        sortHeld();
    } else if (ownerData_) {
        SortOwnerData(sortHeld);
    } else {
        InsertPending();
        ListView_SortItems(Handle(), &CompareItems, reinterpret_cast<LPARAM>(&context));
        // Take the window's new order: a permutation of the items held.
        std::vector<TListItem*> order(items_.size());
        for (size_t i = 0; i < order.size(); ++i) {
            LVITEMA lv = {};
            lv.mask = LVIF_PARAM;
            lv.iItem = static_cast<int>(i);
            SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
            order[i] = reinterpret_cast<TListItem*>(lv.lParam);
        }
        for (std::unique_ptr<TListItem>& item : items_) item.release();
        for (size_t i = 0; i < order.size(); ++i) items_[i].reset(order[i]);
    }
    Renumber(0);
    if (context.error) std::rethrow_exception(context.error);
}

void TListView::SortOwnerData(const std::function<void()>& sortHeld) {
    InsertPending();
    // The window keeps selection and focus by position: they move with their items, quietly,
    // as a sort changes no item's selection.
    std::vector<TListItem*> selected;
    for (int i = ListView_GetNextItem(Handle(), -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(Handle(), i, LVNI_SELECTED))
        selected.push_back(Item(i));
    const int focusedIndex = ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED);
    TListItem* focused = focusedIndex >= 0 && focusedIndex < ItemCount() ? Item(focusedIndex) : nullptr;
    sortHeld();
    Renumber(0);
    quiet_ = true;
    ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (TListItem* item : selected) ListView_SetItemState(Handle(), item->index_, LVIS_SELECTED, LVIS_SELECTED);
    if (focused) ListView_SetItemState(Handle(), focused->index_, LVIS_FOCUSED, LVIS_FOCUSED);
    quiet_ = false;
    Invalidate();
}

void TListView::GetDisplayInfo(LVITEMA& item) const {
    if (item.iItem < 0 || item.iItem >= ItemCount()) return;
    const TListItem& held = *items_[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_IMAGE) item.iImage = held.imageIndex_;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::string text = item.iSubItem == 0 ? held.caption_
                                 : item.iSubItem <= held.subItems_.Count() ? held.subItems_[item.iSubItem - 1]
                                                                          : std::string();
        const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
        std::memcpy(item.pszText, text.data(), length);
        item.pszText[length] = '\0';
    }
    if (item.mask & LVIF_PARAM) item.lParam = reinterpret_cast<LPARAM>(&held);
}

bool TListView::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case LVN_GETDISPINFOA: {
            if (!ownerData_) return false;
            GetDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(header)->item);
            return true;
        }
        case LVN_GETDISPINFOW: {
            if (!ownerData_) return false;
            LVITEMW& wide = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
            char text[1024] = "";
            LVITEMA narrow = {};
            narrow.mask = wide.mask;
            narrow.iItem = wide.iItem;
            narrow.iSubItem = wide.iSubItem;
            narrow.pszText = text;
            narrow.cchTextMax = sizeof(text);
            GetDisplayInfo(narrow);
            if (narrow.mask & LVIF_IMAGE) wide.iImage = narrow.iImage;
            if ((wide.mask & LVIF_TEXT) && wide.pszText && wide.cchTextMax > 0 &&
                !MultiByteToWideChar(CP_ACP, 0, text, -1, wide.pszText, wide.cchTextMax))
                wide.pszText[0] = L'\0';
            return true;
        }
        case LVN_ODFINDITEMA: {
            // Typing a name jumps to the first item whose caption starts with it.
            if (!ownerData_) return false;
            auto* find = reinterpret_cast<NMLVFINDITEMA*>(header);
            result = -1;
            if ((find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz) {
                const TListItem* found = FindCaption(find->iStart, find->lvfi.psz, (find->lvfi.flags & LVFI_PARTIAL) != 0,
                                                     true, (find->lvfi.flags & LVFI_WRAP) != 0);
                if (found) result = found->index_;
            }
            return true;
        }
        case LVN_ODSTATECHANGED: {
            auto* nm = reinterpret_cast<NMLVODSTATECHANGE*>(header);
            if (!((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED) || quiet_) return false;
            TListItem* item = nm->iFrom >= 0 && nm->iFrom < ItemCount() ? Item(nm->iFrom) : nullptr;
            OnSelectItem(this, item, (nm->uNewState & LVIS_SELECTED) != 0);
            return true;
        }
        case LVN_ITEMCHANGING: {
            auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
            if (!(nm->uChanged & LVIF_STATE) || !OnChanging || quiet_) return false;
            TListItem* item = nm->iItem >= 0 && nm->iItem < ItemCount() ? Item(nm->iItem) : nullptr;
            bool allow = true;
            OnChanging(this, item, TItemChange::State, allow);
            result = allow ? FALSE : TRUE;
            return true;
        }
        case LVN_ITEMCHANGED: {
            auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
            if (!(nm->uChanged & LVIF_STATE) || !((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED) || quiet_) return false;
            TListItem* item = nm->iItem >= 0 && nm->iItem < ItemCount() ? Item(nm->iItem) : nullptr;
            OnSelectItem(this, item, (nm->uNewState & LVIS_SELECTED) != 0);
            return true;
        }
        case LVN_COLUMNCLICK: {
            auto* nm = reinterpret_cast<NMLISTVIEW*>(header);
            if (nm->iSubItem >= 0 && nm->iSubItem < columns_.Count()) OnColumnClick(this, Column(nm->iSubItem));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace cl
