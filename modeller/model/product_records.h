// The window and skylight product libraries in memory: the manufactured products a window or skylight
// may name instead of a generic glazing.  The product code links a product to the glazing system of
// the same code in the glazing libraries the engine reads.
#pragma once

#include "common/arrays.h"

#include <cstdint>
#include <string>

namespace pelmora {

constexpr std::size_t kProductCodeLength = 11;

struct CustWinType {
    std::string ProductCode; // at most 11 characters
    std::string Manufacturer;
    std::string Brand;
    std::string ProductName;
    std::int32_t PaneCount = 0; // 1..3
    double GlassU = 0.0;        // W/m2K
    double FrameU = 0.0;        // W/m2K
    double GlassSHGC = 0.0;     // solar heat gain coefficient of the glass
    double SC = 0.0;            // shading coefficient
    double GlassFraction = 0.0; // glazed share of the window area
    double VT = 0.0;            // visible transmittance
    double UVT = 0.0;           // ultraviolet transmittance
    // Solar transmittance at the ten angles of incidence of the library, in file order.
    common::FixedArray1<double, 1, 10> AngleTransmittance{};
    // Solar absorptance of panes 1..3 at the same ten angles.
    common::FixedArray2<double, 1, 3, 1, 10> PaneAbsorptance{};
    bool operator==(const CustWinType&) const = default;
};

struct CustSkyType {
    std::string ProductCode;    // at most 11 characters
    std::string ProductName;    // keeps the blank that separates it from the system number
    double GlassU = 0.0;        // W/m2K
    double FrameU = 0.0;        // W/m2K
    double GlassFraction = 0.0; // glazed share
    double FourthValue = 0.0;   // read and kept; no reader uses it
    std::int32_t PaneCount = 0;
    std::int32_t SystemNumber = 0; // glazing system in the skylight glazing library
    bool operator==(const CustSkyType&) const = default;
};

} // namespace pelmora
