#include "modeller/plan/plan_scale.h"
#include "modeller/plan/plan_selection.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

using namespace pelmora;

HouseModel houseAt(double magnification) {
    HouseModel model;
    model.Magnification = magnification;
    model.LevelCount = 1;
    model.CurrentLevel = 1;
    return model;
}

TEST(Rescaling, DoublingAndThreeQuartersScaleNodesWallsAndEaves) {
    HouseModel model = houseAt(2.0);
    PlanScale scale;
    const int z = plan_test::addZone(model, 1, {{101, 40}, {203, 40}, {203, 121}}, 0xFFFFFF);
    model.Zones(z).IntWallCount = 1;
    model.ZoneIntWalls(z, 1).StartPoint = {110, 45};
    model.ZoneIntWalls(z, 1).EndPoint = {150, 45};
    model.Eaves(1).Count = 1;
    model.EavesNodes(1, 0) = {99, 33};

    RescalePlan(model, scale, 3, scale.SnapStep); // 2 -> 4
    EXPECT_EQ(model.Magnification, 4.0);
    EXPECT_EQ(model.ZoneNodes(z, 0), (TPlanPoint{202, 80}));
    EXPECT_EQ(model.Walls(z, 2).Start, (TPlanPoint{406, 242}));
    EXPECT_EQ(model.ZoneIntWalls(z, 1).EndPoint, (TPlanPoint{300, 90}));
    EXPECT_EQ(model.Eaves(1).Points(0), (TPlanPoint{198, 66}));

    RescalePlan(model, scale, 2, scale.SnapStep);             // 4 -> 3: x 0.75, halves to even
    EXPECT_EQ(model.ZoneNodes(z, 0), (TPlanPoint{152, 60}));  // 151.5 -> 152
    EXPECT_EQ(model.ZoneNodes(z, 1), (TPlanPoint{304, 60}));  // 304.5 -> 304
    EXPECT_EQ(model.ZoneNodes(z, 2), (TPlanPoint{304, 182})); // 181.5 -> 182
}

TEST(Rescaling, SnapStepKeepsItsLengthInMillimetres) {
    HouseModel model = houseAt(2.0);
    PlanScale scale;
    scale.SnapStep = kNewHouseSnapStep; // 100 mm at magnification 2
    EXPECT_EQ(SnapLabelText(2.0, scale.SnapStep), "100 mm snap");
    RescalePlan(model, scale, 3, scale.SnapStep);
    EXPECT_EQ(scale.SnapStep, 8);
    EXPECT_EQ(SnapLabelText(4.0, scale.SnapStep), "100 mm snap");
    EXPECT_EQ(ScaleLabelText(4.0), "80 pix/m");
}

TEST(Rescaling, RoundTripsKeepNodesWithinAPixelOfTheCoarserGrid) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 4000);
    for (int from = 0; from < 4; ++from)
        for (int via = 0; via < 4; ++via) {
            HouseModel model = houseAt(from + 1);
            PlanScale scale;
            const int z = plan_test::addZone(model, 1, {{0, 0}, {1, 0}, {1, 1}}, 0);
            model.Zones(z).NodeCount = kMaxNodes;
            for (int n = 0; n < kMaxNodes; ++n)
                model.ZoneNodes(z, n) = {coordinate(random), coordinate(random)};
            HouseModel before = model;
            RescalePlan(model, scale, via, scale.SnapStep);
            RescalePlan(model, scale, from, scale.SnapStep);
            // Half a pixel of the coarser grid, then half a pixel of rounding back.
            const double ratio = (from + 1.0) / (via + 1.0);
            const double bound = std::max(0.5, 0.5 * ratio) + 0.5;
            for (int n = 0; n < kMaxNodes; ++n) {
                EXPECT_LE(std::abs(model.ZoneNodes(z, n).X - before.ZoneNodes(z, n).X), bound) << from << via;
                EXPECT_LE(std::abs(model.ZoneNodes(z, n).Y - before.ZoneNodes(z, n).Y), bound) << from << via;
            }
            if (via >= from) {
                for (int n = 0; n < kMaxNodes; ++n)
                    EXPECT_EQ(model.ZoneNodes(z, n), before.ZoneNodes(z, n))
                        << "through a finer grid nothing moves";
            }
        }
}

TEST(Rescaling, SavingAtMagnificationTwoMovesAnOddCoordinateByOnePixel) {
    HouseModel model = houseAt(2.0);
    PlanScale scale;
    const int z = plan_test::addZone(model, 1, {{101, 40}, {200, 40}, {200, 80}}, 0);
    RescalePlan(model, scale, 0, scale.SnapStep);
    RescalePlan(model, scale, 1, scale.SnapStep);
    EXPECT_EQ(model.ZoneNodes(z, 0).X, 100); // 50.5 -> 50 -> 100
    EXPECT_EQ(model.ZoneNodes(z, 1).X, 200);
}

TEST(Snap, StepsLabelsAndChoicesFollowTheMagnification) {
    EXPECT_EQ(SnapStepFor(3.0, 0), 3);
    EXPECT_EQ(SnapLabelText(3.0, 3), "50 mm snap");
    EXPECT_EQ(SnapStepFor(2.0, 4), 40);
    EXPECT_EQ(SnapItemFor(2.0, 4), 1);
    EXPECT_EQ(SnapItemFor(2.0, 10), -1) << "the start-up step of 250 mm is no choice of the dialog";
    EXPECT_EQ(ScrollRangeFor(1.0), 2002);
    EXPECT_EQ(ScrollRangeFor(4.0), 8002);
    // The house file reader takes plan positions within what the plan shows.
    EXPECT_EQ(ScrollRangeFor(1.0), kPlanLimitPixels);
    EXPECT_EQ(ScrollRangeFor(kMaxMagnification), kOpeningPointLimitPixels);
}

TEST(Selection, DeselectAllClearsEveryFlagInUseAndEveryLevelsEavesFlags) {
    HouseModel model = houseAt(2.0);
    PlanSelection selection;
    model.Eaves(3).Count = 5; // no zones at all, eaves counted on level 3
    for (int n = 0; n < 5; ++n) selection.EavesNodeSelected(n) = true;
    DeselectAll(model, selection);
    for (int n = 0; n < 5; ++n) EXPECT_FALSE(selection.EavesNodeSelected(n));

    const int z = plan_test::addRectangle(model, 1, 0, 0, 40, 40, 0);
    model.Walls(z, 1).WindowCount = 1;
    model.Walls(z, 2).DoorCount = 2;
    model.Zones(z).IntWallCount = 1;
    selection.NodeSelected(z, 3) = true;
    selection.WindowSelected(z, 1, 1) = true;
    selection.DoorSelected(z, 2, 2) = true;
    selection.IntWallEndSelected(z, 1, 2) = true;
    selection.CurrentZone = z;
    DeselectAll(model, selection);
    EXPECT_FALSE(selection.NodeSelected(z, 3));
    EXPECT_FALSE(selection.WindowSelected(z, 1, 1));
    EXPECT_FALSE(selection.DoorSelected(z, 2, 2));
    EXPECT_FALSE(selection.IntWallEndSelected(z, 1, 2));
    EXPECT_EQ(selection.CurrentZone, z) << "the hand-over variables keep their values";
}

} // namespace
