// A small program around the instance control, for tests that start real
// processes: prints "admitted" or "refused" once the check is done, then
// "activated" whenever a later copy asks it to come to the front. Reads
// commands from standard input: "release" (prints "released"), "hang MS"
// (prints "hanging", stops answering for MS milliseconds, then ends), "quit"; end of input quits.
#include "InstanceControl.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>

#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    TadpInstanceControl control;
    if (!control.Loaded(QCoreApplication::applicationFilePath())) {
        say("refused");
        return 0;
    }
    say("admitted");
    QObject::connect(&control, &TadpInstanceControl::activationRequested, [] { say("activated"); });

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0)
            return QCoreApplication::quit();
        pending.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string command = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (command == "release") {
                control.release();
                say("released");
            } else if (command.rfind("hang ", 0) == 0) {
                say("hanging");
                QThread::msleep(std::stoul(command.substr(5)));
                return QCoreApplication::quit();
            } else if (command == "quit") {
                return QCoreApplication::quit();
            }
        }
    });
    return QCoreApplication::exec();
}
