// The climate details dialog: monthly statistics of the chosen climate file in three bar charts
// (maximum and minimum temperature, humidity, solar radiation), and the summary table written to the
// OUTPUT folder and shown in the climate summary dialog.
#pragma once

#include "modeller/model/climate_statistics.h"
#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <filesystem>
#include <string>

class QChart;
class QChartView;

namespace pelmora {

class TLocationForm;

class TClimateDetailsForm : public platform::Dialog {
    Q_OBJECT
  public:
    TClimateDetailsForm(HouseModel& model, TLocationForm& location, QWidget* parent = nullptr);
    ~TClimateDetailsForm() override;

    void FormShow();
    void SBZoneInfoClick();
    void OKSBClick();

    // The statistics shown, and whether they belong to the chosen climate file (false after a file
    // that is missing or cannot be read: the charts are then empty).
    const TClimateStatistics& statistics() const { return statistics_; }
    bool hasStatistics() const { return hasStatistics_; }

    QChartView *TemperatureChart, *HumidityChart, *RadiationChart;
    platform::SpeedButton *SBZoneInfo, *OKSB, *HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void computeStatistics();
    void fillCharts();

    HouseModel& model_;
    TLocationForm& location_;
    TClimateStatistics statistics_;
    bool hasStatistics_ = false;
    std::string climateFile_; // the full path of the file the statistics come from
};

} // namespace pelmora
