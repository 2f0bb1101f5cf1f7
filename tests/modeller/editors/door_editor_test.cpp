// The door editor's logic.  R values worked by hand from the shipped rows: "Solid Core Timber Door"
// (40 mm at 7.143 per m) and "Hollow Core Timber Door" (35 mm at 10.0 per m).
#include "modeller/editors/door_editor.h"

#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class DoorEditorTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        zone_ = AddBoxZone(5.0, 4.0);
        editor_ = std::make_unique<DoorEditor>(context());
    }
    void TearDown() override {
        editor_.reset();
        EditorTest::TearDown();
    }
    // Selects door `door` of wall `wall` of the zone.
    void Select(int zone, int wall, int door) {
        selection().CurrentZone = zone;
        selection().CurrentWall = wall;
        selection().CurrentDoor = door;
    }
    // A new door slot on the wall, opened as the plan editor opens it while "New Door" is down.
    int Insert(int zone, int wall) {
        const AddResult added = model().AddDoor(zone, wall);
        EXPECT_TRUE(added.added);
        Select(zone, wall, added.index);
        insertDoor_ = true;
        editor_->Caption = DoorCaption(added.index, wall, zone);
        return added.index;
    }
    std::vector<QString> Informations() const { return messages_.informations(); }

    int zone_ = 0;
    std::unique_ptr<DoorEditor> editor_;
};

TEST_F(DoorEditorTest, AnExistingDoorShowsItsSizeRAndUA) {
    Select(zone_, 0, AddDoor(zone_, 0, 2.5, 0.82, 2.04, 2));
    DoorEditor& e = *editor_;
    e.Caption = DoorCaption(1, 0, zone_);
    e.FormShow();
    EXPECT_EQ(e.Caption, "Door 1  Wall 1  Zone 1");
    EXPECT_FALSE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.ZoneColourPanel2Visible);
    EXPECT_EQ(e.DoorTable.RecNo(), 2);
    EXPECT_EQ(e.HEdit.Text(), "2040");
    EXPECT_EQ(e.WEdit.Text(), "820");
    EXPECT_EQ(e.HeightRG.ItemIndex(), 0);
    EXPECT_EQ(e.WidthRG.ItemIndex(), 1);
    // R = 10.0 x 0.035 = 0.35; A = 0.82 x 2.04 = 1.6728; UA = 1.6728 / (0.35 + 0.159) = 3.2864.
    EXPECT_EQ(e.RTotLabel, "R  0.35");
    EXPECT_EQ(e.AreaLabel, "A  1.67 m²");
    EXPECT_EQ(e.UALabel, "UA  3.29");
    // The 5 m x 2.4 m wall and the door centred on its bottom edge, at 20 px/m.
    ASSERT_EQ(e.PaintBox1.Rects.size(), 2u);
    EXPECT_EQ(e.PaintBox1.Rects[0], (PreviewRect{210, 152, 100, 48, preview_colour::kYellow}));
    EXPECT_EQ(e.PaintBox1.Rects[1], (PreviewRect{252, 159, 16, 41, preview_colour::kGreen}));
}

TEST_F(DoorEditorTest, OKWritesTheDoorAndCancelLeavesIt) {
    Select(zone_, 0, AddDoor(zone_, 0, 2.5, 0.82, 2.04, 2));
    const std::vector<std::string> before = HouseFileLines();
    DoorEditor& e = *editor_;
    e.FormShow();
    e.DoorTable.MoveTo(4);
    e.WEdit.SetText("1500");
    e.CancelSBClick();
    e.FormClose();
    EXPECT_TRUE(selection().ElementDeleted);
    EXPECT_EQ(HouseFileLines(), before);

    e.FormShow();
    e.DoorTable.MoveTo(4);
    e.WEdit.SetText("1500");
    e.HeightRG.SetItemIndex(1); // 2400
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_FALSE(selection().ElementDeleted);
    const TDoorRec& d = model().WallDoors(zone_, 0, 1);
    EXPECT_EQ(d.Material, 4);
    EXPECT_DOUBLE_EQ(d.Width, 1.5);
    EXPECT_DOUBLE_EQ(d.Height, 2.4);
    EXPECT_DOUBLE_EQ(d.ElementArea, 3.6);
    // Width, height, area and material: four lines of the house file.
    EXPECT_EQ(ChangedLines(before, HouseFileLines()).size(), 4u);
}

