// The air-flow network against hand-worked flows: orifices in series driven by wind, stack flow
// through openings at two heights, two-way flow through a large opening, still air, and the mass
// balance of every zone on a ten-zone house.
#include "airflow_network_fixture.h"

#include "engine/solar_airflow/opening_flows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace engine::testing {
namespace {

constexpr double kG = 9.80665 * (9.8 / 9.80665); // the network's gravity, m/s2
constexpr double kRhoRef = 1.2;                  // reference density of the orifice law, kg/m3

// Ideal-gas density of dry air at sea level, kg/m3.
double idealGasDensity(double celsius) {
    return 101325.0 / (287.055 * (celsius + 273.15));
}

// Flow through a sharp-edged orifice, m3/s.
double orificeFlow(double cd, double area, double pressureDifference) {
    return cd * area * std::sqrt(2.0 * pressureDifference / kRhoRef);
}

// Two-way flow each way through a vertical opening of width w and height h with the neutral plane
// at half its height, density difference drho: integral of the orifice law over each half.
double twoWayFlow(double cd, double width, double height, double drho) {
    return cd * width * std::sqrt(2.0 * kG * drho / kRhoRef) * (2.0 / 3.0) * std::pow(0.5 * height, 1.5);
}

TEST(AirflowNetwork, WindDrivesTheOrificeFlowThroughOpeningsInSeries) {
    AirflowNetwork net;
    net.setTightNumerics();
    net.addPressureSet(1, {0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6, 0.6});
    net.addPressureSet(2, {-0.3, -0.3, -0.3, -0.3, -0.3, -0.3, -0.3, -0.3});
    const int z1 = net.addZone(0.0, 2.4, 50.0);
    const int z2 = net.addZone(0.0, 2.4, 50.0);
    net.addOpening(z1, {.width = 1.0, .low = 1.0, .high = 2.0, .cpindx = 1});
    net.addOpening(z1, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = z2, .contyp = 1});
    net.addOpening(z2, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = z1, .contyp = 1});
    net.addOpening(z2, {.width = 0.5, .low = 1.0, .high = 2.0, .cpindx = 2});
    net.finishInput();

    const double v = 5.0; // m/s
    ASSERT_EQ(net.step(20.0, 20.0, v, 180.0), 0);

    // Three orifices of 1.0, 1.6 and 0.5 m2 share the wind pressure 0.5 rho (0.6 + 0.3) v^2.
    const double dp = 0.5 * kRhoRef * 0.9 * v * v;
    double resistance = 0.0;
    for (double area : {1.0, 1.6, 0.5}) resistance += 1.0 / std::pow(0.6 * area, 2);
    const double q = std::sqrt(2.0 * dp / kRhoRef / resistance);
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z1, 1), q, 1e-6 * q);
    EXPECT_NEAR(f.qout(z1, 2), q, 1e-6 * q);
    EXPECT_NEAR(f.qin(z2, 1), q, 1e-6 * q);
    EXPECT_NEAR(f.qout(z2, 2), q, 1e-6 * q);
    EXPECT_NEAR(f.qout(z1, 1), 0.0, 1e-9);
    EXPECT_NEAR(f.qinx(z1), q, 1e-6 * q);
    EXPECT_NEAR(f.qoutx(z2), q, 1e-6 * q);
}

TEST(AirflowNetwork, StackFlowThroughSmallOpeningsMeetsTheNeutralPlane) {
    // Bottom opening 0.1 m2 at the floor, top opening 0.05 m2 at the ceiling 3 m above: the
    // neutral plane lies at 3 / (1 + (0.1/0.05)^2) = 0.6 m, and each opening passes the orifice
    // flow of the stack pressure over its distance from the plane.
    AirflowNetwork net;
    net.setTightNumerics();
    const int z = net.addZone(0.0, 3.0, 60.0);
    net.addOpening(z, {.width = 0.2, .low = 0.0, .high = 0.5, .type = 5});
    net.addOpening(z, {.width = 0.1, .low = 0.0, .high = 0.5, .type = 4});
    net.finishInput();
    ASSERT_EQ(net.step(20.0, 0.0), 0);

    const double drho = idealGasDensity(0.0) - idealGasDensity(20.0);
    const double plane = 3.0 / 5.0;
    const double qBottom = orificeFlow(0.6, 0.1, kG * drho * plane);
    const double qTop = orificeFlow(0.6, 0.05, kG * drho * (3.0 - plane));
    EXPECT_NEAR(qBottom, qTop, 1e-9);
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z, 1), qBottom, 1e-3 * qBottom);
    EXPECT_NEAR(f.qout(z, 2), qBottom, 1e-3 * qBottom);
    EXPECT_EQ(f.qout(z, 1), 0.0);
    EXPECT_EQ(f.qin(z, 2), 0.0);
}

