#include "modeller/model/presimulation_pass.h"

#include "modeller/model/wall_values.h"

#include "geometry_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using geometry_test::addDoor;
using geometry_test::addRectangle;
using geometry_test::addWindow;
using geometry_test::addZone;
using geometry_test::emptyHouse;
using geometry_test::RecordingView;
using geometry_test::ScriptedAnswers;

// Level 1: zone 1 (5 m by 4 m) and zone 3 beside it, sharing its right side, with zone 2 between
// them in number but of no area.  Level 2: zone 4, 3 m by 2 m over a corner of zone 1, with a
// stairwell of 7.2 m2 down to zone 1.  Level 3 holds nothing.  Level 1 has an eaves outline 0.5 m out
// at the top and 1 m out on the other sides.
std::unique_ptr<HouseModel> untidyHouse() {
    auto model = emptyHouse(1.0, 3);
    HouseModel& m = *model;
    addRectangle(m, 1, 100, 100, 200, 180);
    addZone(m, 1, {{300, 300}, {340, 300}, {320, 300}});
    addRectangle(m, 1, 200, 100, 300, 180);
    addRectangle(m, 2, 100, 100, 160, 140);

    m.Zones(1).IntWallCount = 2;
    m.ZoneIntWalls(1, 1).StartPoint = {120, 120}; // leaves zone 1 into zone 3
    m.ZoneIntWalls(1, 1).EndPoint = {250, 120};
    m.ZoneIntWalls(1, 2).StartPoint = {120, 150};
    m.ZoneIntWalls(1, 2).EndPoint = {180, 150};
    m.Zones(3).IntWallCount = 2;
    m.ZoneIntWalls(3, 1).StartPoint = {200, 140}; // on the wall zone 3 shares with zone 1
    m.ZoneIntWalls(3, 1).EndPoint = {250, 140};
    m.ZoneIntWalls(3, 2).StartPoint = {250, 150}; // leaves the house
    m.ZoneIntWalls(3, 2).EndPoint = {350, 150};

    addWindow(m, 1, 1, 2.0, {200, 140}); // on the shared side
    addWindow(m, 1, 0, 2.0, {140, 100});
    const int shaded = addWindow(m, 1, 0, 3.5, {170, 100});
    m.WallWindows(1, 0, shaded).SecondEaves = 0.45;
    addDoor(m, 1, 1, 3.0, {200, 160}); // between zones 1 and 3
    const int upperDoor = addDoor(m, 4, 0, 1.0, {120, 100});
    m.WallDoors(4, 0, upperDoor).EavesDepth = 9.0;

    m.Zones(4).StairDownCount = 1;
    m.StairsDown(4, 1) = {2400.0, 3000.0, 1, 1};
    m.Zones(1).StairUpCount = 1;
    m.StairsUp(1, 1) = {2400.0, 3000.0, 4, 1};

    m.EavesDefined(1) = true;
    m.Eaves(1).Count = 4;
    m.Eaves(1).Points(0) = {80, 90};
    m.Eaves(1).Points(1) = {320, 90};
    m.Eaves(1).Points(2) = {320, 200};
    m.Eaves(1).Points(3) = {80, 200};
    return model;
}

