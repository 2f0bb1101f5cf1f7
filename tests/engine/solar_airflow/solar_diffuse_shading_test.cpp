// Diffuse shading: the screen view-factor integrals against analytic and numerically integrated view
// factors, the overhang and fin rules against their sky shares integrated over the surface, and the
// monthly factors of a run's windows and wall paths.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "engine/core/state.h"
#include "engine/solar_airflow/diffuse_shading.h"
#include "engine/solar_airflow/screen_view_factor.h"

namespace engine {
namespace {

constexpr double kPi = 3.14159265358979;

// View factor between two equal, parallel, directly opposed rectangles a x b at distance c (the
// closed form found in every radiation text).
double opposedRectangles(double a, double b, double c) {
    const double X = a / c, Y = b / c;
    const double X2 = 1.0 + X * X, Y2 = 1.0 + Y * Y;
    return 2.0 / (kPi * X * Y) *
           (std::log(std::sqrt(X2 * Y2 / (X2 + Y2 - 1.0))) +
            X * std::sqrt(Y2) * std::atan(X / std::sqrt(Y2)) +
            Y * std::sqrt(X2) * std::atan(Y / std::sqrt(X2)) - X * std::atan(X) - Y * std::atan(Y));
}

// View factor from a point to a parallel rectangle at distance D with one corner opposite the point
// and sides x, y (signed: the sign says on which side of the point the rectangle lies).
double pointToCornerRectangle(double x, double y, double D) {
    const double A = std::abs(x) / D, B = std::abs(y) / D;
    const double f = (A / std::sqrt(1.0 + A * A) * std::atan(B / std::sqrt(1.0 + A * A)) +
                      B / std::sqrt(1.0 + B * B) * std::atan(A / std::sqrt(1.0 + B * B))) /
                     (2.0 * kPi);
    return (x < 0.0) != (y < 0.0) ? -f : f;
}

// The hidden share by direct integration over the surface: at each point, twice the view factor to
// the part of the screen above the point's height.
double hiddenShareIntegrated(const Sky& s, int n = 300) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = (i + 0.5) * s.skw / n;
        for (int j = 0; j < n; ++j) {
            const double y = (j + 0.5) * s.skh / n;
            const double x1 = -s.skso - x, x2 = s.sksw - s.skso - x;
            const double y1 = std::max(s.sksv, y) - y, y2 = s.sksv + s.sksh - y;
            if (y2 <= y1) continue;
            const double F = pointToCornerRectangle(x2, y2, s.sksd) - pointToCornerRectangle(x1, y2, s.sksd) -
                             pointToCornerRectangle(x2, y1, s.sksd) + pointToCornerRectangle(x1, y1, s.sksd);
            sum += 2.0 * F;
        }
    }
    return sum / (n * n);
}

TEST(ScreenViewFactor, OpposedScreenOfTheSurfacesSizeGivesThePlainViewFactor) {
    struct Case {
        double W, H, D;
    };
    for (const Case c :
         {Case{1.0, 1.0, 0.5}, Case{2.0, 1.0, 0.5}, Case{1.2, 2.1, 1.7}, Case{3.0, 0.5, 0.2}}) {
        const Sky sky{c.W, c.H, c.W, c.H, 0.0, 0.0, c.D};
        double f = 0.0;
        hiddenSkyShare(sky, f);
        EXPECT_NEAR(f, opposedRectangles(c.W, c.H, c.D), 1e-6) << c.W << " x " << c.H << " at " << c.D;
    }
    double f = 0.0;
    hiddenSkyShare(Sky{1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 0.5}, f);
    EXPECT_NEAR(f, 0.4153, 1e-4);
}

