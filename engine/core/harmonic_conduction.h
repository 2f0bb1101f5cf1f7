// Harmonic conduction transfer: for every building section and for the two internal-mass markers of
// the work file, the complex transfer coefficients (gorcums) of the layered construction driven
// sinusoidally at 60 frequencies, and the coupling of floors on earth to a slab-on-ground model.
//
// Gorcums carry the opposite sign of the usual admittance and transmittance: at zero frequency a run
// of entries of total resistance R gives Y = T = -1/R (W/m2K).  Resistances are in m2K/W and
// capacitances in kJ/m2K, so frequencies are in radians per kilosecond.
#pragma once

#include <span>

#include "engine/core/response_blocks.h"

namespace engine {

struct EngineState;

// Harmonic frequency k = 1..60, rad/ks: 0 at k = 1 (steady state), then 2π / (24 · 2^19 hours) at k = 2,
// each following one √2 times the one before (about 74.5 rad/ks at k = 60).
double harmonicFrequency(int k);
// The same frequency in radians per hour.
double harmonicFrequencyPerHour(int k);

// Layer chain of n entries (resistance r, capacitance c, in the order passed) at frequency omega
// (rad/ks): y its admittance seen from its last entry, t its transmittance, both with the gorcum
// sign.  A single entry of zero resistance is a pure capacitance.
void gorcum(std::span<const double> r, std::span<const double> c, int n, double omega, Complex& y,
            Complex& t);

// Gorcum of the entries first, first ± 1, ..., last of a section (entries numbered from 1; stepping
// down when last < first), at most 12 entries.
void vangrc(int first, int last, double omega, Complex& y, Complex& t, std::span<const double> r,
            std::span<const double> c);

// Admittance g1 and transmittance g2 (gorcum sign, W/m2K) of the ground under a slab at frequency
// omega (rad/ks), from the slab data of block `gground`.
void groundmodel(const EngineState& state, double omega, Complex& g1, Complex& g2);

// Kernel of the ground model.
Complex lz(Complex z);

// Reads the section part of the work file from the current position up to its end record and fills
// the gorcum table in store order.  ierr = 1 (with its message in the text report) when a record's
// key is not the one stored for its position, belongs to no kind of section, or gives a coefficient
// that is not finite (a section without resistance, a ground floor without slab data).
void calgrc(EngineState& state, int& ierr);

} // namespace engine
