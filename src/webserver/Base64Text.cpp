#include "Base64Text.h"

#include <Poco/Base64Decoder.h>
#include <Poco/Base64Encoder.h>
#include <Poco/Exception.h>

#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

constexpr qsizetype lineLength = 76;

bool isBase64Character(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '+' || u == '/' ||
        u == '=';
}

} // namespace

QString base64Lines(const QByteArray& bytes)
{
    std::ostringstream out;
    {
        // One flat run; the line breaks are laid out below.
        Poco::Base64Encoder encoder(out);
        encoder.rdbuf()->setLineLength(0);
        encoder.write(bytes.constData(), bytes.size());
        encoder.close();
    }
    const std::string flat = out.str();
    QString text;
    text.reserve(static_cast<qsizetype>(flat.size() + flat.size() / lineLength * 2));
    for (std::size_t pos = 0; pos < flat.size(); pos += lineLength) {
        const std::string line = flat.substr(pos, lineLength);
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        if (static_cast<qsizetype>(line.size()) == lineLength)
            text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray decodeBase64Lenient(const QString& text)
{
    std::string alphabetOnly;
    alphabetOnly.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text)
        if (isBase64Character(c))
            alphabetOnly.push_back(static_cast<char>(c.unicode()));
    std::istringstream in(alphabetOnly);
    Poco::Base64Decoder decoder(in);
    try {
        // Read through the buffer itself so that a decoding error arrives as
        // an exception rather than a silent stream state.
        const std::string bytes {std::istreambuf_iterator<char>(decoder.rdbuf()), std::istreambuf_iterator<char>()};
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } catch (const Poco::Exception& e) {
        throw std::runtime_error("Invalid Base64 picture data: " + e.displayText());
    }
}
