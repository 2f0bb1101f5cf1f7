#include "data/climate/fixed_math.h"

#include <cmath>
#include <limits>

namespace climate::fixed {

namespace {

// ln 2 and pi / 2 split so that k times the high part is exact for the k used here.
constexpr double kLn2High = 6.93147180369123816490e-01;
constexpr double kLn2Low = 1.90821492927058770002e-10;
constexpr double kInverseLn2 = 1.44269504088896338700e+00;
constexpr double kPiOver2High = 1.57079632673412561417e+00;
constexpr double kPiOver2Mid = 6.07710050630396597660e-11;
constexpr double kPiOver2Low = 2.02226624879595063154e-21;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPi = 3.14159265358979323846;
constexpr double kSqrtHalf = 0.70710678118654752440;
constexpr double kSqrt3 = 1.73205080756887729353;
constexpr double kTanPiOver12 = 0.26794919243112270647;

double nearestWhole(double x) {
    return std::floor(x + 0.5);
}

// sin r and cos r for |r| <= pi/4, Taylor series to the 21st and 20th power.
double sinSeries(double r) {
    const double r2 = r * r;
    double term = r, sum = r;
    for (int n = 3; n <= 21; n += 2) {
        term *= -r2 / ((n - 1) * n);
        sum += term;
    }
    return sum;
}

double cosSeries(double r) {
    const double r2 = r * r;
    double term = 1.0, sum = 1.0;
    for (int n = 2; n <= 20; n += 2) {
        term *= -r2 / ((n - 1) * n);
        sum += term;
    }
    return sum;
}

// Quadrant k (0..3) and remainder r of x = k pi/2 + r, |r| <= pi/4.
double reduceQuarter(double x, long long& quadrant) {
    const double k = nearestWhole(x * kTwoOverPi);
    quadrant = static_cast<long long>(k) & 3;
    return ((x - k * kPiOver2High) - k * kPiOver2Mid) - k * kPiOver2Low;
}

// sin(k pi/2 + r) for quadrant k (0..3).
double sinInQuadrant(double r, long long quadrant) {
    switch (quadrant) {
    case 0:
        return sinSeries(r);
    case 1:
        return cosSeries(r);
    case 2:
        return -sinSeries(r);
    default:
        return -cosSeries(r);
    }
}

// atan t for 0 <= t <= tan(pi/12), series to the 31st power.
double atanSeries(double t) {
    const double t2 = t * t;
    double power = t, sum = t;
    for (int n = 3; n <= 31; n += 2) {
        power *= -t2;
        sum += power / n;
    }
    return sum;
}

double atanNonNegative(double t) {
    if (t > 1.0) return kPi / 2 - atanNonNegative(1.0 / t);
    if (t > kTanPiOver12) return kPi / 6 + atanSeries((t * kSqrt3 - 1.0) / (kSqrt3 + t));
    return atanSeries(t);
}

} // namespace

double exp(double x) {
    if (x < -745.0) return 0.0;
    if (x > 709.0) return std::numeric_limits<double>::infinity();
    const double k = nearestWhole(x * kInverseLn2);
    const double r = (x - k * kLn2High) - k * kLn2Low; // |r| <= 0.35
    double term = 1.0, sum = 1.0;
    for (int n = 1; n <= 14; ++n) {
        term *= r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

double log(double x) {
    int e = 0;
    double m = std::frexp(x, &e); // x = m 2^e, 0.5 <= m < 1
    if (m < kSqrtHalf) {
        m *= 2.0;
        --e;
    }
    const double s = (m - 1.0) / (m + 1.0); // |s| <= 0.172
    const double s2 = s * s;
    double power = s, sum = s;
    for (int n = 3; n <= 25; n += 2) {
        power *= s2;
        sum += power / n;
    }
    return e * kLn2High + (e * kLn2Low + 2.0 * sum);
}

double pow(double x, double y) {
    if (x == 0.0) return y == 0.0 ? 1.0 : 0.0;
    return exp(y * log(x));
}

double sin(double x) {
    long long q = 0;
    const double r = reduceQuarter(x, q);
    return sinInQuadrant(r, q);
}

// cos x = sin(x + pi/2): the same remainder one quadrant on.
double cos(double x) {
    long long q = 0;
    const double r = reduceQuarter(x, q);
    return sinInQuadrant(r, (q + 1) & 3);
}

double acos(double x) {
    if (x <= -1.0) return kPi;
    if (x >= 1.0) return 0.0;
    // acos x = 2 atan sqrt((1 - x) / (1 + x)); sqrt is exact in IEEE arithmetic.
    return 2.0 * atanNonNegative(std::sqrt((1.0 - x) / (1.0 + x)));
}

} // namespace climate::fixed
