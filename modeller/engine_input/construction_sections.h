// The construction data of the card file (data type 2): the air-gap materials the constructions use,
// the glazing systems of windows and skylights, every distinct opaque construction of the house as a
// numbered building section, and the fixed sections of the floor and roof spaces.  The position
// services here put the material tables on an element and load the element in hand, so that the
// zone writers can build the same texts again and find each element's section.
#pragma once

#include "modeller/engine_input/scratch_writer.h"

#include <string>

namespace pelmora {

// Appends data type 2 to the card file.
void WriteConstructionData(Scratch& scratch);

// Builds every construction list (and the air-gap materials) without writing a card.  Run by
// WriteConstructionData; the lists stay for the zone writers.
void BuildConstructionLists(Scratch& scratch);

// Appends `layers` (named `name`) to the list of `kind` unless the list holds it already; raises
// ScratchError naming the element in hand when the list is full.  Returns the entry's position.
int AddConstruction(Scratch& scratch, ConstructionKind kind, const std::string& layers,
                    const std::string& name);

// Position services: zones and internal walls from 1, walls from 0.
void PositionExtWall(Scratch& scratch, int zone, int wall);
void PositionDefaultExtWall(Scratch& scratch);
void PositionPartitionWall(Scratch& scratch, int zone, int wall);
void PositionIntWall(Scratch& scratch, int zone, int n);
void PositionExtFloor(Scratch& scratch, int zone);
void PositionCeiling(Scratch& scratch, int zone);
void PositionRoof(Scratch& scratch, int zone);
// The floor between `zone` and the zone `upperZone` of the level above, with the upper zone's floor
// covering on its floor side; `upperZone` 0 positions the construction alone.
void PositionIntCeiling(Scratch& scratch, int zone, int upperZone);
void PositionFloorCover(Scratch& scratch, int zone);
// A door: the door table on the door's material row.
void PositionDoor(Scratch& scratch, int zone, int wall, int door);

// The layer pair of the air-gap material with the resistances of an unvented gap of `gapWidth` mm
// between faces of emittances e1 and e2 at the slope EditSlope, defining the material (801 upward)
// when it is new.  Needs the air-gap coefficient table loaded.
std::string AirGapMaterial(Scratch& scratch, int gapWidth, double e1, double e2);

// True when the zone's floor area is not all covered by zones of the level above (by more than
// 0.1 m2): such a zone has a roof of its own.
bool ZoneHasRoof(const HouseModel& model, int zone);

} // namespace pelmora
