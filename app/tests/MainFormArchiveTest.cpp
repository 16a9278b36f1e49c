// The main window reading archives: the folder tree, the file list, its sort order and icons.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/tests/FormTestSupport.h"
#include "app/QuillonClasses.h"
#include "app/archive/RFAFile.h"
#include "app/frmMainQuillon.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/ListView.h"
#include "classlib/win/Registry.h"
#include "classlib/win/Screen.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwTreeView.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "tools/rfa_writer/SampleArchive.h"

namespace {

using form_test::TempPath;

std::vector<std::string> ChildTexts(cl::TTreeView& tree, cl::TTreeNode* parent) {
    std::vector<std::string> texts;
    for (cl::TTreeNode* n = parent ? parent->GetFirstChild() : tree.GetFirstNode(); n; n = n->GetNextSibling())
        texts.push_back(n->Text());
    return texts;
}

std::vector<std::string> ListCaptions(cl::TListView& list) {
    std::vector<std::string> captions;
    for (int i = 0; i < list.ItemCount(); ++i) captions.push_back(list.Item(i)->Caption());
    return captions;
}

class MainFormArchiveTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
    }
    void TearDown() override { cl::DialogHooks() = {}; }

    void Load(const std::vector<rfa_test::TestEntry>& entries) {
        const std::string path = TempPath("main-form-test.rfa");
        rfa_test::WriteArchive(path, entries);
        form->OpenDialog1->SetFileName(path);
        form->LoadArchive();
    }

    cl::TTreeNode* Select(const std::string& path) {
        cl::TTreeNode* node = form->tvFolders->GetNodeFromPath(path);
        EXPECT_NE(node, nullptr) << path;
        if (node) node->SetSelected(true);
        return node;
    }

    static rfa_test::TestEntry Sized(const std::string& name, size_t size) {
        return rfa_test::TestEntry::FromData(name, std::vector<uint8_t>(size, 'x'));
    }

    cl::TApplication app;
    TfrmMainQuillon* form = nullptr;
    std::vector<std::string> messages;
};

TEST_F(MainFormArchiveTest, FillsTheTreeOncePerFolderAndListsAFoldersOwnFiles) {
    Load({Sized("a/b/c.txt", 1), Sized("a/d.txt", 2), Sized("readme.txt", 3), Sized("Objects/x.con", 4),
          Sized("objects/y.con", 5), Sized("Maps/z.con", 6)});
    EXPECT_EQ(form->Entries->Count(), 6);
    EXPECT_EQ((*form->Entries)[2], "readme.txt");
    // One node per folder, sorted by text; "Objects" and "objects" are one folder.
    EXPECT_EQ(ChildTexts(*form->tvFolders, nullptr), (std::vector<std::string>{"a", "Maps", "Objects"}));
    EXPECT_EQ(ChildTexts(*form->tvFolders, form->tvFolders->GetNodeFromPath("a")), std::vector<std::string>{"b"});

    Select("a");
    EXPECT_EQ(form->CurrentFolder, "a/");
    EXPECT_EQ(ListCaptions(*form->lvFiles), std::vector<std::string>{"d.txt"});
    ASSERT_EQ(form->lvFiles->Item(0)->SubItems().Count(), 3);  // Size, Archive, Pos
    EXPECT_EQ(form->lvFiles->Item(0)->SubItems()[0], "2");
    // Both spellings are listed under the one folder (the top-level readme under none), in the
    // list's own order: by name, last first until a column is clicked.
    Select("Objects");
    EXPECT_EQ(ListCaptions(*form->lvFiles), (std::vector<std::string>{"y.con", "x.con"}));
    Select("a\\b");
    EXPECT_EQ(form->CurrentFolder, "a/b/");
    EXPECT_EQ(ListCaptions(*form->lvFiles), std::vector<std::string>{"c.txt"});
    EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault);
}

TEST_F(MainFormArchiveTest, ColumnClicksSortAscendingThenDescending) {
    Load({Sized("s/ten.bin", 10), Sized("s/Beta.bin", 100), Sized("s/nine.bin", 9), Sized("s/alpha.bin", 1)});
    Select("s");
    const struct {
        int column;
        std::vector<std::string> order;
    } clicks[] = {
        {1, {"alpha.bin", "nine.bin", "ten.bin", "Beta.bin"}},  // Size: 9 before 10 before 100
        {1, {"Beta.bin", "ten.bin", "nine.bin", "alpha.bin"}},  // the second click reverses
        {0, {"alpha.bin", "Beta.bin", "nine.bin", "ten.bin"}},  // Name, without case
        {0, {"ten.bin", "nine.bin", "Beta.bin", "alpha.bin"}},
    };
    for (const auto& click : clicks) {
        form->lvFilesColumnClick(form->lvFiles, form->lvFiles->Column(click.column));
        EXPECT_EQ(ListCaptions(*form->lvFiles), click.order) << "column " << click.column;
    }
}

