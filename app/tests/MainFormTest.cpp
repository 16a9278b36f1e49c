// The main window built in-process from its form resource.

#include <gtest/gtest.h>

#include "app/tests/FormTestSupport.h"
#include "classlib/tests/win/PumpMessages.h"
#include "app/QuillonClasses.h"
#include "app/frmMainQuillon.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/Font.h"
#include "classlib/win/ListView.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwVersionInfoStatus.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwGroupItem.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"

namespace {

using form_test::Exists;

class MainFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterQuillonClasses(); }
    void SetUp() override {
        cl::DialogHooks().messageBox = [this](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            messages.push_back(text);
            return cl::mrOk;
        };
    }
    void TearDown() override { cl::DialogHooks() = {}; }

    cl::TApplication app;
    std::vector<std::string> messages;
};

TEST_F(MainFormTest, StartsWithTheLayoutAndStateOfAFreshWindow) {
    auto* form = app.CreateForm<TfrmMainQuillon>();
    form->Show();
    EXPECT_EQ(FindWindowA("TfrmMainQuillon", "Col. Dalverin's BF1942 Quillon"), form->Handle());
    EXPECT_TRUE(messages.empty());

    // The layout: the group bar on the left, the status bar at the bottom, the
    // splitter with the folder tree and the file list in the rest.
    const cl::TRect client = form->ClientRect();
    // The bar is at least as wide as the form gives it, wider where its items need it.
    const int barWidth = form->gbMain->Width();
    EXPECT_EQ(form->gbMain->Left(), 0);
    EXPECT_GE(barWidth, 145);
    EXPECT_EQ(form->MwStatusBar1->Top() + form->MwStatusBar1->Height(), client.bottom);
    EXPECT_EQ(form->MwStatusBar1->Height(), 19);
    EXPECT_EQ(form->MainSplitter->Left(), barWidth);
    EXPECT_EQ(form->MainSplitter->Width(), client.Width() - barWidth);
    EXPECT_TRUE(form->tvFolders->Showing());
    EXPECT_TRUE(form->lvFiles->Showing());
    ASSERT_EQ(form->lvFiles->Columns()->Count(), 4);
    EXPECT_EQ(form->lvFiles->Column(0)->Caption(), "Name");
    EXPECT_EQ(form->lvFiles->Column(0)->Width(), 160);

    // The state FormCreate leaves.
    EXPECT_EQ(form->pcPreview->ActivePage(), form->tsCode);
    EXPECT_FALSE(form->tsCode->TabVisible());
    EXPECT_FALSE(form->gbActions->Opened());
    EXPECT_FALSE(form->actSearch->Visible());
    EXPECT_EQ(form->Entries->Count(), 0);
    EXPECT_TRUE(Exists(TfrmMainQuillon::TempFolder()));

    cl::Free(form);
    EXPECT_FALSE(Exists(TfrmMainQuillon::TempFolder()));
}

// The height of one line of text in the font.
int LineHeight(cl::TFont& font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

// Whether the pixels of the area in the window are all of one colour.
bool Uniform(HWND window, const cl::TRect& area) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF first = GetPixel(dc, area.left, area.top);
    bool uniform = true;
    for (int y = area.top; y < area.bottom && uniform; ++y)
        for (int x = area.left; x < area.right && uniform; ++x) uniform = GetPixel(dc, x, y) == first;
    ReleaseDC(window, dc);
    return uniform;
}

// At the first size and at a small one: the version is not cut off, no item of the group bar
// wraps and the bar scrolls once its groups overflow, and the editor's toolbar grows over its
// rows with the editor below it.
TEST_F(MainFormTest, TheWindowsPartsStayWholeAndApartAtLargeAndSmallSizes) {
    const struct {
        int width, height;
    } sizes[] = {{670, 524}, {450, 364}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        // Sized before it shows, as a window whose size was remembered; then shown again at
        // that size after another, as when the user resizes it.
        auto* form = app.CreateForm<TfrmMainQuillon>();
        form->SetBounds(form->Left(), form->Top(), size.width, size.height);
        form->Show();
        // Every item the bar can show ("Build RFA" among them), in open groups.
        TMwGroupBar& bar = *form->gbMain;
        for (int g = 0; g < bar.GroupCount(); ++g) {
            TMwGroup& group = *bar.Groups(g);
            for (int i = 0; i < group.Items()->Count(); ++i)
                if (cl::TAction* action = group.Items()->Items(i)->Action()) action->SetVisible(true);
            group.Open();
            ASSERT_TRUE(group.Opened()) << group.Caption();
        }
        auto* toolbar = dynamic_cast<cl::TControl*>(form->FindComponent("MwToolbar1"));
        ASSERT_NE(toolbar, nullptr);
        TMwVersionInfoStatus& version = *form->MwVersionInfoStatus1;
        ASSERT_EQ(version.PaneCaption(), "1.0.0.0");

        for (const bool resized : {false, true}) {
            SCOPED_TRACE(resized ? "resized" : "first shown");
            if (resized) {
                form->SetBounds(form->Left(), form->Top(), size.width + 200, size.height + 100);
                form->SetBounds(form->Left(), form->Top(), size.width, size.height);
            }
            // A toolbar that gains a row has its parent lay out again through a posted message.
            EXPECT_TRUE(test::PumpMessagesUntil(
                [&] { return form->rePreview->Top() >= toolbar->Top() + toolbar->Height(); }, std::chrono::seconds(5)))
                << form->rePreview->Top() << " " << toolbar->Height();
            for (int i = 0; i < toolbar->ControlCount(); ++i) {
                const cl::TControl& c = *toolbar->Controls(i);
                if (c.Visible()) {
                    EXPECT_LE(c.Top() + c.Height(), toolbar->Height()) << c.Name();
                }
            }

            // The last columns of the version's text area hold no text.
            const int inside = version.BorderWidth() + 1;
            const cl::TRect rightEdge =
                cl::TRect::FromBounds(version.Width() - inside - 3, inside, 3, version.Height() - 2 * inside);
            EXPECT_TRUE(Uniform(version.Handle(), rightEdge)) << version.Width();

            bar.Realign();
            for (int g = 0; g < bar.GroupCount(); ++g) {
                TMwGroup& group = *bar.Groups(g);
                const int line = LineHeight(*group.Font());
                for (int i = 0; i < group.Items()->Count(); ++i) {
                    const TMwGroupItem& item = *group.Items()->Items(i);
                    if (item.Visible()) {
                        EXPECT_LT(item.TextRect().Height(), 2 * line) << item.Caption();
                    }
                }
            }
            TMwGroup& last = *bar.Groups(bar.GroupCount() - 1);
            const int contentHeight = last.Top() + last.Height() + bar.GroupBorderSize() + bar.ScrollPosition();
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_ALL;
            GetScrollInfo(bar.Handle(), SB_VERT, &info);
            if (contentHeight > bar.ClientHeight()) {
                EXPECT_TRUE(GetWindowLongA(bar.Handle(), GWL_STYLE) & WS_VSCROLL);
                EXPECT_LT(static_cast<int>(info.nPage), info.nMax);
                // At the end of the scroll range the last group shows whole.
                SendMessageA(bar.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
                EXPECT_LE(last.Top() + last.Height(), bar.ClientHeight());
                SendMessageA(bar.Handle(), WM_VSCROLL, SB_TOP, 0);
            }
        }
        cl::Free(form);
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
