#include "modeller/model/value_lines.h"

#include "common/control_characters.h"

#include <cmath>

namespace pelmora {

void ValueLineWriter::real(double value, std::string_view name) {
    if (!std::isfinite(value)) throw ModelError(std::string(name) + " is not a number and cannot be saved");
    out_.real(value);
}

void ValueLineWriter::text(std::string_view value) {
    std::string line(value);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    out_.line(line);
}

void ValueLineWriter::save(const std::filesystem::path& file) const {
    try {
        out_.save(file);
    } catch (const std::exception& e) {
        throw ModelError(e.what());
    }
}

ValueLineReader ValueLineReader::open(const std::filesystem::path& file) {
    try {
        return ValueLineReader(common::readTextLines(file), file.string());
    } catch (const std::exception& e) {
        throw ModelError(e.what());
    }
}

void ValueLineReader::fail(const std::string& what) const {
    throw ModelError(fileName_ + ", line " + std::to_string(next_) + ": " + what);
}

const std::string& ValueLineReader::take() {
    if (next_ >= lines_.size()) {
        ++next_;
        fail("the file ends here; it is incomplete");
    }
    return lines_[next_++];
}

std::int32_t ValueLineReader::integer(std::string_view name, std::int32_t lowest, std::int32_t highest) {
    const std::string& line = take();
    const std::size_t start = line.find_first_not_of(' ');
    const std::size_t end =
        start == std::string::npos ? line.size() : std::min(line.find(' ', start), line.size());
    const auto value = common::parseInteger(
        std::string_view(line).substr(std::min(start, line.size()), end - std::min(start, line.size())));
    if (!value)
        fail(std::string(name) + ": \"" + common::printableExcerpt(line) + "\" is not a whole number");
    if (*value < lowest || *value > highest) {
        fail(std::string(name) + " " + std::to_string(*value) + " is outside " + std::to_string(lowest) +
             ".." + std::to_string(highest));
    }
    return static_cast<std::int32_t>(*value);
}

double ValueLineReader::real(std::string_view name) {
    const std::string& line = take();
    const auto value = common::parseReal(line);
    if (!value) fail(std::string(name) + ": \"" + common::printableExcerpt(line) + "\" is not a number");
    return *value;
}

bool ValueLineReader::boolean() {
    return common::parseBoolean(take());
}

std::string ValueLineReader::text(std::size_t maxLength) {
    const std::string& line = take();
    if (maxLength == 0 || line.size() <= maxLength) return line;
    return line.substr(0, maxLength);
}

} // namespace pelmora
