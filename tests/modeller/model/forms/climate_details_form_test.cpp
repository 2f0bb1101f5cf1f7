// The climate details dialog: its charts of the chosen climate file, the summary table it writes and
// shows, and the files that are missing or damaged.
#include "site_forms_fixture.h"

#include "site_fixture.h"
#include "tests/support/chart_titles.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QStackedBarSeries>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <fstream>

namespace site_test {
namespace {

using namespace pelmora;

// Two January days: 10.0 °C but -12.3 °C at hour 3, 8.0 g/kg, diffuse 100 W/m² for 12 hours.
void writeClimateFile(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    for (int day = 1; day <= 2; ++day)
        for (int h = 0; h < 24; ++h)
            out << climateLine(1, day, h, h == 3 ? -123 : 100, 80, h >= 6 && h <= 17 ? 100 : 0, 0) << "\r\n";
}

class ClimateDetailsTest : public SiteFormsTest {
  protected:
    ClimateDetailsTest() {
        siteAt("PERTH", 6000, 62, 115.86, -31.95);
        writeClimateFile(folder.path() / "Data/Climate/climat62.TXT");
    }
    TClimateDetailsForm& details() { return *ClimateDetailsForm; }
};

TEST_F(ClimateDetailsTest, ChartsTheFileAndShowsAndPrintsItsSummaryTable) {
    details().show();
    ASSERT_TRUE(details().hasStatistics());
    EXPECT_EQ(details().windowTitle(), "climat62.TXT");
    EXPECT_EQ(details().statistics().Days(1), 2.0);
    const auto series = details().TemperatureChart->chart()->series();
    ASSERT_EQ(series.size(), 1);
    const auto* stacked = qobject_cast<QStackedBarSeries*>(series[0]);
    ASSERT_NE(stacked, nullptr);
    EXPECT_NEAR(stacked->barSets()[0]->at(0), -12.3, 1e-9) << "January's minimum, below zero";
    EXPECT_NEAR(stacked->barSets()[1]->at(0), 10.0, 1e-9) << "from 0 up to the maximum";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&details()));
    for (const QChartView* chart :
         {details().TemperatureChart, details().HumidityChart, details().RadiationChart})
        test_support::ExpectAxisTitlesWhole(*chart);

    details().SBZoneInfoClick();
    ASSERT_TRUE(ClimateSummaryForm->isVisible());
    EXPECT_EQ(ClimateSummaryForm->windowTitle(), "Climate Summary for climat62.TXT");
    const QString table = ClimateSummaryForm->RichEdit1->toPlainText();
    EXPECT_TRUE(table.contains("JAN     2    10.0    -12.3    22.3     9.1    20.4     4.3     8.0"))
        << table.toStdString();
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "OUTPUT/climat62.CLM"));

    ClimateSummaryForm->SpeedButton22Click();
    EXPECT_EQ(printing->pagesPrinted, 1);
    EXPECT_GT(std::filesystem::file_size(folder.path() / "print.pdf"), 0u);

    details().OKSBClick();
    EXPECT_FALSE(ClimateSummaryForm->isVisible());
    EXPECT_FALSE(details().isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

// The chart titles as they are drawn, line by line.
TEST_F(ClimateDetailsTest, ChartTitlesStandOnTheirLines) {
    details().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&details()));
    const auto drawnTitle = [](const QChartView& view) {
        QStringList lines;
        for (const QGraphicsItem* item : view.scene()->items()) {
            const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            if (!text || !text->isVisible() || !text->toPlainText().contains("Mean Monthly")) continue;
            for (const QString& line : text->toPlainText().split('\n')) lines << line.trimmed();
        }
        return lines;
    };
    EXPECT_EQ(drawnTitle(*details().TemperatureChart),
              (QStringList{"Mean Monthly", "Max and Min Temperature"}));
    EXPECT_EQ(drawnTitle(*details().HumidityChart), QStringList{"Mean Monthly Humidity"});
    EXPECT_EQ(drawnTitle(*details().RadiationChart), QStringList{"Mean Monthly Solar Radiation"});
}

