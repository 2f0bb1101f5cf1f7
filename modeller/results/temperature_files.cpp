#include "modeller/results/temperature_files.h"

#include "common/climate_record.h"
#include "common/fixed_width.h"
#include "modeller/model/model_error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace pelmora {

namespace {

constexpr std::array<int, 12> kDaysBefore = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<const char*, 12> kMonthLetters = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// Columns of the temperature file (1-based), as the engine writes them.
constexpr int kLatitudeWidth = 5;       // F5.1
constexpr int kClimateNameColumn = 7;   // after the latitude and one blank
constexpr int kClimateNameWidth = 12;   // A12
constexpr int kZoneCountColumn = 25;    // after " Total number of zones = "
constexpr int kZoneCountWidth = 4;      // characters 25 to 28
constexpr int kNameHeadingWidth = 23;   // " Month Day Hour Outdoor"
constexpr int kMonthColumn = 5;         // I2
constexpr int kDayColumn = 9;           // I2
constexpr int kHourColumn = 14;         // I2
constexpr int kOutdoorColumn = 16;      // F8.1
constexpr int kOutdoorWidth = 8;        //
constexpr int kZoneValueWidth = 16;     // F16.1 each
constexpr int kClimateDigitsColumn = 7; // of a climate file name: "climat05.TXT"

std::string where(const std::filesystem::path& file, int line) {
    return "The file " + file.string() + " cannot be read: line " + std::to_string(line);
}

std::vector<std::string> readLines(const std::filesystem::path& file, const char* what) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ModelError(std::string("The ") + what + " " + file.string() + " cannot be opened.");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad()) throw ModelError(std::string("The ") + what + " " + file.string() + " cannot be read.");
    return lines;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A date of a data file: a real calendar day and an hour of the day.
bool validDate(int month, int day, int hour) {
    return month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(month, true) && hour >= 0 &&
           hour <= 24;
}

double timeOf(int month, int day, int hour, bool leapYear) {
    return (DayOfYear(day, month, leapYear) - 1) + hour / 24.0;
}

} // namespace

int MonthLength(int month, bool leapYear) {
    if (month == 2) return leapYear ? 29 : 28;
    return common::daysInMonth(month);
}

int YearLength(bool leapYear) {
    return leapYear ? 366 : 365;
}

int DayOfYear(int day, int month, bool leapYear) {
    if (month < 1 || month > 12) return day;
    return day + kDaysBefore[static_cast<std::size_t>(month - 1)] + (leapYear && month > 2 ? 1 : 0);
}

CalendarDate DateOfDay(int n, bool leapYear) {
    if (n <= 0) n = 1;
    if (n > YearLength(leapYear)) n -= YearLength(leapYear);
    // A day further on (a chart dragged far past the year) stays on the year's last day.
    n = std::min(n, YearLength(leapYear));
    CalendarDate date;
    for (date.month = 1; date.month < 12 && n > MonthLength(date.month, leapYear); ++date.month)
        n -= MonthLength(date.month, leapYear);
    date.day = n;
    return date;
}

std::string convertdate(int n, bool leapYear) {
    const CalendarDate date = DateOfDay(n, leapYear);
    std::string text = date.day < 10 ? " " : "";
    text += std::to_string(date.day) + " " + kMonthLetters[static_cast<std::size_t>(date.month - 1)];
    return text;
}

int ClimateNumberOfFileName(std::string_view name) {
    if (name.size() < kClimateDigitsColumn + 1) return 0;
    int climate = 0;
    if (!fw::readInteger(name.substr(kClimateDigitsColumn - 1, 2), climate, fw::Blanks::Null)) return 0;
    return climate;
}

