#include "simulation_fixture.h"

#include "modeller/model/plan_geometry.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace simulation_test {

namespace fs = std::filesystem;
using pelmora::HouseModel;

ProgramFolder::ProgramFolder(const fs::path& engine) {
    static std::atomic<int> serial{0};
    path_ = fs::temp_directory_path() /
            ("simulation_run_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    fs::remove_all(path_);
    fs::create_directories(path_ / "Data");
    fs::create_directories(path_ / "temperature");
    if (engine.empty()) return;
    fs::copy_file(engine, path_ / std::string(pelmora::kEngineProgram));
    fs::permissions(path_ / std::string(pelmora::kEngineProgram), fs::perms::owner_all,
                    fs::perm_options::add);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

int addRectangle(HouseModel& model, int level, int x0, int y0, int x1, int y1, double height) {
    const int z = model.AddZone().index;
    model.Zones(z) = {};
    model.Zones(z).Level = level;
    model.Zones(z).Name = "Zone " + std::to_string(z);
    const pelmora::TPlanPoint corners[] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    int n = 0;
    for (const pelmora::TPlanPoint p : corners) {
        model.ZoneNodes(z, n) = p;
        model.Walls(z, n) = {};
        model.Walls(z, n).Start = p;
        model.Walls(z, n).ExtHeight = height;
        model.Walls(z, n).PartHeight = height;
        ++n;
    }
    model.Zones(z).NodeCount = n;
    model.Zones(z).FloorArea = pelmora::Area(model, z);
    return z;
}

std::unique_ptr<HouseModel> passingHouse(const fs::path& programFolder) {
    auto model = std::make_unique<HouseModel>();
    model->Magnification = 1.0;
    model->LevelCount = 1;
    model->CurrentLevel = 1;
    model->RootDir = programFolder.string();
    model->ProjectName = "Test house";
    model->RunNumber = 1;
    model->ClimateFileName = "climat21.TXT";
    model->ClimateZone = 21;
    model->Latitude = -33.9;
    model->Longitude = 151.2;
    const int z = addRectangle(*model, 1, 100, 100, 200, 180);
    model->Zones(z).Heated = true;
    model->Zones(z).Cooled = true;
    return model;
}

pelmora::ScratchWriter RecordingWriter::writer() {
    return [this](HouseModel& model) {
        ++calls;
        writeFile(fs::path(model.RootDir) / "SCRATCH", "C  Data type 1: Project data\r\n 9\r\n");
    };
}

void RecordingHandOver::ProcessSimulation() {
    calls.emplace_back("ProcessSimulation");
    std::ofstream(historyFile_, std::ios::app) << "new rating\r\n";
}

Road::Road(std::unique_ptr<HouseModel> house, pelmora::EngineRunner& engine,
           pelmora::ScratchWriter cardWriter)
    : model(std::move(house)), results(fs::path(model->RootDir) / "Data" / "PASTRATE.TXT"),
      commands({*model, messages, view, question, cardWriter ? std::move(cardWriter) : writer.writer(),
                engine, viewer, results}) {}

std::vector<std::string> Road::boxes() const {
    std::vector<std::string> texts;
    for (const QString& text : messages.informations()) texts.push_back(text.toStdString());
    return texts;
}

} // namespace simulation_test
