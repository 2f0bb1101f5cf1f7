// Geometry of the plan: lengths, areas, collinearity and hit tests on zone outlines, the zone that
// contains a point, the bounding boxes of the outlines and the crossing of two segments.  Plan points
// are whole pixels at the model's magnification (1 m is 20 x Magnification pixels, y grows
// downwards).  Nothing here changes the model.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"

#include <functional>
#include <string>

namespace pelmora {

// A plan position in pixels held as reals, for the services that measure between reals.
struct PlanPointD {
    double X = 0.0; // px
    double Y = 0.0; // px
};
inline PlanPointD toReal(TPlanPoint p) {
    return {static_cast<double>(p.X), static_cast<double>(p.Y)};
}

// The far end of every test ray of the point-in-outline tests.
inline constexpr TPlanPoint kRayFarPoint{-100001, -10000};
// What InterceptPoint gives when the segments do not cross.
inline constexpr TPlanPoint kNoIntercept{-4001, -4001};

// Pixels per metre at the model's magnification.
inline double PixelsPerMetre(const HouseModel& model) {
    return 20.0 * model.Magnification;
}

// Plan area (m2) of the zone's outline, whatever the direction it was drawn in.
double Area(const HouseModel& model, int zone);
// Distance between two points (px).
double Distance(TPlanPoint a, TPlanPoint b);
// Distance between two points in the points' unit.
double WallLength(PlanPointD a, PlanPointD b);
// True when p lies on segment a-b within 3 pixels (a difference below 4).
bool Colinear(TPlanPoint p, TPlanPoint a, TPlanPoint b);
// Distance of p from the line through a and b, taken as 0 when the angle at a is within about 1.8
// degrees of 0 or 180 degrees (its cosine rounds to +-1.000).
double DistLine(PlanPointD p, PlanPointD a, PlanPointD b);
// True when p lies in the closed box of a and b and DistLine finds it on the line.
bool CoLin(PlanPointD p, PlanPointD a, PlanPointD b);
// The point of line a-b that p is projected on along one axis (across the line's shallow direction).
TPlanPoint FindPoint(TPlanPoint p, TPlanPoint a, TPlanPoint b);
// Direction of b seen from a (radians): pi/2 or 3pi/2 on a vertical line, else in (-pi/2, pi/2).
double Angle(TPlanPoint a, TPlanPoint b);

// The direction from a to b in radians, as the plan measures it: on a vertical line pi/2 when b lies
// below a and 3pi/2 otherwise; else the arc tangent of the slope, turned so that it points from a
// towards b.
double planDirection(TPlanPoint a, TPlanPoint b);
// The plan point of an opening `position` metres from the start of wall `wall` of the zone towards
// its end, at the model's magnification: the point Round(position x 20 x Magnification) pixels along
// the wall.
TPlanPoint OpeningNodePoint(const HouseModel& model, int zone, int wall, double position);
// Sets the plan point (NodePoint) of every window and door of the zone's walls from its position
// along its wall, at the model's magnification.
void PlaceOpeningPoints(HouseModel& model, int zone);

// True when the test ray from r to p crosses the outline edge a-b.  An edge counts when its ends lie
// on different sides of the ray's line, an end on the line counting with the side of negative cross
// product, so a ray through a vertex between two edges counts one crossing and a ray that touches a
// vertex counts none or two.  A crossing at p itself counts.  Exact in whole pixels.
bool SegmentsIntersect(TPlanPoint r, TPlanPoint p, TPlanPoint a, TPlanPoint b);
// Number of the lowest-numbered zone of the level whose outline contains p; 0 when none.
int ZoneAtPoint(const HouseModel& model, int level, TPlanPoint p);
// True when p lies inside the zone's outline, whatever the zone's level.
bool PointInRegion(const HouseModel& model, TPlanPoint p, int zone);
// The lowest-numbered zone of the level with an edge through p; else the zone containing p; else 0.
int YRegion(const HouseModel& model, int level, TPlanPoint p);
// The first zone with a selected node (as `nodeSelected(zone, node)` says); 0 when none.
int FindZone(const HouseModel& model, const std::function<bool(int zone, int node)>& nodeSelected);

// The bounding box of every zone outline (entries 1..ZoneCount) and of the whole plan (entry 0).
struct PlanLimits {
    common::FixedArray1<TPlanPoint, 0, kMaxZones> ZoneMax{}; // px, largest X and Y
    common::FixedArray1<TPlanPoint, 0, kMaxZones> ZoneMin{}; // px, smallest X and Y
};
PlanLimits PlanLimit(const HouseModel& model);

// Number of consecutive levels, counted from level 1, that hold at least one zone (0..6).
int HighestLevelInUse(const HouseModel& model);

// The status-bar text of the zone under the mouse at (x, y) on the current level ("Zone 3  Bed 1
// Area 12.50 m²"); empty when no zone is there.
std::string MouseInZRegion(const HouseModel& model, int x, int y);

// The crossing of segments a-b and c-d in whole pixels; kNoIntercept when the lines are parallel or
// the crossing lies outside the closed box of either segment.
TPlanPoint InterceptPoint(TPlanPoint a, TPlanPoint b, TPlanPoint c, TPlanPoint d);

} // namespace pelmora
