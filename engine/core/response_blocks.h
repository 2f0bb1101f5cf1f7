// The data blocks of harmonic conduction, zone response and response factors.
#pragma once

namespace engine {

struct ResponseBlocks {};

} // namespace engine
