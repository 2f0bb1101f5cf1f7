// Drags, the button's release and the nudges of the plan editor: openings slide along their walls,
// nodes follow the pointer, and the checks after a drag (overlapping zones, openings too wide for
// their walls, internal walls leaving their zone) report and mend what they find.
#include "plan_editor_fixture.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace pelmora;
using plan_test::PlanEditorTest;

// At 40 px a metre and a 10 px snap: zone 1 is 10 m by 5 m from (100, 100); wall 0 runs from
// (100, 100) to (500, 100).
class PlanDragTest : public PlanEditorTest {
  protected:
    PlanDragTest() { zone = addRectangle(100, 100, 400, 200); }
    void release(TPlanPoint p) { editor.MouseUp(p); }
    void drag(TPlanPoint from, TPlanPoint to) {
        click(from);
        editor.MouseMove(to);
        release(to);
    }
    // An eaves outline round the zone on level 1, stored and shown alike.
    const std::array<TPlanPoint, 4>& defineEaves() {
        static constexpr std::array<TPlanPoint, 4> kEaves = {{{60, 60}, {540, 60}, {540, 340}, {60, 340}}};
        model.Eaves(1).Count = 4;
        for (int k = 0; k < 4; ++k) model.Eaves(1).Points(k) = model.EavesNodes(1, k) = kEaves[k];
        model.EavesDefined(1) = true;
        return kEaves;
    }
    int zone = 0;
};

TEST_F(PlanDragTest, AWindowSlidesAlongItsWallAndStaysBetweenItsEnds) {
    addWindow(zone, 0, 2.0, 1.0); // its node at (180, 100)
    click({180, 100});
    ASSERT_TRUE(editor.WindowDragging);
    struct Step {
        const char* name;
        TPlanPoint pointer;
        double position; // m, worked by hand from the distances to the wall's ends
    };
    for (const Step& step :
         {Step{"along the wall", {300, 100}, 5.0},
          Step{"beyond the end: the far edge at the end node", {520, 100}, 9.5},
          Step{"near the start: the near edge at the start node", {110, 100}, 0.5},
          Step{"off the wall: 3.75 m from its start", {220, 190}, 3.75},
          Step{"behind the start, farther from the end than the wall is long", {90, 100}, 3.75}}) {
        editor.MouseMove(step.pointer);
        EXPECT_DOUBLE_EQ(model.WallWindows(zone, 0, 1).Position, step.position) << step.name;
    }
    release({90, 100});
    EXPECT_FALSE(editor.WindowDragging);
    editor.MouseMove({300, 100});
    EXPECT_DOUBLE_EQ(model.WallWindows(zone, 0, 1).Position, 3.75) << "the drag ended with the release";
}

// A zone closed against a wall that holds a window makes that wall a partition, where no window can
// stand: the release removes the window and says which one went.
TEST_F(PlanDragTest, AWindowLeftOnAWallBetweenTwoZonesIsRemovedWithAWord) {
    addWindow(zone, 1, 2.5, 1.2); // on the east wall
    drawZone({{500, 100}, {700, 100}, {700, 300}, {500, 300}});
    release({500, 104});
    EXPECT_EQ(model.Walls(zone, 1).WindowCount, 0);
    ASSERT_EQ(view.messages.informations().size(), 1u);
    EXPECT_EQ(view.messages.informations()[0].toStdString(),
              "Windows cannot stand on a wall between two zones. These windows were deleted:\nWindow 1 of "
              "Wall 2 of Zone 1 (Zone 1), 1.20 m wide");
}

TEST_F(PlanDragTest, AReleaseAtTheSnappedClickPointRecomputesNoWalls) {
    addDoor(zone, 0, 2.0);
    model.Walls(zone, 0).Length = -1.0; // a mark that a recompute of the walls overwrites
    click({180, 100});
    ASSERT_TRUE(editor.DoorDragging);
    release({182, 98}); // snaps back to the click point
    EXPECT_EQ(model.Walls(zone, 0).Length, -1.0);
    EXPECT_FALSE(editor.DoorDragging);

    drag({180, 100}, {300, 100});
    EXPECT_DOUBLE_EQ(model.WallDoors(zone, 0, 1).Position, 5.0);
    EXPECT_DOUBLE_EQ(model.Walls(zone, 0).Length, 10.0) << "a real move recomputes the walls";
}

