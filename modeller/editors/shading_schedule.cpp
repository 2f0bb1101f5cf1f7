#include "modeller/editors/shading_schedule.h"

#include "common/rounding.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

namespace pelmora {

namespace {

using namespace schedule_chart;

int PercentAt(int y) {
    return (kBaseRow - y) / 2; // truncated towards zero, as the handle rows are
}

// The whole number at the start of a line (blanks before it skipped); the rest of the line is
// ignored.  Nothing when the line does not start with one.
std::optional<long long> LeadingInteger(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t end = i;
    if (end < line.size() && (line[end] == '-' || line[end] == '+')) ++end;
    const std::size_t digits = end;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
    if (end == digits || end - digits > 9) return std::nullopt;
    return std::strtoll(line.substr(i, end - i).c_str(), nullptr, 10);
}

} // namespace

void ShadingSchedule::Load(const MonthlyPercent& values) {
    MonthPercent = values;
    PickedMonth = 0;
    Dragging = false;
    edpercentage.clear();
}

void ShadingSchedule::MouseDown(int x, int y) {
    Dragging = false;
    for (int m = 1; m <= kScheduleMonths; ++m) {
        const int handleY = HandleY(MonthPercent(m));
        if (std::abs(x - BarX(m)) < kHandleReach && std::abs(y - handleY) < kHandleReach) {
            Dragging = true;
            PickedMonth = m;
            MonthPercent(m) = PercentAt(handleY);
            edpercentage = std::to_string(MonthPercent(m));
        }
    }
}

bool ShadingSchedule::MouseMove(int y) {
    if (!Dragging || PickedMonth < 1 || y < kTopRow || y >= kBaseRow) return false;
    // The handle snaps to the nearest row of ten pixels (halves to the even one): steps of 5 %.
    const int handleY = static_cast<int>(common::roundHalfEvenToInt(y / 10.0)) * 10;
    MonthPercent(PickedMonth) = PercentAt(handleY);
    edpercentage = std::to_string(MonthPercent(PickedMonth));
    return true;
}

void ShadingSchedule::ResetButtonClick() {
    for (int m = 1; m <= kScheduleMonths; ++m) MonthPercent(m) = kScheduleMaxPercent;
    edpercentage.clear();
}

void ShadingSchedule::PasteButtonClick() {
    const std::int32_t january = MonthPercent(1);
    for (int m = 1; m <= kScheduleMonths; ++m) MonthPercent(m) = january;
    edpercentage.clear();
}

void ShadingSchedule::ReadFile(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(file);
    } catch (const std::exception&) {
        throw ModelError("Cannot open the shading schedule " + file.string());
    }
    MonthlyPercent read{};
    for (int m = 1; m <= kScheduleMonths; ++m) {
        const std::string where =
            "Cannot read the shading schedule " + file.string() + ", line " + std::to_string(m);
        if (static_cast<std::size_t>(m) > lines.size())
            throw ModelError(where + ": the file ends before its twelve months");
        const auto value = LeadingInteger(lines[static_cast<std::size_t>(m - 1)]);
        if (!value) throw ModelError(where + ": a whole number of percent was expected");
        if (*value < 0 || *value > kScheduleMaxPercent)
            throw ModelError(where + ": " + std::to_string(*value) + " lies outside 0..100 %");
        read(m) = static_cast<std::int32_t>(*value);
    }
    MonthPercent = read;
    edpercentage.clear();
}

void ShadingSchedule::WriteFile(const std::filesystem::path& file) const {
    common::TextFileWriter out;
    for (int m = 1; m <= kScheduleMonths; ++m) out.integer(MonthPercent(m));
    try {
        out.save(file);
    } catch (const std::exception&) {
        throw ModelError("Cannot write the shading schedule " + file.string());
    }
}

} // namespace pelmora
