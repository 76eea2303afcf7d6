#include "DesktopLinkUi.h"

#include "Language.h"
#include "Melding.h"
#include "UpdateDialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Holds the first presence check back until the window has painted its first
// frame: the check talks to the device, a report per USB frame on a real
// Zolvo, and the window should not wait for it. A window that is not being
// shown, or that gets no frame soon, does not hold it back.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QObject* context, QWidget* window, std::function<void()> check)
        : QObject(context)
        , _window(window)
        , _check(std::move(check))
    {
        if (window)
            window->installEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            // An exposed window has painted: Qt paints on exposure.
            if (_painted || !_window || !_window->isVisible() ||
                (_window->windowHandle() && _window->windowHandle()->isExposed()))
                return run();
            QTimer::singleShot(patienceMs, this, [this] { run(); });
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == _window && event->type() == QEvent::Paint && !_painted) {
            _painted = true;
            QTimer::singleShot(0, this, [this] { run(); }); // once the frame is out
        }
        return false;
    }

private:
    static constexpr int patienceMs = 250;

    void run()
    {
        if (!_check)
            return;
        if (_window)
            _window->removeEventFilter(this);
        // The check may end the controller and with it this object.
        const std::function<void()> check = std::move(_check);
        _check = nullptr;
        deleteLater();
        check();
    }

    QPointer<QWidget> _window;
    std::function<void()> _check;
    bool _painted = false;
};

} // namespace

DesktopLinkUi::DesktopLinkUi(QWidget* mainWindow, std::function<void()> armUpdateTimer)
    : _mainWindow(mainWindow)
    , _armUpdateTimer(std::move(armUpdateTimer))
{
}

bool DesktopLinkUi::messageDialogOpen()
{
    return TfrmMeld::isOpen();
}

void DesktopLinkUi::showMessage(const QString& title, const QString& text)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return DeviceLinkUi::showMessage(title, text);
    QPointer<QWidget> mainWindow = _mainWindow;
    const auto ask = [mainWindow, title, text] { TfrmMeld::ask(mainWindow, title, text, gettext(txtOK), QString()); };
    if (QThread::currentThread() == application->thread())
        ask();
    else
        QMetaObject::invokeMethod(application, ask, Qt::QueuedConnection);
}

void DesktopLinkUi::scheduleFirstCheck(QObject* context, std::function<void()> check)
{
    new AfterFirstFrame(context, _mainWindow, std::move(check));
}

void DesktopLinkUi::startUpdateTimer()
{
    if (_armUpdateTimer)
        _armUpdateTimer();
}

void DesktopLinkUi::deviceReturnedCurrent()
{
    if (TfrmUpdate* dialog = TfrmUpdate::openDialog(); dialog && dialog->isVisible())
        dialog->deviceReturned();
}
