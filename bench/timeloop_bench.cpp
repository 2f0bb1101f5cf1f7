// One year of the time loop for houses of 1, 10 and 30 rooms in a row, each with a window,
// ventilation openings, internal gains and heating and cooling thermostats, over a ventilated
// subfloor space and under a roof space.  The input and the response phases run untimed; the loop
// over the year is timed, and the heap allocations it makes are counted.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/input_reader.h"
#include "engine/core/main_program.h"
#include "engine/core/response_factors.h"
#include "engine/core/state.h"
#include "engine/core/time_loop.h"
#include "engine/core/work_file_reading.h"
#include "engine/core/zone_response.h"

namespace {

std::atomic<long long> allocations{0};

} // namespace

// The replaced global allocation functions count the allocations; the pair is malloc and free.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

namespace fs = std::filesystem;

const fs::path kProgramFolder = PROGRAM_FOLDER;

std::string line(const char* format, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// A zone card: data type 3, zone, card number, then six-column fields.
std::string zoneCard(int z, int c, const std::string& fields) {
    return line("%2d%3d%3d", 3, z, c) + fields;
}

std::string area(double a, double absorptance, int adjacent) {
    return line("%6.2f%6.2f%6d", a, absorptance, adjacent);
}

// The card file: the sample's project and construction cards, the sections of the spaces, then the
// rooms and the six zones of the subfloor space and the roof space.
std::vector<std::string> houseCards(int rooms) {
    std::vector<std::string> cards;
    std::ifstream sample(kProgramFolder.parent_path() / "sample" / "SCRATCH");
    std::string l;
    while (std::getline(sample, l) && !l.starts_with("C Zone data")) cards.push_back(l);
    cards.push_back(" 2 61   209  61 10  10");
    cards.push_back(" 2 91    10  10209  61");
    for (int s = 121; s <= 128; ++s) cards.push_back(line(" 2%3d   %3d   0", s, 908 + s - 121));

    const double room = 20.0; // m², 5 m × 4 m, 2.4 m high
    const double total = room * rooms;
    const int f = rooms + 1, r = rooms + 4;
    const double sloped = total / std::cos(22.5 * 0.017453292);
    for (int z = 1; z <= rooms; ++z) {
        cards.push_back(zoneCard(z, 0,
                                 line("%15s%6.1f%6.2f%6.2f%6.2f%s%6d", ("Room" + std::to_string(z)).c_str(),
                                      48.0, 0.5, 0.0, 0.3, "Normal", 1)));
        cards.push_back(zoneCard(z, 1,
                                 line("%6.2f%6.2f%6d%6d%6d%6d%6d%6d%6d%6d%6d", 1.2, 1.5, z % 2 ? 0 : 180, 1,
                                      0, 0, 0, 0, 0, 1, 0)));
        const std::string wall = "  0.60  0.50  0.90     0     0     0     0     0  0.00     0";
        cards.push_back(zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 5.0, z % 2 ? 10.2 : 12.0, 0) + wall));
        cards.push_back(
            zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 5.0, z % 2 ? 12.0 : 10.2, 180) + wall));
        if (z == 1) cards.push_back(zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 4.0, 9.6, 270) + wall));
        if (z == rooms)
            cards.push_back(zoneCard(z, 21, line("%6.2f%6.2f%6.2f%6d", 2.4, 4.0, 9.6, 90) + wall));
        cards.push_back(zoneCard(z, 91, area(room, 0.5, r + 2)));
        cards.push_back(zoneCard(z, 51, area(room, 0.5, f + 1)));
        if (z > 1) cards.push_back(zoneCard(z, 111, area(9.6, 0.5, z - 1)));
        if (z < rooms) cards.push_back(zoneCard(z, 111, area(9.6, 0.5, z + 1)));
        cards.push_back(zoneCard(z, 300, "  0.00  2.40  0.00  0.00"));
        cards.push_back(zoneCard(
            z, 301, "  1.00   0.6    50  0.90  2.10     1     1   0.5     0     1  0.00     0     0"));
        if (z < rooms)
            cards.push_back(zoneCard(
                z, 302,
                line("  0.82   0.6   100  0.00  2.04     0     1   0.5%6d     1  0.00     0     0", z + 1)));
        if (z > 1)
            cards.push_back(zoneCard(
                z, 303,
                line("  0.82   0.6   100  0.00  2.04     0     1   0.5%6d     1  0.00     0     0", z - 1)));
        cards.push_back(
            zoneCard(z, 401, "   100   100   100   100   100   150   300   400   200   200   200   300"));
        cards.push_back(
            zoneCard(z, 402, "   300   200   200   200   300   500   800   800   600   400   200   100"));
        cards.push_back(
            zoneCard(z, 403, "    20    20    20    20    20    20    20    20    20    20    20    20"));
        cards.push_back(
            zoneCard(z, 404, "    40    40    40    40    40    40    80    80    80    20    20    20"));
        cards.push_back(
            zoneCard(z, 501, "   0.0   0.0   0.0   0.0   0.0   0.0  18.0  18.0  18.0  18.0  18.0  18.0"));
        cards.push_back(
            zoneCard(z, 502, "  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0  20.0   0.0"));
        cards.push_back(
            zoneCard(z, 503, "  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0"));
        cards.push_back(
            zoneCard(z, 504, "  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0  25.0"));
        cards.push_back(zoneCard(z, 601, "    22     7  20.0  9999"));
        cards.push_back(zoneCard(z, 603, "  99.0  9999"));
        cards.push_back(zoneCard(z, 604, "  99.0  9999"));
        cards.push_back(zoneCard(z, 605, "     0     0  24.0  21.0  0.00  0.00"));
    }
    auto pseudo = [&](int z, const char* name, double volume, double a, double b, const char* type,
                      const std::string& links) {
        cards.push_back(
            zoneCard(z, 0, line("%15s%6.1f%6.2f%6.2f%6.2f%s%6d", name, volume, a, b, 0.0, type, 1) + links));
    };
    pseudo(f, " Floorspace   1", 5.0 * total, 6.0, 2.5, "SubFlA", line("%6d%6d%6.2f", f + 1, f + 2, 0.82));
    cards.push_back(zoneCard(f, 122, area(total, 0.5, f + 1)));
    cards.push_back(zoneCard(f, 121, area(total, 0.5, f + 2)));
    pseudo(f + 1, "UnderSideFl   1", 0.0, 0.0, 0.0, "Normal", "");
    cards.push_back(zoneCard(f + 1, 122, area(total, 0.5, f)));
    cards.push_back(zoneCard(f + 1, 124, area(total, 0.5, f + 2)));
    for (int m = 1; m <= rooms; ++m) cards.push_back(zoneCard(f + 1, 81, area(room, 0.5, m)));
    pseudo(f + 2, "TopOfGround   1", 0.0, 0.0, 0.0, "Normal", "");
    cards.push_back(zoneCard(f + 2, 50, line("%6.2f%6.2f", total, 0.5)));
    cards.push_back(zoneCard(f + 2, 124, area(total, 0.5, f + 1)));
    cards.push_back(zoneCard(f + 2, 121, area(total, 0.5, f)));
    pseudo(r, "  Roofspace   1", 0.414 * total, 2.0, 1.0, "RoofSA", line("%6d%6d%6.2f", r + 2, r + 1, 0.82));
    cards.push_back(zoneCard(r, 126, area(sloped, 0.5, r + 1)));
    cards.push_back(zoneCard(r, 125, area(total, 0.5, r + 2)));
    pseudo(r + 1, "UnderSideRf   1", 0.0, 0.0, 0.0, "Normal", "");
    cards.push_back(zoneCard(r + 1, 126, area(sloped, 0.5, r)));
    cards.push_back(zoneCard(r + 1, 127, area(total, 0.5, r + 2)));
    cards.push_back(zoneCard(r + 1, 31, line("%6.2f%6d%6d%6.2f%6.2f%6.2f", sloped, 0, 22, 0.6, 0.46, 0.9)));
    pseudo(r + 2, "TopOfCeiling  1", 0.0, 0.0, 0.0, "Normal", "");
    for (int m = 1; m <= rooms; ++m) cards.push_back(zoneCard(r + 2, 61, area(room, 0.5, m)));
    cards.push_back(zoneCard(r + 2, 125, area(total, 0.5, r)));
    cards.push_back(zoneCard(r + 2, 127, area(total, 0.5, r + 1)));
    cards.push_back(" 9");
    return cards;
}