TEST(ScreenViewFactor, EveryPlacementAgreesWithTheIntegratedViewFactor) {
    // Screens below, across the top, wholly above, offset sideways, wider and narrower.
    const Sky cases[] = {
        {1.0, 1.0, 1.0, 1.0, 0.0, 1.5, 0.5},  // wholly above: the documented 0.041
        {1.5, 1.2, 2.0, 0.8, 0.3, 0.5, 0.6},  // top inside the surface, bottom above its bottom
        {1.5, 1.2, 2.0, 2.0, 0.3, -0.5, 0.6}, // spans the whole height
        {1.5, 1.2, 2.0, 1.0, 0.3, 0.6, 0.6},  // starts inside, ends above
        {1.0, 2.0, 0.6, 1.0, -0.8, 0.2, 0.4}, // off to one side
        {1.0, 2.0, 0.6, 1.0, 0.2, -0.4, 0.4}, // bottom below, top inside
        {2.0, 1.0, 5.0, 4.0, 1.5, 0.0, 3.0},  // large and far
    };
    for (const Sky& s : cases) {
        double f = 0.0;
        hiddenSkyShare(s, f);
        EXPECT_NEAR(f, hiddenShareIntegrated(s), 2e-4) << "screen at " << s.skso << ", " << s.sksv;
    }
    double above = 0.0;
    hiddenSkyShare(cases[0], above);
    EXPECT_NEAR(above, 0.041, 5e-4);
}

TEST(ScreenViewFactor, ScreenBelowOrFarAwayHidesNothing) {
    double f = 1.0;
    hiddenSkyShare(Sky{1.0, 1.0, 2.0, 1.0, 0.5, -1.0, 0.5}, f); // ends at the surface's bottom
    EXPECT_NEAR(f, 0.0, 1e-12);
    double near = 0.0, farther = 0.0, farthest = 0.0;
    hiddenSkyShare(Sky{1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 0.3}, near);
    hiddenSkyShare(Sky{1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 1.0}, farther);
    hiddenSkyShare(Sky{1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 30.0}, farthest);
    EXPECT_GT(near, farther);
    EXPECT_LT(farthest, 1e-3);
    // A very deep, wide and tall screen close in front hides nearly the whole sky.
    double deep = 0.0;
    hiddenSkyShare(Sky{1.0, 1.0, 200.0, 200.0, 100.0, 0.0, 0.05}, deep);
    EXPECT_NEAR(deep, 1.0, 1e-2);
}

TEST(ScreenViewFactor, SurfaceWithoutAreaOrScreenAtNoDistanceHidesNothing) {
    for (const Sky& s : {Sky{0.0, 1.0, 1.0, 1.0, 0.0, 0.0, 0.5}, Sky{1.0, 0.0, 1.0, 1.0, 0.0, 0.0, 0.5},
                         Sky{1.0, 1.0, 1.0, 1.0, 0.0, 0.0, 0.0}}) {
        double f = 0.5;
        hiddenSkyShare(s, f);
        EXPECT_EQ(f, 0.0);
    }
}

// Sky share at relative height y (0..1) past an overhang of projection P with its edge O heights above
// the surface's top.
double pointShare(double O, double P, double y) {
    const double z = O + 1.0 - y;
    return z / std::sqrt(z * z + P * P);
}

// The eave's share weighted by m plus (1 - m) times the share of the smaller of the two overhangs'
// shares, averaged over the height.
double horizontalIntegrated(double Pe, double Oe, double Pp, double Op, double m, int n = 20000) {
    double both = 0.0, eave = 0.0;
    for (int i = 0; i < n; ++i) {
        const double y = (i + 0.5) / n;
        const double se = pointShare(Oe, Pe, y);
        eave += se;
        both += std::min(se, pointShare(Op, Pp, y));
    }
    return (m * eave + (1.0 - m) * both) / n;
}

