#include "modeller/model/climate_statistics.h"

#include "common/climate_record.h"
#include "common/file_lookup.h"
#include "common/rounding.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>

namespace pelmora {

namespace {

constexpr double kNeutralSlope = 0.31;  // K/K
constexpr double kNeutralOffset = 17.6; // °C
constexpr double kMegajoulesPerWattHour = 3.6 / 1000.0;
constexpr double kDailyMaximumStart = -30.0; // °C
constexpr double kDailyMinimumStart = 50.0;  // °C
constexpr std::size_t kSummaryNameLength = 8;
constexpr std::string_view kSummaryFolder = "OUTPUT";

// Day of the year before the first of each month, less one (no leap day).
constexpr std::array<int, 13> kMonthOffset{0, -1, 30, 58, 89, 119, 150, 180, 211, 242, 272, 303, 333};
constexpr std::array<std::string_view, 13> kMonthNames{"",    "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

constexpr std::string_view kHeading1 = "      DATA  AV MAX  AV MIN  AV TEMP   AV     NEUT     AV      AV";
constexpr std::string_view kHeading2 = "MONTH DAYS   TEMP    TEMP    SWING   TEMP    TEMP     RAD     HUM";
constexpr std::string_view kColumnGap = "    ";

// A value right-aligned in at least `width` characters with `decimals` decimals, halves to even.
std::string fixedText(double value, int width, int decimals) {
    double rounded = common::roundHalfEven(value, decimals);
    if (rounded == 0.0) rounded = 0.0; // no "-0.0"
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, rounded);
    return text;
}

// The sums of one day of records.
struct DaySums {
    double maximum = kDailyMaximumStart;
    double minimum = kDailyMinimumStart;
    double temperature = 0.0; // Σ T, °C
    double humidity = 0.0;    // Σ H, g/kg
    double radiation = 0.0;   // Σ horizontal irradiance, Wh/m²
    int month = 0;            // month of the last record
};

class ClimateReader {
  public:
    ClimateReader(const std::filesystem::path& file) : file_(file), in_(file, std::ios::binary) {
        if (!in_) throw ModelError("Cannot open the climate file " + file.string());
    }

    // The next record; false at the end of the file.
    bool next(common::ClimateRecordFields& record) {
        std::string line;
        for (;;) {
            if (!std::getline(in_, line)) return false;
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) break;
            // An empty line may only close the file.
            ++emptyLines_;
        }
        if (emptyLines_ > 0) fail("an empty line stands among the records");
        if (const int column = common::readClimateRecord(line, record); column != 0) {
            // A record cut short, or without its dry bulb or moisture, holds no reading to average.
            if (common::climateReadingMissing(line, column))
                fail(common::climateRecordFaultText(line, column));
            fail("the field at column " + std::to_string(column) + " is not a number");
        }
        // The same calendar as the engine's: the month indexes the monthly sums.
        if (record.month < 1 || record.month > 12)
            fail("month " + std::to_string(record.month) + " is out of range");
        if (record.day < 1 || record.day > common::daysInMonth(record.month))
            fail("day " + std::to_string(record.day) + " is out of range for month " +
                 std::to_string(record.month));
        if (record.hour < 0 || record.hour > 23)
            fail("hour " + std::to_string(record.hour) + " is out of range");
        if (const common::ClimateField field = common::fieldOutOfRange(record);
            field != common::ClimateField::None)
            fail(common::fieldRangeText(field, record));
        if (!calendar_.take(record.month, record.day, record.hour))
            fail(calendar_.faultText(record.month, record.day, record.hour));
        return true;
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw ModelError("Climate file " + file_.string() + ", line " + std::to_string(lineNumber_) + ": " +
                         what);
    }
    int lineNumber() const { return lineNumber_; }

  private:
    std::filesystem::path file_;
    std::ifstream in_;
    int lineNumber_ = 0;
    int emptyLines_ = 0;
    // The days are read as 24 records each: the records must run hour by hour from hour 0 of a day.
    common::ClimateCalendar calendar_{false};
};

// Reads the next day; false when the file ended before its first record.
bool readDay(ClimateReader& reader, double latitude, DaySums& day) {
    day = DaySums{};
    for (int k = 1; k <= kClimateRecordsPerDay; ++k) {
        common::ClimateRecordFields r;
        if (!reader.next(r)) {
            if (k == 1) return false;
            reader.fail("the file ends inside a day, after " + std::to_string(k - 1) + " of its " +
                        std::to_string(kClimateRecordsPerDay) + " records");
        }
        day.maximum = std::max(day.maximum, r.dryBulb);
        day.minimum = std::min(day.minimum, r.dryBulb);
        day.temperature += r.dryBulb;
        day.humidity += r.moisture;
        day.radiation += r.diffuse + r.direct * std::sin(SolarAltitude(r.day, r.month, k - 1, latitude));
        day.month = r.month;
    }
    return true;
}

} // namespace

double NeutralTemperatureOf(double meanTemperature) {
    return kNeutralSlope * meanTemperature + kNeutralOffset;
}

