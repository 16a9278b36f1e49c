#include "classlib/win/Animate.h"

#include <commctrl.h>

#include "classlib/core/ClassBuilder.h"

namespace cl {

namespace {

const TEnumNames kCommonAVINames{{{"aviNone", 0}, {"aviFindFolder", 1}, {"aviFindFile", 2}, {"aviFindComputer", 3},
                                  {"aviCopyFiles", 4}, {"aviCopyFile", 5}, {"aviRecycleFile", 6}, {"aviEmptyRecycle", 7},
                                  {"aviDeleteFile", 8}}};

// The clips' resource numbers in shell32.dll, by TCommonAVI.
const int kCommonAVIResources[] = {0, 150, 151, 152, 160, 161, 162, 163, 164};

}  // namespace

const TClassInfo& TAnimate::StaticClass() {
    static const auto info = TClassBuilder<TAnimate>("TAnimate", TControl::StaticClass())
                                 .Creatable()
                                 .Enum<TCommonAVI>("CommonAVI", &TAnimate::CommonAVI, &TAnimate::SetCommonAVI, kCommonAVINames)
                                 .Bool("Active", &TAnimate::Active, &TAnimate::SetActive)
                                 .Int("StopFrame", &TAnimate::StopFrame, &TAnimate::SetStopFrame)
                                 .Build();
    return *info;
}

TAnimate::TAnimate(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 100, 80); }

void TAnimate::SetCommonAVI(TCommonAVI clip) {
    commonAVI_ = clip;
    if (!HandleAllocated()) return;
    OpenClip();
    ApplyActive();
}

void TAnimate::SetActive(bool active) {
    active_ = active;
    if (HandleAllocated()) ApplyActive();
}

void TAnimate::SetStopFrame(int frame) {
    stopFrame_ = frame < 0 ? 0 : frame;
    if (HandleAllocated()) ApplyActive();
}

void TAnimate::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.windowClass = ANIMATE_CLASSA;
    params.standardClass = true;
    params.style &= ~WS_CLIPCHILDREN;
    params.style |= ACS_CENTER | ACS_TRANSPARENT;
}

void TAnimate::InitializeWnd() {
    OpenClip();
    ApplyActive();
}

void TAnimate::OpenClip() {
    const int resource = kCommonAVIResources[static_cast<int>(commonAVI_)];
    // A shell without the clip shows nothing; the program runs on as before.
    HMODULE shell = resource ? GetModuleHandleA("shell32.dll") : nullptr;
    SendMessageA(Handle(), ACM_OPENA, reinterpret_cast<WPARAM>(shell), shell ? reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resource)) : 0);
}

void TAnimate::ApplyActive() {
    if (active_) SendMessageA(Handle(), ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, stopFrame_ == 0 ? -1 : stopFrame_));
    else SendMessageA(Handle(), ACM_STOP, 0, 0);
}

}  // namespace cl
