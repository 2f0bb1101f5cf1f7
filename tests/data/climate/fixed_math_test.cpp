// The generator's own elementary functions against the C library's, within a few units in the
// last place over the ranges the generator uses and beyond.
#include "data/climate/fixed_math.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void expectClose(double got, double want, double x) {
    EXPECT_NEAR(got, want, 4e-15 * std::max(1.0, std::abs(want))) << "at " << x;
}

TEST(FixedMath, AgreesWithTheLibraryToTheLastFewBits) {
    for (int i = -4000; i <= 4000; ++i) {
        const double x = i * 0.00731; // -29.2 .. 29.2
        expectClose(climate::fixed::sin(x), std::sin(x), x);
        expectClose(climate::fixed::cos(x), std::cos(x), x);
        const double e = i * 0.0117; // -46.8 .. 46.8
        EXPECT_NEAR(climate::fixed::exp(e) / std::exp(e), 1.0, 4e-15) << e;
    }
    for (int i = 1; i <= 4000; ++i) {
        const double x = i * i * 0.0001; // 1e-4 .. 1600
        expectClose(climate::fixed::log(x), std::log(x), x);
        EXPECT_NEAR(climate::fixed::pow(x, 3.4) / std::pow(x, 3.4), 1.0, 1e-13) << x;
        const double c = -1.0 + i * 0.0005; // -1 .. 1
        expectClose(climate::fixed::acos(c), std::acos(c), c);
    }
}

TEST(FixedMath, ExactPoints) {
    EXPECT_EQ(climate::fixed::exp(0.0), 1.0);
    EXPECT_EQ(climate::fixed::log(1.0), 0.0);
    EXPECT_EQ(climate::fixed::pow(0.0, 3.4), 0.0);
    EXPECT_EQ(climate::fixed::acos(1.0), 0.0);
    EXPECT_DOUBLE_EQ(climate::fixed::acos(-1.0), 3.14159265358979323846);
    EXPECT_DOUBLE_EQ(climate::fixed::acos(0.0), 3.14159265358979323846 / 2);
    EXPECT_EQ(climate::fixed::sin(0.0), 0.0);
    EXPECT_EQ(climate::fixed::cos(0.0), 1.0);
}

} // namespace
