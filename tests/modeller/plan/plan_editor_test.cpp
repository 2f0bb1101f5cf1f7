// The plan editor's tools driven by points, buttons and modifier sets: outlines and their closing
// and orientation, snapping, restricted moves, the pick order, and the internal-wall tool.
#include "modeller/model/wall_values.h"

#include "plan_editor_fixture.h"
#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace pelmora;
using plan_test::PlanEditorTest;

constexpr ShiftState kShift{true, false, false};
constexpr ShiftState kCtrl{false, true, false};
constexpr ShiftState kAlt{false, false, true};

std::vector<TPlanPoint> nodesOf(const HouseModel& model, int zone) {
    std::vector<TPlanPoint> nodes;
    for (int n = 0; n < model.Zones(zone).NodeCount; ++n) nodes.push_back(model.ZoneNodes(zone, n));
    return nodes;
}

// ---- Outlines ----------------------------------------------------------------------------------

struct OutlineCase {
    const char* name;
    std::vector<TPlanPoint> clicked;
    std::vector<TPlanPoint> stored; // clockwise on the screen from the first point clicked
    double area;                    // m2 at 40 px a metre, worked by hand
};

TEST_F(PlanEditorTest, ClosedOutlinesRunClockwiseFromTheirFirstPoint) {
    const std::vector<OutlineCase> cases = {
        {"clockwise rectangle",
         {{40, 40}, {240, 40}, {240, 160}, {40, 160}},
         {{40, 40}, {240, 40}, {240, 160}, {40, 160}},
         5.0 * 3.0},
        {"anticlockwise rectangle",
         {{40, 40}, {40, 160}, {240, 160}, {240, 40}},
         {{40, 40}, {240, 40}, {240, 160}, {40, 160}},
         5.0 * 3.0},
        {"anticlockwise L",
         {{40, 40}, {40, 200}, {200, 200}, {200, 120}, {120, 120}, {120, 40}},
         {{40, 40}, {120, 40}, {120, 120}, {200, 120}, {200, 200}, {40, 200}},
         4.0 * 4.0 - 2.0 * 2.0},
        {"clockwise triangle",
         {{40, 40}, {200, 40}, {40, 160}},
         {{40, 40}, {200, 40}, {40, 160}},
         4.0 * 3.0 / 2.0},
    };
    for (const OutlineCase& c : cases) {
        SCOPED_TRACE(c.name);
        editor.Press(PlanTool::DrawNewZone);
        for (const TPlanPoint p : c.clicked) click(p);
        click({c.clicked[0].X + 3, c.clicked[0].Y - 4}); // within 5 px of the first point: closes
        const int z = model.ZoneCount;
        EXPECT_FALSE(editor.NewZoneArmed);
        EXPECT_FALSE(editor.IsDown(PlanTool::DrawNewZone));
        EXPECT_EQ(nodesOf(model, z), c.stored);
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) EXPECT_EQ(model.Walls(z, w).Start, c.stored[w]);
        EXPECT_NEAR(model.Zones(z).FloorArea, c.area, 1e-12);
        EXPECT_EQ(model.Zones(z).Name, "Living 1");
        EXPECT_EQ(model.Zones(z).Level, 1);
        EXPECT_EQ(selection.CurrentZone, z);
        EXPECT_NEAR(model.Walls(z, 0).ExtHeight, model.LevelDefaults(1).DefExtHeight / 1000.0, 1e-12)
            << "the level's defaults";
        model.ZoneCount = 0;
    }
}

TEST_F(PlanEditorTest, AnOutlineClosesOnlyFromItsFourthClick) {
    editor.Press(PlanTool::DrawNewZone);
    click({40, 40});
    click({200, 40});
    click({42, 43}); // near the first point, but only two points are placed
    EXPECT_TRUE(editor.NewZoneArmed);
    EXPECT_EQ(editor.OutlineLastNode, 1) << "nor is it a point: it would run back along the first edge";
    EXPECT_EQ(model.Zones(1).NodeCount, 0) << "an open outline's zone has no nodes yet";

    click({200, 200});
    click({44, 36}); // snaps onto the first point: closes
    EXPECT_FALSE(editor.NewZoneArmed);
    EXPECT_EQ(model.Zones(1).NodeCount, 3);
}

