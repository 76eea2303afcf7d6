#pragma once

#include <QString>

#include <string>
#include <string_view>

// Text on its way into XML and HTML answers.

// Characters that XML 1.0 cannot carry (most control characters, lone
// surrogates, U+FFFE and U+FFFF) become "?".
QString xmlSafeText(const QString& text);

// Element content in UTF-8 with "&", "<" and ">" escaped; CR is written as
// a character reference, so a parser hands it back instead of folding CR LF
// into LF.
std::string xmlContent(const QString& text);

// For HTML pages: "&", "<", ">" and '"' escaped.
std::string htmlEscaped(const QString& text);
std::string htmlEscaped(std::string_view utf8);

// ASCII case-insensitive comparison.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
