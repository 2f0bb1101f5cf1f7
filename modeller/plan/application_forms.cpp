#include "modeller/plan/application_forms.h"

#include "modeller/model/house_file.h"

namespace pelmora {

ApplicationForms::ApplicationForms(Workspace& workspace, platform::Services& services,
                                   const std::filesystem::path& executableFolder) {
    MainForm = std::make_unique<TMainForm>(workspace, services);
    MainForm->FormCreate(executableFolder);
    MainForm->HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
    MainForm->HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
    AnalysisForm =
        std::make_unique<TAnalysisForm>(workspace.model, MainForm->history(), MainForm->ratingTables(),
                                        MainForm->ratingPanel(), services, MainForm.get());
    ProjectDetailsForm =
        std::make_unique<TProjectDetailsForm>(workspace.model, services, *MainForm, MainForm.get());
    ShortReportForm = std::make_unique<TShortReportForm>(workspace.model, MainForm->history(),
                                                         MainForm->ratingTables(), services, MainForm.get());
    MagForm =
        std::make_unique<TMagForm>(workspace.model, workspace.scale, services, *MainForm, MainForm.get());
    SnapForm =
        std::make_unique<TSnapForm>(workspace.model, workspace.scale, services, *MainForm, MainForm.get());
    MainForm->Dialogs.AnalysisForm = AnalysisForm.get();
    MainForm->Dialogs.ProjectDetailsForm = ProjectDetailsForm.get();
    MainForm->Dialogs.ShortReportForm = ShortReportForm.get();
    MainForm->Dialogs.MagForm = MagForm.get();
    MainForm->Dialogs.SnapForm = SnapForm.get();
    for (platform::Dialog* dialog :
         {static_cast<platform::Dialog*>(AnalysisForm.get()),
          static_cast<platform::Dialog*>(ProjectDetailsForm.get()),
          static_cast<platform::Dialog*>(ShortReportForm.get()),
          static_cast<platform::Dialog*>(MagForm.get()), static_cast<platform::Dialog*>(SnapForm.get())})
        MainForm->addDialog(dialog);
}

ApplicationForms::~ApplicationForms() {
    // The dialogs are children of the main window: release them before it goes.
    SnapForm.reset();
    MagForm.reset();
    ShortReportForm.reset();
    ProjectDetailsForm.reset();
    AnalysisForm.reset();
    MainForm.reset();
}

} // namespace pelmora
