// Harmonic conduction transfer of building sections and of the ground, against hand-worked
// resistances, the analytic solution of one-dimensional conduction and the transfer matrices of
// layered slabs.
#include "response_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include <array>
#include <cmath>
#include <complex>
#include <vector>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/section_properties.h"
#include "engine/core/work_file.h"
#include "engine/core/work_file_reading.h"

namespace {

using engine::Complex;
using namespace engine::testing;

constexpr Complex j(0.0, 1.0);

// Transfer matrix of one layer: (temperature, heat flux) on its outer face from those on its inner
// face, for a sinusoid of angular frequency w (rad/ks), resistance r (m2K/W), capacitance c (kJ/m2K).
struct Abcd {
    Complex a, b, c, d;
};
Abcd layerMatrix(double r, double c, double w) {
    if (c == 0.0 || w == 0.0) return {1.0, r, 0.0, 1.0};
    const Complex g = std::sqrt(j * w * r * c);
    return {std::cosh(g), r * std::sinh(g) / g, g * std::sinh(g) / r, std::cosh(g)};
}
Abcd times(const Abcd& x, const Abcd& y) {
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
}

void expectNear(Complex actual, Complex expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual.real(), expected.real(), tolerance) << what;
    EXPECT_NEAR(actual.imag(), expected.imag(), tolerance) << what;
}

TEST(HarmonicFrequencies, StartAtSteadyStateAndRiseBySquareRootOfTwo) {
    EXPECT_EQ(engine::harmonicFrequency(1), 0.0);
    // The slowest sinusoid has a period of 24 · 2^19 hours.
    EXPECT_NEAR(2.0 * M_PI / engine::harmonicFrequencyPerHour(2), 24.0 * 524288.0, 1e-3);
    // Frequency 40 has a period of one day, frequency 60 about 74.5 rad/ks.
    EXPECT_NEAR(2.0 * M_PI / engine::harmonicFrequencyPerHour(40), 24.0, 1e-9);
    EXPECT_NEAR(engine::harmonicFrequency(60), 74.5, 0.05);
}

TEST(Gorcum, HomogeneousSlabMatchesAnalyticConduction) {
    // 200 mm of concrete: conductivity 1.44 W/mK, 2112 kJ/m3K.
    const double r = 0.2 / 1.44, c = 0.2 * 2112.0;
    for (int k : {1, 20, 34, 38, 40, 44, 50}) {
        const double w = engine::harmonicFrequency(k);
        Complex y, t;
        const std::array<double, 1> rr{r}, cc{c};
        engine::gorcum(rr, cc, 1, w, y, t);
        // Admittance and transmittance of a slab whose far face is held at zero: Γ coth Γ / R and
        // Γ / (R sinh Γ), Γ = √(jωRC); the gorcum carries the opposite sign.
        Complex yExact = 1.0 / r, tExact = 1.0 / r;
        if (w > 0.0) {
            const Complex g = std::sqrt(j * w * r * c);
            yExact = g * std::cosh(g) / (r * std::sinh(g));
            tExact = g / (r * std::sinh(g));
        }
        const double tol = 1e-9 * std::max(1.0, std::abs(yExact));
        expectNear(y, -yExact, tol, "admittance");
        expectNear(t, -tExact, tol, "transmittance");
    }
}

TEST(Gorcum, LayeredWallMatchesTheProductOfLayerMatrices) {
    // Outside film, 110 mm brick, 75 mm glass wool, 10 mm plasterboard, inside film.
    const std::vector<double> r = {0.04, 0.110 / 0.77, 0.075 / 0.04, 0.010 / 0.17, 0.12};
    const std::vector<double> c = {0.0, 0.110 * 1360.0, 0.075 * 10.08, 0.010 * 959.2, 0.0};
    const int n = static_cast<int>(r.size());
    for (int k : {1, 30, 38, 40, 42, 46}) {
        const double w = engine::harmonicFrequency(k);
        Abcd m{1.0, 0.0, 0.0, 1.0};
        for (int i = 0; i < n; ++i)
            m = times(m, layerMatrix(r[static_cast<std::size_t>(i)], c[static_cast<std::size_t>(i)], w));
        Complex y, t, yBack, tBack;
        engine::vangrc(1, n, w, y, t, r, c);
        engine::vangrc(n, 1, w, yBack, tBack, r, c);
        // Seen from the inside face with the outside face held at zero: A / B and 1 / B; seen from
        // the outside face: D / B.
        expectNear(y, -m.a / m.b, 1e-9, "inside admittance");
        expectNear(t, -1.0 / m.b, 1e-9, "transmittance");
        expectNear(yBack, -m.d / m.b, 1e-9, "outside admittance");
        expectNear(tBack, t, 1e-9, "transmittance both ways");
    }
}

