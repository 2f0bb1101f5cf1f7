// The zone heat balance of one step: the step's drivers superposed on every zone's future air
// temperatures through the response factors, natural ventilation decided by the occupants' rules,
// the air-flow network, opaque louvres and the comfort test balanced with the zone temperatures, and
// the resulting air-flow and louvre gains added to the future temperatures as sensible gains.
#pragma once

#include "engine/core/input_blocks.h"
#include "engine/core/response_blocks.h"

namespace engine {

struct EngineState;

// Lags of the response buffers used by a step: the day's steps and the long-term grid.
int responseLags(const EngineState& state);

// c(m→i): the rise of zone i's air temperature at the end of a step per watt of sensible gain held in
// zone m over that step, K/W.
double sameStep(const EngineState& state, int m, int i);

// Adds a sensible gain q (W) held in zone m over the step to every zone's temperature of the step;
// its effect on the later future temperatures follows with superposeBeyondStep.
void injectGain(EngineState& state, int m, double q);

// The same-step change of every zone's temperature (K) that gains (W, by zone) added after the step's
// air flows were solved cause, with the change of the air exchanged at the changed temperatures:
// M Δ = C g, M the matrix of the step's zone temperatures, C the same-step responses.  Without air
// exchange (or with a step whose temperatures could not be solved with it) Δ = C g.
void airCoupledChange(EngineState& state, const PerZone<double>& gain, PerZone<double>& change);

// Injects gains (W, by zone) added after the step's air flows were solved, each with the change of
// its zone's air-flow gain at the changed temperatures, so that the air exchanged in the step is
// charged at the temperatures that the step ends with.  The gains are cleared.
void injectWithAirExchange(EngineState& state, PerZone<double>& gain);

// Conduction gain through an open opaque louvre: gain = U × area × (outside - zone), W.  The two
// irradiance factors of the louvre's path are not used; the second gain is 0.
void calcopaquelouvres(double tzone, double toutside, double u, double area, double opfac1, double opfac2,
                       double& gain, double& gain2);

// A: superposes the drivers of step t on every zone's temperature of the step and fills the
// network's temperature vector.
void superposeDrivers(EngineState& state, int t);

// The rest of the step's superposition, once its gains are known: the drivers of the step and every
// gain injected in it added to every zone's future temperatures beyond the step, each row's factors
// walked once.
void superposeBeyondStep(EngineState& state);

// The end of the step: superposeBeyondStep, then every zone's air temperature of the step kept in
// `tzonea` and its future moved one step on (moveon), zone by zone.  With worker threads the loop's
// thread moves only the present values on, with the step's inputs in them, and the workers do the
// rest while the next step runs; the next finishStep, a superposeBeyondStep or the end of the day's
// steps waits for them.  The sums are the same, in the same order, either way.
void finishStep(EngineState& state);

// B - E: natural ventilation, air flows, louvres and the comfort test, then the injection of the
// air-flow and louvre gains.  month 1..12.
void balanceZones(EngineState& state, int t, int month);

} // namespace engine
