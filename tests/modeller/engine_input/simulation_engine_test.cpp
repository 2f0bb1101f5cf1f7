// A sample house of the program folder the whole road with the real engine: checks, pre-simulation
// pass, card file, engine, and the fresh energy file handed on.
#include "common/text_values.h"
#include "modeller/engine_input/engine_process.h"
#include "modeller/engine_input/scratch_writer.h"
#include "modeller/engine_input/simulation_run.h"
#include "modeller/model/house_file.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/model/product_libraries.h"

#include "simulation_fixture.h"
#include "tests/support/program_folder_mirror.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

using namespace pelmora;
using namespace simulation_test;
namespace fs = std::filesystem;

// The modeller's card file writer over the material tables and product libraries of the model's
// program folder, as the application sets it up at start-up.
struct CardFileWriter {
    explicit CardFileWriter(HouseModel& model) {
        database.SetAlias(MaterialDatabase::kAlias, fs::path(model.RootDir) / "Data");
        // The wall thicknesses of the level defaults, which the program sets at start-up.
        FillThicknessByMaterial(model, tables);
        ReadWindowLibrary(model);
        ReadSkylightLibrary(model);
    }
    ScratchWriter writer() {
        return [this](HouseModel& model) {
            scratch = std::make_unique<Scratch>(model, tables, buffers);
            WriteScratchFile(*scratch);
        };
    }
    MaterialDatabase database;
    MaterialTables tables{database};
    EditorBuffers buffers;
    std::unique_ptr<Scratch> scratch;
};

bool holdsZoneCards(const fs::path& scratch) {
    for (const std::string& line : common::readTextLines(scratch)) {
        if (line.starts_with(" 3")) return true;
    }
    return false;
}

// The months the engine finished: its console line " CALCULATIONS COMPLETED FOR JAN" and so on.
int monthsCompleted(const EngineResult& run) {
    int months = 0;
    for (const std::string& line : run.consoleLines) {
        if (line.find("CALCULATIONS COMPLETED FOR") != std::string::npos) ++months;
    }
    return months;
}

// The hour rows of an energy file: the lines after its five head lines.
std::size_t energyHourRows(const fs::path& file) {
    const std::vector<std::string> lines = common::readTextLines(file);
    constexpr std::size_t kHeadLines = 5;
    return lines.size() > kHeadLines ? lines.size() - kHeadLines : 0;
}

// The house of `houseFile` in a program folder mirrored at `root`.
std::unique_ptr<HouseModel> houseIn(const fs::path& root, const fs::path& houseFile) {
    test_support::mirrorProgramFolder(PROGRAM_FOLDER, root);
    auto model = std::make_unique<HouseModel>();
    ReadHouseFile(*model, houseFile);
    model->RootDir = root.string();
    return model;
}

const fs::path kSingleLevelSample = fs::path(PROGRAM_FOLDER) / "house" / "Sample single level_1.VOR";

// The single-level sample house in a program folder mirrored at `root`, sited in climate 21.
std::unique_ptr<HouseModel> sampleHouse(const fs::path& root) {
    auto model = houseIn(root, kSingleLevelSample);
    model->ClimateFileName = "climat21.TXT";
    model->ClimateZone = 21;
    model->Latitude = -33.9;
    model->Longitude = 151.2;
    return model;
}

TEST(SimulationEngine, ASampleHouseRunsAndHandsOnAFreshEnergyFile) {
    ProgramFolder folder;
    auto model = sampleHouse(folder.path());
    CardFileWriter cards(*model);
    HeadlessEngineRunner engine;
    Road road(std::move(model), engine, cards.writer());
    road.commands.SimulateSBClick();
    ASSERT_EQ(road.writer.calls, 0);
    ASSERT_TRUE(road.commands.EngineRan) << (road.boxes().empty() ? "" : road.boxes()[0]);
    if (!holdsZoneCards(folder / "SCRATCH"))
        GTEST_SKIP() << "The card file holds no zone cards yet: the zone writers are not on this branch.";
    const EngineResult& run = road.commands.LastRun;
    if (run.exitCode == 0 && monthsCompleted(run) == 0)
        GTEST_SKIP() << "The engine does not run the year yet: it ended after its input, finishing no month.";
    EXPECT_TRUE(road.boxes().empty()) << (road.boxes().empty() ? "" : road.boxes()[0]);
    EXPECT_TRUE(road.commands.LastRunCompleted);
    EXPECT_EQ(monthsCompleted(run), 12);
    ASSERT_EQ(EnergyFiles(folder.path()).size(), 1u);
    EXPECT_EQ(energyHourRows(EnergyFiles(folder.path())[0]), 8760u) << "one row for every hour of the year";
    EXPECT_EQ(road.results.calls,
              (std::vector<std::string>{"ProcessSimulation", "ShowDelRecSB", "ShowAnalysis"}));
    EXPECT_TRUE(road.model->ResultsCurrent);
}