TEST(AirflowNetwork, StackFlowThroughLowAndHighWindows) {
    // Two slot windows of equal area 2 cm high at the floor and under the ceiling: the neutral
    // plane lies halfway, 1.49 m from each slot's middle.  A warm zone draws in below.
    AirflowNetwork net;
    net.setTightNumerics();
    const int z = net.addZone(0.0, 3.0, 60.0);
    net.addOpening(z, {.width = 5.0, .low = 0.0, .high = 0.02});
    net.addOpening(z, {.width = 5.0, .low = 2.98, .high = 3.0});
    net.finishInput();
    ASSERT_EQ(net.step(22.0, 2.0), 0);

    const double drho = idealGasDensity(2.0) - idealGasDensity(22.0);
    const double q = orificeFlow(0.6, 0.1, kG * drho * 1.49);
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z, 1), q, 3e-3 * q);
    EXPECT_NEAR(f.qout(z, 2), q, 3e-3 * q);
    EXPECT_NEAR(f.qout(z, 1), 0.0, 1e-4 * q);
    EXPECT_NEAR(f.qin(z, 2), 0.0, 1e-4 * q);
}

TEST(AirflowNetwork, LargeOpeningCarriesTwoWayFlowAroundItsMidHeight) {
    AirflowNetwork net;
    net.setTightNumerics();
    const int z = net.addZone(0.0, 2.4, 40.0);
    net.addOpening(z, {.width = 1.0, .low = 0.0, .high = 2.4});
    net.finishInput();
    // Without wind the single-sided exchange is nil and the network flow stands.
    ASSERT_EQ(net.step(25.0, 5.0), 0);
    const double q = twoWayFlow(0.6, 1.0, 2.4, idealGasDensity(5.0) - idealGasDensity(25.0));
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z, 1), q, 1e-3 * q);
    EXPECT_NEAR(f.qout(z, 1), q, 1e-3 * q);
    EXPECT_NEAR(net.state().pressure.zneut(z, 1), 1.2, 1e-6);
}

TEST(AirflowNetwork, SingleSidedWindRaisesTheExchangeOfOneOpening) {
    AirflowNetwork net;
    net.addPressureSet(3, {0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2});
    const int z = net.addZone(0.0, 2.4, 40.0, 0.5);
    net.addOpening(z, {.width = 1.0, .perc = 50.0, .low = 0.9, .high = 2.1, .cpindx = 3});
    net.finishInput();
    ASSERT_EQ(net.step(21.0, 18.0, 4.0, 90.0), 0);
    // Exchange of one opening ventilated from one side (area 0.5 m2, height 1.2 m, 3 K, 4 m/s at
    // the weather station): 0.0264 A (g dT / Tm)^0.12 H^0.36 (3 U)^0.76.
    const double tm = 19.5 + 273.15;
    const double q =
        0.0264 * 0.5 * std::pow(9.8 * 3.0 / tm, 0.12) * std::pow(1.2, 0.36) * std::pow(3.0 * 4.0, 0.76);
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z, 1), q, 1e-9);
    EXPECT_NEAR(f.qout(z, 1), q, 1e-3 * q);
    EXPECT_NEAR(f.qzin(z), f.qzout(z), 1e-3 * q);
}

