#include "modeller/engine_input/simulated_floor.h"

namespace pelmora {

SimulatedExtFloor SimulatedFloorOf(const HouseModel& model, int zone) {
    const TExtFloorRec& floor = model.ZoneExtFloors(zone);
    if (floor.Material == kSlabOnGroundFloor && model.Zones(zone).Level > 1)
        return {kSuspendedConcreteFloor, kVeryOpenFloor};
    return {floor.Material, floor.FloorVentilation};
}

} // namespace pelmora
