// The level defaults dialog's changes: the defaults of ticked kinds copied to every level, the
// elements of ticked kinds on the current level set to the defaults, and the check of a defaults
// file's values.
#include "modeller/model/defaults_changes.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using namespace pelmora;
using ::testing::HasSubstr;

DefaultKindSet only(std::initializer_list<DefaultKind> kinds) {
    DefaultKindSet set{};
    for (DefaultKind k : kinds) set[static_cast<std::size_t>(k) - 1] = true;
    return set;
}

// Every level with the factory defaults, then level L's stored values made distinct by L.
class DefaultsChanges : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int level = 1; level <= kMaxLevels; ++level) {
            SetDefaultDefaults(model, level);
            TLevelDefaultRec& d = model.LevelDefaults(level);
            d.DefWinGlass = 10 + level;
            d.DefWinFrame = 20 + level;
            d.DefWinCode = "CODE-" + std::to_string(level);
            d.DefWinStyle = 30 + level;
            d.DefWinShading = 40 + level;
            d.DefWinFurnishing = 50 + level;
            d.DefWinHeight = 1000.0 + level;
            d.DefFloorMaterial = 60 + level;
            d.DefFloorVentilation = 1;
            d.DefUnderFloorHeight = 500.0 + level;
            d.DefDoorMaterial = 70 + level;
            d.DefDoorWidth = 800.0 + level;
            d.DefExtColour = 0x000100 * level;
        }
    }
    HouseModel model;
};

TEST_F(DefaultsChanges, CopyingTheWindowDefaultsTakesTheConstructionAndProductOnly) {
    model.CurrentLevel = 2;
    CopyDefaultsToAllLevels(model, only({DefaultKind::Window}));
    for (int level = 1; level <= kMaxLevels; ++level) {
        SCOPED_TRACE(level);
        const TLevelDefaultRec& d = model.LevelDefaults(level);
        EXPECT_EQ(d.DefWinGlass, 12);
        EXPECT_EQ(d.DefWinFrame, 22);
        EXPECT_EQ(d.DefWinCode, "CODE-2");
        // Each level keeps its own window sizes, style, shading and furnishing, and other kinds.
        EXPECT_EQ(d.DefWinStyle, 30 + level);
        EXPECT_EQ(d.DefWinShading, 40 + level);
        EXPECT_EQ(d.DefWinFurnishing, 50 + level);
        EXPECT_EQ(d.DefWinHeight, 1000.0 + level);
        EXPECT_EQ(d.DefDoorMaterial, 70 + level);
    }
}

TEST_F(DefaultsChanges, CopyingTheFloorDefaultsOpensTheUnderFloorOfEveryUpperLevel) {
    model.CurrentLevel = 3;
    CopyDefaultsToAllLevels(model, only({DefaultKind::ExtFloor, DefaultKind::Door}));
    for (int level = 1; level <= kMaxLevels; ++level) {
        SCOPED_TRACE(level);
        const TLevelDefaultRec& d = model.LevelDefaults(level);
        EXPECT_EQ(d.DefFloorMaterial, 63);
        EXPECT_EQ(d.DefUnderFloorHeight, 503.0);
        // Level 1 keeps the enclosed under-floor of level 3; every level above it, level 3 too, is
        // "Very Open".
        EXPECT_EQ(d.DefFloorVentilation, level == 1 ? 1 : 0);
        EXPECT_EQ(d.DefDoorMaterial, 73);
        EXPECT_EQ(d.DefDoorWidth, 803.0);
        EXPECT_EQ(d.DefWinGlass, 10 + level) << "not ticked";
    }
}

// Two zones of one wall each with a window and a door, zone 1 on level 1 and zone 2 on level 2.
class LevelElements : public DefaultsChanges {
  protected:
    void SetUp() override {
        DefaultsChanges::SetUp();
        model.ZoneCount = 2;
        for (int z = 1; z <= 2; ++z) {
            model.Zones(z).Level = z;
            model.Zones(z).NodeCount = 1;
            TWallRec& wall = model.Walls(z, 0);
            wall.WindowCount = 1;
            wall.DoorCount = 1;
            wall.ExtMaterial = 99;
            model.WallWindows(z, 0, 1) = TWindowRec{};
            model.WallWindows(z, 0, 1).Width = 1.2;
            model.WallDoors(z, 0, 1).Width = 0.9;
            model.WallDoors(z, 0, 1).Height = 2.0;
            model.WallDoors(z, 0, 1).Material = 99;
            model.ZoneExtFloors(z).Material = 99;
            model.ZoneExtFloors(z).FloorVentilation = 2;
        }
    }
};

