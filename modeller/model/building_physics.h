// Building-physics helpers of the modeller: the solar absorptance of a surface from its display
// colour, the thermal resistance of an air gap from the coefficient table in BESTFIT.DAT, and the
// least-squares polynomial fit used to interpolate the gap resistance over tilt.
#pragma once

#include "modeller/model/house_model.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

namespace pelmora {

// Solar absorptance (0.2304 for white .. 0.96 for black) of a colour 0x00BBGGRR, from its lightness.
double ColourToAbsorptance(std::int32_t colour);

inline constexpr std::string_view kBestFitFileName = "BESTFIT.DAT";

// Reads the air-gap coefficient table from the program folder's BESTFIT.DAT into
// model.BestFitCoefficients.  A missing file, a value that is not a number or a file that ends early
// raises ModelError naming the file and line; the table in the model is then left as it was.
void ReadBestFitFile(HouseModel& model);

// The thermal resistance (m2K/W) of an air gap, left in model.AirGapResistanceUp (heat flow up) and
// model.AirGapResistanceDown (heat flow down).  vented: 0 unvented, 1 vented; gapWidth in mm (taken
// within 13..90); e1, e2 the emittances of the two faces (taken within 0.05..0.9); tilt in degrees
// from horizontal (0 a horizontal gap, 90 a vertical one).
void AirGapResistance(HouseModel& model, int vented, double gapWidth, double e1, double e2, double tilt);

// The faces of the air gap that an insulation row's gap code 1..4 places: the first face plain, the
// second plain (code 1) or reflective with emittance 0.05, 0.1 or 0.4 (codes 2, 3, 4).  Any other code
// gives the plain emittance; callers place no gap for them.
inline constexpr double kPlainEmittance = 0.9;
double GapCodeEmittance(long long code);
// Under a roof without a roof space, the roof insulation row's "GR" lays a 40 mm gap above the ceiling
// whose second face is plain (1), foil (2) or a low-emittance lining (3): its emittance 0.9, 0.05 or
// 0.15.  Any other code lays no gap: 0.
double RoofLiningEmittance(long long gr);

// A fault of the fitting helpers (too few terms or points, a singular system).
class MathError : public std::domain_error {
  public:
    using std::domain_error::domain_error;
};

inline constexpr std::string_view kTooFewTerms = "PolyFit called with less than one term";
inline constexpr std::string_view kTooFewPoints = "PolyFit called with less than two points";
inline constexpr std::string_view kSingularRepeatedPivot = "Error in GaussJordan2: matrix is singular";
inline constexpr std::string_view kSingular = "Error in GaussJordan: matrix is singular";

// Least-squares fit of y ~ a0 + a1 x + ... + a(n-1) x^(n-1) through the first m points; writes the n
// coefficients into `a` and returns the correlation r (1 for an exact fit).
double PolyFit(std::span<const double> x, std::span<const double> y, int n, int m, std::span<double> a);

// Solves A x = b in place by Gauss-Jordan elimination with full pivoting: `a` is the n x n matrix row
// by row (left reduced), `b` the right-hand side (left holding the solution).  A pivot that is zero,
// or negligible against the matrix's largest element, raises MathError(kSingular): the system has no
// unique solution.
void GaussJordan(std::span<double> a, std::span<double> b, int n);

} // namespace pelmora