TemperatureFile ReadTemperatureFile(const std::filesystem::path& file) {
    const std::vector<std::string> lines = readLines(file, "temperature file");
    TemperatureFile tem;
    tem.File = file;
    if (lines.size() < 4) throw ModelError(where(file, static_cast<int>(lines.size()) + 1) + " is missing.");

    // Line 1: the latitude, a blank and the climate file name.
    {
        fw::FieldCursor cursor(lines[0]);
        double latitude = 0.0;
        const bool numeric =
            !isBlank(lines[0].substr(0, kLatitudeWidth)) && cursor.readReal(kLatitudeWidth, 1, latitude);
        cursor.moveTo(kClimateNameColumn);
        tem.ClimateFileName = std::string(cursor.readText(kClimateNameWidth));
        while (!tem.ClimateFileName.empty() && tem.ClimateFileName.back() == ' ')
            tem.ClimateFileName.pop_back();
        tem.Climate = ClimateNumberOfFileName(tem.ClimateFileName);
        tem.HeaderReadable = numeric && tem.Climate > 0;
    }

    // Line 2: the count of zone columns.
    {
        fw::FieldCursor cursor(lines[1], fw::Blanks::Null);
        cursor.moveTo(kZoneCountColumn);
        const std::string_view field =
            lines[1].size() >= kZoneCountColumn
                ? std::string_view(lines[1]).substr(kZoneCountColumn - 1, kZoneCountWidth)
                : std::string_view();
        if (isBlank(field) || !cursor.readInt(kZoneCountWidth, tem.ZoneCount))
            throw ModelError(where(file, 2) + ": the number of zones is not a whole number.");
        if (tem.ZoneCount < 0 || tem.ZoneCount > kMostTemperatureZones)
            throw ModelError(where(file, 2) + ": it lists " + std::to_string(tem.ZoneCount) +
                             " zones, more than the " + std::to_string(kMostTemperatureZones) +
                             " a temperature file can hold.");
    }
    const int n = tem.ZoneCount;
    const std::size_t rowWidth =
        static_cast<std::size_t>(kOutdoorColumn + kOutdoorWidth - 1 + kZoneValueWidth * n);

    // Line 4: the names.
    tem.SeriesNames.push_back(kOutdoorSeriesName);
    {
        fw::FieldCursor cursor(lines[3]);
        cursor.skip(kNameHeadingWidth);
        for (int j = 1; j <= n; ++j) {
            std::string field(cursor.readText(kNameFieldWidth));
            field.resize(kNameFieldWidth, ' ');
            // The engine writes a name left-aligned after one blank: the blanks that fill the field
            // are no part of the name that lists, legends and titles show.
            const std::size_t first = field.find_first_not_of(' ');
            const std::size_t last = field.find_last_not_of(' ');
            tem.SeriesNames.push_back(first == std::string::npos ? std::string()
                                                                 : field.substr(first, last - first + 1));
            tem.NameFields.push_back(std::move(field));
        }
    }

    // The hour rows, from line 5.
    const std::size_t rows = lines.size() - 4;
    if (rows == 0) throw ModelError("The temperature file " + file.string() + " holds no hourly rows.");
    if (rows > static_cast<std::size_t>(kMostHourRows))
        throw ModelError("The temperature file " + file.string() + " holds " + std::to_string(rows) +
                         " hourly rows, more than the " + std::to_string(kMostHourRows) + " of a year.");
    struct Row {
        int month = 0, day = 0, hour = 0;
    };
    std::vector<Row> dates(rows);
    tem.Series.assign(static_cast<std::size_t>(n) + 1, std::vector<TTempPoint>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string& line = lines[r + 4];
        const int lineNumber = static_cast<int>(r) + 5;
        if (line.size() < rowWidth)
            throw ModelError(where(file, lineNumber) + ": the row is shorter than its " + std::to_string(n) +
                             " zone columns.");
        Row& d = dates[r];
        fw::FieldCursor cursor(line, fw::Blanks::Null);
        cursor.moveTo(kMonthColumn);
        bool ok = cursor.readInt(2, d.month);
        cursor.moveTo(kDayColumn);
        ok = cursor.readInt(2, d.day) && ok;
        cursor.moveTo(kHourColumn);
        ok = cursor.readInt(2, d.hour) && ok;
        if (!ok || !validDate(d.month, d.day, d.hour))
            throw ModelError(where(file, lineNumber) + ": the date is not a month, day and hour.");
        if (d.month == 2 && d.day == 29) tem.LeapYear = true;
        cursor.moveTo(kOutdoorColumn);
        for (int j = 0; j <= n; ++j) {
            const int width = j == 0 ? kOutdoorWidth : kZoneValueWidth;
            const std::string_view field = std::string_view(line).substr(
                static_cast<std::size_t>(cursor.column() - 1), static_cast<std::size_t>(width));
            double value = 0.0;
            if (isBlank(field) || !cursor.readReal(width, 1, value))
                throw ModelError(where(file, lineNumber) + ": the temperature of " +
                                 tem.SeriesNames[static_cast<std::size_t>(j)] + " is not a number.");
            tem.Series[static_cast<std::size_t>(j)][r].Temp = value;
        }
    }
    // The times follow the file's own calendar, so 29 February keeps its own day.
    for (std::size_t r = 0; r < rows; ++r) {
        const double time = timeOf(dates[r].month, dates[r].day, dates[r].hour, tem.LeapYear);
        for (auto& series : tem.Series) series[r].Time = time;
    }
    return tem;
}

