#include "modeller/model/plan_geometry.h"

#include "common/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace pelmora {

namespace {

std::int32_t nearestPixel(double x) {
    return static_cast<std::int32_t>(common::roundHalfEvenToInt(x));
}

bool between(double x, double lo, double hi) {
    return std::min(lo, hi) <= x && x <= std::max(lo, hi);
}

bool inClosedBox(PlanPointD p, PlanPointD a, PlanPointD b) {
    return between(p.X, a.X, b.X) && between(p.Y, a.Y, b.Y);
}

// Cross product of (u.X, u.Y) and (v.X, v.Y) in 64 bits: plan coordinates stay far below 2^31 and
// their products below 2^62.
std::int64_t cross(std::int64_t ux, std::int64_t uy, std::int64_t vx, std::int64_t vy) {
    return ux * vy - uy * vx;
}

// The number of edges of the zone's outline that the test ray to p crosses.
int crossingCount(const HouseModel& model, int zone, TPlanPoint p) {
    const int nodes = model.Zones(zone).NodeCount;
    int count = 0;
    for (int w = 0; w < nodes; ++w) {
        const TPlanPoint a = model.ZoneNodes(zone, w);
        const TPlanPoint b = model.ZoneNodes(zone, model.NextWall(zone, w));
        if (SegmentsIntersect(kRayFarPoint, p, a, b)) ++count;
    }
    return count;
}

} // namespace

double Area(const HouseModel& model, int zone) {
    const int nodes = model.Zones(zone).NodeCount;
    double sum = 0.0; // px2
    for (int i = 0; i < nodes; ++i) {
        const TPlanPoint a = model.ZoneNodes(zone, i);
        const TPlanPoint b = model.ZoneNodes(zone, model.NextWall(zone, i));
        sum += (static_cast<double>(b.Y) + a.Y) * (static_cast<double>(b.X) - a.X) / 2.0;
    }
    const double pixelsPerMetre = PixelsPerMetre(model);
    return std::abs(sum) / (pixelsPerMetre * pixelsPerMetre);
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
    const std::int32_t d = nearestPixel(position * PixelsPerMetre(model)); // px
    return {start.X + nearestPixel(d * std::cos(a)), start.Y + nearestPixel(d * std::sin(a))};
}

void PlaceOpeningPoints(HouseModel& model, int zone) {
    for (int w = 0; w < model.Zones(zone).NodeCount; ++w) {
        for (int k = 1; k <= model.Walls(zone, w).WindowCount; ++k) {
            TWindowRec& window = model.WallWindows(zone, w, k);
            window.NodePoint = OpeningNodePoint(model, zone, w, window.Position);
        }
        for (int k = 1; k <= model.Walls(zone, w).DoorCount; ++k) {
            TDoorRec& door = model.WallDoors(zone, w, k);
            door.NodePoint = OpeningNodePoint(model, zone, w, door.Position);
        }
    }
}

double Distance(TPlanPoint a, TPlanPoint b) {
    return WallLength(toReal(a), toReal(b));
}

double WallLength(PlanPointD a, PlanPointD b) {
    return std::sqrt((b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y));
}

bool Colinear(TPlanPoint p, TPlanPoint a, TPlanPoint b) {
    constexpr int kBelowTolerance = 4; // px: 3 pixels off still counts as on the segment
    if (a.X == b.X && std::abs(p.X - a.X) < kBelowTolerance && between(p.Y, a.Y, b.Y)) return true;
    if (a.Y == b.Y && std::abs(p.Y - a.Y) < kBelowTolerance && between(p.X, a.X, b.X)) return true;
    if (a.X == b.X || a.Y == b.Y) return false;
    if (!inClosedBox(toReal(p), toReal(a), toReal(b))) return false;
    const double yl =
        static_cast<double>(nearestPixel(static_cast<double>(p.X - a.X) * (b.Y - a.Y) / (b.X - a.X))) + a.Y;
    return std::abs(p.Y - yl) < kBelowTolerance;
}

double DistLine(PlanPointD p, PlanPointD a, PlanPointD b) {
    const double c = WallLength(p, a);
    const double e = WallLength(a, b);
    const double f = WallLength(p, b);
    if (e * c == 0.0) return 0.0;
    const double k = common::roundHalfEven((e * e + c * c - f * f) / (2.0 * e * c), 3);
    if (k >= 1.0 || k <= -1.0) return 0.0;
    return c * std::sin(std::acos(k));
}

bool CoLin(PlanPointD p, PlanPointD a, PlanPointD b) {
    return inClosedBox(p, a, b) && DistLine(p, a, b) == 0.0;
}

TPlanPoint FindPoint(TPlanPoint p, TPlanPoint a, TPlanPoint b) {
    if (b.X == a.X) return {a.X, p.Y};
    if (b.Y == a.Y) return {p.X, a.Y};
    if (std::abs(a.Y - b.Y) < std::abs(a.X - b.X))
        return {p.X, a.Y + nearestPixel(static_cast<double>(b.Y - a.Y) * (p.X - a.X) / (b.X - a.X))};
    return {a.X + nearestPixel(static_cast<double>(b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y)), p.Y};
}

double Angle(TPlanPoint a, TPlanPoint b) {
    if (a.X == b.X) return a.Y < b.Y ? std::numbers::pi / 2.0 : 3.0 * std::numbers::pi / 2.0;
    return std::atan(static_cast<double>(b.Y - a.Y) / static_cast<double>(b.X - a.X));
}

