#pragma once

#include "DeviceReport.h"
#include "PcTimeZone.h"

#include <QDateTime>

#include <array>
#include <cstdint>

// The device clock and its summer-time rules, kept in step with the PC.

using DstRules = std::array<std::uint8_t, 8>;

// End of summer time (month, day of week 1 = Sunday, first candidate day,
// hour), then its start. A zone without summer time has month 0 in both.
DstRules dstRulesFor(const PcTimeZoneInfo& zone, int year);

Report setClockCommand(const QDateTime& localTime, bool daylightInEffect);

// Sends SetClock with the PC's local time and summer-time state.
void SetClock();
// Reads the device's rules and writes the PC's when they differ.
void STDSTsync();
