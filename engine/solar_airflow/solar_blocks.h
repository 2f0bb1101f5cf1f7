// The data blocks of solar position, sky model, shading and solar gains.
#pragma once

namespace engine {

struct SolarBlocks {};

} // namespace engine
