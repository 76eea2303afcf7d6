#include "PcTimeZone.h"

#include "Clock.h"

namespace {

// The change expressed as the wall-clock time just before it, in the
// month-week-day form (week 5 = the last such weekday of the month).
MonthWeekDay ruleOf(const QTimeZone::OffsetData& transition, int offsetBeforeSeconds)
{
    const QDateTime before = transition.atUtc.toOffsetFromUtc(offsetBeforeSeconds);
    const QDate date = before.date();
    MonthWeekDay rule;
    rule.month = date.month();
    rule.dayOfWeek = date.dayOfWeek() % 7;
    rule.week = date.day() > date.daysInMonth() - 7 ? 5 : (date.day() - 1) / 7 + 1;
    rule.hour = before.time().hour();
    rule.minute = before.time().minute();
    return rule;
}

} // namespace

PcTimeZoneInfo timeZoneInfo(const QTimeZone& zone, const QDateTime& at)
{
    PcTimeZoneInfo info;
    const int standardOffset = zone.standardTimeOffset(at);
    info.Bias = -standardOffset / 60;
    info.StandardName = zone.displayName(QTimeZone::StandardTime, QTimeZone::LongName);
    info.DaylightName = zone.displayName(QTimeZone::DaylightTime, QTimeZone::LongName);
    info.daylightInEffect = zone.isDaylightTime(at);

    // The changes of the current year; a zone without them keeps month 0,
    // as the record of such a zone has on the PCs the device was made for.
    const int year = at.date().year();
    const QDateTime start(QDate(year, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime end(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC);
    for (const QTimeZone::OffsetData& transition : zone.transitions(start, end)) {
        const QTimeZone::OffsetData previous = zone.previousTransition(transition.atUtc);
        const int offsetBefore = previous.atUtc.isValid() ? previous.offsetFromUtc : standardOffset;
        if (transition.daylightTimeOffset > 0) {
            info.DaylightDate = ruleOf(transition, offsetBefore);
            info.DaylightBias = -transition.daylightTimeOffset / 60;
            info.hasDaylightTime = true;
        } else if (offsetBefore != transition.offsetFromUtc) {
            info.StandardDate = ruleOf(transition, offsetBefore);
        }
    }
    if (!info.hasDaylightTime)
        info.StandardDate = {};
    return info;
}

PcTimeZoneInfo pcTimeZone()
{
    return timeZoneInfo(QTimeZone::systemTimeZone(), Clock::currentDateTime());
}

double gmtOffsetHours(const PcTimeZoneInfo& info)
{
    return -(info.Bias + info.StandardBias) / 60.0;
}
