// The element clipboard: the copy buffers of the element editors' Copy and Paste buttons.  One group
// per dialog, which only that dialog reads, and one flag per dialog that says whether its group holds
// a copy.  Nothing here is saved; the clipboard lasts for the run and works across elements, across
// openings of the dialog and across defaults mode.
#pragma once

#include "common/arrays.h"

#include <cstdint>

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
    CeilingCopy Ceiling;
    RoofCopy Roof;
};

} // namespace pelmora
