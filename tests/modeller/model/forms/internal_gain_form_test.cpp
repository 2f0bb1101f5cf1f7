// The occupancy dialog over the hand-worked house: what a showing prepares, the zone up-down, typed
// values, the bars, the schedule files through the file dialogs, and what closing keeps.
#include "modeller/model/forms/internal_gain_form.h"
#include "modeller/model/forms/zone_panel.h"

#include "forms_fixture.h"

#include <QLabel>
#include <QTest>

namespace {

using namespace pelmora;
using forms_test::HouseTest;

class InternalGainFormTest : public HouseTest {
  protected:
    TInternalGainForm form{*model, services, statusBar};
};

TEST_F(InternalGainFormTest, AShowingPreparesZoneOneFromTheOccupancyFile) {
    model->DisplayZone = 4;
    model->UseDefaultSetpoints = false;
    form.FormShow();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(model->DisplayZone, 1);
    EXPECT_EQ(form.ZoneInfo->ZoneLabel->text(), "Zone 1");
    EXPECT_EQ(form.ZoneInfo->NameLabel->text(), "Lounge");
    EXPECT_EQ(form.ZoneInfo->AreaLabel->text(), "Area 40.0 m²");
    EXPECT_EQ(form.ZoneInfo->ZoneNumUpDown->maximum(), 6);
    EXPECT_EQ(form.ScaleRG->itemIndex(), 3) << "2 kW";
    EXPECT_EQ(form.gains().FullScale, 2000.0);
    // Hand-worked defaults of the living zone: 166 + 0.33 h W sensible, 50 W latent.
    EXPECT_EQ(form.Edit[1]->text(), "166");
    EXPECT_EQ(form.Edit[24]->text(), "174");
    EXPECT_EQ(form.Edit[25]->text(), "50");
    EXPECT_EQ(form.Edit[49]->text(), "18.0");
    EXPECT_EQ(form.Edit[96]->text(), "24.5");
    EXPECT_TRUE(form.DefaultGainsCB->isChecked());
    EXPECT_FALSE(form.DefaultSetpointsCB->isChecked());
    EXPECT_EQ(form.gains().BarTop(1), 210 - 2 * 8) << "166 W is 8 % of 2 kW";

    form.ZoneInfo->ZoneNumUpDown->setValue(2);
    EXPECT_EQ(model->DisplayZone, 2);
    EXPECT_EQ(form.ZoneInfo->NameLabel->text(), "Kitchen");
    EXPECT_EQ(form.Edit[25]->text(), "-115");
}

// The gains and set-points of this dialog are not those the rating simulates (the engine input
// writer takes the standard schedules of the occupancy file): the dialog says so on every page.
TEST_F(InternalGainFormTest, TheDialogSaysItsValuesAreNotSimulated) {
    form.show();
    for (int page = 0; page < form.PageControl1->count(); ++page) {
        form.PageControl1->setCurrentIndex(page);
        QStringList notes;
        for (const QLabel* label : form.findChildren<QLabel*>())
            if (label->isVisible() && label->text().contains("not simulated", Qt::CaseInsensitive))
                notes << label->text();
        ASSERT_EQ(notes.size(), 1) << form.PageControl1->tabText(page).toStdString();
        EXPECT_TRUE(notes[0].contains("standard")) << notes[0].toStdString();
    }
    form.OKSBClick();
}

TEST_F(InternalGainFormTest, TheDailyTotalsShowTheZonesShare) {
    form.FormShow();
    // Summed by hand over the hours: living 4084 + 24 x 50, kitchen 4440 - 24 x 115, bedroom 24 x 38.
    EXPECT_EQ(form.ZoneTotalLabel->text(), "5284");
    EXPECT_EQ(form.BuildingTotalLabel->text(), "7876");
    EXPECT_EQ(form.PercentLabel->text(), "67 %");
    EXPECT_EQ(form.GaugePanel->height(), 40) << "67 % of the gauge's 60 pixels";
    form.ZoneInfo->ZoneNumUpDown->setValue(4);
    EXPECT_EQ(form.ZoneTotalLabel->text(), "0");
    EXPECT_EQ(form.PercentLabel->text(), "0 %");
    EXPECT_EQ(form.GaugePanel->height(), 0);
}

TEST_F(InternalGainFormTest, ABoxThatDoesNotConvertBeepsAndShowsZero) {
    form.FormShow();
    form.Edit[3]->setText("");
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(form.Edit[3]->text(), "0");
    EXPECT_EQ(form.gains().SensibleGains(1, 3), 0);
    EXPECT_EQ(form.gains().BarTop(3), 210) << "an empty bar";
    form.Edit[30]->setText("75"); // latent, hour 6
    EXPECT_EQ(form.gains().LatentGains(1, 6), 75);
    form.Edit[60]->setText("19.5 C");
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_EQ(form.gains().HeatingSetpoints(1, 12), 0.0);
}

TEST_F(InternalGainFormTest, DraggingABarRefillsTheBoxes) {
    form.FormShow();
    form.PaintBox1MouseDown(50, form.gains().BarTop(5));
    EXPECT_EQ(form.PercentEdit->text(), "8");
    form.PaintBox1MouseMove(50, 110);
    form.PaintBox1MouseUp();
    EXPECT_EQ(form.PercentEdit->text(), "50");
    EXPECT_EQ(form.Edit[5]->text(), "1000");
    EXPECT_EQ(form.Edit[1]->text(), "160");
    // The same through the chart's own mouse events.
    const QPoint grip = GainBarChart::paintBoxOrigin() + QPoint(60, form.gains().BarTop(6));
    QTest::mousePress(form.PaintBox1, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip.x(), GainBarChart::paintBoxOrigin().y() + 10), QPointF(),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.PaintBox1, &move);
    QTest::mouseRelease(form.PaintBox1, Qt::LeftButton, {}, grip);
    EXPECT_EQ(form.Edit[6]->text(), "2000");
}

