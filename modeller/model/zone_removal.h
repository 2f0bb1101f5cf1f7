// Removal of a zone and of a level.  Zones stay numbered 1..ZoneCount without gaps: every later zone
// moves down one number with all its records, and every stored reference to a zone is renumbered.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"

namespace pelmora {

// Removes zone `zone` (1..ZoneCount, else ModelError).  Moved with their zones: the zone record,
// nodes, walls with their window and door slots, internal walls, skylights, roof, ceiling, external
// floor, ceiling between levels, floor covering and stairwells; the view moves the node selection
// flags.  Removed with the zone: its own stairwells and, in the other zones, every stairwell that
// leads to it.  Renumbered: the zones sharing a roof space or under-floor space, and the zone a
// stairwell leads to.  Not moved, because they are recomputed before use: the shared and void floor
// areas, the mirrored doors and the engine input writer's working fields of the walls.  The records of
// the old last zone stay beyond the new count.
void DiscardZone(HouseModel& model, PlanView& view, int zone);

// Removes level `level` (1..LevelCount) with its zones, highest number first.  The zones, eaves
// outlines, background pictures and level defaults of the higher levels move down one level.  When
// the level held zones, every stairwell of the house is removed; a level without zones leaves them.
// The last level is never removed (ModelError "At least one level must be modelled").
void DeleteLevel(HouseModel& model, PlanView& view, int level);

} // namespace pelmora