TEST_F(LevelElements, DoorsChangeMaterialOnlyAndOnlyOnTheCurrentLevel) {
    model.CurrentLevel = 2;
    ChangeLevelElementsToDefaults(model, only({DefaultKind::Door}));
    const TDoorRec& changed = model.WallDoors(2, 0, 1);
    EXPECT_EQ(changed.Material, 72);
    EXPECT_EQ(changed.Width, 0.9) << "the door keeps its size";
    EXPECT_EQ(changed.Height, 2.0);
    EXPECT_EQ(model.WallDoors(1, 0, 1).Material, 99) << "level 1 is not the current level";
    EXPECT_EQ(model.Walls(2, 0).ExtMaterial, 99) << "walls not ticked";
}

TEST_F(LevelElements, WindowsFloorsAndWallsTakeTheLevelsDefaults) {
    model.CurrentLevel = 2;
    ChangeLevelElementsToDefaults(model,
                                  only({DefaultKind::Window, DefaultKind::ExtFloor, DefaultKind::ExtWall}));
    const TWindowRec& window = model.WallWindows(2, 0, 1);
    EXPECT_EQ(window.Glass, 12);
    EXPECT_EQ(window.Frame, 22);
    EXPECT_EQ(window.Style, 32);
    EXPECT_EQ(window.Shading, 42);
    EXPECT_EQ(window.Furnishing, 52);
    EXPECT_EQ(window.ProductCode, "CODE-2");
    EXPECT_EQ(window.Width, 1.2) << "the window keeps its size";
    const TExtFloorRec& floor = model.ZoneExtFloors(2);
    EXPECT_EQ(floor.Material, 62);
    EXPECT_EQ(floor.UnderFloorHeight, 502.0);
    EXPECT_EQ(floor.FloorVentilation, 0) << "a floor above level 1 is very open";
    const TWallRec& wall = model.Walls(2, 0);
    EXPECT_EQ(wall.ExtMaterial, model.LevelDefaults(2).DefExtMaterial);
    EXPECT_EQ(wall.Colour, 0x000200);
    EXPECT_DOUBLE_EQ(wall.ExtHeight, 2.4) << "2400 mm as metres";
    EXPECT_EQ(model.ZoneExtFloors(1).Material, 99);

    model.CurrentLevel = 1;
    ChangeLevelElementsToDefaults(model, only({DefaultKind::ExtFloor}));
    EXPECT_EQ(model.ZoneExtFloors(1).FloorVentilation, 1) << "level 1 keeps the default ventilation";
}

