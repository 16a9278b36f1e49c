#pragma once
// A status pane refreshed by the timer that every polling pane of the process shares (see
// MwPollingList.h); Active and Interval are therefore the same for all of them.

#include "controls/basic/MwStatusPane.h"

class TMwPollingStatus : public TMwCustomStatusPane {
    CL_CLASS_INFO()
public:
    explicit TMwPollingStatus(cl::TComponent* owner);
    ~TMwPollingStatus() override;

    bool Active() const;
    void SetActive(bool active);
    int Interval() const;
    // Milliseconds, 0 to 65535.
    void SetInterval(int milliseconds);

    cl::TNotifyEvent OnTimerExpired;

protected:
    friend class TMwPollingList;
    // Each tick of the shared timer while the pane is visible.
    virtual void TimerExpired() { OnTimerExpired(this); }
};