// An outline whose edges cross, touch or run along each other encloses no floor a person could name.
// The point that would make it so is refused when it is placed, with a beep and a word on the status
// panel; the outline stays as it was and the next point may be placed from its last one.
TEST_F(PlanEditorTest, APointThatWouldMakeTheOutlineCrossItselfIsRefused) {
    const struct {
        const char* name;
        std::vector<TPlanPoint> placed;
        TPlanPoint refused;
    } cases[] = {
        {"the fourth edge would cross the first", {{40, 40}, {200, 40}, {200, 200}, {120, 200}}, {120, 0}},
        {"a point on an earlier edge", {{40, 40}, {200, 40}, {200, 200}}, {120, 40}},
        {"an edge that turns straight back", {{40, 40}, {200, 40}}, {120, 40}},
        {"back onto the first point with two placed", {{40, 40}, {200, 40}}, {40, 40}},
        // A keyhole round a courtyard: in along a slit from the outer wall and back out along it.
        {"out of a courtyard along the slit that led in",
         {{440, 40},
          {440, 440},
          {40, 440},
          {40, 40},
          {240, 40},
          {240, 160},
          {320, 160},
          {320, 320},
          {160, 320},
          {160, 160}},
         {240, 160}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.Press(PlanTool::DrawNewZone);
        for (const TPlanPoint p : c.placed) click(p);
        const int z = model.ZoneCount;
        view.beeps = 0;
        view.status.clear();
        click(c.refused);
        EXPECT_TRUE(editor.NewZoneArmed);
        EXPECT_EQ(editor.OutlineLastNode, static_cast<int>(c.placed.size()) - 1) << "the point is not placed";
        for (std::size_t k = 0; k < c.placed.size(); ++k)
            EXPECT_EQ(model.ZoneNodes(z, static_cast<int>(k)), c.placed[k]);
        EXPECT_EQ(view.status, "Point not placed: crosses outline");
        EXPECT_EQ(view.beeps, 1);
        editor.AbandonOutline();
        EXPECT_EQ(model.ZoneCount, 0);
    }
}

// Every point placed keeps the open outline plain, so only the edge that closes it can still cross
// it: closing is then refused, and the user goes on round the crossing and closes a plain outline.
TEST_F(PlanEditorTest, AClosingEdgeThatWouldCrossTheOutlineIsRefusedAndDrawingGoesOn) {
    editor.Press(PlanTool::DrawNewZone);
    for (const TPlanPoint p : {TPlanPoint{40, 40}, {200, 40}, {40, 200}, {200, 200}}) click(p);
    view.beeps = 0;
    click({40, 40}); // a bow tie: the closing edge would cross the second
    EXPECT_TRUE(editor.NewZoneArmed) << "the outline stays open";
    EXPECT_TRUE(editor.IsDown(PlanTool::DrawNewZone));
    EXPECT_EQ(editor.OutlineLastNode, 3);
    EXPECT_EQ(model.Zones(model.ZoneCount).NodeCount, 0) << "no zone is made of it";
    EXPECT_EQ(view.status, "Not closed: would cross outline");
    EXPECT_EQ(view.beeps, 1);

    click({280, 200});
    click({280, 0});
    click({40, 40});
    EXPECT_FALSE(editor.NewZoneArmed);
    ASSERT_EQ(model.ZoneCount, 1);
    EXPECT_EQ(model.Zones(1).NodeCount, 6);
    // (40,40) (200,40) (40,200) (200,200) (280,200) (280,0) by the shoelace formula: 30400 px2, at
    // 1600 px2 a square metre.
    EXPECT_NEAR(model.Zones(1).FloorArea, 19.0, 1e-9);
}

TEST_F(PlanEditorTest, TheNewZoneDialogsValuesGoToTheSlotTheOutlineTakes) {
    dialogs.newZone.Name = "A name far longer than fifteen";
    dialogs.newZone.ZoneType = 2;
    dialogs.newZone.InsectScreens = true;
    const int z = drawZone({{40, 40}, {240, 40}, {240, 160}});
    ASSERT_EQ(dialogs.opened, std::vector<std::string>{"NewZoneForm"});
    EXPECT_EQ(dialogs.seen[0].CurrentZone, 1) << "the dialog is given slot ZoneCount + 1";
    EXPECT_EQ(model.Zones(z).Name, "A name far long");
    EXPECT_EQ(model.Zones(z).ZoneType, 2);
    EXPECT_TRUE(model.Zones(z).InsectScreens);
}

TEST_F(PlanEditorTest, ACancelledNewZoneDialogDisarmsTheTool) {
    dialogs.acceptNewZone = false;
    editor.Press(PlanTool::DrawNewZone);
    EXPECT_FALSE(editor.NewZoneArmed);
    EXPECT_FALSE(editor.IsDown(PlanTool::DrawNewZone));
    click({40, 40});
    EXPECT_EQ(model.ZoneCount, 0);
}

TEST_F(PlanEditorTest, EavesOutlineClosesIntoTheLevelsEaves) {
    editor.Press(PlanTool::DrawEaves);
    for (const TPlanPoint p :
         {TPlanPoint{20, 20}, TPlanPoint{300, 20}, TPlanPoint{300, 200}, TPlanPoint{20, 200}})
        click(p);
    click({20, 20});
    EXPECT_TRUE(model.EavesDefined(1));
    ASSERT_EQ(model.Eaves(1).Count, 4);
    EXPECT_EQ(model.Eaves(1).Points(2), (TPlanPoint{300, 200}));
    EXPECT_EQ(model.EavesNodes(1, 2), (TPlanPoint{300, 200}));
    EXPECT_FALSE(editor.IsDown(PlanTool::DrawEaves));
    editor.Press(PlanTool::DrawEaves);
    EXPECT_FALSE(editor.IsDown(PlanTool::DrawEaves)) << "a level has one eaves outline";
}

// ---- Snapping and moves ------------------------------------------------------------------------

TEST_F(PlanEditorTest, SnappingRoundsHalfStepsToTheEvenStep) {
    struct Case {
        int step, v, snapped;
    };
    for (const Case c : {Case{10, 15, 20}, Case{10, 25, 20}, Case{10, 35, 40}, Case{10, 5, 0},
                         Case{10, 14, 10}, Case{10, 16, 20}, Case{10, -5, 0}, Case{10, -15, -20},
                         Case{4, 6, 8}, Case{4, 10, 8}, Case{4, 2, 0}, Case{4, 13, 12}}) {
        scale.SnapStep = c.step;
        EXPECT_EQ(editor.Snap(c.v), c.snapped) << c.v << " on a " << c.step << " px grid";
    }
    scale.SnapStep = 10;
    editor.Press(PlanTool::DrawNewZone);
    click({25, 35});
    EXPECT_EQ(model.ZoneNodes(1, 0), (TPlanPoint{20, 40})) << "the first point is the snapped click";
}

TEST_F(PlanEditorTest, RestrictedMovementHoldsTheBandToOneAxisAndLengthFollowsThePointer) {
    editor.Move090Click();
    editor.Press(PlanTool::DrawNewZone);
    click({100, 100});
    editor.MouseMove({150, 150}); // 45 degrees: neither way
    EXPECT_EQ(editor.CursorPoint, (TPlanPoint{100, 100}));
    editor.MouseMove({160, 110}); // mostly across: horizontal
    EXPECT_EQ(editor.CursorPoint, (TPlanPoint{160, 100}));
    // sqrt(60² + 10²) px from the anchor, at 40 px a metre.
    EXPECT_EQ(view.picked, "Length is 1.52 m");
    editor.MouseMove({107, 190}); // mostly down: vertical, x back on the anchor
    EXPECT_EQ(editor.CursorPoint, (TPlanPoint{100, 190}));
    editor.MoveFreeClick();
    editor.MouseMove({173, 147});
    EXPECT_EQ(editor.CursorPoint, (TPlanPoint{170, 150})) << "free: the snapped pointer";
}

// ---- Picks -------------------------------------------------------------------------------------

class PlanPickTest : public PlanEditorTest {
  protected:
    void SetUp() override {
        // Zone 1 (5 m x 3 m) with a window on its north wall and an internal wall; zone 2 east of it
        // shares its east wall.
        one = addRectangle(40, 40, 200, 120);
        two = addRectangle(240, 40, 120, 120);
        addWindow(one, 0, 2.0); // node at (120, 40)
        model.Zones(one).IntWallCount = 1;
        model.ZoneIntWalls(one, 1).StartPoint = {140, 40};
        model.ZoneIntWalls(one, 1).EndPoint = {140, 160};
        FindAdjZonesOrientationsLength(model, 1);
    }
    int one = 0, two = 0;
};

TEST_F(PlanPickTest, ALeftClickSelectsWhatAnotherButtonOpens) {
    struct Case {
        const char* name;
        TPlanPoint at;
        MouseButton button;
        const char* opened; // nullptr: nothing
        const char* picked;
    };
    const Case cases[] = {
        {"window node", {122, 42}, MouseButton::Left, nullptr, "Window 1 of Wall 1 of Zone 1"},
        {"window node", {118, 38}, MouseButton::Right, "GlazingForm", "Window 1 of Wall 1 of Zone 1"},
        {"internal-wall end", {142, 158}, MouseButton::Left, nullptr, "Internal wall 1 of Zone 1"},
        {"internal-wall end", {142, 158}, MouseButton::Right, "IntWallForm", "Internal wall 1 of Zone 1"},
        {"external wall", {80, 160}, MouseButton::Left, nullptr, "Wall 3 of Zone 1, External Wall"},
        {"external wall", {80, 161}, MouseButton::Right, "ExtWallForm", "Wall 3 of Zone 1, External Wall"},
        {"partition",
         {240, 100},
         MouseButton::Right,
         "IntWallForm",
         "Wall 2 of Zone 1 and Wall 4 of Zone 2, Partition Wall"},
        {"zone", {80, 100}, MouseButton::Left, nullptr, "Zone 1  Zone 1  Area 15.00 m\u00b2"},
        {"zone", {300, 100}, MouseButton::Middle, "ZoneDetailForm", "Zone 2  Zone 2  Area 9.00 m\u00b2"},
        {"outside every zone", {500, 500}, MouseButton::Right, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.button == MouseButton::Left ? ", left" : ", other button"));
        dialogs.opened.clear();
        dialogs.seen.clear();
        view.picked = "stale";
        click(c.at, c.button);
        EXPECT_EQ(view.picked, c.picked);
        if (c.opened)
            EXPECT_EQ(dialogs.opened, std::vector<std::string>{c.opened});
        else
            EXPECT_TRUE(dialogs.opened.empty());
    }
}

