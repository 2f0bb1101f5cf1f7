// Cards of the zone section (data type 3) of the card file, built field by field through the checked
// fixed-width writer: a value too wide for its field is an error that names the element, never a
// cut field.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace pelmora {

// A zone card that cannot be written: the text names the zone and the element.
class ZoneCardError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One card: " 3", the zone number in three columns and the card number in three, then the fields.
// R(x, w, d) and I(n, w) append a right-aligned real and integer; Text appends a literal piece.
class ZoneCard {
  public:
    // `element` names what the card describes ("zone 3 (Living), window 2 of wall 1"); errors use it.
    ZoneCard(int zone, int cardNumber, std::string element);

    ZoneCard& R(double value, int width, int decimals);
    ZoneCard& I(long long value, int width);
    ZoneCard& Text(std::string_view text);
    // The zone name left-aligned in 15 columns.
    ZoneCard& Name(std::string_view name);

    const std::string& str() const { return text_; }

  private:
    [[noreturn]] void refuse(std::string_view value, int width) const;

    std::string text_;
    std::string element_;
};

// The six-column real field R(x, 6, d) alone, for key texts built from several fields.
std::string FieldR(double value, int width, int decimals, std::string_view element);

// "zone 3 (Living)": how errors name a real zone.
std::string ZoneLabel(int zone, std::string_view name);

} // namespace pelmora
