#include "modeller/model/location_tables.h"

#include "common/control_characters.h"
#include "common/file_lookup.h"
#include "common/rounding.h"
#include "common/site_position.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <cstdio>
#include <functional>
#include <optional>

namespace pelmora {

namespace {

constexpr double kShieldingTolerance = 0.0001;
constexpr std::size_t kStateFieldWidth = 5; // the skipped field of PC.TXT and clim69.txt

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// One line of a table, read value by value as free-format input: a number is the text up to the
// next blank, and a text field takes its own width or the rest of the line.
class TableLine {
  public:
    TableLine(std::string_view text, const std::string& file, int line)
        : text_(text), file_(file), line_(line) {}

    bool atEnd() {
        skipBlanks();
        return pos_ >= text_.size();
    }
    long long integer(std::string_view what) {
        const std::string_view word = token();
        const auto value = common::parseInteger(word);
        if (!value) fail(what, word);
        return *value;
    }
    double real(std::string_view what) {
        const std::string_view word = token();
        const auto value = common::parseReal(word);
        if (!value) fail(what, word);
        return *value;
    }
    // The next `width` characters, fewer at the end of the line.
    std::string_view field(std::size_t width) {
        const std::string_view f = text_.substr(std::min(pos_, text_.size()), width);
        pos_ += f.size();
        return f;
    }
    std::string_view rest() { return text_.substr(std::min(pos_, text_.size())); }

    // A name of the table, refused when it holds a control character: a NUL or an escape in a
    // locality would reach the site's name, the card file and the reports.
    std::string_view name(std::string_view what, std::string_view text) const {
        if (const auto code = common::firstControlCharacter(text)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(*code));
            failText(std::string(what) + " holds the control character " + hex + " (hexadecimal)");
        }
        return text;
    }
    // A latitude or longitude, refused off the globe.
    double latitude() {
        const double degrees = real("latitude");
        if (!common::latitudeOnGlobe(degrees)) failDegrees("latitude", degrees, "-90 to 90");
        return degrees;
    }
    double longitude() {
        const double degrees = real("longitude");
        if (!common::longitudeOnGlobe(degrees)) failDegrees("longitude", degrees, "-180 to 180");
        return degrees;
    }

    [[noreturn]] void fail(std::string_view what, std::string_view word) const {
        failText(std::string(what) + " \"" + std::string(word) + "\" is not a number");
    }
    [[noreturn]] void failRange(std::string_view what, long long value) const {
        failText(std::string(what) + " " + std::to_string(value) + " is out of range");
    }
    [[noreturn]] void failDegrees(std::string_view what, double degrees, std::string_view range) const {
        char value[48];
        std::snprintf(value, sizeof value, "%g", degrees);
        failText(std::string(what) + " " + value + " lies outside " + std::string(range) + " degrees");
    }
    [[noreturn]] void failText(const std::string& text) const {
        throw ModelError(file_ + ", line " + std::to_string(line_) + ": " + text);
    }

  private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }
    std::string_view token() {
        skipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isBlank(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::string_view text_;
    const std::string& file_;
    int line_;
    std::size_t pos_ = 0;
};

// Calls `each` for every line of a table that is not blank, until it returns false.
void forEachLine(const std::filesystem::path& rootDir, std::string_view table,
                 const std::function<bool(TableLine&)>& each) {
    const auto found = common::findCaseInsensitive(rootDir, table);
    const std::string name = (rootDir / std::filesystem::path(std::string(table))).string();
    if (!found) throw ModelError("The location table " + name + " does not exist");
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(*found);
    } catch (const std::exception& e) {
        throw ModelError(e.what());
    }
    const std::string file = found->string();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        TableLine line(lines[i], file, static_cast<int>(i + 1));
        if (line.atEnd()) continue;
        if (!each(line)) return;
    }
}

