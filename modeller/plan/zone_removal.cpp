#include "modeller/plan/zone_removal.h"

#include "modeller/model/model_error.h"

#include <string>

namespace pelmora {

namespace {

// A reference to a zone after zone d is gone: d itself becomes 0, later zones move down one.
void renumber(std::int32_t& reference, int d) {
    if (reference == d)
        reference = 0;
    else if (reference > d)
        --reference;
}

// Moves wall `from` into wall slot `to`, keeping the slot's working fields of the engine input
// writer, which that writer fills on every run.
void moveWall(TWallRec& to, const TWallRec& from) {
    const auto obstructions = to.WallObstructions;
    const double startFinDepth = to.StartFinDepth, endFinDepth = to.EndFinDepth;
    const double startFinOffset = to.StartFinOffset, endFinOffset = to.EndFinOffset;
    const std::int32_t cpSet = to.CpSetIndex;
    to = from;
    to.WallObstructions = obstructions;
    to.StartFinDepth = startFinDepth;
    to.EndFinDepth = endFinDepth;
    to.StartFinOffset = startFinOffset;
    to.EndFinOffset = endFinOffset;
    to.CpSetIndex = cpSet;
}

void moveZone(HouseModel& model, PlanSelection& selection, int j) {
    const int from = j + 1;
    for (int n = 0; n <= kMaxWallIndex; ++n) {
        model.ZoneNodes(j, n) = model.ZoneNodes(from, n);
        selection.NodeSelected(j, n) = selection.NodeSelected(from, n);
    }
    model.Zones(j) = model.Zones(from);
    model.ZoneRoofs(j) = model.ZoneRoofs(from);
    model.ZoneCeilings(j) = model.ZoneCeilings(from);
    model.ZoneExtFloors(j) = model.ZoneExtFloors(from);
    model.ZoneIntCeilings(j) = model.ZoneIntCeilings(from);
    model.ZoneFloorCovers(j) = model.ZoneFloorCovers(from);
    for (int i = 1; i <= kMaxIntWalls; ++i) model.ZoneIntWalls(j, i) = model.ZoneIntWalls(from, i);
    for (int i = 1; i <= kMaxSkylights; ++i) model.ZoneSkylights(j, i) = model.ZoneSkylights(from, i);
    for (int w = 0; w <= kMaxWallIndex; ++w) {
        moveWall(model.Walls(j, w), model.Walls(from, w));
        for (int k = 1; k <= kMaxWindowsPerWall; ++k)
            model.WallWindows(j, w, k) = model.WallWindows(from, w, k);
        for (int k = 1; k <= kMaxDoorsPerWall; ++k) model.WallDoors(j, w, k) = model.WallDoors(from, w, k);
    }
}

} // namespace

void DiscardZone(HouseModel& model, PlanSelection& selection, int d) {
    if (d < 1 || d > model.ZoneCount)
        throw ModelError("There is no zone " + std::to_string(d) + " to remove");
    for (int w = 0; w <= kMaxWallIndex; ++w) {
        TWallRec& wall = model.Walls(d, w);
        wall.WindowCount = wall.DoorCount = wall.InterzoneDoorCount = 0;
    }
    TZoneRec& zone = model.Zones(d);
    zone.NodeCount = zone.Level = zone.IntWallCount = zone.SkylightCount = 0;
    zone.StairDownCount = zone.StairUpCount = 0;
    zone.FloorArea = 0.0;
    for (int z = 1; z <= model.ZoneCount; ++z)
        for (int i = 1; i <= kSharedZoneSlots; ++i) {
            renumber(model.ZoneCeilings(z).SharedZones(i), d);
            renumber(model.ZoneExtFloors(z).SharedZones(i), d);
        }
    for (int j = d; j < model.ZoneCount; ++j) moveZone(model, selection, j);
    for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int i = 1; i <= kMaxStairsDown; ++i) {
            renumber(model.StairsDown(z, i).Zone, d);
            if (model.StairsDown(z, i).Zone < 0) model.StairsDown(z, i).Zone = 0;
        }
        for (int i = 1; i <= kMaxStairsUp; ++i) {
            renumber(model.StairsUp(z, i).Zone, d);
            if (model.StairsUp(z, i).Zone < 0) model.StairsUp(z, i).Zone = 0;
        }
    }
    for (int j = d; j < model.ZoneCount; ++j) {
        for (int i = 1; i <= kMaxStairsDown; ++i) model.StairsDown(j, i) = model.StairsDown(j + 1, i);
        for (int i = 1; i <= kMaxStairsUp; ++i) model.StairsUp(j, i) = model.StairsUp(j + 1, i);
    }
    --model.ZoneCount;
}

} // namespace pelmora
