// The pieces the operations and the SOAP layer are made of: Base64 layout,
// temporary names, integers on the wire, picture file names.
#include "AppImageFiles.h"
#include "Base64Text.h"
#include "Clock.h"
#include "SoapEndpoint.h"
#include "TemporaryFileName.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

QByteArray bytesOfLength(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(static_cast<char>((i * 37 + 11) & 0xFF));
    return bytes;
}

TEST(Base64Lines, FullLinesEndInCrLfAShorterLastLineDoesNot)
{
    struct Case {
        int bytes;
        std::vector<int> lineLengths; // of the text between line breaks
        bool endsInCrLf;
    };
    const Case cases[] = {
        {0, {}, false},
        {1, {4}, false},
        {56, {76}, true}, // the last line is full through its padding
        {57, {76}, true},
        {58, {76, 4}, false},
        {114, {76, 76}, true},
        {200, {76, 76, 76, 40}, false},
    };
    for (const Case& c : cases) {
        const QByteArray data = bytesOfLength(c.bytes);
        const QString text = base64Lines(data);
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(text.endsWith(QStringLiteral("\r\n")), c.endsInCrLf);
        QStringList lines = text.split(QStringLiteral("\r\n"));
        if (c.endsInCrLf || text.isEmpty())
            lines.removeLast();
        std::vector<int> lengths;
        for (const QString& line : lines) {
            EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
            lengths.push_back(static_cast<int>(line.size()));
        }
        EXPECT_EQ(lengths, c.lineLengths);
        EXPECT_EQ(QByteArray::fromBase64(QString(text).remove(QStringLiteral("\r\n")).toLatin1()), data);
    }
}

TEST(Base64Decoding, SkipsEveryCharacterOutsideTheAlphabet)
{
    EXPECT_EQ(decodeBase64Lenient(QStringLiteral("QUJD\r\nREVG")), QByteArray("ABCDEF"));
    EXPECT_EQ(decodeBase64Lenient(QStringLiteral(" Q*U-J.D\t")), QByteArray("ABC"));
    EXPECT_EQ(decodeBase64Lenient(QStringLiteral("AP8=")), QByteArray("\x00\xFF", 2));
    EXPECT_EQ(decodeBase64Lenient(QStringLiteral("Q\u00E9UJD")), QByteArray("ABC")) << "non-ASCII is skipped too";
    EXPECT_EQ(decodeBase64Lenient(QString()), QByteArray());
    const QByteArray big = bytesOfLength(5000);
    EXPECT_EQ(decodeBase64Lenient(base64Lines(big)), big);
    EXPECT_THROW(decodeBase64Lenient(QStringLiteral("QUJ")), std::runtime_error);
}

TEST(TemporaryFileName, HexNumbersPaddedToTheirWidths)
{
    struct Case {
        TemporaryNameParts parts;
        const char* name;
    };
    const Case cases[] = {
        {{0x1A, 5, 0x1234, 2014, 7},
            "/tmp/x/001A005001234"
            "7DE07.jpg"},
        {{0x12345, 366, 0xFFFFFFFF, 2026, 254},
            "/tmp/x/1234516EFFFFFFFF"
            "7EAFE.jpg"},
        {{0, 1, 0, 0, 0},
            "/tmp/x/0000001000000"
            "0000.jpg"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatTemporaryFileName(QStringLiteral("/tmp/x"), c.parts), QString::fromLatin1(c.name));
        EXPECT_EQ(formatTemporaryFileName(QStringLiteral("/tmp/x/"), c.parts), QString::fromLatin1(c.name));
    }
}

TEST(TemporaryFileName, MadeOfThreadDayUptimeYearAndRandom)
{
    Clock::setFixed(QDateTime(QDate(2014, 2, 1), QTime(10, 0)));
    const QString name = getTemporaryFileName();
    Clock::setFixed(std::nullopt);
    const QString thread =
        QString::number(static_cast<quint32>(syscall(SYS_gettid)), 16).toUpper().rightJustified(4, '0');
    // Thread, day 32 as "020", at least 6 digits of uptime, 2014 as "7DE", the random number.
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(QDir::tempPath() + '/' + thread) +
        QStringLiteral("020[0-9A-F]{6,8}7DE[0-9A-F]{2}\\.jpg$"));
    EXPECT_TRUE(pattern.match(name).hasMatch()) << name.toStdString();
}

TEST(SchemaInt, DecimalThirtyTwoBitIntegersOnly)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"15", 15},
        {" \t42\r\n", 42},
        {"+7", 7},
        {"-1", -1},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"abc", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseSchemaInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(SoapActionHeader, SurroundingQuotesAreStripped)
{
    EXPECT_EQ(strippedSoapAction("\"urn:a#b\""), "urn:a#b");
    EXPECT_EQ(strippedSoapAction("urn:a#b"), "urn:a#b");
    EXPECT_EQ(strippedSoapAction("\"\""), "");
    EXPECT_EQ(strippedSoapAction("\""), "\"");
    EXPECT_EQ(strippedSoapAction(""), "");
}

TEST(ApplianceFileName, NamesThatStayInsideThePictureFolder)
{
    for (const char* safe : {"Lamp", "Caf\u00e9 lamp", "a.b", "...", " x ", "-", "name.jpg"})
        EXPECT_FALSE(applianceFileNameProblem(QString::fromUtf8(safe))) << safe;
    const QString unsafe[] = {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"),
        QStringLiteral("../up"), QStringLiteral("a\\b"), QStringLiteral("tab\there"), QString(QChar(0)),
        QStringLiteral("x") + QChar(0) + QStringLiteral("y"), QStringLiteral("line\n"), QString(QChar(0x7F))};
    for (const QString& name : unsafe)
        EXPECT_TRUE(applianceFileNameProblem(name)) << name.toStdString();
}

TEST(ApplianceFileName, BackupNamesHaveAnUpperCaseHexPrefix)
{
    EXPECT_EQ(backupFileName(0, QStringLiteral("Lamp")), QStringLiteral("00Lamp.jpg"));
    EXPECT_EQ(backupFileName(0xA, QStringLiteral("Lamp")), QStringLiteral("0ALamp.jpg"));
    EXPECT_EQ(backupFileName(0xFFFE, QStringLiteral("Lamp")), QStringLiteral("FFFELamp.jpg"));
    EXPECT_EQ(customPicturePath(QStringLiteral("/p"), QStringLiteral("Lamp")), QStringLiteral("/p/appImages/Lamp.jpg"));
}

} // namespace
