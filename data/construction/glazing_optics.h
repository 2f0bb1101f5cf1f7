// A simple optical and thermal model of glazings, from the properties of their panes at normal
// incidence:
//  - each pane's angular solar transmittance and reflectances follow an uncoated glass slab
//    (refractive index 1.526, absorption fitted to the pane's normal transmittance), normalised so
//    that the pane keeps its own values at normal incidence;
//  - the panes of a glazing are combined by following the inter-reflections between them, which
//    gives the glazing's transmittance and the share of the incident radiation each pane absorbs;
//  - the centre-of-glass U-value follows the standard calculation of glazing U-values: radiation
//    and conduction or convection across each gas space (vertical or horizontal layer, mean
//    temperature 10 degC, 15 K across the glazing), the pane resistances, and film coefficients
//    of 23 W/m2K outside and 3.6 + 4.4 e / 0.837 W/m2K inside (e the room face's emittance).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace construction {

struct Pane {
    std::string name;
    double thickness = 0;    // mm
    double conductivity = 0; // W/m K
    double solarT = 0, solarRFront = 0, solarRBack = 0;
    double visibleT = 0, visibleR = 0, ultravioletT = 0;
    double emittanceFront = 0, emittanceBack = 0; // front faces outdoors
    std::string description;

    Pane reversed() const;                                                  // the pane turned round
    double resistance() const { return thickness / 1000.0 / conductivity; } // m2K/W
};

enum class Gas { Air, Argon };

struct GasSpace {
    double width = 0; // mm
    Gas gas = Gas::Air;
};

// Panes from outside to inside with the gas spaces between them (one fewer than the panes).
struct Layup {
    std::vector<Pane> panes;
    std::vector<GasSpace> spaces;
};

enum class Orientation { Vertical, Horizontal };

constexpr int kAngleCount = 10; // 0, 10, ..., 90 degrees of incidence
constexpr int kMaxPanes = 3;

struct GlazingProperties {
    int paneCount = 0;
    double centreU = 0;                  // W/m2K at the film coefficients below
    double emittanceOutside = 0;         // outdoor face of pane 1
    double emittanceInside = 0;          // room face of the last pane
    double filmOutside = 0;              // W/m2K
    double filmInside = 0;               // W/m2K
    double shgc = 0;                     // solar heat gain coefficient at normal incidence
    std::vector<double> nodeResistances; // n + 1 values, m2K/W: outside film to pane 1 mid-plane, ...
    std::vector<double> paneResistances; // n values, m2K/W
    std::array<double, kAngleCount> transmittance{};
    std::array<std::array<double, kAngleCount>, kMaxPanes> absorptance{}; // [pane][angle]
    double solarReflectance = 0;                                          // outside, normal incidence
    double visibleT = 0;
    double ultravioletT = 0;
};

// Computes every property of a glazing of one to three panes.  Throws std::invalid_argument for a
// layup of no or more than three panes, or gas spaces that do not fit the panes.
GlazingProperties glazingProperties(const Layup& layup, Orientation orientation);

} // namespace construction
