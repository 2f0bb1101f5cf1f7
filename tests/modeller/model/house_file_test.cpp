#include "common/control_characters.h"
#include "modeller/model/defaults_file.h"
#include "modeller/model/house_file.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/model_error.h"
#include "modeller/model/plan_geometry.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using ::testing::HasSubstr;

using pelmora::HouseModel;
using pelmora::ModelError;
using pelmora::TPlanPoint;

// A model as a new house leaves it: one level, no zones, factory defaults.
std::unique_ptr<HouseModel> newHouse() {
    auto m = std::make_unique<HouseModel>();
    m->LevelCount = 1;
    m->CurrentLevel = 1;
    m->ProjectName = "New Project";
    m->RunNumber = 1;
    m->SoftwareName = "VORT";
    m->SoftwareVersion = "4.1";
    m->NewZoneOptions.DefFanDiameter = 1200.0;
    for (int level = 1; level <= pelmora::kMaxLevels; ++level) {
        pelmora::SetDefaultDefaults(*m, level);
        m->LevelPictures(level).ScalePos = 1.0;
    }
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) m->SiteObstructions(side)(k).Shading.fill(100);
    return m;
}

int lineCount(const std::string& text) {
    int n = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
    return n;
}

// Line n (1-based) of a file's text.
std::string line(const std::string& text, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) start = text.find("\r\n", start) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

TEST(HouseFile, AnEmptyOneLevelHouseHasTheLinesOfEveryBlock) {
    auto m = newHouse();
    const std::string text = pelmora::houseFileText(*m);
    // Header 35, one comment line, level count, eaves (count, defined flag, one point pair), picture
    // placement 3, zone count, new-zone options 12, site obstructions 192, six levels of defaults 73.
    EXPECT_EQ(lineCount(text), 35 + 1 + 1 + (2 + 2) + 3 + 1 + 12 + 192 + 6 * 73);
    EXPECT_EQ(text.size(), text.rfind("\r\n") + 2); // every line ends in CR LF
    EXPECT_EQ(line(text, 1), "New Project");
    EXPECT_EQ(line(text, 31), "VORT");
    EXPECT_EQ(line(text, 37), "1");                           // LevelCount
    EXPECT_EQ(line(text, 39), "FALSE");                       // EavesDefined
    EXPECT_EQ(line(text, 44), " 1.00000000000000E+0000");     // ScalePos
    EXPECT_EQ(line(text, 45), "0");                           // ZoneCount
    EXPECT_EQ(line(text, 46 + 8), " 1.20000000000000E+0003"); // DefFanDiameter
    EXPECT_EQ(line(text, 46 + 12 + 4), "100");                // Shading of the first obstruction, January
    EXPECT_EQ(line(text, 46 + 12 + 192 + 41), "GGG-05-001a"); // DefWinCode of level 1
}

