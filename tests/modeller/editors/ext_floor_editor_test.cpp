// The external floor editor's logic.  R values worked by hand from the shipped rows: the concrete slab
// (100 mm at 0.714 per m, R 0.0714), the suspended timber floor (19 mm at 5.556 per m, R 0.10556),
// carpet and underlay (15 mm at 16.667 per m, R 0.25) and the reflective foil under the floor (gap
// code 2: 0.461 up, 1.514 down).
#include "modeller/editors/ext_floor_editor.h"

#include "editor_fixture.h"
#include "upper_zone.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace pelmora;

class ExtFloorEditorTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor_ = std::make_unique<ExtFloorEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    void Open(int zone) {
        selection().CurrentZone = zone;
        editor_->FormShow();
    }
    // The row of `zone` in the share rows.
    SharedZoneRow& Row(int zone) {
        auto& rows = editor_->SharedZoneRows;
        auto found =
            std::find_if(rows.begin(), rows.end(), [zone](const SharedZoneRow& r) { return r.Zone == zone; });
        EXPECT_NE(found, rows.end()) << "zone " << zone << " has no row";
        return *found;
    }
    void Tick(int zone, bool checked) {
        auto& rows = editor_->SharedZoneRows;
        for (std::size_t k = 0; k < rows.size(); ++k)
            if (rows[k].Zone == zone) editor_->CheckBoxClick(k, checked);
    }
    // The non-zero entries of a zone's list, and where they stand (slot 1..50).
    std::vector<std::pair<int, int>> Listed(int zone) {
        std::vector<std::pair<int, int>> listed;
        const SharedZoneList& list = model().ZoneExtFloors(zone).SharedZones;
        for (int slot = 1; slot <= kSharedZoneSlots; ++slot)
            if (list(slot) != 0) listed.push_back({slot, list(slot)});
        return listed;
    }
    void SetList(int zone, std::initializer_list<int> entries) {
        SharedZoneList list{};
        int slot = 1;
        for (int entry : entries) list(slot++) = entry;
        model().ZoneExtFloors(zone).SharedZones = list;
    }
    // A zone on the level without walls, only what the share rows show.
    int AddPlainZone(int level = 1) {
        const int z = model().AddZone().index;
        TZoneRec& zone = model().Zones(z);
        zone.Level = level;
        zone.FloorArea = 10.0;
        zone.Name = "Z" + std::to_string(z);
        zone.ZoneType = z % 8;
        SetList(z, {z});
        model().ZoneExtFloors(z).Material = 1;
        model().ZoneExtFloors(z).Insulation = 1;
        model().ZoneExtFloors(z).FloorCovering = 2;
        return z;
    }
    std::unique_ptr<ExtFloorEditor> editor_;
};