TEST_F(PlanDragTest, WindowDoorAndInternalWallDragsEndOnReleaseOutsideEditModeToo) {
    addWindow(zone, 0, 2.0, 1.0); // node at (180, 100)
    addDoor(zone, 2, 2.0);        // wall 2 runs from (500, 300) to (100, 300): node at (420, 300)
    const int n = model.AddIntWall(zone).index; // an internal wall across the zone
    model.ZoneIntWalls(zone, n).StartPoint = {300, 100};
    model.ZoneIntWalls(zone, n).EndPoint = {300, 300};
    view.editMode = false;
    struct Case {
        const char* name;
        TPlanPoint at;
        bool PlanEditor::*flag;
    };
    for (const Case& c : {Case{"window", {180, 100}, &PlanEditor::WindowDragging},
                          Case{"door", {420, 300}, &PlanEditor::DoorDragging},
                          Case{"internal-wall end", {300, 300}, &PlanEditor::IntWallEndDragging}}) {
        click(c.at);
        EXPECT_TRUE(editor.*c.flag) << c.name;
        editor.MouseMove({c.at.X + 40, c.at.Y});
        release({c.at.X + 40, c.at.Y});
        EXPECT_FALSE(editor.*c.flag) << c.name << " still follows the pointer";
        EXPECT_FALSE(editor.NodeTied) << c.name;
    }
    const TIntWallRec wall = model.ZoneIntWalls(zone, n);
    editor.MouseMove({200, 200});
    EXPECT_EQ(model.ZoneIntWalls(zone, n).EndPoint, wall.EndPoint);
    EXPECT_EQ(wall.EndPoint, (TPlanPoint{340, 300}));

    // Nodes cannot be moved outside edit mode, so a plain release there looks for no overlap.
    addRectangle(1000, 1000, 200, 200);
    addRectangle(1100, 1100, 200, 200);
    view.beeps = 0;
    click({900, 900});
    release({900, 900});
    EXPECT_EQ(view.beeps, 0);
    EXPECT_EQ(view.status, "");
}

TEST_F(PlanDragTest, ANodeDraggedIntoAnotherZoneStaysTiedUntilItIsMovedOut) {
    const int other = addRectangle(600, 100, 200, 200); // x 600..800
    click({700, 200});                                  // the zone: its nodes can be picked
    release({700, 200});
    click({600, 100});
    ASSERT_TRUE(editor.NodeDragging);
    editor.MouseMove({450, 150});
    EXPECT_EQ(model.ZoneNodes(other, 0), (TPlanPoint{450, 150}));
    EXPECT_EQ(model.Walls(other, 0).Start, (TPlanPoint{450, 150}));
    release({450, 150});
    EXPECT_EQ(view.status, "Overlapping zones");
    EXPECT_EQ(view.beeps, 1);
    EXPECT_TRUE(editor.NodeTied) << "the node stays on the pointer";

    editor.MouseMove({550, 150});
    EXPECT_EQ(model.ZoneNodes(other, 0), (TPlanPoint{550, 150}));
    // The zone is now (550,150) (800,100) (800,300) (600,300): by the shoelace 40000 px2, at
    // 1600 px2 a square metre.
    EXPECT_NEAR(model.Zones(other).FloorArea, 25.0, 1e-9);
    view.status.clear();
    release({550, 150});
    EXPECT_EQ(view.status, "");
    EXPECT_FALSE(editor.NodeTied);
}

TEST_F(PlanDragTest, ARestrictedDragMovesAlongOneAxisAndNotAtFortyFiveDegrees) {
    click({300, 200});
    release({300, 200});
    editor.Move090Click();
    click({500, 300});
    ASSERT_TRUE(editor.NodeDragging);
    editor.MouseMove({550, 350});
    EXPECT_EQ(model.ZoneNodes(zone, 2), (TPlanPoint{500, 300})) << "at 45 degrees nothing moves";
    editor.MouseMove({600, 310});
    EXPECT_EQ(model.ZoneNodes(zone, 2), (TPlanPoint{550, 300})) << "horizontal: y held at the pick";
}

// A Ctrl-click takes the whole zone and an Alt-click the whole level; a restricted drag then holds
// every node's other coordinate where that node stood at the click, so the zone keeps its shape.
TEST_F(PlanDragTest, ARestrictedDragOfAWholeZoneOrLevelKeepsItsShape) {
    const int other = addRectangle(600, 100, 200, 200);
    struct Case {
        const char* name;
        ShiftState keys;
        TPlanPoint from; // a node of the zone
    };
    for (const Case& c : {Case{"Ctrl-click: the zone", {false, true, false}, {500, 300}},
                          Case{"Alt-click: the level", {false, false, true}, {100, 300}}}) {
        editor.MoveFreeClick();
        click({300, 200}); // the zone: its nodes can be picked
        release({300, 200});
        editor.Move090Click();
        const TPlanPoint before[] = {model.ZoneNodes(zone, 0), model.ZoneNodes(zone, 1),
                                     model.ZoneNodes(zone, 2), model.ZoneNodes(zone, 3)};
        const TPlanPoint otherFirst = model.ZoneNodes(other, 0);
        editor.MouseMove(c.from);
        editor.MouseDown(c.from, MouseButton::Left, c.keys);
        ASSERT_TRUE(editor.NodeDragging) << c.name;
        editor.MouseMove({c.from.X + 40, c.from.Y + 4}); // horizontal, snapped 40 px to the right
        for (int n = 0; n < 4; ++n)
            EXPECT_EQ(model.ZoneNodes(zone, n), (TPlanPoint{before[n].X + 40, before[n].Y}))
                << c.name << ", node " << n;
        if (c.keys.Alt)
            EXPECT_EQ(model.ZoneNodes(other, 0), (TPlanPoint{otherFirst.X + 40, otherFirst.Y})) << c.name;
        else
            EXPECT_EQ(model.ZoneNodes(other, 0), otherFirst) << c.name;
        editor.MouseMove({c.from.X, c.from.Y + 4}); // back to where it started
        release({c.from.X, c.from.Y});
        EXPECT_EQ(model.ZoneNodes(zone, 0), before[0]) << c.name;
    }
}

