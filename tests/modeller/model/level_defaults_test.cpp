#include "modeller/model/building_physics.h"
#include "modeller/model/level_defaults.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::HasSubstr;

using pelmora::HouseModel;
using pelmora::kMaxLevels;

// Wall material tables with the given D1 thicknesses (mm), in record order.
void writeWallTables(const std::filesystem::path& db, const std::vector<int>& ext,
                     const std::vector<int>& part) {
    std::string sql = "DROP TABLE IF EXISTS Wallmaterial; DROP TABLE IF EXISTS IntWallmaterial;"
                      "CREATE TABLE Wallmaterial (\"Material Number\" INTEGER, \"D1\" INTEGER);"
                      "CREATE TABLE IntWallmaterial (\"Material Number\" INTEGER, \"D1\" INTEGER);";
    for (std::size_t i = 0; i < ext.size(); ++i)
        sql += "INSERT INTO Wallmaterial VALUES (" + std::to_string(90 - i) + "," + std::to_string(ext[i]) +
               ");";
    for (std::size_t i = 0; i < part.size(); ++i)
        sql += "INSERT INTO IntWallmaterial VALUES (" + std::to_string(i + 1) + "," +
               std::to_string(part[i]) + ");";
    model_test::runSql(db, sql);
}

struct Defaults : ::testing::Test {
    model_test::TempFolder root;
    std::unique_ptr<HouseModel> model = model_test::modelIn(root.path());
    pelmora::MaterialDatabase database;
    pelmora::MaterialTables tables{database};
    std::filesystem::path db = root.path() / "Data" / "tables.db";
    void SetUp() override {
        std::filesystem::create_directories(root.path() / "Data");
        database.SetAlias(pelmora::MaterialDatabase::kAlias, root.path() / "Data");
    }
};

TEST_F(Defaults, StartUpGivesEveryLevelTheFactoryValuesAndTheTableThicknesses) {
    writeWallTables(db, {110, 90, 270}, {75, 100});
    model->NorthAngle = 1.0;
    pelmora::SetDefaultValues(*model, tables);
    EXPECT_EQ(model->NorthAngle, 0.0);
    EXPECT_EQ(model->DefaultShieldingFactor, 0.57);
    EXPECT_EQ(model->DefaultObstructionShading(12), 100);
    EXPECT_EQ(model->NewZoneOptions.DefFanDiameter, 1200.0);
    EXPECT_EQ(model->NewZoneOptions.DefStairLength, 2400.0);
    EXPECT_EQ(model->NewZoneOptions.DefStairWidth, 1200.0);
    for (int level = 1; level <= kMaxLevels; ++level) {
        const auto& d = model->LevelDefaults(level);
        EXPECT_EQ(d.DefExtColour, 10658466);
        EXPECT_EQ(d.DefPartMaterial, 2);
        EXPECT_EQ(d.DefCeilingAddedR, 2.5);
        EXPECT_EQ(d.DefWinCode, "GGG-05-001a");
        EXPECT_EQ(d.DefSkyCode, "GEN-04-001a");
        EXPECT_EQ(d.DefShaftReflectance, 50);
        EXPECT_EQ(d.DefWinMonthlyShading(1), 100);
        // A table of 3 records fills entries 1..3; the rest stay 0.
        EXPECT_EQ(model->ExtThicknessByMaterial(level, 3), 270.0);
        EXPECT_EQ(model->ExtThicknessByMaterial(level, 4), 0.0);
        EXPECT_EQ(model->PartThicknessByMaterial(level, 2), 100.0);
    }
    EXPECT_FALSE(database.Connected()); // the tables are closed again
}

// A slab on ground stands on the earth.  Level 1's factory floor is the slab; every level above
// starts from a floor that can have outside air under it, the suspended concrete slab with a very open
// space below, so a zone that overhangs the level below never starts on a slab.  The rows are read
// from the shipped floor table.
TEST_F(Defaults, OnlyLevelOneStartsFromASlabOnGround) {
    pelmora::MaterialDatabase shipped;
    shipped.SetAlias(pelmora::MaterialDatabase::kAlias, std::filesystem::path(PROGRAM_FOLDER) / "Data");
    pelmora::MaterialTables shippedTables{shipped};
    pelmora::MaterialTable& floors = shippedTables.ExtFloorForm.materialstable;
    floors.Open();
    for (int level = 1; level <= kMaxLevels; ++level) {
        pelmora::SetDefaultDefaults(*model, level);
        const auto& d = model->LevelDefaults(level);
        floors.SetRecNo(d.DefFloorMaterial);
        const std::string floor = floors.FieldAsString("Material Description");
        if (level == 1) {
            EXPECT_EQ(floor, "Concrete Slab on Ground");
            EXPECT_EQ(d.DefFloorVentilation, 2); // Enclosed
            continue;
        }
        EXPECT_EQ(floor, "Suspended Concrete Slab") << "level " << level;
        EXPECT_TRUE(floors.FieldAsBoolean("UF")) << "level " << level;  // a space under it
        EXPECT_FALSE(floors.FieldAsBoolean("UB")) << "level " << level; // not over a neighbour
        EXPECT_EQ(d.DefFloorVentilation, 0) << "level " << level;       // Very Open: outside air
    }
    floors.Close();
}

