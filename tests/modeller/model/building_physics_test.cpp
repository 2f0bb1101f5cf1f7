#include "modeller/model/building_physics.h"
#include "modeller/model/model_error.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using ::testing::HasSubstr;

using pelmora::AirGapResistance;
using pelmora::ColourToAbsorptance;

TEST(ColourToAbsorptance, FollowsTheLightnessOfTheColour) {
    // Worked by hand from L = nint((max + min) / 2), m = (255 - L) / 255, (m + (1 - m) 0.24) 0.96.
    struct Case {
        const char* name;
        std::int32_t colour; // 0x00BBGGRR
        double absorptance;
    };
    const Case cases[] = {
        {"white", 0x00FFFFFF, 0.2304},
        {"black", 0x00000000, 0.96},
        {"pure red: L = nint(127.5) = 128", 0x000000FF, 0.59377},
        {"pure blue", 0x00FF0000, 0.59377},
        {"factory grey 162", 10658466, (93.0 / 255 + 162.0 / 255 * 0.24) * 0.96},
        {"red 1: L = nint(0.5) = 0, halves to even", 0x00000001, 0.96},
        {"red 3: L = nint(1.5) = 2", 0x00000003, (253.0 / 255 + 2.0 / 255 * 0.24) * 0.96},
        {"the top byte is not a colour", 0x01FFFFFF, 0.2304},
    };
    for (const auto& c : cases) EXPECT_NEAR(ColourToAbsorptance(c.colour), c.absorptance, 5e-6) << c.name;
}

TEST(PolyFit, ReturnsTheParabolaThroughThreePoints) {
    const double x[] = {0.0, 45.0, 90.0};
    const double y[] = {2.0, 2.0 - 3.0 * 45 + 0.5 * 45 * 45, 2.0 - 3.0 * 90 + 0.5 * 90 * 90};
    double a[3] = {};
    const double r = pelmora::PolyFit(x, y, 3, 3, a);
    EXPECT_NEAR(a[0], 2.0, 1e-9);
    EXPECT_NEAR(a[1], -3.0, 1e-9);
    EXPECT_NEAR(a[2], 0.5, 1e-12);
    EXPECT_NEAR(r, 1.0, 1e-9);
}

TEST(PolyFit, FitsAStraightLineByLeastSquares) {
    // Points (0,0), (1,1), (2,1), (3,2): slope 0.6, intercept 0.1 (normal equations by hand);
    // SSE = 0.2, SST = 2.0, r = sqrt(0.9).
    const double x[] = {0, 1, 2, 3};
    const double y[] = {0, 1, 1, 2};
    double a[2] = {};
    const double r = pelmora::PolyFit(x, y, 2, 4, a);
    EXPECT_NEAR(a[0], 0.1, 1e-12);
    EXPECT_NEAR(a[1], 0.6, 1e-12);
    EXPECT_NEAR(r, std::sqrt(0.9), 1e-12);
}

