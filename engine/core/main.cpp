// VaronellEngine: simulates the house of the card file SCRATCH in the working directory.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>

#include <sys/mman.h>

#include "engine/core/main_program.h"
#include "engine/core/state.h"

namespace {

// The state is megabytes of tables that their constructors clear at once.  Held in huge pages the
// clearing takes a handful of page faults instead of thousands, which is much of a small house's run.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

struct StateDeleter {
    void operator()(engine::EngineState* state) const {
        state->~EngineState();
        std::free(state);
    }
};

using StatePointer = std::unique_ptr<engine::EngineState, StateDeleter>;

StatePointer makeState() {
    const std::size_t bytes = (sizeof(engine::EngineState) + kHugePage - 1) / kHugePage * kHugePage;
    void* storage = std::aligned_alloc(kHugePage, bytes);
    if (!storage) throw std::bad_alloc();
    madvise(storage, bytes, MADV_HUGEPAGE); // a hint: without huge pages the state works the same
    // Built by its members' constructors alone (default-initialised), each of which sets its table.
    return StatePointer(new (storage) engine::EngineState);
}

} // namespace

int main() {
    StatePointer state = makeState();
    state->workdir = std::filesystem::current_path();
    return engine::runEngine(*state);
}
