// The hourly temperature files the engine writes (.TEM), the climate files' dry bulb and the typical
// periods of each climate (Data/Climate/extremes.ext), read back for the temperature displays; the
// calendar of the day numbers they share, and the one-degree temperature bins of the distribution
// table.
//
// Every reader checks the whole file before it hands anything back: a file that cannot be opened, a
// field that is not a number, a date that is not in the calendar, or more zones, hours or climates
// than the engine produces raise ModelError naming the file (and the line where it helps).
#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One hourly value.
struct TTempPoint {
    double Time = 0.0; // days since 1 January 00:00: day of year − 1 + hour / 24
    double Temp = 0.0; // °C
};

inline constexpr int kMostTemperatureZones = 150; // zone columns of one file, as the engine limits them
inline constexpr int kMostHourRows = 8784;        // hours of a leap year
inline constexpr int kHoursOfCommonYear = 8760;
inline constexpr int kMostClimates = 99; // blocks of the typical periods file
inline constexpr int kTypicalPeriodCount = 6;
inline constexpr int kNameFieldWidth = 16; // a blank and the 15-character zone name
inline constexpr const char* kOutdoorSeriesName = "Outdoor";

// ---- Calendar ------------------------------------------------------------------------------------

// Days of `month` (1..12): 28 or 29 for February.
int MonthLength(int month, bool leapYear);
int YearLength(bool leapYear);
// The day number (1 for 1 January) of `day` of `month`.
int DayOfYear(int day, int month, bool leapYear);

struct CalendarDate {
    int month = 1;
    int day = 1;
};
// The calendar date of day number n; n ≤ 0 counts as 1, and n past the year's end has the year's
// length taken off once (and is then at most the year's last day).
CalendarDate DateOfDay(int n, bool leapYear);
// Day number n as the day right-aligned in two characters, a blank and the month's three letters
// (" 1 FEB" for day 32), with n treated as DateOfDay treats it.
std::string convertdate(int n, bool leapYear);

// ---- Files ---------------------------------------------------------------------------------------

// An hourly temperature file: series 0 is the outdoor temperature, series j (1..ZoneCount) the j-th
// zone column.  The times follow the file's own calendar: a file with a row for 29 February is a
// leap year throughout.
struct TemperatureFile {
    std::filesystem::path File;
    std::string ClimateFileName; // the 12 characters of line 1 (as climat05.TXT); empty when unreadable
    int Climate = 0;             // the number in characters 7 and 8 of that name, 0 when it holds none
    bool HeaderReadable = false; // line 1 starts with the latitude and names a climate file
    int ZoneCount = 0;
    std::vector<std::string> NameFields;         // the zones' 16-character fields as written, from zone 1
    std::vector<std::string> SeriesNames;        // "Outdoor", then each zone's name: its field without blanks
                                                 // before or after it
    std::vector<std::vector<TTempPoint>> Series; // [series][hour row]
    bool LeapYear = false;                       // holds a row for 29 February

    int HourCount() const { return Series.empty() ? 0 : static_cast<int>(Series.front().size()); }
};
TemperatureFile ReadTemperatureFile(const std::filesystem::path& file);

// The integer in characters 7 and 8 of a climate file name ("climat05.TXT" gives 5), 0 when there
// is none.
int ClimateNumberOfFileName(std::string_view name);

// The dry-bulb temperatures of a climate file, one point an hour.
struct WeatherFile {
    std::vector<TTempPoint> Temps;
    bool LeapYear = false; // holds a row for 29 February
};
WeatherFile ReadWeatherFile(const std::filesystem::path& file);

// The start dates of the six typical periods of each climate, in file order: cold week in winter,
// warm week in winter, cool week in summer, hot week in summer, sunny day in March, cloudy day in
// March.  Entry c − 1 belongs to climate c.
using TypicalPeriodTable = std::vector<std::array<CalendarDate, kTypicalPeriodCount>>;
TypicalPeriodTable ReadExtremeFile(const std::filesystem::path& file);

// ---- Temperature bins -----------------------------------------------------------------------------

// Bin 0 holds values below 10 °C, bin b (1..27) values from 9 + b up to 10 + b, bin 28 values of
// 37 °C and above.
inline constexpr int kTemperatureBins = 29;
using BinRow = std::array<int, kTemperatureBins>;
int TemperatureBin(double temperature);

// The distribution table's lines: its title and the heading of the bins.
inline constexpr const char* kBinTableTitle =
    "Number of Hours per Year that the Zone Spends at Each Temperature";
std::string BinTableHeading();
// One row: `name` cut or padded to 16 characters, a blank, then each count right-aligned in four
// characters after a blank.
std::string BinTableRow(std::string_view name, const BinRow& counts);
// The bars' labels: "<10", " 10" .. " 36", ">36".
std::vector<std::string> BinBarLabels();

} // namespace pelmora
