// The plan editor's edits: nodes added and deleted, the delete priorities, zones deleted, windows
// and doors placed, the limits, and outlines that are given up.
#include "modeller/model/level_defaults.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/model/wall_values.h"
#include "modeller/model/zone_removal.h"

#include "plan_editor_fixture.h"
#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace pelmora;
using plan_test::PlanEditorTest;

bool hasNode(const HouseModel& model, int zone, TPlanPoint p) {
    for (int n = 0; n < model.Zones(zone).NodeCount; ++n)
        if (model.ZoneNodes(zone, n) == p) return true;
    return false;
}

// ---- Nodes -------------------------------------------------------------------------------------

TEST_F(PlanEditorTest, ANewNodeSplitsTheWallAndItsWindowsStayWhereTheyWere) {
    const int a = addRectangle(40, 40, 400, 160);  // 10 m x 4 m
    const int b = addRectangle(40, 200, 400, 120); // below it, sharing its south wall
    addWindow(a, 0, 2.0);
    addWindow(a, 0, 3.0);
    addWindow(a, 0, 7.0);
    editor.Press(PlanTool::PlusNode);
    click({241, 41});
    ASSERT_EQ(model.Zones(a).NodeCount, 5);
    EXPECT_EQ(model.ZoneNodes(a, 1), (TPlanPoint{240, 40}));
    ASSERT_EQ(model.Walls(a, 0).WindowCount, 2) << "the windows before the node stay on the first half";
    EXPECT_DOUBLE_EQ(model.WallWindows(a, 0, 2).Position, 3.0);
    ASSERT_EQ(model.Walls(a, 1).WindowCount, 1) << "the one beyond it moves to the second half";
    EXPECT_DOUBLE_EQ(model.WallWindows(a, 1, 1).Position, 2.0);
    EXPECT_EQ(model.Zones(b).NodeCount, 4);
    EXPECT_FALSE(editor.IsDown(PlanTool::PlusNode));
    EXPECT_DOUBLE_EQ(model.Zones(a).FloorArea, 40.0);

    editor.Press(PlanTool::PlusNode);
    click({238, 202}); // on the shared wall: both zones get the node
    EXPECT_TRUE(hasNode(model, a, {240, 200}));
    EXPECT_TRUE(hasNode(model, b, {240, 200}));
    EXPECT_EQ(model.Zones(a).NodeCount, 6);
    EXPECT_EQ(model.Zones(b).NodeCount, 5);

    editor.Press(PlanTool::PlusNode);
    click({242, 38}); // on a node that exists
    EXPECT_EQ(model.Zones(a).NodeCount, 6);
    EXPECT_TRUE(editor.IsDown(PlanTool::PlusNode)) << "nothing added: the tool stays armed";
}

TEST_F(PlanEditorTest, ANodeOnAFullOutlineIsRefusedWithTheLimit) {
    std::vector<std::pair<int, int>> outline;
    for (int i = 0; i < kMaxNodes - 2; ++i) outline.push_back({40 + 8 * i, 40});
    outline.push_back({440, 200});
    outline.push_back({40, 200});
    const int z = model.AddZone().index;
    model.Zones(z) = TZoneRec{};
    model.Zones(z).Level = 1;
    model.Zones(z).NodeCount = kMaxNodes;
    for (int n = 0; n < kMaxNodes; ++n) {
        model.ZoneNodes(z, n) = {outline[n].first, outline[n].second};
        model.Walls(z, n).Start = model.ZoneNodes(z, n);
    }
    editor.Press(PlanTool::PlusNode);
    click({200, 200});
    EXPECT_EQ(model.Zones(z).NodeCount, kMaxNodes);
    EXPECT_EQ(view.status, limit_text::kNodes);
    EXPECT_EQ(view.beeps, 1);
}

TEST_F(PlanEditorTest, ANewNodeOnTheEavesOutlineGoesAfterTheEdgesFirstPoint) {
    model.EavesDefined(1) = true;
    model.Eaves(1).Count = 4;
    const TPlanPoint eaves[] = {{20, 20}, {380, 20}, {380, 180}, {20, 180}};
    for (int k = 0; k < 4; ++k) model.Eaves(1).Points(k) = model.EavesNodes(1, k) = eaves[k];
    editor.Press(PlanTool::PlusNode);
    click({381, 101});
    ASSERT_EQ(model.Eaves(1).Count, 5);
    EXPECT_EQ(model.Eaves(1).Points(2), (TPlanPoint{380, 100}));
    EXPECT_EQ(model.EavesNodes(1, 2), (TPlanPoint{380, 100}));
    EXPECT_EQ(model.Eaves(1).Points(3), (TPlanPoint{380, 180}));
}

