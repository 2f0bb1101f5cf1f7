// VaronellEngine: simulates the house of the card file SCRATCH in the working directory.
#include <filesystem>
#include <memory>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

int main() {
    // The state is megabytes of tables, each set by its own constructor: it is built by those alone
    // (default-initialised), not zeroed as a whole beforehand as make_unique would.
    std::unique_ptr<engine::EngineState> state(new engine::EngineState);
    state->workdir = std::filesystem::current_path();
    return engine::runEngine(*state);
}
