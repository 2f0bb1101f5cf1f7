#include "modeller/model/defaults_changes.h"

#include "common/rounding.h"
#include "modeller/model/building_physics.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/model_error.h"

#include <cmath>
#include <sstream>

namespace pelmora {

namespace {

void copyKind(TLevelDefaultRec& to, const TLevelDefaultRec& from, DefaultKind kind) {
    switch (kind) {
    case DefaultKind::ExtWall:
        to.DefExtMaterial = from.DefExtMaterial;
        to.DefExtInsulation = from.DefExtInsulation;
        to.DefExtColour = from.DefExtColour;
        to.DefExtHeight = from.DefExtHeight;
        to.DefExtAddedR = from.DefExtAddedR;
        to.DefBeyond = from.DefBeyond;
        to.DefExtInsulated = from.DefExtInsulated;
        break;
    case DefaultKind::IntWall:
        to.DefPartMaterial = from.DefPartMaterial;
        to.DefPartInsulation = from.DefPartInsulation;
        to.DefPartHeight = from.DefPartHeight;
        to.DefPartAddedR = from.DefPartAddedR;
        break;
    case DefaultKind::ExtFloor:
        to.DefFloorMaterial = from.DefFloorMaterial;
        to.DefFloorInsulation = from.DefFloorInsulation;
        to.DefFloorAddedR = from.DefFloorAddedR;
        to.DefUnderFloorHeight = from.DefUnderFloorHeight;
        to.DefFloorSpare = from.DefFloorSpare;
        to.DefFloorVentilation = from.DefFloorVentilation;
        to.DefFloorVentArea = from.DefFloorVentArea;
        to.DefFloorCovering = from.DefFloorCovering;
        break;
    case DefaultKind::IntCeiling:
        to.DefIntCeilingAddedR = from.DefIntCeilingAddedR;
        to.DefIntCeilingMaterial = from.DefIntCeilingMaterial;
        to.DefIntCeilingInsulation = from.DefIntCeilingInsulation;
        break;
    case DefaultKind::FloorCover:
        to.DefFloorCover = from.DefFloorCover;
        break;
    case DefaultKind::Ceiling:
        to.DefCeilingMaterial = from.DefCeilingMaterial;
        to.DefCeilingInsulation = from.DefCeilingInsulation;
        to.DefCeilingRoofSpace = from.DefCeilingRoofSpace;
        to.DefCeilingAddedR = from.DefCeilingAddedR;
        to.DefCeilingSlope = from.DefCeilingSlope;
        break;
    case DefaultKind::Roof:
        to.DefRoofMaterial = from.DefRoofMaterial;
        to.DefRoofInsulation = from.DefRoofInsulation;
        to.DefRoofGapCode = from.DefRoofGapCode;
        to.DefRoofColour = from.DefRoofColour;
        to.DefRoofAddedR = from.DefRoofAddedR;
        to.DefRoofSlope = from.DefRoofSlope;
        to.DefRoofSpace = from.DefRoofSpace;
        to.DefRoofShape = from.DefRoofShape;
        break;
    case DefaultKind::Door:
        to.DefDoorMaterial = from.DefDoorMaterial;
        to.DefDoorHeight = from.DefDoorHeight;
        to.DefDoorWidth = from.DefDoorWidth;
        break;
    case DefaultKind::Window:
        // The construction and product only: each level keeps its own window sizes and shading.
        to.DefWinGlass = from.DefWinGlass;
        to.DefWinFrame = from.DefWinFrame;
        to.DefWinCode = from.DefWinCode;
        break;
    case DefaultKind::Skylight:
        to.DefSkyProduct = from.DefSkyProduct;
        to.DefSkyFrame = from.DefSkyFrame;
        to.DefSkyFurnishing = from.DefSkyFurnishing;
        to.DefSkyStyle = from.DefSkyStyle;
        to.DefSkyGlass = from.DefSkyGlass;
        to.DefSkyWinFrame = from.DefSkyWinFrame;
        to.DefClereWallWidth = from.DefClereWallWidth;
        to.DefClereEavesWidth = from.DefClereEavesWidth;
        to.DefClereEavesOffset = from.DefClereEavesOffset;
        to.DefClereWallHeight = from.DefClereWallHeight;
        to.DefSkyWindowCode = from.DefSkyWindowCode;
        to.DefSkyCode = from.DefSkyCode;
        to.DefSkySlope = from.DefSkySlope;
        to.DefSkyHeight = from.DefSkyHeight;
        to.DefSkyWidth = from.DefSkyWidth;
        to.DefShaftLength = from.DefShaftLength;
        to.DefSkyOpening = from.DefSkyOpening;
        to.DefSkyShading = from.DefSkyShading;
        to.DefShaftReflectance = from.DefShaftReflectance;
        to.DefShaftR = from.DefShaftR;
        to.DefClerestory = from.DefClerestory;
        to.DefDiffuser = from.DefDiffuser;
        to.DefVented = from.DefVented;
        break;
    }
}

void changeZone(HouseModel& model, int zone, const DefaultKindSet& kinds) {
    const int L = model.CurrentLevel;
    const TLevelDefaultRec& d = model.LevelDefaults(L);
    const TZoneRec& z = model.Zones(zone);
    if (ticked(kinds, DefaultKind::ExtWall))
        for (int w = 0; w < z.NodeCount; ++w) {
            TWallRec& wall = model.Walls(zone, w);
            wall.ExtMaterial = d.DefExtMaterial;
            wall.ExtInsulation = d.DefExtInsulation;
            wall.Beyond = d.DefBeyond;
            wall.Colour = d.DefExtColour;
            wall.Absorptance = ColourToAbsorptance(wall.Colour);
            wall.ExtThickness = ExtThicknessFor(model, L, d.DefExtMaterial);
            wall.ExtAddedR = d.DefExtAddedR;
            wall.ExtInsulated = d.DefExtInsulated;
            wall.ExtHeight = d.DefExtHeight / 1000.0;
        }
    if (ticked(kinds, DefaultKind::IntWall)) {
        const double thickness = PartThicknessFor(model, L, d.DefPartMaterial);
        for (int i = 1; i <= z.IntWallCount; ++i) {
            TIntWallRec& wall = model.ZoneIntWalls(zone, i);
            wall.Material = d.DefPartMaterial;
            wall.Insulation = d.DefPartInsulation;
            wall.Height = d.DefPartHeight / 1000.0;
            wall.Thickness = thickness;
            wall.AddedR = d.DefPartAddedR;
        }
        for (int w = 0; w < z.NodeCount; ++w) {
            TWallRec& wall = model.Walls(zone, w);
            wall.PartMaterial = d.DefPartMaterial;
            wall.PartInsulation = d.DefPartInsulation;
            wall.PartHeight = d.DefPartHeight / 1000.0;
            wall.PartThickness = thickness;
            wall.PartAddedR = d.DefPartAddedR;
        }
    }
    if (ticked(kinds, DefaultKind::ExtFloor)) {
        TExtFloorRec& floor = model.ZoneExtFloors(zone);
        floor.Material = d.DefFloorMaterial;
        floor.Insulation = d.DefFloorInsulation;
        floor.FloorCovering = d.DefFloorCovering;
        floor.FloorVentilation = L > 1 ? 0 : d.DefFloorVentilation;
        floor.FloorVentArea = d.DefFloorVentArea;
        floor.FloorReflective = d.DefFloorReflective;
        floor.UnderFloorHeight = d.DefUnderFloorHeight;
        floor.AddedR = d.DefFloorAddedR;
        SuspendSlabAboveGround(floor, L);
    }
    if (ticked(kinds, DefaultKind::FloorCover)) model.ZoneFloorCovers(zone).FloorCovering = d.DefFloorCover;
    if (ticked(kinds, DefaultKind::IntCeiling)) {
        TIntCeilingRec& ceiling = model.ZoneIntCeilings(zone);
        ceiling.Material = d.DefIntCeilingMaterial;
        ceiling.Insulation = d.DefIntCeilingInsulation;
        ceiling.AddedR = d.DefIntCeilingAddedR;
    }
    if (ticked(kinds, DefaultKind::Ceiling)) {
        TCeilingRec& ceiling = model.ZoneCeilings(zone);
        ceiling.Material = d.DefCeilingMaterial;
        ceiling.Insulation = d.DefCeilingInsulation;
        ceiling.RoofSpace = d.DefCeilingRoofSpace;
        ceiling.Slope = d.DefCeilingSlope;
        ceiling.AddedR = d.DefCeilingAddedR;
    }
    if (ticked(kinds, DefaultKind::Roof)) {
        TRoofRec& roof = model.ZoneRoofs(zone);
        roof.Material = d.DefRoofMaterial;
        roof.Insulation = d.DefRoofInsulation;
        roof.RoofColour = d.DefRoofColour;
        roof.Absorptance = ColourToAbsorptance(roof.RoofColour);
        roof.RoofSpace = d.DefRoofSpace;
        roof.RoofShape = d.DefRoofShape;
        roof.Slope = d.DefRoofSlope;
        roof.AddedR = d.DefRoofAddedR;
        roof.RoofGapCode = d.DefRoofGapCode;
    }
    if (ticked(kinds, DefaultKind::Window))
        for (int w = 0; w < z.NodeCount; ++w)
            for (int i = 1; i <= model.Walls(zone, w).WindowCount; ++i) {
                TWindowRec& window = model.WallWindows(zone, w, i);
                window.Glass = d.DefWinGlass;
                window.Frame = d.DefWinFrame;
                window.Style = d.DefWinStyle;
                window.Shading = d.DefWinShading;
                window.Furnishing = d.DefWinFurnishing;
                window.ProductCode = d.DefWinCode;
                window.PermanentlyOpen = d.DefWinOpen;
            }
    if (ticked(kinds, DefaultKind::Door))
        for (int w = 0; w < z.NodeCount; ++w)
            for (int i = 1; i <= model.Walls(zone, w).DoorCount; ++i)
                model.WallDoors(zone, w, i).Material = d.DefDoorMaterial;
    if (ticked(kinds, DefaultKind::Skylight))
        for (int i = 1; i <= z.SkylightCount; ++i) {
            TSkylightRec& sky = model.ZoneSkylights(zone, i);
            sky.SkyProduct = d.DefSkyProduct;
            sky.SkyFrame = d.DefSkyFrame;
            sky.Furnishing = d.DefSkyFurnishing;
            sky.Style = d.DefSkyStyle;
            sky.Glass = d.DefSkyGlass;
            sky.Frame = d.DefSkyWinFrame;
            sky.WindowCode = d.DefSkyWindowCode;
            sky.ProductCode = d.DefSkyCode;
            sky.OpeningPercent = d.DefSkyOpening;
            sky.ShadingPercent = d.DefSkyShading;
            sky.ShaftReflectance = d.DefShaftReflectance;
            sky.ShaftR = d.DefShaftR;
            sky.Clerestory = d.DefClerestory;
            sky.Diffuser = d.DefDiffuser;
            sky.Vented = d.DefVented;
        }
}

// Collects the first value of a defaults file that lies outside what its element allows.
class DefaultsChecker {
  public:
    DefaultsChecker(const TableRecordCount& recordCount, const std::filesystem::path& file)
        : recordCount_(recordCount), file_(file) {}