// ---- Deletion ----------------------------------------------------------------------------------

TEST_F(PlanEditorTest, OpeningsAndInternalWallsGoBeforeNodes) {
    const int z = addRectangle(40, 40, 200, 120);
    addWindow(z, 2, 1.0);
    model.Zones(z).IntWallCount = 1;
    model.ZoneIntWalls(z, 1).StartPoint = {140, 40};
    model.ZoneIntWalls(z, 1).EndPoint = {140, 160};
    selection.NodeSelected(z, 0) = true;
    selection.WindowSelected(z, 2, 1) = true;
    selection.IntWallEndSelected(z, 1, 2) = true;
    model.ResultsCurrent = true;
    editor.SBDeleteClick();
    EXPECT_EQ(view.status, "Internal wall has been deleted");
    EXPECT_EQ(model.Zones(z).IntWallCount, 0);
    EXPECT_EQ(model.Walls(z, 2).WindowCount, 1);
    EXPECT_EQ(model.Zones(z).NodeCount, 4);
    EXPECT_FALSE(model.ResultsCurrent);

    selection.NodeSelected(z, 0) = true;
    selection.WindowSelected(z, 2, 1) = true;
    editor.SBDeleteClick();
    EXPECT_EQ(view.status, "Window 1 of Wall 3 of Zone 1 has been deleted");
    EXPECT_EQ(model.Walls(z, 2).WindowCount, 0);
    EXPECT_EQ(model.Zones(z).NodeCount, 4) << "one press deletes only the window";
    EXPECT_EQ(view.beeps, 2);
}

TEST_F(PlanEditorTest, NeighbouringSelectedNodesGoOneAPressAndTheAreaFollows) {
    const int z = plan_test::addZone(model, 1, {{40, 40}, {140, 40}, {240, 40}, {240, 160}, {40, 160}}, 0);
    selection.NodeSelected(z, 1) = true;
    selection.NodeSelected(z, 2) = true;
    editor.SBDeleteClick();
    ASSERT_EQ(model.Zones(z).NodeCount, 4);
    EXPECT_EQ(model.ZoneNodes(z, 1), (TPlanPoint{240, 40}));
    EXPECT_TRUE(selection.NodeSelected(z, 1)) << "the second stays selected for the next press";
    EXPECT_DOUBLE_EQ(model.Zones(z).FloorArea, 15.0);
    editor.SBDeleteClick();
    ASSERT_EQ(model.Zones(z).NodeCount, 3);
    EXPECT_EQ(model.ZoneNodes(z, 1), (TPlanPoint{240, 160}));
    EXPECT_EQ(view.status, "Zone node has been deleted");
    // The triangle (40, 40), (240, 160), (40, 160): 200 x 120 px / 2 at 40 px a metre.
    EXPECT_DOUBLE_EQ(model.Zones(z).FloorArea, 7.5);
}

TEST_F(PlanEditorTest, DeletingNodeZeroMakesTheNextNodeTheFirst) {
    const int z = addRectangle(40, 40, 200, 120);
    model.Walls(z, 3).ExtMaterial = 7;
    selection.NodeSelected(z, 0) = true;
    editor.SBDeleteClick();
    ASSERT_EQ(model.Zones(z).NodeCount, 3);
    EXPECT_EQ(model.ZoneNodes(z, 0), (TPlanPoint{240, 40}));
    EXPECT_EQ(model.Walls(z, 2).ExtMaterial, 7) << "the wall that ended at node 0 keeps its data";
}

