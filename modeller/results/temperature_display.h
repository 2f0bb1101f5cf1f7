// The temperature profile display as plain C++: up to four temperature files side by side, up to
// six curves picked from their series, the outdoor dry bulb of a climate file, and the period shown
// (a start date and a length, a typical period of the climate, or a drag of the chart).  The dialog
// (temp_display_form) draws this state and hands every click to the handlers here.
#pragma once

#include "modeller/results/temperature_files.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class MessageService;
class FileDialogService;
} // namespace platform

namespace pelmora {

class HouseModel;

namespace temp_display_text {
inline constexpr const char* kCaption = "Display Temperature Profiles";
inline constexpr const char* kTooManyCurves = "Only 6 zones can be displayed";
inline constexpr const char* kSelectPeriod = "Select a Data Period";
inline constexpr const char* kOpenTemperatureTitle = "Open Temperature File";
inline constexpr const char* kTemperatureFilter =
    "Temperature Files   *.tem|*.tem|All Files                    *.*|*.*";
inline constexpr const char* kOpenClimateTitle = "Open Climate File";
inline constexpr const char* kClimateFilter =
    "Climate Files   *.txt|*.txt|All Files                    *.*|*.*";
inline constexpr const char* kClimateLabel = "Climate file ";
inline constexpr const char* kTitle = "Temperature Profiles";
// The typical periods in the order of the period list, with the period of the file each names and
// its length in days.
struct PeriodItem {
    const char* text;
    int period; // 1..6, the order of the typical periods file
    int days;
};
inline constexpr std::array<PeriodItem, 6> kPeriodItems = {{{"Cold week in winter", 1, 7},
                                                            {"Hot week in summer", 4, 7},
                                                            {"Warm week in winter", 2, 7},
                                                            {"Cool week in summer", 3, 7},
                                                            {"Sunny day in March", 5, 1},
                                                            {"Cloudy day in March", 6, 1}}};
} // namespace temp_display_text

inline constexpr int kCurveSlots = 6;
inline constexpr int kProjectSlots = 4;
inline constexpr int kStartLastHourIndex = kHoursOfCommonYear - 1;
inline constexpr int kLeapLastHourIndex = kMostHourRows - 1;
inline constexpr double kTemperatureAxisStep = 5.0;  // °C: the axis buttons' step and the drag's snap
inline constexpr double kDesignedAxisMinimum = 0.0;  // °C
inline constexpr double kDesignedAxisMaximum = 45.0; // °C
inline constexpr int kMostPeriodDays = 366;

// Colours as 0xRRGGBB.
using CurveColour = std::uint32_t;
// blue, red, teal, olive, navy, black
inline constexpr std::array<CurveColour, kCurveSlots> kCurvePalette = {0x0000FF, 0xFF0000, 0x008080,
                                                                       0x808000, 0x000080, 0x000000};
inline constexpr CurveColour kWeatherColour = 0x000000;

// One curve slot: its check box, delete button, label and swatch, and the copy of its series.
struct CurveSlot {
    bool Visible = false; // check box, delete button, label and swatch shown
    bool Checked = false; // the curve is drawn
    std::string Label;    // "P1  " and the series' name
    CurveColour Colour = 0;
    std::vector<TTempPoint> Points; // CurveTemps
    int Stamp = 0;                  // a new number for every pick, kept when the slot moves
};

// One file slot: its panel, title and open button, the folder and name labels and the series list.
struct ProjectSlot {
    bool PanelVisible = false;
    bool OpenVisible = false;             // title and open button
    bool FileVisible = false;             // folder and name labels and the list of series
    std::string Folder, Name;             // LabelP, LabelF
    std::optional<TemperatureFile> Temps; // ProjectTemps: what was read last into the slot
};

struct TempDisplayState {
    std::array<ProjectSlot, kProjectSlots> Projects;
    std::array<CurveSlot, kCurveSlots> Curves;
    int CurveCount = 0;
    bool CurveListVisible = false; // Panel8

    std::vector<TTempPoint> WeatherTemps;
    int WeatherStamp = 0;        // a new number for every climate file read
    bool WeatherVisible = false; // LabelPW, LabelFW and the swatch Panel7
    bool WeatherChecked = false; // CheckBox7: the weather curve is drawn
    std::string WeatherFolder, WeatherName;
    std::string ClimateLabel; // Label5, the climate file of slot 1
    bool ClimateLabelVisible = false;

    bool LeapYearFile = false;
    int LastHourIndex = kStartLastHourIndex;
    int TempFileClimate = 0;
    TypicalPeriodTable TypicalPeriods;

    int PeriodMonth = 1, PeriodDay = 1, PeriodDays = 7;
    std::string DayText = "  1", MonthText = "  1", DurationText = "  7";
    std::string StartDayLabel, StartNumLabel, EndDayLabel, EndNumLabel, ChartTitle;
    double BottomMinimum = 0.0, BottomMaximum = 7.0;                               // days
    double LeftMinimum = kDesignedAxisMinimum, LeftMaximum = kDesignedAxisMaximum; // °C
};

class TemperatureDisplay {
  public:
    TemperatureDisplay(const HouseModel& model, platform::MessageService& messages,
                       platform::FileDialogService& files);

    const TempDisplayState& state() const { return state_; }

    // Each time the dialog opens.  False when the typical periods cannot be read; the error is shown
    // and the dialog opens without them.
    bool FormShow();
    void ChangeDisplay();

    // File slots (1..4) and the climate file.
    void SBOpenClick(int slot);
    void SBOpenWeatherClick();
    void message1(int climate);
    // A pick of series `series` in the list of file slot `slot` (1..4).
    void ListBoxClick(int slot, int series);

    // Curve slots (1..6).
    void CheckBoxClick(int slot, bool checked);
    void CheckBox7Click(bool checked);
    void SBDeleteClick(int slot);
    void DeleteAllButtonClick() { ClearChart(); }
    void ClearAllButtonClick();
    void ClearChart();
    CurveColour NewColour() const;

    // Period controls.  The texts are those typed into the fields.
    void DayEBChange(std::string_view text);
    void MonthEBChange(std::string_view text);
    void UpDownDayClick(int position);
    void UpDownMonthClick(int position);
    void DurationEBChange(std::string_view text);
    void DurationSBChange(int position);
    void ComboBox1Change(int item);
    void ChangeDate(int n);

    // The chart: a right-button drag ended with these axis limits; the axis buttons.
    void Chart1MouseUp(double bottomMinimum, double bottomMaximum, double leftMinimum, double leftMaximum);
    void UpGraphSBClick();
    void DownGraphSBClick();

    // The curves of slots 1..CurveCount and the weather curve as drawn (empty when unticked).
    const std::vector<TTempPoint>& WeatherPoints() const { return state_.WeatherTemps; }

  private:
    void setPeriodFields();
    void fileError(const std::string& text);

    const HouseModel& model_;
    platform::MessageService& messages_;
    platform::FileDialogService& files_;
    TempDisplayState state_;
    int stamps_ = 0;
};

} // namespace pelmora
