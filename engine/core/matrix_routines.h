// Small dense-matrix routines shared by the engine: a linear solver with inverse and determinant by
// Gauss-Jordan elimination with full pivoting (`matinv`), a matrix product (`matmpb`) and the
// inversion of a complex matrix by real arithmetic (`cmtinv`).
//
// Matrices are column-major with a leading dimension (150 for the engine's blocks): element (i, j),
// 1-based, lies at (i - 1) + ld × (j - 1).  Only the leading n × n (or l × m) part is used.
#pragma once

#include <cassert>
#include <complex>

#include "common/arrays.h"

namespace engine {

inline constexpr int kMatrixOrder = 150; // largest order, and the leading dimension of the blocks

// A view of a column-major matrix held elsewhere.
template <class T> struct MatrixView {
    T* first = nullptr; // element (1, 1)
    int ld = kMatrixOrder;

    MatrixView() = default;
    MatrixView(T* data, int leading) : first(data), ld(leading) {}
    template <int Lo1, int Hi1, int Lo2, int Hi2>
    MatrixView(common::FixedArray2<T, Lo1, Hi1, Lo2, Hi2>& a) // NOLINT: views convert implicitly
        : first(&a(1, 1)), ld(Hi1 - Lo1 + 1) {
        static_assert(Lo1 == 1 && Lo2 <= 1 && Hi2 >= 1);
    }
    MatrixView(common::Array2<T>& a) : first(&a(1, 1)), ld(a.hi1() - a.lo1() + 1) { // NOLINT
        assert(a.lo1() == 1);
    }
    T& operator()(int i, int j) const {
        assert(first != nullptr && i >= 1 && i <= ld && j >= 1);
        return first[static_cast<std::ptrdiff_t>(i - 1) + static_cast<std::ptrdiff_t>(ld) * (j - 1)];
    }
};
using RealMatrix = MatrixView<double>;
using ComplexMatrix = MatrixView<std::complex<double>>;

// Solves a·x = b for |m| right-hand sides (the columns of b, replaced by the solutions).  When
// m ≤ 0 a is replaced by its inverse; when m > 0 a is left eliminated with its columns permuted.
// determ is the determinant of a.  ierr = 0 on success, 1 when a is singular (a and b are then left
// partly reduced).  n is 1..150.  Uses no heap memory.
void matinv(RealMatrix a, int n, RealMatrix b, int m, double& determ, int& ierr);

// c = a · b with a of l × m and b of m × n.  c may be the same matrix as b, never the same as a.
void matmpb(RealMatrix a, RealMatrix b, RealMatrix c, int l, int m, int n);

// Replaces the n × n complex matrix c by its inverse.  ierr = 0 on success; 1 when both real
// inversions of the first stage fail; 2 when the second-stage inversion fails.  On failure c is
// left unchanged.
void cmtinv(int n, int& ierr, ComplexMatrix c);

} // namespace engine
