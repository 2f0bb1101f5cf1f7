#include "data/climate/solar_geometry.h"

#include "data/climate/fixed_math.h"

#include <algorithm>
#include <cmath>

namespace climate {

namespace {
constexpr double kRadiansPerDegree = kPi / 180.0;
}

double dayAngle(int dayOfYear) {
    return 2.0 * kPi * (dayOfYear - 1) / 365.0;
}

double declination(int dayOfYear) {
    const double g = dayAngle(dayOfYear);
    return 0.006918 - 0.399912 * fixed::cos(g) + 0.070257 * fixed::sin(g) - 0.006758 * fixed::cos(2 * g) +
           0.000907 * fixed::sin(2 * g) - 0.002697 * fixed::cos(3 * g) + 0.00148 * fixed::sin(3 * g);
}

double equationOfTime(int dayOfYear) {
    const double g = dayAngle(dayOfYear);
    return 229.18 * (0.000075 + 0.001868 * fixed::cos(g) - 0.032077 * fixed::sin(g) -
                     0.014615 * fixed::cos(2 * g) - 0.04089 * fixed::sin(2 * g));
}

double extraterrestrialNormal(int dayOfYear) {
    const double g = dayAngle(dayOfYear);
    return kSolarConstant * (1.000110 + 0.034221 * fixed::cos(g) + 0.001280 * fixed::sin(g) +
                             0.000719 * fixed::cos(2 * g) + 0.000077 * fixed::sin(2 * g));
}

double apparentSolarTime(int dayOfYear, double clockHour, double longitude, double meridian) {
    return clockHour + (longitude - meridian) / 15.0 + equationOfTime(dayOfYear) / 60.0;
}

double sinAltitude(int dayOfYear, double solarHour, double latitude) {
    const double phi = latitude * kRadiansPerDegree;
    const double delta = declination(dayOfYear);
    const double omega = (solarHour - 12.0) * 15.0 * kRadiansPerDegree;
    return fixed::sin(phi) * fixed::sin(delta) + fixed::cos(phi) * fixed::cos(delta) * fixed::cos(omega);
}

double halfDayLength(int dayOfYear, double latitude) {
    const double phi = latitude * kRadiansPerDegree;
    const double delta = declination(dayOfYear);
    const double c =
        std::clamp(-(fixed::sin(phi) / fixed::cos(phi)) * (fixed::sin(delta) / fixed::cos(delta)), -1.0, 1.0);
    return fixed::acos(c) / (15.0 * kRadiansPerDegree);
}

} // namespace climate
