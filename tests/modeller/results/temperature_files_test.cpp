// Reading the engine's hourly temperature files, the climate files' dry bulb and the typical periods
// back, the calendar of day numbers, and the one-degree bins of the distribution table.
#include "modeller/results/temperature_files.h"

#include "modeller/model/model_error.h"
#include "temperature_fixture.h"
#include "tests/support/temporary_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using namespace temperature_test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string errorOf(auto action) {
    try {
        action();
    } catch (const ModelError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Calendar, DayNumbersAndTheirDates) {
    EXPECT_EQ(DayOfYear(1, 1, false), 1);
    EXPECT_EQ(DayOfYear(1, 3, false), 60);
    EXPECT_EQ(DayOfYear(1, 3, true), 61);
    EXPECT_EQ(DayOfYear(31, 12, true), 366);
    struct Case {
        int n;
        bool leap;
        const char* text;
    };
    for (const Case& c : {Case{32, false, " 1 FEB"}, Case{366, false, " 1 JAN"}, Case{0, false, " 1 JAN"},
                          Case{-5, true, " 1 JAN"}, Case{60, true, "29 FEB"}, Case{60, false, " 1 MAR"},
                          Case{365, false, "31 DEC"}, Case{366, true, "31 DEC"}, Case{800, false, "31 DEC"},
                          Case{36, false, " 5 FEB"}})
        EXPECT_EQ(convertdate(c.n, c.leap), c.text) << c.n << (c.leap ? " leap" : "");
    const CalendarDate feb11 = DateOfDay(42, false);
    EXPECT_EQ(feb11.month, 2);
    EXPECT_EQ(feb11.day, 11);
}

TEST(TemperatureBins, ValuesAtTheEdgesOfTheirBins) {
    struct Case {
        double t;
        int bin;
    };
    for (const Case& c : {Case{-12.3, 0}, Case{9.99, 0}, Case{10.0, 1}, Case{10.99, 1}, Case{11.0, 2},
                          Case{36.0, 27}, Case{36.99, 27}, Case{37.0, 28}, Case{101.5, 28}})
        EXPECT_EQ(TemperatureBin(c.t), c.bin) << c.t;
}

TEST(TemperatureBins, TableHeadingAndRowsKeepTheirColumns) {
    EXPECT_EQ(BinTableHeading(),
              " Temperature Bin   <10   10   11   12   13   14   15   16   17   18   19   20   "
              "21   22   23   24   25   26   27   28   29   30   31   32   33   34   35   36  >36");
    BinRow counts{};
    counts[0] = 8760;
    counts[1] = 7;
    const std::string row = BinTableRow("P2  Living", counts);
    EXPECT_EQ(row.substr(0, 22), "P2  Living        8760");
    EXPECT_EQ(row.size(), 17u + 29u * 5u);
    EXPECT_EQ(BinTableRow("A name longer than sixteen", counts).substr(0, 17), "A name longer th ");
    EXPECT_THAT(BinBarLabels(), ::testing::Contains(" 36"));
    EXPECT_EQ(BinBarLabels().front(), "<10");
    EXPECT_EQ(BinBarLabels().back(), ">36");
}

class TemperatureFileTest : public ::testing::Test {
  protected:
    test_support::TemporaryFolder folder{"tem"};
};

TEST_F(TemperatureFileTest, ReadsNamesClimateAndValues) {
    const auto file = writeLines(folder / "a.TEM",
                                 temLines("climat05.TXT", {"Living", "Kitchen"},
                                          {{3, 1, 1, -12.3, {21.4, 101.5}}, {3, 1, 2, 0.0, {9.95, -0.5}}}));
    const TemperatureFile tem = ReadTemperatureFile(file);
    EXPECT_EQ(tem.ClimateFileName, "climat05.TXT");
    EXPECT_EQ(tem.Climate, 5);
    EXPECT_TRUE(tem.HeaderReadable);
    EXPECT_EQ(tem.ZoneCount, 2);
    EXPECT_THAT(tem.SeriesNames, ElementsAre("Outdoor", "Living", "Kitchen"));
    EXPECT_EQ(tem.NameFields[0], " Living         ") << "the field as the engine writes it";
    ASSERT_EQ(tem.HourCount(), 2);
    EXPECT_DOUBLE_EQ(tem.Series[0][0].Temp, -12.3);
    EXPECT_DOUBLE_EQ(tem.Series[1][0].Temp, 21.4);
    EXPECT_DOUBLE_EQ(tem.Series[2][0].Temp, 101.5);
    EXPECT_DOUBLE_EQ(tem.Series[2][1].Temp, -0.5);
    // 1 March hour 1 of a common year: 59 days and one hour.
    EXPECT_NEAR(tem.Series[2][0].Time, 59.0 + 1.0 / 24.0, 1e-9);
    EXPECT_FALSE(tem.LeapYear);
}