TEST_F(DoorEditorTest, AnInsertedDoorTakesTheLevelDefaultAndFitsItsWall) {
    // A wall 0.6 m long: the default door, 750 mm wide, becomes 599 mm.
    const int small = AddBoxZone(0.6, 3.0, 10.0, 0.0);
    Insert(small, 0);
    DoorEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Door 1  Wall 1  Zone 2");
    EXPECT_EQ(e.DoorTable.RecNo(), 1);
    EXPECT_EQ(buffers_.EditDoorHeight, 2100.0);
    EXPECT_EQ(buffers_.EditDoorWidth, 599.0);
    EXPECT_EQ(e.WEdit.Text(), "599");
    EXPECT_EQ(Informations(), std::vector<QString>{"Door Width can not be greater than Wall Length"});
    EXPECT_EQ(messages_.beeps, 1);
    // Typed wider than the wall: the same limit (the wall length less 1 mm), with its own message.
    e.WEdit.SetText("700");
    EXPECT_EQ(buffers_.EditDoorWidth, 599.0);
    EXPECT_EQ(e.WEdit.Text(), "599");
    EXPECT_EQ(Informations().back(), "Door Width can not be greater than Wall Width");
    EXPECT_EQ(e.WidthRG.ItemIndex(), -1);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_DOUBLE_EQ(model().WallDoors(small, 0, 1).Width, 0.599);
    EXPECT_DOUBLE_EQ(model().WallDoors(small, 0, 1).ElementArea, 0.599 * 2.1);
}

TEST_F(DoorEditorTest, TheDefaultWidthSelectsNoPresetAndEachPresetGivesItsCaption) {
    Insert(zone_, 0);
    DoorEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.WEdit.Text(), "750");
    EXPECT_EQ(e.WidthRG.ItemIndex(), -1);
    const double captions[] = {720, 820, 1200, 1500, 1800, 2100, 2400, 2700};
    for (int item = 0; item < 8; ++item) {
        e.WidthRG.SetItemIndex(item);
        EXPECT_EQ(buffers_.EditDoorWidth, captions[item]) << item;
        EXPECT_EQ(e.WEdit.Text(), std::to_string(static_cast<int>(captions[item])));
    }
    e.WEdit.SetText("2040");
    EXPECT_EQ(e.WidthRG.ItemIndex(), -1); // 2040 is no width preset
    e.WEdit.SetText("2100");
    EXPECT_EQ(e.WidthRG.ItemIndex(), 5);
}

TEST_F(DoorEditorTest, ADoorIsNeverHigherThanItsWallWhateverWayItsHeightCame) {
    Select(zone_, 0, AddDoor(zone_, 0, 2.5, 0.82, 2.04));
    DoorEditor& e = *editor_;
    e.FormShow();
    e.HeightRG.SetItemIndex(3); // 3000 in a 2400 wall
    EXPECT_EQ(buffers_.EditDoorHeight, 3000.0);
    EXPECT_FALSE(e.OKSBClick());
    EXPECT_EQ(Informations(), std::vector<QString>{"Door Height can not be greater than Wall Height"});
    EXPECT_EQ(e.HEdit.Text(), "2400");
    EXPECT_DOUBLE_EQ(model().WallDoors(zone_, 0, 1).Height, 2.04);
    e.HEdit.SetText("2500"); // typed
    EXPECT_FALSE(e.OKSBClick());
    EXPECT_EQ(Informations().size(), 2u);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_DOUBLE_EQ(model().WallDoors(zone_, 0, 1).Height, 2.4);
}

TEST_F(DoorEditorTest, AThroughWallDoorTakesThePartitionHeightAsItsLimit) {
    const int neighbour = AddBoxZone(3.0, 4.0, 5.0, 0.0, 0x00FF00);
    ASSERT_EQ(model().Walls(zone_, 1).AdjZone, neighbour);
    for (int w = 0; w < 4; ++w) model().Walls(zone_, w).PartHeight = 2.2;
    Insert(zone_, 1);
    selection().OtherZone = neighbour;
    selection().OtherWall = 3;
    editor_->Caption = DoorCaption(1, 1, zone_, 3, neighbour);
    DoorEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Door 1  Wall 2  Zone 1  Through Wall 4  Zone 2");
    EXPECT_TRUE(e.ZoneColourPanel2Visible);
    EXPECT_EQ(e.ZoneColourPanel2, 0x00FF00);
    EXPECT_EQ(buffers_.EditWallHeight, 2200.0);
    EXPECT_EQ(buffers_.EditDoorHeight, 2100.0);
    e.HeightRG.SetItemIndex(1); // 2400: above the partition, though below the external height
    EXPECT_FALSE(e.OKSBClick());
    EXPECT_EQ(buffers_.EditDoorHeight, 2200.0);
}

