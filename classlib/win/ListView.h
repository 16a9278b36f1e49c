#pragma once
// The list view over the common controls: icon, list and report views, columns (each with a
// Tag), items with sub-items and images, multiple selection and sorting through a compare
// event. Items live here and are mirrored into the window, so they exist before it does.
// Items added between BeginUpdate and EndUpdate reach the window together at the end, each
// with all its texts in one pass.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Collection.h"
#include "classlib/core/StringList.h"
#include "classlib/win/Control.h"
#include "classlib/win/Panel.h"

namespace cl {

class TCustomImageList;
class TListView;

class TListColumn : public TCollectionItem {
    CL_CLASS_INFO()
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    int Width() const;
    void SetWidth(int v);
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

private:
    friend class TListView;
    TListView* ListView() const;
    int NativeWidth() const;
    std::string caption_;
    int width_ = 50;
    int tag_ = 0;
    TAlignment alignment_ = TAlignment::LeftJustify;
};

class TListColumns : public TCollection {
public:
    explicit TListColumns(TListView* listView);
    TListView* ListView() const { return listView_; }

private:
    TListView* listView_;
};

class TListItem : public TObject {
public:
    TListItem(TListView* owner) : owner_(owner) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Column texts after the first; change them through SetSubItem or before the item is added.
    TStringList& SubItems() { return subItems_; }
    void SetSubItem(int index, const std::string& text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Selected() const;
    void SetSelected(bool selected);
    bool Focused() const;
    void SetFocused(bool focused);
    int Index() const;
    void* Data() const { return data_; }
    void SetData(void* data);
    void MakeVisible();
    // Removes the item from its list view and frees it.
    void Delete();
    TListView* ListView() const { return owner_; }

private:
    friend class TListView;
    TListView* owner_;
    std::string caption_;
    TStringList subItems_;
    int imageIndex_ = -1;
    int index_ = -1;  // position in the list view's items
    void* data_ = nullptr;
};

enum class TViewStyle { Icon, SmallIcon, List, Report };
enum class TSortType { None, Data, Text, Both };
enum class TItemChange { Text, Image, State };

using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int, int&>;

class TListView : public TControl {
    CL_CLASS_INFO()
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    // ---- items ----
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    TListItem* AddItem();
    void DeleteItem(int index);
    void ClearItems();
    void BeginUpdate();
    void EndUpdate();
    // The first item (from start) whose caption equals text, or starts with it when partial.
    TListItem* FindCaption(int start, const std::string& text, bool partial, bool inclusive, bool wrap) const;

    // ---- selection ----
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int SelCount() const;
    TListItem* ItemFocused() const;
    TListItem* GetItemAt(int x, int y);

    // ---- columns and view ----
    TListColumns* Columns() { return &columns_; }
    TListColumn* Column(int index) { return columns_.Item<TListColumn>(index); }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    // The window holds no copy of the items and asks for what it shows: any number of items
    // show at once. Check boxes and label edits are not kept by such a window.
    bool OwnerData() const { return ownerData_; }
    void SetOwnerData(bool v);
    // Text and Both keep the list sorted (as AlphaSort sorts it) whenever an item's caption
    // changes, Data and Both whenever its data changes; None leaves the order to the program.
    // Within an update the list is sorted once, at its end.
    TSortType SortType() const { return sortType_; }
    void SetSortType(TSortType v);
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* images);
    TCustomImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TCustomImageList* images);

    // Sorts with OnCompare (or by caption without case when it is not assigned).
    void AlphaSort();
    void CustomSort(int data);

    TLVSelectItemEvent OnSelectItem;
    TLVChangingEvent OnChanging;
    TLVColumnClickEvent OnColumnClick;
    TLVCompareEvent OnCompare;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TListItem;
    friend class TListColumn;
    int NativeIndex(const TListItem* item) const;
    // Puts the items added during an update into the window.
    void InsertPending();
    void InsertNative(int index);
    void Renumber(size_t from);
    // An item's caption (text) or data changed: sorts again when the sort type asks for it.
    void ItemChanged(bool text);
    void SortOwnerData(const std::function<void()>& sortHeld);
    void GetDisplayInfo(LVITEMA& item) const;
    void UpdateNative(const TListItem* item);
    void RebuildColumns();
    void SetImageLists();
    void ApplyStyle();
    DWORD ViewStyleBits() const;

    std::vector<std::unique_ptr<TListItem>> items_;
    TListColumns columns_;
    TViewStyle viewStyle_ = TViewStyle::Icon;
    bool multiSelect_ = false;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    bool hideSelection_ = true;
    bool ownerData_ = false;
    TSortType sortType_ = TSortType::None;
    TCustomImageList* smallImages_ = nullptr;
    TCustomImageList* largeImages_ = nullptr;
    int updateCount_ = 0;
    bool sortPending_ = false;  // a change during the update calls for a sort at its end
    // Items [0, nativeCount_) are in the window; later ones wait for the end of the update.
    size_t nativeCount_ = 0;
    // Set while changes the user did not make (clearing, keeping the selection over a sort)
    // reach the window: they raise no events.
    bool quiet_ = false;
};

}  // namespace cl