// A node added on a wall and deleted again leaves the wall as it was: the openings that the split
// moved onto the new wall come back at their places.
TEST_F(PlanEditorTest, ANodeAddedAndDeletedAgainLeavesTheWallsOpeningsWhereTheyWere) {
    const int z = addRectangle(40, 40, 320, 160); // 8 m x 4 m
    addDoor(z, 0, 2.0);
    addWindow(z, 0, 6.0);
    addDoor(z, 0, 7.0);
    editor.Press(PlanTool::PlusNode);
    click({200, 40}); // 4 m along the north wall
    ASSERT_EQ(model.Zones(z).NodeCount, 5);
    ASSERT_EQ(model.Walls(z, 1).WindowCount, 1) << "the split moves the window onto the new wall";
    ASSERT_EQ(model.Walls(z, 1).DoorCount, 1);

    selection.NodeSelected(z, 1) = true;
    editor.SBDeleteClick();
    ASSERT_EQ(model.Zones(z).NodeCount, 4);
    EXPECT_EQ(view.status, "Zone node has been deleted");
    ASSERT_EQ(model.Walls(z, 0).WindowCount, 1);
    EXPECT_DOUBLE_EQ(model.WallWindows(z, 0, 1).Position, 6.0);
    ASSERT_EQ(model.Walls(z, 0).DoorCount, 2);
    EXPECT_DOUBLE_EQ(model.WallDoors(z, 0, 1).Position, 2.0);
    EXPECT_DOUBLE_EQ(model.WallDoors(z, 0, 2).Position, 7.0);
    EXPECT_EQ(model.Walls(z, 1).WindowCount, 0) << "the east wall has none of them";
}

// Node 0 in the middle of the north wall joins the last wall to wall 0: wall 0's openings go on
// along the last wall, beyond its old end.
TEST_F(PlanEditorTest, DeletingNodeZeroPutsWallZerosOpeningsOnTheLastWall) {
    const int z = plan_test::addZone(model, 1, {{200, 40}, {360, 40}, {360, 200}, {40, 200}, {40, 40}}, 0);
    addWindow(z, 0, 1.0); // 1 m east of node 0
    addWindow(z, 4, 0.5); // on the 4 m wall that ends at node 0
    selection.NodeSelected(z, 0) = true;
    editor.SBDeleteClick();
    ASSERT_EQ(model.Zones(z).NodeCount, 4);
    ASSERT_EQ(model.ZoneNodes(z, 3), (TPlanPoint{40, 40}));
    ASSERT_EQ(model.Walls(z, 3).WindowCount, 2);
    EXPECT_DOUBLE_EQ(model.WallWindows(z, 3, 1).Position, 0.5);
    EXPECT_DOUBLE_EQ(model.WallWindows(z, 3, 2).Position, 5.0);
}

// Two walls whose openings together pass a wall's limit keep their node, and the user is told why.
TEST_F(PlanEditorTest, ANodeWhoseWallsHoldTooManyWindowsStays) {
    const int z = plan_test::addZone(model, 1, {{40, 40}, {240, 40}, {440, 40}, {440, 160}, {40, 160}}, 0);
    for (int k = 0; k < 6; ++k) {
        addWindow(z, 0, 0.5 + 0.8 * k, 0.5);
        addWindow(z, 1, 0.5 + 0.8 * k, 0.5);
    }
    selection.NodeSelected(z, 1) = true;
    editor.SBDeleteClick();
    EXPECT_EQ(model.Zones(z).NodeCount, 5);
    EXPECT_EQ(model.Walls(z, 0).WindowCount, 6);
    EXPECT_EQ(model.Walls(z, 1).WindowCount, 6);
    EXPECT_EQ(view.status,
              "The node cannot be deleted: its two walls together would have more than 10 windows");
    EXPECT_EQ(view.beeps, 1);
}

TEST_F(PlanEditorTest, SelectedEavesNodesAreDeletedOnALevelWithoutZones) {
    addRectangle(40, 40, 200, 120); // on level 1
    model.LevelCount = 2;
    model.CurrentLevel = 2;
    model.EavesDefined(2) = true;
    model.Eaves(2).Count = 4;
    const TPlanPoint eaves[] = {{20, 20}, {380, 20}, {380, 180}, {20, 180}};
    for (int k = 0; k < 4; ++k) model.Eaves(2).Points(k) = model.EavesNodes(2, k) = eaves[k];
    selection.EavesNodeSelected(1) = true;
    editor.SBDeleteClick();
    ASSERT_EQ(model.Eaves(2).Count, 3);
    EXPECT_EQ(model.Eaves(2).Points(1), (TPlanPoint{380, 180}));
    EXPECT_EQ(model.EavesNodes(2, 1), (TPlanPoint{380, 180}));
    EXPECT_EQ(view.status, "Eaves node has been deleted");
    EXPECT_FALSE(selection.EavesNodeSelected(1));
}

