#pragma once
// The framed list view: the list view of the class library with the library's framing model
// (a non-client frame, colours that follow focus and the enabled state, a frame controller),
// and report-view conveniences: the last column stretched to the client width, sorting by a
// clicked column with a sort mark in the header (the header's own on common controls 6, arrows
// drawn here before that), label editing only from the label in row-select mode, check-box
// events, item context menus and wheel scrolling by pixels. The shell list derives from it.

#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Menus.h"
#include "controls/basic/MwFramedControl.h"

// (Sender, Item, Checked, Allow): asked before a check box changes; Allow starts true.
using TMwLvItemCheckingEvent = cl::TEvent<cl::TObject*, cl::TListItem*, bool, bool&>;
// (Sender, Item): after a check box changed.
using TMwLvItemCheckedEvent = cl::TEvent<cl::TObject*, cl::TListItem*>;
// (Sender, Item, Pos, Menu): the handler may move the menu (client coordinates), swap it, or
// suppress it by setting it to none.
using TMwLvItemContextMenuEvent = cl::TEvent<cl::TObject*, cl::TListItem*, cl::TPoint&, cl::TPopupMenu*&>;

// How the sorted column is marked: none but the header's own mark, an arrow before the
// caption, an arrow after the caption (the header's own mark on common controls 6), or an
// arrow at the column's right end.
enum : int { kSortIndicatorNative = 0, kSortIndicatorLeft = 1, kSortIndicatorAfterCaption = 2, kSortIndicatorRight = 3 };

class TMwCustomListView : public TMwFramedControl<cl::TListView> {
    CL_CLASS_INFO()
public:
    explicit TMwCustomListView(cl::TComponent* owner);
    ~TMwCustomListView() override;

    bool FillLastColumn() const { return fillLastColumn_; }
    void SetFillLastColumn(bool v);
    bool SortOnColumnClick() const { return sortOnColumnClick_; }
    void SetSortOnColumnClick(bool v) { sortOnColumnClick_ = v; }
    int HeaderSortIndicator() const { return headerSortIndicator_; }
    // 0 to 3; other values are clamped.
    void SetHeaderSortIndicator(int v);
    bool OwnerDrawHeaderItems() const { return ownerDrawHeaderItems_; }
    void SetOwnerDrawHeaderItems(bool v);
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool v);
    bool ItemChecked(cl::TListItem* item);
    void SetItemChecked(cl::TListItem* item, bool checked);

    // The column the items are sorted by (-1 for none) and whether downwards.
    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }

    // After the change to the report view the header gets its sort marks.
    void SetViewStyle(cl::TViewStyle style);
    // Stretches the last report column over the rest of the client width.
    virtual void AdjustLastColumn();

    void Loaded() override;

    TMwLvItemCheckingEvent OnItemChecking;
    TMwLvItemCheckedEvent OnItemChecked;
    TMwLvItemContextMenuEvent OnItemContextMenu;

protected:
    void InitializeWnd() override;
    bool Notify(NMHDR* header, LRESULT& result) override;
    void WndProc(cl::TMessage& message) override;
    void ApplyBackgroundColor() override;

    // Sorts by the clicked column when SortOnColumnClick; then the column-click event.
    virtual void ColClick(int column);
    virtual void ItemCheckedChanged(cl::TListItem* item) { OnItemChecked(this, item); }
    virtual bool ItemChecking(cl::TListItem* item, bool checked);
    // The focused (or selected) item's menu at its icon, or the list's popup menu at pos.
    virtual void ShowContextMenu(cl::TPoint pos);
    virtual void ShowItemContextMenu(cl::TPoint pos);
    virtual void DoItemContextMenu(cl::TListItem* item, cl::TPoint& pos, cl::TPopupMenu*& menu);

private:
    void SortBy(int column, bool descending);
    int CompareForSort(cl::TListItem* a, cl::TListItem* b, int column) const;
    void InvalidateHeaderItem(int column);
    void UpdateHeader();
    HWND Header();
    bool HeaderNotify(NMHDR* header, cl::TMessage& m);
    void DrawHeaderItem(const DRAWITEMSTRUCT& item);
    bool LabelEditAllowed(int index);
    cl::TPoint IconCentre(cl::TListItem* item);
    void PopupAt(cl::TPopupMenu& menu, cl::TPoint clientPos);
    void Wheel(int delta);

    cl::TCollection::TUpdateEvent rebuildColumns_;  // the class library's own column update
    bool fillLastColumn_ = true;
    bool sortOnColumnClick_ = false;
    int headerSortIndicator_ = kSortIndicatorAfterCaption;
    bool ownerDrawHeaderItems_ = true;
    bool checkboxes_ = false;
    int sortColumn_ = -1;
    bool sortDescending_ = false;
    int lastAscending_ = -1;  // the column last sorted upwards, so its next click sorts downwards
    int headerUpdates_ = 0;   // re-entry guard: changing a header item notifies again
    bool menuShown_ = false;  // an item menu was shown; the next right-button release clears it
    int wheelDelta_ = 0;      // wheel movement short of a whole notch
};
