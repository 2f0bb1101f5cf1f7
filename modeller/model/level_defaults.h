// The level defaults: their factory values, the start-up defaults, the thickness lists read from the
// wall material tables, the set-up of a new zone from its level's defaults, and the copy of one
// level's defaults to another.
#pragma once

#include "modeller/model/defaults_file.h"
#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"

namespace pelmora {

constexpr std::int32_t kFactoryGrey = 10658466; // red, green and blue 162 each

// Gives the level default record of `level` its factory values.  The skylight orientation and the
// four vertical-shade defaults keep what they hold.
void SetDefaultDefaults(HouseModel& model, int level);

// The model's start-up defaults: north at the top of the plan, the new-zone options, the default
// shielding and obstruction shading, the factory defaults of all six levels, and then the default
// wall thickness of every wall material record read from the wall tables.  The thickness lists come
// last so that a table that cannot be read (ModelError) leaves everything else set.
void SetDefaultValues(HouseModel& model, MaterialTables& tables);

// Fills ExtThicknessByMaterial and PartThicknessByMaterial of every level from the D1 field of each
// record of the external and internal wall material tables.  A table that cannot be read, or one with
// more records than the lists hold, raises ModelError and changes nothing.
void FillThicknessByMaterial(HouseModel& model, MaterialTables& tables);

// The default thickness (mm) of a wall of `level` built of material record `record`; 0 for a record
// the lists have no place for.
double ExtThicknessFor(const HouseModel& model, int level, int record);
double PartThicknessFor(const HouseModel& model, int level, int record);

// Gives a newly drawn zone its walls', roof's, ceiling's, external floor's, ceiling between levels'
// and floor covering's construction from the defaults of the current level, and empty element
// counts.
void AllocateZoneProperties(HouseModel& model, int zone);

// A window, door or internal wall of `level` as its level's defaults describe it (lengths in metres),
// before it has a place on the plan: what a new one starts from.
TWindowRec DefaultWindow(const HouseModel& model, int level);
TDoorRec DefaultDoor(const HouseModel& model, int level);
TIntWallRec DefaultIntWall(const HouseModel& model, int level);

// Copies the 73 stored default values of level `source` to level `destination`; the values kept only
// in memory stay.
void ChangeDefaults(HouseModel& model, int destination, int source);

// A slab on ground stands on the earth, so only a floor of level 1 can be one.  A floor record or a
// floor default of a level above 1 that holds one (copied from level 1, moved up with its level, read
// from a file) becomes the suspended concrete slab with outside air under it ("Very Open"), which is
// what is simulated there; its insulation, covering, added R and height stay.  Other floors are left
// as they are.
void SuspendSlabAboveGround(TExtFloorRec& floor, int level);
void SuspendSlabAboveGround(TLevelDefaultRec& defaults, int level);
// The same for the floor defaults of levels 2 to 6 and the external floor of every zone above level 1
// that has a level holding zones under it (an empty level is removed before a run).
void SuspendSlabsAboveGround(LevelDefaultArray& defaults);
void SuspendSlabsAboveGround(HouseModel& model);
// The level a zone stands on once the levels without zones under it are gone, as the pre-simulation
// pass removes them: 1 for a zone over empty levels only.
int StandingLevel(const HouseModel& model, int zone);
// The zone's external floor as it is simulated, reported and shown: its record, with a slab on ground
// of a zone that stands above level 1 (a zone moved up with its level keeps its slab on record) as the
// suspended concrete slab.
TExtFloorRec FloorAsSimulated(const HouseModel& model, int zone);

} // namespace pelmora
