// Builds the shipped construction data from the text sources of this folder into the program
// folder: matdata.bin, BESTFIT.DAT, grid.bmp, Data/RCProps.TXT, Data/tables.db and, in
// Data/WindowData, the window and skylight product and glazing libraries.
//
//   build_construction_data <source folder> <program folder>

#include "data/construction/air_gap_table.h"
#include "data/construction/glazing_libraries.h"
#include "data/construction/material_file.h"
#include "data/construction/material_tables.h"
#include "data/construction/row_pictures.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

namespace fs = std::filesystem;
using namespace construction;

void writeBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error(file.string() + " cannot be written");
}

// The four window and skylight part tables follow the glazing sources, so that a generic code's
// table rows and its glazing are one.
void addGlazingTables(const GlazingCatalogue& c, std::map<std::string, TableRows>& rows) {
    const char* const kPanesPicture[] = {"", "panes1 c0d8e8 4060a0", "panes2 c0d8e8 4060a0",
                                         "panes3 c0d8e8 4060a0"};
    for (const WindowGlazing& w : c.windowGlazings)
        if (w.row > 0)
            rows["Windowglass"].push_back(
                {std::to_string(w.row), w.description, kPanesPicture[w.properties.paneCount]});
    for (const Frame& f : c.windowFrames)
        rows["Windowframe"].push_back({std::to_string(f.row), f.description, "panes1 e8f0f8 707880"});
    for (const SkylightGlazing& s : c.skylightGlazings)
        if (s.row > 0)
            rows["Skylight"].push_back({std::to_string(s.row), s.description,
                                        s.kind == 2 ? "tube c0d8e8 e0e0e0" : "skylight c0d8e8 e0e0e0"});
    for (const Frame& f : c.skylightFrames)
        rows["SkyFrame"].push_back({std::to_string(f.row), f.description, "skylight 707880 e0e0e0"});
}

void build(const fs::path& sources, const fs::path& programFolder) {
    const fs::path data = programFolder / "Data";
    const fs::path windowData = data / "WindowData";
    fs::create_directories(windowData);

    const auto materials = readMaterials(sources / "materials.txt");
    writeMaterialFile(materials, programFolder / "matdata.bin");
    writeCalculatorMaterials(materials, data / "RCProps.TXT");

    const GlazingCatalogue catalogue = readGlazingCatalogue(sources);
    writeGlazingLibraries(catalogue, windowData);

    std::map<std::string, TableRows> rows;
    for (const TableSpec& spec : materialTableSpecs()) {
        const fs::path file = sources / "tables" / (spec.name + ".txt");
        if (fs::exists(file)) rows[spec.name] = readTableSource(spec, file);
    }
    addGlazingTables(catalogue, rows);
    writeMaterialTables(rows, data / "tables.db");

    writeAirGapTable(fitAirGapTable(sources / "air_spaces.txt"), programFolder / "BESTFIT.DAT");
    writeBytes(programFolder / "grid.bmp", sunChartGrid().bmp());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: build_construction_data <source folder> <program folder>\n";
        return 2;
    }
    try {
        build(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "build_construction_data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
