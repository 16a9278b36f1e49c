// The page control with its tab sheets: tabs made from the sheets, pages shown and hidden as
// tabs change, Ctrl+Tab paging, closing, colours, resources, and loading from a form resource.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/FormReader.h"
#include "classlib/win/Application.h"
#include "classlib/win/Edit.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/foundation/MemoryBitmap.h"
#include "controls/foundation/MwGrafx.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwTabCloseButton.h"

namespace {

using cl::TPoint;
using cl::TRect;

// Three sheets A, B and C with 60 x 20 tabs in a 300 x 150 page control; A and B hold an edit.
class PageControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBounds(100, 100, 400, 300);
        pages = new TMwPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(10, 10, 300, 150);
        pages->SetTabWidth(60);
        pages->SetTabHeight(20);
        for (const char* caption : {"A", "B", "C"}) {
            auto* sheet = new TMwTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            sheets.push_back(sheet);
        }
        for (int i = 0; i < 2; ++i) {
            edits.push_back(new cl::TEdit(form));
            edits.back()->SetParent(sheets[static_cast<size_t>(i)]);
            edits.back()->SetTabStop(true);
        }
        form->Show();
        pages->SetActivePage(sheets[0]);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < pages->Tabs().Count(); ++i) captions.push_back(pages->Tabs()[i].caption);
        return captions;
    }
    // Only the active page shows.
    void ExpectShown(TMwTabSheet* sheet) {
        for (TMwTabSheet* s : sheets) EXPECT_EQ(s->Visible(), s == sheet) << s->Caption();
        EXPECT_EQ(pages->ActivePage(), sheet);
    }
    static void Click(cl::TControl* control, TPoint p) {
        SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    TMwPageControl* pages = nullptr;
    std::vector<TMwTabSheet*> sheets;
    std::vector<cl::TEdit*> edits;
};

TEST_F(PageControlTest, EachVisibleSheetMakesATabAndSelectingItShowsTheSheet) {
    EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "B", "C"}));
    ExpectShown(sheets[0]);
    EXPECT_EQ(sheets[0]->BoundsRect(), (TRect{1, 21, 297, 147}));  // the card inside its frame and shadow

    Click(pages, {130, 10});
    ExpectShown(sheets[2]);
    EXPECT_EQ(pages->TabIndex(), 2);
    SendMessageA(pages->Handle(), WM_KEYDOWN, VK_LEFT, 0);
    ExpectShown(sheets[1]);

    // B's tab moves; TabIndex follows it without asking (even a handler that refuses every
    // change would otherwise leave TabIndex on C's tab).
    int asked = 0;
    pages->OnChanging = TMwTabChangingEvent::FromFunction([&](cl::TObject*, int, bool& allow) {
        ++asked;
        allow = false;
    });
    sheets[0]->SetTabVisible(false);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(sheets[0]->TabIndex(), -1);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    EXPECT_EQ(pages->TabIndex(), 0);
    EXPECT_EQ(pages->FirstShownTab(), 0);  // laid out again: still B
    ExpectShown(sheets[1]);
    EXPECT_EQ(asked, 0);
    pages->OnChanging = {};

    sheets[1]->SetCaption("Bee");
    sheets[1]->SetTabEnabled(false);
    EXPECT_EQ(pages->Tabs()[0].caption, "Bee");
    EXPECT_FALSE(pages->Tabs()[0].enabled);
    sheets[1]->SetTabEnabled(true);

    pages->HideAllTabs();
    EXPECT_EQ(pages->Tabs().Count(), 0);
    EXPECT_EQ(pages->TabIndex(), -1);
    ExpectShown(sheets[1]);  // the page stays without its tab
    pages->ShowAllTabs();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "Bee", "C"}));
    EXPECT_EQ(pages->TabIndex(), 1);
}

TEST_F(PageControlTest, ShowingAControlOnAHiddenPageMakesThatPageActive) {
    std::vector<int> changes;
    pages->OnChanging = TMwTabChangingEvent::FromFunction([&](cl::TObject*, int newIndex, bool&) { changes.push_back(newIndex); });
    edits[1]->Hide();
    edits[1]->Show();  // on B, hidden behind A
    ExpectShown(sheets[1]);
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_TRUE(edits[1]->Showing());
    EXPECT_EQ(changes, std::vector<int>{1}) << "the change is asked like any other";

    sheets[2]->Show();  // a sheet itself
    ExpectShown(sheets[2]);
    // With the tabs hidden the sheet is shown without a tab.
    pages->HideAllTabs();
    edits[0]->Show();
    ExpectShown(sheets[0]);
    EXPECT_EQ(pages->TabIndex(), -1);
}