// The window shows a folder of any size from the entries themselves; a click on a selected
// file cannot start a label edit, which would neither rename the entry nor let it be dragged.
TEST_F(MainFormArchiveTest, TheFileListShowsALargeFolderFromItsEntriesAndEditsNoLabels) {
    std::vector<rfa_test::TestEntry> entries;
    for (int i = 0; i < 3000; ++i) entries.push_back(Sized("big/f" + std::to_string(10000 + i) + ".con", size_t(i % 7)));
    Load(entries);
    Select("big");
    HWND list = form->lvFiles->Handle();
    const LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
    EXPECT_TRUE(style & LVS_OWNERDATA);
    EXPECT_FALSE(style & LVS_EDITLABELS);
    ASSERT_EQ(ListView_GetItemCount(list), 3000);
    char text[32] = "";
    ListView_GetItemText(list, 0, 0, text, sizeof(text));  // the last name first
    EXPECT_STREQ(text, "f12999.con");
    ListView_GetItemText(list, 0, 1, text, sizeof(text));  // Size
    EXPECT_STREQ(text, std::to_string(2999 % 7).c_str());

    // Sorting by size keeps the selected file selected, wherever it goes.
    cl::TListItem* chosen = form->lvFiles->Item(5);
    chosen->SetSelected(true);
    form->lvFilesColumnClick(form->lvFiles, form->lvFiles->Column(1));
    EXPECT_EQ(form->lvFiles->Selected(), chosen);
    EXPECT_EQ(form->lvFiles->SelCount(), 1);
}

TEST_F(MainFormArchiveTest, LooksUpEachExtensionsShellIconOnce) {
    cl::TRegistry registry;
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    ASSERT_TRUE(registry.OpenKey("\\.qtxicon", true));
    registry.WriteString("", "QuillonTestIconFile");
    ASSERT_TRUE(registry.OpenKey("\\QuillonTestIconFile\\DefaultIcon", true));
    registry.WriteString("", "shell32.dll,3");
    ASSERT_TRUE(registry.OpenKey("\\.qtxnoicon", true));
    registry.WriteString("", "QuillonTestNoIconFile");
    ASSERT_TRUE(registry.OpenKey("\\QuillonTestNoIconFile", true));
    ASSERT_TRUE(registry.OpenKey("\\.qtxbadicon", true));
    registry.WriteString("", "QuillonTestBadIconFile");
    ASSERT_TRUE(registry.OpenKey("\\QuillonTestBadIconFile\\DefaultIcon", true));
    registry.WriteString("", "shell32.dll");  // no number after the comma
    registry.CloseKey();

    Load({Sized("f/one.qtxicon", 1), Sized("f/two.qtxicon", 1), Sized("f/a.qtxnoicon", 1), Sized("f/b.qtxnoicon", 1),
          Sized("f/c.qtxbadicon", 1), Sized("f/d.qtxbadicon", 1)});
    const int imagesBefore = form->ilLarge->Count();
    Select("f");
    EXPECT_EQ(form->ilLarge->Count(), imagesBefore + 1);  // one icon for both .qtxicon files
    EXPECT_EQ(form->lvFiles->Item(0)->ImageIndex(), imagesBefore);
    EXPECT_EQ(form->lvFiles->Item(1)->ImageIndex(), imagesBefore);
    for (int i = 2; i < 6; ++i) EXPECT_EQ(form->lvFiles->Item(i)->ImageIndex(), 0);
    EXPECT_GE(form->IconCache->IndexOf(".qtxicon"), 0);
    EXPECT_GE(form->IconCache->IndexOf(".qtxnoicon"), 0);  // a class without an icon: cached as 0
    EXPECT_EQ(form->IconCache->IndexOf(".qtxbadicon"), -1);  // an unreadable icon value: asked again next time

    for (const char* key : {"\\.qtxicon", "\\QuillonTestIconFile", "\\.qtxnoicon", "\\QuillonTestNoIconFile",
                            "\\.qtxbadicon", "\\QuillonTestBadIconFile"})
        registry.DeleteKey(key);
}

// An icon of size x size pixels: blue in its top-left two thirds, red elsewhere.
HICON TwoColourIcon(int size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels[y * size + x] = x < size * 2 / 3 && y < size * 2 / 3 ? 0xFF0000FFu : 0xFFFF0000u;
    const std::vector<uint8_t> opaque(size_t((size + 15) / 16 * 2) * size, 0);  // mask rows are word-aligned
    HBITMAP mask = CreateBitmap(size, size, 1, 1, opaque.data());
    ICONINFO icon = {TRUE, 0, 0, mask, colour};
    HICON handle = CreateIconIndirect(&icon);
    DeleteObject(colour);
    DeleteObject(mask);
    return handle;
}

