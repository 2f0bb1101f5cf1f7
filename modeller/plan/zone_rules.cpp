#include "modeller/plan/zone_rules.h"

#include "common/rounding.h"
#include "modeller/model/common_floor_area.h"
#include "modeller/model/occupancy_gains.h"
#include "modeller/model/plan_geometry.h"

#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

// The name a proposal starts with for each type; every one ends in a blank.
constexpr std::array<std::string_view, kZoneTypeCount> kNamePrefixes = {
    "Living ",   "Liv/Kitchen ", "Sleeping ",       "Wet Area ",
    "Corridor ", "Garage ",      "Other Day-time ", "Other Night-time "};

// The zone details dialog's colours of the types.
constexpr std::array<std::int32_t, kZoneTypeCount> kDetailColours = {
    Rgb(255, 157, 157), Rgb(255, 121, 121), Rgb(164, 164, 255), Rgb(123, 219, 251),
    Rgb(255, 255, 106), Rgb(119, 255, 159), Rgb(255, 157, 157), Rgb(255, 121, 121)};

int nearest(double x) {
    return static_cast<int>(common::roundHalfEvenToInt(x));
}

// A shade component keeps its low 8 bits, so past 255 the shades start dark again.
int low8(int value) {
    return value & 0xFF;
}

int clampedType(int zoneType) {
    return zoneType >= 0 && zoneType < kZoneTypeCount ? zoneType : 0;
}

// The proposed colour of the (n + 1)th zone of a type, v = nearest(80 sqrt n).
std::int32_t proposedColour(int zoneType, int v) {
    switch (zoneType) {
    case zone_type::kLivingKitchen:
        return Rgb(255, low8(v), 255);
    case zone_type::kSleeping:
    case zone_type::kOtherNightTime:
        return Rgb(low8(v), low8(v), 255);
    case zone_type::kWetArea: {
        const int w = nearest(1.2 * v);
        return Rgb(low8(w), 255, low8(w));
    }
    case zone_type::kCorridor:
        return Rgb(255, 255, low8(nearest(1.2 * v)));
    case zone_type::kGarage: {
        const int g = nearest(0.7 * v) + 100;
        return Rgb(180, low8(g), low8(g));
    }
    default: // living and other day-time
        return Rgb(255, low8(v), low8(v));
    }
}

} // namespace

ZoneProposal ProposeZone(const HouseModel& model, int zoneType) {
    const int type = clampedType(zoneType);
    const std::string prefix(kNamePrefixes[static_cast<std::size_t>(type)]);
    // Each pass takes the next number as soon as a zone holds the current one, so the search ends
    // at the smallest free number whatever the order of the zones.
    int n = 0;
    bool found = true;
    while (found) {
        found = false;
        for (int i = 1; i <= model.ZoneCount; ++i) {
            if (model.Zones(i).Name == prefix + std::to_string(n + 1)) {
                found = true;
                ++n;
            }
        }
    }
    const int v = nearest(80.0 * std::sqrt(static_cast<double>(n)));
    return {cutToLength(prefix + std::to_string(n + 1), kNewZoneNameLength), proposedColour(type, v)};
}

std::int32_t ZoneDetailTypeColour(int zoneType) {
    return kDetailColours[static_cast<std::size_t>(clampedType(zoneType))];
}

AirMovementValues AirMovementValues::Of(const TZoneRec& zone) {
    AirMovementValues v;
    v.InsectScreens = zone.InsectScreens;
    v.DraughtSeals = zone.DraughtSeals;
    v.UnsealedChimney = zone.UnsealedChimney;
    v.GasHeaterVent = zone.GasHeaterVent;
    v.MechVentOn = zone.MechVentOn;
    v.VentCount = zone.VentCount;
    v.ExhaustFanCount = zone.ExhaustFanCount;
    v.DownlightCount = zone.DownlightCount;
    v.CeilingFanCount = zone.CeilingFanCount;
    v.MechVentRate = zone.MechVentRate;
    v.FanDiameter = zone.FanDiameter;
    return v;
}

