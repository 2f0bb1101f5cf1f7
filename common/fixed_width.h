// Fixed-width text fields as the card file, the climate files and the engine's reports use them:
// Fortran-style edit descriptors (Iw, Fw.d, Ew.d, Aw, nX, repeat counts, '/').
//
// Reading follows the rules of a file opened with blanks counting as zeros: a blank anywhere in a
// numeric field is a zero digit, an all-blank field is zero, a real written without a decimal point
// takes the implied decimals of its descriptor, and a written point overrides them.  A field that
// holds anything else is reported as illegal, never read as a silent zero.  Columns past the end of
// a short line read as blanks.
//
// Writing right-aligns every value in its field and rounds halves to even.  A value too wide for its
// field is either refused (the modeller's card writer must never cut a field) or shown as asterisks
// (the engine's reports).
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

enum class Edit { I, F, E, A, X, Slash };

struct Descriptor {
    Edit edit;
    int width = 0;    // characters; for X the number of columns skipped
    int decimals = 0; // F and E only
    bool operator==(const Descriptor&) const = default;
};

// A format with every repeat count and group expanded, in order.
using Format = std::vector<Descriptor>;

// Parses a format such as "(4X,2I2,2X,F4.1)" or "1X,3(F6.2,2X)/A10".  The outer parentheses are
// optional.  Throws std::invalid_argument naming the fault for a malformed format.
Format parseFormat(std::string_view text);

// How blanks inside a numeric field read.
enum class Blanks {
    Zero, // every blank is a zero digit (the engine opens its input files this way)
    Null  // blanks are ignored
};

// Reads an integer field (Iw).  Returns false when the field is not an integer.
bool readInteger(std::string_view field, long long& value, Blanks blanks = Blanks::Zero);
bool readInteger(std::string_view field, int& value, Blanks blanks = Blanks::Zero);

// Reads a real field (Fw.d or Ew.d) with `decimals` implied decimals.  Returns false when the field
// is not a number.
bool readReal(std::string_view field, int decimals, double& value, Blanks blanks = Blanks::Zero);

// Walks along one record column by column.  Columns past the end of the record read as blanks.
class FieldCursor {
  public:
    explicit FieldCursor(std::string_view record, Blanks blanks = Blanks::Zero)
        : record_(record), blanks_(blanks) {}

    // Column of the next character to be read, 1-based.
    int column() const { return static_cast<int>(pos_) + 1; }
    void skip(int columns) { pos_ += static_cast<std::size_t>(columns); }
    void moveTo(int column) { pos_ = static_cast<std::size_t>(column - 1); }

    // Each reader consumes `width` columns whether the field was legal or not.
    bool readInt(int width, int& value);
    bool readInt(int width, long long& value);
    bool readReal(int width, int decimals, double& value);
    std::string_view readText(int width);

  private:
    std::string_view take(int width);

    std::string_view record_;
    Blanks blanks_;
    std::size_t pos_ = 0;
};

using Value = std::variant<long long, double, std::string>;

struct ReadResult {
    bool ok = true;
    int line = 0;   // 1-based line (record) of the first illegal field, 0 when ok
    int column = 0; // 1-based first column of that field
};

// Reads records with a parsed format; '/' moves to the next record.  Integers come back as
// long long, reals as double, texts as string.  Reading stops at the first illegal field.  A format
// that needs more records than given reads the missing ones as blank.
ReadResult readFormatted(std::span<const std::string_view> records, const Format& format,
                         std::vector<Value>& values, Blanks blanks = Blanks::Zero);

// What a writer does with a value too wide for its field.
enum class Overflow {
    Refuse,   // leave the output as it was and report failure
    Asterisks // fill the field with asterisks, as the engine's reports do
};

// Appends one field to `out`.  Each returns false only under Overflow::Refuse when the value does
// not fit, in which case `out` is left unchanged.  Non-finite reals never fit.
bool appendInteger(std::string& out, long long value, int width, Overflow overflow);
bool appendFixed(std::string& out, double value, int width, int decimals, Overflow overflow);
bool appendExponent(std::string& out, double value, int width, int decimals, Overflow overflow);
void appendBlanks(std::string& out, int count);

enum class Align { Left, Right };
// Aw.  A shorter text is padded with blanks (after it when aligned left, before it when right); a
// longer one is refused or, under Overflow::Asterisks, cut to its first `width` characters as
// Fortran does.
bool appendText(std::string& out, std::string_view text, int width, Overflow overflow,
                Align align = Align::Left);

// A value too wide for its field under Overflow::Refuse.
class FieldOverflow : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes values with a parsed format; '/' ends a line.  Texts are left-aligned.  Throws
// FieldOverflow under Overflow::Refuse, std::invalid_argument when a value does not match its
// descriptor's kind or values run out.  Columns skipped by X with nothing written after them are
// not written.
std::vector<std::string> writeFormatted(const Format& format, std::span<const Value> values,
                                        Overflow overflow);

} // namespace fw
