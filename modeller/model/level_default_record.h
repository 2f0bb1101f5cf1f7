// The default elements of one level: the constructions, sizes and options that a new zone on that
// level and its new windows, doors and skylights start from; and the house-wide new-zone options.
// Lengths here are millimetres (the editors show millimetres), R in m2K/W, angles in degrees.
#pragma once

#include "common/arrays.h"
#include "modeller/model/stored_fields.h"

#include <cstdint>
#include <span>
#include <string>

namespace pelmora {

struct TLevelDefaultRec {
    // The 73 values stored in the house file and the defaults file (order in kStoredLevelDefaults).
    std::int32_t DefExtMaterial = 0;
    std::int32_t DefExtInsulation = 0;
    std::int32_t DefExtColour = 0; // 0x00BBGGRR
    double DefExtHeight = 0.0;     // mm
    double DefExtAddedR = 0.0;     // m2K/W
    std::int32_t DefBeyond = 0;    // 0..3
    bool DefExtInsulated = false;
    std::int32_t DefPartMaterial = 0;
    std::int32_t DefPartInsulation = 0;
    double DefPartHeight = 0.0; // mm
    double DefPartAddedR = 0.0; // m2K/W
    std::int32_t DefFloorMaterial = 0;
    std::int32_t DefFloorInsulation = 0;
    double DefFloorAddedR = 0.0;          // m2K/W
    double DefUnderFloorHeight = 0.0;     // mm
    std::int32_t DefFloorSpare = 0;       // only stored and copied
    std::int32_t DefFloorVentilation = 0; // 0..2
    std::int32_t DefFloorVentArea = 0;    // 0..4
    std::int32_t DefFloorCovering = 0;
    double DefIntCeilingAddedR = 0.0; // m2K/W
    std::int32_t DefIntCeilingMaterial = 0;
    std::int32_t DefIntCeilingInsulation = 0;
    std::int32_t DefFloorCover = 0;
    std::int32_t DefCeilingMaterial = 0;
    std::int32_t DefCeilingInsulation = 0;
    std::int32_t DefCeilingRoofSpace = 0; // 0..4
    double DefCeilingAddedR = 0.0;        // m2K/W
    double DefCeilingSlope = 0.0;         // degrees
    std::int32_t DefRoofMaterial = 0;
    std::int32_t DefRoofInsulation = 0;
    std::int32_t DefRoofGapCode = 0;
    std::int32_t DefRoofColour = 0; // 0x00BBGGRR
    double DefRoofAddedR = 0.0;     // m2K/W
    double DefRoofSlope = 0.0;      // degrees
    std::int32_t DefRoofSpace = 0;  // 0..4
    std::int32_t DefRoofShape = 0;  // 0..3
    std::int32_t DefWinGlass = 0;
    std::int32_t DefWinFrame = 0;
    std::int32_t DefWinStyle = 0;
    std::int32_t DefWinShading = 0;
    std::int32_t DefWinFurnishing = 0;
    std::string DefWinCode;        // at most 11 characters
    double DefWinHeight = 0.0;     // mm
    double DefWinWidth = 0.0;      // mm
    double DefWinOffset = 0.0;     // mm
    double DefWinHeadHeight = 0.0; // mm
    bool DefWinOpen = false;
    std::int32_t DefDoorMaterial = 0;
    double DefDoorHeight = 0.0; // mm
    double DefDoorWidth = 0.0;  // mm
    std::int32_t DefSkyProduct = 0;
    std::int32_t DefSkyFrame = 0;
    std::int32_t DefSkyFurnishing = 0;
    std::int32_t DefSkyStyle = 0;
    std::int32_t DefSkyGlass = 0;
    std::int32_t DefSkyWinFrame = 0;
    double DefClereWallWidth = 0.0;       // mm
    double DefClereEavesWidth = 0.0;      // mm
    double DefClereEavesOffset = 0.0;     // mm
    double DefClereWallHeight = 0.0;      // mm
    std::string DefSkyWindowCode;         // at most 11 characters
    std::string DefSkyCode;               // at most 11 characters
    double DefSkySlope = 0.0;             // degrees
    double DefSkyHeight = 0.0;            // mm
    double DefSkyWidth = 0.0;             // mm
    std::int32_t DefShaftLength = 0;      // mm
    std::int32_t DefSkyOpening = 0;       // %
    std::int32_t DefSkyShading = 0;       // %
    std::int32_t DefShaftReflectance = 0; // %
    double DefShaftR = 0.0;               // m2K/W
    bool DefClerestory = false;
    bool DefDiffuser = false;
    bool DefVented = false;

    // Kept only in memory: neither stored nor copied between levels.
    std::int32_t DefFloorReflective = 0;                             // 0 or 1
    std::int32_t DefSkyOrientation = 0;                              // 0..7
    double DefWin2ndEaves = 0.0;                                     // mm
    common::FixedArray1<std::int32_t, 1, 12> DefWinMonthlyShading{}; // %
    double DefVertShadeLeftWidth = 0.0;                              // m
    double DefVertShadeRightWidth = 0.0;                             // m
    double DefVertShadeLeftOffset = 0.0;                             // m
    double DefVertShadeRightOffset = 0.0;                            // m

    bool operator==(const TLevelDefaultRec&) const = default;
};

// Options a new zone and a new stairwell start from; one set for the whole house.
struct TNewZoneOptions {
    // The twelve stored values, in their stored order (kStoredNewZoneOptions).
    bool DefInsectScreens = false;
    bool DefDraughtSeals = false;
    bool DefUnsealedChimney = false;
    bool DefGasHeaterVent = false;
    std::int32_t DefVentCount = 0;
    std::int32_t DefCeilingFanCount = 0;
    std::int32_t DefExhaustFanCount = 0;
    std::int32_t DefDownlightCount = 0;
    double DefFanDiameter = 0.0;      // mm
    std::int32_t DefMechVentRate = 0; // air changes per hour
    double DefStairLength = 0.0;      // mm
    double DefStairWidth = 0.0;       // mm
    // Not stored.
    bool DefMechVentOn = false;

    bool operator==(const TNewZoneOptions&) const = default;
};

// The 73 stored values of a level default record, in their stored order.
std::span<const StoredField<TLevelDefaultRec>> storedLevelDefaultFields();
// The twelve stored new-zone options, in their stored order.
std::span<const StoredField<TNewZoneOptions>> storedNewZoneOptionFields();

} // namespace pelmora
