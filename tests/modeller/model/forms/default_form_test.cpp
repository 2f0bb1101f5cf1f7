// The level defaults dialog: defaults mode while it is open, the tick boxes and the two change
// buttons, and defaults files saved, opened again, cancelled and refused whole when damaged.
#include "modeller/model/forms/default_form.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_tables.h"

#include "forms_fixture.h"
#include "model_fixture.h"

#include <QTest>

#include <gmock/gmock.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace pelmora;
using forms_test::HouseTest;
using ::testing::HasSubstr;

std::vector<std::string> lines(const std::filesystem::path& file) {
    std::vector<std::string> out;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(line);
    }
    return out;
}

class DefaultFormTest : public HouseTest {
  protected:
    DefaultFormTest() {
        std::filesystem::create_directories(root / "default");
        // Every table the defaults name, with four records each: the factory floor of the upper
        // levels is the fourth floor record.
        std::string sql;
        for (const char* table :
             {"Wallmaterial",     "WallInsulation",    "IntWallmaterial",    "InWallInsulation",
              "DoorMaterial",     "ExtFloormaterial",  "ExtFloorInsulation", "FloorCovering",
              "IntFloorMaterial", "IntCeilInsulation", "Ceilingmaterial",    "CeilingInsulation",
              "Roofmaterial",     "RoofInsulation",    "Windowglass",        "Windowframe",
              "Windowstyle",      "Windowfurnishing",  "Windowshading",      "Skylight",
              "SkyFrame"})
            sql += std::string("CREATE TABLE ") + table + " (\"Material Number\" INTEGER);INSERT INTO " +
                   table + " VALUES (1),(2),(3),(4);";
        model_test::runSql(root / "Data" / std::string(MaterialDatabase::kFileName), sql);
        database.SetAlias(MaterialDatabase::kAlias, root / "Data");
        for (int level = 1; level <= kMaxLevels; ++level) {
            SetDefaultDefaults(*model, level);
            model->LevelDefaults(level).DefDoorMaterial = 1 + level % 3;
        }
        model->CurrentLevel = 2;
    }

    MaterialDatabase database;
    MaterialTables tables{database};
    TDefaultForm form{*model, tables, services, statusBar};
};

TEST_F(DefaultFormTest, WhileOpenTheEditorsEditTheCurrentLevelsDefaults) {
    form.CheckBoxes[3]->setChecked(true);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Defaults for Level 2");
    EXPECT_TRUE(model->DefaultsMode);
    EXPECT_FALSE(form.CheckBoxes[3]->isChecked()) << "every showing clears the ticks";
    EXPECT_FALSE(form.SBRoof->isEnabled()) << "no roof editor was given";
    form.OKSB->click();
    EXPECT_FALSE(model->DefaultsMode);

    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(model->DefaultsMode) << "Escape closes as OK does";
}

TEST_F(DefaultFormTest, TheChangeButtonsWorkOnTheTickedKindsOnly) {
    form.show();
    form.AllButton->click();
    form.NoneButton->click();
    form.CheckBoxes[static_cast<std::size_t>(DefaultKind::Door) - 1]->setChecked(true);
    form.ChangeDefButton->click();
    for (int level = 1; level <= kMaxLevels; ++level)
        EXPECT_EQ(model->LevelDefaults(level).DefDoorMaterial, 3) << level; // level 2's: 1 + 2 % 3

    model->Zones(living).Level = 2;
    model->Zones(living).NodeCount = 1;
    model->Walls(living, 0).DoorCount = 1;
    model->WallDoors(living, 0, 1).Material = 1;
    model->WallDoors(living, 0, 1).Width = 0.9;
    int redraws = 0;
    form.RedrawPlan = [&] { ++redraws; };
    form.ChangeAllToDefButton->click();
    EXPECT_EQ(model->WallDoors(living, 0, 1).Material, 3);
    EXPECT_EQ(model->WallDoors(living, 0, 1).Width, 0.9);
    EXPECT_EQ(redraws, 1);
    form.OKSB->click();
}

TEST_F(DefaultFormTest, ADefaultsFileSavedAndOpenedAgainRestoresEveryLevel) {
    const auto file = root / "default" / "Default1.DEF";
    model->NewZoneOptions.DefCeilingFanCount = 2;
    files.chooseNext(QString::fromStdString(file.string()));
    form.SBsave->click();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, "Save Current Defaults");
    EXPECT_EQ(files.requests[0].fileName, "Default1.DEF");
    EXPECT_EQ(files.requests[0].folder.toStdString(), (root / "default").string());
    EXPECT_EQ(lines(file).size(), 450u);
    EXPECT_EQ(statusBar.panelText(0), "Saved as " + QString::fromStdString(file.string()));

    const auto saved = model->LevelDefaults;
    for (int level = 1; level <= kMaxLevels; ++level) model->LevelDefaults(level).DefRoofSlope = 45.0;
    model->NewZoneOptions.DefCeilingFanCount = 0;
    model->LevelDefaults(3).DefSkyOrientation = 5; // kept only in memory
    files.chooseNext(QString::fromStdString(file.string()));
    form.SBopenFile->click();
    EXPECT_EQ(files.requests[1].title, "Open Default File");
    EXPECT_TRUE(files.requests[1].mustExist);
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text.toStdString();
    for (int level = 1; level <= kMaxLevels; ++level)
        EXPECT_EQ(model->LevelDefaults(level).DefRoofSlope, saved(level).DefRoofSlope) << level;
    EXPECT_EQ(model->NewZoneOptions.DefCeilingFanCount, 2);
    EXPECT_EQ(model->LevelDefaults(3).DefSkyOrientation, 5);
    EXPECT_EQ(statusBar.panelText(0), "Opened Defaults " + QString::fromStdString(file.string()));

    // Cancelling either file dialog changes nothing and writes nothing to the status bar.
    statusBar.setPanelText(0, "before");
    files.chooseNext(std::nullopt);
    form.SBsave->click();
    files.chooseNext(std::nullopt);
    form.SBopenFile->click();
    EXPECT_EQ(statusBar.panelText(0), "before");
}

TEST_F(DefaultFormTest, ADamagedDefaultsFileIsReportedAndChangesNothing) {
    const auto file = root / "default" / "Damaged.DEF";
    WriteDefaultsFile(*model, file);
    auto text = lines(file);
    // Level 6's door material (line 12 + 5 x 73 + 48) names a record the door table does not hold.
    text[12 + 5 * 73 + 48 - 1] = "7";
    text[12 + 0 * 73 + 34 - 1] = "40"; // level 1's roof slope, read before the bad record
    {
        std::ofstream out(file, std::ios::binary);
        for (const auto& line : text) out << line << "\r\n";
    }
    const auto before = model->LevelDefaults;
    files.chooseNext(QString::fromStdString(file.string()));
    form.SBopenFile->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_THAT(messages.shown[0].text.toStdString(), HasSubstr(file.string()));
    EXPECT_THAT(messages.shown[0].text.toStdString(), HasSubstr("level 6, DefDoorMaterial = 7"));
    EXPECT_TRUE(model->LevelDefaults == before) << "no value of the file reached the model";
    EXPECT_TRUE(statusBar.panelText(0).isEmpty());
}

} // namespace
