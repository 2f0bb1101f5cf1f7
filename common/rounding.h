// Rounding rules shared by both programs.
#pragma once

#include <cmath>
#include <string>

namespace common {

// The modeller rounds halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline double roundHalfEven(double x) {
    return std::nearbyint(x);
}
inline long long roundHalfEvenToInt(double x) {
    return std::llrint(x);
}

// Rounds to `decimals` places, halves to even on the exact binary value (0.125 gives 0.12).
double roundHalfEven(double x, int decimals);

// Fortran's NINT: halves away from zero, as the engine rounds.
inline long long nint(double x) {
    return std::llround(x);
}

} // namespace common
