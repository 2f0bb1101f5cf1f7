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

} // namespace pelmora
