#include "ServeVerb.h"

#include "FolderLock.h"
#include "HidCtrl.h"
#include "HttpHost.h"
#include "LoadSave.h"
#include "WebModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::uint16_t defaultPort = 8080;

// The service answers for itself; nothing goes to the terminal.
class QuietLinkUi final : public DeviceLinkUi {
public:
    void showMessage(const QString&, const QString&) override { }
    void showNotConnected() override { }
};

int signalPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop. The handler only writes to a pipe;
// the loop reads it and quits.
class StopSignals {
public:
    StopSignals()
    {
        if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        _notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        QObject::connect(_notifier.get(), &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
        struct sigaction action { };
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &_oldInt);
        ::sigaction(SIGTERM, &action, &_oldTerm);
    }

    ~StopSignals()
    {
        if (!_notifier)
            return;
        ::sigaction(SIGINT, &_oldInt, nullptr);
        ::sigaction(SIGTERM, &_oldTerm, nullptr);
        _notifier.reset();
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }

    bool ok() const { return _notifier != nullptr; }

private:
    std::unique_ptr<QSocketNotifier> _notifier;
    struct sigaction _oldInt { };
    struct sigaction _oldTerm { };
};

bool parsePort(const QString& text, std::uint16_t& port)
{
    if (text.isEmpty()) {
        port = defaultPort;
        return true;
    }
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value > 65535) {
        std::fprintf(stderr, "zolvoctl: the port must be 0..65535, not \"%s\"\n", qPrintable(text));
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

int serveVerb(const QString& dir, const QString& portText)
{
    std::uint16_t port = defaultPort;
    if (!parsePort(portText, port))
        return 2;
    if (!QDir(dir).exists()) {
        std::fprintf(stderr, "zolvoctl: the folder \"%s\" does not exist\n", qPrintable(dir));
        return 1;
    }
    FolderLock lock;
    QString problem;
    if (!lock.acquire(dir, problem)) {
        std::fprintf(stderr, "zolvoctl: %s\n", qPrintable(problem));
        return 1;
    }
    StopSignals stopSignals;
    if (!stopSignals.ok()) {
        std::fprintf(stderr, "zolvoctl: cannot watch for SIGINT and SIGTERM\n");
        return 1;
    }

    TLoadSave::setDataFolder(dir);
    TLoadSave::instance();
    const std::unique_ptr<HidTransport> transport = createHidTransport();
    QuietLinkUi ui;
    recreatehidctrl(*transport, ui);
    QCoreApplication::processEvents(); // the first presence check, before the first request

    setServiceProgramName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString());
    THttpHost host(HttpHostSettings {.port = port});
    if (const auto error = host.start()) {
        std::fprintf(stderr, "zolvoctl: %s\n", error->c_str());
        destroyhidctrl();
        return 1;
    }
    std::printf("serving on port %u\n", static_cast<unsigned>(host.port()));
    std::fflush(stdout);

    QCoreApplication::exec();

    host.stop();
    destroyhidctrl();
    TLoadSave::destroyInstance();
    return 0;
}
