#include "controls/basic/MwPollingList.h"

#include <algorithm>
#include <memory>

#include "controls/basic/MwPollingStatus.h"

namespace {

// Shared so that a tick keeps the list (and the timer it runs in) alive while a pane's handler
// frees the last polling pane.
std::shared_ptr<TMwPollingList>& TheList() {
    static std::shared_ptr<TMwPollingList> list;
    return list;
}

}  // namespace

TMwPollingList::TMwPollingList() {
    timer_.SetInterval(500);
    timer_.SetOnTimer(cl::TNotifyEvent(this, &TMwPollingList::TimerTick));
}

void TMwPollingList::Add(TMwPollingStatus* pane) { panes_.push_back(pane); }

void TMwPollingList::Remove(TMwPollingStatus* pane) {
    const auto it = std::find(panes_.begin(), panes_.end(), pane);
    if (it != panes_.end()) panes_.erase(it);
}

void TMwPollingList::Tick() {
    const std::shared_ptr<TMwPollingList> keepAlive = TheList();
    // A handler may free panes or make new ones: walk a copy and skip the panes that left.
    const std::vector<TMwPollingStatus*> snapshot = panes_;
    for (TMwPollingStatus* pane : snapshot) {
        if (std::find(panes_.begin(), panes_.end(), pane) == panes_.end()) continue;
        if (pane->Visible()) pane->TimerExpired();
    }
}

TMwPollingList* PollingList() { return TheList().get(); }

void JoinPollingList(TMwPollingStatus& pane) {
    if (!TheList()) TheList() = std::make_shared<TMwPollingList>();
    TheList()->Add(&pane);
}

void LeavePollingList(TMwPollingStatus& pane) {
    if (!TheList()) return;
    TheList()->Remove(&pane);
    if (TheList()->Count() == 0) TheList().reset();
}