TEST_F(PlanEditorTest, DeleteZoneTakesTheLowestZoneWithASelectedNode) {
    addRectangle(40, 40, 200, 120);
    const int two = addRectangle(240, 40, 120, 120);
    addRectangle(400, 40, 120, 120);
    model.Zones(3).Name = "Third";
    click({358, 42}, MouseButton::Left, ShiftState{false, true, false}); // every node of zone 2
    ASSERT_TRUE(selection.NodeSelected(two, 0));
    view.messages.answerNext(platform::Answer::Yes);
    editor.SBDelZoneClick();
    EXPECT_EQ(view.messages.confirmations(),
              std::vector<QString>{"Delete Zone 2 (Zone 2) with its walls, openings and stairwells?"});
    EXPECT_EQ(model.ZoneCount, 2);
    EXPECT_EQ(model.Zones(2).Name, "Third");
    EXPECT_EQ(view.status, "The zone has been deleted");
    EXPECT_FALSE(selection.NodeSelected(2, 0));

    model.ResultsCurrent = true;
    editor.SBDelZoneClick();
    EXPECT_EQ(model.ZoneCount, 2) << "no selected node: nothing deleted";
    EXPECT_FALSE(model.ResultsCurrent);
}

// ---- Windows and doors -------------------------------------------------------------------------

class OpeningToolTest : public PlanEditorTest {
  protected:
    void SetUp() override {
        one = addRectangle(40, 40, 200, 120);  // 5 m x 3 m
        two = addRectangle(240, 40, 120, 120); // east of it, sharing a wall
        wide = addRectangle(40, 400, 600, 80); // 15 m along its north wall
    }
    int one = 0, two = 0, wide = 0;
};

TEST_F(OpeningToolTest, AWindowGoesOnAnExternalWallUnderTheClick) {
    model.WallWindows(one, 0, 1).Width = 9.0; // a stale slot
    editor.Press(PlanTool::InsertWindow);
    EXPECT_EQ(view.status, "Insert window");
    click({120, 100}); // inside, on no wall: nothing
    click({240, 100}); // the shared wall takes no window
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(editor.IsDown(PlanTool::InsertWindow));
    click({121, 42});
    ASSERT_EQ(model.Walls(one, 0).WindowCount, 1);
    ASSERT_EQ(dialogs.opened, std::vector<std::string>{"GlazingForm new"});
    EXPECT_EQ(dialogs.seen[0].CurrentZone, one);
    EXPECT_EQ(dialogs.seen[0].CurrentWall, 0);
    EXPECT_EQ(dialogs.seen[0].CurrentWindow, 1);
    // The point on the wall below the click is (121, 40): 81 px from the start node.
    EXPECT_DOUBLE_EQ(model.WallWindows(one, 0, 1).Position, 81.0 / 40.0);
    EXPECT_EQ(model.WallWindows(one, 0, 1).Width, 0.0) << "a new window starts from nothing the slot held";
    EXPECT_FALSE(editor.IsDown(PlanTool::InsertWindow));
}

TEST_F(OpeningToolTest, ACancelledWindowOrDoorIsRemovedAndReported) {
    dialogs.cancel = true;
    editor.Press(PlanTool::InsertWindow);
    click({121, 42});
    EXPECT_EQ(model.Walls(one, 0).WindowCount, 0);
    EXPECT_EQ(view.status, "Window 1 of Zone 1 has been deleted");
    EXPECT_FALSE(selection.ElementDeleted);
    editor.Press(PlanTool::InsertDoor);
    click({400, 402});
    EXPECT_EQ(model.Walls(wide, 0).DoorCount, 0);
    EXPECT_EQ(view.status, "Door 1 of Wall 1 of Zone 3 has been deleted");
    EXPECT_EQ(view.beeps, 2);
}

