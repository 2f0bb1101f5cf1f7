#include "data/climate/random_stream.h"

#include <cmath>

namespace climate {

double Autoregressive::unitScale(double rho) {
    return std::sqrt(1.0 - rho * rho);
}

} // namespace climate
