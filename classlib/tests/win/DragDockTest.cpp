// Drags and docks driven by synthesised mouse and key input: a control dropped on another,
// a control docked in a dock site, dragged out by its grabber to float, and docked again from
// its floating form's caption, with the events in their order.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "classlib/tests/win/DragStateName.h"
#include "classlib/tests/win/MouseScript.h"
#include "classlib/win/Application.h"
#include "classlib/win/DockTree.h"
#include "classlib/win/DragSession.h"
#include "classlib/win/FloatHostForm.h"
#include "classlib/win/Form.h"
#include "classlib/win/Panel.h"

namespace {

using cl::TControl;
using cl::TDragState;
using test::DragStateName;
using test::TMouseScript;

class DragDockTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new cl::TForm(&app);
        form->SetBorderStyle(cl::TFormBorderStyle::None);
        form->SetBounds(100, 100, 520, 360);
        form->Show();
    }
    void TearDown() override { cl::Free(form); }

    cl::TPanel* NewPanel(const char* name, int left, int top, int width, int height) {
        auto* panel = new cl::TPanel(form);
        panel->SetName(name);
        panel->SetParent(form);
        panel->SetBounds(left, top, width, height);
        return panel;
    }
    static POINT At(TControl* control, int x, int y) {
        const cl::TPoint p = control->ClientToScreen({x, y});
        return {p.x, p.y};
    }
    static POINT Plus(POINT p, int dx, int dy) { return {p.x + dx, p.y + dy}; }
    static std::string NameOf(cl::TObject* object) {
        auto* component = dynamic_cast<cl::TComponent*>(object);
        return component ? (component->Name().empty() ? std::string("unnamed") : component->Name()) : "none";
    }

    void Note(const std::string& event) {
        // A pointer that shakes may report one more move: one entry stands for a run of them.
        if (!log.empty() && log.back() == event && event.find("move") != std::string::npos) return;
        log.push_back(event);
    }
    TMouseScript::TCondition Logged(const std::string& event) {
        return [this, event] { return std::find(log.begin(), log.end(), event) != log.end(); };
    }
    // The log without the site's questions, which come before every move over a site.
    std::vector<std::string> Answers() const {
        std::vector<std::string> answers;
        for (const std::string& e : log)
            if (e != "siteinfo") answers.push_back(e);
        return answers;
    }

    cl::TApplication app;
    cl::TForm* form = nullptr;
    std::vector<std::string> log;
};

// ---- dragging to drop ----

TEST_F(DragDockTest, ADraggedControlDropsOnTheTargetThatAcceptsIt) {
    cl::TPanel* source = NewPanel("Source", 20, 20, 80, 50);
    cl::TPanel* target = NewPanel("Target", 200, 20, 120, 100);
    source->SetDragMode(cl::TDragMode::Automatic);
    source->SetDragCursor(cl::crHandPoint);
    source->OnStartDrag = cl::TStartDragEvent::FromFunction([this](cl::TObject*, cl::TDragObject*&) { Note("start"); });
    source->OnEndDrag = cl::TEndDragEvent::FromFunction([this](cl::TObject*, cl::TObject* t, int, int) { Note("end " + NameOf(t)); });
    source->OnClick = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { Note("click"); });

    enum class TEnd { Release, Escape, EndDragCall, Click };
    struct Case {
        const char* what;
        bool accept;
        TEnd end;
        std::vector<std::string> events;
        cl::TCursor cursor;  // over the target (crDefault: not looked at)
    };
    const Case cases[] = {
        {"released over a target that accepts", true, TEnd::Release,
         {"start", "over enter", "over move", "over leave", "drop Source", "end Target"}, cl::crHandPoint},
        {"released over a target that refuses", false, TEnd::Release,
         {"start", "over enter", "over move", "over leave", "end none"}, cl::crNoDrop},
        {"cancelled by Escape", true, TEnd::Escape, {"start", "over enter", "over move", "over leave", "end none"}, cl::crHandPoint},
        {"ended by EndDrag from the target", true, TEnd::EndDragCall,
         {"start", "over enter", "over move", "over leave", "drop Source", "end Target"}, cl::crDefault},
        {"released where it was pressed: a click", true, TEnd::Click, {"click"}, cl::crDefault},
    };
    int pressX = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        target->OnDragOver = cl::TDragOverEvent::FromFunction(
            [this, &c, source](cl::TObject*, cl::TObject* from, int, int, TDragState state, bool& accept) {
                EXPECT_EQ(from, source);
                Note(std::string("over ") + DragStateName(state));
                accept = c.accept;
                if (c.end == TEnd::EndDragCall && state == TDragState::DragMove) source->EndDrag(true);
            });
        target->OnDragDrop = cl::TDragDropEvent::FromFunction([this](cl::TObject*, cl::TObject* from, int x, int y) {
            Note("drop " + NameOf(from));
            EXPECT_EQ(x, 65);
            EXPECT_EQ(y, 55);
        });
        HCURSOR seen = nullptr;
        // A press where the last one was would be a double click.
        const POINT press = At(source, pressX += 12, 25);
        TMouseScript script;
        script.MoveTo(press).Press(TMouseScript::PointerAt(press));
        if (c.end == TEnd::Click) {
            script.Release([source] { return source->Dragging(); });
        } else {
            script.MoveTo(Plus(press, 10, 0), [source] { return source->Dragging(); })
                .MoveTo(At(target, 60, 50), Logged("start"))
                .MoveTo(At(target, 65, 55), Logged("over enter"));
            const auto moved = [this, &seen] {
                if (std::find(log.begin(), log.end(), "over move") == log.end()) return false;
                seen = GetCursor();
                return true;
            };
            if (c.end == TEnd::Release) script.Release(moved);
            if (c.end == TEnd::Escape) script.Key(VK_ESCAPE, moved).Release(Logged("end none"));
            if (c.end == TEnd::EndDragCall) script.WaitFor("the end", moved).Release(Logged("end Target"));
        }
        script.WaitFor("the drag's end", [source] { return !source->Dragging() && GetKeyState(VK_LBUTTON) >= 0; });
        ASSERT_TRUE(script.Play()) << script.Failed();
        test::PumpMessagesUntil([this] { return !log.empty() && (log.back() == "click" || log.back().rfind("end", 0) == 0); });
        EXPECT_EQ(log, c.events);
        if (c.cursor != cl::crDefault) {
            EXPECT_EQ(seen, cl::Screen().CursorHandle(c.cursor));
        }
    }
}