TEST_F(OpeningToolTest, AnEleventhWindowOrDoorIsRefusedWithTheLimit) {
    model.Walls(one, 0).WindowCount = kMaxWindowsPerWall;
    editor.Press(PlanTool::InsertWindow);
    click({121, 42});
    EXPECT_EQ(model.Walls(one, 0).WindowCount, kMaxWindowsPerWall);
    EXPECT_EQ(view.status, "Window limit has been reached");
    EXPECT_TRUE(editor.IsDown(PlanTool::InsertWindow)) << "the scan goes on; the tool stays armed";
    model.Walls(one, 0).DoorCount = kMaxDoorsPerWall;
    editor.Press(PlanTool::InsertDoor);
    click({121, 42});
    EXPECT_EQ(model.Walls(one, 0).DoorCount, kMaxDoorsPerWall);
    EXPECT_EQ(view.status, "Door limit has been reached");
    EXPECT_FALSE(editor.IsDown(PlanTool::InsertDoor));
    EXPECT_TRUE(dialogs.opened.empty());
}

TEST_F(OpeningToolTest, ADoorInASharedWallGoesToTheLowerZoneAndLeadsIntoTheOther) {
    editor.Press(PlanTool::InsertDoor);
    click({241, 100});
    ASSERT_EQ(model.Walls(one, 1).DoorCount, 1);
    EXPECT_EQ(model.Walls(two, 3).DoorCount, 0);
    EXPECT_EQ(dialogs.doorCaption, "Door 1  Wall 2  Zone 1  Through Wall 4  Zone 2");
    EXPECT_EQ(selection.OtherZone, two);
    EXPECT_EQ(selection.OtherWall, 3);
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"DoorForm new"});

    selection.OtherZone = 9;
    editor.Press(PlanTool::InsertDoor);
    click({80, 160});
    EXPECT_EQ(dialogs.doorCaption, "Door 1  Wall 3  Zone 1");
    EXPECT_EQ(selection.OtherZone, 0) << "a door in an external wall leads into no zone";
    EXPECT_EQ(selection.OtherWall, 0);
}

TEST_F(OpeningToolTest, TheDoorsPositionIsShownWithTwoDecimals) {
    struct Case {
        TPlanPoint click;
        const char* shown;
    };
    for (const Case c : {Case{{72, 400}, "0.80"}, Case{{540, 401}, "12.50"}}) {
        editor.Press(PlanTool::InsertDoor);
        click(c.click);
        EXPECT_EQ(view.status, c.shown);
    }
    EXPECT_DOUBLE_EQ(model.WallDoors(wide, 0, 2).Position, 12.5);
}

// ---- Outlines given up and limits --------------------------------------------------------------

TEST_F(PlanEditorTest, AFiftySecondOutlinePointIsRefused) {
    editor.Press(PlanTool::DrawNewZone);
    // A zigzag along the top and a last point far below it, from which the outline closes clear of
    // the zigzag.
    for (int i = 0; i < kMaxNodes; ++i)
        click(i < kMaxNodes - 1 ? TPlanPoint{40 + 10 * i, 60 - (i % 2) * 20} : TPlanPoint{540, 300});
    EXPECT_EQ(editor.OutlineLastNode, kMaxNodes - 1);
    click({600, 300});
    EXPECT_EQ(editor.OutlineLastNode, kMaxNodes - 1);
    EXPECT_EQ(view.status, limit_text::kNodes);
    click({40, 60});
    EXPECT_EQ(model.Zones(1).NodeCount, kMaxNodes);

    editor.Press(PlanTool::DrawEaves);
    for (int i = 0; i < kMaxEavesPoints; ++i) click({40 + 10 * i, 300 + (i % 2) * 20});
    click({600, 500});
    EXPECT_EQ(editor.EavesLastNode, kMaxEavesPoints - 1);
    EXPECT_EQ(view.status, limit_text::kEavesPoints);
    click({40, 300});
    EXPECT_EQ(model.Eaves(1).Count, kMaxEavesPoints);
}

TEST_F(PlanEditorTest, EavesStartedDuringAZoneOutlineGiveTheOutlineUp) {
    const int first = drawZone({{40, 40}, {240, 40}, {240, 160}, {40, 160}});
    const TZoneRec before = model.Zones(first);
    editor.Press(PlanTool::DrawNewZone);
    click({300, 40});
    click({400, 40});
    ASSERT_EQ(model.ZoneCount, 2);
    editor.Press(PlanTool::DrawEaves);
    EXPECT_EQ(model.ZoneCount, 1);
    EXPECT_FALSE(editor.NewZoneArmed);
    EXPECT_EQ(editor.OutlineLastNode, -1);
    for (const TPlanPoint p : {TPlanPoint{20, 20}, TPlanPoint{300, 20}, TPlanPoint{300, 200}}) click(p);
    click({20, 20});
    EXPECT_EQ(model.Eaves(1).Count, 3);
    EXPECT_EQ(model.Zones(first), before);
}

