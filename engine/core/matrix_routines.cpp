#include "engine/core/matrix_routines.h"

#include "engine/core/vector_lanes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

using Flags = std::array<bool, kMatrixOrder + 1>;

// The largest magnitude in column `column` (n elements) over the rows whose mask is 1 (0 for rows
// already pivoted; a masked element counts as 0 and so never wins), when it is `floor` or more; a
// column whose magnitudes all lie below `floor` cannot hold the pivot and gives -1.
__attribute__((target_clones("avx2", "default"))) double
columnLargest(const double* column, const double* mask, int n, double floor) {
    const int whole = n & ~(kLanes - 1);
    Lanes largest = {0.0, 0.0, 0.0, 0.0};
    for (int r = 0; r < whole; r += kLanes) {
        Lanes x, m;
        std::memcpy(&x, column + r, sizeof x);
        std::memcpy(&m, mask + r, sizeof m);
        x = (x < 0.0 ? -x : x) * m;
        largest = x > largest ? x : largest;
    }
    double result = 0.0;
    for (int r = whole; r < n; ++r) {
        const double x = std::abs(column[r]) * mask[r];
        result = x > result ? x : result;
    }
    const auto reaches = largest >= floor;
    if (result < floor && !(reaches[0] | reaches[1] | reaches[2] | reaches[3])) return -1.0;
    for (int k = 0; k < kLanes; ++k) result = largest[k] > result ? largest[k] : result;
    return result;
}

// Below this order the pivot search and the elimination run as plain loops: most systems solved
// are this small (a glazing layer, a few air-flow nodes), and the wide loops' set-up would cost more
// than their work.
constexpr int kPlainOrder = 8;

// The largest element of the rows and columns not yet pivoted, as the rows were scanned in ascending
// order and within a row the columns in ascending order, an element replacing the maximum only when
// strictly larger: the first of equal magnitudes wins.  The columns are read one after the other
// (the matrix is stored by columns); among equal magnitudes the smaller row then wins, and within a
// row the smaller column, which is the same element.  rowMask(r - 1) is 1 for a row not yet pivoted.
double largestRemaining(RealMatrix a, int n, const Flags& pivoted, const double* rowMask, int& irow,
                        int& icol) {
    double largest = 0.0;
    irow = icol = 0;
    if (n < kPlainOrder) {
        // Element by element: an equal magnitude in a smaller row of a later column wins, as above.
        for (int c = 1; c <= n; ++c) {
            if (pivoted[static_cast<std::size_t>(c)]) continue;
            const double* column = &a(1, c);
            for (int r = 1; r <= n; ++r) {
                const double x = std::abs(column[r - 1]) * rowMask[r - 1];
                if (x > largest || (x == largest && x > 0.0 && r < irow)) {
                    largest = x;
                    irow = r;
                    icol = c;
                }
            }
        }
        return largest;
    }
    for (int c = 1; c <= n; ++c) {
        if (pivoted[static_cast<std::size_t>(c)]) continue;
        const double* column = &a(1, c);
        const double v = columnLargest(column, rowMask, n, largest);
        if (!(v > largest || (v == largest && v > 0.0))) continue;
        int r = 1;
        while (std::abs(column[r - 1]) * rowMask[r - 1] != v) ++r;
        if (v > largest || r < irow) {
            largest = v;
            irow = r;
            icol = c;
        }
    }
    return largest;
}

// Subtracts d(r) times row `pivotRow` from every other row r of column j, column after column: the
// same products and differences as row after row, element by element.
__attribute__((target_clones("avx2", "default"))) void eliminateColumn(double* column, int n, int pivotRow,
                                                                       const double* d) {
    const double p = column[pivotRow - 1];
    const int whole = n & ~(kLanes - 1);
    for (int r = 0; r < whole; r += kLanes) {
        Lanes x, y;
        std::memcpy(&x, column + r, sizeof x);
        std::memcpy(&y, d + r, sizeof y);
        x = x - p * y;
        std::memcpy(column + r, &x, sizeof x);
    }
    for (int r = whole; r < n; ++r) column[r] -= p * d[r];
    column[pivotRow - 1] = p; // the pivot row keeps its value
}

// eliminateColumn for any order: the same differences, in plain loops for a small one.
inline void eliminate(double* column, int n, int pivotRow, const double* d) {
    if (n >= kPlainOrder) {
        eliminateColumn(column, n, pivotRow, d);
        return;
    }
    const double p = column[pivotRow - 1];
    for (int r = 0; r < n; ++r)
        if (r != pivotRow - 1) column[r] -= p * d[r];
}

} // namespace

void matinv(RealMatrix a, int n, RealMatrix b, int m, double& determ, int& ierr) {
    assert(n >= 1 && n <= kMatrixOrder);
    const int rhs = std::abs(m);
    // Solving only: the columns already pivoted are never read again, so they are left as they are.
    const bool inverse = m <= 0;
    // Only the leading n entries of the work space are set and read: most systems are far smaller
    // than the largest order.
    Flags pivoted; // column j has been pivot column (and so row j pivot row)
    std::fill_n(pivoted.begin() + 1, n, false);
    std::array<double, kMatrixOrder> rowMask; // rowMask(r - 1) = 0 once row r has been pivot row
    std::fill_n(rowMask.begin(), n, 1.0);
    std::array<int, kMatrixOrder + 1> stepRow, stepColumn; // set at each step before they are read
    std::array<double, kMatrixOrder + 1> d;                // the multipliers of the step, by row
    determ = 1.0;
    for (int step = 1; step <= n; ++step) {
        int irow = 0, icol = 0;
        if (largestRemaining(a, n, pivoted, rowMask.data(), irow, icol) <= kSingularPivot) {
            ierr = 1;
            return;
        }
        pivoted[static_cast<std::size_t>(icol)] = true;
        rowMask[static_cast<std::size_t>(icol - 1)] = 0.0;
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
        for (int j = 1; j <= n; ++j)
            if (inverse || !pivoted[static_cast<std::size_t>(j)]) a(icol, j) /= pivot;
        const double reciprocal = 1.0 / pivot;
        for (int j = 1; j <= rhs; ++j) b(icol, j) *= reciprocal;

        double* pivotColumn = &a(1, icol);
        for (int r = 1; r <= n; ++r) {
            d[static_cast<std::size_t>(r)] = pivotColumn[r - 1];
            if (r != icol) pivotColumn[r - 1] = 0.0;
        }
        for (int j = 1; j <= n; ++j)
            if (inverse || !pivoted[static_cast<std::size_t>(j)]) eliminate(&a(1, j), n, icol, d.data() + 1);
        for (int j = 1; j <= rhs; ++j) eliminate(&b(1, j), n, icol, d.data() + 1);
    }
    if (inverse) {
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
