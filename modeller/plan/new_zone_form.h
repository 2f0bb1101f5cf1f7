// The new-zone dialog that starts the drawing of a zone: its type, name, colour, heating and cooling,
// and air movement.  The plan editor sets CurrentZone to the slot the zone will take (ZoneCount + 1)
// and shows it; OK writes the choices into that slot and arms the plan editor, whose next clicks
// draw the outline; Cancel disarms it and leaves the slot as it was.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/material_palette.h"
#include "modeller/model/house_model.h"
#include "modeller/plan/air_movement_panels.h"
#include "modeller/plan/zone_rules.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace pelmora {

class TNewZoneForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr int kCollapsedHeight = 183; // px
    static constexpr int kExpandedHeight = 556;  // px

    TNewZoneForm(HouseModel& model, MaterialPalette& palette, platform::Services& services,
                 const std::int32_t& currentZone, QWidget* parent = nullptr);

    // Shows the dialog modally for zone slot CurrentZone; returns NewZoneArmed.
    bool ShowModal();

    // Proposes the colour of a zone of `zoneType`, and its name while the user has not edited the
    // name box since the dialog was shown.
    void CalcNextZoneName(int zoneType);

    void FormShow();
    void ZoneTypeCBChange();
    void ExpandImageClick();
    void ContractImageClick();
    void CVUDClick();
    void ExFanUDClick();
    void DownLightsUDClick();
    void DownLightEBChange();
    void FanNumUDClick();
    void DiameterRGClick();
    void ACUDClick();
    void MechVentClick();
    void ZoneColourPanelClick();
    void OKSBClick();
    void CancelSBClick();

    // Hand-over to the plan editor.
    bool NewZoneArmed = false;
    std::string NewZoneName;        // at most 20 characters
    std::int32_t NewZoneColour = 0; // 0x00BBGGRR
    AirMovementValues Work;         // the working copy of the air-movement values

    // The colour dialog: the chosen colour, or nothing when it is cancelled.
    std::function<std::optional<std::int32_t>(std::int32_t current)> ColorDialog1;

    QLineEdit* ZoneNameEdit;
    QComboBox* ZoneTypeCB;
    QCheckBox *Hcb, *Ccb;
    ColourPanel* ZoneColourPanel;
    QWidget* VentExpandPanel; // the "Air Flow" bar
    platform::ClickableLabel *ExpandImage, *ContractImage;
    AirMovementPanels* Panels;
    platform::SpeedButton *OKSB, *CancelSB, *HelpButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setExpanded(bool expanded);

    HouseModel& model_;
    MaterialPalette& palette_;
    const std::int32_t& currentZone_;
    bool nameEdited_ = false; // the user typed in the name box since the dialog was shown
};

} // namespace pelmora