int climateZone(TableLine& line, std::string_view what) {
    const long long zone = line.integer(what);
    if (zone < 1 || zone > kClimateZoneCount) line.failRange(what, zone);
    return static_cast<int>(zone);
}

// The values of a CLIMPC.TXT line after its postcode.
PostcodeClimate climateOfLine(TableLine& line) {
    PostcodeClimate c;
    c.found = true;
    c.Longitude = line.longitude();
    c.Latitude = line.latitude();
    while (!line.atEnd()) {
        if (c.ZoneCount == static_cast<int>(c.Zones.size())) line.failText("more than three climate zones");
        c.Zones[static_cast<std::size_t>(c.ZoneCount++)] = climateZone(line, "climate zone");
    }
    return c;
}

std::string trimmedLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    return std::string(text.substr(start));
}

} // namespace

// ---- Climate zones ---------------------------------------------------------------------------

std::string ClimateFileNameOf(int zone) {
    return (zone <= 9 ? "climat0" : "climat") + std::to_string(zone) + ".TXT";
}

void SetClimateZone(HouseModel& model, int zone) {
    model.ClimateZone = zone;
    model.ClimateFileName = ClimateFileNameOf(zone);
}

const std::array<MapColour, kClimateZoneCount + 1> ClimateZoneColours{{
    {0, 0, 0},       {221, 114, 34},  {255, 6, 6},     {32, 156, 10},   {253, 216, 2},   {0, 0, 111},
    {230, 107, 89},  {255, 43, 43},   {255, 102, 102}, {233, 54, 85},   {0, 0, 151},     {60, 255, 60},
    {128, 128, 64},  {253, 253, 0},   {141, 141, 146}, {34, 155, 28},   {0, 0, 166},     {151, 151, 0},
    {176, 0, 176},   {255, 223, 223}, {138, 185, 236}, {240, 253, 0},   {255, 179, 64},  {101, 83, 172},
    {128, 128, 255}, {185, 239, 255}, {240, 232, 255}, {182, 210, 19},  {132, 132, 0},   {232, 232, 0},
    {238, 253, 117}, {250, 36, 5},    {241, 179, 64},  {183, 0, 198},   {251, 251, 251}, {255, 79, 255},
    {128, 255, 0},   {48, 217, 39},   {234, 0, 0},     {49, 55, 255},   {0, 0, 164},     {0, 170, 0},
    {255, 255, 9},   {0, 183, 14},    {43, 238, 238},  {255, 94, 174},  {240, 255, 108}, {240, 222, 2},
    {48, 216, 39},   {240, 140, 149}, {223, 255, 108}, {253, 222, 2},   {183, 3, 198},   {129, 254, 46},
    {168, 0, 84},    {223, 0, 0},     {255, 255, 34},  {160, 0, 164},   {39, 194, 12},   {253, 119, 129},
    {224, 232, 255}, {183, 0, 200},   {255, 185, 64},  {255, 255, 108}, {243, 129, 1},   {186, 36, 5},
    {16, 255, 0},    {40, 155, 28},   {48, 216, 55},   {240, 248, 1},
}};

int ClimateZoneOfColour(MapColour colour) {
    for (int zone = 1; zone <= kClimateZoneCount; ++zone)
        if (ClimateZoneColours[static_cast<std::size_t>(zone)] == colour) return zone;
    return 0;
}

TClimateZoneNames ReadClimateZoneNames(const std::filesystem::path& rootDir) {
    TClimateZoneNames names{};
    forEachLine(rootDir, kClimateZoneTable, [&](TableLine& line) {
        const int zone = climateZone(line, "climate zone");
        line.latitude();
        line.longitude();
        line.field(kStateFieldWidth);
        names(zone) = std::string(line.name("the zone name", line.rest()));
        return true;
    });
    return names;
}

// ---- Postcodes and localities ----------------------------------------------------------------