TEST_F(ExtFloorEditorTest, ASlabZoneShowsItsValuesAndTheZonesOfItsLevel) {
    const int a = AddBoxZone(5.0, 4.0);
    const int b = AddBoxZone(3.0, 4.0, 5.0, 0.0, 0x00FF00);
    model().Zones(b).ZoneType = 3;
    model().Zones(a).ZoneType = 6; // "Other Day-time": no type text
    Open(a);
    ExtFloorEditor& e = *editor_;
    EXPECT_EQ(e.Caption, "External Floor of Zone 1  Zone1");
    EXPECT_FALSE(e.ChangeAllToDefaultSBVisible);
    EXPECT_TRUE(e.SharePanelVisible);
    // The slab has no under-floor space: the narrow form.
    EXPECT_FALSE(e.UFPanelVisible);
    EXPECT_EQ(e.Width, 318);
    EXPECT_FALSE(e.rpanelVisible);
    EXPECT_EQ(e.HEdit.Text(), "600");
    EXPECT_EQ(e.HeightRG.ItemIndex(), 3);
    EXPECT_EQ(e.ExtFloorVent.ItemIndex(), 2);
    EXPECT_TRUE(e.VentPanelVisible);
    // Rt = 0.0714 + 0.25 (carpet) = 0.3214 both ways; Rs 0.109 on a slab; UA = 20 / 0.4304.
    EXPECT_EQ(e.RumLabel, "Ru  0.32");
    EXPECT_EQ(e.RuiLabel, "Ru  0.00");
    EXPECT_EQ(e.RTotUpLabel, "Rtu  0.32");
    EXPECT_EQ(e.RTotDnLabel, "Rtd  0.32");
    EXPECT_EQ(e.AreaLabel, "Area   20.00");
    EXPECT_EQ(e.UAUpLabel, "UAu  46.47");
    EXPECT_EQ(e.UADnLabel, "UAd  46.47");

    ASSERT_EQ(e.SharedZoneRows.size(), 2u);
    const SharedZoneRow& own = e.SharedZoneRows[0];
    const SharedZoneRow& other = e.SharedZoneRows[1];
    EXPECT_EQ(own.Top, 4);
    EXPECT_EQ(other.Top, 20);
    EXPECT_FALSE(own.CheckBoxVisible);
    EXPECT_TRUE(other.CheckBoxVisible);
    EXPECT_FALSE(other.Checked);
    EXPECT_EQ(own.TypeText, "");
    EXPECT_EQ(other.NumberText, "2");
    EXPECT_EQ(other.NameText, "Zone2");
    EXPECT_EQ(other.TypeText, "Wet Area");
    EXPECT_EQ(other.Colour, 0x00FF00);
}

TEST_F(ExtFloorEditorTest, ASuspendedFloorCountsItsGapsAndCoveringBothWays) {
    const int a = AddBoxZone(5.0, 4.0);
    Open(a);
    ExtFloorEditor& e = *editor_;
    e.materialstable.MoveTo(2);  // suspended timber floor
    e.insulationtable.MoveTo(3); // reflective foil, gap code 2
    EXPECT_TRUE(e.UFPanelVisible);
    EXPECT_EQ(e.Width, 458);
    // Up: 0.10556 + 0.461 + 0.25 = 0.81656; down: 0.10556 + 1.514 + 0.25 = 1.86956; Rs 0.159.
    EXPECT_EQ(e.RuiLabel, "Ru  0.46");
    EXPECT_EQ(e.RdiLabel, "Rd  1.51");
    EXPECT_EQ(e.RumLabel, "Ru  0.36");
    EXPECT_EQ(e.RTotUpLabel, "Rtu  0.82");
    EXPECT_EQ(e.RTotDnLabel, "Rtd  1.87");
    EXPECT_EQ(e.UAUpLabel, "UAu  20.50");
    EXPECT_EQ(e.UADnLabel, "UAd  9.86");

    // Bulk insulation that shows the added R: the scroll bar's R counts.
    e.insulationtable.MoveTo(2);
    EXPECT_TRUE(e.rpanelVisible);
    e.RscrollChange(25);
    EXPECT_EQ(e.RLabel, "2.5");
    EXPECT_EQ(buffers_.EditFloorAddedR, 2.5);
    EXPECT_EQ(e.RuiLabel, "Ru  2.50");
    EXPECT_EQ(e.RTotUpLabel, "Rtu  2.86"); // 0.10556 + 2.5 + 0.25
}

TEST_F(ExtFloorEditorTest, ACoveringOfTwoMaterialsIsTwoParallelPathsAndOneWithoutSharesAddsNothing) {
    const int a = AddBoxZone(5.0, 4.0);
    Open(a);
    ExtFloorEditor& e = *editor_;
    e.materialstable.MoveTo(2);
    e.insulationtable.MoveTo(3);
    e.FloorCoverTable.MoveTo(7); // carpet 70 %, tiles 30 %
    // Heat flowing up: the floor below the covering is 0.10556 + 0.461; the two covered parts carry
    // conductances 0.7 / (R + 0.25) and 0.3 / (R + 0.00769) in parallel.
    const double r = 0.10556 + 0.461;
    const double total = 1.0 / (0.7 / (r + 0.25) + 0.3 / (r + 0.00769));
    EXPECT_EQ(e.RTotUpLabel, "Rtu  " + FixedText(total, 2));
    EXPECT_EQ(e.RumLabel, "Ru  " + FixedText(total - 0.461, 2));

    e.FloorCoverTable.MoveTo(1);
    e.CancelSBClick();
    e.FormClose();
    Sql("UPDATE FloorCovering SET A1 = 0, A2 = 0 WHERE rowid = 2");
    Open(a);
    EXPECT_EQ(e.RTotUpLabel, "Rtu  0.07"); // the slab alone
}

