// Removal of a zone: every later zone moves down one number with all its records and selection
// flags, and every stored reference to a zone number is renumbered, so zones stay numbered
// 1..ZoneCount without gaps.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_selection.h"

namespace pelmora {

// Removes zone `zone` (1..ZoneCount).  The records of the old last zone stay beyond the new count.
// Not moved, because they are recomputed before use: the shared and void floor areas, the mirrored
// doors and the engine input writer's working fields of the walls.
void DiscardZone(HouseModel& model, PlanSelection& selection, int zone);

} // namespace pelmora