TEST_F(TemperatureFileTest, ALeapYearFileKeepsTwentyNinthFebruaryAndThirtyFirstDecember) {
    // Without a climate file to tell the year, the file's own 29 February makes it a leap year.
    const auto leap = ReadTemperatureFile(
        writeLines(folder / "leap.TEM",
                   temLines("climat05.TXT", {"Living"}, yearOfHours(true, 1, [](int) { return 20.0; }))));
    EXPECT_TRUE(leap.LeapYear);
    ASSERT_EQ(leap.HourCount(), 8784);
    const std::size_t feb29 = 59 * 24, march1 = 60 * 24;
    EXPECT_NEAR(leap.Series[1][feb29].Time, 59.0, 1e-9);
    EXPECT_NEAR(leap.Series[1][march1 + 1].Time, 60.0 + 1.0 / 24.0, 1e-9);
    EXPECT_NEAR(leap.Series[1].back().Time, 365.0 + 23.0 / 24.0, 1e-9);

    const auto common = ReadTemperatureFile(
        writeLines(folder / "common.TEM",
                   temLines("climat05.TXT", {"Living"}, yearOfHours(false, 1, [](int) { return 20.0; }))));
    EXPECT_FALSE(common.LeapYear);
    EXPECT_EQ(common.HourCount(), 8760);
    EXPECT_NEAR(common.Series[0].back().Time, 364.0 + 23.0 / 24.0, 1e-9);
}

TEST_F(TemperatureFileTest, RefusesDamagedFilesNamingThem) {
    const std::vector<Hour> oneHour = {{1, 1, 0, 5.0, {20.0}}};
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        const char* says;
    };
    auto tooManyZones = temLines("climat05.TXT", std::vector<std::string>(151, "Z"), {});
    auto tooManyRows = temLines("climat05.TXT", {"Living"}, yearOfHours(true, 1, [](int) { return 1.0; }));
    tooManyRows.push_back(tooManyRows.back());
    auto letters = temLines("climat05.TXT", {"Living"}, oneHour);
    letters[4].replace(30, 4, "abcd");
    auto shortRow = temLines("climat05.TXT", {"Living"}, oneHour);
    shortRow[4].resize(30);
    auto badDate = temLines("climat05.TXT", {"Living"}, {{2, 30, 0, 5.0, {20.0}}});
    auto zoneCount = temLines("climat05.TXT", {"Living"}, oneHour);
    zoneCount[1] = " Total number of zones = one";
    for (const Case& c :
         {Case{"zones.TEM", tooManyZones, "151 zones"}, Case{"rows.TEM", tooManyRows, "8785 hourly rows"},
          Case{"letters.TEM", letters, "line 5"}, Case{"short.TEM", shortRow, "line 5"},
          Case{"date.TEM", badDate, "line 5"}, Case{"count.TEM", zoneCount, "line 2"},
          Case{"empty.TEM", temLines("climat05.TXT", {"Living"}, {}), "no hourly rows"}}) {
        const auto file = writeLines(folder / c.name, c.lines);
        const std::string error = errorOf([&] { ReadTemperatureFile(file); });
        EXPECT_THAT(error, HasSubstr(file.string())) << c.name;
        EXPECT_THAT(error, HasSubstr(c.says)) << c.name;
    }
    EXPECT_THAT(errorOf([&] { ReadTemperatureFile(folder / "missing.TEM"); }), HasSubstr("missing.TEM"));
}

