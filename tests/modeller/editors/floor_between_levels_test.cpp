// The editors of the floor between levels: the construction kept with the lower zone and the covering
// kept with the upper zone.  R values worked by hand from the shipped rows: the timber floor under a
// plasterboard ceiling (19 mm at 5.556 per m and 10 mm at 4.0 per m, R 0.14556), carpet and underlay
// (15 mm at 16.667 per m, R 0.25) and ceramic tiles (10 mm at 0.769 per m).
#include "modeller/editors/floor_cover_editor.h"
#include "modeller/editors/int_ceiling_editor.h"

#include "editor_fixture.h"
#include "modeller/model/common_floor_area.h"
#include "upper_zone.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class FloorBetweenLevelsTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        ceiling_ = std::make_unique<IntCeilingEditor>(context());
        cover_ = std::make_unique<FloorCoverEditor>(context());
    }
    void TearDown() override {
        ceiling_.reset();
        cover_.reset();
        EditorTest::TearDown();
    }
    // A zone of level 2 with its plan at (x, y), `width` x `depth` metres.
    int AddUpperZone(double width, double depth, double x = 0.0, double y = 0.0) {
        return editor_test::AddUpperZone(model(), 2, width, depth, x, y);
    }
    std::unique_ptr<IntCeilingEditor> ceiling_;
    std::unique_ptr<FloorCoverEditor> cover_;
};

TEST_F(FloorBetweenLevelsTest, TheCeilingShowsTheAreaUnderTheLevelAboveAndItsUA) {
    const int lower = AddBoxZone(8.0, 6.0);
    const int upper = AddUpperZone(5.0, 4.0);
    selection().CurrentZone = lower;
    IntCeilingEditor& e = *ceiling_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Internal Ceiling of Zone 1  Zone1");
    EXPECT_TRUE(e.ZoneColourPanelVisible);
    EXPECT_FALSE(e.ChangeAllToDefaultSBVisible);
    EXPECT_DOUBLE_EQ(e.SharedArea, 20.0);
    // Rm 0.14556; the 90 mm gap of insulation 1: 0.149 up, 0.192 down; surfaces 0.109 + 0.05.
    EXPECT_EQ(e.RumLabel, "Ru  0.15");
    EXPECT_EQ(e.RdmLabel, "Rd  0.15");
    EXPECT_EQ(e.RuiLabel, "Ru  0.15");
    EXPECT_EQ(e.RdiLabel, "Rd  0.19");
    EXPECT_EQ(e.RTotUpLabel, "Rtu  0.29");
    EXPECT_EQ(e.RTotDnLabel, "Rtd  0.34");
    EXPECT_EQ(e.AreaLabel, "Area   20.00");
    EXPECT_EQ(e.UAUpLabel, "UAu  44.10"); // 20 / 0.45356
    EXPECT_EQ(e.UADnLabel, "UAd  40.28"); // 20 / 0.49656
    e.CancelSBClick();
    e.FormClose();

    // The top level has nothing above it.
    selection().CurrentZone = upper;
    e.FormShow();
    EXPECT_EQ(e.AreaLabel, "Area   0.00");
    EXPECT_EQ(e.UAUpLabel, "UAu  0.00");
}

