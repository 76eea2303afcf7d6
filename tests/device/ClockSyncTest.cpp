// The device clock and summer-time rules from the PC's time zone.
#include "ClockSync.h"
#include "PcTimeZone.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

TEST(ClockSync, SummerTimeRulesPerZone)
{
    const struct {
        const char* zone;
        DstRules rules;
        int bias;
        double gmtOffset;
    } cases[] = {
        // Last Sunday of October 03:00, last Sunday of March 02:00.
        {"Europe/Amsterdam", {10, 1, 25, 3, 3, 1, 25, 2}, -60, 1.0},
        {"Europe/London", {10, 1, 25, 2, 3, 1, 25, 1}, 0, 0.0},
        // First Sunday of November 02:00, second Sunday of March 02:00.
        {"America/New_York", {11, 1, 1, 2, 3, 1, 8, 2}, 300, -5.0},
        // Southern hemisphere: back in April, forward in October.
        {"Australia/Sydney", {4, 1, 1, 3, 10, 1, 1, 2}, -600, 10.0},
        // No summer time: month 0 in both rules.
        {"Asia/Tokyo", {0, 1, 0, 1, 0, 1, 0, 0}, -540, 9.0},
        {"Asia/Kolkata", {0, 1, 0, 1, 0, 1, 0, 0}, -330, 5.5},
    };
    const QDateTime at(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC);
    for (const auto& c : cases) {
        const QTimeZone zone(c.zone);
        ASSERT_TRUE(zone.isValid()) << c.zone;
        const PcTimeZoneInfo info = timeZoneInfo(zone, at);
        EXPECT_EQ(dstRulesFor(info, 2026), c.rules) << c.zone;
        EXPECT_EQ(info.Bias, c.bias) << c.zone;
        EXPECT_DOUBLE_EQ(gmtOffsetHours(info), c.gmtOffset) << c.zone;
    }
}

TEST(ClockSync, DaylightStateAndBias)
{
    const QTimeZone amsterdam("Europe/Amsterdam");
    const PcTimeZoneInfo summer = timeZoneInfo(amsterdam, QDateTime(QDate(2026, 7, 1), QTime(12, 0), Qt::UTC));
    EXPECT_TRUE(summer.hasDaylightTime);
    EXPECT_TRUE(summer.daylightInEffect);
    EXPECT_EQ(summer.DaylightBias, -60);
    EXPECT_EQ(summer.DaylightDate.dayOfWeek, 0);
    EXPECT_EQ(summer.DaylightDate.week, 5);
    const PcTimeZoneInfo winter = timeZoneInfo(amsterdam, QDateTime(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC));
    EXPECT_FALSE(winter.daylightInEffect);
    EXPECT_FALSE(timeZoneInfo(QTimeZone("Asia/Tokyo"), QDateTime::currentDateTimeUtc()).hasDaylightTime);
}

TEST(ClockSync, FollowsTheTzVariable)
{
    const QByteArray saved = qgetenv("TZ");
    for (const auto& [zone, bias] : {std::pair {"America/New_York", 300}, std::pair {"Australia/Sydney", -600}}) {
        qputenv("TZ", zone);
        tzset();
        EXPECT_EQ(pcTimeZone().Bias, bias) << zone;
    }
    qputenv("TZ", saved);
    tzset();
}

TEST(ClockSync, SetClockBytes)
{
    // Saturday 2014-04-19 13:05:09 in summer time.
    const Report report = setClockCommand(QDateTime(QDate(2014, 4, 19), QTime(13, 5, 9)), true);
    const Report expected = makeCommand(0x54, {14, 4, 19, 13, 5, 9, 7, 1});
    EXPECT_EQ(report, expected);
    EXPECT_EQ(report[1], 0x54);
    // Sunday is day 1, and standard time sends 0.
    const Report sunday = setClockCommand(QDateTime(QDate(2026, 12, 13), QTime(0, 0, 0)), false);
    EXPECT_EQ(sunday[8], 1);
    EXPECT_EQ(sunday[9], 0);
    EXPECT_EQ(sunday[2], 26);
}

} // namespace
