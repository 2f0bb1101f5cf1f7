// The data blocks of the air-flow network that the input reader does not share: the zone
// temperatures of the step, the solver errors and network volume, the linear system of the pressure
// solvers, the contaminant concentrations, and what `mix2` keeps between its calls.  The opening
// data, pressures and flows (`geo`, `open1`, `type`, `outdoor`, `wind`, `pressure`, `flow`,
// `ventzones`) are declared with the input blocks, whose reader fills their input part.
#pragma once

#include "common/arrays.h"
#include "engine/core/input_blocks.h"
#include "engine/solar_airflow/airflow_report.h"

#include <array>
#include <string>

namespace engine {

inline constexpr int kMaxScalars = 10;    // contaminants the concentration arrays hold
inline constexpr int kMaxScalarNames = 6; // contaminants the input dialogue names

// Block `temp`.
struct TempBlock {
    PerZone<double> tzn; // air temperature of each active network zone in the step, °C
};

// Block `others`.
struct OthersBlock {
    double errp = 0.0;   // mean absolute zone pressure change of the last solver pass, Pa
    double errq = 0.0;   // mean absolute mass imbalance of the last Newton pass, m3/s
    double voltot = 0.0; // total volume of the network zones, m3
};

// Block `linear`: the square system of the pressure solvers over the active zones, leading
// dimension 150.  The first column of `bmat` is the right-hand side and, after solving, the unknowns.
struct LinearBlock {
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> amat;
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> bmat;
};

// Block `conc` of the contaminant transport, with the scalar names and outdoor concentrations and
// the work arrays of the integrator.  Concentrations in kg of contaminant per kg of air.
struct ConcBlock {
    int nscal = 0;                                                        // number of scalars
    std::array<std::string, kMaxScalarNames> scname;                      // scalar names, 10 characters each
    common::FixedArray2<double, 1, kMaxScalars, 0, kMaxStepsPerDay> cout; // outdoor concentration
    common::FixedArray1<double, 0, kMaxZones> cnew;              // concentrations at the end of the step
    common::FixedArray1<double, 0, kMaxZones> cold;              // concentrations at its start
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> amc; // mass flows of the balances, kg/s
    PerZone<double> smc;                                         // constant term of each balance, kg/s
    // Source of each zone and scalar per step (zone, scalar, step 0..1439), kg/s; sized by `input`
    // from the zones and scalars of the run.
    common::Array3<double> gsrc;
    int lastsource = -1; // last step entry of `gsrc`
    // Stages and trial values of the fourth-order Runge-Kutta step.
    common::FixedArray1<double, 0, kMaxZones> rk1, rk2, rk3, rk4, rktry;
};

// What `mix2` and its solvers keep between their calls.
struct AirflowWork {
    PerZone<double> pprev;  // zone pressures of the previous pre-iteration, Pa
    PerZone<double> pguess; // hydrostatic first guesses of the zone pressures, Pa
    int isector = 1;        // wind sector of the last call, 1..8
    // Position of each zone in the active order of the step (1-based); 0 for a zone that takes
    // no part in the step.
    PerZone<int> ipos;
    // 1 for an active zone whose pressure the solvers hold fixed in the step: a zone joined to no
    // open opening, and one zone of each group of zones that no open opening joins to the outdoors.
    PerZone<int> ifixed;
    PerZone<int> igroup;    // group of connected active zones (work array of the grouping)
    PerZone<int> igrounded; // 1: the group reaches the outdoors; 2: it got its fixed zone
    // Work space of the pressure solvers for the system of one group of zones that no term of the
    // system joins to the others: its matrix (column-major, leading dimension the group's size),
    // its right-hand side, and the solutions of every row of the whole system.
    std::array<double, static_cast<std::size_t>(kMaxZones) * kMaxZones> groupMatrix{};
    std::array<double, kMaxZones> groupRhs{};
    std::array<double, kMaxZones + 1> groupSolution{};
};

struct AirflowBlocks {
    TempBlock temp;
    OthersBlock others;
    LinearBlock linear;
    ConcBlock conc;
    AirflowWork airflowwork;
    AirflowReportFile airflowreport;
};

} // namespace engine
