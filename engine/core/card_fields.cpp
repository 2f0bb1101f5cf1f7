#include "engine/core/card_fields.h"

#include <cassert>
#include <cmath>
#include <limits>
#include <string>

#include "engine/core/input_messages.h"

namespace engine {

namespace {

std::string illegalFieldLine(int column) {
    std::string line(msg::kIllegalField);
    if (column > 0) line += ", column " + std::to_string(column);
    return line;
}

} // namespace

IllegalField::IllegalField(int column) : IllegalCard(illegalFieldLine(column)) {}

CardFields::CardFields(std::string_view card, const fw::Format& layout) {
    const std::string_view records[] = {card};
    const fw::ReadResult result = fw::readFormatted(records, layout, values_);
    if (!result.ok) throw IllegalField(result.column);
}

const fw::Value& CardFields::at(int i) const {
    assert(i >= 1 && i <= count());
    return values_[static_cast<std::size_t>(i - 1)];
}

double CardFields::real(int i) const {
    const fw::Value& v = at(i);
    if (const auto* r = std::get_if<double>(&v)) return *r;
    return static_cast<double>(std::get<long long>(v));
}

int CardFields::integer(int i) const {
    const fw::Value& v = at(i);
    if (const auto* n = std::get_if<long long>(&v)) {
        if (*n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
            throw IllegalField();
        return static_cast<int>(*n);
    }
    return truncateToInteger(std::get<double>(v));
}

int CardFields::integerFromReal(int i) const {
    return truncateToInteger(real(i));
}

const std::string& CardFields::text(int i) const {
    return std::get<std::string>(at(i));
}

int truncateToInteger(double value) {
    const double whole = std::trunc(value);
    if (!std::isfinite(whole) || whole < std::numeric_limits<int>::min() ||
        whole > std::numeric_limits<int>::max())
        throw IllegalField();
    return static_cast<int>(whole);
}

std::string trimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    if (end == std::string_view::npos) return {};
    return std::string(text.substr(0, end + 1));
}

} // namespace engine
