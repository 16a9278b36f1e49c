#include "controls/basic/MwClockStatus.h"

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Handles.h"
#include "controls/basic/DateTimeText.h"

using namespace mw;

namespace {

std::string LocaleText(LCTYPE item) {
    char text[100] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof(text));
    return text;
}

SYSTEMTIME ToSystemTime(const TDateTimeParts& t) {
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(t.year);
    s.wMonth = static_cast<WORD>(t.month);
    s.wDay = static_cast<WORD>(t.day);
    s.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
    s.wHour = static_cast<WORD>(t.hour);
    s.wMinute = static_cast<WORD>(t.minute);
    s.wSecond = static_cast<WORD>(t.second);
    s.wMilliseconds = static_cast<WORD>(t.millisecond);
    return s;
}

std::string DateText(const TDateTimeParts& t, DWORD flags) {
    const SYSTEMTIME s = ToSystemTime(t);
    char text[100] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, flags, &s, nullptr, text, sizeof(text));
    return text;
}

std::string TimeText(const TDateTimeParts& t, DWORD flags) {
    const SYSTEMTIME s = ToSystemTime(t);
    char text[100] = "";
    GetTimeFormatA(LOCALE_USER_DEFAULT, flags, &s, nullptr, text, sizeof(text));
    return text;
}

// The user's locale, read once.
const TDateTimeLocale& UserLocale() {
    static const TDateTimeLocale locale = [] {
        TDateTimeLocale l;
        for (int i = 0; i < 12; ++i) {
            l.shortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i);
            l.longMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i);
        }
        // The locale's week starts on Monday (DAYNAME1); ours on Sunday.
        for (int i = 0; i < 7; ++i) {
            l.shortDayNames[(i + 1) % 7] = LocaleText(LOCALE_SABBREVDAYNAME1 + i);
            l.longDayNames[(i + 1) % 7] = LocaleText(LOCALE_SDAYNAME1 + i);
        }
        l.dateSeparator = LocaleText(LOCALE_SDATE);
        l.timeSeparator = LocaleText(LOCALE_STIME);
        l.amText = LocaleText(LOCALE_S1159);
        l.pmText = LocaleText(LOCALE_S2359);
        l.shortDate = [](const TDateTimeParts& t) { return DateText(t, DATE_SHORTDATE); };
        l.longDate = [](const TDateTimeParts& t) { return DateText(t, DATE_LONGDATE); };
        l.shortTime = [](const TDateTimeParts& t) { return TimeText(t, TIME_NOSECONDS); };
        l.longTime = [](const TDateTimeParts& t) { return TimeText(t, 0); };
        return l;
    }();
    return locale;
}

TDateTimeParts ToParts(const SYSTEMTIME& s) {
    return {s.wYear, s.wMonth, s.wDay, s.wDayOfWeek, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds};
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

TMwClockStatus::TMwClockStatus(cl::TComponent* owner) : TMwPollingStatus(owner) { SetWidth(150); }

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
    std::string text = FormatDateTimeText(format_.empty() ? "c" : format_, ToParts(now), UserLocale());
    if (text == clockText_) return;
    clockText_ = std::move(text);
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
    const cl::TWindowDC dc(Handle(), cl::TWindowDC::TArea::Client);
    cl::TCanvas canvas(dc.Handle());
    DrawCaption(canvas, clockText_);
}

void TMwClockStatus::TimerExpired() {
    RefreshClockText();
    TMwPollingStatus::TimerExpired();
}

void TMwClockStatus::Loaded() {
    TMwPollingStatus::Loaded();
    RefreshClockText();
    StorePaneCaption(clockText_);
    AdjustWidth();
}

void TMwClockStatus::Paint(cl::TCanvas& canvas) {
    StorePaneCaption(clockText_);
    TMwPollingStatus::Paint(canvas);
}

cl::TRect TMwClockStatus::GetTextRect() {
    cl::TRect r = TMwPollingStatus::GetTextRect();
    if (IsAtSizeGrip(cl::TRect::FromBounds(0, 0, Width(), Height()))) r.right -= 12;
    return r;
}
