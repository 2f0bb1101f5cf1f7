// Build tool of the sample houses that the program folder's house folder ships with, so that a
// newcomer can open a house at once:
//   "Sample single level_1.VOR": one level with four zones (living, two bedrooms, bathroom);
//   "Sample two storey_1.VOR": two levels with two zones each and a stairwell between them.
// The houses are made through the model's own operations and written with the house file writer.
// Wall thicknesses come from the material database when the program folder already holds it.
//   sample_houses <program folder>
#include "common/file_lookup.h"
#include "modeller/model/house_file.h"
#include "modeller/model/house_model.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/model_error.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

using namespace pelmora;

constexpr double kPixelsPerMetre = 20.0; // the house file holds magnification 1
constexpr double kPlanMargin = 2.0;      // m between the plan's edges and the house

enum ZoneType { Living = 0, LivingKitchen = 1, Sleeping = 2, WetArea = 3 };

struct Point {
    double x, y; // m
};

std::unique_ptr<HouseModel> newHouse(const std::filesystem::path& programFolder, const char* name) {
    auto model = std::make_unique<HouseModel>();
    model->RootDir = programFolder.string();
    MaterialDatabase database;
    database.SetAlias(MaterialDatabase::kAlias, programFolder / "Data");
    MaterialTables catalogue(database);
    try {
        SetDefaultValues(*model, catalogue);
    } catch (const ModelError&) {
        // Without the material database the wall thicknesses stay 0; everything else is set.
        if (common::findCaseInsensitive(programFolder, "Data/tables.db")) throw;
    }
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
    model->CommentLines = {"Sample house shipped with the program."};
    model->CommentLineCount = 1;
    return model;
}

// A zone drawn clockwise on the plan from outline points in metres, with its level's defaults.
int addZone(HouseModel& model, int level, const char* name, ZoneType type, std::int32_t colour,
            std::vector<Point> outline) {
    const auto added = model.AddZone();
    if (!added) throw std::runtime_error(std::string(added.refusal));
    const int z = added.index;
    TZoneRec& zone = model.Zones(z);
    zone = TZoneRec{};
    zone.Level = level;
    zone.Name = name;
    zone.ZoneType = type;
    zone.Colour = colour;
    zone.Heated = zone.Cooled = type != WetArea;
    zone.NodeCount = static_cast<int>(outline.size());
    const TNewZoneOptions& options = model.NewZoneOptions;
    zone.FanDiameter = options.DefFanDiameter;
    double twiceArea = 0; // m2
    for (int n = 0; n < zone.NodeCount; ++n) {
        const Point p = outline[static_cast<std::size_t>(n)];
        const Point q = outline[static_cast<std::size_t>((n + 1) % zone.NodeCount)];
        twiceArea += p.x * q.y - q.x * p.y;
        model.ZoneNodes(z,
                        n) = {static_cast<std::int32_t>(std::lround((p.x + kPlanMargin) * kPixelsPerMetre)),
                              static_cast<std::int32_t>(std::lround((p.y + kPlanMargin) * kPixelsPerMetre))};
        model.Walls(z, n) = TWallRec{};
        model.Walls(z, n).Start = model.ZoneNodes(z, n);
    }
    zone.FloorArea = std::abs(twiceArea) / 2;
    model.CurrentLevel = level;
    AllocateZoneProperties(model, z);
    return z;
}

// Lengths, outward directions and neighbours of every wall.  The outlines are drawn so that a wall
// shared by two zones is a whole wall of both.
void setWallValues(HouseModel& model) {
    for (int z = 1; z <= model.ZoneCount; ++z)
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            const TPlanPoint a = model.ZoneNodes(z, w);
            const TPlanPoint b = model.ZoneNodes(z, model.NextWall(z, w));
            TWallRec& wall = model.Walls(z, w);
            const double dx = b.X - a.X, dy = b.Y - a.Y;
            wall.Length = std::hypot(dx, dy) / kPixelsPerMetre;
            // Clockwise on the screen the outside lies to the left of the direction of travel.
            double azimuth = std::atan2(dy, -dx) * 180.0 / std::numbers::pi;
            azimuth = std::fmod(azimuth + 360.0, 360.0);
            wall.PlanAzimuth = azimuth;
            wall.Azimuth = azimuth; // north at the top of the plan
            wall.AdjZone = 0;
            for (int other = 1; other <= model.ZoneCount; ++other) {
                if (other == z || model.Zones(other).Level != model.Zones(z).Level) continue;
                for (int v = 0; v < model.Zones(other).NodeCount; ++v)
                    if (model.ZoneNodes(other, v) == b &&
                        model.ZoneNodes(other, model.NextWall(other, v)) == a)
                        wall.AdjZone = other;
            }
        }
}

void addWindow(HouseModel& model, int zone, int wall, double position, double width) {
    const auto added = model.AddWindow(zone, wall);
    if (!added) throw std::runtime_error(std::string(added.refusal));
    TWindowRec& window = model.WallWindows(zone, wall, added.index);
    window = DefaultWindow(model, model.Zones(zone).Level);
    window.Position = position;
    window.Width = width;
    window.ElementArea = window.Width * window.Height;
    window.Azimuth = model.Walls(zone, wall).Azimuth;
}