TEST_F(PlanPickTest, PicksSetTheSelectionTheirDialogsWorkOn) {
    selection.OtherZone = 7;
    selection.OtherWall = 3;
    click({80, 161}, MouseButton::Right);
    EXPECT_EQ(dialogs.seen.back().CurrentZone, one);
    EXPECT_EQ(dialogs.seen.back().CurrentWall, 2);
    EXPECT_EQ(selection.OtherZone, 7) << "an external wall leaves the second zone as it was";
    EXPECT_EQ(selection.OtherWall, 3);

    click({240, 100}, MouseButton::Right);
    const PlanSelection& partition = dialogs.seen.back();
    EXPECT_EQ(partition.CurrentZone, one);
    EXPECT_EQ(partition.CurrentWall, 1);
    EXPECT_EQ(partition.OtherZone, two);
    EXPECT_EQ(partition.OtherWall, 3);
    EXPECT_FALSE(partition.IntWallMode);

    click({142, 42}, MouseButton::Right);
    EXPECT_TRUE(dialogs.seen.back().IntWallMode);
    EXPECT_EQ(dialogs.seen.back().CurrentWall, 1) << "the internal wall's number";
    EXPECT_FALSE(selection.IntWallMode);
    EXPECT_FALSE(selection.IntWallEndSelected(one, 1, 1)) << "the end is restored after its editor";

    click({118, 38}, MouseButton::Right);
    EXPECT_EQ(dialogs.seen.back().CurrentWindow, 1);
    EXPECT_FALSE(editor.WindowDragging);
    EXPECT_FALSE(selection.WindowSelected(one, 0, 1));

    click({300, 100}, MouseButton::Right);
    EXPECT_EQ(model.Zones(two).Colour, dialogs.detailColour) << "the zone takes the dialog's colour";

    click({500, 500});
    EXPECT_EQ(selection.CurrentZone, 0);
}

