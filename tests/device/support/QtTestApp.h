#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// A Qt application for tests that need an event loop.
inline void ensureQtApp()
{
    static int argc = 1;
    static char name[] = "device_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

// Runs the event loop until `done` holds or `ms` pass; returns `done()`.
inline bool processEventsUntil(const std::function<bool()>& done, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