TEST_F(InternalGainFormTest, ShowingAgainDiscardsTheChangesAndAnUnreadableFileKeepsThem) {
    form.FormShow();
    form.Edit[1]->setText("500");
    form.MakeSame2Button->click();
    EXPECT_EQ(form.Edit[72]->text(), "18.0");
    form.FormShow();
    EXPECT_EQ(form.Edit[1]->text(), "166");
    EXPECT_EQ(form.Edit[72]->text(), "21.0");

    form.Edit[1]->setText("500");
    std::filesystem::remove(occupancyFile());
    form.FormShow();
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_TRUE(messages.errors()[0].contains("OCCUP07.DAT")) << messages.errors()[0].toStdString();
    EXPECT_EQ(form.Edit[1]->text(), "500");
    EXPECT_EQ(form.gains().SensibleGains(1, 1), 500);
}

TEST_F(InternalGainFormTest, ScheduleFilesGoThroughTheFileDialogsAndTheStatusBar) {
    form.FormShow();
    const QString igs = QString::fromStdString((root / "schedule/Lounge.IGS").string());
    files.chooseNext(igs);
    form.SBsave1->click();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, "Save Internal Gain Schedule");
    EXPECT_EQ(files.requests[0].fileName, "Schedule1.IGS");
    EXPECT_EQ(files.requests[0].filter, "Internal Gain Schedule   *.IGS|*.IGS");
    EXPECT_EQ(files.requests[0].folder, QString::fromStdString((root / "schedule").string()));
    EXPECT_TRUE(files.requests[0].confirmOverwrite);
    EXPECT_EQ(statusBar.panelText(0), "Saved as " + igs);

    form.ZoneInfo->ZoneNumUpDown->setValue(3);
    files.chooseNext(igs);
    form.SBOpen1->click();
    EXPECT_TRUE(files.requests[1].mustExist);
    EXPECT_EQ(files.requests[1].title, "Open Internal Gain Schedule");
    EXPECT_EQ(form.Edit[1]->text(), "166") << "the bedroom now has the lounge's gains";
    EXPECT_EQ(form.gains().BarTop(1), 210 - 16);
    EXPECT_EQ(statusBar.panelText(0), "Opened Schedule " + igs);

    const QString hcs = QString::fromStdString((root / "schedule/Bed.HCS").string());
    files.chooseNext(hcs);
    form.SBSave2->click();
    EXPECT_EQ(files.requests[2].filter, "Comfort Schedule   *.HCS|*.HCS");
    EXPECT_EQ(files.requests[2].fileName, "Schedule1.HCS");
    form.ZoneInfo->ZoneNumUpDown->setValue(1);
    files.chooseNext(hcs);
    form.SBOpen2->click();
    EXPECT_EQ(form.Edit[49]->text(), "16.0") << "the lounge now has the bedroom's set-points";
    EXPECT_EQ(statusBar.panelText(0), "Opened Schedule " + hcs);

    files.chooseNext(std::nullopt); // cancelled: nothing changes
    form.SBOpen1->click();
    EXPECT_EQ(statusBar.panelText(0), "Opened Schedule " + hcs);
}

TEST_F(InternalGainFormTest, OnlyOKClosesItAndClosingKeepsTheTicks) {
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    form.DefaultGainsCB->setChecked(false);
    form.OKSB->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(model->UseDefaultGains);
    EXPECT_TRUE(model->UseDefaultSetpoints);
}

} // namespace
