#include "controls/navigation/MwListView.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Restore.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Canvas.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/foundation/MwThemeSrv.h"

namespace {

// Posted to itself once the window exists, to mark the header again when it is complete.
constexpr UINT kUpdateHeaderMessage = WM_USER + 100;
constexpr UINT kStateChecked = 0x2000, kStateUnchecked = 0x1000;
constexpr uint32_t kCommonControls6 = 6u << 16;

int WheelScrollLines() {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int>(lines);
}

// The text of an item in a column: the caption in the first, else a sub-item (empty when missing).
std::string ColumnText(cl::TListItem* item, int column) {
    if (column == 0) return item->Caption();
    const int sub = column - 1;
    return sub < item->SubItems().Count() ? item->SubItems()[sub] : std::string();
}

class TCounterScope {
public:
    explicit TCounterScope(int& counter) : counter_(counter) { ++counter_; }
    ~TCounterScope() { --counter_; }
    TCounterScope(const TCounterScope&) = delete;
    TCounterScope& operator=(const TCounterScope&) = delete;

private:
    int& counter_;
};

// The box an arrow is drawn in, at the left of s.
cl::TRect ArrowBox(const cl::TRect& s) {
    const int k = (s.top + s.bottom) / 2 - 1;
    const int top = (s.top + s.bottom - k) / 2 - 1;
    return {s.left, top, s.left + k + 1, top + k};
}

cl::TRect Moved(const cl::TRect& r, int dx) { return {r.left + dx, r.top, r.right + dx, r.bottom}; }

// A filled triangle on a button-face box: pointing down for an upward sort, up otherwise.
void DrawSortArrow(HDC dc, const cl::TRect& box, bool descending) {
    const int h = box.Height() * 3 / 4;
    const int w = 2 * h - 1;
    if (h <= 0) return;
    const cl::TRect r = cl::TRect::FromBounds(box.left, box.bottom - h, w, h);
    mw::FillSolid(dc, r, cl::clBtnFace);
    const int middle = r.left + (w - 1) / 2;
    const POINT down[3] = {{r.left, r.top}, {r.left + w - 1, r.top}, {middle, r.bottom - 1}};
    const POINT up[3] = {{r.left, r.bottom - 1}, {r.left + w - 1, r.bottom - 1}, {middle, r.top}};
    const COLORREF shadow = cl::ColorToRGB(cl::clBtnShadow);
    cl::TBrushHandle brush(CreateSolidBrush(shadow));
    cl::TPenHandle pen(CreatePen(PS_SOLID, 1, shadow));
    cl::TSelectObject selectBrush(dc, brush.Get());
    cl::TSelectObject selectPen(dc, pen.Get());
    Polygon(dc, descending ? up : down, 3);
}

}  // namespace

const cl::TClassInfo& TMwCustomListView::StaticClass() {
    using L = TMwCustomListView;
    static const auto info = [] {
        cl::TClassBuilder<L> builder("TMwCustomListView", cl::TListView::StaticClass());
        AddFrameProperties(builder);
        return builder.Build();
    }();
    return *info;
}

TMwCustomListView::TMwCustomListView(cl::TComponent* owner) : TMwFramedControl<cl::TListView>(owner) {
    // The columns are made again in the window on every change: their marks and the last
    // column's stretch go with them.
    rebuildColumns_ = Columns()->OnUpdate;
    Columns()->OnUpdate = [this](cl::TCollectionItem* item) {
        if (rebuildColumns_) rebuildColumns_(item);
        UpdateHeader();
        AdjustLastColumn();
    };
}

// The columns outlive this part of the control: they must not call back into it.
TMwCustomListView::~TMwCustomListView() { Columns()->OnUpdate = rebuildColumns_; }

// ---- options ----

void TMwCustomListView::SetFillLastColumn(bool v) {
    if (v == fillLastColumn_) return;
    fillLastColumn_ = v;
    AdjustLastColumn();
}

void TMwCustomListView::SetHeaderSortIndicator(int v) {
    v = std::clamp(v, 0, 3);
    if (v == headerSortIndicator_) return;
    headerSortIndicator_ = v;
    UpdateHeader();
}

