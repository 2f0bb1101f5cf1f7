// VaronellEngine: simulates the house of the card file SCRATCH in the working directory.
#include <filesystem>
#include <memory>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

int main() {
    auto state = std::make_unique<engine::EngineState>();
    state->workdir = std::filesystem::current_path();
    return engine::runEngine(*state);
}
