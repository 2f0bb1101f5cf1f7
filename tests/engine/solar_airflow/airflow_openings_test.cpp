// The preparation of the ventilation openings after the input, the coefficients of a large
// opening, the wind sectors, the pressure coefficients and the tests for non-finite pressures.
#include "airflow_network_fixture.h"

#include "engine/core/run_stop.h"
#include "engine/solar_airflow/network_checks.h"
#include "engine/solar_airflow/opening_flows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace engine::testing {
namespace {

TEST(VentilationOpenings, DerivesProfilesHeightsCoefficientsAndVolume) {
    AirflowNetwork net;
    const int lower = net.addZone(0.0, 2.4, 60.0);
    const int upper = net.addZone(1.5, 2.4, 50.0);    // split level: heights overlap from 1.5 to 2.4
    const int hall = net.addZone(0.0, 2.7, 100000.0); // too large to count in the total volume
    const int loft = net.addZone(5.0, 2.0, 20.0);     // no overlap with the lower zone
    net.addOpening(lower, {.width = 1.2, .cd = 0.6, .perc = 50.0, .low = 0.9, .high = 2.1});
    net.addOpening(lower, {.width = 1.0, .low = 1.6, .high = 2.3, .adjzon = upper, .contyp = 4});
    net.addOpening(upper, {.width = 1.0, .low = 0.1, .high = 0.8, .adjzon = lower, .contyp = 4});
    net.addOpening(lower, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = hall, .contyp = 1});
    net.addOpening(hall, {.width = 0.8, .perc = 0.0, .low = 0.0, .high = 2.0, .adjzon = lower, .contyp = 2});
    net.addOpening(lower, {.width = 1.0, .low = 0.0, .high = 2.0, .adjzon = loft, .contyp = 4});
    net.addOpening(loft, {.width = 1.0, .low = 0.0, .high = 1.0, .expon = 0.0});
    net.finishInput();
    const auto& s = net.state();

    EXPECT_DOUBLE_EQ(s.others.voltot, 60.0 + 50.0 + 20.0);
    // An opening to the outdoors or between zones that share floor and height spans the zone's
    // ceiling height and keeps its heights.
    EXPECT_DOUBLE_EQ(s.geo.ohgt(lower, 1), 2.4);
    EXPECT_DOUBLE_EQ(s.geo.ohgt(lower, 3), 2.4);
    EXPECT_DOUBLE_EQ(s.geo.ohgt(hall, 1), 2.7);
    EXPECT_DOUBLE_EQ(s.geo.olow(lower, 3), 0.0);
    EXPECT_DOUBLE_EQ(s.geo.ohigh(lower, 3), 2.0);
    // Split level: the common range 1.5 .. 2.4 m above the lower floor; heights from its bottom.
    EXPECT_NEAR(s.geo.ohgt(lower, 2), 0.9, 1e-12);
    EXPECT_NEAR(s.geo.olow(lower, 2), 0.1, 1e-12);
    EXPECT_NEAR(s.geo.ohigh(lower, 2), 0.8, 1e-12);
    EXPECT_NEAR(s.geo.ohgt(upper, 1), 0.9, 1e-12);
    EXPECT_DOUBLE_EQ(s.geo.olow(upper, 1), 0.1);
    EXPECT_DOUBLE_EQ(s.geo.ohigh(upper, 1), 0.8);
    // Zones whose heights do not overlap: no profile, and the opening keeps no height.
    EXPECT_LT(s.geo.ohgt(lower, 4), 0.0);
    EXPECT_EQ(s.geo.olow(lower, 4), 0.0);
    EXPECT_EQ(s.geo.ohigh(lower, 4), 0.0);
    // Base coefficient: open fraction × Cd × width × (2 / 1.2)^n, so that with the opening's
    // height it gives the orifice law Cd A sqrt(2 dp / rho).
    EXPECT_NEAR(s.open1.okbase(lower, 1), 0.5 * 0.6 * 1.2 * std::sqrt(2.0 / 1.2), 1e-12);
    EXPECT_EQ(s.open1.okbase(hall, 1), 0.0);
    // A missing flow exponent is taken as that of a sharp-edged opening.
    EXPECT_EQ(s.open1.oexpon(loft, 1), 0.5);
    EXPECT_NEAR(s.open1.okbase(loft, 1), 0.6 * std::sqrt(2.0 / 1.2), 1e-12);
}

