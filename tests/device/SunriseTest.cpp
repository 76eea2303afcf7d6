// The sunrise and sunset table: the computation, its byte records and its
// transfer to and from the device.
#include "Sunrise.h"
#include "Clock.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "TestFolder.h"
#include "support/FakeHidDevice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// 52°1' N, 4°20' E, one hour east of Greenwich.
constexpr double delftLatitude = 52 + 1 / 60.0;
constexpr double delftLongitude = 4 + 20 / 60.0;
constexpr double delftGmt = 1.0;

using SunTableBytes = std::array<std::uint8_t, sunTableSize>;

QString hhmm(QTime time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

SunTableBytes delftTable2014()
{
    tsunrise sun;
    sun.CreateSunRiseTable(delftLatitude, delftLongitude, delftGmt, 2014);
    sun.CreateSunSetTable(delftLatitude, delftLongitude, delftGmt, 2014);
    return sun.SunTable;
}

TEST(SunMath, GetRangeReducesIntoOneTurn)
{
    const struct {
        double x;
        double expected;
    } cases[] = {
        {-pi / 2, 3 * pi / 2},
        {5 * pi, pi},
        {0, 0},
        {2 * pi, 0},
        {-7 * pi / 2, pi / 2},
        {100.0, 100.0 - 15 * 2 * pi},
    };
    for (const auto& c : cases) {
        const double r = tsunrise::GetRange(c.x);
        EXPECT_NEAR(r, c.expected, 1e-12) << "x = " << c.x;
        EXPECT_GE(r, 0) << "x = " << c.x;
        EXPECT_LT(r, 2 * pi) << "x = " << c.x;
    }
}

TEST(SunMath, GetMilTimeShiftsRoundsAndWraps)
{
    const struct {
        double decTime;
        double gmtOffset;
        const char* expected;
    } cases[] = {
        {23.5, 1.0, "00:30"},
        {-0.25, 0, "23:45"},
        {12.0, -5.0, "07:00"},
        // 7.5 and 22.5 minutes: halves go to the even minute.
        {0.125, 0, "00:08"},
        {0.375, 0, "00:22"},
        {23.99, 0, "23:59"},
        {23.999, 0, "00:00"},
    };
    for (const auto& c : cases) {
        const QTime t = tsunrise::GetMilTime(c.decTime, c.gmtOffset);
        EXPECT_EQ(hhmm(t), c.expected) << c.decTime << " h with offset " << c.gmtOffset;
        EXPECT_EQ(t.second(), 0);
    }
}

TEST(SunMath, GetMilTimeOfNoNumberIsStillATime)
{
    EXPECT_TRUE(tsunrise::GetMilTime(std::nan(""), 0).isValid());
    EXPECT_TRUE(tsunrise::GetMilTime(1e300, 0).isValid());
}

TEST(SunMath, RiseAndSetOfKnownPlacesAndDays)
{
    const struct {
        double latitude;
        double longitude;
        double gmt;
        int RS;
        int month;
        int day;
        const char* expected;
    } cases[] = {
        {0, 0, 0, tsunrise::sunRise, 3, 21, "06:04"},
        {0, 0, 0, tsunrise::sunSet, 3, 21, "18:10"},
        {delftLatitude, delftLongitude, delftGmt, tsunrise::sunRise, 6, 21, "04:22"},
        {delftLatitude, delftLongitude, delftGmt, tsunrise::sunSet, 6, 21, "21:07"},
        {delftLatitude, delftLongitude, delftGmt, tsunrise::sunRise, 1, 1, "08:51"},
        {delftLatitude, delftLongitude, delftGmt, tsunrise::sunRise, 1, 16, "08:43"},
        {delftLatitude, delftLongitude, delftGmt, tsunrise::sunRise, 2, 1, "08:23"},
    };
    for (const auto& c : cases) {
        const QTime t = tsunrise::GetSunRiseSet(c.latitude, c.longitude, c.gmt, c.RS, 2014, c.month, c.day);
        EXPECT_EQ(hhmm(t), c.expected) << "lat " << c.latitude << " RS " << c.RS << " 2014-" << c.month << "-" << c.day;
    }
}

TEST(SunMath, PolarDaysStillGiveATime)
{
    for (const double latitude : {78.0, -78.0, 90.0, -90.0}) {
        for (const int month : {6, 12}) {
            for (const int RS : {tsunrise::sunRise, tsunrise::sunSet}) {
                const QTime t = tsunrise::GetSunRiseSet(latitude, 15.0, 1.0, RS, 2014, month, 21);
                EXPECT_TRUE(t.isValid()) << "lat " << latitude << " month " << month << " RS " << RS;
            }
        }
    }
    tsunrise polar;
    polar.CreateSunRiseTable(78.0, 15.0, 1.0, 2014);
    polar.CreateSunSetTable(78.0, 15.0, 1.0, 2014);
    for (std::size_t month = 0; month < 24; ++month) {
        EXPECT_LT(polar.SunTable[6 * month] & 0x7F, 24) << "record " << month;
        EXPECT_LT(polar.SunTable[6 * month + 1], 60) << "record " << month;
    }
}

TEST(SunTableBuild, RecordsOfBothHalves)
{
    const SunTableBytes table = delftTable2014();
    const struct {
        const char* what;
        std::size_t offset;
        std::array<std::uint8_t, 6> expected;
    } cases[] = {
        {"January sunrise", 0, {0x88, 0x33, 0x1E, 0x88, 0x2B, 0x4B}},
        {"June sunset", 72 + 6 * 5, {0x14, 0x35, 0x2D, 0x15, 0x05, 0x04}},
    };
    for (const auto& c : cases) {
        const std::array<std::uint8_t, 6> record {table[c.offset], table[c.offset + 1], table[c.offset + 2],
            table[c.offset + 3], table[c.offset + 4], table[c.offset + 5]};
        EXPECT_EQ(record, c.expected) << c.what;
    }
}

TEST(SunTableBuild, EachHalfFillsOnlyItsOwnBytes)
{
    tsunrise rise;
    rise.CreateSunRiseTable(delftLatitude, delftLongitude, delftGmt, 2014);
    tsunrise set;
    set.CreateSunSetTable(delftLatitude, delftLongitude, delftGmt, 2014);
    const SunTableBytes both = delftTable2014();
    for (std::size_t i = 0; i < sunTableSize; ++i) {
        const bool sunriseHalf = i < sunTableSize / 2;
        EXPECT_EQ(rise.SunTable[i], sunriseHalf ? both[i] : 0) << "byte " << i;
        EXPECT_EQ(set.SunTable[i], sunriseHalf ? 0 : both[i]) << "byte " << i;
    }
}

TEST(SunTableBuild, RecomputingGivesTheSameBytesAndTheYearComesFromTheClock)
{
    Clock::setFixed(QDateTime(QDate(2014, 8, 3), QTime(10, 0)));
    tsunrise again;
    again.CreateSunRiseTable(delftLatitude, delftLongitude, delftGmt);
    again.CreateSunSetTable(delftLatitude, delftLongitude, delftGmt);
    Clock::setFixed(std::nullopt);
    EXPECT_EQ(again.SunTable, delftTable2014());

    tsunrise otherYear;
    otherYear.CreateSunRiseTable(delftLatitude, delftLongitude, delftGmt, 2015);
    otherYear.CreateSunSetTable(delftLatitude, delftLongitude, delftGmt, 2015);
    EXPECT_NE(otherYear.SunTable, delftTable2014());
}

TEST(SunTableInputs, DegreesAndMinutesWithHemisphere)
{
    const struct {
        std::uint8_t latG, latM, latNS, longG, longM, longEW;
        double latitude, longitude;
    } cases[] = {
        {52, 1, 0, 4, 20, 0, 52 + 1 / 60.0, 4 + 20 / 60.0},
        {33, 52, 1, 151, 12, 0, -(33 + 52 / 60.0), 151.2},
        {40, 42, 0, 74, 0, 1, 40.7, -74.0},
        {0, 30, 1, 0, 45, 1, -0.5, -0.75},
    };
    for (const auto& c : cases) {
        Locat place;
        place.latG = c.latG;
        place.latM = c.latM;
        place.latNS = c.latNS;
        place.longG = c.longG;
        place.longM = c.longM;
        place.longEW = c.longEW;
        const SunLocation location = sunLocation(place, -3.5);
        EXPECT_NEAR(location.latitude, c.latitude, 1e-12);
        EXPECT_NEAR(location.longitude, c.longitude, 1e-12);
        EXPECT_EQ(location.gmtOffset, -3.5);
    }
}

// The device link with a fake Zolvo attached and connected.
class SunTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        _wasConnected = ZolvoConnected.load();
        holdDevice(std::make_unique<FakeHidDevice>(traffic));
        ZolvoConnected = true;
    }

    void TearDown() override
    {
        releaseDevice();
        ZolvoConnected = _wasConnected;
    }

    // The device's answers to the three block reads of `table`.
    void answerWith(const SunTableBytes& table)
    {
        for (std::size_t offset = 0; offset < sunTableSize; offset += 64) {
            Report answer {};
            for (std::size_t i = 0; i < 64 && offset + i < sunTableSize; ++i)
                answer[1 + i] = table[offset + i];
            traffic->answer(answer);
        }
    }

    std::shared_ptr<FakeHidTraffic> traffic = std::make_shared<FakeHidTraffic>();

