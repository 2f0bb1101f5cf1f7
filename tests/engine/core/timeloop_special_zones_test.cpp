// Correlations of the special zones and the arithmetic of the loop's schedules.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/special_zones.h"
#include "engine/core/time_loop.h"

namespace {

using namespace engine;

TEST(SpecialZones, AirPropertiesAtRoomTemperature) {
    double pr = 0.0, mu = 0.0, rho = 0.0, k = 0.0;
    airproperties(300.0, pr, mu, rho, k);
    // Published values for dry air at 300 K.
    EXPECT_NEAR(pr, 0.707, 0.005);
    EXPECT_NEAR(mu, 1.846e-5, 0.02e-5);
    EXPECT_NEAR(rho, 1.177, 0.005);
    EXPECT_NEAR(k, 0.0263, 0.0005);
}

TEST(SpecialZones, CriticalGrashofNumberIsContinuousAtItsBreaks) {
    // Below the critical Grashof number the inclined-plate form holds; compare the two sides of each
    // break through the Nusselt number at a Grashof number just above 1e6 and 5e9.
    const double pr = 0.71;
    auto nu = [pr](double gr, double theta) { return roofUndersideFree(gr * pr, gr, pr, theta, false); };
    EXPECT_NEAR(nu(1.05e6, 15.0), nu(1.05e6, 15.1), 0.02 * nu(1.05e6, 15.0));
    EXPECT_NEAR(nu(5.2e9, 75.0), nu(5.2e9, 75.1), 0.02 * nu(5.2e9, 75.0));
    // A flat roof cooler than the air: the horizontal unstable form.
    EXPECT_DOUBLE_EQ(nu(2e7, 0.0), 0.15 * std::cbrt(2e7 * pr));
}

TEST(SpecialZones, CeilingWarmerThanTheAirUsesTheUnstableForm) {
    EXPECT_DOUBLE_EQ(horizontalFree(1e6, true), 0.54 * std::pow(1e6, 0.25));
    EXPECT_DOUBLE_EQ(horizontalFree(1e7, true), 0.15 * std::cbrt(1e7));
    EXPECT_DOUBLE_EQ(horizontalFree(1e7, false), 0.58 * std::pow(1e7, 0.2));
}

TEST(SpecialZones, ForcedConvectionIsLaminarUpToItsTransition) {
    EXPECT_DOUBLE_EQ(forcedConvection(0.0, 0.71), 0.0);
    EXPECT_NEAR(forcedConvection(1e4, 0.71), 0.664 * std::cbrt(0.71) * 100.0, 1e-9);
    EXPECT_NEAR(forcedConvection(1e6, 0.71), std::cbrt(0.71) * (0.037 * std::pow(1e6, 0.8) - 850.0), 1e-9);
}

TEST(TimeLoopSchedules, CoveringStatesFollowTheirHours) {
    struct Case {
        int h, c, o;
        double t;
        int expected;
    };
    // Closing 18, opening 6: closed 19..23 and 0..6, solar-controlled 7..18, open when cool.
    for (const Case& k :
         {Case{19, 18, 6, 25.0, 1}, Case{3, 18, 6, 25.0, 1}, Case{6, 18, 6, 25.0, 1}, Case{7, 18, 6, 25.0, 2},
          Case{18, 18, 6, 25.0, 2}, Case{12, 18, 6, 10.0, 0}, Case{10, 6, 18, 25.0, 1},
          Case{20, 6, 18, 25.0, 2}, Case{20, 6, 18, 10.0, 0}, Case{5, 8, 8, 25.0, 2}, Case{5, 8, 8, 10.0, 0}})
        EXPECT_EQ(coveringState(k.h, k.c, k.o, k.t, 15.0), k.expected) << k.h << " " << k.c << " " << k.o;
}

TEST(TimeLoopSchedules, HourTwentyFourFoldsToMidnight) {
    int c = 24, o = 0;
    EXPECT_TRUE(foldScheduleHours(c, o)); // closed all day
    c = 24, o = 5;
    EXPECT_FALSE(foldScheduleHours(c, o));
    EXPECT_EQ(c, 0);
    EXPECT_EQ(o, 5);
    c = 7, o = 24;
    EXPECT_FALSE(foldScheduleHours(c, o));
    EXPECT_EQ(o, 0);
}

} // namespace
