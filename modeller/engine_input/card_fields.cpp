#include "modeller/engine_input/card_fields.h"

#include "common/fixed_width.h"
#include "common/rounding.h"

#include <charconv>
#include <cmath>

namespace pelmora {

CardText& CardText::real(double value, int width, int decimals) {
    // A real with no decimals is written as a whole number without a point.
    const bool ok =
        decimals == 0 && std::isfinite(value) && std::fabs(value) < 1e15
            ? fw::appendInteger(text_, common::roundHalfEvenToInt(value), width, fw::Overflow::Refuse)
            : fw::appendFixed(text_, value, width, decimals, fw::Overflow::Refuse);
    if (!std::isfinite(value)) {
        throw ScratchError(
            element_ + ": a value that is not a finite number cannot be written to the engine input file");
    }
    if (!ok) overflow(ShortestDecimal(value), width);
    return *this;
}

CardText& CardText::integer(long long value, int width) {
    if (!fw::appendInteger(text_, value, width, fw::Overflow::Refuse)) overflow(std::to_string(value), width);
    return *this;
}

CardText& CardText::field(std::string_view value, int width) {
    if (!fw::appendText(text_, value, width, fw::Overflow::Refuse))
        overflow("\"" + std::string(value) + "\"", width);
    return *this;
}

CardText& CardText::text(std::string_view value) {
    text_ += value;
    return *this;
}

CardText& CardText::blanks(int count) {
    fw::appendBlanks(text_, count);
    return *this;
}

void CardText::overflow(std::string_view value, int width) const {
    throw ScratchError(element_ + ": the value " + std::string(value) + " does not fit in its field of " +
                       std::to_string(width) + " characters of the engine input file");
}

std::string RealField(double value, int width, int decimals, std::string_view element) {
    return CardText(std::string(element)).real(value, width, decimals).str();
}

std::string IntegerField(long long value, int width, std::string_view element) {
    return CardText(std::string(element)).integer(value, width).str();
}

std::string MonthlyShadingField(long long percent, int month, std::string_view element) {
    constexpr long long kWhole = 100; // %
    if (percent < 0 || percent > kWhole) {
        throw ScratchError(std::string(element) + ": the shading of month " + std::to_string(month) + " is " +
                           std::to_string(percent) + " %; it must lie within 0..100 %");
    }
    return RealField(static_cast<double>(percent) / kWhole, 6, 2, element);
}

std::string ShortestDecimal(double value) {
    char buffer[400]; // room for any double in fixed notation
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace pelmora
