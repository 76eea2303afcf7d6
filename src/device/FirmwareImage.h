#pragma once

#include "DeviceReport.h"
#include "Language.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The firmware image in Intel HEX and its parsing into the byte order the
// device takes: every pair of data bytes swapped.
struct ParsedImage {
    std::vector<std::uint8_t> progbuf; // flashSize + 1 bytes, 0xFF where the image has no data
    std::optional<TextRow> error; // txtFUaddrerr or txtFUfilecorrupt when the parse stopped on an error
};

ParsedImage readbuf(const QStringList& hexLines, std::size_t flashsize = flashSize);

// The image built into the program (the resource "HEXFILE"), one record a line.
QStringList builtInHexLines();
