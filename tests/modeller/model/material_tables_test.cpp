#include "modeller/model/material_catalogue.h"
#include "modeller/model/material_tables.h"

#include "model_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::HasSubstr;

using pelmora::MaterialDatabase;
using pelmora::MaterialTable;
using pelmora::ModelError;

// A wall material table whose rows were entered with their keys out of order: record n is the n-th
// row in stored order, whatever its "Material Number".
constexpr const char* kWallSql = R"sql(
CREATE TABLE Wallmaterial ("Material Number" INTEGER, "Material Description" TEXT, "Graphic" BLOB,
  "TI" INTEGER, "M1" INTEGER, "D1" INTEGER, "R1" REAL, "V1" INTEGER, "AS" INTEGER);
INSERT INTO Wallmaterial VALUES (7, 'Brick veneer', x'424D0102', 1, 12, 110, 1.2, 1, 1);
INSERT INTO Wallmaterial VALUES (2, 'Weatherboard', NULL, 0, 31, 19, 7.5, 0, 0);
INSERT INTO Wallmaterial VALUES (5, 'Cavity brick', NULL, 3, 12, 270, 0.8, 1, 1);
INSERT INTO Wallmaterial VALUES (1, 'Fibre cement', NULL, 0, 40, 9, NULL, 0, 0);
)sql";

struct TablesFixture : ::testing::Test {
    model_test::TempFolder root;
    MaterialDatabase database;
    void SetUp() override {
        std::filesystem::create_directories(root.path() / "Data");
        model_test::runSql(root.path() / "Data" / "tables.db", kWallSql);
        database.SetAlias(MaterialDatabase::kAlias, root.path() / "Data");
    }
};

TEST_F(TablesFixture, RecordNumbersFollowTheStoredOrderNotTheKeys) {
    MaterialTable table(database, "Wallmaterial");
    table.Open();
    EXPECT_EQ(table.RecordCount(), 4);
    EXPECT_EQ(table.RecNo(), 1);
    table.SetRecNo(3);
    EXPECT_EQ(table.FieldAsInteger("Material Number"), 5);
    EXPECT_EQ(table.FieldAsString("Material Description"), "Cavity brick");
    EXPECT_EQ(table.FieldAsInteger("D1"), 270);
    EXPECT_DOUBLE_EQ(table.FieldAsFloat("R1"), 0.8);
    EXPECT_TRUE(table.FieldAsBoolean("AS"));
    table.SetRecNo(2);
    EXPECT_EQ(table.FieldAsInteger("Material Number"), 2);
    EXPECT_FALSE(table.FieldAsBoolean("V1"));
}

TEST_F(TablesFixture, ReadsEveryKindOfField) {
    MaterialTable table(database, "Wallmaterial");
    table.Open();
    table.SetRecNo(1);
    EXPECT_EQ(table.FieldAsBytes("Graphic"), (std::vector<std::uint8_t>{0x42, 0x4D, 0x01, 0x02}));
    EXPECT_DOUBLE_EQ(table.FieldAsFloat("D1"), 110.0); // an integer read as a real
    EXPECT_EQ(table.FieldAsInteger("r1"), 1);          // field names match without regard to case
    table.SetRecNo(4);
    EXPECT_EQ(table.FieldAsFloat("R1"), 0.0); // an empty field reads as zero
    EXPECT_TRUE(table.FieldAsBytes("Graphic").empty());
    EXPECT_EQ(table.FieldNames().size(), 9u);
}

// A text goes into dialogs and, as a construction's name, onto a card of the engine's card file: a
// control character in it (a line end would split the card file) is damage to the table, refused.
TEST_F(TablesFixture, RefusesATextWithAControlCharacter) {
    model_test::runSql(
        root.path() / "Data" / "tables.db",
        "INSERT INTO Wallmaterial VALUES (8, 'Brick' || char(13, 10) || ' 2  9', NULL, 0, 1, 1, "
        "1.0, 0, 0);"
        "INSERT INTO Wallmaterial VALUES (9, 'Brick' || char(27) || '[2J', NULL, 0, 1, 1, 1.0, 0, "
        "0);");
    MaterialTable table(database, "Wallmaterial");
    table.Open();
    table.SetRecNo(5);
    EXPECT_THAT(model_test::modelErrorOf([&] { table.FieldAsString("Material Description"); }),
                HasSubstr("Table Wallmaterial: field Material Description of record 5 holds the control "
                          "character 13"));
    table.SetRecNo(6);
    EXPECT_THAT(model_test::modelErrorOf([&] { table.FieldAsString("Material Description"); }),
                HasSubstr("record 6 holds the control character 27"));
    EXPECT_EQ(table.FieldAsInteger("Material Number"), 9) << "the record's other fields are read";
}

TEST_F(TablesFixture, ReadsARecordFromTheDatabaseOnceWhileTheTableIsOpen) {
    MaterialTable table(database, "Wallmaterial");
    table.Open();
    table.SetRecNo(2);
    EXPECT_EQ(table.FieldAsString("Material Description"), "Weatherboard");
    // The rows change in the database behind the open table: the record already read keeps the values
    // it was read with, for every field; a record not read yet is read as the database now holds it.
    model_test::runSql(root.path() / "Data" / "tables.db",
                       "UPDATE Wallmaterial SET D1 = D1 + 1000, \"Material Description\" = 'Changed';");
    EXPECT_EQ(table.FieldAsInteger("D1"), 19);
    EXPECT_EQ(table.FieldAsString("Material Description"), "Weatherboard");
    table.SetRecNo(3);
    EXPECT_EQ(table.FieldAsInteger("D1"), 1270);
    table.SetRecNo(2);
    EXPECT_EQ(table.FieldAsInteger("D1"), 19);
    // Opened again, the table reads its rows anew.
    table.Close();
    table.Open();
    table.SetRecNo(2);
    EXPECT_EQ(table.FieldAsInteger("D1"), 1019);
    EXPECT_EQ(table.FieldAsString("Material Description"), "Changed");
}

