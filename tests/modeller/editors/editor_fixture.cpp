#include "editor_fixture.h"

#include "common/text_values.h"
#include "modeller/model/house_file.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/wall_values.h"

namespace editor_test {

namespace fs = std::filesystem;
using namespace pelmora;

namespace {

int Px(double metres) {
    return static_cast<int>(std::lround(metres * 20.0));
}

} // namespace

void EditorTest::SetUp() {
    folder_ = std::make_unique<model_test::TempFolder>();
    root_ = folder_->path();
    fs::create_directories(root_ / "Data");
    fs::copy_file(fs::path(PROGRAM_FOLDER) / "Data/tables.db", root_ / "Data/tables.db");
    model_ = std::make_unique<HouseModel>();
    model_->RootDir = root_.string();
    model_->Magnification = 1.0;
    database_ = std::make_unique<MaterialDatabase>();
    database_->SetAlias(MaterialDatabase::kAlias, root_ / "Data");
    tables_ = std::make_unique<MaterialTables>(*database_);
    SetDefaultValues(*model_, *tables_);
    model_->LevelCount = 1;
    model_->CurrentLevel = 1;
    model_->ProjectName = "Editors";
    model_->ClimateFileName = "climat05.TXT";
    model_->ClimateZone = 5;
    selection_ = std::make_unique<PlanSelection>();
    context_ = std::make_unique<EditorContext>(*model_, *tables_, buffers_, *selection_, messages_);
    context_->main.InsertDoorDown = [this] { return insertDoor_; };
    context_->main.InsertWindowDown = [] { return false; };
    context_->main.ClearStatus = [this] { ++statusClears_; };
}

void EditorTest::TearDown() {
    context_.reset();
    tables_.reset();
    database_.reset();
    folder_.reset();
}

int EditorTest::AddBoxZone(double width, double depth, double x, double y, std::int32_t colour) {
    HouseModel& m = *model_;
    const AddResult added = m.AddZone();
    EXPECT_TRUE(added.added);
    const int z = added.index;
    TZoneRec& zone = m.Zones(z);
    zone = TZoneRec{};
    zone.Level = 1;
    zone.NodeCount = 4;
    zone.FloorArea = width * depth;
    zone.Colour = colour;
    zone.Name = "Zone" + std::to_string(z);
    const TPlanPoint corners[4] = {
        {Px(x), Px(y)}, {Px(x + width), Px(y)}, {Px(x + width), Px(y + depth)}, {Px(x), Px(y + depth)}};
    for (int w = 0; w < 4; ++w) {
        m.ZoneNodes(z, w) = corners[w];
        m.Walls(z, w).Start = corners[w];
    }
    AllocateZoneProperties(m, z);
    ComputeWalls();
    return z;
}

int EditorTest::AddAnticlockwiseBoxZone(double width, double depth, double x, double y) {
    const int z = AddBoxZone(width, depth, x, y);
    HouseModel& m = *model_;
    const TPlanPoint corners[4] = {
        {Px(x), Px(y)}, {Px(x), Px(y + depth)}, {Px(x + width), Px(y + depth)}, {Px(x + width), Px(y)}};
    for (int w = 0; w < 4; ++w) {
        m.ZoneNodes(z, w) = corners[w];
        m.Walls(z, w).Start = corners[w];
    }
    ComputeWalls();
    return z;
}

void EditorTest::ComputeWalls() {
    SilentPlanView view;
    CalculateWallValues(*model_, view, 1);
}

int EditorTest::AddWindow(int zone, int wall, double position, double width, double height,
                          double headHeight) {
    const AddResult added = model_->AddWindow(zone, wall);
    EXPECT_TRUE(added.added);
    TWindowRec& w = model_->WallWindows(zone, wall, added.index);
    w = TWindowRec{};
    w.Position = position;
    w.Width = width;
    w.Height = height;
    w.ElementArea = width * height;
    w.HeadHeight = headHeight;
    w.Glass = w.Frame = w.Style = w.Shading = w.Furnishing = 1;
    w.ProductCode = "GGG-05-001a";
    return added.index;
}

int EditorTest::AddDoor(int zone, int wall, double position, double width, double height, int material) {
    const AddResult added = model_->AddDoor(zone, wall);
    EXPECT_TRUE(added.added);
    TDoorRec& d = model_->WallDoors(zone, wall, added.index);
    d = TDoorRec{};
    d.Position = position;
    d.Width = width;
    d.Height = height;
    d.ElementArea = width * height;
    d.Material = material;
    return added.index;
}

void EditorTest::Sql(const std::string& sql) const {
    model_test::runSql(root_ / "Data/tables.db", sql);
}

std::vector<std::string> EditorTest::HouseFileLines() const {
    return common::splitLines(houseFileText(*model_));
}

std::vector<std::size_t> EditorTest::ChangedLines(const std::vector<std::string>& before,
                                                  const std::vector<std::string>& after) {
    EXPECT_EQ(before.size(), after.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i]) changed.push_back(i);
    return changed;
}

} // namespace editor_test