TEST(AirflowNetwork, SingleSidedExchangeKeepsTheMechanicalSupplyInBalance) {
    // A zone with one window and a mechanical supply of 0.02 m3/s: the single-sided exchange
    // raises the inflow to its own value, and the outflow carries that and the supply.
    AirflowNetwork net;
    net.setTightNumerics();
    net.addPressureSet(3, {0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2});
    const int z = net.addZone(0.0, 2.4, 40.0);
    net.addOpening(z, {.width = 1.0, .low = 0.9, .high = 2.1, .cpindx = 3});
    net.state().flow.qmsup(z) = 0.02;
    net.finishInput();
    ASSERT_EQ(net.step(21.0, 18.0, 15.0, 90.0), 0);
    const double tm = 19.5 + 273.15;
    const double q =
        0.0264 * 1.0 * std::pow(9.8 * 3.0 / tm, 0.12) * std::pow(1.2, 0.36) * std::pow(3.0 * 15.0, 0.76);
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z, 1), q, 1e-9);
    EXPECT_NEAR(f.qout(z, 1), q + 0.02, 1e-6);
    EXPECT_NEAR(net.imbalance(z), 0.0, 1e-6 * q);
}

TEST(AirflowNetwork, ZonesWithoutOutdoorOpeningsExchangeThroughTheirDoor) {
    // Two inner zones joined only by a door: their pressure level is free, yet the stack across
    // the door drives the two-way flow of a large opening.
    AirflowNetwork net;
    net.setTightNumerics();
    const int z1 = net.addZone(0.0, 2.4, 30.0);
    const int z2 = net.addZone(0.0, 2.4, 30.0);
    net.addOpening(z1, {.width = 0.9, .low = 0.0, .high = 2.4, .adjzon = z2, .contyp = 1});
    net.addOpening(z2, {.width = 0.9, .low = 0.0, .high = 2.4, .adjzon = z1, .contyp = 1});
    net.finishInput();
    std::array<double, 11> t{};
    t[1] = 24.0;
    t[2] = 16.0;
    ASSERT_EQ(net.step(t, 10.0, 3.0, 0.0), 0);
    const double q = twoWayFlow(0.6, 0.9, 2.4, idealGasDensity(16.0) - idealGasDensity(24.0));
    const auto& f = net.state().flow;
    EXPECT_NEAR(f.qin(z1, 1), q, 1e-3 * q);
    EXPECT_NEAR(f.qout(z1, 1), q, 1e-3 * q);
    EXPECT_NEAR(f.qin(z2, 1), f.qout(z1, 1), 1e-6 * q);
    EXPECT_NEAR(f.qout(z2, 1), f.qin(z1, 1), 1e-6 * q);
}

TEST(AirflowNetwork, SealedZoneHasNoFlow) {
    AirflowNetwork net;
    net.setTightNumerics();
    net.addPressureSet(1, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    net.addPressureSet(2, {-0.4, -0.4, -0.4, -0.4, -0.4, -0.4, -0.4, -0.4});
    const int z1 = net.addZone(0.0, 2.4, 50.0);
    const int z2 = net.addZone(0.0, 2.4, 50.0);
    const int sealed = net.addZone(0.0, 2.4, 50.0);
    net.addOpening(z1, {.width = 1.0, .low = 1.0, .high = 2.0, .cpindx = 1});
    net.addOpening(z1, {.width = 0.8, .adjzon = z2, .contyp = 1});
    net.addOpening(z1, {.width = 0.8, .perc = 0.0, .adjzon = sealed, .contyp = 1});
    net.addOpening(z2, {.width = 0.8, .adjzon = z1, .contyp = 1});
    net.addOpening(z2, {.width = 1.0, .low = 1.0, .high = 2.0, .cpindx = 2});
    net.addOpening(sealed, {.width = 0.8, .perc = 0.0, .adjzon = z1, .contyp = 1});
    net.addOpening(sealed, {.width = 1.0, .perc = 0.0, .low = 1.0, .high = 2.0, .cpindx = 1});
    net.finishInput();
    std::array<double, 11> t{};
    t[1] = 21.0;
    t[2] = 19.0;
    t[3] = 30.0;
    ASSERT_EQ(net.step(t, 8.0, 6.0, 45.0), 0);
    const auto& f = net.state().flow;
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(f.qin(sealed, k), 0.0);
        EXPECT_EQ(f.qout(sealed, k), 0.0);
    }
    EXPECT_EQ(f.qin(z1, 3), 0.0);
    EXPECT_EQ(f.qout(z1, 3), 0.0);
    EXPECT_GT(f.qin(z1, 1), 0.1);
    EXPECT_TRUE(std::isfinite(net.state().pressure.pz(sealed, 0)));

    // A zone whose every opening the control closed has no flow either.
    AirflowNetwork closed;
    const int z = closed.addZone(0.0, 2.4, 50.0);
    closed.addOpening(z, {.width = 1.0});
    closed.finishInput();
    auto& s = closed.state();
    s.ventzones.venfac(z) = 1.0;
    s.ventzones.nvzact = 1;
    s.type.iopen(z, 1) = 0;
    std::array<double, 11> tz{};
    tz[1] = 25.0;
    EXPECT_EQ(closed.step(tz, 0.0, 5.0, 0.0, false), 0);
    EXPECT_EQ(s.flow.qin(z, 1), 0.0);
    EXPECT_EQ(s.flow.qout(z, 1), 0.0);
}

