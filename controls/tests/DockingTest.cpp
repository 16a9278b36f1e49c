// Docking and dragging in the component library, driven by synthesised mouse input: a window
// dragged onto a framed panel that is a dock site and out again to float, the splitter's panes
// as dock sites raising the splitter's own events, and a group's item states under a drag.
// The form comes from a form resource, with the events bound to its handlers by name.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/FormReader.h"
#include "classlib/tests/win/DragStateName.h"
#include "classlib/tests/win/MouseScript.h"
#include "classlib/win/Application.h"
#include "classlib/win/DockTree.h"
#include "classlib/win/DragSession.h"
#include "classlib/win/FloatHostForm.h"
#include "classlib/win/Form.h"
#include "classlib/win/RegisterClasses.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwPanel.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwGroupItem.h"
#include "controls/navigation/MwSplitter.h"

namespace {

using cl::TControl;
using cl::TDragState;
using test::DragStateName;
using test::TMouseScript;

// The form's handlers note each event as "<sender> [<pane>] <event>".
class TDockForm : public cl::TForm {
    CL_CLASS_INFO()
public:
    using cl::TForm::TForm;

    // Pane: 0 none (the sender is the site), 1 the splitter's upper-left pane, 2 its lower-right.
    template <int Pane>
    void GetSiteInfo(cl::TObject* sender, TControl*, cl::TRect&, cl::TPoint, bool&) {
        Note(sender, Pane, "siteinfo");
    }
    template <int Pane>
    void DockOver(cl::TObject* sender, cl::TDragDockObject*, int, int, TDragState state, bool&) {
        Note(sender, Pane, std::string("over ") + DragStateName(state));
    }
    template <int Pane>
    void DockDrop(cl::TObject* sender, cl::TDragDockObject* source, int, int) {
        Note(sender, Pane, "drop " + NameOf(source->Control()));
    }
    template <int Pane>
    void UnDock(cl::TObject* sender, TControl* client, TControl* newTarget, bool&) {
        Note(sender, Pane, "undock " + NameOf(client) + " to " + NameOf(newTarget));
    }
    void ToolStartDock(cl::TObject*, cl::TDragDockObject*& object) {
        dragged = object;
        log.push_back("start");
    }
    void ToolEndDock(cl::TObject*, cl::TObject* target, int, int) {
        dragged = nullptr;
        log.push_back("end " + NameOf(target));
    }

    std::string NameOf(cl::TObject* object) {
        auto* split = dynamic_cast<TMwSplitter*>(FindComponent("Split"));
        if (object == split->UpperLeftPane()) return "Split.UpperLeft";
        if (object == split->LowerRightPane()) return "Split.LowerRight";
        auto* component = dynamic_cast<cl::TComponent*>(object);
        return component ? component->Name() : "none";
    }
    // The log without the sites' questions, which come before their answers on every move.
    std::vector<std::string> Answers() const {
        std::vector<std::string> answers;
        for (const std::string& e : log)
            if (e.find("siteinfo") == std::string::npos) answers.push_back(e);
        return answers;
    }

