#pragma once
// Synthesised mouse and key input played step by step from a thread timer, each step once its
// condition holds. A drag runs a message loop of its own from the press on, so the input that
// follows the press has to be sent from inside that loop; the timer's messages get there.
// When a condition does not hold within the deadline the script gives up: it presses Escape
// and releases the button, so that a drag that went wrong ends and the test fails instead of
// hanging.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "classlib/tests/win/PumpMessages.h"

namespace test {

class TMouseScript {
public:
    using TCondition = std::function<bool()>;

    // Each step runs once the condition (if any) holds; what names it in a failure.
    TMouseScript& Then(std::string what, std::function<void()> action, TCondition when = {}) {
        steps_.push_back({std::move(what), std::move(action), std::move(when)});
        return *this;
    }
    TMouseScript& MoveTo(POINT screen, TCondition when = {}) {
        return Then("move to " + std::to_string(screen.x) + "," + std::to_string(screen.y), [screen] { SendMoveTo(screen); },
                    std::move(when));
    }
    TMouseScript& Press(TCondition when = {}) { return Then("press", [] { SendButton(MOUSEEVENTF_LEFTDOWN); }, std::move(when)); }
    TMouseScript& Release(TCondition when = {}) { return Then("release", [] { SendButton(MOUSEEVENTF_LEFTUP); }, std::move(when)); }
    TMouseScript& Key(WORD key, TCondition when = {}) {
        return Then("key", [key] { SendKey(key); }, std::move(when));
    }
    // A last step that only waits.
    TMouseScript& WaitFor(std::string what, TCondition when) { return Then(std::move(what), [] {}, std::move(when)); }

    // Plays the steps; true when every one ran in time. Failed() names the one that did not.
    bool Play(std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
        next_ = 0;
        failed_.clear();
        stepDeadline_ = std::chrono::steady_clock::now() + deadline;
        deadline_ = deadline;
        playing_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &Tick);
        const bool done = PumpMessagesUntil([this] { return next_ >= steps_.size() || !failed_.empty(); }, deadline * 2);
        KillTimer(nullptr, timer);
        playing_ = nullptr;
        steps_.clear();
        if (!done && failed_.empty()) failed_ = "the script did not end";
        return failed_.empty();
    }
    const std::string& Failed() const { return failed_; }

    static void SendMoveTo(POINT screen) {
        // Absolute coordinates run from 0 to 65535 over the screen; rounded up so that the
        // system's scaling back lands on the pixel asked for.
        const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((static_cast<LONGLONG>(screen.x) * 65536 + cx - 1) / cx);
        input.mi.dy = static_cast<LONG>((static_cast<LONGLONG>(screen.y) * 65536 + cy - 1) / cy);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
    }
    static void SendButton(DWORD flag) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        SendInput(1, &input, sizeof input);
    }
    static void SendKey(WORD key) {
        INPUT inputs[2]{};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
        }
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
    }
    // The pointer is at the point (a move has been taken in by the system).
    static TCondition PointerAt(POINT screen) {
        return [screen] {
            POINT p;
            GetCursorPos(&p);
            return p.x == screen.x && p.y == screen.y;
        };
    }

private:
    struct TStep {
        std::string what;
        std::function<void()> action;
        TCondition when;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TMouseScript* script = playing_;
        if (!script || !script->failed_.empty() || script->next_ >= script->steps_.size()) return;
        // A timer callback: nothing may be thrown out of it, so a throwing step fails the script.
        TStep& step = script->steps_[script->next_];
        try {
            if (step.when && !step.when()) {
                if (std::chrono::steady_clock::now() < script->stepDeadline_) return;
                script->GiveUp("waited in vain before: " + step.what);
                return;
            }
            ++script->next_;
            script->stepDeadline_ = std::chrono::steady_clock::now() + script->deadline_;
            step.action();
        } catch (...) {
            script->GiveUp("threw at: " + step.what);
        }
    }

    void GiveUp(std::string why) {
        failed_ = std::move(why);
        SendKey(VK_ESCAPE);
        SendButton(MOUSEEVENTF_LEFTUP);
    }

    std::vector<TStep> steps_;
    size_t next_ = 0;
    std::string failed_;
    std::chrono::steady_clock::time_point stepDeadline_;
    std::chrono::milliseconds deadline_{0};
    static inline TMouseScript* playing_ = nullptr;
};

}  // namespace test