// Two zones stacked with a floor structure of 0.25 m between them, joined by a stair void: a vent at
// the floor of the lower zone and one under the ceiling of the upper zone to the outdoors.  The
// void is one opening seen from both zones, so what leaves one zone through it enters the other,
// and the house takes in what it lets out.  The stack drives one flow through the three openings in
// series, from the column of each zone's air and of the structure at the mean of the two zones'
// densities, against the outdoor column: downwards when the outdoors is the warmest.  Air at one
// temperature stays still.
TEST(AirflowNetwork, StairVoidBetweenStackedZonesIsOneFlowSeenFromBothSides) {
    constexpr double kCeiling = 2.4, kStructure = 0.25;               // m
    constexpr double kBottomVent = 0.1, kTopVent = 0.05, kVoid = 1.0; // m2
    constexpr int kLower = 1, kUpper = 2;
    const auto house = [&](AirflowNetwork& net) {
        net.addZone(0.0, kCeiling, 50.0);
        net.addZone(kCeiling + kStructure, kCeiling, 50.0);
        net.addOpening(kLower, {.width = 0.2, .low = 0.0, .high = 0.5, .type = 5});
        net.addOpening(kLower, {.width = 1.0, .low = 0.0, .high = 1.0, .type = 3, .adjzon = kUpper});
        net.addOpening(kUpper, {.width = 1.0, .low = 0.0, .high = 1.0, .type = 2, .adjzon = kLower});
        net.addOpening(kUpper, {.width = 0.1, .low = 0.0, .high = 0.5, .type = 4});
        net.finishInput();
    };
    struct Case {
        double lower, upper, outdoor; // C
    };
    const Case cases[] = {{20.0, 5.0, 0.0}, {20.0, 30.0, 0.0}, {15.0, 25.0, 30.0}};
    for (const Case& c : cases) {
        AirflowNetwork net;
        net.setTightNumerics();
        house(net);
        std::array<double, 11> t{};
        t[kLower] = c.lower;
        t[kUpper] = c.upper;
        ASSERT_EQ(net.step(t, c.outdoor, 0.0, 0.0), 0) << c.lower << " " << c.upper << " " << c.outdoor;

        const double rhoOut = idealGasDensity(c.outdoor);
        const double rhoLower = idealGasDensity(c.lower), rhoUpper = idealGasDensity(c.upper);
        const double rhoStructure = 0.5 * (rhoLower + rhoUpper);
        const double stack = kG * ((rhoOut - rhoLower) * kCeiling + (rhoOut - rhoStructure) * kStructure +
                                   (rhoOut - rhoUpper) * kCeiling); // Pa, upwards through the house
        double resistance = 0.0;
        for (double area : {kBottomVent, kVoid, kTopVent}) resistance += 1.0 / std::pow(0.6 * area, 2);
        const double q = std::sqrt(2.0 * std::fabs(stack) / kRhoRef / resistance);
        const double up = stack > 0.0 ? q : 0.0, down = stack < 0.0 ? q : 0.0;

        const auto& f = net.state().flow;
        const double tolerance = 1e-3 * q;
        SCOPED_TRACE(::testing::Message() << c.lower << " " << c.upper << " " << c.outdoor);
        EXPECT_NEAR(f.qout(kLower, 2), up, tolerance);
        EXPECT_NEAR(f.qin(kLower, 2), down, tolerance);
        EXPECT_NEAR(f.qin(kUpper, 1), f.qout(kLower, 2), 1e-6 * q);
        EXPECT_NEAR(f.qout(kUpper, 1), f.qin(kLower, 2), 1e-6 * q);
        EXPECT_NEAR(f.qinx(kLower) + f.qinx(kUpper), f.qoutx(kLower) + f.qoutx(kUpper), 1e-6 * q);
        EXPECT_NEAR(f.qin(kLower, 1) + f.qout(kLower, 1), q, tolerance);
        EXPECT_NEAR(f.qin(kUpper, 2) + f.qout(kUpper, 2), q, tolerance);
    }

    // Air at one temperature indoors and out: the square-root law turns rounding of the pressures
    // (1e-15 Pa) into flows of 1e-8 m3/s, so the solver stops a little above that.
    AirflowNetwork still;
    house(still);
    still.state().numerics.maxitv = 1000;
    still.state().numerics.convv = 1e-6;
    std::array<double, 11> t{};
    t.fill(18.0);
    ASSERT_EQ(still.step(t, 18.0, 0.0, 0.0), 0);
    EXPECT_LT(still.largestFlow(), 1e-5);
}

