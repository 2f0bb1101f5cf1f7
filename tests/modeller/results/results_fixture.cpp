#include "results_fixture.h"

#include "../model/model_fixture.cpp"
#include "../platform/qt_application_fixture.cpp"

#include <cstdio>
#include <sstream>

namespace results_test {

void makeHouse(pelmora::HouseModel& model, const std::filesystem::path& root, std::vector<ZoneSpec> zones,
               int climate) {
    model.RootDir = root.string();
    model.ProjectName = "House";
    model.RunNumber = 3;
    char file[16];
    std::snprintf(file, sizeof file, "climat%02d.TXT", climate);
    model.ClimateFileName = file;
    model.ClimateZone = climate;
    model.ZoneCount = 0;
    for (const ZoneSpec& spec : zones) {
        const int z = model.AddZone().index;
        pelmora::TZoneRec& zone = model.Zones(z);
        zone.Name = spec.name;
        zone.FloorArea = spec.area;
        zone.Heated = spec.heated;
        zone.Cooled = spec.cooled;
        zone.Colour = spec.colour;
    }
}

std::string energyRow(int month, int day, int hour, const std::vector<double>& values) {
    char text[64];
    std::snprintf(text, sizeof text, "    %2d  %2d   %2d", month, day, hour);
    std::string row = text;
    for (double v : values) {
        std::snprintf(text, sizeof text, "%9.1f", v);
        row += text;
    }
    return row;
}

std::string energyFileOfRows(const std::vector<std::string>& rows) {
    std::string text = "Test house\r\nTotal number of conditioned zones =   2\r\n\r\n"
                       "                 Living      Bed\r\n Mo  Dy  Hr     Heat    CoolS    CoolL\r\n";
    for (const std::string& row : rows) text += row + "\r\n";
    return text;
}

std::string energyFile(const std::vector<std::string>& rows) {
    std::size_t values = 0;
    if (!rows.empty()) {
        std::istringstream first(rows.front());
        std::string token;
        while (first >> token) ++values;
        values = values > 3 ? values - 3 : 0; // after month, day and hour
    }
    std::vector<std::string> year = rows;
    const std::string empty = energyRow(12, 31, 23, std::vector<double>(values, 0.0));
    while (year.size() < static_cast<std::size_t>(pelmora::kEnergyFileRows)) year.push_back(empty);
    return energyFileOfRows(year);
}

void rateableClimate(pelmora::RatingTables& tables, int climate) {
    for (int j = 1; j <= pelmora::kStarBandCount; ++j) tables.StarBands(climate, j) = 200.0 - 10.0 * (j - 1);
    tables.StarBandRow(climate) = true;
    tables.AreaCorrectionRow(climate) = true;
}

std::string starBandRow(int climate, double first, double step) {
    std::string row = std::to_string(climate);
    char text[32];
    for (int j = 0; j < 20; ++j) {
        std::snprintf(text, sizeof text, " %.1f", first - step * j);
        row += text;
    }
    return row;
}

} // namespace results_test
