// The fields of one card of the card file, read under the card's layout.  A field that does not hold
// a number of its format makes the whole card illegal: the reader throws IllegalField, and the card
// loop echoes the card and goes on with the next one.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_width.h"

namespace engine {

class IllegalField : public std::runtime_error {
  public:
    IllegalField() : std::runtime_error("illegal data in field") {}
};

class CardFields {
  public:
    // Reads `card` under `layout`; throws IllegalField.
    CardFields(std::string_view card, const fw::Format& layout);

    // The i-th value (1-based, X descriptors not counted).
    double real(int i) const;
    int integer(int i) const;
    // A real field converted to an integer by truncation toward zero.
    int integerFromReal(int i) const;
    const std::string& text(int i) const;
    int count() const { return static_cast<int>(values_.size()); }

  private:
    const fw::Value& at(int i) const;
    std::vector<fw::Value> values_;
};

// A real read from a card, truncated toward zero; throws IllegalField when it lies outside the range
// of an integer.
int truncateToInteger(double value);

// The text without its trailing blanks.
std::string trimRight(std::string_view text);

} // namespace engine