TEST(ScratchCalcs, TidiesTheHouseAndRecomputesItsPlan) {
    auto model = untidyHouse();
    HouseModel& m = *model;
    RecordingView view;
    ScriptedAnswers yes({true});

    const bool runCancelled = ScratchCalcs(m, view, yes);

    EXPECT_FALSE(runCancelled);
    // Stray internal walls, the zone of no area and the empty level are gone.
    EXPECT_EQ(view.statusTexts, (std::vector<std::string>{"Deleting Internal wall 1 of Zone 1",
                                                          "Deleting Internal wall 2 of Zone 3"}));
    EXPECT_EQ(view.beeps, 2);
    ASSERT_EQ(m.Zones(1).IntWallCount, 1);
    EXPECT_EQ(m.ZoneIntWalls(1, 1).StartPoint, (TPlanPoint{120, 150}));
    EXPECT_DOUBLE_EQ(m.ZoneIntWalls(1, 1).IntWallLength, 3.0);
    EXPECT_EQ(view.discardedZones, std::vector<int>{2});
    ASSERT_EQ(m.ZoneCount, 3);
    ASSERT_EQ(m.Zones(2).IntWallCount, 1) << "a wall ending on the side shared with zone 1 stays";
    EXPECT_EQ(m.ZoneIntWalls(2, 1).StartPoint, (TPlanPoint{200, 140}));
    EXPECT_EQ(m.LevelCount, 2);
    EXPECT_EQ(m.CurrentLevel, 1);
    EXPECT_EQ(view.levelOneShown, 1);
    EXPECT_EQ(m.Zones(3).Level, 2);
    // Floor areas and the area shared between the levels.
    EXPECT_DOUBLE_EQ(m.Zones(1).FloorArea, 20.0);
    EXPECT_DOUBLE_EQ(m.Zones(2).FloorArea, 20.0);
    EXPECT_DOUBLE_EQ(m.Zones(3).FloorArea, 6.0);
    EXPECT_DOUBLE_EQ(m.CommonFloorArea(1, 3), 6.0);
    EXPECT_EQ(m.CommonFloorArea(2, 3), 0.0);
    // Neighbours, the window on the shared wall and the door mirrored across it.
    EXPECT_EQ(m.Walls(1, 1).AdjZone, 2);
    EXPECT_EQ(m.Walls(2, 3).AdjZone, 1);
    EXPECT_EQ(m.Walls(1, 1).WindowCount, 0);
    EXPECT_EQ(yes.reports, std::vector<std::string>{"Windows cannot stand on a wall between two zones. These "
                                                    "windows were deleted:\nWindow 1 of Wall 2 of Zone 1 "
                                                    "(Zone 1), 1.00 m wide"});
    EXPECT_EQ(m.Walls(1, 0).WindowCount, 2);
    EXPECT_EQ(m.Walls(1, 1).DoorCount, 1);
    ASSERT_EQ(m.Walls(2, 3).InterzoneDoorCount, 1);
    EXPECT_EQ(m.InterzoneDoors(2, 3, 1), (TInterzoneDoorRec{0.82, 2.04, 0.82 * 2.04, {200, 160}, 4}));
    EXPECT_EQ(m.Walls(1, 1).InterzoneDoorCount, 0);
    // The stairwell that did not fit is gone from both zones, and no void is left.
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0],
              "Zone 3 and Zone 1 can not share a specified stairwell. All stairwells to these zones "
              "will be deleted if you procede. Do you wish to procede?");
    EXPECT_EQ(m.Zones(3).StairDownCount, 0);
    EXPECT_EQ(m.Zones(1).StairUpCount, 0);
    EXPECT_EQ(m.VoidArea(3, 1), 0.0);
}

// A zone of no area with a stairwell: the pass removes the zone, and the stairwell's other half in the
// zone below goes with it, so no stairwell is left leading to a zone that is not there.  The other
// stairwell of the zone below, from the real zone above, stays with its void.
TEST(ScratchCalcs, AZoneOfNoAreaTakesItsStairwellsWithIt) {
    auto model = emptyHouse(1.0, 2);
    HouseModel& m = *model;
    const int lower = addRectangle(m, 1, 100, 100, 200, 180);
    const int empty = addZone(m, 2, {{120, 120}, {160, 120}, {140, 120}});
    const int upper = addRectangle(m, 2, 100, 100, 200, 180);
    m.Zones(empty).StairDownCount = 1;
    m.StairsDown(empty, 1) = {1000.0, 1000.0, lower, 1};
    m.Zones(upper).StairDownCount = 1;
    m.StairsDown(upper, 1) = {2000.0, 1200.0, lower, 2};
    m.Zones(lower).StairUpCount = 2;
    m.StairsUp(lower, 1) = {1000.0, 1000.0, empty, 1};
    m.StairsUp(lower, 2) = {2000.0, 1200.0, upper, 2};
    RecordingView view;
    ScriptedAnswers none;

    EXPECT_FALSE(ScratchCalcs(m, view, none));

    EXPECT_EQ(view.discardedZones, std::vector<int>{empty});
    ASSERT_EQ(m.ZoneCount, 2);
    EXPECT_TRUE(none.asked.empty());
    ASSERT_EQ(m.Zones(lower).StairUpCount, 1);
    EXPECT_EQ(m.StairsUp(lower, 1), (TStairRec{2000.0, 1200.0, 2, 2})) << "the stair from the upper zone";
    ASSERT_EQ(m.Zones(2).StairDownCount, 1);
    EXPECT_EQ(m.StairsDown(2, 1).Zone, lower);
    EXPECT_DOUBLE_EQ(m.VoidArea(lower, 2), 2.4) << "2000 mm by 1200 mm";
}

