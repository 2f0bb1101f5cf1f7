// Cards of the zone section (data type 3) of the card file: " 3", the zone number and the card
// number, then fields through the checked card fields (a value too wide for its field is a
// ScratchError naming the element, never a cut field).
#pragma once

#include "modeller/engine_input/card_fields.h"

#include <string>
#include <string_view>

namespace pelmora {

class ZoneCard {
  public:
    // `element` names what the card describes ("zone 3 (Living), wall 1, window 2"); errors quote it.
    ZoneCard(int zone, int cardNumber, std::string element);

    ZoneCard& R(double value, int width, int decimals) {
        card_.real(value, width, decimals);
        return *this;
    }
    ZoneCard& I(long long value, int width) {
        card_.integer(value, width);
        return *this;
    }
    ZoneCard& Text(std::string_view text) {
        card_.text(text);
        return *this;
    }
    // The zone name left-aligned in 15 columns.
    ZoneCard& Name(std::string_view name) {
        card_.field(name, 15);
        return *this;
    }

    const std::string& str() const { return card_.str(); }

  private:
    CardText card_;
};

} // namespace pelmora
