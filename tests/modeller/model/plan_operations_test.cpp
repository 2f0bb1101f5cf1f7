#include "modeller/model/model_error.h"
#include "modeller/model/plan_operations.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using pelmora::HouseModel;
using pelmora::TPlanPoint;

// A square zone of four nodes on level 1.
std::unique_ptr<HouseModel> squareZone() {
    auto model = std::make_unique<HouseModel>();
    model->ZoneCount = 1;
    model->LevelCount = 1;
    auto& z = model->Zones(1);
    z.NodeCount = 4;
    const TPlanPoint corners[] = {{0, 0}, {80, 0}, {80, 60}, {0, 60}};
    for (int n = 0; n < 4; ++n) {
        model->ZoneNodes(1, n) = corners[n];
        model->Walls(1, n).Start = corners[n];
        model->Walls(1, n).Length = 100.0 + n;
    }
    return model;
}

TEST(ScalePlanCoordinates, ScalesNodesInternalWallsAndEavesHalvesToEven) {
    auto model = squareZone();
    model->ZoneNodes(1, 1) = {5, 3};
    model->Zones(1).IntWallCount = 1;
    model->ZoneIntWalls(1, 1).StartPoint = {7, -3};
    model->ZoneIntWalls(1, 1).EndPoint = {9, 11};
    model->Eaves(1).Count = 2;
    model->EavesNodes(1, 0) = {-5, 1};
    model->EavesNodes(1, 1) = {2, 4};
    model->Walls(1, 2).WindowCount = 1;
    model->WallWindows(1, 2, 1).Position = 1.0;       // m from the wall's start
    model->WallWindows(1, 2, 1).NodePoint = {60, 60}; // where it stood at magnification 2
    model->Magnification = 1.0;                       // the magnification being scaled to

    pelmora::ScalePlanCoordinates(*model, 0.5);

    EXPECT_EQ(model->ZoneNodes(1, 1), (TPlanPoint{2, 2})); // 2.5 -> 2, 1.5 -> 2
    EXPECT_EQ(model->Walls(1, 1).Start, (TPlanPoint{2, 2}));
    EXPECT_EQ(model->ZoneNodes(1, 2), (TPlanPoint{40, 30}));
    EXPECT_EQ(model->ZoneIntWalls(1, 1).StartPoint, (TPlanPoint{4, -2})); // 3.5 -> 4, -1.5 -> -2
    EXPECT_EQ(model->ZoneIntWalls(1, 1).EndPoint, (TPlanPoint{4, 6}));    // 4.5 -> 4, 5.5 -> 6
    EXPECT_EQ(model->EavesNodes(1, 0), (TPlanPoint{-2, 0}));              // -2.5 -> -2, 0.5 -> 0
    EXPECT_EQ(model->Eaves(1).Points(1), (TPlanPoint{1, 2}));
    // The window stands 1 m (20 px) along the bottom wall, which now runs from (40, 30) to (0, 30).
    EXPECT_EQ(model->WallWindows(1, 2, 1).NodePoint, (TPlanPoint{20, 30}));
}

TEST(ScalePlanCoordinates, ARoundTripThroughMagnificationOneKeepsEvenPositions) {
    auto model = squareZone();
    pelmora::ScalePlanCoordinates(*model, 0.5);
    pelmora::ScalePlanCoordinates(*model, 2.0);
    EXPECT_EQ(model->ZoneNodes(1, 2), (TPlanPoint{80, 60}));
}

TEST(DestroyNode, RemovingNodeZeroMakesTheNextNodeTheFirst) {
    auto model = squareZone();
    model->Walls(1, 1).WindowCount = 2;
    model->WallWindows(1, 1, 2).Width = 1.5;
    model->Walls(1, 2).DoorCount = 1;
    model->WallDoors(1, 2, 1).Width = 0.8;
    model->Walls(1, 3).InterzoneDoorCount = 1;
    model->InterzoneDoors(1, 3, 1).Width = 0.9;
    model->Walls(1, 0).CpSetIndex = 7; // working area of the engine input writer stays in its slot
    model->Walls(1, 1).CpSetIndex = 8;

    pelmora::DestroyNode(*model, 1, 0);

    EXPECT_EQ(model->Zones(1).NodeCount, 3);
    EXPECT_EQ(model->ZoneNodes(1, 0), (TPlanPoint{80, 0}));
    EXPECT_EQ(model->Walls(1, 0).Start, (TPlanPoint{80, 0}));
    EXPECT_EQ(model->Walls(1, 0).Length, 101.0);
    EXPECT_EQ(model->Walls(1, 0).WindowCount, 2);
    EXPECT_EQ(model->WallWindows(1, 0, 2).Width, 1.5);
    EXPECT_EQ(model->WallDoors(1, 1, 1).Width, 0.8);
    EXPECT_EQ(model->Walls(1, 2).InterzoneDoorCount, 1);
    EXPECT_EQ(model->InterzoneDoors(1, 2, 1).Width, 0.9);
    EXPECT_EQ(model->Walls(1, 0).CpSetIndex, 7);
    // The last wall now runs from (0, 60) back to the new node 0.
    EXPECT_EQ(model->ZoneNodes(1, 2), (TPlanPoint{0, 60}));
    EXPECT_EQ(model->NextWall(1, 2), 0);
}

TEST(DestroyNode, RemovingTheLastNodeOnlyLowersTheCount) {
    auto model = squareZone();
    pelmora::DestroyNode(*model, 1, 3);
    EXPECT_EQ(model->Zones(1).NodeCount, 3);
    EXPECT_EQ(model->ZoneNodes(1, 2), (TPlanPoint{80, 60}));
    EXPECT_THROW(pelmora::DestroyNode(*model, 1, 3), pelmora::ModelError);
}

} // namespace