// A house of three levels with zones holding every kind of element.
std::unique_ptr<HouseModel> richHouse() {
    auto m = newHouse();
    m->ProjectName = "Hillside";
    m->RunNumber = 7;
    m->LocationName = "Ardmore";
    m->ClimateFileName = "climat21.TXT";
    m->Postcode = 3142;
    m->Longitude = 145.0;
    m->Latitude = -37.85;
    m->NorthAngle = 0.3;
    m->ShieldingFactor = 0.57;
    m->ClientName = "R. Ortiz";
    m->AssessorNumber = "A-1192";
    m->DwellingSuburb = "Ardmore";
    m->AssessmentDate = "10/12/2026";
    m->StateIndex = 3;
    m->CommentLineCount = 2;
    m->CommentLines = {"North-facing living areas", "Slab on ground"};
    m->LevelCount = 3;
    m->Eaves(1).Count = 4;
    m->EavesDefined(1) = true;
    const TPlanPoint eaves[] = {{0, 0}, {210, 0}, {210, 130}, {0, 130}, {3, 4}};
    for (int p = 0; p < 5; ++p) m->Eaves(1).Points(p) = eaves[p];
    m->LevelPictures(2).OffsetX = -40;
    m->LevelPictures(2).ScalePos = 512.5;
    m->ZoneCount = 3;
    const int levels[] = {1, 1, 2};
    for (int z = 1; z <= 3; ++z) {
        auto& zone = m->Zones(z);
        zone.NodeCount = 4;
        zone.Level = levels[z - 1];
        zone.Name = "Zone " + std::to_string(z);
        zone.FloorArea = 20.0 + z;
        zone.FanDiameter = 1200.0;
        zone.ZoneType = z;
        zone.Heated = z != 2;
        zone.Cooled = z == 1;
        zone.InsectScreens = true;
        zone.Colour = 0x00336699;
        const TPlanPoint corners[] = {{0, 0}, {100, 0}, {100, 120}, {0, 120}};
        for (int w = 0; w <= 4; ++w) {
            auto& wall = m->Walls(z, w);
            wall.Start = corners[w % 4];
            wall.ExtMaterial = 2;
            wall.ExtAddedR = -0.5; // written with "-" in the sign position
            wall.Length = 5.0;
            wall.ExtHeight = 2.4;
            wall.Absorptance = 0.6;
            wall.Azimuth = 90.0 * w;
        }
        m->Walls(z, 1).AdjZone = z == 1 ? 2 : 0;
        m->Walls(z, 0).WindowCount = 2;
        for (int i = 1; i <= 2; ++i) {
            auto& win = m->WallWindows(z, 0, i);
            win.Position = 1.5 * i;
            win.Width = 1.2;
            win.Height = 1.5;
            win.ElementArea = 1.8;
            win.Offset = 0.25;
            win.SecondEaves = 0.6;
            win.HeadHeight = 2.1;
            win.NodePoint = {30 * i, 0};
            win.ProductCode = "GGG-05-0" + std::to_string(10 + i) + "a";
            win.PermanentlyOpen = i == 2;
            win.MonthlyShading.fill(100);
            win.MonthlyShading(1) = 40;
            win.VertShadeLeftWidth = 0.3;
            win.VertShadeRightOffset = 0.1;
        }
        m->Walls(z, 2).DoorCount = 1;
        m->WallDoors(z, 2, 1) = {2.0, 0.82, 2.04, 1.6728, 180.0, 0.45, 0.0, {100, 40}, 3};
        // The slot after the last wall carries a window too: the file keeps it.
        m->Walls(z, 4).WindowCount = 1;
        m->WallWindows(z, 4, 1).Width = 0.9;
        zone.IntWallCount = 1;
        m->ZoneIntWalls(z, 1) = {2, 1, 3.2, 2.4, 90.0, 0.5, {10, 10}, {10, 74}};
        zone.SkylightCount = 1;
        auto& sky = m->ZoneSkylights(z, 1);
        sky.SkyProduct = 2;
        sky.Width = 600.0;
        sky.Height = 900.0;
        sky.ProductCode = "GEN-04-003a";
        sky.WindowCode = "GGG-05-001a";
        sky.Clerestory = z == 3;
        sky.ShaftLength = 400;
        sky.ShaftR = 0.5;
        m->ZoneRoofs(z) = {1, 2, 1, 3, 1, 0.5, 22.5, 0.7, 0x00AABBCC};
        m->ZoneCeilings(z).Material = 1;
        m->ZoneCeilings(z).AddedR = 3.5;
        m->ZoneCeilings(z).SharedZones(1) = z;
        m->ZoneCeilings(z).SharedZones(3) = 2;
        m->ZoneExtFloors(z).Material = 3;
        m->ZoneExtFloors(z).FloorReflective = 1;
        m->ZoneExtFloors(z).UnderFloorHeight = 600.0;
        m->ZoneExtFloors(z).SharedZones(1) = z;
        m->ZoneIntCeilings(z) = {4, 2, 1.5};
        m->ZoneFloorCovers(z).FloorCovering = 5;
    }
    // A stairwell from zone 3 (level 2) down to zone 1, and its mirror.
    m->Zones(3).StairDownCount = 1;
    m->StairsDown(3, 1) = {2400.0, 1000.0, 1, 4};
    m->Zones(1).StairUpCount = 1;
    m->StairsUp(1, 1) = {2400.0, 1000.0, 3, 4};
    m->NewZoneOptions.DefDraughtSeals = true;
    m->NewZoneOptions.DefStairWidth = 900.0;
    m->SiteObstructions(2)(3) = {12.0, -3.0, 4.0, 6.5, {}};
    m->SiteObstructions(2)(3).Shading(6) = 55;
    m->LevelDefaults(3).DefWinCode = "ABC-02-002b";
    m->LevelDefaults(3).DefExtHeight = 2700.0;
    return m;
}

