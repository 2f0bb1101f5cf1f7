#include "response_fixture.h"
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/main_program.h"
#include "engine/core/response_factors.h"
#include "engine/core/section_properties.h"
#include "engine/core/work_file.h"
#include "engine/core/work_file_reading.h"
#include "engine/core/zone_response.h"

namespace engine::testing {

void ResponseRun::SetUp() {
    dir = std::filesystem::temp_directory_path() /
          (std::string("engine_response_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
           "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    state->workdir = dir;
    setTimeConstants(*state);
    fillValu(*state);
    setMaterial(903, 0.0, kInsideFilm, kInsideFilm, false);
    setMaterial(906, 0.0, kOutsideFilm, kOutsideFilm, false);
    setMaterial(916, 0.0, kFloorFilm, kFloorFilm, false);
    setMaterial(kBrick, 1360.0, 1.0 / 0.77, 1.0 / 0.77, true);
    setMaterial(kGlasswool, 10.08, 1.0 / 0.04, 1.0 / 0.04, true);
    setMaterial(kPlasterboard, 959.2, 1.0 / 0.17, 1.0 / 0.17, true);
    setMaterial(kConcrete, 2112.0, 1.0 / 1.44, 1.0 / 1.44, true);
    setMaterial(kTimber, 840.0, 1.0 / 0.14, 1.0 / 0.14, true);
    state->bss.rs903 = kInsideFilm;
    state->bss.rs906 = kOutsideFilm;
    state->bss.rs916 = kFloorFilm;
    state->units.report.open(dir / "output.txt");
    openWorkFile(*state, dir / "tape52");
}

void ResponseRun::TearDown() {
    state->tape52in.reset();
    state->units.report.close();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void ResponseRun::setMaterial(int m, double p1, double p2, double p3, bool scales) {
    state->cr.crp1(m) = p1;
    state->cr.crp2(m) = p2;
    state->cr.crp3(m) = p3;
    state->cr.icond(m) = scales ? 1 : 0;
}

void ResponseRun::define(int s, const std::vector<std::pair<int, double>>& layers) {
    state->bss.isecdef(s) = 1;
    state->bss.nlay(s) = static_cast<int>(layers.size());
    for (std::size_t k = 0; k < layers.size(); ++k) {
        state->bss.matlay(s, static_cast<int>(k) + 1) = layers[k].first;
        state->bss.thklay(s, static_cast<int>(k) + 1) = layers[k].second;
    }
}

void ResponseRun::writeSections() {
    rndriv(*state);
}

void ResponseRun::pathRecord(int z, const std::string& name, int row, const Entries& entries) {
    ZonePathRecord rec;
    rec.zone = z;
    rec.name = name;
    rec.name.resize(kZoneNameWidth, ' ');
    rec.row = row;
    for (const auto& [code, value] : entries) {
        rec.code.push_back(code);
        rec.value.push_back(value);
    }
    rec.code.push_back(kPathEnd);
    rec.value.push_back(0.0);
    if (row >= 1) state->zn.idrvuse(row, z) = 1;
    writeZonePathRecord(workFileWriter(*state), rec);
}

int ResponseRun::conduction(int zones) {
    state->zones.nzones = zones;
    ZonePathRecord last;
    last.zone = zones;
    last.name = std::string(kZoneNameWidth, ' ');
    last.code = {kPathEnd};
    last.value = {0.0};
    writeZonePathRecord(workFileWriter(*state), last);
    rewindWorkFile(*state);
    int ierr = 0;
    calgrc(*state, ierr);
    return ierr;
}

int ResponseRun::zoneResponse() {
    int ierr = 0;
    harmnc(*state, ierr);
    return ierr;
}

void ResponseRun::respond(int zones) {
    ASSERT_EQ(conduction(zones), 0) << report();
    ASSERT_EQ(zoneResponse(), 0) << report();
    removeWorkFile(*state);
    clbehv(*state);
}

std::string ResponseRun::report() {
    state->units.report.flush();
    std::ifstream in(dir / "output.txt");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace engine::testing