// Zones that only the outdoors joins are solved group by group; a shut door between the groups
// joins them into one system without adding a flow.  Both must give the same pressures and flows
// to the last bit, on a network of two pairs of zones and a zone alone.
TEST(AirflowNetwork, GroupsOfZonesSolveAsTheWholeNetwork) {
    const auto build = [](AirflowNetwork& net, bool shutDoors) {
        net.addPressureSet(1, {0.6, 0.4, 0.1, -0.3, -0.5, -0.3, 0.1, 0.4});
        net.addPressureSet(2, {-0.4, -0.3, 0.2, 0.5, 0.6, 0.4, -0.1, -0.3});
        std::array<int, 6> z{};
        for (int i = 1; i <= 5; ++i) z[i] = net.addZone(i == 4 ? 2.7 : 0.0, 2.4 + 0.1 * i, 40.0);
        const auto door = [&](int from, int to, double perc) {
            net.addOpening(z[from], {.width = 0.8, .perc = perc, .high = 2.1, .adjzon = z[to], .contyp = 1});
        };
        const auto window = [&](int zone, int set, double low) {
            net.addOpening(z[zone], {.width = 1.2, .perc = 40.0, .low = low, .high = 2.1, .cpindx = set});
        };
        window(1, 1, 0.6);
        door(1, 2, 100.0);
        door(2, 1, 100.0);
        window(2, 2, 0.9);
        window(3, 1, 0.3);
        door(3, 4, 100.0);
        window(4, 2, 0.6);
        door(4, 3, 100.0);
        window(5, 1, 0.6);
        window(5, 2, 1.0);
        if (shutDoors) {
            door(2, 3, 0.0);
            door(3, 2, 0.0);
            door(4, 5, 0.0);
            door(5, 4, 0.0);
        }
        net.finishInput();
    };
    AirflowNetwork grouped;
    AirflowNetwork whole;
    build(grouped, false);
    build(whole, true);
    const std::array<double, 11> t{0.0, 23.0, 19.5, 26.0, 21.0, 17.0};
    for (double direction = 0.0; direction < 360.0; direction += 45.0) {
        const double wind = 1.0 + direction / 60.0;
        ASSERT_EQ(grouped.step(t, 12.0, wind, direction), whole.step(t, 12.0, wind, direction));
        const auto& g = grouped.state();
        const auto& w = whole.state();
        for (int z = 1; z <= 5; ++z) {
            EXPECT_EQ(g.pressure.pz(z, 0), w.pressure.pz(z, 0)) << "zone " << z;
            for (int k = 1; k <= g.open1.nopen(z); ++k) {
                EXPECT_EQ(g.flow.qin(z, k), w.flow.qin(z, k)) << "zone " << z << " opening " << k;
                EXPECT_EQ(g.flow.qout(z, k), w.flow.qout(z, k)) << "zone " << z << " opening " << k;
            }
        }
        EXPECT_GT(grouped.largestFlow(), 0.01);
    }
}

