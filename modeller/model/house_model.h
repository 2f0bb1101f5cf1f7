// The house model: the one in-memory description of the house being rated.  Fixed-capacity arrays
// indexed as the rest of the modeller indexes them (zones 1..100, walls 0..50, elements from 1), the
// counts that say which entries exist, and the project, site and level values.  The application owns
// one model and hands it to its forms and services by reference; tests make their own.
//
// Entries past a count are not cleared: they keep what an earlier zone, wall or element left there.
// Only the counts decide what exists.  Every adder checks its capacity and refuses past it.
#pragma once

#include "common/arrays.h"
#include "modeller/model/element_records.h"
#include "modeller/model/level_default_record.h"
#include "modeller/model/product_records.h"

#include <any>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Capacities of the model.
constexpr int kMaxZones = 100;
constexpr int kMaxNodes = 51; // nodes (and walls) per zone, indexes 0..50
constexpr int kMaxWallIndex = kMaxNodes - 1;
constexpr int kMaxLevels = 6;
constexpr int kMaxEavesPoints = 51; // per level, indexes 0..50
constexpr int kMaxWindowsPerWall = 10;
constexpr int kMaxDoorsPerWall = 10;
constexpr int kMaxInterzoneDoorsPerWall = 10;
constexpr int kMaxIntWalls = 10; // per zone
constexpr int kMaxSkylights = 6; // per zone
constexpr int kMaxStairsDown = 6;
constexpr int kMaxStairsUp = 10;
constexpr int kMaxSpaceGroups = 50; // floor-space groups and roof-space groups each
constexpr int kMaxWindowProducts = 2500;
constexpr int kMaxSkylightProducts = 100;
constexpr int kMaxThicknessRecords = 50; // wall material records with a level thickness
constexpr std::size_t kZoneNameLength = 15;

// The plan covers 100 m each way and 2 px more, at 20 px/m times the magnification (1..4).  Zone
// nodes, eaves points and internal walls are stored at magnification 1, as the house file holds them,
// so they lie within 0..2002 px; the node points of windows and doors keep the magnification they
// were placed at, up to 4.
constexpr std::int32_t kPlanLimitPixels = 2002;
constexpr std::int32_t kMaxMagnification = 4;
constexpr std::int32_t kOpeningPointLimitPixels = kMaxMagnification * (kPlanLimitPixels - 2) + 2;

// Messages shown where a capacity is reached.
namespace limit_text {
inline constexpr std::string_view kZones = "Only 100 zones can be modelled";
inline constexpr std::string_view kLevels = "Only 6 levels can be modelled";
inline constexpr std::string_view kAtLeastOneLevel = "At least one level must be modelled";
inline constexpr std::string_view kNodes = "Only 51 nodes can be modelled in a zone";
inline constexpr std::string_view kEavesPoints = "Only 51 eaves points can be modelled on a level";
inline constexpr std::string_view kWindows = "Window limit has been reached";
inline constexpr std::string_view kDoors = "Door limit has been reached";
inline constexpr std::string_view kInterzoneDoors = "Only 10 doors can be mirrored into a wall";
inline constexpr std::string_view kIntWalls = "Only 10 internal walls can be modelled in a zone";
inline constexpr std::string_view kSkylights = "Only 6 skylights can be modelled";
inline constexpr std::string_view kStairsDown = "Only 6 stairs or voids can be modelled";
inline constexpr std::string_view kStairsUp = "Only 10 stairs or voids can open into a zone from above";
inline constexpr std::string_view kFloorSpaceGroups = "Only 50 under-floor spaces can be modelled";
inline constexpr std::string_view kRoofSpaceGroups = "Only 50 roof spaces can be modelled";
} // namespace limit_text

// What an adder did: the index of the new entry, or the limit message when it refused.
struct AddResult {
    bool added = false;
    int index = 0;
    std::string_view refusal; // the limit message when not added
    explicit operator bool() const { return added; }
};

// One zone.
struct TZoneRec {
    std::int32_t NodeCount = 0;      // 1..51, equal to the number of walls
    std::int32_t Level = 0;          // 1..6
    std::int32_t IntWallCount = 0;   // 0..10
    std::int32_t SkylightCount = 0;  // 0..6
    std::int32_t StairDownCount = 0; // 0..6
    std::int32_t StairUpCount = 0;   // 0..10
    std::int32_t CeilingFanCount = 0;
    std::int32_t VentCount = 0;       // wall or ceiling vents
    std::int32_t ExhaustFanCount = 0; // unsealed exhaust fans
    std::int32_t DownlightCount = 0;  // vented downlights
    std::int32_t MechVentRate = 0;    // air changes per hour
    double FloorArea = 0.0;           // m2; 0 marks a zone the pre-simulation pass removes
    double FanDiameter = 0.0;         // mm
    bool InsectScreens = false;
    bool DraughtSeals = false;
    bool UnsealedChimney = false;
    bool GasHeaterVent = false;
    bool MechVentOn = false;
    std::int32_t Colour = 0;   // 0x00BBGGRR
    std::string Name;          // at most 15 characters
    std::int32_t ZoneType = 0; // 0..7
    bool Heated = false;
    bool Cooled = false;
    bool operator==(const TZoneRec&) const = default;
};

