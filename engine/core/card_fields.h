// The fields of one card of the card file, read under the card's layout.  A field that does not hold
// a number of its format makes the whole card illegal: the reader throws IllegalField, and the card
// loop echoes the card with the error line and goes on with the next one.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_width.h"

namespace engine {

// A card the input cannot take.  The message is the error line written under the echoed card; the
// input goes on with the next card and the run ends after the input with the abnormal end.
class IllegalCard : public std::runtime_error {
  public:
    explicit IllegalCard(const std::string& errorLine) : std::runtime_error(errorLine) {}
};

// A field that does not hold a number of its format.  `column` is the field's first column on the
// card, 0 when the value read was a number but not one the field may hold.
class IllegalField : public IllegalCard {
  public:
    explicit IllegalField(int column = 0);
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
