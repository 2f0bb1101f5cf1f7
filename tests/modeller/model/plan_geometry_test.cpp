#include "modeller/model/plan_geometry.h"

#include "geometry_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using namespace pelmora;
using geometry_test::addRectangle;
using geometry_test::addZone;
using geometry_test::emptyHouse;

// The shoelace formula written out independently: half the absolute sum of x_i y_i+1 - x_i+1 y_i.
double shoelace(const std::vector<TPlanPoint>& nodes, double magnification) {
    double twice = 0.0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const TPlanPoint a = nodes[i];
        const TPlanPoint b = nodes[(i + 1) % nodes.size()];
        twice += static_cast<double>(a.X) * b.Y - static_cast<double>(b.X) * a.Y;
    }
    const double pixelsPerMetre = 20.0 * magnification;
    return std::abs(twice) / 2.0 / (pixelsPerMetre * pixelsPerMetre);
}

struct AreaCase {
    const char* name;
    double magnification;
    std::vector<TPlanPoint> nodes;
    double handValue; // m2
};

TEST(Area, ConvexAndConcaveOutlinesAgreeWithTheShoelaceFormula) {
    const std::vector<AreaCase> cases = {
        {"square 400 px at magnification 2", 2.0, {{0, 0}, {400, 0}, {400, 400}, {0, 400}}, 100.0},
        {"the same square anticlockwise", 2.0, {{0, 0}, {0, 400}, {400, 400}, {400, 0}}, 100.0},
        {"right triangle", 1.0, {{0, 0}, {100, 0}, {0, 60}}, 7.5},
        {"L shape", 1.0, {{0, 0}, {200, 0}, {200, 100}, {100, 100}, {100, 200}, {0, 200}}, 75.0},
        {"U shape at magnification 3",
         3.0,
         {{0, 0}, {60, 0}, {60, 120}, {120, 120}, {120, 0}, {180, 0}, {180, 180}, {0, 180}},
         (180.0 * 180.0 - 60.0 * 120.0) / 3600.0},
        {"arrow with a slanted notch", 4.0, {{-40, 10}, {160, -30}, {100, 50}, {170, 130}, {-40, 90}}, -1.0},
    };
    for (const AreaCase& c : cases) {
        auto model = emptyHouse(c.magnification);
        const int z = model->AddZone().index;
        model->Zones(z).NodeCount = static_cast<int>(c.nodes.size());
        for (std::size_t n = 0; n < c.nodes.size(); ++n)
            model->ZoneNodes(z, static_cast<int>(n)) = c.nodes[n];
        EXPECT_NEAR(Area(*model, z), shoelace(c.nodes, c.magnification), 1e-9) << c.name;
        if (c.handValue >= 0.0) {
            EXPECT_NEAR(Area(*model, z), c.handValue, 1e-9) << c.name;
        }
    }
}

struct PointCase {
    const char* name;
    TPlanPoint point;
    bool inside;
};

TEST(PointInRegion, PointsInsideOutsideAndOnTheEdgesOfARectangle) {
    auto model = emptyHouse();
    const int z = addRectangle(*model, 1, 100, 100, 200, 180);
    // The test ray comes from far to the upper left, so points on the left and top edges count as
    // inside and points on the right and bottom edges as outside, and neighbours never share a point.
    const std::vector<PointCase> cases = {
        {"middle", {150, 140}, true},          {"right of it", {250, 140}, false},
        {"above it", {150, 50}, false},        {"left of it", {40, 140}, false},
        {"left edge", {100, 140}, true},       {"top edge", {150, 100}, true},
        {"right edge", {200, 140}, false},     {"bottom edge", {150, 180}, false},
        {"top left corner", {100, 100}, true}, {"bottom right corner", {200, 180}, false},
    };
    for (const PointCase& c : cases) EXPECT_EQ(PointInRegion(*model, c.point, z), c.inside) << c.name;
}

TEST(PointInRegion, ARayThroughAVertexCountsOneCrossing) {
    // The test ray from (-100001, -10000) runs in the direction (10, 1) through the vertex (199, 20).
    auto model = emptyHouse();
    const int diamond = addZone(*model, 1, {{199, 20}, {239, -20}, {279, 20}, {239, 60}});
    const int notched =
        addZone(*model, 2, {{150, -20}, {180, -20}, {199, 20}, {220, -20}, {300, -20}, {300, 80}, {150, 80}});
    // The ray passes through the diamond's left vertex into the diamond.
    EXPECT_TRUE(PointInRegion(*model, {219, 22}, diamond));
    EXPECT_TRUE(PointInRegion(*model, {239, 24}, diamond));
    EXPECT_FALSE(PointInRegion(*model, {289, 29}, diamond)) << "beyond the diamond on the same ray";
    // The ray touches the bottom of the notch from inside the zone and goes on inside it.
    EXPECT_TRUE(PointInRegion(*model, {249, 25}, notched));
    EXPECT_FALSE(PointInRegion(*model, {199, 10}, notched)) << "inside the notch";
}

