#include "modeller/plan/plan_scale.h"

#include "common/rounding.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace pelmora {

namespace {

int roundToInt(double x) {
    return static_cast<int>(common::roundHalfEvenToInt(x));
}

} // namespace

void RescalePlan(HouseModel& model, PlanScale& scale, int index, int snapBase) {
    if (index < 0 || index > 3) throw std::out_of_range("magnification index must be 0..3");
    const double old = model.Magnification;
    model.Magnification = index + 1;
    ScalePlanCoordinates(model, model.Magnification / old);
    scale.SnapStep = roundToInt(snapBase * model.Magnification / old);
}

int SnapStepFor(double magnification, int item) {
    return roundToInt(magnification * kSnapFactors.at(static_cast<std::size_t>(item)));
}

int SnapItemFor(double magnification, int snapStep) {
    for (int item = 0; item < static_cast<int>(kSnapFactors.size()); ++item)
        if (SnapStepFor(magnification, item) == snapStep) return item;
    return -1;
}

int ScrollRangeFor(double magnification) {
    return roundToInt(magnification * kPlanExtent * kPixelsPerMetre) + 2;
}

std::string ScaleLabelText(double magnification) {
    return std::to_string(roundToInt(kPixelsPerMetre * magnification)) + " pix/m";
}

std::string SnapLabelText(double magnification, int snapStep) {
    return std::to_string(roundToInt(snapStep * kMillimetresPerPixel / magnification)) + " mm snap";
}

int MetresToPixels(double metres, double magnification) {
    return roundToInt(metres * kPixelsPerMetre * magnification);
}

double planDirection(TPlanPoint a, TPlanPoint b) {
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    if (dx == 0) return b.Y > a.Y ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
    const double slope = std::atan(dy / dx);
    return dx < 0 ? slope + std::numbers::pi : slope;
}

TPlanPoint OpeningNodePoint(const HouseModel& model, int zone, int wall, double position) {
    const TPlanPoint start = model.ZoneNodes(zone, wall);
    const TPlanPoint end = model.ZoneNodes(zone, model.NextWall(zone, wall));
    const double a = planDirection(start, end);
    const int d = MetresToPixels(position, model.Magnification);
    return {start.X + roundToInt(d * std::cos(a)), start.Y + roundToInt(d * std::sin(a))};
}

} // namespace pelmora
