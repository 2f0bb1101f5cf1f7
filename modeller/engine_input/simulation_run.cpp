#include "modeller/engine_input/simulation_run.h"

#include "common/file_lookup.h"
#include "modeller/platform/message_service.h"

#include <cmath>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace pelmora {
namespace {

using namespace std::string_literals;

// Record numbers of "ExtFloormaterial.DB" that are suspended floors, which need an under-floor height.
bool isSuspendedFloorMaterial(std::int32_t record) {
    return record >= 2 && record <= 4;
}

std::string number(int n) {
    return std::to_string(n);
}

// The climate file, the glazing libraries and the hourly temperature file, as the card file names them.
constexpr std::string_view kClimateFolder = "Data/Climate/";
constexpr std::string_view kWindowLibrary = "data/windowdata/VORTwindows.VWG";
constexpr std::string_view kSkylightLibrary = "data/windowdata/VORTskylights.VSG";
constexpr std::string_view kTemperatureFolder = "temperature/";
constexpr std::string_view kTemperatureExtension = ".TEM";

// A file of the program folder as the card file names it.
std::string inFolder(const std::string& root, const std::string& relative) {
    if (root.empty() || root.back() == '/') return root + relative;
    return root + "/" + relative;
}

bool checkExtFloors(const HouseModel& model, ModelFaults& faults) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        const TExtFloorRec& floor = model.ZoneExtFloors(z);
        if (floor.FloorVentilation != 0 && floor.UnderFloorHeight == 0.0 &&
            isSuspendedFloorMaterial(floor.Material)) {
            faults.ExtFloorHeightOK = false;
            faults.FaultZone = number(z);
            return false;
        }
    }
    return true;
}

void setOpeningFault(ModelFaults& faults, int zone, int wall, int element) {
    faults.FaultZone = number(zone);
    faults.FaultWall = number(wall + 1);
    faults.FaultElement = number(element);
}

bool checkWindows(const HouseModel& model, ModelFaults& faults) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            const TWallRec& wall = model.Walls(z, w);
            if (wall.AdjZone != 0) continue;
            for (int k = 1; k <= wall.WindowCount; ++k) {
                if (model.WallWindows(z, w, k).HeadHeight <= wall.ExtHeight) continue;
                faults.WindowHeightOK = false;
                setOpeningFault(faults, z, w, k);
                return false;
            }
        }
    }
    return true;
}

// Doors of external walls (against the external height) or of partition walls (the partition height).
bool checkDoors(const HouseModel& model, ModelFaults& faults, bool partitions) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int w = 0; w < model.Zones(z).NodeCount; ++w) {
            const TWallRec& wall = model.Walls(z, w);
            if ((wall.AdjZone != 0) != partitions) continue;
            const double height = partitions ? wall.PartHeight : wall.ExtHeight; // m
            for (int k = 1; k <= wall.DoorCount; ++k) {
                if (model.WallDoors(z, w, k).Height <= height) continue;
                faults.DoorHeightOK = false;
                setOpeningFault(faults, z, w, k);
                return false;
            }
        }
    }
    return true;
}

bool checkSkylights(const HouseModel& model, ModelFaults& faults) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        for (int k = 1; k <= model.Zones(z).SkylightCount; ++k) {
            const TSkylightRec& skylight = model.ZoneSkylights(z, k);
            if (skylight.Width * skylight.Height != 0.0 || skylight.Clerestory) continue;
            faults.SkylightAreaOK = false;
            faults.FaultZone = number(z);
            faults.FaultElement = number(k);
            return false;
        }
    }
    return true;
}

bool coordinateFails(double degrees) {
    return !(std::fabs(degrees) > kMinimumCoordinate);
}

std::string inQuotes(std::string_view text) {
    return "\""s + std::string(text) + "\"";
}

std::string tooLongMessage(std::string_view opening, std::string_view what, const std::string& path) {
    return std::string(opening) + inQuotes(what) + ". The path " + inQuotes(path) +
           std::string(simulation_text::kPathTakes) + std::to_string(path.size()) +
           std::string(simulation_text::kPathLimit);
}

} // namespace

