// What the simulation run's tests share: a program folder of the test's own with a stand-in engine,
// small houses, and recording stand-ins for the card writer, the viewer and the results subsystem.
#pragma once

#include "modeller/engine_input/simulation_run.h"
#include "modeller/platform/message_service.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace simulation_test {

// A fresh program folder under the system's temporary folder, removed again at the end of the test,
// with the Data and temperature folders.  `engine` (a stand-in's path, or empty for none) is copied
// into it as varonellengine.
class ProgramFolder {
  public:
    explicit ProgramFolder(const std::filesystem::path& engine = {});
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }

  private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& text);

// A house that passes every check: one heated and cooled zone of 5 m by 4 m on level 1, external walls
// 2.4 m high, a climate file and a site far from the zero meridian and the equator.
std::unique_ptr<pelmora::HouseModel> passingHouse(const std::filesystem::path& programFolder);
// Adds a rectangular zone from (x0, y0) to (x1, y1) px on the level, external walls of `height` m.
int addRectangle(pelmora::HouseModel& model, int level, int x0, int y0, int x1, int y1, double height = 2.4);

// Writes a one-line SCRATCH in the program folder, counting its calls.
struct RecordingWriter {
    int calls = 0;
    pelmora::ScratchWriter writer();
};

class RecordingViewer : public pelmora::ScratchViewer {
  public:
    void LoadTextIntoViewer(const std::filesystem::path& file) override { loaded.push_back(file); }
    void ShowViewer(const std::string& caption) override { captions.push_back(caption); }
    std::vector<std::filesystem::path> loaded;
    std::vector<std::string> captions;
};

// Stands in for the results subsystem: its ProcessSimulation adds a line to the rating history file,
// as the real one rewrites it, so a test sees whether the history was touched.
class RecordingHandOver : public pelmora::SimulationHandOver {
  public:
    explicit RecordingHandOver(std::filesystem::path historyFile) : historyFile_(std::move(historyFile)) {}
    void ProcessSimulation() override;
    void ShowDelRecSB() override { calls.emplace_back("ShowDelRecSB"); }
    void ShowAnalysis() override { calls.emplace_back("ShowAnalysis"); }
    std::vector<std::string> calls;

  private:
    std::filesystem::path historyFile_;
};

// An engine that is never started: it counts the requests and returns a set result.
class CountingEngine : public pelmora::EngineRunner {
  public:
    pelmora::EngineResult ExecAndWait(const std::filesystem::path& programFolder) override {
        folders.push_back(programFolder);
        return result;
    }
    pelmora::EngineResult result{true, false, 0, {}, {}};
    std::vector<std::filesystem::path> folders;
};

// The commands with every service they use, over a house in a program folder.
struct Road {
    // With no writer given, the recording writer writes the card file.
    Road(std::unique_ptr<pelmora::HouseModel> house, pelmora::EngineRunner& engine,
         pelmora::ScratchWriter cardWriter = {});
    std::unique_ptr<pelmora::HouseModel> model;
    platform::ScriptedMessageService messages;
    pelmora::SilentPlanView view;
    pelmora::MessageStairwellQuestion question{messages};
    RecordingWriter writer;
    RecordingViewer viewer;
    RecordingHandOver results;
    pelmora::SimulationCommands commands;

    std::vector<std::string> boxes() const;
};

} // namespace simulation_test
