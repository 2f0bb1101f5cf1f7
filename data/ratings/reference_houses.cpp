#include "data/ratings/reference_houses.h"

#include "common/file_lookup.h"
#include "engine/core/main_program.h"
#include "engine/core/state.h"
#include "modeller/engine_input/scratch_writer.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/model/product_libraries.h"
#include "modeller/model/wall_values.h"
#include "modeller/results/simulation_records.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace calibration {

namespace {

using namespace pelmora;

constexpr double kPixelsPerMetre = 20.0;  // the plan at magnification 1
constexpr double kPlanMargin = 2.0;       // m between the plan's edges and the house
constexpr double kAspect = 2.0;           // east-west length over north-south depth
constexpr double kWindowHeight = 1.5;     // m, when the level defaults give none
constexpr double kWallEndClearance = 0.6; // m of wall kept beside a window

enum ZoneType { LivingKitchen = 1, Sleeping = 2 };
enum Wall { North = 0, East = 1, South = 2, West = 3 };

// Records of the shipped construction tables (data/construction/tables) and generic window codes
// ("GGG-05-0NNa", NN = (glass row - 1) x 4 + frame row).
struct Construction {
    int wallInsulation;    // "WallInsulation" record
    double wallAddedR;     // m2K/W, for the record that takes an entered R
    int ceilingInsulation; // "CeilingInsulation" record
    double ceilingAddedR;  // m2K/W
    int glass;             // "Windowglass" record
    int frame;             // "Windowframe" record
    const char* windowCode;
};

Construction constructionOf(Standard standard) {
    switch (standard) {
    case Standard::PoorlyInsulated: // no insulation, single clear glass in aluminium
        return {1, 0.0, 1, 0.0, 1, 1, "GGG-05-001a"};
    case Standard::Typical: // wall batts R2.0, ceiling batts R3.5, single clear glass in aluminium
        return {6, 0.0, 4, 0.0, 1, 1, "GGG-05-001a"};
    case Standard::WellInsulated: // wall bulk R2.8, ceiling bulk R6, double clear 3/12/3 in timber
        return {2, 2.8, 2, 6.0, 8, 3, "GGG-05-031a"};
    }
    throw std::logic_error("unknown standard");
}

// Window area per floor area of each zone's walls: most glass faces north.
struct Glazing {
    int wall;
    double fractionOfFloor;
};
constexpr Glazing kLivingGlazing[] = {{North, 0.16}, {East, 0.04}, {West, 0.04}};
constexpr Glazing kSleepingGlazing[] = {{South, 0.08}, {East, 0.03}, {West, 0.03}};

struct Point {
    double x, y; // m, y grows southwards
};

class NoQuestion : public StairwellQuestion {
  public:
    bool ConfirmStairwellDeletion(const std::string&) override { return true; }
    // The house is rated as the modeller rates it; the report is for a person at the screen.
    void ReportDeletedWindows(const std::string&) override {}
};

void applyConstruction(HouseModel& model, Standard standard) {
    const Construction c = constructionOf(standard);
    TLevelDefaultRec& d = model.LevelDefaults(1);
    d.DefExtInsulation = c.wallInsulation;
    d.DefExtAddedR = c.wallAddedR;
    d.DefExtInsulated = c.wallInsulation != 1;
    d.DefCeilingInsulation = c.ceilingInsulation;
    d.DefCeilingAddedR = c.ceilingAddedR;
    d.DefWinGlass = c.glass;
    d.DefWinFrame = c.frame;
    d.DefWinCode = c.windowCode;
}

void setSite(HouseModel& model, const ClimateSite& site) {
    model.LocationName = site.place;
    model.Postcode = site.postcode;
    model.Latitude = site.latitude;
    model.Longitude = site.longitude;
    model.ClimateZone = site.zone;
    char name[16];
    std::snprintf(name, sizeof name, "climat%02d.TXT", site.zone);
    model.ClimateFileName = name;
}

std::unique_ptr<HouseModel> newHouse(const std::filesystem::path& folder, MaterialTables& tables,
                                     const ClimateSite& site, Standard standard) {
    auto model = std::make_unique<HouseModel>();
    model->RootDir = folder.string();
    SetDefaultValues(*model, tables);
    model->ShieldingFactor = model->DefaultShieldingFactor;
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k)
            model->SiteObstructions(side)(k).Shading = model->DefaultObstructionShading;
    model->ProjectName = std::string("Reference ") + standardName(standard);
    model->RunNumber = 1;
    model->SoftwareName = "VORT";
    model->SoftwareVersion = "4.1";
    model->Magnification = 1.0;
    model->LevelCount = 1;
    model->CurrentLevel = 1;
    setSite(*model, site);
    applyConstruction(*model, standard);
    ReadWindowLibrary(*model);
    ReadSkylightLibrary(*model);
    return model;
}

// A rectangular zone drawn clockwise on the plan; walls 0..3 face north, east, south and west.
int addZone(HouseModel& model, const char* name, ZoneType type, Point topLeft, Point bottomRight) {
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
    const Point corners[4] = {topLeft, {bottomRight.x, topLeft.y}, bottomRight, {topLeft.x, bottomRight.y}};
    for (int n = 0; n < 4; ++n) {
        model.ZoneNodes(z, n) = {
            static_cast<std::int32_t>(std::lround((corners[n].x + kPlanMargin) * kPixelsPerMetre)),
            static_cast<std::int32_t>(std::lround((corners[n].y + kPlanMargin) * kPixelsPerMetre))};
        model.Walls(z, n) = TWallRec{};
        model.Walls(z, n).Start = model.ZoneNodes(z, n);
    }
    zone.FloorArea = (bottomRight.x - topLeft.x) * (bottomRight.y - topLeft.y);
    AllocateZoneProperties(model, z);
    return z;
}

void addWindow(HouseModel& model, int zone, Glazing glazing) {
    const TLevelDefaultRec& d = model.LevelDefaults(1);
    const double height = d.DefWinHeight > 0 ? d.DefWinHeight / 1000.0 : kWindowHeight;
    const double length = model.Walls(zone, glazing.wall).Length;
    const double width = std::min(glazing.fractionOfFloor * model.Zones(zone).FloorArea / height,
                                  length - 2 * kWallEndClearance);
    if (width <= 0) return;
    const auto added = model.AddWindow(zone, glazing.wall);
    if (!added) throw std::runtime_error(std::string(added.refusal));
    TWindowRec& window = model.WallWindows(zone, glazing.wall, added.index);
    window = TWindowRec{};
    window.Position = length / 2;
    window.Width = width;
    window.Height = height;
    window.HeadHeight = d.DefWinHeadHeight > 0 ? d.DefWinHeadHeight / 1000.0 : 2.1;
    window.Offset = d.DefWinOffset / 1000.0;
    window.ElementArea = width * height;
    window.Azimuth = model.Walls(zone, glazing.wall).Azimuth;
    window.Glass = d.DefWinGlass;
    window.Frame = d.DefWinFrame;
    window.Style = d.DefWinStyle;
    window.Shading = d.DefWinShading;
    window.Furnishing = d.DefWinFurnishing;
    window.ProductCode = d.DefWinCode;
    window.PermanentlyOpen = d.DefWinOpen;
    window.MonthlyShading = d.DefWinMonthlyShading;
}

void buildPlan(HouseModel& model, double floorArea) {
    const double length = std::sqrt(kAspect * floorArea); // m, east-west
    const double depth = floorArea / length;              // m, north-south
    const int living = addZone(model, "Living", LivingKitchen, {0, 0}, {length, depth / 2});
    const int sleeping = addZone(model, "Sleeping", Sleeping, {0, depth / 2}, {length, depth});
    FindAdjZonesOrientationsLength(model, 1);
    for (const Glazing& g : kLivingGlazing) addWindow(model, living, g);
    for (const Glazing& g : kSleepingGlazing) addWindow(model, sleeping, g);
}

std::string houseText(const ClimateSite& site, Standard standard, double floorArea) {
    std::ostringstream text;
    text << standardName(standard) << " house of " << floorArea << " m2 in climate " << site.zone;
    return text.str();
}

} // namespace

const char* standardName(Standard standard) {
    switch (standard) {
    case Standard::PoorlyInsulated:
        return "poor";
    case Standard::Typical:
        return "typical";
    case Standard::WellInsulated:
        return "well";
    }
    return "?";
}

void prepareWorkFolder(const std::filesystem::path& programFolder, const std::filesystem::path& workFolder,
                       int climate) {
    char climateFile[32], occupancyFile[32];
    std::snprintf(climateFile, sizeof climateFile, "Data/Climate/climat%02d.TXT", climate);
    std::snprintf(occupancyFile, sizeof occupancyFile, "Data/Occupant/OCCUP%02d.DAT", climate);
    std::filesystem::create_directories(workFolder / "temperature");
    for (const char* name :
         {"matdata.bin", "BESTFIT.DAT", "Data/tables.db", "Data/WindowData/VORTwindows.VWG",
          "Data/WindowData/VORTskylights.VSG", "Data/WindowData/VORTwindows.txt",
          "Data/WindowData/VORTskylights.txt", static_cast<const char*>(climateFile),
          static_cast<const char*>(occupancyFile)}) {
        const auto found = common::findCaseInsensitive(programFolder, name);
        if (!found) throw std::runtime_error(std::string(name) + " is not in the program folder");
        std::filesystem::create_directories((workFolder / name).parent_path());
        std::filesystem::copy_file(*found, workFolder / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

RunResult simulateReferenceHouse(const std::filesystem::path& workFolder, const ClimateSite& site,
                                 Standard standard, double floorArea) {
    const std::string house = houseText(site, standard, floorArea);
    MaterialDatabase database;
    database.SetAlias(MaterialDatabase::kAlias, workFolder / "Data");
    MaterialTables tables(database);
    OpenMaterialTables(tables);
    auto model = newHouse(workFolder, tables, site, standard);
    buildPlan(*model, floorArea);
    SilentPlanView view;
    NoQuestion question;
    if (ScratchCalcs(*model, view, question)) throw std::runtime_error(house + ": the pass was cancelled");

    EditorBuffers buffers;
    Scratch scratch(*model, tables, buffers);
    scratch.Today = [] { return std::string("10/12/2026"); };
    WriteScratchFile(scratch);

    auto state = std::make_unique<engine::EngineState>();
    std::ostringstream console;
    state->workdir = workFolder;
    state->console = &console;
    if (engine::runEngine(*state) != 0)
        throw std::runtime_error(house + ": the engine stopped\n" + console.str());

    // The record the modeller stores after a run; the rating tables are not needed for its energy.
    auto history = std::make_unique<SimulationHistory>();
    StoreSimulationRecord(*history, *model, RatingTables{});
    const StarType& record = history->SimulationRecords(1);
    if (record.Area <= 0 || record.Total <= 0)
        throw std::runtime_error(house + ": no conditioned area or no energy\n" + console.str());
    return {record.Total, record.Area};
}

} // namespace calibration
