// Psychrometrics, the comfort test and the cooling coil against published tables and hand-worked
// values.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/core/input_reader.h"
#include "engine/core/main_program.h"
#include "engine/core/plant.h"
#include "engine/core/response_factors.h"
#include "engine/core/state.h"
#include "engine/core/zone_heat_balance.h"

namespace {

using namespace engine;

TEST(PlantPsychrometrics, SaturationPressureAndHumidityFollowThePublishedTables) {
    // Saturation pressure over water (kPa) and humidity ratio at saturation (g/kg) at sea level.
    struct Row {
        double t, pressure, saturated;
    };
    for (const Row& r : {Row{0.0, 0.6112, 3.79}, Row{20.0, 2.339, 14.75}, Row{30.0, 4.246, 27.3}}) {
        EXPECT_NEAR(p1(r.t), r.pressure, 0.005 * r.pressure) << r.t;
        double w = 0.0;
        tandrh(r.t, 100.0, w);
        EXPECT_NEAR(w, r.saturated, 0.01 * r.saturated) << r.t;
    }
}

TEST(PlantPsychrometrics, HumidityAboveSaturationIsLoweredToIt) {
    double w = 30.0, rh = 0.0;
    tandw(20.0, w, rh);
    EXPECT_DOUBLE_EQ(rh, 100.0);
    double saturated = 0.0;
    tandrh(20.0, 100.0, saturated);
    EXPECT_DOUBLE_EQ(w, saturated);
    // Half the saturation pressure is close to 50 %.
    double half = 0.0;
    tandrh(20.0, 50.0, half);
    tandw(20.0, half, rh);
    EXPECT_NEAR(rh, 50.0, 1e-9);
}

TEST(PlantComfort, StillAirComfortDependsOnHumidity) {
    double w = 10.0;
    int result = -1;
    checkcondition(26.0, 27.0, 25.0, 0.0, w, result);
    EXPECT_EQ(result, 1);
    w = 13.0;
    checkcondition(26.0, 27.0, 25.0, 0.0, w, result);
    EXPECT_EQ(result, 0);
    // Below the cooling set-point a zone is always comfortable.
    w = 13.0;
    checkcondition(24.0, 27.0, 25.0, 0.0, w, result);
    EXPECT_EQ(result, 1);
}

TEST(PlantComfort, AirSpeedOfPointTwoCountsAsStillAndMovingAirCools) {
    // A warm dry zone: too warm in still air, comfortable with 1 m/s of moving air.
    double w = 8.0;
    int still = -1, edge = -1, moving = -1;
    checkcondition(29.0, 27.0, 25.0, 0.0, w, still);
    checkcondition(29.0, 27.0, 25.0, 0.2, w, edge);
    checkcondition(29.0, 27.0, 25.0, 1.0, w, moving);
    EXPECT_EQ(still, 0);
    EXPECT_EQ(edge, still);
    EXPECT_EQ(moving, 1);
}

TEST(PlantCoil, PartLoadRunsAFractionAndMeetsTheSensibleLoad) {
    double w = 10.0, vs = 100.0; // g/kg, L/s
    CoilResult r;
    // Capacity 1.212 × 100 × (24 - 14) = 1212 W; a 606 W load runs half the time.
    coilld(10.0, w, vs, 0.0, 0.0, 606.0, 30.0, 24.0, 14.0, 0.5, 250.0, r);
    EXPECT_NEAR(r.fraction, 0.5, 1e-12);
    EXPECT_NEAR(r.sensible, 606.0, 1e-9);
    EXPECT_DOUBLE_EQ(vs, 100.0);
    EXPECT_GE(r.latent, 0.0);
    EXPECT_LE(w, 10.0);
}

TEST(PlantCoil, LoadBeyondCapacityRaisesTheSupplyAirFlow) {
    double w = 10.0, vs = 100.0;
    CoilResult r;
    coilld(10.0, w, vs, 0.0, 0.0, 2424.0, 30.0, 24.0, 14.0, 0.5, 250.0, r);
    EXPECT_DOUBLE_EQ(r.fraction, 1.0);
    EXPECT_NEAR(vs, 200.0, 1e-9);
    EXPECT_NEAR(r.sensible, 2424.0, 1e-9);
}

TEST(PlantCoil, SetPointAtOrBelowTheSupplyAirStaysFinite) {
    for (double tset : {14.0, 12.0}) {
        double w = 10.0, vs = 100.0;
        CoilResult r;
        coilld(10.0, w, vs, 0.0, 50.0, 500.0, 30.0, tset, 14.0, 0.5, 250.0, r);
        EXPECT_TRUE(std::isfinite(r.sensible) && std::isfinite(r.latent) && std::isfinite(vs) &&
                    std::isfinite(w))
            << tset;
        EXPECT_NEAR(r.sensible, 500.0, 1e-9) << tset; // the ideal plant still meets the load
        EXPECT_GT(vs, 0.0);
    }
}

TEST(PlantHumidity, UncooledZoneApproachesOutdoorHumidityPlusItsGain) {
    // 250 m³ at 1 air change: G = 208.3; 416.7 W of latent gain lifts the steady state by 2 g/kg.
    const double g = 250.0 * 1.0 * 0.8333333;
    double w = 8.0;
    for (int h = 0; h < 50; ++h) w = uncooledHumidity(w, 250.0, 1.0, 6.0, 2.0 * g);
    EXPECT_NEAR(w, 8.0, 1e-6);
    EXPECT_NEAR(uncooledHumidity(8.0, 250.0, 1.0, 6.0, 0.0), 6.0 + 2.0 * std::exp(-1.0), 1e-12);
    EXPECT_EQ(uncooledHumidity(1.0, 250.0, 1.0, 0.0, -1e6), 0.0);
}

// One cooled zone (no heating) handed to the plant with its free temperature set, as the zone heat
// balance and the special zones leave it: 1 W held in the zone over the step lifts its air by c K.
class CooledZone : public ::testing::Test {
  protected:
    static constexpr double kRise = 0.01; // K/W, c(1→1)
    static constexpr double kSetPoint = 25.0;