void TMwCustomListView::SetOwnerDrawHeaderItems(bool v) {
    if (v == ownerDrawHeaderItems_) return;
    ownerDrawHeaderItems_ = v;
    if (HWND header = Header()) InvalidateRect(header, nullptr, TRUE);
}

void TMwCustomListView::SetCheckboxes(bool v) {
    checkboxes_ = v;
    if (HandleAllocated()) ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_CHECKBOXES, v ? LVS_EX_CHECKBOXES : 0);
}

bool TMwCustomListView::ItemChecked(cl::TListItem* item) {
    return HandleAllocated() && ListView_GetCheckState(Handle(), item->Index()) == 1;
}

void TMwCustomListView::SetItemChecked(cl::TListItem* item, bool checked) {
    ListView_SetCheckState(Handle(), item->Index(), checked ? TRUE : FALSE);
}

void TMwCustomListView::SetViewStyle(cl::TViewStyle style) {
    cl::TListView::SetViewStyle(style);
    UpdateHeader();
    AdjustLastColumn();
}

// ---- window ----

void TMwCustomListView::InitializeWnd() {
    TMwFramedControl<cl::TListView>::InitializeWnd();
    if (checkboxes_) ListView_SetExtendedListViewStyleEx(Handle(), LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    ApplyBackgroundColor();
    UpdateHeader();
    PostMessageA(Handle(), kUpdateHeaderMessage, 0, 0);
}

void TMwCustomListView::ApplyBackgroundColor() {
    const COLORREF color = cl::ColorToRGB(Color());
    ListView_SetBkColor(Handle(), color);
    ListView_SetTextBkColor(Handle(), color);
}

void TMwCustomListView::Loaded() {
    TMwFramedControl<cl::TListView>::Loaded();
    if (fillLastColumn_) AdjustLastColumn();
}

// ---- last column ----

void TMwCustomListView::AdjustLastColumn() {
    if (!fillLastColumn_ || ViewStyle() != cl::TViewStyle::Report || IsDestroying() || IsLoading() || !HandleAllocated())
        return;
    const int count = Columns()->Count();
    if (count == 0) return;
    BeginUpdate();
    try {
        int others = 0;
        for (int i = 0; i < count - 1; ++i) others += ListView_GetColumnWidth(Handle(), i);
        RECT client{};
        GetClientRect(Handle(), &client);
        int width = client.right;
        if (ItemCount() == 0) width -= GetSystemMetrics(SM_CXVSCROLL);
        if (others < width) {
            const int rest = width - others;
            ListView_SetColumnWidth(Handle(), count - 1, rest > 4 ? rest : 5);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- sorting ----

// Case-blind; an empty text goes after any other.
int TMwCustomListView::CompareForSort(cl::TListItem* a, cl::TListItem* b, int column) const {
    const std::string first = ColumnText(a, column), second = ColumnText(b, column);
    const int result = cl::CompareText(first, second);
    if (result > 0 && second.empty()) return -1;
    if (result < 0 && first.empty()) return 1;
    return result;
}

void TMwCustomListView::SortBy(int column, bool descending) {
    if (column != sortColumn_) {
        InvalidateHeaderItem(sortColumn_);
        InvalidateHeaderItem(column);
    } else if (descending != sortDescending_) {
        InvalidateHeaderItem(column);
        if (HWND header = Header()) UpdateWindow(header);
    }
    sortColumn_ = column;
    sortDescending_ = descending;
    UpdateHeader();
    // The class library sorts through its compare event: lend it ours for this one sort.
    cl::TRestore<cl::TLVCompareEvent> restore(OnCompare);
    OnCompare = cl::TLVCompareEvent::FromFunction([this, column, descending](cl::TObject*, cl::TListItem* a, cl::TListItem* b, int,
                                                                              int& result) {
        result = CompareForSort(a, b, column);
        if (descending) result = -result;
    });
    CustomSort(0);
}

void TMwCustomListView::ColClick(int column) {
    if (sortOnColumnClick_) {
        // Repeated clicks on one column alternate upwards and downwards.
        if (column == lastAscending_) {
            SortBy(column, true);
            lastAscending_ = -1;
        } else {
            SortBy(column, false);
            lastAscending_ = column;
        }
    }
    if (column >= 0 && column < Columns()->Count()) OnColumnClick(this, Column(column));
}

// ---- header ----

HWND TMwCustomListView::Header() { return HandleAllocated() ? ListView_GetHeader(Handle()) : nullptr; }

void TMwCustomListView::InvalidateHeaderItem(int column) {
    HWND header = Header();
    if (!header || column < 0) return;
    RECT r{};
    if (Header_GetItemRect(header, column, &r)) InvalidateRect(header, &r, TRUE);
}

// Each column's header item becomes a plain text item with the header's own sort mark, or an
// owner-drawn one that draws its arrow here (common controls before 6 have no marks).
void TMwCustomListView::UpdateHeader() {
    if (headerUpdates_ > 0 || ViewStyle() != cl::TViewStyle::Report) return;
    HWND header = Header();
    if (!header) return;
    TCounterScope guard(headerUpdates_);
    const bool native = headerSortIndicator_ == kSortIndicatorNative ||
                        (headerSortIndicator_ == kSortIndicatorAfterCaption && mw::CommonControlsVersion() >= kCommonControls6);
    for (int i = Header_GetItemCount(header) - 1; i >= 0; --i) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, i, &item);
        item.fmt &= HDF_JUSTIFYMASK;
        if (native) {
            item.fmt |= HDF_STRING;
            if (i == sortColumn_) item.fmt |= sortDescending_ ? HDF_SORTDOWN : HDF_SORTUP;
        } else {
            item.fmt |= HDF_OWNERDRAW;
        }
        Header_SetItem(header, i, &item);
    }
    InvalidateRect(header, nullptr, TRUE);
}

bool TMwCustomListView::HeaderNotify(NMHDR* header, cl::TMessage& m) {
    if (header->code == HDN_ITEMCLICKW) InvalidateRect(header->hwndFrom, nullptr, TRUE);
    TMwFramedControl<cl::TListView>::WndProc(m);
    switch (header->code) {
        case HDN_BEGINTRACKA:
        case HDN_BEGINTRACKW:
        case HDN_ENDTRACKA:
        case HDN_ENDTRACKW:
        case HDN_ITEMCHANGEDA:
        case HDN_ITEMCHANGEDW:
            UpdateHeader();
            if (FrameVisible()) Invalidate();
            break;
        default: break;
    }
    switch (header->code) {
        case HDN_ENDTRACKA:
        case HDN_ENDTRACKW:
        case HDN_DIVIDERDBLCLICKA:
        case HDN_DIVIDERDBLCLICKW: AdjustLastColumn(); break;
        default: break;
    }
    return true;
}

void TMwCustomListView::DrawHeaderItem(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= Columns()->Count()) return;
    HDC dc = item.hDC;
    const int saved = SaveDC(dc);
    try {
        cl::TCanvas canvas(dc);
        canvas.Font().Assign(*Font());
        const cl::TRect r{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.right - 2, item.rcItem.bottom - 2};
        if (ownerDrawHeaderItems_) {
            cl::TListColumn* column = Column(index);
            const int columnWidth = item.rcItem.right - item.rcItem.left;
            const bool sorted = index == sortColumn_;
            cl::TRect text{r.left + 4, r.top, r.right - 4, r.bottom};
            IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
            mw::FillSolid(dc, r, cl::clBtnFace);
            UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
            switch (column->Alignment()) {
                case cl::TAlignment::RightJustify: format |= DT_RIGHT; break;
                case cl::TAlignment::Center: format |= DT_CENTER; break;
                default: format |= DT_LEFT; break;
            }
            auto drawArrow = [&](const cl::TRect& box) {
                if (sorted && 2 * box.Width() < columnWidth) DrawSortArrow(dc, box, sortDescending_);
            };
            auto drawCaption = [&](const cl::TRect& where) { canvas.TextRect(where, column->Caption(), format); };
            const bool rightAligned = column->Alignment() == cl::TAlignment::RightJustify;
            if (headerSortIndicator_ == kSortIndicatorLeft) {
                if (sorted && columnWidth > 15) {
                    const cl::TRect box = ArrowBox(text);
                    drawArrow(box);
                    text.left = box.right + 5;
                }
                drawCaption(text);
            } else if (headerSortIndicator_ == kSortIndicatorAfterCaption && !rightAligned) {
                drawCaption(text);
                const int extent = std::min(canvas.TextWidth(column->Caption()), text.Width());
                const cl::TRect box = ArrowBox(text);
                drawArrow(Moved(box, extent + 5));
            } else if (headerSortIndicator_ != kSortIndicatorNative) {
                const cl::TRect box = ArrowBox(text);
                const cl::TRect atEnd = Moved(box, text.right - 5 - box.right);
                drawArrow(atEnd);
                if (sorted) text.right = atEnd.left - 4;
                drawCaption(text);
            } else {
                drawCaption(text);
            }
        }
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
}

// ---- label editing ----

// In row-select report views a click anywhere on the row selects it; editing starts only from
// the label itself.
bool TMwCustomListView::LabelEditAllowed(int index) {
    if (ViewStyle() != cl::TViewStyle::Report || !RowSelect()) return true;
    POINT cursor{};
    GetCursorPos(&cursor);
    ::ScreenToClient(Handle(), &cursor);
    RECT label{};
    return ListView_GetItemRect(Handle(), index, &label, LVIR_LABEL) && PtInRect(&label, cursor);
}

// ---- check boxes ----

bool TMwCustomListView::ItemChecking(cl::TListItem* item, bool checked) {
    bool allow = true;
    OnItemChecking(this, item, checked, allow);
    return allow;
}

// ---- context menus ----

void TMwCustomListView::DoItemContextMenu(cl::TListItem* item, cl::TPoint& pos, cl::TPopupMenu*& menu) {
    OnItemContextMenu(this, item, pos, menu);
}

void TMwCustomListView::PopupAt(cl::TPopupMenu& menu, cl::TPoint clientPos) {
    menu.SetPopupComponent(this);
    const cl::TPoint screen = ClientToScreen(clientPos);
    menu.Popup(screen.x, screen.y);
}

cl::TPoint TMwCustomListView::IconCentre(cl::TListItem* item) {
    RECT r{};
    ListView_GetItemRect(Handle(), item->Index(), &r, LVIR_ICON);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void TMwCustomListView::ShowContextMenu(cl::TPoint pos) {
    cl::TListItem* focused = ItemFocused();
    cl::TListItem* target = nullptr;
    if (focused && focused->Selected()) target = focused;
    else if (focused) target = Selected();
    if (!target) {
        if (PopupMenu()) PopupAt(*PopupMenu(), pos);
        return;
    }
    ShowItemContextMenu(IconCentre(target));
}

void TMwCustomListView::ShowItemContextMenu(cl::TPoint pos) {
    cl::TPopupMenu* menu = PopupMenu();
    DoItemContextMenu(ItemFocused(), pos, menu);
    menuShown_ = true;
    if (menu) PopupAt(*menu, pos);
}

// ---- wheel ----

// Pixels per wheel line: a row of large icons is about 32 high, the other views about 16.
void TMwCustomListView::Wheel(int delta) {
    wheelDelta_ += delta;
    const int pixelsPerLine = ViewStyle() == cl::TViewStyle::Icon ? 32 : 16;
    while (wheelDelta_ >= WHEEL_DELTA || wheelDelta_ <= -WHEEL_DELTA) {
        const bool down = wheelDelta_ < 0;
        wheelDelta_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
        const int pixels = WheelScrollLines() * pixelsPerLine;
        ListView_Scroll(Handle(), 0, down ? pixels : -pixels);
    }
}

// ---- notifications and messages ----

bool TMwCustomListView::Notify(NMHDR* header, LRESULT& result) {
    switch (header->code) {
        case LVN_COLUMNCLICK:
            ColClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
            return true;
        case NM_RCLICK: {
            POINT cursor{};
            GetCursorPos(&cursor);
            ShowContextMenu(ScreenToClient({cursor.x, cursor.y}));
            TMwFramedControl<cl::TListView>::Notify(header, result);
            // The click is over: the list must not ask for a menu a second time.
            menuShown_ = false;
            result = 1;
            return true;
        }
        case LVN_BEGINLABELEDITA:
        case LVN_BEGINLABELEDITW: {
            const int index = reinterpret_cast<NMLVDISPINFOA*>(header)->item.iItem;
            result = LabelEditAllowed(index) ? FALSE : TRUE;
            return true;
        }
        case LVN_ITEMCHANGING:
        case LVN_ITEMCHANGED: {
            const bool handled = TMwFramedControl<cl::TListView>::Notify(header, result);
            const auto* nm = reinterpret_cast<const NMLISTVIEW*>(header);
            const UINT newImage = nm->uNewState & LVIS_STATEIMAGEMASK;
            const bool checkChange = checkboxes_ && (nm->uChanged & LVIF_STATE) &&
                                     (newImage == kStateChecked || newImage == kStateUnchecked) &&
                                     newImage != (nm->uOldState & LVIS_STATEIMAGEMASK);
            if (!checkChange || nm->iItem < 0 || nm->iItem >= ItemCount()) return handled;
            cl::TListItem* item = Item(nm->iItem);
            if (header->code == LVN_ITEMCHANGED) {
                ItemCheckedChanged(item);
            } else if (!(handled && result) && !ItemChecking(item, newImage == kStateChecked)) {
                result = TRUE;
            }
            return true;
        }
        default: break;
    }
    return TMwFramedControl<cl::TListView>::Notify(header, result);
}

void TMwCustomListView::WndProc(cl::TMessage& m) {
    switch (m.msg) {
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(m.lParam);
            if (header->hwndFrom && header->hwndFrom == Header() && HeaderNotify(header, m)) return;
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
            if (item->CtlType == ODT_HEADER && item->hwndItem == Header()) {
                DrawHeaderItem(*item);
                m.result = 1;
                return;
            }
            break;
        }
        case WM_SIZE:
            TMwFramedControl<cl::TListView>::WndProc(m);
            AdjustLastColumn();
            return;
        case WM_PARENTNOTIFY:
            TMwFramedControl<cl::TListView>::WndProc(m);
            UpdateHeader();
            return;
        case kUpdateHeaderMessage:
            UpdateHeader();
            return;
        case WM_MOUSEWHEEL:
            Wheel(GET_WHEEL_DELTA_WPARAM(m.wParam));
            m.result = 0;
            return;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            const cl::TShiftState shift = cl::KeyboardShiftState();
            if ((m.wParam == VK_APPS && shift == 0) || (m.wParam == VK_F10 && shift == cl::ssShift)) {
                ShowContextMenu({0, 0});
                m.result = 0;
                return;
            }
            break;
        }
        case WM_CONTEXTMENU: {
            if (menuShown_ || SelCount() == 0 || !ItemFocused()) return;
            const cl::TPoint at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
            if (at.x == -1 && at.y == -1) ShowContextMenu({0, 0});
            else ShowItemContextMenu(ScreenToClient(at));
            return;
        }
        case WM_RBUTTONUP: {
            if (menuShown_ && PopupMenu()) {
                // The menu was shown already: the class library must not show the popup menu too.
                cl::TPopupMenu* menu = PopupMenu();
                const bool autoPopup = menu->AutoPopup();
                menu->SetAutoPopup(false);
                try {
                    TMwFramedControl<cl::TListView>::WndProc(m);
                } catch (...) {
                    menu->SetAutoPopup(autoPopup);
                    menuShown_ = false;
                    throw;
                }
                menu->SetAutoPopup(autoPopup);
            } else {
                TMwFramedControl<cl::TListView>::WndProc(m);
            }
            menuShown_ = false;
            return;
        }
        default: break;
    }
    TMwFramedControl<cl::TListView>::WndProc(m);
}
