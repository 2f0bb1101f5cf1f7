// The typical periods of extremes.ext: layout, seasons and the extremes they name.
#include "tests/data/climate/climate_test_support.h"

#include "data/climate/climate_record.h"
#include "data/climate/typical_periods.h"
#include "data/climate/weather_generator.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr int kMonthStart[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Mean dry bulb of the days d .. d + n - 1 (day numbers from 0) of a climate file's lines.
double meanTemperature(const std::vector<std::string>& lines, int firstDay, int days) {
    double sum = 0;
    for (int i = firstDay * 24; i < (firstDay + days) * 24; ++i) {
        climate::ClimateRecord r;
        EXPECT_TRUE(climate::parseClimateRecord(lines[i], r));
        sum += r.dryBulb;
    }
    return sum / (days * 24);
}

TEST(TypicalPeriods, EveryClimateHasSixPeriodsInTheirSeasons) {
    const auto lines = climate_test::programLines("Data/Climate/extremes.ext");
    ASSERT_EQ(lines.size(), 69u * 7u);
    for (int zone = 1; zone <= 69; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        int start[6] = {};
        for (int p = 0; p < 6; ++p) {
            const std::string& line = lines[(zone - 1) * 7 + 1 + p];
            std::istringstream in(line.substr(3));
            int month = 0, day = 0;
            in >> month >> day;
            ASSERT_TRUE(in) << line;
            ASSERT_GE(month, 1);
            ASSERT_LE(month, 12);
            start[p] = kMonthStart[month - 1] + day - 1;
        }
        // Weeks of winter (June to August) and summer (December to February, within the year).
        for (int p : {0, 1}) EXPECT_TRUE(start[p] >= kMonthStart[5] && start[p] + 6 < kMonthStart[8]) << p;
        for (int p : {2, 3})
            EXPECT_TRUE((start[p] + 6 < kMonthStart[2]) ||
                        (start[p] >= kMonthStart[11] && start[p] + 6 < 365))
                << p;
        for (int p : {4, 5}) EXPECT_TRUE(start[p] >= kMonthStart[2] && start[p] < kMonthStart[3]) << p;

        const auto year = climate_test::programLines("Data/Climate/" + climate_test::climateName(zone));
        EXPECT_LT(meanTemperature(year, start[0], 7), meanTemperature(year, start[1], 7))
            << "cold below warm week";
        EXPECT_LT(meanTemperature(year, start[2], 7), meanTemperature(year, start[3], 7))
            << "cool below hot week";
    }
}

// A year of constant weather with one cold and one hot spell and a bright and a dull day.
TEST(TypicalPeriods, FindsTheSpellsPlantedInAYear) {
    std::vector<climate::ClimateRecord> year;
    for (int d = 1; d <= 365; ++d) {
        const auto date = climate::calendarDate(d);
        for (int h = 0; h < 24; ++h) {
            climate::ClimateRecord r;
            r.month = date.month;
            r.day = date.day;
            r.hour = h;
            r.dryBulb = 15.0;
            if (date.month == 7 && date.day >= 10 && date.day < 17) r.dryBulb = 2.0; // cold week from 10 July
            if (date.month == 8 && date.day >= 20 && date.day < 27)
                r.dryBulb = 25.0; // warm week from 20 August
            if (date.month == 1 && date.day >= 5 && date.day < 12)
                r.dryBulb = 40.0; // hot week from 5 January
            if (date.month == 12 && date.day >= 3 && date.day < 10)
                r.dryBulb = 5.0; // cool week from 3 December
            r.beam = h >= 8 && h <= 16 ? 300.0 : 0.0;
            r.diffuse = h >= 8 && h <= 16 ? 100.0 : 0.0;
            if (date.month == 3 && date.day == 21 && r.beam > 0) r.beam = 900.0;
            if (date.month == 3 && date.day == 8 && r.beam > 0) r.beam = r.diffuse = 10.0;
            year.push_back(r);
        }
    }
    const auto periods = climate::findTypicalPeriods(year);
    const int expected[6][2] = {{7, 10}, {8, 20}, {12, 3}, {1, 5}, {3, 21}, {3, 8}};
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(periods[p].month, expected[p][0]) << "period " << p + 1;
        EXPECT_EQ(periods[p].day, expected[p][1]) << "period " << p + 1;
    }
    const auto lines = climate::typicalPeriodLines(7, "Somewhere", periods);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "CWW  7 10");
}

} // namespace
