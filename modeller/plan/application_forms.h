// The program's forms, created once at start-up in their order (the main window first) and kept
// until the program ends, with the services they share.
#pragma once

#include "modeller/model/forms/climate_details_form.h"
#include "modeller/model/forms/climate_summary_form.h"
#include "modeller/model/forms/location_form.h"
#include "modeller/model/forms/location_search_forms.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/project_details_form.h"
#include "modeller/plan/scale_forms.h"
#include "modeller/plan/workspace.h"
#include "modeller/platform/services.h"

#include <filesystem>
#include <memory>

namespace pelmora {

struct ApplicationForms {
    // Creates every form in the creation order and wires the main window to its dialogs.
    ApplicationForms(Workspace& workspace, platform::Services& services,
                     const std::filesystem::path& executableFolder);
    ~ApplicationForms();

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TProjectDetailsForm> ProjectDetailsForm;
    std::unique_ptr<TLocationForm> LocationForm;
    std::unique_ptr<TNameLocationForm> NameLocationForm;
    std::unique_ptr<TPCLocationForm> PCLocationForm;
    std::unique_ptr<TClimateDetailsForm> ClimateDetailsForm;
    std::unique_ptr<TMagForm> MagForm;
    std::unique_ptr<TSnapForm> SnapForm;
    std::unique_ptr<TClimateSummaryForm> ClimateSummaryForm;
};

} // namespace pelmora
