// The data blocks read from the card file, the material file, the glazing libraries and the climate file.
#pragma once

namespace engine {

struct InputBlocks {};

} // namespace engine
