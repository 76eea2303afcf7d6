#pragma once

#include "UpdateStarter.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class DesktopLinkUi;
class HidTransport;
class TImage;
class TPanel;
class THttpHost;
class TMainForm;

// The first and permanent screen, built on the main window's two hosts.
class THomeScreen {
public:
    virtual ~THomeScreen() = default;
};

struct MainFormSettings {
    // The web service's port; the program always uses 8080.
    std::uint16_t port = 8080;
    // The way to the Zolvo (hidraw, or the stand-in when ZOLVO_VIRTUAL_DEVICE is set).
    std::function<std::unique_ptr<HidTransport>()> transport;
    // Builds the rooms screen on MainPanel and ButtonPanel.
    std::function<std::unique_ptr<THomeScreen>(TMainForm&)> homeScreen;
};

// The main window: borderless, 800 x 600, its outline a rounded rectangle,
// with the host of the screens' contents (MainPanel) and the host of their
// button columns (ButtonPanel). Building it starts the program: the store,
// the rooms screen, the device link, the web service, in that order. A step
// that fails is reported in an error box; the steps after it are skipped
// and the program runs on with what was built.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(MainFormSettings settings);
    ~TMainForm() override;

    // The main window while it exists.
    static TMainForm* instance();

    TPanel* mainPanel() const { return MainPanel; }
    TPanel* buttonPanel() const { return ButtonPanel; }
    TImage* brandLogo() const { return imgBrandLogo; }
    THttpHost* server() const { return FServer.get(); }
    THomeScreen* homeScreen() const { return _homeScreen.get(); }

    // The key hook: every key pressed in the main window reaches it as its
    // virtual-key code (38 up, 40 down ...), when set.
    std::function<void(std::uint16_t)> _keyHandler;

    // What the start-up did, in order: "store", "screen", "identity",
    // "device link", "server".
    QStringList startupSteps() const { return _steps; }

    // Brings the window to the front, restoring it when minimised (a second
    // start from the same path asks for this).
    void bringToFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void runStep(const char* name, const std::function<void()>& step);
    void Timer1Timer();
    void startServer();

    MainFormSettings _settings;
    TImage* Image1 = nullptr;
    TImage* imgBrandLogo = nullptr;
    TPanel* MainPanel = nullptr;
    TPanel* ButtonPanel = nullptr;
    UpdateStarter Timer1;
    std::unique_ptr<HidTransport> _transport;
    std::unique_ptr<DesktopLinkUi> _linkUi;
    std::unique_ptr<THomeScreen> _homeScreen;
    std::unique_ptr<THttpHost> FServer;
    QStringList _steps;
    bool _stepFailed = false;
};

// The virtual-key code of a Qt key (0 when it has none).
std::uint16_t virtualKeyCode(int qtKey);