ModelFaults CheckForErrors(const HouseModel& model) {
    ModelFaults faults;
    if (!checkExtFloors(model, faults)) return faults;
    if (!checkWindows(model, faults)) return faults;
    if (!checkDoors(model, faults, false)) return faults;
    if (!checkDoors(model, faults, true)) return faults;
    checkSkylights(model, faults);
    return faults;
}

std::vector<std::string> ProjectFaultMessages(const HouseModel& model) {
    std::vector<std::string> messages;
    if (model.ZoneCount == 0) messages.emplace_back(simulation_text::kNoZones);
    if (model.ClimateFileName.empty()) messages.emplace_back(simulation_text::kNoClimateFile);
    if (coordinateFails(model.Latitude) || coordinateFails(model.Longitude))
        messages.emplace_back(simulation_text::kLatitudeOrLongitude);
    return messages;
}

std::vector<std::string> ElementFaultMessages(const ModelFaults& f) {
    using namespace simulation_text;
    const auto opening = [&f](std::string_view kind) {
        return std::string(kind) + f.FaultElement + std::string(kWall) + f.FaultWall + std::string(kOfZone) +
               f.FaultZone + std::string(kHigherThanWall);
    };
    if (!f.ExtFloorHeightOK) return {std::string(kExternalFloorHeight) + f.FaultZone + std::string(kIsZero)};
    if (!f.WindowHeightOK) return {opening(kWindow)};
    if (!f.DoorHeightOK) return {opening(kDoor)};
    if (!f.SkylightAreaOK)
        return {std::string(kSkylight) + f.FaultElement + std::string(kOfZone) + f.FaultZone +
                std::string(kZeroArea)};
    return {};
}

std::vector<EngineFilePath> EngineFilePaths(const HouseModel& model) {
    const std::string& root = model.RootDir;
    return {
        {inFolder(root, std::string(kClimateFolder) + model.ClimateFileName), false},
        {inFolder(root, std::string(kWindowLibrary)), false},
        {inFolder(root, std::string(kSkylightLibrary)), false},
        {inFolder(root, std::string(kTemperatureFolder) + model.ProjectName +
                            std::to_string(model.RunNumber) + std::string(kTemperatureExtension)),
         true},
    };
}

std::vector<std::string> PathLengthMessages(const HouseModel& model) {
    const EngineFilePath* longestOfFolder = nullptr;
    const EngineFilePath* ofProject = nullptr;
    const std::vector<EngineFilePath> paths = EngineFilePaths(model);
    for (const EngineFilePath& p : paths) {
        if (p.path.size() <= kEnginePathField) continue;
        if (p.namedByProject) {
            ofProject = &p;
        } else if (longestOfFolder == nullptr || p.path.size() > longestOfFolder->path.size()) {
            longestOfFolder = &p;
        }
    }
    std::vector<std::string> messages;
    if (longestOfFolder != nullptr)
        messages.push_back(
            tooLongMessage(simulation_text::kFolderTooLong, model.RootDir, longestOfFolder->path));
    if (ofProject != nullptr)
        messages.push_back(
            tooLongMessage(simulation_text::kProjectNameTooLong, model.ProjectName, ofProject->path));
    return messages;
}

bool RunCompleted(const EngineResult& result, bool anyZoneConditioned, bool energyFileWritten) {
    if (!result.started || result.crashed || result.exitCode != 0) return false;
    return energyFileWritten || !anyZoneConditioned;
}

