#include "bench/benchmark_houses.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "common/file_lookup.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"
#include "modeller/engine_input/scratch_writer.h"
#include "modeller/model/house_file.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/model/product_libraries.h"
#include "modeller/model/wall_values.h"

namespace bench_houses {
namespace {

namespace fs = std::filesystem;
using namespace pelmora;

constexpr int kSampleClimate = 21; // the climate the sample card file names

std::string line(const char* format, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

void copyFromProgramFolder(const fs::path& folder, const std::string& name) {
    const auto found = common::findCaseInsensitive(programFolder(), name);
    if (!found) throw std::runtime_error(name + " is not in the program folder");
    fs::create_directories((folder / name).parent_path());
    fs::copy_file(*found, folder / name, fs::copy_options::overwrite_existing);
}

// The sample card file's lines, with the program folder's paths moved to `folder`.
std::vector<std::string> sampleLines(const fs::path& folder) {
    const std::string from = programFolder().string();
    std::ifstream in(programFolder().parent_path() / "sample" / "SCRATCH");
    if (!in) throw std::runtime_error("the sample card file is not built");
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l)) {
        for (auto at = l.find(from); at != std::string::npos; at = l.find(from))
            l.replace(at, from.size(), folder.string());
        lines.push_back(l);
    }
    return lines;
}

void writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file);
    for (const std::string& c : lines) out << c << '\n';
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// ---- Row houses ----------------------------------------------------------------------------------

// A zone card: data type 3, zone, card number, then six-column fields.
std::string zoneCard(int z, int c, const std::string& fields) {
    return line("%2d%3d%3d", 3, z, c) + fields;
}

std::string area(double a, double absorptance, int adjacent) {
    return line("%6.2f%6.2f%6d", a, absorptance, adjacent);
}

