// The external floor of a zone as the engine is given it.
//
// A slab on ground stands on the earth, so only a zone on level 1 can have one.  A zone higher up
// whose floor record still says slab (drawn with a level default that offered it, or moved up with its
// level) has outside air under the part of its floor that overhangs the level below: that part is
// simulated as the suspended concrete floor, very open below, with the zone's own insulation, covering
// and added R.  The model's record is left as it is; only what is simulated changes.
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
