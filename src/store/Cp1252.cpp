#include "Cp1252.h"

#include <QList>

#include <iconv.h>
#include <stdexcept>

namespace {

// One converter per direction and thread: iconv descriptors keep state and
// are not safe to share between threads.
class Converter {
public:
    Converter(const char* to, const char* from)
        : _cd(iconv_open(to, from))
    {
        if (_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one unit of input; false when the target lacks it.
    bool convert(const char* in, std::size_t inSize, std::string& out)
    {
        iconv(_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = const_cast<char*>(in);
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(_cd, &inPtr, &inSize, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return false;
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        return true;
    }

private:
    iconv_t _cd;
};

Converter& toCp1252Converter()
{
    thread_local Converter converter("WINDOWS-1252", "UTF-32LE");
    return converter;
}

Converter& fromCp1252Converter()
{
    thread_local Converter converter("UTF-32LE", "WINDOWS-1252");
    return converter;
}

} // namespace

std::string toCp1252(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t codePoint : text.toUcs4()) {
        if (codePoint < 0x80) {
            out.push_back(static_cast<char>(codePoint));
            continue;
        }
        const char in[4] = {static_cast<char>(codePoint & 0xFF), static_cast<char>((codePoint >> 8) & 0xFF),
            static_cast<char>((codePoint >> 16) & 0xFF), static_cast<char>(codePoint >> 24)};
        if (!toCp1252Converter().convert(in, sizeof in, out))
            out.push_back('?');
    }
    return out;
}

QString fromCp1252(std::string_view bytes)
{
    std::u32string codePoints;
    codePoints.reserve(bytes.size());
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            codePoints.push_back(static_cast<unsigned char>(byte));
            continue;
        }
        std::string utf32;
        if (fromCp1252Converter().convert(&byte, 1, utf32) && utf32.size() == 4) {
            const auto* b = reinterpret_cast<const unsigned char*>(utf32.data());
            codePoints.push_back(char32_t(b[0]) | char32_t(b[1]) << 8 | char32_t(b[2]) << 16 | char32_t(b[3]) << 24);
        } else {
            codePoints.push_back(U'?');
        }
    }
    return QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size()));
}
