// The ceiling editor's logic, driven without widgets: its R values worked by hand from the shipped
// rows ("Plasterboard Ceiling, 10 mm": one layer 10 mm at 4.0 per m; "Plasterboard on Battens under
// Timber Lining": 10 mm at 4.0 and 12 mm at 7.692 around a 40 mm gap; "Glasswool Batts R3.5";
// "Reflective Foil and Bulk Insulation (enter R)": gap code 2 and an entered R), its area under the
// level above, the slope box, and the share rows with what OK does to the roof-space lists and roofs.
#include "modeller/editors/ceiling_editor.h"
#include "modeller/model/building_physics.h"

#include "sloped_editor_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace pelmora;
namespace fs = std::filesystem;

double Cos(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

class CeilingEditorTest : public editor_test::SlopedEditorTest {
  protected:
    void SetUp() override {
        SlopedEditorTest::SetUp();
        editor_ = std::make_unique<CeilingEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    // Opens the editor for `zone`.
    CeilingEditor& open(int zone) {
        selection().CurrentZone = zone;
        editor_->FormShow();
        return *editor_;
    }
    // The list of zone z as zone numbers, zeros left out.
    std::vector<int> listOf(int z) {
        std::vector<int> zones;
        const SharedZoneList& list = model().ZoneCeilings(z).SharedZones;
        for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
            if (list(slot) != 0) zones.push_back(list(slot));
        return zones;
    }

    std::unique_ptr<CeilingEditor> editor_;
};

TEST_F(CeilingEditorTest, ShowsTheCeilingsRValuesAreaAndUAWorkedByHand) {
    const int z = AddBoxZone(10.0, 8.0);
    model().ZoneCeilings(z).Insulation = 4; // glasswool batts R3.5
    model().ZoneCeilings(z).Slope = 30.0;
    CeilingEditor& e = open(z);
    EXPECT_EQ(e.Caption, "Ceiling for Zone 1  Zone1");
    EXPECT_FALSE(e.ChangeAllToDefaultSBVisible);
    EXPECT_TRUE(e.ZoneColourPanelVisible);
    EXPECT_TRUE(e.AreaLabelVisible);
    EXPECT_TRUE(e.SharePanelVisible);
    EXPECT_EQ(e.PaintBoxTilt.AngleEdit.Text(), "30");
    EXPECT_FALSE(e.rpanelVisible);
    // Rm = 10 x 4.0 / 1000 = 0.04 both ways; the batts 3.5; Rt = 3.54.
    EXPECT_EQ(e.RmUpLabel, "Ru  0.04");
    EXPECT_EQ(e.RmDnLabel, "Rd  0.04");
    EXPECT_EQ(e.RuiLabel, "Ru  3.50");
    EXPECT_EQ(e.RTotUpLabel, "Rtu  3.54");
    EXPECT_EQ(e.RTotDnLabel, "Rtd  3.54");
    // Nothing above: the sloped area is 80 / cos 30 = 92.376; UA = 92.376 / (3.54 + 0.159) = 24.97.
    EXPECT_NEAR(e.SlopedCeilingArea, 80.0 / Cos(30.0), 1e-9);
    EXPECT_EQ(e.AreaLabel, "Area   92.38");
    EXPECT_EQ(e.UAUpLabel, "UAu  24.97");
    EXPECT_EQ(e.UADnLabel, "UAd  24.97");
}

TEST_F(CeilingEditorTest, TwoLayersAddTheirGapAndAReflectiveFoilItsGapToTheEnteredR) {
    const int z = AddBoxZone(5.0, 4.0);
    model().ZoneCeilings(z).Slope = 20.0;
    CeilingEditor& e = open(z);
    e.materialstable.MoveTo(5);  // plasterboard on battens under timber lining
    e.insulationtable.MoveTo(6); // foil and bulk, R entered
    EXPECT_TRUE(e.rpanelVisible);
    e.RscrollChange(20);
    EXPECT_EQ(e.RLabel, "2.0");

    AirGapResistance(model(), 0, 40.0, 0.9, 0.9, 20.0);
    const double plainUp = model().AirGapResistanceUp, plainDown = model().AirGapResistanceDown;
    AirGapResistance(model(), 0, 40.0, 0.9, 0.05, 20.0);
    const double foilUp = model().AirGapResistanceUp, foilDown = model().AirGapResistanceDown;
    const double layers = 10 * 4.0 / 1000 + 12 * 7.692 / 1000;
    EXPECT_EQ(e.RmUpLabel, std::string("Ru  ") + FixedText(layers + plainUp, 2));
    EXPECT_EQ(e.RmDnLabel, std::string("Rd  ") + FixedText(layers + plainDown, 2));
    EXPECT_EQ(e.RuiLabel, std::string("Ru  ") + FixedText(foilUp + 2.0, 2));
    EXPECT_EQ(e.RdiLabel, std::string("Rd  ") + FixedText(foilDown + 2.0, 2));
    EXPECT_EQ(e.RTotUpLabel, std::string("Rtu  ") + FixedText(layers + plainUp + foilUp + 2.0, 2));
    // Heat flowing down crosses a horizontal gap better insulated than heat flowing up.
    EXPECT_GT(foilDown, foilUp);
}

TEST_F(CeilingEditorTest, TheAreaIsThePartOfTheFloorNotUnderTheLevelAbove) {
    const int lower = AddBoxZone(10.0, 8.0);
    const int covered = AddBoxZone(4.0, 4.0, 20.0, 0.0);
    AddUpperZone(5.0, 8.0);          // over half of the first zone
    AddUpperZone(4.0, 4.0, 20.0, 0); // over all of the second
    CeilingEditor& e = open(lower);
    EXPECT_NEAR(e.CeilingArea, 40.0, 1e-9);
    EXPECT_EQ(e.AreaLabel, "Area   40.00");
    e.FormClose();
    CeilingEditor& f = open(covered);
    EXPECT_NEAR(f.CeilingArea, 0.0, 1e-9);
    EXPECT_EQ(f.UAUpLabel, "UAu  0.00");
}

TEST_F(CeilingEditorTest, DefaultsModeEditsTheLevelsCeilingAndShowsU) {
    const int z = AddBoxZone(5.0, 4.0);
    const TCeilingRec before = model().ZoneCeilings(z);
    model().DefaultsMode = true;
    CeilingEditor& e = open(z);
    EXPECT_EQ(e.Caption, "Default Ceiling");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.ZoneColourPanelVisible);
    EXPECT_FALSE(e.AreaLabelVisible);
    EXPECT_FALSE(e.SharePanelVisible);
    EXPECT_TRUE(e.ShareRows.empty());
    // The factory default: plasterboard, no insulation, flat (shown as 0, held as 0.0001 degrees).
    EXPECT_EQ(e.PaintBoxTilt.AngleEdit.Text(), "0");
    EXPECT_EQ(buffers_.EditSlope, slope_box::kMinSlope);
    // U = 1 / (0.04 + 0.159) = 5.03.
    EXPECT_EQ(e.UAUpLabel, "Uu  5.03");
    EXPECT_EQ(e.UADnLabel, "Ud  5.03");

    e.materialstable.MoveTo(3);
    e.insulationtable.MoveTo(2);
    e.RscrollChange(40);
    e.AboveRG.SetItemIndex(1);
    e.PaintBoxTilt.AngleEdit.SetText("15");
    ASSERT_TRUE(e.OKSBClick());
    const TLevelDefaultRec& d = model().LevelDefaults(1);
    EXPECT_EQ(d.DefCeilingMaterial, 3);
    EXPECT_EQ(d.DefCeilingInsulation, 2);
    EXPECT_EQ(d.DefCeilingAddedR, 4.0);
    EXPECT_EQ(d.DefCeilingSlope, 15.0);
    EXPECT_EQ(d.DefCeilingRoofSpace, 1);
    EXPECT_EQ(d.DefRoofSpace, 1);
    EXPECT_EQ(model().ZoneCeilings(z), before); // no element is touched
}

TEST_F(CeilingEditorTest, TheDefaultsWarningSeesTheValuesShownBeforeOK) {
    AddBoxZone(5.0, 4.0);
    model().DefaultsMode = true;
    CeilingEditor& e = open(1);
    const TLevelDefaultRec stored = model().LevelDefaults(1);
    e.insulationtable.MoveTo(2); // an entered R
    e.RscrollChange(30);
    e.AboveRG.SetItemIndex(3);
    e.PaintBoxTilt.AngleEdit.SetText("10");
    const std::optional<ShownDefaults> shown = e.ShownDefaultValues();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->addedRShown);
    EXPECT_EQ(shown->values.DefCeilingInsulation, 2);
    EXPECT_EQ(shown->values.DefCeilingAddedR, 3.0);
    EXPECT_EQ(shown->values.DefCeilingRoofSpace, 3);
    EXPECT_EQ(shown->values.DefCeilingSlope, 10.0);
    EXPECT_EQ(model().LevelDefaults(1), stored); // only OK stores them
    e.insulationtable.MoveTo(1);
    EXPECT_FALSE(e.ShownDefaultValues()->addedRShown);
}

