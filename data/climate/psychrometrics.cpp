#include "data/climate/psychrometrics.h"

#include "data/climate/fixed_math.h"

#include <cmath>

namespace climate {

double saturationVapourPressure(double temperature) {
    return 6.1094 * fixed::exp(17.625 * temperature / (temperature + 243.04));
}

double pressureAtElevation(double elevation) {
    return 1013.25 * fixed::pow(1.0 - 2.25577e-5 * elevation, 5.2559);
}

double humidityRatio(double vapour, double pressure) {
    return 621.945 * vapour / (pressure - vapour);
}

} // namespace climate