TEST(VentilationOpenings, RelativeHeightsJustBelowZeroBecomeZero) {
    AirflowNetwork net;
    const int a = net.addZone(0.0, 2.4, 60.0);
    const int b = net.addZone(1.00005, 2.4, 60.0);
    net.addOpening(a, {.width = 1.0, .low = 1.00001, .high = 2.0, .adjzon = b, .contyp = 3});
    net.finishInput();
    EXPECT_EQ(net.state().geo.olow(a, 1), 0.0);
    EXPECT_NEAR(net.state().geo.ohigh(a, 1), 0.99995, 1e-9);
}

TEST(LargeOpening, CoefficientsFollowTheNeutralPlane) {
    const double k = 0.7, f = 1.0, n = 0.5;
    // A profile spanned by the opening with the plane at its middle: equal parts.
    const auto half = largeOpeningCoefficients(0.0, 2.0, 1.0, 2.0, n, k, f);
    EXPECT_NEAR(half.below, half.above, 1e-12);
    EXPECT_NEAR(half.below, k / 1.5, 1e-12);
    // Plane far above or below: the plain area formula on one side.
    const auto above = largeOpeningCoefficients(0.5, 1.5, 1500.0, 2.0, n, k, f);
    EXPECT_DOUBLE_EQ(above.below, 1.0 * k);
    EXPECT_EQ(above.above, 0.0);
    const auto below = largeOpeningCoefficients(0.5, 1.5, -1500.0, 2.0, n, k, f);
    EXPECT_EQ(below.below, 0.0);
    EXPECT_DOUBLE_EQ(below.above, 1.0 * k);
    // Plane above the opening inside the profile: the integral of sqrt(zn - z) over the opening
    // over sqrt(zn), zn = 1.8, opening 0.5 .. 1.5.
    const auto inside = largeOpeningCoefficients(0.5, 1.5, 1.8, 2.0, n, k, 0.5);
    const double expected = 0.5 * k * (std::pow(1.3, 1.5) - std::pow(0.3, 1.5)) / 1.5 / std::sqrt(1.8);
    EXPECT_NEAR(inside.below, expected, 1e-12);
    // An opening without height or a plane on its bottom edge stays finite.
    for (double zn : {0.0, 1e-30, 2.0}) {
        const auto c = largeOpeningCoefficients(0.0, 0.0, zn, 0.0, n, k, f);
        EXPECT_TRUE(std::isfinite(c.below) && std::isfinite(c.above)) << zn;
    }
}

TEST(AirflowNetworkChecks, WindSectorsIncludeTheirUpperBound) {
    struct Case {
        double direction;
        int sector;
    };
    for (const Case c : {Case{0.0, 1},
                         {23.0, 1},
                         {23.5, 2},
                         {68.0, 2},
                         {113.0, 3},
                         {158.0, 4},
                         {180.0, 5},
                         {248.0, 6},
                         {293.0, 7},
                         {338.0, 8},
                         {338.5, 1},
                         {360.0, 1}}) {
        EXPECT_EQ(windsector(c.direction, 5), c.sector) << c.direction;
    }
    EXPECT_EQ(windsector(std::numeric_limits<double>::quiet_NaN(), 6), 6);
}

TEST(AirflowNetworkChecks, EveryNonFiniteValueIsCaught) {
    // NaNs of every bit pattern, not only the default quiet one.
    const std::uint64_t patterns[] = {0x7FF8000000000000ULL, 0xFFF8000000000000ULL, 0x7FF0000000000001ULL,
                                      0x7FF4000000000000ULL};
    for (std::uint64_t bits : patterns) {
        double x = 0.0;
        std::memcpy(&x, &bits, sizeof x);
        EXPECT_TRUE(sisnan(x)) << std::hex << bits;
    }
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(posinf(inf));
    EXPECT_FALSE(posinf(-inf));
    EXPECT_TRUE(neginf(-inf));
    EXPECT_FALSE(neginf(1e308));
    EXPECT_FALSE(sisnan(1.0));
}

TEST(PressureCoefficients, LaterSetOfOneNumberWinsAndNegativeMeansNoWind) {
    AirflowNetwork net;
    net.addPressureSet(7, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8});
    net.addPressureSet(7, {-0.1, -0.2, -0.3, -0.4, -0.5, -0.6, -0.7, -0.8});
    const int z = net.addZone(0.0, 2.4, 50.0);
    const int other = net.addZone(0.0, 2.4, 50.0);
    net.addOpening(z, {.width = 1.0, .low = 1.0, .high = 2.0, .cpindx = 7});
    net.addOpening(z, {.width = 1.0, .low = 1.0, .high = 2.0, .cpindx = -1});
    // An internal opening sees no wind: its set number is never looked up.
    net.addOpening(z, {.width = 0.8, .cpindx = 99, .adjzon = other, .contyp = 1});
    net.addOpening(other, {.width = 0.8, .cpindx = 0, .adjzon = z, .contyp = 1});
    net.finishInput();
    EXPECT_EQ(net.step(20.0, 20.0, 3.0, 100.0), 0); // sector 3
    EXPECT_DOUBLE_EQ(net.state().wind.cpop(z, 1), -0.3);
    EXPECT_EQ(net.state().wind.cpop(z, 2), 0.0);
    EXPECT_EQ(net.state().wind.cpop(z, 3), 0.0);
    EXPECT_EQ(net.state().wind.cpop(other, 1), 0.0);
}