TEST_F(CeilingEditorTest, OKWritesTheCeilingAndTheRoofSpaceKindOfItsRoof) {
    const int z = AddBoxZone(5.0, 4.0);
    const int other = AddBoxZone(5.0, 4.0, 5.0);
    const TRoofRec otherRoof = model().ZoneRoofs(other);
    CeilingEditor& e = open(z);
    e.materialstable.MoveTo(2);
    e.insulationtable.MoveTo(2);
    e.RscrollChange(35);
    e.AboveRG.SetItemIndex(2);
    e.PaintBoxTilt.AngleEdit.SetText("12");
    ASSERT_TRUE(e.OKSBClick());
    const TCeilingRec& c = model().ZoneCeilings(z);
    EXPECT_EQ(c.Material, 2);
    EXPECT_EQ(c.Insulation, 2);
    EXPECT_EQ(c.AddedR, 3.5);
    EXPECT_EQ(c.Slope, 12.0);
    EXPECT_EQ(c.RoofSpace, 2);
    EXPECT_EQ(model().ZoneRoofs(z).RoofSpace, 2);
    EXPECT_EQ(listOf(z), std::vector<int>{z});
    // A zone alone in its roof space changes no other zone.
    EXPECT_EQ(model().ZoneRoofs(other), otherRoof);
    EXPECT_EQ(listOf(other), std::vector<int>{other});
}

