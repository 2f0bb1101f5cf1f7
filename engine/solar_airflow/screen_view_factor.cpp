#include "engine/solar_airflow/screen_view_factor.h"

#include <cmath>

#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr double kPi = 3.1415927;
constexpr char kUnreachableScreen[] = "SHOULDN'T HAVE GOT HERE"; // after the console's leading blank

double square(double x) {
    return x * x;
}

} // namespace

double i3a(const Sky& sky, double r, double a, double b) {
    (void)sky;
    const double c = a - b;
    return r * (a * std::atan(a / r) - c * std::atan(c / r)) -
           0.5 * r * r * std::log((a * a + r * r) / (c * c + r * r));
}

double ij(const Sky& sky, double x, double a, double b) {
    const double D = sky.sksd;
    const double W = sky.skw;
    const double c1 = std::cos(std::atan(x / D));
    const double c2 = std::cos(std::atan((x + W) / D));
    const auto G = [D](double c, double y) {
        const double cy2 = c * c * y * y;
        return (std::log(1.0 + cy2 / (D * D)) - 1.0) * (D * D + cy2);
    };
    return 0.5 * (a * a - square(a - b)) * std::log(c1 / c2) - (G(c1, a) - G(c1, a - b)) / (4.0 * c1 * c1) +
           (G(c2, a) - G(c2, a - b)) / (4.0 * c2 * c2);
}

double i3b(const Sky& sky, double x, double a, double b) {
    const double D = sky.sksd;
    const double W = sky.skw;
    return i3a(sky, std::sqrt(D * D + square(W + x)), a, b) - i3a(sky, std::sqrt(D * D + x * x), a, b) +
           ij(sky, x, a, b);
}

double ik(const Sky& sky, double x, double r) {
    const double X = sky.skw + x;
    const double P = X * X + r * r;
    const double Q = x * x + r * r;
    return 0.25 * ((std::log(P) - 1.0) * P - (std::log(Q) - 1.0) * Q) + X * r * std::atan(X / r) -
           x * r * std::atan(x / r) - 0.5 * r * r * std::log(P / Q);
}

double i3(const Sky& sky, double a, double b) {
    const double D = sky.sksd;
    const double ox = sky.skso;
    const double far = ox - sky.sksw; // the screen's other side
    const double rLow = std::sqrt(D * D + square(a - b));
    const double rHigh = std::sqrt(D * D + a * a);
    return 0.5 * (i3b(sky, ox, a, b) - i3b(sky, far, a, b) - ik(sky, ox, rLow) + ik(sky, ox, rHigh) +
                  ik(sky, far, rLow) - ik(sky, far, rHigh));
}

double i4(const Sky& sky, double x) {
    const double top = sky.sksh + sky.sksv; // m above the surface's bottom
    return kPi * x * sky.skw * 0.5 - i3(sky, top, x);
}

bool hiddenSkyShare(const Sky& sky, double& f) {
    f = 0.0;
    const double W = sky.skw;
    const double H = sky.skh;
    // The integrals divide by the surface's area and the screen's distance.
    if (W * H == 0.0 || sky.sksd == 0.0) return true;
    const double oy = sky.sksv;
    const double ts = sky.sksh + oy; // height of the screen's top above the surface's bottom, m
    const double unshaded = W * H * kPi * 0.5;
    double V = 0.0; // the integral of the sky view left over the surface
    if (ts <= 0.0) {
        V = unshaded;
    } else if (ts <= H) {
        V = (H - ts) * 0.5 * kPi * W + i4(sky, ts);
        if (oy > 0.0) V += i3(sky, oy, oy);
    } else if (ts >= H && oy > 0.0 && oy <= H) {
        V = i4(sky, H) + i3(sky, oy, oy);
    } else if (ts >= H && oy <= 0.0) {
        V = i4(sky, H);
    } else if (oy > H) {
        V = i3(sky, oy, H) + i4(sky, H);
    } else {
        return false;
    }
    f = 1.0 - V / unshaded;
    return true;
}

void skyshad(EngineState& state, double& f) {
    if (!hiddenSkyShare(state.sky, f)) stopRun(state, {kUnreachableScreen});
}

} // namespace engine