TEST(PolyFit, ReportsTooFewTermsOrPointsAndASingularSystem) {
    const double x[] = {1.0, 1.0, 2.0};
    const double y[] = {1.0, 2.0, 3.0};
    double a[3] = {};
    auto message = [&](int n, int m) {
        try {
            pelmora::PolyFit(x, y, n, m, a);
        } catch (const pelmora::MathError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message(0, 3), pelmora::kTooFewTerms);
    EXPECT_EQ(message(2, 1), pelmora::kTooFewPoints);
    // Three terms through two distinct abscissae: no unique parabola, reported instead of dividing
    // by a zero pivot.
    EXPECT_EQ(message(3, 3), pelmora::kSingular);
    EXPECT_TRUE(std::all_of(std::begin(a), std::end(a), [](double v) { return std::isfinite(v); }));
}

// ---- Air gaps -----------------------------------------------------------------------------------
//
// The coefficient file of these tests is built from the air-layer model of EN ISO 6946: the gap's
// conductance is a convective part h_a (W/m2K) plus a radiative part E h_r0, with h_r0 = 4 sigma T^3 at
// a mean temperature of 10 C.  So each block and gap width holds c0 = h_a, c1 = h_r0 and c2..c5 = 0,
// except one block that carries a small c2 so that a mix-up of rows and columns shows.

constexpr double kHr0 = 4 * 5.670374e-8 * 283.15 * 283.15 * 283.15; // W/m2K
constexpr double kGapMm[4] = {90, 40, 20, 13};                      // gap columns

double convectiveUp(double dMm) {
    return std::max(1.95, 0.025 / (dMm / 1000));
}
double convectiveSideways(double dMm) {
    return std::max(1.25, 0.025 / (dMm / 1000));
}
double convectiveDown(double dMm) {
    return std::max(0.12 * std::pow(dMm / 1000, -0.44), 0.025 / (dMm / 1000));
}
constexpr double kBlock4C2 = 0.3; // W/m2K per E^2, only in block 4

// c0 of block b at gap column g.
double c0(int block, int column) {
    const double d = kGapMm[column];
    switch (block) {
    case 0:
        return convectiveSideways(d);
    case 1:
        return convectiveUp(d);
    case 2:
        return convectiveDown(d);
    case 3:
        return (convectiveUp(d) + convectiveSideways(d)) / 2;
    default:
        return (convectiveDown(d) + convectiveSideways(d)) / 2;
    }
}

std::string bestFitText() {
    static const char* titles[] = {"Vertical, horizontal heat flow", "Horizontal, heat flow up",
                                   "Horizontal, heat flow down", "45 degrees, heat flow up",
                                   "45 degrees, heat flow down"};
    std::string text;
    char buffer[64];
    for (int b = 0; b < 5; ++b) {
        text += std::string(titles[b]) + "\r\n";
        for (int row = 0; row < 6; ++row) {
            for (int g = 0; g < 4; ++g) {
                double c = row == 0 ? c0(b, g) : row == 1 ? kHr0 : (row == 2 && b == 4) ? kBlock4C2 : 0.0;
                std::snprintf(buffer, sizeof buffer, " %.10E", c);
                text += buffer;
            }
            text += "\r\n";
        }
    }
    return text;
}

// The resistance of block b at a tabulated width, straight from the model above.
double tabulated(int block, int column, double E, double factor = 1.0) {
    const double c2 = block == 4 ? kBlock4C2 : 0.0;
    return factor / (c0(block, column) + kHr0 * E + c2 * E * E);
}

struct AirGapFixture : ::testing::Test {
    model_test::TempFolder root;
    std::unique_ptr<pelmora::HouseModel> model = model_test::modelIn(root.path());
    void SetUp() override {
        root.write("BESTFIT.DAT", bestFitText());
        pelmora::ReadBestFitFile(*model);
    }
    std::pair<double, double> gap(double width, double e1, double e2, double tilt, int vented = 0) {
        AirGapResistance(*model, vented, width, e1, e2, tilt);
        return {model->AirGapResistanceUp, model->AirGapResistanceDown};
    }
};

TEST_F(AirGapFixture, ReproducesThePublishedHighEmittanceAirLayers) {
    // EN ISO 6946, unventilated air layers between surfaces of emittance 0.9: thermal resistance in
    // m2K/W for heat flow up / horizontal / down (given to two decimals).  A horizontal layer (tilt 0)
    // has flow up or down, a vertical one (tilt 90) horizontal flow.
    struct Row {
        double mm, up, sideways, down;
    };
    const Row table[] = {{15, 0.16, 0.17, 0.17}, {25, 0.16, 0.18, 0.19}, {100, 0.16, 0.18, 0.22}};
    for (const Row& row : table) {
        SCOPED_TRACE(row.mm);
        auto [up, down] = gap(row.mm, 0.9, 0.9, 0.0);
        EXPECT_NEAR(up, row.up, 0.006);
        EXPECT_NEAR(down, row.down, 0.006);
        auto [upV, downV] = gap(row.mm, 0.9, 0.9, 90.0);
        EXPECT_NEAR(upV, row.sideways, 0.006);
        EXPECT_NEAR(downV, row.sideways, 0.006);
    }
}

TEST_F(AirGapFixture, TakesEachBlockAtTheTabulatedWidthsAndTilts) {
    const double e1 = 0.9, e2 = 0.2;
    const double E = 1.0 / (1.0 / e1 + 1.0 / e2 - 1.0);
    for (int g = 0; g < 4; ++g) {
        SCOPED_TRACE(kGapMm[g]);
        auto [up0, down0] = gap(kGapMm[g], e1, e2, 0.0);
        EXPECT_NEAR(up0, tabulated(1, g, E), 1e-9);
        EXPECT_NEAR(down0, tabulated(2, g, E), 1e-9);
        auto [up45, down45] = gap(kGapMm[g], e1, e2, 45.0);
        EXPECT_NEAR(up45, tabulated(3, g, E), 1e-9);
        EXPECT_NEAR(down45, tabulated(4, g, E), 1e-9);
        auto [up90, down90] = gap(kGapMm[g], e1, e2, 90.0);
        EXPECT_NEAR(up90, tabulated(0, g, E), 1e-9);
        EXPECT_NEAR(down90, up90, 1e-12);
    }
}

TEST_F(AirGapFixture, JoinsWidthsLinearlyAndTiltsByTheParabolaThroughThem) {
    const double E = 0.9 / 1.1; // emittances 0.9 and 0.9
    // 30 mm lies halfway between the 20 and 40 mm columns.
    auto at30 = [&](int block) { return (tabulated(block, 1, E) + tabulated(block, 2, E)) / 2; };
    // Lagrange's parabola through tilts 0, 45, 90, evaluated at 30 degrees.
    auto lagrange = [](double y0, double y45, double y90) {
        const double t = 30.0;
        return y0 * (t - 45) * (t - 90) / (45.0 * 90.0) + y45 * t * (t - 90) / (45.0 * -45.0) +
               y90 * t * (t - 45) / (90.0 * 45.0);
    };
    auto [up, down] = gap(30.0, 0.9, 0.9, 30.0);
    EXPECT_NEAR(up, lagrange(at30(1), at30(3), at30(0)), 1e-9);
    EXPECT_NEAR(down, lagrange(at30(2), at30(4), at30(0)), 1e-9);
}

TEST_F(AirGapFixture, ClampsWidthsAndEmittances) {
    EXPECT_EQ(gap(10.0, 0.9, 0.9, 0.0), gap(13.0, 0.9, 0.9, 0.0));
    EXPECT_EQ(gap(120.0, 0.9, 0.9, 0.0), gap(90.0, 0.9, 0.9, 0.0));
    EXPECT_EQ(gap(40.0, 1.0, 0.01, 0.0), gap(40.0, 0.9, 0.05, 0.0));
    // Emittances 0.05 and 0.9 give E = 0.04972 (to 5 decimals).
    auto [up, down] = gap(90.0, 0.05, 0.9, 0.0);
    EXPECT_NEAR(up, tabulated(1, 0, 0.049724), 1e-6);
    EXPECT_GT(down, up); // a low-emittance gap resists downward flow more
}

TEST_F(AirGapFixture, VentedGapScalesByItsFactor) {
    const double E = 0.9 / 1.1;
    auto [up, down] = gap(40.0, 0.9, 0.9, 90.0, 1);
    EXPECT_NEAR(up, tabulated(0, 1, E, 0.905 - 0.1112 * E), 1e-9);
    EXPECT_NEAR(down, up, 1e-12);
}

TEST(BestFitFile, ReportsAMissingFileABadNumberOrAShortFileAndKeepsTheTable) {
    model_test::TempFolder root;
    auto model = model_test::modelIn(root.path());
    model->BestFitCoefficients[0][0][0] = 7.0;
    auto expectFailure = [&](const std::string& expected) {
        EXPECT_THAT(model_test::modelErrorOf([&] { pelmora::ReadBestFitFile(*model); }), HasSubstr(expected));
        EXPECT_EQ(model->BestFitCoefficients[0][0][0], 7.0);
    };
    expectFailure("BESTFIT.DAT does not exist");

    std::string text = bestFitText();
    const auto thirdValue = text.find("E", text.find("\n") + 1); // in line 2
    std::string bad = text;
    bad[thirdValue - 3] = 'x';
    root.write("BESTFIT.DAT", bad);
    expectFailure("line 2");

    root.write("BESTFIT.DAT", text.substr(0, text.size() / 2));
    expectFailure("ends inside block 3");
}

TEST(BestFitFile, FindsTheFileWhateverTheCaseOfItsName) {
    model_test::TempFolder root;
    auto model = model_test::modelIn(root.path());
    root.write("bestfit.dat", bestFitText());
    pelmora::ReadBestFitFile(*model);
    EXPECT_NEAR(model->BestFitCoefficients[2][3][0], convectiveDown(13), 1e-9);
    EXPECT_NEAR(model->BestFitCoefficients[4][1][2], kBlock4C2, 1e-12);
}

} // namespace
