#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

// The PC's time-zone record, derived from the system time zone (which
// follows the TZ environment variable): what the device's clock, its
// summer-time rules and the sun tables are computed from.

// A yearly change in month-week-day form.
struct MonthWeekDay {
    int month = 0; // 1..12; 0 when the zone has no summer time
    int dayOfWeek = 0; // 0 = Sunday .. 6 = Saturday
    int week = 0; // 1..4, 5 = last
    int hour = 0;
    int minute = 0;
};

struct PcTimeZoneInfo {
    int Bias = 0; // minutes: UTC = local standard time + Bias
    int StandardBias = 0; // minutes added to Bias in standard time (0)
    int DaylightBias = 0; // minutes added to Bias in summer time (-60 mostly)
    MonthWeekDay StandardDate; // change back to standard time
    MonthWeekDay DaylightDate; // change to summer time
    QString StandardName;
    QString DaylightName;
    bool hasDaylightTime = false;
    bool daylightInEffect = false; // at the moment the record was made
};

PcTimeZoneInfo timeZoneInfo(const QTimeZone& zone, const QDateTime& at);
// The system zone at Clock::currentDateTime().
PcTimeZoneInfo pcTimeZone();
// Hours east of Greenwich in standard time: -(Bias + StandardBias) / 60.
double gmtOffsetHours(const PcTimeZoneInfo& info);
