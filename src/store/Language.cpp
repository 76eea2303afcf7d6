#include "Language.h"

#include "LoadSave.h"

namespace {

const char* const rowNames[nrofTextRows] = {
#define ROW(name) #name,
#include "TextRowNames.inc"
#undef ROW
};

} // namespace

QString gettext(TextRow row, int language)
{
    if (row < 0 || row >= nrofTextRows)
        return QString();
    // The stored language is used without a range check elsewhere; here an
    // unknown one falls back to English rather than reading outside the row.
    if (language < 0 || language >= nrofLanguages)
        language = defaultLanguage;
    return QString::fromUtf8(TextCatalogue[row][language]);
}

int currentLanguage()
{
    const TLoadSave* store = TLoadSave::existing();
    return store ? store->GetLanguage() : defaultLanguage;
}

QString gettext(TextRow row)
{
    return gettext(row, currentLanguage());
}

const char* textRowName(TextRow row)
{
    return row >= 0 && row < nrofTextRows ? rowNames[row] : "";
}

QString languageName(int language)
{
    // Each in its own language; the Russian name begins with a Latin P.
    static const char* const names[nrofLanguages] = {"Nederlands", "English", "Deutsch", "Français", "Español",
        "Português", "Italiano", "Suomi", "Magyar", "Türkçe", "P\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"};
    return language >= 0 && language < nrofLanguages ? QString::fromUtf8(names[language]) : QString();
}