// The sample's project and construction cards, the sections of the spaces, then the rooms and the
// six zones of the subfloor space and the roof space.
std::vector<std::string> rowHouseCards(const fs::path& folder, int rooms) {
    std::vector<std::string> cards;
    for (const std::string& l : sampleLines(folder)) {
        if (l.starts_with("C Zone data")) break;
        cards.push_back(l);
    }
    cards.push_back(" 2 61   209  61 10  10");
    cards.push_back(" 2 91    10  10209  61");
    for (int s = 121; s <= 128; ++s) cards.push_back(line(" 2%3d   %3d   0", s, 908 + s - 121));

    const double room = 20.0; // m², 5 m × 4 m, 2.4 m high
    const double total = room * rooms;
    const int f = rooms + 1, r = rooms + 4;
    const double sloped = total / std::cos(22.5 * 0.017453292);
    for (int z = 1; z <= rooms; ++z) {
        cards.push_back(zoneCard(z, 0,
                                 line("%15s%6.1f%6.2f%6.2f%6.2f%s%6d", ("Room" + std::to_string(z)).c_str(),
                                      48.0, 0.5, 0.0, 0.3, "Normal", 1)));
        cards.push_back(zoneCard(z, 1,
                                 line("%6.2f%6.2f%6d%6d%6d%6d%6d%6d%6d%6d%6d", 1.2, 1.5, z % 2 ? 0 : 180, 1,
                                      0, 0, 0, 0, 0, 1, 0)));
        const std::string wall = "  0.60  0.50  0.90     0     0     0     0     0  0.00     0";
        cards.push_back(zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 5.0, z % 2 ? 10.2 : 12.0, 0) + wall));
        cards.push_back(
            zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 5.0, z % 2 ? 12.0 : 10.2, 180) + wall));
        if (z == 1) cards.push_back(zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 4.0, 9.6, 270) + wall));
        if (z == rooms)
            cards.push_back(zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 4.0, 9.6, 90) + wall));
        cards.push_back(zoneCard(z, 91, area(room, 0.5, r + 2)));
        cards.push_back(zoneCard(z, 51, area(room, 0.5, f + 1)));
        if (z > 1) cards.push_back(zoneCard(z, 111, area(9.6, 0.5, z - 1)));
        if (z < rooms) cards.push_back(zoneCard(z, 111, area(9.6, 0.5, z + 1)));
        cards.push_back(zoneCard(z, 300, "  0.00  2.40  0.00  0.00"));
        cards.push_back(zoneCard(
            z, 301, "  1.00   0.6    50  0.90  2.10     1     1   0.5     0     1  0.00     0     0"));
        if (z < rooms)
            cards.push_back(zoneCard(
                z, 302,
                line("  0.82   0.6   100  0.00  2.04     0     1   0.5%6d     1  0.00     0     0", z + 1)));
        if (z > 1)
            cards.push_back(zoneCard(
                z, 303,
                line("  0.82   0.6   100  0.00  2.04     0     1   0.5%6d     1  0.00     0     0", z - 1)));
        cards.push_back(
            zoneCard(z, 401, "   100   100   100   100   100   150   300   400   200   200   200   300"));
        cards.push_back(
            zoneCard(z, 402, "   300   200   200   200   300   500   800   800   600   400   200   100"));
        cards.push_back(
            zoneCard(z, 403, "    20    20    20    20    20    20    20    20    20    20    20    20"));
        cards.push_back(
            zoneCard(z, 404, "    40    40    40    40    40    40    80    80    80    20    20    20"));
        cards.push_back(
            zoneCard(z, 501, "   0.0   0.0   0.0   0.0   0.0   0.0  18.0  18.0  18.0  18.0  18.0  18.0"));
        cards.push_back(
            zoneCard(z, 502, "  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0   0.0"));
        cards.push_back(
            zoneCard(z, 503, "  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0"));
        cards.push_back(
            zoneCard(z, 504, "  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0"));
        cards.push_back(zoneCard(z, 601, "    22     7  20.0  9999"));
        cards.push_back(zoneCard(z, 603, "  99.0  9999"));
        cards.push_back(zoneCard(z, 604, "  99.0  9999"));
        cards.push_back(zoneCard(z, 605, "     0     0  24.0  21.0  0.00  0.00"));
    }
    auto pseudo = [&](int z, const char* name, double volume, double a, double b, const char* type,
                      const std::string& links) {
        cards.push_back(
            zoneCard(z, 0, line("%15s%6.1f%6.2f%6.2f%6.2f%s%6d", name, volume, a, b, 0.0, type, 1) + links));
    };
    pseudo(f, " Floorspace   1", 5.0 * total, 6.0, 2.5, "SubFlA", line("%6d%6d%6.2f", f + 1, f + 2, 0.82));
    cards.push_back(zoneCard(f, 122, area(total, 0.5, f + 1)));
    cards.push_back(zoneCard(f, 121, area(total, 0.5, f + 2)));
    pseudo(f + 1, "UnderSideFl   1", 0.0, 0.0, 0.0, "Normal", "");
    cards.push_back(zoneCard(f + 1, 122, area(total, 0.5, f)));
    cards.push_back(zoneCard(f + 1, 124, area(total, 0.5, f + 2)));
    for (int m = 1; m <= rooms; ++m) cards.push_back(zoneCard(f + 1, 81, area(room, 0.5, m)));
    pseudo(f + 2, "TopOfGround   1", 0.0, 0.0, 0.0, "Normal", "");
    cards.push_back(zoneCard(f + 2, 50, line("%6.2f%6.2f", total, 0.5)));
    cards.push_back(zoneCard(f + 2, 124, area(total, 0.5, f + 1)));
    cards.push_back(zoneCard(f + 2, 121, area(total, 0.5, f)));
    pseudo(r, "  Roofspace   1", 0.414 * total, 2.0, 1.0, "RoofSA", line("%6d%6d%6.2f", r + 2, r + 1, 0.82));
    cards.push_back(zoneCard(r, 126, area(sloped, 0.5, r + 1)));
    cards.push_back(zoneCard(r, 125, area(total, 0.5, r + 2)));
    pseudo(r + 1, "UnderSideRf   1", 0.0, 0.0, 0.0, "Normal", "");
    cards.push_back(zoneCard(r + 1, 126, area(sloped, 0.5, r)));
    cards.push_back(zoneCard(r + 1, 127, area(total, 0.5, r + 2)));
    cards.push_back(zoneCard(r + 1, 31, line("%6.2f%6d%6d%6.2f%6.2f%6.2f", sloped, 0, 22, 0.6, 0.46, 0.9)));
    pseudo(r + 2, "TopOfCeiling  1", 0.0, 0.0, 0.0, "Normal", "");
    for (int m = 1; m <= rooms; ++m) cards.push_back(zoneCard(r + 2, 61, area(room, 0.5, m)));
    cards.push_back(zoneCard(r + 2, 125, area(total, 0.5, r)));
    cards.push_back(zoneCard(r + 2, 127, area(total, 0.5, r + 1)));
    cards.push_back(" 9");
    return cards;
}

// ---- Houses drawn in the modeller ---------------------------------------------------------------

