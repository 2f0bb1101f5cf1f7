#include "modeller/results/temperature_display.h"

#include "common/file_lookup.h"
#include "common/rounding.h"
#include "modeller/model/house_model.h"
#include "modeller/model/model_error.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace pelmora {

namespace fs = std::filesystem;
using namespace temp_display_text;

namespace {

// A value right-aligned in three characters, as the period fields show it.
std::string field3(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::optional<int> wholeNumber(std::string_view text) {
    const std::string t = trimmed(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

// The integer a date field holds: text that is not one counts as its leading digits, or 1.
int leadingNumber(std::string_view text) {
    if (const auto value = wholeNumber(text)) return *value;
    const std::string t = trimmed(text);
    std::size_t digits = 0;
    while (digits < t.size() && digits < 9 && std::isdigit(static_cast<unsigned char>(t[digits]))) ++digits;
    return digits == 0 ? 1 : std::stoi(t.substr(0, digits));
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TemperatureDisplay::TemperatureDisplay(const HouseModel& model, platform::MessageService& messages,
                                       platform::FileDialogService& files)
    : model_(model), messages_(messages), files_(files) {}

bool TemperatureDisplay::FormShow() {
    auto& s = state_;
    for (int k = 1; k < kProjectSlots; ++k) {
        s.Projects[static_cast<std::size_t>(k)].PanelVisible = false;
        s.Projects[static_cast<std::size_t>(k)].OpenVisible = false;
    }
    s.Projects[0].PanelVisible = s.Projects[0].OpenVisible = true;
    s.CurveListVisible = false;
    s.ClimateLabelVisible = false;
    bool periodsRead = true;
    const fs::path extremes = fs::path(model_.RootDir) / "Data" / "Climate" / "extremes.ext";
    try {
        const auto found = common::findCaseInsensitive(model_.RootDir, "Data/Climate/extremes.ext");
        if (!found) throw ModelError("File not found: " + extremes.string());
        s.TypicalPeriods = ReadExtremeFile(*found);
    } catch (const ModelError& e) {
        // Without the table the dialog still shows files; choosing a typical period then beeps.
        s.TypicalPeriods.clear();
        messages_.error(q(e.what()));
        periodsRead = false;
    }
    s.LeapYearFile = false;
    s.LastHourIndex = kStartLastHourIndex;
    s.PeriodMonth = 1;
    s.PeriodDay = 1;
    s.PeriodDays = 7;
    setPeriodFields();
    for (auto& p : s.Projects) p.FileVisible = false;
    // The files read before stay in memory, but none of their curves is shown.
    s.WeatherChecked = false;
    s.LeftMinimum = kDesignedAxisMinimum;
    s.LeftMaximum = kDesignedAxisMaximum;
    ClearChart();
    ChangeDisplay();
    return periodsRead;
}

void TemperatureDisplay::setPeriodFields() {
    state_.DayText = field3(state_.PeriodDay);
    state_.MonthText = field3(state_.PeriodMonth);
    state_.DurationText = field3(state_.PeriodDays);
}

void TemperatureDisplay::ChangeDisplay() {
    auto& s = state_;
    const int start = DayOfYear(s.PeriodDay, s.PeriodMonth, s.LeapYearFile);
    const int end = start + s.PeriodDays - 1;
    s.StartDayLabel = convertdate(start, s.LeapYearFile);
    s.StartNumLabel = std::to_string(start);
    s.EndNumLabel = std::to_string(end);
    s.EndDayLabel = convertdate(end, s.LeapYearFile);
    s.ChartTitle =
        std::string(kTitle) + "  from the start of " + s.StartDayLabel + " to the end of " + s.EndDayLabel;
    s.BottomMinimum = start - 1;
    s.BottomMaximum = end;
}

void TemperatureDisplay::fileError(const std::string& text) {
    messages_.error(q(text));
}

void TemperatureDisplay::message1(int climate) {
    messages_.warn(q("This project used CLIMAT" + std::to_string(climate) + " instead of CLIMAT" +
                     std::to_string(state_.TempFileClimate) + "."));
}

void TemperatureDisplay::SBOpenClick(int slot) {
    if (slot < 1 || slot > kProjectSlots) return;
    auto& s = state_;
    const std::size_t k = static_cast<std::size_t>(slot - 1);
    // Opening a slot after the first shows the next slot's panel before its dialog.
    if (slot >= 2 && slot < kProjectSlots) s.Projects[k + 1].PanelVisible = true;
    platform::FileDialogRequest request;
    request.title = kOpenTemperatureTitle;
    request.folder = q((fs::path(model_.RootDir) / "temperature").string());
    request.filter = kTemperatureFilter;
    request.mustExist = true;
    const auto chosen = files_.openFile(request);
    if (!chosen) return;
    const fs::path file = chosen->toStdString();
    TemperatureFile tem;
    try {
        tem = ReadTemperatureFile(file);
        if (!tem.HeaderReadable)
            throw ModelError("The temperature file " + file.string() +
                             " cannot be read: line 1 does not hold the latitude and a climate file name.");
    } catch (const ModelError& e) {
        fileError(e.what());
        return;
    }
    ProjectSlot& p = s.Projects[k];
    if (slot == 1) {
        s.TempFileClimate = tem.Climate;
        s.ClimateLabel = kClimateLabel + tem.ClimateFileName;
        s.ClimateLabelVisible = true;
    } else if (tem.Climate != s.TempFileClimate) {
        message1(tem.Climate);
        p.FileVisible = false;
        if (slot < kProjectSlots) s.Projects[k + 1].OpenVisible = false;
        return;
    }
    p.Folder = file.parent_path().string();
    p.Name = file.filename().string();
    p.FileVisible = true;
    // A leap year's file keeps its 29 February and 31 December on the calendar.
    if (tem.LeapYear) {
        s.LeapYearFile = true;
        s.LastHourIndex = kLeapLastHourIndex;
    }
    p.Temps = std::move(tem);
    if (slot < kProjectSlots) s.Projects[k + 1].PanelVisible = s.Projects[k + 1].OpenVisible = true;
    ChangeDisplay();
}

void TemperatureDisplay::SBOpenWeatherClick() {
    auto& s = state_;
    platform::FileDialogRequest request;
    request.title = kOpenClimateTitle;
    request.folder = q((fs::path(model_.RootDir) / "Data" / "Climate").string());
    request.filter = kClimateFilter;
    request.mustExist = true;
    const auto chosen = files_.openFile(request);
    if (!chosen) return;
    const fs::path file = chosen->toStdString();
    WeatherFile weather;
    try {
        weather = ReadWeatherFile(file);
    } catch (const ModelError& e) {
        fileError(e.what());
        return;
    }
    s.WeatherChecked = true;
    s.WeatherVisible = true;
    s.WeatherFolder = file.parent_path().string();
    s.WeatherName = file.filename().string();
    s.TempFileClimate = ClimateNumberOfFileName(s.WeatherName);
    s.LeapYearFile = weather.LeapYear;
    s.LastHourIndex = weather.LeapYear ? kLeapLastHourIndex : kStartLastHourIndex;
    s.WeatherTemps = std::move(weather.Temps);
    s.WeatherStamp = ++stamps_;
    ChangeDisplay();
}

CurveColour TemperatureDisplay::NewColour() const {
    for (CurveColour colour : kCurvePalette) {
        const bool used =
            std::any_of(state_.Curves.begin(), state_.Curves.end(),
                        [colour](const CurveSlot& c) { return c.Visible && c.Colour == colour; });
        if (!used) return colour;
    }
    return kCurvePalette.front();
}

void TemperatureDisplay::ListBoxClick(int slot, int series) {
    auto& s = state_;
    if (slot < 1 || slot > kProjectSlots) return;
    const auto& temps = s.Projects[static_cast<std::size_t>(slot - 1)].Temps;
    if (!temps || series < 0 || series > temps->ZoneCount) return;
    s.CurveListVisible = true;
    if (s.CurveCount == kCurveSlots) {
        messages_.warn(kTooManyCurves);
        return;
    }
    CurveSlot& curve = s.Curves[static_cast<std::size_t>(s.CurveCount)];
    curve.Colour = NewColour();
    ++s.CurveCount;
    curve.Visible = curve.Checked = true;
    curve.Label = "P" + std::to_string(slot) + "  " + temps->SeriesNames[static_cast<std::size_t>(series)];
    curve.Points = temps->Series[static_cast<std::size_t>(series)];
    curve.Stamp = ++stamps_;
}

void TemperatureDisplay::CheckBoxClick(int slot, bool checked) {
    if (slot < 1 || slot > kCurveSlots) return;
    state_.Curves[static_cast<std::size_t>(slot - 1)].Checked = checked;
}

void TemperatureDisplay::CheckBox7Click(bool checked) {
    state_.WeatherChecked = checked;
}

void TemperatureDisplay::SBDeleteClick(int slot) {
    auto& s = state_;
    if (slot < 1 || slot > kCurveSlots || !s.Curves[static_cast<std::size_t>(slot - 1)].Visible) return;
    // Each slot after the deleted one moves up by one; the last slot is emptied.
    for (std::size_t j = static_cast<std::size_t>(slot - 1); j + 1 < kCurveSlots; ++j)
        s.Curves[j] = s.Curves[j + 1];
    s.Curves.back() = CurveSlot{};
    --s.CurveCount;
}

void TemperatureDisplay::ClearChart() {
    for (auto& c : state_.Curves) c = CurveSlot{};
    state_.CurveCount = 0;
    state_.WeatherVisible = false;
}

void TemperatureDisplay::ClearAllButtonClick() {
    for (auto& c : state_.Curves) c.Checked = false;
}

void TemperatureDisplay::DayEBChange(std::string_view text) {
    auto& s = state_;
    const int day = leadingNumber(text);
    s.PeriodDay = std::clamp(day, 1, MonthLength(s.PeriodMonth, s.LeapYearFile));
    s.DayText = field3(s.PeriodDay);
    ChangeDisplay();
}

void TemperatureDisplay::MonthEBChange(std::string_view text) {
    auto& s = state_;
    s.PeriodMonth = std::clamp(leadingNumber(text), 1, 12);
    s.MonthText = field3(s.PeriodMonth);
    s.PeriodDay = std::min(s.PeriodDay, MonthLength(s.PeriodMonth, s.LeapYearFile));
    s.DayText = field3(s.PeriodDay);
    ChangeDisplay();
}

void TemperatureDisplay::UpDownDayClick(int position) {
    auto& s = state_;
    if (position > MonthLength(s.PeriodMonth, s.LeapYearFile)) {
        s.PeriodMonth = s.PeriodMonth % 12 + 1;
        s.PeriodDay = 1;
    } else if (position < 1) {
        s.PeriodMonth = s.PeriodMonth == 1 ? 12 : s.PeriodMonth - 1;
        s.PeriodDay = MonthLength(s.PeriodMonth, s.LeapYearFile);
    } else {
        s.PeriodDay = position;
    }
    s.DayText = field3(s.PeriodDay);
    s.MonthText = field3(s.PeriodMonth);
    ChangeDisplay();
}

void TemperatureDisplay::UpDownMonthClick(int position) {
    auto& s = state_;
    s.PeriodMonth = position > 12 ? 1 : position < 1 ? 12 : position;
    s.PeriodDay = std::min(s.PeriodDay, MonthLength(s.PeriodMonth, s.LeapYearFile));
    s.DayText = field3(s.PeriodDay);
    s.MonthText = field3(s.PeriodMonth);
    ChangeDisplay();
}

void TemperatureDisplay::DurationEBChange(std::string_view text) {
    auto& s = state_;
    const auto days = wholeNumber(text);
    if (!days) {
        s.DurationText.clear();
        messages_.beep();
        return;
    }
    s.PeriodDays = std::clamp(*days, 1, kMostPeriodDays);
    s.DurationText = std::to_string(s.PeriodDays);
    ChangeDisplay();
}

void TemperatureDisplay::DurationSBChange(int position) {
    auto& s = state_;
    s.PeriodDays = std::clamp(position, 1, kMostPeriodDays);
    s.DurationText = field3(s.PeriodDays);
    ChangeDisplay();
}

void TemperatureDisplay::ComboBox1Change(int item) {
    auto& s = state_;
    // Before a temperature or climate file names the climate there is no row of periods to use.
    const bool known =
        s.TempFileClimate >= 1 && s.TempFileClimate <= static_cast<int>(s.TypicalPeriods.size());
    if (item < 0 || item >= static_cast<int>(kPeriodItems.size()) || !known) {
        messages_.beep();
        ChangeDisplay();
        return;
    }
    const PeriodItem& period = kPeriodItems[static_cast<std::size_t>(item)];
    const CalendarDate start = s.TypicalPeriods[static_cast<std::size_t>(s.TempFileClimate - 1)]
                                               [static_cast<std::size_t>(period.period - 1)];
    s.PeriodMonth = start.month;
    s.PeriodDay = std::min(start.day, MonthLength(start.month, s.LeapYearFile));
    s.PeriodDays = period.days;
    setPeriodFields();
    ChangeDisplay();
}

void TemperatureDisplay::ChangeDate(int n) {
    const CalendarDate date = DateOfDay(n, state_.LeapYearFile);
    state_.PeriodMonth = date.month;
    state_.PeriodDay = date.day;
}

void TemperatureDisplay::Chart1MouseUp(double bottomMinimum, double, double leftMinimum, double leftMaximum) {
    auto& s = state_;
    const auto snap = [](double t) {
        return common::roundHalfEven(t / kTemperatureAxisStep) * kTemperatureAxisStep;
    };
    s.LeftMinimum = snap(leftMinimum);
    s.LeftMaximum = std::max(snap(leftMaximum), s.LeftMinimum + kTemperatureAxisStep);
    const double minimum = std::max(0.0, common::roundHalfEven(bottomMinimum));
    ChangeDate(static_cast<int>(minimum) + 1);
    s.DayText = field3(s.PeriodDay);
    s.MonthText = field3(s.PeriodMonth);
    // The fields redraw the period from the date they now show.
    ChangeDisplay();
}

void TemperatureDisplay::UpGraphSBClick() {
    auto& s = state_;
    // The top of the axis stays one step above its bottom.
    s.LeftMaximum = std::max(s.LeftMaximum - kTemperatureAxisStep, s.LeftMinimum + kTemperatureAxisStep);
}

void TemperatureDisplay::DownGraphSBClick() {
    state_.LeftMaximum += kTemperatureAxisStep;
}

} // namespace pelmora
