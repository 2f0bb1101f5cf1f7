// The location tables and the map as the site dialogs read them.
#include "tests/data/climate/climate_test_support.h"

#include "common/rounding.h"
#include "data/climate/location_map.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace {

struct ClimatePostcode {
    double longitude = 0, latitude = 0;
    std::vector<int> zones;
};

// CLIMPC.TXT: postcode, longitude, latitude in free format, then 3, 6 or 9 characters of zones.
std::map<int, ClimatePostcode> readClimatePostcodes() {
    std::map<int, ClimatePostcode> table;
    for (const auto& line : climate_test::programLines("Data/CLIMPC.TXT")) {
        std::istringstream in(line);
        int postcode = 0;
        ClimatePostcode pc;
        in >> postcode >> pc.longitude >> pc.latitude;
        EXPECT_TRUE(in) << line;
        std::string rest;
        std::getline(in, rest);
        EXPECT_TRUE(rest.size() == 3 || rest.size() == 6 || rest.size() == 9) << '"' << line << '"';
        for (std::size_t i = 0; i + 3 <= rest.size(); i += 3) {
            EXPECT_EQ(rest[i], ' ') << line;
            pc.zones.push_back(std::stoi(rest.substr(i + 1, 2)));
        }
        EXPECT_TRUE(table.emplace(postcode, pc).second) << "postcode twice: " << postcode;
    }
    return table;
}

TEST(LocationTables, EveryPostcodeLeadsToZonesWithClimateAndOccupancyFiles) {
    const auto climatePostcodes = readClimatePostcodes();
    ASSERT_FALSE(climatePostcodes.empty());
    std::set<int> reachable;
    for (const auto& [postcode, pc] : climatePostcodes) {
        SCOPED_TRACE("postcode " + std::to_string(postcode));
        ASSERT_FALSE(pc.zones.empty());
        for (int zone : pc.zones) {
            ASSERT_GE(zone, 1);
            ASSERT_LE(zone, 69);
            EXPECT_NO_THROW(climate_test::programFile("Data/Climate/" + climate_test::climateName(zone)));
            EXPECT_NO_THROW(climate_test::programFile("Data/Occupant/" + climate_test::occupancyName(zone)));
            reachable.insert(zone);
        }
        // The usual zone's place lies in the same region as the postcode.
        const auto& place = climate_test::places()[pc.zones.front() - 1];
        EXPECT_LT(std::hypot(place.longitude - pc.longitude, place.latitude - pc.latitude), 4.0)
            << place.place;
    }
    EXPECT_EQ(reachable.size(), 69u) << "every climate zone can be chosen";
}

TEST(LocationTables, EveryLocalityHasAPostcodeWithClimateData) {
    const auto climatePostcodes = readClimatePostcodes();
    std::set<int> withLocality;
    for (const auto& line : climate_test::programLines("Data/PC.TXT")) {
        std::istringstream in(line);
        int postcode = 0;
        in >> postcode;
        ASSERT_TRUE(in) << line;
        // A 5-character field, then the locality: the rest of the line.
        const auto start = static_cast<std::size_t>(in.tellg());
        ASSERT_GT(line.size(), start + 5) << line;
        const std::string locality = line.substr(start + 5);
        EXPECT_FALSE(locality.empty());
        EXPECT_NE(locality.front(), ' ') << line;
        EXPECT_NE(locality.back(), ' ') << "the name dialog compares names exactly: " << line;
        EXPECT_TRUE(climatePostcodes.count(postcode)) << line;
        withLocality.insert(postcode);
    }
    for (const auto& [postcode, pc] : climatePostcodes) EXPECT_TRUE(withLocality.count(postcode)) << postcode;
}

