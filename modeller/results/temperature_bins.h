// The temperature distribution table and its histograms as plain C++: hours of the year in each
// one-degree bin, either for the curves of the profile display (curve mode) or for every series of
// one temperature file (file mode), the table's lines with their fonts, and the state of a
// histogram window that draws one row.
#pragma once

#include "modeller/results/temperature_display.h"
#include "modeller/results/temperature_files.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class MessageService;
class FileDialogService;
} // namespace platform

namespace pelmora {

class HouseModel;

namespace bin_data_text {
inline constexpr const char* kCaption = "Temperature Distribution";
inline constexpr const char* kDefaultFileName = "temps.txt";
// The temperature files the engine writes (".TEM"), as the profile display lists them.
inline constexpr const char* kFilter = temp_display_text::kTemperatureFilter;
inline constexpr const char* kHistogramCaption = "Histogram of Temperature Distribution for the ";
inline constexpr const char* kHistogramTitle = "Number of Hours per Year that the ";
inline constexpr const char* kHistogramTitleEnd = " Spends at Each Temperature";
} // namespace bin_data_text

inline constexpr int kBinRows = kMostTemperatureZones + 1;

// The fonts of the table's lines: 0 Arial bold 14, 1 Courier New bold 10 blue, 2 Courier New bold 8,
// 3 Courier New 8, 4 Arial 8, 5 Arial bold 16.
struct TableLine {
    int font = 3;
    std::string text;
};

class TemperatureBins {
  public:
    TemperatureBins(const HouseModel& model, platform::MessageService& messages,
                    platform::FileDialogService& files, const TemperatureDisplay& display);

    // Curve mode: bins the display's curves.
    void FormShow();
    void CurrentInfo();
    // File mode: bins every series of a file the user picks.
    void SBOpenP1Click();
    void DisplayInfo();
    // Adds one hour at `temperature` to `row`.
    void BinTemp(int row, double temperature);

    bool BinFileMode() const { return fileMode_; }
    const BinRow& counts(int row) const { return BinCounts[static_cast<std::size_t>(row)]; }
    const std::vector<TableLine>& lines() const { return lines_; }
    const std::string& folderLabel() const { return folder_; }
    const std::string& fileLabel() const { return name_; }
    // The trimmed names of the file's series, "Outdoor" first (file mode).
    std::vector<std::string> BinSeriesNames() const;
    int BinLastSeries() const { return file_ ? file_->ZoneCount : 0; }
    const TemperatureDisplay& display() const { return display_; }

  private:
    void heading(const std::string& fileLine);

    const HouseModel& model_;
    platform::MessageService& messages_;
    platform::FileDialogService& files_;
    const TemperatureDisplay& display_;
    std::array<BinRow, kBinRows> BinCounts{};
    bool fileMode_ = false;
    std::optional<TemperatureFile> file_; // BinTemps
    std::string folder_, name_;
    std::vector<TableLine> lines_;
};

inline constexpr double kHistogramStartMaximum = 1500.0; // hours
inline constexpr double kHistogramSmallStep = 100.0;     // hours
inline constexpr double kHistogramLargeStep = 500.0;     // hours, above 1000

// One histogram window: the names it lists, the row it draws and its axis.
class Histogram {
  public:
    explicit Histogram(const TemperatureBins& bins) : bins_(bins) {}

    // Lists the file's series or the display's curves and draws the first.
    void FormShow();
    void ComboBox1Change(int item);
    void UpGraphSBClick();
    void DownGraphSBClick();

    const std::vector<std::string>& names() const { return names_; }
    int item() const { return item_; }
    int row() const { return row_; }
    const BinRow& bars() const { return bins_.counts(row_); }
    double maximum() const { return maximum_; }
    // The bins whose bars hold more hours than the axis: they are drawn to its top, marked as
    // running off it, with their hours.
    std::vector<int> OffAxisBins() const;
    std::string caption() const;
    std::string title() const;

  private:
    const TemperatureBins& bins_;
    std::vector<std::string> names_;
    int item_ = 0;
    int row_ = 0;
    double maximum_ = kHistogramStartMaximum;
};

} // namespace pelmora
