// The ceiling and roof dialogs offscreen: the share rows are check boxes that tick zones, the slope
// box follows typing and a drag of its handle, the roof's shape sketch is painted, and Enter and
// Escape write or leave the model.
#include "modeller/editors/ceiling_form.h"
#include "modeller/editors/roof_form.h"

#include "sloped_editor_fixture.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace pelmora;

class CeilingRoofFormsTest : public editor_test::SlopedEditorTest {
  protected:
    void SetUp() override {
        SlopedEditorTest::SetUp();
        a_ = AddBoxZone(4.0, 4.0);
        b_ = AddBoxZone(4.0, 4.0, 4.0);
        selection().CurrentZone = b_;
    }
    int a_ = 0, b_ = 0;
};

TEST_F(CeilingRoofFormsTest, TheCeilingDialogTicksAZoneAndDragsTheSlope) {
    TCeilingForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Ceiling for Zone 2  Zone2");
    EXPECT_TRUE(form.SharePanel->isVisibleTo(&form));
    ASSERT_EQ(form.ShareChecks.size(), 2u);
    EXPECT_FALSE(form.ShareChecks[1]->isVisibleTo(&form)); // the zone's own row
    EXPECT_FALSE(form.ShareChecks[0]->isChecked());
    EXPECT_FALSE(form.ShareLimitLabel->isVisibleTo(&form));
    EXPECT_EQ(form.AngleEdit->text(), "0");

    QTest::mouseClick(form.ShareChecks[0], Qt::LeftButton);
    EXPECT_TRUE(form.editor().ShareRows[0].Checked);
    // Drag the handle from (100, 120) up to 45 degrees.
    QTest::mousePress(form.PaintBoxTilt, Qt::LeftButton, {}, QPoint(100, 118));
    QTest::mouseMove(form.PaintBoxTilt, QPoint(50, 70));
    QTest::mouseRelease(form.PaintBoxTilt, Qt::LeftButton, {}, QPoint(50, 70));
    EXPECT_EQ(form.AngleEdit->text(), "45");
    EXPECT_EQ(form.AreaLabel->text(),
              "Area   " + QString::fromStdString(FixedText(16.0 / std::cos(std::numbers::pi / 4), 2)));
    // "Another Apartment" hides the rows.
    QTest::mouseClick(form.AboveRG->item(4), Qt::LeftButton);
    EXPECT_FALSE(form.SharePanel->isVisibleTo(&form));
    QTest::mouseClick(form.AboveRG->item(0), Qt::LeftButton);

    QTest::keyClick(form.AngleEdit, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().ZoneCeilings(b_).Slope, 45.0);
    EXPECT_EQ(model().ZoneCeilings(a_).SharedZones(1), a_);
    EXPECT_EQ(model().ZoneCeilings(a_).SharedZones(2), b_);
}

TEST_F(CeilingRoofFormsTest, TheSlopeBoxIsPaintedAtTheSlopeHeld) {
    model().ZoneCeilings(b_).Slope = 30.0;
    TCeilingForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    QImage picture(form.PaintBoxTilt->size(), QImage::Format_RGB32);
    form.PaintBoxTilt->render(&picture);
    // At 30 degrees the handle stands at (87 + 10, 70): black; the teal triangle under the line.
    EXPECT_EQ(picture.pixelColor(97, 70), QColor(0, 0, 0));
    EXPECT_EQ(picture.pixelColor(80, 115), QColor(0, 128, 128));
    EXPECT_EQ(picture.pixelColor(40, 40), QColor(255, 255, 255));
    form.reject();
}

TEST_F(CeilingRoofFormsTest, AClickBesideTheBulkRHandleMovesItByHalfAUnit) {
    TCeilingForm ceiling(context(), services_);
    TRoofForm roof(context(), services_);
    for (SlopedEditorForm* form : std::initializer_list<SlopedEditorForm*>{&ceiling, &roof}) {
        SCOPED_TRACE(form->windowTitle().toStdString());
        ASSERT_TRUE(form->ShowEditor());
        form->Rscroll->setValue(20); // 2.0 m2K/W
        form->Rscroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(form->RLabel->text(), "2.5");
        form->Rscroll->triggerAction(QAbstractSlider::SliderPageStepSub);
        form->Rscroll->triggerAction(QAbstractSlider::SliderPageStepSub);
        EXPECT_EQ(form->RLabel->text(), "1.5");
        form->reject();
    }
}

TEST_F(CeilingRoofFormsTest, TheRoofDialogPaintsTheShapeItShowsAndEscapeLeavesTheRoof) {
    const TRoofRec before = model().ZoneRoofs(b_);
    TRoofForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Roof for Zone  2  Zone2");
    EXPECT_TRUE(form.RoofShapeRG->item(0)->isChecked()); // hip, the factory default
    const auto painted = [&form] {
        QImage picture(form.RoofShapePicture->size(), QImage::Format_RGB32);
        form.RoofShapePicture->render(&picture);
        return picture;
    };
    const QImage hip = painted();
    QTest::mouseClick(form.RoofShapeRG->item(3), Qt::LeftButton);
    EXPECT_EQ(form.editor().RoofPicture, RoofShapeLines(3));
    EXPECT_NE(painted(), hip);
    // The skillion's high wall stands at the back: a vertical line at x = 10 + 52 x 0.55 = 38.6 from
    // y = 88 - 52 x 0.3 = 72.4 up to 88 - 52 x 1.2 = 25.6.
    const QImage skillion = painted();
    EXPECT_LT(skillion.pixelColor(39, 50).lightness(), 200);
    EXPECT_EQ(form.VolumeLabel->text().left(3), "V  ");
    QTest::mouseClick(form.DarkP, Qt::LeftButton);
    EXPECT_EQ(form.ALabel->text(), "0.85");

    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().ZoneRoofs(b_), before);
}

} // namespace
