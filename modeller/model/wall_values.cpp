#include "modeller/model/wall_values.h"

#include "common/rounding.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/plan_operations.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pelmora {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

std::int32_t nearestPixel(double x) {
    return static_cast<std::int32_t>(common::roundHalfEvenToInt(x));
}

TPlanPoint midpoint(TPlanPoint a, TPlanPoint b) {
    return {nearestPixel((static_cast<double>(a.X) + b.X) / 2.0),
            nearestPixel((static_cast<double>(a.Y) + b.Y) / 2.0)};
}

bool onLevel(const HouseModel& model, int zone, int level) {
    return model.Zones(zone).Level == level;
}

// Brings an angle in degrees into [0, 360).
double intoFullCircle(double degrees) {
    while (degrees >= 360.0) degrees -= 360.0;
    while (degrees < 0.0) degrees += 360.0;
    return degrees;
}

// Copies a wall's stored fields except the derived ones that the wall pass recomputes (AdjZone and
// EavesDepth), which stay with the slot like the working fields.
void copyStoredWallFields(TWallRec& to, const TWallRec& from) {
    const std::int32_t adjZone = to.AdjZone;
    const double eavesDepth = to.EavesDepth; // m
    MoveWallRecord(to, from);
    to.AdjZone = adjZone;
    to.EavesDepth = eavesDepth;
}

// Moves the openings of wall `from` whose centre lies more than `split` metres from its start onto
// wall `to`, which starts there; the others keep their order on `from`.
template <class Rec>
void moveOpeningsBeyond(common::Array3<Rec>& openings, int zone, int from, int to, std::int32_t& fromCount,
                        std::int32_t& toCount, double split) {
    int kept = 0;
    for (int i = 1; i <= fromCount; ++i) {
        Rec opening = openings(zone, from, i);
        if (opening.Position > split) {
            opening.Position -= split;
            openings(zone, to, ++toCount) = opening;
        } else {
            openings(zone, from, ++kept) = opening;
        }
    }
    fromCount = kept;
}

// Lengths, adjacency and directions of wall w of zone i.
void wallValues(HouseModel& model, int level, int i, int w) {
    const TPlanPoint a = model.ZoneNodes(i, w);
    const TPlanPoint b = model.ZoneNodes(i, model.NextWall(i, w));
    TWallRec& wall = model.Walls(i, w);
    wall.Length = Distance(a, b) / PixelsPerMetre(model);

    const TPlanPoint m = midpoint(a, b);
    TPlanPoint p1{m.X - 1, m.Y};
    TPlanPoint p2{m.X + 1, m.Y};
    double angle = 90.0; // degrees, direction of the wall
    if (a.X != b.X) {
        const double slope = static_cast<double>(b.Y - a.Y) / static_cast<double>(b.X - a.X);
        angle = common::roundHalfEven(std::atan(slope) * kDegreesPerRadian, 2);
        if (slope >= 0.0) {
            p1 = {m.X - 1, m.Y + 1};
            p2 = {m.X + 1, m.Y - 1};
        } else {
            p1 = {m.X + 1, m.Y + 1};
            p2 = {m.X - 1, m.Y - 1};
        }
    }
    const int zone1 = ZoneAtPoint(model, level, p1);
    const int zone2 = ZoneAtPoint(model, level, p2);
    // A probe in another zone makes it the neighbour; the higher number wins.
    for (const int other : {zone1, zone2})
        if (other != 0 && other != i) wall.AdjZone = std::max(wall.AdjZone, other);

    const double north = model.NorthAngle * kDegreesPerRadian; // degrees
    for (const auto& [probeZone, turn] : {std::pair{zone1, 0.0}, std::pair{zone2, 180.0}}) {
        if (probeZone != i) continue;
        wall.PlanAzimuth = intoFullCircle(angle + turn);
        wall.Azimuth = intoFullCircle(angle - north + turn);
    }
    for (int k = 1; k <= wall.WindowCount; ++k) model.WallWindows(i, w, k).Azimuth = wall.Azimuth;
    for (int k = 1; k <= wall.DoorCount; ++k) model.WallDoors(i, w, k).Azimuth = wall.Azimuth;
}

// True when node b, between walls w and b, can go: wall b has no openings and both walls are equal in
// every property that the wall pass does not derive from the plan.
bool redundantNode(const TWallRec& w, const TWallRec& b) {
    return b.WindowCount == 0 && b.DoorCount == 0 && w.AdjZone == b.AdjZone &&
           w.PlanAzimuth == b.PlanAzimuth && w.ExtMaterial == b.ExtMaterial &&
           w.ExtInsulation == b.ExtInsulation && w.PartMaterial == b.PartMaterial &&
           w.PartInsulation == b.PartInsulation && w.Beyond == b.Beyond && w.ExtInsulated == b.ExtInsulated &&
           w.ExtAddedR == b.ExtAddedR && w.PartAddedR == b.PartAddedR && w.ExtHeight == b.ExtHeight &&
           w.ExtThickness == b.ExtThickness && w.PartHeight == b.PartHeight &&
           w.PartThickness == b.PartThickness && w.Colour == b.Colour;
}

} // namespace

void MoveOpeningSlots(HouseModel& model, int zone, int to, int from) {
    for (int i = 1; i <= kMaxWindowsPerWall; ++i)
        model.WallWindows(zone, to, i) = model.WallWindows(zone, from, i);
    for (int i = 1; i <= kMaxDoorsPerWall; ++i) model.WallDoors(zone, to, i) = model.WallDoors(zone, from, i);
    for (int i = 1; i <= kMaxInterzoneDoorsPerWall; ++i)
        model.InterzoneDoors(zone, to, i) = model.InterzoneDoors(zone, from, i);
}

