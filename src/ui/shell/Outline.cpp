#include "Outline.h"

#include "Controls.h"
#include "GradBtn.h"

#include <QBitmap>
#include <QPainter>
#include <QWidget>

namespace {
constexpr int buttonCorner = 20;
}

QRegion roundedOutline(QSize size, int corner)
{
    QBitmap shape(size);
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 1, size.height() - 1), corner / 2.0, corner / 2.0);
    painter.end();
    return QRegion(shape);
}

void RoundForm(QWidget* form, int R)
{
    form->setMask(roundedOutline(form->size(), R));
}

void roundButtonsOf(QWidget* form)
{
    for (auto* button : form->findChildren<TGradBtn*>())
        button->setMask(roundedOutline(button->size(), buttonCorner));
    for (auto* panel : form->findChildren<TPanel*>())
        panel->setMask(roundedOutline(panel->size(), buttonCorner));
}
