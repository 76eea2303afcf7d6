#pragma once

#include <QDateTime>

#include <optional>

// The one place the configuration model reads the time, so that tests can
// set it.
class Clock {
public:
    static QDateTime currentDateTime();
    // Local date and time as days since 30 December 1899 with the time of
    // day as fraction: the time stamp of timer actions.
    static double now();
    static double toDays(const QDateTime& localTime);

    // Tests: a fixed time, or std::nullopt for the real clock again.
    static void setFixed(std::optional<QDateTime> fixed);
};
