#include "modeller/engine_input/zone_card_text.h"

namespace pelmora {

ZoneCard::ZoneCard(int zone, int cardNumber, std::string element) : card_(std::move(element), " 3") {
    card_.integer(zone, 3);
    if (cardNumber == 0)
        card_.blanks(3);
    else
        card_.integer(cardNumber, 3);
}

} // namespace pelmora