// One wall of a zone outline: wall w runs from node w to node (w + 1) mod NodeCount.
struct TWallRec {
    std::int32_t AdjZone = 0; // 0 for an external wall
    std::int32_t WindowCount = 0;
    std::int32_t DoorCount = 0;
    std::int32_t InterzoneDoorCount = 0;
    std::int32_t ExtMaterial = 0;    // record of "Wallmaterial.DB"
    std::int32_t ExtInsulation = 0;  // record of "WallInsulation.DB"
    std::int32_t PartMaterial = 0;   // record of "IntWallmaterial.DB"
    std::int32_t PartInsulation = 0; // record of "InWallInsulation.DB"
    std::int32_t Beyond = 0;         // 0..3: air, shaded air, neighbour, earth
    bool ExtInsulated = false;
    double ExtAddedR = 0.0;     // m2K/W
    double PartAddedR = 0.0;    // m2K/W
    double Length = 0.0;        // m
    double PartHeight = 0.0;    // m
    double ExtHeight = 0.0;     // m
    double PartThickness = 0.0; // mm
    double ExtThickness = 0.0;  // mm
    double PlanAzimuth = 0.0;   // degrees clockwise from the top of the plan, [0, 360)
    double Azimuth = 0.0;       // degrees, true azimuth of the outward normal, [0, 360)
    double EavesDepth = 0.0;    // m
    double Absorptance = 0.0;   // solar absorptance of Colour
    std::int32_t Colour = 0;    // 0x00BBGGRR
    TPlanPoint Start;           // px, node w of the outline
    // Working fields of the engine input writer; not stored.
    common::FixedArray1<TSurfaceObstructionRec, 1, 3> WallObstructions{};
    double StartFinDepth = 0.0;  // m
    double EndFinDepth = 0.0;    // m
    double StartFinOffset = 0.0; // m
    double EndFinOffset = 0.0;   // m
    std::int32_t CpSetIndex = 0;
    bool operator==(const TWallRec&) const = default;
};

// A stairwell or void: in StairsDown of the upper zone, mirrored in StairsUp of the lower zone.
struct TStairRec {
    double Length = 0.0;   // mm
    double Width = 0.0;    // mm
    std::int32_t Zone = 0; // the zone below (StairsDown) or above (StairsUp)
    std::int32_t StairId = 0;
    bool operator==(const TStairRec&) const = default;
};

// A door of the adjoining zone seen from this side of a partition wall.
struct TInterzoneDoorRec {
    double Width = 0.0;        // m
    double Height = 0.0;       // m
    double ElementArea = 0.0;  // m2
    TPlanPoint NodePoint;      // px
    std::int32_t Material = 0; // record of "DoorMaterial.DB"
    bool operator==(const TInterzoneDoorRec&) const = default;
};

// The eaves (roof edge) polygon of one level.
struct TEavesOutline {
    std::int32_t Count = 0;
    common::FixedArray1<TPlanPoint, 0, kMaxEavesPoints - 1> Points{};
    bool operator==(const TEavesOutline&) const = default;
};

// An overshadowing obstruction of the site.
struct TObstructionRec {
    double D = 0.0;                                     // m, distance from the house
    double L1 = 0.0;                                    // m, lateral limit
    double L2 = 0.0;                                    // m, lateral limit
    double H = 0.0;                                     // m, height
    common::FixedArray1<std::int32_t, 1, 12> Shading{}; // % of each month
    bool operator==(const TObstructionRec&) const = default;
};

// The background picture of one level.  The picture itself belongs to the plan's drawing layer, which
// keeps it in `Bitmap` (any copyable picture type); the model only moves it with its level.
struct TLevelPictureRec {
    std::int32_t OffsetX = 0; // px at magnification 1
    std::int32_t OffsetY = 0; // px at magnification 1
    double ScalePos = 0.0;    // picture scale x 500
    std::any Bitmap;
    bool Present = false;
};