TEST(HouseFile, ARichHouseSurvivesAWriteReadWriteRoundTrip) {
    model_test::TempFolder folder;
    auto m = richHouse();
    const auto file = folder.path() / "Hillside_7.VOR";
    pelmora::WriteHouseFile(*m, file);

    auto back = newHouse();
    pelmora::ReadHouseFile(*back, file);
    EXPECT_EQ(pelmora::houseFileText(*back), pelmora::houseFileText(*m));

    EXPECT_EQ(back->ZoneCount, 3);
    EXPECT_EQ(back->Zones(3).Name, "Zone 3");
    EXPECT_EQ(back->Walls(2, 0).ExtAddedR, -0.5);
    EXPECT_EQ(back->WallWindows(1, 0, 2).ProductCode, "GGG-05-012a");
    EXPECT_EQ(back->WallWindows(1, 4, 1).Width, 0.9); // the slot after the last wall
    EXPECT_EQ(back->StairsDown(3, 1).Width, 1000.0);
    EXPECT_EQ(back->SiteObstructions(2)(3).Shading(6), 55);
    EXPECT_EQ(back->LevelDefaults(3).DefWinCode, "ABC-02-002b");
    EXPECT_EQ(back->CommentLines, m->CommentLines);
    EXPECT_EQ(back->Eaves(1).Points(4), (TPlanPoint{3, 4}));
    EXPECT_EQ(back->EavesNodes(1, 2), (TPlanPoint{210, 130}));
    // Restored though the file does not hold them.
    EXPECT_EQ(back->ZoneNodes(2, 2), (TPlanPoint{100, 120}));
    EXPECT_EQ(back->LastStairId, 4);
    EXPECT_EQ(back->ClimateZone, 21);
    EXPECT_EQ(back->Magnification, 1.0);
}

