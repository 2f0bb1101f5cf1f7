// Sun position of the weather generator: Spencer's (1971) Fourier series for the declination and
// the equation of time, and the hour angle from apparent solar time.  The engine has its own sun
// position routine; this one only decides when and how strongly the generated sun shines.
#pragma once

namespace climate {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kSolarConstant = 1367.0; // W/m²

// Day angle of day n of the year (1-365), radians.
double dayAngle(int dayOfYear);
// Declination, radians.
double declination(int dayOfYear);
// Equation of time, minutes (apparent solar time minus mean solar time).
double equationOfTime(int dayOfYear);
// Extraterrestrial irradiance at normal incidence, W/m², with the earth's orbital eccentricity.
double extraterrestrialNormal(int dayOfYear);

// Apparent solar time, hours, of local standard clock time `clockHour` at `longitude` degrees east
// with standard meridian `meridian` degrees east.
double apparentSolarTime(int dayOfYear, double clockHour, double longitude, double meridian);

// Sine of the sun's altitude at apparent solar time `solarHour` and latitude `latitude` (degrees).
double sinAltitude(int dayOfYear, double solarHour, double latitude);

// Sunset hour angle, hours after apparent noon (so sunrise is 12 minus it, sunset 12 plus it).
double halfDayLength(int dayOfYear, double latitude);

} // namespace climate
