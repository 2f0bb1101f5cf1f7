// What the location dialog draws over its map, as plain C++: which views are on, the climate marks
// of the postcodes, the places of the city labels and of the climate legend, and the pointer
// read-out.  The dialog paints these without antialiasing, so that the read-out can tell a climate
// zone by the exact colour of the pixel under the pointer.
#pragma once

#include "modeller/model/location_tables.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The three toggled views of the map.  Showing one climate view switches the other off.
struct LocationMapViews {
    bool Cities = false;
    bool AllClimates = false;
    bool CurrentClimate = false;

    void toggleAllClimates();
    void toggleCurrentClimate();
    void toggleCities();

    // The buttons' captions: what a click does next.
    std::string_view allClimatesCaption() const { return AllClimates ? "Hide Climates" : "All Climates"; }
    std::string_view currentClimateCaption() const {
        return CurrentClimate ? "Hide Climate" : "Current Climate";
    }
    std::string_view citiesCaption() const { return Cities ? "Hide Cities" : "Show Cities"; }
};

inline constexpr int kClimateMarkRadius = 4; // px
inline constexpr int kLocationDotRadius = 5; // px
inline constexpr int kLegendMarkRadius = 7;  // px
inline constexpr MapColour kLocationDotColour{255, 83, 0};
inline constexpr MapColour kGridColour{121, 121, 121};
inline constexpr double kTropicLatitude = -23.5; // degrees, drawn dotted

// A filled circle of a climate zone's colour at a postcode.
struct MapMark {
    MapPixel at;
    int zone = 0;
};

// Every postcode with a climate zone, in the colour of its first zone.
std::vector<MapMark> AllClimateMarks(const std::vector<ClimatePostcode>& postcodes);

// The postcodes whose first zone's climate file is `climateFileName`.
std::vector<MapMark> CurrentClimateMarks(const std::vector<ClimatePostcode>& postcodes,
                                         std::string_view climateFileName);

// Where the legend of all climates places zone n's circle: zones 1..35 in the left column, 36..69 in
// the right one.  Its text stands at (x + 10, y − 6).
MapPixel LegendPosition(int zone);

// The top left corner of a city's label of width `textWidth` beside the city's dot at `city`, by
// the city's label position code; a code outside 1..5 places the label as code 1 does.
MapPixel CityLabelPosition(int positionCode, MapPixel city, int textWidth);
// The dot's radius by size class: 4 px for class 1, 2 px otherwise.
int CityDotRadius(int sizeClass);
// The label's point size by size class: 11 for class 1, 9 otherwise.
int CityLabelSize(int sizeClass);

// Panel 0 of the dialog's status bar at map pixel (x, y): the latitude as degrees south and the
// longitude.
std::string MapPositionReadout(int x, int y);
// Panel 1 when the pixel has the colour of zone `zone`.
std::string ClimateZoneReadout(int zone, const TClimateZoneNames& names);

} // namespace pelmora
