// The data blocks of building sections, view factors and input completion.
#pragma once

namespace engine {

struct SectionBlocks {};

} // namespace engine
