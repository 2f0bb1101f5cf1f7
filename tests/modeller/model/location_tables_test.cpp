// The location tables, the map's projection and the shielding choice.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "modeller/model/location_tables.h"
#include "modeller/model/model_error.h"
#include "site_fixture.h"

#include <set>
#include <string>
#include <tuple>

namespace pelmora {
namespace {

TEST(LocationMap, ProjectsPlacesToPixelsWithHalvesToEven) {
    struct Case {
        double longitude, latitude;
        MapPixel pixel;
    };
    const Case cases[] = {
        {150.0, -33.9, {554, 358}},  // 553.95 and 358.5: the half goes to the even 358
        {113.07, -10.0, {0, 0}},     // the top left corner
        {154.67, -44.2, {624, 513}}, // 41.6 and 34.2 degrees from it
        {113.07, -10.5, {0, 8}},     // 7.5 goes up to the even 8
        {113.07, -11.5, {0, 22}},    // 22.5 goes down to the even 22
        {120.0, -23.5, {104, 202}},  // 103.95; 202.5 goes down to 202
        {130.84, -12.46, {267, 37}}, // 266.55, 36.9
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapPosition(c.longitude, c.latitude), c.pixel) << c.longitude << " " << c.latitude;
}

TEST(LocationMap, PointerPositionProjectsBackToTheSamePixel) {
    EXPECT_NEAR(MapLongitude(0), 113.07, 1e-12);
    EXPECT_NEAR(MapLatitudeSouth(0), 10.0, 1e-12);
    EXPECT_NEAR(MapLongitude(554), 150.0033333, 1e-6);
    EXPECT_NEAR(MapLatitudeSouth(358), 33.8666667, 1e-6);
    for (int x = 0; x < kMapWidth; x += 7)
        for (int y = 0; y < kMapHeight; y += 11)
            ASSERT_EQ(MapPosition(MapLongitude(x), -MapLatitudeSouth(y)), (MapPixel{x, y})) << x << " " << y;
}

TEST(Shielding, StoredFactorSelectsTheLastItemAboveItLessATolerance) {
    const std::pair<double, int> cases[] = {
        {0.88, 0},    {0.74, 1},  {0.57, 2}, {0.31, 3}, // the items' own factors
        {0.8, 0},     {0.6, 1},   {0.5, 2},  {0.2, 3},  // between them
        {0.57005, 2},                                   // within the tolerance above a factor
        {0.5705, 1},                                    // past it
        {0.0, 3},     {0.95, -1},                       // below all; above all selects nothing
    };
    for (const auto& [factor, item] : cases) EXPECT_EQ(ShieldingItemFor(factor), item) << factor;
}

TEST(ClimateZones, FileNamesCarryTwoDigits) {
    EXPECT_EQ(ClimateFileNameOf(1), "climat01.TXT");
    EXPECT_EQ(ClimateFileNameOf(9), "climat09.TXT");
    EXPECT_EQ(ClimateFileNameOf(10), "climat10.TXT");
    EXPECT_EQ(ClimateFileNameOf(69), "climat69.TXT");
}

TEST(ClimateZones, ColoursAreDistinctAndNoneIsAColourOfTheMapItself) {
    std::set<std::tuple<int, int, int>> seen;
    for (int zone = 1; zone <= kClimateZoneCount; ++zone) {
        const MapColour c = ClimateZoneColours[static_cast<std::size_t>(zone)];
        EXPECT_TRUE(seen.insert({c.red, c.green, c.blue}).second) << "zone " << zone;
        EXPECT_EQ(ClimateZoneOfColour(c), zone);
    }
    EXPECT_EQ(ClimateZoneOfColour({48, 217, 39}), 37);
    EXPECT_EQ(ClimateZoneOfColour({48, 216, 39}), 48);
    // Sea, land, coast and border of the shipped picture, the grid, the location dot, black, white.
    for (MapColour c : {MapColour{196, 222, 242}, MapColour{238, 231, 206}, MapColour{92, 110, 128},
                        MapColour{168, 146, 118}, MapColour{121, 121, 121}, MapColour{255, 83, 0},
                        MapColour{0, 0, 0}, MapColour{255, 255, 255}})
        EXPECT_EQ(ClimateZoneOfColour(c), 0);
}

class LocationTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { site_test::writeSiteTables(folder.path()); }
    model_test::TempFolder folder;
};

TEST_F(LocationTablesTest, ReadsLocalitiesAndTheClimateLineOfAPostcode) {
    EXPECT_EQ(ReadPostcodeLocalities(folder.path(), 2620),
              (std::vector<std::string>{"QUEANBEYAN", "GOOGONG"}));
    EXPECT_TRUE(ReadPostcodeLocalities(folder.path(), 1234).empty());

    const PostcodeClimate c = ReadPostcodeClimate(folder.path(), 2620);
    EXPECT_TRUE(c.found);
    EXPECT_DOUBLE_EQ(c.Longitude, 149.23);
    EXPECT_DOUBLE_EQ(c.Latitude, -35.35);
    EXPECT_EQ(c.ZoneCount, 3);
    EXPECT_EQ(c.Zones, (std::array<int, 3>{28, 24, 29}));

    const PostcodeClimate none = ReadPostcodeClimate(folder.path(), 7000);
    EXPECT_TRUE(none.found);
    EXPECT_EQ(none.ZoneCount, 0);
    EXPECT_FALSE(ReadPostcodeClimate(folder.path(), 1234).found);
}

TEST_F(LocationTablesTest, TheLastLineOfAPostcodeGivesItsClimate) {
    folder.write("Data/CLIMPC.TXT", "3000 144.96 -37.81 42\r\n3000 145.00 -37.80 43 44\r\n");
    const PostcodeClimate c = ReadPostcodeClimate(folder.path(), 3000);
    EXPECT_DOUBLE_EQ(c.Longitude, 145.0);
    EXPECT_EQ(c.ZoneCount, 2);
    EXPECT_EQ(c.Zones[0], 43);
}

TEST_F(LocationTablesTest, NamesAreComparedExactlyOverTheirFirstSixtyCharacters) {
    EXPECT_EQ(FindPostcodesByName(folder.path(), "SPRINGFIELD"), (std::vector<int>{4300, 2250}));
    EXPECT_TRUE(FindPostcodesByName(folder.path(), "Springfield").empty());
    EXPECT_TRUE(FindPostcodesByName(folder.path(), "SPRING").empty());
    const std::string longName(70, 'X');
    folder.write("Data/PC.TXT", "0872 NT  " + longName + "\r\n");
    EXPECT_EQ(FindPostcodesByName(folder.path(), longName.substr(0, 60)), (std::vector<int>{872}));
    EXPECT_EQ(ReadPostcodeLocalities(folder.path(), 872), (std::vector<std::string>{longName}));
}

TEST_F(LocationTablesTest, ZoneNamesCitiesAndClimatePostcodes) {
    const TClimateZoneNames names = ReadClimateZoneNames(folder.path());
    EXPECT_EQ(names(5), "Alice Springs");
    EXPECT_EQ(names(62), "Perth");
    EXPECT_EQ(names(1), "");

    const std::vector<TCity> cities = LoadCities1(folder.path());
    ASSERT_EQ(cities.size(), 2u);
    EXPECT_EQ(cities[1].Name, "Canberra");
    EXPECT_EQ(cities[1].PositionCode, 4);
    EXPECT_EQ(cities[1].SizeClass, 2);
    EXPECT_DOUBLE_EQ(cities[1].Latitude, -35.28);

    const std::vector<ClimatePostcode> all = ReadClimatePostcodes(folder.path());
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[1].FirstZone, 5);
    EXPECT_EQ(all[3].FirstZone, 0) << "a postcode without a zone part";
}

