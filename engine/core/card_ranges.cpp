#include "engine/core/card_ranges.h"

#include <array>
#include <string>
#include <string_view>

#include "common/value_range.h"
#include "engine/core/card_fields.h"
#include "engine/core/input_messages.h"

namespace engine {
namespace {

using common::ValueRange;

// Ranges shared by several cards.  Lengths, areas and volumes are bounded by what a house can be,
// far beyond any house the modeller can draw; fractions, angles, set-points and hours by what
// they mean.  The codes that mean "never" (-99 °C heating, 99 °C cooling and drawing temperatures,
// 9999 W/m2 drawing solar) are ends of their ranges.
constexpr double kMostLength = 1000.0;        // m: no house, shade or opening reaches a kilometre
constexpr double kMostArea = 999999.0;        // m2: more than any house; the widest six-column field
constexpr double kMostVolume = 999999.0;      // m3
constexpr double kMostThickness = 9999.0;     // mm: the widest layer field
constexpr double kMostResistance = 20.0;      // m2K/W: more than a metre of the best insulation
constexpr double kMostAirChanges = 1000.0;    // per hour: a gale through the house
constexpr double kMostGain = 999999.0;        // W: a megawatt in one zone is no house
constexpr double kNeverHeat = -99.0;          // °C
constexpr double kNeverCool = 99.0;           // °C
constexpr double kMostRoomTemperature = 60.0; // °C

constexpr ValueRange kFraction{"fraction", 0.0, 1.0};
constexpr ValueRange kAbsorptance{"absorptance", 0.0, 1.0};
constexpr ValueRange kEmittance{"emittance", 0.0, 1.0};
constexpr ValueRange kSolarShare{"solar share", 0.0, 1.0};
constexpr ValueRange kArea{"area", 0.0, kMostArea};
constexpr ValueRange kAzimuth{"azimuth", -360.0, 360.0};
constexpr ValueRange kSlope{"slope", 0.0, 180.0};
constexpr ValueRange kSize{"size", 0.0, kMostLength};
constexpr ValueRange kPosition{"position", -kMostLength, kMostLength};
constexpr ValueRange kThickness{"layer thickness", 0.0, kMostThickness};
constexpr ValueRange kHour{"hour", 0.0, 24.0};
constexpr ValueRange kControlTemperature{"temperature", kNeverHeat, kNeverCool};
constexpr ValueRange kDrawingSolar{"solar radiation", 0.0, 9999.0};

// The values of one card kind that share a range: fields first..last of its layout, every `step`-th.
struct FieldRange {
    RangedCard card;
    int first, last, step;
    ValueRange range;
    std::string_view unit;
};

constexpr std::array kRanges{
    FieldRange{RangedCard::PressureSet, 2, 9, 1, {"pressure coefficient", -10.0, 10.0}, ""},
    FieldRange{RangedCard::Shielding, 1, 1, 1, {"shielding factor", 0.0, 10.0}, ""},
    FieldRange{RangedCard::Ground, 1, 1, 1, {"ground reflectance", 0.0, 1.0}, ""},
    FieldRange{RangedCard::Ground, 2, 2, 1, {"slab-on-ground area", 0.0, kMostArea}, "m2"},
    FieldRange{RangedCard::Ground, 3, 3, 1, {"slab perimeter", 0.0, kMostArea}, "m"},
    FieldRange{RangedCard::Ground, 4, 4, 1, {"wall thickness", 0.0, 10.0}, "m"},
    FieldRange{RangedCard::Ground, 5, 5, 1, {"soil conductivity", 0.0, 10.0}, "W/mK"},
    FieldRange{RangedCard::Ground, 6, 6, 1, {"soil diffusivity", 0.0, 100.0}, ""},
    FieldRange{RangedCard::Ground, 7, 7, 1, {"edge insulation", 0.0, kMostResistance}, ""},
    FieldRange{RangedCard::Ground, 8, 8, 1, {"conditioned floor area", 0.0, kMostArea}, "m2"},
    FieldRange{RangedCard::Curtain, 2, 2, 1, {"added resistance", 0.0, kMostResistance}, "m2K/W"},
    FieldRange{RangedCard::Curtain, 3, 3, 1, {"transmittance", 0.0, 1.0}, ""},
    FieldRange{RangedCard::Curtain, 4, 4, 1, kAbsorptance, ""},
    FieldRange{RangedCard::HorizontalShade, 2, 5, 1, kPosition, "m"},
    FieldRange{RangedCard::VerticalShade, 2, 5, 1, kPosition, "m"},
    FieldRange{RangedCard::Screen, 2, 2, 1, kPosition, "m"},
    FieldRange{RangedCard::Screen, 3, 3, 1, {"width", 0.0, kMostLength}, "m"},
    FieldRange{RangedCard::Screen, 4, 6, 1, kPosition, "m"},
    FieldRange{RangedCard::RunControl, 1, 1, 1, {"repeats of day 1", 0.0, 366.0}, ""},
    FieldRange{
        RangedCard::RunControl, 3, 3, 1, {"starting temperature", kNeverHeat, kMostRoomTemperature}, "°C"},
    FieldRange{RangedCard::RunControl, 5, 5, 1, {"solar cut-off", 0.0, 9999.0}, ""},
    FieldRange{RangedCard::Controls, 1, 2, 1, kControlTemperature, "°C"},
    FieldRange{RangedCard::Controls, 3, 3, 1, kFraction, ""},
    FieldRange{RangedCard::Controls, 4, 4, 1, {"opening passes", 0.0, 1000.0}, ""},
    FieldRange{RangedCard::Controls, 5, 6, 1, kControlTemperature, "°C"},
    FieldRange{RangedCard::OpeningControl, 1, 1, 1, {"stickiness", 0.0, 24.0}, "steps"},
    FieldRange{RangedCard::OpeningControl, 2, 2, 1, {"cooling leeway", 0.0, 20.0}, "K"},

    FieldRange{RangedCard::MaterialChange, 2, 2, 1, {"heat capacity", 0.0, 10000.0}, "kJ/m3K"},
    FieldRange{RangedCard::MaterialChange, 3, 4, 1, {"resistivity", 0.0, 1000.0}, "m K/W"},
    FieldRange{RangedCard::WindowSystem, 2, 10, 2, kThickness, "mm"},
    FieldRange{RangedCard::WindowSystem, 15, 15, 1, {"frame absorptance", 0.0, 1.0}, ""},
    FieldRange{RangedCard::SkylightLayers, 2, 10, 2, kThickness, "mm"},
    FieldRange{RangedCard::SkylightSystem, 5, 5, 1, {"frame absorptance", 0.0, 1.0}, ""},
    FieldRange{RangedCard::Layers, 2, 20, 2, kThickness, "mm"},

    FieldRange{RangedCard::Zone, 2, 2, 1, {"volume", 0.0, kMostVolume}, "m3"},
    FieldRange{RangedCard::Zone, 3, 4, 1, {"infiltration coefficient", 0.0, kMostAirChanges}, ""},
    FieldRange{RangedCard::Zone, 5, 5, 1, {"wind-speed factor", 0.0, 10.0}, ""},
    FieldRange{RangedCard::Zone, 10, 10, 1, kEmittance, ""},
    FieldRange{RangedCard::WindowPath, 1, 2, 1, kSize, "m"},
    FieldRange{RangedCard::WindowPath, 3, 3, 1, kAzimuth, "degrees"},
    FieldRange{RangedCard::SkylightPath, 1, 1, 1, kArea, "m2"},
    FieldRange{RangedCard::SkylightPath, 2, 2, 1, kAzimuth, "degrees"},
    FieldRange{RangedCard::SkylightPath, 3, 3, 1, kSlope, "degrees"},
    FieldRange{RangedCard::SkylightPath, 7, 7, 1, {"shaft length", 0.0, kMostLength}, "m"},
    FieldRange{RangedCard::SkylightPath, 8, 8, 1, {"shaft area", 0.0, kMostArea}, "m2"},
    FieldRange{RangedCard::SkylightPath, 9, 9, 1, {"shaft reflectance", 0.0, 1.0}, ""},
    FieldRange{RangedCard::SkylightPath, 10, 10, 1, {"shaft resistance", 0.0, kMostResistance}, "m2K/W"},
    FieldRange{RangedCard::SkylightPath, 12, 12, 1, kArea, "m2"},
    FieldRange{RangedCard::WallPath, 1, 2, 1, kSize, "m"},
    FieldRange{RangedCard::WallPath, 3, 3, 1, kArea, "m2"},
    FieldRange{RangedCard::WallPath, 4, 4, 1, kAzimuth, "degrees"},
    FieldRange{RangedCard::WallPath, 5, 6, 1, kAbsorptance, ""},
    FieldRange{RangedCard::WallPath, 7, 7, 1, kEmittance, ""},
    FieldRange{RangedCard::WallPath, 13, 13, 1, kSolarShare, ""},
    FieldRange{RangedCard::RoofPath, 1, 1, 1, kArea, "m2"},
    FieldRange{RangedCard::RoofPath, 2, 2, 1, kAzimuth, "degrees"},
    FieldRange{RangedCard::RoofPath, 3, 3, 1, kSlope, "degrees"},
    FieldRange{RangedCard::RoofPath, 4, 5, 1, kAbsorptance, ""},
    FieldRange{RangedCard::RoofPath, 6, 6, 1, kEmittance, ""},
    FieldRange{RangedCard::RoofPath, 7, 7, 1, kSolarShare, ""},
    FieldRange{RangedCard::OuterFloorPath, 1, 1, 1, kArea, "m2"},
    FieldRange{RangedCard::OuterFloorPath, 2, 2, 1, kAbsorptance, ""},
    FieldRange{RangedCard::OuterFloorPath, 3, 3, 1, kSolarShare, ""},
    FieldRange{RangedCard::AdjacentPath, 1, 1, 1, kArea, "m2"},
    FieldRange{RangedCard::AdjacentPath, 2, 2, 1, kAbsorptance, ""},
    FieldRange{RangedCard::AdjacentPath, 4, 4, 1, kSolarShare, ""},
    FieldRange{RangedCard::OtherPath, 1, 1, 1, kArea, "m2"},
    FieldRange{RangedCard::OtherPath, 2, 2, 1, kAbsorptance, ""},
    FieldRange{RangedCard::OtherPath, 3, 3, 1, kSolarShare, ""},
    FieldRange{RangedCard::Heights, 1, 1, 1, {"floor height", -kMostLength, kMostLength}, "m"},
    FieldRange{RangedCard::Heights, 2, 2, 1, {"ceiling height", 0.0, kMostLength}, "m"},
    FieldRange{RangedCard::Heights, 3, 4, 1, {"mechanical ventilation", 0.0, kMostVolume}, ""},
    FieldRange{RangedCard::Opening, 1, 1, 1, {"width", 0.0, kMostLength}, "m"},
    FieldRange{RangedCard::Opening, 2, 2, 1, {"discharge coefficient", 0.0, 1.0}, ""},
    FieldRange{RangedCard::Opening, 3, 3, 1, {"percent open", 0.0, 100.0}, "%"},
    FieldRange{RangedCard::Opening, 4, 5, 1, kPosition, "m"},
    FieldRange{RangedCard::Opening, 8, 8, 1, {"flow exponent", 0.0, 1.0}, ""},
    FieldRange{RangedCard::Opening, 11, 11, 1, kPosition, "m"},
    FieldRange{RangedCard::SensibleGains, 1, 12, 1, {"internal gain", 0.0, kMostGain}, "W"},
    // Moisture taken up in a zone is a latent gain below zero: a kitchen zone smaller than the
    // occupancy profiles' floor area gets one from the share of its occupants it lacks.
    FieldRange{RangedCard::LatentGains, 1, 12, 1, {"latent gain", -kMostGain, kMostGain}, "W"},
    FieldRange{RangedCard::Heating, 1, 12, 1, {"heating set-point", kNeverHeat, kMostRoomTemperature}, "°C"},
    FieldRange{RangedCard::Cooling, 1, 12, 1, {"cooling set-point", 0.0, kNeverCool}, "°C"},
    FieldRange{RangedCard::Coverings, 1, 2, 1, kHour, ""},
    FieldRange{RangedCard::Coverings, 3, 3, 1, kControlTemperature, "°C"},
    FieldRange{RangedCard::Coverings, 4, 4, 1, kDrawingSolar, "W/m2"},
    FieldRange{RangedCard::Blinds, 1, 1, 1, kControlTemperature, "°C"},
    FieldRange{RangedCard::Blinds, 2, 2, 1, kDrawingSolar, "W/m2"},
    FieldRange{RangedCard::Ventilation, 1, 2, 1, kHour, ""},
    FieldRange{RangedCard::Ventilation, 3, 4, 1, kControlTemperature, "°C"},
    FieldRange{RangedCard::Ventilation, 5, 6, 1, {"ventilation factor", 0.0, kMostAirChanges}, ""},
    FieldRange{RangedCard::Fan, 1, 1, 1, {"air speed", 0.0, 1.5}, "m/s"},
    FieldRange{RangedCard::Fan, 2, 2, 1, {"fan power", 0.0, 99999.0}, "W"},
    FieldRange{RangedCard::StatedHours, 1, 2, 1, kHour, ""},
};

// The first column of field i (1-based, X descriptors not counted) of `layout` and its width.
std::pair<int, int> fieldColumns(const fw::Format& layout, int i) {
    int column = 1;
    int field = 0;
    for (const fw::Descriptor& d : layout) {
        if (d.edit != fw::Edit::X && d.edit != fw::Edit::Slash && ++field == i) return {column, d.width};
        column += d.width;
    }
    return {0, 0};
}

std::string placeText(const CardPlace& place) {
    if (place.dataType == 3)
        return "zone " + std::to_string(place.zone) + ", card " + std::to_string(place.card);
    return "card " + std::to_string(place.dataType) + "/" + std::to_string(place.card);
}

} // namespace

void requireCardRanges(RangedCard kind, const CardPlace& place, const CardFields& f,
                       const fw::Format& layout) {
    for (const FieldRange& entry : kRanges) {
        if (entry.card != kind) continue;
        for (int i = entry.first; i <= entry.last && i <= f.count(); i += entry.step) {
            const double value = f.real(i);
            if (entry.range.contains(value)) continue;
            const auto [column, width] = fieldColumns(layout, i);
            std::string unit(entry.unit);
            if (!unit.empty()) unit.insert(0, " ");
            throw IllegalCard(std::string(msg::kValueRange) + placeText(place) + ", field " +
                              std::to_string(i) + " (columns " + std::to_string(column) + "-" +
                              std::to_string(column + width - 1) + "): " + entry.range.refusal(value) + unit +
                              std::string(msg::kOnAboveCard));
        }
    }
}

} // namespace engine
