// The simulation mode dialog ("Simulation Mode"): every zone with a "Heat" and a "Cool" tick, the
// "Conditioned" and "Free Running" buttons, and the way to the occupancy dialog.  The ticks reach
// the zones only on OK.  Its rules are the plain SimulationMode; this class holds the rows.
#pragma once

#include "modeller/model/simulation_mode.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>

#include <vector>

namespace pelmora {

class TInternalGainForm;

class TSettingsForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Simulation Mode";
    // How many rows the list shows before it scrolls.
    static constexpr int kVisibleRows = 25;
    static constexpr int kRowHeight = 16; // px

    TSettingsForm(HouseModel& model, platform::Services& services, QWidget* parent = nullptr);

    // The occupancy dialog the gains button opens; set once the program has created it.
    TInternalGainForm* InternalGainForm = nullptr;

    // ---- Handlers ----------------------------------------------------------------------------
    void FormShow();
    void CondSBClick();
    void FreeSBClick();
    void IGSBClick();
    void OKSBClick();

    const SimulationMode& mode() const { return mode_; }

    // ---- Components --------------------------------------------------------------------------
    QScrollArea* ZoneList;
    // The rows of zones 1..ZoneCount (zone z at index z - 1), built at each showing.
    std::vector<QCheckBox*> HeatTicks, CoolTicks;
    std::vector<QLabel*> NumberLabels, NameLabels, TypeLabels;
    std::vector<QFrame*> ColourPanels;
    platform::SpeedButton *OKSB, *CondSB, *FreeSB, *IGSB, *HelpSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildRows();
    void removeRows();
    void showTicks();

    HouseModel& model_;
    platform::Services& services_;
    SimulationMode mode_;
    QWidget* rows_; // the list's content
};

} // namespace pelmora
