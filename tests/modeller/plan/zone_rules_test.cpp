// The zone dialogs' rules without widgets: the names and colours proposed for new zones, the element
// buttons that suit a zone's place in the building, and the stairwells with their mirrors.
#include "modeller/model/common_floor_area.h"
#include "modeller/plan/stair_openings.h"
#include "modeller/plan/zone_rules.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

class ZoneRulesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
    }
    // A rectangle of w x h metres with its corner at (x, y) metres on the plan (at the plan's
    // magnification).
    int box(int level, double x, double y, double w, double h) {
        if (level > model().LevelCount) model().LevelCount = level;
        return plan_test::addRectangle(model(), level, px(x), px(y), px(w), px(h), 0xFFFFFF);
    }
    int px(double metres) { return int(std::lround(metres * 20 * model().Magnification)); }
    PlanSelection& selection() { return workspace->selection; }
};

TEST_F(ZoneRulesTest, NewZonesAreProposedWithTheFirstFreeNumberInShadesOfTheirType) {
    struct Case {
        std::vector<std::string> names;
        int type;
        std::string name;
        std::int32_t colour;
    };
    const std::vector<Case> cases = {
        {{}, 0, "Living 1", Rgb(255, 0, 0)},
        {{"Living 1"}, 0, "Living 2", Rgb(255, 80, 80)},
        {{"Living 1", "Living 2"}, 0, "Living 3", Rgb(255, 113, 113)},
        {{"Living 2", "Living 1"}, 0, "Living 3", Rgb(255, 113, 113)},
        {{"Living 2"}, 0, "Living 1", Rgb(255, 0, 0)},
        {{"Living 1", "Living 3"}, 0, "Living 2", Rgb(255, 80, 80)},
        {{"Living 1", "living 2", "Sleeping 1"}, 0, "Living 2", Rgb(255, 80, 80)},
        {{}, 5, "Garage 1", Rgb(180, 100, 100)},
        {{}, 3, "Wet Area 1", Rgb(0, 255, 0)},
        // v = 80: wet areas and corridors 96, garages 56 + 100, sleeping rooms 80.
        {{"Wet Area 1"}, 3, "Wet Area 2", Rgb(96, 255, 96)},
        {{"Corridor 1"}, 4, "Corridor 2", Rgb(255, 255, 96)},
        {{"Garage 1"}, 5, "Garage 2", Rgb(180, 156, 156)},
        {{"Sleeping 1"}, 2, "Sleeping 2", Rgb(80, 80, 255)},
        {{"Liv/Kitchen 1"}, 1, "Liv/Kitchen 2", Rgb(255, 80, 255)},
        // The stored names keep 15 characters and so never match these types' proposals.
        {{"Other Day-time ", "Other Day-time "}, 6, "Other Day-time 1", Rgb(255, 0, 0)},
        {{"Other Night-tim"}, 7, "Other Night-time 1", Rgb(0, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model().ZoneCount = 0;
        for (const std::string& name : c.names) model().Zones(box(1, 0, 0, 2, 2)).Name = name;
        const ZoneProposal proposal = ProposeZone(model(), c.type);
        EXPECT_EQ(proposal.Name, c.name);
        EXPECT_EQ(proposal.Colour, c.colour);
    }
}

TEST_F(ZoneRulesTest, PastTheEleventhLivingZoneTheShadeWrapsRoundToDark) {
    for (int k = 1; k <= 11; ++k) model().Zones(box(1, 0, 0, 2, 2)).Name = "Living " + std::to_string(k);
    // v = nearest(80 sqrt 11) = 265, whose low 8 bits are 9.
    EXPECT_EQ(ProposeZone(model(), 0).Colour, Rgb(255, 9, 9));
    EXPECT_EQ(ProposeZone(model(), 0).Name, "Living 12");
}

TEST_F(ZoneRulesTest, ElementButtonsFollowTheZonesPlaceInTheBuilding) {
    using B = ZoneElementButtons;
    const int single = box(1, 0, 0, 10, 8);
    EXPECT_EQ(ElementButtonsFor(model(), single), (B{.Floor = true, .Ceiling = true, .Roof = true}));
    model().Zones(single).SkylightCount = 1;
    EXPECT_EQ(ElementButtonsFor(model(), single),
              (B{.Floor = true, .Ceiling = true, .Roof = true, .Skylight = true}));

    // A second level: one lower zone fully covered, one half covered, and an upper zone that
    // overhangs the outside by half.
    const int covered = box(1, 20, 0, 10, 8);
    const int halfCovered = box(1, 40, 0, 10, 8);
    const int overhung = box(1, 60, 0, 10, 8);
    const int over = box(2, 20, 0, 10, 8);
    const int overHalf = box(2, 40, 0, 5, 8);
    const int overhang = box(2, 65, 0, 10, 8);
    EXPECT_EQ(ElementButtonsFor(model(), covered), (B{.Floor = true, .InBetweenFloor = true}));
    EXPECT_EQ(ElementButtonsFor(model(), halfCovered),
              (B{.Floor = true, .Ceiling = true, .Roof = true, .InBetweenFloor = true}));
    EXPECT_EQ(ElementButtonsFor(model(), overhung),
              (B{.Floor = true, .Ceiling = true, .Roof = true, .InBetweenFloor = true}));
    EXPECT_EQ(ElementButtonsFor(model(), over), (B{.Ceiling = true, .Roof = true, .FloorCover = true}));
    EXPECT_EQ(ElementButtonsFor(model(), overHalf), (B{.Ceiling = true, .Roof = true, .FloorCover = true}));
    EXPECT_EQ(ElementButtonsFor(model(), overhang),
              (B{.Floor = true, .Ceiling = true, .Roof = true, .FloorCover = true}));
    model().Zones(over).StairDownCount = 1;
    EXPECT_TRUE(ElementButtonsFor(model(), over).StairWell);
    EXPECT_FALSE(ElementButtonsFor(model(), single).FloorCover) << "the single zone has nothing above";

    // A zone on a level above an empty level has no roof of its own to edit.
    const int floating = box(4, 0, 20, 5, 5);
    EXPECT_FALSE(ElementButtonsFor(model(), floating).Roof);
    EXPECT_FALSE(ElementButtonsFor(model(), floating).Ceiling);
}

TEST_F(ZoneRulesTest, SweptAreaAndGlassRatioNeedAFloor) {
    EXPECT_NEAR(*SweptFanAreaPercent(3, 1200.0, 40.0), 3 * 3.14159265 * 1.44 / 4 / 40 * 100, 1e-6);
    EXPECT_FALSE(SweptFanAreaPercent(3, 1200.0, 0.0));
    const int z = box(1, 0, 0, 10, 8);
    model().Walls(z, 0).WindowCount = 2;
    model().WallWindows(z, 0, 1).ElementArea = 2.0;
    model().WallWindows(z, 0, 2).ElementArea = 1.6;
    model().Walls(z, 1).AdjZone = 2; // a window on a partition wall is no glass to the outside
    model().Walls(z, 1).WindowCount = 1;
    model().WallWindows(z, 1, 1).ElementArea = 5.0;
    EXPECT_NEAR(*GlassToFloorRatio(model(), z), 3.6 * 100 / 80, 1e-9);
    model().Zones(z).FloorArea = 0.0;
    EXPECT_FALSE(GlassToFloorRatio(model(), z));
}

// ---- Stairwells --------------------------------------------------------------------------------

class StairOpeningsTest : public ZoneRulesTest {
  protected:
    StairOpenings::Start insert(int upper, int lower) {
        selection().CurrentZone = upper;
        selection().OtherZone = lower;
        selection().InsertStairMode = true;
        CalcAllCommonArea(model());
        return openings.SetValues();
    }
    StairOpenings openings{model(), workspace->selection};
};

TEST_F(StairOpeningsTest, AnInsertedOpeningTakesTheNewSizeAndIsMirroredBelow) {
    // 1 m2 shared: the new opening is larger, and is taken all the same.
    const int lower = box(1, 0, 0, 1, 1);
    const int upper = box(2, 0, 0, 4, 4);
    const StairOpenings::Start start = insert(upper, lower);
    EXPECT_TRUE(start.Shown);
    EXPECT_TRUE(start.Refusal.empty());
    EXPECT_FALSE(selection().InsertStairMode);
    EXPECT_EQ(model().LastStairId, 1);
    EXPECT_EQ(model().Zones(upper).StairDownCount, 1);
    EXPECT_EQ(model().Zones(lower).StairUpCount, 1);
    EXPECT_EQ(model().StairsDown(upper, 1), (TStairRec{2400, 1200, lower, 1}));
    EXPECT_EQ(model().StairsUp(lower, 1), (TStairRec{2400, 1200, upper, 1}));
    EXPECT_EQ(selection().CurrentStair, 1);
    EXPECT_EQ(selection().CurrentStairUp, 1);
    // 1 m2 shared, less the 2.88 m2 of this zone's openings into it, plus this opening's own.
    EXPECT_NEAR(openings.AvailableStairArea, 1.0, 1e-9);
    EXPECT_NEAR(openings.LongestSide(1200.0), 1.0e6 / 1200.0, 1e-9);
}

TEST_F(StairOpeningsTest, EditsAndRemovalsReachOnlyTheMirrorWithTheSameId) {
    const int lower = box(1, 0, 0, 10, 8);
    const int upperA = box(2, 0, 0, 5, 8);
    const int upperB = box(2, 5, 0, 5, 8);
    insert(upperA, lower); // id 1
    insert(upperB, lower); // id 2
    insert(upperA, lower); // id 3
    ASSERT_EQ(model().Zones(lower).StairUpCount, 3);

    selection().CurrentZone = upperA;
    selection().CurrentStair = 2;
    openings.ChangeStairs();
    EXPECT_EQ(openings.Work.StairId, 3);
    // upperA's two openings take 5.76 of its 40 m2 over the lower zone; this one gives its 2.88 back.
    EXPECT_NEAR(openings.AvailableStairArea, 40.0 - 5.76 + 2.88, 1e-9);
    openings.Work.Length = 900;
    openings.SaveStairs();
    EXPECT_EQ(model().StairsDown(upperA, 2), (TStairRec{900, 1200, lower, 3}));
    EXPECT_EQ(model().StairsUp(lower, 3), (TStairRec{900, 1200, upperA, 3}));
    EXPECT_EQ(model().StairsUp(lower, 1), (TStairRec{2400, 1200, upperA, 1}));
    EXPECT_EQ(model().StairsUp(lower, 2), (TStairRec{2400, 1200, upperB, 2}));

    selection().CurrentStair = 1;
    openings.ChangeStairs();
    EXPECT_FALSE(openings.RemoveShown()) << "upperA keeps one opening";
    EXPECT_EQ(model().Zones(upperA).StairDownCount, 1);
    EXPECT_EQ(model().StairsDown(upperA, 1).StairId, 3);
    ASSERT_EQ(model().Zones(lower).StairUpCount, 2);
    EXPECT_EQ(model().StairsUp(lower, 1).StairId, 2);
    EXPECT_EQ(model().StairsUp(lower, 2).StairId, 3);
    EXPECT_EQ(openings.Work.StairId, 3) << "the first opening left is loaded";

    EXPECT_TRUE(openings.RemoveShown()) << "the last opening of upperA";
    EXPECT_EQ(model().Zones(upperA).StairDownCount, 0);
    ASSERT_EQ(model().Zones(lower).StairUpCount, 1);
    EXPECT_EQ(model().StairsUp(lower, 1), (TStairRec{2400, 1200, upperB, 2}));
    EXPECT_EQ(model().Zones(upperB).StairDownCount, 1);
}

TEST_F(StairOpeningsTest, LimitsRefuseAndShowTheFirstOpening) {
    const int lower = box(1, 0, 0, 10, 8);
    const int upper = box(2, 0, 0, 10, 8);
    for (int i = 0; i < kMaxStairsDown; ++i) ASSERT_TRUE(insert(upper, lower).Refusal.empty());
    const TZoneRec before = model().Zones(lower);
    StairOpenings::Start seventh = insert(upper, lower);
    EXPECT_EQ(seventh.Refusal, limit_text::kStairsDown);
    EXPECT_TRUE(seventh.Shown);
    EXPECT_EQ(selection().CurrentStair, 1);
    EXPECT_EQ(model().Zones(upper).StairDownCount, kMaxStairsDown);
    EXPECT_EQ(model().Zones(lower), before);
    EXPECT_EQ(model().LastStairId, kMaxStairsDown);

    // A lower zone whose up-list is full takes no more, and an upper zone without openings then
    // has nothing to show.
    const int other = box(2, 20, 0, 5, 5);
    const int full = box(1, 20, 0, 5, 5);
    model().Zones(full).StairUpCount = kMaxStairsUp;
    StairOpenings::Start refused = insert(other, full);
    EXPECT_EQ(refused.Refusal, limit_text::kStairsUp);
    EXPECT_FALSE(refused.Shown);
    EXPECT_EQ(model().Zones(other).StairDownCount, 0);
    EXPECT_EQ(model().Zones(full).StairUpCount, kMaxStairsUp);
}

TEST_F(StairOpeningsTest, AnOpeningWithoutItsMirrorChangesNoOtherZone) {
    const int lower = box(1, 0, 0, 10, 8);
    const int upper = box(2, 0, 0, 10, 8);
    const int neighbour = box(2, 20, 0, 5, 5);
    insert(neighbour, lower);
    // A hand-edited file: an opening of `upper` whose id nothing below mirrors.
    model().Zones(upper).StairDownCount = 1;
    model().StairsDown(upper, 1) = {1200, 900, lower, 99};
    const auto lowerList = model().StairsUp(lower, 1);
    selection().CurrentZone = upper;
    EXPECT_TRUE(openings.SetValues().Shown);
    openings.Work.Length = 600;
    openings.SaveStairs();
    EXPECT_EQ(model().StairsDown(upper, 1), (TStairRec{600, 900, lower, 99}));
    EXPECT_EQ(model().StairsUp(lower, 1), lowerList);
    EXPECT_EQ(model().Zones(lower).StairUpCount, 1);
    EXPECT_TRUE(openings.RemoveShown());
    EXPECT_EQ(model().Zones(lower).StairUpCount, 1) << "the neighbour's mirror stays";
}

TEST_F(StairOpeningsTest, RemovingAllLeavesNoCountBelowZero) {
    const int lower = box(1, 0, 0, 10, 8);
    const int upper = box(2, 0, 0, 10, 8);
    insert(upper, lower);
    openings.RemoveAll();
    for (int z = 1; z <= model().ZoneCount; ++z) {
        EXPECT_EQ(model().Zones(z).StairDownCount, 0);
        EXPECT_EQ(model().Zones(z).StairUpCount, 0);
    }
    // The dialog still shows the opening it had; saving and removing it change nothing.
    openings.Work.Length = 300;
    openings.SaveStairs();
    EXPECT_EQ(model().StairsDown(upper, 1).Length, 2400);
    EXPECT_TRUE(openings.RemoveShown());
    EXPECT_EQ(model().Zones(upper).StairDownCount, 0);
    EXPECT_EQ(model().Zones(lower).StairUpCount, 0);
    selection().CurrentZone = upper;
    EXPECT_FALSE(openings.SetValues().Shown) << "a zone without openings has none to show";
}

} // namespace
