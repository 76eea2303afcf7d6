#include "Artwork.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <QThread>

namespace {

QImage render(const QString& name)
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

} // namespace

QImage artwork(const QString& name)
{
    // Screens share their backgrounds, and every screen is built at start-up:
    // each picture is rendered once. The cache belongs to the GUI thread.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        return render(name);
    static QHash<QString, QImage> rendered;
    auto cached = rendered.constFind(name);
    if (cached == rendered.constEnd())
        cached = rendered.insert(name, render(name));
    return *cached;
}
