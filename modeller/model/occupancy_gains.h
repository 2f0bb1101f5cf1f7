// The standard internal gains and thermostat set-points of a zone, from the occupancy file's profiles
// and the house's floor areas.  The card writer puts them on the zone's gain and thermostat cards;
// the occupancy dialog shows them as each zone's defaults.  Both use this one rule.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/occupancy_file.h"

namespace pelmora {

// The zone types of TZoneRec::ZoneType.
namespace zone_type {
inline constexpr int kLiving = 0;
inline constexpr int kLivingKitchen = 1;
inline constexpr int kSleeping = 2;
inline constexpr int kWetArea = 3;
inline constexpr int kCorridor = 4;
inline constexpr int kGarage = 5;
inline constexpr int kOtherDayTime = 6;
inline constexpr int kOtherNightTime = 7;
} // namespace zone_type

// The occupant values of the house.
struct TOccupantValues {
    int OccupantCount = 1;        // persons, 1..6
    double HouseholdFactor = 0.0; // scales the base gains
    double OccupantFactor = 0.0;  // scales the occupant gains
};

// OccupantCount from the floor area of every zone but garages: Round((A - 40) / 30), halves to even,
// within 1..6; HouseholdFactor = 0.165 x count + 0.33; OccupantFactor = count / 4.
TOccupantValues CalcOccupantValues(const HouseModel& model);

// FloorArea / 80, within 0.1..2.
double AreaFactor(const HouseModel& model, int zone);

// True for the zone types that carry internal gains: Living, Living/Kitchen and Sleeping.
bool HasInternalGains(int zoneType);

struct THourGain {
    double Sensible = 0.0; // W
    double Latent = 0.0;   // W
};

// The gain of a zone of `zoneType` in hour h (1..24) with area factor `areaFactor`, unrounded; zero for
// the types without internal gains.  A Living/Kitchen zone's latent gain can be negative (fewer
// occupants than the profile's household) and is not clipped.
THourGain ZoneHourGain(const TOccupantProfiles& profiles, const TOccupantValues& occupants, int zoneType,
                       double areaFactor, int hour);

} // namespace pelmora
