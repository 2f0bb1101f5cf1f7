#include "engine/core/matrix_routines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <utility>
#include <vector>

namespace engine {
namespace {

constexpr double kTol = 1e-12;

// A small column-major matrix of order n with its own storage, filled by rows for readability.
struct Small {
    Small(int n, std::vector<double> byRows) : n(n), values(static_cast<std::size_t>(n * n)) {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                view()(i, j) = byRows[static_cast<std::size_t>((i - 1) * n + (j - 1))];
    }
    RealMatrix view() { return RealMatrix(values.data(), n); }
    int n;
    std::vector<double> values;
};

void expectMatrix(Small& actual, const std::vector<double>& byRows, double tol = kTol) {
    for (int i = 1; i <= actual.n; ++i)
        for (int j = 1; j <= actual.n; ++j)
            EXPECT_NEAR(actual.view()(i, j), byRows[static_cast<std::size_t>((i - 1) * actual.n + (j - 1))],
                        tol)
                << "element (" << i << ", " << j << ")";
}

TEST(Matinv, InvertsPermutationWithNegativeDeterminant) {
    Small a(2, {0, 1, 1, 0});
    double determ = 0.0;
    int ierr = -1;
    matinv(a.view(), 2, RealMatrix(), 0, determ, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_DOUBLE_EQ(determ, -1.0);
    expectMatrix(a, {0, 1, 1, 0});
}

TEST(Matinv, InvertsKnownMatricesAndGivesTheirDeterminants) {
    struct Case {
        int n;
        std::vector<double> matrix, inverse;
        double determinant;
    };
    const std::vector<Case> cases = {
        {2, {4, 7, 2, 6}, {0.6, -0.7, -0.2, 0.4}, 10.0},
        // Inverse worked by the adjugate: det = 1.
        {3, {1, 2, 3, 0, 1, 4, 5, 6, 0}, {-24, 18, 5, 20, -15, -4, -5, 4, 1}, 1.0},
        // Hilbert matrix of order 3: inverse and determinant 1/2160 are known in closed form.
        {3,
         {1, 1.0 / 2, 1.0 / 3, 1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 3, 1.0 / 4, 1.0 / 5},
         {9, -36, 30, -36, 192, -180, 30, -180, 180},
         1.0 / 2160},
    };
    for (const Case& c : cases) {
        Small a(c.n, c.matrix);
        double determ = 0.0;
        int ierr = -1;
        matinv(a.view(), c.n, RealMatrix(), 0, determ, ierr);
        EXPECT_EQ(ierr, 0);
        EXPECT_NEAR(determ, c.determinant, 1e-12);
        expectMatrix(a, c.inverse, 1e-9);
    }
}

TEST(Matinv, SolvesRightHandSidesWithAndWithoutTheInverse) {
    // 2x + y = 5, x + 3y = 10  gives x = 1, y = 3.
    for (int m : {1, -1}) {
        Small a(2, {2, 1, 1, 3});
        std::vector<double> b = {5, 10};
        double determ = 0.0;
        int ierr = -1;
        matinv(a.view(), 2, RealMatrix(b.data(), 2), m, determ, ierr);
        EXPECT_EQ(ierr, 0);
        EXPECT_NEAR(b[0], 1.0, kTol);
        EXPECT_NEAR(b[1], 3.0, kTol);
        EXPECT_NEAR(determ, 5.0, kTol);
        if (m < 0) expectMatrix(a, {0.6, -0.2, -0.2, 0.4});
    }
}

TEST(Matinv, SolvingAloneGivesTheSolutionOfTheFullInversion) {
    // A system of order 60 in the blocks' leading dimension, with pivots found all over the matrix.
    constexpr int n = 60;
    std::vector<double> original(static_cast<std::size_t>(kMatrixOrder * n)), rhs(kMatrixOrder);
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 8) % 20001) / 10000.0 - 1.0;
    };
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) original[static_cast<std::size_t>(i + kMatrixOrder * j)] = next();
    for (int i = 0; i < n; ++i) rhs[static_cast<std::size_t>(i)] = next();

    std::vector<double> solved = original, inverted = original, b1 = rhs, b2 = rhs;
    double det1 = 0.0, det2 = 0.0;
    int ierr1 = -1, ierr2 = -1;
    matinv(RealMatrix(solved.data(), kMatrixOrder), n, RealMatrix(b1.data(), kMatrixOrder), 1, det1, ierr1);
    matinv(RealMatrix(inverted.data(), kMatrixOrder), n, RealMatrix(b2.data(), kMatrixOrder), -1, det2,
           ierr2);
    ASSERT_EQ(ierr1, 0);
    ASSERT_EQ(ierr2, 0);
    EXPECT_EQ(det1, det2);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(b1[static_cast<std::size_t>(i)], b2[static_cast<std::size_t>(i)]) << i;
        double residual = -rhs[static_cast<std::size_t>(i)];
        for (int j = 0; j < n; ++j)
            residual +=
                original[static_cast<std::size_t>(i + kMatrixOrder * j)] * b1[static_cast<std::size_t>(j)];
        EXPECT_NEAR(residual, 0.0, 1e-10) << i;
    }
    // The inverse times the matrix is the identity.
    for (int i = 0; i < n; i += 7)
        for (int j = 0; j < n; j += 5) {
            double sum = 0.0;
            for (int k = 0; k < n; ++k)
                sum += inverted[static_cast<std::size_t>(i + kMatrixOrder * k)] *
                       original[static_cast<std::size_t>(k + kMatrixOrder * j)];
            EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-10) << i << "," << j;
        }
}