void addDoor(HouseModel& model, int zone, int wall, double position) {
    const auto added = model.AddDoor(zone, wall);
    if (!added) throw std::runtime_error(std::string(added.refusal));
    TDoorRec& door = model.WallDoors(zone, wall, added.index);
    door = DefaultDoor(model, model.Zones(zone).Level);
    door.Position = position;
    door.Azimuth = model.Walls(zone, wall).Azimuth;
}

// The project details' states, in the order of their list.
enum StateIndex { QLD = 0, NSW = 1, ACT = 2, Vic = 3, Tas = 4, SA = 5, WA = 6, NT = 7 };

// Places the house at a locality of the shipped location tables, with that locality's climate zone and
// the state it lies in.
struct Site {
    const char* locality;
    std::int32_t postcode;
    double latitude;  // degrees, south negative
    double longitude; // degrees east
    std::int32_t climateZone;
    StateIndex state;
};

void setSite(HouseModel& model, const Site& site) {
    model.StateIndex = site.state;
    model.LocationName = site.locality;
    model.Postcode = site.postcode;
    model.Latitude = site.latitude;
    model.Longitude = site.longitude;
    model.ClimateZone = site.climateZone;
    char name[16];
    std::snprintf(name, sizeof name, "climat%02d.TXT", static_cast<int>(site.climateZone));
    model.ClimateFileName = name;
}

// Living (10 x 5 m) across the north, three rooms along the south.
void singleLevel(const std::filesystem::path& folder) {
    auto house = newHouse(folder, "Sample single level");
    HouseModel& m = *house;
    setSite(m, {"PERTH", 6000, -31.95, 115.86, 62, WA});
    const int living =
        addZone(m, 1, "Living", LivingKitchen, 0x80E0FF, {{0, 0}, {10, 0}, {10, 5}, {7, 5}, {4, 5}, {0, 5}});
    const int bed1 = addZone(m, 1, "Bed 1", Sleeping, 0xFFC0A0, {{0, 5}, {4, 5}, {4, 9}, {0, 9}});
    const int bath = addZone(m, 1, "Bathroom", WetArea, 0xE0E0A0, {{4, 5}, {7, 5}, {7, 9}, {4, 9}});
    const int bed2 = addZone(m, 1, "Bed 2", Sleeping, 0xC0FFC0, {{7, 5}, {10, 5}, {10, 9}, {7, 9}});
    setWallValues(m);
    addWindow(m, living, 0, 3.0, 2.4);
    addWindow(m, living, 0, 7.5, 1.8);
    addWindow(m, living, 1, 2.5, 1.2);
    addDoor(m, living, 5, 2.5);
    addWindow(m, bed1, 2, 2.0, 1.5);
    addWindow(m, bath, 2, 1.5, 0.6);
    addWindow(m, bed2, 2, 1.5, 1.5);
    WriteHouseFile(m, folder / "house" / "Sample single level_1.VOR");
}

// Living and kitchen below, two bedrooms above, a stairwell from Bed 1 down into the living room.
void twoStorey(const std::filesystem::path& folder) {
    auto house = newHouse(folder, "Sample two storey");
    HouseModel& m = *house;
    setSite(m, {"TOOWOOMBA", 4350, -27.56, 151.95, 20, QLD});
    m.LevelCount = 2;
    const int living = addZone(m, 1, "Living", Living, 0x80E0FF, {{0, 0}, {6, 0}, {6, 7}, {0, 7}});
    const int kitchen = addZone(m, 1, "Kitchen", LivingKitchen, 0xA0D0FF, {{6, 0}, {10, 0}, {10, 7}, {6, 7}});
    const int bed1 = addZone(m, 2, "Bed 1", Sleeping, 0xFFC0A0, {{0, 0}, {5, 0}, {5, 7}, {0, 7}});
    const int bed2 = addZone(m, 2, "Bed 2", Sleeping, 0xC0FFC0, {{5, 0}, {10, 0}, {10, 7}, {5, 7}});
    setWallValues(m);
    addWindow(m, living, 0, 3.0, 2.4);
    addWindow(m, living, 2, 3.0, 1.8);
    addDoor(m, living, 3, 5.0);
    addWindow(m, kitchen, 0, 2.0, 1.5);
    addWindow(m, kitchen, 1, 3.5, 1.2);
    addWindow(m, bed1, 0, 2.5, 1.5);
    addWindow(m, bed2, 0, 2.5, 1.5);
    addWindow(m, bed2, 1, 3.5, 1.2);

    const auto down = m.AddStairDown(bed1);
    const auto up = m.AddStairUp(living);
    if (!down || !up) throw std::runtime_error("no room for the stairwell");
    m.LastStairId = 1;
    m.StairsDown(bed1, down.index) = {m.NewZoneOptions.DefStairLength, m.NewZoneOptions.DefStairWidth, living,
                                      1};
    m.StairsUp(living, up.index) = {m.NewZoneOptions.DefStairLength, m.NewZoneOptions.DefStairWidth, bed1, 1};
    WriteHouseFile(m, folder / "house" / "Sample two storey_1.VOR");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sample_houses <program folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder / "house");
        singleLevel(folder);
        twoStorey(folder);
    } catch (const std::exception& e) {
        std::cerr << "sample_houses: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
