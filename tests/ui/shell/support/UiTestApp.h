#pragma once

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// One QApplication for the whole test program (offscreen, see TestEnvironment.cpp).
inline void ensureUiApp()
{
    static int argc = 1;
    static char name[] = "ui_shell_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

// Arial at `pixels` without antialiasing, so every glyph pixel has the exact pen colour.
inline QFont crispFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The bounding box of the pixels of exactly `colour` (empty when there are none).
inline QRect boxOf(const QImage& image, QColor colour)
{
    const QRgb wanted = colour.rgb();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) == wanted)
                box |= QRect(x, y, 1, 1);
    return box;
}
