#include "GradBtn.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHideEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include <utility>

QColor toQColor(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

TColor fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return TColor(rgb.red()) | TColor(rgb.green()) << 8 | TColor(rgb.blue()) << 16;
}

TColor gradientStep(TColor begin, TColor end, std::int64_t i, std::int64_t n)
{
    if (n == 0)
        return begin & 0xFFFFFF;
    TColor step = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::int64_t from = (begin >> shift) & 0xFF;
        const std::int64_t to = (end >> shift) & 0xFF;
        const std::int64_t component = from + i * (to - from) / n; // C++ division truncates toward zero
        step |= TColor(component & 0xFF) << shift;
    }
    return step;
}

QString stripAccelerators(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            shown += u'&';
            ++i;
        }
    }
    return shown;
}

QChar acceleratorChar(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1];
        ++i;
    }
    return QChar();
}

TGradBtn::TGradBtn(QWidget* parent)
    : QWidget(parent)
{
    // The system colours come from the platform's theme.
    const QPalette& theme = palette();
    FDisabledColor = fromQColor(theme.color(QPalette::Disabled, QPalette::Text));
    FBtnHiliteClr = fromQColor(theme.color(QPalette::Active, QPalette::Light));
    FBtnShadowClr = fromQColor(theme.color(QPalette::Active, QPalette::Dark));
    FTxtHiliteClr = FBtnHiliteClr;
    FTxtShadowClr = FBtnShadowClr;

    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    // The whole face is painted each time; nothing is erased beforehand.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradBtn::setCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    grabAccelerator();
    update();
}

void TGradBtn::setColour(TColor& field, TColor colour)
{
    colour &= 0xFFFFFF;
    if (colour == field)
        return;
    field = colour;
    update();
}

void TGradBtn::setFontColor(TColor colour)
{
    setColour(FFontColor, colour);
}
void TGradBtn::setDisabledColor(TColor colour)
{
    setColour(FDisabledColor, colour);
}
void TGradBtn::setBtnHiliteClr(TColor colour)
{
    setColour(FBtnHiliteClr, colour);
}
void TGradBtn::setBtnShadowClr(TColor colour)
{
    setColour(FBtnShadowClr, colour);
}
void TGradBtn::setTxtHiliteClr(TColor colour)
{
    setColour(FTxtHiliteClr, colour);
}
void TGradBtn::setTxtShadowClr(TColor colour)
{
    setColour(FTxtShadowClr, colour);
}
void TGradBtn::setBeginColor(TColor colour)
{
    setColour(FBeginClr, colour);
}
void TGradBtn::setEndColor(TColor colour)
{
    setColour(FEndClr, colour);
}

void TGradBtn::setBtnFrameSize(int size)
{
    if (size < 0 || size > width() / 2 - 5 || size > height() / 2 - 5 || size == FBtnFrameSize)
        return;
    FBtnFrameSize = size;
    update();
}

void TGradBtn::setGradientStyle(TGradientStyle style)
{
    if (style == FGradientStyle)
        return;
    FGradientStyle = style;
    update();
}

void TGradBtn::setTextStyle(TTextStyle style)
{
    if (style == FTextStyle)
        return;
    FTextStyle = style;
    update();
}

void TGradBtn::setTextShadeType(TShadeType shade)
{
    if (shade == FShadeType)
        return;
    FShadeType = shade;
    update();
}

void TGradBtn::setJustification(TJustification justify)
{
    if (justify == FJustify)
        return;
    FJustify = justify;
    update();
}

// --- Pressing and clicking ---

void TGradBtn::swapGradient()
{
    std::swap(FBeginClr, FEndClr);
    _coloursSwapped = !_coloursSwapped;
}

void TGradBtn::MouseDown(Qt::MouseButton button)
{
    if (!mUp)
        return;
    if (button == Qt::LeftButton)
        mUp = false;
    setFocus(Qt::MouseFocusReason);
    if (button == Qt::LeftButton && FSwapClr && !_coloursSwapped)
        swapGradient();
    update();
}

void TGradBtn::MouseUp()
{
    if (Clicking) {
        Clicking = false;
        return;
    }
    if (mUp)
        return;
    if (_coloursSwapped)
        swapGradient();
    mUp = true;
    update();
}

void TGradBtn::Click()
{
    Clicking = true;
    // Only a press swapped the colours: a click from the keyboard leaves them alone.
    if (_coloursSwapped)
        swapGradient();
    mUp = true;
    repaint();
    emit clicked();
}

void TGradBtn::click()
{
    QPointer<TGradBtn> alive(this);
    Click();
    if (alive)
        Clicking = false;
}

