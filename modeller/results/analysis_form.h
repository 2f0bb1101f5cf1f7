// The analysis dialog: the shown rating in detail with the energy limits of its climate, and bar
// charts of the monthly cooling and heating per square metre of the house or of one zone.  It opens
// after every completed run and from the star panel's Analyse button.  The widgets draw the state of a
// RatingAnalysis and hand every click to its handlers.
#pragma once

#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"
#include "modeller/results/rating_analysis.h"
#include "modeller/results/star_panel_widget.h"

class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QFrame;
class QLabel;
class QScrollArea;
class QScrollBar;
class QValueAxis;

namespace pelmora {

class TAnalysisForm : public platform::Dialog, public AnalysisView {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Analysis";

    // The dialog shows the kept ratings of `history` together with the star panel `panel`.
    TAnalysisForm(HouseModel& model, SimulationHistory& history, const RatingTables& tables,
                  RatingPanel& panel, platform::Services& services, QWidget* parent = nullptr);
    ~TAnalysisForm() override;

    void showAnalysis(const AnalysisState& state) override;
    void closeAnalysis() override { accept(); }

    // Handlers that belong to the window itself.
    void OKSBClick() { accept(); }
    // Prints the dialog as it stands, through the printer dialog.
    void SpeedButton22Click();
    // Opens the hourly temperature display, when the program has one.
    void AnalysisSBClick();
    // The hourly temperature display that AnalysisSB opens modally; none until it exists, and the
    // button is disabled meanwhile.
    platform::Dialog* TempDisplayForm = nullptr;

    RatingAnalysis& analysis() { return analysis_; }

    platform::SpeedButton *HouseSB, *ZonesSB, *SpeedButton22, *HelpButton, *AnalysisSB, *OKSB;
    QFrame* StarPanel;
    platform::SpeedButton *ForwardSB, *BackSB, *DelRecSB;
    QLabel *FileLabel, *Label1, *Label2, *Label3, *TotalLabel, *CoolLabel, *HeatLabel;
    QLabel *Label6, *Label7, *Label8, *AdjustLabel, *Label10, *AdjustStarLabel;
    QLabel *StarLabel, *ClimNameLabel;
    StarImageLabels Stars;
    QScrollArea* ScrollBox1;
    QLabel *StarNumLabel, *StarMJLabel;
    QChartView *CoolChart, *HeatChart;
    QBarSeries *Series1, *BarSeries1;
    QLabel* Label11;
    platform::SpeedButton* ResetButton;
    QScrollBar* YScaleSB;
    QLabel* YScaleLb;
    QFrame* ZonePanel;
    platform::UpDown* ZoneNumUpDown;
    QLabel *ZoneNameLb, *ZNum, *AreaLabel, *EnergyLabel, *PercentLabel;
    QFrame *ZoneColourPanel, *EPanel;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    QChartView* chart(const char* name, const char* title, QBarSeries*& series, const QColor& colour);
    void showBars(QChartView* view, QBarSeries* series, const std::vector<double>& values, double maximum);

    RatingAnalysis analysis_;
    platform::Services& services_;
    bool showing_ = false; // drawing a state: the up-down's own change is not a click
};

} // namespace pelmora
