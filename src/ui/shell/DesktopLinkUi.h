#pragma once

#include "HidCtrl.h"

#include <functional>

class QWidget;

// The device link's questions answered by the desktop: messages in the
// message dialog, the update timer of the main window, the update dialog.
class DesktopLinkUi final : public DeviceLinkUi {
public:
    // `mainWindow` centres the dialogs; `armUpdateTimer` arms the main window's Timer1.
    DesktopLinkUi(QWidget* mainWindow, std::function<void()> armUpdateTimer);

    bool messageDialogOpen() override;
    // Shown at once on the GUI thread; from another thread (a web-service
    // call) it is queued to the GUI thread and the caller goes on.
    void showMessage(const QString& title, const QString& text) override;
    void startUpdateTimer() override;
    void deviceReturnedCurrent() override;
    // After the main window's first frame, when it is being shown.
    void scheduleFirstCheck(QObject* context, std::function<void()> check) override;

private:
    QWidget* _mainWindow;
    std::function<void()> _armUpdateTimer;
};