void TGradBtn::pointerAt(bool inside)
{
    if (inside == _pointerInside)
        return;
    _pointerInside = inside;
    // While the left button is held, leaving looks like a release and coming back like a press.
    if (_leftHeld) {
        if (inside)
            MouseDown(Qt::LeftButton);
        else
            MouseUp();
    }
    if (inside)
        emit mouseEntered();
    else
        emit mouseLeft();
}

void TGradBtn::mousePressEvent(QMouseEvent* event)
{
    QPointer<TGradBtn> alive(this);
    pointerAt(true);
    if (!alive)
        return;
    if (event->button() == Qt::LeftButton)
        _leftHeld = true;
    MouseDown(event->button());
    event->accept();
}

void TGradBtn::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool wasHeld = std::exchange(_leftHeld, false);
    QPointer<TGradBtn> alive(this);
    if (wasHeld && rect().contains(event->position().toPoint()))
        Click();
    if (!alive)
        return; // the click handler removed the control
    MouseUp();
    event->accept();
}

void TGradBtn::mouseMoveEvent(QMouseEvent* event)
{
    if (_leftHeld)
        pointerAt(rect().contains(event->position().toPoint()));
    event->accept();
}

void TGradBtn::enterEvent(QEnterEvent* event)
{
    pointerAt(true);
    QWidget::enterEvent(event);
}

void TGradBtn::leaveEvent(QEvent* event)
{
    pointerAt(false);
    QWidget::leaveEvent(event);
}

// --- Keys ---

void TGradBtn::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGradBtn::grabAccelerator()
{
    for (const int id : std::as_const(_acceleratorIds))
        releaseShortcut(id);
    _acceleratorIds.clear();
    const QChar key = acceleratorChar(FCaption);
    if (key.isNull() || key.isSpace())
        return;
    const auto code = Qt::Key(key.toUpper().unicode());
    _acceleratorIds.append(grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, code))));
    _acceleratorIds.append(grabShortcut(QKeySequence(QKeyCombination(Qt::NoModifier, code))));
}

bool TGradBtn::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (_acceleratorIds.contains(shortcut->shortcutId())) {
            if (isEnabled() && isVisible())
                click();
            return true;
        }
    }
    return QWidget::event(event);
}

void TGradBtn::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TGradBtn::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TGradBtn::releasePress()
{
    _leftHeld = false;
    Clicking = false;
    if (_coloursSwapped)
        swapGradient();
    mUp = true;
}

