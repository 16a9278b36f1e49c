#pragma once
// A status pane refreshed by one timer that every polling pane of the process shares; Active
// and Interval are therefore the same for all of them.

#include "controls/basic/MwStatusPane.h"

class TMwPollingStatus : public TMwCustomStatusPane {
    CL_CLASS_INFO()
public:
    explicit TMwPollingStatus(cl::TComponent* owner);
    ~TMwPollingStatus() override;

    bool Active() const;
    void SetActive(bool v);
    int Interval() const;
    void SetInterval(int v);

    cl::TNotifyEvent OnTimerExpired;

    // Called by the shared timer for each visible polling pane.
    virtual void TimerExpired() { OnTimerExpired(this); }
};

