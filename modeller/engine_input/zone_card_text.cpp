#include "modeller/engine_input/zone_card_text.h"

#include "common/fixed_width.h"
#include "common/rounding.h"

#include <cmath>
#include <sstream>

namespace pelmora {
namespace {

constexpr int kZoneColumns = 3;
constexpr int kCardNumberColumns = 3;
constexpr int kNameColumns = 15;

// A real with `decimals` places; with none it is written as a whole number without a point.
bool AppendReal(std::string& out, double value, int width, int decimals) {
    if (decimals > 0 || !std::isfinite(value))
        return fw::appendFixed(out, value, width, decimals, fw::Overflow::Refuse);
    return fw::appendInteger(out, common::roundHalfEvenToInt(value), width, fw::Overflow::Refuse);
}

std::string Shown(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

} // namespace

ZoneCard::ZoneCard(int zone, int cardNumber, std::string element)
    : text_(" 3"), element_(std::move(element)) {
    I(zone, kZoneColumns);
    if (cardNumber == 0) {
        fw::appendBlanks(text_, kCardNumberColumns);
        return;
    }
    I(cardNumber, kCardNumberColumns);
}

ZoneCard& ZoneCard::R(double value, int width, int decimals) {
    if (!AppendReal(text_, value, width, decimals)) refuse(Shown(value), width);
    return *this;
}

ZoneCard& ZoneCard::I(long long value, int width) {
    if (!fw::appendInteger(text_, value, width, fw::Overflow::Refuse)) refuse(std::to_string(value), width);
    return *this;
}

ZoneCard& ZoneCard::Text(std::string_view text) {
    text_ += text;
    return *this;
}

ZoneCard& ZoneCard::Name(std::string_view name) {
    if (!fw::appendText(text_, name, kNameColumns, fw::Overflow::Refuse)) refuse(name, kNameColumns);
    return *this;
}

void ZoneCard::refuse(std::string_view value, int width) const {
    throw ZoneCardError("Cannot write the card of " + element_ + ": the value " + std::string(value) +
                        " does not fit its field of " + std::to_string(width) + " characters");
}

std::string FieldR(double value, int width, int decimals, std::string_view element) {
    std::string text;
    if (!AppendReal(text, value, width, decimals))
        throw ZoneCardError("Cannot write the card of " + std::string(element) + ": the value " +
                            Shown(value) + " does not fit its field of " + std::to_string(width) +
                            " characters");
    return text;
}

std::string ZoneLabel(int zone, std::string_view name) {
    return "zone " + std::to_string(zone) + " (" + std::string(name) + ")";
}

} // namespace pelmora
