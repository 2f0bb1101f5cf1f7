// The data blocks of the hourly time loop, the zone heat balance, plant and special zones.
#pragma once

namespace engine {

struct TimeLoopBlocks {};

} // namespace engine