TEST_F(LocationTablesTest, ListsStopAtAHundredEntries) {
    std::string localities, cities, climates;
    for (int i = 0; i < 150; ++i) {
        localities += "9999 NSW PLACE" + std::to_string(i) + "\r\n";
        localities += std::to_string(1000 + i) + " NSW SAMENAME\r\n";
        cities += "1 2 140.0 -30.0 Town" + std::to_string(i) + "\r\n";
    }
    folder.write("Data/PC.TXT", localities);
    folder.write("CITIES1.DAT", cities);
    const auto places = ReadPostcodeLocalities(folder.path(), 9999);
    ASSERT_EQ(places.size(), 100u);
    EXPECT_EQ(places.back(), "PLACE99");
    const auto postcodes = FindPostcodesByName(folder.path(), "SAMENAME");
    ASSERT_EQ(postcodes.size(), 100u);
    EXPECT_EQ(postcodes.back(), 1099);
    EXPECT_EQ(LoadCities1(folder.path()).size(), 100u);
}

TEST_F(LocationTablesTest, AMissingOrDamagedTableIsAnErrorNamingIt) {
    std::filesystem::remove(folder.path() / "Data/PC.TXT");
    EXPECT_NE(model_test::modelErrorOf([&] { ReadPostcodeLocalities(folder.path(), 6000); }).find("PC.TXT"),
              std::string::npos);

    struct Case {
        const char* table;
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"Data/CLIMPC.TXT", "6000 115.86 -31.95 62\r\n6001 11x.8 -31.95 62\r\n", "CLIMPC.TXT, line 2"},
        {"Data/CLIMPC.TXT", "6000 115.86 -31.95 70\r\n", "out of range"},
        {"Data/CLIMPC.TXT", "6000 115.86 -31.95 01 02 03 04\r\n", "more than three"},
        {"Data/clim69.txt", "0 -12.42 130.89 NT  Darwin\r\n", "clim69.txt, line 1"},
        {"CITIES1.DAT", "1 one 115.86 -31.95 Perth\r\n", "CITIES1.DAT, line 1"},
        {"Data/CLIMPC.TXT", "6000 115.86 -31.95 62\r\n6001 115.86 -95 62\r\n",
         "CLIMPC.TXT, line 2: latitude -95 lies outside -90 to 90 degrees"},
        {"Data/CLIMPC.TXT", "6000 500 -31.95 62\r\n",
         "CLIMPC.TXT, line 1: longitude 500 lies outside -180 to 180"},
        {"Data/CLIMPC.TXT", "6000 -180.5 -31.95 62\r\n", "longitude -180.5 lies outside"},
        {"Data/clim69.txt", "62 -90.01 115.86 WA  Perth\r\n",
         "clim69.txt, line 1: latitude -90.01 lies outside"},
        {"Data/clim69.txt", "62 -31.95 190 WA  Perth\r\n", "clim69.txt, line 1: longitude 190 lies outside"},
        {"CITIES1.DAT", "1 1 115.86 91 Perth\r\n", "CITIES1.DAT, line 1: latitude 91 lies outside"},
        {"CITIES1.DAT", "1 1 -200 -31.95 Perth\r\n", "CITIES1.DAT, line 1: longitude -200 lies outside"},
    };
    for (const Case& c : cases) {
        site_test::writeSiteTables(folder.path());
        folder.write(c.table, c.text);
        const std::string error = model_test::modelErrorOf([&] {
            ReadPostcodeClimate(folder.path(), 6000);
            ReadClimateZoneNames(folder.path());
            LoadCities1(folder.path());
        });
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(SiteTexts, DegreesSixWideWithOneDecimalAndPostcodesBlankForNone) {
    EXPECT_EQ(SiteDegrees(-33.95, true), " -34.0"); // -33.95 is stored a hair past the half
    EXPECT_EQ(SiteDegrees(115.86, true), " 115.9");
    EXPECT_EQ(SiteDegrees(0.0, true), "");
    EXPECT_EQ(SiteDegrees(0.0, false), "   0.0");
    EXPECT_EQ(PostcodeText(0), "");
    EXPECT_EQ(PostcodeText(800), "800");
}

} // namespace
} // namespace pelmora