TEST(PressureCoefficients, MissingSetOfAnOutdoorOpeningStopsTheRun) {
    AirflowNetwork net;
    net.addPressureSet(1, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8});
    const int z = net.addZone(0.0, 2.4, 50.0);
    net.addOpening(z, {.width = 1.0, .cpindx = 1});
    net.addOpening(z, {.width = 1.0, .cpindx = 4});
    net.finishInput();
    std::ostringstream console;
    net.state().console = &console;
    const std::string expected =
        " Opening direction for zone            1 opening            2 has no Cp data";
    try {
        net.step(20.0, 10.0, 3.0, 0.0);
        ADD_FAILURE() << "the run went on";
    } catch (const RunStopped& e) {
        EXPECT_EQ(e.what(), expected);
    }
    EXPECT_EQ(console.str(), expected + "\n");
}

TEST(OpeningKinds, FloorAndCeilingOpeningsToTheOutdoorsActAsBottomAndTopVents) {
    // The same zone with vents of types 2 and 3 to the outdoors and with types 5 and 4.
    const auto flows = [](int bottomType, int topType) {
        AirflowNetwork net;
        net.setTightNumerics();
        const int z = net.addZone(0.0, 2.6, 45.0);
        net.addOpening(z, {.width = 0.3, .low = 0.0, .high = 0.3, .type = bottomType});
        net.addOpening(z, {.width = 0.3, .low = 0.0, .high = 0.3, .type = topType});
        net.finishInput();
        EXPECT_EQ(net.step(24.0, 3.0), 0);
        return std::array<double, 2>{net.state().flow.qin(z, 1), net.state().flow.qout(z, 2)};
    };
    const auto vents = flows(5, 4);
    const auto voids = flows(2, 3);
    EXPECT_GT(vents[0], 0.01);
    EXPECT_NEAR(voids[0], vents[0], 1e-9);
    EXPECT_NEAR(voids[1], vents[1], 1e-9);

    // A card type outside 1..5 is the general vertical opening of its given heights.
    const auto windows = [](int type) {
        AirflowNetwork net;
        net.setTightNumerics();
        const int z = net.addZone(0.0, 2.4, 45.0);
        net.addOpening(z, {.width = 1.0, .low = 0.2, .high = 2.2, .type = type});
        net.finishInput();
        EXPECT_EQ(net.step(24.0, 3.0), 0);
        return net.state().flow.qin(z, 1);
    };
    EXPECT_GT(windows(1), 0.05);
    EXPECT_DOUBLE_EQ(windows(0), windows(1));
    EXPECT_DOUBLE_EQ(windows(9), windows(1));
}

TEST(OpeningFactors, ControlledOutdoorOpeningsFollowTheZoneFactor) {
    AirflowNetwork net;

    const int z = net.addZone(0.0, 2.4, 50.0);
    const int n = net.addZone(0.0, 2.4, 50.0);
    net.addOpening(z, {.width = 1.0, .low = 0.0, .high = 2.0});                           // controlled
    net.addOpening(z, {.width = 1.0, .low = 0.0, .high = 2.0, .contrl = 1});              // left open
    net.addOpening(z, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = n, .contyp = 1}); // internal
    net.addOpening(n, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = z, .contyp = 1});
    net.finishInput();
    auto& s = net.state();
    for (int zone : {z, n}) {
        s.ventzones.ivzon(zone) = 1;
        s.ventzones.venfac(zone) = 0.25;
        for (int k = 1; k <= s.open1.nopen(zone); ++k) s.type.iopen(zone, k) = 1;
    }
    s.ventzones.nvzact = 2;
    std::array<double, 11> t{};
    t[1] = 25.0;
    t[2] = 22.0;
    ASSERT_EQ(net.step(t, 5.0, 0.0, 0.0, false), 0);
    // Both outdoor openings see the same far side, so the coefficients differ only by the factor.
    const double c1 = s.flow.ocoef(z, 1) + s.flow.ocoef2(z, 1);
    const double c2 = s.flow.ocoef(z, 2) + s.flow.ocoef2(z, 2);
    EXPECT_NEAR(c1, 0.25 * c2, 1e-9 * c2);
}

} // namespace
} // namespace engine::testing
