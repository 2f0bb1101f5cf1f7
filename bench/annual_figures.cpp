// Prints the year of every zone of the benchmark houses, one line a zone:
//   <house> <zone> <heating MJ> <sensible cooling MJ> <latent cooling MJ> <mean air temperature °C>
// with 17 significant digits.  Names on the command line choose houses; without any, all of them.
// The regression test of the annual figures compares the engine against a file of these lines.
//   annual_figures --cards <house>...  only writes each house's work folder with its card file and
//   prints the folder, for timing the engine program on it (the folder is left in place).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/benchmark_houses.h"

int main(int argc, char** argv) {
    std::vector<std::string> wanted(argv + 1, argv + argc);
    const bool cardsOnly = !wanted.empty() && wanted.front() == "--cards";
    if (cardsOnly) wanted.erase(wanted.begin());
    try {
        for (const bench_houses::BenchmarkHouse& house : bench_houses::benchmarkHouses()) {
            if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), house.name) == wanted.end())
                continue;
            const std::filesystem::path folder =
                bench_houses::prepareFolder("af_" + house.name, house.climate);
            house.write(folder, house.size);
            if (cardsOnly) {
                std::cout << folder.string() << '\n';
                continue;
            }
            const bench_houses::HouseYear year = bench_houses::simulateYear(folder);
            if (year.status != 0) {
                std::cerr << house.name << ": the engine stopped\n" << year.console;
                return 1;
            }
            for (std::size_t z = 0; z < year.zones.size(); ++z)
                std::cout << bench_houses::figureLine(house.name, static_cast<int>(z + 1), year.zones[z])
                          << '\n';
            std::cout.flush();
            std::filesystem::remove_all(folder);
        }
    } catch (const std::exception& e) {
        std::cerr << "annual_figures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
