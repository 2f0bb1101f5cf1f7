#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace engine {
namespace {

TEST(MainProgram, HistoryWeightsMatchTheirClosedForm) {
    auto state = std::make_unique<EngineState>();
    fillValu(*state);
    const auto& v = state->valu;
    // First grid point, 24 h: e = (16 / ln 2) ln(25/24) = 0.94230.
    EXPECT_NEAR(v.valua(1), 0.955892, 1e-6);
    EXPECT_NEAR(v.valub(1), 0.071294, 1e-6);
    EXPECT_NEAR(v.valuc(1), 0.013593, 1e-6);
    // Last grid point, 24 × 2^12 h = 98304 h: e ≈ 16 / (98304 ln 2).
    const double e193 = 16.0 / std::log(2.0) * std::log(1.0 + 1.0 / 98304.0);
    EXPECT_NEAR(e193, 0.000235, 5e-7);
    EXPECT_NEAR(v.valuc(193), (e193 - e193 * e193) / 4, 1e-12);
    // The three weights always combine to one.
    for (int i = 1; i <= 193; ++i) EXPECT_NEAR(v.valua(i) + v.valub(i) - 2 * v.valuc(i), 1.0, 1e-12) << i;
    EXPECT_EQ(v.ivaloff, 21);
    // Tail: x = 24 / 2^(1/16) = 22.98248, f = 0.98248.
    const double f = 24.0 / std::pow(2.0, 0.0625) - 22.0;
    EXPECT_NEAR(f, 0.98248, 1e-5);
    EXPECT_NEAR(v.valua0, f * (5 - f) / 4, 1e-12);
    EXPECT_NEAR(v.valub0, (4 - 3 * f - f * f) / 4, 1e-12);
}

TEST(MainProgram, TimeConstantsAreHourly) {
    auto state = std::make_unique<EngineState>();
    setTimeConstants(*state);
    EXPECT_EQ(state->time.mintstep, 60);
    EXPECT_EQ(state->time.mintwx, 60);
    EXPECT_EQ(state->time.nstphr, 1);
    EXPECT_EQ(state->time.nwxhr, 1);
}

} // namespace
} // namespace engine
