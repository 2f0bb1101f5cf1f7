#include "modeller/model/model_error.h"
#include "modeller/model/zone_removal.h"
#include "modeller/plan/plan_selection.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

TEST(ZoneRemoval, LaterZonesMoveDownWithEverythingTheyHold) {
    HouseModel model;
    model.Magnification = 2.0;
    PlanSelection selection;
    for (int z = 1; z <= 5; ++z) plan_test::addRectangle(model, 1, z * 100, 0, 80, 60 + z, 0x010101 * z);
    // Zone 4, to become zone 3.
    model.Zones(4).Name = "Bed 2";
    model.Walls(4, 1).WindowCount = 1;
    model.WallWindows(4, 1, 1).Width = 1.2;
    model.WallWindows(4, 1, 1).VertShadeLeftWidth = 0.3;
    model.Walls(4, 2).DoorCount = 1;
    model.WallDoors(4, 2, 1).Width = 0.82;
    model.Zones(4).IntWallCount = 1;
    model.ZoneIntWalls(4, 1).EndPoint = {444, 44};
    model.ZoneIntWalls(4, 1).Thickness = 90;
    model.ZoneRoofs(4).RoofGapCode = 7;
    model.Zones(4).SkylightCount = 1;
    model.ZoneSkylights(4, 1).Width = 600;
    model.Zones(4).StairDownCount = 1;
    model.StairsDown(4, 1) = {2400, 1200, 5, 9};
    selection.NodeSelected(4, 2) = true;
    model.Walls(3, 0).CpSetIndex = 33; // working field of the slot, not of the zone
    // Roof spaces and stairs referring to zones 3 and 5.
    model.ZoneCeilings(1).SharedZones(1) = 1;
    model.ZoneCeilings(1).SharedZones(2) = 3;
    model.ZoneCeilings(1).SharedZones(3) = 5;
    model.ZoneExtFloors(2).SharedZones(4) = 4;
    model.Zones(2).StairDownCount = 1;
    model.StairsDown(2, 1) = {1000, 900, 3, 4};

    SelectionPlanView view(model, selection);
    DiscardZone(model, view, 3);

    ASSERT_EQ(model.ZoneCount, 4);
    EXPECT_EQ(model.Zones(3).Name, "Bed 2");
    EXPECT_EQ(model.ZoneNodes(3, 0), (TPlanPoint{400, 0}));
    EXPECT_EQ(model.Walls(3, 1).WindowCount, 1);
    EXPECT_EQ(model.WallWindows(3, 1, 1).VertShadeLeftWidth, 0.3);
    EXPECT_EQ(model.WallDoors(3, 2, 1).Width, 0.82);
    EXPECT_EQ(model.ZoneIntWalls(3, 1).EndPoint, (TPlanPoint{444, 44}));
    EXPECT_EQ(model.ZoneIntWalls(3, 1).Thickness, 90);
    EXPECT_EQ(model.ZoneRoofs(3).RoofGapCode, 7);
    EXPECT_EQ(model.ZoneSkylights(3, 1).Width, 600);
    EXPECT_EQ(model.Zones(3).StairDownCount, 1);
    EXPECT_EQ(model.StairsDown(3, 1).Zone, 4) << "the stair led to zone 5, now zone 4";
    EXPECT_EQ(model.StairsDown(3, 1).StairId, 9);
    EXPECT_TRUE(selection.NodeSelected(3, 2));
    EXPECT_EQ(model.Walls(3, 0).CpSetIndex, 33) << "working fields stay with the slot";
    EXPECT_EQ(model.ZoneCeilings(1).SharedZones(2), 0) << "the removed zone";
    EXPECT_EQ(model.ZoneCeilings(1).SharedZones(3), 4);
    EXPECT_EQ(model.ZoneExtFloors(2).SharedZones(4), 3);
    EXPECT_EQ(model.Zones(2).StairDownCount, 0) << "the stair into the removed zone went with it";
}

TEST(ZoneRemoval, RemovingTheLastZoneOnlyClearsItsCounts) {
    HouseModel model;
    model.Magnification = 2.0;
    PlanSelection selection;
    plan_test::addRectangle(model, 1, 0, 0, 80, 60, 0);
    const int z = plan_test::addRectangle(model, 2, 0, 0, 80, 60, 0);
    model.Walls(z, 0).WindowCount = 2;
    SelectionPlanView view(model, selection);
    DiscardZone(model, view, z);
    EXPECT_EQ(model.ZoneCount, 1);
    EXPECT_EQ(model.Zones(z).NodeCount, 0);
    EXPECT_EQ(model.Walls(z, 0).WindowCount, 0);
    EXPECT_EQ(model.Zones(1).NodeCount, 4);
    EXPECT_THROW(DiscardZone(model, view, 2), ModelError);
}

} // namespace

namespace {

using namespace pelmora;

TEST(SelectionFlags, TheFlagsOfLaterNodesMoveDownWithTheirNodes) {
    HouseModel model;
    model.Magnification = 2.0;
    PlanSelection selection;
    const int z = plan_test::addZone(model, 1, {{0, 0}, {50, 0}, {100, 0}, {100, 80}, {0, 80}}, 0);
    selection.NodeSelected(z, 1) = true; // the node to go
    selection.NodeSelected(z, 3) = true;
    selection.NodeSelected(z, 4) = true;
    MoveSelectionOfLaterNodes(model, selection, z, 1);
    const bool expected[] = {false, false, true, true, false};
    for (int n = 0; n < 5; ++n) EXPECT_EQ(selection.NodeSelected(z, n), expected[n]) << "node " << n;
}

} // namespace
