// The component library's controls as the program uses them: read from a form resource,
// laid out, and driven the way the main window drives them.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "classlib/core/FormReader.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Button.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwFontComboBox.h"
#include "controls/basic/MwFormState.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwSpacer.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwToolButton.h"
#include "controls/basic/MwToolbar.h"
#include "controls/basic/MwTrayIcon.h"
#include "controls/basic/MwVersionInfoStatus.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "controls/shell/MwSelectFolderForm.h"
#include "controls/tests/ControlsTestForm.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"
#include "dragdrop/RegisterDragDrop.h"

namespace {

using cl::TRect;

class ControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
        RegisterDragDropClasses();
    }
    void SetUp() override {
        form = app.CreateForm<TControlsTestForm>();
        form->Show();
    }

    template <class T>
    T* Get(const char* name) {
        T* component = form->Get<T>(name);
        EXPECT_NE(component, nullptr) << name;
        return component;
    }

    static void ClickAt(cl::TControl* control, cl::TPoint p) {
        const LPARAM at = MAKELPARAM(p.x, p.y);
        SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(control->Handle(), WM_LBUTTONUP, 0, at);
    }
    static cl::TPoint Centre(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    cl::TApplication app;
    TControlsTestForm* form = nullptr;
};

TEST_F(ControlsTest, ReadsEveryComponentWithItsSettings) {
    auto* status = Get<TMwStatusBar>("StatusBar");
    EXPECT_EQ(status->BoundsRect(), TRect::FromBounds(0, 381, 600, 19));
    EXPECT_TRUE(status->AutoStyle());  // the streamed borders equal the automatic ones
    EXPECT_EQ(Get<TMwVersionInfoStatus>("VersionPane")->PaneCaption(), "1.2.3");
    EXPECT_EQ(Get<TMwProgressBar>("Progress")->BorderInner(), TFrameStyle::Flat);
    EXPECT_EQ(Get<TMwFormState>("FormState1")->RegIniFile(), Get<TMwRegIniFile>("Settings"));
    EXPECT_FALSE(Get<TMwTrayIcon>("Tray")->Enabled());
    EXPECT_EQ(Get<TMwLauncher>("Launcher1")->WaitType(), TMwWaitType::ProcessMessages);
    EXPECT_EQ(Get<TMwSelectFolderDialog>("FolderDialog")->Options(), 1u | 2u | 64u | 128u | 512u);
    EXPECT_EQ(Get<TMwPageControl>("Pages")->FixedDimension(), 19);
    EXPECT_EQ(Get<TDropFileSource>("DragSource")->Dragtypes(), dtMove);

    int effect = 0;
    Get<TDropFileTarget>("DragTarget")->OnDrop(form, 0, {}, effect);
    EXPECT_EQ(form->log, std::vector<std::string>{"drop"});
}

TEST_F(ControlsTest, SplitterPanesReceiveTheNamedControlsAndFollowPercent) {
    auto* outer = Get<TMwSplitter>("Outer");
    auto* inner = Get<TMwSplitter>("Inner");
    EXPECT_EQ(inner->Parent(), outer->UpperLeftPane());
    EXPECT_EQ(Get<TMwPanel>("Caption1")->Parent(), outer->LowerRightPane());
    EXPECT_EQ(Get<TMwPageControl>("Pages")->Parent(), outer->LowerRightPane());
    EXPECT_EQ(Get<TMwPanel>("LeftPanel")->Parent(), inner->UpperLeftPane());
    EXPECT_EQ(Get<TMwPanel>("RightPanel")->Parent(), inner->LowerRightPane());

    // 381 high with a 7-pixel bar: 64 % of 378 is 241.92.
    EXPECT_EQ(outer->BoundsRect(), TRect::FromBounds(145, 0, 455, 381));
    EXPECT_EQ(outer->Position(), 242);
    EXPECT_EQ(outer->UpperLeftPane()->BoundsRect(), TRect::FromBounds(0, 0, 455, 242));
    EXPECT_EQ(outer->LowerRightPane()->BoundsRect(), TRect::FromBounds(0, 249, 455, 132));
    EXPECT_EQ(Get<TMwPanel>("Caption1")->BoundsRect(), TRect::FromBounds(0, 0, 455, 20));
    // 35 % of 455 - 2 is 158.55.
    EXPECT_EQ(inner->UpperLeftPane()->Width(), 159);

    form->SetClientHeight(500);
    EXPECT_EQ(outer->Height(), 481);
    EXPECT_EQ(outer->Position(), 306);  // 64 % of 478 is 305.92
    EXPECT_EQ(outer->Percent(), 64);

    // The hot spot collapses the lower pane to the bar's far limit and brings it back.
    outer->ToggleHotSpot(false);
    EXPECT_EQ(outer->Position(), 481 - 7);
    EXPECT_EQ(outer->LowerRightPane()->Height(), 0);
    outer->ToggleHotSpot(false);
    EXPECT_EQ(outer->Position(), 306);

    // Dragging the bar moves it live.
    const cl::TPoint onBar{50, 306 + 3};
    SendMessageA(outer->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onBar.x, onBar.y));
    SendMessageA(outer->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(onBar.x, onBar.y - 100));
    SendMessageA(outer->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(onBar.x, onBar.y - 100));
    EXPECT_EQ(outer->Position(), 206);
    EXPECT_EQ(outer->UpperLeftPane()->Height(), 206);
}