TEST(DefaultsCheck, ValuesOutsideTheirTablesOrRangesAreRefusedWithFileLevelAndValue) {
    HouseModel model;
    for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(model, level);
    const std::filesystem::path file = "/houses/default/Default1.DEF";
    const TableRecordCount fiveRecords = [](std::string_view) { return 5; };
    const auto problem = [&](const LevelDefaultArray& defaults) {
        return model_test::modelErrorOf(
            [&] { CheckDefaults(model.NewZoneOptions, defaults, fiveRecords, file); });
    };
    EXPECT_EQ(problem(model.LevelDefaults), "no error") << "the factory defaults are sound";

    struct Case {
        const char* name;
        void (*spoil)(TLevelDefaultRec&);
        const char* expected;
    };
    const Case cases[] = {
        {"a record past its table", [](TLevelDefaultRec& d) { d.DefDoorMaterial = 6; },
         "level 4, DefDoorMaterial = 6 is not a record of table DoorMaterial (1 to 5)"},
        {"record 0", [](TLevelDefaultRec& d) { d.DefSkyFrame = 0; }, "DefSkyFrame = 0 is not a record"},
        {"a roof shape past its choices", [](TLevelDefaultRec& d) { d.DefRoofShape = 4; },
         "DefRoofShape = 4 lies outside 0 to 3"},
        {"a negative wall height", [](TLevelDefaultRec& d) { d.DefExtHeight = -2400.0; },
         "DefExtHeight = -2400 must be above 0"},
        {"a shading percentage over 100", [](TLevelDefaultRec& d) { d.DefSkyShading = 150; },
         "DefSkyShading = 150 lies outside 0 to 100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LevelDefaultArray spoiled = model.LevelDefaults;
        c.spoil(spoiled(4));
        const std::string message = problem(spoiled);
        EXPECT_THAT(message, HasSubstr("/houses/default/Default1.DEF"));
        EXPECT_THAT(message, HasSubstr(c.expected));
    }
}

// Two zones of two walls each, zone 1 on level 1 and zone 2 on level 2, every wall built to level 1's
// stored default except wall 1 of each zone, whose colour differs.  The editor shows another default.
class ChangeToDefault : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(model, level);
        model.CurrentLevel = 1;
        model.ExtThicknessByMaterial(1, 1) = 110.0;
        const TLevelDefaultRec& d = model.LevelDefaults(1);
        model.ZoneCount = 2;
        for (int z = 1; z <= 2; ++z) {
            model.Zones(z).Level = z;
            model.Zones(z).NodeCount = 2;
            for (int w = 0; w < 2; ++w) {
                TWallRec& wall = model.Walls(z, w);
                wall.ExtMaterial = d.DefExtMaterial;
                wall.ExtInsulation = d.DefExtInsulation;
                wall.Beyond = d.DefBeyond;
                wall.Colour = w == 1 ? 0x0000FF : d.DefExtColour;
                wall.ExtThickness = 110.0;
                wall.ExtInsulated = d.DefExtInsulated;
                wall.ExtAddedR = d.DefExtAddedR;
                wall.ExtHeight = d.DefExtHeight / 1000.0;
                wall.Length = 3.0;
            }
        }
        shown.values = d;
        shown.values.DefExtMaterial = 2;
        shown.values.DefExtColour = 0x00FF00;
        shown.values.DefExtHeight = 2700.0;
        shown.thickness = 230.0;
    }
    // Zone 1's ceiling in the level's default construction, at `slope` under a default of
    // `defaultSlope`; the shown defaults offer material 3 at 30°.
    TCeilingRec& defaultCeiling(double slope, double defaultSlope) {
        const TLevelDefaultRec& d = model.LevelDefaults(1);
        TCeilingRec& ceiling = model.ZoneCeilings(1);
        ceiling.Material = d.DefCeilingMaterial;
        ceiling.Insulation = d.DefCeilingInsulation;
        ceiling.RoofSpace = d.DefCeilingRoofSpace;
        ceiling.AddedR = d.DefCeilingAddedR;
        ceiling.Slope = slope;
        model.LevelDefaults(1).DefCeilingSlope = defaultSlope;
        shown.values.DefCeilingMaterial = 3;
        shown.values.DefCeilingSlope = 30.0;
        return ceiling;
    }

    HouseModel model;
    ShownDefaults shown;
};

