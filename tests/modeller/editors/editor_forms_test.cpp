// The editors' dialogs offscreen: the widgets show the editor's state and hand the user's typing,
// clicks and keys to it; the palette's window chooses a row by a click on its picture.
#include "modeller/editors/door_form.h"
#include "modeller/editors/ext_wall_form.h"
#include "modeller/editors/int_wall_form.h"
#include "modeller/editors/select_all_form.h"

#include "editor_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

class EditorFormsTest : public editor_test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        zone_ = AddBoxZone(5.0, 4.0);
        selection().CurrentZone = zone_;
        selection().CurrentWall = 0;
    }
    int zone_ = 0;
};

TEST_F(EditorFormsTest, TheExternalWallDialogShowsTheDefaultAndTakesTyping) {
    model().DefaultsMode = true;
    TExtWallForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "External Wall Default");
    EXPECT_TRUE(form.ChangeAllToDefaultSB->isVisibleTo(&form));
    EXPECT_FALSE(form.ZoneColourPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.PasteButton->isVisibleTo(&form));
    EXPECT_EQ(form.DBText1->text(), "Brick Veneer");
    EXPECT_EQ(form.DBText2->text(), "No Insulation");
    EXPECT_FALSE(form.rpanel->isVisibleTo(&form));
    EXPECT_EQ(form.UALabel->text(), "U  1.98");
    EXPECT_TRUE(form.RadioGroup1->item(3)->isChecked()); // 2400
    EXPECT_FALSE(form.dbmaterialpicture->pixmap().isNull());

    form.HEdit->selectAll();
    QTest::keyClicks(form.HEdit, "2700");
    EXPECT_EQ(buffers_.EditWallHeight, 2700.0);
    EXPECT_TRUE(form.RadioGroup1->item(1)->isChecked());
    QTest::mouseClick(form.Beyond->item(3), Qt::LeftButton);
    EXPECT_EQ(form.editor().Beyond.ItemIndex(), 3);
    QTest::mouseClick(form.DarkP, Qt::LeftButton);
    EXPECT_EQ(form.ALabel->text(), "0.85");

    QTest::keyClick(form.HEdit, Qt::Key_Return); // Enter reaches the dialog before the box
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().LevelDefaults(1).DefExtHeight, 2700.0);
    EXPECT_EQ(model().LevelDefaults(1).DefBeyond, 3);
    EXPECT_FALSE(form.editor().materialstable.Active());
}

TEST_F(EditorFormsTest, TheElevationIsPaintedInItsColours) {
    AddDoor(zone_, 0, 2.5, 1.0, 2.0);
    TExtWallForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    QImage picture(form.PaintBox1->size(), QImage::Format_RGB32);
    form.PaintBox1->render(&picture);
    // The 5 m x 2.4 m wall is 100 x 48 px on the bottom edge from x 210; the door 20 x 40 px in its
    // middle.
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(192, 192, 192));
    EXPECT_EQ(picture.pixelColor(215, 160), QColor(255, 255, 0));
    EXPECT_EQ(picture.pixelColor(260, 190), QColor(0, 128, 0));
    EXPECT_EQ(picture.pixelColor(210, 170), QColor(0, 0, 0)); // the wall's outline
    form.reject();
}

