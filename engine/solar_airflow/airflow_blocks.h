// The data blocks of the air-flow network: zone temperatures and densities of the step, the far-side
// conditions and pressures of every ventilation opening, the zone pressures the network solves for,
// the opening coefficients and flows, the linear system of the pressure solvers, and the blocks of the
// contaminant transport.  Indices follow the engine's blocks: zones 1..150, openings 1..50 of a zone.
#pragma once

#include "common/arrays.h"

#include <array>
#include <string>

namespace engine {

inline constexpr int kMaxZones = 150;            // zones of a run
inline constexpr int kMaxOpenings = 50;          // ventilation openings of one zone
inline constexpr int kMaxPressureCoefSets = 999; // pressure-coefficient sets of the input
inline constexpr int kMaxScalars = 10;           // contaminants the concentration arrays hold
inline constexpr int kMaxScalarNames = 6;        // contaminants the input dialogue names
inline constexpr int kStepsPerDay = 1440;        // finest calculation steps of a day

using ZoneReal = common::FixedArray1<double, 1, kMaxZones>;
using OpeningReal = common::FixedArray2<double, 1, kMaxZones, 1, kMaxOpenings>;
using OpeningInt = common::FixedArray2<int, 1, kMaxZones, 1, kMaxOpenings>;

// Block `temp`.
struct TempBlock {
    ZoneReal tzn; // air temperature of each active network zone in the step, °C
};

// Block `outdoor`: per-opening far-side and density data.
struct OutdoorBlock {
    OpeningReal vloc;  // local wind speed at an opening to the outdoors (0 for internal ones), m/s
    OpeningReal tfar;  // air temperature on the far side of the opening, °C
    OpeningReal drho;  // far-side density minus zone density, kg/m3 (magnitude at least 1e-20)
    OpeningInt icpidx; // identifying number of the opening's pressure-coefficient set; < 0: no wind
    common::FixedArray1<double, 0, kMaxZones> rho;           // air density, 0 = outdoors, kg/m3
    common::FixedArray1<int, 1, kMaxPressureCoefSets> icpid; // identifying number of each set
};

// Block `pressure`.  Pressures in Pa relative to the outdoor static pressure at the network's datum.
struct PressureBlock {
    // Column 0: pressure of each zone at its mid-height (the unknowns of the network).  Columns
    // 1..50: the far-side pressure term of each opening without the neighbour zone's own pressure.
    common::FixedArray2<double, 1, kMaxZones, 0, kMaxOpenings> pz;
    OpeningReal pfarbx; // the same term at the bottom level of a large opening, Pa
    OpeningReal pfar;   // far-side pressure at the opening, or at the top of a large opening, Pa
    OpeningReal pfarb;  // far-side pressure at the bottom of a large opening, Pa
    OpeningReal zneut;  // neutral-plane height above the bottom of the opening's profile, m
    int irefz = 0;      // reference zone of the network (lowest mid-height), 0 = none
};

// Block `others`.
struct OthersBlock {
    double errp = 0.0;   // mean absolute zone pressure change of the last solver pass, Pa
    double errq = 0.0;   // mean absolute mass imbalance of the last Newton pass, m3/s
    double voltot = 0.0; // total volume of the network zones, m3
};

// Block `flow`.  Flows in m3/s.
struct FlowBlock {
    OpeningReal ocoef;  // C1: below the neutral plane (large openings), or into the zone (small ones)
    OpeningReal ocoef2; // C2: above the neutral plane (large openings), or out of the zone (small ones)
    ZoneReal qmsup;     // mechanical supply of the zone, m3/s (>= 0)
    ZoneReal qmex;      // mechanical exhaust of the zone, m3/s, stored negative
    ZoneReal qzout;     // total flow out of the zone through its openings, m3/s
    OpeningReal qin;    // flow into the zone through each opening, m3/s
    OpeningReal qout;   // flow out of the zone through each opening, m3/s
    ZoneReal resid;     // mass-balance residual of the zone, m3/s (positive: more in than out)
    ZoneReal qzin;      // total flow into the zone through its openings, m3/s
    ZoneReal qinx;      // inflow through the zone's openings to the outdoors, m3/s
    ZoneReal qoutx;     // outflow through the zone's openings to the outdoors, m3/s
};

// Block `linear`: the square system of the pressure solvers over the active zones, leading
// dimension 150.  The first column of `bmat` is the right-hand side and, after solving, the unknowns.
struct LinearBlock {
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> amat;
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> bmat;
};

// What `mix2` and its solvers keep between their calls within one step, and the wind sector that
// carries over to the next call for a direction that fits no sector.
struct AirflowWork {
    ZoneReal pprev;    // zone pressures of the previous pre-iteration, Pa
    ZoneReal pguess;   // hydrostatic first guesses of the zone pressures, Pa
    int isector = 1;   // wind sector of the last call, 1..8
    double wsstep = 0; // wind speed of the step at the weather station, m/s
    // Position of each zone in the active order of the step (1-based); 0 for a zone that takes
    // no part in the step.
    common::FixedArray1<int, 1, kMaxZones> ipos;
    // 1 for an active zone whose pressure the solvers hold fixed in the step: a zone joined to no
    // open opening, or one zone of each group of zones that no open opening joins to the outdoors.
    common::FixedArray1<int, 1, kMaxZones> ifixed;
    common::FixedArray1<int, 1, kMaxZones> igroup; // group of connected active zones, work array
};

// Block `mixc` of the contaminant transport.
struct MixcBlock {
    int nscal = 0;                                                     // number of scalars
    std::array<std::string, kMaxScalarNames> scname;                   // scalar names, 10 characters each
    common::FixedArray2<double, 1, kMaxScalars, 0, kStepsPerDay> cout; // outdoor concentration, kg/kg
    double rungek = 5.0;                                               // Runge-Kutta sub-step length, s
};

// Block `conc` of the contaminant transport, with the work arrays of the integrator.
struct ConcBlock {
    common::FixedArray1<double, 0, kMaxZones> cnew;              // concentrations at the end of the step
    common::FixedArray1<double, 0, kMaxZones> cold;              // concentrations at its start
    common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones> amc; // mass flows of the balances, kg/s
    ZoneReal smc;                                                // constant term of each balance, kg/s
    // Source of each zone and scalar per step (zone, scalar, step 0..1439), kg/s; sized by `input`
    // from the zones and scalars of the run.
    common::Array3<double> gsrc;
    // Stages and trial values of the fourth-order Runge-Kutta step.
    common::FixedArray1<double, 0, kMaxZones> rk1, rk2, rk3, rk4, rktry;
};

struct AirflowBlocks {
    TempBlock temp;
    OutdoorBlock outdoor;
    PressureBlock pressure;
    OthersBlock others;
    FlowBlock flow;
    LinearBlock linear;
    AirflowWork airflowwork;
    MixcBlock mixc;
    ConcBlock conc;
};

} // namespace engine