// A floor space shared by the zones above it (working record of the engine input writer).
struct TFloorSpaceGroupRec {
    double Area = 0.0; // m2
    SharedZoneList Zones{};
    common::FixedArray1<double, 1, kMaxNodes> WallLengths{};  // m
    common::FixedArray1<double, 1, kMaxNodes> WallAzimuths{}; // degrees
    std::int32_t GroundCode = 0;                              // "GU" of the founding floor's insulation row
    std::int32_t FloorVentilation = 0;                        // 0..2
    std::int32_t FloorVentArea = 0;                           // 0..4
    std::int32_t Kind = 0;                                    // 1 slab on ground, 2 suspended floor
    double UnderFloorHeight = 0.0;                            // mm
    bool operator==(const TFloorSpaceGroupRec&) const = default;
};

// A roof space shared by the zones below it (working record of the engine input writer).
struct TRoofSpaceGroupRec {
    double Area = 0.0;        // m2
    double Slope = 0.0;       // degrees
    double Absorptance = 0.0; // solar absorptance
    SharedZoneList Zones{};
    std::int32_t RoofGapCode = 0;
    std::int32_t RoofSpace = 0;
    std::int32_t RoofShape = 0;
    bool operator==(const TRoofSpaceGroupRec&) const = default;
};

// The air-gap coefficient table: 5 blocks (tilt and heat-flow direction) x 4 gap widths (90, 40, 20
// and 13 mm) x 6 coefficients c0..c5 of a polynomial in the effective emittance giving the gap's
// conductance (W/m2K).  Indexed [block][gap column][coefficient], all from 0.
using TBestFitCoefficients = std::array<std::array<std::array<double, 6>, 4>, 5>;

class HouseModel {
  public:
    HouseModel();

    // ---- Arrays --------------------------------------------------------------------------------
    common::Array1<TZoneRec> Zones;                   // zone 1..100
    common::Array2<TPlanPoint> ZoneNodes;             // zone 1..100, node 0..50
    common::Array2<TWallRec> Walls;                   // zone 1..100, wall 0..50
    common::Array3<TWindowRec> WallWindows;           // zone, wall 0..50, window 1..10
    common::Array3<TDoorRec> WallDoors;               // zone, wall 0..50, door 1..10
    common::Array3<TInterzoneDoorRec> InterzoneDoors; // zone, wall 0..50, door 1..10
    common::Array2<TIntWallRec> ZoneIntWalls;         // zone, internal wall 1..10
    common::Array2<TSkylightRec> ZoneSkylights;       // zone, skylight 1..6
    common::Array2<TStairRec> StairsDown;             // zone, entry 1..6
    common::Array2<TStairRec> StairsUp;               // zone, entry 1..10
    common::Array1<TRoofRec> ZoneRoofs;               // zone 1..100
    common::Array1<TCeilingRec> ZoneCeilings;         // zone 1..100
    common::Array1<TExtFloorRec> ZoneExtFloors;       // zone 1..100
    common::Array1<TIntCeilingRec> ZoneIntCeilings;   // zone 1..100
    common::Array1<TFloorCoverRec> ZoneFloorCovers;   // zone 1..100
    common::FixedArray1<TEavesOutline, 1, kMaxLevels> Eaves{};
    common::FixedArray1<bool, 1, kMaxLevels> EavesDefined{};
    common::FixedArray2<TPlanPoint, 1, kMaxLevels, 0, kMaxEavesPoints - 1> EavesNodes{};
    common::Array2<double> CommonFloorArea; // m2, zone 0..100 x zone 0..100, symmetric
    common::Array2<double> VoidArea;        // m2, zone 1..100 x zone 1..100, symmetric
    common::FixedArray1<common::FixedArray1<TObstructionRec, 1, 3>, 1, 4>
        SiteObstructions{};                               // side, obstruction
    common::Array1<TFloorSpaceGroupRec> FloorSpaceGroups; // group 1..50
    common::Array1<TRoofSpaceGroupRec> RoofSpaceGroups;   // group 1..50
    common::Array1<CustWinType> WindowProducts;           // 1..2500
    common::Array1<CustSkyType> SkylightProducts;         // 1..100
    common::FixedArray2<double, 1, kMaxLevels, 1, kMaxThicknessRecords> ExtThicknessByMaterial{};  // mm
    common::FixedArray2<double, 1, kMaxLevels, 1, kMaxThicknessRecords> PartThicknessByMaterial{}; // mm
    common::FixedArray1<TLevelPictureRec, 1, kMaxLevels> LevelPictures{};