    std::vector<std::string> log;
    cl::TDragDockObject* dragged = nullptr;  // during a dock drag of the tool

private:
    void Note(cl::TObject* sender, int pane, const std::string& event) {
        std::string entry = NameOf(sender) + (pane == 1 ? " UL " : pane == 2 ? " LR " : " ") + event;
        // A pointer that shakes may report one more move: one entry stands for a run of them.
        if (!log.empty() && log.back() == entry && event == "over move") return;
        log.push_back(std::move(entry));
    }
};

const cl::TClassInfo& TDockForm::StaticClass() {
    using F = TDockForm;
    static const auto info = cl::TClassBuilder<F>("TDockForm", cl::TForm::StaticClass())
                                 .Handler("SiteGetSiteInfo", &F::GetSiteInfo<0>)
                                 .Handler("SiteDockOver", &F::DockOver<0>)
                                 .Handler("SiteDockDrop", &F::DockDrop<0>)
                                 .Handler("SiteUnDock", &F::UnDock<0>)
                                 .Handler("SplitULGetSiteInfo", &F::GetSiteInfo<1>)
                                 .Handler("SplitULDockOver", &F::DockOver<1>)
                                 .Handler("SplitULDockDrop", &F::DockDrop<1>)
                                 .Handler("SplitULUnDock", &F::UnDock<1>)
                                 .Handler("SplitLRGetSiteInfo", &F::GetSiteInfo<2>)
                                 .Handler("SplitLRDockOver", &F::DockOver<2>)
                                 .Handler("SplitLRDockDrop", &F::DockDrop<2>)
                                 .Handler("SplitLRUnDock", &F::UnDock<2>)
                                 .Handler("ToolStartDock", &F::ToolStartDock)
                                 .Handler("ToolEndDock", &F::ToolEndDock)
                                 .Build();
    return *info;
}

const char* const kDockForm = R"(object DockForm: TDockForm
  Left = 100
  Top = 100
  Width = 560
  Height = 400
  BorderStyle = bsNone
  object Site: TMwPanel
    Left = 300
    Top = 10
    Width = 200
    Height = 150
    BorderOuter = fsNone
    DockSite = True
    OnGetSiteInfo = SiteGetSiteInfo
    OnDockOver = SiteDockOver
    OnDockDrop = SiteDockDrop
    OnUnDock = SiteUnDock
  end
  object Split: TMwSplitter
    Left = 300
    Top = 200
    Width = 204
    Height = 150
    Position = 100
    UpperLeft.DockSite = True
    LowerRight.DockSite = True
    OnULGetSiteInfo = SplitULGetSiteInfo
    OnULDockOver = SplitULDockOver
    OnULDockDrop = SplitULDockDrop
    OnULUnDock = SplitULUnDock
    OnLRGetSiteInfo = SplitLRGetSiteInfo
    OnLRDockOver = SplitLRDockOver
    OnLRDockDrop = SplitLRDockDrop
    OnLRUnDock = SplitLRUnDock
  end
  object Tool: TMwPanel
    Left = 20
    Top = 20
    Width = 160
    Height = 70
    Caption = "Tool"
    DragKind = dkDock
    DragMode = dmAutomatic
    OnStartDock = ToolStartDock
    OnEndDock = ToolEndDock
  end
end
)";

class DockingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cl::RegisterClassLibrary();
        RegisterQuillonControls();
    }
    void SetUp() override {
        form = new TDockForm(&app);
        cl::ReadFormResource(*form, kDockForm, "DockForm");
        site = dynamic_cast<TMwPanel*>(form->FindComponent("Site"));
        split = dynamic_cast<TMwSplitter*>(form->FindComponent("Split"));
        tool = dynamic_cast<TMwPanel*>(form->FindComponent("Tool"));
        ASSERT_TRUE(site && split && tool);
        form->Show();
    }
    void TearDown() override { cl::Free(form); }

    static POINT At(TControl* control, int x, int y) {
        const cl::TPoint p = control->ClientToScreen({x, y});
        return {p.x, p.y};
    }

    // Presses at press, drags a little, then over the points in turn, and lets go at the last;
    // each move waits until the drag has taken in the one before.
    void DockDrag(POINT press, std::initializer_list<POINT> path) {
        const auto reached = [this](POINT p) {
            return [this, p] { return form->dragged && form->dragged->DragPos() == cl::TPoint{p.x, p.y}; };
        };
        POINT last{press.x, press.y + 10};
        TMouseScript script;
        script.MoveTo(press).Press(TMouseScript::PointerAt(press)).MoveTo(last, [this] { return tool->Dragging(); });
        for (POINT p : path) {
            script.MoveTo(p, reached(last));
            last = p;
        }
        script.Release(reached(last)).WaitFor("the drag's end", [this] { return !tool->Dragging() && GetKeyState(VK_LBUTTON) >= 0; });
        ASSERT_TRUE(script.Play()) << script.Failed();
    }

    cl::TApplication app;
    TDockForm* form = nullptr;
    TMwPanel* site = nullptr;
    TMwSplitter* split = nullptr;
    TMwPanel* tool = nullptr;
};