double SolarAltitude(int day, int month, int hour, double latitude) {
    if (latitude == 0.0) latitude = 0.00001;
    if (latitude == 90.0) latitude = 89.99999;
    const double phi = latitude * std::numbers::pi / 180.0;
    const int n = day + kMonthOffset[static_cast<std::size_t>(month)];
    const double g = 2.0 * std::numbers::pi * n / 365.0;
    const double declination = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) -
                               0.006758 * std::cos(2 * g) + 0.000907 * std::sin(2 * g) -
                               0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
    const double omega = (hour - 12) * 2.0 * std::numbers::pi / 24.0;
    const double sine =
        std::cos(phi) * std::cos(declination) * std::cos(omega) + std::sin(phi) * std::sin(declination);
    // Rounding can carry the sine a hair past ±1.
    const double altitude = std::asin(std::clamp(sine, -1.0, 1.0));
    return altitude < 0.0 ? 0.0 : altitude;
}

TClimateStatistics ComputeClimateStatistics(const std::filesystem::path& climateFile, double latitude) {
    TClimateStatistics s;
    ClimateReader reader(climateFile);
    DaySums day;
    if (!readDay(reader, latitude, day))
        throw ModelError("Climate file " + climateFile.string() + " is empty: it holds no record");
    do {
        const int m = day.month;
        s.Radiation(m) += day.radiation * kMegajoulesPerWattHour;
        s.MeanTemperature(m) += day.temperature / kClimateRecordsPerDay;
        s.Maximum(m) += day.maximum;
        s.Minimum(m) += day.minimum;
        s.Swing(m) += day.maximum - day.minimum;
        s.Humidity(m) += day.humidity / kClimateRecordsPerDay;
        s.Days(m) += 1.0;
    } while (readDay(reader, latitude, day));
    int months = 0;
    for (int m = 1; m <= 12; ++m) {
        const double days = s.Days(m);
        // A month the file does not hold keeps its zeros.
        if (days == 0.0) continue;
        for (MonthlyValues* v :
             {&s.Radiation, &s.MeanTemperature, &s.Maximum, &s.Minimum, &s.Swing, &s.Humidity})
            (*v)(m) /= days;
        s.NeutralTemperature(m) = NeutralTemperatureOf(s.MeanTemperature(m));
        s.AnnualRadiation += s.Radiation(m);
        s.AnnualTemperature += s.MeanTemperature(m);
        ++months;
    }
    if (months > 0) {
        s.AnnualRadiation /= months;
        s.AnnualTemperature /= months;
    }
    return s;
}

TemperatureBars TemperatureBarsOf(const TClimateStatistics& s) {
    TemperatureBars bars;
    for (int m = 1; m <= 12; ++m) {
        bars.lower(m) = s.Minimum(m);
        bars.upper(m) = s.Maximum(m) - std::max(s.Minimum(m), 0.0);
    }
    return bars;
}

ChartScale ChartScaleFor(const MonthlyValues& low, const MonthlyValues& high, double designedMinimum,
                         double designedMaximum, double step) {
    ChartScale scale{designedMinimum, designedMaximum};
    for (int m = 1; m <= 12; ++m) {
        scale.minimum = std::min(scale.minimum, std::floor(low(m) / step) * step);
        scale.maximum = std::max(scale.maximum, std::ceil(high(m) / step) * step);
    }
    return scale;
}

std::optional<std::filesystem::path> FindClimateFile(const std::filesystem::path& rootDir,
                                                     std::string_view climateFileName) {
    if (climateFileName.empty()) return std::nullopt;
    return common::findCaseInsensitive(rootDir, "DATA/CLIMATE/" + std::string(climateFileName));
}

std::filesystem::path ExpectedClimateFile(const std::filesystem::path& rootDir,
                                          std::string_view climateFileName) {
    return rootDir / "DATA" / "CLIMATE" / std::string(climateFileName);
}

std::string ClimateSummaryText(const TClimateStatistics& s, const std::string& climateFile) {
    common::TextFileWriter out;
    out.line("Climate data file name: " + climateFile);
    out.line("");
    out.line(kHeading1);
    out.line(kHeading2);
    for (int m = 1; m <= 12; ++m) {
        std::string line(kMonthNames[static_cast<std::size_t>(m)]);
        line += kColumnGap;
        line += fixedText(s.Days(m), 2, 0);
        for (double value : {s.Maximum(m), s.Minimum(m), s.Swing(m), s.MeanTemperature(m),
                             s.NeutralTemperature(m), s.Radiation(m), s.Humidity(m)}) {
            line += kColumnGap;
            line += fixedText(value, 4, 1);
        }
        out.line(line);
    }
    out.line("");
    out.line("Average Daily Radiation on Horizontal Plane " + fixedText(s.AnnualRadiation, 4, 2) + " MJ/m2");
    out.line("Average Daily Temperature                   " + fixedText(s.AnnualTemperature, 4, 2) +
             " Deg C");
    return out.text();
}

std::filesystem::path ClimateSummaryFile(const std::filesystem::path& rootDir,
                                         std::string_view climateFileName) {
    const std::string name = std::string(climateFileName.substr(0, kSummaryNameLength)) + ".CLM";
    return common::resolveForWriting(rootDir, std::string(kSummaryFolder) + "/" + name);
}

std::filesystem::path WriteClimateSummary(const std::filesystem::path& rootDir,
                                          std::string_view climateFileName,
                                          const TClimateStatistics& statistics,
                                          const std::string& climateFile) {
    const std::filesystem::path file = ClimateSummaryFile(rootDir, climateFileName);
    try {
        common::writeFileAtomically(file, ClimateSummaryText(statistics, climateFile));
    } catch (const std::exception& e) {
        throw ModelError(e.what());
    }
    return file;
}

} // namespace pelmora
