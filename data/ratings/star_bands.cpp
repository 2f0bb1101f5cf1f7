#include "data/ratings/star_bands.h"

#include <cmath>
#include <utility>

namespace calibration {

namespace {

// Positive everywhere on 30-600 m2 and without a turn (the sign of the slope never changes).
bool positiveAndMonotone(const std::array<double, 6>& k) {
    constexpr double step = 1.0; // m2
    double previous = correctionAt(k, kSmallestArea);
    int direction = 0;
    for (double a = kSmallestArea + step; a <= kLargestArea; a += step) {
        const double value = correctionAt(k, a);
        if (!(value > 0.0) || !(previous > 0.0)) return false;
        const int d = value > previous ? 1 : value < previous ? -1 : 0;
        if (d != 0 && direction != 0 && d != direction) return false;
        if (d != 0) direction = d;
        previous = value;
    }
    return true;
}

// Least-squares polynomial of degree 5 in t = area / kLargestArea fitted to f at every square metre
// of 30-600 m2, as k1..k6.  The scaled variable keeps the normal equations well conditioned.
template <class F> std::optional<std::array<double, 6>> polynomialOf(F f) {
    constexpr int n = 6;
    double m[n][n + 1] = {};
    for (double a = kSmallestArea; a <= kLargestArea; a += 1.0) {
        const double t = a / kLargestArea;
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) m[r][c] += std::pow(t, r + c);
            m[r][n] += f(a) * std::pow(t, r);
        }
    }
    for (int p = 0; p < n; ++p) { // Gauss-Jordan with partial pivoting
        int pivot = p;
        for (int r = p + 1; r < n; ++r)
            if (std::abs(m[r][p]) > std::abs(m[pivot][p])) pivot = r;
        if (std::abs(m[pivot][p]) < 1e-300) return std::nullopt;
        for (int c = 0; c <= n; ++c) std::swap(m[p][c], m[pivot][c]);
        for (int r = 0; r < n; ++r) {
            if (r == p) continue;
            const double factor = m[r][p] / m[p][p];
            for (int c = p; c <= n; ++c) m[r][c] -= factor * m[p][c];
        }
    }
    double t[n]; // coefficients of t^0 .. t^5
    for (int p = 0; p < n; ++p) t[p] = m[p][n] / m[p][p];
    const auto scaled = [&](int i) { return t[i] / std::pow(kLargestArea, i); };
    return std::array<double, 6>{scaled(5), scaled(4), scaled(3), scaled(2), scaled(1), t[0] - 1.0};
}

} // namespace

std::optional<std::array<double, kBands>> starLimits(double poor, double typical, double well) {
    if (!(poor > typical && typical > well && well > 0.0)) return std::nullopt;
    const double lp = std::log(poor), lt = std::log(typical), lw = std::log(well);
    std::array<double, kBands> limits{};
    for (int j = 1; j <= kBands; ++j) {
        const double stars = 0.5 * j;
        const double logEnergy =
            stars <= kTypicalStars ? lp + (stars - kPoorStars) / (kTypicalStars - kPoorStars) * (lt - lp)
                                   : lt + (stars - kTypicalStars) / (kWellStars - kTypicalStars) * (lw - lt);
        limits[static_cast<std::size_t>(j - 1)] = std::exp(logEnergy);
    }
    return limits;
}

double correctionAt(const std::array<double, 6>& k, double a) {
    return k[0] * std::pow(a, 5) + 1.0 + k[1] * std::pow(a, 4) + k[2] * std::pow(a, 3) + k[3] * a * a +
           k[4] * a + k[5];
}

std::optional<std::array<double, 6>> areaCorrection(const std::vector<double>& areas,
                                                    const std::vector<double>& ratios, double referenceArea) {
    if (areas.size() != ratios.size() || areas.size() < 2) return std::nullopt;
    double sumLogs = 0.0, sumSquares = 0.0;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (!(areas[i] > 0.0) || !(ratios[i] > 0.0)) return std::nullopt;
        const double x = std::log(areas[i] / referenceArea);
        sumLogs += x * std::log(ratios[i]);
        sumSquares += x * x;
    }
    if (sumSquares == 0.0) return std::nullopt;
    const double exponent = sumLogs / sumSquares;
    const auto k = polynomialOf([&](double a) { return std::pow(a / referenceArea, exponent); });
    if (k && positiveAndMonotone(*k)) return k;
    return std::nullopt;
}

} // namespace calibration
