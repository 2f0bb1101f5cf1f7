// Operations on the plan data of the model that the plan editor and the wall computations share:
// rescaling every stored plan position to a new magnification and removing a node of a zone outline.
// The plan editor draws before and after them and keeps its own selection flags in step.
#pragma once

#include "modeller/model/house_model.h"

namespace pelmora {

// Multiplies each plan position by `factor` and stores the nearest whole pixel (halves to even): both
// ends of every internal wall, the nodes of every zone (copied into the walls' Start) and the eaves
// points of every level in use (copied into the outline's points).  Window, door and mirrored-door
// node points are not scaled.
void ScalePlanCoordinates(HouseModel& model, double factor);

// Removes node `node` of `zone` and the wall that starts at it: later nodes, walls (their own fields,
// not the engine input writer's working area) and the walls' window, door and mirrored-door slots move
// down one index, and the node count decreases by one.  The wall that ended at the node then ends at
// the node that followed it.
void DestroyNode(HouseModel& model, int zone, int node);

} // namespace pelmora
