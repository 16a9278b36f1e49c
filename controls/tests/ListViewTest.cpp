// The framed list view in its report view: the stretched last column, sorting by clicked
// header items with the arrows it draws into them, check boxes a handler may hold, label
// editing from the label only, item context menus, wheel scrolling and its colours.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/win/Application.h"
#include "classlib/win/Form.h"
#include "classlib/win/Menus.h"
#include "controls/navigation/MwListView.h"
#include "controls/foundation/MemoryBitmap.h"

namespace {

using cl::TPoint;
using cl::TRect;

constexpr cl::TColor kYellow = 0x00E0E0;

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 500, 400);
        form->Show();
    }
    void TearDown() override { cl::TPopupMenu::PopupHook() = nullptr; }

    // A report view whose client area is 300 x 200 once it is 304 x 204 (its client edge).
    TMwCustomListView* NewList(std::vector<int> widths, std::vector<std::vector<std::string>> rows) {
        auto* list = new TMwCustomListView(form);
        list->SetParent(form);
        list->SetBounds(10, 10, 200, 204);
        list->SetViewStyle(cl::TViewStyle::Report);
        for (size_t i = 0; i < widths.size(); ++i) {
            auto* column = static_cast<cl::TListColumn*>(list->Columns()->Add());
            column->SetCaption("Column " + std::to_string(i));
            column->SetWidth(widths[i]);
        }
        for (const auto& row : rows) {
            cl::TListItem* item = list->AddItem();
            item->SetCaption(row[0]);
            for (size_t i = 1; i < row.size(); ++i) item->SetSubItem(static_cast<int>(i - 1), row[i]);
        }
        return list;
    }
    static std::vector<std::string> Captions(TMwCustomListView* list) {
        std::vector<std::string> captions;
        for (int i = 0; i < list->ItemCount(); ++i) {
            char text[64] = {};
            ListView_GetItemText(list->Handle(), i, 0, text, sizeof text);
            captions.push_back(text);
        }
        return captions;
    }
    static HWND Header(TMwCustomListView* list) { return ListView_GetHeader(list->Handle()); }
    static TRect HeaderItemRect(TMwCustomListView* list, int column) {
        RECT r{};
        Header_GetItemRect(Header(list), column, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    static void ClickHeader(TMwCustomListView* list, int column) {
        const TRect r = HeaderItemRect(list, column);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(Header(list), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(Header(list), WM_LBUTTONUP, 0, at);
    }
    void CountPopups() {
        cl::TPopupMenu::PopupHook() = [this](cl::TPopupMenu&, int x, int y) -> cl::TMenuItem* {
            popups.push_back({x, y});
            return nullptr;
        };
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    std::vector<TPoint> popups;
};

TEST_F(ListViewTest, LastColumnFillsTheRestOfTheClientWidth) {
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<std::vector<std::string>> someItems{{"a"}, {"b"}, {"c"}};
    const struct {
        const char* name;
        std::vector<int> widths;
        std::vector<std::vector<std::string>> rows;
        int expected;
    } cases[] = {
        {"with items", {100, 50}, someItems, 200},
        {"without items, room for a scroll bar", {100, 50}, {}, 200 - scrollBar},
        {"already too wide: left alone", {320, 40}, someItems, 40},
        {"3 pixels left: 5", {297, 50}, someItems, 5},
    };
    for (const auto& c : cases) {
        TMwCustomListView* list = NewList(c.widths, c.rows);
        list->SetWidth(304);
        ASSERT_EQ(list->ClientWidth(), 300) << c.name;
        EXPECT_EQ(ListView_GetColumnWidth(list->Handle(), static_cast<int>(c.widths.size()) - 1), c.expected) << c.name;
    }

    // The user narrows the first column by its divider: the last one takes up the room.
    TMwCustomListView* resized = NewList({100, 50}, someItems);
    resized->SetWidth(304);
    HWND header = Header(resized);
    const int dividerY = HeaderItemRect(resized, 0).Height() / 2;
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, dividerY));
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, dividerY));
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(60, dividerY));
    MSG msg;
    while (PeekMessageA(&msg, resized->Handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    ASSERT_EQ(ListView_GetColumnWidth(resized->Handle(), 0), 60);
    EXPECT_EQ(ListView_GetColumnWidth(resized->Handle(), 1), 240);

    TMwCustomListView* fixed = NewList({100, 50}, someItems);
    fixed->SetFillLastColumn(false);
    ListView_SetColumnWidth(fixed->Handle(), 1, 50);
    fixed->SetWidth(304);
    EXPECT_EQ(ListView_GetColumnWidth(fixed->Handle(), 1), 50);
    fixed->SetFillLastColumn(true);
    EXPECT_EQ(ListView_GetColumnWidth(fixed->Handle(), 1), 200);
}

TEST_F(ListViewTest, ClickedColumnSortsUpDownUpWithEmptyTextsLastGoingUp) {
    TMwCustomListView* list = NewList({100, 100}, {{"a", "zip"}, {"b", ""}, {"c", "Txt"}, {"d", "bmp"}});
    list->SetSortOnColumnClick(true);
    std::vector<int> clicked;
    list->OnColumnClick = cl::TLVColumnClickEvent::FromFunction([&](cl::TObject*, cl::TListColumn* column) {
        clicked.push_back(column->Index());
    });

    ClickHeader(list, 1);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"d", "c", "a", "b"}));
    EXPECT_FALSE(list->SortDescending());
    ClickHeader(list, 1);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"b", "a", "c", "d"}));
    EXPECT_TRUE(list->SortDescending());
    ClickHeader(list, 1);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"d", "c", "a", "b"}));
    EXPECT_EQ(list->SortColumn(), 1);
    EXPECT_EQ(clicked, (std::vector<int>{1, 1, 1})) << "the column-click event follows the sort";
    EXPECT_EQ(list->Item(0)->Caption(), "d") << "the items follow the window's order";

    ClickHeader(list, 0);  // another column starts upwards
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_FALSE(list->SortDescending());
}

