// The roof editor's logic, driven without widgets: the roof's area and roof-space volume from the
// plan worked by hand, its R values from the shipped rows ("Concrete Roof Tiles": 20 mm at 0.667 per
// m, a dusty first gap; "Metal Deck Roof": not dusty; "Reflective Sarking" and "Anti-Glare Sarking":
// first-gap codes 2 and 3), OK on a shared roof space, defaults mode, and the sketch of the shape.
#include "modeller/editors/roof_editor.h"
#include "modeller/model/building_physics.h"
#include "modeller/model/roof_geometry.h"
#include "tests/modeller/model/roof_solid.h"

#include "sloped_editor_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace pelmora;

double Tan(double degrees) {
    return std::tan(degrees * std::numbers::pi / 180.0);
}
double Cos(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

class RoofEditorTest : public editor_test::SlopedEditorTest {
  protected:
    void SetUp() override {
        SlopedEditorTest::SetUp();
        editor_ = std::make_unique<RoofEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    RoofEditor& open(int zone) {
        selection().CurrentZone = zone;
        editor_->FormShow();
        return *editor_;
    }
    // A 10 m x 8 m zone with a roof of 30 degrees.
    int addTenByEight() {
        const int z = AddBoxZone(10.0, 8.0);
        model().ZoneRoofs(z).Slope = 30.0;
        return z;
    }

    std::unique_ptr<RoofEditor> editor_;
};

TEST_F(RoofEditorTest, ShowsTheRoofAreaAndRoofSpaceVolumeOfEachShapeWorkedByHand) {
    const int z = addTenByEight();
    RoofEditor& e = open(z);
    EXPECT_EQ(e.Caption, "Roof for Zone  1  Zone1");
    EXPECT_TRUE(e.AreaLabelVisible);
    EXPECT_TRUE(e.VolumeLabelVisible);
    EXPECT_NEAR(e.EffectiveWidth, 8.0, 1e-12);
    const double t = Tan(30.0), planes = 80.0 / Cos(30.0);
    struct Case {
        int shape;
        double area, volume;
    } cases[] = {
        {2, planes + 64.0 * t / 2.0, 80.0 * 8.0 * t / 4.0},      // gable: 110.85, 92.38
        {0, planes, 80.0 * 8.0 * t / 4.0 - 512.0 * t / 12.0},    // hip: 92.38, 67.74
        {3, planes + 64.0 * t + 80.0 * t, 80.0 * 8.0 * t / 2.0}, // skillion
        // hip and gable: the solid under its planes and half-size gables, integrated
        {1, planes + 64.0 * t / 4.0, roof_solid::SolidVolume(RoofShapeKind::HipAndGable, 10.0, 8.0, t)},
    };
    for (const Case& k : cases) {
        e.RoofShapeRG.SetItemIndex(k.shape);
        EXPECT_NEAR(e.RoofArea, k.area, 1e-6) << k.shape;
        // The integrated solid is good to about 1e-6 of its volume.
        EXPECT_NEAR(e.RoofSpaceVolume, k.volume, 1e-4) << k.shape;
        EXPECT_EQ(e.AreaLabel, "A  " + FixedText(k.area, 2)) << k.shape;
        EXPECT_EQ(e.VolumeLabel, "V  " + FixedText(k.volume, 2)) << k.shape;
    }
    e.RoofShapeRG.SetItemIndex(0);
    EXPECT_EQ(e.VolumeLabel, "V  67.74");
    e.RoofShapeRG.SetItemIndex(2);
    EXPECT_EQ(e.AreaLabel, "A  110.85");
    EXPECT_EQ(e.VolumeLabel, "V  92.38");

    // No roof space: the planes only and no volume, whatever the shape.
    e.RoofVentRG.SetItemIndex(kRoofUnventedNoCavity);
    EXPECT_EQ(e.AreaLabel, "A  92.38");
    EXPECT_EQ(e.VolumeLabel, "V  0.00");
    // A neighbour's roof: no area, volume or totals.
    e.RoofVentRG.SetItemIndex(kRoofNeighbourNoRoof);
    EXPECT_EQ(e.AreaLabel, "");
    EXPECT_EQ(e.VolumeLabel, "");
    EXPECT_EQ(e.RTotUpLabel, "");
    EXPECT_EQ(e.RTotDnLabel, "");
    EXPECT_FALSE(e.RuiLabel.empty());
}

TEST_F(RoofEditorTest, AGroupPartlyUnderTheLevelAboveHasLessRoofOverTheSameWidth) {
    // Two zones 4 and 6 m wide sharing a 10 x 8 roof space; a zone above covers 5 m of it.
    const int a = AddBoxZone(4.0, 8.0), b = AddBoxZone(6.0, 8.0, 4.0);
    ShareRoofSpace({a, b});
    model().ZoneRoofs(b).Slope = 30.0;
    model().ZoneRoofs(b).RoofShape = 2;
    AddUpperZone(5.0, 8.0);
    RoofEditor& e = open(b);
    EXPECT_EQ(e.Caption, "Roof for Zone  1 2  Zone2");
    EXPECT_NEAR(e.GroupArea, 80.0, 1e-12);
    EXPECT_NEAR(e.HorizontalArea, 40.0, 1e-9);
    EXPECT_NEAR(e.EffectiveWidth, 8.0, 1e-12); // from the whole floor area
    const double t = Tan(30.0);
    EXPECT_NEAR(e.RoofArea, 40.0 / Cos(30.0) + 64.0 * t / 2.0, 1e-6);
    EXPECT_NEAR(e.RoofSpaceVolume, 40.0 * 8.0 * t / 4.0, 1e-6);
}

TEST_F(RoofEditorTest, AFloorAreaTheOutlineCannotHoldGivesNoWidthAndNoVolume) {
    // 100 m2 in a 10 x 8 outline: no rectangle of half perimeter 18 holds it.
    const int z = addTenByEight();
    model().Zones(z).FloorArea = 100.0;
    model().ZoneRoofs(z).RoofShape = 2;
    RoofEditor& e = open(z);
    EXPECT_EQ(e.EffectiveWidth, 0.0);
    EXPECT_EQ(e.VolumeLabel, "V  0.00");
    EXPECT_NEAR(e.RoofArea, 100.0 / Cos(30.0), 1e-9);
}

TEST_F(RoofEditorTest, ADustyRoofingMakesEveryFirstGapAPlainOne) {
    const int z = addTenByEight();
    RoofEditor& e = open(z);
    AirGapResistance(model(), 0, 20.0, 0.9, 0.9, 30.0);
    const double plainUp = model().AirGapResistanceUp;
    AirGapResistance(model(), 0, 20.0, 0.9, 0.05, 30.0);
    const double foilUp = model().AirGapResistanceUp, foilDown = model().AirGapResistanceDown;

    // Concrete tiles: Rm = 20 x 0.667 / 1000 = 0.013.
    EXPECT_EQ(e.RumLabel, "Ru  0.01");
    EXPECT_EQ(e.RdmLabel, "Rd  0.01");
    for (int insulation : {2, 5}) { // first-gap codes 2 and 3
        e.insulationtable.MoveTo(insulation);
        EXPECT_EQ(e.RuiLabel, "Ru  " + FixedText(plainUp, 2)) << insulation;
    }
    e.materialstable.MoveTo(3); // metal deck
    e.insulationtable.MoveTo(2);
    EXPECT_EQ(e.RuiLabel, "Ru  " + FixedText(foilUp, 2));
    EXPECT_EQ(e.RdiLabel, "Rd  " + FixedText(foilDown, 2));
    EXPECT_EQ(e.RTotDnLabel, "Rtd  " + FixedText(1 * 0.02 / 1000 + foilDown, 2));
    // An entered R counts only where the row takes one.
    e.insulationtable.MoveTo(4);
    ASSERT_TRUE(e.rpanelVisible);
    e.RscrollChange(25);
    EXPECT_EQ(e.RuiLabel, "Ru  " + FixedText(foilUp + 2.5, 2));
}

TEST_F(RoofEditorTest, OKGivesTheWholeRoofSpaceTheRoofButTheGapCodeOnlyToTheZone) {
    const int a = AddBoxZone(4.0, 8.0), b = AddBoxZone(6.0, 8.0, 4.0), c = AddBoxZone(5.0, 5.0, 20.0);
    ShareRoofSpace({a, b});
    const TRoofRec roofC = model().ZoneRoofs(c);
    model().ZoneRoofs(a).RoofGapCode = 1;
    RoofEditor& e = open(b);
    e.materialstable.MoveTo(3);
    e.insulationtable.MoveTo(4); // sarking and blanket: "GR" 2
    e.RscrollChange(30);
    e.DarkPClick();
    EXPECT_EQ(e.ALabel, "0.85");
    e.PaintBoxTilt.AngleEdit.SetText("25");
    e.RoofVentRG.SetItemIndex(1);
    e.RoofShapeRG.SetItemIndex(3);
    ASSERT_TRUE(e.OKSBClick());

    const TRoofRec& roof = model().ZoneRoofs(b);
    EXPECT_EQ(roof.Material, 3);
    EXPECT_EQ(roof.Insulation, 4);
    EXPECT_EQ(roof.RoofGapCode, 2);
    EXPECT_EQ(roof.RoofColour, kDarkRoofColour);
    EXPECT_EQ(roof.Absorptance, ColourToAbsorptance(kDarkRoofColour));
    EXPECT_EQ(roof.AddedR, 3.0);
    EXPECT_EQ(roof.Slope, 25.0);
    EXPECT_EQ(roof.RoofSpace, 1);
    EXPECT_EQ(roof.RoofShape, 3);
    TRoofRec expected = roof;
    expected.RoofGapCode = 1;
    EXPECT_EQ(model().ZoneRoofs(a), expected);
    EXPECT_EQ(model().ZoneCeilings(a).RoofSpace, 1);
    EXPECT_EQ(model().ZoneCeilings(b).RoofSpace, 1);
    EXPECT_EQ(model().ZoneRoofs(c), roofC);
    EXPECT_EQ(model().ZoneCeilings(c).RoofSpace, 0);
}

TEST_F(RoofEditorTest, ANeighboursRoofMakesTheWholeGroupsCeilingsFaceAnotherApartment) {
    const int a = AddBoxZone(4.0, 8.0), b = AddBoxZone(6.0, 8.0, 4.0);
    ShareRoofSpace({a, b});
    RoofEditor& e = open(a);
    e.RoofVentRG.SetItemIndex(kRoofNeighbourNoRoof);
    ASSERT_TRUE(e.OKSBClick());
    for (int z : {a, b}) EXPECT_EQ(model().ZoneCeilings(z).RoofSpace, 4) << z;
}

TEST_F(RoofEditorTest, DefaultsModeEditsTheLevelsRoof) {
    const int z = addTenByEight();
    const TRoofRec before = model().ZoneRoofs(z);
    model().DefaultsMode = true;
    RoofEditor& e = open(z);
    EXPECT_EQ(e.Caption, "Default Roof");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.AreaLabelVisible);
    EXPECT_EQ(e.AreaLabel, "");
    EXPECT_EQ(e.VolumeLabel, "");
    EXPECT_EQ(e.PaintBoxTilt.AngleEdit.Text(), "22"); // the factory default pitch
    EXPECT_EQ(e.RoofShapeRG.ItemIndex(), 0);

    e.insulationtable.MoveTo(2); // "GR" 2
    e.LightPClick();
    e.RoofVentRG.SetItemIndex(2);
    e.RoofShapeRG.SetItemIndex(1);
    e.PaintBoxTilt.AngleEdit.SetText("35");
    ASSERT_TRUE(e.OKSBClick());
    const TLevelDefaultRec& d = model().LevelDefaults(1);
    EXPECT_EQ(d.DefRoofInsulation, 2);
    EXPECT_EQ(d.DefRoofGapCode, 2);
    EXPECT_EQ(d.DefRoofColour, kLightRoofColour);
    EXPECT_EQ(d.DefRoofSlope, 35.0);
    EXPECT_EQ(d.DefRoofSpace, 2);
    EXPECT_EQ(d.DefRoofShape, 1);
    EXPECT_EQ(d.DefCeilingRoofSpace, 2);
    EXPECT_EQ(model().ZoneRoofs(z), before);
}

TEST_F(RoofEditorTest, TheDefaultsWarningSeesTheValuesShownBeforeOK) {
    addTenByEight();
    model().DefaultsMode = true;
    RoofEditor& e = open(1);
    const TLevelDefaultRec stored = model().LevelDefaults(1);
    e.insulationtable.MoveTo(3); // an entered R
    e.RscrollChange(20);
    e.DarkPClick();
    e.RoofVentRG.SetItemIndex(1);
    e.RoofShapeRG.SetItemIndex(2);
    const std::optional<ShownDefaults> shown = e.ShownDefaultValues();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->addedRShown);
    EXPECT_EQ(shown->values.DefRoofInsulation, 3);
    EXPECT_EQ(shown->values.DefRoofAddedR, 2.0);
    EXPECT_EQ(shown->values.DefRoofColour, kDarkRoofColour);
    EXPECT_EQ(shown->values.DefRoofSpace, 1);
    EXPECT_EQ(shown->values.DefRoofShape, 2);
    EXPECT_EQ(model().LevelDefaults(1), stored); // only OK stores them
}

