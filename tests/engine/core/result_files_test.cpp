#include "engine/core/result_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using engine::ReportFormat;
using engine::ResultFormats;
namespace rf = engine::resultformat;
using Lines = std::vector<std::string>;

std::string name15(const std::string& s) {
    std::string padded = s;
    padded.resize(15, ' ');
    return padded;
}

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
std::string dashes(int n) {
    return std::string(static_cast<std::size_t>(n), '-');
}

TEST(ResultFiles, TemperatureFileHeadListsOnlyTheListedZones) {
    ResultFormats formats;
    engine::completeResultFormats(formats, 5, 2);
    const std::vector<std::string> names = {name15("Living"), name15("Bed 1")};

    EXPECT_EQ(engine::temLatitudeLine(-27.48, "climat10.TXT"), "-27.5 climat10.TXT");
    const Lines expected = {
        " Total number of zones =   2",
        "",
        " Month Day Hour Outdoor Living          Bed 1          ",
    };
    EXPECT_EQ(engine::temHeadLines(formats, names), expected);
}

TEST(ResultFiles, NoListedZoneLeavesOnlyTheOutdoorColumn) {
    ResultFormats formats;
    engine::completeResultFormats(formats, 3, 0);
    const Lines head = {" Total number of zones =   0", "", " Month Day Hour Outdoor"};
    EXPECT_EQ(engine::temHeadLines(formats, {}), head);
    EXPECT_EQ(formats.temHour.lines({2LL, 28LL, 12LL, 31.24}), Lines{"     2  28   12    31.2"});
}

TEST(ResultFiles, TemperatureHourLinesKeepTheirColumns) {
    ResultFormats formats;
    engine::completeResultFormats(formats, 5, 0);
    // Month 1, day 2, hour 23, outdoor and two listed zones: the count of 5 is never exhausted.
    const std::vector<fw::Value> values = {1LL, 2LL, 23LL, 21.34, 20.0, -3.26};
    const Lines expected = {"     1   2   23    21.3            20.0            -3.3"};
    EXPECT_EQ(formats.temHour.lines(values), expected);
    // Columns: month 5-6, day 9-10, hour 14-15, outdoor 16-23, zone i in 24 + 16(i - 1) .. 39 + 16(i - 1).
    const std::string& line = expected.front();
    EXPECT_EQ(line.substr(4, 2), " 1");
    EXPECT_EQ(line.substr(8, 2), " 2");
    EXPECT_EQ(line.substr(13, 2), "23");
    EXPECT_EQ(line.substr(15, 8), "    21.3");
    EXPECT_EQ(line.substr(23, 16), "            20.0");
    EXPECT_EQ(line.substr(39, 16), "            -3.3");

    // With humidity output the wind speed and moisture take the next two fields.
    const std::vector<fw::Value> humid = {12LL, 31LL, 0LL, -1.0, 18.5, 3.4, 8.26};
    const Lines expectedHumid = {"    12  31    0    -1.0            18.5             3.4             8.3"};
    EXPECT_EQ(formats.temHourHumid.lines(humid), expectedHumid);
}

TEST(ResultFiles, EnergyFileHeadNamesEachConditionedZone) {
    ResultFormats formats;
    engine::completeResultFormats(formats, 4, 2);
    const std::vector<std::string> names = {name15("Living"), name15("Bed 1")};
    const Lines expected = {
        "Test house" + blanks(26),
        " Total number of conditioned zones =   2",
        "",
        " Month Day Hour     ----Living         ---     ----Bed 1          ---",
        blanks(15) + "     Heat    CoolS    CoolL     Heat    CoolS    CoolL",
    };
    EXPECT_EQ(engine::energyHeadLines(formats, "Test house", names), expected);

    const std::vector<fw::Value> hour = {7LL, 15LL, 9LL, 1.26, 0.0, 0.0, 0.0, 3.46, 0.71};
    const Lines hourLine = {"     7  15    9      1.3      0.0      0.0      0.0      3.5      0.7"};
    EXPECT_EQ(formats.energyHour.lines(hour), hourLine);
}