TEST_F(TemperatureFileTest, WeatherFileGivesTheDryBulbAndTheYear) {
    std::vector<std::string> lines;
    for (int h = 0; h < 24; ++h) lines.push_back(climateRecord(2, 29, h, -3.5 + h));
    lines.push_back(climateRecord(3, 1, 0, 12.3));
    const WeatherFile weather = ReadWeatherFile(writeLines(folder / "climat07.TXT", lines));
    EXPECT_TRUE(weather.LeapYear);
    ASSERT_EQ(weather.Temps.size(), 25u);
    EXPECT_DOUBLE_EQ(weather.Temps[0].Temp, -3.5);
    EXPECT_NEAR(weather.Temps[0].Time, 59.0, 1e-9);
    EXPECT_DOUBLE_EQ(weather.Temps[24].Temp, 12.3);
    EXPECT_NEAR(weather.Temps[24].Time, 60.0, 1e-9);
    EXPECT_EQ(ClimateNumberOfFileName("climat07.TXT"), 7);
    EXPECT_EQ(ClimateNumberOfFileName("weather.txt"), 0);

    lines[3] = "    0101";
    const auto damaged = writeLines(folder / "climat08.TXT", lines);
    EXPECT_THAT(errorOf([&] { ReadWeatherFile(damaged); }),
                HasSubstr(damaged.string() + " cannot be read: line 4"));
    // A dry bulb no weather brings, and records out of the calendar's order.
    struct Case {
        std::size_t line; // 0-based
        std::string record;
        std::string says;
    };
    const Case faults[] = {
        {5, climateRecord(2, 29, 5, 99.9), "line 6: dry bulb (columns 11-14) 99.9 outside -70 to 60 °C"},
        {5, climateRecord(2, 29, 5, -80.0), "line 6: dry bulb (columns 11-14) -80 outside"},
        {5, climateRecord(2, 29, 6, 1.0), "line 6: 29 February hour 6 does not follow 29 February hour 4"},
        {24, climateRecord(2, 29, 0, 1.0), "line 25: 29 February hour 0 does not follow 29 February hour 23"},
        {24, climateRecord(4, 1, 0, 1.0), "line 25: 1 April hour 0 does not follow 29 February hour 23"},
        {0, climateRecord(2, 29, 1, 1.0), "line 1: the first record is 29 February hour 1, not hour 0"},
    };
    for (const Case& c : faults) {
        std::vector<std::string> faulty = lines;
        faulty[3] = climateRecord(2, 29, 3, 0.0);
        faulty[c.line] = c.record;
        const auto bad = writeLines(folder / "climat10.TXT", faulty);
        EXPECT_THAT(errorOf([&] { ReadWeatherFile(bad); }),
                    HasSubstr(bad.string() + " cannot be read: " + c.says));
    }
    std::vector<std::string> tooMany(8785, climateRecord(1, 1, 0, 1.0));
    const auto longFile = writeLines(folder / "climat09.TXT", tooMany);
    EXPECT_THAT(errorOf([&] { ReadWeatherFile(longFile); }), HasSubstr("8785 hourly records"));
}

TEST_F(TemperatureFileTest, TypicalPeriodsByClimateAndTheirLimits) {
    const TypicalPeriodTable table = ReadExtremeFile(writeLines(folder / "extremes.ext", extremesLines(3)));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[2][4].month, 6); // climate 3, the sunny day: month 5 + 1, day 3
    EXPECT_EQ(table[2][4].day, 3);

    const auto tooMany = writeLines(folder / "many.ext", extremesLines(100));
    EXPECT_THAT(errorOf([&] { ReadExtremeFile(tooMany); }), HasSubstr("100 climates"));
    auto lines = extremesLines(2);
    lines[9] = "CSW 13  1";
    const auto badMonth = writeLines(folder / "bad.ext", lines);
    EXPECT_THAT(errorOf([&] { ReadExtremeFile(badMonth); }),
                HasSubstr(badMonth.string() + " cannot be read: line 10"));
    lines.pop_back();
    const auto cut = writeLines(folder / "cut.ext", lines);
    EXPECT_THAT(errorOf([&] { ReadExtremeFile(cut); }), HasSubstr("whole blocks"));
}

} // namespace
