// The whole simulate command with stand-in engines started as child processes in a program folder of
// the test's own: the run that completes is handed on, every other end is reported as failed and
// leaves the rating history as it was.
#include "modeller/engine_input/engine_process.h"
#include "modeller/engine_input/simulation_run.h"

#include "simulation_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace pelmora;
using namespace simulation_test;
namespace fs = std::filesystem;

const std::string kHistory = "old rating 1\r\nold rating 2\r\n";

// A program folder with the stand-in engine, a rating history from earlier runs and the energy file an
// earlier run left, and the commands over a house that passes every check.
struct StandInRun {
    explicit StandInRun(const char* standIn) : folder(standIn), road(passingHouse(folder.path()), engine) {
        writeFile(folder / "Data/PASTRATE.TXT", kHistory);
        writeFile(folder / "ENERGY.TXT", "energy file of an earlier run\r\n");
    }
    void simulate() { road.commands.SimulateSBClick(); }
    std::string history() const { return readFile(folder / "Data/PASTRATE.TXT"); }

    ProgramFolder folder;
    HeadlessEngineRunner engine;
    Road road;
};

void expectFailed(const StandInRun& run, const std::string& why, const std::string& lastLine) {
    const std::vector<std::string> boxes = run.road.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(simulation_text::kUnsuccessful, 0), 0u) << boxes[0];
    EXPECT_NE(boxes[0].find(why), std::string::npos) << boxes[0];
    if (!lastLine.empty()) {
        EXPECT_NE(boxes[0].find(std::string(simulation_text::kEngineLastLines) + "\n"), std::string::npos);
        EXPECT_EQ(boxes[0].substr(boxes[0].size() - lastLine.size()), lastLine) << boxes[0];
    }
    EXPECT_EQ(run.road.messages.beeps, 1);
    EXPECT_TRUE(run.road.commands.EngineRan);
    EXPECT_FALSE(run.road.commands.LastRunCompleted);
    EXPECT_TRUE(run.road.results.calls.empty());
    EXPECT_EQ(run.history(), kHistory);
    EXPECT_FALSE(run.road.model->ResultsCurrent);
}

TEST(SimulationRun, ACompletedRunIsHandedOnWithItsFreshEnergyFile) {
    StandInRun run(STANDIN_ENGINE_COMPLETES);
    run.simulate();
    EXPECT_TRUE(run.road.boxes().empty());
    EXPECT_EQ(run.road.writer.calls, 1);
    EXPECT_EQ(run.road.viewer.loaded, std::vector<fs::path>{run.folder / "SCRATCH"});
    EXPECT_TRUE(run.road.viewer.captions.empty()) << "the simulate command does not show the viewer";
    // Started in the program folder, as its working directory.
    EXPECT_EQ(
        fs::path(readFile(run.folder / "standin_workdir.txt").substr(0, run.folder.path().string().size())),
        run.folder.path());
    // The earlier run's file was deleted; what is there now is this run's.
    EXPECT_EQ(EnergyFiles(run.folder.path()), std::vector<fs::path>{run.folder / "energy.txt"});
    EXPECT_EQ(readFile(run.folder / "energy.txt"), "stand-in energy file\r\n");
    EXPECT_EQ(run.road.results.calls,
              (std::vector<std::string>{"ProcessSimulation", "ShowDelRecSB", "ShowAnalysis"}));
    EXPECT_TRUE(run.road.model->ResultsCurrent);
    EXPECT_TRUE(run.road.commands.EngineRan);
    EXPECT_EQ(run.road.commands.LastRun.exitCode, 0);
    // Every console line, one per month after the banner.
    const std::vector<std::string>& lines = run.road.commands.LastRun.consoleLines;
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines.front(), " Stand-in engine");
    EXPECT_EQ(lines.back(), " Month 12 completed");
}

TEST(SimulationRun, AnEngineEndingWithANonZeroStatusFails) {
    StandInRun run(STANDIN_ENGINE_FAILS);
    run.simulate();
    expectFailed(run, "ended with status 3.", " Run ended abnormally");
    EXPECT_EQ(run.road.commands.RunEngine(), 3);
}

TEST(SimulationRun, NoNewEnergyFileForAConditionedHouseFailsThoughTheOldOneWasThere) {
    StandInRun run(STANDIN_ENGINE_WRITES_NO_ENERGY);
    run.simulate();
    expectFailed(run, std::string(simulation_text::kNoEnergyFile), " Month 12 completed");
    EXPECT_TRUE(EnergyFiles(run.folder.path()).empty()) << "the earlier run's energy file must not be read";
}

TEST(SimulationRun, AFreeRunningHouseNeedsNoEnergyFile) {
    StandInRun run(STANDIN_ENGINE_WRITES_NO_ENERGY);
    run.road.model->Zones(1).Heated = false;
    run.road.model->Zones(1).Cooled = false;
    run.simulate();
    EXPECT_TRUE(run.road.boxes().empty());
    EXPECT_TRUE(run.road.commands.LastRunCompleted);
    EXPECT_EQ(run.road.results.calls.size(), 3u);
    EXPECT_TRUE(run.road.model->ResultsCurrent);
}

TEST(SimulationRun, AnEngineThatAbortsFailsEvenWithAnEnergyFile) {
    StandInRun run(STANDIN_ENGINE_ABORTS);
    run.simulate();
    expectFailed(run, std::string(simulation_text::kEngineCrashed), " Month 12 completed");
    EXPECT_EQ(run.road.commands.RunEngine(), -1);
}

