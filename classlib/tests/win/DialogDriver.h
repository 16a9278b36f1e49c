#pragma once
// Plays the user's part in a modal dialog: a thread waits for the visible top-level dialog
// with the caption and acts on it (as a person would, through messages), while the test's
// thread runs the dialog's modal loop. When no dialog appears in time, the driver ends the
// modal loop with WM_QUIT, so a test fails instead of hanging.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace test {

class TDialogDriver {
public:
    TDialogDriver(std::string caption, std::function<void(HWND dialog)> action,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10))
        : testThread_(GetCurrentThreadId()),
          thread_([this, caption = std::move(caption), action = std::move(action), timeout] {
              const auto deadline = std::chrono::steady_clock::now() + timeout;
              while (std::chrono::steady_clock::now() < deadline) {
                  HWND dialog = FindWindowA("#32770", caption.c_str());
                  if (dialog && IsWindowVisible(dialog)) {
                      found_ = true;
                      action(dialog);
                      return;
                  }
                  Sleep(10);  // polling interval, bounded by the deadline
              }
              PostThreadMessageA(testThread_, WM_QUIT, 0, 0);
          }) {}

    // Waits for the thread and drops the WM_QUIT a missing dialog left behind.
    ~TDialogDriver() {
        if (thread_.joinable()) thread_.join();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // Call after the dialog has closed.
    bool Found() {
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    DWORD testThread_;
    std::atomic<bool> found_{false};
    std::thread thread_;
};

// A control of the dialog by class and text, as a person would find it.
inline HWND FindControl(HWND dialog, const char* windowClass, const char* text = nullptr) {
    return FindWindowExA(dialog, nullptr, windowClass, text);
}

inline std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

}  // namespace test
