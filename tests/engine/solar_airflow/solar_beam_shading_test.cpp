// Beam shading: shadows of eaves, pergolas, fins and screens worked by hand from their geometry, and
// the engine's row and column sums against the plain cell-by-cell grid.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <sstream>

#include "engine/core/state.h"
#include "engine/solar_airflow/beam_shading.h"
#include "engine/solar_airflow/solar_drivers.h"
#include "engine/solar_airflow/solar_messages.h"
#include "tests/engine/solar_airflow/reference_shading_grid.h"

namespace engine {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr std::array<int, 3> kNoScreens{0, 0, 0};
constexpr std::array<const ScreenShade*, 3> kNoScreenSchemes{};

BeamShadingPlan eavePlan(double H, double W, int G, const HorizontalShade& eave) {
    return makeBeamShadingPlan(H, W, G, &eave, nullptr, nullptr, kNoScreenSchemes);
}

TEST(BeamShading, OverhangWithSunStraightAheadShadesItsProjectedDepth) {
    // A north wall (azimuth 0) and the sun due north at tan(altitude) = 4/3.  An eave projecting
    // 0.6 m, 0.3 m above a 2 m window, casts its edge 0.6 x 4/3 - 0.3 = 0.5 m below the window's top:
    // a quarter of the height, exactly 10 of 40 rows.
    StepSky sky;
    sky.alt = std::atan(4.0 / 3.0);
    sky.azi = 0.0;
    const ShadowAngles a = shadowAngles(sky, 0.0);
    EXPECT_NEAR(a.h, 0.0, 1e-12);
    EXPECT_NEAR(a.v, sky.alt, 1e-12);
    EXPECT_NEAR(a.cosTheta, 0.6, 1e-12);
    const HorizontalShade eave{0.6, 0.3, 0.0, 0.0, 1.0};
    const BeamShadingPlan plan = eavePlan(2.0, 1.5, 40, eave);
    EXPECT_NEAR(sunlitFraction(plan, kNoScreens, a.h, a.v), 0.75, 1e-12);
}

TEST(BeamShading, OverhangMatchesTheContinuousShadowWithinOneRow) {
    // Sun 40 degrees high, straight ahead: shadow depth 0.9 tan 40 - 0.2 on a 1.5 m window.
    const double v = 40.0 * kPi / 180.0;
    const HorizontalShade eave{0.9, 0.2, 0.0, 0.0, 1.0};
    const double depth = 0.9 * std::tan(v) - 0.2;
    for (int G : {10, 40, 100}) {
        const BeamShadingPlan plan = eavePlan(1.5, 2.0, G, eave);
        EXPECT_NEAR(sunlitFraction(plan, kNoScreens, 0.0, v), 1.0 - depth / 1.5, 1.0 / G) << G;
    }
}

TEST(BeamShading, FinOnTheSunsSideShadesItsProjectedWidth) {
    // Sun 30 degrees to the right of the normal: a right fin of 0.5 m set 0.1 m from the edge shades
    // 0.5 tan 30 - 0.1 of the 1.2 m width; the left fin does nothing.
    const VerticalShade fins{0.8, 0.0, 0.5, 0.1};
    const BeamShadingPlan plan =
        makeBeamShadingPlan(1.0, 1.2, 100, nullptr, nullptr, &fins, kNoScreenSchemes);
    const double h = 30.0 * kPi / 180.0;
    const double shaded = (0.5 * std::tan(h) - 0.1) / 1.2;
    EXPECT_NEAR(sunlitFraction(plan, kNoScreens, h, 0.3), 1.0 - shaded, 0.01);
    // Sun to the left by the same angle: the left fin (0.8 m, no offset) shades 0.8 tan 30.
    EXPECT_NEAR(sunlitFraction(plan, kNoScreens, -h, 0.3), 1.0 - 0.8 * std::tan(h) / 1.2, 0.01);
    // Sun on the normal: no fin shades.
    EXPECT_DOUBLE_EQ(sunlitFraction(plan, kNoScreens, 0.0, 0.3), 1.0);
}

TEST(BeamShading, FinAndScreenOnOneSideShadeThatSideTogether) {
    // A north-facing window (wall azimuth 0), 1 m x 1 m on a 10 x 10 grid, with the sun 26.57 degrees
    // (tan = 0.5) to one side of north.  Seen from inside looking out, the east is on the right.  The
    // fin on the sun's side stands at that edge and projects 0.6 m: its shadow is 0.6 x 0.5 = 0.3 m
    // wide along that edge.  An opaque screen 0.4 m out stands in front of the same 0.3 m of the
    // window; its shadow falls 0.4 x 0.5 = 0.2 m away from the sun: 0.2 to 0.5 m from that edge.
    // Together they shade the 0.5 m next to that edge, columns at 0.55 .. 0.95 m from the other
    // edge: half the window is sunlit.  A half-transparent screen lets half through where the fin
    // does not reach (0.2 m, two columns), so 0.6 is sunlit.
    const double side = std::atan(0.5); // rad
    const VerticalShade rightFin{0.0, 0.0, 0.6, 0.0};
    const VerticalShade leftFin{0.6, 0.0, 0.0, 0.0};
    // Screens 3 m tall from 1 m below the window, so that they cover its whole height.  The offset is
    // measured from the window's right end leftwards (seen from inside): 0 puts the screen in front of
    // the right-hand 0.3 m, -0.7 in front of the left-hand 0.3 m.
    struct Case {
        const char* what;
        double sunAzimuth; // rad from north through east
        VerticalShade fins;
        ScreenShade screen;
        double sunlit;
    };
    const Case cases[] = {
        {"sun in the north-east, east fin and screen", side, rightFin, {3.0, 0.3, 0.4, 0.0, -1.0, 0.0}, 0.5},
        {"sun in the north-west, west fin and screen",
         2.0 * kPi - side,
         leftFin,
         {3.0, 0.3, 0.4, -0.7, -1.0, 0.0},
         0.5},
        {"half-transparent screen beside the east fin", side, rightFin, {3.0, 0.3, 0.4, 0.0, -1.0, 0.5}, 0.6},
    };
    for (const Case& c : cases) {
        StepSky sky;
        sky.alt = 0.5;
        sky.azi = c.sunAzimuth;
        const ShadowAngles a = shadowAngles(sky, 0.0);
        ASSERT_NEAR(std::abs(std::tan(a.h)), 0.5, 1e-6) << c.what;
        const BeamShadingPlan plan =
            makeBeamShadingPlan(1.0, 1.0, 10, nullptr, nullptr, &c.fins, {&c.screen, nullptr, nullptr});
        const std::array<int, 3> flags = screenFlags(plan, a.h, a.v);
        ASSERT_EQ(flags, (std::array<int, 3>{1, 0, 0})) << c.what;
        EXPECT_NEAR(sunlitFraction(plan, flags, a.h, a.v), c.sunlit, 1e-12) << c.what;
    }
}

TEST(BeamShading, EdgeCasesOfTheHorizontalSchemes) {
    // No schemes at all.
    const BeamShadingPlan bare =
        makeBeamShadingPlan(1.0, 1.0, 40, nullptr, nullptr, nullptr, kNoScreenSchemes);
    EXPECT_DOUBLE_EQ(sunlitFraction(bare, kNoScreens, 0.4, 0.7), 1.0);

    // Sun level (v = 0, tan v = 0): an eave 0.25 m *below* the top (offset -0.25) shades to 1.75 m,
    // the centre of the top row of a 2 m, 4-row grid: that row stays lit; 0.26 m shades it.
    EXPECT_DOUBLE_EQ(sunlitFraction(eavePlan(2.0, 1.0, 4, {1.0, -0.25, 0.0, 0.0, 1.0}), kNoScreens, 0.0, 0.0),
                     1.0);
    EXPECT_DOUBLE_EQ(sunlitFraction(eavePlan(2.0, 1.0, 4, {1.0, -0.26, 0.0, 0.0, 1.0}), kNoScreens, 0.0, 0.0),
                     0.75);

    // Eave and pergola with the same shadow depth (both 0.5 m at tan v = 1): the eave zeroes the rows
    // and the pergola's factor is not applied below them.
    const double v45 = std::atan(1.0);
    const HorizontalShade same{0.7, 0.2, 0.7, 0.2, 0.5};
    EXPECT_NEAR(sunlitFraction(eavePlan(2.0, 1.0, 40, same), kNoScreens, 0.0, v45), 0.75, 1e-12);

    // A pergola alone, shadow 1 m deep on a 2 m window, lets through 0.4: half the rows get 0.4.
    const HorizontalShade pergola{0.0, 0.0, 1.2, 0.2, 0.4};
    EXPECT_NEAR(sunlitFraction(eavePlan(2.0, 1.0, 40, pergola), kNoScreens, 0.0, v45), 0.5 + 0.5 * 0.4,
                1e-12);

    // The same pergola below the window's bottom (offset < -H) casts no shadow.
    const HorizontalShade low{0.0, 0.0, 1.2, -2.5, 0.4};
    EXPECT_DOUBLE_EQ(sunlitFraction(eavePlan(2.0, 1.0, 40, low), kNoScreens, 0.0, v45), 1.0);

    // Eave 0.3 m deep over a pergola 1 m deep: top rows 0, the band between gets the factor.
    const HorizontalShade both{0.5, 0.2, 1.2, 0.2, 0.4};
    EXPECT_NEAR(sunlitFraction(eavePlan(2.0, 1.0, 40, both), kNoScreens, 0.0, v45), 1.0 - 0.15 - 0.35 * 0.6,
                1e-12);
}

TEST(BeamShading, ScreensMultiplyTheCellsTheyCover) {
    // A 3 m x 3 m screen 0.5 m out, centred on a 1 m x 1 m window, covers it all at a small angle.
    const ScreenShade a{3.0, 3.0, 0.5, 1.0, -1.0, 0.3};
    const ScreenShade b{3.0, 3.0, 0.8, 1.0, -1.0, 0.6};
    const ScreenShade far{3.0, 3.0, 0.0, 1.0, -1.0, 0.3}; // distance 0: never in view
    const BeamShadingPlan one =
        makeBeamShadingPlan(1.0, 1.0, 40, nullptr, nullptr, nullptr, {&a, nullptr, nullptr});
    const BeamShadingPlan two =
        makeBeamShadingPlan(1.0, 1.0, 40, nullptr, nullptr, nullptr, {&a, &b, nullptr});
    const BeamShadingPlan none =
        makeBeamShadingPlan(1.0, 1.0, 40, nullptr, nullptr, nullptr, {&far, nullptr, nullptr});
    const double h = 0.1, v = 0.1;
    EXPECT_EQ(screenFlags(one, h, v), (std::array<int, 3>{1, 0, 0}));
    EXPECT_NEAR(sunlitFraction(one, screenFlags(one, h, v), h, v), 0.3, 1e-12);
    EXPECT_NEAR(sunlitFraction(two, screenFlags(two, h, v), h, v), 0.3 * 0.6, 1e-12);
    EXPECT_EQ(screenFlags(none, h, v), kNoScreens);
    EXPECT_DOUBLE_EQ(sunlitFraction(none, screenFlags(none, h, v), h, v), 1.0);
    // A steep sun looks over the screen: out of view when v > atan((oy + Hs) / D) = atan(4).
    EXPECT_EQ(screenFlags(one, 0.0, std::atan(4.0) + 0.01), kNoScreens);
}

TEST(BeamShading, RowAndColumnSumsReproduceTheCellGrid) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto between = [&](double lo, double hi) { return lo + (hi - lo) * unit(random); };
    for (int trial = 0; trial < 3000; ++trial) {
        const double H = between(0.3, 3.0);
        const double W = between(0.3, 4.0);
        const int G = 1 + static_cast<int>(unit(random) * 100.0) % 100;
        HorizontalShade hs1{between(0.0, 1.5), between(-0.3, 0.6), between(0.0, 2.0), between(-2.5, 0.8),
                            between(0, 1)};
        HorizontalShade hs2{between(0.0, 1.0), between(0.0, 0.5), 0.0, 0.0, 1.0};
        VerticalShade vs{between(0.0, 1.0), between(0.0, 0.3), between(0.0, 1.0), between(0.0, 0.3)};
        std::array<ScreenShade, 3> sc{};
        for (ScreenShade& s : sc) {
            s = {between(0.2, 3.0),  between(0.2, 4.0),  between(0.0, 2.0),
                 between(-1.0, 2.0), between(-1.0, 2.0), between(0, 1)};
        }
        const BeamShadingPlan plan =
            makeBeamShadingPlan(H, W, G, &hs1, trial % 3 == 0 ? &hs2 : nullptr,
                                trial % 2 == 0 ? &vs : nullptr, {&sc[0], &sc[1], &sc[2]});
        const double h = between(-1.5, 1.5);
        const double v = between(0.0, 1.5);
        std::array<int, 3> flags = screenFlags(plan, h, v);
        if (trial % 5 == 0) flags = {1, 1, 1}; // the grid must agree whatever the caller's flags say
        const double fast = sunlitFraction(plan, flags, h, v);
        const double plain = testing::referenceSunlitFraction(plan, flags, h, v);
        ASSERT_NEAR(fast, plain, 1e-12) << "trial " << trial;
    }
}

TEST(BeamShading, MonthlyFactorAboveOneStopsTheRun) {
    auto state = std::make_unique<EngineState>();
    std::ostringstream console;
    state->console = &console;
    state->tim.imonth = 3;
    state->grid.ngrid = 40;
    state->shad.scrh(1) = 3.0;
    state->shad.scrw(1) = 3.0;
    state->shad.scrd(1) = 0.5;
    state->shad.scroh(1) = 1.0;
    state->shad.scrov(1) = -1.0;
    state->shad.scrf(1, 3) = 1.5;
    double fs = 0.0;
    EXPECT_THROW(calcdirectshad(*state, 1.0, 1.0, 0, 0, 0, 1, 0, 0, {1, 0, 0}, 0.1, 0.1, fs), RunStopped);
    EXPECT_EQ(console.str(), " *** ERROR IN SCREEN CALCULATION ***\n");
    state->shad.scrf(1, 3) = 0.5;
    calcdirectshad(*state, 1.0, 1.0, 0, 0, 0, 1, 0, 0, {1, 0, 0}, 0.1, 0.1, fs);
    EXPECT_NEAR(fs, 0.5, 1e-12);
}

} // namespace
} // namespace engine