TEST(Gorcum, VeryHeavyLayerPassesNothingAtHighFrequencyAndStaysFinite) {
    const std::array<double, 1> r{2.0 / 1.44}, c{2.0 * 2112.0}; // 2 m of concrete
    Complex y, t;
    engine::gorcum(r, c, 1, engine::harmonicFrequency(60), y, t);
    EXPECT_EQ(t, Complex{});
    ASSERT_TRUE(std::isfinite(y.real()) && std::isfinite(y.imag()));
    const Complex g = std::sqrt(j * engine::harmonicFrequency(60) * r[0] * c[0]);
    expectNear(y, -g / r[0], 1e-9 * std::abs(g / r[0]), "semi-infinite admittance");
}

class Conduction : public ResponseRun {};

TEST_F(Conduction, WallAtZeroFrequencyGivesItsHandWorkedUValue) {
    define(25, {{kBrick, 110}, {kGlasswool, 75}, {kPlasterboard, 10}});
    writeSections();
    state->blank.iprnt1 = 1;
    ASSERT_EQ(conduction(1), 0) << report();
    // The work file holds resistances and capacitances in single precision: agreement to 1e-6.
    // 1 / U = 0.04 + 0.110 / 0.77 + 0.075 / 0.04 + 0.010 / 0.17 + 0.12 = 2.2366807 m2K/W.
    const double rTotal = 0.04 + 0.110 / 0.77 + 0.075 / 0.04 + 0.010 / 0.17 + 0.12;
    const double u = 1.0 / rTotal;
    EXPECT_NEAR(u, 0.447091, 1e-6);
    expectNear(state->gor(1, 1), -u, 1e-6, "admittance");
    expectNear(state->gor(1, 2), -u, 1e-6, "transmittance");
    // Heat absorbed at the inside surface reaches the zone air in the share of the resistance
    // behind the surface; heat absorbed at the outside surface in the share of the outside film.
    expectNear(state->gor(1, 3), (rTotal - 0.12) / rTotal, 1e-6, "inside surface response");
    expectNear(state->gor(1, 4), 0.04 / rTotal, 1e-6, "outside surface response");
    EXPECT_NE(report().find("     U VALUE FOR ELEMENT NO.   525 =  0.447 W/SQ M.K"), std::string::npos)
        << report();
    EXPECT_EQ(state->gorrole(1), engine::GorcumRole::Admittance);
    EXPECT_EQ(state->gorrole(2), engine::GorcumRole::Transmittance);
    EXPECT_EQ(state->gorrole(3), engine::GorcumRole::SurfaceResponse);
    EXPECT_EQ(state->gorrole(5), engine::GorcumRole::Marker);
}

TEST_F(Conduction, ZoneAirAndRoofSpaceMassArePureCapacities) {
    writeSections();
    ASSERT_EQ(conduction(1), 0) << report();
    for (int k = 1; k <= engine::kHarmonics; ++k) {
        const double w = engine::harmonicFrequency(k);
        expectNear(state->gor(k, 1), -j * 1.25 * w, 1e-12, "zone air");
        expectNear(state->gor(k, 2), -j * 21.0 * w, 1e-12, "roof-space mass");
    }
}

TEST_F(Conduction, SurfacesBetweenEqualTemperaturesConductNothingInTheSteadyState) {
    define(142, {{kPlasterboard, 10}, {kTimber, 90}, {kPlasterboard, 10}}); // within one zone
    define(160, {{kPlasterboard, 10}, {kTimber, 19}});                      // to a neighbour like the zone
    writeSections();
    ASSERT_EQ(conduction(1), 0) << report();
    ASSERT_EQ(state->bss.igcode(1), 1442);
    ASSERT_EQ(state->bss.igcode(4), 2060);
    expectNear(state->gor(1, 1), 0.0, 1e-6, "within the zone");
    expectNear(state->gor(1, 4), 0.0, 1e-6, "to the neighbour");
    // Everything absorbed at either face of a wall within the zone ends in the zone's air.
    expectNear(state->gor(1, 2), 1.0, 1e-6, "one face");
    expectNear(state->gor(1, 3), 1.0, 1e-6, "other face");
    // At a daily frequency the wall within the zone stores heat: its admittance has a heat-storing
    // (negative imaginary) part.
    EXPECT_LT(state->gor(40, 1).imag(), 0.0);
}

TEST_F(Conduction, SectionTwoHundredIsStoredAsASurfaceToANeighbour) {
    define(200, {{kPlasterboard, 10}, {kTimber, 19}});
    writeSections();
    ASSERT_EQ(conduction(1), 0) << report();
    std::vector<int> keys;
    for (int p = 1; p <= state->bss.ngcode; ++p) keys.push_back(state->bss.igcode(p));
    EXPECT_EQ(keys, (std::vector<int>{2100, 2300, 2500, 2500, 2501}));
    EXPECT_EQ(state->gorrole(3), engine::GorcumRole::SurfaceResponse);
    EXPECT_EQ(state->gorrole(4), engine::GorcumRole::Marker);
}

TEST_F(Conduction, KeyNotStoredForItsPositionStopsWithTheStorageMessage) {
    define(21, {{kBrick, 110}});
    writeSections();
    state->bss.igcode(2) = 999;
    EXPECT_EQ(conduction(1), 1);
    EXPECT_NE(report().find("               STORAGE ERROR,GORCUM NOS     521    521    999    921   1121"),
              std::string::npos)
        << report();
}

