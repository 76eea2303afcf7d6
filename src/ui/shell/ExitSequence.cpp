#include "ExitSequence.h"

#include "Communicatie.h"
#include "ErrorBox.h"
#include "Language.h"
#include "LoadSave.h"
#include "Melding.h"
#include "MyDevFunctions.h"
#include "StoreError.h"

#include <QApplication>
#include <QThread>

bool runExitSequence(QWidget* mainWindow)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TLoadSave& store = *TLoadSave::instance();
    try {
        store.SaveCfg();
    } catch (const StoreIoError& error) {
        QApplication::restoreOverrideCursor();
        showErrorBox(mainWindow, QString::fromStdString(error.what()));
        return false;
    }

    TCommunicatie communicatie(store);
    if (ZolvoConnected && !communicatie.ZolvoIsSameAsPc()) {
        const int answer = TfrmMeld::ask(mainWindow, gettext(txtWijzig1),
            gettext(txtWijzig2) + QStringLiteral(" '") + gettext(txtNaarZolvo) + QStringLiteral("'"),
            gettext(txtAfsluiten), gettext(txtNaarZolvo));
        if (answer == 2) {
            communicatie.SendScenes();
            communicatie.SendSun();
            communicatie.SendProg();
            QThread::msleep(exitPauseAfterSendMs);
        }
    }
    QApplication::quit();
    return true;
}
