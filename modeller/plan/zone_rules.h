// The rules of the zone dialogs that need no widget: the zone types with the names and colours a new
// zone is proposed with, the fixed colours of the zone details dialog, the air-movement values a zone
// carries, the glass-to-floor ratio and fans' swept area, and which element buttons suit a zone's
// place in the building.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/simulation_mode.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The zone types are the items of the dialogs' type lists (kZoneTypeNames) and TZoneRec.ZoneType.
inline constexpr int kZoneTypeCount = static_cast<int>(kZoneTypeNames.size());
// The longest name the new-zone dialog proposes or takes (the zone keeps its first 15 characters).
inline constexpr std::size_t kNewZoneNameLength = 20;

// A colour 0x00BBGGRR from its red, green and blue.
constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// The name and colour proposed for a new zone of a type.
struct ZoneProposal {
    std::string Name;    // the type's prefix and the first number no zone is named with
    std::int32_t Colour; // 0x00BBGGRR, lighter for each further zone of the type
};
// The proposal for the next zone of `zoneType`: the smallest k from 1 for which no zone of the house
// is named the type's prefix and k, with the type's colour shaded by how many such names are taken.
ZoneProposal ProposeZone(const HouseModel& model, int zoneType);

// The fixed colour the zone details dialog gives a zone whose type is changed there.
std::int32_t ZoneDetailTypeColour(int zoneType);

// The air-movement values of a zone, as the new-zone and air movement dialogs edit them.
struct AirMovementValues {
    bool InsectScreens = false;
    bool DraughtSeals = false;
    bool UnsealedChimney = false;
    bool GasHeaterVent = false;
    bool MechVentOn = false;
    std::int32_t VentCount = 0;       // 0..10
    std::int32_t ExhaustFanCount = 0; // 0..10
    std::int32_t DownlightCount = 0;  // 0..10
    std::int32_t CeilingFanCount = 0; // 0..10
    std::int32_t MechVentRate = 0;    // air changes per hour
    double FanDiameter = 0.0;         // mm: 900, 1200 or 1400

    static AirMovementValues Of(const TZoneRec& zone);
    static AirMovementValues NewZoneDefaults(const TNewZoneOptions& options);
    void StoreIn(TZoneRec& zone) const;
    bool operator==(const AirMovementValues&) const = default;
};

// The fan diameters offered (mm), the items of the diameter choice.
inline constexpr std::array<double, 3> kFanDiameters = {900.0, 1200.0, 1400.0};
// The item of a diameter, or -1 when it is none of them.
int FanDiameterItem(double diameter);

// The fans' swept area n x pi x D^2 / 4 as a percentage of the zone's floor area; nothing for a zone
// without floor area.
std::optional<double> SweptFanAreaPercent(int fanCount, double diameterMm, double floorArea);

// The glass of the zone's external walls as a percentage of its floor area; nothing for a zone
// without floor area.
std::optional<double> GlassToFloorRatio(const HouseModel& model, int zone);

// The element buttons of the zone details dialog that suit the zone's place in the building.
struct ZoneElementButtons {
    bool Floor = false;   // floor to the outside
    bool Ceiling = false; // ceiling to the roof
    bool Roof = false;
    bool Skylight = false;       // only with skylights already in the zone
    bool InBetweenFloor = false; // ceiling between levels
    bool FloorCover = false;     // floor covering between levels
    bool StairWell = false;      // only with stairwells already down from the zone
    bool operator==(const ZoneElementButtons&) const = default;
};
// Decides the buttons from the zone's level and the plan area it shares with the levels above and
// below (recomputing those shared areas).
ZoneElementButtons ElementButtonsFor(HouseModel& model, int zone);

} // namespace pelmora
