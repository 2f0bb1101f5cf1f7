// Adding a level to the house above or below the current one.  Everything a level owns (its zones,
// eaves outline, background picture and element defaults) moves up with the levels above the new
// one, and the new level starts empty with the factory defaults.
#pragma once

#include "modeller/model/house_model.h"

namespace pelmora {

// Level `destination` takes over the eaves outline, background picture and element defaults of
// level `source`.
void MoveLevelRecords(HouseModel& model, int destination, int source);

// Inserts a new level directly above the current one and makes it current.  With 6 levels nothing
// changes and ModelError "Only 6 levels can be modelled" is raised.
void AddLevelAbove(HouseModel& model);

// Inserts a new level under the current one; the new level keeps the current level's number and
// stays current.  With 6 levels nothing changes and ModelError "Only 6 levels can be modelled" is
// raised.
void AddLevelBelow(HouseModel& model);

} // namespace pelmora
