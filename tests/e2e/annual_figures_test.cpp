// The annual heating and cooling and the mean air temperature of every zone of the benchmark houses
// stay as the engine gave them when the figures were recorded (tests/e2e/annual_figures.txt): a guard
// for changes to the engine's speed, which must not move results.  The houses of 30 rooms take too
// long for a test; the benchmarks check them against the same file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/benchmark_houses.h"

namespace {

constexpr double kRelative = 1e-6;

std::vector<std::string> quickHouses() {
    std::vector<std::string> names;
    for (const bench_houses::BenchmarkHouse& house : bench_houses::benchmarkHouses())
        if (house.quick) names.push_back(house.name);
    return names;
}

class AnnualFigures : public ::testing::TestWithParam<std::string> {};

TEST_P(AnnualFigures, EveryZoneKeepsItsYear) {
    for (const bench_houses::BenchmarkHouse& house : bench_houses::benchmarkHouses()) {
        if (house.name != GetParam()) continue;
        const std::filesystem::path folder = bench_houses::prepareFolder("e2e_" + house.name, house.climate);
        house.write(folder, house.size);
        const bench_houses::HouseYear year = bench_houses::simulateYear(folder);
        std::filesystem::remove_all(folder);
        ASSERT_EQ(year.status, 0) << year.console;
        EXPECT_EQ(bench_houses::compareWithFigures(TEST_SOURCE_DIR "/annual_figures.txt", house.name,
                                                   year.zones, kRelative),
                  "");
    }
}

INSTANTIATE_TEST_SUITE_P(BenchmarkHouses, AnnualFigures, ::testing::ValuesIn(quickHouses()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

} // namespace
