// The data blocks of the air-flow network.
#pragma once

namespace engine {

struct AirflowBlocks {};

} // namespace engine
