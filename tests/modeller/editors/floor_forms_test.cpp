// The floor editors' dialogs offscreen: the widgets show the editor's state and hand the user's
// clicks and keys to it.
#include "modeller/editors/ext_floor_form.h"
#include "modeller/editors/floor_cover_form.h"
#include "modeller/editors/int_ceiling_form.h"
#include "modeller/editors/select_all_form.h"

#include "editor_fixture.h"
#include "tests/support/dialog_layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace pelmora;

class FloorFormsTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        zone_ = AddBoxZone(5.0, 4.0);
        neighbour_ = AddBoxZone(3.0, 4.0, 5.0, 0.0, 0x00FF00);
        selection().CurrentZone = zone_;
    }
    int zone_ = 0;
    int neighbour_ = 0;
};

TEST_F(FloorFormsTest, TheExternalFloorDialogSharesTheSpaceWithATickedZone) {
    TExtFloorForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "External Floor of Zone 1  Zone1");
    EXPECT_EQ(form.DBText1->text(), "Concrete Slab on Ground");
    EXPECT_FALSE(form.UFPanel->isVisibleTo(&form)); // a slab has no under-floor space
    EXPECT_TRUE(form.SharePanel->isVisibleTo(&form));
    ASSERT_EQ(form.ShareCheckBoxes.size(), 2u);
    EXPECT_FALSE(form.ShareCheckBoxes[0]->isVisibleTo(&form)); // the zone's own row
    EXPECT_FALSE(form.ShareCheckBoxes[1]->isChecked());
    EXPECT_EQ(form.UAUpLabel->text(), "UAu  46.47");

    QTest::mouseClick(form.ShareCheckBoxes[1], Qt::LeftButton);
    EXPECT_TRUE(form.editor().SharedZoneRows[1].Checked);
    QTest::mouseClick(form.SeparateButton, Qt::LeftButton);
    EXPECT_FALSE(form.ShareCheckBoxes[1]->isChecked());
    QTest::mouseClick(form.CombineButton, Qt::LeftButton);
    EXPECT_TRUE(form.ShareCheckBoxes[1]->isChecked());

    // A suspended floor shows its under-floor space; "Very Open" hides the vent area and height.
    form.editor().materialstable.MoveTo(2);
    EXPECT_TRUE(form.UFPanel->isVisibleTo(&form));
    EXPECT_TRUE(form.VentPanel->isVisibleTo(&form));
    QTest::mouseClick(form.ExtFloorVent->item(0), Qt::LeftButton);
    EXPECT_FALSE(form.VentPanel->isVisibleTo(&form));

    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().ZoneExtFloors(zone_).Material, 2);
    EXPECT_EQ(model().ZoneExtFloors(zone_).FloorVentilation, 0);
    EXPECT_EQ(model().ZoneExtFloors(neighbour_).SharedZones(2), neighbour_);
    EXPECT_EQ(model().ZoneExtFloors(neighbour_).FloorVentilation, 0);
    EXPECT_TRUE(form.editor().SharedZoneRows.empty());
}

TEST_F(FloorFormsTest, TheExternalFloorDialogIsAsWideAsItsUnderFloorSpaceAsksWithEveryControlReadable) {
    constexpr int kTolerance = 4;           // px
    model().Zones(neighbour_).ZoneType = 1; // "Living/Kitchen", the widest type in the share rows
    for (int k = 0; k < 8; ++k) AddBoxZone(3.0, 3.0, 10.0 + 3.0 * k, 0.0); // rows past the box's height
    TExtFloorForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    // `fits`: the controls fit the width; else the dialog keeps the least width that shows them.
    const auto check = [&](int width, const char* what, bool fits = true) {
        QApplication::processEvents();
        const int expected = fits ? width : std::max(width, form.minimumSizeHint().width());
        EXPECT_NEAR(form.width(), expected, kTolerance) << what;
        EXPECT_EQ(test_support::ControlsCutOff(form), "") << what;
    };
    // The share rows' box is as wide as the rows of the widest type name, which may need more.
    check(kWidthWithoutUnderFloor, "a slab", false);
    form.editor().materialstable.MoveTo(2);
    ASSERT_TRUE(form.UFPanel->isVisibleTo(&form));
    check(kWidthWithUnderFloor, "a suspended floor", false);
    form.editor().materialstable.MoveTo(1);
    check(kWidthWithoutUnderFloor, "a slab again", false);
    form.reject();

    // The level's default shows Cancel, Reset and Change All, which a slab's width cannot hold.
    model().DefaultsMode = true;
    ASSERT_TRUE(form.ShowEditor());
    ASSERT_TRUE(form.ChangeAllToDefaultSB->isVisibleTo(&form));
    check(kWidthWithoutUnderFloor, "the level's default slab", false);
    form.editor().materialstable.MoveTo(2);
    check(kWidthWithUnderFloor, "the level's default suspended floor");
    form.reject();
}