    void SetUp() override {
        EngineState& s = *state;
        setTimeConstants(s);
        setInputDefaults(s);
        s.zones.nzones = 1;
        s.zones.zvol(1) = 100.0;
        s.sysa.iconon = 1;
        s.sysa.ncond = 1;
        s.sysa.icondz(1) = 1;
        s.sysa.icool(1) = 1;
        for (int t = 1; t <= 24; ++t) s.sysa.tcool(t, 1) = kSetPoint;
        s.plant.wzone(1) = 8.0;
        s.plant.vsup(1) = 100.0;
        const int lags = 24 + kLongTermPoints;
        s.rf.rfac.allocate(1, lags, 1, kResponseDriverRows, 1, 1, 0.0);
        s.rf.fut.allocate(1, 24 + kFuturePoints, 1, 1, 0.0);
        s.rf.rfac(1, kGainRowOffset + 1, 1) = kRise;
        s.hz.nzc = 1;
        tabulateSameStep(s);
    }

    // One step at 12:00 with the comfort test asking for cooling; the zone's free temperature is T.
    void step(double freeTemperature) {
        EngineState& s = *state;
        s.rf.fut(1, 1) = freeTemperature;
        s.zonestep.coolreq(1) = 1;
        hvacsystem(s, 8.0, 30.0, kSupplyTemperature, 30.0, 1, 12);
    }

    std::unique_ptr<EngineState> state = std::make_unique<EngineState>();
};

TEST_F(CooledZone, IsCooledToItsSetPointWhenAboveIt) {
    step(27.0);
    // 2 K above the set-point at 0.01 K/W: 200 W of sensible cooling, 0.72 MJ in the hour.
    EXPECT_NEAR(state->en1.ecs(1), 200.0 * 0.0036, 1e-9);
    EXPECT_EQ(state->en1.eh(1), 0.0);
    EXPECT_NEAR(state->rf.fut(1, 1), kSetPoint, 1e-9);
}

// A zone that the special zones (or its fan's allowance) left below its cooling target needs no
// plant: holding it at the target would heat a zone that has no heating.
TEST_F(CooledZone, BelowItsTargetGetsNoLoadAtAll) {
    step(24.0);
    EXPECT_EQ(state->en1.eh(1), 0.0);
    EXPECT_EQ(state->en1.ecs(1), 0.0);
    EXPECT_EQ(state->en1.ehsum(1), 0.0);
    EXPECT_EQ(state->peaks.pkh3(1), 0.0);
    EXPECT_NEAR(state->rf.fut(1, 1), 24.0, 1e-12);
}

} // namespace