// ---- docking ----

class DockTest : public DragDockTest {
protected:
    void SetUp() override {
        DragDockTest::SetUp();
        site = NewPanel("Site", 250, 20, 200, 240);
        site->SetDockSite(true);
        site->SetUseDockManager(true);
        site->OnGetSiteInfo = cl::TGetSiteInfoEvent::FromFunction(
            [this](cl::TObject*, TControl* dragged, cl::TRect&, cl::TPoint, bool& canDock) {
                EXPECT_EQ(dragged, client);
                Note("siteinfo");
                canDock = siteTakes;
            });
        site->OnDockOver = cl::TDockOverEvent::FromFunction(
            [this](cl::TObject*, cl::TDragDockObject* object, int, int, TDragState state, bool& accept) {
                EXPECT_EQ(object->Control(), client);
                Note(std::string("over ") + DragStateName(state));
                accept = siteAccepts;
            });
        site->OnDockDrop = cl::TDockDropEvent::FromFunction([this](cl::TObject*, cl::TDragDockObject* object, int, int) {
            Note("drop " + NameOf(object->Control()));
        });
        site->OnUnDock = cl::TUnDockEvent::FromFunction([this](cl::TObject*, TControl* leaving, TControl* to, bool& allow) {
            Note("undock " + NameOf(leaving) + " to " + NameOf(to));
            allow = siteLetsGo;
        });
        client = NewPanel("Tool", 20, 20, 160, 70);
        client->SetCaption("Tool");
        client->SetDragKind(cl::TDragKind::Dock);
        client->SetDragMode(cl::TDragMode::Automatic);
        client->OnStartDock = cl::TStartDockEvent::FromFunction([this](cl::TObject*, cl::TDragDockObject*&) { Note("start"); });
        client->OnEndDock = cl::TEndDragEvent::FromFunction([this](cl::TObject*, cl::TObject* t, int, int) { Note("end " + NameOf(t)); });
    }

    // Presses at press, drags a little, then over the points in turn, and releases at the last.
    void Drag(POINT press, std::initializer_list<POINT> path) {
        TMouseScript script;
        script.MoveTo(press).Press(TMouseScript::PointerAt(press)).MoveTo(Plus(press, 0, 10), [this] { return client->Dragging(); });
        size_t moves = 0;
        for (POINT p : path) {
            // Each move waits until the one before has been taken in by the drag.
            const size_t before = moves++;
            script.MoveTo(p, [this, before] { return Logged("start")() && siteinfoCount() > before; });
        }
        const size_t all = moves;
        script.Release([this, all] { return siteinfoCount() > all; })
            .WaitFor("the drag's end", [this] { return !client->Dragging() && GetKeyState(VK_LBUTTON) >= 0; });
        ASSERT_TRUE(script.Play()) << script.Failed();
    }
    size_t siteinfoCount() const { return static_cast<size_t>(std::count(log.begin(), log.end(), "siteinfo")); }

    cl::TPanel* site = nullptr;
    cl::TPanel* client = nullptr;
    bool siteTakes = true;
    bool siteAccepts = true;
    bool siteLetsGo = true;
};