TEST_F(PlanEditorTest, AnOutlineRemovedByRefreshScreenEndsAndLeavesTheLastZoneAlone) {
    const int first = drawZone({{40, 40}, {240, 40}, {240, 160}, {40, 160}});
    const TZoneRec before = model.Zones(first);
    editor.Press(PlanTool::DrawNewZone);
    click({300, 40});
    click({400, 40});
    // Refresh Screen removes every zone of no floor area, the one being drawn among them.
    for (int z = model.ZoneCount; z >= 1; --z)
        if (model.Zones(z).FloorArea == 0.0) DiscardZone(model, view, z);
    EXPECT_FALSE(editor.NewZoneArmed);
    click({400, 140});
    click({300, 140});
    click({300, 40});
    EXPECT_EQ(model.ZoneCount, 1);
    EXPECT_EQ(model.Zones(first), before);
}

TEST_F(PlanEditorTest, AChangeOfScaleOrLevelStopsWhatIsBeingDrawn) {
    const int first = drawZone({{40, 40}, {240, 40}, {240, 160}, {40, 160}});
    editor.Press(PlanTool::DrawNewZone);
    click({300, 40});
    click({400, 40});
    ASSERT_EQ(model.ZoneCount, 2);
    editor.StopDrawing();
    EXPECT_EQ(model.ZoneCount, first);
    EXPECT_FALSE(editor.NewZoneArmed);
    click({400, 140});
    EXPECT_EQ(model.ZoneCount, first) << "the next click draws nothing";

    editor.Press(PlanTool::DrawEaves);
    click({20, 20});
    click({300, 20});
    editor.StopDrawing();
    EXPECT_FALSE(editor.IsDown(PlanTool::DrawEaves));
    EXPECT_FALSE(model.EavesDefined(1));

    editor.Press(PlanTool::InsertInternalWall);
    click({60, 60});
    ASSERT_TRUE(selection.IntWallStarted);
    editor.StopDrawing();
    EXPECT_FALSE(selection.IntWallStarted);
    EXPECT_TRUE(editor.IsDown(PlanTool::InsertInternalWall)) << "the tool stays armed for a new first end";
}

TEST_F(PlanEditorTest, AnOutlineTakesAFreshSlotWithTheLastDialogsValues) {
    drawZone({{40, 40}, {240, 40}, {240, 160}, {40, 160}});
    TZoneRec& stale = model.Zones(2);
    stale.NodeCount = 4;
    stale.FloorArea = 20.0;
    stale.IntWallCount = 3;
    stale.StairUpCount = 2;
    dialogs.newZone.Name = "First";
    editor.Press(PlanTool::DrawNewZone);
    click({300, 40});
    EXPECT_EQ(model.Zones(2).FloorArea, 0.0) << "an open outline's zone has no area, so a refresh removes it";
    EXPECT_EQ(model.Zones(2).NodeCount, 0);
    EXPECT_EQ(model.Zones(2).IntWallCount, 0);
    click({400, 40});
    dialogs.newZone.Name = "Second";
    editor.Press(PlanTool::DrawNewZone); // the open outline is given up
    EXPECT_EQ(dialogs.seen.back().CurrentZone, 2);
    const int z = drawZone({{300, 40}, {400, 40}, {400, 140}});
    EXPECT_EQ(z, 2);
    EXPECT_EQ(model.Zones(2).Name, "Second");
    EXPECT_EQ(model.Zones(2).IntWallCount, 0);
    EXPECT_EQ(model.Zones(2).StairUpCount, 0);
    EXPECT_EQ(model.Zones(2).NodeCount, 3);
}

