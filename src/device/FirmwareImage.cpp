#include "FirmwareImage.h"

#include <QFile>

namespace {

// Character positions of a record, counted from 0 (the colon).
constexpr qsizetype countPos = 1;
constexpr qsizetype addressPos = 3;
constexpr qsizetype typePos = 7;
constexpr qsizetype dataPos = 9;

constexpr std::uint8_t dataRecord = 0x00;
constexpr std::uint8_t endOfFileRecord = 0x01;

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The byte written as two hex digits at `pos`; none when the line is too
// short there or the digits are not hex.
std::optional<std::uint8_t> hexByte(const QString& line, qsizetype pos)
{
    if (pos < 0 || pos + 2 > line.size())
        return std::nullopt;
    const int high = hexDigit(line[pos]);
    const int low = hexDigit(line[pos + 1]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(high << 4 | low);
}

enum class RecordResult { Next, Stop, AddressError, Corrupt };

// Stores the data bytes of one data record, every pair swapped, and adds them
// to `sum`. The buffer has one byte beyond the flash, so the store that ends
// a record exactly at the flash's end stays inside it.
RecordResult storeData(const QString& line, std::uint8_t count, std::size_t address, std::size_t flashsize,
    std::vector<std::uint8_t>& progbuf, unsigned& sum)
{
    int i = 0;
    for (; i + 1 < count; i += 2) {
        const auto first = hexByte(line, dataPos + 2 * i);
        const auto second = hexByte(line, dataPos + 2 * (i + 1));
        if (!first || !second)
            return RecordResult::Corrupt;
        sum += *first + *second;
        progbuf[address++] = *second;
        if (address >= flashsize)
            return RecordResult::AddressError;
        progbuf[address++] = *first;
        if (address > flashsize)
            return RecordResult::AddressError;
    }
    if (i < count) {
        // A lone last byte is the first of a pair whose second is missing,
        // so it belongs after the current address.
        const auto first = hexByte(line, dataPos + 2 * i);
        if (!first)
            return RecordResult::Corrupt;
        sum += *first;
        if (address + 1 >= flashsize)
            return RecordResult::AddressError;
        progbuf[address + 1] = *first;
    }
    return RecordResult::Next;
}

RecordResult parseRecord(const QString& line, std::size_t flashsize, std::vector<std::uint8_t>& progbuf)
{
    const auto count = hexByte(line, countPos);
    const auto addressHigh = hexByte(line, addressPos);
    const auto addressLow = hexByte(line, addressPos + 2);
    const auto type = hexByte(line, typePos);
    if (!count || !addressHigh || !addressLow || !type)
        return RecordResult::Corrupt;
    const std::size_t address = std::size_t {*addressHigh} << 8 | *addressLow;
    unsigned sum = *count + *addressLow + *addressHigh + *type;
    if (address >= flashsize)
        return RecordResult::Stop;

    std::optional<std::uint8_t> checksum;
    if (*type == dataRecord) {
        const RecordResult stored = storeData(line, *count, address, flashsize, progbuf, sum);
        if (stored != RecordResult::Next)
            return stored;
        checksum = hexByte(line, dataPos + 2 * qsizetype {*count});
    } else if (*type == endOfFileRecord) {
        checksum = hexByte(line, dataPos);
    } else {
        // Segment and start addresses mean nothing to this flash.
        return RecordResult::Next;
    }
    if (!checksum || ((*checksum + sum) & 0xFF) != 0)
        return RecordResult::Corrupt;
    return RecordResult::Next;
}

} // namespace

ParsedImage readbuf(const QStringList& hexLines, std::size_t flashsize)
{
    ParsedImage image;
    image.progbuf.assign(flashsize + 1, 0xFF);
    for (const QString& line : hexLines) {
        if (line.isEmpty() || line[0] != u':')
            continue;
        switch (parseRecord(line, flashsize, image.progbuf)) {
        case RecordResult::Next: continue;
        case RecordResult::Stop: return image;
        case RecordResult::AddressError: image.error = txtFUaddrerr; return image;
        case RecordResult::Corrupt: image.error = txtFUfilecorrupt; return image;
        }
    }
    return image;
}

// The resource lives in an object library of the static device library;
// registering it here keeps it reachable from every program that links it.
// Q_INIT_RESOURCE declares a global symbol, so this stays outside any namespace.
static void registerFirmwareResource()
{
    Q_INIT_RESOURCE(firmware);
}

QStringList builtInHexLines()
{
    registerFirmwareResource();
    QFile file(QStringLiteral(":/HEXFILE"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (QString line : QString::fromLatin1(file.readAll()).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}
