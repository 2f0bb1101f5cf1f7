// The handlers of the card file's data types, called by the card loop of readat.
#pragma once

#include <string_view>

namespace engine {

struct EngineState;

// What the card loop does after a card.
enum class CardResult {
    Next,   // read the next card
    Unknown // a section or card number the reader does not handle: illegal input
};

// Data type 1: project cards.
CardResult projectCard(EngineState& state, std::string_view card);
// Data type 2: material change, glazing system, layer and name cards.
CardResult constructionCard(EngineState& state, std::string_view card);
// Data type 3: zone, surface, ventilation, gain and control cards.
CardResult zoneDataCard(EngineState& state, std::string_view card);
// Data type 3 cards numbered 300 and above, for zone z (1..150).
CardResult zoneControlCard(EngineState& state, int z, int c, std::string_view card);

// Marks driver row `row` in use by zone z.
void markDriverRow(EngineState& state, int row, int z);
// The zone's own gain row, 451 + z.
int gainRow(int z);

// The checks made when a card of data type 9 (or a blank line) ends the input.
void endOfInputChecks(EngineState& state);

} // namespace engine
