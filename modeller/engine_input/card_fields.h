// The fixed-width pieces of the engine's card file: reals right-aligned in w characters with d
// decimals, integers right-aligned in w characters, texts in a field of their own.  Every piece goes
// through the shared fixed-width writer with overflow refused: a value too wide for its field is an
// error that names the element it belongs to, never a cut field that the engine would read as another
// number.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace pelmora {

// A fault that stops the writing of the card file: a value too wide for its card field, a product
// code that no library holds, a construction list past its section range.  The text names the element
// (zone, wall, window, construction) so that the simulate command can tell the user what to mend.
class ScratchError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Builds one card or one piece of a card.  `element` names what the values belong to; it is quoted in
// the error when a value does not fit its field.
class CardText {
  public:
    explicit CardText(std::string element, std::string start = {})
        : element_(std::move(element)), text_(std::move(start)) {}

    // Str(x:w:d): a real right-aligned in w characters with d decimals (halves to even).
    CardText& real(double value, int width, int decimals);
    // Str(i:w): an integer right-aligned in w characters.
    CardText& integer(long long value, int width);
    // A text exactly `width` characters wide, padded with blanks after it.
    CardText& field(std::string_view value, int width);
    // A text as it stands.
    CardText& text(std::string_view value);
    CardText& blanks(int count);

    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }
    const std::string& element() const { return element_; }

  private:
    [[noreturn]] void overflow(std::string_view value, int width) const;

    std::string element_;
    std::string text_;
};

// Str(x:w:d) and Str(i:w) of one value that belongs to `element`.
std::string RealField(double value, int width, int decimals, std::string_view element);
std::string IntegerField(long long value, int width, std::string_view element);

// The share of month `month`'s sun that a shading lets through, Str(percent / 100:6:2), for
// `element`.  A percent outside 0..100 is no such share: ScratchError naming the element and month.
std::string MonthlyShadingField(long long percent, int month, std::string_view element);

// A real in its shortest decimal form ("0.9", "0.05", "2.5", "3"): the form of the emittances of an
// air-gap material's name and of the added R in a construction name.
std::string ShortestDecimal(double value);

} // namespace pelmora
