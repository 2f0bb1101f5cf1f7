// The temperature dialogs' widgets: the profile display draws its curves and period from clicks and
// typing, the distribution table shows its lines, and a histogram window draws the row it lists.
#include "modeller/results/bin_data_form.h"
#include "modeller/results/temp_display_form.h"

#include "modeller/model/house_model.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/help_service.h"
#include "modeller/platform/message_service.h"
#include "modeller/platform/print_service.h"
#include "temperature_fixture.h"
#include "tests/support/chart_titles.h"
#include "tests/support/temporary_folder.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using namespace pelmora;
using namespace temperature_test;

class TempDisplayFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model.RootDir = folder.path().string();
        writeLines(folder / "Data/Climate/extremes.ext", extremesLines(5));
        file = writeLines(folder / "temperature/house1.TEM",
                          temLines("climat05.TXT", {"Living", "Bed"},
                                   yearOfHours(false, 2, [](int row) { return 15.0 + row % 10; })));
    }

    test_support::TemporaryFolder folder{"tdform"};
    std::filesystem::path file;
    HouseModel model;
    platform::ScriptedMessageService messages;
    platform::ScriptedFileDialogService files;
    platform::ScriptedHelpService help;
    std::unique_ptr<platform::PdfPrintService> printing =
        std::make_unique<platform::PdfPrintService>(QString::fromStdString((folder / "p.pdf").string()));
    platform::Services services{messages, files, help, *printing};
    TTempDisplayForm form{model, services};
    TBinDataForm bins{model, form.display(), services};
    THistForm hist{bins.bins(), services};
};

TEST_F(TempDisplayFormTest, APickedSeriesIsDrawnOverThePeriodTyped) {
    form.show();
    EXPECT_EQ(form.windowTitle(), "Display Temperature Profiles");
    EXPECT_FALSE(form.Panel8->isVisibleTo(&form));
    EXPECT_FALSE(form.ProjectPanels[1]->isVisibleTo(&form));
    files.chooseNext(QString::fromStdString(file.string()));
    form.SBOpen[0]->click();
    ASSERT_EQ(form.ListBoxes[0]->count(), 3);
    EXPECT_EQ(form.ListBoxes[0]->item(2)->text(), "Bed");
    EXPECT_TRUE(form.ProjectPanels[1]->isVisibleTo(&form));
    EXPECT_EQ(form.Label5->text(), "Climate file climat05.TXT");

    form.ListBoxes[0]->setCurrentRow(1);
    emit form.ListBoxes[0]->itemClicked(form.ListBoxes[0]->item(1));
    EXPECT_TRUE(form.LabelZ[0]->isVisibleTo(&form));
    EXPECT_EQ(form.LabelZ[0]->text(), "P1  Living");
    ASSERT_EQ(form.Series[0]->count(), 8760);
    EXPECT_DOUBLE_EQ(form.Series[0]->at(3).y(), 18.0);
    EXPECT_EQ(form.Series[0]->color(), QColor(Qt::blue));
    form.CheckBoxes[0]->click();
    EXPECT_EQ(form.Series[0]->count(), 0) << "an unticked curve is not drawn";
    form.CheckBoxes[0]->click();
    EXPECT_EQ(form.Series[0]->count(), 8760);

    form.DayEB->setText("30");
    EXPECT_EQ(form.StartDayLabel->text(), "30 JAN");
    EXPECT_EQ(form.EndDayLabel->text(), " 5 FEB");
    EXPECT_DOUBLE_EQ(form.BottomAxis->min(), 29.0);
    EXPECT_DOUBLE_EQ(form.BottomAxis->max(), 36.0);
    form.MonthEB->setText("4");
    form.DayEB->setText("31");
    EXPECT_EQ(form.DayEB->text(), " 30");
    form.UpGraphSB->click();
    EXPECT_DOUBLE_EQ(form.LeftAxis->max(), 40.0);
    form.ComboBox1->setCurrentIndex(4);
    emit form.ComboBox1->activated(4);
    EXPECT_EQ(form.StartDayLabel->text(), " 5 JUN");
    EXPECT_EQ(form.DurationEB->text(), "  1");
    EXPECT_EQ(form.ComboBox1->currentIndex(), -1) << "the list shows its prompt again";

    form.PrintGraphSB->click();
    EXPECT_EQ(printing->pagesPrinted, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TempDisplayFormTest, TheChartsShowTheirWholeAxisTitlesAtTheDialogsSize) {
    form.show();
    hist.show();
    for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&hist)})
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    for (const QChartView* chart : {static_cast<QChartView*>(form.Chart1), hist.Chart1})
        test_support::ExpectAxisTitlesWhole(*chart);
}

