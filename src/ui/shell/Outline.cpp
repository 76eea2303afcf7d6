#include "Outline.h"

#include "Controls.h"
#include "GradBtn.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int buttonCorner = 20;

using Runs = std::vector<std::pair<int, int>>; // first and last column of each run in a row

Runs runsOfRow(const QImage& shape, int y)
{
    Runs runs;
    const uchar* row = shape.constScanLine(y);
    for (int x = 0; x < shape.width();) {
        if (!row[x]) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < shape.width() && row[x])
            ++x;
        runs.emplace_back(first, x - 1);
    }
    return runs;
}

// The region of `shape` (8-bit, a pixel is in where it is not zero) stretched
// by `extra` pixels: its middle column and its middle row are repeated, as a
// rounded rectangle grows along its straight sides.
QRegion stretchedRegion(const QImage& shape, QSize extra)
{
    const int middleX = shape.width() / 2;
    const int middleY = shape.height() / 2;
    const auto stretchedX = [&](int x, bool last) {
        return x > middleX || (last && x == middleX) ? x + extra.width() : x;
    };

    // Rows with the same runs form one band, as QRegion keeps them.
    std::vector<QRect> rects;
    Runs bandRuns;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const auto& [first, last] : bandRuns)
            rects.emplace_back(QPoint(first, bandTop), QPoint(last, bottom));
    };
    for (int y = 0; y < shape.height(); ++y) {
        Runs runs = runsOfRow(shape, y);
        for (auto& [first, last] : runs) {
            first = stretchedX(first, false);
            last = stretchedX(last, true);
        }
        const int top = y > middleY ? y + extra.height() : y;
        if (runs != bandRuns) {
            closeBand(top - 1);
            bandRuns = std::move(runs);
            bandTop = top;
        }
    }
    closeBand(shape.height() - 1 + extra.height());
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

} // namespace

QRegion roundedOutline(QSize size, int corner)
{
    // Drawn without antialiasing, so a pixel is in or out as on a bitmap. Only
    // a small copy with the same corners is drawn and then stretched: drawing
    // the whole window's outline cost milliseconds of every start.
    const int smallSide = std::max(corner, 0) + 8;
    const QSize drawn(std::min(size.width(), smallSide), std::min(size.height(), smallSide));
    QImage shape(drawn, QImage::Format_Alpha8);
    shape.fill(0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(1, 1, drawn.width() - 1, drawn.height() - 1), corner / 2.0, corner / 2.0);
    painter.end();
    return stretchedRegion(shape, size - drawn);
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
