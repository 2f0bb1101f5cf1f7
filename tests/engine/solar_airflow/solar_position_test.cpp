// Sun positions against an independent ephemeris, and the calendar and clock rules of the engine.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/core/card_handlers.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/solar_position.h"

namespace engine {
namespace {

constexpr double kRad = 0.017453292;
constexpr double kDeg = 57.29578;

std::unique_ptr<EngineState> siteAt(double latitudeDeg, double longitudeDeg, double meridianDeg) {
    auto state = std::make_unique<EngineState>();
    state->where.xlat = latitudeDeg * kRad;
    state->where.xlong = longitudeDeg * kRad;
    state->where.smerid = meridianDeg;
    return state;
}

// Apparent (refracted) positions of the sun in 1995 from the VSOP87-based ephemeris of a public
// astronomy library (standard atmosphere: 1010 hPa, 15 C), for sites on their standard meridian so
// that clock time is plain zone time.
struct AlmanacCase {
    double lat, lon, meridian; // degrees
    int month, day;
    double hour;              // local standard time
    double altitude, azimuth; // degrees, azimuth from north through east
};

constexpr AlmanacCase kAlmanac[] = {
    {-33.87, 150.0, 150.0, 1, 15, 12.0, 77.201, 9.696},    // summer noon, southern mid-latitude
    {-42.88, 150.0, 150.0, 6, 21, 12.0, 23.717, 0.390},    // winter solstice noon
    {-12.46, 142.5, 142.5, 9, 10, 10.0, 55.940, 60.516},   // tropical morning
    {51.48, 0.0, 0.0, 3, 20, 12.0, 38.279, 177.570},       // equinox at Greenwich
    {51.48, 0.0, 0.0, 7, 4, 16.0, 36.919, 260.638},        // northern summer afternoon
    {-27.47, 150.0, 150.0, 12, 1, 8.0, 38.145, 96.959},    // morning, sun in the east
    {-37.81, 150.0, 150.0, 12, 21, 15.0, 48.715, 276.930}, // summer solstice afternoon
};

TEST(SolarPosition, MatchesEphemerisWithinATenthOfADegree) {
    for (const AlmanacCase& c : kAlmanac) {
        auto state = siteAt(c.lat, c.lon, c.meridian);
        double azimuth = 0.0, altitude = 0.0;
        solpos(*state, c.month, c.day, c.hour, azimuth, altitude);
        SCOPED_TRACE(::testing::Message() << c.month << "/" << c.day << " " << c.hour << "h lat " << c.lat);
        EXPECT_NEAR(altitude * kDeg, c.altitude, 0.1);
        EXPECT_NEAR(azimuth * kDeg, c.azimuth, 0.1);
    }
}

// Sites off their standard meridian, read from their site card as the engine reads it, at the clock
// hours the time loop passes for 9:00 and 15:00 local standard time at both solstices of 1995.  The
// climate files hold local standard clock time, so each record's sun stands where the almanac puts it
// at universal time = clock hour - meridian/15; the site's own longitude enters through the sidereal
// time alone.  Apparent (refracted) positions computed once, outside the engine, with the solar
// coordinates of Meeus, Astronomical Algorithms (2nd ed.), ch. 25 (apparent longitude with nutation
// and aberration, ch. 7 Julian dates, ch. 12 sidereal time) and Saemundsson's refraction; the
// Astronomical Almanac's low-precision formulas give the same positions within 0.006 degrees.  A sun
// placed ten minutes early or late is 1.5 to 3 degrees off at these hours.
struct ClockCase {
    const char* siteCard; // card 1/3: latitude, longitude, standard meridian
    int month, day;
    double hour;              // clock hour of the record, local standard time
    double altitude, azimuth; // degrees, azimuth from north through east
};

constexpr const char* kPerth = " 1  3   -31.95115.86 120.0";
constexpr const char* kBrisbane = " 1  3   -27.47153.03 150.0";
constexpr const char* kMelbourne = " 1  3   -37.81144.96 150.0";

constexpr ClockCase kClockCases[] = {
    {kPerth, 6, 21, 9.0, 17.201, 46.925},      {kPerth, 6, 21, 15.0, 22.491, 319.897},
    {kPerth, 12, 21, 9.0, 46.543, 91.336},     {kPerth, 12, 21, 15.0, 52.606, 272.521},
    {kBrisbane, 6, 21, 9.0, 24.753, 42.882},   {kBrisbane, 6, 21, 15.0, 21.458, 313.269},
    {kBrisbane, 12, 21, 9.0, 52.600, 93.322},  {kBrisbane, 12, 21, 15.0, 46.228, 263.954},
    {kMelbourne, 6, 21, 9.0, 12.664, 46.439},  {kMelbourne, 6, 21, 15.0, 18.411, 321.997},
    {kMelbourne, 12, 21, 9.0, 45.663, 85.771}, {kMelbourne, 12, 21, 15.0, 52.652, 280.772},
};

TEST(SolarPosition, SiteCardPlacesTheSunAtTheRecordsClockTime) {
    for (const ClockCase& c : kClockCases) {
        auto state = std::make_unique<EngineState>();
        ASSERT_EQ(projectCard(*state, c.siteCard), CardResult::Next);
        double azimuth = 0.0, altitude = 0.0;
        solpos(*state, c.month, c.day, c.hour, azimuth, altitude);
        SCOPED_TRACE(::testing::Message()
                     << c.siteCard << "  " << c.month << "/" << c.day << " " << c.hour << "h");
        EXPECT_NEAR(altitude * kDeg, c.altitude, 0.02);
        EXPECT_NEAR(azimuth * kDeg, c.azimuth, 0.02);
    }
}

TEST(SolarPosition, ClockHourOnTheMeridianIsUniversalTimePlusZoneOffset) {
    // Meridian 150, hour 12.0, no correction: universal time 2.0.
    auto state = siteAt(-35.0, 150.0, 150.0);
    double az1 = 0.0, alt1 = 0.0, az2 = 0.0, alt2 = 0.0;
    solpos(*state, 5, 17, 12.0, az1, alt1);
    int n = 0;
    daynumber(17, 5, kSolarYear, n);
    sunazel(kSolarYear, n, 2.0, state->where.xlat, state->where.xlong, az2, alt2);
    EXPECT_DOUBLE_EQ(az1, az2);
    EXPECT_DOUBLE_EQ(alt1, alt2);
}

TEST(SolarPosition, BelowTheHorizonTheAltitudeKeepsAFixedRefractionOfAboutHalfADegree) {
    // Geometric (unrefracted) ephemeris values, 21 June 1995, latitude -35, meridian 150: 17:30 local
    // gives -7.172 degrees and midnight -78.432; below -0.56 degrees the engine adds 0.56 degrees.
    auto state = siteAt(-35.0, 150.0, 150.0);
    struct Case {
        double hour, geometric, azimuth;
    };
    for (const Case c : {Case{17.5, -7.172, 293.659}, Case{0.0, -78.432, 181.905}}) {
        double azimuth = 0.0, altitude = 0.0;
        solpos(*state, 6, 21, c.hour, azimuth, altitude);
        EXPECT_NEAR(altitude * kDeg, c.geometric + 0.56, 0.1) << c.hour;
        EXPECT_NEAR(azimuth * kDeg, c.azimuth, 0.3) << c.hour;
    }
}

TEST(SolarPosition, DayNumbersIgnoreLeapDays) {
    struct Case {
        int day, month, expected;
    };
    for (const Case c : {Case{1, 1, 1}, Case{31, 1, 31}, Case{28, 2, 59}, Case{29, 2, 60}, Case{1, 3, 60},
                         Case{1, 7, 182}, Case{31, 12, 365}}) {
        int n = 0;
        daynumber(c.day, c.month, kSolarYear, n);
        EXPECT_EQ(n, c.expected) << c.day << "/" << c.month;
    }
    int leapYearDay = 0;
    daynumber(1, 3, 1996, leapYearDay);
    EXPECT_EQ(leapYearDay, 61);
}

TEST(SolarPosition, IntbTruncatesAndStepsDownForNegatives) {
    EXPECT_EQ(intb(2.7), 2);
    EXPECT_EQ(intb(0.0), 0);
    EXPECT_EQ(intb(-0.3), -1);
    EXPECT_EQ(intb(-2.7), -3);
}

} // namespace
} // namespace engine
