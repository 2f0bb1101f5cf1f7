#include "engine/core/matrix_routines.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace engine {
namespace {

// A pivot whose magnitude is not above this is taken as zero: the matrix is singular.
constexpr double kSingularPivot = 1e-90;

void swapRows(RealMatrix a, int r1, int r2, int columns) {
    for (int j = 1; j <= columns; ++j) std::swap(a(r1, j), a(r2, j));
}

void swapColumns(RealMatrix a, int c1, int c2, int rows) {
    for (int i = 1; i <= rows; ++i) std::swap(a(i, c1), a(i, c2));
}

} // namespace

void matinv(RealMatrix a, int n, RealMatrix b, int m, double& determ, int& ierr) {
    assert(n >= 1 && n <= kMatrixOrder);
    const int rhs = std::abs(m);
    std::array<int, kMatrixOrder + 1> pivoted{}; // times column j was chosen as pivot column
    std::array<int, kMatrixOrder + 1> stepRow{}, stepColumn{};
    determ = 1.0;
    for (int step = 1; step <= n; ++step) {
        // Full pivoting: the largest element of the rows and columns not yet pivoted; the first of
        // equal magnitudes wins.
        double largest = 0.0;
        int irow = 0;
        int icol = 0;
        for (int r = 1; r <= n; ++r) {
            if (pivoted[static_cast<std::size_t>(r)] == 1) continue;
            for (int c = 1; c <= n; ++c) {
                const int times = pivoted[static_cast<std::size_t>(c)];
                if (times > 1) {
                    ierr = 1;
                    return;
                }
                if (times == 0 && std::abs(a(r, c)) > largest) {
                    largest = std::abs(a(r, c));
                    irow = r;
                    icol = c;
                }
            }
        }
        if (largest <= kSingularPivot) {
            ierr = 1;
            return;
        }
        ++pivoted[static_cast<std::size_t>(icol)];
        if (irow != icol) {
            determ = -determ;
            swapRows(a, irow, icol, n);
            if (rhs > 0) swapRows(b, irow, icol, rhs);
        }
        stepRow[static_cast<std::size_t>(step)] = irow;
        stepColumn[static_cast<std::size_t>(step)] = icol;

        const double pivot = a(icol, icol);
        determ *= pivot;
        a(icol, icol) = 1.0;
        for (int j = 1; j <= n; ++j) a(icol, j) /= pivot;
        const double reciprocal = 1.0 / pivot;
        for (int j = 1; j <= rhs; ++j) b(icol, j) *= reciprocal;

        for (int r = 1; r <= n; ++r) {
            if (r == icol) continue;
            const double d = a(r, icol);
            a(r, icol) = 0.0;
            for (int j = 1; j <= n; ++j) a(r, j) -= a(icol, j) * d;
            for (int j = 1; j <= rhs; ++j) b(r, j) -= b(icol, j) * d;
        }
    }
    if (m <= 0) {
        for (int step = n; step >= 1; --step) {
            const int irow = stepRow[static_cast<std::size_t>(step)];
            const int icol = stepColumn[static_cast<std::size_t>(step)];
            if (irow != icol) swapColumns(a, irow, icol, n);
        }
    }
    ierr = 0;
}

void matmpb(RealMatrix a, RealMatrix b, RealMatrix c, int l, int m, int n) {
    assert(l >= 1 && l <= kMatrixOrder);
    std::array<double, kMatrixOrder + 1> t{};
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= l; ++i) {
            double sum = 0.0;
            for (int k = 1; k <= m; ++k) sum += a(i, k) * b(k, j);
            t[static_cast<std::size_t>(i)] = sum;
        }
        for (int i = 1; i <= l; ++i) c(i, j) = t[static_cast<std::size_t>(i)];
    }
}

namespace {

// Working matrices of one complex inversion, order n with leading dimension n.
struct RealWork {
    explicit RealWork(int n) : order(n), values(static_cast<std::size_t>(n) * static_cast<std::size_t>(n)) {}
    RealMatrix view() { return RealMatrix(values.data(), order); }
    int order;
    std::vector<double> values;
};

// Inverts p + jq into x + jy.  Returns 0, 1 when p is singular, 2 when p + q p⁻¹ q is singular.
int invertByRealParts(int n, RealMatrix p, RealMatrix q, RealMatrix x, RealMatrix y) {
    RealWork w(n);
    RealMatrix wm = w.view();
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) wm(i, j) = -p(i, j);
    double determ = 0.0;
    int ierr = 0;
    matinv(wm, n, RealMatrix(), 0, determ, ierr);
    if (ierr != 0) return 1;
    matmpb(q, wm, wm, n, n, n); // w = -q p⁻¹
    matmpb(wm, q, x, n, n, n);  // x = -q p⁻¹ q
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) x(i, j) = p(i, j) - x(i, j); // p + q p⁻¹ q
    matinv(x, n, RealMatrix(), 0, determ, ierr);
    if (ierr != 0) return 2;
    matmpb(x, wm, y, n, n, n); // y = -(p + q p⁻¹ q)⁻¹ q p⁻¹
    return 0;
}

} // namespace

void cmtinv(int n, int& ierr, ComplexMatrix c) {
    assert(n >= 1 && n <= kMatrixOrder);
    RealWork p(n), q(n), x(n), y(n);
    RealMatrix pm = p.view(), qm = q.view(), xm = x.view(), ym = y.view();
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            pm(i, j) = c(i, j).real();
            qm(i, j) = c(i, j).imag();
        }
    }
    const int first = invertByRealParts(n, pm, qm, xm, ym);
    if (first == 2) {
        ierr = 2;
        return;
    }
    if (first == 0) {
        for (int j = 1; j <= n; ++j)
            for (int i = 1; i <= n; ++i) c(i, j) = {xm(i, j), ym(i, j)};
        ierr = 0;
        return;
    }
    // p is singular: invert q + jp = j(p - jq) instead; (p + jq)⁻¹ = -y - jx.
    const int second = invertByRealParts(n, qm, pm, xm, ym);
    if (second != 0) {
        ierr = second;
        return;
    }
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) c(i, j) = {-ym(i, j), -xm(i, j)};
    ierr = 0;
}

} // namespace engine
