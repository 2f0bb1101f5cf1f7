// The climate statistics and the summary table: a two-day fixture worked by hand, the sun's
// altitude against almanac values, and the files of the summary.
#include <gtest/gtest.h>

#include "common/climate_record.h"
#include "model_fixture.h"
#include "modeller/model/climate_statistics.h"
#include "site_fixture.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace pelmora {
namespace {

using site_test::climateLine;

constexpr double kDegree = std::numbers::pi / 180.0;

// Day 1: 31 January, 10.0 °C but -12.3 °C at hour 3 and 25.0 °C at hour 14; 8.0 g/kg but 10.4 at
// hour 14; diffuse 100 W/m² from hour 6 to 17.
// Day 2, the 1st of February: 30.0 °C in its first record, -2.0 °C at record 6, 5.0 °C otherwise;
// 6.0 g/kg; diffuse 50 W/m² in 10 records.  No beam, so the radiation needs no sun position.
std::string twoDayFile() {
    std::string text;
    for (int h = 0; h < 24; ++h) {
        const int t = h == 3 ? -123 : h == 14 ? 250 : 100;
        text += climateLine(1, 31, h, t, h == 14 ? 104 : 80, h >= 6 && h <= 17 ? 100 : 0, 0) + "\r\n";
    }
    for (int k = 1; k <= 24; ++k) {
        const int t = k == 1 ? 300 : k == 6 ? -20 : 50;
        text += climateLine(2, 1, k - 1, t, 60, k >= 8 && k <= 17 ? 50 : 0, 0) + "\r\n";
    }
    return text;
}

TEST(ClimateRecord, ReadsTheDryBulbWithItsSign) {
    // The four columns of the dry bulb hold the sign: "-123" is -12.3 °C, " -79" is -7.9 °C.
    for (const auto& [tenths, celsius] : {std::pair{-123, -12.3}, {-79, -7.9}, {215, 21.5}, {0, 0.0}}) {
        common::ClimateRecordFields r;
        ASSERT_EQ(common::readClimateRecord(climateLine(7, 15, 3, tenths, 41, 120, 850), r), 0);
        EXPECT_NEAR(r.dryBulb, celsius, 1e-12) << tenths;
        EXPECT_EQ(r.month, 7);
        EXPECT_EQ(r.day, 15);
        EXPECT_EQ(r.hour, 3);
        EXPECT_NEAR(r.moisture, 4.1, 1e-12);
        EXPECT_NEAR(r.diffuse, 120.0, 1e-12);
        EXPECT_NEAR(r.direct, 850.0, 1e-12);
    }
    common::ClimateRecordFields r;
    std::string bad = climateLine(1, 1, 0, 100, 80, 0, 0);
    bad[12] = 'x';
    EXPECT_EQ(common::readClimateRecord(bad, r), 11) << "the first column of the dry bulb";
}

TEST(ClimateStatistics, TwoDaysAcrossAMonthWorkedByHand) {
    model_test::TempFolder folder;
    const auto file = folder.write("climat07.TXT", twoDayFile());
    const TClimateStatistics s = ComputeClimateStatistics(file, -31.95);

    // January: one day.
    EXPECT_EQ(s.Days(1), 1.0);
    EXPECT_NEAR(s.Maximum(1), 25.0, 1e-9);
    EXPECT_NEAR(s.Minimum(1), -12.3, 1e-9) << "a sub-zero hour keeps its sign";
    EXPECT_NEAR(s.Swing(1), 37.3, 1e-9);
    EXPECT_NEAR(s.MeanTemperature(1), (22 * 10.0 + 25.0 - 12.3) / 24, 1e-9);
    EXPECT_NEAR(s.Humidity(1), (23 * 8.0 + 10.4) / 24, 1e-9);
    EXPECT_NEAR(s.Radiation(1), 12 * 100 * 0.0036, 1e-9); // Wh/m² to MJ/m²
    EXPECT_NEAR(s.NeutralTemperature(1), 0.31 * (232.7 / 24) + 17.6, 1e-9);
    // February: the day whose first record is dated 31 January.
    EXPECT_EQ(s.Days(2), 1.0);
    EXPECT_NEAR(s.Maximum(2), 30.0, 1e-9);
    EXPECT_NEAR(s.Minimum(2), -2.0, 1e-9);
    EXPECT_NEAR(s.Swing(2), 32.0, 1e-9);
    EXPECT_NEAR(s.MeanTemperature(2), 5.75, 1e-9);
    EXPECT_NEAR(s.Humidity(2), 6.0, 1e-9);
    EXPECT_NEAR(s.Radiation(2), 10 * 50 * 0.0036, 1e-9);
    // Months the file does not hold stay at zero instead of dividing by no days.
    for (int m = 3; m <= 12; ++m) {
        EXPECT_EQ(s.Days(m), 0.0);
        EXPECT_EQ(s.MeanTemperature(m), 0.0);
        EXPECT_EQ(s.NeutralTemperature(m), 0.0);
        EXPECT_TRUE(std::isfinite(s.Maximum(m)));
    }
    // The annual means are those of the months that have days.
    EXPECT_NEAR(s.AnnualRadiation, (4.32 + 1.8) / 2, 1e-9);
    EXPECT_NEAR(s.AnnualTemperature, (232.7 / 24 + 5.75) / 2, 1e-9);
}

TEST(ClimateStatistics, NeutralTemperatureOfTwentyDegrees) {
    EXPECT_NEAR(NeutralTemperatureOf(20.0), 23.8, 1e-12);
}

TEST(ClimateStatistics, SunAltitudeAgreesWithTheAlmanac) {
    // Noon altitude is 90° − |latitude − declination|; declinations from the almanac: +23.44° at the
    // June solstice, -23.44° at the December one, about 0° at the March equinox.
    EXPECT_NEAR(SolarAltitude(21, 6, 12, -33.9) / kDegree, 90 - (33.9 + 23.44), 0.15);
    EXPECT_NEAR(SolarAltitude(21, 12, 12, -33.9) / kDegree, 90 - (33.9 - 23.44), 0.15);
    EXPECT_NEAR(SolarAltitude(20, 3, 12, -33.9) / kDegree, 90 - 33.9, 0.5);
    // At the equator (latitude 0 is moved off zero) on the March equinox the noon sun stands overhead.
    EXPECT_NEAR(SolarAltitude(20, 3, 12, 0.0) / kDegree, 90.0, 0.5);
    // Morning and afternoon mirror each other in solar time; midnight has no sun.
    EXPECT_NEAR(SolarAltitude(15, 1, 9, -20.0), SolarAltitude(15, 1, 15, -20.0), 1e-12);
    EXPECT_EQ(SolarAltitude(15, 1, 0, -20.0), 0.0);
    // 15 January is day 14 of the year in this count: its altitude lies between those of the 14th
    // and 16th.
    const double a14 = SolarAltitude(14, 1, 12, -40.0), a15 = SolarAltitude(15, 1, 12, -40.0),
                 a16 = SolarAltitude(16, 1, 12, -40.0);
    EXPECT_LT(std::min(a14, a16), a15);
    EXPECT_GT(std::max(a14, a16), a15);
}

TEST(ClimateStatistics, BeamCountsWithTheSineOfTheSunsAltitude) {
    model_test::TempFolder folder;
    std::string text;
    for (int h = 0; h < 24; ++h) text += climateLine(6, 21, h, 100, 50, 0, h == 12 ? 800 : 0) + "\r\n";
    const TClimateStatistics s = ComputeClimateStatistics(folder.write("c.TXT", text), -33.9);
    const double sine = std::sin((90 - (33.9 + 23.44)) * kDegree);
    EXPECT_NEAR(s.Radiation(6), 800 * sine * 0.0036, 800 * 0.0036 * 0.003);
}

TEST(ClimateStatistics, ADamagedFileIsAnErrorNamingFileAndLine) {
    model_test::TempFolder folder;
    std::string day;
    for (int h = 0; h < 24; ++h) day += climateLine(1, 1, h, 100, 80, 0, 0) + "\r\n";
    struct Case {
        std::string text;
        const char* says;
    };
    // The day with record `h` (0-based) replaced by `line`, and a day of 1 January `d`.
    const auto dayWith = [](int h, const std::string& line) {
        std::string text;
        for (int k = 0; k < 24; ++k) text += (k == h ? line : climateLine(1, 1, k, 100, 80, 0, 0)) + "\r\n";
        return text;
    };
    const auto dayOf = [](int d) {
        std::string text;
        for (int k = 0; k < 24; ++k) text += climateLine(1, d, k, 100, 80, 0, 0) + "\r\n";
        return text;
    };
    std::string letter = day;
    letter[3 * 46 + 12] = 'x'; // record 4's dry bulb
    const Case cases[] = {
        {letter, "line 4: the field at column 11"},
        {day + climateLine(13, 1, 0, 100, 80, 0, 0) + "\r\n", "month 13"},
        {day + climateLine(2, 0, 0, 100, 80, 0, 0) + "\r\n", "day 0"},
        {day + climateLine(2, 30, 0, 100, 80, 0, 0) + "\r\n", "day 30 is out of range for month 2"},
        {day + climateLine(2, 1, 24, 100, 80, 0, 0) + "\r\n", "hour 24"},
        {day + climateLine(1, 2, 0, 100, 80, 0, 0) + "\r\n", "ends inside a day"},
        {day + "\r\n" + day, "empty line"},
        {dayWith(2, climateLine(1, 1, 2, 100, 80, 0, 0).substr(0, 10)),
         "line 3: the record ends after column 10; its fields run to column 44"},
        {dayWith(3, climateLine(1, 1, 3, 100, 80, 0, 0).replace(10, 4, "    ")),
         "line 4: the dry bulb (columns 11-14) is blank: no reading"},
        {dayWith(4, climateLine(1, 1, 4, 100, 80, 0, 0).replace(14, 3, "   ")),
         "line 5: the moisture (columns 15-17) is blank: no reading"},
        {dayWith(5, std::string(44, ' ')), "line 6: a blank line"},
        {"", "is empty: it holds no record"},
        {dayWith(4, climateLine(1, 1, 4, 9999, 80, 0, 0)),
         "line 5: dry bulb (columns 11-14) 999.9 outside -70 to 60 °C"},
        {dayWith(5, climateLine(1, 1, 5, 100, 600, 0, 0)),
         "line 6: moisture (columns 15-17) 60 outside 0 to 50 g/kg"},
        {dayWith(6, climateLine(1, 1, 6, 100, 80, -50, 0)),
         "line 7: diffuse irradiance (columns 38-40) -50 outside 0 to 1420 W/m²"},
        {dayWith(7, climateLine(1, 1, 7, 100, 80, 0, 9999)),
         "line 8: direct irradiance (columns 41-44) 9999 outside 0 to 1420 W/m²"},
        {day + day, "line 25: 1 January hour 0 does not follow 1 January hour 23"},
        {day + dayOf(3), "line 25: 3 January hour 0 does not follow 1 January hour 23"},
        {dayWith(3, climateLine(1, 1, 2, 100, 80, 0, 0)),
         "line 4: 1 January hour 2 does not follow 1 January hour 2"},
        {dayWith(0, climateLine(1, 1, 5, 100, 80, 0, 0)),
         "line 1: the first record is 1 January hour 5, not hour 0"},
    };
    for (const Case& c : cases) {
        const auto file = folder.write("bad.TXT", c.text);
        const std::string error = model_test::modelErrorOf([&] { ComputeClimateStatistics(file, -30.0); });
        EXPECT_NE(error.find("bad.TXT"), std::string::npos) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    // Empty lines after the last record close the file.
    const TClimateStatistics s = ComputeClimateStatistics(folder.write("ok.TXT", day + "\r\n\r\n"), -30.0);
    EXPECT_EQ(s.Days(1), 1.0);
}

TEST(ClimateSummary, TableByteForByte) {
    model_test::TempFolder folder;
    folder.write("OUTPUT/keep", "");
    const auto climate = folder.write("Data/Climate/climat07.TXT", twoDayFile());
    const TClimateStatistics s = ComputeClimateStatistics(climate, -31.95);
    const auto written =
        WriteClimateSummary(folder.path(), "climat07.TXT", s, "/pf/DATA/CLIMATE/climat07.TXT");
    EXPECT_EQ(written, folder.path() / "OUTPUT" / "climat07.CLM");

    std::string expected = "Climate data file name: /pf/DATA/CLIMATE/climat07.TXT\r\n"
                           "\r\n"
                           "      DATA  AV MAX  AV MIN  AV TEMP   AV     NEUT     AV      AV\r\n"
                           "MONTH DAYS   TEMP    TEMP    SWING   TEMP    TEMP     RAD     HUM\r\n"
                           "JAN     1    25.0    -12.3    37.3     9.7    20.6     4.3     8.1\r\n"
                           "FEB     1    30.0    -2.0    32.0     5.8    19.4     1.8     6.0\r\n";
    for (const char* month : {"MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"})
        expected += std::string(month) + "     0     0.0     0.0     0.0     0.0     0.0     0.0     0.0\r\n";
    expected += "\r\n"
                "Average Daily Radiation on Horizontal Plane 3.06 MJ/m2\r\n"
                "Average Daily Temperature                   7.72 Deg C\r\n";
    std::ifstream in(written, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), expected);
}

TEST(ClimateSummary, FileNameAndAMissingOutputFolder) {
    model_test::TempFolder folder;
    EXPECT_EQ(ClimateSummaryFile(folder.path(), "climat62.TXT").filename(), "climat62.CLM");
    const std::string error = model_test::modelErrorOf(
        [&] { WriteClimateSummary(folder.path(), "climat62.TXT", TClimateStatistics{}, "x"); });
    EXPECT_NE(error.find("climat62.CLM"), std::string::npos) << error;
}

TEST(ClimateCharts, BarsSpanMinimumToMaximumAndAxesWidenOnlyWhenNeeded) {
    TClimateStatistics s;
    s.Minimum(1) = 12.0, s.Maximum(1) = 30.0;
    s.Minimum(7) = -3.2, s.Maximum(7) = 6.5;
    const TemperatureBars bars = TemperatureBarsOf(s);
    EXPECT_DOUBLE_EQ(bars.lower(1) + bars.upper(1), 30.0);
    EXPECT_DOUBLE_EQ(bars.lower(1), 12.0);
    EXPECT_DOUBLE_EQ(bars.lower(7), -3.2) << "hangs below the axis";
    EXPECT_DOUBLE_EQ(bars.upper(7), 6.5) << "rises from 0 to the maximum";

    const ChartScale t = ChartScaleFor(s.Minimum, s.Maximum, 0, 40, 5);
    EXPECT_EQ(t.minimum, -5.0);
    EXPECT_EQ(t.maximum, 40.0);
    MonthlyValues humidity{};
    humidity(2) = 21.3;
    const ChartScale h = ChartScaleFor(humidity, humidity, 0, 20, 5);
    EXPECT_EQ(h.minimum, 0.0);
    EXPECT_EQ(h.maximum, 25.0);
}

} // namespace
} // namespace pelmora