TEST_F(PlanPickTest, ALeftPickTiesTheOpeningToThePointer) {
    click({122, 42});
    EXPECT_TRUE(editor.WindowDragging);
    EXPECT_TRUE(selection.WindowSelected(one, 0, 1));
    EXPECT_EQ(editor.DragWindow, 1);
    click({142, 158});
    EXPECT_TRUE(editor.IntWallEndDragging);
    EXPECT_TRUE(selection.IntWallEndSelected(one, 1, 2));
    EXPECT_FALSE(selection.WindowSelected(one, 0, 1)) << "a plain click clears the selection first";
}

TEST_F(PlanPickTest, WallNodesArePickedOnlyInTheCurrentZone) {
    click({80, 100}); // zone 1 becomes the current zone
    click({238, 158});
    EXPECT_TRUE(selection.NodeSelected(one, 2));
    EXPECT_EQ(view.picked, "Wall node 3 of Zone 1");
    EXPECT_EQ(editor.PickedNode, 2);
    EXPECT_TRUE(editor.NodeDragging);
    EXPECT_EQ(editor.DragStartNodes(one, 2), (TPlanPoint{240, 160}));
    editor.MouseUp({238, 158}); // released where it was picked: the node stays
    click({358, 42});           // zone 2's corner: not the current zone's node, so its wall is picked
    EXPECT_FALSE(selection.NodeSelected(two, 1));
    EXPECT_EQ(view.picked, "Wall 1 of Zone 2, External Wall");
}

