#include "modeller/model/plan_operations.h"

#include "modeller/model/wall_values.h"

#include "common/rounding.h"
#include "modeller/model/model_error.h"
#include "modeller/model/plan_geometry.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace pelmora {

namespace {

TPlanPoint scaled(TPlanPoint p, double factor) {
    return {static_cast<std::int32_t>(common::roundHalfEvenToInt(p.X * factor)),
            static_cast<std::int32_t>(common::roundHalfEvenToInt(p.Y * factor))};
}

// The wall from `start` through the node `joint` to `end` that removing the node leaves, as a
// straight wall from `start` to `end`.
struct joinedWall {
    TPlanPoint start;
    TPlanPoint joint;
    TPlanPoint end;
    double pixelsPerMetre;

    // Where along the joined wall (m from its start) an opening stands whose centre was `position`
    // metres from the start of the removed wall (from `joint` towards `end`): the nearest point of the
    // joined wall to that centre.  On a straight run this is the old wall's length plus `position`.
    double positionOf(double position) const {
        const double ax = joint.X - start.X, ay = joint.Y - start.Y; // px
        const double bx = end.X - joint.X, by = end.Y - joint.Y;     // px
        const double removedLength = std::hypot(bx, by);             // px
        const double along = removedLength > 0.0 ? position * pixelsPerMetre / removedLength : 0.0;
        const double cx = ax + along * bx, cy = ay + along * by; // centre from start, px
        const double wx = end.X - start.X, wy = end.Y - start.Y; // joined wall, px
        const double joinedLength = std::hypot(wx, wy);          // px
        if (joinedLength <= 0.0) return 0.0;
        const double onWall = std::clamp((cx * wx + cy * wy) / joinedLength, 0.0, joinedLength); // px
        return onWall / pixelsPerMetre;
    }
};

// Appends the openings of wall `from` to those of wall `to`, their positions measured on the joined
// wall.
template <class Rec>
void appendOpenings(common::Array3<Rec>& openings, int zone, int to, int from, std::int32_t& toCount,
                    std::int32_t fromCount, const joinedWall& joined) {
    for (int i = 1; i <= fromCount; ++i) {
        Rec opening = openings(zone, from, i);
        opening.Position = joined.positionOf(opening.Position);
        openings(zone, to, ++toCount) = opening;
    }
}

} // namespace

void ScalePlanCoordinates(HouseModel& model, double factor) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int i = 1; i <= model.Zones(z).IntWallCount; ++i) {
            TIntWallRec& wall = model.ZoneIntWalls(z, i);
            wall.StartPoint = scaled(wall.StartPoint, factor);
            wall.EndPoint = scaled(wall.EndPoint, factor);
        }
        for (int n = 0; n < model.Zones(z).NodeCount; ++n) {
            model.ZoneNodes(z, n) = scaled(model.ZoneNodes(z, n), factor);
            model.Walls(z, n).Start = model.ZoneNodes(z, n);
        }
    }
    // The openings stand where their positions put them on the rescaled walls.
    for (int z = 1; z <= model.ZoneCount; ++z) PlaceOpeningPoints(model, z);
    for (int level = 1; level <= model.LevelCount; ++level) {
        for (int p = 0; p < model.Eaves(level).Count; ++p) {
            model.EavesNodes(level, p) = scaled(model.EavesNodes(level, p), factor);
            model.Eaves(level).Points(p) = model.EavesNodes(level, p);
        }
    }
}

bool NodeOpeningsFit(const HouseModel& model, int zone, int node) {
    const TZoneRec& z = model.Zones(zone);
    if (node < 0 || node >= z.NodeCount) return false;
    const TWallRec& before = model.Walls(zone, (node + z.NodeCount - 1) % z.NodeCount);
    const TWallRec& removed = model.Walls(zone, node);
    return before.WindowCount + removed.WindowCount <= kMaxWindowsPerWall &&
           before.DoorCount + removed.DoorCount <= kMaxDoorsPerWall &&
           before.InterzoneDoorCount + removed.InterzoneDoorCount <= kMaxInterzoneDoorsPerWall;
}

void DestroyNode(HouseModel& model, int zone, int node) {
    TZoneRec& z = model.Zones(zone);
    if (node < 0 || node >= z.NodeCount) {
        throw ModelError("Zone " + std::to_string(zone) + " has no node " + std::to_string(node));
    }
    if (!NodeOpeningsFit(model, zone, node)) {
        throw ModelError("Node " + std::to_string(node) + " of zone " + std::to_string(zone) +
                         " joins walls whose openings do not fit on one wall");
    }
    const int before = (node + z.NodeCount - 1) % z.NodeCount;
    const int after = (node + 1) % z.NodeCount;
    const joinedWall joined{model.ZoneNodes(zone, before), model.ZoneNodes(zone, node),
                            model.ZoneNodes(zone, after), PixelsPerMetre(model)};
    TWallRec& first = model.Walls(zone, before);
    const TWallRec& second = model.Walls(zone, node);
    appendOpenings(model.WallWindows, zone, before, node, first.WindowCount, second.WindowCount, joined);
    appendOpenings(model.WallDoors, zone, before, node, first.DoorCount, second.DoorCount, joined);
    for (int i = 1; i <= second.InterzoneDoorCount; ++i)
        model.InterzoneDoors(zone, before, ++first.InterzoneDoorCount) = model.InterzoneDoors(zone, node, i);

    for (int k = node; k <= z.NodeCount - 2; ++k) {
        model.ZoneNodes(zone, k) = model.ZoneNodes(zone, k + 1);
        MoveWallRecord(model.Walls(zone, k), model.Walls(zone, k + 1));
        MoveOpeningSlots(model, zone, k, k + 1);
    }
    --z.NodeCount;
}

} // namespace pelmora
