// Windows-1252 names in the files, Unicode in the program.
#include "Cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, ConvertsBothWaysAndMarksWhatItLacks)
{
    const struct {
        const char* unicode;
        std::string windows1252;
    } cases[] = {
        {"Keuken", "Keuken"}, {"België", "Belgi\xEB"},
        {"Français €",
            "Fran\xE7"
            "ais \x80"},
        {"Œuvre “quoted” – ž",
            "\x8C"
            "uvre \x93quoted\x94 \x96 \x9E"},
        {"Łódź",
            "?\xF3"
            "d?"}, // Polish letters Windows-1252 lacks
        {"Кухня", "?????"}, {"smile 😀", "smile ?"}, // one "?" for one character, not per UTF-16 unit
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.unicode);
        EXPECT_EQ(toCp1252(text), c.windows1252) << c.unicode;
        if (c.windows1252.find('?') == std::string::npos) {
            EXPECT_EQ(fromCp1252(c.windows1252), text) << c.unicode;
        }
    }
}

TEST(Cp1252, UndefinedBytesReadAsQuestionMarks)
{
    EXPECT_EQ(fromCp1252("a\x81"
                         "b\x8D\x8F\x90\x9D"),
        "a?b????");
}

TEST(Cp1252, CutsToTheCapacityAfterConversion)
{
    ShortString<5> name;
    setShortString(name, QString::fromUtf8("Café au lait"));
    EXPECT_EQ(name.length, 5);
    EXPECT_EQ(toQString(name), QString::fromUtf8("Café "));
    setShortString(name, QString());
    EXPECT_TRUE(name.empty());

    // A damaged length byte never reads past the characters.
    name.length = 200;
    EXPECT_EQ(name.view().size(), 5u);
}

} // namespace