TEST_F(DockingTest, AWindowDraggedOntoAPanelDocksBelowACaptionStripAndFloatsWhenDraggedOut) {
    EXPECT_EQ(tool->DragKind(), cl::TDragKind::Dock);
    EXPECT_EQ(tool->DragMode(), cl::TDragMode::Automatic);
    ASSERT_NE(site->DockManager(), nullptr) << "a panel that is a dock site has its manager";

    DockDrag(At(tool, 60, 30), {At(site, 100, 70), At(site, 104, 74)});
    EXPECT_EQ(form->Answers(), (std::vector<std::string>{"start", "Site over enter", "Site over move", "Site over leave",
                                                         "Site drop Tool", "end Site"}));
    EXPECT_EQ(tool->HostDockSite(), site);
    EXPECT_EQ(tool->BoundsRect(), cl::TRect::FromBounds(0, 14, 200, 136)) << "below the 14-pixel caption strip";

    // Out by the caption strip, left of its close glyph.
    form->log.clear();
    const POINT away = At(form, 40, 300);
    DockDrag(At(site, 60, 6), {away});
    EXPECT_EQ(form->Answers(), (std::vector<std::string>{"start", "Site over enter", "Site over leave", "Site undock Tool to none",
                                                         "end none"}));
    cl::TFloatHostForm* host = tool->FloatHost();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->ClientRect(), cl::TRect::FromBounds(0, 0, 160, 70));
    EXPECT_EQ(host->Left(), away.x - 60);
    EXPECT_EQ(host->Top(), away.y - 6);
    EXPECT_TRUE(site->DockManager()->Clients().empty());
}

TEST_F(DockingTest, TheSplittersPanesRaiseItsOwnDockingEvents) {
    // The left pane is 100 wide, the bar 4, the right pane 100.
    DockDrag(At(tool, 60, 30), {At(split, 50, 70), At(split, 54, 74)});
    EXPECT_EQ(tool->HostDockSite(), split->UpperLeftPane());
    EXPECT_EQ(tool->BoundsRect(), cl::TRect::FromBounds(0, 14, 100, 136));
    ASSERT_GE(form->log.size(), 2u);
    const auto firstOver = std::find(form->log.begin(), form->log.end(), "Split UL over enter");
    ASSERT_NE(firstOver, form->log.end());
    EXPECT_EQ(*(firstOver - 1), "Split UL siteinfo") << "asked first, with the splitter as sender";

    form->log.clear();
    DockDrag(At(split, 30, 6), {At(split, 150, 70), At(split, 154, 74)});
    EXPECT_EQ(form->Answers(),
              (std::vector<std::string>{"start", "Split UL over enter", "Split UL over leave", "Split LR over enter", "Split LR over move",
                                        "Split LR over leave", "Split UL undock Tool to Split.LowerRight", "Split LR drop Tool",
                                        "end Split.LowerRight"}));
    EXPECT_EQ(tool->HostDockSite(), split->LowerRightPane());
    EXPECT_TRUE(split->UpperLeftPane()->DockManager()->Clients().empty());
}

// ---- a group under a drag ----

