// The external wall editor's logic, driven without widgets.  R values are worked by hand from the
// shipped rows: "Brick Veneer" (TI 1: brick 110 mm at 1.299 per m, plasterboard 10 mm at 4.0 per m,
// first gap allowed), "No Insulation" (gap code 1) and "Bulk Insulation (enter R)" (gap code 1, the
// added R counts).
#include "modeller/editors/ext_wall_editor.h"
#include "modeller/model/building_physics.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class ExtWallEditorTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        zone_ = AddBoxZone(5.0, 4.0);
        selection().CurrentZone = zone_;
        selection().CurrentWall = 0; // 5 m long, along the top of the plan, facing north
        editor_ = std::make_unique<ExtWallEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    TWallRec& wall() { return model().Walls(zone_, 0); }

    int zone_ = 0;
    std::unique_ptr<ExtWallEditor> editor_;
};

TEST_F(ExtWallEditorTest, ShowsTheWallsRValuesAndUAWorkedByHand) {
    wall().ExtInsulation = 2; // "Bulk Insulation (enter R)"
    wall().ExtAddedR = 2.5;
    AddWindow(zone_, 0, 2.5, 1.5, 1.2, 2.1);
    ExtWallEditor& e = *editor_;
    e.FormShow();

    EXPECT_EQ(e.Caption, "External Wall 1 of Zone 1  Zone1");
    EXPECT_FALSE(e.ChangeAllToDefaultSBVisible);
    EXPECT_TRUE(e.ZoneColourPanelVisible);
    EXPECT_EQ(e.ZoneColourPanel, model().Zones(zone_).Colour);
    EXPECT_EQ(e.HEdit.Text(), "2400");
    EXPECT_EQ(e.ThickEdit.Text(), "110");
    EXPECT_EQ(e.RadioGroup1.ItemIndex(), 3); // the 2400 preset
    EXPECT_TRUE(e.rpanelVisible);
    EXPECT_EQ(e.RLabel, "2.5");
    EXPECT_EQ(e.Rscroll, 25);
    EXPECT_FALSE(e.ExtInsCBVisible); // TI 1
    // Rd = 1.299 x 0.110 + 4.0 x 0.010 = 0.18289; Ri = 0.163 + 2.5 = 2.663; Rt = 2.84589.
    EXPECT_EQ(e.RdLabel, "R  0.18");
    EXPECT_EQ(e.RiLabel, "R  2.66");
    EXPECT_EQ(e.RTotLabel, "Rt  2.85");
    // Net area 5 x 2.4 - 1.5 x 1.2 = 10.2 m2; UA = 10.2 / (2.84589 + 0.159) = 3.3945.
    EXPECT_NEAR(buffers_.EditWallArea, 10.2, 1e-12);
    EXPECT_EQ(e.UALabel, "UA  3.39");
    EXPECT_EQ(e.AreaLabel, "L  5.0 m        A  10.20 m²    Orient  0°");
    // Preview at 20 px/m: the wall 100 x 48 px centred on the bottom, the window 30 x 24 px with its
    // head 42 px up, 2.5 m from the wall's start.
    ASSERT_EQ(e.PaintBox1.Rects.size(), 2u);
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{210, 152, 100, 48, preview_colour::kYellow}));
    EXPECT_EQ(e.PaintBox1.Rects[1], (PreviewRect{245, 158, 30, 24, preview_colour::kBlue}));
}

TEST_F(ExtWallEditorTest, DefaultsModeEditsTheLevelDefaultAndShowsU) {
    model().DefaultsMode = true;
    ExtWallEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "External Wall Default");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.ZoneColourPanelVisible);
    EXPECT_EQ(e.AreaLabel, "");
    // Factory default: brick veneer, no insulation (its gap only; the added R 1.0 does not count).
    // Rt = 0.18289 + 0.163 = 0.34589; U = 1 / (0.34589 + 0.159) = 1.9806.
    EXPECT_FALSE(e.rpanelVisible);
    EXPECT_EQ(e.UALabel, "U  1.98");
    // A 6 m wall, no openings.
    ASSERT_EQ(e.PaintBox1.Rects.size(), 1u);
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{200, 152, 120, 48, preview_colour::kYellow}));

    e.materialstable.MoveTo(6); // cavity brick, 110 mm leaves
    e.ThickEdit.SetText("120");
    e.RadioGroup1.SetItemIndex(0); // 3000
    e.Beyond.SetItemIndex(3);      // "Earth"
    e.RscrollChange(20);
    e.DarkPClick();
    ASSERT_TRUE(e.OKSBClick());
    const TLevelDefaultRec& d = model().LevelDefaults(1);
    EXPECT_EQ(d.DefExtMaterial, 6);
    EXPECT_EQ(d.DefExtHeight, 3000.0);
    EXPECT_EQ(d.DefBeyond, 3);
    EXPECT_EQ(d.DefExtAddedR, 2.0);
    EXPECT_EQ(d.DefExtColour, kDarkWallColour);
    EXPECT_EQ(model().ExtThicknessByMaterial(1, 6), 120.0);
    EXPECT_EQ(model().ExtThicknessByMaterial(2, 6), 110.0); // other levels keep theirs
    EXPECT_EQ(wall().ExtMaterial, 1);                       // no element is touched
}

