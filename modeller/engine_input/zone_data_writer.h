// The zone card and the surface cards of each real zone (data type 3 of the card file).
#pragma once

#include "modeller/engine_input/zone_writers.h"

#include <string>

namespace pelmora {

// The key texts by which a window or wall names its shading schemes (the texts of cards 1/20, 1/21
// and 1/22).  `element` names the surface in errors.
std::string HorizontalKey(double eaveProjection, double eaveOffset, std::string_view pergola,
                          const MonthlyPercent* monthlyPercent, const std::string& element);
std::string VerticalKey(double leftDepth, double leftOffset, double rightDepth, double rightOffset,
                        const std::string& element);
std::string ScreenKey(const TSurfaceObstructionRec& entry, const std::string& element);

} // namespace pelmora