TEST(ResultFiles, NoConditionedZoneLeavesNoEnergyFormats) {
    ResultFormats formats;
    engine::completeResultFormats(formats, 3, 0);
    EXPECT_EQ(formats.energyHour.lines({}), Lines{""});
    EXPECT_THROW(formats.energyHour.lines({1LL}), std::invalid_argument);
}

TEST(ResultFiles, MonthlyTemperatureTable) {
    ResultFormats formats;
    engine::completeResultFormats(formats, 2, 0);
    const std::vector<fw::Value> values = {
        std::string("JAN"), 2006LL, name15("Living"), name15("Bed 1"), 18.04, 20.5, 19.96, 10.0, 5.56, 4.0};
    const Lines expected = {
        "",
        " MEAN TEMPERATURE AND MEAN OF DAILY TEMPERATURE RANGES FOR JAN 2006",
        " " + dashes(66),
        "",
        "        EXTERNAL Living          Bed 1          ",
        " TEMP     18.0     20.5     20.0",
        " RANGE    10.0      5.6      4.0",
    };
    EXPECT_EQ(formats.monthTemperatures.lines(values), expected);
}

TEST(ResultFiles, SummaryHeadingsAndDistributionLines) {
    const Lines distribution = {
        "",
        "",
        blanks(18) + "MONTH TEMPERATURE DISTRIBUTION FOR FEB 2006",
        blanks(18) + dashes(43),
        "",
        blanks(36) + "TEMP (DEG C)",
        blanks(18) + "  <12  12-15 15-18 18-21 21-24 24-27 27-30  >30    TOTAL",
        blanks(20) + dashes(45) + blanks(4) + "-----",
        "",
    };
    EXPECT_EQ(ReportFormat(rf::kMonthDistributionHeading).lines({std::string("FEB"), 2006LL}), distribution);

    const Lines period = {
        "",
        "",
        " SUMMARY FOR ENTIRE PERIOD OF CALCULATION   1. 1.2006 TO 31.12.2006   ( 365 DAYS)",
        " " + dashes(40),
    };
    EXPECT_EQ(ReportFormat(rf::kPeriodHeading).lines({1LL, 1LL, 2006LL, 31LL, 12LL, 2006LL, 365LL}), period);

    EXPECT_EQ(ReportFormat(rf::kOccurrences).lines({0LL, 12LL, 130LL, 250LL, 200LL, 100LL, 28LL, 0LL, 720LL}),
              Lines{" No. of occurrences   0    12   130   250   200   100    28     0      720"});
    EXPECT_EQ(ReportFormat(rf::kStatedHoursZone)
                  .lines({name15("Living"), std::string("0900"), std::string("1700")}),
              Lines{" Living          (0900-1700)"});
    EXPECT_EQ(ReportFormat(rf::kDayDate).lines({std::string("MAR"), 2006LL, 5LL}),
              (Lines{"", "", blanks(10) + "MAR 2006     DAY  5"}));
    EXPECT_EQ(ReportFormat(rf::kSeparator).lines({}), Lines{""});
    EXPECT_EQ(ReportFormat(rf::kMonthHeating).lines({name15("Living"), 1234.56}),
              Lines{" HEATING ENERGY (MJ): Living                 1234.6"});
    EXPECT_EQ(ReportFormat(rf::kProgress).lines({engine::monthAbbreviation(12)}),
              Lines{" CALCULATIONS COMPLETED FOR DEC"});
    EXPECT_EQ(ReportFormat(rf::kTerminatedNormally).lines({}),
              (Lines{"", "", blanks(15) + "PROGRAM TERMINATED NORMALLY"}));
}