// A wall that takes its thickness from the level's table is simulated as its row shows it: the card
// writer gives the wall's stored thickness to the layer the user sets, which for the steel-faced
// sandwich panel is its 75 mm core, not the 1 mm face.
TEST_F(Defaults, EachShippedWallRowGivesTheThicknessOfTheLayerThatTakesIt) {
    pelmora::MaterialDatabase shipped;
    shipped.SetAlias(pelmora::MaterialDatabase::kAlias, std::filesystem::path(PROGRAM_FOLDER) / "Data");
    pelmora::MaterialTables shippedTables{shipped};
    pelmora::FillThicknessByMaterial(*model, shippedTables);
    for (pelmora::MaterialTable* table :
         {&shippedTables.ExtWallForm.materialstable, &shippedTables.IntWallForm.materialstable}) {
        table->Open();
        for (int r = 1; r <= table->RecordCount(); ++r) {
            table->SetRecNo(r);
            const long long ti = table->FieldAsInteger("TI");
            const double expected =
                static_cast<double>(table->FieldAsInteger(ti == 2 || ti == 4 ? "D2" : "D1"));
            const double stored = table == &shippedTables.ExtWallForm.materialstable
                                      ? model->ExtThicknessByMaterial(2, r)
                                      : model->PartThicknessByMaterial(2, r);
            EXPECT_EQ(stored, expected) << table->FieldAsString("Material Description");
        }
        table->Close();
    }
    shippedTables.ExtWallForm.materialstable.Open();
    shippedTables.ExtWallForm.materialstable.SetRecNo(11);
    ASSERT_EQ(shippedTables.ExtWallForm.materialstable.FieldAsString("Material Description"),
              "Insulated Sandwich Panel, Steel Faced");
    shippedTables.ExtWallForm.materialstable.Close();
    EXPECT_EQ(model->ExtThicknessByMaterial(1, 11), 75.0);
}

// The factory skylight is a generic skylight: its code "GEN-04-001a" names skylight type row 1 in
// frame row 2 (timber), so the rows that the skylight editor shows are those rows.
TEST_F(Defaults, TheFactorySkylightRowsAreThoseOfItsCode) {
    for (int level = 1; level <= kMaxLevels; ++level) {
        pelmora::SetDefaultDefaults(*model, level);
        const auto& d = model->LevelDefaults(level);
        EXPECT_EQ(d.DefSkyCode, "GEN-04-001a");
        EXPECT_EQ(d.DefSkyProduct, 1);
        EXPECT_EQ(d.DefSkyFrame, 2) << "level " << level;
    }
}

TEST_F(Defaults, AMissingTableStillLeavesTheOtherStartUpValuesSet) {
    model->NorthAngle = 1.0;
    EXPECT_THROW(pelmora::SetDefaultValues(*model, tables), pelmora::ModelError);
    EXPECT_EQ(model->NorthAngle, 0.0);
    EXPECT_EQ(model->LevelDefaults(6).DefDoorWidth, 750.0);
}

TEST_F(Defaults, ATableWithMoreRecordsThanTheListsHoldIsRefusedWhole) {
    writeWallTables(db, {110}, {75});
    pelmora::FillThicknessByMaterial(*model, tables);
    writeWallTables(db, std::vector<int>(51, 200), {90});
    EXPECT_THAT(model_test::modelErrorOf([&] { pelmora::FillThicknessByMaterial(*model, tables); }),
                HasSubstr("Wallmaterial has 51 records"));
    EXPECT_EQ(model->ExtThicknessByMaterial(1, 1), 110.0);
    EXPECT_EQ(model->PartThicknessByMaterial(1, 1), 75.0);
}

TEST_F(Defaults, FactoryValuesLeaveTheSkylightOrientationAndVerticalShades) {
    auto& d = model->LevelDefaults(2);
    d.DefSkyOrientation = 5;
    d.DefVertShadeLeftWidth = 0.4;
    d.DefFloorReflective = 1;
    pelmora::SetDefaultDefaults(*model, 2);
    EXPECT_EQ(d.DefSkyOrientation, 5);
    EXPECT_EQ(d.DefVertShadeLeftWidth, 0.4);
    EXPECT_EQ(d.DefFloorReflective, 0);
}

