// The checks before a run: the project conditions, the element faults in their order, the lengths of
// the paths the card file names; a failing check beeps once, shows its boxes and runs nothing.
#include "modeller/engine_input/simulation_run.h"

#include "simulation_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace pelmora;
using namespace simulation_test;
using Boxes = std::vector<std::string>;

// Runs the simulate command on a house that `change` spoils, with an engine that is never started.
struct Checked {
    explicit Checked(const std::function<void(HouseModel&)>& change)
        : road(passingHouse(folder.path()), engine) {
        change(*road.model);
        road.model->ResultsCurrent = true;
        road.commands.SimulateSBClick();
    }
    ProgramFolder folder;
    CountingEngine engine;
    Road road;
};

void expectNothingRan(const Checked& c) {
    EXPECT_EQ(c.road.writer.calls, 0);
    EXPECT_TRUE(c.engine.folders.empty());
    EXPECT_TRUE(c.road.results.calls.empty());
    EXPECT_FALSE(c.road.model->ResultsCurrent);
    EXPECT_FALSE(std::filesystem::exists(c.folder / "SCRATCH"));
}

TEST(SimulationChecks, ProjectFaultsEachShowTheirBoxInOrderWithOneBeep) {
    struct Case {
        const char* name;
        std::function<void(HouseModel&)> change;
        Boxes boxes;
    };
    const std::string noZones(simulation_text::kNoZones), noClimate(simulation_text::kNoClimateFile),
        site(simulation_text::kLatitudeOrLongitude);
    const std::vector<Case> cases = {
        {"no zones and no climate file",
         [](HouseModel& m) {
             m.ZoneCount = 0;
             m.ClimateFileName.clear();
         },
         {noZones, noClimate}},
        {"latitude and longitude both zero", [](HouseModel& m) { m.Latitude = m.Longitude = 0.0; }, {site}},
        {"latitude exactly 0.1", [](HouseModel& m) { m.Latitude = 0.1; }, {site}},
        {"latitude exactly -0.1", [](HouseModel& m) { m.Latitude = -0.1; }, {site}},
        {"longitude 0.05", [](HouseModel& m) { m.Longitude = 0.05; }, {site}},
        {"all three",
         [](HouseModel& m) {
             m.ZoneCount = 0;
             m.ClimateFileName.clear();
             m.Longitude = -0.1;
         },
         {noZones, noClimate, site}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Checked checked(c.change);
        EXPECT_EQ(checked.road.boxes(), c.boxes);
        EXPECT_EQ(checked.road.messages.beeps, 1);
        expectNothingRan(checked);
    }
}

TEST(SimulationChecks, CoordinatesJustBeyondATenthOfADegreePass) {
    ProgramFolder folder;
    auto model = passingHouse(folder.path());
    model->Latitude = 0.1000001;
    model->Longitude = -0.1000001;
    EXPECT_TRUE(ProjectFaultMessages(*model).empty());
}

TEST(SimulationChecks, EachElementFaultNamesItsElementWallAndZone) {
    struct Case {
        const char* name;
        std::function<void(HouseModel&)> change;
        std::string box;
    };
    const std::vector<Case> cases = {
        {"suspended floor without under-floor height in zone 2",
         [](HouseModel& m) {
             addRectangle(m, 1, 200, 100, 300, 180);
             m.ZoneExtFloors(2).Material = 3;
             m.ZoneExtFloors(2).FloorVentilation = 1;
             m.ZoneExtFloors(2).UnderFloorHeight = 0.0;
         },
         "External floor height of zone 2  is zero."},
        {"window 2 of the first wall of zone 3 above the wall",
         [](HouseModel& m) {
             addRectangle(m, 1, 200, 100, 300, 180);
             addRectangle(m, 1, 300, 100, 400, 180);
             m.Walls(3, 0).WindowCount = 2;
             m.WallWindows(3, 0, 1).HeadHeight = 2.1;
             m.WallWindows(3, 0, 2).HeadHeight = 2.5;
         },
         "Window 2 wall 1 of zone 3  is higher than wall."},
        {"door of an external wall above it",
         [](HouseModel& m) {
             m.Walls(1, 2).DoorCount = 1;
             m.WallDoors(1, 2, 1).Height = 2.41;
         },
         "Door 1 wall 3 of zone 1  is higher than wall."},
        {"door of a partition wall above the partition height",
         [](HouseModel& m) {
             m.Walls(1, 1).AdjZone = 2;
             m.Walls(1, 1).PartHeight = 2.0;
             m.Walls(1, 1).DoorCount = 1;
             m.WallDoors(1, 1, 1).Height = 2.04;
         },
         "Door 1 wall 2 of zone 1  is higher than wall."},
        {"plain skylight of zero width",
         [](HouseModel& m) {
             m.Zones(1).SkylightCount = 2;
             m.ZoneSkylights(1, 1).Width = 600.0;
             m.ZoneSkylights(1, 1).Height = 600.0;
             m.ZoneSkylights(1, 2).Width = 0.0;
             m.ZoneSkylights(1, 2).Height = 600.0;
         },
         "Skylight 2 of zone 1 has zero area."},
        {"bad floor in zone 2 checked before a too-high window in zone 1",
         [](HouseModel& m) {
             m.Walls(1, 0).WindowCount = 1;
             m.WallWindows(1, 0, 1).HeadHeight = 3.0;
             addRectangle(m, 1, 200, 100, 300, 180);
             m.ZoneExtFloors(2).Material = 2;
             m.ZoneExtFloors(2).FloorVentilation = 2;
         },
         "External floor height of zone 2  is zero."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Checked checked(c.change);
        EXPECT_EQ(checked.road.boxes(), Boxes{c.box});
        EXPECT_EQ(checked.road.messages.beeps, 1);
        expectNothingRan(checked);
    }
}

TEST(SimulationChecks, ElementsWithinTheRulesPass) {
    ProgramFolder folder;
    auto model = passingHouse(folder.path());
    HouseModel& m = *model;
    m.Walls(1, 0).WindowCount = 1;
    m.WallWindows(1, 0, 1).HeadHeight = 2.4; // exactly at the wall height
    m.Walls(1, 1).AdjZone = 2;               // windows of partition walls are not examined
    m.Walls(1, 1).PartHeight = 2.4;
    m.Walls(1, 1).WindowCount = 1;
    m.WallWindows(1, 1, 1).HeadHeight = 9.0;
    m.Walls(1, 1).DoorCount = 1;
    m.WallDoors(1, 1, 1).Height = 2.4;
    m.Zones(1).SkylightCount = 1;
    m.ZoneSkylights(1, 1).Clerestory = true; // a clerestory of zero area
    m.ZoneExtFloors(1).Material = 1;         // slab on ground without under-floor height
    m.ZoneExtFloors(1).FloorVentilation = 1;
    const ModelFaults faults = CheckForErrors(m);
    EXPECT_TRUE(faults.allOK());
    EXPECT_TRUE(ElementFaultMessages(faults).empty());
}

TEST(SimulationChecks, ShowingTheInputFileSkipsTheElementChecks) {
    ProgramFolder folder;
    CountingEngine engine;
    Road road(passingHouse(folder.path()), engine);
    road.model->Walls(1, 0).WindowCount = 1;
    road.model->WallWindows(1, 0, 1).HeadHeight = 3.0;
    road.model->ResultsCurrent = true;
    road.commands.ScratchSBClick();
    EXPECT_TRUE(road.boxes().empty());
    EXPECT_EQ(road.writer.calls, 1);
    EXPECT_EQ(road.viewer.loaded, std::vector<std::filesystem::path>{folder / "SCRATCH"});
    EXPECT_EQ(road.viewer.captions, std::vector<std::string>{(folder / "SCRATCH").string()});
    EXPECT_TRUE(engine.folders.empty());
    EXPECT_TRUE(road.model->ResultsCurrent) << "showing the input file leaves the results as they were";
}

TEST(SimulationChecks, ShowingTheInputFileChecksTheProject) {
    ProgramFolder folder;
    CountingEngine engine;
    Road road(passingHouse(folder.path()), engine);
    road.model->ClimateFileName.clear();
    road.commands.ScratchSBClick();
    EXPECT_EQ(road.boxes(), Boxes{std::string(simulation_text::kNoClimateFile)});
    EXPECT_EQ(road.messages.beeps, 1);
    EXPECT_EQ(road.writer.calls, 0);
    EXPECT_TRUE(road.viewer.captions.empty());
}

// A program folder path of `length` characters (only the model's text; nothing is made on disk).
std::string folderOfLength(std::size_t length) {
    std::string path = "/tmp/";
    path += std::string(length - path.size(), 'p');
    return path;
}

TEST(SimulationChecks, PathsMustFitTheEnginesPathField) {
    ProgramFolder folder;
    auto model = passingHouse(folder.path());
    // The skylight library's path is the longest the folder gives: the folder + 34 characters.
    model->ProjectName = "P";
    model->RunNumber = 1;
    model->RootDir = folderOfLength(120 - 34);
    EXPECT_TRUE(PathLengthMessages(*model).empty()) << "exactly 120 characters fit";

    model->RootDir = folderOfLength(121 - 34);
    const Boxes folderTooLong = PathLengthMessages(*model);
    ASSERT_EQ(folderTooLong.size(), 1u);
    EXPECT_EQ(folderTooLong[0],
              std::string(simulation_text::kFolderTooLong) + "\"" + model->RootDir + "\". The path \"" +
                  model->RootDir +
                  "/data/windowdata/VORTskylights.VSG\" takes 121 characters, and the engine "
                  "reads at most 120.");

    // The hourly temperature file: the folder + "/temperature/" + project + run number + ".TEM".
    model->RootDir = "/home/assessor/rating";
    model->RunNumber = 12;
    const std::size_t room = 120 - model->RootDir.size() - 13 - 2 - 4;
    model->ProjectName = std::string(room, 'n');
    EXPECT_TRUE(PathLengthMessages(*model).empty());
    model->ProjectName += "n";
    const Boxes nameTooLong = PathLengthMessages(*model);
    ASSERT_EQ(nameTooLong.size(), 1u);
    EXPECT_EQ(nameTooLong[0].rfind(
                  std::string(simulation_text::kProjectNameTooLong) + "\"" + model->ProjectName + "\"", 0),
              0u);
    EXPECT_NE(nameTooLong[0].find("takes 121 characters"), std::string::npos);
}

TEST(SimulationChecks, ALongUnicodeNameCountsItsBytes) {
    ProgramFolder folder;
    auto model = passingHouse(folder.path());
    model->RootDir = "/home/a";
    model->RunNumber = 1;
    // 50 two-byte letters: 50 characters to a reader, 100 columns to the engine.
    model->ProjectName.clear();
    for (int i = 0; i < 50; ++i) model->ProjectName += "\xC3\xA9";
    EXPECT_EQ(PathLengthMessages(*model).size(), 1u);
}

TEST(SimulationChecks, APathTooLongStopsBothCommandsBeforeAnythingIsWritten) {
    ProgramFolder folder;
    CountingEngine engine;
    Road road(passingHouse(folder.path()), engine);
    road.model->ProjectName = std::string(120, 'x');
    road.commands.SimulateSBClick();
    road.commands.ScratchSBClick();
    ASSERT_EQ(road.boxes().size(), 2u);
    EXPECT_EQ(road.boxes()[0].rfind(simulation_text::kProjectNameTooLong, 0), 0u);
    EXPECT_EQ(road.messages.beeps, 2);
    EXPECT_EQ(road.writer.calls, 0);
    EXPECT_TRUE(engine.folders.empty());
    EXPECT_EQ(road.model->ZoneCount, 1);
}

} // namespace
