#include "modeller/model/plan_operations.h"

#include "modeller/model/wall_values.h"

#include "common/rounding.h"
#include "modeller/model/model_error.h"

#include <string>

namespace pelmora {

namespace {

TPlanPoint scaled(TPlanPoint p, double factor) {
    return {static_cast<std::int32_t>(common::roundHalfEvenToInt(p.X * factor)),
            static_cast<std::int32_t>(common::roundHalfEvenToInt(p.Y * factor))};
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
    for (int level = 1; level <= model.LevelCount; ++level) {
        for (int p = 0; p < model.Eaves(level).Count; ++p) {
            model.EavesNodes(level, p) = scaled(model.EavesNodes(level, p), factor);
            model.Eaves(level).Points(p) = model.EavesNodes(level, p);
        }
    }
}

void DestroyNode(HouseModel& model, int zone, int node) {
    TZoneRec& z = model.Zones(zone);
    if (node < 0 || node >= z.NodeCount) {
        throw ModelError("Zone " + std::to_string(zone) + " has no node " + std::to_string(node));
    }
    for (int k = node; k <= z.NodeCount - 2; ++k) {
        model.ZoneNodes(zone, k) = model.ZoneNodes(zone, k + 1);
        MoveWallRecord(model.Walls(zone, k), model.Walls(zone, k + 1));
        MoveOpeningSlots(model, zone, k, k + 1);
    }
    --z.NodeCount;
}

} // namespace pelmora