TEST_F(ListViewTest, HeaderMarksTheSortedColumnItsOwnWayOrWithADrawnArrow) {
    TMwCustomListView* list = NewList({120, 120}, {{"a", "x"}, {"b", "y"}});
    list->SetWidth(404);  // room for the arrow after the caption
    list->SetSortOnColumnClick(true);
    ClickHeader(list, 1);
    auto format = [&](int column) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(Header(list), column, &item);
        return item.fmt;
    };

    // Common controls before 6 have no marks of their own: the items are drawn here.
    EXPECT_TRUE(format(0) & HDF_OWNERDRAW);
    EXPECT_TRUE(format(1) & HDF_OWNERDRAW);
    mw::TMemoryBitmap surface(nullptr, 400, 40);
    SendMessageA(Header(list), WM_PAINT, reinterpret_cast<WPARAM>(surface.DC()), 0);
    auto arrowPixels = [&](int column) {
        const TRect r = HeaderItemRect(list, column);
        int count = 0;
        for (int y = r.top + 3; y < r.bottom - 3; ++y)  // inside the header's own edges
            for (int x = r.left + 3; x < r.right - 3; ++x) count += GetPixel(surface.DC(), x, y) == cl::ColorToRGB(cl::clBtnShadow);
        return count;
    };
    EXPECT_GT(arrowPixels(1), 0);
    EXPECT_EQ(arrowPixels(0), 0);

    list->SetHeaderSortIndicator(kSortIndicatorNative);
    EXPECT_TRUE(format(1) & HDF_SORTUP);
    EXPECT_FALSE(format(1) & HDF_OWNERDRAW);
    EXPECT_FALSE(format(0) & (HDF_SORTUP | HDF_SORTDOWN));
    ClickHeader(list, 1);
    EXPECT_TRUE(format(1) & HDF_SORTDOWN);
}

TEST_F(ListViewTest, CheckBoxHandlerMayHoldTheBox) {
    for (bool allow : {false, true}) {
        SCOPED_TRACE(allow ? "allowed" : "refused");
        TMwCustomListView* list = NewList({100}, {{"a"}, {"b"}});
        list->SetCheckboxes(true);
        int asked = 0, changed = 0;
        list->OnItemChecking = TMwLvItemCheckingEvent::FromFunction([&](cl::TObject*, cl::TListItem* item, bool checked, bool& ok) {
            ++asked;
            EXPECT_EQ(item, list->Item(1));
            EXPECT_TRUE(checked);
            ok = allow;
        });
        list->OnItemChecked = TMwLvItemCheckedEvent::FromFunction([&](cl::TObject*, cl::TListItem*) { ++changed; });

        RECT row{};
        ListView_GetItemRect(list->Handle(), 1, &row, LVIR_BOUNDS);
        TPoint box{-1, (row.top + row.bottom) / 2};
        for (int x = row.left; x < row.right && box.x < 0; ++x) {
            LVHITTESTINFO hit{};
            hit.pt = {x, box.y};
            ListView_HitTest(list->Handle(), &hit);
            if (hit.flags & LVHT_ONITEMSTATEICON) box.x = x + 2;
        }
        ASSERT_GE(box.x, 0);
        PostMessageA(list->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
        SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, box.y));
        MSG msg;
        while (PeekMessageA(&msg, list->Handle(), 0, 0, PM_REMOVE)) DispatchMessageA(&msg);

        EXPECT_EQ(asked, 1);
        EXPECT_EQ(list->ItemChecked(list->Item(1)), allow);
        EXPECT_EQ(changed, allow ? 1 : 0);
    }
}

