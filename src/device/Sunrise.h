#pragma once

#include "DeviceReport.h"
#include "Environment.h"

#include <QTime>

#include <array>
#include <cstdint>

// What the sun table is computed from: degrees north and east (negative for
// south and west) and hours east of Greenwich in standard time.
struct SunLocation {
    double latitude = 0;
    double longitude = 0;
    double gmtOffset = 0;
};

// The sunrise and sunset table the Zolvo runs its sun-relative timer actions
// from: for every month the local standard time of the event on day 1 and
// day 16 with the daily step towards the next point. Bytes 0..71 hold the
// sunrise half, bytes 72..143 the sunset half, 6 bytes per month.
class tsunrise {
public:
    static constexpr int sunRise = 1;
    static constexpr int sunSet = -1;

    // Local standard time (whole minutes) of sunrise (`RS` 1) or sunset
    // (`RS` -1) on the given date; `GMToffset` in hours east of Greenwich.
    // Days without the event give the clamped time of the sun's turn.
    static QTime GetSunRiseSet(double latitude, double longitude, double GMToffset, int RS, int Y, int M, int D);
    // `x` reduced to [0, 2π).
    static double GetRange(double x);
    // `DecTime` hours UT shifted by `GMToffset`, to the nearest minute and
    // wrapped into one day.
    static QTime GetMilTime(double DecTime, double GMToffset);

    // Fill one half of SunTable for the current year of Clock, or for `year`.
    void CreateSunRiseTable(double lat, double lon, double gmt);
    void CreateSunSetTable(double lat, double lon, double gmt);
    void CreateSunRiseTable(double lat, double lon, double gmt, int year);
    void CreateSunSetTable(double lat, double lon, double gmt, int year);

    // Writes SunTable into the device (nothing goes out when not connected).
    void SendTable() const;
    // Reads the device's table into `into`; bytes whose answer does not come
    // keep their value.
    static void ReadTable(std::array<std::uint8_t, sunTableSize>& into);
    // Whether the device holds the table computed for the stored location
    // (or for `location`, from a store of the caller's own) this year.
    bool CheckTable();
    bool CheckTable(const SunLocation& location);

    std::array<std::uint8_t, sunTableSize> SunTable {};

private:
    void createHalf(int RS, std::size_t start, double lat, double lon, double gmt, int year);
};

SunLocation sunLocation(const Locat& location, double gmtOffset);
// The stored location of the configuration store with the PC's time zone.
SunLocation storedSunLocation();
