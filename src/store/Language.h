#pragma once

#include <QString>

// The rows of the text catalogue, in catalogue order. Every visible text is
// named by its row and fetched in the current language.
enum TextRow : int {
#define ROW(name) name,
#include "TextRowNames.inc"
#undef ROW
};

inline constexpr int nrofTextRows = 144;
static_assert(txtWijzig2 == nrofTextRows - 1);
inline constexpr int nrofLanguages = 11;
inline constexpr int defaultLanguage = 1; // English

// The entry of `row` in `language`; an index outside 0..10 falls back to English.
QString gettext(TextRow row, int language);
// The language of the configuration store (English while there is none).
int currentLanguage();
// The entry of `row` in the language of the configuration store.
QString gettext(TextRow row);
// The C++ identifier of a row ("txtVersie" ...).
const char* textRowName(TextRow row);

// The catalogue itself: UTF-8 text, [row][language].
extern const char* const TextCatalogue[nrofTextRows][nrofLanguages];

// The name of a language as the language list shows it.
QString languageName(int language);
