#include "DeviceVerbs.h"

#include "Communicatie.h"
#include "HidCtrl.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "Switching.h"
#include "UpdateFlash.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cstdio>
#include <memory>

namespace {

// Keeps the link's questions off the screen: zolvoctl reports for itself.
class ConsoleLinkUi final : public DeviceLinkUi {
public:
    void showNotConnected() override {}
    void startUpdateTimer() override { outdated = true; }
    void deviceReturnedCurrent() override { returned = true; }
    bool outdated = false;
    bool returned = false;
};

enum class Need { Current, Outdated };

// The device link of the configuration in `dir`, connected once.
class Session {
public:
    explicit Session(const QString& dir)
        : _transport(createHidTransport())
    {
        TLoadSave::setDataFolder(dir);
        _store = TLoadSave::instance();
        recreatehidctrl(*_transport, _ui);
        QCoreApplication::processEvents(); // the first presence check
    }
    ~Session() { destroyhidctrl(); }

    // Whether the device is there as needed; says why not.
    bool ready(Need need) const
    {
        if (!deviceHeld()) {
            std::fprintf(stderr, "zolvoctl: no Zolvo is connected\n");
            return false;
        }
        if (need == Need::Current && _ui.outdated) {
            std::fprintf(stderr, "zolvoctl: the Zolvo runs firmware %s; update it first with \"zolvoctl update-firmware\"\n",
                         qPrintable(vn));
            return false;
        }
        if (need == Need::Outdated && !_ui.outdated) {
            std::fprintf(stderr, "zolvoctl: the Zolvo already runs firmware %s\n", qPrintable(vn));
            return false;
        }
        return true;
    }

    TLoadSave& store() { return *_store; }
    ConsoleLinkUi& ui() { return _ui; }

private:
    std::unique_ptr<HidTransport> _transport;
    ConsoleLinkUi _ui;
    TLoadSave* _store = nullptr;
};

bool parseIndex(const QString& text, int low, int high, const char* what, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    if (ok && value >= low && value <= high)
        return true;
    std::fprintf(stderr, "zolvoctl: %s must be %d..%d, not \"%s\"\n", what, low, high, qPrintable(text));
    return false;
}

// Progress of the firmware update on the terminal.
class ConsoleUpdateView final : public UpdateView {
public:
    void setCaption(const QString& text) override { std::printf("%s\n", qPrintable(text)); }
    void setLabel1(const QString& text) override { line(text); }
    void setLabel2(const QString& text) override { line(text); }
    void showGauge(bool) override {}
    void setGaugeMax(int maximum) override { _maximum = maximum; }
    void setGaugeProgress(int progress) override
    {
        if (_maximum > 0)
            std::printf("\r%3d%%", progress * 100 / _maximum);
        std::fflush(stdout);
    }
    void enableQuit(bool) override {}
    void errorBox(const QString& text) override
    {
        failed = true;
        std::fprintf(stderr, "\nzolvoctl: %s\n", qPrintable(text));
    }
    void repaint() override {}
    bool failed = false;

private:
    void line(const QString& text)
    {
        if (!text.isEmpty())
            std::printf("\n%s", qPrintable(text));
        std::fflush(stdout);
    }
    int _maximum = 0;
};

} // namespace

int sendVerb(const QString& dir)
{
    Session session(dir);
    if (!session.ready(Need::Current))
        return 1;
    TCommunicatie communicatie(session.store());
    communicatie.SendScenes();
    communicatie.SendSun();
    communicatie.SendProg();
    return 0;
}

int compareVerb(const QString& dir)
{
    Session session(dir);
    if (!session.ready(Need::Current))
        return 2;
    const bool same = TCommunicatie(session.store()).ZolvoIsSameAsPc();
    std::printf("%s\n", same ? "same" : "different");
    return same ? 0 : 1;
}

int switchVerb(const QString& dir, const QStringList& args)
{
    int ruimte = 0, apparaat = 0, level = 0;
    const bool dim = args.size() == 4 && args[2] == QLatin1String("dim");
    const bool onOff = args.size() == 3 && (args[2] == QLatin1String("on") || args[2] == QLatin1String("off"));
    if (!dim && !onOff) {
        std::fprintf(stderr, "usage: zolvoctl switch ROOM APPLIANCE on|off|dim N [--dir DIR]\n");
        return 2;
    }
    if (!parseIndex(args[0], 0, 15, "ROOM", ruimte) || !parseIndex(args[1], 0, 15, "APPLIANCE", apparaat) ||
        (dim && !parseIndex(args[3], 1, 16, "the dim level", level)))
        return 2;
    Session session(dir);
    if (!session.ready(Need::Current))
        return 1;
    const Apparaat& a = session.store().Ruimtes[ruimte].Apparaten[apparaat];
    if (a.Code == -1) {
        std::fprintf(stderr, "zolvoctl: room %d appliance %d has no code\n", ruimte, apparaat);
        return 1;
    }
    const std::uint8_t value = dim ? SwitchValue::dim(level)
                                   : (args[2] == QLatin1String("on") ? SwitchValue::on(a.OudModel)
                                                                     : SwitchValue::off(a.OudModel));
    SwitchAppliance(a.Code, value);
    return 0;
}

int sceneVerb(const QString& dir, const QStringList& args)
{
    int scene = 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: zolvoctl scene N [--dir DIR]\n");
        return 2;
    }
    if (!parseIndex(args[0], 0, 15, "the scene", scene))
        return 2;
    Session session(dir);
    if (!session.ready(Need::Current))
        return 1;
    // As the scenes overview does: the device gets the current scenes first.
    TCommunicatie communicatie(session.store());
    communicatie.SendScenes();
    communicatie.executeScenes(scene);
    return 0;
}

int updateFirmwareVerb(const QString& dir)
{
    Session session(dir);
    if (!session.ready(Need::Outdated))
        return 1;
    ConsoleUpdateView view;
    TUpdateFlash update(view);
    update.updatefirmware();
    if (view.failed)
        return 1;
    // The device restarts and comes back with the new firmware.
    QDeadlineTimer deadline(30000);
    while (!session.ui().returned && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    update.quitClick();
    if (!session.ui().returned) {
        std::fprintf(stderr, "\nzolvoctl: the Zolvo did not come back with firmware %s\n", qPrintable(firmwareversion));
        return 1;
    }
    std::printf("\n%s\n", qPrintable(sDevicename + " " + firmwareversion));
    return 0;
}