TEST(AirflowNetwork, OpeningIntoAZoneOutOfTheStepCarriesNoFlow) {
    AirflowNetwork net;
    net.setTightNumerics();
    const int z1 = net.addZone(0.0, 2.4, 50.0);
    const int z2 = net.addZone(0.0, 2.4, 50.0);
    net.addOpening(z1, {.width = 1.0, .low = 0.5, .high = 2.0});
    // A door that the ventilation control leaves alone.
    net.addOpening(z1, {.width = 0.8, .adjzon = z2, .contyp = 1, .contrl = 1});
    net.addOpening(z2, {.width = 0.8, .adjzon = z1, .contyp = 1, .contrl = 1});
    net.finishInput();
    auto& s = net.state();
    s.ventzones.ivzon(z1) = 1;
    s.ventzones.ivzon(z2) = 0;
    s.ventzones.nvzact = 1;
    for (int z : {z1, z2}) {
        s.ventzones.venfac(z) = 1.0;
        for (int k = 1; k <= s.open1.nopen(z); ++k) s.type.iopen(z, k) = 1;
    }
    std::array<double, 11> t{};
    t[1] = 22.0;
    t[2] = 35.0;
    ASSERT_EQ(net.step(t, 5.0, 2.0, 0.0, false), 0);
    EXPECT_EQ(s.flow.qin(z1, 2), 0.0);
    EXPECT_EQ(s.flow.qout(z1, 2), 0.0);
    EXPECT_NEAR(net.imbalance(z1), 0.0, 1e-9);
    EXPECT_GT(s.flow.qin(z1, 1), 0.01);
}

// A two-storey house of ten zones with windows on four facades, doors, a stair void through a
// floor structure, a split-level opening, vents at top and bottom and mechanical flows.
class TenZoneHouse : public ::testing::Test {
  protected:
    void SetUp() override {
        net.addPressureSet(1, {0.7, 0.4, -0.5, -0.6, -0.4, -0.6, -0.5, 0.4});
        net.addPressureSet(2, {-0.4, 0.4, 0.7, 0.4, -0.4, -0.6, -0.5, -0.6});
        net.addPressureSet(3, {-0.4, -0.6, -0.5, -0.6, -0.4, 0.4, 0.7, 0.4});
        net.addPressureSet(4, {-0.4, -0.6, -0.5, 0.4, 0.7, 0.4, -0.5, -0.6});
        for (int z = 1; z <= 5; ++z) net.addZone(0.0, z == 2 ? 2.7 : 2.4, 40.0 + z);
        for (int z = 6; z <= 10; ++z) net.addZone(z == 9 ? 1.2 : 2.65, 2.4, 35.0 + z, 0.8);
        // Windows: zone z faces facade (z - 1) % 4 + 1, zone 10 has none on its own.
        for (int z = 1; z <= 9; ++z) {
            net.addOpening(z, {.width = 1.2,
                               .perc = z % 3 == 0 ? 50.0 : 100.0,
                               .low = 0.9,
                               .high = 2.1,
                               .cpindx = (z - 1) % 4 + 1});
        }
        net.addOpening(1, {.width = 0.9, .low = 0.0, .high = 2.0, .cpindx = 3}); // external door
        // Doors along each level (both sides), a stair void from zone 3 up to zone 8.
        door(1, 2);
        door(2, 3);
        door(3, 4);
        door(4, 5);
        door(6, 7);
        door(7, 8);
        door(8, 10);
        net.addOpening(3, {.width = 1.0, .low = 0.0, .high = 2.0, .type = 3, .adjzon = 8});
        net.addOpening(8, {.width = 1.0, .low = 0.0, .high = 2.0, .type = 2, .adjzon = 3});
        // A split-level opening between zone 4 and zone 9, whose heights overlap from 1.2 to 2.4.
        net.addOpening(4, {.width = 1.0, .low = 1.2, .high = 2.4, .adjzon = 9, .contyp = 4, .midht = 1.8});
        net.addOpening(9, {.width = 1.0, .low = 0.0, .high = 1.2, .adjzon = 4, .contyp = 4, .midht = 1.8});
        // Vents and a zone with one window only and mechanical flows.
        net.addOpening(5, {.width = 0.2, .low = 0.0, .high = 0.1, .cpindx = 2, .type = 4});
        net.addOpening(10, {.width = 0.2, .low = 0.0, .high = 0.1, .cpindx = 4, .type = 5});
        net.addOpening(10, {.width = 0.3, .low = 0.0, .high = 0.1, .type = 4, .adjzon = 5});
        net.addOpening(5, {.width = 0.3, .low = 0.0, .high = 0.1, .type = 5, .adjzon = 10});
        auto& f = net.state().flow;
        f.qmsup(6) = 0.02;
        f.qmex(6) = -0.05;
        f.qmex(2) = -0.01;
        net.finishInput();
    }