TEST_F(ExtFloorEditorTest, TheAreaOfAnUpperFloorIsThePartNotOverTheLevelBelow) {
    AddBoxZone(6.0, 5.0);
    const int upper = editor_test::AddUpperZone(model(), 2, 10.0, 5.0);
    ASSERT_EQ(model().Zones(upper).FloorArea, 50.0);
    Open(upper);
    EXPECT_EQ(editor_->AreaLabel, "Area   20.00");
    EXPECT_DOUBLE_EQ(buffers_.EditFloorArea, 20.0);
    // Only the zones of the upper level are rows.
    ASSERT_EQ(editor_->SharedZoneRows.size(), 1u);
    EXPECT_EQ(editor_->SharedZoneRows[0].Zone, upper);
}

// An upstairs zone whose floor record still says slab on ground (it was moved up with its level) shows
// the suspended concrete slab over outside air that it is simulated with, and OK stores that.
TEST_F(ExtFloorEditorTest, AnUpperZoneOnASlabRecordShowsTheSuspendedSlab) {
    AddBoxZone(6.0, 5.0);
    const int upper = editor_test::AddUpperZone(model(), 2, 10.0, 5.0);
    model().ZoneExtFloors(upper).Material = 1; // slab on ground
    model().ZoneExtFloors(upper).FloorVentilation = 2;
    Open(upper);
    EXPECT_EQ(editor_->materialstable.RecNo(), 4);
    EXPECT_EQ(editor_->materialstable.Text("Material Description"), "Suspended Concrete Slab");
    EXPECT_EQ(editor_->ExtFloorVent.ItemIndex(), 0) << "very open";
    EXPECT_TRUE(editor_->OKSBClick());
    EXPECT_EQ(model().ZoneExtFloors(upper).Material, 4);
    EXPECT_EQ(model().ZoneExtFloors(upper).FloorVentilation, 0);
}

TEST_F(ExtFloorEditorTest, OKWritesTheZoneAndGivesTheGroupItsUnderFloorValues) {
    const int a = AddBoxZone(5.0, 4.0), b = AddBoxZone(3.0, 4.0, 5.0), c = AddBoxZone(3.0, 4.0, 8.0);
    model().ZoneExtFloors(b).FloorCovering = 5;
    const TExtFloorRec cBefore = model().ZoneExtFloors(c);
    Open(a);
    ExtFloorEditor& e = *editor_;
    e.materialstable.MoveTo(3);
    e.insulationtable.MoveTo(4);
    e.FloorCoverTable.MoveTo(6);
    e.ExtFloorVent.SetItemIndex(1);
    e.VentAreaRG.SetItemIndex(4);
    e.ReflectRG.SetItemIndex(1);
    e.HEdit.SetText("450");
    e.RscrollChange(20);
    Tick(b, true);
    ASSERT_TRUE(e.OKSBClick());

    const TExtFloorRec& fa = model().ZoneExtFloors(a);
    EXPECT_EQ(fa.Material, 3);
    EXPECT_EQ(fa.Insulation, 4);
    EXPECT_EQ(fa.FloorCovering, 6);
    EXPECT_EQ(fa.FloorVentilation, 1);
    EXPECT_EQ(fa.FloorVentArea, 4);
    EXPECT_EQ(fa.FloorReflective, 1);
    EXPECT_EQ(fa.UnderFloorHeight, 450.0);
    EXPECT_EQ(fa.AddedR, 2.0);
    const TExtFloorRec& fb = model().ZoneExtFloors(b);
    // The group shares the space's values; its construction and covering stay its own.
    EXPECT_EQ(fb.Material, 1);
    EXPECT_EQ(fb.FloorCovering, 5);
    EXPECT_EQ(fb.Insulation, 4);
    EXPECT_EQ(fb.FloorVentilation, 1);
    EXPECT_EQ(fb.FloorVentArea, 4);
    EXPECT_EQ(fb.FloorReflective, 1);
    EXPECT_EQ(fb.UnderFloorHeight, 450.0);
    EXPECT_EQ(fb.AddedR, 2.0);
    using L = std::vector<std::pair<int, int>>;
    EXPECT_EQ(Listed(a), (L{{1, a}, {2, b}}));
    EXPECT_EQ(Listed(b), (L{{1, a}, {2, b}}));
    EXPECT_EQ(model().ZoneExtFloors(c), cBefore);
}

