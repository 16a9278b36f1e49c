#include "controls/basic/MwPollingStatus.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"

using namespace mw;

namespace {

// The process-wide list of polling panes with their one thread timer; it exists while at
// least one polling pane exists.
class TPollingList {
public:
    ~TPollingList() { StopTimer(); }

    void Add(TMwPollingStatus* pane) {
        panes_.push_back(pane);
        UpdateTimer();
    }
    // Returns whether the list is now empty.
    bool Remove(TMwPollingStatus* pane) {
        panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
        return panes_.empty();
    }

    bool active = true;
    int interval = 500;

    void UpdateTimer() {
        StopTimer();
        if (active && !panes_.empty()) timer_ = SetTimer(nullptr, 0, static_cast<UINT>(interval), &TPollingList::Tick);
    }

private:
    void StopTimer() {
        if (timer_) KillTimer(nullptr, timer_);
        timer_ = 0;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<TMwPollingStatus*> panes_;
    UINT_PTR timer_ = 0;
};

std::unique_ptr<TPollingList>& PollingList() {
    static std::unique_ptr<TPollingList> list;
    return list;
}

void CALLBACK TPollingList::Tick(HWND, UINT, UINT_PTR, DWORD) {
    try {
        TPollingList* list = PollingList().get();
        if (!list) return;
        // A handler may free panes; work on a copy and skip the ones that left.
        const auto panes = list->panes_;
        for (TMwPollingStatus* pane : panes) {
            if (!PollingList() || std::find(PollingList()->panes_.begin(), PollingList()->panes_.end(), pane) == PollingList()->panes_.end())
                continue;
            if (pane->Visible()) pane->TimerExpired();
        }
    } catch (...) {
        cl::TApplication::HandleCurrentException();
    }
}

}  // namespace

const cl::TClassInfo& TMwPollingStatus::StaticClass() {
    using P = TMwPollingStatus;
    static const auto info = cl::TClassBuilder<P>("TMwPollingStatus", TMwCustomStatusPane::StaticClass())
                                 .Bool("Active", &P::Active, &P::SetActive)
                                 .Int("Interval", &P::Interval, &P::SetInterval)
                                 .Event("OnTimerExpired", &P::OnTimerExpired)
                                 .Build();
    return *info;
}

TMwPollingStatus::TMwPollingStatus(cl::TComponent* owner) : TMwCustomStatusPane(owner) {
    if (!PollingList()) PollingList() = std::make_unique<TPollingList>();
    PollingList()->Add(this);
}

TMwPollingStatus::~TMwPollingStatus() {
    if (PollingList() && PollingList()->Remove(this)) PollingList().reset();
}

bool TMwPollingStatus::Active() const { return PollingList()->active; }

void TMwPollingStatus::SetActive(bool v) {
    if (v == PollingList()->active) return;
    PollingList()->active = v;
    PollingList()->UpdateTimer();
}

int TMwPollingStatus::Interval() const { return PollingList()->interval; }

void TMwPollingStatus::SetInterval(int v) {
    v &= 0xFFFF;
    if (v == PollingList()->interval) return;
    PollingList()->interval = v;
    PollingList()->UpdateTimer();
}

