// The element editors' buffers: the values through which an editor's controls, its OK handler and
// its R-value display exchange what is being edited, and which a few readers outside the editors also
// load (the engine input writer uses some as its working storage while it builds construction texts,
// the defaults warning dialog and the building details report read some).  One set for the program:
// an editor loads every buffer it uses each time it opens, so none carries a meaning from one opening
// to the next.
#pragma once

#include "common/arrays.h"

#include <cstdint>
#include <string>

namespace pelmora {

struct EditorBuffers {
    // ---- Walls (external and internal wall editors; the window and door editors hold their wall here)
    double EditThickness = 0.0;  // mm, the wall thickness of ThickEdit
    double EditWallHeight = 0.0; // mm; in the window and door editors the height of the element's wall
    // Length of the wall: metres in the wall editors (6.0 in defaults mode), millimetres in the window
    // and door editors (4000 in defaults mode).
    double EditWallLength = 0.0;
    double EditWallArea = 0.0;   // m2, net wall area for UA
    double EditAddedR = 0.0;     // m2K/W, added bulk insulation of the scroll bar Rscroll
    std::int32_t EditColour = 0; // 0x00BBGGRR, colour of the external wall

    // ---- Roof, ceiling and skylight
    double EditSlope = 0.0;  // degrees
    double EditShaftR = 0.0; // m2K/W, skylight shaft insulation

    // ---- Door
    double EditDoorHeight = 0.0; // mm
    double EditDoorWidth = 0.0;  // mm

    // ---- Window
    double EditWinHeight = 0.0;                                // mm
    double EditWinWidth = 0.0;                                 // mm
    double EditWinOffset = 0.0;                                // mm
    double EditWin2ndEaves = 0.0;                              // mm
    double EditWinHeadHeight = 0.0;                            // mm
    common::FixedArray1<std::int32_t, 1, 12> EditWinShading{}; // % of each month, January first
    // Vertical shading of the window: left width, right width, left offset, right offset (m).
    common::FixedArray1<double, 1, 4> EditVertShading{};
    std::string CurrentWindowCode;   // at most 11 characters
    std::string CurrentSkylightCode; // at most 11 characters
    // Entry of WindowProducts that the window editor, the custom window chooser and the clerestory
    // window show (0 before the first showing counts as 1), and the entry when the chooser opened.
    std::int32_t WindowProductIndex = 0;
    std::int32_t SavedWindowProductIndex = 0;
    // Whole-window U (W/m2K) and SHGC of the product shown; display values.
    double WholeWindowU = 0.0;
    double WholeWindowSHGC = 0.0;

    // ---- Skylight
    double EditSkyHeight = 0.0;          // mm
    double EditSkyWidth = 0.0;           // mm
    double SkylightArea = 0.0;           // m2, EditSkyWidth x EditSkyHeight / 1 000 000
    std::int32_t EditSkyOrientation = 0; // 0..7, steps of 45 degrees

    // ---- External floor and floor covering
    double EditUnderFloorHeight = 0.0; // mm
    double EditFloorAddedR = 0.0;      // m2K/W
    double EditFloorArea = 0.0;        // m2

    // ---- Working storage of the engine input writer
    double ElementAddedR = 0.0; // m2K/W, the added bulk R of the element in hand
    // Index into SkylightProducts of the last skylight product looked up (the skylight editor's).
    std::int32_t SkylightProductIndex = 0;
};

} // namespace pelmora
