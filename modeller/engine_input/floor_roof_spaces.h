// The floor spaces (the ground under a slab, the air under a suspended floor) and roof spaces that the
// engine models as zones of their own: grouping of the zones that share one, the numbers of their
// pseudo zones, and the pseudo zones' cards.
//
// One rule decides, for the real zone's card and for the group alike, whether a floor or a ceiling
// faces such a space: the area shared with the level below (above) counts when it reaches 0.5 m², and
// the rest of the floor (ceiling) faces the space when it reaches 0.5 m².  So every pseudo zone a real
// zone's card names exists, and every real zone a pseudo zone's card names points back to it.
#pragma once

#include "modeller/engine_input/zone_writers.h"

namespace pelmora {

inline constexpr double kSharedAreaThreshold = 0.5; // m2, a shared or exposed area below it counts as none

// Area of zone z shared with the zones of the level below (above), 0 when below the threshold. m2
double FloorAreaBelow(const HouseModel& model, int zone);
double CeilingAreaAbove(const HouseModel& model, int zone);

// True when the zone's floor stands on a floor space: a slab, or a suspended floor that is neither
// very open nor above a neighbour, with at least the threshold area exposed.
bool FloorFacesFloorSpace(const HouseModel& model, MaterialTables& tables, int zone);
bool FloorFacesFloorSpace(ZoneWriterRun& run, int zone);
// True when some zone's floor stands on a floor space, so that the house rests on the earth (the earth
// section and the ground model).  A house whose every floor is very open or above a neighbour stands
// on stumps: the earth is under none of its surfaces.
bool HouseRestsOnEarth(const HouseModel& model, MaterialTables& tables);
// True when the zone's ceiling lies under a roof space (not "Roof, no Cavity" or "Another Apartment"),
// with at least the threshold area exposed.
bool CeilingFacesRoofSpace(const HouseModel& model, int zone);

// Sets FloorSpacePseudoCount after grouping the floor spaces.
void CountFloorSpaceZones(ZoneWriterRun& run);
// The under-slab zone, or the underside-of-floor zone, of the group that holds the zone's floor.
int FloorSpaceZoneOf(ZoneWriterRun& run, int zone);
// The top-of-ceiling zone of the roof space over the zone.
int RoofSpaceZoneOf(ZoneWriterRun& run, int zone);

// The sloped area (m2) and the volume (m3) of a roof space, from its plan area, its extents and its
// roof's slope and shape.  Raises ScratchError naming the founding zone when the plan area does not
// fit in its extents or the slope is 90 degrees or more.
struct RoofSpaceGeometry {
    double SlopedRoofArea = 0.0; // m2
    double Volume = 0.0;         // m3
};
RoofSpaceGeometry CalcRoofSpaceGeometry(const HouseModel& model, const TRoofSpaceGroupRec& group);

} // namespace pelmora
