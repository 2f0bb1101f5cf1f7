#include "modeller/model/common_floor_area.h"

#include "geometry_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using geometry_test::addRectangle;
using geometry_test::addZone;
using geometry_test::emptyHouse;

TEST(CalcAllCommonArea, FiveByFourMetresOneAboveTheOtherShareTwentySquareMetres) {
    for (const int magnification : {1, 2, 4}) {
        auto model = emptyHouse(magnification, 2);
        const int m = magnification;
        const int lower = addRectangle(*model, 1, 100 * m, 100 * m, 200 * m, 180 * m);
        const int upper = addRectangle(*model, 2, 100 * m, 100 * m, 200 * m, 180 * m);
        CalcAllCommonArea(*model);
        EXPECT_DOUBLE_EQ(model->CommonFloorArea(lower, upper), 20.0) << "magnification " << m;
        EXPECT_DOUBLE_EQ(model->CommonFloorArea(upper, lower), 20.0) << "magnification " << m;
        EXPECT_DOUBLE_EQ(model->CommonFloorArea(lower, lower), 0.0);
    }
}

TEST(CalcAllCommonArea, PartialAndConcaveOverlaps) {
    auto model = emptyHouse(1.0, 2);
    const int lower = addRectangle(*model, 1, 0, 0, 200, 160); // 10 m by 8 m
    // An L of 55 m2 lying wholly over the lower zone: 10 m by 3 m and 5 m by 5 m.
    const int ell = addZone(*model, 2, {{0, 0}, {200, 0}, {200, 60}, {100, 60}, {100, 160}, {0, 160}});
    // 10 m by 8 m shifted by 5 m and 4 m: a 5 m by 4 m overlap with the lower zone.
    const int shifted = addRectangle(*model, 2, 100, 80, 300, 240);
    CalcAllCommonArea(*model);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(lower, ell), 55.0);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(ell, lower), 55.0);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(lower, shifted), 20.0);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(shifted, lower), 20.0);
}

TEST(CalcAllCommonArea, OnlyAdjacentLevelsArePaired) {
    auto model = emptyHouse(1.0, 3);
    addRectangle(*model, 1, 0, 0, 100, 100);
    addRectangle(*model, 3, 0, 0, 100, 100);
    addRectangle(*model, 1, 100, 0, 200, 100); // beside zone 1 on its level
    model->CommonFloorArea(1, 2) = 9.0;        // stale values are cleared
    CalcAllCommonArea(*model);
    EXPECT_EQ(model->CommonFloorArea(1, 2), 0.0) << "levels 1 and 3";
    EXPECT_EQ(model->CommonFloorArea(1, 3), 0.0) << "side by side on one level";
    EXPECT_EQ(model->CommonFloorArea(3, 1), 0.0);
}

TEST(CalcAllCommonArea, ASingleLevelLeavesTheMatrixEmpty) {
    auto model = emptyHouse(1.0, 1);
    addRectangle(*model, 1, 0, 0, 100, 100);
    addRectangle(*model, 1, 50, 50, 150, 150); // even overlapping zones
    model->CommonFloorArea(1, 2) = model->CommonFloorArea(2, 1) = 3.0;
    CalcAllCommonArea(*model);
    EXPECT_EQ(model->CommonFloorArea(1, 2), 0.0);
    EXPECT_EQ(model->CommonFloorArea(2, 1), 0.0);
}

TEST(CommonArea, RecomputesThePairsOfItsTwoLevelsOnly) {
    auto model = emptyHouse(1.0, 3);
    const int ground = addRectangle(*model, 1, 0, 0, 100, 100);
    const int first = addRectangle(*model, 2, 0, 0, 100, 40); // 5 m by 2 m
    const int second = addRectangle(*model, 3, 0, 0, 100, 100);
    model->CommonFloorArea(ground, first) = 99.0;
    model->CommonFloorArea(first, second) = 7.0;
    model->CommonFloorArea(0, ground) = model->CommonFloorArea(ground, 0) = 5.0;
    CommonArea(*model, 1, 2);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(ground, first), 10.0);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(first, ground), 10.0);
    EXPECT_EQ(model->CommonFloorArea(first, second), 7.0) << "levels 2 and 3 are not touched";
    EXPECT_EQ(model->CommonFloorArea(0, ground), 0.0);
    EXPECT_EQ(model->CommonFloorArea(ground, 0), 0.0);
}

TEST(CommonArea, OneLevelWithItselfGivesTheOverlapOfItsZones) {
    auto model = emptyHouse(2.0, 1);
    const int a = addRectangle(*model, 1, 0, 0, 400, 400);     // 10 m square
    const int b = addRectangle(*model, 1, 300, 200, 600, 400); // overlaps a by 2.5 m by 5 m
    const int c = addRectangle(*model, 1, 600, 0, 800, 200);   // touches b at a corner only
    CommonArea(*model, 1, 1);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(a, b), 12.5);
    EXPECT_DOUBLE_EQ(model->CommonFloorArea(b, a), 12.5);
    EXPECT_EQ(model->CommonFloorArea(b, c), 0.0);
    EXPECT_EQ(model->CommonFloorArea(a, c), 0.0);
}

} // namespace
