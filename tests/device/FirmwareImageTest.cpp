// The firmware image built into the program and the HEX parser.
#include "FirmwareImage.h"

#include "support/HexRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

struct Record {
    std::size_t address;
    int type;
    std::vector<std::uint8_t> data;
};

// An independent reading of a well-formed record, to check the parser against.
Record decode(const QString& line)
{
    Record r {line.mid(3, 4).toUInt(nullptr, 16), static_cast<int>(line.mid(7, 2).toUInt(nullptr, 16)), {}};
    const int count = static_cast<int>(line.mid(1, 2).toUInt(nullptr, 16));
    for (int i = 0; i < count; ++i)
        r.data.push_back(static_cast<std::uint8_t>(line.mid(9 + 2 * i, 2).toUInt(nullptr, 16)));
    return r;
}

TEST(FirmwareImage, BuiltInRecords)
{
    const QStringList lines = builtInHexLines();
    ASSERT_EQ(lines.size(), 340);
    EXPECT_EQ(lines.front(), QStringLiteral(":020000020000FC")); // extended segment address 0
    EXPECT_EQ(lines.back(), endOfFileRecord);

    std::vector<Record> data;
    for (const QString& line : lines.mid(1, 338)) {
        data.push_back(decode(line));
        EXPECT_EQ(data.back().type, 0x00) << line.toStdString();
    }
    // 337 contiguous records over 0x0000..0x1549, then the one at 0x6FFE.
    std::size_t next = 0;
    for (std::size_t i = 0; i < 337; ++i) {
        EXPECT_EQ(data[i].address, next) << i;
        next = data[i].address + data[i].data.size();
    }
    EXPECT_EQ(next, 0x154Au);
    const auto marker = std::find_if(data.begin(), data.end(), [](const Record& r) { return r.address == 0x0068; });
    ASSERT_NE(marker, data.end());
    EXPECT_EQ(marker->data, (std::vector<std::uint8_t> {0xAA, 0x55}));
    EXPECT_EQ(data.back().address, 0x6FFEu);
    EXPECT_EQ(data.back().data, (std::vector<std::uint8_t> {0x55, 0xAA}));
}

TEST(FirmwareImage, BuiltInParsesSwappedIntoFortyFourPages)
{
    const QStringList lines = builtInHexLines();
    const ParsedImage image = readbuf(lines);
    ASSERT_FALSE(image.error.has_value());
    ASSERT_EQ(image.progbuf.size(), flashSize + 1);

    EXPECT_EQ(image.progbuf[0x0068], 0x55);
    EXPECT_EQ(image.progbuf[0x0069], 0xAA);
    EXPECT_EQ(image.progbuf[0x6FFE], 0xAA);
    EXPECT_EQ(image.progbuf[0x6FFF], 0x55);

    // Every pair of every record lands swapped; nothing else is written.
    std::vector<bool> covered(flashSize + 1, false);
    for (const QString& line : lines) {
        const Record r = decode(line);
        if (r.type != 0x00)
            continue;
        for (std::size_t i = 0; i + 1 < r.data.size(); i += 2) {
            EXPECT_EQ(image.progbuf[r.address + i], r.data[i + 1]) << std::hex << r.address + i;
            EXPECT_EQ(image.progbuf[r.address + i + 1], r.data[i]) << std::hex << r.address + i + 1;
            covered[r.address + i] = covered[r.address + i + 1] = true;
        }
    }
    for (std::size_t a = 0; a <= flashSize; ++a) {
        if (!covered[a]) {
            ASSERT_EQ(image.progbuf[a], 0xFF) << std::hex << a;
        }
    }

    std::vector<std::size_t> pagesWithData;
    for (std::size_t page = 0; page < flashSize; page += flashPageSize) {
        const auto begin = image.progbuf.begin() + static_cast<std::ptrdiff_t>(page);
        if (std::any_of(begin, begin + flashPageSize, [](std::uint8_t b) { return b != 0xFF; }))
            pagesWithData.push_back(page);
    }
    std::vector<std::size_t> expected;
    for (std::size_t page = 0x0000; page <= 0x1500; page += flashPageSize)
        expected.push_back(page);
    expected.push_back(0x6F80);
    EXPECT_EQ(pagesWithData, expected);
    EXPECT_EQ(pagesWithData.size(), 44u);
}

