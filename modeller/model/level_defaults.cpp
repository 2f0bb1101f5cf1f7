#include "modeller/model/level_defaults.h"

#include "modeller/model/building_physics.h"
#include "modeller/model/model_error.h"

#include <array>
#include <vector>

namespace pelmora {

namespace {

constexpr std::int32_t kEnclosed = 2;            // FloorVentilation
constexpr std::int32_t kTimberSkylightFrame = 2; // record of "SkyFrame.DB"

} // namespace

void SetDefaultDefaults(HouseModel& model, int level) {
    TLevelDefaultRec& d = model.LevelDefaults(level);
    d.DefExtMaterial = 1;
    d.DefExtInsulation = 1;
    d.DefExtColour = kFactoryGrey;
    d.DefExtHeight = 2400.0;
    d.DefExtAddedR = 1.0;
    d.DefBeyond = 0;
    d.DefExtInsulated = false;
    d.DefPartMaterial = 2;
    d.DefPartInsulation = 1;
    d.DefPartHeight = 2400.0;
    d.DefPartAddedR = 1.0;
    // A slab on ground stands on the earth, so only level 1 starts from one.  A zone higher up starts
    // from the suspended concrete slab with outside air under it, which is what the part of its floor
    // that overhangs the level below has.
    const bool onGround = level == 1;
    d.DefFloorMaterial = onGround ? kSlabOnGroundFloor : kSuspendedConcreteFloor;
    d.DefFloorInsulation = 1;
    d.DefFloorAddedR = 1.0;
    d.DefUnderFloorHeight = 600.0;
    d.DefFloorSpare = 0;
    d.DefFloorVentilation = onGround ? kEnclosed : kVeryOpenFloor;
    d.DefFloorVentArea = 0;
    d.DefFloorCovering = 2;
    d.DefIntCeilingAddedR = 1.0;
    d.DefIntCeilingMaterial = 1;
    d.DefIntCeilingInsulation = 1;
    d.DefFloorCover = 2;
    d.DefCeilingMaterial = 1;
    d.DefCeilingInsulation = 1;
    d.DefCeilingRoofSpace = 0;
    d.DefCeilingAddedR = 2.5;
    d.DefCeilingSlope = 0.0;
    d.DefRoofMaterial = 1;
    d.DefRoofInsulation = 1;
    d.DefRoofGapCode = 1;
    d.DefRoofColour = kFactoryGrey;
    d.DefRoofAddedR = 1.0;
    d.DefRoofSlope = 22.0;
    d.DefRoofSpace = 0;
    d.DefRoofShape = 0;
    d.DefWinGlass = 1;
    d.DefWinFrame = 1;
    d.DefWinStyle = 1;
    d.DefWinShading = 1;
    d.DefWinFurnishing = 1;
    d.DefWinCode = "GGG-05-001a";
    d.DefWinHeight = 1200.0;
    d.DefWinWidth = 1500.0;
    d.DefWinOffset = 0.0;
    d.DefWinHeadHeight = 2100.0;
    d.DefWinOpen = false;
    d.DefDoorMaterial = 1;
    d.DefDoorHeight = 2100.0;
    d.DefDoorWidth = 750.0;
    d.DefSkyProduct = 1;
    // The frame row of the factory code "GEN-04-001a" (skylight type row 1 in a timber frame), so
    // that a new skylight shows the frame it is simulated with.
    d.DefSkyFrame = kTimberSkylightFrame;
    d.DefSkyFurnishing = 1;
    d.DefSkyStyle = 1;
    d.DefSkyGlass = 1;
    d.DefSkyWinFrame = 1;
    d.DefClereWallWidth = 1000.0;
    d.DefClereEavesWidth = 0.0;
    d.DefClereEavesOffset = 0.0;
    d.DefClereWallHeight = 1000.0;
    d.DefSkyWindowCode = "GGG-05-001a";
    d.DefSkyCode = "GEN-04-001a";
    d.DefSkySlope = 22.0;
    d.DefSkyHeight = 600.0;
    d.DefSkyWidth = 600.0;
    d.DefShaftLength = 50;
    d.DefSkyOpening = 0;
    d.DefSkyShading = 0;
    d.DefShaftReflectance = 50;
    d.DefShaftR = 0.5;
    d.DefClerestory = false;
    d.DefDiffuser = false;
    d.DefVented = false;
    // Values kept only in memory.
    d.DefFloorReflective = 0;
    d.DefWin2ndEaves = 0.0;
    d.DefWinMonthlyShading.fill(100);
}

void SetDefaultValues(HouseModel& model, MaterialTables& tables) {
    model.NorthAngle = 0.0;

    TNewZoneOptions& o = model.NewZoneOptions;
    o.DefInsectScreens = false;
    o.DefDraughtSeals = false;
    o.DefUnsealedChimney = false;
    o.DefGasHeaterVent = false;
    o.DefMechVentOn = false;
    o.DefVentCount = 0;
    o.DefCeilingFanCount = 0;
    o.DefExhaustFanCount = 0;
    o.DefDownlightCount = 0;
    o.DefMechVentRate = 0;
    o.DefFanDiameter = 1200.0;
    o.DefStairLength = 2400.0;
    o.DefStairWidth = 1200.0;

    model.DefaultShieldingFactor = 0.57;
    model.DefaultObstructionShading.fill(100);

    for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(model, level);
    FillThicknessByMaterial(model, tables);
}

namespace {

// The thickness (mm) of the layer the user sets of every record of a wall material table, in record
// order: the card writer gives that layer the wall's stored thickness, so a wall that takes its
// thickness from here is simulated as its row shows it.  Rows whose second layer takes the thickness
// ("TI" 2 and 4, a sandwich panel's core) give "D2"; the others, and a table without "TI", "D1".
std::vector<double> readThicknesses(MaterialTable& table) {
    const bool wasOpen = table.Active();
    table.Open();
    std::vector<double> thickness;
    try {
        const int count = table.RecordCount();
        if (count > kMaxThicknessRecords) {
            throw ModelError("Table " + table.TableName() + " has " + std::to_string(count) +
                             " records; only " + std::to_string(kMaxThicknessRecords) +
                             " wall materials can have a default thickness");
        }
        const bool hasLayerCode = table.HasField("TI");
        for (int r = 1; r <= count; ++r) {
            table.SetRecNo(r);
            const long long ti = hasLayerCode ? table.FieldAsInteger("TI") : 0;
            thickness.push_back(static_cast<double>(table.FieldAsInteger(ti == 2 || ti == 4 ? "D2" : "D1")));
        }
    } catch (...) {
        if (!wasOpen) table.Close();
        throw;
    }
    if (!wasOpen) table.Close();
    return thickness;
}

} // namespace

void FillThicknessByMaterial(HouseModel& model, MaterialTables& tables) {
    const std::vector<double> ext = readThicknesses(tables.ExtWallForm.materialstable);
    const std::vector<double> part = readThicknesses(tables.IntWallForm.materialstable);
    for (int level = 1; level <= kMaxLevels; ++level) {
        for (std::size_t i = 0; i < ext.size(); ++i)
            model.ExtThicknessByMaterial(level, static_cast<int>(i) + 1) = ext[i];
        for (std::size_t i = 0; i < part.size(); ++i)
            model.PartThicknessByMaterial(level, static_cast<int>(i) + 1) = part[i];
    }
}

double ExtThicknessFor(const HouseModel& model, int level, int record) {
    if (record < 1 || record > kMaxThicknessRecords) return 0.0;
    return model.ExtThicknessByMaterial(level, record);
}

double PartThicknessFor(const HouseModel& model, int level, int record) {
    if (record < 1 || record > kMaxThicknessRecords) return 0.0;
    return model.PartThicknessByMaterial(level, record);
}

namespace {

void startSharedZones(SharedZoneList& list, int zone) {
    list.fill(0);
    list(1) = zone;
}

} // namespace

TWindowRec DefaultWindow(const HouseModel& model, int level) {
    const TLevelDefaultRec& d = model.LevelDefaults(level);
    TWindowRec window;
    window.Width = d.DefWinWidth / 1000.0;
    window.Height = d.DefWinHeight / 1000.0;
    window.ElementArea = window.Width * window.Height;
    window.HeadHeight = d.DefWinHeadHeight / 1000.0;
    window.Offset = d.DefWinOffset / 1000.0;
    window.SecondEaves = d.DefWin2ndEaves / 1000.0;
    window.Glass = d.DefWinGlass;
    window.Frame = d.DefWinFrame;
    window.Style = d.DefWinStyle;
    window.Shading = d.DefWinShading;
    window.Furnishing = d.DefWinFurnishing;
    window.ProductCode = d.DefWinCode;
    window.PermanentlyOpen = d.DefWinOpen;
    window.MonthlyShading = d.DefWinMonthlyShading;
    window.VertShadeLeftWidth = d.DefVertShadeLeftWidth;
    window.VertShadeRightWidth = d.DefVertShadeRightWidth;
    window.VertShadeLeftOffset = d.DefVertShadeLeftOffset;
    window.VertShadeRightOffset = d.DefVertShadeRightOffset;
    return window;
}

TDoorRec DefaultDoor(const HouseModel& model, int level) {
    const TLevelDefaultRec& d = model.LevelDefaults(level);
    TDoorRec door;
    door.Width = d.DefDoorWidth / 1000.0;
    door.Height = d.DefDoorHeight / 1000.0;
    door.ElementArea = door.Width * door.Height;
    door.Material = d.DefDoorMaterial;
    return door;
}

TIntWallRec DefaultIntWall(const HouseModel& model, int level) {
    const TLevelDefaultRec& d = model.LevelDefaults(level);
    TIntWallRec wall;
    wall.Material = d.DefPartMaterial;
    wall.Insulation = d.DefPartInsulation;
    wall.Height = d.DefPartHeight / 1000.0;
    wall.Thickness = PartThicknessFor(model, level, d.DefPartMaterial);
    wall.AddedR = d.DefPartAddedR;
    return wall;
}

void AllocateZoneProperties(HouseModel& model, int zone) {
    const int L = model.CurrentLevel;
    if (L < 1 || L > kMaxLevels) throw ModelError("A new zone needs a current level of 1 to 6");
    const TLevelDefaultRec& d = model.LevelDefaults(L);
    TZoneRec& z = model.Zones(zone);
    z.IntWallCount = 0;
    z.SkylightCount = 0;
    z.StairDownCount = 0;
    // A reused zone slot may still hold the mirrors of an earlier zone's stairwells.
    z.StairUpCount = 0;

    for (int w = 0; w < z.NodeCount; ++w) {
        TWallRec& wall = model.Walls(zone, w);
        wall.ExtMaterial = d.DefExtMaterial;
        wall.ExtInsulation = d.DefExtInsulation;
        wall.PartMaterial = d.DefPartMaterial;
        wall.PartInsulation = d.DefPartInsulation;
        wall.Beyond = d.DefBeyond;
        wall.ExtInsulated = d.DefExtInsulated;
        wall.ExtAddedR = d.DefExtAddedR;
        wall.PartAddedR = d.DefPartAddedR;
        wall.Colour = d.DefExtColour;
        wall.Absorptance = ColourToAbsorptance(wall.Colour);
        wall.ExtHeight = d.DefExtHeight / 1000.0;
        wall.PartHeight = d.DefPartHeight / 1000.0;
        wall.ExtThickness = ExtThicknessFor(model, L, d.DefExtMaterial);
        wall.PartThickness = PartThicknessFor(model, L, d.DefPartMaterial);
        wall.WindowCount = 0;
        wall.DoorCount = 0;
    }

    TRoofRec& roof = model.ZoneRoofs(zone);
    roof.Material = d.DefRoofMaterial;
    roof.Insulation = d.DefRoofInsulation;
    roof.RoofGapCode = d.DefRoofGapCode;
    roof.RoofColour = d.DefRoofColour;
    roof.AddedR = d.DefRoofAddedR;
    roof.Slope = d.DefRoofSlope;
    roof.RoofSpace = d.DefRoofSpace;
    roof.RoofShape = d.DefRoofShape;
    roof.Absorptance = ColourToAbsorptance(roof.RoofColour);

    TCeilingRec& ceiling = model.ZoneCeilings(zone);
    ceiling.Material = d.DefCeilingMaterial;
    ceiling.Insulation = d.DefCeilingInsulation;
    ceiling.RoofSpace = d.DefCeilingRoofSpace;
    ceiling.AddedR = d.DefCeilingAddedR;
    ceiling.Slope = d.DefCeilingSlope;
    startSharedZones(ceiling.SharedZones, zone);

    TExtFloorRec& floor = model.ZoneExtFloors(zone);
    floor.Material = d.DefFloorMaterial;
    floor.Insulation = d.DefFloorInsulation;
    floor.FloorCovering = d.DefFloorCovering;
    floor.FloorVentilation = d.DefFloorVentilation;
    floor.FloorVentArea = d.DefFloorVentArea;
    floor.FloorReflective = d.DefFloorReflective;
    floor.UnderFloorHeight = d.DefUnderFloorHeight;
    floor.AddedR = d.DefFloorAddedR;
    SuspendSlabAboveGround(floor, L);
    startSharedZones(floor.SharedZones, zone);

    TIntCeilingRec& intCeiling = model.ZoneIntCeilings(zone);
    intCeiling.Material = d.DefIntCeilingMaterial;
    intCeiling.Insulation = d.DefIntCeilingInsulation;
    intCeiling.AddedR = d.DefIntCeilingAddedR;
    model.ZoneFloorCovers(zone).FloorCovering = d.DefFloorCover;
}

void ChangeDefaults(HouseModel& model, int destination, int source) {
    if (destination == source) return;
    TLevelDefaultRec& to = model.LevelDefaults(destination);
    const TLevelDefaultRec& from = model.LevelDefaults(source);
    for (const auto& field : storedLevelDefaultFields())
        std::visit([&](auto member) { to.*member = from.*member; }, field.member);
    SuspendSlabAboveGround(to, destination);
}

void SuspendSlabAboveGround(TExtFloorRec& floor, int level) {
    if (level <= 1 || floor.Material != kSlabOnGroundFloor) return;
    floor.Material = kSuspendedConcreteFloor;
    floor.FloorVentilation = kVeryOpenFloor;
}

void SuspendSlabAboveGround(TLevelDefaultRec& defaults, int level) {
    if (level <= 1 || defaults.DefFloorMaterial != kSlabOnGroundFloor) return;
    defaults.DefFloorMaterial = kSuspendedConcreteFloor;
    defaults.DefFloorVentilation = kVeryOpenFloor;
}

void SuspendSlabsAboveGround(LevelDefaultArray& defaults) {
    for (int level = 2; level <= kMaxLevels; ++level) SuspendSlabAboveGround(defaults(level), level);
}

int StandingLevel(const HouseModel& model, int zone) {
    std::array<bool, kMaxLevels + 1> occupied{};
    for (int z = 1; z <= model.ZoneCount; ++z) {
        const int level = model.Zones(z).Level;
        if (level >= 1 && level <= kMaxLevels) occupied[static_cast<std::size_t>(level)] = true;
    }
    int standing = 0;
    for (int level = 1; level <= model.Zones(zone).Level && level <= kMaxLevels; ++level)
        standing += occupied[static_cast<std::size_t>(level)] ? 1 : 0;
    return standing;
}

TExtFloorRec FloorAsSimulated(const HouseModel& model, int zone) {
    TExtFloorRec floor = model.ZoneExtFloors(zone);
    SuspendSlabAboveGround(floor, StandingLevel(model, zone));
    return floor;
}

void SuspendSlabsAboveGround(HouseModel& model) {
    SuspendSlabsAboveGround(model.LevelDefaults);
    for (int z = 1; z <= model.ZoneCount; ++z)
        SuspendSlabAboveGround(model.ZoneExtFloors(z), StandingLevel(model, z));
}

} // namespace pelmora
