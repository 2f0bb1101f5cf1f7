// Text files the modeller writes and reads back (house file, defaults file, schedules, client and
// assessor details): one value per line, lines ending in CR LF.  Integers and strings are written
// as they are, reals in a 23-character scientific form, booleans as TRUE and FALSE.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// " 2.40000000000000E+0003": a sign character (blank or "-"), one digit, a point, 14 digits, "E",
// the exponent's sign and four exponent digits.  Throws std::invalid_argument for NaN or infinity.
std::string formatReal23(double value);

// A real in any decimal or scientific form, blanks around it allowed.
std::optional<double> parseReal(std::string_view line);
// An integer, blanks around it allowed.
std::optional<long long> parseInteger(std::string_view line);
// True only when the whole line is exactly "TRUE".
inline bool parseBoolean(std::string_view line) {
    return line == "TRUE";
}
inline const char* formatBoolean(bool value) {
    return value ? "TRUE" : "FALSE";
}

// Splits a file's text into lines.  Line ends of any kind end a line and are never part of it: LF,
// CR LF, CR CR LF, and CR alone in a text that has no LF.  A last line without an end counts.  Bytes
// are kept as they are (8-bit text passes through).
std::vector<std::string> splitLines(std::string_view text);

// Reads a whole text file into lines.  Throws std::runtime_error naming the file when it cannot be
// read.
std::vector<std::string> readTextLines(const std::filesystem::path& file);

// Collects lines and writes them with CR LF.  The file is first written beside its destination and
// then moved over it, so a failed write never leaves half a file in place of the old one.
class TextFileWriter {
  public:
    void line(std::string_view text);
    void integer(long long value) { line(std::to_string(value)); }
    void real(double value) { line(formatReal23(value)); }
    void boolean(bool value) { line(formatBoolean(value)); }

    const std::string& text() const { return text_; }

    // Throws std::runtime_error naming the file when it cannot be written.
    void save(const std::filesystem::path& file) const;

  private:
    std::string text_;
};

// Writes `contents` to `file` through a temporary file beside it and a rename.
void writeFileAtomically(const std::filesystem::path& file, std::string_view contents);

} // namespace common
