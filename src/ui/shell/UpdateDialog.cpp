#include "UpdateDialog.h"

#include "Artwork.h"
#include "ErrorBox.h"
#include "GradBtn.h"
#include "Outline.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int dialogWidth = 480;
constexpr int dialogHeight = 360;
constexpr int cornerSize = 20;
constexpr TColor gaugeColour = 0x155542;

TfrmUpdate* shownDialog = nullptr;

QLabel* makeLine(QWidget* parent, int top)
{
    auto* label = new QLabel(parent);
    label->setGeometry(24, top, dialogWidth - 48, 26);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(21);
    label->setFont(font);
    return label;
}

} // namespace

TfrmUpdate::TfrmUpdate(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , _engine(*this)
{
    build();
}

TfrmUpdate::TfrmUpdate(QWidget* parent, QStringList hexLines)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , _engine(*this, std::move(hexLines))
{
    build();
}

TfrmUpdate::~TfrmUpdate()
{
    if (shownDialog == this)
        shownDialog = nullptr;
}

void TfrmUpdate::build()
{
    setFixedSize(dialogWidth, dialogHeight);
    setModal(true);
    _background = artwork(QStringLiteral("shell/dialog"));
    RoundForm(this, cornerSize);
    Label1 = makeLine(this, 60);
    Label2 = makeLine(this, 102);
    Gauge1 = new TGauge(this);
    Gauge1->setGeometry(24, 211, 433, 22);
    Gauge1->hide();
    btnQuit = new TGradBtn(this);
    btnQuit->setGeometry(326, 260, 130, 40);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    btnQuit->setFont(font);
    btnQuit->setCaption(QStringLiteral("OK"));
    btnQuit->setBeginColor(clGray);
    btnQuit->setEndColor(clWhite);
    btnQuit->setGradientStyle(gsVertCenter);
    btnQuit->setShowFocus(false);
    btnQuit->setMask(roundedOutline(btnQuit->size(), cornerSize));
    connect(btnQuit, &TGradBtn::clicked, this, &TfrmUpdate::quitClick);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    _reconnectTimer.setSingleShot(true);
    _reconnectTimer.setInterval(reconnectTimeoutMs);
    connect(&_reconnectTimer, &QTimer::timeout, this, [this] { _engine.waitTimedOut(); });
}

TfrmUpdate* TfrmUpdate::openDialog()
{
    return shownDialog;
}

void TfrmUpdate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    shownDialog = this;
    // After the dialog is on the screen; the engine runs only once however
    // often the dialog is activated again.
    QTimer::singleShot(0, this, &TfrmUpdate::FormActivate);
}

void TfrmUpdate::FormActivate()
{
    _engine.updatefirmware();
    if (_engine.state() == TUpdateFlash::State::Waiting)
        _reconnectTimer.start();
}

void TfrmUpdate::deviceReturned()
{
    _reconnectTimer.stop();
    _engine.deviceReturned();
}

void TfrmUpdate::quitClick()
{
    _reconnectTimer.stop();
    _engine.quitClick();
    if (shownDialog == this)
        shownDialog = nullptr;
    hide();
    done(QDialog::Accepted);
}

void TfrmUpdate::setCaption(const QString& text)
{
    setWindowTitle(text);
}

void TfrmUpdate::setLabel1(const QString& text)
{
    Label1->setText(text);
}

void TfrmUpdate::setLabel2(const QString& text)
{
    Label2->setText(text);
}

void TfrmUpdate::showGauge(bool visible)
{
    Gauge1->setVisible(visible);
}

void TfrmUpdate::setGaugeMax(int maximum)
{
    Gauge1->setMaxValue(maximum);
}

void TfrmUpdate::setGaugeProgress(int progress)
{
    Gauge1->setProgress(progress);
}

void TfrmUpdate::enableQuit(bool enabled)
{
    btnQuit->setEnabled(enabled);
    if (enabled)
        btnQuit->setFocus();
}

void TfrmUpdate::errorBox(const QString& text)
{
    showErrorBox(this, text);
}

void TfrmUpdate::repaint()
{
    QWidget::repaint();
}

void TfrmUpdate::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (_background.isNull())
        painter.fillRect(rect(), QColor(240, 242, 232));
    else
        painter.drawImage(0, 0, _background);
}

TGauge::TGauge(QWidget* parent)
    : QWidget(parent)
{
}

void TGauge::setMaxValue(int maximum)
{
    _max = std::max(0, maximum);
    _progress = std::min(_progress, _max);
    update();
}

void TGauge::setProgress(int progress)
{
    _progress = std::clamp(progress, 0, _max);
    update();
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (_max > 0 && _progress > 0) {
        const int width = static_cast<int>(static_cast<long long>(this->width() - 2) * _progress / _max);
        painter.fillRect(1, 1, width, height() - 2, toQColor(gaugeColour));
    }
}