TEST_F(PageControlTest, OnlyTabSheetsCanBePutInAPageControl) {
    pages->SetName("Pages");
    auto* stray = new cl::TEdit(form);
    stray->SetName("Stray");
    try {
        stray->SetParent(pages);
        FAIL() << "an edit was taken";
    } catch (const cl::EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "A page control holds only tab sheets: TEdit Stray cannot be put in Pages");
    }
    EXPECT_EQ(stray->Parent(), nullptr);
    EXPECT_EQ(pages->PageCount(), 3);
    // A form resource that puts something else there names it.
    auto* read = new cl::TForm(&app);
    try {
        cl::ReadFormResource(*read, "object F: TForm\n  object P: TMwPageControl\n    object L: TMwLabel\n    end\n  end\nend\n",
                             "Stray");
        FAIL() << "a label was taken";
    } catch (const cl::EFormReadError& e) {
        EXPECT_NE(std::string(e.what()).find("A page control holds only tab sheets: TMwLabel L cannot be put in P"),
                  std::string::npos)
            << e.what();
    }
}

TEST_F(PageControlTest, WithEveryTabHiddenActivePageStillSwitchesThePages) {
    int asked = 0;
    pages->OnChanging = TMwTabChangingEvent::FromFunction([&](cl::TObject*, int, bool&) { ++asked; });
    pages->HideAllTabs();
    pages->SetActivePage(sheets[2]);
    ExpectShown(sheets[2]);
    EXPECT_EQ(pages->TabIndex(), -1);
    EXPECT_EQ(asked, 0);
    pages->SetActivePageIndex(1);
    ExpectShown(sheets[1]);

    TMwPageControl other(nullptr);
    auto* stranger = new TMwTabSheet(form);
    stranger->SetPageControl(&other);
    pages->SetActivePage(stranger);  // not one of ours
    ExpectShown(sheets[1]);
}

TEST_F(PageControlTest, PageIndexMovesTheSheetAndItsTab) {
    sheets[2]->SetPageIndex(0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(pages->Pages(0), sheets[2]);
    EXPECT_EQ(pages->TabIndex(), 1);  // A's tab, wherever it went

    for (int wrong : {3, -1}) {
        try {
            sheets[0]->SetPageIndex(wrong);
            ADD_FAILURE() << wrong;
        } catch (const cl::Exception& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::to_string(wrong) + " is an invalid PageIndex value. PageIndex must be between 0 and 2");
        }
    }
}

TEST_F(PageControlTest, CtrlTabPagesThroughTheSheetsWithVisibleTabs) {
    edits[0]->SetFocus();
    struct Case {
        int from;
        cl::TShiftState shift;
        int to;
    };
    sheets[1]->SetTabVisible(false);
    for (const Case& c : {Case{0, cl::ssCtrl, 2}, Case{2, cl::ssCtrl, 0}, Case{0, cl::ssCtrl | cl::ssShift, 2},
                          Case{2, cl::ssCtrl | cl::ssShift, 0}}) {
        pages->SetActivePage(sheets[static_cast<size_t>(c.from)]);
        pages->SetFocus();
        EXPECT_TRUE(pages->DialogKey(VK_TAB, c.shift)) << c.from;
        EXPECT_EQ(pages->ActivePage(), sheets[static_cast<size_t>(c.to)]) << c.from;
    }
    EXPECT_FALSE(pages->DialogKey(VK_TAB, 0));
    EXPECT_FALSE(pages->DialogKey('A', cl::ssCtrl));
    pages->HideAllTabs();
    EXPECT_TRUE(pages->DialogKey(VK_TAB, cl::ssCtrl));
    EXPECT_EQ(pages->ActivePage(), sheets[0]);  // nothing to go to
    SetFocus(form->Handle());
    EXPECT_FALSE(pages->DialogKey(VK_TAB, cl::ssCtrl));  // the focus is elsewhere
}

TEST_F(PageControlTest, CtrlTabFromAControlOnAPageReachesThePageControlThroughTheMessageLoop) {
    edits[0]->SetFocus();
    ASSERT_TRUE(edits[0]->Focused());
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE withCtrl[256];
    std::copy(std::begin(keys), std::end(keys), std::begin(withCtrl));
    withCtrl[VK_CONTROL] = 0x80;
    SetKeyboardState(withCtrl);
    PostMessageA(edits[0]->Handle(), WM_KEYDOWN, VK_TAB, 0);
    app.ProcessMessages();
    SetKeyboardState(keys);
    ExpectShown(sheets[1]);
    EXPECT_TRUE(edits[1]->Focused());  // the focus went along to the new page's first control
}

TEST_F(PageControlTest, SwitchingPagesTakesTheFocusOutOfTheHiddenPage) {
    edits[0]->SetFocus();
    pages->SetActivePage(sheets[2]);  // no control to take it: the page itself
    EXPECT_EQ(GetFocus(), sheets[2]->Handle());
    pages->SetActivePage(sheets[1]);  // from the page itself to the new page's first control
    EXPECT_TRUE(edits[1]->Focused());
    pages->SetFocus();
    pages->SetActivePage(sheets[0]);  // the focus was not on the page: it stays
    EXPECT_TRUE(pages->Focused());
}

