#include "Sunrise.h"

#include "TableTransfer.h"

#include "Clock.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "PcTimeZone.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
constexpr double twoPi = 2 * std::numbers::pi;
// Altitude of the sun's upper limb at rise and set, refraction included
// (-0.833 degrees).
constexpr double riseSetAltitude = -0.014538592669112765;
constexpr int minutesPerDay = 24 * 60;

constexpr std::size_t halfSize = sunTableSize / 2;
constexpr std::size_t recordSize = 6;
constexpr std::uint8_t movesEarlier = 0x80;

// Days from the epoch J2000.0 to 0h UT of the date. The integer divisions
// truncate on purpose: the tables must match those computed before, byte
// for byte.
double ephem2000Day(int Y, int M, int D)
{
    return 367.0 * Y - 7 * (Y + (M + 9) / 12) / 4 + 275 * M / 9 + D - 730531.5;
}

// The step byte: whole minutes in bits 6..7, remaining seconds in bits 0..5.
std::uint8_t encodeStep(int seconds)
{
    return static_cast<std::uint8_t>(((seconds / 60) * 64 + seconds % 60) & 0xFF);
}

// Seconds per day between two events `days` days apart, halves to even.
int dailyStep(QTime from, QTime to, int days)
{
    const int difference = std::abs(from.secsTo(to));
    return static_cast<int>(std::nearbyint(static_cast<double>(difference) / days));
}

// The hour with bit 7 set when the time moves earlier towards the next point.
std::uint8_t hourByte(QTime at, QTime next)
{
    return static_cast<std::uint8_t>(at.hour() + (at > next ? movesEarlier : 0));
}

} // namespace

double tsunrise::GetRange(double x)
{
    const double v = x / twoPi;
    const double sign = v < 0 ? -1.0 : (v > 0 ? 1.0 : 0.0);
    const double r = (v - sign * std::floor(std::fabs(v))) * twoPi;
    return r < 0 ? r + twoPi : r;
}

QTime tsunrise::GetMilTime(double DecTime, double GMToffset)
{
    double minutes = std::nearbyint((DecTime + GMToffset) * 60);
    // Wrap by whole days; a result that is no number at all reads as midnight.
    minutes = std::isfinite(minutes) ? std::fmod(minutes, minutesPerDay) : 0;
    if (minutes < 0)
        minutes += minutesPerDay;
    const int m = std::clamp(static_cast<int>(minutes), 0, minutesPerDay - 1);
    return QTime(m / 60, m % 60);
}

QTime tsunrise::GetSunRiseSet(double latitude, double longitude, double GMToffset, int RS, int Y, int M, int D)
{
    const double day = ephem2000Day(Y, M, D);
    const double sinalt = std::sin(riseSetAltitude);
    const double sinphi = std::sin(latitude * pi / 180);
    const double cosphi = std::cos(latitude * pi / 180);
    const double lon = longitude * pi / 180;

    double utold = pi;
    double utnew = 0;
    int count = 0;
    while (std::fabs(utold - utnew) > 0.001 && count < 35) {
        ++count;
        utold = utnew;
        const double t = (day + utold / twoPi) / 36525;
        const double L = GetRange(4.8949504201433 + 628.331969753199 * t);
        const double G = GetRange(6.2400408 + 628.3019501 * t);
        const double ec = 0.033423 * std::sin(G) + 0.00034907 * std::sin(2 * G);
        const double lambda = L + ec;
        const double E = -ec + 0.0430398 * std::sin(2 * lambda) - 0.00092502 * std::sin(4 * lambda);
        const double obl = 0.409093 - 0.0002269 * t;
        const double delta = std::asin(std::sin(obl) * std::sin(lambda));
        const double GHA = utold - pi + E;
        const double cosc = (sinalt - sinphi * std::sin(delta)) / (cosphi * std::cos(delta));
        double correction = 0; // the sun stays down: clamp to its highest point
        if (cosc < -1)
            correction = pi; // the sun stays up
        else if (cosc <= 1)
            correction = std::acos(cosc);
        utnew = GetRange(utold - (GHA + lon + RS * correction));
    }
    return GetMilTime(utnew * (180 / pi) / 15, GMToffset);
}

void tsunrise::createHalf(int RS, std::size_t start, double lat, double lon, double gmt, int year)
{
    for (int month = 1; month <= 12; ++month) {
        const int nextYear = month == 12 ? year + 1 : year;
        const int nextMonth = month == 12 ? 1 : month + 1;
        const QTime first = GetSunRiseSet(lat, lon, gmt, RS, year, month, 1);
        const QTime middle = GetSunRiseSet(lat, lon, gmt, RS, year, month, 16);
        const QTime next = GetSunRiseSet(lat, lon, gmt, RS, nextYear, nextMonth, 1);
        // Each step is the total change divided by the days plus one.
        const int daysToNextMonth = QDate(year, month, 1).daysInMonth() - 15 + 1;

        const std::size_t at = start + recordSize * static_cast<std::size_t>(month - 1);
        SunTable[at] = hourByte(first, middle);
        SunTable[at + 1] = static_cast<std::uint8_t>(first.minute());
        SunTable[at + 2] = encodeStep(dailyStep(first, middle, 16));
        SunTable[at + 3] = hourByte(middle, next);
        SunTable[at + 4] = static_cast<std::uint8_t>(middle.minute());
        SunTable[at + 5] = encodeStep(dailyStep(middle, next, daysToNextMonth));
    }
}

void tsunrise::CreateSunRiseTable(double lat, double lon, double gmt, int year)
{
    createHalf(sunRise, 0, lat, lon, gmt, year);
}

void tsunrise::CreateSunSetTable(double lat, double lon, double gmt, int year)
{
    createHalf(sunSet, halfSize, lat, lon, gmt, year);
}

void tsunrise::CreateSunRiseTable(double lat, double lon, double gmt)
{
    CreateSunRiseTable(lat, lon, gmt, Clock::currentDateTime().date().year());
}

void tsunrise::CreateSunSetTable(double lat, double lon, double gmt)
{
    CreateSunSetTable(lat, lon, gmt, Clock::currentDateTime().date().year());
}

void tsunrise::SendTable() const
{
    uploadTable(Cmd::WriteSunTable, SunTable.data(), SunTable.size());
}

void tsunrise::ReadTable(std::array<std::uint8_t, sunTableSize>& into)
{
    readTable(Cmd::ReadSunTable, into.data(), into.size());
}

bool tsunrise::CheckTable()
{
    return CheckTable(storedSunLocation());
}

bool tsunrise::CheckTable(const SunLocation& location)
{
    CreateSunRiseTable(location.latitude, location.longitude, location.gmtOffset);
    CreateSunSetTable(location.latitude, location.longitude, location.gmtOffset);
    std::array<std::uint8_t, sunTableSize> device {};
    ReadTable(device);
    return device == SunTable;
}

SunLocation sunLocation(const Locat& location, double gmtOffset)
{
    SunLocation result;
    result.latitude = location.latG + location.latM / 60.0;
    if (location.latNS == 1)
        result.latitude = -result.latitude;
    result.longitude = location.longG + location.longM / 60.0;
    if (location.longEW == 1)
        result.longitude = -result.longitude;
    result.gmtOffset = gmtOffset;
    return result;
}

SunLocation storedSunLocation()
{
    return sunLocation(TLoadSave::instance()->Environment.Locatie, gmtOffsetHours(pcTimeZone()));
}
