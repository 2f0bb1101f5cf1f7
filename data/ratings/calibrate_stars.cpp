// Calibration tool of the star rating tables.
//
//   calibrate_stars run <program folder> <climate normals> <runs file> [first climate] [last climate]
//     simulates the reference houses of each climate (the poorly insulated, typical and well
//     insulated house at the reference area, the typical house at the other areas) and appends one
//     line per run to the runs file: climate, house, floor area (m2), energy (MJ/m2);
//   calibrate_stars tables <runs file> <output folder>
//     writes STARS.TXT and areacorrection.txt from a runs file that holds every climate.
//
// The work folders lie under /tmp with short names: the engine reads each path as a field of 120
// characters.
#include "data/ratings/reference_houses.h"
#include "data/ratings/star_bands.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace calibration;

constexpr int kClimates = 69;
constexpr double kReferenceArea = 200.0; // m2
constexpr double kSmallArea = 100.0;     // m2
constexpr double kLargeArea = 300.0;     // m2
constexpr const char* kRunsHeading =
    "# Runs of calibrate_stars: climate, house (poor, typical, well insulated), conditioned floor area "
    "(m2),\n"
    "# heating plus sensible and latent cooling of the year per m2 of conditioned floor area (MJ/m2).\n";

// "zone N | place | state | postcode | latitude | longitude | ..." lines of the climate normals.
std::map<int, ClimateSite> readSites(const std::filesystem::path& normals) {
    std::ifstream in(normals);
    if (!in) throw std::runtime_error("Cannot read " + normals.string());
    std::map<int, ClimateSite> sites;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("zone ", 0) != 0) continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '|');) {
            const auto first = field.find_first_not_of(' ');
            const auto last = field.find_last_not_of(" \r");
            fields.push_back(first == std::string::npos ? "" : field.substr(first, last - first + 1));
        }
        if (fields.size() < 6) throw std::runtime_error("Short climate normals line: " + line);
        ClimateSite site;
        site.zone = std::stoi(fields[0].substr(5));
        site.place = fields[1];
        site.postcode = std::stoi(fields[3]);
        site.latitude = std::stod(fields[4]);
        site.longitude = std::stod(fields[5]);
        sites[site.zone] = site;
    }
    return sites;
}

int runHouses(const std::filesystem::path& programFolder, const std::filesystem::path& normals,
              const std::filesystem::path& runsFile, int first, int last) {
    const auto sites = readSites(normals);
    const bool fresh = !std::filesystem::exists(runsFile) || std::filesystem::file_size(runsFile) == 0;
    std::ofstream out(runsFile, std::ios::app);
    if (!out) throw std::runtime_error("Cannot write " + runsFile.string());
    if (fresh) out << kRunsHeading;
    struct Case {
        Standard standard;
        double area;
    };
    const Case cases[] = {{Standard::PoorlyInsulated, kReferenceArea},
                          {Standard::Typical, kReferenceArea},
                          {Standard::WellInsulated, kReferenceArea},
                          {Standard::Typical, kSmallArea},
                          {Standard::Typical, kLargeArea}};
    for (int climate = first; climate <= last; ++climate) {
        const auto site = sites.find(climate);
        if (site == sites.end()) throw std::runtime_error("No site for climate " + std::to_string(climate));
        const std::filesystem::path work =
            std::filesystem::path("/tmp") /
            ("cal_" + std::to_string(::getpid()) + "_" + std::to_string(climate));
        std::filesystem::remove_all(work);
        prepareWorkFolder(programFolder, work, climate);
        for (const Case& c : cases) {
            const RunResult result = simulateReferenceHouse(work, site->second, c.standard, c.area);
            char line[96];
            std::snprintf(line, sizeof line, "%2d %-8s %6.1f %10.3f", climate, standardName(c.standard),
                          result.area, result.perArea());
            out << line << '\n' << std::flush;
            std::cout << line << std::endl;
        }
        std::filesystem::remove_all(work);
    }
    return 0;
}

struct ClimateRuns {
    std::map<std::string, double> atReference;      // house: MJ/m2
    std::vector<std::pair<double, double>> typical; // m2, MJ/m2
};

std::map<int, ClimateRuns> readRuns(const std::filesystem::path& runsFile) {
    std::ifstream in(runsFile);
    if (!in) throw std::runtime_error("Cannot read " + runsFile.string());
    std::map<int, ClimateRuns> runs;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int climate = 0;
        std::string house;
        double area = 0, energy = 0;
        if (!(fields >> climate >> house >> area >> energy))
            throw std::runtime_error(runsFile.string() + " line " + std::to_string(number) + " is not a run");
        ClimateRuns& r = runs[climate];
        if (house == "typical") r.typical.emplace_back(area, energy);
        if (std::abs(area - kReferenceArea) < 1.0) r.atReference[house] = energy;
    }
    return runs;
}

int writeTables(const std::filesystem::path& runsFile, const std::filesystem::path& outFolder) {
    const auto runs = readRuns(runsFile);
    std::ostringstream stars, correction;
    for (int climate = 1; climate <= kClimates; ++climate) {
        const auto found = runs.find(climate);
        if (found == runs.end()) throw std::runtime_error("No runs for climate " + std::to_string(climate));
        const ClimateRuns& r = found->second;
        const auto energy = [&](const char* house) {
            const auto e = r.atReference.find(house);
            if (e == r.atReference.end())
                throw std::runtime_error("No " + std::string(house) + " run in climate " +
                                         std::to_string(climate));
            return e->second;
        };
        const auto limits = starLimits(energy("poor"), energy("typical"), energy("well"));
        if (!limits)
            throw std::runtime_error("Climate " + std::to_string(climate) +
                                     ": the reference houses' energies do not fall poor > typical > well");
        char text[64];
        std::snprintf(text, sizeof text, "%2d", climate);
        stars << text;
        for (double limit : *limits) {
            std::snprintf(text, sizeof text, " %.2f", limit);
            stars << text;
        }
        stars << '\n';

        std::vector<double> areas, ratios;
        for (const auto& [area, perArea] : r.typical) {
            areas.push_back(area);
            ratios.push_back(perArea / energy("typical"));
        }
        const auto k = areaCorrection(areas, ratios, kReferenceArea);
        if (!k)
            throw std::runtime_error("Climate " + std::to_string(climate) +
                                     ": no area correction stays positive over 30-600 m2");
        std::snprintf(text, sizeof text, "%2d", climate);
        correction << text;
        for (double value : *k) {
            std::snprintf(text, sizeof text, " %.10e", value);
            correction << text;
        }
        correction << '\n';
    }
    for (const auto& [name, text] :
         {std::pair{"STARS.TXT", stars.str()}, {"areacorrection.txt", correction.str()}}) {
        std::ofstream out(outFolder / name, std::ios::binary);
        out << text;
        if (!out) throw std::runtime_error("Cannot write " + (outFolder / name).string());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() >= 4 && args[0] == "run")
            return runHouses(args[1], args[2], args[3], args.size() > 4 ? std::stoi(args[4]) : 1,
                             args.size() > 5 ? std::stoi(args[5]) : kClimates);
        if (args.size() == 3 && args[0] == "tables") return writeTables(args[1], args[2]);
        std::cerr
            << "usage: calibrate_stars run <program folder> <climate normals> <runs file> [first] [last]\n"
               "       calibrate_stars tables <runs file> <output folder>\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "calibrate_stars: " << error.what() << '\n';
        return 1;
    }
}