// A zone stored anticlockwise on the screen (as a file not written by the plan editor may hold it) is
// read clockwise, as the plan editor stores every outline: the corner fins and the walls' obstruction
// frames follow the outline's direction.  Each wall keeps its record and openings, and every opening
// stays where it stood on the plan.
TEST(HouseFile, AnOutlineStoredAnticlockwiseIsReadClockwiseWithItsOpeningsInPlace) {
    model_test::TempFolder folder;
    auto m = newHouse();
    m->ZoneCount = 1;
    m->Zones(1).NodeCount = 4;
    m->Zones(1).Level = 1;
    m->Zones(1).FloorArea = 30.0;
    // Down the left side, along the bottom, up the right side, back along the top (px at 20 px/m).
    const TPlanPoint corners[] = {{0, 0}, {0, 120}, {100, 120}, {100, 0}};
    for (int w = 0; w < 4; ++w) {
        m->Walls(1, w).Start = corners[w];
        m->Walls(1, w).ExtMaterial = 10 + w;
    }
    m->Walls(1, 0).WindowCount = 1;
    m->WallWindows(1, 0, 1).Position = 1.5; // 30 px down the left side: (0, 30)
    m->WallWindows(1, 0, 1).Width = 0.9;
    m->Walls(1, 3).DoorCount = 1;
    m->WallDoors(1, 3, 1).Position = 1.0; // 20 px along the top from its right end: (80, 0)
    m->WallDoors(1, 3, 1).Width = 0.82;
    const auto file = folder.path() / "Turned_1.VOR";
    pelmora::WriteHouseFile(*m, file);

    auto back = newHouse();
    pelmora::ReadHouseFile(*back, file);

    const TPlanPoint clockwise[] = {{0, 0}, {100, 0}, {100, 120}, {0, 120}};
    const int material[] = {13, 12, 11, 10}; // each wall's record went with it
    for (int w = 0; w < 4; ++w) {
        EXPECT_EQ(back->ZoneNodes(1, w), clockwise[w]) << "node " << w;
        EXPECT_EQ(back->Walls(1, w).Start, clockwise[w]) << "wall " << w;
        EXPECT_EQ(back->Walls(1, w).ExtMaterial, material[w]) << "wall " << w;
    }
    EXPECT_EQ(back->Walls(1, 0).DoorCount, 1) << "the top";
    EXPECT_EQ(back->Walls(1, 3).WindowCount, 1) << "the left side";
    EXPECT_EQ(back->Walls(1, 1).WindowCount + back->Walls(1, 2).WindowCount, 0);
    EXPECT_DOUBLE_EQ(back->WallDoors(1, 0, 1).Position, 4.0);
    EXPECT_DOUBLE_EQ(back->WallWindows(1, 3, 1).Position, 4.5);
    EXPECT_EQ(pelmora::OpeningNodePoint(*back, 1, 0, back->WallDoors(1, 0, 1).Position), (TPlanPoint{80, 0}));
    EXPECT_EQ(pelmora::OpeningNodePoint(*back, 1, 3, back->WallWindows(1, 3, 1).Position),
              (TPlanPoint{0, 30}));
    EXPECT_EQ(back->WallWindows(1, 3, 1).Width, 0.9);
}

TEST(HouseFile, KeepsTheLineOrderOfEachRecord) {
    auto m = richHouse();
    const std::string text = pelmora::houseFileText(*m);
    // Header 35, comment lines 0..2, level count, eaves of three levels (level 1: 2 + 5 pairs,
    // levels 2 and 3: 2 + 1 pair), pictures 3 x 3, zone count: zone 1 starts at line 81.
    const int zone1 = 35 + 3 + 1 + (2 + 10) + 2 * (2 + 2) + 9 + 1 + 1;
    EXPECT_EQ(line(text, zone1), "4");           // NodeCount
    EXPECT_EQ(line(text, zone1 + 19), "Zone 1"); // Name
    const int wall0 = zone1 + 23;
    EXPECT_EQ(line(text, wall0 + 1), "2");                       // WindowCount
    EXPECT_EQ(line(text, wall0 + 9), "-5.00000000000000E-0001"); // ExtAddedR
    const int window1 = wall0 + 23;
    EXPECT_EQ(line(text, window1 + 6), " 2.50000000000000E-0001"); // Offset before
    EXPECT_EQ(line(text, window1 + 7), " 6.00000000000000E-0001"); // SecondEaves
    EXPECT_EQ(line(text, window1 + 9), "30");                      // NodePoint X
    EXPECT_EQ(line(text, window1 + 16), "GGG-05-011a");
    EXPECT_EQ(line(text, window1 + 18), "40");                      // MonthlyShading, January
    EXPECT_EQ(line(text, window1 + 30), " 3.00000000000000E-0001"); // VertShadeLeftWidth
}

TEST(HouseFile, ReadsTextsAsTheLinesHoldThem) {
    model_test::TempFolder folder;
    auto m = richHouse();
    std::string text = pelmora::houseFileText(*m);
    // LF line ends, 8-bit text in the project name, a zone name longer than 15 characters and a
    // boolean written in lower case.
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    const int zone1 = 35 + 3 + 1 + (2 + 10) + 2 * (2 + 2) + 9 + 1 + 1;
    auto replaceLine = [&](int n, const std::string& with) {
        std::size_t start = 0;
        for (int i = 1; i < n; ++i) start = lf.find('\n', start) + 1;
        lf.replace(start, lf.find('\n', start) - start, with);
    };
    replaceLine(1, "Caf\xE9 Terrace");
    replaceLine(zone1 + 19, "Living and dining room");
    replaceLine(zone1 + 13, "true"); // InsectScreens
    const auto file = folder.write("house/Cafe_7.VOR", lf);
    auto back = newHouse();
    pelmora::ReadHouseFile(*back, file);
    EXPECT_EQ(back->ProjectName, "Caf\xE9 Terrace");
    EXPECT_EQ(back->Zones(1).Name, "Living and dini");
    EXPECT_FALSE(back->Zones(1).InsectScreens);
    EXPECT_TRUE(back->Zones(2).InsectScreens);
}

