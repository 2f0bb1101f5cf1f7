#include "common/climate_record.h"

#include "common/fixed_width.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdio>

namespace common {

namespace {

const fw::Format kRecordFormat = fw::parseFormat(kClimateRecordLayout);

constexpr std::size_t kRecordValues = 10;

// Reads the numeric fields of `line` under `format` into `values`, in order.  Returns 0, or the first
// column of an illegal field.
template <std::size_t N>
int readNumbers(std::string_view line, const fw::Format& format, std::array<double, N>& values) {
    fw::FieldCursor cursor(line);
    std::size_t next = 0;
    for (const fw::Descriptor& d : format) {
        if (d.edit == fw::Edit::X) {
            cursor.skip(d.width);
            continue;
        }
        assert(next < N);
        const int column = cursor.column();
        if (d.edit == fw::Edit::I) {
            long long value = 0;
            if (!cursor.readInt(d.width, value)) return column;
            values[next++] = static_cast<double>(value);
            continue;
        }
        if (!cursor.readReal(d.width, d.decimals, values[next++])) return column;
    }
    return 0;
}

// The fields that hold a reading in every record: blank, they would read as 0 °C and dry air.
struct ReadingField {
    int first, width;
    std::string_view name;
};
constexpr std::array<ReadingField, 2> kReadings{{{11, 4, "dry bulb"}, {15, 3, "moisture"}}};

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string_view fieldText(std::string_view line, const ReadingField& field) {
    return line.substr(static_cast<std::size_t>(field.first - 1), static_cast<std::size_t>(field.width));
}

} // namespace

int readClimateRecord(std::string_view line, ClimateRecordFields& record) {
    // A record cut short would read its missing fields as zeros: no weather, but a rating all the same.
    if (line.size() < kClimateRecordWidth) return static_cast<int>(line.size()) + 1;
    std::array<double, kRecordValues> v{};
    if (const int column = readNumbers(line, kRecordFormat, v); column != 0) return column;
    for (const ReadingField& field : kReadings)
        if (isBlank(fieldText(line, field))) return field.first;
    record.month = static_cast<int>(v[0]);
    record.day = static_cast<int>(v[1]);
    record.hour = static_cast<int>(v[2]);
    record.dryBulb = v[3];
    record.moisture = v[4];
    record.windSpeed = v[5];
    record.windCode = v[6];
    record.cloud = static_cast<int>(v[7]);
    record.diffuse = v[8];
    record.direct = v[9];
    return 0;
}

bool climateReadingMissing(std::string_view line, int column) {
    if (line.size() < kClimateRecordWidth) return true;
    for (const ReadingField& field : kReadings)
        if (column == field.first && isBlank(fieldText(line, field))) return true;
    return false;
}

std::string climateRecordFaultText(std::string_view line, int column) {
    if (isBlank(line)) return "a blank line";
    if (static_cast<std::size_t>(column) == line.size() + 1)
        return "the record ends after column " + std::to_string(line.size()) + "; its fields run to column " +
               std::to_string(kClimateRecordWidth);
    for (const ReadingField& field : kReadings) {
        if (column != field.first || !isBlank(fieldText(line, field))) continue;
        return "the " + std::string(field.name) + " (columns " + std::to_string(field.first) + "-" +
               std::to_string(field.first + field.width - 1) + ") is blank: no reading";
    }
    return "illegal data in field, column " + std::to_string(column);
}

int daysInMonth(int month) {
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

namespace {

constexpr double kHighestIrradiance = 1420.0; // W/m², the extraterrestrial irradiance at perihelion

struct ClimateFieldRange {
    ClimateField field;
    std::string_view name;    // as a message names it
    std::string_view columns; // of the record
    double lowest, highest;   // in the field's unit
    std::string_view unit;
};

// The range of every measured field, in record order.
//   dry bulb -70 to 60 °C: below the coldest and above the hottest air ever measured where people live;
//   moisture 0 to 50 g/kg: saturated air at 40 °C holds 49 g/kg;
//   wind speed 0 to 60 m/s: above any hourly mean wind but a tornado's;
//   wind direction code 0 (calm) to 16 (north);
//   diffuse and direct 0 to 1420 W/m²: no irradiance exceeds the sun's outside the atmosphere at
//   perihelion (1367 W/m² × 1.035).
constexpr std::array<ClimateFieldRange, 6> kRanges{{
    {ClimateField::DryBulb, "dry bulb", "11-14", -70.0, 60.0, "°C"},
    {ClimateField::Moisture, "moisture", "15-17", 0.0, 50.0, "g/kg"},
    {ClimateField::WindSpeed, "wind speed", "22-24", 0.0, 60.0, "m/s"},
    {ClimateField::WindCode, "wind direction code", "25-26", 0.0, 16.0, "sixteenths of a circle"},
    {ClimateField::Diffuse, "diffuse irradiance", "38-40", 0.0, kHighestIrradiance, "W/m²"},
    {ClimateField::Direct, "direct irradiance", "41-44", 0.0, kHighestIrradiance, "W/m²"},
}};

double valueOf(ClimateField field, const ClimateRecordFields& r) {
    switch (field) {
    case ClimateField::DryBulb:
        return r.dryBulb;
    case ClimateField::Moisture:
        return r.moisture;
    case ClimateField::WindSpeed:
        return r.windSpeed;
    case ClimateField::WindCode:
        return r.windCode;
    case ClimateField::Diffuse:
        return r.diffuse;
    case ClimateField::Direct:
        return r.direct;
    case ClimateField::None:
        break;
    }
    return 0.0;
}

// A value as a message shows it: as few digits as say it exactly enough.
std::string shortNumber(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

constexpr std::array<std::string_view, 13> kMonthNames{
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

std::string dateText(int month, int day, int hour) {
    return std::to_string(day) + " " + std::string(kMonthNames[static_cast<std::size_t>(month)]) + " hour " +
           std::to_string(hour);
}

} // namespace

ClimateField fieldOutOfRange(const ClimateRecordFields& record) {
    for (const ClimateFieldRange& range : kRanges) {
        const double value = valueOf(range.field, record);
        // Written so that a value that is not a number fails too.
        if (!(value >= range.lowest && value <= range.highest)) return range.field;
    }
    return ClimateField::None;
}

std::string fieldRangeText(ClimateField field, const ClimateRecordFields& record) {
    for (const ClimateFieldRange& range : kRanges) {
        if (range.field != field) continue;
        return std::string(range.name) + " (columns " + std::string(range.columns) + ") " +
               shortNumber(valueOf(field, record)) + " outside " + shortNumber(range.lowest) + " to " +
               shortNumber(range.highest) + " " + std::string(range.unit);
    }
    return "no field out of range";
}

bool ClimateCalendar::take(int month, int day, int hour) {
    bool follows = false;
    if (taken_ == 0) {
        follows = hour == 0 && (!yearStart_ || (month == 1 && day == 1));
    } else if (hour_ < 23) {
        follows = month == month_ && day == day_ && hour == hour_ + 1;
    } else if (hour == 0) {
        // The next day: the same month while it has days left (29 February only after the 28th),
        // else the 1st of the next month; nothing follows 31 December.
        const bool sameMonth = month == month_ && day == day_ + 1 && day <= daysInMonth(month_);
        const bool nextMonth = month == month_ + 1 && day == 1 && day_ >= daysInMonth(month_) - (month_ == 2);
        follows = sameMonth || nextMonth;
    }
    if (!follows) return false;
    ++taken_;
    month_ = month;
    day_ = day;
    hour_ = hour;
    return true;
}

std::string ClimateCalendar::faultText(int month, int day, int hour) const {
    const bool valid = month >= 1 && month <= 12;
    const std::string date = valid ? dateText(month, day, hour)
                                   : "month " + std::to_string(month) + " day " + std::to_string(day) +
                                         " hour " + std::to_string(hour);
    if (taken_ == 0)
        return "the first record is " + date + ", not " +
               (yearStart_ ? "1 January hour 0" : "hour 0 of a day");
    if (month_ == 12 && day_ == 31 && hour_ == 23)
        return date + " follows 31 December hour 23, the end of the year";
    return date + " does not follow " + dateText(month_, day_, hour_);
}

} // namespace common