namespace pelmora {
namespace {

// A control character in a name of a table would reach the site's name, the card file and the
// reports: the table is refused, naming the line, whatever the character.
TEST_F(LocationTablesTest, AControlCharacterInANameIsAnErrorNamingTheLine) {
    using namespace std::string_literals;
    struct Case {
        const char* table;
        std::string text;
        const char* says;
    };
    const Case cases[] = {
        {"Data/PC.TXT", "6000 WA  PERTH\r\n6000 WA  EAST\0PERTH\r\n"s,
         "PC.TXT, line 2: the locality holds the control character 00"},
        {"Data/PC.TXT", "6000 WA  PERTH\x1B[2J\r\n"s,
         "PC.TXT, line 1: the locality holds the control character 1B"},
        {"Data/PC.TXT", "6000 WA  PER\tTH\r\n"s, "the control character 09"},
        {"Data/PC.TXT", "6000 WA  PERTH\x7F\r\n"s, "the control character 7F"},
        {"Data/clim69.txt", "62 -31.95 115.86 WA  Pe\x01rth\r\n"s,
         "clim69.txt, line 1: the zone name holds the control character 01"},
        {"CITIES1.DAT", "1 1 115.86 -31.95 Per\0th\r\n"s,
         "CITIES1.DAT, line 1: the city name holds the control character 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        site_test::writeSiteTables(folder.path());
        folder.write(c.table, c.text);
        const std::string error = model_test::modelErrorOf([&] {
            ReadPostcodeLocalities(folder.path(), 6000);
            ReadClimateZoneNames(folder.path());
            LoadCities1(folder.path());
        });
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    // The name dialog reads every locality of the table.
    site_test::writeSiteTables(folder.path());
    folder.write("Data/PC.TXT", "6000 WA  PERTH\r\n2000 NSW SYD\0NEY\r\n"s);
    EXPECT_NE(model_test::modelErrorOf([&] {
                  FindPostcodesByName(folder.path(), "PERTH");
              }).find("PC.TXT, line 2: the locality holds the control character 00"),
              std::string::npos);
}

} // namespace
} // namespace pelmora
