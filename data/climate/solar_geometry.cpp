#include "data/climate/solar_geometry.h"

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
    return 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g) +
           0.000907 * std::sin(2 * g) - 0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
}

double equationOfTime(int dayOfYear) {
    const double g = dayAngle(dayOfYear);
    return 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) - 0.014615 * std::cos(2 * g) -
                     0.04089 * std::sin(2 * g));
}

double extraterrestrialNormal(int dayOfYear) {
    const double g = dayAngle(dayOfYear);
    return kSolarConstant * (1.000110 + 0.034221 * std::cos(g) + 0.001280 * std::sin(g) +
                             0.000719 * std::cos(2 * g) + 0.000077 * std::sin(2 * g));
}

double apparentSolarTime(int dayOfYear, double clockHour, double longitude, double meridian) {
    return clockHour + (longitude - meridian) / 15.0 + equationOfTime(dayOfYear) / 60.0;
}

double sinAltitude(int dayOfYear, double solarHour, double latitude) {
    const double phi = latitude * kRadiansPerDegree;
    const double delta = declination(dayOfYear);
    const double omega = (solarHour - 12.0) * 15.0 * kRadiansPerDegree;
    return std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(omega);
}

double halfDayLength(int dayOfYear, double latitude) {
    const double phi = latitude * kRadiansPerDegree;
    const double c = std::clamp(-std::tan(phi) * std::tan(declination(dayOfYear)), -1.0, 1.0);
    return std::acos(c) / (15.0 * kRadiansPerDegree);
}

} // namespace climate