constexpr double kPixelsPerMetre = 20.0; // the plan at magnification 1
constexpr double kPlanMargin = 2.0;      // m between the plan's edges and the house
constexpr double kRoomWidth = 5.0;       // m, east-west
constexpr double kRoomDepth = 4.0;       // m, north-south
constexpr double kWindowWidth = 1.8;     // m
constexpr double kWindowHeight = 1.5;    // m
constexpr double kSideWindowWidth = 1.2; // m, on the east and west ends

enum ZoneType { LivingKitchen = 1, Sleeping = 2 };
enum Wall { North = 0, East = 1, South = 2, West = 3 };

class YesToStairwells : public StairwellQuestion {
  public:
    bool ConfirmStairwellDeletion(const std::string&) override { return true; }
    // The house is written as the modeller writes it; the report is for a person at the screen.
    void ReportDeletedWindows(const std::string&) override {}
};

// A rectangular zone drawn clockwise on the plan; walls 0..3 face north, east, south and west.
int addRoom(HouseModel& model, const std::string& name, ZoneType type, double left, double top) {
    const auto added = model.AddZone();
    if (!added) throw std::runtime_error(std::string(added.refusal));
    const int z = added.index;
    TZoneRec& zone = model.Zones(z);
    zone = TZoneRec{};
    zone.Level = 1;
    zone.Name = name;
    zone.ZoneType = type;
    zone.Heated = zone.Cooled = true;
    zone.NodeCount = 4;
    zone.FanDiameter = model.NewZoneOptions.DefFanDiameter;
    const double xs[4] = {left, left + kRoomWidth, left + kRoomWidth, left};
    const double ys[4] = {top, top, top + kRoomDepth, top + kRoomDepth};
    for (int n = 0; n < 4; ++n) {
        model.ZoneNodes(z, n) = {
            static_cast<std::int32_t>(std::lround((xs[n] + kPlanMargin) * kPixelsPerMetre)),
            static_cast<std::int32_t>(std::lround((ys[n] + kPlanMargin) * kPixelsPerMetre))};
        model.Walls(z, n) = TWallRec{};
        model.Walls(z, n).Start = model.ZoneNodes(z, n);
    }
    zone.FloorArea = kRoomWidth * kRoomDepth;
    AllocateZoneProperties(model, z);
    return z;
}

void addWindow(HouseModel& model, int zone, int wall, double width) {
    const TLevelDefaultRec& d = model.LevelDefaults(1);
    const auto added = model.AddWindow(zone, wall);
    if (!added) throw std::runtime_error(std::string(added.refusal));
    TWindowRec& window = model.WallWindows(zone, wall, added.index);
    window = TWindowRec{};
    window.Position = model.Walls(zone, wall).Length / 2;
    window.Width = width;
    window.Height = kWindowHeight;
    window.HeadHeight = d.DefWinHeadHeight > 0 ? d.DefWinHeadHeight / 1000.0 : 2.1;
    window.Offset = d.DefWinOffset / 1000.0;
    window.ElementArea = width * kWindowHeight;
    window.Azimuth = model.Walls(zone, wall).Azimuth;
    window.Glass = d.DefWinGlass;
    window.Frame = d.DefWinFrame;
    window.Style = d.DefWinStyle;
    window.Shading = d.DefWinShading;
    window.Furnishing = d.DefWinFurnishing;
    window.ProductCode = d.DefWinCode;
    window.PermanentlyOpen = d.DefWinOpen;
    window.MonthlyShading = d.DefWinMonthlyShading;
}

void addDoor(HouseModel& model, int zone, int wall, double position) {
    const TLevelDefaultRec& d = model.LevelDefaults(1);
    const auto added = model.AddDoor(zone, wall);
    if (!added) throw std::runtime_error(std::string(added.refusal));
    TDoorRec& door = model.WallDoors(zone, wall, added.index);
    door = TDoorRec{};
    door.Position = position;
    door.Width = d.DefDoorWidth / 1000.0;
    door.Height = d.DefDoorHeight / 1000.0;
    door.ElementArea = door.Width * door.Height;
    door.Azimuth = model.Walls(zone, wall).Azimuth;
    door.Material = d.DefDoorMaterial;
}

