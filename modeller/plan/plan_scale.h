// Magnification, snap step and rescaling of the plan.  Plan coordinates are stored in pixels of the
// current magnification (1 m is 20 x Magnification pixels), so a change of scale rescales the whole
// model's plan geometry in place; the house file always holds magnification 1.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/plan_operations.h"

#include <array>
#include <string>

namespace pelmora {

constexpr double kPixelsPerMetre = 20.0;      // at magnification 1
constexpr double kMillimetresPerPixel = 50.0; // at magnification 1
constexpr double kPlanExtent = 100.0;         // m covered by the plan's scroll range each way
constexpr double kStartMagnification = 2.0;
constexpr int kStartSnapStep = 10;     // px at the start magnification: 250 mm
constexpr int kNewHouseSnapStep = 4;   // px after a new house: 100 mm
constexpr int kStartGridDivisions = 2; // grid lines per metre

// The snap choices of the snap dialog, in pixels at magnification 1: 50, 100, 200, 500, 1000 mm.
constexpr std::array<int, 5> kSnapFactors = {1, 2, 4, 10, 20};

// The plan editor's scale and display settings.
struct PlanScale {
    int SnapStep = kStartSnapStep;           // px between snap points
    int GridDivisions = kStartGridDivisions; // grid lines per metre
    double PictureScale = 1.0;
    bool PlanVisible = true;
};

// Rescales the plan to magnification index + 1 (index 0..3); the snap step becomes `snapBase`
// scaled by new / old magnification, so it keeps its length in millimetres.
void RescalePlan(HouseModel& model, PlanScale& scale, int index, int snapBase);

// The snap step in pixels of snap choice `item` (0..4) at the magnification.
int SnapStepFor(double magnification, int item);
// The snap choice whose step equals `snapStep` at the magnification, -1 when none does.
int SnapItemFor(double magnification, int snapStep);
// Both scroll ranges of the plan: 100 m at the magnification plus 2 pixels.
int ScrollRangeFor(double magnification);

// "40 pix/m" and "100 mm snap".
std::string ScaleLabelText(double magnification);
std::string SnapLabelText(double magnification, int snapStep);

// Pixels of the current magnification to metres, and back (rounded to the pixel).
inline double PixelsToMetres(double pixels, double magnification) {
    return pixels / (kPixelsPerMetre * magnification);
}
int MetresToPixels(double metres, double magnification);

// planDirection and OpeningNodePoint, which place the openings on the plan, are the plan geometry's.

} // namespace pelmora
