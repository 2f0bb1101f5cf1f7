// Elementary functions computed with fixed arithmetic (range reduction, then a polynomial of fixed
// length), so that the weather generator gives the same bits whatever C library the build machine
// has: the library's sin, exp or pow may differ in the last bit between versions, and a written value
// sitting on a rounding boundary would then differ.  Only IEEE-exact operations are used (+, -, *, /,
// sqrt, floor, ldexp, frexp).  Accuracy: a few units in the last place.
#pragma once

namespace climate::fixed {

double exp(double x);
double log(double x);           // x > 0
double pow(double x, double y); // x >= 0
double sin(double x);           // radians
double cos(double x);           // radians
double acos(double x);          // -1 <= x <= 1, radians

} // namespace climate::fixed
