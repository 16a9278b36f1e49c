#include "app/frmExtracting.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwProgressBar.h"

namespace {
// Runs the work after the activation that asks for it has been handled and the dialog drawn.
const UINT kRunWorkMessage = WM_APP + 0x121;
}  // namespace

const cl::TClassInfo& TfrmExtracting::StaticClass() {
    using F = TfrmExtracting;
    static const auto info = cl::TClassBuilder<F>("TfrmExtracting", cl::TForm::StaticClass())
                                 .Field("MwGroupBox1", &F::MwGroupBox1)
                                 .Field("MwLabel2", &F::MwLabel2)
                                 .Field("lblSaving", &F::lblSaving)
                                 .Field("pbSaving", &F::pbSaving)
                                 .Field("MwBitBtn1", &F::MwBitBtn1)
                                 .Handler("FormActivate", &F::FormActivate)
                                 .Handler("MwBitBtn1Click", &F::MwBitBtn1Click)
                                 .Build();
    return *info;
}

void TfrmExtracting::FormActivate(cl::TObject*) {
    if (Started) return;
    Started = true;
    Repaint();
    PostMessageA(Handle(), kRunWorkMessage, 0, 0);
}

void TfrmExtracting::MwBitBtn1Click(cl::TObject*) { Stopped = true; }

void TfrmExtracting::ShowDone(uint64_t done) {
    pbSaving->SetPercent(Total == 0 ? 0 : static_cast<int>(std::min<uint64_t>(done, Total) * 100 / Total));
}

bool TfrmExtracting::StopRequested(uint64_t done) {
    const auto now = std::chrono::steady_clock::now();
    if (now < nextProgress_) return Stopped;
    nextProgress_ = now + ProgressInterval;
    ShowDone(done);
    cl::Application()->ProcessMessages();
    // Closed some other way (Alt+F4, the program ending): the work ends as with "Stop".
    return Stopped || ModalResult() != cl::mrNone || cl::Application()->Terminated();
}

bool TfrmExtracting::StopRequested(const std::string& entryName, uint64_t done) {
    lblSaving->SetCaption(entryName);  // painted at the next turn
    if (EntryHook) EntryHook(*this, entryName);
    return StopRequested(done);
}

void TfrmExtracting::RaiseWorkError() const {
    if (workError_) std::rethrow_exception(workError_);
}

void TfrmExtracting::WndProc(cl::TMessage& message) {
    if (message.msg == kRunWorkMessage) {
        RunWork();
        return;
    }
    cl::TForm::WndProc(message);
}

void TfrmExtracting::RunWork() {
    // A failure ends the work like "Stop" does; the caller reports it once the dialog is
    // closed, so that no error box waits behind a dialog that would stay open.
    try {
        if (Work) Work(*this);
    } catch (...) {
        workError_ = std::current_exception();
    }
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}
