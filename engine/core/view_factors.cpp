#include "engine/core/view_factors.h"

#include "engine/core/matrix_routines.h"
#include "engine/core/state.h"

#include <cmath>
#include <numbers>

namespace engine {

namespace {

constexpr double kPi = std::numbers::pi;

// The signed sixteen-term sum over the corners of both rectangles, x fastest, then y, xi, eta.
template <class Term>
double cornerSum(const Term& term, double x1, double x2, double y1, double y2, double xi1, double xi2,
                 double eta1, double eta2) {
    const double xs[2] = {x1, x2};
    const double ys[2] = {y1, y2};
    const double xis[2] = {xi1, xi2};
    const double etas[2] = {eta1, eta2};
    double sum = 0.0;
    for (int l = 0; l < 2; ++l)
        for (int k = 0; k < 2; ++k)
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    const double sign = ((i + j + k + l) % 2 == 0) ? 1.0 : -1.0;
                    sum += sign * term(xs[i], ys[j], xis[k], etas[l]);
                }
    return sum;
}

} // namespace

double f1(double a, double x, double y, double xi, double eta) {
    const double d = xi - x;
    const double c = y * y + eta * eta;
    if (c == 0.0) {
        if (d == 0.0) return 0.0;
        return d * d * std::log(std::fabs(d)) / (4.0 * kPi * a);
    }
    const double rc = std::sqrt(c);
    return (d * rc * std::atan(d / rc) + 0.25 * (d * d - c) * std::log(d * d + c)) / (2.0 * kPi * a);
}

double vf(double a, double x1, double x2, double y1, double y2, double xi1, double xi2, double eta1,
          double eta2) {
    auto term = [a](double x, double y, double xi, double eta) { return f1(a, x, y, xi, eta); };
    return cornerSum(term, x1, x2, y1, y2, xi1, xi2, eta1, eta2);
}

double f2(double a, double z, double x, double y, double xi, double eta) {
    const double bx = xi - x;
    const double by = eta - y;
    const double z2 = z * z;
    const double ry = std::sqrt(z2 + by * by);
    const double rx = std::sqrt(z2 + bx * bx);
    const double tx = ry > 0.0 ? bx * ry * std::atan(bx / ry) : 0.0;
    const double ty = rx > 0.0 ? by * rx * std::atan(by / rx) : 0.0;
    const double r2 = z2 + bx * bx + by * by;
    const double tl = r2 > 0.0 ? 0.5 * z2 * std::log(r2) : 0.0;
    return (tx + ty - tl) / (2.0 * kPi * a);
}

double vfp(double a, double z, double x1, double x2, double y1, double y2, double xi1, double xi2,
           double eta1, double eta2) {
    auto term = [a, z](double x, double y, double xi, double eta) { return f2(a, z, x, y, xi, eta); };
    return cornerSum(term, x1, x2, y1, y2, xi1, xi2, eta1, eta2);
}

void coperp(double a1, double a2, double a3, double a4, int i1, int i2, int i3, int i4, int i5,
            const BoxAreas& areas, ViewFactorTable& f) {
    const double v = vf(areas(i5), 0.0, a1, 0.0, a2, 0.0, a3, 0.0, a4);
    f(i1, i3) = v;
    f(i1, i4) = v;
    f(i2, i3) = v;
    f(i2, i4) = v;
    f(i3, i1) = v * areas(i5) / areas(i3 - 1);
    f(i4, i1) = v * areas(i5) / areas(i4 - 1);
    f(i3, i2) = v * areas(i2 - 1) / areas(i3 - 1);
    f(i4, i2) = v * areas(i2 - 1) / areas(i4 - 1);
}

void coparll(double a1, double a2, double a3, double a4, double a5, int i1, int i2, double ar,
             ViewFactorTable& f) {
    const double x = vfp(ar, a1, 0.0, a2, 0.0, a3, 0.0, a4, 0.0, a5);
    f(i1, i2) = x;
    f(i2, i1) = x;
}

void asig(double& o1, double& o2, double& o3, double& o4, double s1, double s2, double s3, double s4) {
    o1 = s1;
    o2 = s2;
    o3 = s3;
    o4 = s4;
}

