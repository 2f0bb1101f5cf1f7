// The custom window chooser's dialog: the widgets over a CustWinChooser, with the charts of the
// chosen product's solar transmittance and pane absorptances against the angle of incidence.
#pragma once

#include "modeller/editors/cust_win_chooser.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScatterSeries>

#include <functional>

namespace pelmora {

class TCustWinForm : public platform::Dialog {
    Q_OBJECT
  public:
    TCustWinForm(HouseModel& model, EditorBuffers& buffers, platform::Services& services,
                 QWidget* parent = nullptr);

    CustWinChooser& chooser() { return chooser_; }

    // Runs the chooser modally (the opener has set SavedWindowProductIndex).
    void ShowModal();
    void FormShow();

    QLineEdit *WindowNameEB, *WinUEB, *WinSHGCEB, *FrameEB, *FrameAEB, *FrameUEB, *GlassEB, *PanesEB,
        *GlassUEB, *SHGCEB, *SCEB, *VTEB, *UVTEB;
    QComboBox* ManufacturerCB;
    QListWidget* ProductLB;
    platform::RadioGroup* SearchRG;
    QComboBox *UMaxCB, *UMinCB, *SMaxCB, *SMinCB;
    platform::SpeedButton *ResetButton, *pbfind, *OKSB, *CancelSB, *HelpSB;
    QChartView *TrChart, *AChart;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void run(const std::function<void()>& handler);
    void refresh();
    void OKSBClick();
    void CancelSBClick();

    CustWinChooser chooser_;
    platform::MessageService& messages_;
    QScatterSeries* transmittance_;
    std::vector<QScatterSeries*> panes_;
    bool refreshing_ = false;
    bool open_ = false;
};

} // namespace pelmora
