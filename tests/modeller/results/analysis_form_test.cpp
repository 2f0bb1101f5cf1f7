// The analysis dialog's widgets draw its state: bars of the stored monthly energies on a fixed axis
// with month initials and no legend, the zone view's bar, the buttons' clicks, and a printed page.
#include "modeller/results/analysis_form.h"

#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "results_fixture.h"
#include "tests/support/chart_titles.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QRegularExpression>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pelmora;
using namespace results_test;

// A folder with a climate that has star bands, a house model with its rating history and panel, and
// the analysis dialog over them with scripted services.
class AnalysisFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.path() / "Data");
        rateableClimate(tables, 5);
    }

    TempFolder folder;
    HouseModel model;
    RatingTables tables;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
    RecordedMessages recorded;
    RatingPanel panel{model, *history, tables, recorded};
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    std::unique_ptr<platform::PdfPrintService> printing = std::make_unique<platform::PdfPrintService>(
        QString::fromStdString((folder.path() / "a.pdf").string()));
    platform::Services services{messages, files, help, *printing};
    TAnalysisForm form{model, *history, tables, panel, services};
};

class AnalysisFormTest : public AnalysisFixture {
  protected:
    void SetUp() override {
        AnalysisFixture::SetUp();
        // Two runs of a house of two zones, both heated and cooled: Living 60 m2 and Bed 40 m2 with a
        // heating of 100 x m MJ and 50 x m MJ in month m, and a sensible cooling of 30 MJ in each
        // zone in January only.
        makeHouse(model, folder.path(), {{"Living", 60.0, true, true, 0x0000FF}, {"Bed", 40.0, true, true}});
        for (int run = 1; run <= 2; ++run) {
            model.RunNumber = run;
            std::vector<std::string> rows;
            for (int m = 1; m <= kMonths; ++m)
                rows.push_back(energyRow(
                    m, 1, 1,
                    {100.0 * m * run, m == 1 ? 30.0 : 0.0, 0.0, 50.0 * m * run, m == 1 ? 30.0 : 0.0, 0.0}));
            folder.write("ENERGY.TXT", energyFile(rows));
            panel.ProcessSimulation();
        }
    }
    QBarSet* bars(QBarSeries* series) const {
        return series->count() == 0 ? nullptr : series->barSets().front();
    }
    double axisMaximum(QChartView* chart) const {
        return qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical).front())->max();
    }
};

TEST_F(AnalysisFormTest, ChartsShowTheStoredMonthlyEnergiesOfTheHouse) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Analysis");
    for (QChartView* chart : {form.CoolChart, form.HeatChart}) {
        EXPECT_FALSE(chart->chart()->legend()->isVisible());
        test_support::ExpectAxisTitlesWhole(*chart);
        const auto* months = qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).front());
        ASSERT_NE(months, nullptr);
        ASSERT_EQ(months->count(), 12) << "every month keeps its place, initials repeated or not";
        EXPECT_TRUE(months->at(5).startsWith("J"));
    }
    EXPECT_EQ(form.HeatChart->chart()->title(), "Monthly Heating Energy");
    EXPECT_EQ(form.CoolChart->chart()->title(), "Monthly Cooling Energy");
    // The newest run: heating 300 x m MJ over 100 m2; cooling 60 MJ in January.
    QBarSet* heat = bars(form.BarSeries1);
    QBarSet* cool = bars(form.Series1);
    ASSERT_NE(heat, nullptr);
    ASSERT_NE(cool, nullptr);
    ASSERT_EQ(heat->count(), 12);
    for (int m = 1; m <= kMonths; ++m) EXPECT_NEAR(heat->at(m - 1), 3.0 * m, 1e-9) << m;
    EXPECT_NEAR(cool->at(0), 0.6, 1e-9);
    EXPECT_NEAR(cool->at(6), 0.0, 1e-9);
    // December's 36 MJ/m2 is the largest: the axis ends at 40.
    EXPECT_DOUBLE_EQ(axisMaximum(form.HeatChart), 40.0);
    EXPECT_DOUBLE_EQ(axisMaximum(form.CoolChart), 40.0);
    EXPECT_EQ(form.FileLabel->text(), "House_2");
    EXPECT_EQ(form.ClimNameLabel->text(), "climat05.TXT");
    EXPECT_FALSE(form.ZonePanel->isVisibleTo(&form));
    EXPECT_FALSE(form.AnalysisSB->isEnabled()) << "no temperature display to open";
}

