#pragma once

#include "ShortString.h"

#include <QString>

#include <string>
#include <string_view>

// Names are Windows-1252 in the data files and Unicode in the program.
// A character that Windows-1252 lacks becomes "?", and so does a byte that
// Windows-1252 leaves undefined.
std::string toCp1252(const QString& text);
QString fromCp1252(std::string_view bytes);

// Stores text into a short string, cut to its capacity after conversion.
template <std::size_t N> void setShortString(ShortString<N>& target, const QString& text)
{
    target.assign(toCp1252(text));
}

template <std::size_t N> QString toQString(const ShortString<N>& source)
{
    return fromCp1252(source.view());
}