TEST(SimulationRun, AMissingEngineFailsWithoutWaiting) {
    StandInRun run("");
    run.simulate();
    expectFailed(
        run, std::string(simulation_text::kEngineNotStarted) + (run.folder / "varonellengine").string(), "");
    EXPECT_FALSE(run.road.commands.LastRun.started);
    EXPECT_EQ(run.road.commands.RunEngine(), -1);
}

TEST(SimulationRun, FailedRunMessageShowsOnlyTheLastLines) {
    EngineResult result{true, false, 1, {}, {}};
    for (int i = 1; i <= 30; ++i) result.consoleLines.push_back("line " + std::to_string(i));
    const std::string text = FailedRunMessage(result, true, false);
    EXPECT_EQ(text.find("line 18\n"), std::string::npos);
    EXPECT_NE(text.find("\nline 19\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 8), "\nline 30");
}

// Level 1: zone 1 of 5 m by 4 m.  Level 2: zone 2 of 3 m by 2 m over its corner, with a stairwell of
// 7.2 m2 down into zone 1, larger than the 6 m2 the two zones share.
std::unique_ptr<HouseModel> houseWithImpossibleStairwell(const fs::path& folder) {
    auto model = passingHouse(folder);
    model->LevelCount = 2;
    addRectangle(*model, 2, 100, 100, 160, 140);
    model->Zones(2).StairDownCount = 1;
    model->StairsDown(2, 1) = {2400.0, 3000.0, 1, 1};
    model->Zones(1).StairUpCount = 1;
    model->StairsUp(1, 1) = {2400.0, 3000.0, 2, 1};
    model->LastStairId = 1;
    return model;
}

TEST(SimulationRun, DecliningTheStairwellDeletionCancelsWithoutAMessage) {
    ProgramFolder folder(STANDIN_ENGINE_COMPLETES);
    CountingEngine engine;
    Road road(houseWithImpossibleStairwell(folder.path()), engine);
    road.messages.answerNext(platform::Answer::No);
    road.model->ResultsCurrent = true;
    road.commands.SimulateSBClick();
    ASSERT_EQ(road.messages.confirmations().size(), 1u);
    EXPECT_EQ(road.messages.confirmations()[0].toStdString(), StairwellQuestionText(2, 1));
    EXPECT_TRUE(road.boxes().empty());
    EXPECT_EQ(road.messages.beeps, 0);
    EXPECT_EQ(road.writer.calls, 0);
    EXPECT_TRUE(engine.folders.empty());
    EXPECT_FALSE(road.model->ResultsCurrent);
    EXPECT_FALSE(road.commands.EngineRan);
}

TEST(SimulationRun, AcceptingTheStairwellDeletionRunsOn) {
    ProgramFolder folder(STANDIN_ENGINE_COMPLETES);
    CountingEngine engine;
    Road road(houseWithImpossibleStairwell(folder.path()), engine);
    road.messages.answerNext(platform::Answer::Yes);
    road.commands.SimulateSBClick();
    EXPECT_EQ(road.model->Zones(2).StairDownCount, 0);
    EXPECT_EQ(road.writer.calls, 1);
    EXPECT_EQ(engine.folders, std::vector<fs::path>{folder.path()});
}

// A window whose centre lies on the part of a wall that another zone shares cannot be simulated: the
// pass deletes it and says which one went, and the run goes on.
TEST(SimulationRun, WindowsDeletedFromSharedWallsAreNamed) {
    ProgramFolder folder(STANDIN_ENGINE_COMPLETES);
    CountingEngine engine;
    auto house = passingHouse(folder.path());
    house->Zones(1).Name = "Living";
    // Zone 2 shares the lower half of zone 1's east wall, (200,140) to (200,180).
    addRectangle(*house, 1, 200, 140, 260, 220);
    const auto addWindow = [&](int wall, double position, TPlanPoint node) {
        const int k = house->AddWindow(1, wall).index;
        house->WallWindows(1, wall, k) = TWindowRec{};
        house->WallWindows(1, wall, k).Position = position; // m from the wall's start
        house->WallWindows(1, wall, k).Width = 1.2;
        house->WallWindows(1, wall, k).NodePoint = node;
    };
    addWindow(0, 2.5, {150, 100}); // north, outside
    addWindow(1, 1.0, {200, 120}); // east, on the part outside
    addWindow(1, 3.0, {200, 160}); // east, on the shared part
    Road road(std::move(house), engine);
    road.commands.SimulateSBClick();
    // The first box; the stand-in engine writes no energy file, which a later box reports.
    ASSERT_FALSE(road.boxes().empty());
    EXPECT_EQ(road.boxes().front(),
              "Windows cannot stand on a wall between two zones. These windows were deleted:\n"
              "Window 1 of Wall 3 of Zone 1 (Living), 1.20 m wide");
    EXPECT_EQ(road.model->Walls(1, 0).WindowCount, 1);
    EXPECT_EQ(road.model->Walls(1, 1).WindowCount, 1);
    EXPECT_EQ(road.model->Walls(1, 2).WindowCount, 0);
    EXPECT_EQ(road.writer.calls, 1) << "the run goes on";
    EXPECT_EQ(engine.folders, std::vector<fs::path>{folder.path()});
}

} // namespace