TEST_F(CeilingEditorTest, TickingAndUntickingAZoneJoinsAndSeparatesTheirRoofSpaces) {
    const int a = AddBoxZone(4.0, 4.0), b = AddBoxZone(4.0, 4.0, 4.0), c = AddBoxZone(4.0, 4.0, 8.0);
    model().Zones(a).ZoneType = 2;
    model().Zones(c).ZoneType = 6; // "Other Day-time" has no text
    TRoofRec& roofB = model().ZoneRoofs(b);
    roofB.Material = 3;
    roofB.Insulation = 5;
    roofB.RoofColour = 0x102030;
    roofB.Absorptance = 0.9;
    roofB.AddedR = 1.5;
    roofB.Slope = 30.0;
    roofB.RoofShape = 2;
    roofB.RoofGapCode = 2;
    model().ZoneRoofs(a).RoofShape = 3;
    model().ZoneRoofs(a).RoofGapCode = 1;

    CeilingEditor& e = open(b);
    ASSERT_EQ(e.ShareRows.size(), 3u);
    EXPECT_EQ(e.ShareRows[0].Number, "1");
    EXPECT_EQ(e.ShareRows[0].Name, "Zone1");
    EXPECT_EQ(e.ShareRows[0].Type, "Sleeping");
    EXPECT_EQ(e.ShareRows[2].Type, "");
    EXPECT_EQ(e.ShareRows[1].Colour, model().Zones(b).Colour);
    EXPECT_FALSE(e.ShareRows[1].CheckVisible); // the zone's own box
    EXPECT_TRUE(e.ShareRows[1].Checked);
    EXPECT_FALSE(e.ShareRows[0].Checked);
    EXPECT_TRUE(e.ShareLimitLabel.empty());

    e.ShareCheckClick(0, true);
    ASSERT_TRUE(e.OKSBClick());
    e.FormClose();
    EXPECT_EQ(listOf(a), (std::vector<int>{a, b}));
    EXPECT_EQ(listOf(b), (std::vector<int>{a, b}));
    EXPECT_EQ(listOf(c), std::vector<int>{c});
    // Zone a takes b's roof but keeps its own shape and gap code.
    TRoofRec expected = roofB;
    expected.RoofShape = 3;
    expected.RoofGapCode = 1;
    EXPECT_EQ(model().ZoneRoofs(a), expected);

    CeilingEditor& f = open(b);
    EXPECT_TRUE(f.ShareRows[0].Checked);
    f.ShareCheckClick(0, false);
    ASSERT_TRUE(f.OKSBClick());
    EXPECT_EQ(listOf(a), std::vector<int>{a});
    EXPECT_EQ(listOf(b), std::vector<int>{b});
    EXPECT_EQ(listOf(c), std::vector<int>{c});
}

