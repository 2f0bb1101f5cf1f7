// The response-history work of the hourly loop: shifting every zone's future air temperatures by one
// step, and the fit of the response factors that precedes the loop.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/main_program.h"
#include "engine/core/response_factors.h"
#include "engine/core/state.h"

namespace {

// A state of `zones` zones, each responding to `rows` driver rows like a first-order zone.
std::unique_ptr<engine::EngineState> responses(int zones, int rows) {
    auto s = std::make_unique<engine::EngineState>();
    engine::setTimeConstants(*s);
    engine::fillValu(*s);
    s->hz.nzc = zones;
    s->hz.hres.allocate(1, zones, 1, engine::kResponseRows, 1, engine::kHarmonics, engine::Complex{});
    for (int r = 1; r <= rows; ++r) {
        s->hz.iuserow(r) = 1;
        s->hz.kindrf(r) = engine::kRamp;
        for (int z = 1; z <= zones; ++z)
            for (int k = 1; k <= engine::kHarmonics; ++k)
                s->hz.hres(z, r, k) =
                    0.5 / engine::Complex(1.0, engine::harmonicFrequencyPerHour(k) * (1.0 + z));
    }
    return s;
}

void BM_MoveonAllZones(benchmark::State& bench) {
    const int zones = static_cast<int>(bench.range(0));
    auto s = responses(zones, 1);
    engine::clbehv(*s);
    s->rf.fut.fill(15.0);
    for (auto _ : bench) {
        for (int z = 1; z <= zones; ++z) engine::moveon(*s, z);
        benchmark::DoNotOptimize(s->rf.fut.data());
    }
    bench.SetItemsProcessed(bench.iterations() * zones);
}
BENCHMARK(BM_MoveonAllZones)->Arg(10)->Arg(150);

void BM_ResponseFactorFit(benchmark::State& bench) {
    const int zones = static_cast<int>(bench.range(0));
    auto s = responses(zones, 100);
    for (auto _ : bench) engine::clbehv(*s);
    bench.SetItemsProcessed(bench.iterations() * zones * 100);
}
BENCHMARK(BM_ResponseFactorFit)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
