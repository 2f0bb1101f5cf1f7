// Reading the engine's work file back: the conduction phase reads its section part from the start,
// the zone response phase goes on with the zone path records, and the file is removed after them.
#pragma once

#include "common/framed_records.h"

namespace engine {

struct EngineState;

// Ends the writing of the work file and opens it for reading from its first record.  Throws
// common::RecordError naming the file when it cannot be opened.
void rewindWorkFile(EngineState& state);

// Reads the next record of the work file into `record`.  Throws common::RecordError when the file
// ends before the record the reader expects (`what` names it) or is not open.
void nextWorkFileRecord(EngineState& state, common::Record& record, const char* what);

// Closes the work file and deletes it from the working directory.
void removeWorkFile(EngineState& state);

} // namespace engine