TEST(HouseFile, ABadFileIsReportedAndLeavesTheHouseAsItWas) {
    model_test::TempFolder folder;
    const std::string good = pelmora::houseFileText(*richHouse());
    const int zone1 = 35 + 3 + 1 + (2 + 10) + 2 * (2 + 2) + 9 + 1 + 1;
    auto withLine = [&](int n, const std::string& with) {
        std::string text = good;
        std::size_t start = 0;
        for (int i = 1; i < n; ++i) start = text.find("\r\n", start) + 2;
        return text.replace(start, text.find("\r\n", start) - start, with);
    };
    // Zone 1: its record, five wall groups (23 lines each, with two windows of 34 lines on wall 0, a
    // door of 10 on wall 2 and a window on the slot after the last wall), an internal wall (10), a
    // skylight (24), a stairwell mirror (4), the roof (9) and the ceiling's first five lines.
    const int ceilingZones1 = zone1 + 23 + (5 * 23 + 3 * 34 + 10) + 10 + 24 + 4 + 9 + 5;
    const int wall0 = zone1 + 23, window1 = wall0 + 23;
    // The January shading of the first site obstruction: block I of 4 x 3 obstructions of 16 lines
    // stands before the six levels' defaults of 73 lines at the end of the file.
    const int obstruction1January = lineCount(good) - 6 * 73 - 192 + 5;
    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"cut short", good.substr(0, good.size() / 2), "the file ends here"},
        {"a letter in a numeric line", withLine(zone1 + 23 + 23 + 9, "3O"),
         "line " + std::to_string(zone1 + 55) + ": NodePoint: \"3O\" is not a whole number"},
        {"a letter in a real", withLine(5 + 1, "145.O"), "line 6: Longitude"},
        {"a count past its capacity", withLine(zone1 + 23 + 1, "11"),
         "line " + std::to_string(zone1 + 24) + ": WindowCount 11 is outside 0..10"},
        {"too many zones", withLine(zone1 - 1, "101"), "ZoneCount 101 is outside 0..100"},
        {"a zone type past the list", withLine(zone1 + 20, "8"), "ZoneType 8 is outside 0..7"},
        {"a shared zone past the zone arrays", withLine(ceilingZones1, "101"),
         "SharedZones 101 is outside 0..100"},
        {"too many levels", withLine(39, "7"), "LevelCount 7 is outside 1..6"},
        {"a climate file name without its zone", withLine(3, "climate.TXT"), "line 3: climate file name"},
        {"a plan position near the integer limit", withLine(wall0 + 21, "2147483600"),
         "line " + std::to_string(wall0 + 21) + ": Start 2147483600 is outside 0..2002"},
        {"a plan position left of the plan", withLine(wall0 + 22, "-1"), "Start -1 is outside 0..2002"},
        {"an opening placed past the plan", withLine(window1 + 10, "8003"),
         "NodePoint 8003 is outside 0..8002"},
        {"a monthly shading of 101 %", withLine(window1 + 18, "101"),
         "line " + std::to_string(window1 + 18) + ": MonthlyShading 101 is outside 0..100"},
        {"a site obstruction shading of 101 %", withLine(obstruction1January, "101"),
         "line " + std::to_string(obstruction1January) + ": Shading 101 is outside 0..100"},
        {"a project name that leaves its folder", withLine(1, "../../x"),
         "line 1: the project name \"../../x\" cannot name a file: it holds a path separator"},
        {"a project name of two dots", withLine(1, ".."), "the project name \"..\" cannot name a file"},
        {"a latitude off the globe", withLine(7, "500"),
         "line 7: the latitude 500 lies outside -90 to 90 degrees"},
        {"a latitude just past the south pole", withLine(7, "-90.5"),
         "line 7: the latitude -90.5 lies outside"},
        {"a longitude off the globe", withLine(6, "-181"),
         "line 6: the longitude -181 lies outside -180 to 180 degrees"},
        {"a climate file name that leaves its folder", withLine(3, "climat21.TXT/../../../x"),
         "line 3: the climate file name \"climat21.TXT/../../../x\" cannot name a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto current = richHouse();
        current->Zones(1).Name = "Current";
        const std::string before = pelmora::houseFileText(*current);
        const auto file = folder.write("bad.VOR", c.text);
        const std::string message = model_test::modelErrorOf([&] { pelmora::ReadHouseFile(*current, file); });
        EXPECT_THAT(message, HasSubstr(file.string()));
        EXPECT_THAT(message, HasSubstr(c.expected));
        EXPECT_EQ(pelmora::houseFileText(*current), before);
    }
    auto current = richHouse();
    EXPECT_THROW(pelmora::ReadHouseFile(*current, folder.path() / "missing.VOR"), ModelError);
}

