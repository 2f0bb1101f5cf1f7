// The position of a site on the globe, as the location tables, the house file and the engine's site
// card give it: a latitude in degrees (south negative) and a longitude in degrees (east positive).
// A value outside the globe is damage, never a place, and is refused wherever it is read.
#pragma once

namespace common {

inline constexpr double kMostLatitude = 90.0;   // degrees north or south
inline constexpr double kMostLongitude = 180.0; // degrees east or west

// Both written so that a value that is not a number fails too.
inline bool latitudeOnGlobe(double degrees) {
    return degrees >= -kMostLatitude && degrees <= kMostLatitude;
}
inline bool longitudeOnGlobe(double degrees) {
    return degrees >= -kMostLongitude && degrees <= kMostLongitude;
}

} // namespace common
