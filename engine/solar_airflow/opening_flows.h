// The ventilation openings of the air-flow network: which zones and openings take part in a step,
// the far-side pressures of every opening from wind, stack and the neighbour zone (`extp`), the
// power-law coefficients of each opening, integrated over the height of a large opening around its
// neutral plane (`coeff`), and the final flows of the step with the single-sided correction
// (`flowrate`).
#pragma once

#include "engine/core/state.h"

#include <cmath>
#include <limits>

namespace engine {

inline constexpr double kGravity = 9.8;              // m/s2
inline constexpr double kReferenceDensity = 1.2;     // kg/m3, of the wind pressure and the orifice law
inline constexpr double kHydrostaticFactor = 11.76;  // Pa/m, reference density × gravity
inline constexpr double kDensityNumerator = 352.996; // kg K/m3: air density = 352.996 / absolute temperature
inline constexpr double kZeroCelsius = 273.15;       // K
inline constexpr double kTiny = 1e-20;               // floor of density, pressure and height differences
inline constexpr double kFarNeutralPlane = 1000.0;   // m: a neutral plane beyond this counts as far away
inline constexpr double kOrificeExponent = 0.5;      // flow exponent of a sharp-edged opening
inline constexpr double kLargestFinite = std::numeric_limits<double>::max();

// How an opening exchanges air.  The card's type 1..5 gives it; a floor or ceiling opening to the
// outdoors has no zone beyond, so it exchanges with the outdoor air at the zone's floor or ceiling
// like a small opening there, and a type outside 1..5 is taken as the general vertical opening
// whose bottom and top heights the card gives.
enum class OpeningKind {
    Large,   // vertical opening with two-way flow over its height
    Floor,   // opening in the zone's floor to the zone below
    Ceiling, // opening in the zone's ceiling to the zone above
    Top,     // small opening at the top of the zone
    Bottom   // small opening at the bottom of the zone
};
// Defined here, as the other tests of every opening in every solver pass, so that the passes
// inline them.
inline OpeningKind openingKind(int itypop, int iadjz) {
    switch (itypop) {
    case 2:
        return iadjz == 0 ? OpeningKind::Bottom : OpeningKind::Floor;
    case 3:
        return iadjz == 0 ? OpeningKind::Top : OpeningKind::Ceiling;
    case 4:
        return OpeningKind::Top;
    case 5:
        return OpeningKind::Bottom;
    default:
        return OpeningKind::Large;
    }
}

// c × x^power, with the power skipped where it cannot change the product: a side of an opening
// with no coefficient carries nothing for any finite positive difference x, and a power between -1
// and 1 of such an x is finite and positive, so the product is c itself (a zero of c's sign).
inline double scaledPower(double c, double x, double power) {
    if (c == 0.0 && x > 0.0 && x <= kLargestFinite && power >= -1.0 && power <= 1.0) return c;
    return c * std::pow(x, power);
}

// Density of air at a temperature in °C, kg/m3.
double airDensity(double celsius);

// The active order of the step: `airflowwork.ipos` of every zone (0 for a zone that takes no part),
// and the number of active zones.  A zone takes part when it is in the network list and its
// `ivzon` is set.
int orderActiveZones(EngineState& state);
inline bool zoneActive(const EngineState& state, int zone) {
    return zone >= 1 && zone <= kMaxZones && state.airflowwork.ipos(zone) != 0;
}
// Calls f(zone) for every zone that takes part in the step, in network order.
template <class State, class F> void forEachActiveZone(State& state, F&& f) {
    for (int n = 1; n <= state.ventzones.nvz; ++n) {
        const int i = state.ventzones.ivz(n);
        if (zoneActive(state, i)) f(i);
    }
}
// An opening takes part when its zone does, its `iopen` is set, and the zone beyond is the
// outdoors or a zone that takes part in the step.  The pressure of a zone that is out of the step
// is not solved, so an opening into it carries no flow in that step.
inline bool openingActive(const EngineState& state, int zone, int k) {
    if (!zoneActive(state, zone) || state.type.iopen(zone, k) == 0) return false;
    const int a = state.type.iadjz(zone, k);
    return a == 0 || zoneActive(state, a);
}
// Calls f(zone, k) for every opening that takes part in the step.
template <class State, class F> void forEachActiveOpening(State& state, F&& f) {
    forEachActiveZone(state, [&](int i) {
        for (int k = 1; k <= state.open1.nopen(i); ++k) {
            if (openingActive(state, i, k)) f(i, k);
        }
    });
}
// Mid-height of the reference zone above the datum of the heights (0 without one), m.
double referenceMidHeight(const EngineState& state);
// The factor on an opening's coefficients: the zone's opening factor for a controlled opening to
// the outdoors, else 1.
inline double openingFactor(const EngineState& state, int zone, int k) {
    const bool controlled = state.type.iadjz(zone, k) == 0 && state.type.ifixop(zone, k) != 0;
    return controlled ? state.ventzones.venfac(zone) : 1.0;
}
// An active opening that can carry air in the step: open, with a height and a coefficient.
bool openingConducts(const EngineState& state, int zone, int k);

// Coefficients of a large opening, in m3/s per Pa^n of the pressure difference at the bottom of its
// profile (below the neutral plane) and at the top (above it).  zl and zh are the bottom and top of
// the opening and zn the neutral plane, all in m above the bottom of the profile of height ohgt;
// kbase the base coefficient per metre of opening height, factor the opening factor.
struct LargeOpeningCoefficients {
    double below = 0.0; // C1
    double above = 0.0; // C2
};
LargeOpeningCoefficients largeOpeningCoefficients(double zl, double zh, double zn, double ohgt, double expon,
                                                  double kbase, double factor);

// Single-sided ventilation of a zone whose openings all face one pressure: the exchange through one
// opening of area m2, height m, with a temperature difference K at a mean absolute temperature K
// and a wind speed m/s (m3/s); and the discharge-coefficient equivalent of the wind and stack
// turbulence for several openings, compared with their discharge coefficient.
double singleSidedFlow(double area, double deltaT, double meanT, double height, double wind);
double singleSidedDischarge(double meanT, double wind, double height, double deltaT);

void extp(EngineState& state);
void coeff(EngineState& state);
void flowrate(EngineState& state, int istep, int istat);

} // namespace engine
