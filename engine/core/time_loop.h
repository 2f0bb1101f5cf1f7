// The hourly time loop: reads the climate file a day at a time, repeats the first day to warm the
// building up, and simulates every day step by step: sun and coverings, solar drivers, the zone heat
// balance with natural ventilation and air flows, the special zones, the plant, the shift of the
// response histories and the hand-over to the result writer.
#pragma once

namespace engine {

struct EngineState;

// Covering state of one step (hour h = step - 1) from the closing hour c and opening hour o (24
// already folded to 0 where it applies), the step's dry bulb and the covering temperature: 1 closed
// by the schedule, 0 open because it is cool enough, 2 left to the solar rule.
int coveringState(int h, int c, int o, double tair, double tcover);

// Folds the hour 24 of a pair of schedule hours to 0 where the other hour is not 0; true when the
// pair then spans the whole day.
bool foldScheduleHours(int& closing, int& opening);

// The time loop.  ierr = 0 at the end of the climate file, 1 after a weather record that could not
// be read (its message is in the text report).
void perfrm(EngineState& state, int& ierr);

} // namespace engine