// A file that is not text, opened as a house by mistake, is named in one readable line: the message
// quotes none of its control characters or broken UTF-8, and no more than a short excerpt.
TEST(HouseFile, AFileThatIsNotTextIsReportedInOnePrintableLine) {
    model_test::TempFolder folder;
    std::string binary = "\x89PNG\r\n\x1a\n";
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + 11) % 256);
    const std::string lines[] = {std::string("Cottage\r\n"), std::string("1\r\n"),
                                 std::string("climat21.TXT\r\n")};
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"a picture", binary},
        {"a project name of bytes", "\x1b[2J\v\f\x07\xff\xfe/\x00x\r\n" + binary},
        {"a climate file name of bytes", lines[0] + lines[1] + "clim\xc3\x28\v\f\x1b\x7f" + binary},
        {"a number line of bytes", lines[0] + "\xe2\x82\v\f\x01\x02" + std::string(500, '\xa0') + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto current = richHouse();
        const std::string before = pelmora::houseFileText(*current);
        const auto file = folder.write("picture.VOR", c.text);
        const std::string message = model_test::modelErrorOf([&] { pelmora::ReadHouseFile(*current, file); });
        EXPECT_THAT(message, HasSubstr(file.string()));
        EXPECT_FALSE(common::firstControlCharacter(message).has_value()) << message;
        EXPECT_TRUE(std::none_of(message.begin(), message.end(), [](char ch) { return (ch & 0x80) != 0; }))
            << "no stray bytes of broken characters: " << message;
        EXPECT_LT(message.size(), file.string().size() + 200) << message;
        EXPECT_EQ(pelmora::houseFileText(*current), before);
    }
}

TEST(HouseFile, ZonesAndEavesAtFullCapacityKeepTheirExtraGroup) {
    model_test::TempFolder folder;
    auto m = newHouse();
    m->ZoneCount = 1;
    m->Zones(1).Level = 1;
    m->Zones(1).NodeCount = pelmora::kMaxNodes;
    for (int w = 0; w < pelmora::kMaxNodes; ++w) m->Walls(1, w).Start = {w, 2 * w};
    m->Walls(1, 50).WindowCount = 1;
    m->Eaves(1).Count = pelmora::kMaxEavesPoints;
    for (int p = 0; p < pelmora::kMaxEavesPoints; ++p) m->Eaves(1).Points(p) = {p, 3 * p};
    const std::string text = pelmora::houseFileText(*m);
    const auto file = folder.write("full.VOR", text);
    auto back = newHouse();
    pelmora::ReadHouseFile(*back, file);
    EXPECT_EQ(pelmora::houseFileText(*back), text);
    EXPECT_EQ(back->ZoneNodes(1, 50), (TPlanPoint{50, 100}));
    EXPECT_EQ(back->Eaves(1).Points(50), (TPlanPoint{50, 150}));
}

