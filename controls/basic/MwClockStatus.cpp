#include "controls/basic/MwClockStatus.h"

#include "classlib/core/ClassBuilder.h"

using namespace mw;

namespace {

std::string DefaultDateTimeText(const SYSTEMTIME& time) {
    char date[80] = "";
    char clock[80] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof(date));
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, sizeof(clock));
    return std::string(date) + " " + clock;
}

}  // namespace

const cl::TClassInfo& TMwClockStatus::StaticClass() {
    static const auto info = cl::TClassBuilder<TMwClockStatus>("TMwClockStatus", TMwPollingStatus::StaticClass())
                                 .Creatable()
                                 .Str("Format", &TMwClockStatus::Format, &TMwClockStatus::SetFormat)
                                 .Event("OnGetDateTime", &TMwClockStatus::OnGetDateTime)
                                 .Build();
    return *info;
}

TMwClockStatus::TMwClockStatus(cl::TComponent* owner) : TMwPollingStatus(owner) {
    SetWidth(150);
    RefreshClockText();
}

void TMwClockStatus::SetFormat(const std::string& v) {
    if (v == format_) return;
    format_ = v;
    RefreshClockText();
    Invalidate();
}

void TMwClockStatus::RefreshClockText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    OnGetDateTime(this, now);
    ChangePaneCaption(DefaultDateTimeText(now));
    if (HandleAllocated()) Update();
}

void TMwClockStatus::TimerExpired() {
    RefreshClockText();
    TMwPollingStatus::TimerExpired();
}

void TMwClockStatus::Loaded() {
    RefreshClockText();
    TMwPollingStatus::Loaded();
}

