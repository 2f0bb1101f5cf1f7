// Moist-air relations of the weather generator.
#pragma once

namespace climate {

// Saturation vapour pressure over water, hPa, at `temperature` °C (Magnus form with the
// coefficients of Alduchov and Eskridge, 1996).
double saturationVapourPressure(double temperature);

// Standard atmospheric pressure at `elevation` m, hPa.
double pressureAtElevation(double elevation);

// Humidity ratio, g water per kg dry air, of vapour pressure `vapour` hPa at pressure `pressure` hPa.
double humidityRatio(double vapour, double pressure);

} // namespace climate
