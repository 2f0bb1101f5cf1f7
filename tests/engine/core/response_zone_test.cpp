// Zone harmonic response: steady states against hand-worked heat balances of conductances and
// ventilation, a massless zone against its analytic first-order response, and the coupling of zones.
#include "response_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/response_factors.h"
#include "engine/core/work_file.h"
#include "engine/core/zone_response.h"

namespace {

using engine::Complex;
using namespace engine::testing;

constexpr int kMassless = 6; // a resistance of 1 m K/W without heat capacity

class ZoneResponse : public ResponseRun {
  protected:
    void SetUp() override {
        ResponseRun::SetUp();
        setMaterial(kMassless, 0.0, 1.0, 1.0, true);
        define(1, {{kMassless, 100}});                                            // window: R = 0.04 + 0.1
        define(21, {{kBrick, 110}, {kGlasswool, 75}, {kPlasterboard, 10}});       // external wall
        define(51, {{kPlasterboard, 10}, {kGlasswool, 50}, {kPlasterboard, 10}}); // partition
        writeSections();
    }
    static constexpr double uWindow = 1.0 / 0.14;
    static constexpr double rWall = 0.04 + 0.110 / 0.77 + 0.075 / 0.04 + 0.010 / 0.17 + 0.12;
    static constexpr double rPartition = 0.12 + 0.010 / 0.17 + 0.050 / 0.04 + 0.010 / 0.17 + 0.12;
};

TEST_F(ZoneResponse, SteadyStateReproducesTheHandWorkedHeatBalance) {
    // 4 m2 of window and 40 m2 of wall to outdoors, 25 W/K of ventilation, 150 m3 of air.
    pathRecord(1, "Living", 0, {{22, 25.0}, {101, 4.0}, {521, 40.0}, {2500, 150.0}});
    pathRecord(1, "Living", 1, {{21, 25.0}, {301, 4.0}});
    pathRecord(1, "Living", 102, {{721, 40.0}}); // the wall's sol-air temperature
    pathRecord(1, "Living", 302, {{921, 0.6}});  // 60 % of the zone's solar gain lands on the wall
    pathRecord(1, "Living", 452, {{31, 1.0}});   // the zone's internal gain
    respond(1);

    const double uaWindow = 4.0 * uWindow, uaWall = 40.0 / rWall, uaAir = 25.0;
    const double ua = uaWindow + uaWall + uaAir; // 71.455 W/K
    EXPECT_NEAR(ua, 71.4551, 1e-3);
    const auto& hss = state->hp.hss;
    // Work-file values are single precision: agreement to a relative 1e-6.
    EXPECT_NEAR(hss(1, 1), (uaWindow + uaAir) / ua, 1e-6);
    EXPECT_NEAR(hss(1, 102), uaWall / ua, 1e-6);
    EXPECT_NEAR(hss(1, 452), 1.0 / ua, 1e-6 / ua);
    // 1000 W in the zone with 5 °C outdoors and on the wall: 5 + 1000 / 71.455 = 18.995 °C.
    EXPECT_NEAR(5.0 * (hss(1, 1) + hss(1, 102)) + 1000.0 * hss(1, 452), 18.9948, 1e-3);
    // 1 W absorbed at the wall's inside surface: a node tied to the air by the inside film (g2) and
    // to outdoors by the rest of the wall (g1), the air tied to outdoors by the rest (G).
    const double g1 = 40.0 / (rWall - 0.12), g2 = 40.0 / 0.12, g = uaWindow + uaAir;
    const double surface = 0.6 * g2 / (g1 * g2 + g1 * g + g2 * g);
    EXPECT_NEAR(hss(1, 302), surface, 1e-6 * surface);
}

TEST_F(ZoneResponse, AGainWarmsTheZoneAtEveryLag) {
    pathRecord(1, "Living", 0, {{22, 25.0}, {101, 4.0}, {521, 40.0}, {2500, 150.0}});
    pathRecord(1, "Living", 1, {{21, 25.0}, {301, 4.0}});
    pathRecord(1, "Living", 452, {{31, 1.0}});
    pathRecord(1, "Living", 453, {{32, 1.0}});
    respond(1);
    EXPECT_GT(state->hp.hss(1, 452), 0.0);
    EXPECT_GT(state->rf.rfac(1, 452, 1), 0.0);
    EXPECT_GT(state->rf.rfac(1, 453, 1), 0.0);
    // A pulse of heat raises the temperature that the zone still has to lose at every later step.
    for (int n = 2; n <= 24; ++n) EXPECT_GE(state->rf.rfac(n, 452, 1), 0.0) << n;
}

TEST_F(ZoneResponse, MasslessZoneFollowsItsFirstOrderResponse) {
    // Window and ventilation only: H(ω) = UA / (UA + jωC) for the outdoor air, 1 / (UA + jωC) for a
    // gain, with C = 1.25 kJ/m3K × 50 m3 (ω in rad/ks gives W/K).
    pathRecord(1, "Hall", 0, {{22, 10.0}, {101, 3.0}, {2500, 50.0}});
    pathRecord(1, "Hall", 1, {{21, 10.0}, {301, 3.0}});
    pathRecord(1, "Hall", 452, {{31, 1.0}});
    ASSERT_EQ(conduction(1), 0) << report();
    ASSERT_EQ(zoneResponse(), 0) << report();
    const double ua = 10.0 + 3.0 * uWindow, cap = 1.25 * 50.0;
    for (int k = 1; k <= engine::kHarmonics; ++k) {
        const Complex denominator(ua, engine::harmonicFrequency(k) * cap);
        const Complex outdoor = ua / denominator, gain = 1.0 / denominator;
        EXPECT_NEAR(std::abs(state->hz.hres(1, 1, k) - outdoor), 0.0, 1e-6 * std::abs(outdoor)) << k;
        EXPECT_NEAR(std::abs(state->hz.hres(1, 452, k) - gain), 0.0, 1e-6 * std::abs(gain)) << k;
    }
}

TEST_F(ZoneResponse, SectionTwoHundredLeavesTheZoneAirCapacityAlone) {
    define(200, {{kPlasterboard, 10}, {kTimber, 19}}); // its last key is the zone-air marker's number
    state->bss.ngcode = 0;
    engine::openWorkFile(*state, dir / "tape52");
    writeSections();
    pathRecord(1, "Hall", 0, {{22, 10.0}, {101, 3.0}, {2500, 50.0}});
    pathRecord(1, "Hall", 1, {{21, 10.0}, {301, 3.0}});
    ASSERT_EQ(conduction(1), 0) << report();
    ASSERT_EQ(zoneResponse(), 0) << report();
    const double ua = 10.0 + 3.0 * uWindow, cap = 1.25 * 50.0;
    for (int k : {1, 30, 40, 50, 60}) {
        const Complex outdoor = ua / Complex(ua, engine::harmonicFrequency(k) * cap);
        EXPECT_NEAR(std::abs(state->hz.hres(1, 1, k) - outdoor), 0.0, 1e-6 * std::abs(outdoor)) << k;
    }
}

TEST_F(ZoneResponse, ZonesCoupledThroughAPartitionShareTheirDrivers) {
    // Zone 1 loses heat through 5 m2 of window; zone 2 only through 12 m2 of partition into zone 1.
    pathRecord(1, "Kitchen", 0, {{101, 5.0}, {551, 12.0}, {2500, 60.0}});
    pathRecord(1, "Kitchen", 1, {{301, 5.0}});
    pathRecord(1, "Kitchen", 603, {{751, 12.0}});
    pathRecord(2, "Store", 0, {{551, 12.0}, {2500, 20.0}});
    pathRecord(2, "Store", 453, {{31, 1.0}});
    pathRecord(2, "Store", 602, {{751, 12.0}});
    respond(2);
    const double uaWindow = 5.0 * uWindow, uaPartition = 12.0 / rPartition;
    const auto& hss = state->hp.hss;
    // Both zones follow the outdoor air in the steady state, the store through the kitchen.
    EXPECT_NEAR(hss(1, 1), 1.0, 1e-6);
    EXPECT_NEAR(hss(2, 1), 1.0, 1e-6);
    // 1 W in the store flows through the partition and then the window.
    EXPECT_NEAR(hss(1, 453), 1.0 / uaWindow, 1e-6 / uaWindow);
    EXPECT_NEAR(hss(2, 453), 1.0 / uaWindow + 1.0 / uaPartition, 1e-6 / uaPartition);
    EXPECT_EQ(state->hz.iuserow(1), 1);
    EXPECT_EQ(state->hz.iuserow(453), 31);
    EXPECT_EQ(state->hz.iuserow(2), 0);
    EXPECT_EQ(state->hz.nzc, 2);
}

TEST_F(ZoneResponse, KindOfARowIsSetByItsLastEntry) {
    pathRecord(1, "Living", 0, {{22, 25.0}, {521, 40.0}, {2500, 150.0}});
    pathRecord(1, "Living", 302, {{921, 0.5}, {721, 0.0}}); // a surface response, then a transmittance
    pathRecord(1, "Living", 303, {{921, 0.5}});
    pathRecord(1, "Living", 452, {{31, 1.0}});
    pathRecord(1, "Living", 453, {{32, 1.0}});
    ASSERT_EQ(conduction(1), 0) << report();
    ASSERT_EQ(zoneResponse(), 0) << report();
    EXPECT_EQ(state->hz.kindrf(302), engine::kRamp);
    EXPECT_EQ(state->hz.kindrf(303), engine::kTriangle);
    EXPECT_EQ(state->hz.kindrf(452), engine::kPulse);
    EXPECT_EQ(state->hz.kindrf(453), engine::kTriangle);
    EXPECT_EQ(state->zn.idrvuse(302, 1), 31);
    EXPECT_EQ(state->zn.idrvuse(452, 1), 31);
}

TEST_F(ZoneResponse, PathWithoutStoredGorcumStopsWithTheZoneRowAndCode) {
    pathRecord(1, "Living", 0, {{22, 25.0}, {521, 40.0}, {2500, 150.0}});
    pathRecord(1, "Living", 1, {{777, 4.0}});
    ASSERT_EQ(conduction(1), 0) << report();
    EXPECT_EQ(zoneResponse(), 1);
    EXPECT_NE(
        report().find("               GORCUMS NOT STORED OR NOT ALLOWED: ZONE Living          PATH      1 "
                      "INDEX    777"),
        std::string::npos)
        << report();
}

TEST_F(ZoneResponse, ZoneThatExchangesNoHeatStopsInsteadOfDividingByZero) {
    pathRecord(1, "Closet", 0, {{2500, 0.0}});
    pathRecord(1, "Closet", 452, {{31, 1.0}});
    ASSERT_EQ(conduction(1), 0) << report();
    EXPECT_EQ(zoneResponse(), 1);
    EXPECT_NE(report().find("ZONE Closet          EXCHANGES NO HEAT"), std::string::npos) << report();
}

TEST_F(ZoneResponse, HundredAndFiftyFirstZoneStopsWithItsMessage) {
    for (int z = 1; z <= 151; ++z) pathRecord(z, "Room " + std::to_string(z), 0, {{22, 10.0}, {2500, 50.0}});
    ASSERT_EQ(conduction(150), 0) << report();
    EXPECT_EQ(zoneResponse(), 1);
    EXPECT_NE(report().find("               ERROR: TOO MANY ZONES"), std::string::npos) << report();
}

TEST_F(ZoneResponse, PrintSwitchesWriteTheirDiagnosticsToTheReport) {
    pathRecord(1, "Hall", 0, {{22, 10.0}, {101, 3.0}, {2500, 50.0}});
    pathRecord(1, "Hall", 1, {{21, 10.0}, {301, 3.0}});
    state->blank.iprnt1 = 2;
    state->blank.iprnt2 = 2;
    state->blank.iprnt3 = 1;
    state->blank.iprnt4 = 1;
    state->blank.iprnt8 = 1;
    state->names.zname(1) = "Hall           ";
    state->zn.idrvuse(engine::kDriverUseRows, 1) = 1;
    respond(1);
    const std::string text = report();
    // U = 1 / 0.14 = 7.143 W/m2K for the window; D(1) = -(10 + 3 × 7.142857) = -31.428571 W/K.
    for (const char* line :
         {"     RESIST & CAPAC DATA FOR BUILDING SECTION   101:   2 ELEMENTS   0   0   0   0",
          "     U VALUE FOR ELEMENT NO.   101 =  7.143 W/SQ M.K", "     ZONE   Hall         PATH NO     1",
          " Hall              STEADY STATE DENOMINATOR   -31.428571    0.000000",
          " Harmonic response after zone calcs", " ZONE  1 (Hall           )     PATH  1",
          " NORMALIZED SUM OF EXPONENTIAL COEFFICIENTS =", " EXPONENTIAL COEFFICIENTS", " Response factors"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

} // namespace
