#include "classlib/win/FloatHostForm.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/DragSession.h"

namespace cl {

const TClassInfo& TFloatHostForm::StaticClass() {
    static const auto info = TClassBuilder<TFloatHostForm>("TFloatHostForm", TCustomForm::StaticClass()).Build();
    return *info;
}

TFloatHostForm::TFloatHostForm(TComponent* owner, TControl& client) : TCustomForm(owner), client_(&client) {
    SetBorderStyle(TFormBorderStyle::SizeToolWin);
    SetCaption(client.Caption());
}

TFloatHostForm::~TFloatHostForm() {
    // The control dies with the form, as its child: it must not reach back for it.
    if (client_ && client_->floatHost_ == this) client_->floatHost_ = nullptr;
}

void TFloatHostForm::ClientGone() {
    client_ = nullptr;
    if (HandleAllocated()) {
        Hide();
        Release();
    } else {
        Free(this);
    }
}

TPoint TFloatHostForm::WindowSizeFor(int clientWidth, int clientHeight) {
    const TRect extra = FrameExtraOf(TFormBorderStyle::SizeToolWin, biSystemMenu);
    return {clientWidth + extra.left + extra.right, clientHeight + extra.top + extra.bottom};
}

void TFloatHostForm::WndProc(TMessage& m) {
    if (m.msg == WM_NCLBUTTONDOWN && m.wParam == HTCAPTION && client_) {
        SetForegroundWindow(Handle());
        RunControlDrag(*client_, TDragKind::Dock, false);
        m.result = 0;
        return;
    }
    TCustomForm::WndProc(m);
}

}  // namespace cl