TEST(ResultFiles, EveryStoredFormatParses) {
    const std::string_view fixed[] = {
        rf::kTemLatitude,
        rf::kTemZoneCount,
        rf::kEnergyJob,
        rf::kEnergyZoneCount,
        rf::kDayDate,
        rf::kSeparator,
        rf::kDayHeating,
        rf::kDayHeatingPeak,
        rf::kDaySensibleCooling,
        rf::kDayLatentCooling,
        rf::kDaySensiblePeak,
        rf::kDayLatentPeak,
        rf::kMonthHeading,
        rf::kMonthHeating,
        rf::kMonthHeatingPeak,
        rf::kSensibleCooling,
        rf::kLatentCooling,
        rf::kSensiblePeak,
        rf::kLatentPeak,
        rf::kMonthDistributionHeading,
        rf::kStatedHoursZone,
        rf::kOccurrences,
        rf::kPercentages,
        rf::kStatedHoursMeansHeading,
        rf::kStatedHoursMean,
        rf::kPeriodHeading,
        rf::kPeriodHeatingPeak,
        rf::kOverallDistributionHeading,
        rf::kTerminatedNormally,
        rf::kNatrepTotals,
        rf::kNatrepPerArea,
        rf::kProgress,
    };
    for (std::string_view f : fixed) EXPECT_NO_THROW(ReportFormat{f}) << f;
    // Templates are not formats until their counts are written in.
    EXPECT_THROW(ReportFormat{rf::kTemHour}, std::invalid_argument);
}

TEST(ResultFiles, TemplateCountsAreWrittenAsI3) {
    const int one[] = {7};
    EXPECT_EQ(engine::completeTemplate(rf::kTemHour, one), "(4x,i2,2x,i2,3x,i2,f8.1,  7f16.1)");
    const int three[] = {12, 13, 13};
    EXPECT_EQ(engine::completeTemplate(rf::kPeriodTemperatures, three).find("***"), std::string::npos);
    EXPECT_THROW(engine::completeTemplate(rf::kTemHour, three), std::invalid_argument);
    const int tooBig[] = {1000};
    EXPECT_THROW(engine::completeTemplate(rf::kTemHour, tooBig), std::invalid_argument);
}

TEST(ResultFiles, NatrepRecordsAndOverflow) {
    engine::NatrepTotals totals{12345.67, 2200.0, 300.04, 8.26, 6.0, 1.04};
    const Lines expected = {
        "  12345.7", "   2200.0", "    300.0", "   8.3",    "   6.0",    "   1.0",
        "    61.73", "    11.00", "     1.50", "    12.50", "    74.23", "     0.00",
    };
    // 200 m2 of conditioned floor: 12345.67 / 200 = 61.728, 2200 / 200 = 11, 300.04 / 200 = 1.5002.
    EXPECT_EQ(engine::natrepLines(totals, 0.0, 200.0), expected);
    // A conditioned area of 0.1 m2 or less gives record 1 only.
    EXPECT_EQ(engine::natrepLines(totals, 0.0, 0.1).size(), 6u);
    // A value too wide for F9.1 is written as nine asterisks.
    totals.heating = 12345678.9;
    EXPECT_EQ(engine::natrepRecord1(totals).front(), "*********");
}

TEST(ResultFiles, FormatTakesLiteralsAndGoesOnFromItsLastGroup) {
    const ReportFormat f("(1X,'A''B',2(1H-),I2,(1X,I1))");
    EXPECT_EQ(f.lines({5LL}), Lines{" A'B-- 5"});
    EXPECT_EQ(f.lines({5LL, 1LL, 2LL}), (Lines{" A'B-- 5 1", " 2"}));
    EXPECT_THROW(ReportFormat("(I3"), std::invalid_argument);
    EXPECT_THROW(ReportFormat("(1X,'open)"), std::invalid_argument);
    EXPECT_THROW(f.lines({std::string("x")}), std::invalid_argument);
    // A format whose last group takes no value cannot take more values than its fields.
    EXPECT_THROW(ReportFormat("(I2,(1X))").lines({1LL, 2LL}), std::invalid_argument);
}

} // namespace
