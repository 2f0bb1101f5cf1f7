// Zone harmonic response: the complex response of every zone's air temperature to every driver row
// at the 60 harmonic frequencies, first for each zone by itself from its zone path records, then for
// all zones together through the zonal matrix of the air temperatures that couple them.
//
// Rows 1..601 are the driver table's rows (outdoor air, sol-air temperatures, solar and internal
// gains); row 601 + z stands for the air temperature of zone z.
#pragma once

namespace engine {

struct EngineState;

// Reads the zone path records of the work file (after its section part) and fills `hres`, `kindrf`,
// `iuserow`, `hss` and the flags 31 of `idrvuse`.  ierr = 1, with its message in the text report, for
// a 151st zone, a path code without stored gorcum, a zone that exchanges no heat with anything, or a
// singular zonal matrix.
void harmnc(EngineState& state, int& ierr);

// Couples the zones: at each frequency solves the zonal matrix of the zones' responses to each
// other's air temperature and replaces the responses to rows 1..601 by the coupled ones.  ierr = 1
// (message written) when the matrix is singular; otherwise ierr is left as it was.
void zone(EngineState& state, int& ierr);

} // namespace engine