TEST_F(DockTest, AControlDraggedOntoADockSiteDocksThereWithTheSitesEventsInOrder) {
    Drag(At(client, 50, 30), {At(site, 100, 100), At(site, 105, 105)});
    EXPECT_EQ(Answers(), (std::vector<std::string>{"start", "over enter", "over move", "over leave", "drop Tool", "end Site"}));
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].rfind("over", 0) == 0 && log[i] != "over leave") {
            EXPECT_EQ(log.at(i - 1), "siteinfo") << "the site is asked first";
        }
    }

    EXPECT_EQ(client->Parent(), site);
    EXPECT_EQ(client->HostDockSite(), site);
    EXPECT_EQ(site->DockManager()->Clients(), (std::vector<TControl*>{client}));
    EXPECT_EQ(client->BoundsRect(), cl::TRect::FromBounds(0, 12, 200, 228)) << "the whole site below the grabber";
    EXPECT_EQ(client->UndockSize(), (cl::TPoint{160, 70}));
    EXPECT_EQ(client->FloatHost(), nullptr);
}

TEST_F(DockTest, ADockedControlDraggedOutByItsGrabberFloatsAndDocksAgainFromItsFormsCaption) {
    auto* other = NewPanel("Other", 0, 0, 50, 50);
    ASSERT_TRUE(other->ManualDock(*site));
    ASSERT_TRUE(client->ManualDock(*site));
    ASSERT_EQ(client->BoundsRect(), cl::TRect::FromBounds(0, 132, 200, 108)) << "second of two";
    log.clear();

    const POINT grabber = At(site, 50, 125);  // on the client's strip, left of its close box
    const POINT away = At(form, 60, 250);
    Drag(grabber, {away});
    EXPECT_EQ(Answers(), (std::vector<std::string>{"start", "over enter", "over leave", "undock Tool to none", "end none"}));
    cl::TFloatHostForm* host = client->FloatHost();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(client->Parent(), host);
    EXPECT_EQ(client->HostDockSite(), nullptr);
    EXPECT_TRUE(IsWindowVisible(host->Handle()));
    EXPECT_EQ(host->Caption(), "Tool");
    EXPECT_EQ(host->ClientRect(), cl::TRect::FromBounds(0, 0, 160, 70)) << "its size from before it docked";
    EXPECT_EQ(client->BoundsRect(), host->ClientRect());
    EXPECT_EQ(host->Left(), away.x - 50) << "the pointer holds the form where it held the strip";
    EXPECT_EQ(host->Top(), away.y - 5);
    EXPECT_EQ(site->DockManager()->Clients(), (std::vector<TControl*>{other}));
    EXPECT_EQ(other->BoundsRect(), cl::TRect::FromBounds(0, 12, 200, 228)) << "the one left takes the site";

    // Back by the floating form's caption, above the first client: it docks first.
    log.clear();
    const cl::TPoint clientTop = host->ClientToScreen({0, 0});
    const POINT caption{host->Left() + 30, (host->Top() + clientTop.y) / 2};
    Drag(caption, {At(site, 100, 20), At(site, 100, 25)});
    EXPECT_EQ(Answers(), (std::vector<std::string>{"start", "over enter", "over move", "over leave", "drop Tool", "end Site"}))
        << "no undock: it was floating";
    EXPECT_EQ(client->HostDockSite(), site);
    EXPECT_EQ(client->FloatHost(), nullptr);
    EXPECT_EQ(site->DockManager()->Clients(), (std::vector<TControl*>{client, other}));
    EXPECT_EQ(client->BoundsRect(), cl::TRect::FromBounds(0, 12, 200, 108));
    EXPECT_TRUE(test::PumpMessagesUntil([host] {
        const auto& forms = cl::Screen().Forms();
        return std::find(forms.begin(), forms.end(), host) == forms.end();
    })) << "the empty floating form goes";
}

TEST_F(DockTest, ASiteThatRefusesLeavesTheControlWhereItWasOrFloatsIt) {
    struct Case {
        const char* what;
        bool docked;  // docked in the site before the drag
        bool takes, accepts, letsGo;
        std::vector<std::string> events;
        bool floats;
    };
    const Case cases[] = {
        {"the site will not let it go", true, true, true, false,
         {"start", "over enter", "over leave", "undock Tool to none", "end none"}, false},
        {"the site does not take it at the pointer", false, false, true, true, {"start", "end none"}, true},
        {"the site refuses it over itself", false, true, false, true, {"start", "over enter", "over move", "over leave", "end none"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        client->SetParent(form);
        client->SetBounds(20, 20, 160, 70);
        if (c.docked) {
            ASSERT_TRUE(client->ManualDock(*site));
        }
        siteTakes = c.takes;
        siteAccepts = c.accepts;
        siteLetsGo = c.letsGo;
        log.clear();
        if (c.docked) {
            Drag(At(site, 50, 5), {At(form, 60, 250)});
        } else {
            Drag(At(client, 50, 30), {At(site, 100, 100), At(site, 105, 105)});
        }
        EXPECT_EQ(Answers(), c.events);
        EXPECT_EQ(client->FloatHost() != nullptr, c.floats);
        EXPECT_EQ(client->HostDockSite(), c.docked ? site : nullptr);
        if (c.docked) {
            EXPECT_EQ(site->DockManager()->Clients(), (std::vector<TControl*>{client}));
        }
        if (client->FloatHost()) {
            client->SetParent(form);
            EXPECT_EQ(client->FloatHost(), nullptr) << "taken out of its floating form, which goes";
        }
    }
}

}  // namespace