TEST_F(ChangeToDefault, ExternalWallsFollowTheThreeChoices) {
    struct Case {
        const char* name;
        DefaultChangeChoice choice;
        // Whether each of the four walls (zone 1 wall 0, zone 1 wall 1, zone 2 wall 0, zone 2 wall 1)
        // takes the editor's construction, and whether its height becomes 2.7 m.
        std::array<bool, 4> changed, heightChanged;
    };
    const Case cases[] = {
        {"all elements, this level, main", {0, 1, 0}, {true, true, false, false}, {true, true, false, false}},
        {"only defaults, all levels, main",
         {1, 0, 0},
         {true, false, true, false},
         {false, false, false, false}},
        {"only defaults, all levels, most",
         {1, 0, 1},
         {true, false, true, false},
         {true, false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ChangeElementsToDefault(model, DefaultKind::ExtWall, shown, c.choice);
        for (int k = 0; k < 4; ++k) {
            const TWallRec& wall = model.Walls(1 + k / 2, k % 2);
            SCOPED_TRACE(k);
            EXPECT_EQ(wall.ExtMaterial, c.changed[k] ? 2 : 1);
            EXPECT_EQ(wall.ExtThickness, c.changed[k] ? 230.0 : 110.0);
            if (c.changed[k]) {
                EXPECT_EQ(wall.Colour, 0x00FF00);
            }
            EXPECT_DOUBLE_EQ(wall.ExtHeight, c.heightChanged[k] ? 2.7 : 2.4);
        }
    }
}

TEST_F(ChangeToDefault, TheAddedRCountsOnlyWhereTheEditorShowsItsPanel) {
    for (int z = 1; z <= 2; ++z) model.Walls(z, 0).ExtAddedR = 3.0; // differs from the default's 1.0
    ChangeElementsToDefault(model, DefaultKind::ExtWall, shown, {1, 0, 0});
    EXPECT_EQ(model.Walls(1, 0).ExtMaterial, 1) << "panel shown: the added R differs";
    shown.addedRShown = false;
    ChangeElementsToDefault(model, DefaultKind::ExtWall, shown, {1, 0, 0});
    EXPECT_EQ(model.Walls(1, 0).ExtMaterial, 2) << "panel hidden: the added R is not compared";
}

TEST_F(ChangeToDefault, ADoorMadeWiderThanItsWallEndsOneMillimetreShort) {
    model.Walls(1, 0).DoorCount = 1;
    TDoorRec& door = model.WallDoors(1, 0, 1);
    door.Material = model.LevelDefaults(1).DefDoorMaterial;
    door.Width = 0.75;
    door.Height = 2.1;
    shown.values.DefDoorWidth = 3500.0;  // wider than the 3 m wall
    shown.values.DefDoorHeight = 2600.0; // higher than the 2.4 m wall
    ChangeElementsToDefault(model, DefaultKind::Door, shown, {0, 0, 0});
    EXPECT_EQ(door.Width, 0.75) << "main properties only: the size stays";
    ChangeElementsToDefault(model, DefaultKind::Door, shown, {0, 0, 1});
    EXPECT_DOUBLE_EQ(door.Width, 2.999);
    EXPECT_DOUBLE_EQ(door.Height, 2.4);
}

TEST_F(ChangeToDefault, FloorsAboveLevelOneAreVeryOpenAndCeilingSlopesMatchToTheDegree) {
    shown.values.DefFloorVentilation = 2; // enclosed
    ChangeElementsToDefault(model, DefaultKind::ExtFloor, shown, {0, 0, 0});
    EXPECT_EQ(model.ZoneExtFloors(1).FloorVentilation, 2);
    EXPECT_EQ(model.ZoneExtFloors(2).FloorVentilation, 0);

    TCeilingRec& ceiling = defaultCeiling(22.4, 22.0);
    ChangeElementsToDefault(model, DefaultKind::Ceiling, shown, {1, 1, 1});
    EXPECT_EQ(ceiling.Material, 3);
    EXPECT_EQ(ceiling.Slope, 30.0);
}

TEST_F(ChangeToDefault, ACeilingSlopeHalfwayBetweenDegreesRoundsToTheEvenDegree) {
    struct Case {
        double slope, defaultSlope;
        bool matches;
    };
    const Case cases[] = {
        {22.5, 22.0, true}, {23.5, 24.0, true}, {22.5, 23.0, false}, {22.6, 22.0, false}, {21.5, 22.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slope);
        SetUp();
        const auto defaultMaterial = model.LevelDefaults(1).DefCeilingMaterial;
        TCeilingRec& ceiling = defaultCeiling(c.slope, c.defaultSlope);
        ChangeElementsToDefault(model, DefaultKind::Ceiling, shown, {1, 1, 1});
        EXPECT_EQ(ceiling.Material, c.matches ? 3 : defaultMaterial);
        EXPECT_EQ(ceiling.Slope, c.matches ? 30.0 : c.slope);
    }
}

} // namespace

namespace {

// ---- Every field of every kind -------------------------------------------------------------------

// The roads a field of a kind's level default takes: copied to the other levels, written into the
// elements of the current level by "Change all elements on this level", and written into the elements
// by the editor's change to the current default ("All elements", "Most properties").
enum Road : unsigned { kCopied = 1, kLevelChange = 2, kChangeToDefault = 4, kAll = 7 };

// One field of a kind's level default, and the element field it reaches in a zone.
struct FieldLink {
    DefaultKind kind;
    const char* name;
    unsigned roads;
    // Gives the default field a value of its own: n for a number, the opposite for a flag, "Cn" for
    // a product code.
    std::function<void(TLevelDefaultRec&, int n)> mark;
    // The default field as text.
    std::function<std::string(const TLevelDefaultRec&)> stored;
    // The element field as text, and what it must be for the default `d` (in the element's unit).
    std::function<std::string(HouseModel&, int zone)> element;
    std::function<std::string(const TLevelDefaultRec&)> expected;
};

template <class T> std::string Text(const T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        return value;
    } else {
        std::ostringstream text;
        text << std::setprecision(17) << static_cast<double>(value);
        return text.str();
    }
}

// The elements of zone z that the table reaches: wall 0 with window 1 and door 1, internal wall 1,
// skylight 1 and the zone's floors, ceilings and roof.
TWallRec& WallOf(HouseModel& m, int z) {
    return m.Walls(z, 0);
}
TIntWallRec& IntWallOf(HouseModel& m, int z) {
    return m.ZoneIntWalls(z, 1);
}
TExtFloorRec& ExtFloorOf(HouseModel& m, int z) {
    return m.ZoneExtFloors(z);
}
TIntCeilingRec& IntCeilingOf(HouseModel& m, int z) {
    return m.ZoneIntCeilings(z);
}
TFloorCoverRec& FloorCoverOf(HouseModel& m, int z) {
    return m.ZoneFloorCovers(z);
}
TCeilingRec& CeilingOf(HouseModel& m, int z) {
    return m.ZoneCeilings(z);
}
TRoofRec& RoofOf(HouseModel& m, int z) {
    return m.ZoneRoofs(z);
}
TDoorRec& DoorOf(HouseModel& m, int z) {
    return m.WallDoors(z, 0, 1);
}
TWindowRec& WindowOf(HouseModel& m, int z) {
    return m.WallWindows(z, 0, 1);
}
TSkylightRec& SkylightOf(HouseModel& m, int z) {
    return m.ZoneSkylights(z, 1);
}

template <class D> void Mark(D& field, int n) {
    if constexpr (std::is_same_v<D, bool>)
        field = !field;
    else if constexpr (std::is_same_v<D, std::string>)
        field = "C" + std::to_string(n);
    else
        field = static_cast<D>(n);
}

// A default field that reaches the element field `field` of `at`, divided by `divisor` (mm to m).
template <class D, class R, class E>
FieldLink Link(DefaultKind kind, const char* name, D TLevelDefaultRec::*def, unsigned roads,
               R& (*at)(HouseModel&, int), E R::*field, double divisor = 1.0) {
    return {kind,
            name,
            roads,
            [def](TLevelDefaultRec& d, int n) { Mark(d.*def, n); },
            [def](const TLevelDefaultRec& d) { return Text(d.*def); },
            [at, field](HouseModel& m, int z) { return Text(at(m, z).*field); },
            [def, divisor](const TLevelDefaultRec& d) {
                if constexpr (std::is_arithmetic_v<D>) {
                    return Text(static_cast<double>(d.*def) / divisor);
                } else {
                    (void)divisor; // a code is not divided
                    return Text(d.*def);
                }
            }};
}

// A default field that only travels between levels.
template <class D> FieldLink Stored(DefaultKind kind, const char* name, D TLevelDefaultRec::*def) {
    return {kind,
            name,
            kCopied,
            [def](TLevelDefaultRec& d, int n) { Mark(d.*def, n); },
            [def](const TLevelDefaultRec& d) { return Text(d.*def); },
            nullptr,
            nullptr};
}

std::vector<FieldLink> AllFieldLinks() {
    using K = DefaultKind;
    using D = TLevelDefaultRec;
    constexpr unsigned kElements = kLevelChange | kChangeToDefault;
    constexpr unsigned kNotOnLevelChange = kCopied | kChangeToDefault;
    return {
        Link(K::ExtWall, "DefExtMaterial", &D::DefExtMaterial, kAll, WallOf, &TWallRec::ExtMaterial),
        Link(K::ExtWall, "DefExtInsulation", &D::DefExtInsulation, kAll, WallOf, &TWallRec::ExtInsulation),
        Link(K::ExtWall, "DefExtColour", &D::DefExtColour, kAll, WallOf, &TWallRec::Colour),
        Link(K::ExtWall, "DefExtHeight", &D::DefExtHeight, kAll, WallOf, &TWallRec::ExtHeight, 1000.0),
        Link(K::ExtWall, "DefExtAddedR", &D::DefExtAddedR, kAll, WallOf, &TWallRec::ExtAddedR),
        Link(K::ExtWall, "DefBeyond", &D::DefBeyond, kAll, WallOf, &TWallRec::Beyond),
        Link(K::ExtWall, "DefExtInsulated", &D::DefExtInsulated, kAll, WallOf, &TWallRec::ExtInsulated),

        Link(K::IntWall, "DefPartMaterial", &D::DefPartMaterial, kAll, IntWallOf, &TIntWallRec::Material),
        Link(K::IntWall, "DefPartInsulation", &D::DefPartInsulation, kAll, IntWallOf,
             &TIntWallRec::Insulation),
        Link(K::IntWall, "DefPartHeight", &D::DefPartHeight, kAll, IntWallOf, &TIntWallRec::Height, 1000.0),
        Link(K::IntWall, "DefPartAddedR", &D::DefPartAddedR, kAll, IntWallOf, &TIntWallRec::AddedR),
        // The same defaults reach the partition fields of the zone's walls.
        Link(K::IntWall, "DefPartMaterial (partition)", &D::DefPartMaterial, kAll, WallOf,
             &TWallRec::PartMaterial),
        Link(K::IntWall, "DefPartInsulation (partition)", &D::DefPartInsulation, kAll, WallOf,
             &TWallRec::PartInsulation),
        Link(K::IntWall, "DefPartHeight (partition)", &D::DefPartHeight, kAll, WallOf, &TWallRec::PartHeight,
             1000.0),
        Link(K::IntWall, "DefPartAddedR (partition)", &D::DefPartAddedR, kAll, WallOf, &TWallRec::PartAddedR),

        Link(K::ExtFloor, "DefFloorMaterial", &D::DefFloorMaterial, kAll, ExtFloorOf,
             &TExtFloorRec::Material),
        Link(K::ExtFloor, "DefFloorInsulation", &D::DefFloorInsulation, kAll, ExtFloorOf,
             &TExtFloorRec::Insulation),
        Link(K::ExtFloor, "DefFloorAddedR", &D::DefFloorAddedR, kAll, ExtFloorOf, &TExtFloorRec::AddedR),
        Link(K::ExtFloor, "DefUnderFloorHeight", &D::DefUnderFloorHeight, kAll, ExtFloorOf,
             &TExtFloorRec::UnderFloorHeight),
        Stored(K::ExtFloor, "DefFloorSpare", &D::DefFloorSpare),
        Link(K::ExtFloor, "DefFloorVentilation", &D::DefFloorVentilation, kAll, ExtFloorOf,
             &TExtFloorRec::FloorVentilation),
        Link(K::ExtFloor, "DefFloorVentArea", &D::DefFloorVentArea, kAll, ExtFloorOf,
             &TExtFloorRec::FloorVentArea),
        Link(K::ExtFloor, "DefFloorCovering", &D::DefFloorCovering, kAll, ExtFloorOf,
             &TExtFloorRec::FloorCovering),
        Link(K::ExtFloor, "DefFloorReflective", &D::DefFloorReflective, kElements, ExtFloorOf,
             &TExtFloorRec::FloorReflective),

        Link(K::IntCeiling, "DefIntCeilingAddedR", &D::DefIntCeilingAddedR, kAll, IntCeilingOf,
             &TIntCeilingRec::AddedR),
        Link(K::IntCeiling, "DefIntCeilingMaterial", &D::DefIntCeilingMaterial, kAll, IntCeilingOf,
             &TIntCeilingRec::Material),
        Link(K::IntCeiling, "DefIntCeilingInsulation", &D::DefIntCeilingInsulation, kAll, IntCeilingOf,
             &TIntCeilingRec::Insulation),

        Link(K::FloorCover, "DefFloorCover", &D::DefFloorCover, kAll, FloorCoverOf,
             &TFloorCoverRec::FloorCovering),

        Link(K::Ceiling, "DefCeilingMaterial", &D::DefCeilingMaterial, kAll, CeilingOf,
             &TCeilingRec::Material),
        Link(K::Ceiling, "DefCeilingInsulation", &D::DefCeilingInsulation, kAll, CeilingOf,
             &TCeilingRec::Insulation),
        Link(K::Ceiling, "DefCeilingRoofSpace", &D::DefCeilingRoofSpace, kAll, CeilingOf,
             &TCeilingRec::RoofSpace),
        Link(K::Ceiling, "DefCeilingAddedR", &D::DefCeilingAddedR, kAll, CeilingOf, &TCeilingRec::AddedR),
        Link(K::Ceiling, "DefCeilingSlope", &D::DefCeilingSlope, kAll, CeilingOf, &TCeilingRec::Slope),

        Link(K::Roof, "DefRoofMaterial", &D::DefRoofMaterial, kAll, RoofOf, &TRoofRec::Material),
        Link(K::Roof, "DefRoofInsulation", &D::DefRoofInsulation, kAll, RoofOf, &TRoofRec::Insulation),
        // The editor's change leaves the gap code, which follows the insulation row.
        Link(K::Roof, "DefRoofGapCode", &D::DefRoofGapCode, kCopied | kLevelChange, RoofOf,
             &TRoofRec::RoofGapCode),
        Link(K::Roof, "DefRoofColour", &D::DefRoofColour, kAll, RoofOf, &TRoofRec::RoofColour),
        Link(K::Roof, "DefRoofAddedR", &D::DefRoofAddedR, kAll, RoofOf, &TRoofRec::AddedR),
        Link(K::Roof, "DefRoofSlope", &D::DefRoofSlope, kAll, RoofOf, &TRoofRec::Slope),
        Link(K::Roof, "DefRoofSpace", &D::DefRoofSpace, kAll, RoofOf, &TRoofRec::RoofSpace),
        Link(K::Roof, "DefRoofShape", &D::DefRoofShape, kAll, RoofOf, &TRoofRec::RoofShape),

        // A door keeps its size when the level's elements change.
        Link(K::Door, "DefDoorMaterial", &D::DefDoorMaterial, kAll, DoorOf, &TDoorRec::Material),
        Link(K::Door, "DefDoorHeight", &D::DefDoorHeight, kNotOnLevelChange, DoorOf, &TDoorRec::Height,
             1000.0),
        Link(K::Door, "DefDoorWidth", &D::DefDoorWidth, kNotOnLevelChange, DoorOf, &TDoorRec::Width, 1000.0),

        // The window's construction and product travel between levels; its style, shading and
        // furnishing only reach the elements.
        Link(K::Window, "DefWinGlass", &D::DefWinGlass, kAll, WindowOf, &TWindowRec::Glass),
        Link(K::Window, "DefWinFrame", &D::DefWinFrame, kAll, WindowOf, &TWindowRec::Frame),
        Link(K::Window, "DefWinCode", &D::DefWinCode, kAll, WindowOf, &TWindowRec::ProductCode),
        Link(K::Window, "DefWinStyle", &D::DefWinStyle, kElements, WindowOf, &TWindowRec::Style),
        Link(K::Window, "DefWinShading", &D::DefWinShading, kElements, WindowOf, &TWindowRec::Shading),
        Link(K::Window, "DefWinFurnishing", &D::DefWinFurnishing, kElements, WindowOf,
             &TWindowRec::Furnishing),
        Link(K::Window, "DefWinOpen", &D::DefWinOpen, kElements, WindowOf, &TWindowRec::PermanentlyOpen),

        Link(K::Skylight, "DefSkyProduct", &D::DefSkyProduct, kAll, SkylightOf, &TSkylightRec::SkyProduct),
        Link(K::Skylight, "DefSkyFrame", &D::DefSkyFrame, kAll, SkylightOf, &TSkylightRec::SkyFrame),
        Link(K::Skylight, "DefSkyFurnishing", &D::DefSkyFurnishing, kAll, SkylightOf,
             &TSkylightRec::Furnishing),
        Link(K::Skylight, "DefSkyStyle", &D::DefSkyStyle, kAll, SkylightOf, &TSkylightRec::Style),
        Link(K::Skylight, "DefSkyGlass", &D::DefSkyGlass, kAll, SkylightOf, &TSkylightRec::Glass),
        Link(K::Skylight, "DefSkyWinFrame", &D::DefSkyWinFrame, kAll, SkylightOf, &TSkylightRec::Frame),
        Link(K::Skylight, "DefSkyWindowCode", &D::DefSkyWindowCode, kAll, SkylightOf,
             &TSkylightRec::WindowCode),
        Link(K::Skylight, "DefSkyCode", &D::DefSkyCode, kAll, SkylightOf, &TSkylightRec::ProductCode),
        Link(K::Skylight, "DefSkyOpening", &D::DefSkyOpening, kAll, SkylightOf,
             &TSkylightRec::OpeningPercent),
        Link(K::Skylight, "DefSkyShading", &D::DefSkyShading, kAll, SkylightOf,
             &TSkylightRec::ShadingPercent),
        Link(K::Skylight, "DefShaftReflectance", &D::DefShaftReflectance, kAll, SkylightOf,
             &TSkylightRec::ShaftReflectance),
        Link(K::Skylight, "DefShaftR", &D::DefShaftR, kAll, SkylightOf, &TSkylightRec::ShaftR),
        Link(K::Skylight, "DefClerestory", &D::DefClerestory, kAll, SkylightOf, &TSkylightRec::Clerestory),
        Link(K::Skylight, "DefDiffuser", &D::DefDiffuser, kAll, SkylightOf, &TSkylightRec::Diffuser),
        Link(K::Skylight, "DefVented", &D::DefVented, kAll, SkylightOf, &TSkylightRec::Vented),
        // A skylight keeps its size, slope, orientation, shaft length and clerestory wall when the
        // level's elements change.
        Link(K::Skylight, "DefClereWallWidth", &D::DefClereWallWidth, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::ClereWallWidth),
        Link(K::Skylight, "DefClereEavesWidth", &D::DefClereEavesWidth, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::ClereEavesWidth),
        Link(K::Skylight, "DefClereEavesOffset", &D::DefClereEavesOffset, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::ClereEavesOffset),
        Link(K::Skylight, "DefClereWallHeight", &D::DefClereWallHeight, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::ClereWallHeight),
        Link(K::Skylight, "DefSkySlope", &D::DefSkySlope, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::Slope),
        Link(K::Skylight, "DefSkyHeight", &D::DefSkyHeight, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::Height),
        Link(K::Skylight, "DefSkyWidth", &D::DefSkyWidth, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::Width),
        Link(K::Skylight, "DefShaftLength", &D::DefShaftLength, kNotOnLevelChange, SkylightOf,
             &TSkylightRec::ShaftLength),
        Link(K::Skylight, "DefSkyOrientation", &D::DefSkyOrientation, kChangeToDefault, SkylightOf,
             &TSkylightRec::Orientation),
    };
}

// Every level with the factory defaults, and one zone on level 1 with one element of every kind in a
// wall 30 m long and 24 m high (a door of the marked sizes fits it).
class EveryField : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(model, level);
        model.CurrentLevel = 1;
        model.ZoneCount = 1;
        TZoneRec& zone = model.Zones(1);
        zone.Level = 1;
        zone.NodeCount = 1;
        zone.IntWallCount = 1;
        zone.SkylightCount = 1;
        TWallRec& wall = model.Walls(1, 0);
        wall.Length = 30.0;
        wall.ExtHeight = 24.0;
        wall.WindowCount = 1;
        wall.DoorCount = 1;
    }
    // Gives every field of `kind` in `d` a value of its own, different from every other field's.
    static void MarkKind(TLevelDefaultRec& d, DefaultKind kind) {
        int n = 101;
        for (const FieldLink& link : AllFieldLinks())
            if (link.kind == kind) link.mark(d, n++);
    }
    HouseModel model;
};

