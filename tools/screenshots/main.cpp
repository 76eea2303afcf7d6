// Renders the program's windows, screens and dialogs to PNG files,
// offscreen, so anyone can look at the program without running it:
//   zolvo-screenshots [FOLDER]   (default: docs/screenshots of the working folder)
// The main window gets a stand-in Zolvo of its own and a small furnished
// configuration in a temporary folder; nothing of the user's is touched.
#include "BaseForm.h"
#include "FirmwareImage.h"
#include "GradBtn.h"
#include "LoadSave.h"
#include "Melding.h"
#include "RuimteAppHandler.h"
#include "UpdateDialog.h"
#include "VirtualTransport.h"
#include "VirtualZolvo.h"
#include "VirtualZolvoServer.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString outputFolder;

// The widget as the user sees it: outside its outline (the window mask) it
// is transparent. Grabbed without being shown, so no dialog starts its work.
void save(QWidget& widget, const QString& name)
{
    QApplication::processEvents();
    QImage picture = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!widget.mask().isEmpty()) {
        const QRegion outline = widget.mask();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (!outline.contains(QPoint(x, y)))
                    picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    if (!picture.save(path))
        std::fprintf(stderr, "zolvo-screenshots: cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void mainWindow(const QString& dataFolder, const QString& socket)
{
    TLoadSave::setDataFolder(dataFolder);
    MainFormSettings settings;
    settings.port = 0;
    settings.transport = [socket] { return std::make_unique<VirtualTransport>(socket.toStdString()); };
    settings.homeScreen = [](TMainForm& form) { return std::make_unique<TRuimteUIHandler>(form); };
    TMainForm form(std::move(settings));
    save(form, QStringLiteral("main-window"));
}

// The dialog as Meld shows it: grabbed while it is open, then answered.
void messageDialog(const QString& name, const QString& M1, const QString& M2, const QString& B1, const QString& B2)
{
    TfrmMeld dialog;
    QTimer::singleShot(100, &dialog, [&dialog, name] {
        save(dialog, name);
        dialog.done(1);
    });
    dialog.Meld(M1, M2, B1, B2);
}

void messageDialogs()
{
    messageDialog(QStringLiteral("meld-two-buttons"), QStringLiteral("Changes in effect only"),
        QStringLiteral("after clicking on 'Send to Zolvo'"), QStringLiteral("exit"), QStringLiteral("Send to Zolvo"));
    messageDialog(QStringLiteral("meld-one-button"), QStringLiteral("Attention!"),
        QStringLiteral("The Zolvo is not connected"), QStringLiteral("OK"), QString());
}

void updateDialog()
{
    TfrmUpdate dialog;
    dialog.setLabel1(updatingLabel(QStringLiteral("Zolvo")));
    dialog.setLabel2(QStringLiteral("Programming Zolvo"));
    dialog.setGaugeMax(44);
    dialog.setGaugeProgress(29);
    dialog.showGauge(true);
    dialog.enableQuit(false);
    save(dialog, QStringLiteral("update-dialog"));
}

void gradientButtons()
{
    QWidget sheet;
    sheet.setFixedSize(3 * 150 + 10, 60);
    sheet.setAutoFillBackground(true);
    const std::function<void(TGradBtn&)> looks[] = {
        [](TGradBtn&) {},
        [](TGradBtn& b) {
            b.setBeginColor(729114);
            b.setEndColor(729114);
            b.setFontColor(clWhite);
        },
        [](TGradBtn& b) { b.setEnabled(false); },
    };
    int left = 10;
    for (const auto& look : looks) {
        auto* button = new TGradBtn(&sheet);
        button->setGeometry(left, 10, 130, 40);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(19);
        button->setFont(font);
        button->setCaption(QStringLiteral("OK"));
        button->setBeginColor(clGray);
        button->setEndColor(clWhite);
        button->setGradientStyle(gsVertCenter);
        button->setShowFocus(false);
        look(*button);
        left += 150;
    }
    save(sheet, QStringLiteral("gradbtn-states"));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(outputFolder);

    QTemporaryDir dataFolder;
    std::vector<std::uint8_t> flash = readbuf(builtInHexLines()).progbuf;
    flash.resize(flashSize);
    VirtualZolvo device(flash);
    const QString socket = dataFolder.filePath(QStringLiteral("zolvo.sock"));
    VirtualZolvoServer server(device, socket.toStdString());
    if (!server.start()) {
        std::fprintf(stderr, "zolvo-screenshots: cannot start the stand-in Zolvo\n");
        return 1;
    }

    mainWindow(dataFolder.path(), socket);
    messageDialogs();
    updateDialog();
    gradientButtons();
    server.stop();
    return 0;
}
