#pragma once

#include <QTimer>

#include <functional>

// The 500 ms timer that starts the firmware update once an outdated Zolvo
// was found. On a tick with a device held and no update running it stops,
// marks the update as running and calls `runUpdate` (which shows the
// update dialog, or the console's progress). While an update runs, ticks do
// nothing.
class UpdateStarter {
public:
    static constexpr int intervalMs = 500;

    explicit UpdateStarter(std::function<void()> runUpdate);

    void arm();
    bool armed() const { return Timer1.isActive(); }

private:
    void Timer1Timer();

    QTimer Timer1;
    std::function<void()> _runUpdate;
};
