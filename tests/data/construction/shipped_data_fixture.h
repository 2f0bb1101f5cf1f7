// Readers of the shipped construction data as their users read them (the engine's material file
// and glazing libraries, the modeller's product libraries, material tables, air-gap table and
// calculator list), and the consistency checks between them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace shipped {

struct MaterialRecord {
    std::string name, note1, note2;
    double p1 = 0, p2 = 0, p3 = 0;
    char flag = ' ';
};

struct WindowSystem {
    std::string code, description;
    int panes = 0;
    std::vector<double> first;                    // gug and glib2 .. glib6
    std::vector<double> nodeR;                    // glayb, n + 1 values
    std::vector<double> paneR;                    // glayc, n values
    std::vector<double> transmittance;            // gangle, 10 values
    std::vector<std::vector<double>> absorptance; // glayang, n rows of 10
};

struct SkylightSystem {
    std::string code, description;
    double u = 0;
    std::vector<double> transmittance; // 10 values
    double diffuserU = 0, diffuserT = 0;
};

struct WindowProduct {
    std::string code, maker, brand, product;
    int panes = 0;
    double sc = 0, vt = 0, uvt = 0, glassU = 0, shgc = 0, frameU = 0, glassFraction = 0;
    std::vector<double> transmittance;
    std::vector<std::vector<double>> absorptance;
};

struct SkylightProduct {
    std::string code, name;
    int panes = 0, systemNumber = 0;
    double glassU = 0, frameU = 0, glassFraction = 0, fourth = 0;
};

using Cell = std::variant<std::monostate, std::int64_t, double, std::string, std::vector<std::uint8_t>>;

struct Table {
    std::vector<std::string> fields;
    std::vector<std::string> types; // declared column types
    std::vector<std::vector<Cell>> rows;

    int column(const std::string& field) const; // -1 when absent
    double number(std::size_t row, const std::string& field) const;
    std::string text(std::size_t row, const std::string& field) const;
};

struct CalculatorMaterial {
    int code = 0;
    double capacity = 0, resistivity = 0;
    std::string name;
};

struct ShippedData {
    std::map<int, MaterialRecord> materials;
    std::vector<WindowSystem> windowSystems;
    std::vector<SkylightSystem> skylightSystems;
    std::vector<WindowProduct> windowProducts;
    std::vector<SkylightProduct> skylightProducts;
    std::map<std::string, Table> tables;
    std::array<std::array<std::array<double, 6>, 4>, 5> airGap{}; // [block][width column][coefficient]
    std::vector<CalculatorMaterial> calculatorMaterials;
};

// Each reader throws std::runtime_error naming the file when it is missing or malformed.
std::map<int, MaterialRecord> readMaterialFile(const std::filesystem::path& file);
std::vector<WindowSystem> readWindowLibrary(const std::filesystem::path& file);
std::vector<SkylightSystem> readSkylightLibrary(const std::filesystem::path& file);
std::vector<WindowProduct> readWindowProducts(const std::filesystem::path& file);
std::vector<SkylightProduct> readSkylightProducts(const std::filesystem::path& file);
std::map<std::string, Table> readTables(const std::filesystem::path& file);
std::array<std::array<std::array<double, 6>, 4>, 5> readAirGapTable(const std::filesystem::path& file);
std::vector<CalculatorMaterial> readCalculatorMaterials(const std::filesystem::path& file);

// Everything from a program folder.
ShippedData readShippedData(const std::filesystem::path& programFolder);

// The air-gap resistance for heat flow up and down, as the modeller computes it from the table.
std::pair<double, double> airGapResistance(const ShippedData& data, double widthMm, double e1, double e2,
                                           double tiltDeg);

// Every fault found, one message each; empty when the data are consistent.
std::vector<std::string> consistencyFaults(const ShippedData& data);

} // namespace shipped
