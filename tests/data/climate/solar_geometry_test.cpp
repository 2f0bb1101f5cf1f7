// The generator's sun against values worked by hand.
#include "data/climate/solar_geometry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kDeg = climate::kPi / 180.0;

TEST(SolarGeometry, DeclinationAndEarthSunDistanceThroughTheYear) {
    EXPECT_NEAR(climate::declination(172) / kDeg, 23.44, 0.1);  // 21 June
    EXPECT_NEAR(climate::declination(355) / kDeg, -23.44, 0.1); // 21 December
    EXPECT_NEAR(climate::declination(80) / kDeg, 0.0, 0.5);     // 21 March
    EXPECT_NEAR(climate::extraterrestrialNormal(3), 1367.0 / (0.98329 * 0.98329),
                1.5); // perihelion, 0.98329 AU
    EXPECT_NEAR(climate::extraterrestrialNormal(185), 1367.0 / (1.01671 * 1.01671),
                1.5); // aphelion, 1.01671 AU
}

TEST(SolarGeometry, NoonAltitudeAndDayLength) {
    // At apparent noon the altitude is 90° less the angle between latitude and declination.
    for (double latitude : {-12.4, -33.9, -42.9}) {
        const double delta = climate::declination(172) / kDeg;
        EXPECT_NEAR(std::asin(climate::sinAltitude(172, 12.0, latitude)) / kDeg,
                    90.0 - std::abs(latitude - delta), 1e-9);
    }
    EXPECT_NEAR(climate::halfDayLength(80, -33.9), 6.0, 0.05); // equinox: twelve hours of day
    EXPECT_NEAR(climate::halfDayLength(172, 0.0), 6.0, 1e-9);  // the equator
    EXPECT_LT(climate::halfDayLength(172, -42.9), 4.7);        // short winter day in the south
    EXPECT_NEAR(climate::sinAltitude(172, 12.0 + climate::halfDayLength(172, -42.9), -42.9), 0.0, 1e-9);
}

TEST(SolarGeometry, SolarTimeFromClockTime) {
    // A site on its standard meridian differs from clock time by the equation of time only;
    // 15° west of it by one hour more.
    EXPECT_NEAR(climate::apparentSolarTime(45, 12.0, 150.0, 150.0), 12.0 + climate::equationOfTime(45) / 60.0,
                1e-12);
    EXPECT_NEAR(climate::apparentSolarTime(45, 12.0, 135.0, 150.0), 11.0 + climate::equationOfTime(45) / 60.0,
                1e-12);
    EXPECT_NEAR(climate::equationOfTime(45), -14.2, 0.5); // mid-February
    EXPECT_NEAR(climate::equationOfTime(307), 16.4, 0.5); // early November
}

} // namespace
