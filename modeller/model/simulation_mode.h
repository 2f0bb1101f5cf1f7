// The simulation mode: which zones are heated and which are cooled.  The ticks of the mode dialog
// as plain C++: taken from the zones' flags when the dialog is shown, set by zone type for a rating
// ("Conditioned") or cleared for a free-running house, and written back into the zones only on OK.
//
// A zone is conditioned when it is heated or cooled: it gets thermostat cards on the card file and
// energy columns from the engine, and the rating's floor area counts the zones that are both.
#pragma once

#include "modeller/model/house_model.h"

#include <array>
#include <string_view>
#include <vector>

namespace pelmora {

// The names of the zone types 0..7.
inline constexpr std::array<std::string_view, 8> kZoneTypeNames = {
    "Living",   "Living/Kitchen", "Sleeping",       "Wet Area",
    "Corridor", "Garage",         "Other Day-time", "Other Night-time"};

// The name of a zone type, empty outside 0..7.
std::string_view ZoneTypeName(int zoneType);

// True for the zone types a rating heats and cools: the living, kitchen, sleeping and the two other
// habitable types; wet areas, corridors and garages are left free running.
bool ConditionedForRating(int zoneType);

struct TModeTicks {
    bool Heat = false;
    bool Cool = false;
    bool operator==(const TModeTicks&) const = default;
};

class SimulationMode {
  public:
    explicit SimulationMode(HouseModel& model) : model_(model) {}

    // One row of ticks per zone 1..ZoneCount from the zones' Heated and Cooled flags.
    void TakeZones();
    // Both ticks of every zone set or cleared by its type.
    void CondSBClick();
    // Every tick cleared.
    void FreeSBClick();
    // The ticks into the zones' flags; the rows are dropped.
    void OKSBClick();
    // Closing without OK: the zones stay as they were and the rows are dropped.
    void Discard() { rows_.clear(); }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    TModeTicks& Row(int zone) { return rows_.at(static_cast<std::size_t>(zone - 1)); }
    const TModeTicks& Row(int zone) const { return rows_.at(static_cast<std::size_t>(zone - 1)); }

  private:
    HouseModel& model_;
    std::vector<TModeTicks> rows_; // zone z at index z - 1
};

} // namespace pelmora
