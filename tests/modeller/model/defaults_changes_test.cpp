// The level defaults dialog's changes: the defaults of ticked kinds copied to every level, the
// elements of ticked kinds on the current level set to the defaults, and the check of a defaults
// file's values.
#include "modeller/model/defaults_changes.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

} // namespace
