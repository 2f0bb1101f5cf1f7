// The external floor of a zone as the engine is given it.
//
// Only a floor on level 1 stands on the earth: a slab on ground, or a suspended floor over an open or
// enclosed under-floor space.  The part of a floor higher up that is not over a zone of the level
// below overhangs outside air whatever its stored ventilation: it is simulated very open below, with
// the floor's own construction, and a slab on ground there (a record drawn with a level default that
// offered it, or moved up with its level) as the suspended concrete slab with the zone's own
// insulation, covering and added R.  The model's record is left as it is; only what is simulated
// changes.
#pragma once

#include "modeller/model/house_model.h"

#include <cstdint>

namespace pelmora {

struct SimulatedExtFloor {
    std::int32_t Material = 0;         // record of "ExtFloormaterial.DB"
    std::int32_t FloorVentilation = 0; // 0..2
};

SimulatedExtFloor SimulatedFloorOf(const HouseModel& model, int zone);

} // namespace pelmora
