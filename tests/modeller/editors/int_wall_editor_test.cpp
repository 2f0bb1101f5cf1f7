// The internal wall editor's logic in its three modes.  R values worked by hand from the shipped rows:
// "Plasterboard on Timber Studs" (TI 3: two 10 mm leaves at 4.0 per m, first gap allowed) and
// "No Insulation" (gap code 1).
#include "modeller/editors/int_wall_editor.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class IntWallEditorTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        left_ = AddBoxZone(4.0, 4.0, 0.0, 0.0, 0x0000FF);
        right_ = AddBoxZone(3.0, 4.0, 4.0, 0.0, 0x00FF00);
        // The shared wall: the right side of the left zone (wall 1) and the left side of the right
        // zone (wall 3).
        ASSERT_EQ(model().Walls(left_, 1).AdjZone, right_);
        ASSERT_EQ(model().Walls(right_, 3).AdjZone, left_);
        editor_ = std::make_unique<IntWallEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    void SelectPartition() {
        selection().IntWallMode = false;
        selection().CurrentZone = left_;
        selection().CurrentWall = 1;
        selection().OtherZone = right_;
        selection().OtherWall = 3;
    }
    // Internal wall 1 of the left zone, 3 m long, with values other than the level default.
    void AddInternalWall() {
        ASSERT_TRUE(model().AddIntWall(left_).added);
        TIntWallRec& w = model().ZoneIntWalls(left_, 1);
        w = TIntWallRec{};
        w.Material = 1;   // single brick
        w.Insulation = 4; // batts R1.5
        w.IntWallLength = 3.0;
        w.Height = 2.7;
        w.Thickness = 110.0;
        w.AddedR = 0.0;
        selection().IntWallMode = true;
        selection().CurrentZone = left_;
        selection().CurrentWall = 1;
    }

    int left_ = 0, right_ = 0;
    std::unique_ptr<IntWallEditor> editor_;
};

TEST_F(IntWallEditorTest, APartitionIsEditedOnBothSidesAlike) {
    SelectPartition();
    AddDoor(left_, 1, 2.0, 0.82, 2.04);
    const std::vector<std::string> before = HouseFileLines();
    IntWallEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.CurrentMode(), IntWallEditor::Mode::Partition);
    EXPECT_EQ(e.Caption, "Partition, Wall 2 of Zone 1 and Wall 4 of Zone 2");
    EXPECT_TRUE(e.ZoneColourPanel2Visible);
    EXPECT_EQ(e.ZoneColourPanel2, 0x00FF00);
    EXPECT_EQ(e.ZoneColourPanel, 0x0000FF);
    // Factory default partition: plasterboard on studs, 2 x 10 mm: Rd = 4.0 x 0.020 = 0.08;
    // Ri = 0.163; Rt = 0.243; net area 4 x 2.4 - 0.82 x 2.04 = 7.9272; UA = 7.9272 / 0.461 = 17.196.
    EXPECT_EQ(e.RdLabel, "R  0.08");
    EXPECT_EQ(e.RiLabel, "R  0.16");
    EXPECT_EQ(e.RTotLabel, "Rt  0.24");
    EXPECT_EQ(e.UALabel, "UA  17.20");
    EXPECT_EQ(e.AreaLabel, "L  4.0 m      A  7.93 m²     Orient  90°");
    ASSERT_EQ(e.PaintBox1.Rects.size(), 2u); // the wall and its door
    EXPECT_EQ(e.PaintBox1.Rects[1].Colour, preview_colour::kGreen);

    e.materialstable.MoveTo(3); // steel studs, 13 mm leaves
    e.insulationtable.MoveTo(2);
    e.RscrollChange(25);
    e.RadioGroup1.SetItemIndex(1); // 2700
    ASSERT_TRUE(e.OKSBClick());
    for (const TWallRec* w : {&model().Walls(left_, 1), &model().Walls(right_, 3)}) {
        EXPECT_EQ(w->PartMaterial, 3);
        EXPECT_EQ(w->PartInsulation, 2);
        EXPECT_EQ(w->PartThickness, 13.0);
        EXPECT_DOUBLE_EQ(w->PartHeight, 2.7);
        EXPECT_EQ(w->PartAddedR, 2.5);
    }
    // Five fields of each of the two walls change in the house file.
    EXPECT_EQ(ChangedLines(before, HouseFileLines()).size(), 10u);
    EXPECT_FALSE(selection().ElementDeleted);
    EXPECT_EQ(statusClears_, 1);
}

