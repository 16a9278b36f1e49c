#include "controls/shell/MwDeviceChangeHandler.h"

#include <dbt.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>

#include "classlib/core/Exception.h"
#include "classlib/win/Application.h"

namespace {

const char kWindowClass[] = "TMwDeviceChangeWindow";

// Device events from DBT_DEVICEARRIVAL up carry a record that starts with DEV_BROADCAST_HDR.
constexpr WPARAM kFirstEventWithRecord = DBT_DEVICEARRIVAL;
constexpr DWORD kLargestRecord = 64 * 1024;

ATOM RegisterWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExA(&wc);
    }();
    return atom;
}

std::unique_ptr<TMwDeviceChangeHandler>& TheHandler() {
    static std::unique_ptr<TMwDeviceChangeHandler> handler;
    return handler;
}

}  // namespace

TMwDeviceChangeHandler::TMwDeviceChangeHandler() {
    const ATOM windowClass = RegisterWindowClass(&TMwDeviceChangeHandler::WindowProc);
    // Top-level (not message-only): the system broadcasts device changes to top-level windows.
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, MAKEINTATOM(windowClass), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_) throw cl::Exception("Cannot create the device-change window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TMwDeviceChangeHandler::~TMwDeviceChangeHandler() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TMwDeviceChangeHandler::AddListener(const TMwDeviceChangeEvent& listener) { listeners_.push_back(listener); }

void TMwDeviceChangeHandler::RemoveListener(const TMwDeviceChangeEvent& listener) {
    const auto found = std::find(listeners_.begin(), listeners_.end(), listener);
    if (found != listeners_.end()) listeners_.erase(found);
}

bool TMwDeviceChangeHandler::Listening(const TMwDeviceChangeEvent& listener) const {
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

void TMwDeviceChangeHandler::PostChange(WPARAM wParam, LPARAM lParam) {
    if (wParam < kFirstEventWithRecord || lParam == 0) {
        PostMessageA(window_, CM_MWDEVICECHANGE, wParam, lParam);
        return;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    const DWORD size = std::min(std::max<DWORD>(header->dbch_size, sizeof(DEV_BROADCAST_HDR)), kLargestRecord);
    const auto* bytes = reinterpret_cast<const uint8_t*>(lParam);
    records_.emplace_back(bytes, bytes + size);
    const LPARAM copy = reinterpret_cast<LPARAM>(records_.back().data());
    if (!PostMessageA(window_, CM_MWDEVICECHANGE, wParam, copy)) records_.pop_back();
}

void TMwDeviceChangeHandler::CallListeners(cl::TMessage& message) {
    // A listener may add or remove listeners (its own object may go): the round goes over the
    // listeners as they were, skipping those removed meanwhile.
    const std::vector<TMwDeviceChangeEvent> round = listeners_;
    try {
        for (const TMwDeviceChangeEvent& listener : round) {
            if (!Listening(listener)) continue;
            try {
                listener(this, message);
            } catch (const std::exception&) {
                cl::TApplication::HandleCurrentException();
            }
        }
    } catch (...) {
        cl::TApplication::HandleCurrentException();
    }
}

void TMwDeviceChangeHandler::WndProc(cl::TMessage& message) {
    switch (message.msg) {
        case WM_DEVICECHANGE:
            PostChange(message.wParam, message.lParam);
            message.result = DefWindowProcA(window_, message.msg, message.wParam, message.lParam);
            return;
        case CM_MWDEVICECHANGE: {
            const auto record = std::find_if(records_.begin(), records_.end(), [&](const std::vector<uint8_t>& r) {
                return reinterpret_cast<LPARAM>(r.data()) == message.lParam;
            });
            if (active_) CallListeners(message);
            if (record != records_.end()) records_.erase(record);
            return;
        }
        default: message.result = DefWindowProcA(window_, message.msg, message.wParam, message.lParam);
    }
}

LRESULT CALLBACK TMwDeviceChangeHandler::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* handler = reinterpret_cast<TMwDeviceChangeHandler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!handler) return DefWindowProcA(window, msg, wParam, lParam);
    cl::TMessage message{msg, wParam, lParam, 0};
    try {
        handler->WndProc(message);
    } catch (...) {
        cl::TApplication::HandleCurrentException();
    }
    return message.result;
}

namespace mw {

TMwDeviceChangeHandler* DeviceChangeHandler() {
    std::unique_ptr<TMwDeviceChangeHandler>& handler = TheHandler();
    if (!handler) handler = std::make_unique<TMwDeviceChangeHandler>();
    return handler.get();
}

void FreeDeviceChangeHandler() { TheHandler().reset(); }

}  // namespace mw
