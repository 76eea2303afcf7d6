#include "DesktopLinkUi.h"

#include "Language.h"
#include "Melding.h"
#include "UpdateDialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>

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