TEST_F(ControlsTest, SplitterPositionIsClampedAndMayBeVetoed) {
    auto* outer = Get<TMwSplitter>("Outer");
    outer->SetMarginMin(50);
    outer->SetPosition(10);
    EXPECT_EQ(outer->Position(), 50);
    outer->SetPosition(1000);
    EXPECT_EQ(outer->Position(), 381 - 7);

    int asked = 0;
    outer->OnChanging = TPositionChangingEvent::FromFunction([&](cl::TObject*, int, bool& allow) {
        ++asked;
        allow = false;
    });
    outer->SetPosition(100);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(outer->Position(), 381 - 7);
}

TEST_F(ControlsTest, GroupItemsFollowTheirActions) {
    auto* view = Get<TMwGroup>("Group1");
    TMwGroupItem* one = view->Items()->Items(0);
    TMwGroupItem* two = view->Items()->Items(1);
    EXPECT_EQ(one->Caption(), "One");
    EXPECT_EQ(one->ImageIndex(), 1);
    EXPECT_EQ(two->Caption(), "Own caption");  // the form resource's own value stays
    EXPECT_EQ(two->ImageIndex(), 2);
    TMwGroupItem* play = Get<TMwGroup>("Group2")->Items()->Items(0);
    EXPECT_FALSE(play->Enabled());
    EXPECT_EQ(play->DisabledIndex(), 4);

    Get<cl::TAction>("actOne")->SetCaption("Uno");
    Get<cl::TAction>("actTwo")->SetCaption("Dos");
    EXPECT_EQ(one->Caption(), "Uno");
    EXPECT_EQ(two->Caption(), "Own caption");

    const int tall = view->Height();
    Get<cl::TAction>("actOne")->SetVisible(false);
    EXPECT_FALSE(one->Visible());
    EXPECT_LT(view->Height(), tall);  // the bar laid the group out again

    cl::Free(Get<cl::TAction>("actTwo"));
    EXPECT_EQ(two->Action(), nullptr);
}

TEST_F(ControlsTest, ClickingAGroupItemRunsItsAction) {
    auto* view = Get<TMwGroup>("Group1");
    ClickAt(view, Centre(view->Items()->Items(0)->TextRect()));
    ClickAt(view, Centre(view->Items()->Items(1)->TextRect()));
    EXPECT_EQ(form->log, (std::vector<std::string>{"one", "two"}));

    // The main window swaps the first item of its actions group between play and stop.
    auto* actions = Get<TMwGroup>("Group2");
    actions->Open();
    TMwGroupItem* item = actions->Items()->Items(0);
    form->log.clear();
    ClickAt(actions, Centre(item->TextRect()));  // disabled: nothing runs
    Get<cl::TAction>("actPlay")->SetEnabled(true);
    item->SetAction(Get<cl::TAction>("actStop"));
    item->SetImageIndex(5);
    EXPECT_EQ(item->Caption(), "Stop");
    item->Click();
    item->SetAction(Get<cl::TAction>("actPlay"));
    item->SetImageIndex(4);
    EXPECT_TRUE(item->Enabled());
    item->Click();
    EXPECT_EQ(form->log, (std::vector<std::string>{"stop", "play"}));
}

TEST_F(ControlsTest, GroupsOpenAndCloseByTheirRules) {
    auto* group = Get<TMwGroup>("Group2");
    EXPECT_FALSE(group->Opened());
    EXPECT_EQ(group->Height(), group->CaptionHeight());

    ClickAt(group, {10, 5});  // the caption: OnCanOpen refuses
    EXPECT_FALSE(group->Opened());
    form->allowOpen = true;
    ClickAt(group, {10, 5});
    EXPECT_TRUE(group->Opened());
    EXPECT_GT(group->Height(), group->CaptionHeight());
    EXPECT_EQ(form->log, (std::vector<std::string>{"canopen", "canopen"}));

    group->Close();
    EXPECT_FALSE(group->Opened());
    group->Open();  // Open does not ask
    EXPECT_TRUE(group->Opened());
    EXPECT_EQ(form->log.size(), 2u);

    group->SetCanClose(false);
    group->Close();
    EXPECT_TRUE(group->Opened());

    try {
        group->SetGroupIndex(2);
        FAIL() << "no error";
    } catch (const cl::EListError& e) {
        EXPECT_STREQ(e.what(), "2 is an invalid GroupIndex value. GroupIndex must be between 0 and 1");
    }
}

