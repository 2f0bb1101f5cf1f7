// The roof-space figures of the four roof shapes, against volumes worked by hand and against the
// solid itself: the height of each roof over its rectangle, integrated numerically.
#include "modeller/model/roof_geometry.h"
#include "tests/modeller/model/roof_solid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

using namespace pelmora;

double Tan(double degrees) {
    return std::tan(degrees * std::numbers::pi / 180.0);
}

using roof_solid::SolidVolume;

TEST(RoofGeometry, EffectiveWidthIsTheShortSideOfTheRectangleOfThatAreaAndHalfPerimeter) {
    EXPECT_NEAR(EffectiveRoofWidth(10.0, 8.0, 80.0), 8.0, 1e-12);
    EXPECT_NEAR(EffectiveRoofWidth(6.0, 6.0, 36.0), 6.0, 1e-12);
    // An L-shaped 60 m2 in a 10 x 8 box: the rectangle of half perimeter 18 and area 60.
    EXPECT_NEAR(EffectiveRoofWidth(10.0, 8.0, 60.0), (18.0 - std::sqrt(84.0)) / 2.0, 1e-12);
    // More area than the extents allow: no rectangle.
    EXPECT_EQ(EffectiveRoofWidth(10.0, 8.0, 90.0), 0.0);
}

TEST(RoofGeometry, VolumesOfATenByEightRoofAtThirtyDegreesWorkedByHand) {
    const double t = Tan(30.0);
    const double c = std::cos(30.0 * std::numbers::pi / 180.0);
    struct Case {
        RoofShapeKind shape;
        double area, volume;
    } cases[] = {
        // The gable prism holds 80 x 8 x t / 4; hips take t x 512 / 12 from it.
        {RoofShapeKind::GableBothEnds, 80.0 / c + 64.0 * t / 2.0, 80.0 * 8.0 * t / 4.0},
        {RoofShapeKind::Hip, 80.0 / c, 80.0 * 8.0 * t / 4.0 - 512.0 * t / 12.0},
        {RoofShapeKind::Skillion, 80.0 / c + 64.0 * t + 80.0 * t, 80.0 * 8.0 * t / 2.0},
    };
    for (const Case& k : cases) {
        const RoofShapeFigures f = RoofShapeGeometry(k.shape, 80.0, 8.0, 30.0);
        EXPECT_NEAR(f.RoofArea, k.area, 1e-9) << static_cast<int>(k.shape);
        EXPECT_NEAR(f.Volume, k.volume, 1e-9) << static_cast<int>(k.shape);
    }
}

TEST(RoofGeometry, ASquareHipRoofIsAPyramid) {
    // 6 x 6 at 45 degrees: a pyramid 3 m high, 36 x 3 / 3 = 36 m3.
    EXPECT_NEAR(RoofShapeGeometry(RoofShapeKind::Hip, 36.0, 6.0, 45.0).Volume, 36.0, 1e-9);
}

TEST(RoofGeometry, EveryShapeHoldsTheVolumeOfItsSolid) {
    struct Plan {
        double length, width, slope;
    } plans[] = {{10.0, 8.0, 30.0}, {12.0, 5.0, 22.0}, {7.0, 7.0, 45.0}};
    for (const Plan& p : plans) {
        for (RoofShapeKind shape : {RoofShapeKind::Hip, RoofShapeKind::HipAndGable,
                                    RoofShapeKind::GableBothEnds, RoofShapeKind::Skillion}) {
            const double solid = SolidVolume(shape, p.length, p.width, Tan(p.slope));
            const double figure = RoofShapeGeometry(shape, p.length * p.width, p.width, p.slope).Volume;
            EXPECT_NEAR(figure, solid, 1e-4 * solid)
                << "shape " << static_cast<int>(shape) << " over " << p.length << " x " << p.width;
        }
    }
}

TEST(RoofGeometry, TheHipAndGableRoofsGablesAreHalfTheFullGables) {
    // Its roof area adds t w^2 / 4 to the planes: half the two full gable triangles' t w^2 / 2.
    const double t = Tan(30.0);
    const RoofShapeFigures dutch = RoofShapeGeometry(RoofShapeKind::HipAndGable, 80.0, 8.0, 30.0);
    const RoofShapeFigures hip = RoofShapeGeometry(RoofShapeKind::Hip, 80.0, 8.0, 30.0);
    const RoofShapeFigures gable = RoofShapeGeometry(RoofShapeKind::GableBothEnds, 80.0, 8.0, 30.0);
    EXPECT_NEAR(dutch.RoofArea - hip.RoofArea, 64.0 * t / 4.0, 1e-9);
    // Its roof space lies between the hip's and the gable's.
    EXPECT_GT(dutch.Volume, hip.Volume);
    EXPECT_LT(dutch.Volume, gable.Volume);
}

} // namespace