// Gives each level its own defaults: level L uses material records L and L + 1, colours and sizes
// that differ by level.
void distinctDefaults(HouseModel& model) {
    for (int level = 1; level <= kMaxLevels; ++level) {
        pelmora::SetDefaultDefaults(model, level);
        auto& d = model.LevelDefaults(level);
        d.DefExtMaterial = level;
        d.DefPartMaterial = level + 1;
        d.DefExtColour = 0x00FFFFFF * (level % 2); // white on odd levels, black on even ones
        d.DefRoofColour = level % 2 ? 0 : 0x00FFFFFF;
        d.DefExtHeight = 2400.0 + 100 * level;
        d.DefUnderFloorHeight = 500.0 + level;
        d.DefCeilingRoofSpace = level % 5;
        d.DefFloorCover = 10 + level;
        d.DefFloorReflective = level % 2;
        for (int r = 1; r <= 50; ++r) {
            model.ExtThicknessByMaterial(level, r) = 100.0 * level + r;
            model.PartThicknessByMaterial(level, r) = 10.0 * level + r;
        }
    }
}

TEST_F(Defaults, ANewZoneOnEachLevelTakesThatLevelsDefaults) {
    distinctDefaults(*model);
    for (int level = 1; level <= kMaxLevels; ++level) {
        SCOPED_TRACE(level);
        const int zone = level;
        auto& z = model->Zones(zone);
        // The slot still holds an earlier zone's elements and stair mirrors.
        z.NodeCount = 4;
        z.IntWallCount = 3;
        z.SkylightCount = 2;
        z.StairDownCount = 1;
        z.StairUpCount = 2;
        model->Walls(zone, 3).WindowCount = 4;
        model->Walls(zone, 0).DoorCount = 1;
        model->ZoneCeilings(zone).SharedZones(7) = 9;
        model->CurrentLevel = level;
        pelmora::AllocateZoneProperties(*model, zone);

        EXPECT_EQ(z.IntWallCount + z.SkylightCount + z.StairDownCount + z.StairUpCount, 0);
        for (int w = 0; w < 4; ++w) {
            const auto& wall = model->Walls(zone, w);
            EXPECT_EQ(wall.ExtMaterial, level);
            EXPECT_EQ(wall.PartMaterial, level + 1);
            EXPECT_EQ(wall.WindowCount + wall.DoorCount, 0);
            EXPECT_DOUBLE_EQ(wall.ExtHeight, 2.4 + 0.1 * level); // metres
            // The thickness comes from the level's list, not from the table.
            EXPECT_EQ(wall.ExtThickness, 100.0 * level + level);
            EXPECT_EQ(wall.PartThickness, 10.0 * level + level + 1);
            EXPECT_DOUBLE_EQ(wall.Absorptance, level % 2 ? 0.2304 : 0.96);
        }
        EXPECT_DOUBLE_EQ(model->ZoneRoofs(zone).Absorptance, level % 2 ? 0.96 : 0.2304);
        EXPECT_EQ(model->ZoneRoofs(zone).Slope, 22.0);
        EXPECT_EQ(model->ZoneCeilings(zone).RoofSpace, level % 5);
        EXPECT_EQ(model->ZoneExtFloors(zone).UnderFloorHeight, 500.0 + level); // millimetres as they are
        EXPECT_EQ(model->ZoneExtFloors(zone).FloorReflective, level % 2);
        EXPECT_EQ(model->ZoneFloorCovers(zone).FloorCovering, 10 + level);
        for (const auto* list :
             {&model->ZoneCeilings(zone).SharedZones, &model->ZoneExtFloors(zone).SharedZones}) {
            EXPECT_EQ((*list)(1), zone);
            for (int k = 2; k <= pelmora::kSharedZoneSlots; ++k) EXPECT_EQ((*list)(k), 0);
        }
    }
}

TEST_F(Defaults, AMaterialRecordWithoutAListEntryGetsNoThickness) {
    distinctDefaults(*model);
    model->LevelDefaults(1).DefExtMaterial = 51;
    model->CurrentLevel = 1;
    model->Zones(1).NodeCount = 3;
    pelmora::AllocateZoneProperties(*model, 1);
    EXPECT_EQ(model->Walls(1, 0).ExtThickness, 0.0);
    model->CurrentLevel = 0;
    EXPECT_THROW(pelmora::AllocateZoneProperties(*model, 1), pelmora::ModelError);
}

TEST_F(Defaults, CopyingALevelCopiesTheStoredValuesOnly) {
    distinctDefaults(*model);
    auto& source = model->LevelDefaults(3);
    source.DefWinCode = "ABC-01-001a";
    source.DefVented = true;
    source.DefSkyOrientation = 6;
    model->LevelDefaults(5).DefSkyOrientation = 2;
    pelmora::ChangeDefaults(*model, 5, 3);
    const auto& copy = model->LevelDefaults(5);
    EXPECT_EQ(copy.DefWinCode, "ABC-01-001a");
    EXPECT_TRUE(copy.DefVented);
    EXPECT_EQ(copy.DefExtMaterial, 3);
    EXPECT_EQ(copy.DefSkyOrientation, 2);  // kept only in memory: not copied
    EXPECT_EQ(copy.DefFloorReflective, 1); // level 5's own
    EXPECT_EQ(pelmora::storedLevelDefaultFields().size(), 73u);
    EXPECT_EQ(pelmora::storedNewZoneOptionFields().size(), 12u);
}

} // namespace