TEST(ScratchCalcs, EavesDepthsOfWallsWindowsAndDoors) {
    auto model = untidyHouse();
    HouseModel& m = *model;
    RecordingView view;
    ScriptedAnswers yes({true});
    (void)ScratchCalcs(m, view, yes);
    EXPECT_DOUBLE_EQ(m.Walls(1, 0).EavesDepth, 0.5) << "top: 10 px to the eaves";
    EXPECT_DOUBLE_EQ(m.Walls(1, 2).EavesDepth, 1.0) << "bottom";
    EXPECT_DOUBLE_EQ(m.Walls(1, 3).EavesDepth, 1.0) << "left, probed a little off the plan's x axis";
    EXPECT_DOUBLE_EQ(m.Walls(1, 3).PlanAzimuth, 269.9);
    EXPECT_DOUBLE_EQ(m.Walls(2, 1).PlanAzimuth, 89.9);
    EXPECT_DOUBLE_EQ(m.Walls(2, 1).EavesDepth, 1.0) << "right side of zone 2";
    EXPECT_DOUBLE_EQ(m.WallWindows(1, 0, 1).EavesDepth, 0.5);
    EXPECT_DOUBLE_EQ(m.WallWindows(1, 0, 2).EavesDepth, 0.45) << "its second eaves width";
    EXPECT_EQ(m.WallDoors(3, 0, 1).EavesDepth, 0.0) << "level 2 has no eaves outline";
    EXPECT_EQ(m.Walls(3, 0).EavesDepth, 0.0);
}

// Two wings 4 m wide and 10 m deep, 6 m apart, joined across the south by a 4 m deep block: a
// courtyard open to the north.  The eaves run 0.6 m outside every outer wall and round the courtyard.
// A window looking across the courtyard has its own 0.6 m eave over it, and the eaves of the other
// wing (5.4 m and 10.6 m along its probe) are the far side of the roof, whichever point the outline
// was started at.  Plan at 20 px/m, the house 2 m from the plan's corner.
TEST(CalcEaves, AWindowAcrossACourtyardTakesTheEaveOverItWhereverTheOutlineStarts) {
    const auto px = [](double metres) { return static_cast<std::int32_t>(40 + 20 * metres); };
    const TPlanPoint eaves[8] = {{px(-0.6), px(-0.6)}, {px(4.6), px(-0.6)}, {px(4.6), px(5.4)},
                                 {px(9.4), px(5.4)},   {px(9.4), px(-0.6)}, {px(14.6), px(-0.6)},
                                 {px(14.6), px(10.6)}, {px(-0.6), px(10.6)}};
    for (int first = 0; first < 8; ++first) {
        auto model = emptyHouse();
        HouseModel& m = *model;
        const int west = addRectangle(m, 1, px(0), px(0), px(4), px(10));
        const int east = addRectangle(m, 1, px(10), px(0), px(14), px(10));
        addRectangle(m, 1, px(4), px(6), px(10), px(10));
        // Facing the courtyard, 3 m from the north end of each wing.
        const int toEast = addWindow(m, west, 1, 3.0, {px(4), px(3)});
        addWindow(m, east, 3, 7.0, {px(10), px(3)});
        m.EavesDefined(1) = true;
        m.Eaves(1).Count = 8;
        for (int k = 0; k < 8; ++k) m.Eaves(1).Points(k) = eaves[(first + k) % 8];
        RecordingView view;
        ScriptedAnswers none;
        EXPECT_FALSE(ScratchCalcs(m, view, none));
        EXPECT_NEAR(m.WallWindows(west, 1, toEast).EavesDepth, 0.6, 1e-9) << "outline from point " << first;
        // The east wing's west wall is split where the base meets it; the window, 3 m from its north
        // end, is on the part from (10, 6) to (10, 0).
        ASSERT_EQ(m.Walls(east, 4).WindowCount, 1);
        EXPECT_NEAR(m.WallWindows(east, 4, 1).EavesDepth, 0.6, 1e-9) << "outline from point " << first;
        EXPECT_NEAR(m.Walls(west, 1).EavesDepth, 0.6, 1e-9) << "outline from point " << first;
    }
}

TEST(ScratchCalcs, NoToTheStairwellQuestionCancelsTheRunAndKeepsTheStairwell) {
    auto model = untidyHouse();
    HouseModel& m = *model;
    RecordingView view;
    ScriptedAnswers no({false});
    EXPECT_TRUE(ScratchCalcs(m, view, no));
    EXPECT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(m.Zones(3).StairDownCount, 1);
    EXPECT_EQ(m.StairsDown(3, 1).Zone, 1);
    EXPECT_EQ(m.Zones(1).StairUpCount, 1);
    EXPECT_EQ(m.StairsUp(1, 1).Zone, 3);
    EXPECT_DOUBLE_EQ(m.VoidArea(3, 1), 7.2);
    EXPECT_DOUBLE_EQ(m.VoidArea(1, 3), 7.2);
    EXPECT_EQ(m.ZoneCount, 3) << "the rest of the pass ran all the same";
    EXPECT_EQ(m.LevelCount, 2);
}

