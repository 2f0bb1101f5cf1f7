// The zone details dialog: the hub of one zone.  It shows and edits the zone's name, type, colour and
// heating and cooling, shows its floor area and glass-to-floor ratio, and opens the editors of the
// zone's elements and the other zone dialogs through buttons that suit the zone's place in the
// building.  There is no Cancel: OK, Enter and Escape all keep the edits.  The colour is handed back
// in ZoneDetailColour, which the plan editor gives the zone once the dialog has closed.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/model/house_model.h"
#include "modeller/plan/zone_rules.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <optional>

namespace pelmora {

class TAirFlowForm;
class TStairForm;

class TZoneDetailForm : public platform::Dialog {
    Q_OBJECT
  public:
    TZoneDetailForm(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
                    QWidget* parent = nullptr);

    // The dialogs the buttons open, set as the program creates them; a button whose dialog is not
    // there is disabled.
    ElementEditorForm* ExtFloorForm = nullptr;
    ElementEditorForm* CeilingForm = nullptr;
    ElementEditorForm* RoofForm = nullptr;
    ElementEditorForm* IntCeilingForm = nullptr;
    ElementEditorForm* FloorCoverForm = nullptr;
    ElementEditorForm* SkylightForm = nullptr;
    TStairForm* StairForm = nullptr;
    TAirFlowForm* AirFlowForm = nullptr;
    QDialog* ApplianceForm = nullptr;
    QDialog* WaterForm = nullptr;
    // Opens the building details report on CurrentZone without waiting for it.
    std::function<void()> ShowDetailedReport;

    // Shows the dialog modally for CurrentZone; returns the dialog's result.
    int ShowModal();

    void FormShow();
    void ShowButtons();
    void ZoneTypeCBChange();
    void ZoneColourPanelClick();
    void OKSBClick();
    void SBFloorClick();
    void SBCeilingClick();
    void SBRoofClick();
    void InBetweenFloorButtonClick();
    void IntFloorCoverSBClick();
    void SBSkylightClick();
    void StairWellSBClick();
    void SBAirFlowClick();
    void SBZoneInfoClick();
    void ApplianceSBClick();
    void WaterSBClick();

    // The colour the zone takes once the dialog has closed.
    std::int32_t ZoneDetailColour = 0;
    // The colour dialog: the chosen colour, or nothing when it is cancelled.
    std::function<std::optional<std::int32_t>(std::int32_t current)> ColorDialog1;

    QLineEdit* ZoneNameEdit;
    QComboBox* ZoneTypeCB;
    QCheckBox *Hcb, *Ccb;
    ColourPanel* ZoneColourPanel;
    QLabel *AreaLabel, *GlassLabel;
    platform::SpeedButton *SBFloor, *SBCeiling, *SBRoof, *InBetweenFloorButton, *IntFloorCoverSB, *SBSkylight,
        *StairWellSB, *SBAirFlow, *SBZoneInfo, *ApplianceSB, *WaterSB, *HelpButton, *OKSB;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void openEditor(ElementEditorForm* editor);

    HouseModel& model_;
    platform::MessageService& messages_;
    const std::int32_t& currentZone_;
    std::int32_t panelColour_ = 0;
};

} // namespace pelmora
