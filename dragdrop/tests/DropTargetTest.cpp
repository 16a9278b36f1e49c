#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "classlib/core/Exception.h"
#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/Timer.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"
#include "dragdrop/OleSession.h"
#include "dragdrop/tests/BlockSource.h"

namespace {

using dragdrop::TBytes;

// A control with scroll bars that records the scroll requests it receives.
class TScrollingControl : public cl::TCustomControl {
public:
    TScrollingControl(cl::TComponent* owner, DWORD scrollBars) : cl::TCustomControl(owner), scrollBars_(scrollBars) {}
    std::vector<std::string> scrolls;

protected:
    void CreateParams(TCreateParams& params) override {
        cl::TCustomControl::CreateParams(params);
        params.style |= scrollBars_;
    }
    void WndProc(cl::TMessage& message) override {
        static const char* const vertical[] = {"up", "down"};
        static const char* const horizontal[] = {"left", "right"};
        if (message.msg == WM_VSCROLL && message.wParam <= SB_LINEDOWN) scrolls.push_back(vertical[message.wParam]);
        if (message.msg == WM_HSCROLL && message.wParam <= SB_LINERIGHT) scrolls.push_back(horizontal[message.wParam]);
        cl::TCustomControl::WndProc(message);
    }

private:
    DWORD scrollBars_;
};

struct TSeen {
    std::string event;
    cl::TShiftState shift;
    cl::TPoint point;
    int effect;
    std::vector<std::string> files;
    std::vector<std::string> mappedNames;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const cl::Exception& e) {
        return e.Message();
    }
    return "no error";
}

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.OnException = [this](const std::string& message) { errors.push_back(message); };
        form = new cl::TForm(&app);
        form->SetName("frmDrops");
        form->SetBounds(120, 100, 320, 240);
        form->Show();
        target = NewTarget();
        source = new TDropFileSource(&app);
        source->Files()->Assign(std::vector<std::string>{"C:\\in\\one.txt", "C:\\in\\two.txt"});
    }

    TDropFileTarget* NewTarget() {
        auto* t = new TDropFileTarget(form);
        t->SetDragtypes(dtCopy);
        auto record = [this, t](const char* event) {
            return TDropTargetEvent::FromFunction([this, t, event](cl::TObject* sender, cl::TShiftState shift, cl::TPoint point, int& effect) {
                EXPECT_EQ(sender, t);
                seen.push_back({event, shift, point, effect, t->Files()->ToVector(), t->MappedNames()->ToVector()});
            });
        };
        t->OnEnter = record("enter");
        t->OnDragOver = record("over");
        t->OnDrop = record("drop");
        t->OnLeave = cl::TNotifyEvent::FromFunction([this](cl::TObject*) { seen.push_back({"leave", 0, {}, 0, {}, {}}); });
        return t;
    }

    static POINTL Screen(cl::TControl* control, cl::TPoint client) {
        const cl::TPoint p = control->ClientToScreen(client);
        return {p.x, p.y};
    }
    std::vector<std::string> Events() const {
        std::vector<std::string> names;
        for (const TSeen& s : seen) names.push_back(s.event);
        return names;
    }

    cl::TApplication app;
    std::vector<std::string> errors;
    cl::TForm* form = nullptr;
    TDropFileTarget* target = nullptr;
    TDropFileSource* source = nullptr;
    std::vector<TSeen> seen;
};

TEST_F(DropTargetTest, AttachRegistersTheWindowAndDetachRevokesIt) {
    target->AttachToControl(form);
    EXPECT_TRUE(target->Registered());
    EXPECT_GT(target->RefCount(), 1);  // OLE holds the registered target

    TDropFileTarget* second = NewTarget();
    EXPECT_EQ(ErrorOf([&] { second->AttachToControl(form); }), "Failed to Register frmDrops");
    EXPECT_EQ(second->Control(), nullptr);
    EXPECT_FALSE(second->Registered());
    EXPECT_EQ(RegisterDragDrop(form->Handle(), second), DRAGDROP_E_ALREADYREGISTERED);

    target->DetachFromControl();
    EXPECT_EQ(target->Control(), nullptr);
    EXPECT_EQ(target->RefCount(), 1);
    target->DetachFromControl();  // detached already: nothing to do

    // Revoked behind the component's back: detaching reports it and forgets the control.
    second->AttachToControl(form);
    ASSERT_EQ(RevokeDragDrop(form->Handle()), S_OK);
    EXPECT_EQ(ErrorOf([&] { second->DetachFromControl(); }), "Failed to Unregister frmDrops");
    EXPECT_EQ(second->Control(), nullptr);

    // A target freed while attached takes its registration with it.
    second->AttachToControl(form);
    cl::Free(second);
    ASSERT_EQ(RegisterDragDrop(form->Handle(), target), S_OK);
    EXPECT_EQ(RevokeDragDrop(form->Handle()), S_OK);
}

