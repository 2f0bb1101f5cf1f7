// Builds small air-flow networks in an engine state as the input reader leaves them, and runs
// steps of the network as the time loop does.
#pragma once

#include "engine/core/state.h"

#include <array>
#include <memory>

namespace engine::testing {

// One ventilation opening card.
struct OpeningCard {
    double width = 1.0;  // m
    double cd = 0.6;     // discharge coefficient
    double perc = 100.0; // percent open
    double low = 0.0;    // m above the zone's floor
    double high = 2.0;   // m above the zone's floor
    int cpindx = -1;     // pressure-coefficient set, -1 none
    int type = 1;        // opening type
    double expon = 0.5;  // flow exponent
    int adjzon = 0;      // zone beyond, 0 outdoors
    int contyp = 0;      // connection type
    double midht = 0.0;  // mid-height, m (0: the zone's mid-height)
    int contrl = 0;      // 0: follows the ventilation control
};

class AirflowNetwork {
  public:
    AirflowNetwork();

    EngineState& state() { return *state_; }

    // A zone card with its card 300: floor height and ceiling height (m), volume (m3).
    int addZone(double floorHeight, double ceilingHeight, double volume, double wsred = 1.0);
    // An opening card of a zone; the zone joins the network with its first opening.
    int addOpening(int zone, const OpeningCard& card);
    void addPressureSet(int number, const std::array<double, 8>& cp);
    // Tight tolerances so that results can be compared with hand-worked values.
    void setTightNumerics();

    // What the input reader does after the cards: the check of the ventilation openings.
    void finishInput();

    // The time loop's preparation of a step and one call of the network: every network zone on,
    // every opening open, each zone's opening factor 1.  Returns the status.
    int step(double zoneTemperature, double outdoorTemperature, double windSpeed = 0.0,
             double windDirection = 0.0);
    // The same with a temperature per zone (index 1..).
    int step(const std::array<double, 11>& zoneTemperatures, double outdoorTemperature, double windSpeed,
             double windDirection, bool prepare = true);

    // Mass balance of a zone's openings and mechanical flows, m3/s.
    double imbalance(int zone) const;
    // The largest opening flow of the step, m3/s.
    double largestFlow() const;

  private:
    std::unique_ptr<EngineState> state_;
    double zmidmin_ = 1.0e6;
};

} // namespace engine::testing
