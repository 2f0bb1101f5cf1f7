// A stand-in for the engine in the simulation run's tests.  Like the engine it takes no arguments and
// works in its working directory: it refuses to run without SCRATCH there, notes the directory it ran
// in, writes a banner and one console line per month, and then ends as its build asks: with a status,
// with or without an energy file, or by aborting.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

int main() {
    const std::filesystem::path here = std::filesystem::current_path();
    if (!std::filesystem::exists(here / "SCRATCH")) {
        std::cout << " Input file SCRATCH not found" << std::endl;
        return 9;
    }
    std::ofstream(here / "standin_workdir.txt") << here.string() << '\n';
    std::cout << " Stand-in engine" << std::endl;
    for (int month = 1; month <= 12; ++month) std::cout << " Month " << month << " completed" << std::endl;
#if STANDIN_WRITES_ENERGY
    std::ofstream(here / "energy.txt") << "stand-in energy file\r\n";
#endif
#if STANDIN_ABORTS
    std::abort();
#endif
    if (STANDIN_EXIT_STATUS != 0) std::cout << " Run ended abnormally" << std::endl;
    return STANDIN_EXIT_STATUS;
}