std::unique_ptr<HouseModel> newHouse(const fs::path& folder, MaterialTables& tables,
                                     const std::string& name) {
    auto model = std::make_unique<HouseModel>();
    model->RootDir = folder.string();
    SetDefaultValues(*model, tables);
    model->ShieldingFactor = model->DefaultShieldingFactor;
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k)
            model->SiteObstructions(side)(k).Shading = model->DefaultObstructionShading;
    model->ProjectName = name;
    model->RunNumber = 1;
    model->SoftwareName = "VORT";
    model->SoftwareVersion = "4.1";
    model->Magnification = 1.0;
    model->LevelCount = 1;
    model->CurrentLevel = 1;
    model->LocationName = "MELBOURNE";
    model->Postcode = 3000;
    model->Latitude = -37.8;
    model->Longitude = 145.0;
    model->ClimateZone = 21;
    model->ClimateFileName = "climat21.TXT";
    // Wall batts R2.0 and ceiling batts R3.5 (records of the shipped insulation tables).
    TLevelDefaultRec& d = model->LevelDefaults(1);
    d.DefExtInsulation = 6;
    d.DefExtInsulated = true;
    d.DefCeilingInsulation = 4;
    ReadWindowLibrary(*model);
    ReadSkylightLibrary(*model);
    return model;
}

// The pass and the card writer, as the simulate command runs them.
void passAndWrite(HouseModel& model, MaterialTables& tables) {
    SilentPlanView view;
    YesToStairwells question;
    if (ScratchCalcs(model, view, question))
        throw std::runtime_error("the pre-simulation pass was cancelled");
    EditorBuffers buffers;
    Scratch scratch(model, tables, buffers);
    scratch.Today = [] { return std::string("10/12/2026"); };
    WriteScratchFile(scratch);
}

} // namespace

fs::path programFolder() {
    return PROGRAM_FOLDER;
}

fs::path prepareFolder(const std::string& name, int climate) {
    const fs::path folder = fs::path("/tmp") / (name + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "temperature");
    char climateFile[32], occupancyFile[32];
    std::snprintf(climateFile, sizeof climateFile, "Data/Climate/climat%02d.TXT", climate);
    std::snprintf(occupancyFile, sizeof occupancyFile, "Data/Occupant/OCCUP%02d.DAT", climate);
    for (const char* file : {"matdata.bin", "BESTFIT.DAT", "Data/tables.db",
                             "Data/WindowData/VORTwindows.VWG", "Data/WindowData/VORTskylights.VSG",
                             "Data/WindowData/VORTwindows.txt", "Data/WindowData/VORTskylights.txt"})
        copyFromProgramFolder(folder, file);
    copyFromProgramFolder(folder, climateFile);
    copyFromProgramFolder(folder, occupancyFile);
    return folder;
}

void writeSampleCards(const fs::path& folder) {
    writeLines(folder / "SCRATCH", sampleLines(folder));
}

void writeRowHouse(const fs::path& folder, int rooms) {
    writeLines(folder / "SCRATCH", rowHouseCards(folder, rooms));
}

void writeModellerHouse(const fs::path& folder, int rooms) {
    MaterialDatabase database;
    database.SetAlias(MaterialDatabase::kAlias, folder / "Data");
    MaterialTables tables(database);
    OpenMaterialTables(tables);
    auto model = newHouse(folder, tables, "House" + std::to_string(rooms));
    HouseModel& m = *model;
    const int perRow = (rooms + 1) / 2;
    for (int i = 0; i < rooms; ++i) {
        const int row = i / perRow, column = i % perRow;
        const ZoneType type = column % 3 == 0 ? LivingKitchen : Sleeping;
        addRoom(m, "Room " + std::to_string(i + 1), type, column * kRoomWidth, row * kRoomDepth);
    }
    FindAdjZonesOrientationsLength(m, 1);
    for (int z = 1; z <= m.ZoneCount; ++z) {
        for (int wall = North; wall <= West; ++wall) {
            if (m.Walls(z, wall).AdjZone != 0) continue;
            addWindow(m, z, wall, wall == North || wall == South ? kWindowWidth : kSideWindowWidth);
        }
        // A door to the next room of the row, and an outside door in the first room of each row.
        if (m.Walls(z, East).AdjZone != 0) addDoor(m, z, East, kRoomDepth / 2);
        if ((z - 1) % perRow == 0) addDoor(m, z, m.Walls(z, North).AdjZone == 0 ? North : South, 1.0);
    }
    passAndWrite(m, tables);
    CloseMaterialTables(tables);
}

void writeHouseFile(const fs::path& folder, const std::string& houseFile) {
    MaterialDatabase database;
    database.SetAlias(MaterialDatabase::kAlias, folder / "Data");
    MaterialTables tables(database);
    OpenMaterialTables(tables);
    auto model = std::make_unique<HouseModel>();
    SetDefaultValues(*model, tables);
    ReadHouseFile(*model, programFolder() / "house" / houseFile);
    model->RootDir = folder.string();
    ReadWindowLibrary(*model);
    ReadSkylightLibrary(*model);
    passAndWrite(*model, tables);
    CloseMaterialTables(tables);
}

HouseYear simulateYear(const fs::path& folder) {
    auto state = std::make_unique<engine::EngineState>();
    std::ostringstream console;
    state->workdir = folder;
    state->console = &console;
    HouseYear year;
    year.status = engine::runEngine(*state);
    year.console = console.str();
    year.zones = yearOf(*state);
    return year;
}

std::vector<ZoneYear> yearOf(const engine::EngineState& s) {
    std::vector<ZoneYear> zones;
    const int hours = 24 * s.time.nstphr * std::max(s.writer.ndayrun, 1);
    for (int z = 1; z <= s.zones.nzones; ++z) {
        ZoneYear y;
        y.heating = s.en1.ehrun(z);
        y.sensibleCooling = s.en1.ecsrun(z);
        y.latentCooling = s.en1.eclrun(z);
        y.meanTemperature = s.writer.tsumrun(z + 1) / hours;
        zones.push_back(y);
    }
    return zones;
}

std::string compareWithFigures(const fs::path& figures, const std::string& house,
                               const std::vector<ZoneYear>& zones, double relative) {
    constexpr double kNearZero = 1e-9; // MJ or K
    std::ifstream in(figures);
    if (!in) return "cannot read " + figures.string() + "\n";
    std::ostringstream differences;
    std::size_t seen = 0;
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream fields(text);
        std::string name;
        int zone = 0;
        ZoneYear want;
        if (!(fields >> name >> zone >> want.heating >> want.sensibleCooling >> want.latentCooling >>
              want.meanTemperature) ||
            name != house)
            continue;
        ++seen;
        if (zone < 1 || zone > static_cast<int>(zones.size())) {
            differences << house << " zone " << zone << ": the run has " << zones.size() << " zones\n";
            continue;
        }
        const ZoneYear& got = zones[static_cast<std::size_t>(zone - 1)];
        const std::pair<const char*, std::pair<double, double>> values[] = {
            {"heating", {got.heating, want.heating}},
            {"sensible cooling", {got.sensibleCooling, want.sensibleCooling}},
            {"latent cooling", {got.latentCooling, want.latentCooling}},
            {"mean temperature", {got.meanTemperature, want.meanTemperature}}};
        for (const auto& [what, pair] : values) {
            const auto [g, w] = pair;
            if (std::fabs(g - w) <= relative * std::fabs(w) + kNearZero) continue;
            differences << line("%s zone %d %s: %.17g, expected %.17g (relative %.3g)\n", house.c_str(), zone,
                                what, g, w, w != 0.0 ? (g - w) / w : g);
        }
    }
    if (seen == 0)
        differences << house << ": no figures in " << figures.string() << "\n";
    else if (seen != zones.size())
        differences << house << ": " << seen << " zones in the figures, " << zones.size() << " in the run\n";
    return differences.str();
}

std::string figureLine(const std::string& house, int zone, const ZoneYear& y) {
    return line("%s %d %.17g %.17g %.17g %.17g", house.c_str(), zone, y.heating, y.sensibleCooling,
                y.latentCooling, y.meanTemperature);
}

const std::vector<BenchmarkHouse>& benchmarkHouses() {
    static const std::vector<BenchmarkHouse> houses = {
        {"sample", kSampleClimate, [](const fs::path& f, int) { writeSampleCards(f); }, 0, true},
        {"single-level", 62, [](const fs::path& f, int) { writeHouseFile(f, "Sample single level_1.VOR"); },
         0, true},
        {"two-storey", 20, [](const fs::path& f, int) { writeHouseFile(f, "Sample two storey_1.VOR"); }, 0,
         true},
        {"row1", kSampleClimate, writeRowHouse, 1, true},
        {"row10", kSampleClimate, writeRowHouse, 10, true},
        {"row30", kSampleClimate, writeRowHouse, 30, false},
        {"modeller5", 21, writeModellerHouse, 5, true},
        {"modeller10", 21, writeModellerHouse, 10, true},
        {"modeller30", 21, writeModellerHouse, 30, false},
    };
    return houses;
}

} // namespace bench_houses
