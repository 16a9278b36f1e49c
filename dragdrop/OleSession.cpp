#include "dragdrop/OleSession.h"

#include <ole2.h>

#include "utils/UtInitializationCount.h"

namespace dragdrop {

namespace {

class TOleSession {
public:
    TOleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~TOleSession() {
        if (started_) OleUninitialize();
    }
    TOleSession(const TOleSession&) = delete;
    TOleSession& operator=(const TOleSession&) = delete;

    bool Started() const { return started_; }

private:
    bool started_;
};

CLIPFORMAT Register(const char* name) { return static_cast<CLIPFORMAT>(RegisterClipboardFormatA(name)); }

ut::InitializationCount unitStarts;
bool unitOle = false;  // only a successful OleInitialize is balanced

}  // namespace

void InitializeDragDrop() {
    if (!unitStarts.Enter()) return;
    ClipboardFormats();
    unitOle = SUCCEEDED(OleInitialize(nullptr));
}

void FinalizeDragDrop() {
    if (!unitStarts.Leave()) return;
    if (unitOle) OleUninitialize();
    unitOle = false;
}

bool EnsureOleInitialized() {
    if (unitOle) return true;
    static const TOleSession session;
    return session.Started();
}

const TClipboardFormats& ClipboardFormats() {
    static const TClipboardFormats formats{Register("Shell IDList Array"), Register("Preferred DropEffect"),
                                           Register("FileNameMap"), Register("FileNameMapW")};
    return formats;
}

}  // namespace dragdrop
