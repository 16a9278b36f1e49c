#pragma once
// The process-wide list of polling status panes and the one timer that refreshes them all:
// each tick runs TimerExpired on every visible pane of the list, in list order. The first
// polling pane makes the list and the last one frees it, so Active and Interval, which read
// and write the timer, are one setting for every polling pane.

#include <vector>

#include "classlib/core/Object.h"
#include "classlib/win/Timer.h"

class TMwPollingStatus;

class TMwPollingList : public cl::TObject {
public:
    TMwPollingList();
    TMwPollingList(const TMwPollingList&) = delete;
    TMwPollingList& operator=(const TMwPollingList&) = delete;

    void Add(TMwPollingStatus* pane);
    void Remove(TMwPollingStatus* pane);
    int Count() const { return static_cast<int>(panes_.size()); }

    bool Active() const { return timer_.Enabled(); }
    void SetActive(bool active) { timer_.SetEnabled(active); }
    int Interval() const { return timer_.Interval(); }
    void SetInterval(int milliseconds) { timer_.SetInterval(milliseconds); }

    // What a timer tick does; tests call it to poll without waiting.
    void Tick();

private:
    void TimerTick(cl::TObject*) { Tick(); }

    std::vector<TMwPollingStatus*> panes_;
    cl::TTimer timer_{nullptr};
};

// The list, or null while no polling pane exists.
TMwPollingList* PollingList();
// A polling pane joins at its construction (the first one makes the list) and leaves at its
// destruction (the last one frees the list and its timer).
void JoinPollingList(TMwPollingStatus& pane);
void LeavePollingList(TMwPollingStatus& pane);