    void door(int a, int b) {
        net.addOpening(a, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = b, .contyp = 1});
        net.addOpening(b, {.width = 0.8, .low = 0.0, .high = 2.0, .adjzon = a, .contyp = 1});
    }

    static std::array<double, 11> temperatures(double base) {
        std::array<double, 11> t{};
        for (int z = 1; z <= 10; ++z) t[static_cast<std::size_t>(z)] = base + 0.7 * ((z * 7) % 5) - 1.0;
        return t;
    }

    AirflowNetwork net;
};

TEST_F(TenZoneHouse, ConvergesWithTheCardFileSettings) {
    for (double wd : {0.0, 100.0, 200.0, 300.0}) {
        for (double tout : {-5.0, 15.0, 32.0}) {
            EXPECT_EQ(net.step(temperatures(21.0), tout, 4.5, wd, true), 0) << wd << " " << tout;
            EXPECT_LE(net.state().others.errq, net.state().numerics.convv);
        }
    }
    EXPECT_EQ(net.step(temperatures(21.0), 21.0, 0.0, 0.0, true), 0);
}

TEST_F(TenZoneHouse, MassBalanceHoldsInEveryZoneAfterEachSolve) {
    net.setTightNumerics();
    for (double ws : {0.0, 2.0, 8.0}) {
        for (double wd : {10.0, 135.0, 250.0}) {
            ASSERT_EQ(net.step(temperatures(20.0), 4.0, ws, wd, true), 0) << ws << " " << wd;
            const double largest = net.largestFlow();
            ASSERT_GT(largest, 0.0);
            for (int z = 1; z <= 10; ++z) {
                EXPECT_NEAR(net.imbalance(z), 0.0, 1e-6 * largest) << "zone " << z << " " << ws << " " << wd;
            }
            // What leaves a zone through a door enters its neighbour.
            const auto& f = net.state().flow;
            EXPECT_NEAR(f.qout(1, 3), f.qin(2, 2), 1e-6 * largest);
            EXPECT_NEAR(f.qin(7, 3), f.qout(8, 2), 1e-6 * largest);
            EXPECT_NEAR(f.qout(3, 4), f.qin(8, 4), 1e-6 * largest); // the stair void
        }
    }
}

TEST_F(TenZoneHouse, StillAirOfOneTemperatureDoesNotMove) {
    // Without wind, mechanical flows or temperature differences nothing drives the air: the
    // zones, on two levels with a floor structure between them, a split level and ceilings of
    // different heights, settle at the hydrostatic pressures of one air column.  The square-root
    // law turns rounding of the pressures (1e-15 Pa) into flows of 1e-8 m3/s, so the tolerance
    // is set just above that.
    auto& s = net.state();
    s.flow.qmsup(6) = 0.0;
    s.flow.qmex(6) = 0.0;
    s.flow.qmex(2) = 0.0;
    s.numerics.maxitv = 1000;
    s.numerics.convv = 1e-6;
    std::array<double, 11> t{};
    t.fill(18.0);
    ASSERT_EQ(net.step(t, 18.0, 0.0, 0.0, true), 0);
    EXPECT_LT(net.largestFlow(), 1e-5);
}

} // namespace
} // namespace engine::testing
