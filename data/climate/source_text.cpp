#include "data/climate/source_text.h"

#include "common/text_values.h"

#include <sstream>
#include <stdexcept>

namespace climate {

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> splitTrimmed(const std::string& line, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, separator)) parts.push_back(trim(part));
    return parts;
}

double number(const std::string& text) {
    const auto v = common::parseReal(text);
    if (!v) throw std::invalid_argument("\"" + text + "\" is not a number");
    return *v;
}

int wholeNumber(const std::string& text) {
    const auto v = common::parseInteger(text);
    if (!v) throw std::invalid_argument("\"" + text + "\" is not a whole number");
    return static_cast<int>(*v);
}

} // namespace climate
