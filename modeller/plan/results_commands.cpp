// The main window's result buttons: the analysis dialog of the kept ratings, the short report of
// the newest one and the building details report.
#include "modeller/plan/main_form.h"
#include "modeller/platform/message_service.h"
#include "modeller/results/analysis_form.h"
#include "modeller/results/info_form.h"
#include "modeller/results/short_report_form.h"
#include "modeller/results/simulation_records.h"

namespace pelmora {

namespace results_command_text {
inline constexpr const char* kFreeRunning = "It is not possible to rate free running houses.";
inline constexpr const char* kResimulate =
    "You must resimulate after visiting a screen where it is possible to make changes.";
} // namespace results_command_text

void TMainForm::AnalysisSBClick() {
    if (history_->SimulationRecordCount <= 0) {
        services_.messages.beep();
        return;
    }
    if (Dialogs.AnalysisForm) Dialogs.AnalysisForm->exec();
}

void TMainForm::SBZoneInfoClick() {
    // The report starts on all zones and stays open beside the plan.
    if (Dialogs.InfoForm) Dialogs.InfoForm->ShowStartingOn(0);
}

void TMainForm::ReportButtonClick() {
    // The report is of record 1, which belongs to the house as it stands only while the results
    // are current.  Before the first run there is no record to judge the house by: it has to be
    // simulated, whatever an empty record would say of its floor area.
    if (history_->SimulationRecordCount <= 0 && !model_.ResultsCurrent) {
        services_.messages.information(results_command_text::kResimulate);
        return;
    }
    if (!(history_->SimulationRecords(1).Area > 0.0)) {
        services_.messages.information(results_command_text::kFreeRunning);
        return;
    }
    if (!model_.ResultsCurrent) {
        services_.messages.information(results_command_text::kResimulate);
        return;
    }
    if (Dialogs.ShortReportForm) Dialogs.ShortReportForm->exec();
}

} // namespace pelmora