TEST_F(IntWallEditorTest, CancelOnAPartitionChangesNeitherSide) {
    SelectPartition();
    const std::vector<std::string> before = HouseFileLines();
    IntWallEditor& e = *editor_;
    e.FormShow();
    e.materialstable.MoveTo(5);
    e.HEdit.SetText("3000");
    e.CancelSBClick();
    e.FormClose();
    EXPECT_EQ(HouseFileLines(), before);
    EXPECT_TRUE(selection().ElementDeleted);
    EXPECT_EQ(statusClears_, 1);
}

TEST_F(IntWallEditorTest, AnInternalWallShowsItsOwnValuesAndItsWholeArea) {
    AddInternalWall();
    IntWallEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.CurrentMode(), IntWallEditor::Mode::InternalWall);
    EXPECT_EQ(e.Caption, "Internal Wall 1 of Zone 1"); // counted from 1
    EXPECT_FALSE(e.ZoneColourPanel2Visible);
    EXPECT_EQ(e.materialstable.RecNo(), 1);
    EXPECT_EQ(e.insulationtable.RecNo(), 4);
    EXPECT_EQ(e.HEdit.Text(), "2700");
    // Single brick (TI 0, AS false: no gap) with batts R1.5: Rt = 1.299 x 0.110 + 1.5 = 1.64289;
    // the whole 3 x 2.7 = 8.1 m2 counts, and UA = 8.1 / (1.64289 + 0.218) = 4.3528.
    EXPECT_EQ(e.RTotLabel, "Rt  1.64");
    EXPECT_EQ(e.UALabel, "UA  4.35");
    EXPECT_EQ(e.AreaLabel, "L  3.0 m     A  8.10 m²");
    EXPECT_EQ(e.PaintBox1.Rects.size(), 1u);
}

TEST_F(IntWallEditorTest, ANewInternalWallStartsFromTheLevelDefaultAndCancelReportsItDeleted) {
    AddInternalWall();
    selection().NewIntWall = true;
    IntWallEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.materialstable.RecNo(), 2); // the level default, not the record's older 1
    EXPECT_EQ(e.insulationtable.RecNo(), 1);
    EXPECT_EQ(e.HEdit.Text(), "2400");
    EXPECT_EQ(e.ThickEdit.Text(), "10");
    e.CancelSBClick();
    EXPECT_TRUE(selection().ElementDeleted);
    e.FormClose();

    e.FormShow();
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_FALSE(selection().ElementDeleted);
    const TIntWallRec& w = model().ZoneIntWalls(left_, 1);
    EXPECT_EQ(w.Material, 2);
    EXPECT_DOUBLE_EQ(w.Height, 2.4);
    EXPECT_EQ(w.Thickness, 10.0);
    EXPECT_EQ(w.AddedR, 1.0);
    EXPECT_EQ(w.IntWallLength, 3.0); // the plan's
}

TEST_F(IntWallEditorTest, DefaultsModeShowsUOverBothInsideSurfaces) {
    model().DefaultsMode = true;
    IntWallEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Internal Wall Default");
    EXPECT_EQ(e.AreaLabel, "");
    EXPECT_FALSE(e.ZoneColourPanelVisible);
    // Rt = 0.243 as above; U = 1 / (0.243 + 0.218) = 2.1692.
    EXPECT_EQ(e.UALabel, "U  2.17");
    e.ThickEdit.SetText("12");
    e.RadioGroup1.SetItemIndex(2); // 2550
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().LevelDefaults(1).DefPartHeight, 2550.0);
    EXPECT_EQ(model().PartThicknessByMaterial(1, 2), 12.0);
}

} // namespace
