#pragma once
// The progress dialog of a long extraction. Once it shows, it runs the work its caller gave
// it; the work names each entry it writes here, with the bytes written so far, and asks now
// and then whether to go on. "Stop" ends the work at the next such question; the dialog closes
// when the work ends.

#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "classlib/win/Form.h"

class TMwGroupBox;
class TMwLabel;
class TMwBitBtn;
class TMwProgressBar;

class TfrmExtracting : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmExtracting(cl::TComponent* owner) : cl::TForm(owner) {}

    TMwGroupBox* MwGroupBox1 = nullptr;
    TMwLabel* MwLabel2 = nullptr;
    TMwLabel* lblSaving = nullptr;
    TMwProgressBar* pbSaving = nullptr;
    TMwBitBtn* MwBitBtn1 = nullptr;

    // Set by the caller before showing the dialog: the work, and the bytes it will write at most.
    std::function<void(TfrmExtracting&)> Work;
    uint64_t Total = 0;

    bool Stopped = false;  // "Stop" was pressed
    bool Started = false;  // the work has begun

    void FormActivate(cl::TObject* Sender);
    void MwBitBtn1Click(cl::TObject* Sender);

    // Shows the entry about to be written and the bytes written before it; true when the
    // work is to end because the dialog was stopped or closed.
    bool StopRequested(const std::string& entryName, uint64_t done);
    // The same inside an entry: the bytes written so far, at most once per ProgressInterval.
    bool StopRequested(uint64_t done);

    // How often the dialog is brought up to date while working.
    static inline std::chrono::milliseconds ProgressInterval{40};
    // Test seam: runs as each entry is named, before the stop check.
    static inline std::function<void(TfrmExtracting&, const std::string& entryName)> EntryHook;
    // After the dialog has closed: raises what ended the work, if it failed.
    void RaiseWorkError() const;

protected:
    void WndProc(cl::TMessage& message) override;

private:
    void RunWork();
    void ShowDone(uint64_t done);

    std::exception_ptr workError_;
    std::chrono::steady_clock::time_point nextProgress_{};
};
