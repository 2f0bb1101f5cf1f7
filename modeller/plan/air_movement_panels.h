// The air-movement panels that the new-zone and air movement dialogs share: natural ventilation,
// infiltration paths, ceiling fans and the mechanical ventilation that stays hidden.  The panels only
// hold the controls; each dialog keeps its own working values and handlers.
#pragma once

#include "modeller/plan/zone_rules.h"
#include "modeller/platform/controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace pelmora {

class AirMovementPanels : public QWidget {
    Q_OBJECT
  public:
    explicit AirMovementPanels(QWidget* parent = nullptr);

    // Shows the working values in the controls without running any handler.
    void showValues(const AirMovementValues& values);
    // Shows a count beside its up-down.
    static void showCount(platform::UpDown* upDown, platform::EditBox* box, int count);

    QGroupBox *NaturalPanel, *InfiltrationPanel, *ForcedPanel, *MechPanel;
    QCheckBox *InsectCB, *DraughtCB, *ChimneyCB, *GasCB, *MechVent;
    platform::EditBox *CVEB, *ExhaustFanEB, *DownLightEB, *FanNumEB, *ACEB;
    platform::UpDown *CVUD, *ExFanUD, *DownLightsUD, *FanNumUD, *ACUD;
    platform::RadioGroup* DiameterRG;
    QWidget* ACPanel;
    // The swept area line of the fans ("Swept Fan Area" n "% of floor area" a "m²"), hidden unless a
    // dialog shows it.
    QWidget* SweptAreaLine;
    QLabel *FanArea, *FloorAreaLB;
};

} // namespace pelmora