// The simulate command over a house with the real card writer and the real engine.
struct RealRoad {
    explicit RealRoad(std::unique_ptr<HouseModel> house)
        : cards(*house), road(std::move(house), engine, cards.writer()) {}
    // Simulates the house and expects the engine to complete the year.
    void expectTheYearRuns() {
        road.commands.SimulateSBClick();
        EXPECT_TRUE(road.boxes().empty()) << (road.boxes().empty() ? "" : road.boxes()[0]);
        EXPECT_TRUE(road.commands.LastRunCompleted);
        EXPECT_EQ(monthsCompleted(road.commands.LastRun), 12);
    }
    CardFileWriter cards;
    HeadlessEngineRunner engine;
    Road road;
};

// A house file whose lines end in CR CR LF (a CR LF file converted once more) names its climate file
// without a CR, so the engine finds the weather and runs the year.
TEST(SimulationEngine, AHouseFileWithDoubledCarriageReturnsRunsTheYear) {
    ProgramFolder folder;
    std::string doubled;
    for (const char c : readFile(kSingleLevelSample)) {
        if (c == '\r') doubled += '\r';
        doubled += c;
    }
    writeFile(folder / "doubled.VOR", doubled);
    auto model = houseIn(folder.path(), folder / "doubled.VOR");
    ASSERT_EQ(model->ClimateFileName, "climat62.TXT");
    RealRoad(std::move(model)).expectTheYearRuns();
}

// The two-storey sample with a zone of no area on the upper level that has a stairwell down into the
// living room: the pass removes the zone with both halves of its stairwell, and the house runs the
// year with the one real stairwell left.
TEST(SimulationEngine, AZoneOfNoAreaWithAStairwellIsRemovedWithItAndTheYearRuns) {
    ProgramFolder folder;
    auto model = houseIn(folder.path(), fs::path(PROGRAM_FOLDER) / "house" / "Sample two storey_1.VOR");
    HouseModel& m = *model;
    const int living = 1, bed1 = 3;
    ASSERT_EQ(m.Zones(living).Name, "Living");
    ASSERT_EQ(m.StairsUp(living, 1).Zone, bed1);
    const int empty = m.AddZone().index;
    m.Zones(empty) = m.Zones(bed1);
    m.Zones(empty).Name = "Landing";
    m.Zones(empty).NodeCount = 3;
    m.Zones(empty).FloorArea = 0.0;
    for (int n = 0; n < 3; ++n) m.Walls(empty, n) = m.Walls(bed1, 0);
    m.Zones(empty).StairDownCount = 1;
    m.StairsDown(empty, 1) = {1000.0, 1000.0, living, 2};
    m.StairsUp(living, m.AddStairUp(living).index) = {1000.0, 1000.0, empty, 2};
    RealRoad run(std::move(model));
    run.expectTheYearRuns();
    const HouseModel& passed = *run.road.model;
    EXPECT_EQ(passed.ZoneCount, 4);
    ASSERT_EQ(passed.Zones(living).StairUpCount, 1);
    EXPECT_EQ(passed.StairsUp(living, 1).Zone, bed1);
}

// Every card of the card file that defines or uses building section 50, the earth under a floor space:
// its name and layer cards (" 2N  50", " 2 50") and the surface cards of data type 3 numbered 50.
std::vector<std::string> earthCards(const fs::path& scratch) {
    std::vector<std::string> found;
    for (const std::string& line : common::readTextLines(scratch)) {
        const bool section = line.starts_with(" 2N  50") || line.starts_with(" 2 50");
        const bool surface = line.starts_with(" 3") && line.size() >= 8 && line.substr(5, 3) == " 50";
        if (section || surface) found.push_back(line);
    }
    return found;
}