TEST_F(ExtWallEditorTest, OKWritesTheWallAndNothingElse) {
    const std::vector<std::string> before = HouseFileLines();
    ExtWallEditor& e = *editor_;
    e.FormShow();
    e.materialstable.MoveTo(12); // rendered brick veneer: its own thickness, 120 mm
    EXPECT_EQ(e.ThickEdit.Text(), "120");
    e.RadioGroup1.SetItemIndex(1); // 2700
    EXPECT_EQ(e.HEdit.Text(), "2700");
    e.Beyond.SetItemIndex(2); // "Neighbour"
    e.RscrollChange(30);
    e.DarkPClick();
    e.ExtInsCBClick(true);
    ASSERT_TRUE(e.OKSBClick());
    e.FormClose();

    const TWallRec& w = wall();
    EXPECT_EQ(w.ExtMaterial, 12);
    EXPECT_EQ(w.ExtInsulation, 1);
    EXPECT_EQ(w.ExtThickness, 120.0);
    EXPECT_DOUBLE_EQ(w.ExtHeight, 2.7);
    EXPECT_EQ(w.ExtAddedR, 3.0);
    EXPECT_EQ(w.Beyond, 2);
    EXPECT_TRUE(w.ExtInsulated);
    EXPECT_EQ(w.Colour, kDarkWallColour);
    // 40, 40, 40: lightness 40, m = 215/255; (m + (1 - m) x 0.24) x 0.96.
    EXPECT_NEAR(w.Absorptance, (215.0 / 255 + 40.0 / 255 * 0.24) * 0.96, 1e-12);
    // Eight lines of this wall change in the house file: material, thickness, height, added R,
    // beyond, insulated outside, colour and absorptance; nothing else.
    const auto changed = ChangedLines(before, HouseFileLines());
    EXPECT_EQ(changed.size(), 8u);
    EXPECT_FALSE(e.materialstable.Active());
}

TEST_F(ExtWallEditorTest, CancelAndResetChangeNothing) {
    const std::vector<std::string> before = HouseFileLines();
    ExtWallEditor& e = *editor_;
    e.FormShow();
    e.materialstable.MoveTo(6);
    e.HEdit.SetText("3100");
    e.LightPClick();
    e.ResetButtonClick();
    EXPECT_EQ(e.materialstable.RecNo(), 1);
    EXPECT_EQ(e.HEdit.Text(), "2400");
    EXPECT_EQ(e.ALabel, AbsorptanceLabel(wall().Colour));
    e.materialstable.MoveTo(6);
    e.CancelSBClick();
    e.FormClose();
    EXPECT_EQ(HouseFileLines(), before);
    EXPECT_FALSE(selection().ElementDeleted); // only window, door and internal wall editors say so
}

TEST_F(ExtWallEditorTest, ColourPresetsShowTheirAbsorptance) {
    ExtWallEditor& e = *editor_;
    e.FormShow();
    e.DarkPClick();
    EXPECT_EQ(e.ALabel, "0.85");
    e.MedPClick();
    EXPECT_EQ(e.ALabel, "0.50");
    e.LightPClick();
    EXPECT_EQ(e.ALabel, "0.30");
    EXPECT_EQ(e.colourpanel, kLightWallColour);
    e.ColorDialog1 = [](std::int32_t) { return std::optional<std::int32_t>(0x0000FF); }; // pure red
    e.colourpanelClick();
    EXPECT_EQ(e.ALabel, "0.59");                                                 // 0.59377
    e.ColorDialog1 = [](std::int32_t) { return std::optional<std::int32_t>(); }; // cancelled
    e.colourpanelClick();
    EXPECT_EQ(buffers_.EditColour, 0x0000FF);
}

TEST_F(ExtWallEditorTest, AThicknessThatIsNotANumberIsToldAndOKStaysOpenWithTheOldValue) {
    ExtWallEditor& e = *editor_;
    e.FormShow();
    e.ThickEdit.SetText("11o");
    ASSERT_EQ(messages_.errors().size(), 1u);
    EXPECT_EQ(messages_.errors()[0], "'11o' is not a valid floating point value");
    EXPECT_EQ(buffers_.EditThickness, 110.0);
    EXPECT_FALSE(e.OKSBClick());
    EXPECT_EQ(messages_.errors().size(), 2u);
    EXPECT_EQ(e.ThickEdit.Text(), "110");
    EXPECT_EQ(wall().ExtThickness, 110.0);
    e.ThickEdit.SetText("");
    EXPECT_EQ(messages_.errors().size(), 2u); // an emptied box is typing in progress
    EXPECT_FALSE(e.OKSBClick());
    EXPECT_EQ(messages_.errors().size(), 3u);
    e.ThickEdit.SetText("95");
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(wall().ExtThickness, 95.0);
}