TEST_F(PlanPickTest, ModifierSetsChooseWhatANodeClickSelects) {
    // Each click is released where it was made, so that no picked node follows the pointer.
    const auto click = [this](TPlanPoint p, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
        PlanEditorTest::click(p, button, shift);
        editor.MouseUp(p);
    };
    click({80, 100});
    click({42, 42}); // node 0 of zone 1
    ASSERT_TRUE(selection.NodeSelected(one, 0));
    click({600, 600}, MouseButton::Left, kShift);
    EXPECT_TRUE(selection.NodeSelected(one, 0)) << "a Shift-click keeps the selection";
    click({600, 600});
    EXPECT_FALSE(selection.NodeSelected(one, 0)) << "a plain click clears it";

    click({358, 158}, MouseButton::Left, kCtrl); // a node of zone 2
    for (int n = 0; n < 4; ++n) {
        EXPECT_TRUE(selection.NodeSelected(two, n));
        EXPECT_FALSE(selection.NodeSelected(one, n));
    }
    EXPECT_TRUE(editor.NodeDragging);
    EXPECT_FALSE(editor.RedrawPickedZonesOnly);

    click({42, 158}, MouseButton::Left, kAlt);
    for (int n = 0; n < 4; ++n) EXPECT_TRUE(selection.NodeSelected(one, n) && selection.NodeSelected(two, n));

    // With Shift and Ctrl together the click is neither a Shift- nor a Ctrl-click: a plain pick, which
    // clears the selection and finds the wall under the click (no zone is current since the click on
    // the empty plan).
    click({42, 158}, MouseButton::Left, ShiftState{true, true, false});
    for (int n = 0; n < 4; ++n)
        EXPECT_FALSE(selection.NodeSelected(one, n) || selection.NodeSelected(two, n));
    EXPECT_EQ(view.picked, "Wall 3 of Zone 1, External Wall");
}

