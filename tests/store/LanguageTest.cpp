// The text catalogue: blanks, line breaks and fallbacks in every language.
#include "Language.h"
#include "LoadSave.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

bool startsWithBlank(const QString& text)
{
    return text.startsWith(' ');
}

// Blank, or the tab that two entries carry instead.
bool endsWithSpacing(const QString& text)
{
    return text.endsWith(' ') || text.endsWith('\t');
}

TEST(TextCatalogue, BlanksAtTheJoinsInEveryLanguage)
{
    const TextRow leadingAndTrailing[] = {txtOpwaarderen2, txtTussen2};
    const TextRow leading[] = {txtVoorZonOp, txtNaZonOp, txtVoorZonOnder, txtNaZonOnder, txtOpgewaardeerd1};
    const TextRow trailing[] = {txtVersie, txtOpwaarderen1, txtTestVersie, txtTussen1, txtDim, txtZo, txtMa, txtDi,
        txtWo, txtDo, txtVr, txtZa, txtFUwissen, txtFUprog, txtFUrecon, txtFUcontrFout, txtFUopwaarderen};
    for (int language = 0; language < nrofLanguages; ++language) {
        for (const TextRow row : leadingAndTrailing) {
            EXPECT_TRUE(startsWithBlank(gettext(row, language))) << textRowName(row) << " " << language;
            // The Russian "to" ends without a blank.
            if (!(row == txtOpwaarderen2 && language == 10)) {
                EXPECT_TRUE(endsWithSpacing(gettext(row, language))) << textRowName(row) << " " << language;
            }
        }
        for (const TextRow row : leading)
            EXPECT_TRUE(startsWithBlank(gettext(row, language))) << textRowName(row) << " " << language;
        for (const TextRow row : trailing)
            EXPECT_TRUE(endsWithSpacing(gettext(row, language))) << textRowName(row) << " " << language;
    }
    EXPECT_FALSE(gettext(txtOpwaarderen2, 10).endsWith(' '));
    EXPECT_TRUE(gettext(txtTussen1, 7).endsWith('\t')) << "Finnish";
    EXPECT_TRUE(gettext(txtDim, 4).endsWith('\t')) << "Spanish";
}

TEST(TextCatalogue, EveryEntryIsPresentAndOnlyTheHintsBreakLines)
{
    for (int row = 0; row < nrofTextRows; ++row) {
        for (int language = 0; language < nrofLanguages; ++language) {
            const QString text = gettext(static_cast<TextRow>(row), language);
            EXPECT_FALSE(text.trimmed().isEmpty()) << row << " " << language;
            const bool twoLines = row == txtPlaatsHint || row == txtCoordsHint;
            EXPECT_EQ(text.count('\r'), twoLines ? 1 : 0) << textRowName(static_cast<TextRow>(row)) << " " << language;
            EXPECT_FALSE(text.contains('\n'));
            if (QString::fromUtf8(TextCatalogue[row][0]).contains("Zolvo")) {
                EXPECT_TRUE(text.contains("Zolvo")) << textRowName(static_cast<TextRow>(row)) << " " << language;
            }
        }
    }
}

TEST(TextCatalogue, DutchAndEnglishEntries)
{
    const struct {
        TextRow row;
        const char* dutch;
        const char* english;
    } cases[] = {
        {txtVersie, "Versie ", "Version "},
        {txtNietAangesloten, "De Zolvo is niet aangesloten", "The Zolvo is not connected"},
        {txtGeenCode, "Apparaat heeft nog geen code", "Device has no code"},
        {txtPlaatsHint, "Kies een plaatsnaam\rof 'mijn locatie'", "Select a city\ror 'my location'"},
        {txtCoordsHint, "Kies 'mijn locatie' bij -plaats-\rom coördinaten in te stellen",
            "Select 'my location' under -city-\rto change coorditates"},
        {txtVoorZonOp, " min voor zon op", " before sun rise"},
        {txtProgSelAktie, "actie", "Command"},
        {txtKopie, "kopiëren", "copy"},
        {txtFUaddrerr, "Adres buiten flashbereik", "Address excedes flash size"},
        {txtWijzig2, "na klik op", "after clicking on"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gettext(c.row, 0), QString::fromUtf8(c.dutch)) << textRowName(c.row);
        EXPECT_EQ(gettext(c.row, 1), QString::fromUtf8(c.english)) << textRowName(c.row);
    }
    EXPECT_EQ(gettext(txtZo, 0) + gettext(txtMa, 0), "zo ma ");
    EXPECT_STREQ(textRowName(txtWijzig2), "txtWijzig2");
}

TEST(TextCatalogue, UnknownLanguagesFallBackToEnglish)
{
    for (const int language : {-1, 11, 255, 1 << 30})
        EXPECT_EQ(gettext(txtAfsluiten, language), "exit") << language;
    EXPECT_EQ(languageName(10).front(), QChar('P')) << "a Latin P";
    EXPECT_EQ(languageName(10), QString::fromUtf8("P\u0443\u0441\u0441\u043a\u0438\u0439"));
    EXPECT_EQ(languageName(3), QString::fromUtf8("Français"));
}

TEST(TextCatalogue, FollowsTheStoredLanguage)
{
    TestFolder folder;
    folder.write("language.dat", QByteArray("\x00\x04\x00\x00\x00\x00", 6));
    TLoadSave::setDataFolder(folder.path());
    EXPECT_EQ(gettext(txtMaand), "<month>") << "English while no store exists";
    TLoadSave::instance();
    EXPECT_EQ(gettext(txtMaand), "<maand>");
    TLoadSave::instance()->SetLanguage(1);
    EXPECT_EQ(gettext(txtMaand), "<month>");
    TLoadSave::destroyInstance();
    TLoadSave::setDataFolder(QString());
}

} // namespace