bool SegmentsIntersect(TPlanPoint r, TPlanPoint p, TPlanPoint a, TPlanPoint b) {
    const std::int64_t dx = std::int64_t{p.X} - r.X;
    const std::int64_t dy = std::int64_t{p.Y} - r.Y;
    const std::int64_t sideA = cross(dx, dy, std::int64_t{a.X} - r.X, std::int64_t{a.Y} - r.Y);
    const std::int64_t sideB = cross(dx, dy, std::int64_t{b.X} - r.X, std::int64_t{b.Y} - r.Y);
    if ((sideA > 0) == (sideB > 0)) return false;
    // The crossing lies at r + t (p - r) with t = num / den; it counts for 0 <= t <= 1.
    const std::int64_t ex = std::int64_t{b.X} - a.X;
    const std::int64_t ey = std::int64_t{b.Y} - a.Y;
    const std::int64_t num = cross(std::int64_t{a.X} - r.X, std::int64_t{a.Y} - r.Y, ex, ey);
    const std::int64_t den = cross(dx, dy, ex, ey); // sideB - sideA, not 0 here
    if (den > 0) return num >= 0 && num <= den;
    return num <= 0 && num >= den;
}

int ZoneAtPoint(const HouseModel& model, int level, TPlanPoint p) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (model.Zones(z).Level != level) continue;
        if (crossingCount(model, z, p) % 2 == 1) return z;
    }
    return 0;
}

bool PointInRegion(const HouseModel& model, TPlanPoint p, int zone) {
    return crossingCount(model, zone, p) % 2 == 1;
}

int YRegion(const HouseModel& model, int level, TPlanPoint p) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (model.Zones(z).Level != level) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            const TPlanPoint a = model.ZoneNodes(z, w);
            const TPlanPoint b = model.ZoneNodes(z, model.NextWall(z, w));
            if (CoLin(toReal(p), toReal(a), toReal(b))) return z;
        }
    }
    return ZoneAtPoint(model, level, p);
}

int FindZone(const HouseModel& model, const std::function<bool(int zone, int node)>& nodeSelected) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        for (int n = 0; n < model.Zones(z).NodeCount; ++n)
            if (nodeSelected(z, n)) return z;
    return 0;
}

PlanLimits PlanLimit(const HouseModel& model) {
    const auto extent = nearestPixel(model.Magnification * 2000.0); // px
    PlanLimits limits;
    limits.ZoneMax(0) = {-extent, -extent};
    limits.ZoneMin(0) = {extent, extent};
    for (int z = 1; z <= model.ZoneCount; ++z) {
        limits.ZoneMax(z) = {-extent, -extent};
        limits.ZoneMin(z) = {extent, extent};
        for (int n = 0; n < model.Zones(z).NodeCount; ++n) {
            const TPlanPoint p = model.ZoneNodes(z, n);
            for (const int entry : {z, 0}) {
                TPlanPoint& high = limits.ZoneMax(entry);
                TPlanPoint& low = limits.ZoneMin(entry);
                high = {std::max(high.X, p.X), std::max(high.Y, p.Y)};
                low = {std::min(low.X, p.X), std::min(low.Y, p.Y)};
            }
        }
    }
    return limits;
}

int HighestLevelInUse(const HouseModel& model) {
    int levels = 0;
    for (int level = 1; level <= kMaxLevels; ++level) {
        bool used = false;
        for (int z = 1; z <= model.ZoneCount && !used; ++z) used = model.Zones(z).Level == level;
        if (!used) break;
        levels = level;
    }
    return levels;
}

std::string MouseInZRegion(const HouseModel& model, int x, int y) {
    const int z = ZoneAtPoint(model, model.CurrentLevel, {x, y});
    if (z == 0) return {};
    char area[64];
    std::snprintf(area, sizeof area, "%.2f", model.Zones(z).FloorArea); // halves of the exact value to even
    return "Zone " + std::to_string(z) + "  " + model.Zones(z).Name + "  Area " + area + " m\u00b2";
}

TPlanPoint InterceptPoint(TPlanPoint a, TPlanPoint b, TPlanPoint c, TPlanPoint d) {
    const bool firstVertical = a.X == b.X;
    const bool secondVertical = c.X == d.X;
    if (firstVertical && secondVertical) return kNoIntercept;
    const auto slope = [](TPlanPoint from, TPlanPoint to) {
        return static_cast<double>(to.Y - from.Y) / static_cast<double>(to.X - from.X);
    };
    double x = 0.0;
    double y = 0.0;
    if (firstVertical) {
        x = a.X;
        y = c.Y + slope(c, d) * (x - c.X);
    } else if (secondVertical) {
        x = c.X;
        y = a.Y + slope(a, b) * (x - a.X);
    } else {
        const double s1 = slope(a, b);
        const double s2 = slope(c, d);
        if (s1 == s2) return kNoIntercept;
        const double t1 = a.Y - s1 * a.X; // intercepts
        const double t2 = c.Y - s2 * c.X;
        x = (t2 - t1) / (s1 - s2);
        y = s1 * x + t1;
    }
    const PlanPointD q{common::roundHalfEven(x, 6), common::roundHalfEven(y, 6)};
    if (!inClosedBox(q, toReal(a), toReal(b)) || !inClosedBox(q, toReal(c), toReal(d))) return kNoIntercept;
    return {nearestPixel(q.X), nearestPixel(q.Y)};
}

} // namespace pelmora