// The dialog stands at the screen's right edge as wide as it was laid out before it was first shown;
// a suspended floor widens it, and it moves left so that the whole of it stays on the screen.  The
// share rows, the widest type name included, fit their box without a scroll bar across.
TEST_F(FloorFormsTest, TheExternalFloorDialogStaysOnTheScreenAndShowsItsShareRowsWhole) {
    model().Zones(neighbour_).ZoneType = 1; // "Living/Kitchen", the widest type in the share rows
    TExtFloorForm form(context(), services_);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    form.adjustSize();
    form.move(screen.right() + 1 - form.width(), screen.top()); // the designed place: D - W, 0
    ASSERT_TRUE(form.ShowEditor());
    QApplication::processEvents();
    const auto check = [&](const char* what) {
        QApplication::processEvents();
        EXPECT_TRUE(screen.contains(form.frameGeometry()))
            << what << ": the dialog at " << form.frameGeometry().x() << ", " << form.frameGeometry().y()
            << " " << form.frameGeometry().width() << " x " << form.frameGeometry().height()
            << " on a screen " << screen.width() << " x " << screen.height();
        EXPECT_FALSE(form.ScrollBox1->horizontalScrollBar()->isVisible()) << what;
    };
    check("a slab");
    form.editor().materialstable.MoveTo(2);
    ASSERT_TRUE(form.UFPanel->isVisibleTo(&form));
    EXPECT_GE(form.width(), kWidthWithUnderFloor);
    check("a suspended floor");
    form.reject();

    // Shown again, it opens on the screen at once.
    form.move(screen.right() + 1 - kWidthWithoutUnderFloor, screen.top());
    model().ZoneExtFloors(zone_).Material = 2;
    ASSERT_TRUE(form.ShowEditor());
    check("a suspended floor opened again");
    form.reject();
}

// The palette of floor types stands left of its editor, and stays clear of it when a suspended floor
// picked from it widens the dialog and moves it left; each cell names its row whole in its tool tip.
TEST_F(FloorFormsTest, TheFloorTypePaletteStaysClearOfTheWidenedDialog) {
    TExtFloorForm form(context(), services_);
    TSelectAllForm palette(context().palette, services_);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    form.adjustSize();
    form.move(screen.right() + 1 - form.width(), screen.top()); // the designed place: D - W, 0
    ASSERT_TRUE(form.ShowEditor());
    QApplication::processEvents();
    const auto clear = [&](const char* what) {
        QApplication::processEvents();
        EXPECT_FALSE(palette.frameGeometry().intersects(form.frameGeometry()))
            << what << ": palette " << palette.frameGeometry().x() << " .. "
            << palette.frameGeometry().right() << ", dialog " << form.frameGeometry().x() << " .. "
            << form.frameGeometry().right();
    };
    QTest::mouseClick(form.dbmaterialpicture, Qt::LeftButton);
    ASSERT_TRUE(palette.isVisible());
    ASSERT_EQ(palette.windowTitle(), "External Floor Type");
    clear("a slab");
    const int slabLeft = form.x();

    const MaterialPalette& shown = context().palette;
    const QPoint second(shown.CellWidth / 2, shown.CellHeight + shown.CellHeight / 2);
    QTest::mouseMove(palette.imagegrid, second);
    EXPECT_EQ(palette.imagegrid->toolTip().toStdString(), shown.lbmaterials[1]);
    QTest::mouseClick(palette.imagegrid, Qt::LeftButton, {}, second);
    ASSERT_TRUE(form.UFPanel->isVisibleTo(&form)) << "row 2 is a suspended floor";
    ASSERT_LT(form.x(), slabLeft) << "the wider dialog moved left";
    ASSERT_TRUE(palette.isVisible());
    clear("a suspended floor");
    form.reject();
}

TEST_F(FloorFormsTest, EscapeInTheCeilingBetweenLevelsDialogWritesNothing) {
    model().DefaultsMode = true;
    TIntCeilingForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Default Internal Ceiling");
    EXPECT_TRUE(form.ChangeAllToDefaultSB->isVisibleTo(&form));
    EXPECT_EQ(form.ChangeAllToDefaultSB->toolTip(), "Change ceilings between levels  to current default");
    EXPECT_FALSE(form.rpanel->isVisibleTo(&form));
    form.editor().insulationtable.MoveTo(2);
    EXPECT_TRUE(form.rpanel->isVisibleTo(&form));
    form.Rscroll->setValue(40);
    EXPECT_EQ(form.RLabel->text(), "4.0");
    const TLevelDefaultRec before = model().LevelDefaults(1);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().LevelDefaults(1), before);
    EXPECT_FALSE(form.editor().materialstable.Active());
}

TEST_F(FloorFormsTest, TheFloorCoveringDialogWritesTheChosenRowOnOK) {
    TFloorCoverForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Internal Floor Cover of Zone 1  Zone1");
    EXPECT_EQ(form.DBFloorCoverText->text(), "Carpet and Underlay");
    EXPECT_EQ(form.RLabel->text(), "R  0.25");
    EXPECT_EQ(form.AreaLabel->text(), "Area 0.00");
    form.editor().FloorCoverTable.MoveTo(3);
    EXPECT_EQ(form.DBFloorCoverText->text(), "Ceramic Tiles");
    QTest::mouseClick(form.OKSB, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().ZoneFloorCovers(zone_).FloorCovering, 3);
}

} // namespace