TEST_F(PlanDragTest, ARestrictedDragOfTheWholeEavesOutlineKeepsItsShape) {
    const auto& eaves = defineEaves();
    editor.Move090Click();
    editor.MouseMove({540, 340});
    editor.MouseDown({540, 340}, MouseButton::Left, {false, true, false}); // Ctrl-click: every eaves node
    ASSERT_TRUE(editor.EavesNodeDragging);
    editor.MouseMove({580, 344}); // horizontal, snapped 40 px to the right
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(model.EavesNodes(1, k), (TPlanPoint{eaves[k].X + 40, eaves[k].Y})) << "eaves node " << k;
        EXPECT_EQ(model.Eaves(1).Points(k), model.EavesNodes(1, k)) << "eaves node " << k;
    }
}

TEST_F(PlanDragTest, AnEavesNodeFollowsThePointerAndIsNudgedWithItsOutline) {
    const auto& eaves = defineEaves();
    click({540, 340});
    ASSERT_TRUE(editor.EavesNodeDragging);
    EXPECT_EQ(editor.PickedEavesNode, 2);
    editor.MouseMove({580, 362}); // snapped to (580, 360)
    EXPECT_EQ(model.EavesNodes(1, 2), (TPlanPoint{580, 360}));
    EXPECT_EQ(model.Eaves(1).Points(2), (TPlanPoint{580, 360}));
    release({580, 362});
    EXPECT_FALSE(editor.NodeTied);
    editor.SBUClick();
    EXPECT_EQ(model.Eaves(1).Points(2), (TPlanPoint{580, 350}));
    EXPECT_EQ(model.EavesNodes(1, 2), (TPlanPoint{580, 350}));
    for (int k : {0, 1, 3}) EXPECT_EQ(model.Eaves(1).Points(k), eaves[k]) << "only the picked eaves node";
}

// An eaves node picked earlier and no longer selected stays where it is when the next selection
// (a window, or a whole zone taken with Ctrl) is nudged.
TEST_F(PlanDragTest, ANudgeLeavesAnEavesNodeThatIsNoLongerSelected) {
    const auto& eaves = defineEaves();
    addWindow(zone, 0, 2.0, 1.0); // its node at (180, 100)
    struct Case {
        const char* name;
        TPlanPoint at;
        ShiftState keys;
    };
    for (const Case& c : {Case{"a window picked", {180, 100}, {}},
                          Case{"a zone taken with Ctrl", {500, 300}, {false, true, false}}}) {
        click({540, 340});
        release({540, 340});
        ASSERT_EQ(editor.PickedEavesNode, 2) << c.name;
        editor.MouseMove(c.at);
        editor.MouseDown(c.at, MouseButton::Left, c.keys);
        release(c.at);
        ASSERT_FALSE(selection.EavesNodeSelected(2)) << c.name;
        editor.SBLClick();
        EXPECT_EQ(model.Eaves(1).Points(2), eaves[2]) << c.name;
        EXPECT_EQ(model.EavesNodes(1, 2), eaves[2]) << c.name;
        editor.SBRClick(); // the zone back where it was
    }
    EXPECT_EQ(model.ZoneNodes(zone, 2), (TPlanPoint{500, 300})) << "the zone moved with its nudges";
}

