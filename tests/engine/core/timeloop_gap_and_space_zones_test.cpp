// Correlations of the special zones and the arithmetic of the loop's schedules.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/gap_and_space_zones.h"
#include "engine/core/response_factors.h"
#include "engine/core/state.h"
#include "engine/core/time_loop.h"
#include "engine/core/zone_heat_balance.h"

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

namespace {

// Three zones whose same-step responses to a watt in each other are set by hand.
class SpecialZoneStep : public ::testing::Test {
  protected:
    void SetUp() override {
        s.zones.nzones = 3;
        s.rf.nd = 24;
        s.rf.rfac.allocate(1, 24 + engine::kLongTermPoints, 1, engine::kResponseDriverRows, 1, 3, 0.0);
        s.rf.fut.allocate(1, 24 + engine::kFuturePoints, 1, 3, 0.0);
        for (int m = 1; m <= 3; ++m)
            for (int n = 1; n <= 3; ++n)
                for (int j = 1; j <= 24 + engine::kLongTermPoints; ++j)
                    s.rf.rfac(j, 451 + m, n) = (m == n ? 0.002 : 0.0005) / j;
        s.hz.nzc = 3;
        engine::tabulateSameStep(s);
        s.numerics.maxitg = 100;
        s.numerics.convg = 0.001;
    }
    double c(int m, int n) { return s.rf.rfac(1, 451 + m, n); }
    void temperatures(double t1, double t2, double t3) {
        for (int j = 1; j <= 24 + engine::kFuturePoints; ++j) {
            s.rf.fut(j, 1) = t1;
            s.rf.fut(j, 2) = t2;
            s.rf.fut(j, 3) = t3;
        }
    }

    engine::EngineState s;
};

TEST_F(SpecialZoneStep, AirGapWithEqualResistancesAddsNoGain) {
    temperatures(10.0, 20.0, 0.0);
    s.airgaps.gapr2(1) = s.airgaps.gapr3(1) = 0.5;
    s.airgaps.gaparea(1) = 20.0;
    engine::gapadjust_s(s, 1, 2);
    EXPECT_DOUBLE_EQ(s.rf.fut(1, 1), 10.0);
    EXPECT_DOUBLE_EQ(s.rf.fut(1, 2), 20.0);
}

TEST_F(SpecialZoneStep, AirGapColderThanItsNeighbourTakesItsOwnResistance) {
    temperatures(10.0, 20.0, 0.0);
    s.sysb.tzonea(1) = 10.0;
    s.sysb.tzonea(2) = 20.0;
    s.airgaps.gapr2(1) = 0.2; // U 5 while the gap is the colder side
    s.airgaps.gapr3(1) = 1.0; // U 1 the other way; the model holds the mean 3
    s.airgaps.gaparea(1) = 20.0;
    engine::gapadjust_s(s, 1, 2);
    const double tg = s.rf.fut(1, 1), tn = s.rf.fut(1, 2);
    // The gain q = (5 - 3) × 20 × (Tn - Tg) into the gap, -q into the neighbour, at the settled
    // temperatures.
    const double q = 2.0 * 20.0 * (tn - tg);
    EXPECT_NEAR(tg, 10.0 + q * (c(1, 1) - c(2, 1)), 0.002);
    EXPECT_NEAR(tn, 20.0 + q * (c(1, 2) - c(2, 2)), 0.002);
    EXPECT_GT(tg, 10.0);
    EXPECT_LT(tn, 20.0);
}

// The correction injected by a space is the whole one at its settled temperatures: with those
// temperatures the gains worked from the model's coefficients reproduce them, however many passes
// the iteration took.
TEST_F(SpecialZoneStep, RoofSpaceInjectsTheWholeCorrectionAtItsSettledTemperatures) {
    temperatures(20.0, 30.0, 45.0); // ceiling, roof-space air, roof
    auto& rs = s.roofspaces;
    rs.arsc(2) = 100.0;
    rs.lrsc(2) = 10.0;
    rs.hrsc0(2) = 2.0;
    rs.arsr(2) = 120.0;
    rs.lrsr(2) = 10.0;
    rs.hrsr0(2) = 2.0;
    rs.hrsrad0(2) = 5.0;
    rs.remisr(2) = 0.8;
    rs.rsslope(2) = 22.5;
    rs.arsx(2) = 10.0;
    const double flow = 0.5; // m³/s
    engine::roofspaceadjust_s(s, 2, 1, 3, flow);
    engine::injectWithAirExchange(s, s.zonestep.addgain);
    const double tc = s.rf.fut(1, 1), ta = s.rf.fut(1, 2), tr = s.rf.fut(1, 3);

    auto coefficient = [&](double ts, double length, bool roof) {
        const double tm = (ts + ta) / 2.0 + 273.15;
        double pr, mu, rho, k;
        engine::airproperties(tm, pr, mu, rho, k);
        const double gr = std::pow(length, 3) * std::fabs(ts - ta) * rho * rho * 9.8 / (mu * mu * tm);
        const double free = roof ? engine::roofUndersideFree(gr * pr, gr, pr, 22.5, ts > ta)
                                 : engine::horizontalFree(gr * pr, ts >= ta);
        const double forced = engine::forcedConvection(flow / 10.0 * length * rho / mu, pr);
        return k / length * std::cbrt(std::pow(forced, 3) + std::pow(free, 3));
    };
    const double hr = coefficient(tr, 10.0, true), hc = coefficient(tc, 10.0, false);
    const double hrad = 0.8 * 4.0 * 5.6697e-8 * std::pow((tc + tr) / 2.0 + 273.15, 3);
    const double qr = (ta - tr) * 120.0 * (hr - 2.0) + (tc - tr) * 100.0 * (hrad - 5.0);
    const double qa = (tc - ta) * 100.0 * (hc - 2.0) + (tr - ta) * 120.0 * (hr - 2.0);
    const double qc = (ta - tc) * 100.0 * (hc - 2.0) + (tr - tc) * 100.0 * (hrad - 5.0);
    EXPECT_GT(std::fabs(qr) + std::fabs(qa) + std::fabs(qc), 100.0);
    EXPECT_NEAR(tc, 20.0 + qc * c(1, 1) + qa * c(2, 1) + qr * c(3, 1), 0.005);
    EXPECT_NEAR(ta, 30.0 + qc * c(1, 2) + qa * c(2, 2) + qr * c(3, 2), 0.005);
    EXPECT_NEAR(tr, 45.0 + qc * c(1, 3) + qa * c(2, 3) + qr * c(3, 3), 0.005);
}

TEST_F(SpecialZoneStep, SubfloorWithoutFilmsOrLengthsChangesNothing) {
    temperatures(18.0, 14.0, 12.0); // floor, subfloor air, ground
    s.subflspaces.asff(2) = 50.0;
    s.subflspaces.asfg(2) = 50.0;
    s.subflspaces.remisf(2) = 0.9;
    engine::subfladjust_s(s, 2, 1, 3, 0.1);
    engine::injectWithAirExchange(s, s.zonestep.addgain);
    EXPECT_DOUBLE_EQ(s.rf.fut(1, 1), 18.0);
    EXPECT_DOUBLE_EQ(s.rf.fut(1, 2), 14.0);
    EXPECT_DOUBLE_EQ(s.rf.fut(1, 3), 12.0);
}

} // namespace
