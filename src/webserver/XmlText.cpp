#include "XmlText.h"

namespace {

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
        (c >= 0x10000 && c <= 0x10FFFF);
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

QString xmlSafeText(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            safe += c;
            safe += text[++i];
        } else if (c.isSurrogate() || !allowedInXml(c.unicode())) {
            safe += QLatin1Char('?');
        } else {
            safe += c;
        }
    }
    return safe;
}

namespace {

// The escapes of element text; `forAttributes` adds the double quote,
// `keepCarriageReturns` writes CR as a character reference so a parser
// gives it back.
std::string escaped(const QString& text, bool forAttributes, bool keepCarriageReturns)
{
    const QByteArray utf8 = xmlSafeText(text).toUtf8();
    std::string out;
    out.reserve(static_cast<std::size_t>(utf8.size()));
    for (const char c : utf8) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += forAttributes ? "&quot;" : "\""; break;
        case '\r': out += keepCarriageReturns ? "&#13;" : "\r"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

std::string xmlContent(const QString& text)
{
    return escaped(text, false, true);
}

std::string htmlEscaped(const QString& text)
{
    return escaped(text, true, false);
}

std::string htmlEscaped(std::string_view utf8)
{
    return htmlEscaped(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}
