#include "modeller/model/wall_values.h"

#include "geometry_fixture.h"

#include <gtest/gtest.h>

#include <numbers>
#include <utility>
#include <vector>

namespace {

using namespace pelmora;
using geometry_test::addDoor;
using geometry_test::addRectangle;
using geometry_test::addWindow;
using geometry_test::addZone;
using geometry_test::emptyHouse;
using geometry_test::RecordingView;

// Zone 1 is a 5 m square; zone 2 a 5 m square to its right, drawn with its top left corner in the
// middle of zone 1's right side, so each zone has a corner on the other's side.
struct SideBySide {
    std::unique_ptr<HouseModel> model = emptyHouse();
    RecordingView view;
    SideBySide() {
        addRectangle(*model, 1, 0, 0, 100, 100);
        addRectangle(*model, 1, 100, 50, 200, 150);
        model->Walls(1, 1).ExtMaterial = 9;
        model->Walls(1, 2).ExtMaterial = 5;
        model->Walls(1, 2).CpSetIndex = 77; // working field of the engine input writer's slot
    }
};

TEST(CalculateWallValues, ZonesSideBySideBecomeNeighboursOnTheSharedPartOfTheirSides) {
    SideBySide house;
    HouseModel& m = *house.model;
    m.NorthAngle = std::numbers::pi / 2; // true north points to the right of the plan

    CalculateWallValues(m, house.view, 1);

    ASSERT_EQ(m.Zones(1).NodeCount, 5);
    const std::vector<TPlanPoint> first = {{0, 0}, {100, 0}, {100, 50}, {100, 100}, {0, 100}};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(m.ZoneNodes(1, n), first[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(m.Walls(1, n).Start, first[static_cast<std::size_t>(n)]) << n;
    }
    ASSERT_EQ(m.Zones(2).NodeCount, 5);
    EXPECT_EQ(m.ZoneNodes(2, 4), (TPlanPoint{100, 100}));

    struct Expected {
        int zone, wall, adjZone;
        double length, planAzimuth, azimuth;
    };
    const std::vector<Expected> walls = {
        {1, 0, 0, 5.0, 0.0, 270.0},   {1, 1, 0, 2.5, 90.0, 0.0},    {1, 2, 2, 2.5, 90.0, 0.0},
        {1, 3, 0, 5.0, 180.0, 90.0},  {1, 4, 0, 5.0, 270.0, 180.0}, {2, 0, 0, 5.0, 0.0, 270.0},
        {2, 3, 0, 2.5, 270.0, 180.0}, {2, 4, 1, 2.5, 270.0, 180.0},
    };
    for (const Expected& e : walls) {
        const TWallRec& wall = m.Walls(e.zone, e.wall);
        EXPECT_EQ(wall.AdjZone, e.adjZone) << e.zone << "/" << e.wall;
        EXPECT_DOUBLE_EQ(wall.Length, e.length) << e.zone << "/" << e.wall;
        EXPECT_DOUBLE_EQ(wall.PlanAzimuth, e.planAzimuth) << e.zone << "/" << e.wall;
        EXPECT_NEAR(wall.Azimuth, e.azimuth, 1e-9) << e.zone << "/" << e.wall;
    }
    // Both halves of the split side carry its constructions; the later walls moved with theirs.
    EXPECT_EQ(m.Walls(1, 1).ExtMaterial, 9);
    EXPECT_EQ(m.Walls(1, 2).ExtMaterial, 9);
    EXPECT_EQ(m.Walls(1, 3).ExtMaterial, 5);
    EXPECT_EQ(m.Walls(1, 2).CpSetIndex, 77) << "working fields stay with their slot";
    EXPECT_TRUE(house.view.destroyedNodes.empty());
}

TEST(CalculateWallValues, OpeningsBeyondTheSplitMoveToTheSecondHalf) {
    SideBySide house;
    HouseModel& m = *house.model;
    addWindow(m, 1, 1, 0.5, {100, 10});
    addWindow(m, 1, 1, 3.5, {100, 70});
    addDoor(m, 1, 1, 4.0, {100, 80});

    CalculateWallValues(m, house.view, 1);

    ASSERT_EQ(m.Walls(1, 1).WindowCount, 1);
    EXPECT_DOUBLE_EQ(m.WallWindows(1, 1, 1).Position, 0.5);
    EXPECT_EQ(m.Walls(1, 1).DoorCount, 0);
    ASSERT_EQ(m.Walls(1, 2).WindowCount, 1);
    EXPECT_DOUBLE_EQ(m.WallWindows(1, 2, 1).Position, 1.0) << "3.5 m from the old start, 1.0 m from the new";
    EXPECT_EQ(m.WallWindows(1, 2, 1).NodePoint, (TPlanPoint{100, 70}));
    ASSERT_EQ(m.Walls(1, 2).DoorCount, 1);
    EXPECT_DOUBLE_EQ(m.WallDoors(1, 2, 1).Position, 1.5);
    EXPECT_DOUBLE_EQ(m.WallWindows(1, 1, 1).Azimuth, 90.0) << "openings take their wall's azimuth";
    EXPECT_DOUBLE_EQ(m.WallDoors(1, 2, 1).Azimuth, 90.0);
}

struct AzimuthCase {
    const char* name;
    std::vector<TPlanPoint> outline;
    double northDegrees;
    std::vector<double> planAzimuths, azimuths; // per wall, degrees
};

TEST(FindAdjZonesOrientationsLength, OutwardDirectionsOnThePlanAndTrue) {
    const std::vector<AzimuthCase> cases = {
        {"clockwise square",
         {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
         0.0,
         {0, 90, 180, 270},
         {0, 90, 180, 270}},
        {"anticlockwise square",
         {{0, 0}, {0, 100}, {100, 100}, {100, 0}},
         0.0,
         {270, 180, 90, 0},
         {270, 180, 90, 0}},
        {"diamond",
         {{100, 0}, {200, 100}, {100, 200}, {0, 100}},
         0.0,
         {45, 135, 225, 315},
         {45, 135, 225, 315}},
        {"square, north to the right",
         {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
         90.0,
         {0, 90, 180, 270},
         {270, 0, 90, 180}},
        {"diamond, north 30 degrees",
         {{100, 0}, {200, 100}, {100, 200}, {0, 100}},
         30.0,
         {45, 135, 225, 315},
         {15, 105, 195, 285}},
        // arctan(1/3) is 18.4349 degrees.
        {"shallow slope rounded to 2 decimals",
         {{0, 0}, {300, 100}, {0, 100}},
         0.0,
         {18.43, 180.0, 270.0},
         {18.43, 180.0, 270.0}},
    };
    for (const AzimuthCase& c : cases) {
        auto model = emptyHouse();
        const int z = model->AddZone().index;
        model->Zones(z).Level = 1;
        model->Zones(z).NodeCount = static_cast<int>(c.outline.size());
        for (std::size_t n = 0; n < c.outline.size(); ++n)
            model->ZoneNodes(z, static_cast<int>(n)) = c.outline[n];
        model->NorthAngle = c.northDegrees * std::numbers::pi / 180.0;
        FindAdjZonesOrientationsLength(*model, 1);
        for (std::size_t w = 0; w < c.outline.size(); ++w) {
            EXPECT_NEAR(model->Walls(z, static_cast<int>(w)).PlanAzimuth, c.planAzimuths[w], 1e-9)
                << c.name << w;
            EXPECT_NEAR(model->Walls(z, static_cast<int>(w)).Azimuth, c.azimuths[w], 1e-9) << c.name << w;
        }
    }
}

TEST(FindAdjZonesOrientationsLength, InternalWallLengthsInMetres) {
    auto model = emptyHouse(2.0);
    const int z = addRectangle(*model, 1, 0, 0, 400, 400);
    model->Zones(z).IntWallCount = 1;
    model->ZoneIntWalls(z, 1).StartPoint = {40, 40};
    model->ZoneIntWalls(z, 1).EndPoint = {160, 200}; // 200 px at 40 px/m
    FindAdjZonesOrientationsLength(*model, 1);
    EXPECT_DOUBLE_EQ(model->ZoneIntWalls(z, 1).IntWallLength, 5.0);
}

// A 5 m by 5 m square whose top side is drawn as two edges meeting at (50, 0).
std::unique_ptr<HouseModel> topDrawnTwice() {
    auto model = emptyHouse();
    addZone(*model, 1, {{0, 0}, {50, 0}, {100, 0}, {100, 100}, {0, 100}});
    return model;
}

TEST(CalculateWallValues, CollinearEdgesWithEqualPropertiesMergeIntoOneWall) {
    auto model = topDrawnTwice();
    addWindow(*model, 1, 0, 1.0, {20, 0}); // a window on the first edge does not keep them apart
    RecordingView view;
    CalculateWallValues(*model, view, 1);
    ASSERT_EQ(model->Zones(1).NodeCount, 4);
    EXPECT_EQ(model->ZoneNodes(1, 1), (TPlanPoint{100, 0}));
    EXPECT_DOUBLE_EQ(model->Walls(1, 0).Length, 5.0);
    EXPECT_EQ(model->Walls(1, 0).WindowCount, 1);
    EXPECT_EQ(view.destroyedNodes, (std::vector<std::pair<int, int>>{{1, 1}}));
}

TEST(CalculateWallValues, CollinearEdgesStaySplitWithAWindowOnTheSecondOrAnotherConstruction) {
    auto withWindow = topDrawnTwice();
    addWindow(*withWindow, 1, 1, 1.0, {70, 0});
    auto otherMaterial = topDrawnTwice();
    otherMaterial->Walls(1, 1).ExtAddedR = 0.5;
    for (HouseModel* model : {withWindow.get(), otherMaterial.get()}) {
        RecordingView view;
        CalculateWallValues(*model, view, 1);
        EXPECT_EQ(model->Zones(1).NodeCount, 5);
        EXPECT_TRUE(view.destroyedNodes.empty());
    }
}

TEST(CalculateWallValues, AnOutlineWithoutAreaKeepsThreeNodes) {
    auto model = emptyHouse();
    addZone(*model, 1, {{0, 0}, {50, 0}, {100, 0}, {150, 0}});
    RecordingView view;
    CalculateWallValues(*model, view, 1);
    EXPECT_EQ(model->Zones(1).NodeCount, 3);
}

TEST(CalcNewNode, AZoneWithFiftyOneNodesTakesNoMore) {
    auto model = emptyHouse();
    // Zone 1: 49 nodes along its top side, then two more corners: 51 nodes.
    const int full = model->AddZone().index;
    model->Zones(full).Level = 1;
    for (int k = 0; k <= 48; ++k) model->ZoneNodes(full, k) = {2 * k, 0};
    model->ZoneNodes(full, 49) = {96, 100};
    model->ZoneNodes(full, 50) = {0, 100};
    model->Zones(full).NodeCount = 51;
    const int neighbour = addRectangle(*model, 1, 96, 0, 196, 100);
    RecordingView view;
    CalcNewNode(*model, view, 1, {96, 50});
    EXPECT_EQ(model->Zones(full).NodeCount, 51);
    EXPECT_EQ(model->ZoneNodes(full, 49), (TPlanPoint{96, 100}));
    ASSERT_EQ(model->Zones(neighbour).NodeCount, 5) << "the other zone still takes the node";
    EXPECT_EQ(model->ZoneNodes(neighbour, 4), (TPlanPoint{96, 50}));
}

TEST(DelWindowsBnZones, RemovesWindowsOfSharedWallsOnTheCurrentLevelOnly) {
    auto model = emptyHouse(1.0, 2);
    for (int level = 1; level <= 2; ++level) {
        const int left = addRectangle(*model, level, 0, 0, 100, 100);
        addRectangle(*model, level, 100, 0, 200, 100);
        addWindow(*model, left, 1, 2.5, {100, 50}); // on the shared side
        addWindow(*model, left, 0, 2.5, {50, 0});   // external
        addDoor(*model, left, 1, 1.0, {100, 20});
    }
    RecordingView view;
    for (int level = 1; level <= 2; ++level) CalculateWallValues(*model, view, level);
    model->CurrentLevel = 2;
    DelWindowsBnZones(*model, view);
    EXPECT_EQ(model->Walls(3, 1).WindowCount, 0) << "shared wall on the current level";
    EXPECT_EQ(model->Walls(3, 1).DoorCount, 1) << "doors stay";
    EXPECT_EQ(model->Walls(3, 0).WindowCount, 1) << "external wall";
    EXPECT_EQ(model->Walls(1, 1).WindowCount, 1) << "another level";
}

} // namespace
