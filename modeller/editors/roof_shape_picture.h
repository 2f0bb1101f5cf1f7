// The small picture beside "Roof Shape" in the roof editor: a line sketch of a roof of the chosen
// shape over a plan twice as long as it is wide, seen obliquely from the front.  It is drawn from the
// same solid as the roof-space volume (roof_geometry.h): hips rise from the corners to the ridge, the
// hip-and-gable roof carries a gable of 1 / sqrt 2 of the full one at each end, and the skillion
// rises across the width to a high wall at the back.
#pragma once

#include "modeller/model/roof_geometry.h"

#include <vector>

namespace pelmora {

namespace roof_picture {
inline constexpr int kWidth = 150;  // px, the paint box
inline constexpr int kHeight = 100; // px
} // namespace roof_picture

// A point of the roof in plan metres of the sketch (x along the length, y across the width from the
// front eaves) and height z.
struct RoofPoint {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    bool operator==(const RoofPoint&) const = default;
};

// An edge of the roof's solid: the eaves, ridge, hips, rakes and the skillion's high wall.
struct RoofEdge {
    RoofPoint From, To;
};

// The sketch's plan, metres: 2 long and 1 wide, with a pitch whose ridge stands 0.45 above the eaves.
inline constexpr double kSketchLength = 2.0;
inline constexpr double kSketchWidth = 1.0;
inline constexpr double kSketchRidge = 0.45;

// The edges of a roof of `shape`; none for a shape outside the four.
std::vector<RoofEdge> RoofShapeEdges(int shape);

// A line of the picture in paint-box pixels.
struct PictureLine {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool operator==(const PictureLine&) const = default;
};
// The edges projected into the paint box (oblique: depth runs up and to the right).
std::vector<PictureLine> RoofShapeLines(int shape);

} // namespace pelmora
