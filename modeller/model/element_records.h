// The element records of the house model: the openings and constructions that belong to a wall or a
// zone (windows, doors, skylights, internal walls, the roof, the ceiling, the external floor, the
// ceiling between levels and the covering of a floor between levels).  Plain records held by value in
// the model's arrays.  A table reference is the record number (1-based row position) of the chosen row
// in the named material table, never the row's key column.
#pragma once

#include "common/arrays.h"

#include <cstdint>
#include <string>

namespace pelmora {

// A plan position in pixels at the current magnification; y grows downwards.
struct TPlanPoint {
    std::int32_t X = 0; // px
    std::int32_t Y = 0; // px
    bool operator==(const TPlanPoint&) const = default;
};

// A site obstruction mapped onto one wall or window by the engine input writer (working storage,
// never stored in a file).
struct TSurfaceObstructionRec {
    double Distance = 0.0;                              // m
    double RelativeHeight = 0.0;                        // m
    double LateralPosition = 0.0;                       // m
    double VerticalOffset = 0.0;                        // m, 0 for a wall
    double Width = 0.0;                                 // m
    common::FixedArray1<std::int32_t, 1, 12> Shading{}; // % of each month
    bool operator==(const TSurfaceObstructionRec&) const = default;
};

using MonthlyPercent = common::FixedArray1<std::int32_t, 1, 12>;
// Zones sharing one roof space or under-floor space; entry 1 is the zone itself when it is new.
constexpr int kSharedZoneSlots = 50;
using SharedZoneList = common::FixedArray1<std::int32_t, 1, kSharedZoneSlots>;

// A window in an external wall.  Lengths in metres.
struct TWindowRec {
    double Position = 0.0;       // m from the wall's start node to the window's centre
    double Width = 0.0;          // m
    double Height = 0.0;         // m
    double ElementArea = 0.0;    // m2, Width x Height
    double Azimuth = 0.0;        // degrees, copy of the wall's
    double EavesDepth = 0.0;     // m
    double SecondEaves = 0.0;    // m, 0 = none
    double Offset = 0.0;         // m, height of the horizontal shade above the window head
    double HeadHeight = 0.0;     // m above the floor
    TPlanPoint NodePoint;        // px
    std::int32_t Glass = 0;      // record of "Windowglass.DB"
    std::int32_t Frame = 0;      // record of "Windowframe.DB"
    std::int32_t Style = 0;      // record of "Windowstyle.DB"
    std::int32_t Shading = 0;    // record of "Windowshading.DB"
    std::int32_t Furnishing = 0; // record of "Windowfurnishing.DB"
    std::string ProductCode;     // at most 11 characters
    bool PermanentlyOpen = false;
    MonthlyPercent MonthlyShading{}; // % of each month, January first
    // Working fields of the engine input writer; not stored.
    common::FixedArray1<TSurfaceObstructionRec, 1, 3> WindowObstructions{};
    double LeftFinDepth = 0.0;   // m
    double RightFinDepth = 0.0;  // m
    double LeftFinOffset = 0.0;  // m
    double RightFinOffset = 0.0; // m
    // Vertical shades typed for this window.
    double VertShadeLeftOffset = 0.0;  // m
    double VertShadeLeftWidth = 0.0;   // m
    double VertShadeRightOffset = 0.0; // m
    double VertShadeRightWidth = 0.0;  // m
    bool operator==(const TWindowRec&) const = default;
};

// A door in an external wall or in a wall shared with another zone.
struct TDoorRec {
    double Position = 0.0;     // m from the wall's start node
    double Width = 0.0;        // m
    double Height = 0.0;       // m
    double ElementArea = 0.0;  // m2
    double Azimuth = 0.0;      // degrees
    double EavesDepth = 0.0;   // m
    double Reserved = 0.0;     // never set; stored in the house file (called DoorSpare there)
    TPlanPoint NodePoint;      // px
    std::int32_t Material = 0; // record of "DoorMaterial.DB"; a row with M1 = 0 is an open doorway
    bool operator==(const TDoorRec&) const = default;
};

// A skylight in the roof of a zone, or a clerestory window in a roof-top wall.  Sizes in millimetres.
struct TSkylightRec {
    std::int32_t SkyProduct = 0;       // record of "Skylight.DB"
    std::int32_t Furnishing = 0;       // record of "Windowfurnishing.DB"
    std::int32_t Orientation = 0;      // 0..7, steps of 45 degrees on the plan
    double Width = 0.0;                // mm
    double Height = 0.0;               // mm
    double Slope = 0.0;                // degrees
    double SkyAzimuth = 0.0;           // degrees; set by the engine input writer, not stored
    std::int32_t ShaftLength = 0;      // mm
    std::int32_t OpeningPercent = 0;   // %
    std::int32_t ShadingPercent = 0;   // %
    std::int32_t ShaftReflectance = 0; // %
    double ShaftR = 0.0;               // m2K/W
    bool Clerestory = false;
    bool Diffuser = false;
    bool Vented = false;
    std::int32_t SkyFrame = 0;     // record of "SkyFrame.DB"
    double ClereWallWidth = 0.0;   // mm
    double ClereEavesWidth = 0.0;  // mm
    double ClereEavesOffset = 0.0; // mm
    double ClereWallHeight = 0.0;  // mm
    std::string WindowCode;        // at most 11 characters
    std::int32_t Glass = 0;        // record of "Windowglass.DB"
    std::int32_t Frame = 0;        // record of "Windowframe.DB"
    std::int32_t Style = 0;        // record of "Windowstyle.DB"
    std::string ProductCode;       // at most 11 characters
    bool operator==(const TSkylightRec&) const = default;
};

// An internal wall drawn inside one zone.
struct TIntWallRec {
    std::int32_t Material = 0;   // record of "IntWallmaterial.DB"
    std::int32_t Insulation = 0; // record of "InWallInsulation.DB"
    double IntWallLength = 0.0;  // m
    double Height = 0.0;         // m
    double Thickness = 0.0;      // mm
    double AddedR = 0.0;         // m2K/W
    TPlanPoint StartPoint;       // px
    TPlanPoint EndPoint;         // px
    bool operator==(const TIntWallRec&) const = default;
};

// The roof above a zone.
struct TRoofRec {
    std::int32_t Material = 0;    // record of "Roofmaterial.DB"
    std::int32_t Insulation = 0;  // record of "RoofInsulation.DB"
    std::int32_t RoofSpace = 0;   // 0..4
    std::int32_t RoofShape = 0;   // 0..3
    std::int32_t RoofGapCode = 0; // "GR" of the insulation row
    double AddedR = 0.0;          // m2K/W
    double Slope = 0.0;           // degrees
    double Absorptance = 0.0;     // solar absorptance of RoofColour
    std::int32_t RoofColour = 0;  // 0x00BBGGRR
    bool operator==(const TRoofRec&) const = default;
};

// The ceiling of a zone below a roof space or another apartment.
struct TCeilingRec {
    std::int32_t Material = 0;   // record of "Ceilingmaterial.DB"
    std::int32_t Insulation = 0; // record of "CeilingInsulation.DB"
    std::int32_t RoofSpace = 0;  // 0..4
    double AddedR = 0.0;         // m2K/W
    double Slope = 0.0;          // degrees
    SharedZoneList SharedZones{};
    bool operator==(const TCeilingRec&) const = default;
};

// The external floor of a zone.
struct TExtFloorRec {
    std::int32_t Material = 0;         // record of "ExtFloormaterial.DB"
    std::int32_t Insulation = 0;       // record of "ExtFloorInsulation.DB"
    std::int32_t FloorVentilation = 0; // 0..2
    std::int32_t FloorVentArea = 0;    // 0..4
    std::int32_t FloorCovering = 0;    // record of "FloorCovering.DB"
    std::int32_t FloorReflective = 0;  // 0 or 1
    double AddedR = 0.0;               // m2K/W
    double UnderFloorHeight = 0.0;     // mm
    SharedZoneList SharedZones{};
    bool operator==(const TExtFloorRec&) const = default;
};

// The external floors that the model's rules name: a slab on ground stands on the earth (level 1
// only); the suspended concrete slab with outside air below is what a floor above it has.
inline constexpr std::int32_t kSlabOnGroundFloor = 1;      // record of "ExtFloormaterial.DB"
inline constexpr std::int32_t kSuspendedConcreteFloor = 4; // record of "ExtFloormaterial.DB"
inline constexpr std::int32_t kVeryOpenFloor = 0;          // FloorVentilation: outside air below

// The ceiling between a zone and the level above, kept with the lower zone.
struct TIntCeilingRec {
    std::int32_t Material = 0;   // record of "IntFloorMaterial.DB"
    std::int32_t Insulation = 0; // record of "IntCeilInsulation.DB"
    double AddedR = 0.0;         // m2K/W
    bool operator==(const TIntCeilingRec&) const = default;
};

// The covering of a floor between levels, kept with the upper zone.
struct TFloorCoverRec {
    std::int32_t FloorCovering = 0; // record of "FloorCovering.DB"
    bool operator==(const TFloorCoverRec&) const = default;
};

} // namespace pelmora
