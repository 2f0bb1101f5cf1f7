// Beam shading of a 10-zone house over one year of sun positions: 30 windows, each with an eave and
// side fins (a third of them also with a pergola and a screen), shaded at every hour in which the sun
// is up and in front of the window.  The engine's row and column sums are measured against the plain
// cell-by-cell grid they reproduce.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <vector>

#include "engine/solar_airflow/beam_shading.h"
#include "engine/solar_airflow/solar_drivers.h"
#include "engine/solar_airflow/solar_position.h"
#include "tests/engine/solar_airflow/reference_shading_grid.h"

namespace {

using namespace engine;

constexpr int kZones = 10;
constexpr int kWindowsPerZone = 3;
constexpr double kRad = 0.017453292;

struct SunlitStep {
    int window;  // 0-based
    double h, v; // shadow angles, rad
};

struct House {
    std::vector<BeamShadingPlan> plans;
    std::vector<SunlitStep> steps;
};

const House& house() {
    static const House built = [] {
        House house;
        const HorizontalShade eave{0.6, 0.3, 0.0, 0.0, 1.0};
        const HorizontalShade pergola{0.0, 0.0, 1.8, 0.5, 0.4};
        const VerticalShade fins{0.4, 0.1, 0.4, 0.1};
        const ScreenShade screen{2.0, 3.0, 1.5, 0.5, -0.3, 0.5};
        std::vector<double> azimuths;
        for (int z = 0; z < kZones; ++z) {
            for (int k = 0; k < kWindowsPerZone; ++k) {
                const int w = z * kWindowsPerZone + k;
                const double H = 1.2 + 0.1 * (w % 4);
                const double W = 0.9 + 0.3 * (w % 5);
                const bool extra = w % 3 == 0;
                house.plans.push_back(makeBeamShadingPlan(H, W, 40, &eave, extra ? &pergola : nullptr, &fins,
                                                          {extra ? &screen : nullptr, nullptr, nullptr}));
                azimuths.push_back(std::fmod(45.0 * w + 10.0 * z, 360.0) * kRad);
            }
        }
        // One year of hourly sun positions at a mid-latitude southern site on its meridian.
        const double lat = -33.9 * kRad, lon = 151.2 * kRad;
        for (int day = 1; day <= 365; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                StepSky sky;
                sunazel(kSolarYear, day, hour + 0.5 - 10.08, lat, lon, sky.azi, sky.alt);
                if (sky.alt <= 0.0) continue;
                for (std::size_t w = 0; w < azimuths.size(); ++w) {
                    const ShadowAngles a = shadowAngles(sky, azimuths[w]);
                    if (a.cosTheta > 0.0) house.steps.push_back({static_cast<int>(w), a.h, a.v});
                }
            }
        }
        return house;
    }();
    return built;
}

using Fraction = double (*)(const BeamShadingPlan&, const std::array<int, 3>&, double, double);

// Every sunlit window-hour of the year, shaded by `fraction`; counts the calls and the time of one.
void ShadingYear(benchmark::State& state, Fraction fraction) {
    const House& h = house();
    for (auto _ : state) {
        double sum = 0.0;
        for (const SunlitStep& s : h.steps) {
            const BeamShadingPlan& plan = h.plans[static_cast<std::size_t>(s.window)];
            sum += fraction(plan, screenFlags(plan, s.h, s.v), s.h, s.v);
        }
        benchmark::DoNotOptimize(sum);
    }
    const auto calls = static_cast<double>(h.steps.size());
    state.counters["calls"] = calls;
    state.counters["per_call"] = benchmark::Counter(calls, benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(ShadingYear, Engine, &sunlitFraction)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShadingYear, CellGrid, &testing::referenceSunlitFraction)->Unit(benchmark::kMillisecond);

} // namespace
