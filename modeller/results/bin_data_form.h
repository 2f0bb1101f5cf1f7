// The temperature distribution dialog: hours per one-degree bin as a text table, of the profile
// display's curves or of every series of a temperature file, and the two histogram windows that
// draw one row each.  The widgets draw the state of TemperatureBins and Histogram.
#pragma once

#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"
#include "modeller/results/temperature_bins.h"

#include <vector>

class QBarSeries;
class QBarCategoryAxis;
class QChartView;
class QComboBox;
class QGraphicsItem;
class QLabel;
class QTextEdit;
class QValueAxis;

namespace pelmora {

// A histogram window; the upper (HistForm) and the lower (HistForm2) are alike, and they stand one
// above the other so that two series can be compared.
class THistForm : public platform::Dialog {
    Q_OBJECT
  public:
    THistForm(const TemperatureBins& bins, platform::Services& services, QWidget* parent = nullptr,
              const char* name = "HistForm");
    ~THistForm() override;

    Histogram& histogram() { return histogram_; }
    void redraw();

    void UpGraphSBClick();
    void DownGraphSBClick();
    void PrintSBClick();
    void OKSBClick() { close(); }

    // Places the window on `available` (a screen's free area): the upper one in its top half and the
    // lower one in its bottom half, each no higher than its half where the window can be made so.
    // Each showing places it so.
    void PlaceOnScreen(const QRect& available);

    QChartView* Chart1;
    QBarSeries* Series1;
    QValueAxis* LeftAxis;
    QComboBox* ComboBox1;
    platform::SpeedButton *UpGraphSB, *DownGraphSB, *PrintSB, *HelpButton, *OKSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    bool lower_ = false; // the lower window of the two

  private:
    void showAxis();
    // Marks each bar that runs off the top of the axis: an arrow on its top and its hours.
    void markOffAxisBars();

    Histogram histogram_;
    std::vector<QGraphicsItem*> offAxisMarks_; // owned by the chart
    platform::Services& services_;
    bool redrawing_ = false;
};

class THistForm2 : public THistForm {
    Q_OBJECT
  public:
    THistForm2(const TemperatureBins& bins, platform::Services& services, QWidget* parent = nullptr)
        : THistForm(bins, services, parent, "HistForm2") {
        lower_ = true;
    }
};

class TBinDataForm : public platform::Dialog {
    Q_OBJECT
  public:
    TBinDataForm(const HouseModel& model, const TemperatureDisplay& display, platform::Services& services,
                 QWidget* parent = nullptr);

    TemperatureBins& bins() { return bins_; }
    // Writes the table into the rich edit, each line in its font.
    void showTable();
    // The table as printed: every line in its printing font, black, on one page.
    QImage tablePicture() const;

    void SBOpenP1Click();
    void PrintGraphSBClick();
    void AnalysisSBClick();
    void SpeedButton1Click();
    void CancelSBClick() { accept(); }

    // The histogram windows the two buttons show; none until they exist.
    THistForm* HistForm = nullptr;
    THistForm* HistForm2 = nullptr;

    QTextEdit* RichEdit1;
    platform::SpeedButton* SBOpenP1;
    QLabel *LabelP1, *LabelF1;
    platform::SpeedButton *PrintGraphSB, *AnalysisSB, *SpeedButton1, *HelpButton, *CancelSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    TemperatureBins bins_;
    platform::Services& services_;
};

} // namespace pelmora
