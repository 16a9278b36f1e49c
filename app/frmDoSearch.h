#pragma once
// The progress dialog of a content search. Once it shows, it runs the search its caller gave
// it; the search shows each entry it reads here and asks between steps whether to go on.
// "Stop" ends the search after the step under way; the dialog closes when the search ends.

#include <chrono>
#include <exception>
#include <functional>
#include <string>

#include "classlib/win/Form.h"

class TMwGroupBox;
class TMwLabel;
class TMwBitBtn;

class TfrmDoSearch : public cl::TForm {
    CL_CLASS_INFO()
public:
    explicit TfrmDoSearch(cl::TComponent* owner) : cl::TForm(owner) {}

    TMwGroupBox* MwGroupBox1 = nullptr;
    TMwLabel* MwLabel2 = nullptr;
    TMwLabel* lblSearching = nullptr;
    TMwBitBtn* MwBitBtn1 = nullptr;

    // Set by the caller before showing the dialog.
    std::string Term;
    std::function<void(TfrmDoSearch&)> Search;

    bool Stopped = false;  // "Stop" was pressed
    bool Started = false;  // the search has begun

    void FormCreate(cl::TObject* Sender);
    void FormActivate(cl::TObject* Sender);
    void MwBitBtn1Click(cl::TObject* Sender);

    // Handles the messages waiting (a press of "Stop" among them) and shows the entry about
    // to be read, at most once per ProgressInterval: doing so costs far more than reading a
    // small entry. True when the search is to end because the dialog was stopped or closed.
    bool StopRequested(const std::string& entryName);
    // The same inside an entry, with no entry to show.
    bool StopRequested();

    // How often the dialog is brought up to date while searching; zero shows every entry.
    static inline std::chrono::milliseconds ProgressInterval{40};
    // After the dialog has closed: raises what ended the search, if it failed.
    void RaiseSearchError() const;

protected:
    void WndProc(cl::TMessage& message) override;

private:
    void RunSearch();

    std::exception_ptr searchError_;
    std::chrono::steady_clock::time_point nextProgress_{};
};