TEST_F(PlanPickTest, EavesNodesArePickedAndCtrlSelectsTheWholeOutline) {
    model.EavesDefined(1) = true;
    model.Eaves(1).Count = 4;
    const TPlanPoint eaves[] = {{20, 20}, {380, 20}, {380, 180}, {20, 180}};
    for (int k = 0; k < 4; ++k) model.Eaves(1).Points(k) = model.EavesNodes(1, k) = eaves[k];
    click({378, 178});
    EXPECT_EQ(view.picked, "Eaves node 3 of Level 1");
    EXPECT_EQ(editor.PickedEavesNode, 2);
    EXPECT_TRUE(selection.EavesNodeSelected(2));
    EXPECT_FALSE(selection.EavesNodeSelected(0));
    click({22, 18}, MouseButton::Left, kCtrl);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(selection.EavesNodeSelected(k));
    EXPECT_TRUE(editor.EavesNodeDragging);
}

TEST_F(PlanPickTest, DoorPicksThroughAPartitionNameBothSides) {
    addDoor(one, 1, 1.0); // on the shared wall, 1 m down from (240, 40): node (240, 80)
    click({240, 80}, MouseButton::Right);
    EXPECT_EQ(dialogs.doorCaption, "Door 1  Wall 2  Zone 1  Through Wall 4  Zone 2");
    EXPECT_EQ(view.picked, dialogs.doorCaption);
    EXPECT_EQ(selection.OtherZone, two);
    EXPECT_EQ(selection.OtherWall, 3);
    addDoor(one, 2, 1.0); // on the south wall, running west from (240, 160): node (200, 160)
    click({200, 160}, MouseButton::Right);
    EXPECT_EQ(dialogs.doorCaption, "Door 1  Wall 3  Zone 1");
    EXPECT_EQ(view.picked, "Door 1 of Wall 3 of Zone 1");
}

// ---- The internal-wall tool --------------------------------------------------------------------

class InternalWallToolTest : public PlanPickTest {};

TEST_F(InternalWallToolTest, EndsInTwoZonesAreRefusedAndTheToolStaysArmed) {
    editor.Press(PlanTool::InsertInternalWall);
    EXPECT_EQ(view.status, "Insert internal wall");
    click({600, 600});
    EXPECT_EQ(view.status, "Clicked outside a zone");
    EXPECT_FALSE(selection.IntWallStarted);
    click({80, 100});
    EXPECT_TRUE(selection.IntWallStarted);
    EXPECT_EQ(editor.NewIntWallStart, (TPlanPoint{80, 100}));
    const int beeps = view.beeps;
    click({300, 100}); // inside zone 2
    EXPECT_EQ(view.status, "Clicked in wrong zone");
    EXPECT_EQ(view.beeps, beeps + 1);
    EXPECT_TRUE(selection.IntWallStarted);
    EXPECT_TRUE(editor.IsDown(PlanTool::InsertInternalWall));
    EXPECT_EQ(model.Zones(one).IntWallCount, 1);
    EXPECT_EQ(model.Zones(two).IntWallCount, 0);
}

