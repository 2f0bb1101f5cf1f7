// The engine's material file matdata.bin and the R-value calculators' material list RCProps.TXT,
// both built from materials.txt.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace construction {

struct Material {
    int code = 0;
    bool conducting = false; // flag "Y": resistance and capacity scale with the layer thickness
    // Conducting materials.
    double density = 0;      // kg/m3
    double specificHeat = 0; // J/kg K
    double conductivity = 0; // W/m K
    // Fixed-resistance materials.
    double capacityPerArea = 0; // kJ/m2 K
    double resistanceUp = 0;    // m2K/W
    double resistanceDown = 0;  // m2K/W
    std::string name;

    double property1() const; // kJ/m3 K (conducting) or kJ/m2 K (fixed)
    double property2() const; // m K/W (conducting) or m2K/W (fixed)
    double property3() const;
};

// Reads materials.txt; throws SourceError for a malformed line, a duplicate code, a code outside
// 1..999, or a conducting material whose conductivity is not positive.
std::vector<Material> readMaterials(const std::filesystem::path& file);

// Writes matdata.bin: two title records, one record per material (code, name, two 15-character
// notes, three properties, flag), and the end record with code -1.
void writeMaterialFile(const std::vector<Material>& materials, const std::filesystem::path& file);

// Writes RCProps.TXT: one line per conducting material of a real substance (code, heat capacity
// per volume in kJ/m3 K, resistivity in m K/W, two blanks and the name), CR LF.
void writeCalculatorMaterials(const std::vector<Material>& materials, const std::filesystem::path& file);

} // namespace construction