TEST(DiffuseShading, OverhangRuleEqualsTheIntegratedSkyShare) {
    std::mt19937 random(8);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 2000; ++trial) {
        const double H = 0.5 + 2.0 * unit(random);
        HorizontalShade s{2.0 * unit(random), 1.0 * unit(random), 2.5 * unit(random), 1.0 * unit(random),
                          unit(random)};
        if (trial % 7 == 0) s.pergo = s.eaveo;  // equal offsets
        if (trial % 11 == 0) s.pergp = s.eavep; // equal projections
        if (trial % 13 == 0) s.eavep = 0.0;     // pergola only
        const double expected =
            horizontalIntegrated(s.eavep / H, s.eaveo / H, s.pergp / H, s.pergo / H, s.pergf);
        ASSERT_NEAR(horizontalSkyFactor(s, H), expected, 1e-4)
            << "trial " << trial << ": eave " << s.eavep << "/" << s.eaveo << " pergola " << s.pergp << "/"
            << s.pergo;
    }
}

TEST(DiffuseShading, OverhangRuleEdgeCases) {
    // No projections: 1.  A pergola only, in a month it lets everything through: 1.
    EXPECT_DOUBLE_EQ(horizontalSkyFactor({0.0, 0.3, 0.0, 0.2, 0.5}, 1.5), 1.0);
    EXPECT_NEAR(horizontalSkyFactor({0.0, 0.0, 1.0, 0.2, 1.0}, 1.5), 1.0, 1e-12);
    // Eave and pergola alike: the eave's share, whatever the pergola's factor.
    const double g = overhangSkyShare(0.2, 0.5);
    EXPECT_NEAR(horizontalSkyFactor({0.75, 0.3, 0.75, 0.3, 0.1}, 1.5), g, 1e-12);
    // A surface without height keeps 1.
    EXPECT_DOUBLE_EQ(horizontalSkyFactor({1.0, 0.2, 0.0, 0.0, 1.0}, 0.0), 1.0);
    // A very deep eave right at the top leaves almost no sky.
    EXPECT_LT(horizontalSkyFactor({1000.0, 0.0, 0.0, 0.0, 1.0}, 1.0), 1e-3);
}

TEST(DiffuseShading, FinRuleHalvesTheSkyBetweenTheSides) {
    const auto integrated = [](double O, double P) {
        double sum = 0.0;
        const int n = 20000;
        for (int i = 0; i < n; ++i) sum += pointShare(O, P, (i + 0.5) / n);
        return sum / n;
    };
    // Right fin only (0.6 m, 0.1 m off the side of a 1.2 m window): its half gets the share past the
    // fin, the other half is open.
    EXPECT_NEAR(verticalSkyFactor({0.0, 0.0, 0.6, 0.1}, 1.2), 0.5 * (integrated(0.1 / 1.2, 0.5) + 1.0), 1e-6);
    EXPECT_NEAR(verticalSkyFactor({0.6, 0.1, 0.0, 0.0}, 1.2), 0.5 * (integrated(0.1 / 1.2, 0.5) + 1.0), 1e-6);
    EXPECT_NEAR(verticalSkyFactor({0.6, 0.0, 0.3, 0.2}, 1.2),
                0.5 * (integrated(0.0, 0.5) + integrated(0.2 / 1.2, 0.25)), 1e-6);
    EXPECT_DOUBLE_EQ(verticalSkyFactor({0.0, 0.0, 0.0, 0.0}, 1.2), 1.0);
    EXPECT_DOUBLE_EQ(verticalSkyFactor({0.6, 0.0, 0.3, 0.2}, 0.0), 1.0);
}

class MonthlyFactors : public ::testing::Test {
  protected:
    void SetUp() override {
        state = std::make_unique<EngineState>();
        state->zones.nzones = 1;
        state->grid.ngrid = 40;
        state->tim.imonth = 1;
        ShadBlock& shad = state->shad;
        shad.nwin(1) = 2;
        for (int k = 1; k <= 2; ++k) {
            shad.warea(1, k) = 1.5 * 1.2;
            shad.wheight(1, k) = 1.5;
            shad.wwidth(1, k) = 1.2;
        }
        // Scheme 1: screens; scheme 2: an eave with a pergola.
        for (int s = 1; s <= 3; ++s) {
            shad.scrh(s) = 3.0;
            shad.scrw(s) = 3.0;
            shad.scrd(s) = 0.3;
            shad.scroh(s) = 0.9;
            shad.scrov(s) = -0.5;
            for (int m = 1; m <= 12; ++m) shad.scrf(s, m) = 0.0;
        }
        shad.eavep(2) = 0.6;
        shad.eaveo(2) = 0.3;
        shad.pergp(2) = 1.5;
        shad.pergo(2) = 0.4;
        for (int m = 1; m <= 12; ++m) shad.pergf(2, m) = m <= 6 ? 0.2 : 1.0;
    }
    std::unique_ptr<EngineState> state;
};

