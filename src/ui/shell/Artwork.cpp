#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

QImage artwork(const QString& name)
{
    QSvgRenderer renderer(QStringLiteral(":/artwork/%1.svg").arg(name));
    if (!renderer.isValid())
        return {};
    QImage picture(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}
