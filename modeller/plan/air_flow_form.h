// The air movement dialog of one existing zone: its natural ventilation, infiltration paths and
// ceiling fans, with the fans' swept area as a share of the floor.  The dialog works on a copy of the
// zone's values; OK writes them into zone CurrentZone and Cancel leaves the zone as it was.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/model/house_model.h"
#include "modeller/plan/air_movement_panels.h"
#include "modeller/plan/zone_rules.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <cstdint>

namespace pelmora {

class TAirFlowForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr int kHeight = 487; // px

    TAirFlowForm(HouseModel& model, platform::Services& services, const std::int32_t& currentZone,
                 QWidget* parent = nullptr);

    // Shows the dialog modally for CurrentZone; returns the dialog's result.
    int ShowModal();

    void FormShow();
    void CVUDClick();
    void ExFanUDClick();
    void DownLightsUDClick();
    void FanNumUDClick();
    void ACUDClick();
    void DiameterRGClick();
    void MechVentClick();
    void OKSBClick();
    void CancelSBClick();

    AirMovementValues Work; // the working copy

    AirMovementPanels* Panels;
    ColourPanel* ZoneColourPanel;
    platform::SpeedButton *OKSB, *CancelSB, *HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showSweptArea();

    HouseModel& model_;
    const std::int32_t& currentZone_;
};

// The swept-area texts: the percentage with no decimals and the floor area with one, or "-" for a
// zone without floor area.
QString SweptAreaText(std::optional<double> percent);

} // namespace pelmora