TEST_F(DoorEditorTest, PasteFitsTheCopiedDoorIntoTheWall) {
    Select(zone_, 0, AddDoor(zone_, 0, 2.5, 0.82, 2.04));
    DoorEditor& e = *editor_;
    model().Walls(zone_, 0).ExtHeight = 3.2;
    e.FormShow();
    e.DoorTable.MoveTo(3);
    e.HeightRG.SetItemIndex(3); // 3000
    e.CopyButtonClick();
    e.CancelSBClick();
    e.FormClose();

    model().Walls(zone_, 0).ExtHeight = 2.4;
    e.FormShow();
    EXPECT_TRUE(e.PasteButtonVisible);
    e.PasteButtonClick();
    EXPECT_EQ(e.DoorTable.RecNo(), 3);
    EXPECT_EQ(e.HEdit.Text(), "2400");
    EXPECT_EQ(Informations(), std::vector<QString>{"Door Height can not be greater than Wall Height"});
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().WallDoors(zone_, 0, 1).Material, 3);
}

TEST_F(DoorEditorTest, DefaultsModeShowsAreaAndUAOnAFourMetreWall) {
    model().DefaultsMode = true;
    DoorEditor& e = *editor_;
    e.FormShow();
    EXPECT_EQ(e.Caption, "Default Door");
    EXPECT_TRUE(e.ChangeAllToDefaultSBVisible);
    EXPECT_FALSE(e.ZoneColourPanelVisible);
    EXPECT_EQ(buffers_.EditWallLength, 4000.0);
    EXPECT_EQ(buffers_.EditWallHeight, 2400.0);
    // Solid core: R = 7.143 x 0.040 = 0.28572; A = 0.75 x 2.1 = 1.575 (held a hair below, so shown
    // 1.57); UA = 1.575 / 0.44472 = 3.5415.
    EXPECT_EQ(e.RTotLabel, "R  0.29");
    EXPECT_EQ(e.AreaLabel, "A  1.57 m²");
    EXPECT_EQ(e.UALabel, "UA  3.54");
    e.WidthRG.SetItemIndex(1);
    e.DoorTable.MoveTo(5);
    ASSERT_TRUE(e.OKSBClick());
    const TLevelDefaultRec& d = model().LevelDefaults(1);
    EXPECT_EQ(d.DefDoorWidth, 820.0);
    EXPECT_EQ(d.DefDoorMaterial, 5);
    EXPECT_EQ(d.DefDoorHeight, 2100.0);
}

TEST_F(DoorEditorTest, ThePaletteKeepsTheDoorsRecordWhenKeysAndPositionsDiffer) {
    // With row 2 gone, record 3 is the row whose key is 4.
    Sql(R"(DELETE FROM DoorMaterial WHERE "Material Number" = 2)");
    Select(zone_, 0, AddDoor(zone_, 0, 2.5, 0.82, 2.04, 3));
    DoorEditor& e = *editor_;
    e.FormShow();
    ASSERT_EQ(e.DoorTable.Integer("Material Number"), 4);
    e.dbDoorpicClick(PictureAnchor{900, 100, 48, 32});
    EXPECT_TRUE(context().palette.Visible());
    EXPECT_EQ(context().palette.PaletteCaption, "Door Type");
    EXPECT_EQ(context().palette.RecNoOf(PaletteEntry::Door), 3);
    EXPECT_EQ(e.DoorTable.RecNo(), 3);
    ASSERT_TRUE(e.OKSBClick());
    EXPECT_EQ(model().WallDoors(zone_, 0, 1).Material, 3);
    e.FormClose();
    EXPECT_FALSE(context().palette.Visible());
}

} // namespace
