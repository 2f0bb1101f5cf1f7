// The shipped star band and area correction tables, read as the modeller reads them, against the
// record of the engine runs they were calibrated from.
#include "modeller/results/star_rating.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

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

// Every climate a site can be given through the shipped location tables has a row in both tables.
TEST_F(ShippedRatingTables, EveryClimateOfTheLocationTablesHasARowInBoth) {
    EXPECT_EQ(LocationTableClimates(PROGRAM_FOLDER).size(), static_cast<std::size_t>(kClimates));
    EXPECT_NO_THROW(CheckStarBandRows(tables_, PROGRAM_FOLDER));
    EXPECT_NO_THROW(CheckAreaCorrectionRows(tables_, PROGRAM_FOLDER));
}

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

struct RecordedRun {
    int climate;
    std::string house;
    double area;    // m2
    double perArea; // MJ/m2
};

std::vector<RecordedRun> recordedRuns() {
    std::ifstream in(CALIBRATION_RUNS);
    EXPECT_TRUE(in) << CALIBRATION_RUNS;
    std::vector<RecordedRun> runs;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        RecordedRun run;
        EXPECT_TRUE(fields >> run.climate >> run.house >> run.area >> run.perArea) << line;
        runs.push_back(run);
    }
    return runs;
}

bool atReferenceArea(const RecordedRun& run) {
    return std::abs(run.area - 200.0) < 1.0;
}

// The reference houses' recorded energies fall in the bands the calibration intends: the poorly
// insulated house low on the scale, typical practice near the middle, the well-insulated house high.
TEST_F(ShippedRatingTables, ReferenceHousesRateWhereTheSchemeIntends) {
    std::map<int, std::map<std::string, double>> energy; // climate, house at 200 m2: MJ/m2
    for (const RecordedRun& run : recordedRuns())
        if (atReferenceArea(run)) energy[run.climate][run.house] = run.perArea;
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

// The correction follows the typical house's energy per m2 at its other sizes, relative to the
// reference size.
TEST_F(ShippedRatingTables, AreaCorrectionFollowsTheTypicalHouseAtOtherSizes) {
    std::map<int, double> reference; // climate: MJ/m2 of the typical house at 200 m2
    for (const RecordedRun& run : recordedRuns())
        if (run.house == "typical" && atReferenceArea(run)) reference[run.climate] = run.perArea;
    int compared = 0;
    for (const RecordedRun& run : recordedRuns()) {
        if (run.house != "typical" || atReferenceArea(run)) continue;
        const double measured = run.perArea / reference.at(run.climate);
        EXPECT_NEAR(AreaCorrection(tables_, run.climate, run.area), measured, 0.1)
            << "climate " << run.climate << " at " << run.area << " m2";
        ++compared;
    }
    EXPECT_EQ(compared, 2 * kClimates);
}

} // namespace
