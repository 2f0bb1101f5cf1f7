// The shipped climate years as the engine reads them: record layout, calendar, temperatures against
// the normals, radiation against an independent sun position, humidity against saturation.
#include "tests/data/climate/climate_test_support.h"

#include "common/fixed_width.h"
#include "data/climate/climate_record.h"
#include "data/climate/weather_generator.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

// One hourly record as the engine's descriptors read it, with the hour of columns 9-10.
struct Hour {
    int month, day, hour;
    double dryBulb, moisture, windSpeed, windCode;
    long long cloud;
    double diffuse, beam;
};

const std::vector<Hour>& year(int zone) {
    static std::map<int, std::vector<Hour>> cache;
    auto& hours = cache[zone];
    if (!hours.empty()) return hours;
    const auto format = fw::parseFormat("(4X,2I2,2X,F4.1,F3.1,4X,F3.1,F2.0,I1,10X,F3.0,F4.0)");
    const auto lines = climate_test::programLines("Data/Climate/" + climate_test::climateName(zone));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view record = lines[i];
        std::vector<fw::Value> v;
        const auto result = fw::readFormatted(std::span(&record, 1), format, v);
        EXPECT_TRUE(result.ok) << "zone " << zone << " line " << i + 1 << " column " << result.column;
        if (!result.ok) continue;
        int hour = -1;
        EXPECT_TRUE(fw::readInteger(record.substr(8, 2), hour)) << "hour of line " << i + 1;
        hours.push_back({static_cast<int>(std::get<long long>(v[0])),
                         static_cast<int>(std::get<long long>(v[1])), hour, std::get<double>(v[2]),
                         std::get<double>(v[3]), std::get<double>(v[4]), std::get<double>(v[5]),
                         std::get<long long>(v[6]), std::get<double>(v[7]), std::get<double>(v[8])});
    }
    return hours;
}

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Sun altitude (radians) by the Astronomical Almanac's approximate algorithm (Michalsky 1988), for a
// day of 1995 (not a leap year) and universal time `ut` hours.
double almanacAltitude(int dayOfYear, double ut, double latitude, double longitude) {
    const int delta = 1995 - 1949;
    const double time = 32916.5 + 365.0 * delta + delta / 4 + dayOfYear + ut / 24.0 - 51545.0;
    auto wrap = [](double x, double m) { return x - m * std::floor(x / m); };
    const double meanLongitude = wrap(280.460 + 0.9856474 * time, 360.0);
    const double meanAnomaly = wrap(357.528 + 0.9856003 * time, 360.0) * kDeg;
    const double eclipticLongitude =
        wrap(meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2 * meanAnomaly), 360.0) * kDeg;
    const double obliquity = (23.439 - 0.0000004 * time) * kDeg;
    const double ra =
        std::atan2(std::cos(obliquity) * std::sin(eclipticLongitude), std::cos(eclipticLongitude));
    const double dec = std::asin(std::sin(obliquity) * std::sin(eclipticLongitude));
    const double gmst = wrap(6.697375 + 0.0657098242 * time + ut, 24.0);
    const double lmst = wrap(gmst + longitude / 15.0, 24.0) * 15.0 * kDeg;
    double ha = lmst - ra;
    if (ha < -kPi) ha += 2 * kPi;
    if (ha > kPi) ha -= 2 * kPi;
    const double phi = latitude * kDeg;
    return std::asin(std::sin(dec) * std::sin(phi) + std::cos(dec) * std::cos(phi) * std::cos(ha));
}

// Standard meridian of the local clock, degrees east, by postcode (the project card's rule).
double meridianOf(int postcode) {
    if (postcode >= 6000 && postcode <= 6999) return 120.0;
    if ((postcode >= 5000 && postcode <= 5999) || (postcode >= 800 && postcode <= 899)) return 142.5;
    return 150.0;
}

// Saturation humidity ratio over water, g/kg (ASHRAE, Hyland and Wexler), at pressure p Pa.
double saturationRatio(double celsius, double p) {
    const double t = celsius + 273.15;
    const double pws = std::exp(-5.8002206e3 / t + 1.3914993 - 4.8640239e-2 * t + 4.1764768e-5 * t * t -
                                1.4452093e-8 * t * t * t + 6.5459673 * std::log(t));
    return 621.945 * pws / (p - pws);
}

TEST(ClimateFiles, EveryZoneHasAWholeYearOfReadableRecordsInCalendarOrder) {
    ASSERT_EQ(climate_test::places().size(), 69u);
    for (int zone = 1; zone <= 69; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        const auto& hours = year(zone);
        ASSERT_EQ(hours.size(), 8760u);
        std::size_t i = 0;
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= kMonthDays[m - 1]; ++d)
                for (int h = 0; h < 24; ++h, ++i) {
                    ASSERT_EQ(hours[i].month, m);
                    ASSERT_EQ(hours[i].day, d);
                    ASSERT_EQ(hours[i].hour, h);
                }
    }
}