// Gauss-Jordan elimination with full pivoting written out plainly for one right-hand side: the pivot
// is the first element of largest magnitude met scanning the rows not yet pivoted in order, and in
// each row the columns not yet pivoted in order; then the same products and differences as matinv.
int referenceSolve(std::vector<double>& a, int n, std::vector<double>& b, double& determ) {
    auto at = [&](int i, int j) -> double& { return a[static_cast<std::size_t>((i - 1) + n * (j - 1))]; };
    auto rhs = [&](int i) -> double& { return b[static_cast<std::size_t>(i - 1)]; };
    std::vector<bool> pivoted(static_cast<std::size_t>(n + 1), false);
    determ = 1.0;
    for (int step = 1; step <= n; ++step) {
        double largest = 0.0;
        int irow = 0, icol = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                if (!pivoted[static_cast<std::size_t>(r)] && !pivoted[static_cast<std::size_t>(c)] &&
                    std::abs(at(r, c)) > largest) {
                    largest = std::abs(at(r, c));
                    irow = r;
                    icol = c;
                }
        if (largest <= 1e-90) return 1;
        pivoted[static_cast<std::size_t>(icol)] = true;
        if (irow != icol) {
            determ = -determ;
            for (int j = 1; j <= n; ++j) std::swap(at(irow, j), at(icol, j));
            std::swap(rhs(irow), rhs(icol));
        }
        const double pivot = at(icol, icol);
        determ *= pivot;
        for (int j = 1; j <= n; ++j)
            if (!pivoted[static_cast<std::size_t>(j)]) at(icol, j) /= pivot;
        rhs(icol) *= 1.0 / pivot;
        for (int r = 1; r <= n; ++r) {
            if (r == icol) continue;
            const double factor = at(r, icol);
            for (int j = 1; j <= n; ++j)
                if (!pivoted[static_cast<std::size_t>(j)]) at(r, j) -= at(icol, j) * factor;
            rhs(r) -= rhs(icol) * factor;
        }
    }
    return 0;
}

TEST(Matinv, PivotsOnTheFirstLargestElementWhateverTheOrder) {
    // Small integers give many equal magnitudes, so a pivot taken from the wrong one of them shows in
    // the rounding of the solution.  Orders on both sides of where the search changes its loops.
    unsigned seed = 2024;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>(static_cast<int>((seed >> 16) % 7) - 3);
    };
    for (int n = 1; n <= 12; ++n)
        for (int k = 0; k < 300; ++k) {
            std::vector<double> a(static_cast<std::size_t>(n * n)), b(static_cast<std::size_t>(n));
            for (double& v : a) v = next();
            for (double& v : b) v = next();
            std::vector<double> ra = a, rb = b;
            double determ = 0.0, expectedDeterm = 0.0;
            int ierr = -1;
            matinv(RealMatrix(a.data(), n), n, RealMatrix(b.data(), n), 1, determ, ierr);
            const int expectedErr = referenceSolve(ra, n, rb, expectedDeterm);
            ASSERT_EQ(ierr, expectedErr) << "order " << n << ", case " << k;
            if (ierr != 0) continue;
            ASSERT_EQ(determ, expectedDeterm) << "order " << n << ", case " << k;
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(b[static_cast<std::size_t>(i)], rb[static_cast<std::size_t>(i)])
                    << "order " << n << ", case " << k << ", row " << i + 1;
        }
}

TEST(Matinv, FlagsSingularMatrices) {
    const std::vector<std::vector<double>> singular = {
        {1, 0, 0, 2, 0, 0, 3, 0, 0}, // zero column
        {1, 2, 2, 4},                // dependent rows
        {0, 0, 0, 0},
    };
    for (const auto& rows : singular) {
        const int n = rows.size() == 9 ? 3 : 2;
        Small a(n, rows);
        double determ = 0.0;
        int ierr = 0;
        matinv(a.view(), n, RealMatrix(), 0, determ, ierr);
        EXPECT_EQ(ierr, 1);
    }
}

