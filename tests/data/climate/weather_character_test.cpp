// The character of the generated weather: a diurnal cycle tied to the sun, day-to-day spells, and
// sky, temperature range and sunshine that go together.
#include "tests/data/climate/climate_test_support.h"

#include "data/climate/climate_record.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

namespace {

struct Day {
    int month = 0;
    std::array<double, 24> hourly{};        // °C, hours 0-23
    double mean = 0, max = -100, min = 100; // °C
    double cloud = 0;                       // oktas, mean of the day
    double beam = 0;                        // Wh/m², daily sum of direct normal irradiance
};

std::vector<Day> days(int zone) {
    const auto lines = climate_test::programLines("Data/Climate/" + climate_test::climateName(zone));
    std::vector<Day> out;
    for (std::size_t first = 0; first + 24 <= lines.size(); first += 24) {
        Day d;
        for (int h = 0; h < 24; ++h) {
            climate::ClimateRecord r;
            EXPECT_TRUE(climate::parseClimateRecord(lines[first + h], r));
            d.month = r.month;
            d.mean += r.dryBulb / 24;
            d.cloud += r.cloud / 24.0;
            d.beam += r.beam;
            d.hourly[h] = r.dryBulb;
            d.max = std::max(d.max, r.dryBulb);
            d.min = std::min(d.min, r.dryBulb);
        }
        out.push_back(d);
    }
    return out;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = static_cast<double>(a.size());
    const double ma = std::accumulate(a.begin(), a.end(), 0.0) / n;
    const double mb = std::accumulate(b.begin(), b.end(), 0.0) / n;
    double sab = 0, saa = 0, sbb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return sab / std::sqrt(saa * sbb);
}

TEST(WeatherCharacter, TheDayIsWarmestInTheAfternoonAndCoolestAroundSunrise) {
    for (int zone = 1; zone <= 69; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        // The year's mean temperature of each hour of the day.
        std::array<double, 24> mean{};
        for (const auto& d : days(zone))
            for (int h = 0; h < 24; ++h) mean[h] += d.hourly[h] / 365.0;
        const auto hottest = std::max_element(mean.begin(), mean.end()) - mean.begin();
        const auto coldest = std::min_element(mean.begin(), mean.end()) - mean.begin();
        EXPECT_GE(hottest, 13);
        EXPECT_LE(hottest, 16);
        EXPECT_GE(coldest, 4);
        EXPECT_LE(coldest, 7);
        EXPECT_GT(mean[hottest] - mean[coldest], 4.0) << "a diurnal swing of several kelvin";
    }
}

TEST(WeatherCharacter, WeatherComesInSpellsThatCloudAndSunShape) {
    for (int zone = 1; zone <= 69; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        const auto year = days(zone);
        // Anomalies of the daily mean from its month's mean persist from one day to the next.
        double monthMean[13] = {};
        int monthDays[13] = {};
        for (const auto& d : year) monthMean[d.month] += d.mean, ++monthDays[d.month];
        std::vector<double> today, tomorrow, cloud, range, beam;
        for (std::size_t i = 0; i < year.size(); ++i) {
            const double anomaly = year[i].mean - monthMean[year[i].month] / monthDays[year[i].month];
            if (i > 0) tomorrow.push_back(anomaly);
            if (i + 1 < year.size()) today.push_back(anomaly);
            cloud.push_back(year[i].cloud);
            range.push_back(year[i].max - year[i].min);
            beam.push_back(year[i].beam);
        }
        EXPECT_GT(correlation(today, tomorrow), 0.3) << "day-to-day persistence";
        // Cloudy days have a smaller temperature range and less sunshine.
        EXPECT_LT(correlation(cloud, range), -0.2);
        EXPECT_LT(correlation(cloud, beam), -0.5);
        // Days of one month differ: the spread of daily maxima is weather, not a fixed curve.
        double spread = 0;
        for (int m = 1; m <= 12; ++m) {
            double sum = 0, sum2 = 0;
            int n = 0;
            for (const auto& d : year)
                if (d.month == m) sum += d.max, sum2 += d.max * d.max, ++n;
            spread += std::sqrt(sum2 / n - (sum / n) * (sum / n)) / 12;
        }
        EXPECT_GT(spread, 1.0) << "mean standard deviation of daily maxima within a month, K";
    }
}

} // namespace
