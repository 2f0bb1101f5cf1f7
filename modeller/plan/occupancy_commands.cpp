// The main window's buttons of how the house is used: the simulation mode dialog and the water and
// energy usage dialogs.
#include "modeller/model/forms/energy_forms.h"
#include "modeller/model/forms/settings_form.h"
#include "modeller/model/forms/source_forms.h"
#include "modeller/model/forms/water_forms.h"
#include "modeller/plan/main_form.h"
#include "modeller/platform/message_service.h"

namespace pelmora {

namespace occupancy_text {
inline constexpr const char* kNoClimateFile = "No climate file has been selected.";
inline constexpr const char* kNoZones = "No zones have been modelled.";
} // namespace occupancy_text

void TMainForm::ModeSBClick() {
    // The mode dialog needs a site, whose occupancy file gives the gains and set-points, and zones.
    if (model_.ClimateFileName.empty()) {
        services_.messages.information(occupancy_text::kNoClimateFile);
        return;
    }
    if (model_.ZoneCount <= 0) {
        services_.messages.information(occupancy_text::kNoZones);
        return;
    }
    if (!Dialogs.SettingsForm) return;
    Dialogs.SettingsForm->exec();
    // Whatever the dialog did, the results no longer count as current.
    model_.ResultsCurrent = false;
}

void TMainForm::ApplianceSBClick() {
    if (Dialogs.ApplianceForm) Dialogs.ApplianceForm->exec();
}

void TMainForm::WaterSBClick() {
    if (Dialogs.WaterForm) Dialogs.WaterForm->exec();
}

void TMainForm::WaterSourceSBClick() {
    if (Dialogs.WaterSourceForm) Dialogs.WaterSourceForm->exec();
}

void TMainForm::EnergySourceSBClick() {
    if (Dialogs.EnergySourceForm) Dialogs.EnergySourceForm->exec();
}

} // namespace pelmora