TEST(ClimateFiles, MonthlyMeansOfDailyExtremesReproduceTheNormalsWithinOneKelvin) {
    for (const auto& place : climate_test::places()) {
        SCOPED_TRACE(place.place);
        const auto& hours = year(place.zone);
        ASSERT_EQ(hours.size(), 8760u);
        double sumMax[12] = {}, sumMin[12] = {};
        int days[12] = {};
        // Days of 24 records, each counted for the month of its last record, as the climate
        // summary counts them.
        for (std::size_t first = 0; first < hours.size(); first += 24) {
            double hi = -100, lo = 100;
            for (std::size_t k = first; k < first + 24; ++k) {
                hi = std::max(hi, hours[k].dryBulb);
                lo = std::min(lo, hours[k].dryBulb);
            }
            const int m = hours[first + 23].month - 1;
            sumMax[m] += hi;
            sumMin[m] += lo;
            ++days[m];
        }
        for (int m = 0; m < 12; ++m) {
            EXPECT_NEAR(sumMax[m] / days[m], place.maxTemperature[m], 1.0) << "month " << m + 1;
            EXPECT_NEAR(sumMin[m] / days[m], place.minTemperature[m], 1.0) << "month " << m + 1;
        }
    }
}

TEST(ClimateFiles, RadiationIsZeroAtNightAndNeverAboveExtraterrestrial) {
    for (const auto& place : climate_test::places()) {
        SCOPED_TRACE(place.place);
        const auto& hours = year(place.zone);
        ASSERT_EQ(hours.size(), 8760u);
        const double meridian = meridianOf(place.postcode);
        int sunlitHours = 0;
        for (std::size_t i = 0; i < hours.size(); ++i) {
            const Hour& r = hours[i];
            const int dayOfYear = static_cast<int>(i / 24) + 1;
            const double altitude =
                almanacAltitude(dayOfYear, r.hour - meridian / 15.0, place.latitude, place.longitude);
            const double normal = 1367.0 * (1.0 + 0.033 * std::cos(2 * kPi * dayOfYear / 365.0)); // W/m²
            ASSERT_GE(r.diffuse, 0.0);
            ASSERT_GE(r.beam, 0.0);
            if (altitude <= 0) {
                ASSERT_EQ(r.diffuse, 0.0) << "record " << i + 1 << " altitude " << altitude / kDeg;
                ASSERT_EQ(r.beam, 0.0) << "record " << i + 1;
                continue;
            }
            const double horizontal = normal * std::sin(altitude);
            ASSERT_LE(r.beam, normal) << "record " << i + 1;
            // Written to whole W/m²: half a unit of rounding on each field.
            ASSERT_LE(r.diffuse + r.beam * std::sin(altitude), horizontal + 1.0) << "record " << i + 1;
            if (altitude > 10 * kDeg) {
                ASSERT_GT(r.diffuse, 0.0) << "daylight without diffuse light, record " << i + 1;
                ++sunlitHours;
            }
        }
        EXPECT_GT(sunlitHours, 3000);
    }
}

TEST(ClimateFiles, HumidityStaysBelowSaturationAndWindAndCloudFieldsAreInRange) {
    for (const auto& place : climate_test::places()) {
        SCOPED_TRACE(place.place);
        const double pressure = 101325.0 * std::pow(1.0 - 2.25577e-5 * place.elevation, 5.2559); // Pa
        for (const Hour& r : year(place.zone)) {
            ASSERT_GT(r.moisture, 0.0);
            ASSERT_LT(r.moisture, saturationRatio(r.dryBulb, pressure))
                << r.month << "/" << r.day << " " << r.hour;
            ASSERT_GE(r.windSpeed, 0.0);
            ASSERT_GE(r.windCode, 0.0);
            ASSERT_LE(r.windCode, 16.0);
            ASSERT_EQ(r.windCode == 0.0, r.windSpeed == 0.0) << "direction 0 stands for calm only";
            ASSERT_GE(r.cloud, 0);
            ASSERT_LE(r.cloud, 8);
        }
    }
}

TEST(ClimateFiles, GeneratorGivesTheShippedBytesAgain) {
    for (int zone : {1, 23, 39, 54}) {
        const auto& place = climate_test::places()[zone - 1];
        const auto lines = climate_test::programLines("Data/Climate/" + climate_test::climateName(zone));
        const auto records = climate::generateClimateYear(place);
        ASSERT_EQ(records.size(), lines.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_EQ(climate::formatClimateRecord(records[i]), lines[i]);
    }
}

} // namespace
