// The shared pieces of the editors' R displays that later editors build on.
#include "modeller/editors/element_editor.h"
#include "modeller/editors/wall_editor.h"
#include "modeller/model/building_physics.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class ReflectiveGapTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / "BESTFIT.DAT",
                                   root_ / "BESTFIT.DAT");
        ReadBestFitFile(model());
    }
};

TEST_F(ReflectiveGapTest, AVerticalFortyMillimetreGapAgreesWithTheWallEditorsGapTable) {
    // The wall editors count a 40 mm wall cavity of each gap code with fixed resistances; the air-gap
    // helper, from its own coefficient table, gives the same vertical gaps within 12 % and 0.01, and the
    // shinier the reflective face the larger the resistance: code 2 (0.05), 3 (0.1), 4 (0.4), 1 (0.9).
    double r[5] = {};
    for (long long code = 1; code <= 4; ++code) {
        const GapResistances gap = ReflectiveGap(model(), code, 40.0, 90.0);
        EXPECT_NEAR(gap.Up, gap.Down, 1e-12) << code; // a vertical gap has one value
        EXPECT_NEAR(gap.Up, WallGapResistance(code), 0.12 * WallGapResistance(code) + 0.01) << code;
        r[code] = gap.Up;
    }
    EXPECT_GT(r[2], r[3]);
    EXPECT_GT(r[3], r[4]);
    EXPECT_GT(r[4], r[1]);
    EXPECT_EQ(ReflectiveGap(model(), 0, 40.0, 90.0).Up, 0.0);
    EXPECT_EQ(ReflectiveGap(model(), 7, 40.0, 90.0).Down, 0.0);
}

TEST_F(ReflectiveGapTest, AHorizontalGapResistsHeatFlowingDownMoreThanUp) {
    for (long long code = 1; code <= 4; ++code) {
        const GapResistances r = ReflectiveGap(model(), code, 40.0, 0.0);
        EXPECT_GT(r.Down, r.Up) << code;
    }
}

TEST(EditorConventions, BulkRCountsTheAddedROnlyWhereTheRowShowsIt) {
    EXPECT_EQ(BulkResistance(1.5, false, 2.5), 1.5);
    EXPECT_EQ(BulkResistance(1.5, true, 2.5), 4.0);
    EXPECT_EQ(TransmittanceLabel(true, 2.0, 0.159, 10.0), "U  0.46");
    EXPECT_EQ(TransmittanceLabel(false, 2.0, 0.159, 10.0), "UA  4.63");
}

} // namespace
