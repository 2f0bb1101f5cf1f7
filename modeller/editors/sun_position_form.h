// The sun position tool ("Sun Position"): for a date, a clock time and a place, the solar time and
// the sun's declination, altitude and azimuth, drawn on a sky chart with the sun paths of the year,
// the path of the day and the analemmas of the hours.  Every showing starts from the same inputs.
#pragma once

#include "modeller/editors/calculation_tools.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>

#include <filesystem>

namespace pelmora {

// The chart: a picture that reports the pointer's position.
class SkyChart : public QLabel {
    Q_OBJECT
  public:
    explicit SkyChart(QWidget* parent = nullptr);

  signals:
    void moved(int x, int y);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

class TSunPosForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Sun Position";
    static constexpr int kChartWidth = 766, kChartHeight = 400; // px

    TSunPosForm(const std::filesystem::path& programFolder, platform::Services& services,
                QWidget* parent = nullptr);

    // The chart point of a direction: 2 px per degree, azimuth -180..180 at x 20..740, altitude 90..0
    // at y 20..200.
    static QPoint ChartPoint(double azimuthDegrees, double altitudeDegrees);

    const SunPositionInput& input() const { return input_; }
    const SunPosition& position() const { return position_; }
    const QImage& chart() const { return shown_; }

    // ---- Handlers ----------------------------------------------------------------------------
    void FormShow();
    void CalcAndDisplay();
    void LocalTChange();
    void Day1Change();
    void Month1Change();
    void LatitudeChange();
    void LongitudeChange();
    void TZoneChange();
    void UpDownTimeClick();
    void UpDownDayClick();
    void UpDownMonthClick();
    void UpDownLatClick();
    void CheckBox1Click();
    void ImageMouseMove(int x, int y);
    void CancelSBClick() { hide(); }

    // ---- Components --------------------------------------------------------------------------
    platform::EditBox *LocalT, *Day1, *Month1, *Latitude, *Longitude, *TZone;
    platform::EditBox *Time1, *Declin, *Altitude, *Azimuth;
    platform::UpDown *UpDownTime, *UpDownDay, *UpDownMonth, *UpDownLat;
    SkyChart* Image;
    QCheckBox* CheckBox1;
    platform::PanelStatusBar* StatusBar1;
    platform::SpeedButton* CancelSB;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void DisplayResults();
    void DrawSun();
    void HideSunpaths();
    void ShowSunpaths();
    void refreshPaths();
    void setPosition(platform::UpDown* upDown, int position);

    std::filesystem::path programFolder_;
    platform::MessageService& messages_;
    SunPositionInput input_;
    SunPosition position_;
    QImage grid_;  // the chart background as loaded
    QImage paths_; // the background with the sun paths drawn on it
    QImage shown_; // what the chart shows: the paths and the sun
};

} // namespace pelmora
