#include "controls/basic/MwPollingStatus.h"

#include <algorithm>

#include "classlib/core/ClassBuilder.h"
#include "controls/basic/MwPollingList.h"

const cl::TClassInfo& TMwPollingStatus::StaticClass() {
    using P = TMwPollingStatus;
    static const auto info = cl::TClassBuilder<P>("TMwPollingStatus", TMwCustomStatusPane::StaticClass())
                                 .Bool("Active", &P::Active, &P::SetActive)
                                 .Int("Interval", &P::Interval, &P::SetInterval)
                                 .Event("OnTimerExpired", &P::OnTimerExpired)
                                 .Build();
    return *info;
}

TMwPollingStatus::TMwPollingStatus(cl::TComponent* owner) : TMwCustomStatusPane(owner) { JoinPollingList(*this); }

TMwPollingStatus::~TMwPollingStatus() { LeavePollingList(*this); }

// The list exists as long as this pane does.
bool TMwPollingStatus::Active() const { return PollingList()->Active(); }

void TMwPollingStatus::SetActive(bool active) { PollingList()->SetActive(active); }

int TMwPollingStatus::Interval() const { return PollingList()->Interval(); }

void TMwPollingStatus::SetInterval(int milliseconds) { PollingList()->SetInterval(std::clamp(milliseconds, 0, 0xFFFF)); }
