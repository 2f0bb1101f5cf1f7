// The physically possible range of a value that a file gives: a value outside it is damage to the
// file, and a house rated with it would get a wrong rating that looks like a good one.  Both programs
// judge their files' values through this one type.
#pragma once

#include <string>
#include <string_view>

namespace common {

struct ValueRange {
    std::string_view what; // as a message names the value
    double low, high;      // in the value's unit
    bool lowIncluded = true;

    // True when `value` lies in the range; a value that is not a number never does.
    bool contains(double value) const {
        const bool aboveLow = lowIncluded ? value >= low : value > low;
        return aboveLow && value <= high;
    }
    // "`what` `value` outside `low` to `high`".
    std::string refusal(double value) const;
};

// A number as a message shows it: as few digits as say it exactly enough ("0.3", "1e+308").
std::string numberText(double value);

// The frame of a window, roof window or skylight product: no frame insulates perfectly, none passes
// more than a bare metal frame (below 12 W/m2K).  The low end is the least U-value that the card's
// two decimals carry, so the product library and the card reader refuse the same frames.
inline constexpr ValueRange kFrameURange{"frame U-value", 0.01, 20.0, true}; // W/m2K

} // namespace common