TEST_F(EditorFormsTest, EscapeOnAnInsertedDoorReportsItDeletedAndOnAnExistingDoorChangesNothing) {
    TDoorForm form(context(), services_);
    const AddResult added = model().AddDoor(zone_, 0);
    ASSERT_TRUE(added.added);
    selection().CurrentDoor = added.index;
    insertDoor_ = true;
    ASSERT_TRUE(form.ShowEditor());
    QTest::keyClick(form.WEdit, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(selection().ElementDeleted);

    insertDoor_ = false;
    selection().ElementDeleted = false;
    const TDoorRec before = model().WallDoors(zone_, 0, 1) =
        TDoorRec{1.0, 0.82, 2.04, 1.6728, 0, 0, 0, {}, 2};
    ASSERT_TRUE(form.ShowEditor());
    form.WEdit->selectAll();
    QTest::keyClicks(form.WEdit, "1200");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(model().WallDoors(zone_, 0, 1), before);

    ASSERT_TRUE(form.ShowEditor());
    form.close(); // the window's close box writes nothing either
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(selection().ElementDeleted);
    EXPECT_EQ(model().WallDoors(zone_, 0, 1), before);
    EXPECT_FALSE(form.editor().DoorTable.Active());
}

TEST_F(EditorFormsTest, ADoorWhoseRecordIsNotInTheTableIsReportedAndNotShown) {
    AddDoor(zone_, 0, 2.5, 0.82, 2.04, 99);
    selection().CurrentDoor = 1;
    TDoorForm form(context(), services_);
    EXPECT_FALSE(form.ShowEditor());
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(messages_.errors().size(), 1u);
    EXPECT_TRUE(messages_.errors()[0].contains("DoorMaterial")) << messages_.errors()[0].toStdString();
    EXPECT_TRUE(selection().ElementDeleted);
    EXPECT_FALSE(form.editor().DoorTable.Active());
}

TEST_F(EditorFormsTest, ThePalettesPicturesChooseTheDoor) {
    AddDoor(zone_, 0, 2.5, 0.82, 2.04, 1);
    selection().CurrentDoor = 1;
    TDoorForm form(context(), services_);
    TSelectAllForm palette(context().palette, services_);
    ASSERT_TRUE(form.ShowEditor());
    QTest::mouseClick(form.dbDoorpic, Qt::LeftButton);
    ASSERT_TRUE(palette.isVisible());
    EXPECT_EQ(palette.windowTitle(), "Door Type");
    // Five doors in two columns of 59 x 45 px cells: cell 3 is the second of the second row.
    const QPoint cell3(59 + 30, 45 + 22);
    QTest::mouseMove(palette.imagegrid, cell3);
    EXPECT_EQ(palette.materialstatusbar->text(), "Glazed Aluminium Door");
    QTest::mouseClick(palette.imagegrid, Qt::LeftButton, {}, cell3);
    EXPECT_EQ(form.DBDoorText->text(), "Glazed Aluminium Door");
    EXPECT_EQ(form.RTotLabel->text(), "R  0.01"); // 6 mm of glass at 1.0 per m
    EXPECT_TRUE(palette.isVisible());
    QTest::mouseClick(form.OKSB, Qt::LeftButton);
    EXPECT_FALSE(palette.isVisible());
    EXPECT_EQ(model().WallDoors(zone_, 0, 1).Material, 4);
}

// The palette keeps the size its grid asks for whatever the pointer passes over: a description longer
// than the window is cut in the status bar and read whole in its tool tip, and a palette shown after a
// larger one shrinks back to its own size.
TEST_F(EditorFormsTest, ThePaletteKeepsItsSizeWhateverDescriptionItShows) {
    const std::string longest =
        "Reflective foil laminate with an expanded polystyrene board of 25 mm, both faces";
    Sql("UPDATE WallInsulation SET \"Insulation Description\" = '" + longest + "' WHERE rowid = 2");
    TExtWallForm form(context(), services_);
    TSelectAllForm palette(context().palette, services_);
    ASSERT_TRUE(form.ShowEditor());
    const MaterialPalette& shown = context().palette;
    // Walks the pointer over every cell and checks the window after each step.
    const auto hoverEveryCell = [&](const char* what) {
        for (int cell = 0; cell < shown.RowCount; ++cell) {
            const QPoint centre((cell % shown.PaletteColumns) * shown.CellWidth + shown.CellWidth / 2,
                                (cell / shown.PaletteColumns) * shown.CellHeight + shown.CellHeight / 2);
            QMouseEvent move(QEvent::MouseMove, QPointF(centre),
                             palette.imagegrid->mapToGlobal(QPointF(centre)), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(palette.imagegrid, &move);
            QApplication::processEvents();
            ASSERT_EQ(palette.materialstatusbar->text().toStdString(), shown.lbmaterials[cell]) << what;
            EXPECT_EQ(palette.size(), QSize(shown.WindowWidth, shown.WindowHeight))
                << what << " cell " << cell;
            EXPECT_LE(palette.materialstatusbar->geometry().right(), palette.width()) << what;
        }
    };
    for (auto [picture, what] :
         {std::pair{form.dbmaterialpicture, "wall types"}, std::pair{form.dbinsulationpicture, "insulation"},
          std::pair{form.dbmaterialpicture, "wall types again"}}) {
        QTest::mouseClick(picture, Qt::LeftButton);
        ASSERT_TRUE(palette.isVisible()) << what;
        QApplication::processEvents();
        EXPECT_EQ(palette.size(), QSize(shown.WindowWidth, shown.WindowHeight)) << what << " when opened";
        hoverEveryCell(what);
    }

    QTest::mouseClick(form.dbinsulationpicture, Qt::LeftButton);
    EXPECT_EQ(shown.WindowWidth, 3 * (kPictureWidth + 11) + 33);
    QTest::mouseMove(palette.imagegrid, QPoint(shown.CellWidth + shown.CellWidth / 2, shown.CellHeight / 2));
    QApplication::processEvents();
    EXPECT_TRUE(palette.materialstatusbar->isCut());
    EXPECT_EQ(palette.materialstatusbar->toolTip().toStdString(), longest);
    QTest::mouseMove(palette.imagegrid, QPoint(shown.CellWidth / 2, shown.CellHeight / 2));
    EXPECT_FALSE(palette.materialstatusbar->isCut());
    EXPECT_EQ(palette.materialstatusbar->toolTip(), "") << "a text shown whole needs no tool tip";
    form.reject();
}

TEST_F(EditorFormsTest, ThePartitionDialogShowsBothZones) {
    const int other = AddBoxZone(3.0, 4.0, 5.0, 0.0, 0x00FF00);
    selection().IntWallMode = false;
    selection().CurrentWall = 1;
    selection().OtherZone = other;
    selection().OtherWall = 3;
    TIntWallForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Partition, Wall 2 of Zone 1 and Wall 4 of Zone 2");
    EXPECT_TRUE(form.ZoneColourPanel2->isVisibleTo(&form));
    EXPECT_EQ(form.RDisLabel->text(), "R  0.08");
    EXPECT_FALSE(form.ChangeAllToDefaultSB->isVisibleTo(&form));
    QTest::mouseClick(form.CancelSB, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(selection().ElementDeleted);
}

} // namespace