// The figures of the temperature chart's value axis as they are drawn.
std::vector<std::string> drawnValueLabels(const QChartView& view) {
    std::vector<int> figures;
    for (const QGraphicsItem* item : view.scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (!text || !text->isVisible()) continue;
        bool number = false;
        const int figure = text->toPlainText().toInt(&number);
        if (number) figures.push_back(figure);
    }
    std::sort(figures.begin(), figures.end());
    std::vector<std::string> labels;
    for (int figure : figures) labels.push_back(std::to_string(figure));
    return labels;
}

// The dialog is opened from the location dialog and shown modally; a climate with minima below 0
// after one without them draws one value axis, from below the coldest minimum to 40, and the mild
// climate after it one axis from 0 again.
TEST_F(ClimateDetailsTest, AColdClimateAfterAMildOneHasOneValueAxisBelowZero) {
    const auto write = [this](const char* name, int coldestTenths) {
        std::ofstream out(folder.path() / "Data/Climate" / name, std::ios::binary);
        for (int day = 1; day <= 2; ++day)
            for (int h = 0; h < 24; ++h)
                out << climateLine(1, day, h, h == 3 ? coldestTenths : 250, 80, 0, 0) << "\r\n";
    };
    write("climat20.TXT", 150);
    write("climat39.TXT", -34);
    // The figures drawn up the axis while the dialog is open, once they are those expected or
    // after two seconds: the chart lays its axis out after it is shown.
    const auto shownLabels = [this](int zone, const std::vector<std::string>& expected) {
        SetClimateZone(model(), zone);
        std::vector<std::string> labels;
        QTimer::singleShot(0, &details(), [&] {
            QTest::qWaitFor([&] { return drawnValueLabels(*details().TemperatureChart) == expected; }, 2000);
            labels = drawnValueLabels(*details().TemperatureChart);
            details().OKSBClick();
        });
        details().exec();
        return labels;
    };
    const std::vector<std::string> mild{"0", "5", "10", "15", "20", "25", "30", "35", "40"};
    const std::vector<std::string> cold{"-5", "0", "5", "10", "15", "20", "25", "30", "35", "40"};
    EXPECT_EQ(shownLabels(20, mild), mild);
    EXPECT_EQ(shownLabels(39, cold), cold) << "minimum -3.4 °C";
    const auto axes = details().TemperatureChart->chart()->axes(Qt::Vertical);
    ASSERT_EQ(axes.size(), 1);
    EXPECT_EQ(qobject_cast<QValueAxis*>(axes[0])->min(), -5.0);
    EXPECT_EQ(shownLabels(20, mild), mild);
}

TEST_F(ClimateDetailsTest, AMissingFileIsNamedAndNoOtherClimateIsShownUnderItsName) {
    details().show();
    ASSERT_TRUE(details().hasStatistics());
    details().OKSBClick();

    SetClimateZone(model(), 5);
    location().show();
    details().show();
    EXPECT_FALSE(details().hasStatistics());
    EXPECT_EQ(details().statistics().Days(1), 0.0) << "the statistics of climat62 are gone";
    EXPECT_FALSE(details().SBZoneInfo->isEnabled());
    const std::string named = location().LocationLabel->text().toStdString();
    EXPECT_NE(named.find("climat05.TXT"), std::string::npos) << named;
    EXPECT_TRUE(messages.shown.empty()) << "no error box";
}

TEST_F(ClimateDetailsTest, ADamagedFileIsReportedInTheErrorBox) {
    std::ofstream(folder.path() / "Data/Climate/climat62.TXT", std::ios::binary | std::ios::app)
        << climateLine(13, 1, 0, 100, 80, 0, 0) << "\r\n";
    details().show();
    EXPECT_FALSE(details().hasStatistics());
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_TRUE(messages.errors()[0].contains("climat62.TXT")) << messages.errors()[0].toStdString();
    EXPECT_TRUE(messages.errors()[0].contains("month 13")) << messages.errors()[0].toStdString();
}

TEST_F(ClimateDetailsTest, ASummaryThatCannotBeWrittenIsReported) {
    std::filesystem::remove_all(folder.path() / "OUTPUT");
    details().show();
    details().SBZoneInfo->click();
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_TRUE(messages.errors()[0].contains("climat62.CLM")) << messages.errors()[0].toStdString();
    EXPECT_FALSE(ClimateSummaryForm->isVisible());
}

} // namespace
} // namespace site_test
