// The built-in location table and its lookups.
#include "Cp1252.h"
#include "Language.h"
#include "LoadSave.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Locations, CountriesInTheirRowsAndCounts)
{
    const struct {
        const char* land;
        int first;
        int count;
    } countries[] = {
        {"Bahrein", 1, 7},
        {"België", 8, 30},
        {"Deutschland", 38, 178},
        {"England", 216, 224},
        {"España", 440, 76},
        {"France", 516, 91},
        {"Italiana", 607, 126},
        {"Kuwait", 733, 6},
        {"Luxembourg", 739, 9},
        {"Magyarország", 748, 46},
        {"Nederland", 794, 116},
        {"New Zealand", 910, 8},
        {"Norge", 918, 9},
        {"Oman", 927, 36},
        {"Polska", 963, 47},
        {"Portugal", 1010, 20},
        {"Qatar", 1030, 7},
        {"Saudi Arabia", 1037, 13},
        {"Suomesta", 1050, 10},
        {"Sverige", 1060, 25},
        {"Türkiye", 1085, 13},
        {"United Arab Emirates", 1098, 6},
    };
    int expectedFirst = 1;
    for (const auto& c : countries) {
        const QString land = QString::fromUtf8(c.land);
        EXPECT_EQ(c.first, expectedFirst) << c.land;
        for (int row = c.first; row < c.first + c.count; ++row)
            EXPECT_EQ(toQString(DefLocations[row].Land), land) << row;
        EXPECT_EQ(TLoadSave::getPlaatsen(land).size(), c.count) << c.land;
        expectedFirst = c.first + c.count;
    }
    EXPECT_EQ(expectedFirst, nrofDefLocs);
}

TEST(Locations, NamedRows)
{
    const struct {
        int row;
        const char* land;
        const char* plaats;
        int latG, latM, latNS, longG, longM, longEW;
    } rows[] = {
        {0, "eigen locatie", "eigen locatie", 0, 0, 0, 0, 0, 0},
        {1, "Bahrein", "Al Hidd", 26, 15, 0, 50, 39, 0},
        {339, "England", "London", 51, 32, 0, 0, 5, 1},
        {1103, "United Arab Emirates", "Umm al-Quwain", 25, 59, 0, 55, 56, 0},
    };
    for (const auto& r : rows) {
        const Locat& l = DefLocations[r.row];
        EXPECT_EQ(toQString(l.Land), r.land) << r.row;
        EXPECT_EQ(toQString(l.PlaatsNaam), r.plaats) << r.row;
        EXPECT_EQ(std::vector<int>({l.latG, l.latM, l.latNS, l.longG, l.longM, l.longEW}),
            std::vector<int>({r.latG, r.latM, r.latNS, r.longG, r.longM, r.longEW}))
            << r.row;
    }
    for (const int row : {310, 311})
        EXPECT_EQ(toQString(DefLocations[row].PlaatsNaam), "Harrow");
    for (const int row : {998, 1000})
        EXPECT_EQ(toQString(DefLocations[row].PlaatsNaam), "Szczecin");
}

TEST(Locations, EveryRowIsWellFormed)
{
    std::set<std::pair<std::string, std::string>> seen;
    for (int row = 1; row < nrofDefLocs; ++row) {
        const Locat& l = DefLocations[row];
        EXPECT_FALSE(l.PlaatsNaam.empty()) << row;
        EXPECT_LE(l.latG, 90);
        EXPECT_LE(l.longG, 180);
        EXPECT_LE(l.latM, 59);
        EXPECT_LE(l.longM, 59);
        EXPECT_LE(l.latNS, 1);
        EXPECT_LE(l.longEW, 1);
        const bool repeated = row == 311 || row == 1000;
        EXPECT_EQ(seen.emplace(std::string(l.Land.view()), std::string(l.PlaatsNaam.view())).second, !repeated)
            << row << " " << toQString(l.PlaatsNaam).toStdString();
    }
}

TEST(Locations, Lookups)
{
    EXPECT_EQ(TLoadSave::getLocatieIndex("England", "Harrow"), 311) << "the later of two equal rows";
    EXPECT_EQ(TLoadSave::getLocatieIndex("Polska", "Szczecin"), 1000);
    EXPECT_EQ(TLoadSave::getLocatieIndex("England", "London"), 339);
    EXPECT_EQ(TLoadSave::getLocatieIndex("england", "london"), 0) << "case-sensitive";
    EXPECT_EQ(TLoadSave::getLocatieIndex("England", "Atlantis"), 0);
    EXPECT_EQ(TLoadSave::getLocatie("Bahrein", "Al Hidd").latM, 15);
    EXPECT_EQ(TLoadSave::getLocatie("Nowhere", "Atlantis").latG, 0);

    const QStringList landen = TLoadSave::getLanden();
    ASSERT_EQ(landen.size(), 23);
    EXPECT_EQ(landen[0], gettext(txtMijnLocatie));
    EXPECT_EQ(landen[1], "Bahrein");
    EXPECT_EQ(landen[22], "United Arab Emirates");
    EXPECT_TRUE(TLoadSave::getPlaatsen(landen[0]).isEmpty());
    EXPECT_TRUE(TLoadSave::getPlaatsen("england").isEmpty());
    EXPECT_EQ(TLoadSave::getPlaatsen("England").count("Harrow"), 2) << "duplicates included";
}

} // namespace
