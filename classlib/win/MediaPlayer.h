#pragma once
// Sound playback through the media control interface: open a file, play, stop, rewind and
// close it, and report the start and end of each playback.
//
// Notifications: while Notify is set, every Play is reported twice through OnNotify, first
// that it started (NotifyValue Started) and then how it ended: played to its end
// (Successful), stopped, rewound, closed or reopened (Aborted), replaced by another Play
// (Superseded) or failed in the device (Failure). Open, Close, Stop and Rewind report nothing
// of their own. Both reports are posted messages, so they arrive in that order once messages
// are processed, never inside the call that caused them; a listener that flips a "playing"
// flag on each report therefore stays in step. The end of a playback that this object ends
// itself is reported by the object, not left to the device, so it comes exactly once whatever
// the driver does.

#include <cstdint>
#include <functional>
#include <string>

#include "classlib/win/Control.h"

namespace cl {

enum class TMPNotifyValue { Started, Successful, Superseded, Aborted, Failure };

class TMediaPlayer : public TControl {
    CL_CLASS_INFO()
public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    // Whether each Play is reported through OnNotify (see above); it stays set until cleared.
    bool Notify() const { return notify_; }
    void SetNotify(bool notify) { notify_ = notify; }
    // What the report being handled in OnNotify says.
    TMPNotifyValue NotifyValue() const { return notifyValue_; }
    bool IsOpen() const { return deviceId_ != 0; }

    // Raise EMCIDeviceError with the device's message when a command fails.
    void Open();
    void Close();
    void Play();
    void Stop();
    void Rewind();

    TNotifyEvent OnNotify;

    // Test seam: while set, it receives every command instead of the media control interface
    // (device, command message, flags, parameter block) and returns its error code.
    static std::function<unsigned long(unsigned device, unsigned command, uintptr_t flags, uintptr_t params)>& CommandHook();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    unsigned long Send(unsigned command, uintptr_t flags, uintptr_t params);
    void Check(unsigned long error);
    // Reports the end of a reported playback that is still running (for the commands that end it).
    void EndPlayback(TMPNotifyValue value);
    void Report(TMPNotifyValue value);

    std::string fileName_;
    bool notify_ = false;
    TMPNotifyValue notifyValue_ = TMPNotifyValue::Successful;
    unsigned deviceId_ = 0;
    bool playbackReported_ = false;  // a reported Play has started and its end is not reported yet
};

}  // namespace cl
