#include "modeller/model/location_map.h"

#include "common/rounding.h"

#include <cstdio>

namespace pelmora {

namespace {

constexpr int kLegendColumnZones = 35; // zones in the left column
constexpr int kLegendLeftX = 15, kLegendRightX = 125;
constexpr int kLegendRowStep = 13; // px

} // namespace

void LocationMapViews::toggleAllClimates() {
    AllClimates = !AllClimates;
    if (AllClimates) CurrentClimate = false;
}

void LocationMapViews::toggleCurrentClimate() {
    CurrentClimate = !CurrentClimate;
    if (CurrentClimate) AllClimates = false;
}

void LocationMapViews::toggleCities() {
    Cities = !Cities;
}

std::vector<MapMark> AllClimateMarks(const std::vector<ClimatePostcode>& postcodes) {
    std::vector<MapMark> marks;
    for (const ClimatePostcode& p : postcodes)
        if (p.FirstZone != 0) marks.push_back({MapPosition(p.Longitude, p.Latitude), p.FirstZone});
    return marks;
}

std::vector<MapMark> CurrentClimateMarks(const std::vector<ClimatePostcode>& postcodes,
                                         std::string_view climateFileName) {
    std::vector<MapMark> marks;
    for (const ClimatePostcode& p : postcodes)
        if (p.FirstZone != 0 && ClimateFileNameOf(p.FirstZone) == climateFileName)
            marks.push_back({MapPosition(p.Longitude, p.Latitude), p.FirstZone});
    return marks;
}

MapPixel LegendPosition(int zone) {
    if (zone <= kLegendColumnZones) return {kLegendLeftX, kLegendRowStep * zone + 20};
    return {kLegendRightX, kLegendRowStep * zone - 435};
}

MapPixel CityLabelPosition(int positionCode, MapPixel city, int textWidth) {
    const int half = static_cast<int>(common::roundHalfEvenToInt(textWidth / 2.0));
    switch (positionCode) {
    case 2:
        return {city.x - (textWidth + 5), city.y - 8};
    case 3:
        return {city.x - half, city.y + 2};
    case 4:
        return {city.x - half, city.y - 18};
    case 5:
        return {city.x - (textWidth + 5), city.y - 4};
    default:
        return {city.x + 3, city.y - 8};
    }
}

int CityDotRadius(int sizeClass) {
    return sizeClass == 1 ? 4 : 2;
}

int CityLabelSize(int sizeClass) {
    return sizeClass == 1 ? 11 : 9;
}

std::string MapPositionReadout(int x, int y) {
    char text[96];
    std::snprintf(text, sizeof text, "   Latitude: %.2f       Longitude: %.2f",
                  common::roundHalfEven(MapLatitudeSouth(y), 2), common::roundHalfEven(MapLongitude(x), 2));
    return text;
}

std::string ClimateZoneReadout(int zone, const TClimateZoneNames& names) {
    return " Climate file " + ClimateFileNameOf(zone) + "   " + names(zone);
}

} // namespace pelmora
