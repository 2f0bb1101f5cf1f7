// The site of the house: the shipped location tables (localities by postcode, the postcodes'
// positions and climate zones, the climate zones' names, the cities of the map), the location map's
// projection and its zone colours, the wind shielding choices, and the climate file of a zone.
//
// Tables, in the program folder (text, CR LF or LF lines, values separated by blanks):
// - Data/PC.TXT: postcode; a 5-character field (the state); the locality, the rest of the line.
// - Data/CLIMPC.TXT: postcode; longitude (degrees east); latitude (degrees, south negative); then one
//   to three climate zones.
// - Data/clim69.txt: zone number; two reals; a 5-character field; the zone's name, the rest of the line.
// - CITIES1.DAT: label position code (1..5); size class; longitude; latitude; the name.
//
// A table that is missing or holds a value that is not a number raises ModelError naming the file
// and, for a bad value, the line.
#pragma once

#include "common/arrays.h"
#include "modeller/model/house_model.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr int kClimateZoneCount = 69;
// The lists of the site dialogs hold at most this many entries: localities of a postcode, postcodes
// of a locality, cities of the map.
inline constexpr int kMaxSiteListEntries = 100;
// The name dialog compares this many characters of a locality.
inline constexpr std::size_t kLocalityNameLength = 60;

inline constexpr std::string_view kPostcodeTable = "Data/PC.TXT";
inline constexpr std::string_view kClimatePostcodeTable = "Data/CLIMPC.TXT";
inline constexpr std::string_view kClimateZoneTable = "Data/clim69.txt";
inline constexpr std::string_view kCitiesTable = "CITIES1.DAT";
inline constexpr std::string_view kLocationMapPicture = "Data/locationmap.bmp";
inline constexpr std::string_view kClimateFolder = "Data/Climate";

// ---- Climate zones ---------------------------------------------------------------------------

// The climate file of zone n: "climat0" n ".TXT" for n up to 9, "climat" n ".TXT" otherwise.
std::string ClimateFileNameOf(int zone);
// Sets the climate zone and, from it, the climate file name.
void SetClimateZone(HouseModel& model, int zone);

struct MapColour {
    std::uint8_t red, green, blue;
    bool operator==(const MapColour&) const = default;
};

// The map colour of each climate zone; index 0 is unused.
extern const std::array<MapColour, kClimateZoneCount + 1> ClimateZoneColours;
// The lowest zone whose colour is `colour`, 0 when no zone has it.
int ClimateZoneOfColour(MapColour colour);

using TClimateZoneNames = common::FixedArray1<std::string, 1, kClimateZoneCount>;
// The zone names of Data/clim69.txt; a zone the table does not name keeps an empty name.
TClimateZoneNames ReadClimateZoneNames(const std::filesystem::path& rootDir);

// ---- Postcodes and localities ----------------------------------------------------------------

// A postcode's line of CLIMPC.TXT.
struct PostcodeClimate {
    bool found = false;         // the postcode has a line
    double Longitude = 0;       // degrees east
    double Latitude = 0;        // degrees, south negative
    std::array<int, 3> Zones{}; // climate zones, the usual one first; 0 = none
    int ZoneCount = 0;
};

// The last line of `postcode` in CLIMPC.TXT.
PostcodeClimate ReadPostcodeClimate(const std::filesystem::path& rootDir, int postcode);

// The localities of `postcode` in PC.TXT, in file order, at most kMaxSiteListEntries.
std::vector<std::string> ReadPostcodeLocalities(const std::filesystem::path& rootDir, int postcode);

// The postcodes whose locality (its first kLocalityNameLength characters) equals `name` exactly,
// letter case included, in file order, at most kMaxSiteListEntries.
std::vector<int> FindPostcodesByName(const std::filesystem::path& rootDir, std::string_view name);

// One line of CLIMPC.TXT as the all-climates view draws it.
struct ClimatePostcode {
    double Longitude = 0;
    double Latitude = 0;
    int FirstZone = 0; // 0 when the line names no zone
};
std::vector<ClimatePostcode> ReadClimatePostcodes(const std::filesystem::path& rootDir);

// ---- Cities of the map ------------------------------------------------------------------------

struct TCity {
    std::string Name;
    int PositionCode = 1; // where the label stands beside the dot, 1..5
    int SizeClass = 1;    // 1 large, 2 small
    double Longitude = 0;
    double Latitude = 0;
};
// The cities of CITIES1.DAT, from the first, at most kMaxSiteListEntries.
std::vector<TCity> LoadCities1(const std::filesystem::path& rootDir);

// ---- The map's projection ---------------------------------------------------------------------

inline constexpr int kMapWidth = 624;  // px
inline constexpr int kMapHeight = 513; // px
inline constexpr double kMapPixelsPerDegree = 15.0;
inline constexpr double kMapWestLongitude = 113.07; // degrees east at the left edge
inline constexpr double kMapNorthLatitude = 10.0;   // degrees south at the top edge

struct MapPixel {
    int x = 0;
    int y = 0;
    bool operator==(const MapPixel&) const = default;
};
// The map pixel of a place, to the nearest pixel with halves to even.
MapPixel MapPosition(double longitude, double latitude);
// The place under a map pixel: longitude in degrees east, latitude in degrees south (positive).
double MapLongitude(double x);
double MapLatitudeSouth(double y);

// ---- Wind shielding ---------------------------------------------------------------------------

struct ShieldingItem {
    std::string_view name;
    double factor;
};
inline constexpr std::array<ShieldingItem, 4> kShieldingItems{{
    {"Exposed", 0.88},
    {"Open", 0.74},
    {"Suburban", 0.57},
    {"Protected", 0.31},
}};
// The item a stored factor selects: the last whose factor is greater than the stored one less
// 0.0001; -1 when none is.
int ShieldingItemFor(double shieldingFactor);

// ---- Texts ------------------------------------------------------------------------------------

// A latitude or longitude as the site labels show it: 6 characters wide with 1 decimal, and blank
// when `blankWhenZero` and the value is exactly 0.
std::string SiteDegrees(double degrees, bool blankWhenZero);
// A postcode as the labels show it: blank for 0.
std::string PostcodeText(int postcode);

} // namespace pelmora