void MoveWallRecord(TWallRec& to, const TWallRec& from) {
    TWallRec moved = from;
    moved.WallObstructions = to.WallObstructions;
    moved.StartFinDepth = to.StartFinDepth;
    moved.EndFinDepth = to.EndFinDepth;
    moved.StartFinOffset = to.StartFinOffset;
    moved.EndFinOffset = to.EndFinOffset;
    moved.CpSetIndex = to.CpSetIndex;
    to = moved;
}

void InsertNode(HouseModel& model, int zone, int w, TPlanPoint p) {
    TZoneRec& z = model.Zones(zone);
    ++z.NodeCount;
    for (int k = z.NodeCount - 1; k >= w + 2; --k) {
        model.ZoneNodes(zone, k) = model.ZoneNodes(zone, k - 1);
        copyStoredWallFields(model.Walls(zone, k), model.Walls(zone, k - 1));
        MoveOpeningSlots(model, zone, k, k - 1);
    }
    model.ZoneNodes(zone, w + 1) = p;
    TWallRec& first = model.Walls(zone, w);
    TWallRec& second = model.Walls(zone, w + 1);
    copyStoredWallFields(second, first);
    second.Start = p;
    second.WindowCount = second.DoorCount = second.InterzoneDoorCount = 0;
    const double split = Distance(model.ZoneNodes(zone, w), p) / PixelsPerMetre(model); // m
    moveOpeningsBeyond(model.WallWindows, zone, w, w + 1, first.WindowCount, second.WindowCount, split);
    moveOpeningsBeyond(model.WallDoors, zone, w, w + 1, first.DoorCount, second.DoorCount, split);
}

void CalculateWallValues(HouseModel& model, PlanView& view, int level) {
    ExtraNodes(model, view, level);
    do {
        FindAdjZonesOrientationsLength(model, level);
    } while (!ReduceNodes(model, view, level));
}

void ExtraNodes(HouseModel& model, PlanView& view, int level) {
    std::vector<TPlanPoint> points;
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (!onLevel(model, z, level)) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            const TPlanPoint a = model.ZoneNodes(z, w);
            const TPlanPoint b = model.ZoneNodes(z, model.NextWall(z, w));
            for (int other = 1; other <= model.ZoneCount; ++other) {
                if (!onLevel(model, other, level)) continue;
                for (int n = 0; n < model.Zones(other).NodeCount; ++n) {
                    const TPlanPoint q = model.ZoneNodes(other, n);
                    if (q == a || q == b || !CoLin(toReal(q), toReal(a), toReal(b))) continue;
                    // A point collected twice would find itself a node already the second time.
                    if (std::find(points.begin(), points.end(), q) == points.end()) points.push_back(q);
                }
            }
        }
    }
    for (const TPlanPoint p : points) CalcNewNode(model, view, level, p);
}

void CalcNewNode(HouseModel& model, PlanView& view, int level, TPlanPoint p) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (!onLevel(model, z, level)) continue;
        const int wallsAtStart = model.Zones(z).NodeCount;
        for (int w = 0; w < wallsAtStart; ++w) {
            const TPlanPoint a = model.ZoneNodes(z, w);
            const TPlanPoint b = model.ZoneNodes(z, model.NextWall(z, w));
            if (p == a || p == b || !Colinear(p, a, b)) continue;
            if (model.Zones(z).NodeCount >= kMaxNodes) continue; // no room for another node
            view.DrawAllOnCurrentLevel();
            InsertNode(model, z, w, p);
            view.DrawAllOnCurrentLevel();
        }
    }
}

void FindAdjZonesOrientationsLength(HouseModel& model, int level) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (!onLevel(model, z, level)) continue;
        for (int k = 1; k <= model.Zones(z).IntWallCount; ++k) {
            TIntWallRec& intWall = model.ZoneIntWalls(z, k);
            intWall.IntWallLength = Distance(intWall.StartPoint, intWall.EndPoint) / PixelsPerMetre(model);
        }
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) model.Walls(z, w).AdjZone = 0;
    }
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (!onLevel(model, z, level)) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) wallValues(model, level, z, w);
    }
}

bool ReduceNodes(HouseModel& model, PlanView& view, int level) {
    constexpr int kFewestNodes = 3;
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (!onLevel(model, z, level) || model.Zones(z).NodeCount <= kFewestNodes) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            const int b = model.NextWall(z, w);
            if (!redundantNode(model.Walls(z, w), model.Walls(z, b))) continue;
            view.DrawAllOnCurrentLevel();
            view.NodeDestroyed(z, b);
            DestroyNode(model, z, b);
            view.DrawAllOnCurrentLevel();
            return false;
        }
    }
    return true;
}

std::vector<RemovedWindow> DelWindowsBnZones(HouseModel& model, PlanView& view) {
    std::vector<RemovedWindow> removed;
    view.DrawAllOnCurrentLevel();
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (!onLevel(model, z, model.CurrentLevel)) continue;
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            TWallRec& wall = model.Walls(z, w);
            if (wall.AdjZone == 0) continue;
            for (int k = 1; k <= wall.WindowCount; ++k)
                removed.push_back({z, w, k, model.WallWindows(z, w, k).Width});
            wall.WindowCount = 0;
        }
    }
    view.DrawAllOnCurrentLevel();
    return removed;
}

} // namespace pelmora
