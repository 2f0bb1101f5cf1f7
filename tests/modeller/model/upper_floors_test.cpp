// A slab on ground stands on the earth, so no floor default above level 1 holds one, nor a floor that
// is copied or read for a zone above level 1: wherever a level-1 slab is copied up, moved up with its
// level's defaults or read from a file for an upper level, it becomes the suspended concrete slab with
// outside air under it, keeping its insulation, covering, added R and height.  Level 1 keeps its slab.
#include "modeller/model/defaults_changes.h"
#include "modeller/model/defaults_file.h"
#include "modeller/model/house_file.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/level_insertion.h"
#include "modeller/model/zone_removal.h"

#include "geometry_fixture.h"

#include "model_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace pelmora;

constexpr std::int32_t kSlabOnGround = 1;      // record of ExtFloormaterial
constexpr std::int32_t kSuspendedConcrete = 4; // record of ExtFloormaterial
constexpr std::int32_t kEnclosed = 2;          // FloorVentilation
constexpr std::int32_t kVeryOpen = 0;

// What a floor is made of, whether it is a level default or a zone's external floor.
struct Floor {
    std::int32_t material = 0;
    std::int32_t ventilation = 0;
    std::int32_t insulation = 0;
    std::int32_t covering = 0;
    double addedR = 0.0;           // m2K/W
    double underFloorHeight = 0.0; // mm
};

Floor floorOf(const TLevelDefaultRec& d) {
    return {d.DefFloorMaterial, d.DefFloorVentilation, d.DefFloorInsulation,
            d.DefFloorCovering, d.DefFloorAddedR,      d.DefUnderFloorHeight};
}

Floor floorOf(const TExtFloorRec& f) {
    return {f.Material, f.FloorVentilation, f.Insulation, f.FloorCovering, f.AddedR, f.UnderFloorHeight};
}

// The slab of level 1 below, as a default and as the floor of the zone on level 1: enclosed, with an
// insulation, a covering, an added R and a height of its own.
constexpr Floor kLevelOneSlab{kSlabOnGround, kEnclosed, 3, 5, 1.7, 450.0};

void setFloor(TLevelDefaultRec& d, const Floor& f) {
    d.DefFloorMaterial = f.material;
    d.DefFloorVentilation = f.ventilation;
    d.DefFloorInsulation = f.insulation;
    d.DefFloorCovering = f.covering;
    d.DefFloorAddedR = f.addedR;
    d.DefUnderFloorHeight = f.underFloorHeight;
}

void setFloor(TExtFloorRec& e, const Floor& f) {
    e.Material = f.material;
    e.FloorVentilation = f.ventilation;
    e.Insulation = f.insulation;
    e.FloorCovering = f.covering;
    e.AddedR = f.addedR;
    e.UnderFloorHeight = f.underFloorHeight;
}

// A two-level house: the factory defaults on every level but level 1's slab as above; zone 1 on level
// 1 stands on that slab, zone 2 on level 2 has a suspended timber floor of its own.
std::unique_ptr<HouseModel> twoLevelHouse() {
    auto m = std::make_unique<HouseModel>();
    m->ProjectName = "Upper";
    m->RunNumber = 1;
    m->ClimateFileName = "climat20.TXT";
    m->Latitude = -27.56;
    m->Longitude = 151.95;
    m->LevelCount = 2;
    m->CurrentLevel = 1;
    for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(*m, level);
    setFloor(m->LevelDefaults(1), kLevelOneSlab);
    m->ZoneCount = 2;
    for (int z = 1; z <= 2; ++z) {
        m->Zones(z).Level = z;
        m->Zones(z).Name = "Zone " + std::to_string(z);
        m->ZoneExtFloors(z).SharedZones(1) = z;
    }
    setFloor(m->ZoneExtFloors(1), kLevelOneSlab);
    setFloor(m->ZoneExtFloors(2), {2, kVeryOpen, 1, 2, 0.0, 600.0});
    return m;
}

// No default of a level above 1 (unless the case put one there itself) and no floor of a zone above
// level 1 (unless the zone was moved up, keeping its record) is a slab on ground.
void expectNoSlabAboveLevelOne(const HouseModel& m, bool defaultsToo, bool zonesToo) {
    for (int level = 2; level <= kMaxLevels && defaultsToo; ++level)
        EXPECT_NE(m.LevelDefaults(level).DefFloorMaterial, kSlabOnGround) << "default of level " << level;
    for (int z = 1; z <= m.ZoneCount && zonesToo; ++z) {
        if (m.Zones(z).Level <= 1) continue;
        EXPECT_NE(m.ZoneExtFloors(z).Material, kSlabOnGround) << "floor of zone " << z;
    }
}