TEST_F(PageControlTest, TheCloseButtonFreesTheActivePageAndShowsThePreviousTabsPage) {
    pages->SetShowCloseButton(true);
    pages->OnClose = TMwTabCloseEvent::FromFunction([](cl::TObject*, bool& allow) { allow = true; });
    pages->SetActivePage(sheets[2]);
    TMwTabCloseButton* close = pages->CloseButton();
    const TPoint inside{close->Width() / 2, close->Height() / 2};
    Click(close, inside);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
    EXPECT_EQ(pages->TabIndex(), 1);

    // Closing the first tab leaves tab 0 current: its new page shows.
    pages->SetActivePage(sheets[0]);
    Click(close, inside);
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->TabIndex(), 0);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->Visible());
}

TEST_F(PageControlTest, ASheetThatLeavesTakesItsTabAlong) {
    TMwPageControl* other = new TMwPageControl(form);
    other->SetParent(form);
    sheets[0]->SetPageControl(other);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_FALSE(sheets[0]->Visible());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(other->PageCount(), 1);
    EXPECT_EQ(sheets[0]->PageIndex(), 0);

    pages->SetActivePage(sheets[2]);
    cl::Free(sheets[2]);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"B"}));
    EXPECT_THROW(sheets[1]->SetVisible(true), cl::EInvalidOperation);
    cl::Free(pages);  // the sheets go with it, without calling back
    EXPECT_EQ(form->FindComponent("B"), nullptr);
}

TEST_F(PageControlTest, PagesTakeThePageControlsColourUntilOneHasItsOwn) {
    pages->SetColor(0x00D0C0B0);
    for (TMwTabSheet* s : sheets) EXPECT_EQ(s->Color(), 0x00D0C0B0);
    EXPECT_FALSE(pages->UseColoredTabs());

    sheets[1]->SetColor(0x000000C0);
    EXPECT_TRUE(pages->UseColoredTabs());
    EXPECT_EQ(sheets[1]->Color(), 0x000000C0);
    EXPECT_EQ(pages->Tabs()[1].color, 0x000000C0);

    pages->SetUseColoredTabs(false);  // the page control's colour goes out to every page again
    for (TMwTabSheet* s : sheets) EXPECT_EQ(s->Color(), 0x00D0C0B0);

    // The card behind the pages is the active page's colour.
    pages->SetActivePage(sheets[2]);
    mw::TMemoryBitmap bitmap(nullptr, 300, 150);
    SendMessageA(pages->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()), 0);
    EXPECT_EQ(static_cast<cl::TColor>(GetPixel(bitmap.DC(), 150, 146)), 0x00D0C0B0);
}

TEST_F(PageControlTest, SavedResourcesGiveHiddenPagesWindowsBackWhenTheyShow) {
    pages->SetSaveResources(true);
    EXPECT_TRUE(sheets[0]->HandleAllocated());
    EXPECT_FALSE(sheets[1]->HandleAllocated());
    EXPECT_FALSE(sheets[2]->HandleAllocated());
    pages->SetActivePage(sheets[1]);
    EXPECT_TRUE(sheets[1]->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(sheets[1]->Handle()));
    EXPECT_TRUE(edits[1]->HandleAllocated());
    EXPECT_FALSE(sheets[0]->HandleAllocated());
}

TEST(PageControlFormTest, LoadsItsPagesAndShowsTheDefaultPage) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    cl::TApplication app;
    const char* text =
        "object F: TForm\n"
        "  Width = 400\n"
        "  Height = 300\n"
        "  object P: TMwPageControl\n"
        "    Align = alClient\n"
        "    ActivePage = S1\n"
        "    ActivePageDefault = S2\n"
        "    ShowFocusRect = False\n"
        "    TabIndex = 0\n"
        "    FixedDimension = 19\n"
        "    TabColors.Unselected = clBtnFace\n"
        "    TabOrientation = toBottom\n"
        "    object S1: TMwTabSheet\n"
        "      Caption = \"Code\"\n"
        "    end\n"
        "    object S2: TMwTabSheet\n"
        "      Caption = \"Graphic\"\n"
        "    end\n"
        "  end\n"
        "end\n";
    cl::TForm form(nullptr);
    cl::ReadFormResource(form, text, "T");
    auto* pages = dynamic_cast<TMwPageControl*>(form.FindComponent("P"));
    auto* second = dynamic_cast<TMwTabSheet*>(form.FindComponent("S2"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(pages->TabIndex(), 1);
    EXPECT_TRUE(second->Visible());
    EXPECT_FALSE(dynamic_cast<TMwTabSheet*>(form.FindComponent("S1"))->Visible());
    EXPECT_EQ(pages->TabColors()->Unselected(), cl::clBtnFace);
    EXPECT_EQ(pages->TabOrientation(), TMwTabOrientation::Bottom);
    EXPECT_EQ(pages->Tabs().Count(), 2);
    EXPECT_GT(pages->FixedDimension(), 0);  // read, then measured anew
}

}  // namespace