std::string FailedRunMessage(const EngineResult& result, bool anyZoneConditioned, bool energyFileWritten) {
    using namespace simulation_text;
    std::string text(kUnsuccessful);
    text += "\n\n";
    if (!result.started) {
        text += std::string(kEngineNotStarted) + result.startError;
    } else if (result.crashed) {
        text += kEngineCrashed;
    } else if (result.exitCode != 0) {
        text += std::string(kEngineExitStatus) + std::to_string(result.exitCode) + ".";
    } else if (anyZoneConditioned && !energyFileWritten) {
        text += kNoEnergyFile;
    }
    if (result.consoleLines.empty()) return text;
    text += "\n\n";
    text += kEngineLastLines;
    const std::size_t count = result.consoleLines.size();
    const std::size_t first = count > kFailedRunLines ? count - kFailedRunLines : 0;
    for (std::size_t i = first; i < count; ++i) text += "\n" + result.consoleLines[i];
    return text;
}

bool AnyZoneConditioned(const HouseModel& model) {
    for (int z = 1; z <= model.ZoneCount; ++z) {
        if (model.IsConditioned(z)) return true;
    }
    return false;
}

std::vector<std::filesystem::path> EnergyFiles(const std::filesystem::path& programFolder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(programFolder, error)) {
        if (common::equalsIgnoringCase(entry.path().filename().string(), kRunEnergyFile))
            files.push_back(entry.path());
    }
    return files;
}

void DeleteEnergyFile(const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& file : EnergyFiles(programFolder)) {
        std::error_code error;
        std::filesystem::remove(file, error);
        if (error) throw std::runtime_error("Cannot delete " + file.string() + ": " + error.message());
    }
}

bool MessageStairwellQuestion::ConfirmStairwellDeletion(const std::string& text) {
    return messages_.confirm(QString::fromStdString(text), false) == platform::Answer::Yes;
}

void MessageStairwellQuestion::ReportDeletedWindows(const std::string& text) {
    messages_.information(QString::fromStdString(text));
}

bool SimulationCommands::reportFaults(const std::vector<std::string>& messages) {
    if (messages.empty()) return false;
    s_.messages.beep();
    for (const std::string& text : messages) s_.messages.information(QString::fromStdString(text));
    return true;
}

bool SimulationCommands::prepareCardFile() {
    if (ScratchCalcs(s_.model, s_.view, s_.question)) return false;
    s_.WriteScratchFile(s_.model);
    s_.viewer.LoadTextIntoViewer(scratchFile());
    return true;
}

void SimulationCommands::SimulateSBClick() {
    s_.model.ResultsCurrent = false;
    EngineRan = false;
    LastRunCompleted = false;
    Faults = CheckForErrors(s_.model);
    std::vector<std::string> messages = ProjectFaultMessages(s_.model);
    for (std::string& text : ElementFaultMessages(Faults)) messages.push_back(std::move(text));
    if (reportFaults(messages)) return;
    if (reportFaults(PathLengthMessages(s_.model))) return;
    if (!prepareCardFile()) return;

    DeleteEnergyFile(programFolder());
    RunEngine();
    const bool conditioned = AnyZoneConditioned(s_.model);
    const bool energyWritten = !EnergyFiles(programFolder()).empty();
    LastRunCompleted = RunCompleted(LastRun, conditioned, energyWritten);
    if (!LastRunCompleted) {
        s_.messages.beep();
        s_.messages.information(
            QString::fromStdString(FailedRunMessage(LastRun, conditioned, energyWritten)));
        return;
    }
    s_.results.ProcessSimulation();
    s_.results.ShowDelRecSB();
    s_.results.ShowAnalysis();
    s_.model.ResultsCurrent = true;
}

void SimulationCommands::ScratchSBClick() {
    if (reportFaults(ProjectFaultMessages(s_.model))) return;
    if (reportFaults(PathLengthMessages(s_.model))) return;
    if (!prepareCardFile()) return;
    s_.viewer.ShowViewer(scratchFile().string());
}

std::filesystem::path SimulationCommands::scratchFile() const {
    // The card file as the writer wrote it: an existing file in another letter case is the one.
    return common::resolveForWriting(programFolder(), kScratchFile);
}

int SimulationCommands::RunEngine() {
    LastRun = s_.engine.ExecAndWait(programFolder());
    EngineRan = true;
    if (!LastRun.started || LastRun.crashed) return -1;
    return LastRun.exitCode;
}

} // namespace pelmora
