#include "common/value_range.h"

#include <cstdio>

namespace common {

std::string numberText(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string ValueRange::refusal(double value) const {
    return std::string(what) + " " + numberText(value) + " outside " + numberText(low) + " to " +
           numberText(high);
}

} // namespace common
