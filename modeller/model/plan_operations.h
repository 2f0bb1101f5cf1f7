// Operations on the plan data of the model that the plan editor and the wall computations share:
// rescaling every stored plan position to a new magnification and removing a node of a zone outline
// with the openings of its walls kept.
// The plan editor draws before and after them and keeps its own selection flags in step.
#pragma once

#include "modeller/model/house_model.h"

namespace pelmora {

// Multiplies each plan position by `factor` and stores the nearest whole pixel (halves to even): both
// ends of every internal wall, the nodes of every zone (copied into the walls' Start) and the eaves
// points of every level in use (copied into the outline's points).  The window and door points are
// placed again from their positions on the rescaled walls; mirrored-door points are not scaled.
void ScalePlanCoordinates(HouseModel& model, double factor);

// True when the windows, the doors and the mirrored doors of the two walls that meet at node `node`
// of `zone` fit together on one wall, so that the node can be removed without losing an opening.
bool NodeOpeningsFit(const HouseModel& model, int zone, int node);

// Removes node `node` of `zone` and the wall that starts at it: later nodes, walls (their own fields,
// not the engine input writer's working area) and the walls' window, door and mirrored-door slots move
// down one index, and the node count decreases by one.  The wall that ended at the node then ends at
// the node that followed it and takes the openings of the removed wall after its own, each at the
// point of the joined wall nearest to where its centre stood, so that a node added on a wall and
// removed again leaves the wall as it was.  Throws ModelError when the openings would not fit (see
// NodeOpeningsFit).
void DestroyNode(HouseModel& model, int zone, int node);

} // namespace pelmora
