#include "modeller/model/simulation_mode.h"

#include "modeller/model/occupancy_gains.h"

#include <algorithm>

namespace pelmora {

std::string_view ZoneTypeName(int zoneType) {
    if (zoneType < 0 || zoneType >= static_cast<int>(kZoneTypeNames.size())) return {};
    return kZoneTypeNames[static_cast<std::size_t>(zoneType)];
}

bool ConditionedForRating(int zoneType) {
    using namespace zone_type;
    return zoneType == kLiving || zoneType == kLivingKitchen || zoneType == kSleeping ||
           zoneType == kOtherDayTime || zoneType == kOtherNightTime;
}

void SimulationMode::TakeZones() {
    rows_.assign(static_cast<std::size_t>(std::max(0, model_.ZoneCount)), {});
    for (int z = 1; z <= RowCount(); ++z) Row(z) = {model_.Zones(z).Heated, model_.Zones(z).Cooled};
}

void SimulationMode::CondSBClick() {
    for (int z = 1; z <= RowCount(); ++z) {
        const bool conditioned = ConditionedForRating(model_.Zones(z).ZoneType);
        Row(z) = {conditioned, conditioned};
    }
}

void SimulationMode::FreeSBClick() {
    for (TModeTicks& row : rows_) row = {};
}

void SimulationMode::OKSBClick() {
    for (int z = 1; z <= RowCount() && z <= model_.ZoneCount; ++z) {
        model_.Zones(z).Heated = Row(z).Heat;
        model_.Zones(z).Cooled = Row(z).Cool;
    }
    rows_.clear();
}

} // namespace pelmora