TEST_F(DropTargetTest, AttachingAnotherControlMovesTheRegistration) {
    auto* panel = new TScrollingControl(form, 0);
    panel->SetName("pnlInner");
    panel->SetParent(form);
    target->AttachToControl(form);
    target->AttachToControl(panel);
    EXPECT_EQ(target->Control(), panel);
    TDropFileTarget* other = NewTarget();
    EXPECT_EQ(RegisterDragDrop(form->Handle(), other), S_OK);  // the form is free again
    EXPECT_EQ(RevokeDragDrop(form->Handle()), S_OK);
    EXPECT_EQ(RegisterDragDrop(panel->Handle(), other), DRAGDROP_E_ALREADYREGISTERED);

    // The control goes first: the target lets go of it.
    cl::Free(panel);
    EXPECT_EQ(target->Control(), nullptr);
    EXPECT_FALSE(target->Registered());
}

TEST_F(DropTargetTest, DropHandsTheFilesToOnDropAndEmptiesThemAfter) {
    target->AttachToControl(form);
    source->MappedNames()->Assign(std::vector<std::string>{"first.txt", "second.txt"});
    const cl::TPoint at{40, 30};
    const DWORD offered = DROPEFFECT_COPY | DROPEFFECT_MOVE;

    DWORD effect = offered;
    ASSERT_EQ(target->DragEnter(source, MK_LBUTTON | MK_SHIFT, Screen(form, at), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));  // Shift, but only copy is accepted
    effect = offered;
    ASSERT_EQ(target->DragOver(MK_LBUTTON, Screen(form, {41, 31}), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_GT(source->RefCount(), 1);  // held while the drag goes on
    effect = offered;
    ASSERT_EQ(target->Drop(source, 0, Screen(form, {42, 32}), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));

    ASSERT_EQ(Events(), (std::vector<std::string>{"enter", "over", "drop"}));
    EXPECT_EQ(seen[0].shift, cl::ssLeft | cl::ssShift);
    EXPECT_EQ(seen[0].point, at);
    EXPECT_TRUE(seen[0].files.empty());  // not read on enter
    EXPECT_EQ(seen[1].point, (cl::TPoint{41, 31}));
    EXPECT_EQ(seen[2].point, (cl::TPoint{42, 32}));
    EXPECT_EQ(seen[2].effect, DROPEFFECT_COPY);
    EXPECT_EQ(seen[2].files, source->Files()->ToVector());
    EXPECT_EQ(seen[2].mappedNames, (std::vector<std::string>{"first.txt", "second.txt"}));
    EXPECT_EQ(target->Files()->Count(), 0);
    EXPECT_EQ(target->MappedNames()->Count(), 0);
    EXPECT_EQ(source->RefCount(), 1);
}

TEST_F(DropTargetTest, DataReadOnEnterLastUntilTheDragLeaves) {
    target->AttachToControl(form);
    target->SetGetDataOnEnter(true);
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragEnter(source, MK_LBUTTON, Screen(form, {5, 5}), &effect), S_OK);
    EXPECT_EQ(target->Files()->Count(), 2);
    ASSERT_EQ(target->DragLeave(), S_OK);
    ASSERT_EQ(Events(), (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(seen[0].files, source->Files()->ToVector());
    EXPECT_EQ(target->Files()->Count(), 0);
    EXPECT_EQ(source->RefCount(), 1);

    // Over and drop without an accepted enter: no effect, no events.
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, Screen(form, {5, 5}), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(source, 0, Screen(form, {5, 5}), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(seen.size(), 2u);
}

// Sources of other programs: wide names, name maps that do not fit, damaged blocks, no files.
TEST_F(DropTargetTest, ReadsWhatOtherSourcesOfferAndRefusesWhatIsNotFiles) {
    const dragdrop::TClipboardFormats& formats = dragdrop::ClipboardFormats();
    const TBytes ansiFiles = dragdrop::BuildDropFiles({"C:\\a.txt", "C:\\b.txt"});
    TBytes wideFiles(20, 0);
    wideFiles[0] = 20;
    wideFiles[16] = 1;
    const TBytes wideNames = dragdrop::BuildWideNameList({u"C:\\wide.txt"});
    wideFiles.insert(wideFiles.end(), wideNames.begin(), wideNames.end());
    TBytes damaged = ansiFiles;
    damaged[0] = 200;  // names beyond the block's end

    struct Case {
        const char* what;
        std::vector<std::pair<CLIPFORMAT, TBytes>> blocks;
        DWORD enterEffect;
        std::optional<std::vector<std::string>> droppedFiles;  // none: OnDrop not called
        std::vector<std::string> mappedNames;
    };
    const Case cases[] = {
        {"ANSI files with a name map",
         {{CF_HDROP, ansiFiles}, {formats.fileNameMap, dragdrop::BuildAnsiNameList({"x.txt", "y.txt"})}},
         DROPEFFECT_COPY, std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}, {"x.txt", "y.txt"}},
        {"wide files with a wide name map",
         {{CF_HDROP, wideFiles}, {formats.fileNameMapW, dragdrop::BuildWideNameList({u"narrow.txt"})}},
         DROPEFFECT_COPY, std::vector<std::string>{"C:\\wide.txt"}, {"narrow.txt"}},
        {"name map with fewer names than files",
         {{CF_HDROP, ansiFiles}, {formats.fileNameMap, dragdrop::BuildAnsiNameList({"x.txt"})}},
         DROPEFFECT_COPY, std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}, {}},
        {"ANSI map before the wide one",
         {{CF_HDROP, ansiFiles},
          {formats.fileNameMapW, dragdrop::BuildWideNameList({u"w1", u"w2"})},
          {formats.fileNameMap, dragdrop::BuildAnsiNameList({"a1", "a2"})}},
         DROPEFFECT_COPY, std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}, {"a1", "a2"}},
        {"damaged file block", {{CF_HDROP, damaged}}, DROPEFFECT_COPY, std::nullopt, {}},
        {"text only", {{CF_TEXT, {'h', 'i', 0}}}, DROPEFFECT_NONE, std::nullopt, {}},
    };
    target->AttachToControl(form);
    for (const Case& c : cases) {
        seen.clear();
        auto* other = new TBlockSource(&app);
        for (const auto& [format, block] : c.blocks) other->Offer(format, block);

        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        ASSERT_EQ(target->DragEnter(other, MK_LBUTTON, Screen(form, {5, 5}), &effect), S_OK) << c.what;
        EXPECT_EQ(effect, c.enterEffect) << c.what;
        effect = DROPEFFECT_COPY;
        ASSERT_EQ(target->Drop(other, 0, Screen(form, {5, 5}), &effect), S_OK) << c.what;
        EXPECT_EQ(effect, c.droppedFiles ? static_cast<DWORD>(DROPEFFECT_COPY) : DROPEFFECT_NONE) << c.what;
        if (c.droppedFiles) {
            ASSERT_FALSE(seen.empty()) << c.what;
            EXPECT_EQ(seen.back().event, "drop") << c.what;
            EXPECT_EQ(seen.back().files, *c.droppedFiles) << c.what;
            EXPECT_EQ(seen.back().mappedNames, c.mappedNames) << c.what;
        } else {
            EXPECT_TRUE(seen.empty() || seen.back().event != "drop") << c.what;
        }
        EXPECT_EQ(other->RefCount(), 1) << c.what;
        cl::Free(other);
    }
}

TEST_F(DropTargetTest, OnGetDropEffectDecidesFromTheAcceptedEffects) {
    target->AttachToControl(form);
    target->SetDragtypes(dtCopy | dtLink);
    int offeredToHandler = -1;
    target->OnGetDropEffect = TDropTargetEvent::FromFunction([&](cl::TObject*, cl::TShiftState, cl::TPoint, int& effect) {
        offeredToHandler = effect;
        effect = DROPEFFECT_LINK;
    });
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    ASSERT_EQ(target->DragEnter(source, MK_LBUTTON, Screen(form, {5, 5}), &effect), S_OK);
    EXPECT_EQ(offeredToHandler, DROPEFFECT_COPY | DROPEFFECT_LINK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_LINK));
    target->DragLeave();
}