TEST_F(ExtFloorEditorTest, TickingAndUntickingMovesZonesBetweenGroups) {
    const int a = AddBoxZone(3.0, 4.0), b = AddBoxZone(3.0, 4.0, 3.0), c = AddBoxZone(3.0, 4.0, 6.0),
              d = AddBoxZone(3.0, 4.0, 9.0);
    SetList(a, {a, b});
    SetList(b, {a, b});
    SetList(c, {c, d});
    SetList(d, {c, d});
    using L = std::vector<std::pair<int, int>>;

    // a takes c from the group of c and d, and lets b go.
    Open(a);
    EXPECT_TRUE(Row(b).Checked);
    EXPECT_FALSE(Row(c).Checked);
    Tick(c, true);
    Tick(b, false);
    ASSERT_TRUE(editor_->OKSBClick());
    editor_->FormClose();
    EXPECT_EQ(Listed(a), (L{{1, a}, {2, c}}));
    EXPECT_EQ(Listed(c), (L{{1, a}, {2, c}}));
    EXPECT_EQ(Listed(b), (L{{1, b}})); // a list of its own
    EXPECT_EQ(Listed(d), (L{{2, d}})); // c's entry emptied where it stood
}

TEST_F(ExtFloorEditorTest, OKWithTheZoneAloneChangesOnlyThatZone) {
    const int a = AddBoxZone(3.0, 4.0), b = AddBoxZone(3.0, 4.0, 3.0);
    SetList(b, {b});
    const TExtFloorRec before = model().ZoneExtFloors(b);
    Open(a);
    editor_->insulationtable.MoveTo(6);
    editor_->HEdit.SetText("1000");
    ASSERT_TRUE(editor_->OKSBClick());
    EXPECT_EQ(model().ZoneExtFloors(a).Insulation, 6);
    EXPECT_EQ(model().ZoneExtFloors(b), before);
}

TEST_F(ExtFloorEditorTest, ASuspendedFloorWithoutHeightIsRefusedUnlessItsSpaceIsVeryOpen) {
    const int a = AddBoxZone(5.0, 4.0);
    const std::vector<std::string> before = HouseFileLines();
    Open(a);
    ExtFloorEditor& e = *editor_;
    e.materialstable.MoveTo(4);
    e.ExtFloorVent.SetItemIndex(1); // "Open"
    e.HEdit.SetText("0");
    EXPECT_EQ(buffers_.EditUnderFloorHeight, 0.0);
    EXPECT_FALSE(e.OKSBClick());
    EXPECT_EQ(messages_.informations(), std::vector<QString>{"Under Floor Height can not be zero"});
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_EQ(HouseFileLines(), before);
    EXPECT_EQ(e.HEdit.Text(), "0"); // the values stay as typed
    // The slab needs no height.
    e.materialstable.MoveTo(1);
    EXPECT_TRUE(e.OKSBClick());
    // A very open space takes any floor without height.
    e.materialstable.MoveTo(2);
    e.ExtFloorVent.SetItemIndex(0);
    EXPECT_FALSE(e.VentPanelVisible);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().ZoneExtFloors(a).Material, 2);
    EXPECT_EQ(model().ZoneExtFloors(a).UnderFloorHeight, 0.0);
}

