#include "rounding.h"

#include <cstdio>
#include <cstdlib>

namespace common {

double roundHalfEven(double x, int decimals) {
    if (!std::isfinite(x)) return x;
    // printf rounds the exact binary value with ties to even, which is the rule we want.
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
    return std::strtod(buffer, nullptr);
}

} // namespace common
