// Text sources of the construction data: lines of fields separated by "|", with "#" comment lines
// and blank lines skipped.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace construction {

class SourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct SourceRow {
    int line = 0; // line number in the file, for messages
    std::vector<std::string> fields;
};

struct SourceTable {
    std::filesystem::path file;
    std::vector<SourceRow> rows;

    // The field as a number; throws SourceError naming the file and line when it is not one.
    double real(const SourceRow& row, std::size_t field) const;
    int integer(const SourceRow& row, std::size_t field) const;
    const std::string& text(const SourceRow& row, std::size_t field) const;
    [[noreturn]] void fail(const SourceRow& row, const std::string& what) const;
};

// Reads every data line; each must have exactly `fieldCount` fields.  Throws SourceError naming the
// file (and line) when it cannot be read or a line has another number of fields.
SourceTable readSourceTable(const std::filesystem::path& file, std::size_t fieldCount);

// Splits a text at "|".
std::vector<std::string> splitFields(const std::string& line);

} // namespace construction
