#include "modeller/plan/application_forms.h"

#include "modeller/model/house_file.h"

namespace pelmora {

ApplicationForms::ApplicationForms(Workspace& workspace, platform::Services& services,
                                   const std::filesystem::path& executableFolder) {
    MainForm = std::make_unique<TMainForm>(workspace, services);
    MainForm->FormCreate(executableFolder);
    MainForm->HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
    MainForm->HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
    HouseModel& model = workspace.model;
    const std::int32_t& currentZone = workspace.selection.CurrentZone;
    ProjectDetailsForm = std::make_unique<TProjectDetailsForm>(model, services, *MainForm, MainForm.get());
    SettingsForm = std::make_unique<TSettingsForm>(model, services, MainForm.get());
    MagForm = std::make_unique<TMagForm>(model, workspace.scale, services, *MainForm, MainForm.get());
    SnapForm = std::make_unique<TSnapForm>(model, workspace.scale, services, *MainForm, MainForm.get());
    InternalGainForm =
        std::make_unique<TInternalGainForm>(model, services, *MainForm->StatusBar1, MainForm.get());
    ApplianceForm = std::make_unique<TApplianceForm>(model, services, currentZone, MainForm.get());
    // Shown beside the appliance dialog and usable while it is open, so it is that dialog's window.
    NonZonalEnergyForm = std::make_unique<TNonZonalEnergyForm>(model, services, ApplianceForm.get());
    WaterForm = std::make_unique<TWaterForm>(model, services, currentZone, MainForm.get());
    NonZonalWaterForm = std::make_unique<TNonZonalWaterForm>(services, MainForm.get());
    WaterSourceForm = std::make_unique<TWaterSourceForm>(services, MainForm.get());
    EnergySourceForm = std::make_unique<TEnergySourceForm>(services, MainForm.get());
    SettingsForm->InternalGainForm = InternalGainForm.get();
    ApplianceForm->NonZonalEnergyForm = NonZonalEnergyForm.get();
    WaterForm->NonZonalWaterForm = NonZonalWaterForm.get();
    MainForm->Dialogs.ProjectDetailsForm = ProjectDetailsForm.get();
    MainForm->Dialogs.MagForm = MagForm.get();
    MainForm->Dialogs.SnapForm = SnapForm.get();
    MainForm->Dialogs.SettingsForm = SettingsForm.get();
    MainForm->Dialogs.ApplianceForm = ApplianceForm.get();
    MainForm->Dialogs.WaterForm = WaterForm.get();
    MainForm->Dialogs.WaterSourceForm = WaterSourceForm.get();
    MainForm->Dialogs.EnergySourceForm = EnergySourceForm.get();
    for (platform::Dialog* dialog : std::initializer_list<platform::Dialog*>{
             ProjectDetailsForm.get(), SettingsForm.get(), MagForm.get(), SnapForm.get(),
             InternalGainForm.get(), ApplianceForm.get(), NonZonalEnergyForm.get(), WaterForm.get(),
             NonZonalWaterForm.get(), WaterSourceForm.get(), EnergySourceForm.get()})
        MainForm->addDialog(dialog);
}

ApplicationForms::~ApplicationForms() {
    // The dialogs are children of the main window: release them before it goes.
    EnergySourceForm.reset();
    WaterSourceForm.reset();
    NonZonalWaterForm.reset();
    WaterForm.reset();
    NonZonalEnergyForm.reset();
    ApplianceForm.reset();
    InternalGainForm.reset();
    SnapForm.reset();
    MagForm.reset();
    SettingsForm.reset();
    ProjectDetailsForm.reset();
    MainForm.reset();
}

} // namespace pelmora
