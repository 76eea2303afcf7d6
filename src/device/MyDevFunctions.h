#pragma once

#include "DeviceReport.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>

// The device link: the one access to the Zolvo.
//
// Every thread builds its requests in buffers of its own (`Command` and
// `Data` are per thread), and every report goes out whole: SendtoDev and
// ReadFromDev take the device lock. A request that expects an answer holds
// a DeviceExchange around both, so no other thread's report can come
// between a request and its answer.

extern thread_local Report Command;
extern thread_local Report Data;

extern std::atomic<bool> ZolvoConnected;
extern std::atomic<bool> reprog;

// Identity values, set by the program before the link starts.
extern QString sDevicename; // "Zolvo"
extern QString firmwareversion; // version of the built-in image, "2.8"
extern QString softwareversion; // "3.1"
extern int ProdID; // 0x0802
extern QString vn; // version of the device last found

inline constexpr std::uint16_t zolvoVendorId = 0xFEFF;
inline constexpr std::uint16_t outdatedProductId = 0x0801;
// How long ReadFromDev waits for an answer.
inline constexpr int readTimeoutMs = 2000;

// Writes one report when connected; failures are not reported.
void SendtoDev(const Report& command);
// Reads one answer into `data` when connected; on failure or timeout `data`
// keeps what it held.
void ReadFromDev(Report& data);
// SendtoDev and ReadFromDev under one device lock, for a request with answer;
// stale input is dropped first. Returns false when nothing was read.
bool requestFromDev(const Report& command, Report& data);

// Holds the device for a sequence that must not be split.
class DeviceExchange {
public:
    DeviceExchange();

private:
    std::unique_lock<std::recursive_mutex> _lock;
};

// "2.8" for 0x0208, "2.16" for 0x0210.
QString releaseText(std::uint16_t releaseNumber);

// The device the link holds: the presence check hands it over; tests may
// attach a device of their own.
void holdDevice(std::unique_ptr<HidDevice> device);
void releaseDevice();
bool deviceHeld();
// The USB product string of the held device ("" when none).
QString heldProductString();
void setHeldProductString(const QString& product);
