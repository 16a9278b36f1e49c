#pragma once
// The process-wide dispatcher of device changes (drives and media coming and going). The
// system broadcasts them to top-level windows; a hidden window on the UI thread takes them,
// answers at once, and passes each on to the listeners later, from the message loop, so that no
// listener runs inside the system's broadcast.

#include <windows.h>

#include <cstdint>
#include <list>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Object.h"
#include "classlib/win/Control.h"

class TMwDeviceChangeHandler;

// Posted by the dispatcher to itself with the device change's wParam and lParam.
constexpr UINT CM_MWDEVICECHANGE = WM_USER + 100;  // 0x0464

using TMwDeviceChangeEvent = cl::TEvent<TMwDeviceChangeHandler*, cl::TMessage&>;

class TMwDeviceChangeHandler : public cl::TObject {
public:
    // Makes the hidden window; raises cl::Exception when it cannot. UI thread only.
    TMwDeviceChangeHandler();
    ~TMwDeviceChangeHandler() override;
    TMwDeviceChangeHandler(const TMwDeviceChangeHandler&) = delete;
    TMwDeviceChangeHandler& operator=(const TMwDeviceChangeHandler&) = delete;

    void AddListener(const TMwDeviceChangeEvent& listener);
    // Removes the first listener bound to the same method of the same object; nothing when
    // none is. A listener removed while the listeners are being called is not called after.
    void RemoveListener(const TMwDeviceChangeEvent& listener);

    // WM_DEVICECHANGE: posts CM_MWDEVICECHANGE with its parameters and answers as the default
    // window procedure does. A parameter record that comes with the change is copied, since
    // the sender frees it once the broadcast is answered; the listeners get the copy.
    // CM_MWDEVICECHANGE: calls every listener in order while Active. A std::exception from one
    // goes to the application's handler and the next listener is called; anything else ends
    // the round (and reaches the handler too).
    void WndProc(cl::TMessage& message);

    HWND WindowReceiver() const { return window_; }
    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void PostChange(WPARAM wParam, LPARAM lParam);
    void CallListeners(cl::TMessage& message);
    bool Listening(const TMwDeviceChangeEvent& listener) const;

    HWND window_ = nullptr;
    bool active_ = true;
    std::vector<TMwDeviceChangeEvent> listeners_;
    std::list<std::vector<uint8_t>> records_;  // copied records whose message is still queued
};

namespace mw {

// The single dispatcher, made on the first call (on the UI thread).
TMwDeviceChangeHandler* DeviceChangeHandler();
// Frees it, when it was made; the shell utilities' finalization calls this.
void FreeDeviceChangeHandler();

}  // namespace mw