constexpr DefaultKind kEveryKind[] = {DefaultKind::ExtWall,    DefaultKind::IntWall,    DefaultKind::ExtFloor,
                                      DefaultKind::IntCeiling, DefaultKind::FloorCover, DefaultKind::Ceiling,
                                      DefaultKind::Roof,       DefaultKind::Door,       DefaultKind::Window,
                                      DefaultKind::Skylight};

TEST_F(EveryField, CopyingToAllLevelsTakesEveryCopiedFieldOfTheTickedKind) {
    for (DefaultKind kind : kEveryKind) {
        SCOPED_TRACE(static_cast<int>(kind));
        SetUp();
        model.CurrentLevel = 3;
        MarkKind(model.LevelDefaults(3), kind);
        const TLevelDefaultRec marked = model.LevelDefaults(3);
        const TLevelDefaultRec factory = model.LevelDefaults(1);
        DefaultKindSet kinds{};
        kinds[static_cast<std::size_t>(kind) - 1] = true;
        CopyDefaultsToAllLevels(model, kinds);
        for (const FieldLink& link : AllFieldLinks()) {
            if (link.kind != kind) continue;
            SCOPED_TRACE(link.name);
            for (int level = 1; level <= kMaxLevels; ++level) {
                SCOPED_TRACE(level);
                const std::string copied = link.stored(model.LevelDefaults(level));
                if (!(link.roads & kCopied))
                    EXPECT_EQ(copied, link.stored(level == 3 ? marked : factory))
                        << "each level keeps its own";
                else if (kind == DefaultKind::ExtFloor && std::string(link.name) == "DefFloorVentilation" &&
                         level > 1)
                    EXPECT_EQ(copied, "0") << "an upper level's under-floor is very open";
                else
                    EXPECT_EQ(copied, link.stored(marked));
            }
        }
    }
}

