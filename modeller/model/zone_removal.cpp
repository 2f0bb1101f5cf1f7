#include "modeller/model/zone_removal.h"

#include "modeller/model/model_error.h"
#include "modeller/model/wall_values.h"

#include <string>

namespace pelmora {

namespace {

// A reference to a zone once zone d is gone: d itself becomes 0 and later zones move down one.
void renumber(std::int32_t& reference, int d) {
    if (reference == d)
        reference = 0;
    else if (reference > d)
        --reference;
}

// The zone a stairwell leads to once zone d is gone; a negative zone is taken as none.
void renumberStair(TStairRec& stair, int d) {
    renumber(stair.Zone, d);
    if (stair.Zone < 0) stair.Zone = 0;
}

// The stairwells of one zone (its entries 1..count of `capacity` slots) once zone d is gone: those that
// lead to zone d go with it, the others close up in their order and follow the renumbering.  A
// stairwell without the zone at its other end would open the zone to nothing.
template <class Stair> void removeStairsTo(int d, std::int32_t& count, int capacity, Stair stair) {
    int kept = 0;
    for (int i = 1; i <= count; ++i)
        if (stair(i).Zone != d) stair(++kept) = stair(i);
    count = kept;
    for (int i = 1; i <= capacity; ++i) renumberStair(stair(i), d);
}

// Zone j takes over every record of zone j + 1 but its stairwells.
void moveZoneRecords(HouseModel& model, int j) {
    const int from = j + 1;
    model.Zones(j) = model.Zones(from);
    model.ZoneRoofs(j) = model.ZoneRoofs(from);
    model.ZoneCeilings(j) = model.ZoneCeilings(from);
    model.ZoneExtFloors(j) = model.ZoneExtFloors(from);
    model.ZoneIntCeilings(j) = model.ZoneIntCeilings(from);
    model.ZoneFloorCovers(j) = model.ZoneFloorCovers(from);
    for (int i = 1; i <= kMaxIntWalls; ++i) model.ZoneIntWalls(j, i) = model.ZoneIntWalls(from, i);
    for (int i = 1; i <= kMaxSkylights; ++i) model.ZoneSkylights(j, i) = model.ZoneSkylights(from, i);
    for (int w = 0; w <= kMaxWallIndex; ++w) {
        model.ZoneNodes(j, w) = model.ZoneNodes(from, w);
        MoveWallRecord(model.Walls(j, w), model.Walls(from, w));
        for (int k = 1; k <= kMaxWindowsPerWall; ++k)
            model.WallWindows(j, w, k) = model.WallWindows(from, w, k);
        for (int k = 1; k <= kMaxDoorsPerWall; ++k) model.WallDoors(j, w, k) = model.WallDoors(from, w, k);
    }
}

bool levelHoldsZones(const HouseModel& model, int level) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.Zones(z).Level == level) return true;
    return false;
}

// Level l takes over everything that belongs to level l + 1.
void moveLevelRecords(HouseModel& model, int l) {
    model.Eaves(l) = model.Eaves(l + 1);
    model.EavesDefined(l) = model.EavesDefined(l + 1);
    for (int p = 0; p < kMaxEavesPoints; ++p) model.EavesNodes(l, p) = model.EavesNodes(l + 1, p);
    model.LevelPictures(l) = model.LevelPictures(l + 1);
    model.LevelDefaults(l) = model.LevelDefaults(l + 1);
    for (int m = 1; m <= kMaxThicknessRecords; ++m) {
        model.ExtThicknessByMaterial(l, m) = model.ExtThicknessByMaterial(l + 1, m);
        model.PartThicknessByMaterial(l, m) = model.PartThicknessByMaterial(l + 1, m);
    }
}

} // namespace

void DiscardZone(HouseModel& model, PlanView& view, int d) {
    if (d < 1 || d > model.ZoneCount)
        throw ModelError("There is no zone " + std::to_string(d) + " to remove");
    view.ZoneDiscarded(d);
    for (int w = 0; w <= kMaxWallIndex; ++w) {
        TWallRec& wall = model.Walls(d, w);
        wall.WindowCount = wall.DoorCount = wall.InterzoneDoorCount = 0;
    }
    TZoneRec& zone = model.Zones(d);
    zone.NodeCount = zone.Level = zone.IntWallCount = zone.SkylightCount = 0;
    zone.StairDownCount = zone.StairUpCount = 0;
    zone.FloorArea = 0.0;
    for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int i = 1; i <= kSharedZoneSlots; ++i) {
            renumber(model.ZoneCeilings(z).SharedZones(i), d);
            renumber(model.ZoneExtFloors(z).SharedZones(i), d);
        }
    }
    // Before anything moves, so that each zone's stairwells are closed up by that zone's own counts.
    for (int z = 1; z <= model.ZoneCount; ++z) {
        TZoneRec& other = model.Zones(z);
        removeStairsTo(d, other.StairDownCount, kMaxStairsDown,
                       [&](int i) -> TStairRec& { return model.StairsDown(z, i); });
        removeStairsTo(d, other.StairUpCount, kMaxStairsUp,
                       [&](int i) -> TStairRec& { return model.StairsUp(z, i); });
    }
    for (int j = d; j < model.ZoneCount; ++j) moveZoneRecords(model, j);
    for (int j = d; j < model.ZoneCount; ++j) {
        for (int i = 1; i <= kMaxStairsDown; ++i) model.StairsDown(j, i) = model.StairsDown(j + 1, i);
        for (int i = 1; i <= kMaxStairsUp; ++i) model.StairsUp(j, i) = model.StairsUp(j + 1, i);
    }
    --model.ZoneCount;
}

void DeleteLevel(HouseModel& model, PlanView& view, int level) {
    if (model.LevelCount <= 1) throw ModelError(std::string(limit_text::kAtLeastOneLevel));
    if (level < 1 || level > model.LevelCount)
        throw ModelError("There is no level " + std::to_string(level) + " to remove");
    if (levelHoldsZones(model, level)) {
        for (int z = 1; z <= model.ZoneCount; ++z)
            model.Zones(z).StairDownCount = model.Zones(z).StairUpCount = 0;
    }
    for (int z = model.ZoneCount; z >= 1; --z)
        if (model.Zones(z).Level == level) DiscardZone(model, view, z);
    model.EavesDefined(level) = false;
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.Zones(z).Level > level) --model.Zones(z).Level;
    for (int l = level; l < model.LevelCount; ++l) moveLevelRecords(model, l);
    --model.LevelCount;
}

} // namespace pelmora
