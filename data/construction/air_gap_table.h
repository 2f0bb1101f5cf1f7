// The air-gap coefficient table BESTFIT.DAT: for each of five tilt and heat-flow blocks and four gap
// widths, a polynomial of degree five in the effective emittance E fitted by least squares to the
// conductance 1/R of the tabulated air-space resistances (air_spaces.txt).
#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace construction {

constexpr int kAirGapBlocks = 5;
constexpr int kAirGapWidths = 4;       // columns for 90, 40, 20 and 13 mm
constexpr int kAirGapCoefficients = 6; // c0 .. c5

struct AirGapTable {
    std::array<std::string, kAirGapBlocks> titles;
    // [block][width column][coefficient]
    std::array<std::array<std::array<double, kAirGapCoefficients>, kAirGapWidths>, kAirGapBlocks>
        coefficients{};
};

// Reads the resistances and fits the polynomials.  Throws SourceError for a malformed line, a block,
// width or emittance outside the table, or a block and width with fewer than six points.
AirGapTable fitAirGapTable(const std::filesystem::path& source);

// Writes the table: per block its title line and six lines of four coefficients (row r holds
// coefficient r for the widths 90, 40, 20 and 13 mm), CR LF.
void writeAirGapTable(const AirGapTable& table, const std::filesystem::path& file);

} // namespace construction
