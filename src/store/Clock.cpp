#include "Clock.h"

#include <mutex>

namespace {
std::mutex fixedMutex;
std::optional<QDateTime> fixedTime;
} // namespace

QDateTime Clock::currentDateTime()
{
    std::lock_guard lock(fixedMutex);
    return fixedTime ? *fixedTime : QDateTime::currentDateTime();
}

double Clock::now()
{
    return toDays(currentDateTime());
}

double Clock::toDays(const QDateTime& localTime)
{
    static const QDate epoch(1899, 12, 30);
    const QDateTime local = localTime.toLocalTime();
    return static_cast<double>(epoch.daysTo(local.date())) + local.time().msecsSinceStartOfDay() / 86400000.0;
}

void Clock::setFixed(std::optional<QDateTime> fixed)
{
    std::lock_guard lock(fixedMutex);
    fixedTime = std::move(fixed);
}