    void level(int level) { level_ = level; }

    void record(std::string_view name, std::int32_t value, std::string_view table) {
        const int count = recordCount_(table);
        if (value < 1 || value > count)
            fail(name, std::to_string(value),
                 "is not a record of table " + std::string(table) + " (1 to " + std::to_string(count) + ")");
    }
    template <class T> void range(std::string_view name, T value, T low, T high) {
        if (!(value >= low && value <= high)) {
            std::ostringstream bounds;
            bounds << "lies outside " << low << " to " << high;
            fail(name, number(value), bounds.str());
        }
    }
    template <class T> void notNegative(std::string_view name, T value) {
        if (!(value >= T{0}) || !std::isfinite(static_cast<double>(value)))
            fail(name, number(value), "must not be negative");
    }
    template <class T> void positive(std::string_view name, T value) {
        if (!(value > T{0}) || !std::isfinite(static_cast<double>(value)))
            fail(name, number(value), "must be above 0");
    }
    void colour(std::string_view name, std::int32_t value) { range(name, value, 0, 0xFFFFFF); }

  private:
    template <class T> static std::string number(T value) {
        std::ostringstream text;
        text << value;
        return text.str();
    }
    [[noreturn]] void fail(std::string_view name, const std::string& value, const std::string& why) const {
        std::string where = level_ > 0 ? "level " + std::to_string(level_) + ", " : std::string();
        throw ModelError("The defaults file " + file_.string() + " cannot be used: " + where +
                         std::string(name) + " = " + value + " " + why + ".");
    }