TEST_F(FloorBetweenLevelsTest, TheGapCountsOnlyWhereTheConstructionHasACavityForIt) {
    AddBoxZone(8.0, 6.0);
    model().DefaultsMode = true;
    IntCeilingEditor& e = *ceiling_;
    e.FormShow();
    // Defaults mode shows U and no area: U = 1 / (0.14556 + 0.149 + 0.159) up, 0.192 down.
    EXPECT_EQ(e.UAUpLabel, "Uu  2.20");
    EXPECT_EQ(e.UADnLabel, "Ud  2.01");
    EXPECT_EQ(e.AreaLabel, "");
    struct Case {
        int material, insulation;
        const char* up;
        const char* down;
    };
    // Gap code 2 on a cavity: 0.14556 + 0.461 and + 1.514; a slab (G 0) takes no gap.
    const Case cases[] = {{1, 3, "Rtu  0.61", "Rtd  1.66"}, {3, 3, "Rtu  0.11", "Rtd  0.11"}};
    for (const Case& c : cases) {
        e.materialstable.MoveTo(c.material);
        e.insulationtable.MoveTo(c.insulation);
        EXPECT_EQ(e.RTotUpLabel, c.up) << c.material << "/" << c.insulation;
        EXPECT_EQ(e.RTotDnLabel, c.down) << c.material << "/" << c.insulation;
    }
    const IntCeilingMaterialRow cavity{19, 5.556, 10, 4.0, 1};
    const IntCeilingResistances r = IntCeilingRValues(cavity, 2, false, 0.0);
    EXPECT_NEAR(r.TotalDown - r.TotalUp, 1.514 - 0.461, 1e-12);
    // A construction of kind 3 or 4 meeting a gap of code 3 or 4 takes no gap; other codes count.
    IntCeilingMaterialRow special = cavity;
    special.G = 4;
    EXPECT_EQ(IntCeilingRValues(special, 3, false, 0.0).GapUp, 0.0);
    EXPECT_EQ(IntCeilingRValues(special, 4, false, 0.0).GapDown, 0.0);
    EXPECT_EQ(IntCeilingRValues(special, 1, false, 0.0).GapDown, 0.192);
    special.G = 1;
    EXPECT_EQ(IntCeilingRValues(special, 4, false, 0.0).GapDown, 1.0);
    EXPECT_EQ(IntCeilingRValues(special, 3, false, 0.0).GapUp, 0.145);
}

TEST_F(FloorBetweenLevelsTest, AHiddenBulkRIsLeftOutOfTheTotalsButKept) {
    const int lower = AddBoxZone(8.0, 6.0);
    model().ZoneIntCeilings(lower).AddedR = 2.5;
    model().ZoneIntCeilings(lower).Insulation = 2; // bulk, shows the added R
    selection().CurrentZone = lower;
    IntCeilingEditor& e = *ceiling_;
    e.FormShow();
    EXPECT_TRUE(e.rpanelVisible);
    EXPECT_TRUE(e.AddedRShown());
    EXPECT_EQ(e.RLabel, "2.5");
    EXPECT_EQ(e.Rscroll, 25);
    EXPECT_EQ(e.RuiLabel, "Ru  2.65"); // 0.149 + 2.5
    e.insulationtable.MoveTo(1);       // no "ShowR"
    EXPECT_FALSE(e.rpanelVisible);
    EXPECT_EQ(e.RuiLabel, "Ru  0.15");
    EXPECT_EQ(e.RTotUpLabel, "Rtu  0.29");
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().ZoneIntCeilings(lower).Insulation, 1);
    EXPECT_EQ(model().ZoneIntCeilings(lower).AddedR, 2.5);
}

TEST_F(FloorBetweenLevelsTest, TheCeilingEditorWritesOnlyOnOKAndPastesItsCopy) {
    const int lower = AddBoxZone(8.0, 6.0), other = AddBoxZone(3.0, 6.0, 8.0);
    selection().CurrentZone = lower;
    const std::vector<std::string> before = HouseFileLines();
    IntCeilingEditor& e = *ceiling_;
    e.FormShow();
    EXPECT_FALSE(e.PasteButtonVisible);
    e.materialstable.MoveTo(4);
    e.insulationtable.MoveTo(4);
    e.RscrollChange(35);
    e.CopyButtonClick();
    e.CancelSBClick();
    e.FormClose();
    EXPECT_EQ(HouseFileLines(), before);

    selection().CurrentZone = other;
    e.FormShow();
    EXPECT_TRUE(e.PasteButtonVisible);
    EXPECT_EQ(e.materialstable.RecNo(), 1);
    e.PasteButtonClick();
    EXPECT_EQ(e.materialstable.RecNo(), 4);
    EXPECT_EQ(e.insulationtable.RecNo(), 4);
    EXPECT_EQ(e.RLabel, "3.5");
    EXPECT_EQ(e.Rscroll, 35);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().ZoneIntCeilings(other), (TIntCeilingRec{4, 4, 3.5}));
    EXPECT_EQ(model().ZoneIntCeilings(lower), (TIntCeilingRec{1, 1, 1.0}));

    model().DefaultsMode = true;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Default Internal Ceiling");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    e.materialstable.MoveTo(2);
    e.RscrollChange(0);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().LevelDefaults(1).DefIntCeilingMaterial, 2);
    EXPECT_EQ(model().LevelDefaults(1).DefIntCeilingAddedR, 0.0);
}