// The level-1 slab as it lands above level 1: the suspended concrete slab over outside air, with the
// slab's own insulation, covering, added R and height.
void expectSuspendedSlab(const Floor& f) {
    EXPECT_EQ(f.material, kSuspendedConcrete);
    EXPECT_EQ(f.ventilation, kVeryOpen);
    EXPECT_EQ(f.insulation, kLevelOneSlab.insulation);
    EXPECT_EQ(f.covering, kLevelOneSlab.covering);
    EXPECT_EQ(f.addedR, kLevelOneSlab.addedR);
    EXPECT_EQ(f.underFloorHeight, kLevelOneSlab.underFloorHeight);
}

TEST(UpperFloors, ASlabOfLevelOneNeverLandsAboveIt) {
    struct Case {
        const char* route;
        // Takes the house along the route and returns the upper floor (default or element) that the
        // level-1 slab reached.
        std::function<Floor(HouseModel&)> take;
        // Where level 1's slab stays a slab afterwards.
        std::function<Floor(const HouseModel&)> levelOne;
        // False where the case itself gives level 2 a slab default to start from.
        bool defaultsChecked = true;
        // False where the zone on the slab is moved up with its level and keeps its record.
        bool zonesChecked = true;
    };
    const auto levelOneDefault = [](const HouseModel& m) { return floorOf(m.LevelDefaults(1)); };
    const Case cases[] = {
        {"\"Change defaults of all levels\" from level 1 with the floor ticked",
         [](HouseModel& m) {
             DefaultKindSet kinds{};
             kinds[static_cast<std::size_t>(DefaultKind::ExtFloor) - 1] = true;
             CopyDefaultsToAllLevels(m, kinds);
             for (int level = 3; level <= kMaxLevels; ++level)
                 EXPECT_EQ(floorOf(m.LevelDefaults(level)).material, kSuspendedConcrete) << level;
             return floorOf(m.LevelDefaults(2));
         },
         levelOneDefault},
        {"a level added below level 1 moves level 1's defaults up",
         [](HouseModel& m) {
             AddLevelBelow(m);
             return floorOf(m.LevelDefaults(2));
         },
         levelOneDefault, true, false},
        {"the copy of level 1's defaults to level 2",
         [](HouseModel& m) {
             ChangeDefaults(m, 2, 1);
             return floorOf(m.LevelDefaults(2));
         },
         levelOneDefault},
        {"the editor's level-1 slab set as the default of every level's floors",
         [](HouseModel& m) {
             ShownDefaults shown;
             shown.values = m.LevelDefaults(1);
             ChangeElementsToDefault(m, DefaultKind::ExtFloor, shown, {0, 0, 1});
             return floorOf(m.ZoneExtFloors(2));
         },
         [](const HouseModel& m) { return floorOf(m.ZoneExtFloors(1)); }},
        {"the floors of level 2 set to a level-2 default that holds the slab",
         [](HouseModel& m) {
             setFloor(m.LevelDefaults(2), kLevelOneSlab);
             m.CurrentLevel = 2;
             DefaultKindSet kinds{};
             kinds[static_cast<std::size_t>(DefaultKind::ExtFloor) - 1] = true;
             ChangeLevelElementsToDefaults(m, kinds);
             return floorOf(m.ZoneExtFloors(2));
         },
         [](const HouseModel& m) { return floorOf(m.ZoneExtFloors(1)); }, false},
        {"a zone drawn on level 2 whose default holds the slab",
         [](HouseModel& m) {
             setFloor(m.LevelDefaults(2), kLevelOneSlab);
             m.CurrentLevel = 2;
             AllocateZoneProperties(m, 2);
             return floorOf(m.ZoneExtFloors(2));
         },
         [](const HouseModel& m) { return floorOf(m.ZoneExtFloors(1)); }, false},
        {"a house file holding the slab for level 2's default and zone",
         [](HouseModel& m) {
             setFloor(m.LevelDefaults(2), kLevelOneSlab);
             setFloor(m.ZoneExtFloors(2), kLevelOneSlab);
             model_test::TempFolder folder;
             WriteHouseFile(m, folder.path() / "Upper_1.VOR");
             HouseModel read;
             ReadHouseFile(read, folder.path() / "Upper_1.VOR");
             EXPECT_EQ(read.ZoneCount, 2);
             expectSuspendedSlab(floorOf(read.LevelDefaults(2)));
             m = read;
             return floorOf(m.ZoneExtFloors(2));
         },
         levelOneDefault},
        {"a defaults file holding the slab for levels 2 to 6",
         [](HouseModel& m) {
             for (int level = 2; level <= kMaxLevels; ++level)
                 setFloor(m.LevelDefaults(level), kLevelOneSlab);
             model_test::TempFolder folder;
             WriteDefaultsFile(m, folder.path() / "Default1.DEF");
             for (int level = 1; level <= kMaxLevels; ++level) SetDefaultDefaults(m, level);
             ReadDefaultsFile(m, folder.path() / "Default1.DEF");
             return floorOf(m.LevelDefaults(6));
         },
         levelOneDefault},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.route);
        auto model = twoLevelHouse();
        const Floor upper = c.take(*model);
        expectSuspendedSlab(upper);
        expectNoSlabAboveLevelOne(*model, c.defaultsChecked, c.zonesChecked);
        const Floor levelOne = c.levelOne(*model);
        EXPECT_EQ(levelOne.material, kSlabOnGround) << "level 1 keeps its slab";
        EXPECT_EQ(levelOne.ventilation, kEnclosed);
    }
}

