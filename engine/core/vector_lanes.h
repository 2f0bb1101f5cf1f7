// Four doubles side by side, a vector extension of GCC and Clang, for the few loops of the engine
// that run millions of times a year.  Every lane does the same IEEE operations in the same order as a
// plain loop over the elements would, so results are the same to the bit; functions that use them are
// also built for the processor's wider vector instructions (target_clones) and chosen when the
// program starts.  Values move in and out with std::memcpy, never by value across a call.
#pragma once

namespace engine {

using Lanes = double __attribute__((vector_size(32)));
inline constexpr int kLanes = 4;

} // namespace engine
