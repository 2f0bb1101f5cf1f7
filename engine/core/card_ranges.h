// The physical range of every value the input reader takes from a card.  A value outside it is
// damage to the card file, never a house: a heating set-point of 1000 °C or an area of 9.9E99 m2
// would be simulated into a rating that looks like a good one, or into a numerical failure far from
// the card that caused it.  The ranges are described once, as one table; every card handler asks
// it before it stores anything of the card, so a refused card leaves no trace.
#pragma once

#include "common/fixed_width.h"

namespace engine {

class CardFields;

// The cards whose values have a range, each read under one layout.
enum class RangedCard {
    PressureSet,     // 1/13
    Shielding,       // 1/14
    Ground,          // 1/15
    Curtain,         // 1/16, 1/17
    HorizontalShade, // 1/20
    VerticalShade,   // 1/21
    Screen,          // 1/22
    RunControl,      // 1/23
    Controls,        // 1/24
    OpeningControl,  // 1/26
    MaterialChange,  // 2/0
    WindowSystem,    // 2/1-10
    SkylightLayers,  // 2/11-20, first pass
    SkylightSystem,  // 2/11-20, second pass
    Layers,          // 2/21-200
    Zone,            // 3/0
    WindowPath,      // 3/1-10
    SkylightPath,    // 3/11-20
    WallPath,        // 3/21-30
    RoofPath,        // 3/31-40
    OuterFloorPath,  // 3/41-50
    AdjacentPath,    // 3/51-140
    OtherPath,       // 3/141-200
    Heights,         // 3/300
    Opening,         // 3/301-400
    SensibleGains,   // 3/401-402
    LatentGains,     // 3/403-404
    Heating,         // 3/501-502
    Cooling,         // 3/503-504
    Coverings,       // 3/601-602
    Blinds,          // 3/603-604
    Ventilation,     // 3/605
    Fan,             // 3/701
    StatedHours,     // 3/801
};

// Where a card stands in the card file, as the error line names it.
struct CardPlace {
    int dataType; // 1, 2 or 3
    int zone;     // data type 3 only
    int card;     // the card number (the section for data type 2)
};

// Throws IllegalCard when a value of `f`, read under `layout`, lies outside its range.  The error
// line names the zone (data type 3), the card, the field and its columns, the value and the range.
void requireCardRanges(RangedCard kind, const CardPlace& place, const CardFields& f,
                       const fw::Format& layout);

} // namespace engine