void TGradBtn::changeEvent(QEvent* event)
{
    // A disabled control hears no release: a press in progress ends here.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        releasePress();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

void TGradBtn::hideEvent(QHideEvent* event)
{
    releasePress();
    QWidget::hideEvent(event);
}

// --- Painting ---

void TGradBtn::paintEvent(QPaintEvent*)
{
    Paint();
    if (bm.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, bm);
}

void TGradBtn::Paint()
{
    if (width() <= 0 || height() <= 0) {
        bm = QImage();
        return;
    }
    if (bm.size() != size())
        bm = QImage(size(), QImage::Format_RGB32);
    {
        QPainter painter(&bm);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(font());
        drawGradient(painter);
        drawFrame(painter);
        drawCaption(painter);
    }
    if (hasFocus() && FShowFocus)
        drawFocusRect();
}

void TGradBtn::drawGradient(QPainter& painter) const
{
    const int W = width();
    const int H = height();
    auto colourOf = [this](std::int64_t i, std::int64_t n) { return toQColor(gradientStep(FBeginClr, FEndClr, i, n)); };
    painter.setPen(Qt::NoPen);

    switch (FGradientStyle) {
    case gsHorizontal:
        for (int i = 0; i < 256; ++i) {
            const int from = int(std::int64_t(i) * W / 256);
            const int to = int(std::int64_t(i + 1) * W / 256);
            painter.fillRect(QRect(from, 0, to - from, H), colourOf(i, 255));
        }
        break;
    case gsVertical:
        for (int i = 0; i < 256; ++i) {
            const int from = int(std::int64_t(i) * H / 256);
            const int to = int(std::int64_t(i + 1) * H / 256);
            painter.fillRect(QRect(0, from, W, to - from), colourOf(i, 255));
        }
        break;
    case gsElliptic: {
        const int X1 = -(W / 3);
        const int X2 = W + W / 3;
        const int Y1 = -(H / 3);
        const int Y2 = H + H / 3;
        for (int i = 0; i <= 50; ++i) {
            const int dx = (X2 - X1) * i / 100;
            const int dy = (Y2 - Y1) * i / 100;
            painter.setBrush(colourOf(i, 50));
            painter.drawEllipse(QRectF(X1 + dx, Y1 + dy, (X2 - dx) - (X1 + dx), (Y2 - dy) - (Y1 + dy)));
        }
        break;
    }
    case gsRectangle: {
        const double stepX = W / 510.0;
        const double stepY = H / 510.0;
        double left = 0;
        double top = 0;
        double right = W + 2;
        double bottom = H + 2;
        for (int i = 0; i < 256; ++i) {
            left += stepX;
            top += stepY;
            right -= stepX;
            bottom -= stepY;
            // Filled without an outline: one pixel short of the right and bottom corner.
            const QRect band(QPoint(int(left), int(top)), QPoint(int(right) - 2, int(bottom) - 2));
            if (band.isValid())
                painter.fillRect(band, colourOf(i, 255));
        }
        break;
    }
    case gsVertCenter: {
        const int h = H / 2;
        for (int k = 0; k <= h; ++k) {
            const QColor colour = colourOf(k, h);
            painter.fillRect(QRect(0, k, W, 1), colour);
            painter.fillRect(QRect(0, H - 1 - k, W, 1), colour);
        }
        break;
    }
    case gsHorizCenter: {
        const int w = W / 2;
        for (int k = 0; k <= w; ++k) {
            const QColor colour = colourOf(k, w);
            painter.fillRect(QRect(k, 0, 1, H), colour);
            painter.fillRect(QRect(W - 1 - k, 0, 1, H), colour);
        }
        break;
    }
    }
}

void TGradBtn::drawFrame(QPainter& painter) const
{
    const QColor topLeft = toQColor(mUp ? FBtnHiliteClr : FBtnShadowClr);
    const QColor bottomRight = toQColor(mUp ? FBtnShadowClr : FBtnHiliteClr);
    for (int k = 0; k < FBtnFrameSize; ++k) {
        const int L = k;
        const int T = k;
        const int R = width() - 1 - k;
        const int B = height() - 1 - k;
        if (R < L || B < T)
            break;
        // Top and left edges stop short of the top-right and bottom-left corners,
        // which belong to the dark edges.
        painter.fillRect(QRect(L, T, R - L, 1), topLeft);
        painter.fillRect(QRect(L, T, 1, B - T), topLeft);
        painter.fillRect(QRect(R, T, 1, B - T), bottomRight);
        painter.fillRect(QRect(L, B, R - L + 1, 1), bottomRight);
    }
}

void TGradBtn::drawCaption(QPainter& painter) const
{
    if (FCaption.isEmpty())
        return;
    const QString shown = stripAccelerators(FCaption);
    const QFontMetrics metrics(font());
    const int W = width();
    const int H = height();
    const int p = mUp ? 0 : 1;
    const int tw = metrics.horizontalAdvance(shown);
    const int th = metrics.height();
    const int y0 = (H - th) / 2 + p;
    int x0 = (W - tw) / 2 + p;
    if (FJustify == jLeft)
        x0 = 2 + p;
    else if (FJustify == jRight)
        x0 = W - tw - 2 + p;

    // Drawn without a background; a single "&" underlines the next character.
    auto layer = [&](TColor colour, int x, int y) {
        painter.setPen(toQColor(colour));
        painter.drawText(QRect(x, y, tw + 1, th),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip, FCaption);
    };

    const bool enabled = isEnabled();
    const TTextStyle style = enabled ? FTextStyle : tsInset;
    const TColor face = enabled ? FFontColor : FDisabledColor;
    const bool heavy = FShadeType == stHeavy;
    switch (style) {
    case tsNormal: break;
    case tsRaised:
        layer(FTxtHiliteClr, x0 - 1, y0 - 1);
        if (heavy)
            layer(FTxtShadowClr, x0 + 1, y0 + 1);
        break;
    case tsInset:
        if (heavy)
            layer(FTxtShadowClr, x0 - 1, y0 - 1);
        layer(FTxtHiliteClr, x0 + 1, y0 + 1);
        break;
    }
    layer(face, x0, y0);
}

void TGradBtn::drawFocusRect()
{
    // A dotted outline, every other pixel inverted, from (2,2) up to but not
    // including (W - 2, H - 2).
    const int left = 2;
    const int top = 2;
    const int right = width() - 3;
    const int bottom = height() - 3;
    if (right < left || bottom < top)
        return;
    auto invert = [this](int x, int y) {
        if ((x + y) % 2 == 0)
            bm.setPixel(x, y, bm.pixel(x, y) ^ 0x00FFFFFFu);
    };
    for (int x = left; x <= right; ++x) {
        invert(x, top);
        if (bottom != top)
            invert(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        invert(left, y);
        if (right != left)
            invert(right, y);
    }
}

TGradBtn* makeStandardButton(QWidget* parent, int left, int top, int width, int height, const QString& caption)
{
    auto* button = new TGradBtn(parent);
    button->setGeometry(left, top, width, height);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    button->setFont(font);
    button->setFontColor(clBlack);
    button->setBeginColor(clGray);
    button->setEndColor(clWhite);
    button->setGradientStyle(gsVertCenter);
    button->setTextStyle(tsNormal);
    button->setShowFocus(false);
    button->setCaption(caption);
    return button;
}
