// The houses the engine is measured on, and one year of each in the engine, in process:
//   - the shipped sample card file (three zones);
//   - row houses of card files made here: rooms in a row over one ventilated subfloor space and under
//     one roof space (rooms + 6 zones);
//   - one-level houses of 5, 10 and 30 rooms drawn through the modeller's model, brought through the
//   pre-simulation pass and
//     written by the card writer, as an assessor's house of that many rooms reaches the engine (every
//     room stands on a slab zone of its own and lies under a roof space of its own: 5 zones a room);
//   - the modeller's two sample house files, through the same pass and writer.
// Every house is written into a work folder of its own that holds what the engine and the writer read;
// the engine reads each path as a field of 120 characters, so the folder's path must be short.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace engine {
struct EngineState;
}

namespace bench_houses {

// The program folder of the build, with every shipped data file.
std::filesystem::path programFolder();

// A fresh work folder under /tmp named after `name` and the process, holding the material file, the
// air-gap table, the material tables, the glazing libraries and the climate and occupancy files of
// climate zone `climate`.
std::filesystem::path prepareFolder(const std::string& name, int climate);

// Writes the shipped sample card file into `folder` as SCRATCH, its hourly temperature file moved
// into the folder.
void writeSampleCards(const std::filesystem::path& folder);

// Writes the row house of `rooms` rooms (1..144) into `folder` as SCRATCH.
void writeRowHouse(const std::filesystem::path& folder, int rooms);

// Draws the one-level house of `rooms` rooms (2..30) in two rows, every room heated and cooled, with
// windows, an outside door and doors between neighbours, and writes it into `folder` (a folder made
// by prepareFolder for climate 21) through the pre-simulation pass and the card writer.
void writeModellerHouse(const std::filesystem::path& folder, int rooms);

// Reads the program folder's house file `houseFile` (a name in its house folder) and writes it into
// `folder` (made by prepareFolder for the house's climate) through the pass and the card writer.
void writeHouseFile(const std::filesystem::path& folder, const std::string& houseFile);

// What one zone did over the year.
struct ZoneYear {
    double heating = 0.0;         // MJ
    double sensibleCooling = 0.0; // MJ
    double latentCooling = 0.0;   // MJ
    double meanTemperature = 0.0; // °C, mean of the hourly air temperatures of the reported days
};

struct HouseYear {
    int status = 0;      // the engine's exit status: 0 after a whole year
    std::string console; // what the engine printed
    std::vector<ZoneYear> zones;
};

// Runs the engine on `folder`'s SCRATCH for the climate year, in this process.
HouseYear simulateYear(const std::filesystem::path& folder);

// The year of every zone of a run that has ended.
std::vector<ZoneYear> yearOf(const engine::EngineState& state);

// One line of the annual-figures file: "<house> <zone> <heating> <sensible> <latent> <mean>", the
// values with 17 significant digits.
std::string figureLine(const std::string& house, int zone, const ZoneYear& year);

// Compares the zones of `house` with the lines of the annual-figures file `figures`: every value
// within `relative` of the file's value (and within 1e-9 of its unit, for values near 0).  Returns
// what differs, one line each; empty when all agree.  A house the file does not hold differs.
std::string compareWithFigures(const std::filesystem::path& figures, const std::string& house,
                               const std::vector<ZoneYear>& zones, double relative);

// The houses the annual-figures file holds, each with a writer of its card file and its climate.
struct BenchmarkHouse {
    std::string name; // "sample", "row10", "modeller10", "single-level", ...
    int climate;      // climate zone of the work folder
    void (*write)(const std::filesystem::path& folder, int size);
    int size;   // rooms, or 0
    bool quick; // a year takes a few seconds at most
};
const std::vector<BenchmarkHouse>& benchmarkHouses();

} // namespace bench_houses
