#include "BaseForm.h"

#include "Artwork.h"
#include "Controls.h"
#include "DesktopLinkUi.h"
#include "ErrorBox.h"
#include "HidCtrl.h"
#include "HidTransport.h"
#include "HintWindow.h"
#include "HttpHost.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "Outline.h"
#include "StoreLock.h"
#include "StorePictureLists.h"
#include "UpdateDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <exception>

namespace {

constexpr int windowWidth = 800;
constexpr int windowHeight = 600;
constexpr int windowCorner = 60;

TMainForm* mainForm = nullptr;

} // namespace

std::uint16_t virtualKeyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::uint16_t>(qtKey); // the same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::uint16_t>(0x70 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

TMainForm::TMainForm(MainFormSettings settings)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , _settings(std::move(settings))
    , Timer1([this] { Timer1Timer(); })
{
    mainForm = this;
    setWindowTitle(QStringLiteral("Zolvo "));
    setFixedSize(windowWidth, windowHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    setFont(font);

    Image1 = place(new TImage(this), 0, 0, windowWidth, windowHeight);
    Image1->setStretch(true);
    Image1->setPicture(artwork(QStringLiteral("shell/main-background")));
    connect(Image1, &TImage::leftPressed, this, [this] {
        if (QWindow* window = windowHandle())
            window->startSystemMove();
    });
    imgBrandLogo = place(new TImage(this), 38, 26, 130, 39);
    imgBrandLogo->setStretch(true);
    imgBrandLogo->setPicture(artwork(QStringLiteral("shell/logo")));
    MainPanel = place(new TPanel(this), 24, 84, 598, 504);
    ButtonPanel = place(new TPanel(this), 628, 86, 150, 500);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);

    FormCreate();

    // Dutch users see the program without the brand logo.
    if (TLoadSave* store = TLoadSave::existing()) {
        const StoreReadLock lock(storeMutex());
        imgBrandLogo->setVisible(store->LanguageRec.Language != 0);
    }
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    if (FServer)
        FServer->stop();
    destroyhidctrl();
    _homeScreen.reset();
    if (mainForm == this)
        mainForm = nullptr;
}

TMainForm* TMainForm::instance()
{
    return mainForm;
}

void TMainForm::runStep(const char* name, const std::function<void()>& step)
{
    if (_stepFailed)
        return;
    try {
        step();
        _steps.append(QLatin1String(name));
    } catch (const std::exception& error) {
        _stepFailed = true;
        showErrorBox(this, QString::fromUtf8(error.what()));
    }
}

void TMainForm::FormCreate()
{
    runStep("hints", [] { TMyHintWindow::install(); });
    runStep("round", [this] {
        RoundForm(this, windowCorner);
        roundButtonsOf(this);
    });
    _keyHandler = nullptr;
    runStep("store", [this] {
        // Damaged picture-list files were kept aside; the user hears of it.
        if (const StorePictureLists* pictures = TLoadSave::instance()->pictures())
            for (const QString& warning : pictures->warnings())
                showErrorBox(this, warning);
    });
    runStep("screen", [this] {
        if (_settings.homeScreen)
            _homeScreen = _settings.homeScreen(*this);
    });
    runStep("identity", [] {
        sDevicename = QStringLiteral("Zolvo");
        firmwareversion = QStringLiteral("2.8");
        ProdID = 0x0802;
        softwareversion = QStringLiteral("3.1");
    });
    runStep("device link", [this] {
        _transport = _settings.transport ? _settings.transport() : createHidTransport();
        _linkUi = std::make_unique<DesktopLinkUi>(this, [this] { Timer1.arm(); });
        recreatehidctrl(*_transport, *_linkUi);
    });
    runStep("server", [this] { startServer(); });
    _steps.removeAll(QStringLiteral("hints"));
    _steps.removeAll(QStringLiteral("round"));
}

void TMainForm::startServer()
{
    if (FServer && FServer->running())
        return;
    FServer = std::make_unique<THttpHost>(HttpHostSettings {.port = _settings.port});
    if (const auto error = FServer->start()) {
        FServer.reset();
        throw std::runtime_error(*error);
    }
}

void TMainForm::Timer1Timer()
{
    TfrmUpdate dialog(this);
    dialog.engine().NewDevName = sDevicename;
    dialog.setLabel1(updatingLabel(heldProductString()));
    dialog.exec();
}

void TMainForm::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && _keyHandler) {
        // A key travels from the focused control up to its parents; take it once.
        QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (watched == receiver && receiver->window() == this) {
            if (const std::uint16_t code = virtualKeyCode(static_cast<QKeyEvent*>(event)->key()))
                _keyHandler(code);
        }
    }
    return QWidget::eventFilter(watched, event);
}
