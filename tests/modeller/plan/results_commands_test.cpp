// The main window's result buttons: Analyse opens the analysis dialog of the kept ratings or beeps
// when there is none; the report button opens the short report only for a rated house whose results
// are current, and otherwise says why not; the detailed report opens beside the plan on all zones.
#include "modeller/plan/main_form.h"
#include "modeller/results/analysis_form.h"
#include "modeller/results/info_form.h"
#include "modeller/results/short_report_form.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_panel_widget.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

class ResultsCommandsTest : public MainWindowTest {
  protected:
    // Runs `click`; when `dialog` opens meanwhile, reads `label` of it and closes it.
    QString openedWith(platform::Dialog* dialog, const char* label, const std::function<void()>& click) {
        QString seen;
        QTimer::singleShot(0, dialog, [&] {
            if (!dialog->isVisible()) return;
            seen = dialog->findChild<QLabel*>(label)->text();
            dialog->accept();
        });
        click();
        QApplication::processEvents(); // a timer not used by a dialog goes here
        return seen;
    }
};

TEST_F(ResultsCommandsTest, AnalyseBeepsWithoutRatingsAndOpensTheDialogWithThem) {
    main().FormShow();
    EXPECT_TRUE(
        openedWith(forms->AnalysisForm.get(), "FileLabel", [this] { main().AnalysisSBClick(); }).isEmpty());
    EXPECT_EQ(scripted.messages.beeps, 1);

    folder.addRatingHistory();
    main().ratingPanel().ReadRatingHistory();
    const QString shown = openedWith(forms->AnalysisForm.get(), "AdjustStarLabel",
                                     [this] { main().StarPanel->AnalysisSB->click(); });
    // House_3: 1890 MJ x 0.80 / 80 m2 = 18.9 MJ/m2, within the 19th band of climate 5 (20): 9.5 stars.
    EXPECT_EQ(shown, "9.5");
    EXPECT_EQ(scripted.messages.beeps, 1);

    forms->AnalysisForm->HelpButtonClick();
    forms->ShortReportForm->HelpButtonClick();
    EXPECT_EQ(scripted.help.shownTopics, (std::vector<int>{150, 90}));
}

TEST_F(ResultsCommandsTest, ReportOpensOnlyForARatedHouseWithCurrentResults) {
    startWithNewHouse();
    main().ReportButtonClick();
    EXPECT_EQ(scripted.messages.informations(),
              std::vector<QString>{
                  "You must resimulate after visiting a screen where it is possible to make changes."})
        << "a house never simulated is not called free running";

    folder.addRatingHistory();
    main().ratingPanel().ReadRatingHistory();
    EXPECT_TRUE(main().ReportButton->isEnabled());
    EXPECT_EQ(main().ReportButton->toolTip(), "VORT Report");
    const struct {
        double area; // m2, of the newest record
        bool current;
        const char* message; // nullptr: the report opens
    } cases[] = {
        {80.0, true, nullptr},
        {80.0, false, "You must resimulate after visiting a screen where it is possible to make changes."},
        {0.0, true, "It is not possible to rate free running houses."},
        {0.0, false, "It is not possible to rate free running houses."},
    };
    for (const auto& c : cases) {
        scripted.messages.clear();
        main().history().SimulationRecords(1).Area = c.area;
        model().ResultsCurrent = c.current;
        const QString total =
            openedWith(forms->ShortReportForm.get(), "TotalLabel", [this] { main().ReportButtonClick(); });
        if (c.message) {
            EXPECT_TRUE(total.isEmpty()) << c.message;
            ASSERT_EQ(scripted.messages.informations().size(), 1u);
            EXPECT_EQ(scripted.messages.informations()[0], c.message);
        } else {
            EXPECT_EQ(total, "23.6") << "1890 MJ over 80 m2";
            EXPECT_TRUE(scripted.messages.shown.empty());
        }
        EXPECT_EQ(model().ResultsCurrent, c.current) << "the report changes nothing";
    }
}

TEST_F(ResultsCommandsTest, DetailedReportOpensBesideThePlanOnAllZones) {
    startWithNewHouse();
    // The report reads every material table: the shipped database in place of the fixture's.
    std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / "Data" / "tables.db",
                               folder.path() / "Data" / "tables.db",
                               std::filesystem::copy_options::overwrite_existing);
    workspace->selection.CurrentZone = 3; // left by the plan
    ASSERT_TRUE(main().SBZoneInfo->isEnabled());
    EXPECT_EQ(main().SBZoneInfo->toolTip(), "Detailed Report");
    main().SBZoneInfo->click();
    TInfoForm& report = *forms->InfoForm;
    EXPECT_TRUE(report.isVisible());
    EXPECT_FALSE(report.isModal());
    EXPECT_EQ(workspace->selection.CurrentZone, 0);
    EXPECT_TRUE(workspace->selection.DetailedReportOpen);
    EXPECT_EQ(report.ZoneNameLb->text(), "All Zones");
    EXPECT_TRUE(report.RichEdit1->toPlainText().startsWith("Project   "));
    EXPECT_TRUE(scripted.messages.errors().empty());
    report.HelpButtonClick();
    EXPECT_EQ(scripted.help.shownTopics, (std::vector<int>{110}));
    report.OKSBClick();
    EXPECT_FALSE(workspace->selection.DetailedReportOpen);
}

} // namespace
