// The hourly temperature dialogs at start-up: the analysis dialog's temperature button opens the
// profile display, whose distribution button opens the table, whose buttons show the histograms;
// each with its help topic.
#include "modeller/plan/application_forms.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

class TemperatureCommandsTest : public MainWindowTest {};

TEST_F(TemperatureCommandsTest, AnalysisOpensTheDisplayTheTableAndItsHistograms) {
    std::ofstream extremes(folder.path() / "Data/Climate/extremes.ext");
    extremes << "Climate 1\r\nCWW  7 10\r\nWWW  8  2\r\nCSW 12  1\r\nHSW  1 20\r\nSMD  3  5\r\nCMD  3 17\r\n";
    extremes.close();
    main().FormShow();

    TTempDisplayForm& display = *forms->TempDisplayForm;
    TBinDataForm& table = *forms->BinDataForm;
    ASSERT_TRUE(forms->AnalysisForm->AnalysisSB->isEnabled());
    bool displayShown = false, tableShown = false, histogramsShown = false;
    QTimer::singleShot(0, &display, [&] {
        displayShown = display.isVisible();
        QTimer::singleShot(0, &table, [&] {
            tableShown = table.isVisible();
            table.AnalysisSB->click();
            table.SpeedButton1->click();
            histogramsShown = forms->HistForm->isVisible() && forms->HistForm2->isVisible();
            table.CancelSB->click();
        });
        display.SpeedButton1->click();
        display.CancelSB->click();
    });
    forms->AnalysisForm->AnalysisSB->click();
    QApplication::processEvents();
    EXPECT_TRUE(displayShown);
    EXPECT_TRUE(tableShown);
    EXPECT_TRUE(histogramsShown);
    EXPECT_FALSE(forms->HistForm->isVisible()) << "the table closes its histograms";
    EXPECT_TRUE(scripted.messages.shown.empty()) << "the typical periods were read";

    display.HelpButtonClick();
    table.HelpButtonClick();
    forms->HistForm2->HelpButtonClick();
    EXPECT_EQ(scripted.help.shownTopics, (std::vector<int>{680, 690, 700}));
}

} // namespace