TEST_F(CeilingEditorTest, JoiningAZoneTakesItOutOfTheRoofSpaceItSharedBefore) {
    const int a = AddBoxZone(4.0, 4.0), b = AddBoxZone(4.0, 4.0, 4.0), c = AddBoxZone(4.0, 4.0, 8.0);
    // a and c share a roof space; b's editor takes a into b's.
    for (int z : {a, c}) {
        model().ZoneCeilings(z).SharedZones = {};
        model().ZoneCeilings(z).SharedZones(1) = a;
        model().ZoneCeilings(z).SharedZones(2) = c;
    }
    CeilingEditor& e = open(b);
    e.ShareCheckClick(0, true);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(listOf(a), (std::vector<int>{a, b}));
    EXPECT_EQ(listOf(b), (std::vector<int>{a, b}));
    EXPECT_EQ(listOf(c), std::vector<int>{c});
}

TEST_F(CeilingEditorTest, CombineAndSeparateTickEveryRowWithoutWritingAndAnotherApartmentHidesTheRows) {
    const int a = AddBoxZone(4.0, 4.0), b = AddBoxZone(4.0, 4.0, 4.0), c = AddBoxZone(4.0, 4.0, 8.0);
    CeilingEditor& e = open(a);
    e.CombineButtonClick();
    for (const ShareRow& row : e.ShareRows) EXPECT_TRUE(row.Checked);
    EXPECT_EQ(listOf(b), std::vector<int>{b}); // nothing written yet
    e.SeparateButtonClick();
    for (const ShareRow& row : e.ShareRows) EXPECT_FALSE(row.Checked);
    e.CombineButtonClick();
    ASSERT_TRUE(e.OKSBClick());
    e.FormClose();
    for (int z : {a, b, c}) EXPECT_EQ(listOf(z), (std::vector<int>{a, b, c}));

    // "Another Apartment" hides the rows; OK still gives every zone of the list the kind.
    CeilingEditor& f = open(a);
    f.AboveRG.SetItemIndex(kAboveAnotherApartment);
    EXPECT_FALSE(f.SharePanelVisible);
    ASSERT_TRUE(f.OKSBClick());
    for (int z : {a, b, c}) {
        EXPECT_EQ(model().ZoneCeilings(z).RoofSpace, 4) << z;
        EXPECT_EQ(model().ZoneRoofs(z).RoofSpace, 4) << z;
    }
}

