#include "ClockSync.h"

#include "Clock.h"
#include "MyDevFunctions.h"

#include <QDate>

#include <algorithm>

namespace {

void appendRule(DstRules& rules, std::size_t at, const MonthWeekDay& change, int year, bool isStandardDate)
{
    int firstCandidateDay = 0;
    if (change.week >= 1 && change.week <= 4)
        firstCandidateDay = 1 + 7 * (change.week - 1);
    else if (change.week == 5 && change.month >= 1 && change.month <= 12)
        firstCandidateDay = QDate(year, change.month, 1).daysInMonth() - 6;
    int hour = change.hour;
    // The device cannot change at midnight or at the last hour of the day.
    if (isStandardDate && hour == 0)
        hour = 1;
    if (!isStandardDate && hour == 23)
        hour = 22;
    rules[at] = static_cast<std::uint8_t>(change.month);
    rules[at + 1] = static_cast<std::uint8_t>(change.dayOfWeek + 1);
    rules[at + 2] = static_cast<std::uint8_t>(firstCandidateDay);
    rules[at + 3] = static_cast<std::uint8_t>(hour);
}

} // namespace

DstRules dstRulesFor(const PcTimeZoneInfo& zone, int year)
{
    DstRules rules {};
    appendRule(rules, 0, zone.StandardDate, year, true);
    appendRule(rules, 4, zone.DaylightDate, year, false);
    return rules;
}

Report setClockCommand(const QDateTime& localTime, bool daylightInEffect)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    return makeCommand(Cmd::SetClock,
        {static_cast<std::uint8_t>(date.year() - 2000), static_cast<std::uint8_t>(date.month()),
            static_cast<std::uint8_t>(date.day()), static_cast<std::uint8_t>(time.hour()),
            static_cast<std::uint8_t>(time.minute()), static_cast<std::uint8_t>(time.second()),
            static_cast<std::uint8_t>(date.dayOfWeek() % 7 + 1), static_cast<std::uint8_t>(daylightInEffect ? 1 : 0)});
}

void SetClock()
{
    const QDateTime now = Clock::currentDateTime().toLocalTime();
    SendtoDev(setClockCommand(now, pcTimeZone().daylightInEffect));
}

void STDSTsync()
{
    const DstRules wanted = dstRulesFor(pcTimeZone(), Clock::currentDateTime().date().year());
    DeviceExchange hold;
    // Without an answer Data keeps its earlier contents, which then decide.
    requestFromDev(makeCommand(Cmd::ReadDstRules), Data);
    if (std::equal(wanted.begin(), wanted.end(), Data.begin() + 1))
        return;
    Report write = makeCommand(Cmd::WriteDstRules);
    std::copy(wanted.begin(), wanted.end(), write.begin() + 2);
    SendtoDev(write);
}