    // ---- Building-physics helpers -------------------------------------------------------------
    TBestFitCoefficients BestFitCoefficients{};
    double AirGapResistanceUp = 0.0;   // m2K/W, heat flow up, from the last AirGapResistance call
    double AirGapResistanceDown = 0.0; // m2K/W, heat flow down, from the last AirGapResistance call

    // ---- Level defaults ------------------------------------------------------------------------
    common::FixedArray1<TLevelDefaultRec, 1, kMaxLevels> LevelDefaults{};
    TNewZoneOptions NewZoneOptions;

    // ---- Main scalars --------------------------------------------------------------------------
    std::int32_t ZoneCount = 0;
    std::int32_t LevelCount = 0;
    std::int32_t CurrentLevel = 0;
    std::int32_t LastStairId = 0;
    std::int32_t FloorSpaceGroupCount = 0;
    std::int32_t RoofSpaceGroupCount = 0;
    std::int32_t FloorSpacePseudoCount = 0;
    double Magnification = 0.0; // 1.0 .. 4.0; 1 m = 20 x Magnification px
    double NorthAngle = 0.0;    // radians, clockwise from the top of the plan

    std::string RootDir; // the program folder
    std::string ProjectName;
    std::int32_t RunNumber = 0; // 0..99
    std::string LocationName;
    std::string ClimateFileName;  // "climat" + two digits + ".TXT"
    std::int32_t ClimateZone = 0; // 1..69, 0 while none is chosen
    std::int32_t Postcode = 0;    // 0 for none
    double Longitude = 0.0;       // degrees east
    double Latitude = 0.0;        // degrees, south negative
    double ShieldingFactor = 0.0;
    double DefaultShieldingFactor = 0.0;
    common::FixedArray1<std::int32_t, 1, 12> DefaultObstructionShading{}; // %

    std::string ClientName, ClientPhone, ClientFax, ClientEmail, ClientPostalAddress, ClientStreetAddress;
    std::string AssessorName, AssessorPhone, AssessorFax, AssessorEmail, AssessorPostalAddress,
        AssessorStreetAddress, AssessorNumber;
    std::string DwellingDPNumber, DwellingUnit, DwellingLotNumber, DwellingHouseNumber, DwellingStreetName,
        DwellingDevelopmentName, DwellingSuburb, DwellingPostCode;
    std::string SoftwareName, SoftwareVersion, AssessmentDate;
    std::int32_t StateIndex = 0; // 0..7
    std::int32_t CommentLineCount = 0;
    std::string CommentLine;
    // The project comment text, one entry per line.  The project details dialog shows and edits it;
    // the model keeps it so that a house file can be read and written without any dialog.
    std::vector<std::string> CommentLines;
    std::string HouseFileOpenName, HouseFileSaveName;
    bool ResultsCurrent = false;
    bool DefaultsMode = false;
    common::FixedArray1<bool, 1, 10> ApplyDefaultRequest{};

    // Values shared by the zone-browsing dialogs and the occupancy dialog.
    std::int32_t DisplayZone = 0;
    std::string UsageCaption;      // the caption shown by the energy usage dialogs' profile panels
    std::int32_t WorkZoneType = 0; // 0..7
    bool UseDefaultGains = false;
    bool UseDefaultSetpoints = false;

    // ---- Checked adders ------------------------------------------------------------------------
    // Each raises its count by one and returns the new entry's index, or refuses with the limit
    // message and changes nothing.  The new entry keeps whatever the slot held before.
    AddResult AddZone();                     // ZoneCount + 1
    AddResult AddLevel();                    // LevelCount + 1
    AddResult AddNode(int zone);             // NodeCount - 1, the index of the new last node
    AddResult AddEavesPoint(int level);      // Eaves(level).Count - 1
    AddResult AddWindow(int zone, int wall); // WindowCount
    AddResult AddDoor(int zone, int wall);
    AddResult AddInterzoneDoor(int zone, int wall);
    AddResult AddIntWall(int zone);
    AddResult AddSkylight(int zone);
    AddResult AddStairDown(int zone);
    AddResult AddStairUp(int zone);
    AddResult AddFloorSpaceGroup();
    AddResult AddRoofSpaceGroup();

    // True when the zone is heated or cooled.
    bool IsConditioned(int zone) const { return Zones(zone).Heated || Zones(zone).Cooled; }
    // The wall that follows wall w of the zone's outline (the last wall is followed by wall 0).
    int NextWall(int zone, int wall) const { return wall + 1 < Zones(zone).NodeCount ? wall + 1 : 0; }
};

// Text cut to the longest length a model field stores.
std::string cutToLength(std::string_view text, std::size_t length);

} // namespace pelmora
