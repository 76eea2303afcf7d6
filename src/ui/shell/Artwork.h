#pragma once

#include <QImage>
#include <QString>

// The program's artwork, drawn as SVG (resources/artwork), rendered at its own
// size when the program is built and compiled in. `name` is the path below
// the artwork folder without the extension, as "shell/main-background" or
// "ui/imgSelected".
// A missing picture gives a null image. Each picture is unpacked once.
QImage artwork(const QString& name);