// Both samples put on stumps: every floor of level 1 suspended over outside air ("Very Open") in
// timber, particleboard and concrete.  Nothing of the house rests on the earth, so the card file has
// no earth section, and the house runs the year and is rated.
TEST(SimulationEngine, ASampleHouseOnStumpsIsSimulatedAndRated) {
    for (const char* sample : {"Sample single level_1.VOR", "Sample two storey_1.VOR"}) {
        for (const int material : {2, 3, 4}) { // records of ExtFloormaterial
            SCOPED_TRACE(std::string(sample) + ", floor record " + std::to_string(material));
            ProgramFolder folder;
            auto model = houseIn(folder.path(), fs::path(PROGRAM_FOLDER) / "house" / sample);
            for (int z = 1; z <= model->ZoneCount; ++z) {
                if (model->Zones(z).Level != 1) continue;
                model->ZoneExtFloors(z).Material = material;
                model->ZoneExtFloors(z).FloorVentilation = 0;
            }
            RealRoad run(std::move(model));
            run.expectTheYearRuns();
            EXPECT_EQ(earthCards(folder / "SCRATCH"), std::vector<std::string>{});
            ASSERT_EQ(EnergyFiles(folder.path()).size(), 1u);
            EXPECT_EQ(energyHourRows(EnergyFiles(folder.path())[0]), 8760u);
            EXPECT_EQ(run.road.results.calls,
                      (std::vector<std::string>{"ProcessSimulation", "ShowDelRecSB", "ShowAnalysis"}));
        }
    }
}

// Values of a model that the house file and the dialogs refuse, set in the model some other way, stop
// the card writer with the element named: the engine never starts, and nothing is written beside the
// program folder.
TEST(SimulationEngine, WhatTheEngineCannotTakeNeverReachesIt) {
    const struct {
        const char* what;
        std::function<void(HouseModel&)> spoil;
        const char* expected;
    } cases[] = {
        {"a project name that leads out of the program folder",
         [](HouseModel& m) { m.ProjectName = "../../x"; },
         "the project name \"../../x\" cannot name the hourly temperature file"},
        {"a monthly shading of 101 %", [](HouseModel& m) { m.WallWindows(1, 0, 1).MonthlyShading(3) = 101; },
         "zone 1 (Living), wall 0, window 1: the shading of month 3 is 101 %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramFolder folder;
        auto model = sampleHouse(folder.path());
        c.spoil(*model);
        RealRoad run(std::move(model));
        try {
            run.road.commands.SimulateSBClick();
            ADD_FAILURE() << "the card writer took it";
        } catch (const ScratchError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
        }
        EXPECT_FALSE(run.road.commands.EngineRan);
        EXPECT_FALSE(fs::exists(folder / "SCRATCH"));
        EXPECT_FALSE(fs::exists(folder.path().parent_path() / "x1.TEM"));
    }
}

// The check before the card file and the card writer agree on the longest program folder that fits:
// with it the file is written, and one character more is refused before anything is written.
TEST(SimulationEngine, TheLongestProgramFolderThatFitsIsTheOneTheWriterTakes) {
    ProgramFolder base;
    // The skylight library's path is the longest the folder gives: the folder + 34 characters.
    const std::size_t longest = kEnginePathField - 34;
    const std::string stem = base.path().string() + "/";
    ASSERT_LT(stem.size() + 1, longest);
    for (const std::size_t length : {longest, longest + 1}) {
        SCOPED_TRACE(length);
        const fs::path root = stem + std::string(length - stem.size(), length == longest ? 'a' : 'b');
        fs::create_directories(root / "Data");
        fs::create_directories(root / "temperature");
        auto model = sampleHouse(root);
        model->ProjectName = "S"; // the temperature file's path stays shorter than the library's
        CardFileWriter cards(*model);
        CountingEngine engine;
        Road road(std::move(model), engine, cards.writer());
        road.commands.ScratchSBClick();
        if (length == longest) {
            EXPECT_TRUE(road.boxes().empty()) << road.boxes().front();
            EXPECT_EQ(road.viewer.captions.size(), 1u);
            continue;
        }
        ASSERT_EQ(road.boxes().size(), 1u);
        EXPECT_EQ(road.boxes()[0].rfind(simulation_text::kFolderTooLong, 0), 0u);
        EXPECT_FALSE(fs::exists(root / "SCRATCH"));
        EXPECT_THROW(cards.writer()(*road.model), ScratchError) << "the writer would have refused it too";
    }
}

} // namespace
