#include "app/frmDoSearch.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwLabel.h"

namespace {
// Runs the search after the activation that asks for it has been handled and the dialog drawn.
const UINT kRunSearchMessage = WM_APP + 0x120;
}  // namespace

const cl::TClassInfo& TfrmDoSearch::StaticClass() {
    using F = TfrmDoSearch;
    static const auto info = cl::TClassBuilder<F>("TfrmDoSearch", cl::TForm::StaticClass())
                                 .Field("MwGroupBox1", &F::MwGroupBox1)
                                 .Field("MwLabel2", &F::MwLabel2)
                                 .Field("lblSearching", &F::lblSearching)
                                 .Field("MwBitBtn1", &F::MwBitBtn1)
                                 .Handler("FormCreate", &F::FormCreate)
                                 .Handler("FormActivate", &F::FormActivate)
                                 .Handler("MwBitBtn1Click", &F::MwBitBtn1Click)
                                 .Build();
    return *info;
}

void TfrmDoSearch::FormCreate(cl::TObject*) {
    Stopped = false;
    Started = false;
}

void TfrmDoSearch::FormActivate(cl::TObject*) {
    if (Started) return;
    Started = true;
    Repaint();
    PostMessageA(Handle(), kRunSearchMessage, 0, 0);
}

void TfrmDoSearch::MwBitBtn1Click(cl::TObject*) { Stopped = true; }

bool TfrmDoSearch::StopRequested() {
    const auto now = std::chrono::steady_clock::now();
    if (now < nextProgress_) return Stopped;
    nextProgress_ = now + ProgressInterval;
    cl::Application()->ProcessMessages();
    // Closed some other way (Alt+F4, the program ending): the search ends as with "Stop".
    return Stopped || ModalResult() != cl::mrNone || cl::Application()->Terminated();
}

bool TfrmDoSearch::StopRequested(const std::string& entryName) {
    const bool due = std::chrono::steady_clock::now() >= nextProgress_;
    if (StopRequested()) return true;
    if (due) lblSearching->SetCaption(entryName);  // painted at the next turn
    return false;
}

void TfrmDoSearch::RaiseSearchError() const {
    if (searchError_) std::rethrow_exception(searchError_);
}

void TfrmDoSearch::WndProc(cl::TMessage& message) {
    if (message.msg == kRunSearchMessage) {
        RunSearch();
        return;
    }
    cl::TForm::WndProc(message);
}

void TfrmDoSearch::RunSearch() {
    // A failure ends the search like "Stop" does; the caller reports it once the dialog is
    // closed, so that no error box waits behind a dialog that would stay open.
    try {
        if (Search) Search(*this);
    } catch (...) {
        searchError_ = std::current_exception();
    }
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}