TEST_F(RoofEditorTest, ThePictureFollowsTheShapeAndCancelKeepsTheStoredOne) {
    const int z = addTenByEight();
    model().ZoneRoofs(z).RoofShape = 2;
    RoofEditor& e = open(z);
    EXPECT_EQ(e.RoofPicture, RoofShapeLines(2));
    for (int shape : {0, 1, 3}) {
        e.RoofShapeRG.SetItemIndex(shape);
        EXPECT_EQ(e.RoofPicture, RoofShapeLines(shape)) << shape;
        EXPECT_NE(e.RoofPicture, RoofShapeLines(2)) << shape;
    }
    e.CancelSBClick();
    e.FormClose();
    EXPECT_EQ(model().ZoneRoofs(z).RoofShape, 2);
    RoofEditor& f = open(z);
    EXPECT_EQ(f.RoofShapeRG.ItemIndex(), 2);
    EXPECT_EQ(f.RoofPicture, RoofShapeLines(2));
}

TEST_F(RoofEditorTest, TheSketchShowsTheRidgeOfEachShape) {
    // The ridge: the edges at ridge height along the length.  Plan 2 x 1.
    const auto ridge = [](int shape) {
        double length = 0.0;
        for (const RoofEdge& e : RoofShapeEdges(shape))
            if (e.From.Z == kSketchRidge && e.To.Z == kSketchRidge && e.From.Y == e.To.Y)
                length += std::abs(e.To.X - e.From.X);
        return length;
    };
    EXPECT_NEAR(ridge(2), 2.0, 1e-12);                                     // gable: the whole length
    EXPECT_NEAR(ridge(0), 1.0, 1e-12);                                     // hip: length - width
    EXPECT_NEAR(ridge(1), 2.0 - (1.0 - 1.0 / std::numbers::sqrt2), 1e-12); // hips up to the gables
    EXPECT_EQ(ridge(3), 0.0);                                              // skillion: none
    // Hips run from the eaves corners; the skillion's high wall stands at the back.
    int fromCorners = 0;
    for (const RoofEdge& e : RoofShapeEdges(0))
        if (e.From.Z == 0.0 && e.To.Z == kSketchRidge) ++fromCorners;
    EXPECT_EQ(fromCorners, 4);
    int walls = 0;
    for (const RoofEdge& e : RoofShapeEdges(3))
        if (e.From.X == e.To.X && e.From.Y == e.To.Y) ++walls;
    EXPECT_EQ(walls, 2);
    EXPECT_TRUE(RoofShapeLines(-1).empty());
}