TEST_F(ControlsTest, PageControlShowsTheActivePageWithEveryTabHidden) {
    auto* pages = Get<TMwPageControl>("Pages");
    auto* code = Get<TMwTabSheet>("Page1");
    auto* graphic = Get<TMwTabSheet>("Page2");
    int changing = 0;
    pages->OnChanging = TMwTabChangingEvent::FromFunction([&](cl::TObject*, int, bool&) { ++changing; });

    code->SetTabVisible(false);
    graphic->SetTabVisible(false);
    pages->SetActivePage(graphic);
    EXPECT_EQ(pages->ActivePage(), graphic);
    EXPECT_TRUE(graphic->Visible());
    EXPECT_EQ(pages->TabIndex(), -1);
    // No tab row: the page fills the card inside its frame and two-pixel shadow.
    EXPECT_EQ(graphic->BoundsRect(), (TRect{1, 1, pages->Width() - 3, pages->Height() - 3}));
    pages->SetActivePage(code);
    EXPECT_TRUE(code->Visible());
    EXPECT_FALSE(graphic->Visible());
    EXPECT_EQ(changing, 0);

    EXPECT_THROW(code->SetVisible(false), cl::EInvalidOperation);
}

TEST_F(ControlsTest, PageControlAsksBeforeChangingToAVisibleTab) {
    auto* pages = Get<TMwPageControl>("Pages");
    auto* code = Get<TMwTabSheet>("Page1");
    auto* graphic = Get<TMwTabSheet>("Page2");
    pages->SetActivePage(code);
    EXPECT_EQ(pages->TabIndex(), 0);
    EXPECT_GT(code->Top(), 0);  // below the tab row

    bool allow = false;
    pages->OnChanging = TMwTabChangingEvent::FromFunction([&](cl::TObject*, int, bool& ok) { ok = allow; });
    pages->SetActivePage(graphic);
    EXPECT_EQ(pages->ActivePage(), code);
    allow = true;
    pages->SetActivePage(graphic);
    EXPECT_EQ(pages->ActivePage(), graphic);
    EXPECT_EQ(pages->TabIndex(), 1);

    graphic->SetTabVisible(false);  // the page stays, its tab goes
    EXPECT_EQ(pages->TabIndex(), -1);
    EXPECT_TRUE(graphic->Visible());
}

// Counts its paints, to show when the bar repaints.
class TCountingProgressBar : public TMwProgressBar {
public:
    using TMwProgressBar::TMwProgressBar;
    int paints = 0;

protected:
    void Paint(cl::TCanvas& canvas) override {
        ++paints;
        TMwProgressBar::Paint(canvas);
    }
};

TEST_F(ControlsTest, ProgressBarRepaintsAtOnceWhenPercentChanges) {
    auto* bar = new TCountingProgressBar(form);
    bar->SetParent(form);
    bar->Update();
    std::vector<int> changes;
    bar->OnChange = TProgressChangeEvent::FromFunction([&](cl::TObject*, int percent) { changes.push_back(percent); });

    bar->paints = 0;
    bar->SetPercent(40);
    EXPECT_EQ(bar->paints, 1);  // without a message loop in between
    bar->SetPercent(40);
    EXPECT_EQ(bar->paints, 1);
    EXPECT_EQ(changes, std::vector<int>{40});

    struct Case {
        int total, parts, storedParts, percent;
    };
    for (const Case& c : {Case{8, 1, 1, 12}, Case{8, 3, 3, 38}, Case{10, 50, 10, 100}}) {
        bar->SetTotalParts(c.total);
        bar->SetPartsComplete(c.parts);
        EXPECT_EQ(bar->PartsComplete(), c.storedParts) << c.parts << "/" << c.total;
        EXPECT_EQ(bar->Percent(), c.percent) << c.parts << "/" << c.total;
    }
    bar->SetTotalParts(4);  // a new total starts from nothing
    EXPECT_EQ(bar->Percent(), 0);
    EXPECT_EQ(changes.back(), 0);
}

