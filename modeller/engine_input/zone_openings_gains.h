// The ventilation and occupancy side of a real zone's cards: air leakage of the zone card, card 300,
// the ventilation openings, internal gains, thermostats, covering, blind and ventilation controls and
// the ceiling fan.
#pragma once

#include "modeller/engine_input/zone_writers.h"
#include "modeller/model/occupancy_gains.h"

namespace pelmora {

// Sets run.ZoneLeakageA[z] and run.ZoneLeakageB[z].  Raises ScratchError naming the zone when its
// volume is 0 (walls of no height).
void CalcZoneLeakage(ZoneWriterRun& run, int zone);

struct CeilingFan {
    double AirSpeed = 0.0; // m/s
    double Power = 0.0;    // W
};
// Raises ScratchError naming the zone for a fan diameter other than 900, 1200 or 1400 mm.
CeilingFan CalcCeilingFan(const HouseModel& model, int zone);

// The cards after the zone's surface cards: card 300, openings, gains, thermostats, controls, fan.
void WriteZoneVentilationAndControls(ZoneWriterRun& run, int zone);

} // namespace pelmora
