#include "engine/core/input_blocks.h"

#include "engine/core/state.h"

namespace engine {

void allocateInputBlocks(EngineState& blocks) {
    const int steps = 24 * blocks.time.nstphr;
    blocks.blank.drive.allocate(1, kDriverRows, 1, steps, 0.0);
    blocks.stuff.drive2.allocate(1, kDriverRows, 1, steps, 0.0);
    blocks.latent.latgain.allocate(1, kMaxZones, 1, steps, 0.0);
    blocks.sysa.theat.allocate(1, steps, 1, kMaxZones, -99.0);
    blocks.sysa.tcool.allocate(1, steps, 1, kMaxZones, 99.0);
}

} // namespace engine
