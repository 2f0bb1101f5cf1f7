#include "modeller/model/roof_geometry.h"

#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

// The share of the full hip ends that a hip-and-gable roof keeps: 1 - f^3 with the gable's scale
// f = 1 / sqrt 2.
const double kHipAndGableHipShare = 1.0 - 1.0 / (2.0 * std::numbers::sqrt2);

} // namespace

double EffectiveRoofWidth(double a, double b, double area) {
    const double halfPerimeter = a + b;
    const double discriminant = halfPerimeter * halfPerimeter - 4.0 * area;
    if (discriminant < 0.0) return 0.0;
    return (halfPerimeter - std::sqrt(discriminant)) / 2.0;
}

RoofShapeFigures RoofShapeGeometry(RoofShapeKind shape, double area, double width, double slope) {
    const double radians = slope * std::numbers::pi / 180.0;
    const double t = std::tan(radians);
    const double planes = area / std::cos(radians); // m2
    const double w = width;
    const double prism = t * area * w / 4.0; // m3, the gable prism
    switch (shape) {
    case RoofShapeKind::Hip:
        return {planes, prism - t * w * w * w / 12.0};
    case RoofShapeKind::HipAndGable:
        return {planes + t * w * w / 4.0, prism - kHipAndGableHipShare * t * w * w * w / 12.0};
    case RoofShapeKind::GableBothEnds:
        return {planes + t * w * w / 2.0, prism};
    case RoofShapeKind::Skillion:
        return {planes + t * w * w + t * area, t * area * w / 2.0};
    }
    return {planes, 0.0};
}

} // namespace pelmora