TEST_F(CeilingEditorTest, ALevelOfMoreThanFiftyZonesListsFiftyAndSaysHowManyAreLeftOut) {
    // 55 zones of 1 m x 1 m in a row; zone 53 shares its roof space with zone 2.
    for (int i = 0; i < 55; ++i) AddBoxZone(1.0, 1.0, i, 0.0);
    const int current = 53;
    for (int z : {2, current}) {
        model().ZoneCeilings(z).SharedZones = {};
        model().ZoneCeilings(z).SharedZones(1) = 2;
        model().ZoneCeilings(z).SharedZones(2) = current;
    }
    CeilingEditor& e = open(current);
    ASSERT_EQ(e.ShareRows.size(), 50u);
    EXPECT_EQ(e.ShareLimitLabel,
              "Only 50 zones can share a roof space: 5 zones of this level are not listed");
    // The zone itself and its partner are listed, the rest in zone order: 1..48, then 2 and 53.
    std::vector<int> listed;
    for (const ShareRow& row : e.ShareRows) listed.push_back(row.Zone);
    std::vector<int> expected;
    for (int z = 1; z <= 49; ++z) expected.push_back(z);
    expected.push_back(current);
    EXPECT_EQ(listed, expected);

    e.CombineButtonClick();
    ASSERT_TRUE(e.OKSBClick());
    for (int z : expected) EXPECT_EQ(listOf(z), expected) << z;
    for (int z : {50, 51, 52, 54, 55}) EXPECT_EQ(listOf(z), std::vector<int>{z}) << z;
}

TEST_F(CeilingEditorTest, ASlopeThatIsNotANumberRedrawsThePictureAtTheSlopeItTakes) {
    const int z = AddBoxZone(10.0, 8.0);
    model().ZoneCeilings(z).Slope = 40.0;
    CeilingEditor& e = open(z);
    SlopeBox& box = e.PaintBoxTilt;
    // At 40 degrees the handle stands at (77, 120 - 64).
    EXPECT_EQ(box.TiltPoint, (BoxPoint{77, 56}));
    messages_.clear();

    box.AngleEdit.SetText("abc");
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_EQ(box.AngleEdit.Text(), "");
    EXPECT_EQ(buffers_.EditSlope, 0.0001);
    // The picture, the area and the UA follow the slope held, not the 40 degrees drawn before.
    EXPECT_EQ(box.TiltPoint, (BoxPoint{100, 120}));
    EXPECT_EQ(box.Picture().LineTo, (BoxPoint{110, 120}));
    EXPECT_EQ(e.AreaLabel, "Area   80.00");
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().ZoneCeilings(z).Slope, 0.0001);
}

TEST_F(CeilingEditorTest, TypedAndDraggedSlopesStayWithinTheRange) {
    const int z = AddBoxZone(10.0, 8.0);
    CeilingEditor& e = open(z);
    SlopeBox& box = e.PaintBoxTilt;
    struct Typed {
        const char* text;
        double slope;
        const char* shown;
    } cases[] = {{"75", 60.0, "60"}, {"-5", 0.0001, "0"}, {"0", 0.0001, "0"}, {"25", 25.0, "25"}};
    for (const Typed& t : cases) {
        box.AngleEdit.SetText(t.text);
        EXPECT_EQ(buffers_.EditSlope, t.slope) << t.text;
        EXPECT_EQ(box.AngleEdit.Text(), t.shown) << t.text;
    }
    messages_.clear();
    // 25 degrees: the handle at (91, 78).  A press 30 px away does not catch it.
    EXPECT_EQ(box.TiltPoint, (BoxPoint{91, 78}));
    box.PaintBoxTiltMouseDown(91 - 30, 78);
    box.PaintBoxTiltMouseMove(50, 70);
    EXPECT_EQ(buffers_.EditSlope, 25.0);
    // Caught, and dragged to 45 degrees above the pivot's height: arctan(50 / 50).
    box.PaintBoxTiltMouseDown(95, 80);
    box.PaintBoxTiltMouseMove(50, 70);
    EXPECT_EQ(buffers_.EditSlope, 45.0);
    EXPECT_EQ(box.AngleEdit.Text(), "45");
    EXPECT_EQ(box.TiltPoint, (BoxPoint{71, 49}));
    EXPECT_NEAR(e.SlopedCeilingArea, 80.0 / Cos(45.0), 1e-9);
    // Below the pivot, or straight above it: limited.
    box.PaintBoxTiltMouseMove(60, 140);
    EXPECT_EQ(buffers_.EditSlope, 0.0001);
    EXPECT_EQ(box.AngleEdit.Text(), "0");
    box.PaintBoxTiltMouseMove(0, 20);
    EXPECT_EQ(buffers_.EditSlope, 60.0);
    box.PaintBoxTiltMouseUp();
    box.PaintBoxTiltMouseMove(50, 70);
    EXPECT_EQ(buffers_.EditSlope, 60.0);
    EXPECT_EQ(messages_.beeps, 0);
}