PostcodeClimate ReadPostcodeClimate(const std::filesystem::path& rootDir, int postcode) {
    PostcodeClimate result;
    forEachLine(rootDir, kClimatePostcodeTable, [&](TableLine& line) {
        // Every line is read whole, so that a damaged table is found whichever postcode is asked for.
        const bool wanted = line.integer("postcode") == postcode;
        const PostcodeClimate c = climateOfLine(line);
        if (wanted) result = c;
        return true;
    });
    return result;
}

std::vector<std::string> ReadPostcodeLocalities(const std::filesystem::path& rootDir, int postcode) {
    std::vector<std::string> localities;
    forEachLine(rootDir, kPostcodeTable, [&](TableLine& line) {
        if (line.integer("postcode") != postcode) return true;
        line.field(kStateFieldWidth);
        localities.emplace_back(line.name("the locality", line.rest()));
        return static_cast<int>(localities.size()) < kMaxSiteListEntries;
    });
    return localities;
}

std::vector<int> FindPostcodesByName(const std::filesystem::path& rootDir, std::string_view name) {
    std::vector<int> postcodes;
    forEachLine(rootDir, kPostcodeTable, [&](TableLine& line) {
        const long long postcode = line.integer("postcode");
        line.field(kStateFieldWidth);
        if (line.name("the locality", line.field(kLocalityNameLength)) != name) return true;
        postcodes.push_back(static_cast<int>(postcode));
        return static_cast<int>(postcodes.size()) < kMaxSiteListEntries;
    });
    return postcodes;
}

std::vector<ClimatePostcode> ReadClimatePostcodes(const std::filesystem::path& rootDir) {
    std::vector<ClimatePostcode> all;
    forEachLine(rootDir, kClimatePostcodeTable, [&](TableLine& line) {
        line.integer("postcode");
        const PostcodeClimate c = climateOfLine(line);
        all.push_back({c.Longitude, c.Latitude, c.Zones[0]});
        return true;
    });
    return all;
}

// ---- Cities of the map ------------------------------------------------------------------------

std::vector<TCity> LoadCities1(const std::filesystem::path& rootDir) {
    std::vector<TCity> cities;
    forEachLine(rootDir, kCitiesTable, [&](TableLine& line) {
        TCity city;
        city.PositionCode = static_cast<int>(line.integer("label position"));
        city.SizeClass = static_cast<int>(line.integer("size class"));
        city.Longitude = line.longitude();
        city.Latitude = line.latitude();
        city.Name = trimmedLeft(line.name("the city name", line.rest()));
        cities.push_back(std::move(city));
        return static_cast<int>(cities.size()) < kMaxSiteListEntries;
    });
    return cities;
}

// ---- The map's projection ---------------------------------------------------------------------

MapPixel MapPosition(double longitude, double latitude) {
    return {
        static_cast<int>(common::roundHalfEvenToInt((longitude - kMapWestLongitude) * kMapPixelsPerDegree)),
        static_cast<int>(common::roundHalfEvenToInt((-latitude - kMapNorthLatitude) * kMapPixelsPerDegree))};
}

double MapLongitude(double x) {
    return x / kMapPixelsPerDegree + kMapWestLongitude;
}

double MapLatitudeSouth(double y) {
    return y / kMapPixelsPerDegree + kMapNorthLatitude;
}

// ---- Wind shielding ---------------------------------------------------------------------------

int ShieldingItemFor(double shieldingFactor) {
    int item = -1;
    for (std::size_t i = 0; i < kShieldingItems.size(); ++i)
        if (kShieldingItems[i].factor > shieldingFactor - kShieldingTolerance) item = static_cast<int>(i);
    return item;
}

// ---- Texts ------------------------------------------------------------------------------------

std::string SiteDegrees(double degrees, bool blankWhenZero) {
    if (blankWhenZero && degrees == 0.0) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%6.1f", common::roundHalfEven(degrees, 1));
    return text;
}

std::string PostcodeText(int postcode) {
    return postcode == 0 ? std::string() : std::to_string(postcode);
}

} // namespace pelmora
