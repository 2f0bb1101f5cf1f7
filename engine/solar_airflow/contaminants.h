// Passive contaminants carried from zone to zone by the flows of the air-flow network: the zone
// mass balances, their fourth-order Runge-Kutta integration over a step, the saturation humidity
// ratio of air, and the console dialogue that reads the contaminants and their hourly sources.
// Concentrations are in kg of contaminant per kg of air, sources in kg/s, times in s.
#pragma once

#include "common/arrays.h"
#include "engine/core/input_blocks.h"
#include "engine/solar_airflow/airflow_blocks.h"

#include <iosfwd>

namespace engine {

struct EngineState;

using ZoneConcentrations = common::FixedArray1<double, 0, kMaxZones>;
using ScalarConcentrations = common::FixedArray2<double, 0, kMaxZones, 1, kMaxScalars>;

// Advances every scalar's zone concentrations c(zone, scalar) over a step of nmin minutes.
void contam(EngineState& state, ScalarConcentrations& c, int nmin, int istep);
// Fills `amc` and `smc` with the mass balances of the zones for scalar s in step t.
void coeff_con(EngineState& state, int s, int t);
// Integrates the balances from c0 at time t0 to c1 at t1 in sub-steps of h; a remainder shorter
// than h is not integrated.
void rk(EngineState& state, const ZoneConcentrations& c0, ZoneConcentrations& c1, double t0, double t1,
        double h);
// Rate of change of the zone concentrations c, per second.
void dcdt(EngineState& state, double t, const ZoneConcentrations& c, ZoneConcentrations& dc);
// Saturation humidity ratio of air at t °C, kg/kg, in both w1 and w2.
void init_con(double& w1, double& w2, double t);
// Reads the scalars, their names and hourly source files from `in`, prompting on `out`.  Throws
// std::runtime_error with a message for a count out of range or a source file that cannot be read.
void input(EngineState& state, std::istream& in, std::ostream& out);
void input(EngineState& state);

} // namespace engine
