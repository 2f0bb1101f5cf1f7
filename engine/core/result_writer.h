// The result writer: keeps the step values of the day, accumulates daily, monthly and run statistics
// of temperatures and of heating and cooling energies, and writes the hourly rows of the temperature
// file and of energy.txt once a day, the summaries of the text report, the console progress line,
// and at the end of the run the rating summary and the card-8 file.
#pragma once

namespace engine {

struct EngineState;

// Temperature bin 1..8 of a step temperature (°C): below 12, then 3-degree bins, 30 and above.
int temperatureBin(double t);

// True when step s of the day lies in the stated hours from-hour f to to-hour t (24 stored as 0).
bool inStatedHours(int s, int f, int t);

// Ends the run with a message naming the first result file that did not take everything written to
// it (a full disk, a failed write); with `close` set the files are closed first, so that what was
// still buffered is written and checked too.
void checkResultFiles(EngineState& state, bool close);

// The writer in the mode of `psa.iomode`: 1 heads, 2 step values of zone iz, 3 the day, 4 the month
// of `tim.imonth`, 5 the run.  Returns 0.
int scribe(EngineState& state, int iz);

} // namespace engine