TEST(LocationTables, ZoneNamesAndCitiesFollowTheirLayouts) {
    const auto zones = climate_test::programLines("Data/clim69.txt");
    ASSERT_EQ(zones.size(), 69u);
    for (int n = 1; n <= 69; ++n) {
        std::istringstream in(zones[n - 1]);
        int zone = 0;
        double a = 0, b = 0;
        in >> zone >> a >> b;
        ASSERT_TRUE(in);
        EXPECT_EQ(zone, n);
        const auto start = static_cast<std::size_t>(in.tellg());
        EXPECT_EQ(zones[n - 1].substr(start + 5), climate_test::places()[n - 1].place);
    }

    const auto cities = climate_test::programLines("CITIES1.DAT");
    ASSERT_FALSE(cities.empty());
    EXPECT_LE(cities.size(), 100u);
    for (const auto& line : cities) {
        std::istringstream in(line);
        int position = 0, size = 0;
        double lon = 0, lat = 0;
        std::string name;
        in >> position >> size >> lon >> lat >> name;
        ASSERT_TRUE(in) << line;
        EXPECT_GE(position, 1);
        EXPECT_LE(position, 5);
        EXPECT_TRUE(size == 1 || size == 2) << line;
        const auto p = climate::projectToMap({lon, lat});
        EXPECT_TRUE(p.x >= 0 && p.x < climate::kMapWidth && p.y >= 0 && p.y < climate::kMapHeight) << line;
    }
}

struct Bitmap {
    int width = 0, height = 0;
    std::vector<climate::Rgb> pixels; // rows from the top
    climate::Rgb at(long long x, long long y) const {
        return pixels[static_cast<std::size_t>(y * width + x)];
    }
};

Bitmap readBitmap(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    Bitmap b;
    if (bytes.size() < 54 || bytes.substr(0, 2) != "BM") return b;
    b.width = static_cast<int>(u32(18));
    b.height = static_cast<int>(u32(22));
    const int bits = static_cast<unsigned char>(bytes[28]);
    if (bits != 24 || u32(30) != 0) return {};
    const std::size_t offset = u32(10);
    const std::size_t row = (static_cast<std::size_t>(b.width) * 3 + 3) / 4 * 4;
    if (bytes.size() < offset + row * b.height) return {};
    b.pixels.resize(static_cast<std::size_t>(b.width) * b.height);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const std::size_t at = offset + (b.height - 1 - y) * row + static_cast<std::size_t>(x) * 3;
            b.pixels[static_cast<std::size_t>(y) * b.width + x] = {static_cast<std::uint8_t>(bytes[at + 2]),
                                                                   static_cast<std::uint8_t>(bytes[at + 1]),
                                                                   static_cast<std::uint8_t>(bytes[at])};
        }
    return b;
}

TEST(LocationMap, IsAPictureOfTheDialogsSizeWithoutZoneColoursAndWithTheSitesOnLand) {
    const Bitmap map = readBitmap(climate_test::programFile("Data/locationmap.bmp"));
    ASSERT_EQ(map.width, 624);
    ASSERT_EQ(map.height, 513);
    std::set<std::uint32_t> colours;
    for (const auto& p : map.pixels) colours.insert(p.red << 16 | p.green << 8 | p.blue);
    for (const auto& zone : climate::kClimateZoneColours)
        EXPECT_FALSE(colours.count(zone.red << 16 | zone.green << 8 | zone.blue))
            << int(zone.red) << "," << int(zone.green) << "," << int(zone.blue);

    // The sea is the colour of the top left corner (the Timor Sea); every postcode lies on land or
    // within two pixels of the coast.
    const climate::Rgb sea = map.at(0, 0);
    ASSERT_TRUE(map.at(0, 512) == sea) << "the Southern Ocean";
    ASSERT_FALSE(
        map.at(climate::projectToMap({133.88, -23.70}).x, climate::projectToMap({133.88, -23.70}).y) == sea)
        << "Alice Springs";
    for (const auto& [postcode, pc] : readClimatePostcodes()) {
        const auto p = climate::projectToMap({pc.longitude, pc.latitude});
        bool nearLand = false;
        for (long long dy = -2; dy <= 2; ++dy)
            for (long long dx = -2; dx <= 2; ++dx) {
                const long long x = p.x + dx, y = p.y + dy;
                if (x >= 0 && x < map.width && y >= 0 && y < map.height && !(map.at(x, y) == sea))
                    nearLand = true;
            }
        EXPECT_TRUE(nearLand) << "postcode " << postcode;
    }
}

TEST(LocationMap, ProjectsAsTheDialogDoes) {
    // 15 pixels a degree from 113.07 east and 10 south, halves to even.
    const auto sydney = climate::projectToMap({150.0, -33.9});
    EXPECT_EQ(sydney.x, 554);
    EXPECT_EQ(sydney.y, 358);
    const auto corner = climate::projectToMap({113.07, -10.0});
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
}

} // namespace
