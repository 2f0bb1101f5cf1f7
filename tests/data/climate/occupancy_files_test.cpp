// The occupancy files as the modeller reads them: 51 lines of titles, values and profiles.
#include "tests/data/climate/climate_test_support.h"

#include "common/text_values.h"
#include "data/climate/occupancy_schedules.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

enum class Kind { Title, Integer, Real, Profile };

// Lines 1-51: a control set is 11 value lines (2 integers, 4 reals, 2 integers, 3 reals).
std::vector<Kind> lineKinds() {
    const std::vector<Kind> controls{Kind::Integer, Kind::Integer, Kind::Real,    Kind::Real,
                                     Kind::Real,    Kind::Real,    Kind::Integer, Kind::Integer,
                                     Kind::Real,    Kind::Real,    Kind::Real};
    std::vector<Kind> kinds{Kind::Title};
    kinds.insert(kinds.end(), controls.begin(), controls.end()); // 2-12
    kinds.insert(kinds.end(), 8, Kind::Profile);                 // 13-20
    kinds.push_back(Kind::Real);                                 // 21
    kinds.insert(kinds.end(), controls.begin(), controls.end()); // 22-32
    kinds.insert(kinds.end(), 8, Kind::Profile);                 // 33-40
    kinds.push_back(Kind::Real);                                 // 41
    kinds.insert(kinds.end(), 10, Kind::Profile);                // 42-51
    return kinds;
}

// The first blank-separated word of a line.
std::string firstWord(const std::string& line) {
    std::istringstream in(line);
    std::string w;
    in >> w;
    return w;
}

std::vector<double> profileValues(const std::string& line) {
    std::istringstream in(line);
    std::vector<double> v;
    std::string w;
    while (in >> w) {
        const auto x = common::parseReal(w);
        if (!x) break;
        v.push_back(*x);
    }
    return v;
}

// Profile k (numbered as the modeller numbers them) from the lines of a file.
std::vector<double> profile(const std::vector<std::string>& lines, int firstLine) {
    auto v = profileValues(lines[firstLine - 1]);
    const auto second = profileValues(lines[firstLine]);
    v.resize(12);
    v.insert(v.end(), second.begin(), second.begin() + 12);
    return v;
}

TEST(OccupancyFiles, EveryZoneHasFiftyOneLinesOfTheRightKinds) {
    const auto kinds = lineKinds();
    ASSERT_EQ(kinds.size(), 51u);
    for (int zone = 1; zone <= 69; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        const auto lines = climate_test::programLines("Data/Occupant/" + climate_test::occupancyName(zone));
        ASSERT_GE(lines.size(), 51u);
        for (std::size_t i = 0; i < 51; ++i) {
            const std::string word = firstWord(lines[i]);
            switch (kinds[i]) {
            case Kind::Title:
                break;
            case Kind::Integer:
                EXPECT_TRUE(common::parseInteger(word)) << "line " << i + 1 << ": " << lines[i];
                break;
            case Kind::Real:
                EXPECT_TRUE(common::parseReal(word)) << "line " << i + 1 << ": " << lines[i];
                break;
            case Kind::Profile:
                EXPECT_GE(profileValues(lines[i]).size(), 12u) << "line " << i + 1;
                break;
            }
        }
    }
}

TEST(OccupancyFiles, SetPointsAndGainsArePlausible) {
    for (int zone = 1; zone <= 69; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        const auto lines = climate_test::programLines("Data/Occupant/" + climate_test::occupancyName(zone));
        ASSERT_GE(lines.size(), 51u);
        // Heating and cooling set-points of day zones (lines 17-20) and sleeping zones (37-40).
        for (int first : {17, 37}) {
            const auto heating = profile(lines, first);
            const auto cooling = profile(lines, first + 2);
            int heated = 0;
            for (int h = 0; h < 24; ++h) {
                EXPECT_TRUE(heating[h] == -99.0 || (heating[h] >= 10 && heating[h] <= 22)) << heating[h];
                EXPECT_TRUE(cooling[h] == 99.0 || (cooling[h] >= 23 && cooling[h] <= 28)) << cooling[h];
                EXPECT_LT(heating[h], cooling[h]) << "hour " << h + 1;
                heated += heating[h] != -99.0;
            }
            EXPECT_GT(heated, 8);
        }
        // Gains in W: never negative, and people present in the evening in both kinds of zone.
        for (int first : {15, 42, 44, 46, 48, 50}) {
            for (double w : profile(lines, first)) EXPECT_GE(w, 0.0) << "line " << first;
        }
        EXPECT_GT(profile(lines, 46)[19], 0.0) << "day-zone occupants at 8 pm";
        EXPECT_GT(profile(lines, 50)[1], 0.0) << "sleeping-zone occupants at 2 am";
        // Control hours are whole hours of the day.
        for (int line : {2, 3, 8, 9, 22, 23, 28, 29}) {
            const auto h = common::parseInteger(firstWord(lines[line - 1]));
            ASSERT_TRUE(h);
            EXPECT_GE(*h, 0);
            EXPECT_LE(*h, 24);
        }
    }
}

TEST(OccupancyFiles, CoolingSetPointFollowsTheWarmestMonth) {
    climate::PlaceNormals mild;
    mild.maxTemperature.fill(20.0);
    mild.minTemperature.fill(10.0);
    mild.maxTemperature[0] = 26.0; // warmest month mean 18 °C: 0.31 × 18 + 17.6 + 1.5 = 24.68
    mild.minTemperature[0] = 10.0;
    EXPECT_DOUBLE_EQ(climate::coolingSetPoint(mild), 24.5);
    climate::PlaceNormals tropical = mild;
    tropical.maxTemperature.fill(34.0);
    tropical.minTemperature.fill(26.0); // 0.31 × 30 + 19.1 = 28.4, capped
    EXPECT_DOUBLE_EQ(climate::coolingSetPoint(tropical), 27.5);
    climate::PlaceNormals alpine = mild;
    alpine.maxTemperature.fill(12.0);
    alpine.minTemperature.fill(0.0); // 0.31 × 6 + 19.1 = 20.96, raised
    EXPECT_DOUBLE_EQ(climate::coolingSetPoint(alpine), 23.5);
}

} // namespace
