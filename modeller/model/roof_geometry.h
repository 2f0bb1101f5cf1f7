// The shape of a roof space estimated from the plan: the roof stands over a rectangle of the plan
// area whose half perimeter is that of the outline's bounding box, with every roof plane at one pitch.
// The roof editor shows these figures and the card writer gives them to the engine's roof-space zone.
//
// Over a rectangle L x W (W the short side, A = L W) at pitch tangent t:
// - "Gable both ends" is a prism of triangular section W x W t / 2: volume t A W / 4; its roof is the
//   two planes (A / cos) and the two gable triangles (t W^2 / 2).
// - "Hip" has the same ridge height and hips rising from each corner: the prism of length L - W and a
//   pyramid over W x W of height W t / 2, so volume t A W / 4 - t W^3 / 12 (a square hip roof is a
//   pyramid, t W^3 / 6); the roof is its planes only (A / cos).
// - "Hip and Gable" is hipped up to a small gable at each end whose triangles are half those of the
//   full gable (t W^2 / 4 in all), so each gable is the full one scaled by 1 / sqrt 2 and the hips
//   remove t W^3 (1 - 2^-1.5) / 12 from the prism.
// - "Skillion" is one plane rising W t across the short side: volume t A W / 2; the roof is the plane,
//   the two triangular side walls (t W^2) and the high wall (t A).
#pragma once

namespace pelmora {

enum class RoofShapeKind { Hip = 0, HipAndGable = 1, GableBothEnds = 2, Skillion = 3 };
inline constexpr int kRoofShapeCount = 4;

// The short side (m) of the rectangle whose half perimeter is a + b and whose area is `area`, for a
// plan extent of a x b metres; 0 when no such rectangle exists ((a + b)^2 < 4 x area).
double EffectiveRoofWidth(double a, double b, double area);

struct RoofShapeFigures {
    double RoofArea = 0.0; // m2, the sloped roof with its gable or skillion walls
    double Volume = 0.0;   // m3, the roof space under it
};

// The roof area and roof-space volume of a roof of `shape` over a plan area `area` (m2) of effective
// width `width` (m) at `slope` degrees (below 90).
RoofShapeFigures RoofShapeGeometry(RoofShapeKind shape, double area, double width, double slope);

} // namespace pelmora
