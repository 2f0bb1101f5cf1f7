#include "modeller/results/temperature_bins.h"

#include "modeller/model/house_model.h"
#include "modeller/model/model_error.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"

#include <algorithm>
#include <filesystem>

namespace pelmora {

namespace fs = std::filesystem;
using namespace bin_data_text;

namespace {

enum Font { kTitleFont = 0, kFileFont = 1, kHeadingFont = 2, kRowFont = 3 };

} // namespace

TemperatureBins::TemperatureBins(const HouseModel& model, platform::MessageService& messages,
                                 platform::FileDialogService& files, const TemperatureDisplay& display)
    : model_(model), messages_(messages), files_(files), display_(display) {}

void TemperatureBins::FormShow() {
    fileMode_ = false;
    folder_.clear();
    name_.clear();
    for (int k = 1; k <= kCurveSlots; ++k) BinCounts[static_cast<std::size_t>(k)].fill(0);
    CurrentInfo();
}

void TemperatureBins::BinTemp(int row, double temperature) {
    ++BinCounts[static_cast<std::size_t>(row)][static_cast<std::size_t>(TemperatureBin(temperature))];
}

void TemperatureBins::heading(const std::string& fileLine) {
    lines_.clear();
    lines_.push_back({kTitleFont, kBinTableTitle});
    lines_.push_back({kTitleFont, ""});
    lines_.push_back({kFileFont, fileLine});
    lines_.push_back({kFileFont, ""});
    lines_.push_back({kHeadingFont, BinTableHeading()});
}

void TemperatureBins::CurrentInfo() {
    const TempDisplayState& shown = display_.state();
    // Every hour a curve holds counts: a year of 8760 hours, or 8784 in a leap year.
    for (int k = 1; k <= kCurveSlots; ++k)
        for (const TTempPoint& point : shown.Curves[static_cast<std::size_t>(k - 1)].Points)
            BinTemp(k, point.Temp);
    heading("");
    for (int k = 1; k <= kCurveSlots; ++k) {
        const CurveSlot& curve = shown.Curves[static_cast<std::size_t>(k - 1)];
        if (curve.Visible) lines_.push_back({kRowFont, BinTableRow(curve.Label, counts(k))});
    }
}

void TemperatureBins::SBOpenP1Click() {
    platform::FileDialogRequest request;
    request.title = temp_display_text::kOpenTemperatureTitle;
    request.folder = QString::fromStdString((fs::path(model_.RootDir) / "temperature").string());
    request.fileName = kDefaultFileName;
    request.filter = kFilter;
    request.mustExist = true;
    const auto chosen = files_.openFile(request);
    if (!chosen) return;
    const fs::path file = chosen->toStdString();
    try {
        file_ = ReadTemperatureFile(file);
    } catch (const ModelError& e) {
        messages_.error(QString::fromStdString(e.what()));
        return;
    }
    fileMode_ = true;
    folder_ = file.parent_path().string();
    name_ = file.filename().string();
    for (int j = 0; j <= file_->ZoneCount; ++j) {
        BinCounts[static_cast<std::size_t>(j)].fill(0);
        for (const TTempPoint& point : file_->Series[static_cast<std::size_t>(j)]) BinTemp(j, point.Temp);
    }
    DisplayInfo();
}

void TemperatureBins::DisplayInfo() {
    if (!file_) return;
    heading(file_->File.string());
    std::string outdoor(kOutdoorSeriesName);
    outdoor.insert(0, kNameFieldWidth - outdoor.size(), ' ');
    lines_.push_back({kRowFont, BinTableRow(outdoor, counts(0))});
    for (int j = 1; j <= file_->ZoneCount; ++j)
        lines_.push_back(
            {kRowFont, BinTableRow(file_->NameFields[static_cast<std::size_t>(j - 1)], counts(j))});
}

std::vector<std::string> TemperatureBins::BinSeriesNames() const {
    return file_ ? file_->SeriesNames : std::vector<std::string>{kOutdoorSeriesName};
}

void Histogram::FormShow() {
    names_.clear();
    if (bins_.BinFileMode()) {
        names_ = bins_.BinSeriesNames();
        item_ = 0;
        row_ = 0;
    } else {
        const TempDisplayState& shown = bins_.display().state();
        for (int k = 1; k <= shown.CurveCount; ++k)
            names_.push_back(shown.Curves[static_cast<std::size_t>(k - 1)].Label);
        item_ = 0;
        row_ = 1;
    }
}

void Histogram::ComboBox1Change(int item) {
    if (item < 0 || item >= static_cast<int>(names_.size())) return;
    item_ = item;
    row_ = bins_.BinFileMode() ? item : item + 1;
}

std::string Histogram::caption() const {
    return kHistogramCaption + (names_.empty() ? std::string() : names_[static_cast<std::size_t>(item_)]);
}

std::string Histogram::title() const {
    return kHistogramTitle + (names_.empty() ? std::string() : names_[static_cast<std::size_t>(item_)]) +
           kHistogramTitleEnd;
}

std::vector<int> Histogram::OffAxisBins() const {
    std::vector<int> off;
    const BinRow& row = bars();
    for (std::size_t bin = 0; bin < row.size(); ++bin)
        if (row[bin] > maximum_) off.push_back(static_cast<int>(bin));
    return off;
}

void Histogram::UpGraphSBClick() {
    // Taller bars; the axis keeps at least one small step of hours.
    maximum_ = std::max(maximum_ - (maximum_ > 1000.0 ? kHistogramLargeStep : kHistogramSmallStep),
                        kHistogramSmallStep);
}

void Histogram::DownGraphSBClick() {
    maximum_ += maximum_ >= 1000.0 ? kHistogramLargeStep : kHistogramSmallStep;
}

} // namespace pelmora
