// The skylight editor's dialog offscreen: what it shows in each mode, the drawings as painted, and a
// skylight library that cannot be read.
#include "modeller/editors/skylight_form.h"

#include "skylight_fixture.h"
#include "tests/support/dialog_layout.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace pelmora;

class SkylightFormTest : public editor_test::SkylightTest {
  protected:
    // The painted picture of a widget.
    static QImage Painted(QWidget* widget) {
        QImage picture(widget->size(), QImage::Format_RGB32);
        widget->render(&picture);
        return picture;
    }
};

TEST_F(SkylightFormTest, AMissingSkylightLibraryIsReportedAndTheDialogNotShown) {
    std::filesystem::remove(root_ / "Data/WindowData/VORTskylights.txt");
    TSkylightForm form(context(), services_);
    selection().InsertSkylightMode = true;
    EXPECT_FALSE(form.ShowEditor());
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(messages_.errors().size(), 1u);
    EXPECT_TRUE(messages_.errors()[0].contains("VORTskylights.txt")) << messages_.errors()[0].toStdString();
    EXPECT_EQ(model().Zones(zone_).SkylightCount, 0);
    EXPECT_FALSE(form.editor().materialstable.Active());
    EXPECT_FALSE(form.editor().furnishingstable.Active());
}

TEST_F(SkylightFormTest, TheDialogShowsTheZonesSkylightsAndEscapeKeepsTheListsChanges) {
    AddSkylight(1200.0, 1200.0);
    AddSkylight(600.0, 600.0);
    TSkylightForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Skylight 1 for Zone 1");
    EXPECT_FALSE(form.CancelSB->isVisibleTo(&form));
    EXPECT_FALSE(form.ResetButton->isVisibleTo(&form));
    EXPECT_TRUE(form.NumPanel->isVisibleTo(&form));
    EXPECT_TRUE(form.NumberButtons[1]->isVisibleTo(&form));
    EXPECT_FALSE(form.NumberButtons[2]->isVisibleTo(&form));
    EXPECT_TRUE(form.NumberButtons[0]->isDown());
    EXPECT_EQ(form.TotalAreaLabel->text(), "1.80 m²");
    EXPECT_EQ(form.OrientationButtons[2]->text(), "90°");
    EXPECT_TRUE(form.ShaftPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.PageControl1->isVisibleTo(&form));
    EXPECT_EQ(form.LengthSE->value(), 1000);
    EXPECT_EQ(form.RLabel->text(), "1.5");
    EXPECT_EQ(form.AngleEdit->text(), "30");

    // The 1200 mm square is 24 x 24 px of blue in the middle of the silver box.
    QImage bar = Painted(form.PaintBox1);
    EXPECT_EQ(bar.pixelColor(150, 90), QColor(0, 0, 255));
    EXPECT_EQ(bar.pixelColor(138, 78), QColor(0, 0, 0)); // its outline
    EXPECT_EQ(bar.pixelColor(130, 90), QColor(192, 192, 192));
    // The slope line of 30 degrees ends at (87 + 10, 70); the line itself is blue half way along.
    QImage tilt = Painted(form.PaintBoxTilt);
    EXPECT_EQ(tilt.pixelColor(53, 95), QColor(0, 0, 255));

    // Ticking "Clerestory Window" turns the drawing into the wall with its window.
    QTest::mouseClick(form.RoofWindowCB, Qt::LeftButton);
    EXPECT_TRUE(form.PageControl1->isVisibleTo(&form));
    EXPECT_FALSE(form.ShaftPanel->isVisibleTo(&form));
    EXPECT_EQ(form.PageControl1->currentIndex(), 1);
    QImage wall = Painted(form.PaintBox1);
    EXPECT_EQ(wall.pixelColor(125, 170), QColor(255, 255, 0)); // the 3 m x 2 m wall: x 120..179, y 140..179
    EXPECT_EQ(wall.pixelColor(150, 150), QColor(0, 0, 255));   // the window, its head at the top of the wall

    // Moving to skylight 2 saves skylight 1; Escape then drops only what was typed since.
    QTest::mouseClick(form.NumberButtons[1], Qt::LeftButton);
    EXPECT_EQ(form.windowTitle(), "Skylight 2 for Zone 1");
    EXPECT_TRUE(model().ZoneSkylights(zone_, 1).Clerestory);
    form.WEdit->selectAll();
    QTest::keyClicks(form.WEdit, "900");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().ZoneSkylights(zone_, 2).Width, 600.0);
    EXPECT_FALSE(form.editor().materialstable.Active());
}

TEST_F(SkylightFormTest, TheDialogOpensAtItsHeightInEachModeWithEveryControlReadable) {
    constexpr int kTolerance = 4; // px
    for (int k = 0; k < kMaxSkylights; ++k) AddSkylight(2700.0, 2700.0);
    TSkylightForm form(context(), services_);
    form.adjustSize(); // as the main window places it at start-up, with every panel still shown
    ASSERT_TRUE(form.ShowEditor());
    QTest::mouseClick(form.CopyButton, Qt::LeftButton); // the widest row of buttons: Paste shown too
    ASSERT_TRUE(form.PasteButton->isVisibleTo(&form));
    QApplication::processEvents();
    EXPECT_NEAR(form.height(), kSkylightFormHeight, kTolerance);
    EXPECT_EQ(test_support::ControlsCutOff(form), "") << "a roof skylight";
    // A clerestory window shows its window panels in the same height.
    QTest::mouseClick(form.RoofWindowCB, Qt::LeftButton);
    ASSERT_TRUE(form.PageControl1->isVisibleTo(&form));
    QApplication::processEvents();
    EXPECT_NEAR(form.height(), kSkylightFormHeight, kTolerance);
    EXPECT_EQ(test_support::ControlsCutOff(form), "") << "a clerestory window";
    form.reject();

    model().DefaultsMode = true;
    ASSERT_TRUE(form.ShowEditor());
    QApplication::processEvents();
    EXPECT_NEAR(form.height(), kDefaultSkylightFormHeight, kTolerance);
    EXPECT_EQ(test_support::ControlsCutOff(form), "") << "the level's default";
    form.reject();
}

TEST_F(SkylightFormTest, InDefaultsModeCancelIsOfferedAndEnterSavesTheDefault) {
    model().DefaultsMode = true;
    TSkylightForm form(context(), services_);
    ASSERT_TRUE(form.ShowEditor());
    EXPECT_EQ(form.windowTitle(), "Default Skylight");
    EXPECT_TRUE(form.CancelSB->isVisibleTo(&form));
    EXPECT_TRUE(form.ResetButton->isVisibleTo(&form));
    EXPECT_FALSE(form.NumPanel->isVisibleTo(&form));
    EXPECT_FALSE(form.OrientPanel->isVisibleTo(&form));
    form.HEdit->selectAll();
    QTest::keyClicks(form.HEdit, "1500");
    QTest::mouseClick(form.CancelSB, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().LevelDefaults(1).DefSkyHeight, 600.0);

    ASSERT_TRUE(form.ShowEditor());
    form.HEdit->selectAll();
    QTest::keyClicks(form.HEdit, "1500");
    QTest::keyClick(form.HEdit, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(model().LevelDefaults(1).DefSkyHeight, 1500.0);
}

} // namespace
