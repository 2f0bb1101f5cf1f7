// Build tool of the shipped climate data.  From the sources in data/climate it writes into the
// program folder: the 69 climate years Data/Climate/climatNN.TXT, their typical periods
// Data/Climate/extremes.ext (read back from the written files), the occupancy files
// Data/Occupant/OCCUPNN.DAT, the location tables Data/PC.TXT, Data/CLIMPC.TXT, Data/clim69.txt and
// CITIES1.DAT, and the location map Data/locationmap.bmp.
//
// Usage: climate_data_build <source folder> <program folder>
#include "common/text_values.h"
#include "data/climate/climate_normals.h"
#include "data/climate/climate_record.h"
#include "data/climate/location_map.h"
#include "data/climate/location_tables.h"
#include "data/climate/occupancy_schedules.h"
#include "data/climate/typical_periods.h"
#include "data/climate/weather_generator.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kClimateZones = 69;

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

void writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    common::writeFileAtomically(file, joinLines(lines));
}

std::vector<climate::ClimateRecord> readClimateFile(const fs::path& file) {
    std::vector<climate::ClimateRecord> records;
    const auto lines = common::readTextLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        climate::ClimateRecord r;
        if (!climate::parseClimateRecord(lines[i], r))
            throw std::runtime_error(file.string() + " line " + std::to_string(i + 1) + ": illegal field");
        records.push_back(r);
    }
    return records;
}

void build(const fs::path& source, const fs::path& program) {
    // Every source is read and checked before the first file is written.
    const auto places = climate::readClimateNormals(source / "climate_normals.txt");
    if (places.size() != kClimateZones)
        throw std::runtime_error("the climate normals hold " + std::to_string(places.size()) +
                                 " zones, not 69");
    const auto postcodes = climate::readLocalities(source / "localities.txt");
    climate::checkZoneCoverage(postcodes, kClimateZones);
    const auto cities = climate::readCities(source / "cities.txt");
    const auto outlines = climate::readMapOutlines(source / "coastline.txt");

    const fs::path climateFolder = program / "Data" / "Climate";
    const fs::path occupantFolder = program / "Data" / "Occupant";
    fs::create_directories(climateFolder);
    fs::create_directories(occupantFolder);

    std::vector<std::string> extremes;
    for (const auto& place : places) {
        std::vector<std::string> lines;
        for (const auto& r : climate::generateClimateYear(place))
            lines.push_back(climate::formatClimateRecord(r));
        const fs::path file = climateFolder / climate::climateFileName(place.zone);
        writeLines(file, lines);
        const auto periods = climate::findTypicalPeriods(readClimateFile(file));
        for (const auto& l : climate::typicalPeriodLines(place.zone, place.place, periods))
            extremes.push_back(l);
        writeLines(occupantFolder / climate::occupancyFileName(place.zone),
                   climate::occupancyFileLines(place));
    }
    writeLines(climateFolder / "extremes.ext", extremes);

    writeLines(program / "Data" / "PC.TXT", climate::postcodeLocalityLines(postcodes));
    writeLines(program / "Data" / "CLIMPC.TXT", climate::postcodeClimateLines(postcodes));
    writeLines(program / "Data" / "clim69.txt", climate::climateZoneLines(places));
    writeLines(program / "CITIES1.DAT", climate::cityLines(cities));
    common::writeFileAtomically(
        program / "Data" / "locationmap.bmp",
        climate::bmpBytes(climate::drawLocationMap(outlines), climate::kMapWidth, climate::kMapHeight));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: climate_data_build <source folder> <program folder>\n";
        return 2;
    }
    try {
        build(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "climate_data_build: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