AirMovementValues AirMovementValues::NewZoneDefaults(const TNewZoneOptions& options) {
    AirMovementValues v;
    v.InsectScreens = options.DefInsectScreens;
    v.DraughtSeals = options.DefDraughtSeals;
    v.UnsealedChimney = options.DefUnsealedChimney;
    v.GasHeaterVent = options.DefGasHeaterVent;
    v.MechVentOn = options.DefMechVentOn;
    v.VentCount = options.DefVentCount;
    v.ExhaustFanCount = options.DefExhaustFanCount;
    v.DownlightCount = options.DefDownlightCount;
    v.CeilingFanCount = options.DefCeilingFanCount;
    v.MechVentRate = options.DefMechVentRate;
    v.FanDiameter = options.DefFanDiameter;
    return v;
}

void AirMovementValues::StoreIn(TZoneRec& zone) const {
    zone.InsectScreens = InsectScreens;
    zone.DraughtSeals = DraughtSeals;
    zone.UnsealedChimney = UnsealedChimney;
    zone.GasHeaterVent = GasHeaterVent;
    zone.MechVentOn = MechVentOn;
    zone.VentCount = VentCount;
    zone.ExhaustFanCount = ExhaustFanCount;
    zone.DownlightCount = DownlightCount;
    zone.CeilingFanCount = CeilingFanCount;
    zone.MechVentRate = MechVentRate;
    zone.FanDiameter = FanDiameter;
}

int FanDiameterItem(double diameter) {
    for (std::size_t i = 0; i < kFanDiameters.size(); ++i)
        if (kFanDiameters[i] == diameter) return static_cast<int>(i);
    return -1;
}

std::optional<double> SweptFanAreaPercent(int fanCount, double diameterMm, double floorArea) {
    if (!(floorArea > 0.0)) return std::nullopt;
    return fanCount * std::numbers::pi * diameterMm * diameterMm / (40000.0 * floorArea);
}

std::optional<double> GlassToFloorRatio(const HouseModel& model, int zone) {
    const TZoneRec& z = model.Zones(zone);
    double glass = 0.0; // m2
    for (int w = 0; w < z.NodeCount; ++w) {
        const TWallRec& wall = model.Walls(zone, w);
        if (wall.AdjZone != 0) continue;
        for (int i = 1; i <= wall.WindowCount; ++i) glass += model.WallWindows(zone, w, i).ElementArea;
    }
    if (!(z.FloorArea > 0.0)) return std::nullopt;
    return glass * 100.0 / z.FloorArea;
}

ZoneElementButtons ElementButtonsFor(HouseModel& model, int zone) {
    // Shared plan areas below half a square metre are drawing slips, not cover.
    constexpr double kSharedAreaTolerance = 0.5; // m2
    const TZoneRec& z = model.Zones(zone);
    const int level = z.Level;
    const int highest = HighestLevelInUse(model);
    const auto sharedWithLevel = [&](int other) {
        CommonArea(model, level, other);
        double area = 0.0;
        for (int j = 1; j <= model.ZoneCount; ++j)
            if (model.Zones(j).Level == other) area += model.CommonFloorArea(zone, j);
        return area;
    };
    ZoneElementButtons b;
    const auto showRoof = [&] {
        b.Ceiling = true;
        b.Roof = true;
        b.Skylight = z.SkylightCount > 0;
    };
    if (level == 1) b.Floor = true;
    if (level == highest) showRoof();
    if (level < highest) {
        const double above = sharedWithLevel(level + 1);
        if (above < kSharedAreaTolerance) {
            showRoof();
        } else {
            b.InBetweenFloor = true;
            if (z.FloorArea - kSharedAreaTolerance > above) showRoof();
        }
    }
    if (level > 1) {
        double below = sharedWithLevel(level - 1);
        if (below < kSharedAreaTolerance) below = 0.0;
        if (z.FloorArea - kSharedAreaTolerance > below) b.Floor = true;
        if (below > 0.0) {
            b.FloorCover = true;
            b.StairWell = z.StairDownCount > 0;
        }
    }
    return b;
}

} // namespace pelmora
