// Small text helpers of the build tool's hand-written source tables.
#pragma once

#include <string>
#include <vector>

namespace climate {

// The text without blanks, tabs and carriage returns at either end.
std::string trim(const std::string& text);

// The parts of a line between `separator`s, each trimmed.
std::vector<std::string> splitTrimmed(const std::string& line, char separator);

// A real or a whole number; throws std::invalid_argument quoting the text.
double number(const std::string& text);
int wholeNumber(const std::string& text);

} // namespace climate
