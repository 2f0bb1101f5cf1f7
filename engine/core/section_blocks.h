// The data blocks of building sections, view factors and input completion: what the section
// properties, the radiant exchange of a zone box and the completion of the input write beyond the
// values of the cards.
#pragma once

#include "common/arrays.h"
#include "engine/core/input_blocks.h"
#include "engine/core/work_file.h"

#include <fstream>

namespace engine {

// Areas of the box surfaces, m2: index k (1..7) is surface k, index 8 the whole window wall.
using BoxAreas = common::FixedArray1<double, 1, 8>;
// View factors F(a, b) from a to b: index 1 the whole window wall, index k + 1 surface k.
using ViewFactorTable = common::FixedArray2<double, 1, 8, 1, 8>;

// Block `win`: the window in its wall and the box, m.
struct WinBlock {
    double wleft = 0.0;   // left edge of the window along the window wall
    double wright = 0.0;  // right edge
    double wbottom = 0.0; // bottom of the window above the floor
    double wtop = 0.0;    // top of the window (the ceiling)
    double boxl = 0.0;    // depth L, from the window wall to the opposite wall
    double boxw = 0.0;    // width W, the length of the window wall
    double boxh = 0.0;    // height H
};

// Block `cord`: the rectangle the window is currently measured against (along the shared direction
// from coord(1) to coord(2), away from the common edge from coord(3) to coord(4), m) and the view
// factors of the box.
struct CordBlock {
    common::FixedArray1<double, 1, 4> coord;
    ViewFactorTable f;
};

// The result files the end of the input opens; they stay open for the result writer.
struct ResultUnits {
    std::ofstream report;      // unit 61, the text report (output.txt)
    std::ofstream temperature; // unit 63, the hourly temperature file (.TEM)
    std::ofstream energy;      // unit 64, energy.txt, only when some zone is conditioned
    std::ofstream natrep;      // unit 70, natrep.dt2
    std::ofstream card8;       // unit 80, the card-8 file, unless its name is "None"
    std::ofstream airflow;     // unit 20, the air-flow report, only when asked for
    bool reportOpened = false; // the text report of this run has been created
};

// Floor and ceiling areas of each zone's paths, m2, summed at the end of the input.
struct ZoneSurfaceSums {
    PerZone<double> Af; // floor area
    PerZone<double> Ac; // ceiling area
};

struct SectionBlocks {
    SectionBlocks() {
        exchange.allocate(1, 150, 1, 150, 0.0);
        exchangework.allocate(1, 150, 1, 150, 0.0);
    }

    WorkFile tape52; // unit 52
    ResultUnits units;
    ZoneSurfaceSums zonesums;
    WinBlock win;
    CordBlock cord;
    // Block `exchange`: absorption factors B(i, j) of the zone box, i, j = 1..7, the rest 0.
    common::Array2<double> exchange;
    // The matrix I - F.rho of the box and, after the solution, its inverse (read by nobody else).
    common::Array2<double> exchangework;
};

} // namespace engine