// The colour of a list image's pixel, drawn on white.
COLORREF ImagePixel(cl::TImageList& list, int index, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, list.Width(), list.Height());
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, list.Width(), list.Height()};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list.Handle(), index, memory, 0, 0, ILD_NORMAL);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

// At 150 % the shell gives 48- and 24-pixel icons: the lists show them whole, scaled down.
TEST_F(MainFormArchiveTest, ShellIconsLargerThanTheListsAreScaledNotCut) {
    HICON large = TwoColourIcon(48), small = TwoColourIcon(24);
    const int index = form->AddShellIcons(large, small);
    DestroyIcon(large);
    DestroyIcon(small);
    ASSERT_EQ(form->ilLarge->Width(), 32);
    EXPECT_EQ(ImagePixel(*form->ilLarge, index, 2, 2), RGB(0, 0, 255));
    EXPECT_EQ(ImagePixel(*form->ilLarge, index, 30, 30), RGB(255, 0, 0));  // cut, it would be blue
    const int smallIndex = form->ilSmall->Count() - 1;
    EXPECT_EQ(ImagePixel(*form->ilSmall, smallIndex, 1, 1), RGB(0, 0, 255));
    EXPECT_EQ(ImagePixel(*form->ilSmall, smallIndex, form->ilSmall->Width() - 2, form->ilSmall->Height() - 2),
              RGB(255, 0, 0));
}

TEST_F(MainFormArchiveTest, EveryEntryOfTheSampleArchiveExtractsToItsOriginalBytes) {
    const std::vector<rfa_test::TestEntry> sample = rfa_test::SampleArchiveEntries();
    Load(sample);
    ASSERT_EQ(form->Entries->Count(), static_cast<int>(sample.size()));
    const std::string target = TempPath("extracted.bin");
    for (size_t i = 0; i < sample.size(); ++i) {
        form->CurrentEntry = static_cast<quillon::TRFAFile*>(form->Entries->Objects(static_cast<int>(i)));
        form->ExtractEntry(target);
        cl::TMemoryStream extracted;
        extracted.LoadFromFile(target);
        EXPECT_EQ(extracted.Bytes(), sample[i].Data) << sample[i].Name;
        EXPECT_EQ(form->CurrentEntry->SegmentCount, (sample[i].Data.size() + 32767) / 32768) << sample[i].Name;
    }
    DeleteFileA(target.c_str());
}

TEST_F(MainFormArchiveTest, ADamagedArchiveRaisesOneClearErrorAndLeavesNothingHalfFilled) {
    rfa_test::ArchiveImage image = rfa_test::BuildArchive({Sized("a/one.txt", 5), Sized("b/two.txt", 6)});
    image.Set(rfa_test::Field::NameLength, 100000, 1);
    const std::string path = TempPath("damaged.rfa");
    image.Save(path);
    form->OpenDialog1->SetFileName(path);
    try {
        form->LoadArchive();
        FAIL() << "no error";
    } catch (const cl::Exception& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(form->tvFolders->NodeCount(), 0);
    EXPECT_EQ(form->Entries->Count(), 0);
    EXPECT_EQ(cl::Screen().Cursor(), cl::crDefault);
}

// With the focus elsewhere, the tree outlines its selected folder and the list keeps its
// selected file highlighted.
TEST_F(MainFormArchiveTest, TreeAndListShowTheirSelectionWithoutTheFocus) {
    Load({Sized("a/d.txt", 2), Sized("b/e.txt", 1)});
    cl::TTreeNode* node = Select("a");
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(form->lvFiles->ItemCount(), 1);
    form->lvFiles->SetSelected(form->lvFiles->Item(0));
    form->rePreview->SetFocus();
    const HWND tree = form->tvFolders->Handle(), list = form->lvFiles->Handle();
    ASSERT_NE(GetFocus(), tree);
    ASSERT_NE(GetFocus(), list);

    RECT nodeText{};
    ASSERT_TRUE(TreeView_GetItemRect(tree, node->ItemId(), &nodeText, TRUE));
    UpdateWindow(tree);
    HDC treeDc = GetDC(tree);
    EXPECT_EQ(GetPixel(treeDc, nodeText.left, (nodeText.top + nodeText.bottom) / 2), RGB(0, 0, 128));  // the selection pen
    ReleaseDC(tree, treeDc);

    // The item looks different selected than after its selection went.
    RECT label{};
    ASSERT_TRUE(ListView_GetItemRect(list, 0, &label, LVIR_LABEL));
    const auto pixels = [&] {
        UpdateWindow(list);
        HDC dc = GetDC(list);
        std::vector<COLORREF> shown;
        for (int y = label.top; y < label.bottom; ++y)
            for (int x = label.left; x < label.right; ++x) shown.push_back(GetPixel(dc, x, y));
        ReleaseDC(list, dc);
        return shown;
    };
    const std::vector<COLORREF> selected = pixels();
    form->lvFiles->SetSelected(nullptr);
    EXPECT_NE(selected, pixels());
}

}  // namespace
