#pragma once

#include <QImage>
#include <QString>

// The program's artwork, compiled in as SVG (resources/artwork) and rendered
// at its own size. `name` is the path below the artwork folder without the
// extension, as "shell/main-background" or "ui/imgSelected".
// A missing picture gives a null image. Each picture is rendered once.
QImage artwork(const QString& name);