TEST_F(DropTargetTest, AFailingHandlerIsReportedAndTheDragStillEndsCleanly) {
    target->AttachToControl(form);
    target->OnDrop = TDropTargetEvent::FromFunction([](cl::TObject*, cl::TShiftState, cl::TPoint, int&) {
        throw cl::EReadError("Stream read error");
    });
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragEnter(source, MK_LBUTTON, Screen(form, {5, 5}), &effect), S_OK);
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(source, 0, Screen(form, {5, 5}), &effect), E_UNEXPECTED);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(errors, std::vector<std::string>{"Stream read error"});
    EXPECT_EQ(target->Files()->Count(), 0);
    EXPECT_EQ(source->RefCount(), 1);

    // Null out-parameters are refused before anything happens.
    EXPECT_EQ(target->DragEnter(source, 0, Screen(form, {5, 5}), nullptr), E_INVALIDARG);
    EXPECT_EQ(source->RefCount(), 1);
}

TEST_F(DropTargetTest, RestingNearAScrollableEdgeScrollsTheControlEvery100Milliseconds) {
    auto* list = new TScrollingControl(form, WS_VSCROLL | WS_HSCROLL);
    list->SetParent(form);
    list->SetBounds(10, 10, 200, 150);
    target->AttachToControl(list);
    const int margin = -list->Font()->Height();
    ASSERT_GT(margin, 0);
    const int height = list->ClientHeight();
    const int width = list->ClientWidth();
    cl::TTimer& timer = target->ScrollTimer();
    EXPECT_EQ(timer.Interval(), 100);

    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragEnter(source, MK_LBUTTON, Screen(list, {50, height - margin / 2}), &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_COPY | DROPEFFECT_SCROLL);
    EXPECT_FALSE(timer.Enabled());
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragOver(MK_LBUTTON, Screen(list, {50, height - margin / 2}), &effect), S_OK);
    EXPECT_TRUE(timer.Enabled());
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return list->scrolls.size() >= 2; }));
    EXPECT_EQ(list->scrolls[0], "down");
    EXPECT_EQ(list->scrolls[1], "down");

    struct Case {
        cl::TPoint at;
        bool scrolls;
        std::vector<std::string> tick;
    };
    const Case cases[] = {
        {{2, height / 2}, true, {"left"}},
        {{width - 1, 1}, true, {"up", "right"}},
        {{margin, margin}, false, {}},
        {{width / 2, height / 2}, false, {}},
    };
    for (const Case& c : cases) {
        effect = DROPEFFECT_COPY;
        ASSERT_EQ(target->DragOver(MK_LBUTTON, Screen(list, c.at), &effect), S_OK);
        EXPECT_EQ((effect & DROPEFFECT_SCROLL) != 0, c.scrolls) << c.at.x << "," << c.at.y;
        EXPECT_EQ(timer.Enabled(), c.scrolls) << c.at.x << "," << c.at.y;
        list->scrolls.clear();
        timer.Fire();
        EXPECT_EQ(list->scrolls, c.tick) << c.at.x << "," << c.at.y;
    }

    effect = DROPEFFECT_COPY;
    target->DragOver(MK_LBUTTON, Screen(list, {2, 2}), &effect);
    target->DragLeave();
    EXPECT_FALSE(timer.Enabled());

    // Without scroll bars nothing scrolls.
    auto* plain = new TScrollingControl(form, 0);
    plain->SetParent(form);
    plain->SetBounds(10, 170, 200, 60);
    target->AttachToControl(plain);
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragEnter(source, MK_LBUTTON, Screen(plain, {2, 2}), &effect), S_OK);
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->DragOver(MK_LBUTTON, Screen(plain, {2, 2}), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_FALSE(timer.Enabled());
    target->DragLeave();
}

}  // namespace
