// The beam shading grid computed cell by cell, the plain way: every cell of G x G starts at 1 and
// every shadow that covers its centre multiplies it.  Kept as the reference that the engine's row and
// column sums must reproduce, by the shading tests and the shading benchmark.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/solar_airflow/beam_shading.h"

namespace engine::testing {

inline double referenceSunlitFraction(const BeamShadingPlan& p, const std::array<int, 3>& flags, double h,
                                      double v) {
    const int G = p.grid;
    const double H = p.height;
    const double W = p.width;
    std::array<double, kMaxShadingGrid * kMaxShadingGrid> cell; // (column, row), by row
    std::fill_n(cell.begin(), G * G, 1.0);
    const auto at = [&](int c, int r) -> double& {
        return cell[static_cast<std::size_t>((r - 1) * G + (c - 1))];
    };
    const auto yc = [&](int r) { return (r - 0.5) * H / G; };
    const auto xc = [&](int c) { return (c - 0.5) * W / G; };
    for (int k = 0; k < p.nhorizontal; ++k) {
        const HorizontalShade& s = p.horizontal[static_cast<std::size_t>(k)];
        const double t = std::tan(v);
        const double se = s.eavep * t >= s.eaveo ? s.eavep * t - s.eaveo : 0.0;
        double sp = s.pergp * t - s.pergo;
        if (sp < 0.0 || s.pergo < -H) sp = 0.0;
        for (int r = 1; r <= G; ++r) {
            const double y = yc(r);
            double f = 1.0;
            if (se == 0.0 && sp > 0.0) {
                if (y > H - sp && y <= H + s.pergo) f = s.pergf;
            } else if (se > 0.0 && se < sp) {
                if (y > H - se)
                    f = 0.0;
                else if (y > H - sp)
                    f = s.pergf;
            } else if (se >= sp && se > 0.0) {
                if (y > H - se) f = 0.0;
            }
            for (int c = 1; c <= G; ++c) at(c, r) *= f;
        }
    }
    if (p.hasVertical) {
        const VerticalShade& s = p.vertical;
        const bool right = s.rightp > 0.0 && h > 0.0;
        const bool left = s.leftp > 0.0 && h < 0.0;
        if (right || left) {
            const double width = std::max(right ? s.rightp * std::abs(std::tan(h)) - s.righto
                                                : s.leftp * std::abs(std::tan(h)) - s.lefto,
                                          0.0);
            for (int c = 1; c <= G; ++c) {
                const bool shaded = width > 0.0 && (h > 0.0 ? xc(c) > W - width : xc(c) < width);
                if (!shaded) continue;
                for (int r = 1; r <= G; ++r) at(c, r) = 0.0;
            }
        }
    }
    for (std::size_t m = 0; m < 3; ++m) {
        if (flags[m] == 0 || !p.hasScreen[m]) continue;
        const ScreenShade& s = p.screens[m];
        const double ylo0 = s.scrov - s.scrd * std::tan(v);
        // The screen's offset and shadow run from the right end; the grid's x from the left end.
        const double fromRight = s.scrd * std::tan(h) - s.scroh;
        const double xlo0 = W - fromRight - s.scrw;
        const double ylo = std::clamp(ylo0, 0.0, H), yhi = std::clamp(ylo0 + s.scrh, 0.0, H);
        const double xlo = std::clamp(xlo0, 0.0, W), xhi = std::clamp(xlo0 + s.scrw, 0.0, W);
        for (int r = 1; r <= G; ++r) {
            for (int c = 1; c <= G; ++c) {
                if (xc(c) > xlo && xc(c) < xhi && yc(r) > ylo && yc(r) < yhi) at(c, r) *= s.scrf;
            }
        }
    }
    double sum = 0.0;
    for (int k = 0; k < G * G; ++k) sum += cell[static_cast<std::size_t>(k)];
    return sum / (static_cast<double>(G) * G);
}

} // namespace engine::testing