    const TableRecordCount& recordCount_;
    const std::filesystem::path& file_;
    int level_ = 0;
};

} // namespace

void CopyDefaultsToAllLevels(HouseModel& model, const DefaultKindSet& kinds) {
    const int from = model.CurrentLevel;
    const TLevelDefaultRec source = model.LevelDefaults(from);
    for (int level = 1; level <= kMaxLevels; ++level)
        for (int k = 1; k <= kDefaultKinds; ++k)
            if (kinds[static_cast<std::size_t>(k - 1)])
                copyKind(model.LevelDefaults(level), source, static_cast<DefaultKind>(k));
    if (!ticked(kinds, DefaultKind::ExtFloor)) return;
    for (int level = 2; level <= kMaxLevels; ++level) {
        model.LevelDefaults(level).DefFloorVentilation = 0;
        SuspendSlabAboveGround(model.LevelDefaults(level), level);
    }
}

void ChangeLevelElementsToDefaults(HouseModel& model, const DefaultKindSet& kinds) {
    for (int zone = 1; zone <= model.ZoneCount; ++zone)
        if (model.Zones(zone).Level == model.CurrentLevel) changeZone(model, zone, kinds);
}

void CheckDefaults(const TNewZoneOptions& options, const LevelDefaultArray& defaults,
                   const TableRecordCount& recordCount, const std::filesystem::path& file) {
    namespace t = table_name;
    DefaultsChecker c(recordCount, file);
    c.notNegative("DefVentCount", options.DefVentCount);
    c.notNegative("DefCeilingFanCount", options.DefCeilingFanCount);
    c.notNegative("DefExhaustFanCount", options.DefExhaustFanCount);
    c.notNegative("DefDownlightCount", options.DefDownlightCount);
    c.notNegative("DefFanDiameter", options.DefFanDiameter);
    c.notNegative("DefMechVentRate", options.DefMechVentRate);
    c.notNegative("DefStairLength", options.DefStairLength);
    c.notNegative("DefStairWidth", options.DefStairWidth);
    for (int level = 1; level <= kMaxLevels; ++level) {
        const TLevelDefaultRec& d = defaults(level);
        c.level(level);
        c.record("DefExtMaterial", d.DefExtMaterial, t::kWallmaterial);
        c.record("DefExtInsulation", d.DefExtInsulation, t::kWallInsulation);
        c.colour("DefExtColour", d.DefExtColour);
        c.positive("DefExtHeight", d.DefExtHeight);
        c.notNegative("DefExtAddedR", d.DefExtAddedR);
        c.range("DefBeyond", d.DefBeyond, 0, 3);
        c.record("DefPartMaterial", d.DefPartMaterial, t::kIntWallmaterial);
        c.record("DefPartInsulation", d.DefPartInsulation, t::kInWallInsulation);
        c.positive("DefPartHeight", d.DefPartHeight);
        c.notNegative("DefPartAddedR", d.DefPartAddedR);
        c.record("DefFloorMaterial", d.DefFloorMaterial, t::kExtFloormaterial);
        c.record("DefFloorInsulation", d.DefFloorInsulation, t::kExtFloorInsulation);
        c.notNegative("DefFloorAddedR", d.DefFloorAddedR);
        c.notNegative("DefUnderFloorHeight", d.DefUnderFloorHeight);
        c.range("DefFloorVentilation", d.DefFloorVentilation, 0, 2);
        c.range("DefFloorVentArea", d.DefFloorVentArea, 0, 4);
        c.record("DefFloorCovering", d.DefFloorCovering, t::kFloorCovering);
        c.notNegative("DefIntCeilingAddedR", d.DefIntCeilingAddedR);
        c.record("DefIntCeilingMaterial", d.DefIntCeilingMaterial, t::kIntFloorMaterial);
        c.record("DefIntCeilingInsulation", d.DefIntCeilingInsulation, t::kIntCeilInsulation);
        c.record("DefFloorCover", d.DefFloorCover, t::kFloorCovering);
        c.record("DefCeilingMaterial", d.DefCeilingMaterial, t::kCeilingmaterial);
        c.record("DefCeilingInsulation", d.DefCeilingInsulation, t::kCeilingInsulation);
        c.range("DefCeilingRoofSpace", d.DefCeilingRoofSpace, 0, 4);
        c.notNegative("DefCeilingAddedR", d.DefCeilingAddedR);
        c.range("DefCeilingSlope", d.DefCeilingSlope, 0.0, 90.0);
        c.record("DefRoofMaterial", d.DefRoofMaterial, t::kRoofmaterial);
        c.record("DefRoofInsulation", d.DefRoofInsulation, t::kRoofInsulation);
        c.colour("DefRoofColour", d.DefRoofColour);
        c.notNegative("DefRoofAddedR", d.DefRoofAddedR);
        c.range("DefRoofSlope", d.DefRoofSlope, 0.0, 90.0);
        c.range("DefRoofSpace", d.DefRoofSpace, 0, 4);
        c.range("DefRoofShape", d.DefRoofShape, 0, 3);
        c.record("DefWinGlass", d.DefWinGlass, t::kWindowglass);
        c.record("DefWinFrame", d.DefWinFrame, t::kWindowframe);
        c.record("DefWinStyle", d.DefWinStyle, t::kWindowstyle);
        c.record("DefWinShading", d.DefWinShading, t::kWindowshading);
        c.record("DefWinFurnishing", d.DefWinFurnishing, t::kWindowfurnishing);
        c.positive("DefWinHeight", d.DefWinHeight);
        c.positive("DefWinWidth", d.DefWinWidth);
        c.notNegative("DefWinOffset", d.DefWinOffset);
        c.notNegative("DefWinHeadHeight", d.DefWinHeadHeight);
        c.record("DefDoorMaterial", d.DefDoorMaterial, t::kDoorMaterial);
        c.positive("DefDoorHeight", d.DefDoorHeight);
        c.positive("DefDoorWidth", d.DefDoorWidth);
        c.record("DefSkyProduct", d.DefSkyProduct, t::kSkylight);
        c.record("DefSkyFrame", d.DefSkyFrame, t::kSkyFrame);
        c.record("DefSkyFurnishing", d.DefSkyFurnishing, t::kWindowfurnishing);
        c.record("DefSkyStyle", d.DefSkyStyle, t::kWindowstyle);
        c.record("DefSkyGlass", d.DefSkyGlass, t::kWindowglass);
        c.record("DefSkyWinFrame", d.DefSkyWinFrame, t::kWindowframe);
        c.notNegative("DefClereWallWidth", d.DefClereWallWidth);
        c.notNegative("DefClereEavesWidth", d.DefClereEavesWidth);
        c.notNegative("DefClereEavesOffset", d.DefClereEavesOffset);
        c.notNegative("DefClereWallHeight", d.DefClereWallHeight);
        c.range("DefSkySlope", d.DefSkySlope, 0.0, 90.0);
        c.positive("DefSkyHeight", d.DefSkyHeight);
        c.positive("DefSkyWidth", d.DefSkyWidth);
        c.notNegative("DefShaftLength", d.DefShaftLength);
        c.range("DefSkyOpening", d.DefSkyOpening, 0, 100);
        c.range("DefSkyShading", d.DefSkyShading, 0, 100);
        c.range("DefShaftReflectance", d.DefShaftReflectance, 0, 100);
        c.notNegative("DefShaftR", d.DefShaftR);
    }
}

} // namespace pelmora

