// The sky model's brightness coefficients, worked by hand from the published 1987 coefficient table.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/solar_airflow/sky_model.h"

namespace engine {
namespace {

constexpr double kHalfPi = 1.5707964;

// Direct irradiance that puts the clearness (D + I) / D exactly at `clearness`.
double directFor(double clearness, double D) {
    return (clearness - 1.0) * D;
}

struct Expected {
    double f11, f12, f13, f21, f22, f23; // the table's row
};

void expectRow(double alt, double I, double D, const Expected& row) {
    double F1 = -9.0, F2 = -9.0;
    perez(alt, I, D, F1, F2);
    const double Z = kHalfPi - alt;
    const double m = std::min(1.0 / std::cos(Z), 3.0);
    const double delta = m * D / 1377.0;
    EXPECT_NEAR(F1, row.f11 + row.f12 * delta + row.f13 * Z, 1e-9);
    EXPECT_NEAR(F2, row.f21 + row.f22 * delta + row.f23 * Z, 1e-9);
}

TEST(SkyModel, ClearnessAtABinLimitFallsInTheLowerBin) {
    const double D = 100.0;
    const double alt = 0.6;
    // Limits of bins 1..7 and the rows on either side of each.
    const double limits[] = {1.056, 1.253, 1.586, 2.134, 3.23, 5.98, 10.08};
    const double limitsInThousandths[] = {1056, 1253, 1586, 2134, 3230, 5980, 10080};
    const Expected rows[] = {
        {0.041, 0.621, -0.105, -0.040, 0.074, -0.031}, {0.054, 0.966, -0.166, -0.016, 0.114, -0.045},
        {0.227, 0.866, -0.250, 0.069, -0.002, -0.062}, {0.486, 0.670, -0.373, 0.148, -0.137, -0.056},
        {0.819, 0.106, -0.465, 0.268, -0.497, -0.029}, {1.020, -0.260, -0.514, 0.306, -0.804, 0.046},
        {1.009, -0.708, -0.433, 0.287, -1.286, 0.166}, {0.936, -1.121, -0.352, 0.226, -2.449, 0.383},
    };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i + 1);
        // With D = 1000 and a whole-number I the clearness is the limit's own nearest double.
        const double Dl = 1000.0;
        const double I = limitsInThousandths[i] - Dl;
        ASSERT_EQ((Dl + I) / Dl, limits[i]);
        expectRow(alt, I, Dl, rows[i]);
        expectRow(alt, directFor(limits[i] + 1e-3, D), D, rows[i + 1]);
    }
    // Far above the last limit: bin 8.
    expectRow(alt, 5000.0, 20.0, rows[7]);
}

TEST(SkyModel, NoDiffuseOrNoSunGivesZeroCoefficients) {
    double F1 = 1.0, F2 = 1.0;
    perez(0.8, 800.0, 0.0, F1, F2);
    EXPECT_EQ(F1, 0.0);
    EXPECT_EQ(F2, 0.0);
    F1 = F2 = 1.0;
    perez(0.0, 0.0, 50.0, F1, F2);
    EXPECT_EQ(F1, 0.0);
    EXPECT_EQ(F2, 0.0);
}

TEST(SkyModel, AirMassIsCappedAtThreeNearTheHorizon) {
    // At 2 degrees 1/cos Z is about 28.7; the brightness must use 3.
    const double alt = 2.0 * 0.017453292;
    const double D = 80.0;
    double F1 = 0.0, F2 = 0.0;
    perez(alt, 0.0, D, F1, F2); // clearness 1: bin 1
    const double Z = kHalfPi - alt;
    const double delta = 3.0 * D / 1377.0;
    EXPECT_NEAR(F1, 0.041 + 0.621 * delta - 0.105 * Z, 1e-9);
    EXPECT_NEAR(F2, -0.040 + 0.074 * delta - 0.031 * Z, 1e-9);
}

TEST(SkyModel, OvercastLowSunGivesNegativeCircumsolarCoefficient) {
    double F1 = 0.0, F2 = 0.0;
    perez(0.05, 0.0, 10.0, F1, F2); // overcast (clearness 1), sun 3 degrees up, dim sky
    EXPECT_LT(F1, 0.0);
    EXPECT_NEAR(F1, 0.041 + 0.621 * (3.0 * 10.0 / 1377.0) - 0.105 * (kHalfPi - 0.05), 1e-9);
}

} // namespace
} // namespace engine