TEST_F(AnalysisFormTest, ButtonsSwitchToTheZonesAndStepBack) {
    form.show();
    QTest::mouseClick(form.ZonesSB, Qt::LeftButton);
    EXPECT_TRUE(form.ZonePanel->isVisibleTo(&form));
    EXPECT_TRUE(form.ZonesSB->isDown() && !form.HouseSB->isDown());
    EXPECT_EQ(form.ZoneNameLb->text(), "Living");
    // The newest run: Living 200 x 78 + 30 = 15630 MJ of the house's 23460 MJ, the largest zone.
    EXPECT_EQ(form.PercentLabel->text(), "67 %");
    EXPECT_EQ(form.EPanel->height(), kZoneColourPanelHeight);
    EXPECT_EQ(form.EPanel->y() + form.EPanel->height(), kZoneColourPanelHeight)
        << "standing on the bottom edge";
    form.ZoneNumUpDown->setValue(2);
    EXPECT_EQ(form.ZoneNameLb->text(), "Bed");
    // Bed: 100 x 78 + 30 = 7830 MJ; on the colour panel 120 x 7830 / 15630 = 60.1 px.
    EXPECT_EQ(form.EPanel->height(), 60);
    EXPECT_NEAR(bars(form.BarSeries1)->at(11), 50.0 * 12 * 2 / 40.0, 1e-9);

    QTest::mouseClick(form.BackSB, Qt::LeftButton);
    EXPECT_EQ(form.FileLabel->text(), "House_1");
    EXPECT_EQ(form.BackSB->text(), "2");
    EXPECT_TRUE(form.HouseSB->isDown());
    EXPECT_FALSE(form.ZonePanel->isVisibleTo(&form));
    EXPECT_EQ(panel.state().FileLabel, "House_1") << "the star panel steps with the dialog";
    EXPECT_NEAR(bars(form.BarSeries1)->at(11), 18.0, 1e-9) << "House_1's December: 1800 MJ over 100 m2";
    EXPECT_DOUBLE_EQ(axisMaximum(form.HeatChart), 40.0) << "one scale over both runs";
}

TEST_F(AnalysisFormTest, DeleteClosesTheDialogAndPrintingGivesAPageWithTheCharts) {
    form.show();
    form.SpeedButton22Click();
    EXPECT_EQ(printing->pagesPrinted, 1);
    const std::string text = pdfText(folder.path() / "a.pdf");
    for (const char* expected :
         {"Monthly Heating Energy", "Monthly Cooling Energy", "House_2", "climat05.TXT"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;

    panel.ShowDelRecSB();
    QTest::mouseClick(form.DelRecSB, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(history->SimulationRecordCount, 0);
    EXPECT_EQ(form.BarSeries1->count(), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data" / "PASTRATE.TXT"));
}

// A cold climate's house: a small heated study whose monthly heating reaches 700 MJ/m2, and zones
// whose names, energies and ratings differ greatly.
class ColdClimateAnalysisTest : public AnalysisFixture {
  protected:
    void SetUp() override {
        AnalysisFixture::SetUp();
        makeHouse(model, folder.path(),
                  {{"Study", 8.0, true, true, 0x0000FF},
                   {"Main Bedroom with Ensuite and Walk-in Robe", 42.0, true, true},
                   {"WC", 2.0, true, true}});
        std::vector<std::string> rows;
        for (int m = 1; m <= kMonths; ++m) {
            const double winter = m >= 5 && m <= 9 ? 1.0 : 0.3;
            rows.push_back(
                energyRow(m, 1, 1, {5600.0 * winter, 10.0, 0.0, 12000.0 * winter, 0.0, 0.0, 3.0, 0.0, 0.0}));
        }
        folder.write("ENERGY.TXT", energyFile(rows));
        panel.ProcessSimulation();
    }
};

TEST_F(ColdClimateAnalysisTest, TheZoneUpDownStaysUnderThePointerWhileStepping) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.ZonesSB, Qt::LeftButton);
    QApplication::processEvents();
    const QPoint upDown = form.ZoneNumUpDown->mapTo(&form, QPoint(0, 0));
    const QPoint chart = form.CoolChart->mapTo(&form, QPoint(0, 0));
    for (int zone : {2, 3, 2, 1}) {
        form.ZoneNumUpDown->setValue(zone);
        QApplication::processEvents();
        EXPECT_EQ(form.ZoneNumUpDown->mapTo(&form, QPoint(0, 0)), upDown) << "zone " << zone;
        EXPECT_EQ(form.CoolChart->mapTo(&form, QPoint(0, 0)), chart) << "zone " << zone;
        EXPECT_LE(form.ZoneNameLb->geometry().right(), form.ZonePanel->contentsRect().right())
            << "zone " << zone;
    }
    form.ZoneNumUpDown->setValue(2);
    EXPECT_EQ(form.ZoneNameLb->text(), "Main Bedroom with Ensuite and Walk-in Robe");
    QTest::mouseClick(form.HouseSB, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(form.CoolChart->mapTo(&form, QPoint(0, 0)), chart) << "the house view";
}

// Months of several hundred MJ/m2: every figure of the value axis is drawn whole, in the house view at
// first show and in the zone view, never cut to an ellipsis.
TEST_F(ColdClimateAnalysisTest, TheValueAxisShowsItsFiguresWhole) {
    const auto expectFiguresWhole = [](QChartView* view, const char* where) {
        QStringList figures;
        for (QGraphicsItem* item : view->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                figures << text->toPlainText();
        const QStringList numbers = figures.filter(QRegularExpression("^[0-9]+$"));
        EXPECT_GE(numbers.size(), 3) << where << ": " << figures.join(" | ").toStdString();
        for (const QString& figure : figures)
            EXPECT_FALSE(figure.contains("...") || figure.contains(QChar(0x2026)))
                << where << ": " << figure.toStdString();
    };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    expectFiguresWhole(form.HeatChart, "house heating");
    expectFiguresWhole(form.CoolChart, "house cooling");
    QTest::mouseClick(form.ZonesSB, Qt::LeftButton);
    QApplication::processEvents();
    expectFiguresWhole(form.HeatChart, "zone heating");
}

} // namespace