private:
    bool _wasConnected = false;
};

TEST_F(SunTransfer, SendTableWritesThreeChunks)
{
    tsunrise sun;
    for (std::size_t i = 0; i < sunTableSize; ++i)
        sun.SunTable[i] = static_cast<std::uint8_t>(i + 1);
    sun.SendTable();

    const struct {
        std::uint8_t offsetLow;
        std::uint8_t count;
    } chunks[] = {{0, 60}, {60, 60}, {120, 24}};
    const std::vector<Report> written = traffic->written();
    ASSERT_EQ(written.size(), 3u);
    for (std::size_t r = 0; r < 3; ++r) {
        Report expected {};
        expected[1] = 'E';
        expected[2] = chunks[r].offsetLow;
        expected[3] = 0;
        expected[4] = chunks[r].count;
        for (std::size_t i = 0; i < chunks[r].count; ++i)
            expected[5 + i] = static_cast<std::uint8_t>(chunks[r].offsetLow + i + 1);
        EXPECT_EQ(written[r], expected) << "report " << r;
    }
}

TEST_F(SunTransfer, ReadTableAsksThreeBlocksAndKeepsOnlyTableBytes)
{
    for (std::uint8_t block = 0; block < 3; ++block) {
        Report answer {};
        for (std::size_t i = 1; i < answer.size(); ++i)
            answer[i] = static_cast<std::uint8_t>(block * 64 + i);
        traffic->answer(answer);
    }
    SunTableBytes into {};
    tsunrise::ReadTable(into);

    const std::vector<Report> written = traffic->written();
    ASSERT_EQ(written.size(), 3u);
    const std::uint8_t offsets[] = {0, 64, 128};
    for (std::size_t r = 0; r < 3; ++r) {
        Report expected {};
        expected[1] = 'e';
        expected[2] = offsets[r];
        EXPECT_EQ(written[r], expected) << "request " << r;
    }
    for (std::size_t i = 0; i < sunTableSize; ++i)
        EXPECT_EQ(into[i], static_cast<std::uint8_t>(i + 1)) << "byte " << i;
}