TEST_F(ExtFloorEditorTest, TheHeightBoxTakesNumbersAndPresetsAndRefusesText) {
    const int a = AddBoxZone(5.0, 4.0);
    Open(a);
    ExtFloorEditor& e = *editor_;
    e.HeightRG.SetItemIndex(1);
    EXPECT_EQ(buffers_.EditUnderFloorHeight, 1500.0);
    EXPECT_EQ(e.HEdit.Text(), "1500");
    e.HEdit.SetText("1000");
    EXPECT_EQ(e.HeightRG.ItemIndex(), 2);
    e.HEdit.SetText("750");
    EXPECT_EQ(e.HeightRG.ItemIndex(), -1);
    EXPECT_EQ(buffers_.EditUnderFloorHeight, 750.0);
    e.HEdit.SetText("7x");
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_EQ(e.HEdit.Text(), "");
    EXPECT_EQ(buffers_.EditUnderFloorHeight, 750.0);
    EXPECT_TRUE(messages_.informations().empty());
}

TEST_F(ExtFloorEditorTest, DefaultsModeEditsTheLevelDefaultAndShowsU) {
    AddBoxZone(5.0, 4.0);
    model().DefaultsMode = true;
    ExtFloorEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Default External Floor");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.ZoneColourPanelVisible);
    EXPECT_FALSE(e.SharePanelVisible);
    EXPECT_TRUE(e.SharedZoneRows.empty());
    // U = 1 / (0.3214 + 0.109).
    EXPECT_EQ(e.UAUpLabel, "Uu  2.32");
    EXPECT_EQ(e.UADnLabel, "Ud  2.32");
    EXPECT_EQ(e.AreaLabel, "");
    const TExtFloorRec zoneBefore = model().ZoneExtFloors(1);

    e.CancelSBClick();
    e.FormClose();
    EXPECT_EQ(model().LevelDefaults(1).DefFloorMaterial, 1);

    e.FormShow();
    e.materialstable.MoveTo(2);
    e.insulationtable.MoveTo(2);
    e.FloorCoverTable.MoveTo(3);
    e.ExtFloorVent.SetItemIndex(1);
    e.VentAreaRG.SetItemIndex(3);
    e.ReflectRG.SetItemIndex(1);
    e.HeightRG.SetItemIndex(0);
    e.RscrollChange(15);
    ASSERT_TRUE(e.OKSBClick());
    const TLevelDefaultRec& d = model().LevelDefaults(1);
    EXPECT_EQ(d.DefFloorMaterial, 2);
    EXPECT_EQ(d.DefFloorInsulation, 2);
    EXPECT_EQ(d.DefFloorCovering, 3);
    EXPECT_EQ(d.DefFloorVentilation, 1);
    EXPECT_EQ(d.DefFloorVentArea, 3);
    EXPECT_EQ(d.DefFloorReflective, 1);
    EXPECT_EQ(d.DefUnderFloorHeight, 2000.0);
    EXPECT_EQ(d.DefFloorAddedR, 1.5);
    EXPECT_EQ(model().ZoneExtFloors(1), zoneBefore);
}