TEST_F(MonthlyFactors, UnshadedWindowKeepsEveryFactorAtOne) {
    calcdiffuseshading(*state);
    EXPECT_EQ(state->diffuseshad.wdfscr(1, 1), 1.0);
    EXPECT_EQ(state->diffuseshad.wdfhor(1, 1), 1.0);
    EXPECT_EQ(state->diffuseshad.wdfver(1, 1), 1.0);
}

TEST_F(MonthlyFactors, ScreensThatHideMoreThanTheWholeViewGiveZero) {
    state->shad.wsc1(1, 1) = 1;
    state->shad.wsc2(1, 1) = 2;
    state->shad.wsc3(1, 1) = 3;
    state->shad.wsc1(1, 2) = 1;
    calcdiffuseshading(*state);
    const double one = state->diffuseshad.wdfscr(1, 2);
    Sky sky{1.2, 1.5, 3.0, 3.0, 0.9, -0.5, 0.3};
    double f = 0.0;
    hiddenSkyShare(sky, f);
    EXPECT_NEAR(one, 1.0 - f, 1e-12);
    ASSERT_GT(3.0 * f, 1.0);
    EXPECT_EQ(state->diffuseshad.wdfscr(1, 1), 0.0);
    // A month in which the screens let everything through leaves the window unshaded.
    for (int s = 1; s <= 3; ++s) state->shad.scrf(s, 2) = 1.0;
    state->tim.imonth = 2;
    calcdiffuseshading(*state);
    EXPECT_EQ(state->diffuseshad.wdfscr(1, 1), 1.0);
}

TEST_F(MonthlyFactors, PergolaFactorChangesWithTheMonth) {
    state->shad.whs1(1, 1) = 2;
    calcdiffuseshading(*state);
    const double winter = state->diffuseshad.wdfhor(1, 1);
    state->tim.imonth = 7;
    calcdiffuseshading(*state);
    const double summer = state->diffuseshad.wdfhor(1, 1);
    EXPECT_NEAR(summer, overhangSkyShare(0.3 / 1.5, 0.6 / 1.5), 1e-12); // the pergola lets all through
    EXPECT_LT(winter, summer);
    EXPECT_NEAR(winter, horizontalIntegrated(0.4, 0.2, 1.0, 0.4 / 1.5, 0.2), 1e-4);
}

TEST_F(MonthlyFactors, SurfacesWithoutSizeKeepTheirFactorsAtOne) {
    // A window of zero area, and a wall path of zero width, each with a screen and an eave.
    state->shad.warea(1, 1) = 0.0;
    state->shad.wsc1(1, 1) = 1;
    state->shad.whs1(1, 1) = 2;
    state->shad.nwpath = 1;
    state->shad.wphgt(1) = 2.4;
    state->shad.wpwid(1) = 0.0;
    state->shad.wpsc1(1) = 1;
    state->shad.wpvs(1) = 0;
    calcdiffuseshading(*state);
    EXPECT_EQ(state->diffuseshad.wdfscr(1, 1), 1.0);
    EXPECT_EQ(state->diffuseshad.wdfhor(1, 1), 1.0);
    EXPECT_EQ(state->diffuseshad.wpdfscr(1), 1.0);
    EXPECT_TRUE(std::isfinite(state->diffuseshad.wpdfhor(1)));
}

} // namespace
} // namespace engine