TEST(Matinv, WorksOnTheBlocksLeadingDimension) {
    common::FixedArray2<double, 1, kMatrixOrder, 1, kMatrixOrder> a;
    a(1, 1) = 4;
    a(1, 2) = 7;
    a(2, 1) = 2;
    a(2, 2) = 6;
    double determ = 0.0;
    int ierr = -1;
    matinv(a, 2, RealMatrix(), 0, determ, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_NEAR(a(1, 1), 0.6, kTol);
    EXPECT_NEAR(a(1, 2), -0.7, kTol);
    EXPECT_NEAR(a(2, 1), -0.2, kTol);
    EXPECT_NEAR(a(2, 2), 0.4, kTol);
}

TEST(Matmpb, MultipliesRectangularMatricesAndMayOverwriteTheRightFactor) {
    // a is 2 × 3, b is 3 × 2.
    std::vector<double> a = {1, 4, 2, 5, 3, 6};    // rows (1 2 3), (4 5 6)
    std::vector<double> b = {7, 9, 11, 8, 10, 12}; // rows (7 8), (9 10), (11 12)
    std::vector<double> c(4);
    matmpb(RealMatrix(a.data(), 2), RealMatrix(b.data(), 3), RealMatrix(c.data(), 2), 2, 3, 2);
    EXPECT_DOUBLE_EQ(c[0], 58);
    EXPECT_DOUBLE_EQ(c[1], 139);
    EXPECT_DOUBLE_EQ(c[2], 64);
    EXPECT_DOUBLE_EQ(c[3], 154);

    Small p(2, {1, 2, 3, 4});
    Small q(2, {0, 1, 1, 0});
    matmpb(p.view(), q.view(), q.view(), 2, 2, 2);
    expectMatrix(q, {2, 1, 4, 3});
}

using C = std::complex<double>;

std::vector<C> complexMatrix(int n, std::vector<C> byRows) {
    std::vector<C> m(static_cast<std::size_t>(n * n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m[static_cast<std::size_t>(i + n * j)] = byRows[static_cast<std::size_t>(i * n + j)];
    return m;
}

// Checks c · inverse = identity.
void expectInverse(int n, const std::vector<C>& c, const std::vector<C>& inverse) {
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            C sum = 0;
            for (int k = 0; k < n; ++k)
                sum += c[static_cast<std::size_t>(i + n * k)] * inverse[static_cast<std::size_t>(k + n * j)];
            EXPECT_NEAR(std::abs(sum - C(i == j ? 1.0 : 0.0)), 0.0, 1e-12) << i << "," << j;
        }
    }
}

TEST(Cmtinv, InvertsGeneralPurelyImaginaryAndIdentityMatrices) {
    const std::vector<std::vector<C>> cases = {
        {C(1, 2), C(0, -1), C(3, 0), C(2, 1)},
        {C(0, 2), C(0, 1), C(0, 1), C(0, 3)}, // real part singular: the second attempt serves
        {C(1, 0), C(0, 0), C(0, 0), C(1, 0)},
    };
    for (const auto& rows : cases) {
        const auto original = complexMatrix(2, rows);
        auto c = original;
        int ierr = -1;
        cmtinv(2, ierr, ComplexMatrix(c.data(), 2));
        EXPECT_EQ(ierr, 0);
        expectInverse(2, original, c);
    }
    // jQ with Q = diag(2, 4): the inverse is -j diag(1/2, 1/4).
    auto c = complexMatrix(2, {C(0, 2), C(0, 0), C(0, 0), C(0, 4)});
    int ierr = -1;
    cmtinv(2, ierr, ComplexMatrix(c.data(), 2));
    EXPECT_EQ(ierr, 0);
    EXPECT_NEAR(std::abs(c[0] - C(0, -0.5)), 0.0, kTol);
    EXPECT_NEAR(std::abs(c[3] - C(0, -0.25)), 0.0, kTol);
}

TEST(Cmtinv, LeavesASingularMatrixUnchanged) {
    // Both the real and the imaginary part are singular.
    const auto original = complexMatrix(2, {C(1, 1), C(2, 2), C(1, 1), C(2, 2)});
    auto c = original;
    int ierr = 0;
    cmtinv(2, ierr, ComplexMatrix(c.data(), 2));
    EXPECT_EQ(ierr, 1);
    EXPECT_EQ(c, original);
    // Real part p = I invertible, imaginary part q = [[0, 1], [-1, 0]]: q q = -I, so the second-stage
    // matrix p + q p⁻¹ q is zero.
    const auto second = complexMatrix(2, {C(1, 0), C(0, 1), C(0, -1), C(1, 0)});
    auto d = second;
    cmtinv(2, ierr, ComplexMatrix(d.data(), 2));
    EXPECT_EQ(ierr, 2);
    EXPECT_EQ(d, second);
}

} // namespace
} // namespace engine