TEST_F(ExtFloorEditorTest, PasteRestoresTheCopyButNotTheReflectiveChoice) {
    const int a = AddBoxZone(5.0, 4.0), b = AddBoxZone(3.0, 4.0, 5.0);
    Open(a);
    ExtFloorEditor& e = *editor_;
    EXPECT_FALSE(e.PasteButtonVisible);
    e.materialstable.MoveTo(2);
    e.insulationtable.MoveTo(2);
    e.FloorCoverTable.MoveTo(4);
    e.ExtFloorVent.SetItemIndex(1);
    e.VentAreaRG.SetItemIndex(2);
    e.ReflectRG.SetItemIndex(1);
    e.HEdit.SetText("1500");
    e.RscrollChange(30);
    e.CopyButtonClick();
    e.CancelSBClick();
    e.FormClose();

    Open(b);
    EXPECT_TRUE(e.PasteButtonVisible);
    e.PasteButtonClick();
    EXPECT_EQ(e.materialstable.RecNo(), 2);
    EXPECT_EQ(e.insulationtable.RecNo(), 2);
    EXPECT_EQ(e.FloorCoverTable.RecNo(), 4);
    EXPECT_EQ(e.ExtFloorVent.ItemIndex(), 1);
    EXPECT_EQ(e.VentAreaRG.ItemIndex(), 2);
    EXPECT_EQ(e.ReflectRG.ItemIndex(), 0);
    EXPECT_EQ(e.HEdit.Text(), "1500");
    EXPECT_EQ(e.HeightRG.ItemIndex(), 1);
    EXPECT_EQ(e.RLabel, "3.0");
    EXPECT_EQ(e.Rscroll, 30);
    // Nothing is written before OK.
    EXPECT_EQ(model().ZoneExtFloors(b).Material, 1);
}

TEST_F(ExtFloorEditorTest, AGroupNeverHoldsMoreZonesThanItsList) {
    std::vector<int> zones;
    for (int i = 0; i < 55; ++i) zones.push_back(AddPlainZone());
    const int current = zones.front();
    Open(current);
    ExtFloorEditor& e = *editor_;
    ASSERT_EQ(e.SharedZoneRows.size(), 55u);
    // Combine ticks the rows up to a full list and says that the rest were left.
    e.CombineButtonClick();
    EXPECT_EQ(messages_.informations(),
              std::vector<QString>{"Only 50 zones can share one under floor space"});
    const auto ticked = std::count_if(e.SharedZoneRows.begin(), e.SharedZoneRows.end(),
                                      [](const SharedZoneRow& r) { return r.Checked && r.CheckBoxVisible; });
    EXPECT_EQ(ticked, 49);
    EXPECT_FALSE(Row(zones[50]).Checked);
    // A tick beyond the list is refused; after an untick there is room again.
    Tick(zones[52], true);
    EXPECT_FALSE(Row(zones[52]).Checked);
    EXPECT_EQ(messages_.informations().size(), 2u);
    Tick(zones[3], false);
    Tick(zones[52], true);
    EXPECT_TRUE(Row(zones[52]).Checked);
    ASSERT_TRUE(e.OKSBClick());
    const auto listed = Listed(current);
    ASSERT_EQ(listed.size(), 50u);
    EXPECT_EQ(listed.back(), (std::pair<int, int>{50, zones[52]}));
    EXPECT_EQ(Listed(zones[52]), listed);
    // The zones left out keep lists of their own.
    EXPECT_EQ(Listed(zones[53]), (std::vector<std::pair<int, int>>{{1, zones[53]}}));
}

TEST_F(ExtFloorEditorTest, AStoredListOfFiftyOtherZonesIsNotWrittenWithTheZoneAdded) {
    std::vector<int> zones;
    for (int i = 0; i < 51; ++i) zones.push_back(AddPlainZone());
    const int current = zones.front();
    SharedZoneList others{};
    for (int slot = 1; slot <= kSharedZoneSlots; ++slot) others(slot) = zones[static_cast<std::size_t>(slot)];
    model().ZoneExtFloors(current).SharedZones = others;
    const std::vector<std::string> before = HouseFileLines();
    Open(current);
    editor_->insulationtable.MoveTo(2);
    EXPECT_FALSE(editor_->OKSBClick());
    EXPECT_EQ(messages_.informations(),
              std::vector<QString>{"Only 50 zones can share one under floor space"});
    EXPECT_EQ(HouseFileLines(), before);
    // Unticking one makes room for the zone itself.
    Tick(zones[7], false);
    ASSERT_TRUE(editor_->OKSBClick());
    EXPECT_EQ(Listed(current).size(), 50u);
    EXPECT_EQ(Listed(current).front(), (std::pair<int, int>{1, current}));
}

} // namespace