TEST_F(InternalWallToolTest, ANewWallOpensItsEditorAndACancelRemovesIt) {
    editor.Press(PlanTool::InsertInternalWall);
    click({80, 40}); // on zone 1's north wall
    click({80, 160});
    ASSERT_EQ(dialogs.opened, std::vector<std::string>{"IntWallForm new"});
    const PlanSelection& during = dialogs.seen[0];
    EXPECT_TRUE(during.IntWallMode);
    EXPECT_EQ(during.CurrentZone, one);
    EXPECT_EQ(during.CurrentWall, 2);
    EXPECT_FALSE(selection.IntWallMode);
    EXPECT_FALSE(selection.NewIntWall);
    EXPECT_FALSE(editor.IsDown(PlanTool::InsertInternalWall));
    ASSERT_EQ(model.Zones(one).IntWallCount, 2);
    EXPECT_EQ(model.ZoneIntWalls(one, 2).StartPoint, (TPlanPoint{80, 40}));
    EXPECT_EQ(model.ZoneIntWalls(one, 2).EndPoint, (TPlanPoint{80, 160}));
    EXPECT_DOUBLE_EQ(model.ZoneIntWalls(one, 2).IntWallLength, 3.0);

    dialogs.cancel = true;
    editor.Press(PlanTool::InsertInternalWall);
    click({100, 60});
    click({200, 60});
    EXPECT_EQ(model.Zones(one).IntWallCount, 2);
    EXPECT_EQ(view.status, "Internal wall 3 of Zone 1 has been deleted");
    EXPECT_FALSE(selection.ElementDeleted);
}

TEST_F(InternalWallToolTest, AnEleventhWallIsRefusedWithTheLimit) {
    model.Zones(one).IntWallCount = kMaxIntWalls;
    editor.Press(PlanTool::InsertInternalWall);
    click({60, 60});
    click({60, 140});
    EXPECT_EQ(model.Zones(one).IntWallCount, kMaxIntWalls);
    EXPECT_EQ(view.status, limit_text::kIntWalls);
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_FALSE(selection.IntWallStarted);
}

// ---- Skylights and stairwells ------------------------------------------------------------------

TEST_F(PlanEditorTest, SkylightAndStairwellClicksOpenTheirDialogsForTheZonesUnderThem) {
    const int lower = addRectangle(40, 40, 200, 120);
    editor.Press(PlanTool::StairWell);
    click({100, 100});
    EXPECT_EQ(view.status, "No zone below") << "level 1 has no level below";
    EXPECT_FALSE(editor.IsDown(PlanTool::StairWell));

    editor.Press(PlanTool::InsertSkylight);
    EXPECT_EQ(view.status, "Insert skylight");
    click({400, 400});
    EXPECT_EQ(view.status, "Clicked outside a zone");
    EXPECT_FALSE(editor.IsDown(PlanTool::InsertSkylight));
    editor.Press(PlanTool::InsertSkylight);
    click({100, 100});
    ASSERT_EQ(dialogs.opened, std::vector<std::string>{"SkylightForm"});
    EXPECT_TRUE(dialogs.seen[0].InsertSkylightMode);
    EXPECT_EQ(dialogs.seen[0].CurrentZone, lower);
    EXPECT_FALSE(selection.InsertSkylightMode);

    model.LevelCount = 2;
    model.CurrentLevel = 2;
    const int upper = plan_test::addRectangle(model, 2, 40, 40, 120, 120, 0);
    struct Case {
        TPlanPoint at;
        const char* status; // nullptr: the stairs dialog opens
    };
    for (const Case c : {Case{{200, 100}, "Clicked outside a zone"}, Case{{100, 300}, "No zone below"},
                         Case{{100, 100}, nullptr}}) {
        dialogs.opened.clear();
        dialogs.seen.clear();
        view.status.clear();
        editor.Press(PlanTool::StairWell);
        click(c.at);
        if (c.status) {
            EXPECT_EQ(view.status, c.status);
            EXPECT_TRUE(dialogs.opened.empty());
            continue;
        }
        ASSERT_EQ(dialogs.opened, std::vector<std::string>{"StairForm"});
        EXPECT_TRUE(dialogs.seen[0].InsertStairMode);
        EXPECT_EQ(dialogs.seen[0].CurrentZone, upper);
        EXPECT_EQ(dialogs.seen[0].OtherZone, lower);
        EXPECT_FALSE(selection.InsertStairMode);
    }
}

} // namespace
