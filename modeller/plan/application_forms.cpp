#include "modeller/plan/application_forms.h"

#include "modeller/model/house_file.h"

namespace pelmora {

ApplicationForms::ApplicationForms(Workspace& workspace, platform::Services& services,
                                   const std::filesystem::path& executableFolder) {
    MainForm = std::make_unique<TMainForm>(workspace, services);
    MainForm->FormCreate(executableFolder);
    MainForm->HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
    MainForm->HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
    ProjectDetailsForm =
        std::make_unique<TProjectDetailsForm>(workspace.model, services, *MainForm, MainForm.get());
    LocationForm = std::make_unique<TLocationForm>(
        workspace.model, services,
        MainSiteLabels{MainForm->LocationLabel, MainForm->PCLabel, MainForm->ClimateLabel}, MainForm.get());
    NameLocationForm = std::make_unique<TNameLocationForm>(workspace.model, *LocationForm, MainForm.get());
    PCLocationForm = std::make_unique<TPCLocationForm>(workspace.model, *LocationForm, MainForm.get());
    ClimateDetailsForm =
        std::make_unique<TClimateDetailsForm>(workspace.model, *LocationForm, MainForm.get());
    MagForm =
        std::make_unique<TMagForm>(workspace.model, workspace.scale, services, *MainForm, MainForm.get());
    SnapForm =
        std::make_unique<TSnapForm>(workspace.model, workspace.scale, services, *MainForm, MainForm.get());
    // The summary opens from the modal climate details dialog and must take input beside it.
    ClimateSummaryForm =
        std::make_unique<TClimateSummaryForm>(workspace.model, *LocationForm, ClimateDetailsForm.get());
    MainForm->Dialogs.ProjectDetailsForm = ProjectDetailsForm.get();
    MainForm->Dialogs.LocationForm = LocationForm.get();
    MainForm->Dialogs.NameLocationForm = NameLocationForm.get();
    MainForm->Dialogs.PCLocationForm = PCLocationForm.get();
    MainForm->Dialogs.MagForm = MagForm.get();
    MainForm->Dialogs.SnapForm = SnapForm.get();
    for (platform::Dialog* dialog :
         {static_cast<platform::Dialog*>(ProjectDetailsForm.get()),
          static_cast<platform::Dialog*>(LocationForm.get()),
          static_cast<platform::Dialog*>(NameLocationForm.get()),
          static_cast<platform::Dialog*>(PCLocationForm.get()),
          static_cast<platform::Dialog*>(ClimateDetailsForm.get()),
          static_cast<platform::Dialog*>(MagForm.get()), static_cast<platform::Dialog*>(SnapForm.get()),
          static_cast<platform::Dialog*>(ClimateSummaryForm.get())})
        MainForm->addDialog(dialog);
}

ApplicationForms::~ApplicationForms() {
    // The dialogs are children of the main window: release them before it goes.
    ClimateSummaryForm.reset();
    SnapForm.reset();
    MagForm.reset();
    ClimateDetailsForm.reset();
    PCLocationForm.reset();
    NameLocationForm.reset();
    LocationForm.reset();
    ProjectDetailsForm.reset();
    MainForm.reset();
}

} // namespace pelmora