TEST_F(RoofEditorTest, CopyAndPasteCarryEveryValue) {
    const int a = addTenByEight(), b = AddBoxZone(4.0, 4.0, 20.0);
    RoofEditor& e = open(a);
    e.materialstable.MoveTo(5);
    e.insulationtable.MoveTo(3);
    e.RscrollChange(15);
    e.MedPClick();
    e.PaintBoxTilt.AngleEdit.SetText("40");
    e.RoofVentRG.SetItemIndex(2);
    e.RoofShapeRG.SetItemIndex(3);
    e.CopyButtonClick();
    e.CancelSBClick();
    e.FormClose();
    RoofEditor& f = open(b);
    ASSERT_TRUE(f.PasteButtonVisible);
    f.PasteButtonClick();
    EXPECT_EQ(f.materialstable.RecNo(), 5);
    EXPECT_EQ(f.insulationtable.RecNo(), 3);
    EXPECT_EQ(f.RLabel, "1.5");
    EXPECT_EQ(f.EditRoofColour, kMediumRoofColour);
    EXPECT_EQ(f.PaintBoxTilt.AngleEdit.Text(), "40");
    EXPECT_EQ(f.RoofVentRG.ItemIndex(), 2);
    EXPECT_EQ(f.RoofShapeRG.ItemIndex(), 3);
    EXPECT_EQ(f.RoofPicture, RoofShapeLines(3));
    EXPECT_NE(model().ZoneRoofs(b).RoofShape, 3); // nothing written before OK
}

} // namespace
