// The short report: a one-page certificate of the current house's rating with the client, assessor
// and dwelling details, the project and site, the star rating, the energies per square metre, the
// adjusted star rating and the assessor's signature block.  It can be printed.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"
#include "modeller/results/short_report.h"
#include "modeller/results/star_panel_widget.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;

namespace pelmora {

class TShortReportForm : public platform::Dialog {
    Q_OBJECT
  public:
    TShortReportForm(const HouseModel& model, const SimulationHistory& history, const RatingTables& tables,
                     platform::Services& services, QWidget* parent = nullptr);

    // Handlers.
    void FormShow();
    void OKSBClick() { accept(); }
    // Prints the page through the printer dialog.
    void PrintSBClick();

    QFrame *ClientPanel, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6;
    std::array<QLineEdit*, kReportDetailBoxes + 1> E{}; // E1..E21; index 0 unused
    QLineEdit* StateEdit;
    QLabel *ProjectN, *RunN, *LocationLabel, *ClimateLabel, *PCLabel, *E24;
    QFrame* StarPanel;
    QLabel* StarLabel;
    StarImageLabels Stars;
    QLabel *AdjustStarLabel, *CoolLabel, *HeatLabel, *TotalLabel;
    platform::SpeedButton *PrintSB, *OKSB, *HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();

    const HouseModel& model_;
    const SimulationHistory& history_;
    const RatingTables& tables_;
    platform::Services& services_;
};

} // namespace pelmora
