#include "classlib/win/MediaPlayer.h"

#include <mmsystem.h>

#include "classlib/core/ClassBuilder.h"
#include "classlib/core/Exception.h"

namespace cl {

CL_DECLARE_EXCEPTION(EMCIDeviceError, Exception);

const TClassInfo& TMediaPlayer::StaticClass() {
    static const auto info = TClassBuilder<TMediaPlayer>("TMediaPlayer", TControl::StaticClass())
                                 .Creatable()
                                 .Str("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName)
                                 .Bool("Notify", &TMediaPlayer::Notify, &TMediaPlayer::SetNotify)
                                 .Event("OnNotify", &TMediaPlayer::OnNotify)
                                 .Build();
    return *info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 253, 30); }

TMediaPlayer::~TMediaPlayer() {
    if (deviceId_) mciSendCommandA(deviceId_, MCI_CLOSE, MCI_WAIT, 0);
}

void TMediaPlayer::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.style &= ~WS_TABSTOP;
}

unsigned long TMediaPlayer::NotifyFlag() { return notify_ ? MCI_NOTIFY : 0; }

void TMediaPlayer::Check(unsigned long error) {
    if (error == 0) return;
    char text[256] = {};
    if (!mciGetErrorStringA(error, text, sizeof(text))) lstrcpyA(text, "Unknown media error");
    throw EMCIDeviceError(text);
}

void TMediaPlayer::Open() {
    if (deviceId_) Close();
    MCI_OPEN_PARMSA open = {};
    open.dwCallback = reinterpret_cast<DWORD_PTR>(Handle());
    open.lpstrElementName = fileName_.c_str();
    Check(mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT | NotifyFlag(), reinterpret_cast<DWORD_PTR>(&open)));
    deviceId_ = open.wDeviceID;
}

void TMediaPlayer::Close() {
    if (!deviceId_) return;
    MCI_GENERIC_PARMS close = {reinterpret_cast<DWORD_PTR>(Handle())};
    const MCIDEVICEID id = deviceId_;
    deviceId_ = 0;
    Check(mciSendCommandA(id, MCI_CLOSE, MCI_WAIT | NotifyFlag(), reinterpret_cast<DWORD_PTR>(&close)));
}

void TMediaPlayer::Play() {
    if (!deviceId_) throw EMCIDeviceError("The media player is not open");
    MCI_PLAY_PARMS play = {reinterpret_cast<DWORD_PTR>(Handle())};
    Check(mciSendCommandA(deviceId_, MCI_PLAY, NotifyFlag(), reinterpret_cast<DWORD_PTR>(&play)));
}

void TMediaPlayer::Stop() {
    if (!deviceId_) throw EMCIDeviceError("The media player is not open");
    MCI_GENERIC_PARMS stop = {reinterpret_cast<DWORD_PTR>(Handle())};
    Check(mciSendCommandA(deviceId_, MCI_STOP, MCI_WAIT | NotifyFlag(), reinterpret_cast<DWORD_PTR>(&stop)));
}

void TMediaPlayer::Rewind() {
    if (!deviceId_) throw EMCIDeviceError("The media player is not open");
    MCI_SEEK_PARMS seek = {reinterpret_cast<DWORD_PTR>(Handle())};
    Check(mciSendCommandA(deviceId_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT | NotifyFlag(), reinterpret_cast<DWORD_PTR>(&seek)));
}

void TMediaPlayer::WndProc(TMessage& m) {
    if (m.msg == MM_MCINOTIFY) {
        OnNotify(this);
        return;
    }
    TControl::WndProc(m);
}

}  // namespace cl