TEST_F(EveryField, ChangingTheLevelsElementsWritesEveryFieldOfTheTickedKind) {
    for (DefaultKind kind : kEveryKind) {
        SCOPED_TRACE(static_cast<int>(kind));
        SetUp();
        MarkKind(model.LevelDefaults(1), kind);
        const TLevelDefaultRec& d = model.LevelDefaults(1);
        DefaultKindSet kinds{};
        kinds[static_cast<std::size_t>(kind) - 1] = true;
        ChangeLevelElementsToDefaults(model, kinds);
        for (const FieldLink& link : AllFieldLinks()) {
            if (link.kind != kind || !(link.roads & kLevelChange)) continue;
            EXPECT_EQ(link.element(model, 1), link.expected(d)) << link.name;
        }
    }
}

TEST_F(EveryField, ChangingToTheEditorsDefaultWritesEveryFieldOfTheKind) {
    for (DefaultKind kind : kEveryKind) {
        SCOPED_TRACE(static_cast<int>(kind));
        SetUp();
        ShownDefaults shown;
        shown.values = model.LevelDefaults(1);
        MarkKind(shown.values, kind);
        ChangeElementsToDefault(model, kind, shown, {0, 0, 1}); // all elements, all levels, most properties
        for (const FieldLink& link : AllFieldLinks()) {
            if (link.kind != kind || !(link.roads & kChangeToDefault)) continue;
            EXPECT_EQ(link.element(model, 1), link.expected(shown.values)) << link.name;
        }
    }
}

} // namespace