TEST_F(CeilingEditorTest, AStoredSlopeIsKeptUntilTheUserChangesIt) {
    const int z = AddBoxZone(10.0, 8.0);
    model().ZoneCeilings(z).Slope = 22.5;
    CeilingEditor& e = open(z);
    EXPECT_EQ(e.PaintBoxTilt.AngleEdit.Text(), "22"); // whole degrees, halves to even
    EXPECT_NEAR(e.SlopedCeilingArea, 80.0 / Cos(22.5), 1e-9);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().ZoneCeilings(z).Slope, 22.5);
}

TEST_F(CeilingEditorTest, CopyPasteResetAndCancel) {
    const int a = AddBoxZone(4.0, 4.0), b = AddBoxZone(4.0, 4.0, 4.0);
    CeilingEditor& e = open(a);
    EXPECT_FALSE(e.PasteButtonVisible);
    e.materialstable.MoveTo(4);
    e.insulationtable.MoveTo(6);
    e.RscrollChange(25);
    e.AboveRG.SetItemIndex(3);
    e.PaintBoxTilt.AngleEdit.SetText("18");
    e.CopyButtonClick();
    EXPECT_TRUE(e.PasteButtonVisible);
    e.ResetButtonClick();
    EXPECT_EQ(e.materialstable.RecNo(), 1);
    EXPECT_EQ(e.AboveRG.ItemIndex(), 0);
    EXPECT_EQ(e.PaintBoxTilt.AngleEdit.Text(), "0");
    e.CancelSBClick();
    e.FormClose();

    const std::vector<std::string> before = HouseFileLines();
    CeilingEditor& f = open(b);
    EXPECT_TRUE(f.PasteButtonVisible);
    f.PasteButtonClick();
    EXPECT_EQ(f.materialstable.RecNo(), 4);
    EXPECT_EQ(f.insulationtable.RecNo(), 6);
    EXPECT_EQ(f.RLabel, "2.5");
    EXPECT_EQ(f.Rscroll, 25);
    EXPECT_EQ(f.AboveRG.ItemIndex(), 3);
    EXPECT_EQ(buffers_.EditSlope, 18.0);
    EXPECT_EQ(f.PaintBoxTilt.TiltPoint, (BoxPoint{95, 89}));
    f.CancelSBClick();
    f.FormClose();
    EXPECT_TRUE(ChangedLines(before, HouseFileLines()).empty());
}

TEST_F(CeilingEditorTest, AMissingAirGapTableIsAnErrorAndTheTablesAreClosed) {
    const int z = AddBoxZone(4.0, 4.0);
    fs::remove(root_ / "BESTFIT.DAT");
    selection().CurrentZone = z;
    EXPECT_THROW(editor_->FormShow(), ModelError);
    EXPECT_FALSE(editor_->materialstable.Active());
    EXPECT_FALSE(editor_->insulationtable.Active());
}

} // namespace
