// Renders the program's windows, screens and dialogs to PNG files,
// offscreen, so anyone can look at the program without running it:
//   zolvo-screenshots [FOLDER]   (default: docs/screenshots of the working folder)
// The main window gets a stand-in Zolvo of its own and a small furnished
// configuration in a temporary folder; nothing of the user's is touched.
// Besides the dialogs: the rooms screen, both editors and the picture picker.
#include "AppUIHandler.h"
#include "BaseForm.h"
#include "BuiltInPictures.h"
#include "Cp1252.h"
#include "FirmwareImage.h"
#include "GradBtn.h"
#include "ImagePicker.h"
#include "ImagePickerHandler.h"
#include "ItemPictures.h"
#include "LoadSave.h"
#include "Melding.h"
#include "PictureImage.h"
#include "RuimteAppHandler.h"
#include "RuimteAppSel.h"
#include "RuimteAppSelHandler.h"
#include "StorePictureLists.h"
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

// A small house: six rooms, the living room with five appliances, each
// with a picture of the built-in catalogues.
void furnish(TLoadSave& store)
{
    fillEmptyCatalogues(store);
    const StorePictureLists& lists = *store.pictures();
    const std::pair<const char*, int> rooms[] = {
        {"Living room", 0}, {"Kitchen", 1}, {"Bedroom", 2}, {"Bathroom", 4}, {"Hall", 6}, {"Garden", 13}};
    int r = 0;
    for (const auto& [name, picture] : rooms) {
        setShortString(store.Ruimtes[r].Omschrijving, QString::fromLatin1(name));
        giveRuimtePicture(store, r++, lists.ruimteimages.at(picture));
    }
    const std::pair<const char*, int> appliances[] = {
        {"Ceiling lamp", 0}, {"Reading lamp", 2}, {"TV", 6}, {"Radio", 7}, {"Fan", 9}};
    int a = 0;
    for (const auto& [name, picture] : appliances) {
        Apparaat& apparaat = store.Ruimtes[0].Apparaten[a];
        setShortString(apparaat.Omschrijving, QString::fromLatin1(name));
        apparaat.Code = a;
        apparaat.Dimmer = a < 2;
        giveApparaatPicture(store, 0, a++, lists.appimages.at(picture));
    }
}

// A folder of picture files for the picker: catalogue pictures as bitmaps and JPEG files.
QString samplePictures(const QString& folder)
{
    QDir().mkpath(folder);
    for (int i = 0; i < 9; ++i) {
        const QImage picture = toQImage(builtInAppliancePicture(3 * i + 1)).scaled(390, 240);
        picture.save(QDir(folder).filePath(QStringLiteral("photo-%1.%2").arg(i).arg(i % 2 ? "jpg" : "bmp")));
    }
    return folder;
}

void mainWindowAndScreens(const QString& dataFolder, const QString& socket)
{
    TLoadSave::setDataFolder(dataFolder);
    furnish(*TLoadSave::instance());
    MainFormSettings settings;
    settings.port = 0;
    settings.transport = [socket] { return std::make_unique<VirtualTransport>(socket.toStdString()); };
    settings.homeScreen = [](TMainForm& form) { return std::make_unique<TRuimteUIHandler>(form); };
    TMainForm form(std::move(settings));
    save(form, QStringLiteral("main-window"));

    auto& rooms = static_cast<TRuimteUIHandler&>(*form.homeScreen());
    TAppUIHandler& appliances = rooms.appliances();
    appliances.fillClicked(appliances.tile(1).bgImage);
    save(form, QStringLiteral("rooms-screen"));

    rooms.fillDblClicked(rooms.tile(0).bgImage);
    save(form, QStringLiteral("room-editor"));
    rooms.editor().ButTerugClick();

    appliances.fillDblClicked(appliances.tile(1).bgImage);
    TRuimteAppSelHandler& editor = appliances.editor();
    editor.clicked(editor.form().Image[2]);
    save(form, QStringLiteral("appliance-editor"));

    TImagePickerHandler& picker = editor.imagePicker();
    picker.setFolder(samplePictures(dataFolder + QStringLiteral("/pictures")));
    editor.doubleClicked(editor.form().Image[2]);
    picker.form().imagePanel().waitForThumbnails(10000);
    picker.form().imagePanel().ImageClick(picker.form().Images[4]);
    save(form, QStringLiteral("picture-picker"));
    picker.ButTerugClick();
    editor.ButTerugClick();
    TLoadSave::destroyInstance();
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

    mainWindowAndScreens(dataFolder.path(), socket);
    messageDialogs();
    updateDialog();
    gradientButtons();
    server.stop();
    return 0;
}
