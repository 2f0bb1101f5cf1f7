#include "modeller/model/occupancy_gains.h"

#include "common/rounding.h"

#include <algorithm>

namespace pelmora {

TOccupantValues CalcOccupantValues(const HouseModel& model) {
    double area = 0.0; // m2
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.Zones(z).ZoneType != zone_type::kGarage) area += model.Zones(z).FloorArea;
    TOccupantValues v;
    v.OccupantCount =
        static_cast<int>(std::clamp<long long>(common::roundHalfEvenToInt((area - 40.0) / 30.0), 1, 6));
    v.HouseholdFactor = 0.165 * v.OccupantCount + 0.33;
    v.OccupantFactor = v.OccupantCount / 4.0;
    return v;
}

double AreaFactor(const HouseModel& model, int zone) {
    return std::clamp(model.Zones(zone).FloorArea / 80.0, 0.1, 2.0);
}

bool HasInternalGains(int zoneType) {
    return zoneType == zone_type::kLiving || zoneType == zone_type::kLivingKitchen ||
           zoneType == zone_type::kSleeping;
}

THourGain ZoneHourGain(const TOccupantProfiles& p, const TOccupantValues& occupants, int zoneType,
                       double areaFactor, int h) {
    using namespace occupancy_profile;
    const double fs = areaFactor * occupants.HouseholdFactor;
    const double fo = areaFactor * occupants.OccupantFactor;
    switch (zoneType) {
    case zone_type::kLiving:
        return {p(kDayBase, h) * fs + p(kDayOccupants, h) * fo, 0.5 * p(kDayOccupants, h) * fo};
    case zone_type::kLivingKitchen:
        // The kitchen's own gains come on top of a living zone of one household and one occupant
        // group; summed in this order, it equals P3 + P4 x Fs + P5 x Fo.
        return {p(kDayBase, h) + p(kKitchenSensible, h) + p(kDayOccupants, h) + (fs - 1.0) * p(kDayBase, h) +
                    (fo - 1.0) * p(kDayOccupants, h),
                0.5 * p(kDayOccupants, h) * (fo - 1.0) + p(kKitchenLatent, h)};
    case zone_type::kSleeping:
        return {p(kSleepingBase, h) * fs + p(kSleepingOccupants, h) * fo,
                0.5 * p(kSleepingOccupants, h) * fo};
    default:
        return {};
    }
}

} // namespace pelmora