// Reads the card file and runs the response phases in `dir`; false when a phase fails.
bool prepare(engine::EngineState& s, const fs::path& dir, std::ostream& console) {
    s.workdir = dir;
    s.console = &console;
    engine::setTimeConstants(s);
    engine::fillValu(s);
    if (engine::readin(s) != 0) return false;
    int ierr = 0;
    engine::rewindWorkFile(s);
    engine::calgrc(s, ierr);
    if (ierr != 0) return false;
    engine::harmnc(s, ierr);
    engine::removeWorkFile(s);
    if (ierr != 0) return false;
    engine::clbehv(s);
    s.textReport = &s.units.report;
    return true;
}

void TimeLoopYear(benchmark::State& bench) {
    const int rooms = static_cast<int>(bench.range(0));
    const fs::path dir = fs::temp_directory_path() / ("timeloop_bench_" + std::to_string(rooms));
    fs::create_directories(dir);
    fs::copy_file(kProgramFolder / "matdata.bin", dir / "matdata.bin", fs::copy_options::overwrite_existing);
    {
        std::ofstream out(dir / "SCRATCH");
        for (const std::string& c : houseCards(rooms)) out << c << '\n';
    }
    long long loopAllocations = 0;
    int zones = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto s = std::make_unique<engine::EngineState>();
        std::ostringstream console;
        if (!prepare(*s, dir, console)) {
            bench.SkipWithError(("the house's input or response failed: " + console.str()).c_str());
            return;
        }
        zones = s->zones.nzones;
        const long long before = allocations.load();
        bench.ResumeTiming();
        int ierr = 0;
        engine::perfrm(*s, ierr);
        bench.PauseTiming();
        loopAllocations = allocations.load() - before;
        if (ierr != 0) bench.SkipWithError("the year ended early");
        s.reset();
        bench.ResumeTiming();
    }
    bench.counters["zones"] = zones;
    bench.counters["allocations"] = static_cast<double>(loopAllocations);
    fs::remove_all(dir);
}

BENCHMARK(TimeLoopYear)->Arg(1)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
