// One timer action: validity, table fields, sort key and its four texts.
#include "ProgAktie.h"
#include "Clock.h"
#include "Language.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

constexpr int Dutch = 0;
constexpr int English = 1;

struct Fields {
    int ruimte = 0, apparaat = 0, maand = 0, dag = 0, uur = 24, minuut = 0, zon = 0;
    bool random = false;
    int onOffDim = 18;
};

ProgAktie make(const Fields& f)
{
    ProgAktie a;
    a.Ruimte = f.ruimte;
    a.Apparaat = f.apparaat;
    a.Maand = f.maand;
    a.DagDatum = f.dag;
    a.Uur = f.uur;
    a.Minuut = f.minuut;
    a.ZonOffset = f.zon;
    a.RandomB = f.random;
    a.OnOffDim = static_cast<std::uint8_t>(f.onOffDim);
    return a;
}

TEST(ProgAktie, NewActionIsIncompleteAndRendersItsPlaceholders)
{
    const ProgAktie a;
    EXPECT_FALSE(a.valid());
    EXPECT_EQ(a.Ruimte, -1);
    EXPECT_EQ(a.Uur, 24);
    EXPECT_EQ(a.OnOffDim, 18);
    EXPECT_EQ(a.maandStr(English), "<month>");
    EXPECT_EQ(a.dagDatumStr(English), "<day/date>");
    EXPECT_EQ(a.tijdStr(English), "<time>");
    EXPECT_EQ(a.OnOffDimStr(English), "<Command>");
    EXPECT_EQ(a.maandStr(Dutch), "<maand>");
    EXPECT_EQ(a.dagDatumStr(Dutch), "<dag/datum>");
    EXPECT_EQ(a.tijdStr(Dutch), "<tijd>");
    EXPECT_EQ(a.OnOffDimStr(Dutch), "<actie>");
}

TEST(ProgAktie, Renderings)
{
    const struct {
        Fields fields;
        const char* maand[2];
        const char* dag[2];
        const char* tijd[2];
        const char* command[2];
    } cases[] = {
        {{.maand = 1, .dag = 1, .uur = 7, .minuut = 5, .onOffDim = 17}, {"januari", "January"}, {"1", "1"},
            {"07:05", "07:05"}, {"aan", "on"}},
        {{.maand = 12, .dag = 31, .uur = 0, .minuut = 0, .onOffDim = 0}, {"december", "December"}, {"31", "31"},
            {"00:00", "00:00"}, {"uit", "off"}},
        {{.maand = 13, .dag = 138, .zon = 45, .onOffDim = 5}, {"elke maand", "every month"}, {"ma wo ", "Mo We "},
            {"15 min voor zon op", "15 before sun rise"}, {"dim 5", "dim 5"}},
        {{.maand = 13, .dag = 255, .zon = 60, .onOffDim = 16}, {"elke maand", "every month"},
            {"zo ma di wo do vr za ", "Su Mo Tu We Th Fr Sa "}, {"zon op", "sun rise"}, {"dim 16", "dim 16"}},
        {{.maand = 6, .dag = 128, .zon = 75, .onOffDim = 19}, {"juni", "June"}, {"", ""},
            {"15 min na zon op", "15 after sun rise"}, {"wake-up 10", "wake-up 10"}},
        {{.maand = 6, .dag = 129, .zon = 179, .onOffDim = 21}, {"juni", "June"}, {"zo ", "Su "},
            {"1 min voor zon onder", "1 before sun set"}, {"wake-up 30", "wake-up 30"}},
        {{.maand = 6, .dag = 192, .zon = 180, .onOffDim = 20}, {"juni", "June"}, {"za ", "Sa "},
            {"zon onder", "sun set"}, {"wake-up 20", "wake-up 20"}},
        {{.maand = 6, .dag = 2, .zon = 239, .onOffDim = 1}, {"juni", "June"}, {"2", "2"},
            {"59 min na zon onder", "59 after sun set"}, {"dim 1", "dim 1"}},
        {{.maand = 3, .dag = 3, .uur = 23, .minuut = 30, .random = true, .onOffDim = 17}, {"maart", "March"},
            {"3", "3"}, {"tussen 23:30 en 00:30", "between 23:30 and 00:30"}, {"aan", "on"}},
        {{.maand = 3, .dag = 3, .uur = 8, .minuut = 9, .zon = 120, .random = true, .onOffDim = 17}, {"maart", "March"},
            {"3", "3"}, {"tussen 08:09 en 09:09", "between 08:09 and 09:09"}, {"aan", "on"}},
        {{.ruimte = 18, .maand = 3, .dag = 3, .uur = 8, .onOffDim = 0}, {"maart", "March"}, {"3", "3"},
            {"08:00", "08:00"}, {"uitvoeren", "execute"}},
    };
    for (const auto& c : cases) {
        const ProgAktie a = make(c.fields);
        for (const int language : {Dutch, English}) {
            EXPECT_EQ(a.maandStr(language), QString::fromUtf8(c.maand[language])) << c.maand[1];
            EXPECT_EQ(a.dagDatumStr(language), QString::fromUtf8(c.dag[language])) << c.dag[1];
            EXPECT_EQ(a.tijdStr(language), QString::fromUtf8(c.tijd[language])) << c.tijd[1];
            EXPECT_EQ(a.OnOffDimStr(language), QString::fromUtf8(c.command[language])) << c.command[1];
        }
    }
}

