#include "UpdateStarter.h"

#include "MyDevFunctions.h"

UpdateStarter::UpdateStarter(std::function<void()> runUpdate)
    : _runUpdate(std::move(runUpdate))
{
    Timer1.setInterval(intervalMs);
    QObject::connect(&Timer1, &QTimer::timeout, [this] { Timer1Timer(); });
}

void UpdateStarter::arm()
{
    if (!Timer1.isActive())
        Timer1.start();
}

void UpdateStarter::Timer1Timer()
{
    if (!deviceHeld() || reprog)
        return;
    Timer1.stop();
    reprog = true;
    ZolvoConnected = true;
    _runUpdate();
}
