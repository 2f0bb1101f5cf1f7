#include "modeller/engine_input/simulated_floor.h"

namespace pelmora {

SimulatedExtFloor SimulatedFloorOf(const HouseModel& model, int zone) {
    const TExtFloorRec& floor = model.ZoneExtFloors(zone);
    if (model.Zones(zone).Level <= 1) return {floor.Material, floor.FloorVentilation};
    const bool slab = floor.Material == kSlabOnGroundFloor;
    return {slab ? kSuspendedConcreteFloor : floor.Material, kVeryOpenFloor};
}

} // namespace pelmora
