#include "modeller/model/zone_removal.h"

#include "modeller/model/model_error.h"

#include "geometry_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using geometry_test::addRectangle;
using geometry_test::emptyHouse;
using geometry_test::RecordingView;

// Five zones of one level, each 100 px to the right of the one before.
std::unique_ptr<HouseModel> fiveZones() {
    auto model = emptyHouse(1.0, 2);
    for (int z = 1; z <= 5; ++z) addRectangle(*model, 1, 100 * z, 0, 100 * z + 80, 60 + z);
    return model;
}

TEST(DiscardZone, LaterZonesMoveDownWithEverythingTheyHold) {
    auto model = fiveZones();
    HouseModel& m = *model;
    // Zone 4, which becomes zone 3.
    m.Zones(4).Name = "Bed 2";
    m.Zones(4).Heated = true;
    m.Walls(4, 1).WindowCount = 1;
    m.WallWindows(4, 1, 1).Width = 1.2;
    m.WallWindows(4, 1, 1).VertShadeLeftWidth = 0.3;
    m.WallWindows(4, 1, 1).VertShadeRightOffset = 0.2;
    m.Walls(4, 2).DoorCount = 1;
    m.WallDoors(4, 2, 1).Width = 0.82;
    m.Walls(4, 3).ExtMaterial = 6;
    m.Zones(4).IntWallCount = 1;
    m.ZoneIntWalls(4, 1) = {2, 1, 3.0, 2.7, 90.0, 0.5, {410, 10}, {444, 44}};
    m.ZoneRoofs(4).RoofGapCode = 7;
    m.ZoneCeilings(4).Material = 3;
    m.ZoneExtFloors(4).UnderFloorHeight = 450.0;
    m.ZoneIntCeilings(4).AddedR = 1.5;
    m.ZoneFloorCovers(4).FloorCovering = 2;
    m.Zones(4).SkylightCount = 1;
    m.ZoneSkylights(4, 1).Width = 600.0;
    m.Zones(4).StairDownCount = 1;
    m.StairsDown(4, 1) = {2400.0, 1200.0, 5, 9};
    m.Zones(4).StairUpCount = 1;
    m.StairsUp(4, 1) = {1000.0, 1000.0, 2, 11};
    m.Walls(3, 0).CpSetIndex = 33; // working field of the slot, not of the zone
    // References to zones 3 and 5 held by other zones.
    m.ZoneCeilings(1).SharedZones(1) = 1;
    m.ZoneCeilings(1).SharedZones(2) = 3;
    m.ZoneCeilings(1).SharedZones(3) = 5;
    m.ZoneExtFloors(2).SharedZones(4) = 4;
    m.Zones(2).StairDownCount = 2;
    m.StairsDown(2, 1) = {1000.0, 900.0, 3, 4};
    m.StairsDown(2, 2) = {700.0, 600.0, 5, 6};
    m.StairsUp(1, 2) = {800.0, 800.0, -1, 5}; // a broken reference becomes none
    RecordingView view;

    DiscardZone(m, view, 3);

    ASSERT_EQ(m.ZoneCount, 4);
    EXPECT_EQ(view.discardedZones, std::vector<int>{3});
    EXPECT_EQ(m.Zones(3).Name, "Bed 2");
    EXPECT_TRUE(m.Zones(3).Heated);
    EXPECT_EQ(m.ZoneNodes(3, 0), (TPlanPoint{400, 0}));
    EXPECT_EQ(m.Walls(3, 0).Start, (TPlanPoint{400, 0}));
    EXPECT_EQ(m.Walls(3, 1).WindowCount, 1);
    EXPECT_EQ(m.WallWindows(3, 1, 1).Width, 1.2);
    EXPECT_EQ(m.WallWindows(3, 1, 1).VertShadeLeftWidth, 0.3);
    EXPECT_EQ(m.WallWindows(3, 1, 1).VertShadeRightOffset, 0.2);
    EXPECT_EQ(m.WallDoors(3, 2, 1).Width, 0.82);
    EXPECT_EQ(m.Walls(3, 3).ExtMaterial, 6);
    EXPECT_EQ(m.ZoneIntWalls(3, 1), (TIntWallRec{2, 1, 3.0, 2.7, 90.0, 0.5, {410, 10}, {444, 44}}));
    EXPECT_EQ(m.ZoneRoofs(3).RoofGapCode, 7);
    EXPECT_EQ(m.ZoneCeilings(3).Material, 3);
    EXPECT_EQ(m.ZoneExtFloors(3).UnderFloorHeight, 450.0);
    EXPECT_EQ(m.ZoneIntCeilings(3).AddedR, 1.5);
    EXPECT_EQ(m.ZoneFloorCovers(3).FloorCovering, 2);
    EXPECT_EQ(m.ZoneSkylights(3, 1).Width, 600.0);
    EXPECT_EQ(m.Zones(3).StairDownCount, 1);
    EXPECT_EQ(m.StairsDown(3, 1), (TStairRec{2400.0, 1200.0, 4, 9})) << "led to zone 5, now zone 4";
    EXPECT_EQ(m.StairsUp(3, 1), (TStairRec{1000.0, 1000.0, 2, 11}));
    EXPECT_EQ(m.Walls(3, 0).CpSetIndex, 33) << "working fields stay with the slot";
    EXPECT_EQ(m.ZoneNodes(4, 0), (TPlanPoint{500, 0})) << "old zone 5";
    EXPECT_EQ(m.ZoneCeilings(1).SharedZones(1), 1);
    EXPECT_EQ(m.ZoneCeilings(1).SharedZones(2), 0) << "the removed zone";
    EXPECT_EQ(m.ZoneCeilings(1).SharedZones(3), 4);
    EXPECT_EQ(m.ZoneExtFloors(2).SharedZones(4), 3);
    EXPECT_EQ(m.Zones(2).StairDownCount, 1) << "the stair into the removed zone went with it";
    EXPECT_EQ(m.StairsDown(2, 1), (TStairRec{700.0, 600.0, 4, 6})) << "the other stair closed up";
    EXPECT_EQ(m.StairsUp(1, 2).Zone, 0);
}

