// The results' text files (the star band and area correction tables, the engine's energy file and the
// rating history) hold numbers separated by blanks, tabs or line ends.  This reader walks such a file
// token by token and reports a fault with the file's name and line.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The texts of the input/output errors the results raise.
inline constexpr std::string_view kFileNotFound = "File not found";
inline constexpr std::string_view kInvalidNumericFormat = "Invalid numeric format";
inline constexpr std::string_view kUnexpectedEnd = "Unexpected end of file";
inline constexpr std::string_view kUnexpectedEndOfLine = "Unexpected end of line";

// Reads `relative` under `folder` (names matched without regard to case) into lines.  Raises
// ModelError "File not found: <path>" when it does not exist or cannot be read.
std::vector<std::string> readResultFile(const std::filesystem::path& folder, std::string_view relative);

class TokenReader {
  public:
    // `lines` must outlive the reader; `fileName` names the file in error texts.
    TokenReader(const std::vector<std::string>& lines, std::string fileName)
        : lines_(lines), fileName_(std::move(fileName)) {}

    // True when only blanks are left.
    bool atEnd();
    // True when only blanks are left on the current line.
    bool lineEnded() const;
    // Raises "Unexpected end of line" (or "of file") when the current line holds no further token.
    void requireOnLine() const;
    // The next token as an integer or a real.  Raise ModelError naming the file and line when the
    // token is not a number or the file ends.
    int integer();
    double real();
    // Skips the rest of the current line (the next token is read from the next line).
    void skipLine();
    // The next whole line, as it stands; raises at the end of the file.
    const std::string& line();
    // The 1-based line that the next token comes from.
    int lineNumber() const { return static_cast<int>(row_) + 1; }

    // A fault at the current line: "<text> in <file>, line <n>".
    [[noreturn]] void fail(std::string_view text) const;

  private:
    std::string_view next();

    const std::vector<std::string>& lines_;
    std::string fileName_;
    std::size_t row_ = 0;
    std::size_t column_ = 0;
};

} // namespace pelmora
