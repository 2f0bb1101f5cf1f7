// The simulate and show-input-file commands of the main window as plain logic: the checks of the model
// before a run, the pre-simulation pass, the writing of the card file, the engine run and the
// judgement whether it completed, and the hand-over of the results.  The main window's buttons call
// SimulateSBClick and ScratchSBClick; everything on a screen (boxes, the engine's console window, the
// text viewer, the rating panel) is reached through the small interfaces below, so tests drive the
// whole road without widgets.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/plan_view.h"
#include "modeller/model/presimulation_pass.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class MessageService;
}

namespace pelmora {

// The texts of the commands' message boxes.
namespace simulation_text {
inline constexpr std::string_view kNoZones = "No Zones have been modelled.";
inline constexpr std::string_view kNoClimateFile = "No climate file has been selected.";
inline constexpr std::string_view kLatitudeOrLongitude = "Latitude or Longitude is incorrect.";
inline constexpr std::string_view kExternalFloorHeight = "External floor height of zone ";
inline constexpr std::string_view kIsZero = "  is zero.";
inline constexpr std::string_view kWindow = "Window ";
inline constexpr std::string_view kDoor = "Door ";
inline constexpr std::string_view kWall = " wall ";
inline constexpr std::string_view kOfZone = " of zone ";
inline constexpr std::string_view kHigherThanWall = "  is higher than wall.";
inline constexpr std::string_view kSkylight = "Skylight ";
inline constexpr std::string_view kZeroArea = " has zero area.";
inline constexpr std::string_view kUnsuccessful = "The simulation has been unsuccessful";
inline constexpr std::string_view kEngineNotStarted = "The simulation engine could not be started: ";
inline constexpr std::string_view kEngineExitStatus = "The simulation engine ended with status ";
inline constexpr std::string_view kEngineCrashed = "The simulation engine stopped abnormally.";
inline constexpr std::string_view kNoEnergyFile = "The simulation engine wrote no energy file.";
inline constexpr std::string_view kEngineLastLines = "The engine's last lines:";
inline constexpr std::string_view kFolderTooLong =
    "The program folder's path is too long for the simulation engine: ";
inline constexpr std::string_view kProjectNameTooLong =
    "The project name is too long for the simulation engine: ";
inline constexpr std::string_view kPathTakes = " takes ";
inline constexpr std::string_view kPathLimit = " characters, and the engine reads at most 120.";
} // namespace simulation_text

// The program the simulate command starts in the program folder, and the files it deals with there.
inline constexpr std::string_view kEngineProgram = "varonellengine";
inline constexpr std::string_view kScratchFile = "SCRATCH";
// The energy file the engine leaves; deleted before each run so that only a fresh one counts.
inline constexpr std::string_view kRunEnergyFile = "energy.txt";

// Characters of a path field on the card file; the engine keeps no more of a path.
constexpr std::size_t kEnginePathField = 120;
// Latitude and longitude must each lie further than this from zero.
constexpr double kMinimumCoordinate = 0.1; // degrees
// The engine's console lines that a failed run shows.
constexpr std::size_t kFailedRunLines = 12;

// What TMainForm.CheckForErrors found: the first element fault of the house, if any.
struct ModelFaults {
    bool ExtFloorHeightOK = true;
    bool WindowHeightOK = true;
    bool DoorHeightOK = true;
    bool SkylightAreaOK = true;
    std::string FaultZone;    // zone number
    std::string FaultWall;    // wall index + 1
    std::string FaultElement; // window, door or skylight number
    bool allOK() const { return ExtFloorHeightOK && WindowHeightOK && DoorHeightOK && SkylightAreaOK; }
};

// The element checks, in their order; the first fault found ends the check.
ModelFaults CheckForErrors(const HouseModel& model);
// The boxes of the project conditions (zones, climate file, latitude and longitude), in order.
std::vector<std::string> ProjectFaultMessages(const HouseModel& model);
// The box of the element fault found, if any.
std::vector<std::string> ElementFaultMessages(const ModelFaults& faults);

// A path that the card file names, as the card writer builds it.
struct EngineFilePath {
    std::string path;
    bool namedByProject = false; // the project name and run number are part of it
};
// The full paths on the card file: the climate file, the two glazing libraries and the hourly
// temperature file.
std::vector<EngineFilePath> EngineFilePaths(const HouseModel& model);
// One box for every path that does not fit the engine's path field, saying which it is and how long.
// Lengths count bytes, as the engine counts columns.
std::vector<std::string> PathLengthMessages(const HouseModel& model);

// The end of one engine run.
struct EngineResult {
    bool started = false;
    bool crashed = false; // ended by a signal or an abnormal stop, not by its own exit
    int exitCode = -1;    // -1 when it was not started
    std::string startError;
    std::vector<std::string> consoleLines; // every line the engine wrote to its console
};

// A run completed when the engine started, exited by itself with status 0, and (when some zone is
// conditioned) left a new energy file.
bool RunCompleted(const EngineResult& result, bool anyZoneConditioned, bool energyFileWritten);
// The box of a run that did not complete: why, and the engine's last console lines.
std::string FailedRunMessage(const EngineResult& result, bool anyZoneConditioned, bool energyFileWritten);

bool AnyZoneConditioned(const HouseModel& model);
// Every file of the program folder named energy.txt in any letter case; none when there is none.
std::vector<std::filesystem::path> EnergyFiles(const std::filesystem::path& programFolder);
// Deletes the energy file of an earlier run, so that only this run's file can be read after it.
// Raises an error naming the file when it cannot be deleted.
void DeleteEnergyFile(const std::filesystem::path& programFolder);

// Starts the engine in the program folder and waits for it without a time limit.
class EngineRunner {
  public:
    virtual ~EngineRunner() = default;
    virtual EngineResult ExecAndWait(const std::filesystem::path& programFolder) = 0;
};

// The text viewer of the card file.
class ScratchViewer {
  public:
    virtual ~ScratchViewer() = default;
    virtual void LoadTextIntoViewer(const std::filesystem::path& file) = 0;
    // Shows the viewer, not modal, with the caption.
    virtual void ShowViewer(const std::string& caption) = 0;
};

// What follows a completed run: the results subsystem and the main window's star panel.
class SimulationHandOver {
  public:
    virtual ~SimulationHandOver() = default;
    // Reads the energy file into a new simulation record and shows its rating.
    virtual void ProcessSimulation() = 0;
    // Shows the star panel's "Delete Simulation Records" button.
    virtual void ShowDelRecSB() = 0;
    // Opens the analysis dialog modally; returns when it closes.
    virtual void ShowAnalysis() = 0;
};

// The stairwell question of the pre-simulation pass as a Yes/No box, its deleted windows as an
// information box.
class MessageStairwellQuestion : public StairwellQuestion {
  public:
    explicit MessageStairwellQuestion(platform::MessageService& messages) : messages_(messages) {}
    bool ConfirmStairwellDeletion(const std::string& text) override;
    void ReportDeletedWindows(const std::string& text) override;

