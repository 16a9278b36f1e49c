// Whole drags through OLE's own DoDragDrop loop, with the mouse and keyboard driven by
// synthesised input from the source's feedback event.

#include <gtest/gtest.h>

#include <optional>

#include "classlib/tests/win/PumpMessages.h"
#include "classlib/win/Application.h"
#include "classlib/win/ImageList.h"
#include "dragdrop/DropFileSource.h"
#include "dragdrop/DropFileTarget.h"

namespace {

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// Ends a drag that never heard of a target, so that a fault fails the test instead of hanging it.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
    SendKey(VK_ESCAPE, true);
    SendKey(VK_ESCAPE, false);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

TEST(RunDragTest, DragsEndAsTheTargetAndTheKeysDecide) {
    cl::TApplication app;
    auto* form = new cl::TForm(&app);
    // In the screen's far corner and above every other window, so that no other test's window
    // comes under the pointer: its crossing events would tell Wine the button is up.
    form->SetBounds(1090, 870, 170, 130);
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    auto* target = new TDropFileTarget(form);
    target->SetDragtypes(dtCopy);
    std::optional<std::vector<std::string>> dropped;
    target->OnDrop = TDropTargetEvent::FromFunction(
        [&](cl::TObject*, cl::TShiftState, cl::TPoint, int&) { dropped = target->Files()->ToVector(); });
    target->AttachToControl(form);

    auto* source = new TDropFileSource(&app);
    source->Files()->Assign(std::vector<std::string>{"C:\\temp\\dragged.txt"});
    auto* images = new cl::TImageList(&app);
    HBITMAP picture = CreateBitmap(16, 16, 1, 32, nullptr);
    images->Add(picture, nullptr);
    DeleteObject(picture);

    struct Case {
        const char* what;
        TDragTypes sourceTypes;
        bool image;
        bool escape;
        TDragOutcome outcome;
        bool drops;
    };
    const Case cases[] = {
        {"released over the target", dtCopy | dtMove, false, false, TDragOutcome::Copied, true},
        {"with a drag image", dtCopy, true, false, TDragOutcome::Copied, true},
        {"released where only copy is taken", dtMove, false, false, TDragOutcome::Cancelled, false},
        {"escape", dtCopy, false, true, TDragOutcome::Cancelled, false},
    };
    for (const Case& c : cases) {
        source->SetDragtypes(c.sourceTypes);
        source->SetImages(c.image ? images : nullptr);
        dropped.reset();
        int feedbacks = 0;
        source->OnFeedback = TFeedbackEvent::FromFunction([&](cl::TObject*, int, bool&) {
            if (++feedbacks == 1) SendMouse(MOUSEEVENTF_LEFTUP);
        });
        const cl::TRect bounds = form->BoundsRect();
        SetCursorPos(bounds.left + bounds.Width() / 2, bounds.top + bounds.Height() / 2);
        // As in a program, the drag starts once the press has reached the window.
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(test::PumpMessagesUntil([] { return GetKeyState(VK_LBUTTON) < 0; })) << c.what;
        // Escape waits in the queue: the drag reads it before anything else.
        if (c.escape) SendKey(VK_ESCAPE, true);
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 15000, Watchdog);

        EXPECT_EQ(source->RunDrag(), c.outcome) << c.what;

        KillTimer(nullptr, watchdog);
        if (c.escape) {
            SendKey(VK_ESCAPE, false);
            SendMouse(MOUSEEVENTF_LEFTUP);
        }
        app.ProcessMessages();
        EXPECT_EQ(feedbacks > 0, !c.escape) << c.what;
        EXPECT_EQ(dropped.has_value(), c.drops) << c.what;
        if (dropped) {
            EXPECT_EQ(*dropped, source->Files()->ToVector()) << c.what;
        }
        EXPECT_EQ(source->RefCount(), 1) << c.what;
    }
    target->DetachFromControl();
}

}  // namespace
