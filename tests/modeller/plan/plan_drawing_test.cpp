#include "modeller/plan/plan_drawing.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

namespace {

using namespace pelmora;

constexpr std::int32_t kPeach = 0x80C0FF; // 0x00BBGGRR

class PlanDrawingTest : public ::testing::Test {
  protected:
    PlanDrawingTest() : canvas(400, 300, QImage::Format_RGB32), drawing(model, selection, scale) {
        model.Magnification = 2.0;
        model.LevelCount = 1;
        model.CurrentLevel = 1;
        canvas.fill(Qt::white);
        drawing.setCanvas(&canvas, {0, 0});
    }
    QRgb at(int x, int y) const { return canvas.pixel(x, y) & 0xFFFFFF; }

    HouseModel model;
    PlanSelection selection;
    PlanScale scale;
    QImage canvas;
    PlanDrawing drawing;
};

TEST_F(PlanDrawingTest, ZonePolygonShowsItsColourInsideAndItsOutlineOnTheEdge) {
    const int z = plan_test::addRectangle(model, 1, 40, 40, 200, 120, kPeach);
    drawing.DrawPoly(z);
    const QRgb peach = modelColour(kPeach).rgb() & 0xFFFFFF;
    EXPECT_EQ(at(140, 100), peach) << "inside";
    EXPECT_EQ(at(20, 20), 0xFFFFFFu) << "outside";
    EXPECT_EQ(at(300, 100), 0xFFFFFFu) << "outside";
    // Every edge of the outline is dark: black outside the fill, the fill's inverse on it.
    for (auto [x, y] : {std::pair{140, 40}, {240, 100}, {140, 160}, {40, 100}}) {
        const QColor c = QColor::fromRgb(at(x, y));
        EXPECT_LT(c.lightness(), 128) << x << "," << y;
    }
}

TEST_F(PlanDrawingTest, DrawingAnyItemTwiceLeavesTheCanvasAsBefore) {
    const int z = plan_test::addRectangle(model, 1, 40, 40, 200, 120, kPeach);
    model.Walls(z, 0).WindowCount = 1;
    model.WallWindows(z, 0, 1).Position = 2.0;
    model.WallWindows(z, 0, 1).Width = 1.5;
    model.Walls(z, 1).DoorCount = 1;
    model.WallDoors(z, 1, 1).Position = 1.0;
    model.WallDoors(z, 1, 1).Width = 0.9;
    model.Zones(z).IntWallCount = 1;
    model.ZoneIntWalls(z, 1).StartPoint = {120, 40};
    model.ZoneIntWalls(z, 1).EndPoint = {120, 160};
    model.Eaves(1).Count = 4;
    model.EavesDefined(1) = true;
    for (auto [n, x, y] : {std::tuple{0, 30, 30}, {1, 250, 30}, {2, 250, 170}, {3, 30, 170}})
        model.EavesNodes(1, n) = {x, y};
    selection.NodeSelected(z, 2) = true;

    // Something under the items, so that inverting shows on a picture too.
    drawing.DrawGrid();
    const QImage before = canvas.copy();
    const std::vector<std::pair<const char*, std::function<void()>>> items = {
        {"polygon", [&] { drawing.DrawPoly(z); }},
        {"outline", [&] { drawing.DrawOutline(z, plan_colour::kOlive); }},
        {"box",
         [&] {
             drawing.DrawBox({100, 100}, plan_colour::kBlack);
         }},
        {"window line", [&] { drawing.DrawWinLine(z, 0, 1); }},
        {"door line", [&] { drawing.DrawDoorLine(z, 1, 1); }},
        {"internal wall", [&] { drawing.DrawIntWall(z, 1); }},
        {"eaves", [&] { drawing.DrawEavesPoly(1); }},
        {"nodes", [&] { drawing.DrawAllNodesOnLevel(1); }},
        {"whole level", [&] { drawing.DrawAllOnCurrentLevel(true); }},
        {"grid", [&] { drawing.DrawGrid(); }},
    };
    for (const auto& [name, draw] : items) {
        draw();
        EXPECT_NE(canvas, before) << name << " draws something";
        draw();
        EXPECT_EQ(canvas, before) << name << " drawn twice";
    }
}

TEST_F(PlanDrawingTest, ZoneOfOneNodeDrawsNoNodeBoxes) {
    const int z = plan_test::addZone(model, 1, {{100, 100}}, kPeach);
    const QImage before = canvas.copy();
    drawing.DrawAllZoneNodes(z);
    EXPECT_EQ(canvas, before);
}

TEST_F(PlanDrawingTest, WindowOfNoWidthHasANodeBoxButNoLine) {
    const int z = plan_test::addRectangle(model, 1, 40, 40, 200, 120, kPeach);
    model.Walls(z, 0).WindowCount = 1;
    model.WallWindows(z, 0, 1).Position = 2.5; // m: 100 px at magnification 2
    model.WallWindows(z, 0, 1).Width = 0.0;
    const QImage before = canvas.copy();
    drawing.DrawWinLine(z, 0, 1);
    EXPECT_EQ(canvas, before);
    drawing.DrawWinNode(z, 0, 1);
    EXPECT_EQ(model.WallWindows(z, 0, 1).NodePoint, (TPlanPoint{140, 40})) << "stored node point";
    EXPECT_EQ(at(140 - 4, 40), 0u) << "the box's black frame";
}

TEST_F(PlanDrawingTest, OpeningNodesLieAlongTheirWallFromItsStart) {
    // A wall running upwards on the screen: from node 3 (40, 160) to node 0 (40, 40).
    const int z = plan_test::addRectangle(model, 1, 40, 40, 200, 120, kPeach);
    EXPECT_EQ(drawing.OpeningNodePoint(z, 3, 1.0), (TPlanPoint{40, 120})) << "40 px above the start";
    EXPECT_EQ(drawing.OpeningNodePoint(z, 0, 1.0), (TPlanPoint{80, 40}));
    EXPECT_EQ(drawing.OpeningNodePoint(z, 1, 1.0), (TPlanPoint{240, 80})) << "downwards";
    EXPECT_EQ(drawing.OpeningNodePoint(z, 2, 1.0), (TPlanPoint{200, 160})) << "leftwards";
    // A diagonal wall: 3-4-5 triangle, 100 px along it at magnification 2 is 2.5 m.
    const int d = plan_test::addZone(model, 1, {{0, 0}, {60, 80}, {0, 80}}, kPeach);
    EXPECT_EQ(drawing.OpeningNodePoint(d, 0, 1.25), (TPlanPoint{30, 40}));
}

TEST_F(PlanDrawingTest, DirectionFollowsTheAngleRule) {
    const double pi = std::numbers::pi;
    EXPECT_DOUBLE_EQ(planDirection({0, 0}, {0, 10}), pi / 2);
    EXPECT_DOUBLE_EQ(planDirection({0, 10}, {0, 0}), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(planDirection({0, 0}, {10, 0}), 0.0);
    EXPECT_DOUBLE_EQ(planDirection({10, 0}, {0, 0}), pi);
    EXPECT_NEAR(planDirection({0, 0}, {-10, -10}), 5 * pi / 4, 1e-12);
}

TEST_F(PlanDrawingTest, GridHasDottedLinesEveryHalfMetreAndSolidOnesEveryMetre) {
    drawing.DrawGrid();
    const QRgb grid = modelColour(plan_colour::kGrid).rgb() & 0xFFFFFF;
    // Counted away from the horizontal lines (every 20 px), where two inverting lines cross.
    const auto columnCount = [&](int x) {
        int n = 0;
        for (int y = 1; y < 299; ++y)
            if (y % 20 != 0 && at(x, y) == grid) ++n;
        return n;
    };
    const int rows = 298 - 14;
    EXPECT_EQ(columnCount(40), rows) << "whole metre: solid";
    EXPECT_EQ(columnCount(80), rows);
    EXPECT_GT(columnCount(20), rows / 4) << "half metre: dotted";
    EXPECT_LT(columnCount(20), rows * 3 / 4);
    EXPECT_GT(columnCount(60), rows / 4);
    EXPECT_LT(columnCount(60), rows * 3 / 4);
    EXPECT_EQ(columnCount(30), 0) << "nothing between the lines";
}

TEST_F(PlanDrawingTest, CanvasOriginShiftsThePlan) {
    const int z = plan_test::addRectangle(model, 1, 440, 340, 100, 100, kPeach);
    drawing.setCanvas(&canvas, {400, 300});
    drawing.DrawPoly(z);
    EXPECT_EQ(at(90, 90), modelColour(kPeach).rgb() & 0xFFFFFF);
    EXPECT_EQ(at(20, 20), 0xFFFFFFu);
}

TEST_F(PlanDrawingTest, OutlinesOfTheLevelsAboveAndBelowOnlyWhereSuchLevelsExist) {
    model.LevelCount = 2;
    plan_test::addRectangle(model, 1, 40, 40, 100, 100, kPeach);
    plan_test::addRectangle(model, 2, 60, 60, 100, 100, kPeach);
    const QImage blank = canvas.copy();
    drawing.LowerLevelOutline(); // level 1 has nothing below
    EXPECT_EQ(canvas, blank);
    drawing.UpperLevelOutline();
    EXPECT_NE(canvas, blank);
    drawing.UpperLevelOutline();
    model.CurrentLevel = 2;
    drawing.UpperLevelOutline(); // the top level has nothing above
    EXPECT_EQ(canvas, blank);
    drawing.LowerLevelOutline();
    EXPECT_NE(canvas, blank);
}

TEST(Rulers, MetreLabelsStandAtTheSolidGridLines) {
    QImage ruler(400, 30, QImage::Format_RGB32);
    DrawHorizontalRuler(ruler, 3, 4002, 2.0, 2);
    const auto dark = [&](int x, int y) { return QColor::fromRgb(ruler.pixel(x, y)).lightness() < 100; };
    // Whole metres (every 40 px from 3) run from 17 px; half metres from 20 px.
    EXPECT_TRUE(dark(3 + 40, 17));
    EXPECT_TRUE(dark(3 + 40, 29));
    EXPECT_FALSE(dark(3 + 20, 18));
    EXPECT_TRUE(dark(3 + 20, 21));
    EXPECT_FALSE(dark(3 + 30, 25)) << "no tick between grid lines";
    bool labelled = false; // the "1" next to the first metre tick
    for (int x = 3 + 40 - 2; x < 3 + 40 + 6; ++x)
        for (int y = 5; y < 15; ++y) labelled = labelled || dark(x, y);
    EXPECT_TRUE(labelled);
}

} // namespace
