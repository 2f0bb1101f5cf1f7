// The shipped star band and area correction tables, read as the modeller reads them, against the
// record of the engine runs they were calibrated from.
#include "modeller/results/star_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

using namespace pelmora;

constexpr int kClimates = 69;

class ShippedRatingTables : public ::testing::Test {
  protected:
    void SetUp() override {
        ReadStarBands(tables_, PROGRAM_FOLDER);
        ReadAreaCorrection(tables_, PROGRAM_FOLDER);
    }
    RatingTables tables_;
};

TEST_F(ShippedRatingTables, EveryClimateHasStrictlyFallingPositiveLimits) {
    for (int c = 1; c <= kClimates; ++c) {
        EXPECT_GT(tables_.StarBands(c, kStarBandCount), 0.0) << "climate " << c;
        for (int j = 2; j <= kStarBandCount; ++j)
            EXPECT_LT(tables_.StarBands(c, j), tables_.StarBands(c, j - 1))
                << "climate " << c << " band " << j;
    }
}

TEST_F(ShippedRatingTables, AreaCorrectionIsPositiveAndSmoothOverHouseSizes) {
    for (int c = 1; c <= kClimates; ++c) {
        double previousSlope = 0.0; // per m2
        for (double a = 30.0; a <= 600.0; a += 5.0) {
            const double value = AreaCorrection(tables_, c, a);
            ASSERT_GT(value, 0.0) << "climate " << c << " at " << a << " m2";
            ASSERT_LT(value, 5.0) << "climate " << c << " at " << a << " m2";
            const double slope = (AreaCorrection(tables_, c, a + 5.0) - value) / 5.0;
            // No turn and no kink: the slope keeps its sign and changes little from step to step.
            if (a > 30.0) {
                EXPECT_GE(slope * previousSlope, -1e-12) << "climate " << c << " turns at " << a << " m2";
                EXPECT_LT(std::abs(slope - previousSlope), 2e-3) << "climate " << c << " at " << a << " m2";
            }
            previousSlope = slope;
        }
        EXPECT_NEAR(AreaCorrection(tables_, c, 200.0), 1.0, 0.1) << "climate " << c;
    }
}

// The reference houses' recorded energies fall in the bands the calibration intends: the poorly
// insulated house low on the scale, typical practice near the middle, the well-insulated house high.
TEST_F(ShippedRatingTables, ReferenceHousesRateWhereTheSchemeIntends) {
    std::ifstream runs(CALIBRATION_RUNS);
    ASSERT_TRUE(runs) << CALIBRATION_RUNS;
    std::map<int, std::map<std::string, double>> energy; // climate, house at 200 m2: MJ/m2
    std::string line;
    while (std::getline(runs, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int climate = 0;
        std::string house;
        double area = 0, perArea = 0;
        ASSERT_TRUE(fields >> climate >> house >> area >> perArea) << line;
        if (std::abs(area - 200.0) < 1.0) energy[climate][house] = perArea;
    }
    ASSERT_EQ(energy.size(), static_cast<std::size_t>(kClimates));
    struct Expected {
        const char* house;
        double lowest, highest; // stars
    };
    const Expected bands[] = {{"poor", 1.0, 2.0}, {"typical", 4.5, 5.5}, {"well", 7.5, 8.5}};
    for (const auto& [climate, houses] : energy)
        for (const Expected& e : bands) {
            const auto found = houses.find(e.house);
            ASSERT_NE(found, houses.end()) << "climate " << climate << " " << e.house;
            const double stars = StarRating(tables_, climate, 1.0, found->second);
            EXPECT_GE(stars, e.lowest) << "climate " << climate << " " << e.house;
            EXPECT_LE(stars, e.highest) << "climate " << climate << " " << e.house;
        }
}

} // namespace
