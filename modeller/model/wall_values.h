// The walls of one level derived from the zone outlines: nodes inserted wherever a node of one zone
// lies on an edge of another, each wall's neighbouring zone, length and outward directions, redundant
// nodes between identical collinear walls merged again, and the windows on walls between zones
// removed.  The pre-simulation pass runs these for every level; the plan editor after an outline is
// finished or moved and after a window or door is placed.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"

#include <vector>

namespace pelmora {

// Splits the level's edges at every node of the level lying on them, then recomputes adjacency,
// lengths and directions and merges redundant nodes until none is left.
void CalculateWallValues(HouseModel& model, PlanView& view, int level);

// Splits every edge of the level on which a node of a zone of the level lies.
void ExtraNodes(HouseModel& model, PlanView& view, int level);

// Inserts p as a node into every edge of the level that passes within 3 pixels of it.  The new wall
// takes the constructions of the wall it was split from; the windows and doors whose centre lies
// beyond p move onto it.  A zone that already has 51 nodes is left as it is.
void CalcNewNode(HouseModel& model, PlanView& view, int level, TPlanPoint p);

// Inserts p as node w + 1 of the zone, splitting wall w: the later nodes, walls and their opening
// slots move up one index; the new wall takes the stored fields of wall w and the windows and doors
// whose centre lies beyond p, their positions measured from p.  The caller checks the node capacity.
void InsertNode(HouseModel& model, int zone, int w, TPlanPoint p);

// Internal-wall lengths, and each wall's neighbouring zone (AdjZone), Length, PlanAzimuth and Azimuth
// with the azimuth of its windows and doors, on every zone of the level.
void FindAdjZonesOrientationsLength(HouseModel& model, int level);

// Removes at most one node of the level between two walls that are identical in every property, the
// second without windows or doors.  Returns true when nothing was removed (the reduction is done).
// An outline keeps at least three nodes.
bool ReduceNodes(HouseModel& model, PlanView& view, int level);

// A window removed from a wall, as it was: window `Window` of wall `Wall` (0-based) of `Zone`.
struct RemovedWindow {
    int Zone = 0;
    int Wall = 0;
    int Window = 0;
    double Width = 0.0; // m
};

// On the current level, removes the windows of every wall between two zones, and returns them.
// Doors stay.
std::vector<RemovedWindow> DelWindowsBnZones(HouseModel& model, PlanView& view);

// Copies wall record `from` into wall slot `to`; the engine input writer's working fields stay with
// the slot, which that writer fills on every run.
void MoveWallRecord(TWallRec& to, const TWallRec& from);

// Copies the window, door and mirrored-door slots of wall `from` of a zone into wall `to`; the
// mirrored doors move with the count that the wall record carries.
void MoveOpeningSlots(HouseModel& model, int zone, int to, int from);

} // namespace pelmora