TEST_F(PlanDragTest, NudgesMoveOneSnapStepOntoTheSnapGrid) {
    scale.SnapStep = 4;
    struct Case {
        void (PlanEditor::*nudge)();
        TPlanPoint from, to;
    };
    for (const Case& c :
         {Case{&PlanEditor::SBLClick, {13, 102}, {8, 102}}, Case{&PlanEditor::SBRClick, {13, 102}, {16, 102}},
          Case{&PlanEditor::SBUClick, {13, 102}, {13, 96}},     // 98 / 4 = 24.5 goes to 24
          Case{&PlanEditor::SBDClick, {13, 102}, {13, 104}}}) { // 106 / 4 = 26.5 goes to 26
        model.ZoneNodes(zone, 0) = model.Walls(zone, 0).Start = c.from;
        selection.NodeSelected(zone, 0) = true;
        (editor.*c.nudge)();
        EXPECT_EQ(model.ZoneNodes(zone, 0), c.to);
        EXPECT_EQ(model.Walls(zone, 0).Start, c.to);
        EXPECT_EQ(model.ZoneNodes(zone, 1), (TPlanPoint{500, 100})) << "an unselected node stays";
    }
}

TEST_F(PlanDragTest, ANudgeIntoAnotherZoneReportsTheOverlap) {
    const int other = addRectangle(510, 100, 200, 200);
    selection.NodeSelected(other, 0) = true;
    selection.NodeSelected(other, 3) = true;
    editor.SBLClick(); // x 510 - 10 = 500: the zones touch and do not overlap
    EXPECT_EQ(model.ZoneNodes(other, 0), (TPlanPoint{500, 100}));
    EXPECT_EQ(model.ZoneNodes(other, 3), (TPlanPoint{500, 300}));
    EXPECT_EQ(view.status, "");
    EXPECT_FALSE(editor.NodeTied);
    editor.SBLClick();
    EXPECT_EQ(model.ZoneNodes(other, 0), (TPlanPoint{490, 100}));
    EXPECT_EQ(view.status, "Overlapping zones");
    EXPECT_TRUE(editor.NodeTied);
}

TEST_F(PlanDragTest, OpeningsTooWideForTheirWallAreReportedOneAtATime) {
    const int narrow = addRectangle(600, 100, 80, 200); // wall 0 is 2 m long
    addWindow(narrow, 0, 1.8, 1.0);                     // fits once moved back from the end
    addWindow(narrow, 0, 1.5, 3.0);
    addWindow(narrow, 0, 1.5, 2.5);
    editor.RepositionWinDoor();
    EXPECT_DOUBLE_EQ(model.WallWindows(narrow, 0, 1).Position, 1.5) << "its far edge at the end node";
    EXPECT_EQ(view.status, "Too Wide, Window 2of wall 1 of zone 2");
    EXPECT_DOUBLE_EQ(model.WallWindows(narrow, 0, 2).Position, 1.5) << "put at the wall's start";
    EXPECT_DOUBLE_EQ(model.WallWindows(narrow, 0, 3).Position, 1.5) << "not looked at yet";
    EXPECT_TRUE(editor.NodeTied);

    model.WallWindows(narrow, 0, 2).Width = 1.0;
    editor.RepositionWinDoor();
    EXPECT_EQ(view.status, "Too Wide, Window 3of wall 1 of zone 2");
    EXPECT_DOUBLE_EQ(model.WallWindows(narrow, 0, 3).Position, 1.25);
    EXPECT_EQ(view.beeps, 2);
}

TEST_F(PlanDragTest, AnInternalWallEndOutsideItsZoneIsMovedOntoTheOutline) {
    const int n = model.AddIntWall(zone).index;
    model.ZoneIntWalls(zone, n).StartPoint = {200, 200};
    model.ZoneIntWalls(zone, n).EndPoint = {640, 200};
    editor.RepositionIntWallNode();
    EXPECT_EQ(model.ZoneIntWalls(zone, n).StartPoint, (TPlanPoint{200, 200}));
    EXPECT_EQ(model.ZoneIntWalls(zone, n).EndPoint, (TPlanPoint{500, 200}));
    EXPECT_EQ(view.status, "Repositioning node 2 Internal wall 1 of Zone 1");
}

TEST_F(PlanDragTest, AnInternalWallEndReleasedInTheWrongZoneKeepsFollowingThePointer) {
    addRectangle(600, 100, 200, 200);
    const int n = model.AddIntWall(zone).index;
    model.ZoneIntWalls(zone, n).StartPoint = {200, 200};
    model.ZoneIntWalls(zone, n).EndPoint = {400, 200};
    click({400, 200});
    ASSERT_TRUE(editor.IntWallEndDragging);
    editor.MouseMove({700, 200});
    release({700, 200});
    EXPECT_EQ(view.status, "Clicked in wrong zone");
    EXPECT_TRUE(editor.IntWallEndDragging);
    editor.MouseMove({300, 250});
    EXPECT_EQ(model.ZoneIntWalls(zone, n).EndPoint, (TPlanPoint{300, 250}));
    release({300, 250});
    EXPECT_FALSE(editor.IntWallEndDragging);
    EXPECT_EQ(model.ZoneIntWalls(zone, n).StartPoint, (TPlanPoint{200, 200}));
}

} // namespace