TEST(AllocateVoidArea, AStairwellThatFitsAsksNothingAndBecomesAVoidBetweenTheZones) {
    auto model = emptyHouse(1.0, 2);
    HouseModel& m = *model;
    const int lower = addRectangle(m, 1, 0, 0, 100, 100);
    const int upper = addRectangle(m, 2, 0, 0, 100, 100);
    m.CommonFloorArea(upper, lower) = m.CommonFloorArea(lower, upper) = 25.0;
    m.Zones(upper).StairDownCount = 2;
    m.StairsDown(upper, 1) = {2000.0, 1000.0, lower, 1};
    m.StairsDown(upper, 2) = {1500.0, 1000.0, lower, 2};
    m.VoidArea(lower, upper) = 99.0;
    ScriptedAnswers answers;
    EXPECT_FALSE(AllocateVoidArea(m, answers));
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_DOUBLE_EQ(m.VoidArea(upper, lower), 3.5);
    EXPECT_DOUBLE_EQ(m.VoidArea(lower, upper), 3.5);
    EXPECT_EQ(m.VoidArea(lower, lower), 0.0);
}

TEST(UnwantedStairs, EveryPairThatCannotShareItsStairwellsIsAskedAbout) {
    auto model = emptyHouse(1.0, 2);
    HouseModel& m = *model;
    addRectangle(m, 1, 0, 0, 100, 100);
    addRectangle(m, 1, 100, 0, 200, 100);
    addRectangle(m, 2, 0, 0, 100, 100);
    m.CommonFloorArea(3, 1) = 25.0;
    m.CommonFloorArea(3, 2) = 0.0;
    m.Zones(3).StairDownCount = 2;
    m.StairsDown(3, 1) = {1000.0, 1000.0, 2, 1}; // no shared floor with zone 2
    m.StairsDown(3, 2) = {1000.0, 1000.0, 1, 2}; // fits zone 1
    m.Zones(1).StairDownCount = 1;
    m.StairsDown(1, 1) = {1000.0, 1000.0, 1, 3}; // a stairwell into its own zone
    ScriptedAnswers answers({false, false});
    EXPECT_TRUE(UnwantedStairs(m, answers));
    EXPECT_EQ(answers.asked,
              (std::vector<std::string>{StairwellQuestionText(1, 1), StairwellQuestionText(3, 2)}));
    EXPECT_EQ(m.Zones(3).StairDownCount, 2);
}

TEST(CalculateOpenings, ADoorBothZonesHoldIsMirroredOnceWhateverWasMirroredBetween) {
    auto model = emptyHouse();
    HouseModel& m = *model;
    addRectangle(m, 1, 0, 0, 100, 100);   // zone 1
    addRectangle(m, 1, 100, 0, 200, 100); // zone 2, to the right
    addRectangle(m, 1, 0, 100, 100, 200); // zone 3, below
    RecordingView view;
    CalculateWallValues(m, view, 1);
    ASSERT_EQ(m.Walls(1, 1).AdjZone, 2);
    ASSERT_EQ(m.Walls(1, 2).AdjZone, 3);
    addDoor(m, 1, 1, 2.5, {100, 50}); // the door between zones 1 and 2, held by both
    addDoor(m, 2, 3, 2.5, {100, 50});
    addDoor(m, 1, 2, 2.5, {50, 100});     // the door between zones 1 and 3
    m.Walls(1, 1).InterzoneDoorCount = 3; // stale counts are cleared

    CalculateOpenings(m);

    EXPECT_EQ(m.Walls(2, 3).InterzoneDoorCount, 1);
    EXPECT_EQ(m.InterzoneDoors(2, 3, 1).NodePoint, (TPlanPoint{100, 50}));
    EXPECT_EQ(m.Walls(3, 0).InterzoneDoorCount, 1);
    EXPECT_EQ(m.InterzoneDoors(3, 0, 1).NodePoint, (TPlanPoint{50, 100}));
    EXPECT_EQ(m.Walls(1, 1).InterzoneDoorCount, 0) << "zone 1 holds that door itself";
}

TEST(DeleteUntiedLevels, AHouseWithoutZonesKeepsItsFirstLevel) {
    auto model = emptyHouse(1.0, 3);
    model->CurrentLevel = 3;
    RecordingView view;
    DeleteUntiedLevels(*model, view);
    EXPECT_EQ(model->LevelCount, 1);
    EXPECT_EQ(model->CurrentLevel, 1);
    EXPECT_EQ(view.levelOneShown, 2);
    EXPECT_EQ(view.outlineToggles, 4) << "hidden before and shown after each deletion";
}

} // namespace
