// One year of the engine for the benchmark houses (bench/benchmark_houses.h): the row houses of 1, 10
// and 30 rooms over a ventilated subfloor space and under a roof space, and the one-level houses of 10
// and 30 rooms that the modeller's pass and card writer make (50 and 150 zones).
//   TimeLoopYear: the input and the response phases run untimed; the loop over the year is timed, and
//     the heap allocations it makes are counted.
//   EngineYear: the whole engine in process, input, responses and year, as an assessor waits for it.
//   CardWriter: the modeller's pass and card writer on the house.
// Every year's zones are compared with the annual-figures file of the regression test; a house whose
// figures moved is reported as an error.
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

#include "bench/benchmark_houses.h"

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

const fs::path kAnnualFigures = ANNUAL_FIGURES;

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

using WriteHouse = void (*)(const fs::path& folder, int size);

constexpr double kFiguresTolerance = 1e-6; // relative

// The house's name in the annual-figures file: the kind and its rooms ("row10"), or the kind alone.
std::string houseName(const char* kind, int size) {
    return size > 0 ? std::string(kind) + std::to_string(size) : std::string(kind);
}

// Checks the year against the annual-figures file; a moved figure ends the benchmark with an error.
bool figuresHold(benchmark::State& bench, const std::string& house, const engine::EngineState& s) {
    const std::string moved =
        bench_houses::compareWithFigures(kAnnualFigures, house, bench_houses::yearOf(s), kFiguresTolerance);
    if (moved.empty()) return true;
    bench.SkipWithError(("the annual figures moved:\n" + moved).c_str());
    return false;
}

void TimeLoopYear(benchmark::State& bench, const char* kind, WriteHouse write, int climate) {
    const int size = static_cast<int>(bench.range(0));
    const std::string house = houseName(kind, size);
    const fs::path dir = bench_houses::prepareFolder("tl_" + house, climate);
    write(dir, size);
    long long loopAllocations = 0;
    int zones = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto s = std::make_unique<engine::EngineState>();
        std::ostringstream console;
        if (!prepare(*s, dir, console)) {
            bench.SkipWithError(("the house's input or response failed: " + console.str()).c_str());
            break;
        }
        zones = s->zones.nzones;
        const long long before = allocations.load();
        bench.ResumeTiming();
        int ierr = 0;
        engine::perfrm(*s, ierr);
        bench.PauseTiming();
        loopAllocations = allocations.load() - before;
        if (ierr != 0) {
            bench.SkipWithError("the year ended early");
            break;
        }
        if (!figuresHold(bench, house, *s)) break;
        s.reset();
        bench.ResumeTiming();
    }
    bench.counters["zones"] = zones;
    bench.counters["allocations"] = static_cast<double>(loopAllocations);
    fs::remove_all(dir);
}

void EngineYear(benchmark::State& bench, const char* kind, WriteHouse write, int climate) {
    const int size = static_cast<int>(bench.range(0));
    const std::string house = houseName(kind, size);
    const fs::path dir = bench_houses::prepareFolder("ey_" + house, climate);
    write(dir, size);
    int zones = 0;
    for (auto _ : bench) {
        auto s = std::make_unique<engine::EngineState>();
        std::ostringstream console;
        s->workdir = dir;
        s->console = &console;
        const int status = engine::runEngine(*s);
        bench.PauseTiming();
        if (status != 0) {
            bench.SkipWithError(("the engine stopped: " + console.str()).c_str());
            break;
        }
        zones = s->zones.nzones;
        if (!figuresHold(bench, house, *s)) break;
        s.reset();
        bench.ResumeTiming();
    }
    bench.counters["zones"] = zones;
    fs::remove_all(dir);
}

void CardWriter(benchmark::State& bench) {
    const int rooms = static_cast<int>(bench.range(0));
    const fs::path dir = bench_houses::prepareFolder("cw_modeller" + std::to_string(rooms), 21);
    for (auto _ : bench) bench_houses::writeModellerHouse(dir, rooms);
    bench.counters["rooms"] = rooms;
    fs::remove_all(dir);
}

void writeSample(const fs::path& folder, int) {
    bench_houses::writeSampleCards(folder);
}

constexpr int kMelbourne = 21; // the climate of the sample card file and of the modeller's houses

BENCHMARK_CAPTURE(TimeLoopYear, row, "row", bench_houses::writeRowHouse, kMelbourne)
    ->Arg(1)
    ->Arg(10)
    ->Arg(30)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(TimeLoopYear, modeller, "modeller", bench_houses::writeModellerHouse, kMelbourne)
    ->Arg(10)
    ->Arg(30)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(EngineYear, sample, "sample", writeSample, kMelbourne)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(EngineYear, modeller, "modeller", bench_houses::writeModellerHouse, kMelbourne)
    ->Arg(5)
    ->Arg(10)
    ->Arg(30)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(CardWriter)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace
