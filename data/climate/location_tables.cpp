#include "data/climate/location_tables.h"

#include "common/text_values.h"
#include "data/climate/source_text.h"

#include <cstdio>
#include <set>
#include <stdexcept>

namespace climate {

namespace {

// Reads the data lines of a '|'-separated source table, skipping comments and blank lines.
template <typename Row, typename Parse>
std::vector<Row> readTable(const std::filesystem::path& file, std::size_t fields, Parse parse) {
    const auto lines = common::readTextLines(file);
    std::vector<Row> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trim(lines[i]);
        if (line.empty() || line[0] == '#') continue;
        try {
            const auto parts = splitTrimmed(line, '|');
            if (parts.size() != fields)
                throw std::invalid_argument("expected " + std::to_string(fields) + " fields separated by |");
            rows.push_back(parse(parts));
        } catch (const std::invalid_argument& e) {
            throw std::runtime_error(file.string() + " line " + std::to_string(i + 1) + ": " + e.what());
        }
    }
    return rows;
}

// "NT" as the 5-character field " NT  " that the readers skip.
std::string stateField(const std::string& state) {
    std::string f = " " + state;
    f.resize(5, ' ');
    return f;
}

std::string fixed(double v, int decimals) {
    char b[32];
    std::snprintf(b, sizeof b, "%.*f", decimals, v);
    return b;
}

std::string postcodeText(int postcode) {
    char b[16];
    std::snprintf(b, sizeof b, "%04d", postcode);
    return b;
}

} // namespace

std::vector<Postcode> readLocalities(const std::filesystem::path& file) {
    auto rows = readTable<Postcode>(file, 6, [](const std::vector<std::string>& p) {
        Postcode pc;
        pc.postcode = wholeNumber(p[0]);
        pc.state = p[1];
        if (pc.state.empty() || pc.state.size() > 3) throw std::invalid_argument("a state has 1-3 letters");
        pc.longitude = number(p[2]);
        pc.latitude = number(p[3]);
        for (const auto& z : splitTrimmed(p[4], ' '))
            if (!z.empty()) pc.zones.push_back(wholeNumber(z));
        if (pc.zones.empty() || pc.zones.size() > 3)
            throw std::invalid_argument("a postcode has 1-3 climate zones");
        for (const auto& name : splitTrimmed(p[5], ';')) {
            if (name.empty() || name.size() > 60)
                throw std::invalid_argument("a locality name has 1-60 characters");
            pc.localities.push_back(name);
        }
        return pc;
    });
    std::set<int> seen;
    for (const auto& pc : rows)
        if (!seen.insert(pc.postcode).second)
            throw std::runtime_error(file.string() + ": postcode " + std::to_string(pc.postcode) +
                                     " appears twice");
    return rows;
}

std::vector<City> readCities(const std::filesystem::path& file) {
    auto cities = readTable<City>(file, 5, [](const std::vector<std::string>& p) {
        City c{wholeNumber(p[0]), wholeNumber(p[1]), number(p[2]), number(p[3]), p[4]};
        if (c.labelPosition < 1 || c.labelPosition > 5) throw std::invalid_argument("label position 1-5");
        if (c.sizeClass < 1 || c.sizeClass > 2) throw std::invalid_argument("size class 1 or 2");
        return c;
    });
    if (cities.size() > 100) throw std::runtime_error(file.string() + ": the map shows at most 100 cities");
    return cities;
}

std::vector<std::string> postcodeLocalityLines(const std::vector<Postcode>& postcodes) {
    std::vector<std::string> lines;
    for (const auto& pc : postcodes)
        for (const auto& name : pc.localities)
            lines.push_back(postcodeText(pc.postcode) + stateField(pc.state) + name);
    return lines;
}

std::vector<std::string> postcodeClimateLines(const std::vector<Postcode>& postcodes) {
    std::vector<std::string> lines;
    for (const auto& pc : postcodes) {
        std::string line =
            postcodeText(pc.postcode) + " " + fixed(pc.longitude, 2) + " " + fixed(pc.latitude, 2);
        for (int z : pc.zones) {
            char b[8];
            std::snprintf(b, sizeof b, " %02d", z);
            line += b;
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> climateZoneLines(const std::vector<PlaceNormals>& places) {
    std::vector<std::string> lines;
    for (const auto& p : places)
        lines.push_back(std::to_string(p.zone) + " " + fixed(p.latitude, 2) + " " + fixed(p.longitude, 2) +
                        stateField(p.state) + p.place);
    return lines;
}

std::vector<std::string> cityLines(const std::vector<City>& cities) {
    std::vector<std::string> lines;
    for (const auto& c : cities)
        lines.push_back(std::to_string(c.labelPosition) + " " + std::to_string(c.sizeClass) + " " +
                        fixed(c.longitude, 2) + " " + fixed(c.latitude, 2) + " " + c.name);
    return lines;
}

void checkZoneCoverage(const std::vector<Postcode>& postcodes, int zoneCount) {
    std::set<int> chosen;
    for (const auto& pc : postcodes)
        for (int z : pc.zones) {
            if (z < 1 || z > zoneCount)
                throw std::runtime_error("postcode " + std::to_string(pc.postcode) + " names climate zone " +
                                         std::to_string(z) + ", which has no climate file");
            chosen.insert(z);
        }
    for (int z = 1; z <= zoneCount; ++z)
        if (!chosen.count(z))
            throw std::runtime_error("no postcode leads to climate zone " + std::to_string(z));
}

} // namespace climate
