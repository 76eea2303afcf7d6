// Rounded outlines against the same rounded rectangle drawn on a bitmap.
#include "Outline.h"

#include "UiTestApp.h"

#include <QBitmap>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QRegion drawnOnBitmap(QSize size, int corner)
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

TEST(Outline, HoldsExactlyThePixelsOfTheRoundedRectangleOnABitmap)
{
    ensureUiApp();
    const struct {
        QSize size;
        int corner;
    } cases[] = {
        {{800, 600}, 60}, // the main window
        {{598, 504}, 20}, // a host panel
        {{480, 360}, 20}, // a dialog
        {{130, 40}, 20}, // a column button
        {{129, 40}, 20}, // an odd width
        {{150, 500}, 20}, // a button column
        {{50, 40}, 20}, {{69, 69}, 60}, // just over the part that is drawn
        {{28, 200}, 20}, // stretched in height only
        {{301, 27}, 20}, // stretched in width only
        {{801, 601}, 59}, // odd sides, odd corner
        {{25, 25}, 60}, // corners larger than the shape
        {{3, 3}, 20}, {{1, 1}, 20}, // nothing inside
    };
    for (const auto& c : cases) {
        const QRegion outline = roundedOutline(c.size, c.corner);
        const QRegion expected = drawnOnBitmap(c.size, c.corner);
        EXPECT_TRUE((outline ^ expected).isEmpty())
            << c.size.width() << "x" << c.size.height() << " corner " << c.corner << ": "
            << (outline ^ expected).rectCount() << " rectangles differ";
        EXPECT_EQ(outline.boundingRect(), expected.boundingRect()) << c.size.width() << "x" << c.size.height();
    }
}

} // namespace