  private:
    platform::MessageService& messages_;
};

// Writes the card file SCRATCH in the model's program folder.
using ScratchWriter = std::function<void(HouseModel&)>;

struct SimulationServices {
    HouseModel& model;
    platform::MessageService& messages;
    PlanView& view;
    StairwellQuestion& question;
    ScratchWriter WriteScratchFile;
    EngineRunner& engine;
    ScratchViewer& viewer;
    SimulationHandOver& results;
};

class SimulationCommands {
  public:
    explicit SimulationCommands(SimulationServices services) : s_(std::move(services)) {}

    // The simulate button: checks, pass, card file, engine, hand-over.
    void SimulateSBClick();
    // The "Display SCRATCH File" button: the project checks, the pass, the card file, the viewer.
    void ScratchSBClick();
    // Starts the engine and waits for it; always sets EngineRan.  Returns the exit status, or -1 when
    // the engine could not be started or did not end by itself.
    int RunEngine();

    bool EngineRan = false;
    ModelFaults Faults;   // of the last CheckForErrors
    EngineResult LastRun; // of the last RunEngine
    bool LastRunCompleted = false;

  private:
    // Beeps once and shows each box; false when there was any.
    bool reportFaults(const std::vector<std::string>& messages);
    // The pass and the card file; false when the pass was cancelled.
    bool prepareCardFile();
    std::filesystem::path programFolder() const { return s_.model.RootDir; }
    std::filesystem::path scratchFile() const;

    SimulationServices s_;
};

} // namespace pelmora
