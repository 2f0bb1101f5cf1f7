// The zone heat balance of one step when the zone temperatures cannot be solved with the air flows:
// the zones keep their superposed temperatures, and no air-flow gain is worked out from them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/core/response_factors.h"
#include "engine/core/state.h"
#include "engine/core/zone_heat_balance.h"

namespace engine {
namespace {

constexpr int kStep = 1;
constexpr double kOutdoor = 5.0;  // °C
constexpr double kZone = 20.0;    // °C, the zone's superposed temperature of the step
constexpr double kAirHeat = 1207; // W/K per m³/s of air

// One zone with mechanical supply of outdoor air and no ventilation network.
class ZoneBalanceFallback : public ::testing::Test {
  protected:
    void SetUp() override {
        state = std::make_unique<EngineState>();
        EngineState& s = *state;
        s.time.nstphr = 1;
        allocateInputBlocks(s);
        s.zones.nzones = 1;
        s.zones.zvol(1) = 100.0;
        s.blank.drive(1, kStep) = kOutdoor;
        s.rf.fut.allocate(1, responseLags(s) + 2, 1, 1, kZone);
        s.rf.samestep.allocate(1, 1, 1, 1, 0.0);
        s.loop.injectzone.allocate(1, 8, 0);
        s.loop.injectslot.allocate(1, 8, 0);
        s.loop.injectgain.allocate(1, 8, 0.0);
    }

    std::unique_ptr<EngineState> state;
};

TEST_F(ZoneBalanceFallback, ZoneKeepsItsSuperposedTemperatureWithNoAirFlowGain) {
    struct Case {
        const char* what;
        double supply;   // m³/s of outdoor air
        double response; // K/W, the zone's same-step response to its own gain
    };
    const Case cases[] = {
        // 1 + c × fcond = 1 - 0.5 × 2 = 0: the matrix of the zone temperatures is singular.
        {"singular", 2.0 / kAirHeat, -0.5},
        // An air flow too large for a double: the solution is not finite.
        {"not finite", 1e306, 0.01},
    };
    for (const Case& c : cases) {
        SetUp();
        EngineState& s = *state;
        s.flow.qmsup(1) = c.supply;
        s.rf.samestep(1, 1) = c.response;
        balanceZones(s, kStep, 1);
        EXPECT_EQ(s.rf.fut(1, 1), kZone) << c.what;
        EXPECT_EQ(s.zonestep.xzone(1), kZone) << c.what;
        EXPECT_EQ(s.zonestep.qflow(1), 0.0) << c.what;
    }
}

// The same zone with a sound system: the outdoor air is solved with the zone's temperature and its
// gain is injected, so the zone ends where the balance b = x + c × f × (x - Tout) puts it.
TEST_F(ZoneBalanceFallback, SolvableZoneTakesItsAirFlowGain) {
    EngineState& s = *state;
    const double f = 50.0;  // W/K
    const double c = 0.002; // K/W
    s.flow.qmsup(1) = f / kAirHeat;
    s.rf.samestep(1, 1) = c;
    balanceZones(s, kStep, 1);
    const double x = (kZone + c * f * kOutdoor) / (1.0 + c * f);
    EXPECT_NEAR(s.rf.fut(1, 1), x, 1e-9);
    EXPECT_NEAR(s.zonestep.qflow(1), f * (kOutdoor - x), 1e-9);
}

} // namespace
} // namespace engine
