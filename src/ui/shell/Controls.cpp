#include "Controls.h"

#include "GradBtn.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

void TImage::setPicture(const QImage& picture)
{
    _picture = picture;
    update();
}

void TImage::setStretch(bool stretch)
{
    _stretch = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (_picture.isNull())
        return;
    QPainter painter(this);
    if (_stretch)
        painter.drawImage(rect(), _picture);
    else
        painter.drawImage(0, 0, _picture);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    _pressed = true;
    emit leftPressed(this);
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release over the same control.
    const bool click = _pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    _pressed = false;
    if (click)
        emit clicked(this);
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
}

TLabel::TLabel(QWidget* parent)
    : QLabel(parent)
{
}

TLabel::TLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

void TLabel::setFontColor(std::uint32_t colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(colour));
    setPalette(colours);
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    _pressed = event->button() == Qt::LeftButton;
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = _pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    _pressed = false;
    if (click)
        emit clicked(this);
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
}

TPanel::TPanel(QWidget* parent)
    : QWidget(parent)
{
}

void TPanel::setColor(const QColor& colour)
{
    _colour = colour;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    if (!_colour.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), _colour);
}
