// The R values of the wall editors, worked by hand from the rows' layers: a layer's R is its
// resistivity x thickness / 1000, gaps count 0.163, 0.625, 0.51 or 0.28 by their code.
#include "modeller/editors/wall_editor.h"

#include <gtest/gtest.h>

namespace {

using pelmora::DefaultWallThickness;
using pelmora::WallConstructionRow;
using pelmora::WallInsulationRow;
using pelmora::WallRValues;

constexpr double kTolerance = 1e-9;

TEST(WallRValues, TheThicknessTypedGoesIntoTheLayerThatTheRowNames) {
    struct Case {
        const char* what;
        WallConstructionRow row;
        double thickness; // mm
        double rd;        // worked by hand
        double defaultThickness;
    };
    const Case cases[] = {
        {"TI 0: one layer", {0, 190, 1.333, 0, 0, 0, 0, false}, 200, 1.333 * 0.200, 190},
        {"TI 1: first layer typed",
         {1, 110, 1.299, 10, 4.0, 0, 0, true},
         90,
         1.299 * 0.090 + 4.0 * 0.010,
         110},
        {"TI 2: second layer typed",
         {2, 19, 7.692, 10, 4.0, 0, 0, true},
         13,
         7.692 * 0.019 + 4.0 * 0.013,
         10},
        {"TI 3: two leaves of the typed thickness",
         {3, 110, 1.299, 110, 1.299, 0, 0, true},
         110,
         1.299 * 0.22,
         110},
        {"TI 4: middle layer typed",
         {4, 1, 0.02, 75, 26.316, 1, 0.02, false},
         100,
         0.00002 + 2.6316 + 0.00002,
         75},
        {"TI 7: no layer", {7, 100, 1.0, 50, 2.0, 0, 0, false}, 100, 0.0, 50},
    };
    const WallInsulationRow none{false, 0, 0, 0, 0.0};
    for (const Case& c : cases) {
        const auto r = WallRValues(c.row, none, c.thickness, 0.0, false);
        EXPECT_NEAR(r.Rd, c.rd, kTolerance) << c.what;
        EXPECT_NEAR(r.Rt, c.rd, kTolerance) << c.what;
        EXPECT_EQ(DefaultWallThickness(c.row), c.defaultThickness) << c.what;
    }
}

TEST(WallRValues, AirGapsCountByTheirCodesAndTheWallTypesRules) {
    const WallConstructionRow veneer{1, 110, 1.299, 10, 4.0, 0, 0, true};
    const WallConstructionRow veneerNoGap{1, 110, 1.299, 10, 4.0, 0, 0, false};
    const WallConstructionRow block{0, 190, 1.333, 0, 0, 0, 0, true};
    const WallConstructionRow panel{4, 1, 0.02, 75, 26.316, 1, 0.02, true};
    struct Case {
        const char* what;
        WallConstructionRow wall;
        WallInsulationRow insulation;
        bool foilFaced;
        double ri; // worked by hand
    };
    const Case cases[] = {
        {"codes 1, 0, 2", veneer, {false, 1, 0, 2, 0.0}, false, 0.163 + 0.625},
        {"codes 3 and 4", veneer, {false, 3, 4, 0, 0.0}, false, 0.51 + 0.28},
        {"AS false drops the first gap", veneerNoGap, {false, 1, 0, 2, 0.0}, false, 0.625},
        {"TI 0 without a first gap has none", block, {false, 0, 2, 1, 0.0}, false, 0.0},
        {"TI 4 without a first gap has none", panel, {false, 0, 2, 1, 0.0}, false, 0.0},
        {"TI 0 with a first gap keeps all", block, {false, 1, 2, 0, 0.0}, false, 0.163 + 0.625},
        {"foil-faced cavity with bulk R", veneer, {false, 1, 0, 0, 1.5}, true, 0.51 + 1.5},
        {"foil-faced cavity without bulk R", veneer, {false, 1, 0, 0, 0.0}, true, 0.163},
    };
    for (const Case& c : cases) {
        const auto r = WallRValues(c.wall, c.insulation, c.wall.D1, 0.0, c.foilFaced);
        EXPECT_NEAR(r.Ri, c.ri, kTolerance) << c.what;
        EXPECT_NEAR(r.Rt, r.Rd + c.ri, kTolerance) << c.what;
    }
}

TEST(WallRValues, TheAddedROnlyCountsWhenTheInsulationRowShowsIt) {
    const WallConstructionRow veneer{1, 110, 1.299, 10, 4.0, 0, 0, true};
    const WallInsulationRow batts{false, 1, 0, 0, 2.0};   // a fixed R2.0 product
    const WallInsulationRow enterR{true, 1, 0, 0, 0.0};   // "enter R"
    const WallInsulationRow foilAndR{true, 2, 0, 0, 0.5}; // own R and an added one
    EXPECT_NEAR(WallRValues(veneer, batts, 110, 2.5, false).Ri, 0.163 + 2.0, kTolerance);
    EXPECT_NEAR(WallRValues(veneer, enterR, 110, 2.5, false).Ri, 0.163 + 2.5, kTolerance);
    EXPECT_NEAR(WallRValues(veneer, foilAndR, 110, 2.5, false).Ri, 0.625 + 0.5 + 2.5, kTolerance);
}

} // namespace