// The two histograms exist to compare two series one above the other: on a screen of 1600 x 1200, and
// on a smaller one, the upper window stands above the lower one, both whole on the screen and neither
// covering the other.
TEST_F(TempDisplayFormTest, TheTwoHistogramsStandOneAboveTheOther) {
    THistForm2 lower{bins.bins(), services};
    hist.show();
    lower.show();
    for (const QRect screen :
         {QRect(0, 0, 1600, 1200), QRect(0, 0, 1280, 1024), QRect(1600, 30, 1920, 1050)}) {
        hist.PlaceOnScreen(screen);
        lower.PlaceOnScreen(screen);
        const QRect upperFrame = hist.frameGeometry();
        const QRect lowerFrame = lower.frameGeometry();
        const auto where = [&] {
            const auto text = [](QRect r) {
                return QString("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
            };
            return (text(upperFrame) + " over " + text(lowerFrame) + " on " + text(screen)).toStdString();
        };
        EXPECT_TRUE(screen.contains(upperFrame)) << where();
        EXPECT_TRUE(screen.contains(lowerFrame)) << where();
        EXPECT_LT(upperFrame.bottom(), lowerFrame.top()) << where();
        EXPECT_FALSE(upperFrame.intersects(lowerFrame)) << where();
        EXPECT_GE(hist.height(), hist.minimumSizeHint().height()) << where();
        EXPECT_GE(lower.height(), lower.minimumSizeHint().height()) << where();
    }
}

TEST_F(TempDisplayFormTest, TheTableAndAHistogramOfAFile) {
    bins.HistForm = &hist;
    bins.show();
    EXPECT_EQ(bins.windowTitle(), "Temperature Distribution");
    files.chooseNext(QString::fromStdString(file.string()));
    bins.SBOpenP1->click();
    const QStringList lines = bins.RichEdit1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], kBinTableTitle);
    EXPECT_TRUE(lines[6].startsWith(" Living          ")) << lines[6].toStdString();
    EXPECT_EQ(bins.LabelF1->text(), "house1.TEM");

    bins.AnalysisSB->click();
    ASSERT_TRUE(hist.isVisible());
    EXPECT_EQ(hist.ComboBox1->count(), 3);
    EXPECT_EQ(hist.windowTitle(), "Histogram of Temperature Distribution for the Outdoor");
    ASSERT_EQ(hist.Series1->count(), 1);
    const QBarSet* bars = hist.Series1->barSets().front();
    ASSERT_EQ(bars->count(), 29);
    // 15..24 °C in equal shares: 876 hours in each of the bins 15 to 24.
    EXPECT_DOUBLE_EQ(bars->at(6), 876.0);
    EXPECT_DOUBLE_EQ(bars->at(15), 876.0);
    EXPECT_DOUBLE_EQ(bars->at(16), 0.0);
    hist.ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(hist.windowTitle(), "Histogram of Temperature Distribution for the Bed");

    bins.PrintGraphSB->click();
    EXPECT_EQ(printing->pagesPrinted, 1);
    bins.CancelSB->click();
    EXPECT_FALSE(hist.isVisible()) << "closing the table closes its histograms";
}

// A bar of more hours than the axis holds is drawn to the top of the axis with a mark on it that
// gives its hours; a taller axis that holds it draws it whole, without the mark.
TEST_F(TempDisplayFormTest, ABarTallerThanTheAxisIsMarkedWithItsHours) {
    // 3036 hours at 20.5 °C, the other 5724 spread over 10..19 °C (572 or 573 hours a bin).
    const auto tall = writeLines(folder / "temperature/tall.TEM",
                                 temLines("climat05.TXT", {"Living"}, yearOfHours(false, 1, [](int row) {
                                              return row < 3036 ? 20.5 : 10.5 + row % 10;
                                          })));
    bins.HistForm = &hist;
    bins.show();
    files.chooseNext(QString::fromStdString(tall.string()));
    bins.SBOpenP1->click();
    bins.AnalysisSB->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hist));
    const QBarSet* bars = hist.Series1->barSets().front();
    ASSERT_DOUBLE_EQ(bars->at(11), 3036.0) << "bin \"20\"";
    QChart* chart = hist.Chart1->chart();
    // The texts drawn over the plot that are not the axes' own labels, with where they stand.
    const auto marks = [&] {
        std::vector<std::pair<QString, QRectF>> found;
        for (QGraphicsItem* item : hist.Chart1->scene()->items()) {
            const auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
            if (text && text->isVisible()) found.emplace_back(text->text(), text->sceneBoundingRect());
        }
        return found;
    };
    const auto shown = marks();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "3036");
    const QRectF plot = chart->mapRectToScene(chart->plotArea());
    const double barX = chart->mapToScene(chart->mapToPosition(QPointF(11, 0), hist.Series1)).x();
    const double category = plot.width() / 29.0;
    EXPECT_LT(std::abs(shown[0].second.center().x() - barX), 1.0) << "centred on its bar";
    EXPECT_LT(shown[0].second.width(), category) << "no wider than its bar's place";
    EXPECT_TRUE(plot.contains(shown[0].second)) << "on the plot, at the top of the bar";
    EXPECT_LT(shown[0].second.top(), plot.top() + plot.height() / 10);

    for (int click = 0; click < 4; ++click) hist.DownGraphSB->click(); // 2000 .. 3500 hours
    EXPECT_TRUE(marks().empty()) << "the axis holds every bar";
    hist.UpGraphSB->click();
    ASSERT_EQ(marks().size(), 1u) << "3000 hours";
    EXPECT_EQ(marks()[0].first, "3036");
}

} // namespace