TEST_F(PlanEditorTest, DeleteZoneBeforeTheFirstPointOnlyDisarmsTheTool) {
    const int first = drawZone({{40, 40}, {240, 40}, {240, 160}, {40, 160}});
    const TZoneRec before = model.Zones(first);
    editor.Press(PlanTool::DrawNewZone);
    editor.SBDelZoneClick();
    EXPECT_EQ(model.ZoneCount, 1);
    EXPECT_EQ(model.Zones(first), before);
    EXPECT_FALSE(editor.NewZoneArmed);
    EXPECT_FALSE(editor.IsDown(PlanTool::DrawNewZone));

    editor.Press(PlanTool::DrawNewZone);
    click({300, 40});
    click({400, 40});
    editor.SBDelZoneClick();
    EXPECT_EQ(model.ZoneCount, 1) << "the zone being drawn is dropped";
    EXPECT_EQ(view.status, "The zone has been deleted");
}

TEST_F(PlanEditorTest, AHundredAndFirstZoneIsRefusedBeforeItsDialog) {
    model.ZoneCount = kMaxZones;
    editor.Press(PlanTool::DrawNewZone);
    EXPECT_EQ(view.status, limit_text::kZones);
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_FALSE(editor.NewZoneArmed);
}

TEST_F(PlanEditorTest, ATwoZoneHouseDrawnWithTheFactoryDialogsIsReadyForTheEngine) {
    ApplicationPlanDialogs factory(model, selection);
    editor.Dialogs = &factory;
    model.NewZoneOptions.DefInsectScreens = true;
    model.NewZoneOptions.DefFanDiameter = 1200.0;
    const int living = drawZone({{40, 40}, {440, 40}, {440, 240}, {40, 240}}); // 10 m x 5 m
    const int bed = drawZone({{440, 40}, {600, 40}, {600, 240}, {440, 240}});  // 4 m x 5 m
    editor.Press(PlanTool::InsertWindow);
    click({200, 41});
    editor.Press(PlanTool::InsertDoor);
    click({441, 140});
    editor.Press(PlanTool::InsertInternalWall);
    click({240, 40});
    click({240, 240});

    EXPECT_EQ(model.Zones(living).Name, "Zone 1");
    EXPECT_TRUE(model.Zones(bed).Heated && model.Zones(bed).Cooled);
    EXPECT_TRUE(model.Zones(bed).InsectScreens);
    EXPECT_EQ(model.Zones(bed).FanDiameter, 1200.0);
    const TLevelDefaultRec& d = model.LevelDefaults(1);
    const TWindowRec& window = model.WallWindows(living, 0, 1);
    EXPECT_DOUBLE_EQ(window.Width, d.DefWinWidth / 1000.0);
    EXPECT_DOUBLE_EQ(window.Height, d.DefWinHeight / 1000.0);
    EXPECT_EQ(window.ProductCode, d.DefWinCode);
    EXPECT_DOUBLE_EQ(window.Position, 4.0);
    const TDoorRec& door = model.WallDoors(living, 1, 1);
    EXPECT_DOUBLE_EQ(door.Height, d.DefDoorHeight / 1000.0);
    EXPECT_DOUBLE_EQ(door.Position, 2.5);
    EXPECT_EQ(model.ZoneIntWalls(living, 1).Material, d.DefPartMaterial);
    EXPECT_DOUBLE_EQ(model.ZoneIntWalls(living, 1).IntWallLength, 5.0);

    struct Yes : StairwellQuestion {
        bool ConfirmStairwellDeletion(const std::string&) override { return true; }
        void ReportDeletedWindows(const std::string& text) override {
            ADD_FAILURE() << "no window is deleted: " << text;
        }
    } yes;
    ASSERT_FALSE(ScratchCalcs(model, view, yes));
    ASSERT_EQ(model.ZoneCount, 2);
    EXPECT_DOUBLE_EQ(model.Zones(living).FloorArea, 50.0);
    EXPECT_DOUBLE_EQ(model.Zones(bed).FloorArea, 20.0);
    EXPECT_EQ(model.Walls(living, 1).AdjZone, bed);
    EXPECT_EQ(model.Walls(bed, 3).AdjZone, living);
    EXPECT_EQ(model.Walls(living, 0).WindowCount, 1) << "the window is on an external wall";
    EXPECT_EQ(model.Walls(bed, 3).InterzoneDoorCount, 1) << "the door leads into the bedroom";
    EXPECT_EQ(model.Zones(living).IntWallCount, 1) << "the internal wall lies inside its zone";
}

} // namespace