void windvf(EngineState& state, const BoxAreas& areas) {
    const WinBlock& w = state.win;
    ViewFactorTable& f = state.cord.f;
    auto& c = state.cord.coord;
    const double a = w.wleft, b = w.wright, cb = w.wbottom, d = w.wtop;
    const double boxL = w.boxl, boxW = w.boxw, boxH = w.boxh;
    const double aw = areas(6);

    if (aw > 0.0) {
        // Side walls: the shared direction is vertical, away from the window wall along the depth.
        asig(c(1), c(2), c(3), c(4), 0.0, boxH, 0.0, boxL);
        f(7, 2) = vf(aw, boxH - d, boxH - cb, boxW - b, boxW - a, c(1), c(2), c(3), c(4));
        f(2, 7) = f(7, 2) * aw / areas(1);
        f(7, 4) = vf(aw, cb, d, a, b, c(1), c(2), c(3), c(4));
        f(4, 7) = f(7, 4) * aw / areas(3);
        // Floor and ceiling: the shared direction runs along the window wall.
        asig(c(1), c(2), c(3), c(4), 0.0, boxW, 0.0, boxL);
        f(7, 6) = vf(aw, boxW - b, boxW - a, cb, d, c(1), c(2), c(3), c(4));
        f(6, 7) = f(7, 6) * aw / areas(5);
        f(7, 5) = vf(aw, a, b, boxH - d, boxH - cb, c(1), c(2), c(3), c(4));
        f(5, 7) = f(7, 5) * aw / areas(4);
        // The opposite wall, directly facing at the depth of the box.
        asig(c(1), c(2), c(3), c(4), 0.0, boxW, 0.0, boxH);
        f(7, 3) = vfp(aw, boxL, boxW - b, boxW - a, cb, d, c(1), c(2), c(3), c(4));
        f(3, 7) = f(7, 3) * aw / areas(2);
    } else {
        for (int k = 1; k <= 8; ++k) {
            f(7, k) = 0.0;
            f(k, 7) = 0.0;
        }
    }
    // What each other surface sees of its window wall outside the window.
    for (int k = 2; k <= 6; ++k) {
        f(k, 8) = f(k, 1) - f(k, 7);
        f(8, k) = f(k, 8) * areas(k - 1) / areas(7);
    }
    for (int k = 2; k <= 6; ++k) f(k, 1) = 0.0;
    f(7, 8) = 0.0;
    f(8, 7) = 0.0;
    f(7, 7) = 0.0;
    f(8, 8) = 0.0;
}

namespace {

// Steps 1 to 4 of the absorption factors: the box, its areas and its view-factor table.
void boxViewFactors(EngineState& state, BoxAreas& areas, double boxL, double boxW, double boxH, double ww,
                    double wh) {
    WinBlock& w = state.win;
    w.wleft = 0.5 * (boxW - ww);
    w.wright = w.wleft + ww;
    w.wbottom = boxH - wh;
    w.wtop = boxH;
    w.boxl = boxL;
    w.boxw = boxW;
    w.boxh = boxH;

    areas(1) = boxH * boxL;
    areas(2) = boxH * boxW;
    areas(3) = boxH * boxL;
    areas(4) = boxW * boxL;
    areas(5) = boxW * boxL;
    areas(6) = ww * wh;
    areas(7) = boxH * boxW - ww * wh;
    areas(8) = boxH * boxW;

    ViewFactorTable& f = state.cord.f;
    f.fill(0.0);
    state.cord.coord.fill(0.0);

    // The whole window wall stands in for the window and the rest of its wall alike.
    coperp(boxH, boxW, boxH, boxL, 1, 3, 2, 4, 8, areas, f);
    coperp(boxW, boxH, boxW, boxL, 1, 3, 6, 5, 8, areas, f);
    coperp(boxL, boxH, boxL, boxW, 2, 4, 6, 5, 1, areas, f);
    coparll(boxL, boxW, boxH, boxW, boxH, 1, 3, areas(8), f);
    coparll(boxW, boxL, boxH, boxL, boxH, 2, 4, areas(1), f);
    coparll(boxH, boxW, boxL, boxW, boxL, 6, 5, areas(5), f);
    windvf(state, areas);
}

} // namespace

void exchangefactors(EngineState& state, double boxL, double boxW, double boxH, double ww, double wh,
                     double efloor, double ewall, double eceiling, double ewindow) {
    BoxAreas areas;
    boxViewFactors(state, areas, boxL, boxW, boxH, ww, wh);

    const double emissivity[8] = {0.0, ewall, ewall, ewall, eceiling, efloor, ewindow, ewall};
    common::Array2<double>& b = state.exchange;
    common::Array2<double>& m = state.exchangework;
    b.fill(0.0);
    m.fill(0.0);
    const ViewFactorTable& f = state.cord.f;
    // B = (I - F.rho)^-1 . F.eps: each emission reaches surface j directly or after reflections.
    for (int j = 1; j <= 7; ++j) {
        const double rho = 1.0 - emissivity[j];
        for (int i = 1; i <= 7; ++i) {
            b(i, j) = f(i + 1, j + 1) * emissivity[j];
            m(i, j) = (i == j ? 1.0 : 0.0) - f(i + 1, j + 1) * rho;
        }
    }
    double determ = 0.0;
    int ierr = 0;
    matinv(m, 7, b, -7, determ, ierr);
    // Only an enclosure that absorbs nothing anywhere is singular; it then absorbs nothing here.
    if (ierr != 0) b.fill(0.0);
}

} // namespace engine
