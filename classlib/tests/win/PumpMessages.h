#pragma once
// Handles this thread's messages until a condition holds or a deadline passes. The deadline
// is generous: a passing test ends as soon as the condition holds, and a machine busy with
// other builds may take seconds to deliver a timer or a posted message.

#include <windows.h>

#include <chrono>
#include <functional>

namespace test {

inline bool PumpMessagesUntil(const std::function<bool()>& condition,
                              std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

}  // namespace test
