#pragma once
// What the main-window tests share: paths in the temporary folder, and a driver that acts on a
// modal form of this process once it shows.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "classlib/win/Control.h"
#include "tools/rfa_writer/RfaWriter.h"

namespace form_test {

inline std::string TempPath(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A name in the ANSI code page, as an archive made on this system would hold it.
inline std::string Ansi(const wchar_t* name) {
    char text[64] = "";
    WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

// One file name in two folders that differ only in case, which the tree shows as one folder
// "Vehicles" listing "tank.con" twice: FIRST's item before SECOND's.
inline std::vector<rfa_test::TestEntry> SameNamedEntries() {
    return {rfa_test::TestEntry::FromText("Vehicles/tank.con", "FIRST\r\n"),
            rfa_test::TestEntry::FromText("vehicles/tank.con", "SECOND\r\n"),
            rfa_test::TestEntry::FromText("vehicles/jeep.con", "JEEP\r\n")};
}

struct TWindowSearch {
    const std::string& className;
    HWND found;
};

inline BOOL CALLBACK MatchWindowClass(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TWindowSearch*>(data);
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    if (search->className != name) return TRUE;
    search->found = window;
    return FALSE;
}

// The first window of the given class made by this thread: other test programs may show
// windows of the same class at the same time.
inline HWND FindThreadWindow(const std::string& className) {
    TWindowSearch search{className, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &MatchWindowClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Acts on a modal form of class T once it shows: a thread timer, which the modal loop's
// message pump runs, polls for it. A form still open a few seconds after the action is
// closed, so that a failing test cannot hang in the loop.
template <class T>
class TModalDriver {
public:
    using Clock = std::chrono::steady_clock;

    explicit TModalDriver(std::function<void(T&)> action) : action_(std::move(action)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &Tick);
    }
    ~TModalDriver() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool Acted() const { return acted_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TModalDriver* self = current_;
        if (!self) return;
        try {
            HWND window = FindThreadWindow(T::StaticClass().Name());
            T* form = window && IsWindowVisible(window) ? dynamic_cast<T*>(cl::TControl::FromHandle(window)) : nullptr;
            if (!form) return;
            if (!self->acted_) {
                self->acted_ = true;
                self->deadline_ = Clock::now() + std::chrono::seconds(30);
                self->action_(*form);
            } else if (Clock::now() > self->deadline_) {
                ADD_FAILURE() << T::StaticClass().Name() << " was still open";
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    }

    static inline TModalDriver* current_ = nullptr;
    std::function<void(T&)> action_;
    UINT_PTR timer_ = 0;
    bool acted_ = false;
    Clock::time_point deadline_;
};

}  // namespace form_test
