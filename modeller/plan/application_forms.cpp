#include "modeller/plan/application_forms.h"

#include "modeller/model/house_file.h"

namespace pelmora {

ApplicationForms::ApplicationForms(Workspace& workspace, platform::Services& services,
                                   const std::filesystem::path& executableFolder) {
    MainForm = std::make_unique<TMainForm>(workspace, services);
    MainForm->FormCreate(executableFolder);
    MainForm->HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
    MainForm->HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
    Editors = std::make_unique<EditorContext>(workspace.model, workspace.tables, workspace.buffers,
                                              workspace.selection, services.messages);
    TMainForm* main = MainForm.get();
    Editors->main.InsertWindowDown = [main] { return main->SBInsertWindow->isDown(); };
    Editors->main.InsertDoorDown = [main] { return main->SBInsertDoor->isDown(); };
    Editors->main.ClearStatus = [main] { main->StatusBar1->setPanelText(0, QString()); };
    DoorForm = std::make_unique<TDoorForm>(*Editors, services, main);
    SelectAllForm = std::make_unique<TSelectAllForm>(Editors->palette, services, main);
    ExtWallForm = std::make_unique<TExtWallForm>(*Editors, services, main);
    IntWallForm = std::make_unique<TIntWallForm>(*Editors, services, main);
    ProjectDetailsForm =
        std::make_unique<TProjectDetailsForm>(workspace.model, services, *MainForm, MainForm.get());
    MagForm =
        std::make_unique<TMagForm>(workspace.model, workspace.scale, services, *MainForm, MainForm.get());
    SnapForm =
        std::make_unique<TSnapForm>(workspace.model, workspace.scale, services, *MainForm, MainForm.get());
    MainForm->Dialogs.ProjectDetailsForm = ProjectDetailsForm.get();
    MainForm->Dialogs.MagForm = MagForm.get();
    MainForm->Dialogs.SnapForm = SnapForm.get();
    for (platform::Dialog* dialog :
         {static_cast<platform::Dialog*>(DoorForm.get()), static_cast<platform::Dialog*>(SelectAllForm.get()),
          static_cast<platform::Dialog*>(ExtWallForm.get()),
          static_cast<platform::Dialog*>(IntWallForm.get()),
          static_cast<platform::Dialog*>(ProjectDetailsForm.get()),
          static_cast<platform::Dialog*>(MagForm.get()), static_cast<platform::Dialog*>(SnapForm.get())})
        MainForm->addDialog(dialog);
    PlanDialogs = std::make_unique<ApplicationPlanDialogs>(workspace.model, workspace.selection);
    PlanDialogs->ExtWall = ExtWallForm.get();
    PlanDialogs->IntWall = IntWallForm.get();
    PlanDialogs->Door = DoorForm.get();
    MainForm->planEditor().Dialogs = PlanDialogs.get();
}

ApplicationForms::~ApplicationForms() {
    // The dialogs are children of the main window: release them before it goes.
    MainForm->planEditor().Dialogs = nullptr;
    PlanDialogs.reset();
    SnapForm.reset();
    MagForm.reset();
    ProjectDetailsForm.reset();
    IntWallForm.reset();
    ExtWallForm.reset();
    SelectAllForm.reset();
    DoorForm.reset();
    Editors.reset();
    MainForm.reset();
}

} // namespace pelmora