TEST_F(SunTransfer, ReadTableKeepsBytesOfAMissingAnswer)
{
    // Two answers only: the third request times out.
    traffic->answer(Report {});
    Report second {};
    second.fill(0x22);
    second[0] = 0;
    traffic->answer(second);

    SunTableBytes into {};
    into.fill(0x33);
    tsunrise::ReadTable(into);
    EXPECT_EQ(traffic->written().size(), 3u);
    for (std::size_t i = 0; i < sunTableSize; ++i) {
        const std::uint8_t expected = i < 64 ? 0x00 : (i < 128 ? 0x22 : 0x33);
        EXPECT_EQ(into[i], expected) << "byte " << i;
    }
}

TEST_F(SunTransfer, NothingGoesOutWhenNotConnected)
{
    ZolvoConnected = false;
    answerWith(delftTable2014());
    tsunrise sun;
    sun.SunTable = delftTable2014();
    sun.SendTable();
    SunTableBytes into {};
    tsunrise::ReadTable(into);
    EXPECT_TRUE(traffic->written().empty());
    EXPECT_EQ(into, SunTableBytes {});
}

// CheckTable computes from the stored location and the PC's zone (here
// Europe/Amsterdam, one hour east) for the clock's year.
class SunCheck : public SunTransfer {
protected:
    void SetUp() override
    {
        SunTransfer::SetUp();
        _hadTz = qEnvironmentVariableIsSet("TZ");
        _savedTz = qgetenv("TZ");
        qputenv("TZ", "Europe/Amsterdam");
        tzset();
        Clock::setFixed(QDateTime(QDate(2014, 11, 5), QTime(9, 30)));
        TLoadSave::setDataFolder(_folder.path());
        Locat& place = TLoadSave::instance()->Environment.Locatie;
        place.latG = 52;
        place.latM = 1;
        place.latNS = 0;
        place.longG = 4;
        place.longM = 20;
        place.longEW = 0;
    }

