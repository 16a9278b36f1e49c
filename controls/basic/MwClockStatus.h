#pragma once
// A polling status pane that shows the current date and time, through a format picture (see
// DateTimeText.h) or, without one, as the locale's short date and long time. Each tick takes
// the time (OnGetDateTime may change it) and draws the text at once when it changed.

#include <windows.h>

#include <string>

#include "controls/basic/MwPollingStatus.h"

// Sender and the time to show (local time), which the handler may change.
using TMwGetDateTimeEvent = cl::TEvent<cl::TObject*, SYSTEMTIME&>;

class TMwClockStatus : public TMwPollingStatus {
    CL_CLASS_INFO()
public:
    explicit TMwClockStatus(cl::TComponent* owner);

    const std::string& Format() const { return format_; }
    virtual void SetFormat(const std::string& v);

    // Takes the time now and, when its text differs from the last one, keeps it and draws it
    // at once (the frame is left as it is).
    virtual void RefreshClockText();
    void Loaded() override;

    TMwGetDateTimeEvent OnGetDateTime;

protected:
    void Paint(cl::TCanvas& canvas) override;
    // Keeps the text clear of the status bar's size grip.
    cl::TRect GetTextRect() override;
    void TimerExpired() override;

private:
    std::string format_;
    std::string clockText_;
};
