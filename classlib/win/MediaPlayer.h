#pragma once
// Sound playback through the media control interface: open a file, play, stop, rewind and
// close it, with a notification when a command that asked for one completes.

#include <string>

#include "classlib/win/Control.h"

namespace cl {

class TMediaPlayer : public TControl {
    CL_CLASS_INFO()
public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    // The next command that completes raises OnNotify.
    bool Notify() const { return notify_; }
    void SetNotify(bool notify) { notify_ = notify; }
    bool IsOpen() const { return deviceId_ != 0; }

    // Raise EMCIDeviceError with the device's message when a command fails.
    void Open();
    void Close();
    void Play();
    void Stop();
    void Rewind();

    TNotifyEvent OnNotify;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    unsigned long NotifyFlag();
    void Check(unsigned long error);

    std::string fileName_;
    bool notify_ = false;
    unsigned deviceId_ = 0;
};

}  // namespace cl
