#include "writer_fixture.h"

#include "modeller/model/level_defaults.h"
#include "modeller/model/product_libraries.h"

#include <sqlite3.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace writer_test {

namespace fs = std::filesystem;
using namespace pelmora;

namespace {

int counter = 0;

void CopyShipped(const fs::path& root, const std::string& relative) {
    const fs::path to = root / relative;
    fs::create_directories(to.parent_path());
    fs::copy_file(fs::path(PROGRAM_FOLDER) / relative, to, fs::copy_options::overwrite_existing);
}

int Px(double metres) {
    return static_cast<int>(std::lround(metres * 20.0));
}

} // namespace

void WriterTest::SetUp() {
    root_ = fs::temp_directory_path() / ("cw" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::remove_all(root_);
    fs::create_directories(root_);
    for (const char* file : {"Data/tables.db", "BESTFIT.DAT", "Data/WindowData/VORTwindows.txt",
                             "Data/WindowData/VORTskylights.txt"})
        CopyShipped(root_, file);
    model_ = std::make_unique<HouseModel>();
    model_->RootDir = root_.string();
    model_->Magnification = 1.0;
    database_ = std::make_unique<MaterialDatabase>();
    database_->SetAlias(MaterialDatabase::kAlias, root_ / "Data");
    tables_ = std::make_unique<MaterialTables>(*database_);
    SetDefaultValues(*model_, *tables_);
    model_->LevelCount = 1;
    model_->CurrentLevel = 1;
    ReadWindowLibrary(*model_);
    ReadSkylightLibrary(*model_);
    scratch_ = std::make_unique<Scratch>(*model_, *tables_, buffers_);
    scratch_->Today = [] { return std::string("10/12/2026"); };
}

void WriterTest::TearDown() {
    if (tablesOpen_) CloseMaterialTables(*tables_);
    scratch_.reset();
    tables_.reset();
    database_.reset();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void WriterTest::CopyFromProgramFolder(const std::string& relative) const {
    CopyShipped(root_, relative);
}

void WriterTest::SiteInAdelaide(const std::string& project, int run) {
    CopyFromProgramFolder("Data/Occupant/OCCUP16.DAT");
    HouseModel& m = *model_;
    m.ProjectName = project;
    m.RunNumber = run;
    m.ClimateFileName = "climat16.TXT";
    m.ClimateZone = 16;
    m.Latitude = -34.9;
    m.Longitude = 138.6;
    m.Postcode = 5000;
    m.ShieldingFactor = 0.57;
}

void WriterTest::OpenTables() {
    OpenMaterialTables(*tables_);
    tablesOpen_ = true;
}

int WriterTest::AddBoxZone(double width, double depth, double x, double y, int level) {
    HouseModel& m = *model_;
    const int previousLevel = m.CurrentLevel;
    m.CurrentLevel = level;
    const AddResult added = m.AddZone();
    EXPECT_TRUE(added.added);
    const int z = added.index;
    TZoneRec& zone = m.Zones(z);
    zone = TZoneRec{};
    zone.Level = level;
    zone.NodeCount = 4;
    zone.FloorArea = width * depth;
    zone.Name = "Zone" + std::to_string(z);
    const TPlanPoint corners[4] = {
        {Px(x), Px(y)}, {Px(x + width), Px(y)}, {Px(x + width), Px(y + depth)}, {Px(x), Px(y + depth)}};
    const double lengths[4] = {width, depth, width, depth};
    AllocateZoneProperties(m, z);
    for (int w = 0; w < 4; ++w) {
        m.ZoneNodes(z, w) = corners[w];
        TWallRec& wall = m.Walls(z, w);
        wall.Start = corners[w];
        wall.Length = lengths[w];
        wall.PlanAzimuth = 90.0 * w;
        wall.Azimuth = std::fmod(90.0 * w - m.NorthAngle * 180.0 / M_PI + 360.0, 360.0);
        wall.AdjZone = 0;
        wall.WindowCount = wall.DoorCount = 0;
    }
    m.CurrentLevel = previousLevel;
    return z;
}

int WriterTest::AddWindow(int zone, int wall, double position, double width, double height) {
    HouseModel& m = *model_;
    const AddResult added = m.AddWindow(zone, wall);
    EXPECT_TRUE(added.added);
    const TLevelDefaultRec& d = m.LevelDefaults(m.Zones(zone).Level);
    TWindowRec& win = m.WallWindows(zone, wall, added.index);
    win = TWindowRec{};
    win.Position = position;
    win.Width = width;
    win.Height = height;
    win.ElementArea = width * height;
    win.HeadHeight = 2.1;
    win.Azimuth = m.Walls(zone, wall).Azimuth;
    win.Glass = d.DefWinGlass;
    win.Frame = d.DefWinFrame;
    win.Style = d.DefWinStyle;
    win.Shading = 1;
    win.Furnishing = 1;
    win.ProductCode = d.DefWinCode;
    for (int month = 1; month <= 12; ++month) win.MonthlyShading(month) = 100;
    return added.index;
}

void WriterTest::Sql(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((root_ / "Data/tables.db").c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

int WriterTest::NextRecord(const std::string& table) const {
    sqlite3* db = nullptr;
    sqlite3_open((root_ / "Data/tables.db").c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, ("SELECT COUNT(*) FROM \"" + table + "\"").c_str(), -1, &statement, nullptr);
    sqlite3_step(statement);
    const int count = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return count + 1;
}

std::vector<std::string> ReadCardLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace writer_test