TEST_F(TablesFixture, RefusesRecordsPastTheTableAndFieldsItDoesNotHave) {
    MaterialTable table(database, "Wallmaterial");
    EXPECT_NE(model_test::modelErrorOf([&] { table.RecordCount(); }).find("not open"), std::string::npos);
    table.Open();
    table.SetRecNo(2);
    const std::string pastEnd = model_test::modelErrorOf([&] { table.SetRecNo(5); });
    EXPECT_NE(pastEnd.find("Wallmaterial"), std::string::npos) << pastEnd;
    EXPECT_NE(pastEnd.find("record 5 does not exist; the table has 4 records"), std::string::npos) << pastEnd;
    EXPECT_NE(model_test::modelErrorOf([&] { table.SetRecNo(0); }), "no error");
    EXPECT_EQ(table.RecNo(), 2); // a refused move leaves the current record
    EXPECT_NE(model_test::modelErrorOf([&] { table.FieldAsInteger("M3"); }).find("there is no field M3"),
              std::string::npos);
    EXPECT_NE(model_test::modelErrorOf([&] {
                  table.FieldAsInteger("Material Description");
              }).find("not an integer"),
              std::string::npos);
    table.SetRecNo(1);
    EXPECT_NE(model_test::modelErrorOf([&] { table.FieldAsString("Graphic"); }).find("a picture"),
              std::string::npos);
}

TEST_F(TablesFixture, ReportsAMissingDatabaseOrTable) {
    MaterialTable missing(database, "Roofmaterial");
    EXPECT_NE(model_test::modelErrorOf([&] { missing.Open(); }).find("Table Roofmaterial"),
              std::string::npos);
    EXPECT_FALSE(missing.Active());
    EXPECT_FALSE(database.Connected());

    MaterialDatabase elsewhere;
    elsewhere.SetAlias(MaterialDatabase::kAlias, root.path() / "NoData");
    MaterialTable table(elsewhere, "Wallmaterial");
    const std::string error = model_test::modelErrorOf([&] { table.Open(); });
    EXPECT_NE(error.find("tables.db"), std::string::npos) << error;
    EXPECT_NE(error.find("ZURO41"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(root.path() / "NoData")); // nothing is created in its place
}

TEST_F(TablesFixture, TheDatabaseStaysConnectedWhileATableIsOpen) {
    MaterialTable a(database, "Wallmaterial");
    MaterialTable b(database, "Wallmaterial");
    a.Open();
    a.Open(); // opening an open table does nothing
    b.Open();
    a.Close();
    EXPECT_TRUE(database.Connected());
    b.SetRecNo(4);
    EXPECT_EQ(b.FieldAsString("Material Description"), "Fibre cement");
    b.Close();
    EXPECT_FALSE(database.Connected());
}

TEST_F(TablesFixture, OpeningTheCatalogueClosesWhatItOpenedWhenATableIsMissing) {
    pelmora::MaterialTables tables(database);
    EXPECT_NE(model_test::modelErrorOf([&] { pelmora::OpenMaterialTables(tables); }).find("WallInsulation"),
              std::string::npos);
    EXPECT_FALSE(tables.ExtWallForm.materialstable.Active());
    EXPECT_FALSE(database.Connected());
}

TEST_F(TablesFixture, OpensAndClosesTheWholeCatalogue) {
    std::string sql;
    for (std::string_view name :
         {"WallInsulation",    "IntWallmaterial",    "InWallInsulation",  "DoorMaterial",
          "ExtFloormaterial",  "ExtFloorInsulation", "FloorCovering",     "IntFloorMaterial",
          "IntCeilInsulation", "Ceilingmaterial",    "CeilingInsulation", "Roofmaterial",
          "RoofInsulation",    "Windowglass",        "Windowframe",       "Windowstyle",
          "Windowfurnishing",  "Windowshading",      "Skylight",          "SkyFrame"}) {
        sql += "CREATE TABLE " + std::string(name) + " (\"Material Number\" INTEGER);";
        sql += "INSERT INTO " + std::string(name) + " VALUES (1);";
    }
    model_test::runSql(root.path() / "Data" / "tables.db", sql);
    pelmora::MaterialTables tables(database);
    pelmora::OpenMaterialTables(tables);
    EXPECT_TRUE(tables.DoorForm.DoorTable.Active());
    EXPECT_TRUE(tables.FloorCoverForm.FloorCoverTable.Active());
    // The glazing editor's glass and frame tables are read through the skylight editor's.
    EXPECT_FALSE(tables.GlazingForm.glasstable.Active());
    EXPECT_TRUE(tables.SkylightForm.glasstable.Active());
    tables.SkylightForm.glasstable.SetRecNo(1);
    pelmora::CloseMaterialTables(tables);
    EXPECT_FALSE(tables.DoorForm.DoorTable.Active());
    EXPECT_FALSE(database.Connected());
}

} // namespace
