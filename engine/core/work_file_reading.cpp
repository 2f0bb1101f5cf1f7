#include "engine/core/work_file_reading.h"

#include <string>

#include "engine/core/state.h"

namespace engine {

void rewindWorkFile(EngineState& state) {
    closeWorkFile(state);
    state.tape52in = std::make_unique<common::RecordReader>(state.tape52.path);
}

void nextWorkFileRecord(EngineState& state, common::Record& record, const char* what) {
    if (!state.tape52in)
        throw common::RecordError("work file " + state.tape52.path.string() + " is not open for reading");
    if (!state.tape52in->next(record))
        throw common::RecordError("work file " + state.tape52.path.string() + " ends before the " + what);
}

void removeWorkFile(EngineState& state) {
    state.tape52in.reset();
    deleteWorkFile(state);
}

} // namespace engine