// Zones 1 and 2 on the ground floor, zone 3 upstairs with a stairwell down into each of them.  When
// zone 1 goes, every zone after it moves down one number: the stairwells that stay must be the
// ones of the zone that holds them, counted by that zone's own count.
TEST(DiscardZone, StairwellsOfTheLaterZonesMoveWithTheirOwnCounts) {
    auto model = emptyHouse(1.0, 2);
    HouseModel& m = *model;
    addRectangle(m, 1, 0, 0, 100, 100);
    addRectangle(m, 1, 100, 0, 200, 100);
    addRectangle(m, 2, 0, 0, 200, 100);
    m.Zones(3).StairDownCount = 2;
    m.StairsDown(3, 1) = {1000.0, 1000.0, 1, 1};
    m.StairsDown(3, 2) = {2000.0, 1500.0, 2, 2};
    m.Zones(1).StairUpCount = 1;
    m.StairsUp(1, 1) = {1000.0, 1000.0, 3, 1};
    m.Zones(2).StairUpCount = 1;
    m.StairsUp(2, 1) = {2000.0, 1500.0, 3, 2};
    RecordingView view;

    DiscardZone(m, view, 1);

    ASSERT_EQ(m.ZoneCount, 2);
    EXPECT_EQ(m.Zones(1).StairDownCount, 0) << "the old zone 2";
    ASSERT_EQ(m.Zones(1).StairUpCount, 1);
    EXPECT_EQ(m.StairsUp(1, 1), (TStairRec{2000.0, 1500.0, 2, 2}));
    ASSERT_EQ(m.Zones(2).StairDownCount, 1) << "the old zone 3 keeps only its stair into the old zone 2";
    EXPECT_EQ(m.StairsDown(2, 1), (TStairRec{2000.0, 1500.0, 1, 2}));
    EXPECT_EQ(m.Zones(2).StairUpCount, 0);
}

TEST(DiscardZone, RemovingTheLastZoneOnlyClearsItsCounts) {
    auto model = fiveZones();
    model->Walls(5, 0).WindowCount = 2;
    model->Zones(5).StairDownCount = 1;
    const TZoneRec fourth = model->Zones(4);
    RecordingView view;
    DiscardZone(*model, view, 5);
    EXPECT_EQ(model->ZoneCount, 4);
    EXPECT_EQ(model->Zones(5).NodeCount, 0);
    EXPECT_EQ(model->Zones(5).StairDownCount, 0);
    EXPECT_EQ(model->Walls(5, 0).WindowCount, 0);
    EXPECT_EQ(model->Zones(4), fourth);
}

