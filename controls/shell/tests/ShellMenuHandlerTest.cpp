// Menu messages of a shown shell context menu: passing them to a shell menu that draws its own
// sub-menus, our Send To sub-menu, and the help-text hints.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shell/SendToList.h"
#include "controls/shell/ShellFolders.h"
#include "controls/shell/ShellMenuHandler.h"
#include "utils/tests/ScratchFolder.h"

namespace {

constexpr GUID kIidContextMenu = {0x000214E4, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidContextMenu2 = {0x000214F4, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// A context menu with help text for offset 5 only; it answers IContextMenu2 when it draws its
// own sub-menus, and records the messages it is given.
class FakeContextMenu : public IContextMenu2 {
public:
    explicit FakeContextMenu(bool drawsMenus) : drawsMenus_(drawsMenus) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualGUID(iid, kIidUnknown) || IsEqualGUID(iid, kIidContextMenu) || (drawsMenus_ && IsEqualGUID(iid, kIidContextMenu2))) {
            *object = static_cast<IContextMenu2*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU, UINT, UINT, UINT, UINT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR offset, UINT type, UINT*, LPSTR text, UINT size) override {
        if (offset != 5 || type != GCS_HELPTEXTA || size < 16) return E_FAIL;
        lstrcpyA(text, "Help for five");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT message, WPARAM, LPARAM) override {
        given.push_back(message);
        return S_OK;
    }

    std::vector<UINT> given;
    ULONG references = 1;

private:
    bool drawsMenus_;
};

LRESULT Send(mw::TShellMenuHandler& handler, UINT message, WPARAM wParam, LPARAM lParam, bool* handled = nullptr) {
    LRESULT result = -1;
    const bool answered = handler.HandleMessage(message, wParam, lParam, result);
    if (handled) *handled = answered;
    return result;
}

TEST(ShellMenuHandlerTest, HintsGiveTheHelpTextOfShellCommandsOnly) {
    FakeContextMenu fake(false);
    mw::TShellMenuHandler handler;
    std::vector<std::string> hints;
    handler.onPopupHint = [&](const std::string& hint) { hints.push_back(hint); };

    Send(handler, WM_MENUSELECT, MAKEWPARAM(1005, MF_STRING), 0);  // no menu shown: no hint
    EXPECT_TRUE(hints.empty());

    handler.SetContextMenu(&fake);
    Send(handler, WM_MENUSELECT, MAKEWPARAM(1005, MF_STRING), 0);
    Send(handler, WM_MENUSELECT, MAKEWPARAM(1007, MF_STRING), 0);  // the shell has no text
    Send(handler, WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP), 0);      // a sub-menu
    Send(handler, WM_MENUSELECT, MAKEWPARAM(3, MF_STRING), 0);     // a Send To entry
    Send(handler, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);        // the menu closes
    EXPECT_EQ(hints, (std::vector<std::string>{"Help for five", "", "", "", ""}));
    handler.ClearContextMenu();
    EXPECT_EQ(fake.references, 1u);
}

TEST(ShellMenuHandlerTest, AShellMenuThatDrawsItselfGetsTheDrawingMessages) {
    FakeContextMenu fake(true);
    mw::TShellMenuHandler handler;
    handler.SetContextMenu(&fake);
    const cl::TMenuHandle popup(CreatePopupMenu());
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, 1, 0, 0, 0};
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_MENU;
    bool handled = false;
    Send(handler, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0, &handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(Send(handler, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
    EXPECT_EQ(Send(handler, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    Send(handler, WM_MENUCHAR, MAKEWPARAM('a', MF_POPUP), reinterpret_cast<LPARAM>(popup.Get()));
    Send(handler, WM_MENUSELECT, MAKEWPARAM(1005, MF_STRING), 0, &handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(fake.given, (std::vector<UINT>{WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR}));
    handler.ClearContextMenu();
}

// The owner of a tracked menu: notes the kept context menu as the menu opens, then closes it.
mw::TShellMenuHandler* trackedHandler = nullptr;
std::vector<IContextMenu*> menusSeenOpen;

LRESULT CALLBACK MenuOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENUPOPUP && trackedHandler) {
        menusSeenOpen.push_back(trackedHandler->ContextMenu());
        PostMessageA(window, WM_APP, 0, 0);
    } else if (message == WM_APP) {
        EndMenu();
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The context menu is kept exactly while the popup menu is open.
TEST(ShellMenuHandlerTest, TrackKeepsTheContextMenuWhileTheMenuIsOpen) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MenuOwnerProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ShellMenuOwnerTest";
    RegisterClassA(&windowClass);
    HWND owner = CreateWindowA("ShellMenuOwnerTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    ASSERT_TRUE(owner);
    SetForegroundWindow(owner);

    FakeContextMenu fake(false);
    mw::TShellMenuHandler handler;
    trackedHandler = &handler;
    const cl::TMenuHandle menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, 1001, "Open");
    EXPECT_EQ(handler.Track(owner, &fake, menu.Get(), POINT{10, 10}), 0u);
    EXPECT_EQ(menusSeenOpen, std::vector<IContextMenu*>{&fake});
    EXPECT_EQ(handler.ContextMenu(), nullptr);
    EXPECT_EQ(fake.references, 1u);
    DestroyWindow(owner);
    trackedHandler = nullptr;
}

// Our Send To sub-menu, filled from the user's Send To folder.
class SendToMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = mw::SpecialFolderPath(nullptr, 9);
        ASSERT_FALSE(folder.empty());
        CreateDirectoryA(folder.c_str(), nullptr);
        for (const char* name : kFiles) ut_test::WriteTextFile(folder + "\\" + name, "x");
        ut_test::WriteTextFile(folder + "\\Hidden.txt", "x", FILE_ATTRIBUTE_HIDDEN);
        ut_test::MakeFolder(folder + "\\Box");
        handler.SetContextMenu(&fake);
    }
    void TearDown() override {
        handler.ClearContextMenu();
        for (const char* name : kFiles) DeleteFileA((folder + "\\" + name).c_str());
        SetFileAttributesA((folder + "\\Hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((folder + "\\Hidden.txt").c_str());
        RemoveDirectoryA((folder + "\\Box").c_str());
    }

    // A sub-menu as the shell leaves it when it cannot fill Send To: one greyed placeholder.
    cl::TMenuHandle Placeholder() {
        cl::TMenuHandle popup(CreatePopupMenu());
        AppendMenuA(popup.Get(), MF_STRING | MF_GRAYED, 77, "(empty)");
        return popup;
    }

    static constexpr const char* kFiles[] = {"bravo.txt", "Alpha.txt", "apex.doc"};
    std::string folder;
    FakeContextMenu fake{false};
    mw::TShellMenuHandler handler;
};

TEST_F(SendToMenuTest, FillsThePlaceholderWithTheFolderFiles) {
    const cl::TMenuHandle popup = Placeholder();
    bool handled = false;
    Send(handler, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0, &handled);
    EXPECT_TRUE(handled);

    std::vector<std::string> names;
    for (const mw::TSendToEntry& entry : mw::SendToList()) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha.txt", "apex.doc", "bravo.txt"}));
    ASSERT_EQ(GetMenuItemCount(popup.Get()), 3);
    for (int position = 0; position < 3; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoA(popup.Get(), position, TRUE, &info));
        EXPECT_EQ(info.wID, UINT(position + 1));
        EXPECT_EQ(info.dwItemData, ULONG_PTR(position));
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    }

    // A sub-menu with a usable item is the shell's own and stays as it is.
    const cl::TMenuHandle shellOwn(CreatePopupMenu());
    AppendMenuA(shellOwn.Get(), MF_STRING, 1001, "Open");
    Send(handler, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(shellOwn.Get()), 0, &handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(GetMenuItemCount(shellOwn.Get()), 1);
}

TEST_F(SendToMenuTest, TypedLettersPickEntries) {
    const cl::TMenuHandle popup = Placeholder();
    Send(handler, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0);
    const auto menuChar = [&](char typed) {
        return Send(handler, WM_MENUCHAR, MAKEWPARAM(typed, MF_POPUP), reinterpret_cast<LPARAM>(popup.Get()));
    };
    EXPECT_EQ(menuChar('a'), MAKELRESULT(0, MNC_SELECT));  // Alpha and apex share the letter
    EXPECT_EQ(menuChar('B'), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(menuChar('z'), MAKELRESULT(0, MNC_CLOSE));
}

TEST_F(SendToMenuTest, MeasuresAndDrawsEntries) {
    const cl::TMenuHandle popup = Placeholder();
    Send(handler, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0);

    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, 1, 0, 0, 0};
    EXPECT_EQ(Send(handler, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
    EXPECT_GT(measure.itemWidth, 32u);
    EXPECT_EQ(measure.itemHeight, UINT(GetSystemMetrics(SM_CYMENU) + 2));

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 24);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    // Whether anything but the background was drawn where the name goes.
    const auto drawnOver = [&](COLORREF background) {
        for (int y = 2; y < 20; ++y)
            for (int x = 32; x < 120; ++x)
                if (GetPixel(dc, x, y) != background) return true;
        return false;
    };
    struct Case {
        ULONG_PTR data;
        UINT state;
        int color;
        bool text;
    };
    const Case cases[] = {
        {0, ODS_SELECTED, COLOR_HIGHLIGHT, true},
        {1, 0, COLOR_MENU, true},
        {ULONG_PTR(-1), ODS_SELECTED, COLOR_HIGHLIGHT, false},  // a separator is only filled
    };
    for (const Case& c : cases) {
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemID = 1;
        draw.itemData = c.data;
        draw.itemState = c.state;
        draw.hDC = dc;
        draw.rcItem = {0, 0, 200, 24};
        EXPECT_EQ(Send(handler, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
        const COLORREF background = GetNearestColor(dc, GetSysColor(c.color));
        EXPECT_EQ(GetPixel(dc, 1, 1), background) << c.data;
        EXPECT_EQ(drawnOver(background), c.text) << c.data;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
