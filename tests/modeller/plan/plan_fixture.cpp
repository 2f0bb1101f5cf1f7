#include "plan_fixture.h"

#include <sqlite3.h>

#include <fstream>
#include <stdexcept>

namespace plan_test {

int addZone(pelmora::HouseModel& model, int level, std::initializer_list<std::pair<int, int>> nodes,
            std::int32_t colour) {
    const auto added = model.AddZone();
    if (!added) throw std::logic_error("no room for a zone");
    const int z = added.index;
    pelmora::TZoneRec& zone = model.Zones(z);
    zone = pelmora::TZoneRec{};
    zone.Level = level;
    zone.Colour = colour;
    zone.NodeCount = static_cast<int>(nodes.size());
    int n = 0;
    double twiceArea = 0; // px2, shoelace
    const auto* points = nodes.begin();
    for (const auto& [x, y] : nodes) {
        model.ZoneNodes(z, n) = {x, y};
        model.Walls(z, n) = pelmora::TWallRec{};
        model.Walls(z, n).Start = {x, y};
        const auto& next = points[(n + 1) % nodes.size()];
        twiceArea += static_cast<double>(x) * next.second - static_cast<double>(next.first) * y;
        ++n;
    }
    const double pixelsPerMetre = 20.0 * model.Magnification;
    zone.FloorArea = std::abs(twiceArea) / 2 / (pixelsPerMetre * pixelsPerMetre);
    return z;
}

int addRectangle(pelmora::HouseModel& model, int level, int x, int y, int w, int h, std::int32_t colour) {
    return addZone(model, level, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}, colour);
}

namespace {

void execute(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "sqlite error";
        sqlite3_free(error);
        throw std::runtime_error(text);
    }
}

} // namespace

ProgramFolder::ProgramFolder() : path_(dir_.path().toStdString()) {
    for (const char* sub : {"house", "plans", "default", "schedule", "OUTPUT", "temperature", "Data",
                            "Data/STARS", "Data/Climate", "Data/Occupant", "Data/WindowData"})
        std::filesystem::create_directories(path_ / sub);
    // The shipped window library: the start-up checks that it holds every generic window.
    std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / "Data/WindowData/VORTwindows.txt",
                               path_ / "Data/WindowData/VORTwindows.txt");
    std::ofstream(path_ / "Data/WindowData/VORTskylights.txt");
    // Star bands of climate 5 falling by 10 MJ/m2 from 200, and an area correction of 1.25 at every area.
    std::ofstream(path_ / "Data/STARS/STARS.TXT")
        << "5 200 190 180 170 160 150 140 130 120 110 100 90 80 70 60 50 40 30 20 10\r\n";
    std::ofstream(path_ / "Data/areacorrection.txt") << "5 0 0 0 0 0 0.25\r\n";
    sqlite3* db = nullptr;
    if (sqlite3_open((path_ / "Data/tables.db").string().c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the test material database");
    execute(db, "CREATE TABLE Wallmaterial(\"Material Number\" INTEGER, D1 INTEGER);"
                "INSERT INTO Wallmaterial VALUES (1, 110), (2, 230);"
                "CREATE TABLE IntWallmaterial(\"Material Number\" INTEGER, D1 INTEGER);"
                "INSERT INTO IntWallmaterial VALUES (1, 90), (2, 110);");
    sqlite3_close(db);
}

void ProgramFolder::addRatingHistory() const {
    // The results tests' hand-written file of one kept rating: House_3 in climate 5, 80 m2, 3.5 stars.
    std::filesystem::copy_file(std::filesystem::path(TEST_SOURCE_DIR) / "../results/one_record_history.txt",
                               path_ / "Data/PASTRATE.TXT");
}

} // namespace plan_test

namespace plan_test {

pelmora::HouseFileAccess MemoryHouseFiles::access() {
    pelmora::HouseFileAccess access;
    access.Write = [this](const pelmora::HouseModel& model) {
        if (failWrites) throw std::runtime_error("Cannot write " + model.HouseFileSaveName);
        files[model.HouseFileSaveName] = std::make_shared<pelmora::HouseModel>(model);
        ++writes;
    };
    access.Read = [this](pelmora::HouseModel& model) {
        const auto it = files.find(model.HouseFileOpenName);
        if (it == files.end()) throw std::runtime_error("Cannot open " + model.HouseFileOpenName);
        model = *it->second;
    };
    return access;
}

void MainWindowTest::SetUp() {
    previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    forms = std::make_unique<pelmora::ApplicationForms>(*workspace, scripted.services, folder.path());
    forms->MainForm->HouseFiles = houseFiles.access();
}

void MainWindowTest::TearDown() {
    forms.reset();
    std::filesystem::current_path(previousFolder);
}

void MainWindowTest::startWithNewHouse() {
    main().FormShow();
    main().SBnewClick();
}

} // namespace plan_test