TEST_F(ExtWallEditorTest, AHeightThatIsNotANumberBeepsAndKeepsTheLastGoodHeight) {
    ExtWallEditor& e = *editor_;
    e.FormShow();
    e.HEdit.SetText("2550");
    EXPECT_EQ(e.RadioGroup1.ItemIndex(), 2);
    e.HEdit.SetText("25x");
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(e.HEdit.Text(), "");
    EXPECT_EQ(buffers_.EditWallHeight, 2550.0);
    e.HEdit.SetText("2600");
    EXPECT_EQ(e.RadioGroup1.ItemIndex(), -1);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_DOUBLE_EQ(wall().ExtHeight, 2.6);
}

TEST_F(ExtWallEditorTest, OpeningsAreDrawnAsSeenFromOutsideForEitherWinding) {
    // A window 1 m wide centred 0.5 m from the start of a wall: near the right end of the elevation
    // when the outline runs clockwise on the plan, near the left end when it runs the other way.
    AddWindow(zone_, 0, 0.5, 1.0, 1.0, 2.0);
    editor_->FormShow();
    const PreviewRect& wallClockwise = editor_->PaintBox1.Rects[0];
    EXPECT_EQ(editor_->PaintBox1.Rects[1].Left, wallClockwise.Left + wallClockwise.Width - 20);
    editor_->FormClose();

    const int other = AddAnticlockwiseBoxZone(4.0, 4.0, 20.0, 0.0);
    AddWindow(other, 0, 0.5, 1.0, 1.0, 2.0);
    selection().CurrentZone = other;
    editor_->FormShow();
    const PreviewRect& wallAnticlockwise = editor_->PaintBox1.Rects[0];
    EXPECT_EQ(editor_->PaintBox1.Rects[1].Left, wallAnticlockwise.Left);
}

TEST_F(ExtWallEditorTest, CopyAndPasteCarryAWallToAnotherAndAcrossOpenings) {
    ExtWallEditor& e = *editor_;
    e.FormShow();
    EXPECT_FALSE(e.PasteButtonVisible);
    e.materialstable.MoveTo(2);
    e.insulationtable.MoveTo(2);
    e.RscrollChange(35);
    e.ThickEdit.SetText("90");
    e.MedPClick();
    e.Beyond.SetItemIndex(1);
    e.CopyButtonClick();
    EXPECT_TRUE(e.PasteButtonVisible);
    e.CancelSBClick();
    e.FormClose();

    selection().CurrentWall = 1;
    e.FormShow();
    EXPECT_TRUE(e.PasteButtonVisible); // the copy lasts for the run
    EXPECT_EQ(e.materialstable.RecNo(), 1);
    e.PasteButtonClick();
    EXPECT_EQ(e.materialstable.RecNo(), 2);
    EXPECT_EQ(e.ThickEdit.Text(), "90"); // the copied thickness, not the row's default
    EXPECT_EQ(e.RLabel, "3.5");
    EXPECT_EQ(e.Rscroll, 35);
    EXPECT_EQ(e.Beyond.ItemIndex(), 1);
    ASSERT_TRUE(e.OKSBClick());
    const TWallRec& w = model().Walls(zone_, 1);
    EXPECT_EQ(w.ExtMaterial, 2);
    EXPECT_EQ(w.ExtInsulation, 2);
    EXPECT_EQ(w.ExtThickness, 90.0);
    EXPECT_EQ(w.ExtAddedR, 3.5);
    EXPECT_EQ(w.Colour, kMediumWallColour);
    EXPECT_EQ(wall().ExtMaterial, 1); // the wall copied from is as it was
}

TEST_F(ExtWallEditorTest, ChangeAllToDefaultRaisesItsRequestOnlyWhileTheWarningRuns) {
    model().DefaultsMode = true;
    ExtWallEditor& e = *editor_;
    std::vector<bool> seen;
    e.ShowDefaultWarning = [&] { seen.push_back(model().ApplyDefaultRequest(3)); };
    e.FormShow();
    e.ChangeAllToDefaultSBClick();
    EXPECT_EQ(seen, std::vector<bool>{true});
    EXPECT_FALSE(model().ApplyDefaultRequest(3));
    int released = 0;
    e.ReleaseDefaultsButton = [&] { ++released; };
    e.FormClose();
    EXPECT_EQ(released, 1);
}

TEST_F(ExtWallEditorTest, AWallRecordOutsideItsTableIsReportedAndNoTableStaysOpen) {
    wall().ExtMaterial = 40; // the table has 12 rows
    const std::string error = [&] {
        try {
            editor_->FormShow();
        } catch (const ModelError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    }();
    EXPECT_NE(error.find("Wallmaterial"), std::string::npos) << error;
    EXPECT_FALSE(editor_->materialstable.Active());
    EXPECT_FALSE(editor_->insulationtable.Active());
}

} // namespace