TEST_F(FloorBetweenLevelsTest, TheCoveringShowsItsROnAReferenceFloor) {
    AddBoxZone(8.0, 6.0);
    model().DefaultsMode = true;
    FloorCoverEditor& e = *cover_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Default Internal Floor Covering");
    EXPECT_EQ(e.FloorCoverTable.RecNo(), 2);
    EXPECT_EQ(e.RLabel, "R  0.25");
    EXPECT_EQ(e.UALabel, "U  2.79"); // 1 / (0.250005 + 0.109)
    EXPECT_EQ(e.AreaLabel, "");
    // Carpet 70 % and tiles 30 % as two parallel paths over a floor of 0.3.
    e.FloorCoverTable.MoveTo(7);
    const double both = 1.0 / (0.7 / (0.3 + 0.25) + 0.3 / (0.3 + 0.00769));
    EXPECT_EQ(e.RLabel, "R  " + FixedText(both - 0.3, 2));
    e.FloorCoverTable.MoveTo(5);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().LevelDefaults(1).DefFloorCover, 5);

    e.FormClose();
    Sql("UPDATE FloorCovering SET A1 = 0, A2 = 0 WHERE rowid = 2");
    e.FormShow();
    e.FloorCoverTable.MoveTo(2);
    EXPECT_EQ(e.RLabel, "R  0.00");
}

TEST_F(FloorBetweenLevelsTest, TheCoveringOfAZoneCountsOnlyItsFloorOverTheLevelBelow) {
    const int lower = AddBoxZone(8.0, 6.0);
    const int upper = AddUpperZone(5.0, 4.0);
    const int corner = AddUpperZone(1.0, 1.0, 7.0, 5.6); // 1.0 x 0.4 m over the lower zone
    CalcAllCommonArea(model());
    FloorCoverEditor& e = *cover_;
    struct Case {
        int zone;
        const char* area;
        const char* ua;
    };
    const Case cases[] = {
        {lower, "Area 0.00", "UA  0.00"},   // nothing below the lowest level
        {upper, "Area 20.00", "UA  55.71"}, // 20 / (0.25 + 0.109)
        {corner, "Area 0.00", "UA  0.00"},  // 0.4 m2 counts as none
    };
    for (const Case& c : cases) {
        selection().CurrentZone = c.zone;
        e.FormShow();
        EXPECT_EQ(e.AreaLabel, c.area) << c.zone;
        EXPECT_EQ(e.UALabel, c.ua) << c.zone;
        EXPECT_EQ(e.Caption, "Internal Floor Cover of Zone " + std::to_string(c.zone) + "  Zone" +
                                 std::to_string(c.zone));
        e.CancelSBClick();
        e.FormClose();
    }
    selection().CurrentZone = upper;
    e.FormShow();
    e.FloorCoverTable.MoveTo(3);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().ZoneFloorCovers(upper).FloorCovering, 3);
    EXPECT_EQ(model().ZoneFloorCovers(lower).FloorCovering, 2);
}

} // namespace
