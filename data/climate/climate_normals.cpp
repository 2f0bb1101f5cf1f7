#include "data/climate/climate_normals.h"

#include "common/text_values.h"
#include "data/climate/source_text.h"

#include <sstream>
#include <stdexcept>

namespace climate {

namespace {

constexpr std::array<const char*, 16> kCompassPoints{"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                     "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

// "tmax  31.8 31.4 ..." : a row name and twelve monthly values.
Monthly monthlyRow(const std::string& line, const std::string& name) {
    std::istringstream in(line);
    std::string key;
    in >> key;
    if (key != name) throw std::invalid_argument("expected the row \"" + name + "\"");
    Monthly values{};
    for (auto& v : values) {
        std::string word;
        if (!(in >> word)) throw std::invalid_argument("row \"" + name + "\" needs twelve values");
        v = number(word);
    }
    std::string extra;
    if (in >> extra) throw std::invalid_argument("row \"" + name + "\" has more than twelve values");
    return values;
}

PlaceNormals placeHeader(const std::string& line) {
    const auto parts = splitTrimmed(line, '|');
    if (parts.size() != 10) throw std::invalid_argument("a zone line has ten fields separated by |");
    std::istringstream first(parts[0]);
    std::string key;
    PlaceNormals p;
    first >> key >> p.zone;
    if (key != "zone" || !first)
        throw std::invalid_argument("a zone line starts with \"zone\" and the number");
    p.place = parts[1];
    p.state = parts[2];
    p.postcode = wholeNumber(parts[3]);
    p.latitude = number(parts[4]);
    p.longitude = number(parts[5]);
    p.elevation = number(parts[6]);
    p.summerWindFrom = compassDegrees(parts[7]);
    p.winterWindFrom = compassDegrees(parts[8]);
    if (parts[9] != "-") throw std::invalid_argument("the last field of a zone line is \"-\"");
    return p;
}

void checkRanges(const PlaceNormals& p) {
    if (p.latitude > -9 || p.latitude < -45 || p.longitude < 112 || p.longitude > 155)
        throw std::invalid_argument("position outside the map");
    for (int m = 0; m < 12; ++m) {
        if (p.minTemperature[m] >= p.maxTemperature[m])
            throw std::invalid_argument("mean minimum not below mean maximum in month " +
                                        std::to_string(m + 1));
        if (p.afternoonHumidity[m] <= 0 || p.afternoonHumidity[m] > 100)
            throw std::invalid_argument("humidity outside 0-100 %");
        if (p.windSpeed[m] <= 0) throw std::invalid_argument("wind speed not above 0");
        if (p.cloudCover[m] < 0 || p.cloudCover[m] > 8)
            throw std::invalid_argument("cloud cover outside 0-8 oktas");
    }
}

} // namespace

double standardMeridian(int postcode) {
    if (postcode >= 6000 && postcode <= 6999) return 120.0;
    if ((postcode >= 5000 && postcode <= 5999) || (postcode >= 800 && postcode <= 899)) return 142.5;
    return 150.0;
}

double compassDegrees(const std::string& point) {
    for (std::size_t i = 0; i < kCompassPoints.size(); ++i)
        if (point == kCompassPoints[i]) return 22.5 * static_cast<double>(i);
    throw std::invalid_argument("\"" + point + "\" is not a compass point");
}

std::vector<PlaceNormals> readClimateNormals(const std::filesystem::path& file) {
    const auto lines = common::readTextLines(file);
    std::vector<PlaceNormals> places;
    static const char* const kRows[] = {"tmax", "tmin", "rh3pm", "wind", "cloud"};
    std::size_t i = 0;
    auto fail = [&](std::size_t line, const std::string& why) {
        throw std::runtime_error(file.string() + " line " + std::to_string(line + 1) + ": " + why);
    };
    while (i < lines.size()) {
        const std::string line = trim(lines[i]);
        if (line.empty() || line[0] == '#') {
            ++i;
            continue;
        }
        const std::size_t header = i;
        try {
            PlaceNormals p = placeHeader(line);
            if (p.zone != static_cast<int>(places.size()) + 1)
                throw std::invalid_argument("zones must run 1, 2, 3, ...");
            Monthly* rows[] = {&p.maxTemperature, &p.minTemperature, &p.afternoonHumidity, &p.windSpeed,
                               &p.cloudCover};
            for (int r = 0; r < 5; ++r) {
                ++i;
                if (i >= lines.size()) throw std::invalid_argument("the zone's rows are missing");
                *rows[r] = monthlyRow(lines[i], kRows[r]);
            }
            try {
                checkRanges(p);
            } catch (const std::invalid_argument& e) {
                fail(header,
                     "zone " + std::to_string(p.zone) + ": " + e.what()); // a fault of the whole block
            }
            places.push_back(std::move(p));
            ++i;
        } catch (const std::invalid_argument& e) {
            fail(i, e.what());
        }
    }
    if (places.empty()) throw std::runtime_error(file.string() + ": no climate zone");
    return places;
}

} // namespace climate