TEST_F(Conduction, KeyOfNoKindStopsWithItsMessage) {
    engine::SectionRecord odd;
    odd.key = 400;
    odd.n = 1;
    odd.r[0] = 1.0;
    engine::writeSectionRecord(engine::workFileWriter(*state), odd);
    state->bss.ngcode = 1;
    state->bss.igcode(1) = 400;
    EXPECT_EQ(conduction(1), 1);
    EXPECT_NE(report().find("               GORCUM STORAGE FOULED UP:    400"), std::string::npos)
        << report();
}

TEST_F(Conduction, SectionWithoutResistanceStopsInsteadOfGivingInfinities) {
    std::ostringstream console;
    state->console = &console;
    setMaterial(6, 2000.0, 0.0, 0.0, true); // a mass without resistance
    state->bss.rs906 = 0.0;
    define(3, {{6, 100}});
    writeSections();
    EXPECT_EQ(conduction(1), 1);
    const std::string message = "**ERROR** BUILDING SECTION    3 HAS NO THERMAL RESISTANCE";
    EXPECT_NE(report().find(message), std::string::npos) << report();
    // The modeller shows the console when a run fails: the reason stands there too.
    EXPECT_NE(console.str().find(message), std::string::npos) << console.str();
}

// The slab of the ground tests: 10 m × 10 m, 0.2 m walls, soil of 1.5 W/mK and 4.6e-7 m2/s.
void slab(engine::EngineState& s, double edge = 0.0) {
    s.gground = {100.0, 40.0, 0.2, 1.5, 4.6, edge};
}

// Steady ground conductance of that slab, W/m2K: with A = 2 · 100 / (40 · 0.2) = 25,
// 2 · 1.5 · (ln 26 + 25 ln 1.04) / (π · 0.2 · 25) = 12.715843 / 15.707963 = 0.8095157.
constexpr double kSlabConductance = 0.8095157;

TEST_F(Conduction, GroundOfASlabTendsToItsSteadyConductanceAtLowFrequency) {
    slab(*state);
    Complex g1, g2, s1, s2;
    engine::groundmodel(*state, 0.0, s1, s2);
    expectNear(s1, -kSlabConductance, 1e-6, "steady admittance");
    expectNear(s2, -kSlabConductance, 1e-6, "steady transmittance");
    // The periodic solution, with its own kernel, meets the steady one as the frequency falls.
    engine::groundmodel(*state, 1e-14, g1, g2);
    EXPECT_NEAR(std::abs(g1 - s1) / kSlabConductance, 0.0, 1e-3);
    EXPECT_NEAR(std::abs(g2 - s2) / kSlabConductance, 0.0, 1e-3);
    // At a daily frequency the ground stores heat and passes less of it through.
    engine::groundmodel(*state, engine::harmonicFrequency(40), g1, g2);
    EXPECT_GT(std::abs(g1), kSlabConductance);
    EXPECT_LT(std::abs(g2), kSlabConductance);
}

TEST_F(Conduction, EdgeInsulationReducesTheGroundLossAndIsLimitedToFive) {
    slab(*state, 1.0);
    Complex g1, g2;
    engine::groundmodel(*state, 0.0, g1, g2);
    EXPECT_NEAR(g1.real(), -kSlabConductance * (1.0 + 5.0970974) / (1.0 + 5.68546057), 1e-6);
    const double w = engine::harmonicFrequency(38);
    Complex five1, five2, seven1, seven2, none1, none2;
    slab(*state, 5.0);
    engine::groundmodel(*state, w, five1, five2);
    slab(*state, 7.0);
    engine::groundmodel(*state, w, seven1, seven2);
    slab(*state, 0.0);
    engine::groundmodel(*state, w, none1, none2);
    EXPECT_EQ(five1, seven1);
    EXPECT_EQ(five2, seven2);
    EXPECT_LE(std::abs(five2), std::abs(none2));
}

TEST_F(Conduction, FloorOnEarthIsInSeriesWithTheGround) {
    slab(*state);
    define(41, {{kEarth, 0}, {kConcrete, 100}, {kTimber, 19}});
    writeSections();
    ASSERT_EQ(conduction(1), 0) << report();
    // Concrete, timber and inside film above the ground's steady conductance.
    const double rFloor = 0.100 / 1.44 + 0.019 / 0.14 + 0.12;
    const double u = 1.0 / (rFloor + 1.0 / kSlabConductance);
    expectNear(state->gor(1, 1), -u, 1e-6, "admittance");
    expectNear(state->gor(1, 2), -u, 1e-6, "transmittance");
    expectNear(state->gor(1, 3), 1.0 - 0.12 * u, 1e-6, "floor surface response");
    expectNear(state->gor(1, 4), 0.0, 0.0, "no second surface");
}

TEST_F(Conduction, FloorOnEarthWithoutSlabDataStops) {
    define(41, {{kEarth, 0}, {kConcrete, 100}});
    writeSections();
    EXPECT_EQ(conduction(1), 1);
    EXPECT_NE(report().find("**ERROR** BUILDING SECTION   41 IS ON EARTH"), std::string::npos) << report();
}

} // namespace