TEST_F(ListViewTest, RowSelectEditsALabelOnlyFromTheLabel) {
    TMwCustomListView* list = NewList({100, 100}, {{"alpha", "x"}, {"beta", "y"}});
    list->SetRowSelect(true);
    RECT label{};
    ListView_GetItemRect(list->Handle(), 0, &label, LVIR_LABEL);
    auto editFrom = [&](TPoint p) {
        const TPoint screen = list->ClientToScreen(p);
        SetCursorPos(screen.x, screen.y);
        HWND edit = ListView_EditLabel(list->Handle(), 0);
        if (edit) SendMessageA(list->Handle(), LVM_CANCELEDITLABEL, 0, 0);
        return edit != nullptr;
    };
    const int y = (label.top + label.bottom) / 2;
    EXPECT_FALSE(editFrom({150, y})) << "the second column of the row";
    EXPECT_TRUE(editFrom({(label.left + label.right) / 2, y}));
}

TEST_F(ListViewTest, ContextMenuComesUpAtTheFocusedItemsIcon) {
    TMwCustomListView* list = NewList({100}, {{"a"}, {"b"}, {"c"}});
    list->SetPopupMenu(new cl::TPopupMenu(form));
    CountPopups();
    cl::TListItem* reported = nullptr;
    TPoint reportedAt{};
    list->OnItemContextMenu = TMwLvItemContextMenuEvent::FromFunction(
        [&](cl::TObject*, cl::TListItem* item, TPoint& pos, cl::TPopupMenu*&) {
            reported = item;
            reportedAt = pos;
        });

    // Nothing selected: the list's own menu where the pointer is; no item menu.
    SendMessageA(list->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->Handle()), MAKELPARAM(-1, -1));
    EXPECT_TRUE(popups.empty()) << "without a selection the context-menu message does nothing";
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_APPS, 0);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(reported, nullptr);

    list->Item(1)->SetSelected(true);
    list->Item(1)->SetFocused(true);
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_APPS, 0);
    RECT icon{};
    ListView_GetItemRect(list->Handle(), 1, &icon, LVIR_ICON);
    const TPoint centre{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    EXPECT_EQ(reported, list->Item(1));
    EXPECT_EQ(reportedAt, centre);
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[1], list->ClientToScreen(centre));

    // A right click raises one menu, not a second one for the context-menu message.
    NMHDR header{list->Handle(), 0, static_cast<UINT>(NM_RCLICK)};
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(popups.size(), 3u);
}

TEST_F(ListViewTest, WheelScrollsByPixelRows) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 60; ++i) rows.push_back({"Item " + std::to_string(i)});
    TMwCustomListView* list = NewList({100}, rows);
    SendMessageA(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_GT(ListView_GetTopIndex(list->Handle()), 0);
    SendMessageA(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(ListView_GetTopIndex(list->Handle()), 0);
}

TEST_F(ListViewTest, BackgroundFollowsTheColourAndFocus) {
    TMwCustomListView* list = NewList({100}, {{"a"}});
    TMwCustomListView* other = NewList({100}, {{"b"}});
    list->SetFocusColor(kYellow);
    list->SetFocus();
    EXPECT_EQ(ListView_GetBkColor(list->Handle()), cl::ColorToRGB(kYellow));
    EXPECT_EQ(ListView_GetTextBkColor(list->Handle()), cl::ColorToRGB(kYellow));
    other->SetFocus();
    EXPECT_EQ(ListView_GetBkColor(list->Handle()), cl::ColorToRGB(cl::clWindow));
}

}  // namespace
