// Response factors and their history: each zone's harmonic response to a driver row becomes a sum
// of 59 decaying exponentials with fixed time constants, fitted to the imaginary part of the
// response, and from it the zone's response to one unit input of the row's kind, step by step for
// the first day and then on a geometric grid of 194 points reaching 98304 hours.  The hourly loop
// superposes the factors on each zone's future air temperatures and shifts that future by one step
// with `moveon`.
#pragma once

namespace engine {

struct EngineState;

// Fills block `val`: the inverse of the 59 × 59 matrix M(k, j) = x / (1 + x²), x = √2^(k - j), that
// turns the imaginary parts of a response at the 59 non-zero frequencies into the coefficients of
// the exponentials.  Returns false when the matrix cannot be inverted.
bool fillFittingMatrix(EngineState& state);

// Fits every used driver row of every zone and fills `rfac`; sizes `rfac` and `fut` for the zones
// and the steps of the day of the run, and gathers the same-step responses (tabulateSameStep).
void clbehv(EngineState& state);

// Fills `samestep` from the first response factors of the internal-gain rows 452..601 of every zone.
void tabulateSameStep(EngineState& state);

// Moves the future air temperatures of zone z one step closer: the value that lay one step ahead
// becomes the present one, and every point of the long-term grid takes the value one hour further on,
// interpolated from its neighbours.  Allocates nothing.
void moveon(EngineState& state, int z);
// The same with the grid's work space `grid` (196 values) of the caller's own, for threads that move
// several zones at once.
void moveon(EngineState& state, int z, double* grid);
// The same but for the present value, which the caller has moved on already (it reads neither the
// present nor the value one step ahead of it).
void moveonBeyondPresent(EngineState& state, int z, double* grid);

} // namespace engine