TEST_F(DockingTest, AGroupShowsTheItemUnderAnAcceptedDragHotAndForgetsPressedItemsAfterItsOwnDrag) {
    auto* bar = new TMwGroupBar(form);
    bar->SetAlign(cl::TAlign::None);
    bar->SetParent(form);
    bar->SetBounds(20, 120, 160, 240);
    auto* group = new TMwGroup(form);
    group->SetCaption("Group");
    group->SetGroupBar(bar);
    std::vector<TMwGroupItem*> items;
    for (const char* caption : {"First", "Second", "Third"}) {
        TMwGroupItem* item = group->Items()->Add();
        item->SetCaption(caption);
        item->OnClick = cl::TNotifyEvent::FromFunction([this, caption](cl::TObject*) { form->log.push_back(std::string("click ") + caption); });
        items.push_back(item);
    }
    group->Repaint();  // records the items' places
    const auto centre = [group](TMwGroupItem* item) {
        const cl::TRect r = item->TextRect();
        return At(group, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    const auto states = [&items] {
        std::string s;
        for (TMwGroupItem* item : items) s += item->State() == TMwItemState::Hot ? 'h' : item->State() == TMwItemState::Pressed ? 'p' : '-';
        return s;
    };

    // The tool is dragged (to drop) over the group, which accepts.
    tool->SetDragKind(cl::TDragKind::Drag);
    cl::TPoint over{-1, -1};
    group->OnDragOver = cl::TDragOverEvent::FromFunction([&over](cl::TObject*, cl::TObject*, int x, int y, TDragState, bool& accept) {
        over = {x, y};
        accept = true;
    });
    const auto overAt = [&over, group](POINT p) { return [&over, group, p] { return group->ClientToScreen(over) == cl::TPoint{p.x, p.y}; }; };
    std::vector<std::string> seen;
    const auto note = [&seen, &states](POINT) { return [&seen, &states] { seen.push_back(states()); return true; }; };
    const POINT press = At(tool, 60, 30), second = centre(items[1]), first = centre(items[0]);
    TMouseScript script;
    script.MoveTo(press)
        .Press(TMouseScript::PointerAt(press))
        .MoveTo({press.x, press.y + 10}, [this] { return tool->Dragging(); })
        .MoveTo(second)
        .WaitFor("over the second item", overAt(second))
        .WaitFor("states", note(second))
        .MoveTo(first)
        .WaitFor("over the first item", overAt(first))
        .WaitFor("states", note(first))
        .Release()
        .WaitFor("the drag's end", [this] { return !tool->Dragging() && GetKeyState(VK_LBUTTON) >= 0; });
    ASSERT_TRUE(script.Play()) << script.Failed();
    EXPECT_EQ(seen, (std::vector<std::string>{"-h-", "h--"}));

    // The group itself dragged from a pressed item: the press marks the item, the end of the
    // drag clears it, and the release inside the drag is no click.
    group->OnDragOver = {};
    group->SetDragMode(cl::TDragMode::Automatic);
    bool ended = false;
    group->OnEndDrag = cl::TEndDragEvent::FromFunction([&ended](cl::TObject*, cl::TObject*, int, int) { ended = true; });
    const POINT third = centre(items[2]);
    TMouseScript own;
    own.MoveTo(third)
        .Press(TMouseScript::PointerAt(third))
        .WaitFor("the press", [group] { return group->Dragging(); })
        .WaitFor("states", [&seen, &states, &items] {
            seen.push_back(states() + (items[2]->PressedMark() ? " marked" : ""));
            return true;
        })
        .MoveTo({third.x, third.y + 10})
        .MoveTo(At(form, 300, 380), [group] { return group->Dragging(); })
        .Release(TMouseScript::PointerAt(At(form, 300, 380)))
        .WaitFor("the drag's end", [&ended] { return ended && GetKeyState(VK_LBUTTON) >= 0; });
    ASSERT_TRUE(own.Play()) << own.Failed();
    EXPECT_EQ(seen.back(), "--p marked");
    EXPECT_EQ(states(), "---");
    EXPECT_FALSE(items[2]->PressedMark());
    EXPECT_EQ(form->log, std::vector<std::string>{}) << "no item was clicked";
}

}  // namespace
