// The dump of the work file `tape52` in the text report, asked for by print switch 6: what the input
// wrote for the conduction and zone response phases, to be checked by eye.
#pragma once

namespace engine {

struct EngineState;

// Writes to the text report every section record up to the end of the section part, every zone path
// record and the driver-use table of the zones.  The work file stays open for writing.  Throws
// common::RecordError naming the file when it cannot be read back.
void dumpWorkFile(EngineState& state);

} // namespace engine
