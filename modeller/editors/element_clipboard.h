// The element clipboard: the copy buffers of the element editors' Copy and Paste buttons.  One group
// per dialog, which only that dialog reads, and one flag per dialog that says whether its group holds
// a copy.  Nothing here is saved; the clipboard lasts for the run and works across elements, across
// openings of the dialog and across defaults mode.
#pragma once

#include "common/arrays.h"

#include <cstdint>
#include <string>

namespace pelmora {

// The entries of ClipboardValid, one per dialog.
enum class ClipboardEntry {
    ExternalWall = 1,
    Roof,
    Ceiling,
    InternalWall,
    Skylight,
    Door,
    Window,
    ExternalFloor,
    IntCeiling,
    FloorCover,
    Obstructions,
    VerticalShading,
};
inline constexpr int kClipboardEntries = 12;

// The external wall editor's copy.
struct ExtWallCopy {
    std::int32_t Material = 0;   // record of the wall table
    std::int32_t Insulation = 0; // record of the insulation table
    std::int32_t Colour = 0;     // 0x00BBGGRR
    double WallHeight = 0.0;     // mm
    double Thickness = 0.0;      // mm
    double AddedR = 0.0;         // m2K/W
    std::int32_t Beyond = 0;     // item of "Beyond the Wall"
    bool Insulated = false;      // "Externally Insulated"
};

// The internal wall editor's copy.
struct IntWallCopy {
    std::int32_t Material = 0;
    std::int32_t Insulation = 0;
    double WallHeight = 0.0; // mm
    double Thickness = 0.0;  // mm
    double AddedR = 0.0;     // m2K/W
};

// The door editor's copy.
struct DoorCopy {
    std::int32_t Material = 0; // record of the door table
    double DoorHeight = 0.0;   // mm
    double DoorWidth = 0.0;    // mm
};

// The obstruction dialog's copy: one obstruction with its monthly shading.
struct ObstructionCopy {
    double D = 0.0;                                     // m
    double H = 0.0;                                     // m
    double L1 = 0.0;                                    // m
    double L2 = 0.0;                                    // m
    common::FixedArray1<std::int32_t, 1, 12> Shading{}; // % of each month
};

// The external floor editor's copy (the reflective choice is not copied).
struct ExtFloorCopy {
    std::int32_t Material = 0;         // record of the floor table
    std::int32_t Insulation = 0;       // record of the insulation table
    std::int32_t FloorCovering = 0;    // record of the covering table
    std::int32_t FloorVentilation = 0; // item of "Ventilation"
    std::int32_t FloorVentArea = 0;    // item of "Vent Area"
    double AddedR = 0.0;               // m2K/W
    double UnderFloorHeight = 0.0;     // mm
};

// The floor between levels editor's copy.
struct IntCeilingCopy {
    std::int32_t Material = 0;
    std::int32_t Insulation = 0;
    double AddedR = 0.0; // m2K/W
};

// The floor covering editor's copy.
struct FloorCoverCopy {
    std::int32_t FloorCovering = 0; // record of the covering table
};

// The window editor's copy.
struct WindowCopy {
    std::int32_t Glass = 0, Frame = 0, Style = 0, Furnishing = 0, Shading = 0; // table records
    std::string ProductCode;
    bool PermanentlyOpen = false;
    // Sizes (mm): height, width, shading offset, second eaves, head height.
    double Height = 0.0, Width = 0.0, Offset = 0.0, SecondEaves = 0.0, HeadHeight = 0.0;
    common::FixedArray1<std::int32_t, 1, 12> MonthlyShading{}; // %
    common::FixedArray1<double, 1, 4> VertShading{};           // m: lw, rw, lo, ro
};

// The ceiling editor's copy.
struct CeilingCopy {
    std::int32_t Material = 0;   // record of the ceiling table
    std::int32_t Insulation = 0; // record of the insulation table
    std::int32_t Above = 0;      // item of "Above the Ceiling"
    double AddedR = 0.0;         // m2K/W
    double Slope = 0.0;          // degrees
};

// The roof editor's copy.
struct RoofCopy {
    std::int32_t Material = 0;    // record of the roof table
    std::int32_t Insulation = 0;  // record of the insulation table
    std::int32_t Colour = 0;      // 0x00BBGGRR
    double AddedR = 0.0;          // m2K/W
    double Slope = 0.0;           // degrees
    std::int32_t Ventilation = 0; // item of "Roofspace Ventilation"
    std::int32_t Shape = 0;       // item of "Roof Shape"
};

struct ElementClipboard {
    common::FixedArray1<bool, 1, kClipboardEntries> ClipboardValid{};
    bool& Valid(ClipboardEntry entry) { return ClipboardValid(static_cast<int>(entry)); }

    ExtWallCopy ExtWall;
    IntWallCopy IntWall;
    DoorCopy Door;
    ObstructionCopy Obstruction;
    ExtFloorCopy ExtFloor;
    IntCeilingCopy IntCeiling;
    FloorCoverCopy FloorCover;
    WindowCopy Window;
    // The vertical shading dialog's copy: lw, rw, lo, ro (m).
    common::FixedArray1<double, 1, 4> VertShading{};
    CeilingCopy Ceiling;
    RoofCopy Roof;
};

} // namespace pelmora