// Lines that end in CR CR LF (a CR LF file passed once more through a line-end conversion) read as
// the same house: no CR stays in a project, climate file or zone name.
TEST(HouseFile, LineEndsOfAnyKindStayOutOfItsTexts) {
    model_test::TempFolder folder;
    auto m = richHouse();
    const std::string text = pelmora::houseFileText(*m);
    std::string doubled;
    for (char c : text) {
        if (c == '\r') doubled += '\r';
        doubled += c;
    }
    auto back = newHouse();
    pelmora::ReadHouseFile(*back, folder.write("Hillside_7.VOR", doubled));
    EXPECT_EQ(back->ProjectName, "Hillside");
    EXPECT_EQ(back->ClimateFileName, "climat21.TXT");
    EXPECT_EQ(back->Zones(3).Name, "Zone 3");
    EXPECT_EQ(pelmora::houseFileText(*back), text);
}

TEST(HouseFile, ALineBreakInsideATextDoesNotSplitTheFile) {
    auto m = newHouse();
    m->ClientPostalAddress = "PO Box 12\r\nArdmore";
    const std::string text = pelmora::houseFileText(*m);
    EXPECT_EQ(line(text, 14), "PO Box 12  Ardmore");
    EXPECT_EQ(lineCount(text), lineCount(pelmora::houseFileText(*newHouse())));
}

TEST(DefaultsFile, RoundTripsTheStoredDefaultsAndKeepsTheOthers) {
    model_test::TempFolder folder;
    auto m = newHouse();
    m->NewZoneOptions.DefGasHeaterVent = true;
    m->NewZoneOptions.DefMechVentRate = 3;
    m->LevelDefaults(4).DefSkyCode = "GEN-04-009a";
    m->LevelDefaults(6).DefShaftR = 1.25;
    m->LevelDefaults(2).DefVented = true;
    const auto file = folder.path() / "Default1.DEF";
    pelmora::WriteDefaultsFile(*m, file);

    auto other = newHouse();
    other->LevelDefaults(4).DefSkyOrientation = 3; // kept only in memory
    other->NewZoneOptions.DefMechVentOn = true;
    pelmora::ReadDefaultsFile(*other, file);
    EXPECT_EQ(other->NewZoneOptions.DefMechVentRate, 3);
    EXPECT_TRUE(other->NewZoneOptions.DefGasHeaterVent);
    EXPECT_TRUE(other->NewZoneOptions.DefMechVentOn);
    EXPECT_EQ(other->LevelDefaults(4).DefSkyCode, "GEN-04-009a");
    EXPECT_EQ(other->LevelDefaults(4).DefSkyOrientation, 3);
    EXPECT_EQ(other->LevelDefaults(6).DefShaftR, 1.25);
    EXPECT_TRUE(other->LevelDefaults(2).DefVented);

    // The file is the tail of a house file without the site obstructions: 450 lines.
    model_test::TempFolder again;
    pelmora::WriteDefaultsFile(*other, again.path() / "copy.DEF");
    const auto lines = common::readTextLines(again.path() / "copy.DEF");
    EXPECT_EQ(lines.size(), 450u);
    EXPECT_EQ(common::readTextLines(file), lines);
}

TEST(DefaultsFile, AShortFileChangesNothing) {
    model_test::TempFolder folder;
    auto m = newHouse();
    m->LevelDefaults(1).DefExtMaterial = 9;
    pelmora::WriteDefaultsFile(*m, folder.path() / "a.DEF");
    auto lines = common::readTextLines(folder.path() / "a.DEF");
    lines.resize(300);
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    const auto file = folder.write("short.DEF", text);
    auto other = newHouse();
    EXPECT_THAT(model_test::modelErrorOf([&] { pelmora::ReadDefaultsFile(*other, file); }),
                HasSubstr("short.DEF, line 301"));
    EXPECT_EQ(other->LevelDefaults(1).DefExtMaterial, 1);
}

} // namespace