using Bytes = std::vector<std::pair<std::size_t, std::uint8_t>>; // address, expected value

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(FirmwareImage, DamagedAndUnusualImages)
{
    const QString good = dataRecord(0x0010, {0x01, 0x02, 0x03, 0x04});
    const Bytes goodStored {{0x10, 0x02}, {0x11, 0x01}, {0x12, 0x04}, {0x13, 0x03}};
    const QString later = dataRecord(0x0100, {0x11, 0x22});
    const Bytes laterStored {{0x100, 0x22}, {0x101, 0x11}};
    const Bytes laterIgnored {{0x100, 0xFF}, {0x101, 0xFF}};
    const QString goodWithoutChecksum = good.left(good.size() - 2);

    const struct {
        const char* name;
        QStringList lines;
        std::optional<TextRow> error;
        Bytes bytes;
    } cases[] = {
        {"valid records", {good, later, endOfFileRecord}, std::nullopt, goodStored},
        {"checksum off by one", {good, dataRecord(0x0020, {0x05, 0x06}, 1), later}, txtFUfilecorrupt,
            goodStored + laterIgnored},
        {"checksum off by minus one", {dataRecord(0x0020, {0x05, 0x06}, -1)}, txtFUfilecorrupt, {}},
        {"record at 0x7000 stops silently", {good, dataRecord(0x7000, {0x05, 0x06}), later}, std::nullopt,
            goodStored + laterIgnored},
        {"record above the flash stops silently", {dataRecord(0xFFF0, {0x05, 0x06}), later}, std::nullopt,
            laterIgnored},
        {"record ending at the flash's end", {dataRecord(0x6FFC, {0x01, 0x02, 0x03, 0x04})}, std::nullopt,
            {{0x6FFC, 0x02}, {0x6FFD, 0x01}, {0x6FFE, 0x04}, {0x6FFF, 0x03}}},
        {"record running past the flash", {dataRecord(0x6FFE, {0x01, 0x02, 0x03, 0x04}), later}, txtFUaddrerr,
            laterIgnored},
        {"pair straddling the flash's end", {dataRecord(0x6FFF, {0x01, 0x02})}, txtFUaddrerr, {}},
        {"header cut short", {QStringLiteral(":1000")}, txtFUfilecorrupt, {}},
        {"colon only", {QStringLiteral(":")}, txtFUfilecorrupt, {}},
        {"data cut short", {good.left(12), later}, txtFUfilecorrupt, laterIgnored},
        {"checksum missing", {goodWithoutChecksum}, txtFUfilecorrupt, {}},
        {"checksum half missing", {good.left(good.size() - 1)}, txtFUfilecorrupt, {}},
        {"garbled data digit", {QString(good).replace(10, 1, u'G')}, txtFUfilecorrupt, {}},
        {"garbled address digit", {QString(good).replace(4, 1, u'x')}, txtFUfilecorrupt, {}},
        {"end-of-file checksum wrong", {QStringLiteral(":00000001FE")}, txtFUfilecorrupt, {}},
        {"end-of-file checksum missing", {QStringLiteral(":00000001")}, txtFUfilecorrupt, {}},
        {"empty lines and text without colon skipped",
            {QString(), QStringLiteral("comment"), QStringLiteral(" ") + dataRecord(0x0040, {1, 2}), good},
            std::nullopt, goodStored + Bytes {{0x40, 0xFF}}},
        {"CR LF line ends", {good + u'\r', later + u'\r', endOfFileRecord + u'\r'}, std::nullopt,
            goodStored + laterStored},
        {"lower-case digits", {good.toLower()}, std::nullopt, goodStored},
        {"other record types unchecked", {QStringLiteral(":020000040000FF"), QStringLiteral(":02000002"), good},
            std::nullopt, goodStored},
        {"records after end of file still read", {endOfFileRecord, later}, std::nullopt, laterStored},
        {"odd byte count: the lone byte after its address", {dataRecord(0x0030, {0x01, 0x02, 0x03})}, std::nullopt,
            {{0x30, 0x02}, {0x31, 0x01}, {0x32, 0xFF}, {0x33, 0x03}}},
        {"odd byte count at the flash's end", {dataRecord(0x6FFF, {0x01})}, txtFUaddrerr, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedImage image = readbuf(c.lines);
        EXPECT_EQ(image.error, c.error);
        ASSERT_EQ(image.progbuf.size(), flashSize + 1);
        for (const auto& [address, value] : c.bytes)
            EXPECT_EQ(image.progbuf[address], value) << std::hex << address;
    }
}

TEST(FirmwareImage, EveryCutOfARecordIsCorrupt)
{
    const QString record = dataRecord(0x0200, {0x10, 0x20, 0x30, 0x40});
    for (qsizetype length = 1; length < record.size(); ++length) {
        const ParsedImage image = readbuf({record.left(length)});
        EXPECT_EQ(image.error, txtFUfilecorrupt) << length;
    }
    EXPECT_FALSE(readbuf({record}).error.has_value());
}

TEST(FirmwareImage, SmallerFlash)
{
    const ParsedImage image = readbuf({dataRecord(0x0000, {1, 2}), dataRecord(0x0100, {3, 4})}, 0x100);
    EXPECT_FALSE(image.error.has_value());
    ASSERT_EQ(image.progbuf.size(), 0x101u);
    EXPECT_EQ(image.progbuf[0], 2);
    EXPECT_EQ(image.progbuf[0x100], 0xFF);
}

} // namespace