    void TearDown() override
    {
        TLoadSave::destroyInstance();
        TLoadSave::setDataFolder(QString());
        Clock::setFixed(std::nullopt);
        if (_hadTz)
            qputenv("TZ", _savedTz);
        else
            qunsetenv("TZ");
        tzset();
        SunTransfer::TearDown();
    }

private:
    TestFolder _folder;
    bool _hadTz = false;
    QByteArray _savedTz;
};

TEST_F(SunCheck, StoredLocationWithThePcZone)
{
    const SunLocation location = storedSunLocation();
    EXPECT_NEAR(location.latitude, delftLatitude, 1e-12);
    EXPECT_NEAR(location.longitude, delftLongitude, 1e-12);
    EXPECT_EQ(location.gmtOffset, delftGmt);
}

TEST_F(SunCheck, TrueOnlyWhenEveryByteMatches)
{
    const SunTableBytes computed = delftTable2014();
    const std::size_t changed[] = {0, 63, 64, 71, 72, 127, 128, 143};

    answerWith(computed);
    EXPECT_TRUE(tsunrise().CheckTable());
    EXPECT_EQ(traffic->written().size(), 3u);

    for (const std::size_t at : changed) {
        SunTableBytes device = computed;
        device[at] ^= 0x01;
        answerWith(device);
        EXPECT_FALSE(tsunrise().CheckTable()) << "byte " << at << " differs";
    }
}

TEST_F(SunCheck, AGivenLocationInsteadOfTheStoredOne)
{
    const SunLocation sydney {-(33 + 52 / 60.0), 151.2, 10.0};
    tsunrise expected;
    expected.CreateSunRiseTable(sydney.latitude, sydney.longitude, sydney.gmtOffset, 2014);
    expected.CreateSunSetTable(sydney.latitude, sydney.longitude, sydney.gmtOffset, 2014);

    answerWith(expected.SunTable);
    EXPECT_TRUE(tsunrise().CheckTable(sydney));
    answerWith(expected.SunTable);
    EXPECT_FALSE(tsunrise().CheckTable()) << "the stored location is another";
}

TEST_F(SunCheck, FalseWithoutAnswers)
{
    EXPECT_FALSE(tsunrise().CheckTable());
}

TEST_F(SunCheck, TrueRightAfterSendingTheStoredTable)
{
    tsunrise sender;
    const SunLocation location = storedSunLocation();
    sender.CreateSunRiseTable(location.latitude, location.longitude, location.gmtOffset);
    sender.CreateSunSetTable(location.latitude, location.longitude, location.gmtOffset);
    sender.SendTable();

    // What the device now holds, taken from the reports it received.
    SunTableBytes device {};
    for (const Report& report : traffic->written()) {
        const std::size_t offset = report[2] | report[3] << 8;
        for (std::size_t i = 0; i < report[4] && offset + i < sunTableSize; ++i)
            device[offset + i] = report[5 + i];
    }
    answerWith(device);
    EXPECT_TRUE(tsunrise().CheckTable());
}

} // namespace
