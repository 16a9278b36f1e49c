#pragma once
// A polling status pane that shows the current date and time.
//
// This class offers what the program uses so far: the locale's short date and time; a
// custom Format is stored but not applied yet.

#include <windows.h>

#include <string>

#include "controls/basic/MwPollingStatus.h"

using TMwGetDateTimeEvent = cl::TEvent<cl::TObject*, SYSTEMTIME&>;

class TMwClockStatus : public TMwPollingStatus {
    CL_CLASS_INFO()
public:
    explicit TMwClockStatus(cl::TComponent* owner);

    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& v);

    // Takes the time now (OnGetDateTime may change it) and shows it when the text changed.
    virtual void RefreshClockText();
    void TimerExpired() override;
    void Loaded() override;

    TMwGetDateTimeEvent OnGetDateTime;

private:
    std::string format_;
};

