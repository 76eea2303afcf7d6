// Start-up of the desktop program against a minimal Qt Widgets window of the
// same size: the time from main() to the first painted frame and the peak
// memory, each start in a process of its own, offscreen, with a stand-in
// Zolvo attached and a full configuration (16 rooms of 16 appliances with
// pictures, both catalogues, 300 timer actions). The minimal window shows
// one label, so both start the font system.
//
//   startup_bench [ROUNDS]              both kinds, alternating, medians
//   startup_bench --child KIND FOLDER   one start ("program" or "minimal")
//   startup_bench --write FOLDER        only writes the full configuration
#include "BaseForm.h"
#include "BuiltInPictures.h"
#include "FirmwareImage.h"
#include "ItemPictures.h"
#include "LoadSave.h"
#include "ProgAktieList.h"
#include "RuimteAppHandler.h"
#include "VirtualZolvo.h"
#include "VirtualZolvoServer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Stops the event loop once `window` has painted for the first time.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !_seen) {
            _seen = true;
            QTimer::singleShot(0, [] { QCoreApplication::quit(); }); // after the paint is done
        }
        return false;
    }

private:
    bool _seen = false;
};

// The peak resident size of this program image. Not getrusage's ru_maxrss:
// Linux carries that over exec, so a child would report its parent's peak.
long peakMemoryKb()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    std::fclose(status);
    return kb;
}

int runChild(const QString& kind, const QString& folder, int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kind == QLatin1String("minimal")) {
        window = std::make_unique<QWidget>();
        window->resize(800, 600);
        auto* label = new QLabel(QStringLiteral("Zolvo"), window.get());
        label->move(20, 20);
    } else {
        TLoadSave::setDataFolder(folder);
        MainFormSettings settings;
        settings.port = 0;
        settings.homeScreen = [](TMainForm& form) { return std::make_unique<TRuimteUIHandler>(form); };
        window = std::make_unique<TMainForm>(std::move(settings));
    }
    FirstPaint firstPaint(window.get());
    window->show();
    QApplication::exec();
    std::printf("%lld %ld\n", static_cast<long long>(sinceMain.nsecsElapsed() / 1000), peakMemoryKb());
    window.reset();
    return 0;
}

Picture patterned(int seed)
{
    Picture picture(130, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 130; ++x)
            picture.setPixel(x, y, rgb(x * 2 + seed, y * 3 + seed * 7, (x ^ y) + seed * 13));
    return picture;
}

// 16 rooms of 16 appliances, each with a name, a picture and a code, and
// 300 timer actions, saved in `folder`.
void writeFullConfiguration(const QString& folder)
{
    TLoadSave store(folder);
    for (int room = 0; room < 16; ++room) {
        store.Ruimtes[room].Omschrijving.assign("Room " + std::to_string(room + 1));
        giveRuimtePicture(store, room, patterned(room));
        for (int app = 0; app < 16; ++app) {
            Apparaat& a = store.Ruimtes[room].Apparaten[app];
            a.Omschrijving.assign("Appliance " + std::to_string(app + 1));
            a.Code = room * 16 + app;
            giveApparaatPicture(store, room, app, patterned(room * 16 + app));
        }
    }
    for (int i = 0; i < 300; ++i) {
        auto action = std::make_shared<ProgAktie>();
        action->Ruimte = i % 16;
        action->Apparaat = i / 16 % 16;
        action->Maand = 1 + i % 12;
        action->DagDatum = 1 + i % 28;
        action->Uur = i % 24;
        action->Minuut = i % 60;
        action->OnOffDim = 17;
        store.GlobalAktieListObject->addToMain(action);
    }
    fillEmptyCatalogues(store);
    store.SaveCfg();
}

struct Start {
    double ms = 0;
    double mb = 0;
};

Start startOnce(const QString& kind, const QString& folder, const QString& socket)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZOLVO_VIRTUAL_DEVICE"), socket);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind, folder});
    if (!child.waitForFinished(60000))
        return {};
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return {};
    return {fields[0].toDouble() / 1000.0, fields[1].toDouble() / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int runParent(int rounds, int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    writeFullConfiguration(folder.path());

    std::vector<std::uint8_t> flash = readbuf(builtInHexLines()).progbuf;
    flash.resize(flashSize);
    VirtualZolvo device(flash);
    const QString socket = folder.filePath(QStringLiteral("zolvo.sock"));
    VirtualZolvoServer server(device, socket.toStdString());
    std::string error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "startup_bench: %s\n", error.c_str());
        return 1;
    }

    std::vector<double> minimalMs, programMs, minimalMb, programMb;
    for (int round = 0; round < rounds; ++round) {
        const Start minimal = startOnce(QStringLiteral("minimal"), folder.path(), socket);
        const Start program = startOnce(QStringLiteral("program"), folder.path(), socket);
        minimalMs.push_back(minimal.ms);
        minimalMb.push_back(minimal.mb);
        programMs.push_back(program.ms);
        programMb.push_back(program.mb);
    }
    const double baseMs = median(minimalMs), ms = median(programMs);
    std::printf("%-34s %12s %14s\n", "start-up, offscreen (median)", "first frame", "peak memory");
    std::printf("%-34s %9.1f ms %11.1f MB\n", "minimal 800 x 600 window", baseMs, median(minimalMb));
    std::printf("%-34s %9.1f ms %11.1f MB\n", "zolvo, full configuration", ms, median(programMb));
    std::printf("%-34s %9.2f x\n", "ratio (target at most 2)", baseMs > 0 ? ms / baseMs : 0.0);
    std::printf("(%d rounds; target: under 80 MB peak)\n", rounds);
    server.stop();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--write") {
        QCoreApplication application(argc, argv);
        writeFullConfiguration(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "--child")
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), argc, argv);
    return runParent(argc > 1 ? std::max(1, std::atoi(argv[1])) : 7, argc, argv);
}