TEST_F(ControlsTest, ToolbarPlacesItsControlsInTheStoredOrder) {
    auto* tools = Get<TMwToolbar>("Tools");
    EXPECT_EQ(tools->Height(), 29);
    EXPECT_EQ(Get<TMwSpacer>("Spacer1")->BoundsRect(), TRect::FromBounds(4, 2, 8, 25));
    EXPECT_EQ(Get<TMwToolButton>("Button1")->BoundsRect(), TRect::FromBounds(12, 2, 25, 25));
    EXPECT_EQ(Get<TMwSpacer>("Spacer2")->Left(), 37);
    auto* fonts = Get<TMwFontComboBox>("Fonts");
    EXPECT_EQ(fonts->Left(), 45);
    EXPECT_EQ(Get<TMwCheckBox>("Check")->Left(), 45 + fonts->Width());

    auto* button = Get<TMwToolButton>("Button1");
    EXPECT_EQ(button->Caption(), "One");
    ClickAt(button, {12, 12});
    EXPECT_EQ(form->log, std::vector<std::string>{"one"});
}

TEST_F(ControlsTest, CheckBoxAndFontComboBoxDoWhatTheEditorToolbarNeeds) {
    auto* check = Get<TMwCheckBox>("Check");
    EXPECT_TRUE(check->Checked());
    SendMessageA(check->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(SendMessageA(check->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(form->log, std::vector<std::string>{"check"});

    // The form asks for fixed-pitch fonts only (the pitch bit of an entry's data is clear).
    auto* fonts = Get<TMwFontComboBox>("Fonts");
    auto names = [&] {
        std::vector<std::string> list;
        for (int i = 0; i < fonts->ItemCount(); ++i) list.push_back(fonts->Items(i));
        return list;
    };
    const std::vector<std::string> fixed = names();
    ASSERT_FALSE(fixed.empty());
    for (int i = 0; i < fonts->ItemCount(); ++i)
        EXPECT_EQ(SendMessageA(fonts->Handle(), CB_GETITEMDATA, static_cast<WPARAM>(i), 0) & TMPF_FIXED_PITCH, 0) << fixed[static_cast<size_t>(i)];
    EXPECT_EQ(std::count(fixed.begin(), fixed.end(), "Tahoma"), 0);

    fonts->SetFontName(fixed.front());
    fonts->SetFontType(TMwFontType::All);
    const std::vector<std::string> all = names();
    EXPECT_EQ(std::count(all.begin(), all.end(), "Tahoma"), 1);
    for (const std::string& name : fixed) EXPECT_EQ(std::count(all.begin(), all.end(), name), 1) << name;
    EXPECT_EQ(fonts->FontName(), fixed.front());  // the selection survives the new list
    ASSERT_NE(fonts->SelectedFont(), nullptr);
    EXPECT_EQ(fonts->SelectedFont()->Name(), fixed.front());
}

TEST_F(ControlsTest, FolderDialogRunsItsWindowOneRunAtATime) {
    auto* dialog = Get<TMwSelectFolderDialog>("FolderDialog");
    dialog->SetTitle("Choose a target folder...");
    std::string caption;
    std::string nested;
    dialog->OnFormShow = cl::TNotifyEvent::FromFunction([&](cl::TObject* sender) {
        auto& window = dynamic_cast<TMwSelectFolderForm&>(*sender);
        caption = window.Caption();
        try {
            dialog->Execute();
        } catch (const cl::Exception& e) {
            nested = e.what();
        }
        window.CancelBtn->Click();
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(caption, "Choose a target folder...");
    EXPECT_EQ(nested, "TMwSelectFolderDialog already executing");
    EXPECT_EQ(dialog->Form(), nullptr);  // the window of the run is gone
    EXPECT_FALSE(dialog->Executing());
}

TEST(ControlsFormErrorTest, MisplacedOrUnknownSettingsNameTheirPlace) {
    cl::RegisterClassLibrary();
    RegisterQuillonControls();
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"object F: TControlsTestForm\n  object P: TMwPanel\n    object G: TMwGroup\n    end\n  end\nend\n",
         "TMwGroup components can only be placed in a TMwGroupBar component"},
        {"object F: TControlsTestForm\n  object C: TMwPageControl\n    object S: TMwTabSheet\n      Visible = False\n    end\n  end\nend\n",
         "You cannot change the Visible property of a page"},
        {"object F: TControlsTestForm\n  object S: TMwSplitter\n    BarSize = (\"0\" \"1\" \"2\")\n  end\nend\n",
         "BarSize needs four integers"},
        {"object F: TControlsTestForm\n  object T: TMwToolbar\n    ToolbarControl = [A]\n  end\nend\n",
         "property ToolbarControl"},
    };
    for (const Case& c : cases) {
        TControlsTestForm form(nullptr);
        try {
            cl::ReadFormResource(form, c.text, "Bad");
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const cl::EFormReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("line "), std::string::npos) << e.what();
        }
    }
}

}  // namespace
