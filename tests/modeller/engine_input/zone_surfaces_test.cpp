// The zone card and surface cards of the real zones: which elements give which cards, their areas
// and shading keys, and the errors of values too wide for their fields.
#include "zone_fixture.h"

#include "modeller/engine_input/zone_data_writer.h"

#include <cmath>

namespace zone_test {
namespace {

using namespace pelmora;

class ZoneSurfaces : public ZoneWriterTest {
  protected:
    int addWindow(int zone, int wall, double width, double height) {
        const int i = model_->AddWindow(zone, wall).index;
        TWindowRec& w = model_->WallWindows(zone, wall, i);
        w = TWindowRec{};
        w.Width = width;
        w.Height = height;
        w.ElementArea = width * height;
        w.HeadHeight = 2.1;
        w.Style = 1;
        w.Shading = 1;
        w.Furnishing = 1;
        w.Azimuth = model_->Walls(zone, wall).Azimuth;
        for (int m = 1; m <= 12; ++m) w.MonthlyShading(m) = 100;
        return i;
    }
};

TEST_F(ZoneSurfaces, TheZoneCardCarriesNameVolumeLeakageAndType) {
    const int z = addZone(0, 0, 5, 4, 1, "Living");
    model_->Walls(z, 1).ExtHeight = 3.0; // length-weighted mean height (2.4 x 14 + 3 x 4) / 18
    WriteZoneData(*run_);
    const auto card = cards(z, 0);
    ASSERT_EQ(card.size(), 1u);
    EXPECT_EQ(card[0].substr(0, 23), " 3  1   Living         ");
    EXPECT_NEAR(std::stod(zoneField(card[0], 1)), 20.0 * (2.4 * 14.0 + 3.0 * 4.0) / 18.0, 0.005);
    EXPECT_EQ(zoneField(card[0], 4), "  0.56");
    EXPECT_EQ(card[0].substr(47), "Normal     1");
    EXPECT_GT(std::stod(zoneField(card[0], 2)), 0.0);
}

TEST_F(ZoneSurfaces, WindowsAndTheirWallsShadingKeysAndNetArea) {
    const int z = addZone(0, 0, 5, 4);
    // Wall 1 is 4 m by 2.4 m: two windows leave 0.2 m2 of wall, which gets no card.
    addWindow(z, 1, 2.0, 2.35);
    const int scheduled = addWindow(z, 1, 2.0, 2.35);
    TWindowRec& w = model_->WallWindows(z, 1, scheduled);
    w.Shading = 2; // a monthly shading schedule: a pergola, and no blind
    w.Furnishing = 4;
    w.SecondEaves = 0.9;
    w.EavesDepth = 0.45;
    w.Offset = 0.3;
    w.MonthlyShading(1) = 40;
    const int blinded = addWindow(z, 0, 1.0, 1.0);
    model_->WallWindows(z, 0, blinded).Shading = 3;
    WriteZoneData(*run_);

    const auto windows = cards(z, 1);
    ASSERT_EQ(windows.size(), 3u);
    // Wall 0's window first, then wall 1's.
    EXPECT_EQ(windows[0].substr(8, 18), "  1.00  1.00     0");
    EXPECT_EQ(windows[2].substr(8, 18), "  2.35  2.00    90");
    const std::string key = sections_->horizontal[static_cast<std::size_t>(number(windows[2], 4)) - 1];
    EXPECT_EQ(key.substr(0, 24), "  0.90  0.30  6.00  0.00");
    EXPECT_EQ(key.substr(24, 12), "  0.40  1.00");
    EXPECT_EQ(field(windows[2], 11), "     0"); // no blind under a schedule
    EXPECT_EQ(sections_->curtains[static_cast<std::size_t>(number(windows[2], 10)) - 1], "Heavy Drapes");
    EXPECT_EQ(sections_->blinds[static_cast<std::size_t>(number(windows[0], 11)) - 1], "External Blind 50%");

    const auto walls = cards(z, 21);
    ASSERT_EQ(walls.size(), 3u); // walls 0, 2 and 3; wall 1 keeps 0.2 m2
    EXPECT_EQ(walls[0].substr(8, 24), "  2.40  5.00 11.00     0");
    EXPECT_EQ(walls[1].substr(8, 30), "  2.40  5.00 12.00   180  0.50");
    EXPECT_EQ(walls[1].substr(38, 12), "  0.50  0.90");
}

TEST_F(ZoneSurfaces, PartitionsInternalWallsNeighbourWallsAndDoors) {
    const int a = addZone(0, 0, 5, 4), b = addZone(5, 0, 5, 4);
    joinWalls(a, 1, b, 3);
    const int door = model_->AddDoor(a, 1).index;
    model_->WallDoors(a, 1, door) = TDoorRec{};
    model_->WallDoors(a, 1, door).ElementArea = 1.6;
    const int mirrored = model_->AddInterzoneDoor(b, 3).index;
    model_->InterzoneDoors(b, 3, mirrored).ElementArea = 1.6;
    const int ext = model_->AddDoor(a, 0).index;
    model_->WallDoors(a, 0, ext) = TDoorRec{};
    model_->WallDoors(a, 0, ext).Material = 1;
    model_->WallDoors(a, 0, ext).Width = 0.9;
    model_->WallDoors(a, 0, ext).Height = 2.0;
    model_->WallDoors(a, 0, ext).ElementArea = 1.8;
    model_->Walls(b, 1).Beyond = 2; // a wall to the neighbour
    const int i = model_->AddIntWall(a).index;
    model_->ZoneIntWalls(a, i).IntWallLength = 3.0;
    model_->ZoneIntWalls(a, i).Height = 2.4;
    WriteZoneData(*run_);

    EXPECT_EQ(cards(a, 111), std::vector<std::string>{" 3  1111  8.00  0.50     2  0.00"});
    EXPECT_EQ(cards(b, 111), std::vector<std::string>{" 3  2111  8.00  0.50     1  0.00"});
    EXPECT_EQ(cards(a, 141), std::vector<std::string>{" 3  1141  7.20  0.50  0.00"});
    EXPECT_EQ(cards(b, 186), std::vector<std::string>{" 3  2186  9.60  0.50  0.00"});
    const auto doors = cards(a, 22);
    ASSERT_EQ(doors.size(), 1u);
    EXPECT_EQ(doors[0].substr(8, 30), "  2.00  0.90  1.80     0  0.50");
    EXPECT_EQ(field(cards(a, 21)[0], 3), " 10.20"); // wall 0 less its door
    EXPECT_EQ(cards(b, 21).size(), 2u);             // walls 0 and 2; wall 1 faces the neighbour
}

TEST_F(ZoneSurfaces, FloorsAndCeilingsBetweenLevels) {
    const int lower = addZone(0, 0, 5, 4, 1);
    const int upper = addZone(0, 0, 5, 8, 2); // half on the lower zone
    const int small = addZone(5, 0, 5, 4, 1);
    model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 20.0;
    model_->CommonFloorArea(small, upper) = model_->CommonFloorArea(upper, small) = 0.4; // counts as none
    // A stairwell of 19.8 m2 leaves 0.2 m2 of the shared floor.
    model_->VoidArea(lower, upper) = model_->VoidArea(upper, lower) = 19.8;
    WriteZoneData(*run_);

    // The upper zone's floor record says slab, but the part not over the level below has outside air
    // under it: a floor card to outdoors, with no zone under it.
    EXPECT_TRUE(cards(upper, 51).empty());
    const auto exposed = cards(upper, 41);
    ASSERT_EQ(exposed.size(), 1u);
    // 20.4 m2 of the floor lies on the level below (the 0.4 m2 piece counts in that sum but is too
    // small for an internal floor card of its own).
    EXPECT_EQ(exposed[0], " 3  2 41 19.60  0.50");
    const auto internal = cards(upper, 71);
    ASSERT_EQ(internal.size(), 1u);                       // not over the small zone
    EXPECT_EQ(internal[0], " 3  2 71  0.50  0.50     1"); // never less than 0.50
    EXPECT_TRUE(cards(lower, 101).empty());               // 0.2 m2 of ceiling is left out
    EXPECT_TRUE(cards(lower, 91).empty());                // all the lower ceiling is covered
    EXPECT_EQ(cards(small, 91).size(), 1u);
    EXPECT_TRUE(cards(lower, 51).size() == 1u && cards(small, 51).size() == 1u);
}

TEST_F(ZoneSurfaces, ARoofWithoutRoofSpaceIsDescribedHorizontal) {
    const int z = addZone(0, 0, 5, 4);
    model_->ZoneCeilings(z).RoofSpace = 3;
    model_->ZoneRoofs(z).RoofSpace = 3;
    model_->ZoneRoofs(z).Slope = 60.0; // the sloped area is twice the plan area
    model_->ZoneRoofs(z).Absorptance = 0.7;
    WriteZoneData(*run_);
    EXPECT_TRUE(cards(z, 91).empty());
    EXPECT_EQ(cards(z, 31), std::vector<std::string>{" 3  1 31 40.00  0.00  0.00  0.35  0.25  0.90"});
}

TEST_F(ZoneSurfaces, ARoofWithoutRoofSpaceAndTheCeilingsAboveShareTheFloorAreaOnce) {
    // 0.6 m2 of the lower zone is not covered by the zone above: that piece is roofed, the rest is
    // ceiling to the upper zone, and nothing is counted twice.
    const int lower = addZone(0, 0, 2, 2, 1);
    const int upper = addZone(0, 0, 2, 1.7, 2);
    model_->CommonFloorArea(lower, upper) = model_->CommonFloorArea(upper, lower) = 3.4;
    model_->ZoneCeilings(lower).RoofSpace = 3;
    model_->ZoneRoofs(lower).RoofSpace = 3;
    model_->ZoneRoofs(lower).Slope = 0.0;
    WriteZoneData(*run_);
    ASSERT_EQ(cards(lower, 31).size(), 1u);
    ASSERT_EQ(cards(lower, 101).size(), 1u);
    EXPECT_NEAR(number(cards(lower, 31)[0], 1) + number(cards(lower, 101)[0], 1), 4.0, 1e-9);
}

TEST_F(ZoneSurfaces, SkylightsAndClerestories) {
    const int z = addZone(0, 0, 5, 4);
    const int s = model_->AddSkylight(z).index;
    TSkylightRec& sky = model_->ZoneSkylights(z, s);
    sky = TSkylightRec{};
    sky.Width = 600.0;
    sky.Height = 1000.0;
    sky.Slope = 22.0;
    sky.Orientation = 2;
    sky.ShaftLength = 450;
    sky.ShaftReflectance = 80;
    sky.ShaftR = 1.5;
    sky.Diffuser = true;
    sky.Furnishing = 1;
    const int c = model_->AddSkylight(z).index;
    TSkylightRec& clere = model_->ZoneSkylights(z, c);
    clere = sky;
    clere.Clerestory = true;
    clere.ClereWallWidth = 2000.0;
    clere.ClereWallHeight = 800.0;
    clere.ClereEavesWidth = 300.0;
    WriteZoneData(*run_);
    EXPECT_EQ(cards(z, 11),
              std::vector<std::string>{
                  " 3  1 11  0.60    90    22     0     0     1  0.45  0.60  0.80  1.50     1     0     0"});
    const auto windows = cards(z, 1);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].substr(8, 18), "  1.00  0.60    90");
    const auto walls = cards(z, 21);
    ASSERT_EQ(walls.size(), 5u); // four walls and the clerestory's wall of 1.6 - 0.6 m2
    EXPECT_EQ(walls[4].substr(8, 24), "  0.80  2.00  1.00    90");
}

TEST_F(ZoneSurfaces, AValueTooWideForItsFieldIsAnErrorNamingTheElement) {
    const int z = addZone(0, 0, 5, 4, 1, "Hall");
    addWindow(z, 2, 1000.0, 1.0);
    model_->Walls(z, 2).Length = 1200.0;
    try {
        WriteZoneData(*run_);
        ADD_FAILURE() << "a window 1000 m wide was written";
    } catch (const ScratchError& e) {
        EXPECT_NE(std::string(e.what()).find("window 1 of wall 2 of zone 1 (Hall)"), std::string::npos)
            << e.what();
    }
    lines_->clear();
    model_->Walls(z, 2).WindowCount = 0;
    model_->Walls(z, 2).Length = 5.0;
    model_->Zones(z).Name = "A name of twenty chars";
    EXPECT_THROW(WriteZoneData(*run_), ScratchError);
}

} // namespace
} // namespace zone_test