TEST(ZoneAtPoint, TakesTheLowestNumberedZoneOfTheLevel) {
    auto model = emptyHouse(1.0, 3);
    addRectangle(*model, 2, 0, 0, 100, 100);                     // zone 1, another level
    const int left = addRectangle(*model, 1, 0, 0, 100, 100);    // zone 2
    const int right = addRectangle(*model, 1, 100, 0, 200, 100); // zone 3
    EXPECT_EQ(ZoneAtPoint(*model, 1, {50, 50}), left);
    EXPECT_EQ(ZoneAtPoint(*model, 1, {150, 50}), right);
    EXPECT_EQ(ZoneAtPoint(*model, 1, {100, 50}), right) << "the shared edge is inside the right zone only";
    EXPECT_EQ(ZoneAtPoint(*model, 1, {250, 50}), 0);
    EXPECT_EQ(ZoneAtPoint(*model, 2, {50, 50}), 1);
    EXPECT_EQ(ZoneAtPoint(*model, 3, {50, 50}), 0) << "a level without zones";
    EXPECT_EQ(YRegion(*model, 1, {100, 50}), left) << "the lower-numbered zone with the edge";
    EXPECT_EQ(YRegion(*model, 1, {150, 50}), right);
    EXPECT_EQ(YRegion(*model, 1, {250, 50}), 0);
}

struct SegmentCase {
    TPlanPoint p, a, b;
    bool on;
};

TEST(Colinear, AcceptsThreePixelsOffAndNothingBeyondTheEnds) {
    const std::vector<SegmentCase> cases = {
        {{50, 3}, {0, 0}, {100, 0}, true},     {{50, -3}, {0, 0}, {100, 0}, true},
        {{50, 4}, {0, 0}, {100, 0}, false},    {{101, 0}, {0, 0}, {100, 0}, false},
        {{3, 50}, {0, 0}, {0, 100}, true},     {{-4, 50}, {0, 0}, {0, 100}, false},
        {{0, 101}, {0, 0}, {0, 100}, false},   {{50, 25}, {0, 0}, {100, 50}, true},
        {{50, 28}, {0, 0}, {100, 50}, true},   {{50, 29}, {0, 0}, {100, 50}, false},
        {{110, 55}, {0, 0}, {100, 50}, false},
    };
    for (const SegmentCase& c : cases)
        EXPECT_EQ(Colinear(c.p, c.a, c.b), c.on) << c.p.X << "," << c.p.Y << " on " << c.b.X << "," << c.b.Y;
}

TEST(DistLine, TakesAPointWithinAboutTwoDegreesOfTheLineAsOnIt) {
    const PlanPointD a{0, 0}, b{100, 0};
    EXPECT_EQ(DistLine({1000, 17}, a, b), 0.0) << "cosine 0.99986 rounds to 1.000";
    EXPECT_DOUBLE_EQ(DistLine({0, 50}, a, b), 50.0);
    // At 2.3 degrees the cosine rounds to 0.999.
    const double c = std::hypot(1000.0, 40.0);
    EXPECT_NEAR(DistLine({1000, 40}, a, b), c * std::sqrt(1.0 - 0.999 * 0.999), 1e-9);
    EXPECT_EQ(DistLine({5, 5}, a, a), 0.0) << "a line of no length";
    EXPECT_TRUE(CoLin({60, 1}, a, b) == false) << "off the horizontal segment's box";
    EXPECT_TRUE(CoLin({60, 0}, a, b));
    EXPECT_FALSE(CoLin({1000, 17}, a, b)) << "on the line but beyond the segment";
}

TEST(FindPoint, ProjectsAcrossTheShallowDirectionRoundingHalvesToEven) {
    EXPECT_EQ(FindPoint({15, 40}, {10, 0}, {10, 100}), (TPlanPoint{10, 40}));
    EXPECT_EQ(FindPoint({40, 15}, {0, 10}, {100, 10}), (TPlanPoint{40, 10}));
    EXPECT_EQ(FindPoint({30, 99}, {0, 0}, {100, 50}), (TPlanPoint{30, 15}));
    EXPECT_EQ(FindPoint({5, 99}, {0, 0}, {100, 50}), (TPlanPoint{5, 2})) << "2.5 goes to 2";
    EXPECT_EQ(FindPoint({15, 99}, {0, 0}, {100, 50}), (TPlanPoint{15, 8})) << "7.5 goes to 8";
    EXPECT_EQ(FindPoint({99, 30}, {0, 0}, {50, 100}), (TPlanPoint{15, 30}));
}

TEST(Angle, DirectionOfTheSecondPointSeenFromTheFirst) {
    EXPECT_DOUBLE_EQ(Angle({0, 0}, {0, 10}), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Angle({0, 0}, {0, -10}), 3 * std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Angle({0, 0}, {10, 10}), std::numbers::pi / 4);
    EXPECT_DOUBLE_EQ(Angle({0, 0}, {-10, 10}), -std::numbers::pi / 4);
}

