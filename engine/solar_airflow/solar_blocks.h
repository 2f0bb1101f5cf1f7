// The data blocks of solar position, sky model, shading and solar gains: the month's sky-diffuse
// shading factors, the argument block of the screen view-factor integrals, the step's effective beam
// and surface resistance, the second driver table with the glazing U-value range, and the month's
// beam shading plans of every window and wall sol-air path.
#pragma once

#include <cstdint>
#include <ostream>

#include "common/arrays.h"
#include "engine/core/input_blocks.h"
#include "engine/solar_airflow/beam_shading.h"
#include "engine/solar_airflow/screen_view_factor.h"

namespace engine {

// Block `diffuseshad`: factors 0..1 (1 = unshaded) by which screens, eaves and pergolas, and fins
// scale the sky diffuse radiation on each window (zone, window) and wall sol-air path, for the month.
struct DiffuseshadBlock {
    PerZoneWindow<double> wdfscr, wdfhor, wdfver;
    common::FixedArray1<double, 1, kMaxWallPaths> wpdfscr, wpdfhor, wpdfver;
};

// Block `stuff`: the second driver table, the curtain states and the range of the dynamic glazing
// U-values.  The time loop copies the step's column of `drive` into `drive2` and sets the curtain
// states; the solar gains write rows 302..601 of `drive2` and `umax` and `umin`.
struct StuffBlock {
    common::Array2<double> drive2; // rows as `drive`, steps of the day (sized with `drive`)
    common::FixedArray2<std::int16_t, 1, kMaxZones, 1, kMaxStepsPerDay> icovw; // windows: 0 open, 1 drawn,
    common::FixedArray2<std::int16_t, 1, kMaxZones, 1, kMaxStepsPerDay> icovs; // 2 by solar level
    double umax = 0.0;   // largest dynamic glazing U-value met, W/m2K
    double umin = 100.0; // smallest, W/m2K
};

// Block `sysb`, the one member the solar gains read: the zone air temperatures of the last completed
// step.  The time loop writes it.
struct SysbBlock {
    PerZone<double> tzonea; // C
};

// The month's beam shading plans, made with the diffuse factors at each change of month.
struct BeamPlans {
    int month = 0;                          // month of the plans, 0 before the first
    common::Array2<BeamShadingPlan> window; // (zone, window)
    common::Array1<BeamShadingPlan> path;   // wall sol-air paths
};

struct SolarBlocks {
    DiffuseshadBlock diffuseshad;
    Sky sky;               // argument block of `skyshad`
    PerStep<double> beff;  // effective beam irradiance of each step, W/m2
    PerStep<double> rsurf; // outside surface resistance of each step, m2K/W
    StuffBlock stuff;
    SysbBlock sysb;
    BeamPlans beamplans;
    double skytaub = 0.0;               // light-well glass transmittance of the last beam angle in range
    double skytaud = 0.0;               // the same for the diffuse
    std::ostream* textReport = nullptr; // the text report output.txt while it is open
};

} // namespace engine