TEST(ProgAktie, ValidityAndDates)
{
    const Fields complete {.ruimte = 0, .apparaat = 0, .maand = 2, .dag = 29, .uur = 7, .onOffDim = 17};
    EXPECT_TRUE(make(complete).valid());

    const struct {
        Fields fields;
        bool valid;
        bool validDate;
    } cases[] = {
        {{.apparaat = 0, .maand = 2, .dag = 30, .uur = 7, .onOffDim = 17}, false, false},
        {{.apparaat = 0, .maand = 13, .dag = 31, .uur = 7, .onOffDim = 17}, true, true},
        {{.apparaat = 0, .maand = 4, .dag = 31, .uur = 7, .onOffDim = 17}, false, false},
        {{.apparaat = 0, .maand = 2, .dag = 129, .uur = 7, .onOffDim = 17}, true, true},
        {{.apparaat = 0, .maand = 2, .dag = 255, .uur = 7, .onOffDim = 17}, true, true},
        {{.apparaat = 0, .maand = 0, .dag = 5, .uur = 7, .onOffDim = 17}, false, true}, // no month
        {{.apparaat = 0, .maand = 1, .dag = 0, .uur = 7, .onOffDim = 17}, false, true}, // no day
        {{.apparaat = 0, .maand = 1, .dag = 5, .uur = 24, .onOffDim = 17}, false, true}, // no time
        {{.apparaat = 0, .maand = 1, .dag = 5, .zon = 180, .onOffDim = 17}, true, true}, // at sunset
        {{.apparaat = 0, .maand = 1, .dag = 5, .uur = 7, .onOffDim = 18}, false, true}, // no command
        {{.ruimte = 17, .maand = 1, .dag = 5, .uur = 7, .onOffDim = 18}, true, true}, // scenes need none
        {{.ruimte = -1, .maand = 1, .dag = 5, .uur = 7, .onOffDim = 17}, false, true},
    };
    for (const auto& c : cases) {
        const ProgAktie a = make(c.fields);
        EXPECT_EQ(a.valid(), c.valid) << a.getIndex();
        EXPECT_EQ(a.validDate(), c.validDate) << a.getIndex();
    }
}

TEST(ProgAktie, TableFields)
{
    ProgAktie a = make({.ruimte = 20, .maand = 5, .dag = 138, .zon = 61, .onOffDim = 19});
    EXPECT_TRUE(a.IsCombinatie());
    EXPECT_EQ(a.getCombiNr(), 3);
    EXPECT_FALSE(a.isdatum());
    EXPECT_EQ(a.getdays(), 138);
    EXPECT_EQ(a.tabelflags(), 3);
    EXPECT_EQ(a.WakeUpInterval(), 1);
    a.setWakeUpInterval(3);
    EXPECT_EQ(a.OnOffDim, 21);
    a.OnOffDim = 17;
    EXPECT_EQ(a.WakeUpInterval(), 0);
    a.OnOffDim = 18;
    EXPECT_EQ(a.WakeUpInterval(), 0);

    const ProgAktie b = make({.ruimte = 16, .maand = 5, .dag = 7, .uur = 3, .onOffDim = 0});
    EXPECT_FALSE(b.IsCombinatie()) << "room 16 is not a scene";
    EXPECT_EQ(b.getCombiNr(), 0);
    EXPECT_TRUE(b.isdatum());
    EXPECT_EQ(b.tabelflags(), 0);
}

TEST(ProgAktie, SortKeyAndTimeStamp)
{
    Clock::setFixed(QDateTime(QDate(2014, 4, 17), QTime(12, 0)));
    ProgAktie a = make({.ruimte = 3, .apparaat = 0, .maand = 13, .dag = 138, .uur = 7, .minuut = 5});
    EXPECT_DOUBLE_EQ(a.randomNr, 41746.5);
    EXPECT_EQ(a.getIndex(),
        "0300131170705"
        "41746.5");

    const ProgAktie fresh;
    EXPECT_EQ(fresh.getIndex().substr(0, 15), "-01-01000002400");
    const ProgAktie everyDay = make({.ruimte = 1, .apparaat = 2, .maand = 1, .dag = 255, .uur = 0});
    EXPECT_EQ(everyDay.getIndex().substr(0, 13), "0102010000000");
    const ProgAktie weekdaysOnly = make({.ruimte = 1, .apparaat = 2, .maand = 1, .dag = 128, .uur = 0});
    EXPECT_EQ(weekdaysOnly.getIndex().substr(6, 3), "128");

    Clock::setFixed(QDateTime(QDate(2014, 4, 17), QTime(18, 0)));
    const auto copy = a.clone();
    EXPECT_EQ(copy->Ruimte, 3);
    EXPECT_EQ(copy->DagDatum, 138);
    EXPECT_DOUBLE_EQ(copy->randomNr, 41746.75) << "a copy is stamped anew";
    EXPECT_LT(a.getIndex(), copy->getIndex()) << "equal actions keep their order of creation";
    Clock::setFixed(std::nullopt);
}

} // namespace