TEST(DiscardZone, RefusesAZoneThatDoesNotExist) {
    auto model = fiveZones();
    RecordingView view;
    EXPECT_THROW(DiscardZone(*model, view, 6), ModelError);
    EXPECT_THROW(DiscardZone(*model, view, 0), ModelError);
    EXPECT_EQ(model->ZoneCount, 5);
}

// Three levels: zones 1 and 2 on level 1, zone 3 on level 2, zone 4 on level 3 with a stairwell down
// to zone 1 (through a void of level 2).  Each level has its own eaves, picture and defaults.
std::unique_ptr<HouseModel> threeLevels() {
    auto model = emptyHouse(1.0, 3);
    HouseModel& m = *model;
    addRectangle(m, 1, 0, 0, 100, 100);
    addRectangle(m, 1, 100, 0, 200, 100);
    addRectangle(m, 2, 0, 0, 100, 100);
    addRectangle(m, 3, 0, 0, 100, 100);
    m.Zones(4).StairDownCount = 1;
    m.StairsDown(4, 1) = {1000.0, 2000.0, 1, 1};
    m.Zones(1).StairUpCount = 1;
    m.StairsUp(1, 1) = {1000.0, 2000.0, 4, 1};
    for (int level = 1; level <= 3; ++level) {
        m.Eaves(level).Count = 3;
        m.Eaves(level).Points(0) = {level, level};
        m.EavesNodes(level, 0) = {level, level};
        m.EavesDefined(level) = true;
        m.LevelPictures(level).OffsetX = 10 * level;
        m.LevelDefaults(level).DefExtMaterial = level;
        m.ExtThicknessByMaterial(level, 2) = 100.0 * level;
    }
    return model;
}

TEST(DeleteLevel, ALevelWithZonesTakesThemAndEveryStairwellAndTheLevelsAboveMoveDown) {
    auto model = threeLevels();
    HouseModel& m = *model;
    RecordingView view;
    DeleteLevel(m, view, 2);
    ASSERT_EQ(m.LevelCount, 2);
    ASSERT_EQ(m.ZoneCount, 3);
    EXPECT_EQ(view.discardedZones, std::vector<int>{3});
    EXPECT_EQ(m.Zones(3).Level, 2) << "the old zone 4 of level 3";
    EXPECT_EQ(m.Zones(1).Level, 1);
    EXPECT_EQ(m.Zones(3).StairDownCount, 0);
    EXPECT_EQ(m.Zones(1).StairUpCount, 0);
    EXPECT_EQ(m.Eaves(2).Points(0), (TPlanPoint{3, 3}));
    EXPECT_EQ(m.EavesNodes(2, 0), (TPlanPoint{3, 3}));
    EXPECT_TRUE(m.EavesDefined(2));
    EXPECT_EQ(m.LevelPictures(2).OffsetX, 30);
    EXPECT_EQ(m.LevelDefaults(2).DefExtMaterial, 3);
    EXPECT_EQ(m.ExtThicknessByMaterial(2, 2), 300.0);
    EXPECT_EQ(m.LevelDefaults(1).DefExtMaterial, 1) << "lower levels stay";
}

TEST(DeleteLevel, ALevelWithoutZonesLeavesTheStairwells) {
    auto model = threeLevels();
    HouseModel& m = *model;
    RecordingView view;
    DiscardZone(m, view, 3); // level 2 is now empty; zone 4 became zone 3
    ASSERT_EQ(m.StairsUp(1, 1).Zone, 3);
    DeleteLevel(m, view, 2);
    EXPECT_EQ(m.LevelCount, 2);
    EXPECT_EQ(m.ZoneCount, 3);
    EXPECT_EQ(m.Zones(3).Level, 2);
    EXPECT_EQ(m.Zones(3).StairDownCount, 1);
    EXPECT_EQ(m.StairsDown(3, 1), (TStairRec{1000.0, 2000.0, 1, 1}));
    EXPECT_EQ(m.Zones(1).StairUpCount, 1);
    EXPECT_EQ(m.StairsUp(1, 1), (TStairRec{1000.0, 2000.0, 3, 1}));
}

TEST(DeleteLevel, TheLastLevelStays) {
    auto model = emptyHouse(1.0, 1);
    RecordingView view;
    EXPECT_THROW(DeleteLevel(*model, view, 1), ModelError);
    EXPECT_EQ(model->LevelCount, 1);
    auto three = threeLevels();
    EXPECT_THROW(DeleteLevel(*three, view, 4), ModelError);
    EXPECT_EQ(three->LevelCount, 3);
}

} // namespace
