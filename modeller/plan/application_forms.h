// The program's forms, created once at start-up in their order (the main window first) and kept
// until the program ends, with the services they share.
#pragma once

#include "modeller/plan/main_form.h"
#include "modeller/plan/project_details_form.h"
#include "modeller/plan/scale_forms.h"
#include "modeller/plan/workspace.h"
#include "modeller/platform/services.h"
#include "modeller/results/analysis_form.h"
#include "modeller/results/short_report_form.h"

#include <filesystem>
#include <memory>

namespace pelmora {

struct ApplicationForms {
    // Creates every form in the creation order and wires the main window to its dialogs.
    ApplicationForms(Workspace& workspace, platform::Services& services,
                     const std::filesystem::path& executableFolder);
    ~ApplicationForms();

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TAnalysisForm> AnalysisForm;
    std::unique_ptr<TProjectDetailsForm> ProjectDetailsForm;
    std::unique_ptr<TShortReportForm> ShortReportForm;
    std::unique_ptr<TMagForm> MagForm;
    std::unique_ptr<TSnapForm> SnapForm;
};

} // namespace pelmora
