// The plan area that two zones share when one lies above the other (CommonFloorArea, m2), sampled on
// a 0.1 m grid over the whole plan.  Entries of two zones on one level hold their overlap, which the
// plan editor reports.  Values are multiples of 0.1 m2; row and column 0 stay 0.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_geometry.h"

namespace pelmora {

// Recomputes the whole matrix: every pair of zones on adjacent levels.
void CalcAllCommonArea(HouseModel& model);

// Recomputes the pairs of a zone on level A and a zone on level B; pairs of two zones of one of those
// levels gain their overlap once more.
void CommonArea(HouseModel& model, int levelA, int levelB);

// Adds the sampled shared areas to every ordered pair of distinct zones whose levels are A or B, then
// rounds those entries to 0.1 m2 (halves to even).
void ComArea(HouseModel& model, const PlanLimits& limits, int levelA, int levelB);

} // namespace pelmora