namespace pelmora {

namespace {

// One element's change: `matches` tells whether it holds the stored defaults (its main fields, and
// its further ones with "Most properties"); `writeMain` and `writeFurther` give it the shown values.
struct ChangeFrame {
    const DefaultChangeChoice& choice;
    // Whether the further values are written with "All elements" under "Main properties only" too.
    bool furtherAlwaysWithAll;

    bool all() const { return choice.elements == 0; }
    bool most() const { return choice.properties == 1; }

    template <class MainTest, class FurtherTest, class WriteMain, class WriteFurther>
    void apply(MainTest mainTest, FurtherTest furtherTest, WriteMain writeMain,
               WriteFurther writeFurther) const {
        if (!all() && !(mainTest() && (!most() || furtherTest()))) return;
        writeMain();
        if (most() || (all() && furtherAlwaysWithAll)) writeFurther();
    }
};

bool near(double a, double b) {
    return std::abs(a - b) < 0.001;
}

void changeZoneToDefault(HouseModel& model, int zone, DefaultKind kind, const ShownDefaults& shown,
                         const DefaultChangeChoice& choice) {
    const int L = model.CurrentLevel;
    const TLevelDefaultRec& d = model.LevelDefaults(L); // the stored defaults
    const TLevelDefaultRec& e = shown.values;           // what the editor shows
    const TZoneRec& z = model.Zones(zone);
    // The added R counts only where the editor shows its R panel.
    const auto rMatches = [&](double r, double defaultR) { return !shown.addedRShown || r == defaultR; };
    const ChangeFrame always{choice, true};
    const ChangeFrame withMost{choice, false};
    const auto nothing = [] { return true; };
    const auto none = [] {};

    switch (kind) {
    case DefaultKind::ExtWall: {
        const double defaultThickness = ExtThicknessFor(model, L, d.DefExtMaterial);
        for (int w = 0; w < z.NodeCount; ++w) {
            TWallRec& wall = model.Walls(zone, w);
            always.apply(
                [&] {
                    return wall.ExtMaterial == d.DefExtMaterial && wall.ExtInsulation == d.DefExtInsulation &&
                           wall.Beyond == d.DefBeyond && wall.Colour == d.DefExtColour &&
                           wall.ExtThickness == defaultThickness && wall.ExtInsulated == d.DefExtInsulated &&
                           rMatches(wall.ExtAddedR, d.DefExtAddedR);
                },
                [&] { return near(wall.ExtHeight, d.DefExtHeight / 1000.0); },
                [&] {
                    wall.ExtMaterial = e.DefExtMaterial;
                    wall.ExtInsulation = e.DefExtInsulation;
                    wall.Beyond = e.DefBeyond;
                    wall.Colour = e.DefExtColour;
                    wall.Absorptance = ColourToAbsorptance(wall.Colour);
                    wall.ExtThickness = shown.thickness;
                    wall.ExtAddedR = e.DefExtAddedR;
                    wall.ExtInsulated = e.DefExtInsulated;
                },
                [&] { wall.ExtHeight = e.DefExtHeight / 1000.0; });
        }
        break;
    }
    case DefaultKind::IntWall: {
        const double defaultThickness = PartThicknessFor(model, L, d.DefPartMaterial);
        for (int i = 1; i <= z.IntWallCount; ++i) {
            TIntWallRec& wall = model.ZoneIntWalls(zone, i);
            always.apply(
                [&] {
                    return wall.Material == d.DefPartMaterial && wall.Insulation == d.DefPartInsulation &&
                           wall.Thickness == defaultThickness && rMatches(wall.AddedR, d.DefPartAddedR);
                },
                [&] { return near(wall.Height, d.DefPartHeight / 1000.0); },
                [&] {
                    wall.Material = e.DefPartMaterial;
                    wall.Insulation = e.DefPartInsulation;
                    wall.Thickness = shown.thickness;
                    wall.AddedR = e.DefPartAddedR;
                },
                [&] { wall.Height = e.DefPartHeight / 1000.0; });
        }
        for (int w = 0; w < z.NodeCount; ++w) {
            TWallRec& wall = model.Walls(zone, w);
            always.apply(
                [&] {
                    return wall.PartMaterial == d.DefPartMaterial &&
                           wall.PartInsulation == d.DefPartInsulation &&
                           wall.PartThickness == defaultThickness &&
                           rMatches(wall.PartAddedR, d.DefPartAddedR);
                },
                [&] { return near(wall.PartHeight, d.DefPartHeight / 1000.0); },
                [&] {
                    wall.PartMaterial = e.DefPartMaterial;
                    wall.PartInsulation = e.DefPartInsulation;
                    wall.PartThickness = shown.thickness;
                    wall.PartAddedR = e.DefPartAddedR;
                },
                [&] { wall.PartHeight = e.DefPartHeight / 1000.0; });
        }
        break;
    }
    case DefaultKind::Roof: {
        TRoofRec& roof = model.ZoneRoofs(zone);
        withMost.apply(
            [&] {
                return roof.Material == d.DefRoofMaterial && roof.Insulation == d.DefRoofInsulation &&
                       roof.RoofColour == d.DefRoofColour && roof.RoofSpace == d.DefRoofSpace &&
                       roof.RoofShape == d.DefRoofShape && rMatches(roof.AddedR, d.DefRoofAddedR);
            },
            [&] { return roof.Slope == d.DefRoofSlope; },
            [&] {
                roof.Material = e.DefRoofMaterial;
                roof.Insulation = e.DefRoofInsulation;
                roof.RoofColour = e.DefRoofColour;
                roof.Absorptance = ColourToAbsorptance(roof.RoofColour);
                roof.AddedR = e.DefRoofAddedR;
                roof.RoofSpace = e.DefRoofSpace;
                roof.RoofShape = e.DefRoofShape;
            },
            [&] { roof.Slope = e.DefRoofSlope; });
        break;
    }
    case DefaultKind::Ceiling: {
        TCeilingRec& ceiling = model.ZoneCeilings(zone);
        withMost.apply(
            [&] {
                return ceiling.Material == d.DefCeilingMaterial &&
                       ceiling.Insulation == d.DefCeilingInsulation &&
                       ceiling.RoofSpace == d.DefCeilingRoofSpace &&
                       rMatches(ceiling.AddedR, d.DefCeilingAddedR);
            },
            // A slope typed with decimals matches the whole degrees of the default; a slope halfway
            // between two degrees goes to the even one.
            [&] { return common::roundHalfEven(ceiling.Slope) == d.DefCeilingSlope; },
            [&] {
                ceiling.Material = e.DefCeilingMaterial;
                ceiling.Insulation = e.DefCeilingInsulation;
                ceiling.AddedR = e.DefCeilingAddedR;
                ceiling.RoofSpace = e.DefCeilingRoofSpace;
            },
            [&] { ceiling.Slope = e.DefCeilingSlope; });
        break;
    }
    case DefaultKind::ExtFloor: {
        TExtFloorRec& floor = model.ZoneExtFloors(zone);
        withMost.apply(
            [&] {
                return floor.Material == d.DefFloorMaterial && floor.Insulation == d.DefFloorInsulation &&
                       floor.FloorCovering == d.DefFloorCovering &&
                       floor.FloorVentilation == d.DefFloorVentilation &&
                       floor.FloorVentArea == d.DefFloorVentArea &&
                       floor.FloorReflective == d.DefFloorReflective &&
                       rMatches(floor.AddedR, d.DefFloorAddedR);
            },
            [&] { return floor.UnderFloorHeight == d.DefUnderFloorHeight; },
            [&] {
                floor.Material = e.DefFloorMaterial;
                floor.Insulation = e.DefFloorInsulation;
                floor.FloorCovering = e.DefFloorCovering;
                floor.FloorVentilation = z.Level > 1 ? 0 : e.DefFloorVentilation;
                floor.FloorVentArea = e.DefFloorVentArea;
                floor.FloorReflective = e.DefFloorReflective;
                floor.AddedR = e.DefFloorAddedR;
                SuspendSlabAboveGround(floor, StandingLevel(model, zone));
            },
            [&] { floor.UnderFloorHeight = e.DefUnderFloorHeight; });
        break;
    }
    case DefaultKind::IntCeiling: {
        TIntCeilingRec& ceiling = model.ZoneIntCeilings(zone);
        withMost.apply(
            [&] {
                return ceiling.Material == d.DefIntCeilingMaterial &&
                       ceiling.Insulation == d.DefIntCeilingInsulation &&
                       rMatches(ceiling.AddedR, d.DefIntCeilingAddedR);
            },
            nothing,
            [&] {
                ceiling.Material = e.DefIntCeilingMaterial;
                ceiling.Insulation = e.DefIntCeilingInsulation;
                ceiling.AddedR = e.DefIntCeilingAddedR;
            },
            none);
        break;
    }
    case DefaultKind::FloorCover: {
        TFloorCoverRec& cover = model.ZoneFloorCovers(zone);
        withMost.apply([&] { return cover.FloorCovering == d.DefFloorCover; }, nothing,
                       [&] { cover.FloorCovering = e.DefFloorCover; }, none);
        break;
    }
    case DefaultKind::Door:
        for (int w = 0; w < z.NodeCount; ++w) {
            const TWallRec& wall = model.Walls(zone, w);
            for (int i = 1; i <= wall.DoorCount; ++i) {
                TDoorRec& door = model.WallDoors(zone, w, i);
                withMost.apply([&] { return door.Material == d.DefDoorMaterial; },
                               [&] {
                                   return near(door.Height, d.DefDoorHeight / 1000.0) &&
                                          near(door.Width, d.DefDoorWidth / 1000.0);
                               },
                               [&] { door.Material = e.DefDoorMaterial; },
                               [&] {
                                   door.Height = e.DefDoorHeight / 1000.0;
                                   door.Width = e.DefDoorWidth / 1000.0;
                                   // A door never grows past its wall.
                                   if (door.Width > wall.Length) door.Width = wall.Length - 0.001;
                                   if (door.Height > wall.ExtHeight) door.Height = wall.ExtHeight;
                                   door.ElementArea = door.Width * door.Height;
                               });
            }
        }
        break;
    case DefaultKind::Window:
        for (int w = 0; w < z.NodeCount; ++w)
            for (int i = 1; i <= model.Walls(zone, w).WindowCount; ++i) {
                TWindowRec& window = model.WallWindows(zone, w, i);
                withMost.apply(
                    [&] {
                        return window.Glass == d.DefWinGlass && window.Frame == d.DefWinFrame &&
                               window.ProductCode == d.DefWinCode;
                    },
                    [&] {
                        return window.Style == d.DefWinStyle && window.Shading == d.DefWinShading &&
                               window.Furnishing == d.DefWinFurnishing &&
                               window.PermanentlyOpen == d.DefWinOpen;
                    },
                    [&] {
                        window.Glass = e.DefWinGlass;
                        window.Frame = e.DefWinFrame;
                        window.ProductCode = e.DefWinCode;
                    },
                    [&] {
                        window.Style = e.DefWinStyle;
                        window.Shading = e.DefWinShading;
                        window.Furnishing = e.DefWinFurnishing;
                        window.PermanentlyOpen = e.DefWinOpen;
                    });
            }
        break;
    case DefaultKind::Skylight:
        for (int i = 1; i <= z.SkylightCount; ++i) {
            TSkylightRec& sky = model.ZoneSkylights(zone, i);
            withMost.apply(
                [&] {
                    return sky.SkyProduct == d.DefSkyProduct && sky.SkyFrame == d.DefSkyFrame &&
                           sky.Furnishing == d.DefSkyFurnishing && sky.Style == d.DefSkyStyle &&
                           sky.Glass == d.DefSkyGlass && sky.Frame == d.DefSkyWinFrame &&
                           sky.WindowCode == d.DefSkyWindowCode && sky.ProductCode == d.DefSkyCode &&
                           sky.OpeningPercent == d.DefSkyOpening && sky.ShadingPercent == d.DefSkyShading &&
                           sky.ShaftReflectance == d.DefShaftReflectance && sky.ShaftR == d.DefShaftR &&
                           sky.Clerestory == d.DefClerestory && sky.Diffuser == d.DefDiffuser &&
                           sky.Vented == d.DefVented;
                },
                [&] {
                    return sky.ClereWallWidth == d.DefClereWallWidth &&
                           sky.ClereEavesWidth == d.DefClereEavesWidth &&
                           sky.ClereEavesOffset == d.DefClereEavesOffset &&
                           sky.ClereWallHeight == d.DefClereWallHeight && sky.Slope == d.DefSkySlope &&
                           sky.Height == d.DefSkyHeight && sky.Width == d.DefSkyWidth &&
                           sky.Orientation == d.DefSkyOrientation && sky.ShaftLength == d.DefShaftLength;
                },
                [&] {
                    sky.SkyProduct = e.DefSkyProduct;
                    sky.SkyFrame = e.DefSkyFrame;
                    sky.Furnishing = e.DefSkyFurnishing;
                    sky.Style = e.DefSkyStyle;
                    sky.Glass = e.DefSkyGlass;
                    sky.Frame = e.DefSkyWinFrame;
                    sky.WindowCode = e.DefSkyWindowCode;
                    sky.ProductCode = e.DefSkyCode;
                    sky.OpeningPercent = e.DefSkyOpening;
                    sky.ShadingPercent = e.DefSkyShading;
                    sky.ShaftReflectance = e.DefShaftReflectance;
                    sky.ShaftR = e.DefShaftR;
                    sky.Clerestory = e.DefClerestory;
                    sky.Diffuser = e.DefDiffuser;
                    sky.Vented = e.DefVented;
                },
                [&] {
                    sky.ClereWallWidth = e.DefClereWallWidth;
                    sky.ClereEavesWidth = e.DefClereEavesWidth;
                    sky.ClereEavesOffset = e.DefClereEavesOffset;
                    sky.ClereWallHeight = e.DefClereWallHeight;
                    sky.Slope = e.DefSkySlope;
                    sky.Height = e.DefSkyHeight;
                    sky.Width = e.DefSkyWidth;
                    sky.Orientation = e.DefSkyOrientation;
                    sky.ShaftLength = e.DefShaftLength;
                });
        }
        break;
    }
}

} // namespace

void ChangeElementsToDefault(HouseModel& model, DefaultKind kind, const ShownDefaults& shown,
                             const DefaultChangeChoice& choice) {
    for (int zone = 1; zone <= model.ZoneCount; ++zone) {
        if (choice.levels == 1 && model.Zones(zone).Level != model.CurrentLevel) continue;
        changeZoneToDefault(model, zone, kind, shown, choice);
    }
}

int ApplyDefaultRequestOf(DefaultKind kind) {
    switch (kind) {
    case DefaultKind::Roof:
        return 1;
    case DefaultKind::Ceiling:
        return 2;
    case DefaultKind::ExtWall:
        return 3;
    case DefaultKind::IntWall:
        return 4;
    case DefaultKind::IntCeiling:
        return 5;
    case DefaultKind::FloorCover:
        return 6;
    case DefaultKind::ExtFloor:
        return 7;
    case DefaultKind::Window:
        return 8;
    case DefaultKind::Door:
        return 9;
    case DefaultKind::Skylight:
        return 10;
    }
    return 0;
}

} // namespace pelmora
