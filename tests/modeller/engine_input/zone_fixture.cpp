#include "zone_fixture.h"
#include <unistd.h>

#include "common/file_lookup.h"
#include "modeller/engine_input/floor_roof_spaces.h"
#include "modeller/engine_input/simulated_floor.h"
#include "modeller/model/level_defaults.h"

#include <algorithm>
#include <cstdio>

namespace zone_test {

using namespace pelmora;

int BaseSections::ExtFloorSection(int zone) {
    const SimulatedExtFloor floor = SimulatedFloorOf(model_, zone);
    if (floor.Material >= 5) return 156; // the shipped rows 5 and 6 are floors to a neighbour
    return floor.Material != 1 && floor.FloorVentilation == 0 ? 41 : 51;
}

int BaseSections::CeilingSection(int zone) {
    return model_.ZoneCeilings(zone).RoofSpace == 4 ? 171 : 91;
}

int BaseSections::number(std::vector<std::string>& list, const std::string& key) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == key) return static_cast<int>(i) + 1;
    list.push_back(key);
    return static_cast<int>(list.size());
}

void ZoneWriterTest::SetUp() {
    root_ = std::filesystem::temp_directory_path() /
            ("zone_writer_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
             "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "Data");
    const auto tables = common::findCaseInsensitive(PROGRAM_FOLDER, "Data/tables.db");
    ASSERT_TRUE(tables) << "the program folder holds no material tables";
    std::filesystem::copy_file(*tables, root_ / "Data" / "tables.db");

    model_ = std::make_unique<HouseModel>();
    model_->RootDir = root_.string();
    model_->Magnification = 1.0;
    model_->LevelCount = 1;
    model_->ShieldingFactor = 0.74;
    for (int k = 1; k <= kMaxLevels; ++k) {
        model_->LevelDefaults(k).DefExtHeight = 2400.0;
        model_->LevelDefaults(k).DefFloorMaterial = 1;
    }
    database_ = std::make_unique<MaterialDatabase>();
    database_->SetAlias(MaterialDatabase::kAlias, root_ / "Data");
    tables_ = std::make_unique<MaterialTables>(*database_);
    OpenMaterialTables(*tables_);
    FillThicknessByMaterial(*model_, *tables_);
    sections_ = std::make_unique<BaseSections>(*model_);
    scratch_ = std::make_unique<Scratch>(*model_, *tables_, buffers_);
    scratch_->WindSpeedFactorText = "  0.56";
    lines_ = &scratch_->Lines;
    run_ = std::make_unique<ZoneWriterRun>(*scratch_, *sections_);
}

void ZoneWriterTest::TearDown() {
    if (tables_) CloseMaterialTables(*tables_);
    std::filesystem::remove_all(root_);
}

int ZoneWriterTest::addZone(double left, double top, double x, double y, int level, std::string name) {
    HouseModel& m = *model_;
    const AddResult added = m.AddZone();
    const int z = added.index;
    TZoneRec& zone = m.Zones(z);
    zone = TZoneRec{};
    zone.NodeCount = 4;
    zone.Level = level;
    zone.FloorArea = x * y;
    zone.Name = name.empty() ? "Zone " + std::to_string(z) : name;
    m.LevelCount = std::max(m.LevelCount, level);
    const double px = 20.0 * m.Magnification;
    const TPlanPoint corners[4] = {{static_cast<int>(left * px), static_cast<int>(top * px)},
                                   {static_cast<int>((left + x) * px), static_cast<int>(top * px)},
                                   {static_cast<int>((left + x) * px), static_cast<int>((top + y) * px)},
                                   {static_cast<int>(left * px), static_cast<int>((top + y) * px)}};
    const double lengths[4] = {x, y, x, y};
    for (int w = 0; w < 4; ++w) {
        TWallRec& wall = m.Walls(z, w);
        wall = TWallRec{};
        wall.Start = corners[w];
        m.ZoneNodes(z, w) = corners[w];
        wall.Length = lengths[w];
        wall.ExtHeight = 2.4;
        wall.PartHeight = 2.4;
        wall.Azimuth = 90.0 * w;
        wall.PlanAzimuth = 90.0 * w;
        wall.Absorptance = 0.5;
        wall.ExtMaterial = 1;
        wall.ExtInsulation = 1;
        wall.PartMaterial = 1;
        wall.PartInsulation = 1;
        wall.ExtThickness = ExtThicknessFor(m, level, 1);
        wall.PartThickness = PartThicknessFor(m, level, 1);
    }
    m.ZoneExtFloors(z) = TExtFloorRec{};
    m.ZoneExtFloors(z).Material = 1;
    m.ZoneExtFloors(z).Insulation = 1;
    m.ZoneExtFloors(z).FloorVentilation = 2;
    m.ZoneExtFloors(z).FloorCovering = 1;
    m.ZoneFloorCovers(z).FloorCovering = 1;
    m.ZoneExtFloors(z).SharedZones(1) = z;
    m.ZoneCeilings(z) = TCeilingRec{};
    m.ZoneCeilings(z).Material = 1;
    m.ZoneCeilings(z).Insulation = 1;
    m.ZoneCeilings(z).SharedZones(1) = z;
    m.ZoneRoofs(z) = TRoofRec{};
    m.ZoneRoofs(z).Material = 1;
    m.ZoneRoofs(z).Insulation = 1;
    m.ZoneRoofs(z).Slope = 22.5;
    m.ZoneRoofs(z).Absorptance = 0.6;
    m.ZoneRoofs(z).RoofGapCode = 1;
    m.ZoneIntCeilings(z) = TIntCeilingRec{1, 1, 0.0};
    return z;
}

void ZoneWriterTest::joinWalls(int a, int wa, int b, int wb) {
    model_->Walls(a, wa).AdjZone = b;
    model_->Walls(b, wb).AdjZone = a;
}

void ZoneWriterTest::shareFloor(const std::vector<int>& zones) {
    for (int z : zones)
        for (std::size_t i = 0; i < zones.size(); ++i)
            model_->ZoneExtFloors(z).SharedZones(static_cast<int>(i) + 1) = zones[i];
}

void ZoneWriterTest::shareCeiling(const std::vector<int>& zones) {
    for (int z : zones)
        for (std::size_t i = 0; i < zones.size(); ++i)
            model_->ZoneCeilings(z).SharedZones(static_cast<int>(i) + 1) = zones[i];
}

std::vector<std::string> ZoneWriterTest::cards(int zone, int card) const {
    std::vector<std::string> found;
    char header[9];
    if (card == 0)
        std::snprintf(header, sizeof header, " 3%3d   ", zone);
    else
        std::snprintf(header, sizeof header, " 3%3d%3d", zone, card);
    for (const auto& line : *lines_)
        if (line.compare(0, 8, header) == 0) found.push_back(line);
    return found;
}

std::vector<std::string> ZoneWriterTest::cardsOfZone(int zone) const {
    std::vector<std::string> found;
    char header[6];
    std::snprintf(header, sizeof header, " 3%3d", zone);
    for (const auto& line : *lines_)
        if (line.compare(0, 5, header) == 0) found.push_back(line);
    return found;
}

std::string field(const std::string& card, int i) {
    const std::size_t start = 8 + 6 * static_cast<std::size_t>(i - 1);
    if (start >= card.size()) return "";
    return card.substr(start, 6);
}

std::string zoneField(const std::string& card, int i) {
    const std::size_t start = 23 + 6 * static_cast<std::size_t>(i - 1);
    if (start >= card.size()) return "";
    return card.substr(start, 6);
}

double number(const std::string& card, int i) {
    return std::stod(field(card, i));
}

} // namespace zone_test
