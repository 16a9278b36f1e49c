#include "classlib/win/MediaPlayer.h"

#include <mmsystem.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"

namespace cl {

CL_DECLARE_EXCEPTION(EMCIDeviceError, Exception);

namespace {

// The reports this object posts itself, as MM_MCINOTIFY with a wParam the device never sends
// (its own values are MCI_NOTIFY_SUCCESSFUL, _SUPERSEDED, _ABORTED and _FAILURE: 1, 2, 4, 8).
constexpr WPARAM kOwnReport = 0x100;

}  // namespace

const TClassInfo& TMediaPlayer::StaticClass() {
    static const auto info = TClassBuilder<TMediaPlayer>("TMediaPlayer", TControl::StaticClass())
                                 .Creatable()
                                 .Str("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName)
                                 .Bool("Notify", &TMediaPlayer::Notify, &TMediaPlayer::SetNotify)
                                 .Event("OnNotify", &TMediaPlayer::OnNotify)
                                 .Build();
    return *info;
}

std::function<unsigned long(unsigned, unsigned, uintptr_t, uintptr_t)>& TMediaPlayer::CommandHook() {
    static std::function<unsigned long(unsigned, unsigned, uintptr_t, uintptr_t)> hook;
    return hook;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 253, 30); }

TMediaPlayer::~TMediaPlayer() {
    if (deviceId_) Send(MCI_CLOSE, MCI_WAIT, 0);
}

void TMediaPlayer::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.style &= ~WS_TABSTOP;
}

unsigned long TMediaPlayer::Send(unsigned command, uintptr_t flags, uintptr_t params) {
    if (CommandHook()) return CommandHook()(deviceId_, command, flags, params);
    return mciSendCommandA(deviceId_, command, flags, params);
}

void TMediaPlayer::Check(unsigned long error) {
    if (error == 0) return;
    char text[256] = {};
    if (!mciGetErrorStringA(error, text, sizeof(text))) lstrcpyA(text, "Unknown media error");
    throw EMCIDeviceError(text);
}

void TMediaPlayer::Report(TMPNotifyValue value) {
    PostMessageA(Handle(), MM_MCINOTIFY, kOwnReport + static_cast<WPARAM>(value), 0);
}

void TMediaPlayer::EndPlayback(TMPNotifyValue value) {
    if (!playbackReported_) return;
    playbackReported_ = false;
    Report(value);
}

void TMediaPlayer::Open() {
    if (deviceId_) Close();
    MCI_OPEN_PARMSA open = {};
    open.lpstrElementName = fileName_.c_str();
    Check(Send(MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<uintptr_t>(&open)));
    deviceId_ = open.wDeviceID;
}

void TMediaPlayer::Close() {
    if (!deviceId_) return;
    EndPlayback(TMPNotifyValue::Aborted);
    MCI_GENERIC_PARMS close = {};
    const unsigned long error = Send(MCI_CLOSE, MCI_WAIT, reinterpret_cast<uintptr_t>(&close));
    deviceId_ = 0;
    Check(error);
}

void TMediaPlayer::Play() {
    if (!deviceId_) throw EMCIDeviceError("The media player is not open");
    EndPlayback(TMPNotifyValue::Superseded);
    if (!notify_) {
        MCI_PLAY_PARMS play = {};
        Check(Send(MCI_PLAY, 0, reinterpret_cast<uintptr_t>(&play)));
        return;
    }
    // Posted before the device starts, so that the start is always reported before the end.
    Report(TMPNotifyValue::Started);
    playbackReported_ = true;
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    const unsigned long error = Send(MCI_PLAY, MCI_NOTIFY, reinterpret_cast<uintptr_t>(&play));
    if (error) EndPlayback(TMPNotifyValue::Failure);
    Check(error);
}

void TMediaPlayer::Stop() {
    if (!deviceId_) throw EMCIDeviceError("The media player is not open");
    EndPlayback(TMPNotifyValue::Aborted);
    MCI_GENERIC_PARMS stop = {};
    Check(Send(MCI_STOP, MCI_WAIT, reinterpret_cast<uintptr_t>(&stop)));
}

void TMediaPlayer::Rewind() {
    if (!deviceId_) throw EMCIDeviceError("The media player is not open");
    EndPlayback(TMPNotifyValue::Aborted);
    MCI_SEEK_PARMS seek = {};
    Check(Send(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, reinterpret_cast<uintptr_t>(&seek)));
}

void TMediaPlayer::WndProc(TMessage& m) {
    if (m.msg != MM_MCINOTIFY) {
        TControl::WndProc(m);
        return;
    }
    if (m.wParam >= kOwnReport) {
        notifyValue_ = static_cast<TMPNotifyValue>(m.wParam - kOwnReport);
        OnNotify(this);
        return;
    }
    // From the device, for the playback it was asked to report. Aborted and superseded ends
    // come only from our own commands, which reported them already; so do late reports of
    // a playback that has ended meanwhile, and reports of a device closed since.
    if (!playbackReported_ || static_cast<unsigned>(m.lParam) != deviceId_) return;
    if (m.wParam != MCI_NOTIFY_SUCCESSFUL && m.wParam != MCI_NOTIFY_FAILURE) return;
    playbackReported_ = false;
    notifyValue_ = m.wParam == MCI_NOTIFY_SUCCESSFUL ? TMPNotifyValue::Successful : TMPNotifyValue::Failure;
    OnNotify(this);
}

}  // namespace cl