WeatherFile ReadWeatherFile(const std::filesystem::path& file) {
    const std::vector<std::string> lines = readLines(file, "climate file");
    if (lines.empty()) throw ModelError("The climate file " + file.string() + " holds no hourly records.");
    if (lines.size() > static_cast<std::size_t>(kMostHourRows))
        throw ModelError("The climate file " + file.string() + " holds " + std::to_string(lines.size()) +
                         " hourly records, more than the " + std::to_string(kMostHourRows) + " of a year.");
    constexpr std::size_t kDryBulbEnd = 14; // the last column read
    std::vector<common::ClimateRecordFields> records(lines.size());
    WeatherFile weather;
    // The records are placed on the time axis by their dates: they must run hour by hour.
    common::ClimateCalendar calendar(false);
    for (std::size_t r = 0; r < lines.size(); ++r) {
        auto& record = records[r];
        const int lineNumber = static_cast<int>(r) + 1;
        if (lines[r].size() < kDryBulbEnd || isBlank(std::string_view(lines[r]).substr(10, 4)) ||
            common::readClimateRecord(lines[r], record) != 0 ||
            !validDate(record.month, record.day, record.hour))
            throw ModelError(where(file, lineNumber) + ": it is not an hourly climate record.");
        if (const common::ClimateField field = common::fieldOutOfRange(record);
            field != common::ClimateField::None)
            throw ModelError(where(file, lineNumber) + ": " + common::fieldRangeText(field, record) + ".");
        if (!calendar.take(record.month, record.day, record.hour))
            throw ModelError(where(file, lineNumber) + ": " +
                             calendar.faultText(record.month, record.day, record.hour) + ".");
        if (record.month == 2 && record.day == 29) weather.LeapYear = true;
    }
    weather.Temps.resize(records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        weather.Temps[r].Time = timeOf(records[r].month, records[r].day, records[r].hour, weather.LeapYear);
        weather.Temps[r].Temp = records[r].dryBulb;
    }
    return weather;
}

TypicalPeriodTable ReadExtremeFile(const std::filesystem::path& file) {
    std::vector<std::string> lines = readLines(file, "typical periods file");
    while (!lines.empty() && isBlank(lines.back())) lines.pop_back();
    constexpr std::size_t kBlockLines = 1 + kTypicalPeriodCount;
    if (lines.empty() || lines.size() % kBlockLines != 0)
        throw ModelError("The typical periods file " + file.string() +
                         " does not hold whole blocks of a heading and six periods.");
    const std::size_t blocks = lines.size() / kBlockLines;
    if (blocks > static_cast<std::size_t>(kMostClimates))
        throw ModelError("The typical periods file " + file.string() + " holds " + std::to_string(blocks) +
                         " climates, more than the " + std::to_string(kMostClimates) + " there can be.");
    TypicalPeriodTable table(blocks);
    for (std::size_t k = 0; k < blocks; ++k)
        for (std::size_t p = 0; p < kTypicalPeriodCount; ++p) {
            const std::size_t index = k * kBlockLines + 1 + p;
            const std::string& line = lines[index];
            // Three characters of label, then the month and the day.
            int month = 0, day = 0;
            char extra = 0;
            const bool ok =
                line.size() > 3 && std::sscanf(line.c_str() + 3, "%d %d %c", &month, &day, &extra) == 2;
            if (!ok || !validDate(month, day, 0))
                throw ModelError(where(file, static_cast<int>(index) + 1) + ": it is not a month and a day.");
            table[k][p] = {month, day};
        }
    return table;
}

int TemperatureBin(double temperature) {
    if (temperature < 10.0) return 0;
    if (temperature >= 37.0) return kTemperatureBins - 1;
    return static_cast<int>(std::floor(temperature)) - 9;
}

std::string BinTableRow(std::string_view name, const BinRow& counts) {
    std::string row(name.substr(0, kNameFieldWidth));
    row.resize(kNameFieldWidth, ' ');
    row += ' ';
    for (int count : counts) {
        row += ' ';
        fw::appendInteger(row, count, 4, fw::Overflow::Asterisks);
    }
    return row;
}

std::vector<std::string> BinBarLabels() {
    std::vector<std::string> labels{"<10"};
    for (int t = 10; t <= 36; ++t) labels.push_back(" " + std::to_string(t));
    labels.push_back(">36");
    return labels;
}

std::string BinTableHeading() {
    std::string row = " Temperature Bin ";
    for (const std::string& label : BinBarLabels()) {
        row += ' ';
        fw::appendText(row, label.front() == ' ' ? label.substr(1) : label, 4, fw::Overflow::Asterisks,
                       fw::Align::Right);
    }
    return row;
}

} // namespace pelmora
