// The input phase: the wrapper readin and the card reader readat, which turn the card file SCRATCH,
// the material file, the glazing libraries and the climate file into the engine's data blocks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct EngineState;

// Reads the input and prints the banner (good input) or the abnormal-end message.  Returns the input
// error flag: 0 for good input, non-zero when some card held an illegal field.  A limit or
// consistency error ends the run inside (RunStopped).
int readin(EngineState& state);

// Reads SCRATCH (open on unit 60) card by card into the data blocks.
void readat(EngineState& state);

// The defaults of the data blocks before any card is read; sizes the step tables.
void setInputDefaults(EngineState& state);

// The console banner of a good input, line by line.
std::vector<std::string> bannerLines();

} // namespace engine
