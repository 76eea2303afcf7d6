// The desktop program: one copy per executable path, the main window, the
// message loop.
#include "BaseForm.h"
#include "ErrorBox.h"
#include "FolderLock.h"
#include "InstanceControl.h"
#include "LoadSave.h"
#include "RuimteAppHandler.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <cstdio>

namespace {
constexpr int folderLockPatienceMs = 3000;
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Zolvo "));

    TadpInstanceControl adpInstanceControl1;
    try {
        if (!adpInstanceControl1.Loaded(QCoreApplication::applicationFilePath())) {
            std::fprintf(stderr, "zolvo: already running from this folder; brought it to the front\n");
            return 0;
        }
    } catch (const EInstanceControl& error) {
        showErrorBox(nullptr, QString::fromUtf8(error.what()));
        return 1;
    }

    // zolvoctl serve may be working on the same data files; a copy that is
    // restarting this one lets go of them a moment after it let us in.
    FolderLock folderLock;
    QString problem;
    QDeadlineTimer patience(folderLockPatienceMs);
    while (!folderLock.acquire(TLoadSave::dataFolder(), problem)) {
        if (patience.hasExpired()) {
            showErrorBox(nullptr, problem);
            return 1;
        }
        QThread::msleep(100);
    }

    MainFormSettings settings;
    settings.homeScreen = [](TMainForm& form) { return std::make_unique<TRuimteUIHandler>(form); };
    TMainForm form(std::move(settings));
    QObject::connect(&adpInstanceControl1, &TadpInstanceControl::activationRequested, &form, &TMainForm::bringToFront);
    form.show();
    return QApplication::exec();
}