// A zone moved up by a level added below it keeps its slab on record.  Over the empty new level it still
// stands on the ground (the pass removes an empty level before a run); once a zone is drawn under it,
// it is simulated, reported and shown as the suspended slab over outside air; with that level gone
// again it is back on its slab.
TEST(UpperFloors, AZoneMovedUpKeepsItsSlabOnRecordAndIsTakenAsTheSuspendedSlabOverAZone) {
    auto model = twoLevelHouse();
    AddLevelBelow(*model);
    ASSERT_EQ(model->Zones(1).Level, 2);
    EXPECT_EQ(floorOf(model->ZoneExtFloors(1)).material, kSlabOnGround);
    EXPECT_EQ(StandingLevel(*model, 1), 1);
    EXPECT_EQ(floorOf(FloorAsSimulated(*model, 1)).material, kSlabOnGround);

    const int below = model->AddZone().index;
    model->Zones(below).Level = 1;
    model->ZoneExtFloors(below).SharedZones(1) = below;
    EXPECT_EQ(StandingLevel(*model, 1), 2);
    expectSuspendedSlab(floorOf(FloorAsSimulated(*model, 1)));

    geometry_test::RecordingView view;
    DeleteLevel(*model, view, 1);
    ASSERT_EQ(model->Zones(1).Level, 1);
    EXPECT_EQ(floorOf(FloorAsSimulated(*model, 1)).material, kSlabOnGround);
    EXPECT_EQ(floorOf(FloorAsSimulated(*model, 1)).ventilation, kEnclosed);
}

// A house saved with an empty level under its zones (a level added below and not drawn on yet) is read
// with the zones on their slab: the empty level goes before a run and they stand on the ground again.
TEST(UpperFloors, AHouseFileWithAnEmptyLevelOneKeepsTheSlabOfTheZonesOverIt) {
    auto model = twoLevelHouse();
    AddLevelBelow(*model);
    model_test::TempFolder folder;
    WriteHouseFile(*model, folder.path() / "Upper_1.VOR");
    HouseModel read;
    ReadHouseFile(read, folder.path() / "Upper_1.VOR");
    ASSERT_EQ(read.Zones(1).Level, 2);
    EXPECT_EQ(floorOf(read.ZoneExtFloors(1)).material, kSlabOnGround);
    EXPECT_EQ(floorOf(read.ZoneExtFloors(1)).ventilation, kEnclosed);
    EXPECT_EQ(floorOf(read.ZoneExtFloors(2)).material, 2) << "the zone over it keeps its timber floor";
}

// A suspended floor above level 1 keeps its own construction wherever it goes: only the slab on
// ground is changed.
TEST(UpperFloors, OtherFloorsMovedUpKeepTheirConstruction) {
    auto model = twoLevelHouse();
    setFloor(model->LevelDefaults(1), {3, kEnclosed, 2, 1, 0.5, 300.0});
    setFloor(model->ZoneExtFloors(1), {3, kEnclosed, 2, 1, 0.5, 300.0});
    AddLevelBelow(*model);
    EXPECT_EQ(floorOf(model->LevelDefaults(2)).material, 3);
    EXPECT_EQ(floorOf(model->LevelDefaults(2)).ventilation, kEnclosed);
    EXPECT_EQ(floorOf(FloorAsSimulated(*model, 1)).material, 3);
    EXPECT_EQ(floorOf(model->LevelDefaults(1)).material, kSlabOnGround) << "the new level 1 is factory";
}

} // namespace
