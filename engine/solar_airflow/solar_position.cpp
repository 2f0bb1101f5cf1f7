#include "engine/solar_airflow/solar_position.h"

#include <algorithm>
#include <cmath>

#include "engine/core/state.h"

namespace engine {
namespace {

constexpr double kPi = 3.1415927;
constexpr double kTwoPi = 6.2831855;
constexpr double kRad = 0.017453292;          // rad per degree
constexpr double kDeg = 57.29578;             // degrees per rad
constexpr double kHoursPerRadian = 3.8197186; // 12/pi: longitude in rad to hours

double reduced(double value, double period) {
    while (value >= period) value -= period;
    while (value < 0.0) value += period;
    return value;
}

// Atmospheric refraction (degrees) at the unrefracted elevation e (degrees).
double refraction(double e) {
    if (e > -0.56)
        return 3.51561 * (0.1594 + 0.0196 * e + 0.00002 * e * e) / (1.0 + 0.505 * e + 0.0845 * e * e);
    return 0.56;
}

} // namespace

int intb(double x) {
    const int truncated = static_cast<int>(x);
    return x < 0.0 ? truncated - 1 : truncated;
}

void daynumber(int day, int month, int year, int& n) {
    if (month < 3) {
        n = intb(0.5 + 30.6 * (month - 1)) + day;
        return;
    }
    const int leap = intb(0.25 * year - intb(0.25 * year - 0.1));
    n = intb(59.5 + 30.6 * (month - 3)) + day + leap;
}

void sunazel(int year, int n, double t, double lat, double lon, double& azimuth, double& altitude) {
    const int delta = year - 1949;
    const int leap = static_cast<int>(delta * 0.25);
    // Days from the epoch J2000.0 (both Julian dates less 2400000).
    const double time = 32916.5 + 365.0 * delta + leap + n + t / 24.0 - 51545.0;

    const double meanLongitude = reduced(280.46 + 0.9856474 * time, 360.0);       // degrees
    const double meanAnomaly = reduced(357.528 + 0.9856003 * time, 360.0) * kRad; // rad
    const double eclipticLongitude =
        reduced(meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2.0 * meanAnomaly), 360.0) *
        kRad;                                                    // rad
    const double obliquity = (23.439 - 0.0000004 * time) * kRad; // rad

    const double sinLambda = std::sin(eclipticLongitude);
    const double cosLambda = std::cos(eclipticLongitude);
    const double num = std::cos(obliquity) * sinLambda;
    double rightAscension = std::atan(num / cosLambda);
    if (cosLambda < 0.0) {
        rightAscension += kPi;
    } else if (num < 0.0) {
        rightAscension += kTwoPi;
    }
    const double declination = std::asin(std::sin(obliquity) * sinLambda);

    const double gmst = reduced(6.6973748 + 0.0657098242 * time + t, 24.0); // hours
    const double lmst = reduced(gmst + lon * kHoursPerRadian, 24.0);        // hours
    double hourAngle = lmst * 15.0 * kRad - rightAscension;                 // rad
    if (hourAngle < -kPi) hourAngle += kTwoPi;
    if (hourAngle > kPi) hourAngle -= kTwoPi;

    const double sinDec = std::sin(declination);
    const double cosDec = std::cos(declination);
    const double elevation = std::asin(sinDec * std::sin(lat) + cosDec * std::cos(lat) * std::cos(hourAngle));

    // Azimuth from north through east; the quadrant test uses the elevation before refraction.
    const double a = std::clamp(-cosDec * std::sin(hourAngle) / std::cos(elevation), -1.0, 1.0);
    double az = std::asin(a);
    if (sinDec >= std::sin(elevation) * std::sin(lat)) {
        if (std::sin(az) < 0.0) az += kTwoPi;
    } else {
        az = kPi - az;
    }
    azimuth = az;

    const double e = elevation * kDeg;
    altitude = (e + refraction(e)) * kRad;
}

void solpos(EngineState& state, int month, int day, double hour, double& azimuth, double& altitude) {
    int n = 0;
    daynumber(day, month, kSolarYear, n);
    // The climate records carry local standard clock time, so the record's universal time is its clock
    // hour less the standard meridian's offset.  The site's own longitude enters through the sidereal
    // time in sunazel alone: any further correction toward solar time would count it twice.
    const double t = hour - state.where.smerid / 15.0;
    sunazel(kSolarYear, n, t, state.where.xlat, state.where.xlong, azimuth, altitude);
}

} // namespace engine