TEST(InterceptPoint, CrossingOfTwoSegmentsInWholePixels) {
    EXPECT_EQ(InterceptPoint({0, 0}, {100, 100}, {0, 100}, {100, 0}), (TPlanPoint{50, 50}));
    EXPECT_EQ(InterceptPoint({50, 0}, {50, 100}, {0, 20}, {100, 40}), (TPlanPoint{50, 30}))
        << "first vertical";
    EXPECT_EQ(InterceptPoint({0, 20}, {100, 40}, {50, 0}, {50, 100}), (TPlanPoint{50, 30}))
        << "second vertical";
    EXPECT_EQ(InterceptPoint({0, 0}, {4, 1}, {2, -5}, {2, 5}), (TPlanPoint{2, 0})) << "0.5 goes to 0";
    EXPECT_EQ(InterceptPoint({0, 0}, {4, 3}, {2, -5}, {2, 5}), (TPlanPoint{2, 2})) << "1.5 goes to 2";
    EXPECT_EQ(InterceptPoint({0, 0}, {100, 0}, {100, 0}, {100, 50}), (TPlanPoint{100, 0})) << "at an end";
    EXPECT_EQ(InterceptPoint({0, 20}, {40, 20}, {10, 0}, {10, 50}), (TPlanPoint{10, 20})) << "a plus sign";
    EXPECT_EQ(InterceptPoint({0, 0}, {10, 10}, {0, 100}, {100, 0}), kNoIntercept) << "beyond the first";
    EXPECT_EQ(InterceptPoint({0, 0}, {100, 50}, {0, 10}, {100, 60}), kNoIntercept) << "parallel";
    EXPECT_EQ(InterceptPoint({0, 0}, {0, 50}, {0, 10}, {0, 60}), kNoIntercept) << "both vertical";
}

TEST(PlanLimit, BoxesOfEveryZoneAndOfTheWholePlan) {
    auto model = emptyHouse(2.0);
    addRectangle(*model, 1, 100, 100, 200, 180);
    addZone(*model, 1, {{-50, 300}, {40, 260}, {10, 420}});
    const int empty = model->AddZone().index;
    model->Zones(empty) = {};
    const PlanLimits limits = PlanLimit(*model);
    EXPECT_EQ(limits.ZoneMin(1), (TPlanPoint{100, 100}));
    EXPECT_EQ(limits.ZoneMax(1), (TPlanPoint{200, 180}));
    EXPECT_EQ(limits.ZoneMin(2), (TPlanPoint{-50, 260}));
    EXPECT_EQ(limits.ZoneMax(2), (TPlanPoint{40, 420}));
    EXPECT_EQ(limits.ZoneMin(0), (TPlanPoint{-50, 100}));
    EXPECT_EQ(limits.ZoneMax(0), (TPlanPoint{200, 420}));
    EXPECT_EQ(limits.ZoneMin(empty), (TPlanPoint{4000, 4000})) << "start values at magnification 2";
    EXPECT_EQ(limits.ZoneMax(empty), (TPlanPoint{-4000, -4000}));
}

TEST(HighestLevelInUse, CountsConsecutiveLevelsFromTheGround) {
    auto model = emptyHouse(1.0, 3);
    EXPECT_EQ(HighestLevelInUse(*model), 0);
    addRectangle(*model, 1, 0, 0, 100, 100);
    addRectangle(*model, 3, 0, 0, 100, 100);
    EXPECT_EQ(HighestLevelInUse(*model), 1) << "level 2 holds no zone";
    addRectangle(*model, 2, 0, 0, 100, 100);
    EXPECT_EQ(HighestLevelInUse(*model), 3);
}

TEST(MouseInZRegion, NamesTheZoneUnderTheMouseWithItsStoredArea) {
    auto model = emptyHouse(1.0, 2);
    const int z = addRectangle(*model, 1, 100, 100, 200, 180);
    model->Zones(z).Name = "Living";
    model->Zones(z).FloorArea = 12.125; // exactly representable: the half goes to the even digit
    addRectangle(*model, 2, 300, 100, 400, 180);
    EXPECT_EQ(MouseInZRegion(*model, 150, 150), "Zone 1  Living  Area 12.12 m\u00b2");
    EXPECT_EQ(MouseInZRegion(*model, 350, 150), "") << "a zone of another level";
    model->CurrentLevel = 2;
    EXPECT_EQ(MouseInZRegion(*model, 350, 150), "Zone 2  Zone 2  Area 20.00 m\u00b2");
}

TEST(FindZone, FirstZoneWithASelectedNode) {
    auto model = emptyHouse();
    addRectangle(*model, 1, 0, 0, 100, 100);
    addRectangle(*model, 1, 100, 0, 200, 100);
    addRectangle(*model, 1, 200, 0, 300, 100);
    EXPECT_EQ(FindZone(*model, [](int zone, int node) { return zone >= 2 && node == 3; }), 2);
    EXPECT_EQ(FindZone(*model, [](int, int node) { return node == 4; }), 0) << "no zone has a node 4";
}

} // namespace
