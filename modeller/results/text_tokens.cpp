#include "modeller/results/text_tokens.h"

#include "common/file_lookup.h"
#include "common/text_values.h"
#include "modeller/model/model_error.h"

#include <cmath>
#include <cstdint>

namespace pelmora {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::vector<std::string> readResultFile(const std::filesystem::path& folder, std::string_view relative) {
    const auto found = common::findCaseInsensitive(folder, relative);
    const std::filesystem::path shown = found ? *found : folder / std::filesystem::path(relative);
    if (!found) throw ModelError(std::string(kFileNotFound) + ": " + shown.string());
    try {
        return common::readTextLines(*found);
    } catch (const std::exception&) {
        throw ModelError(std::string(kFileNotFound) + ": " + shown.string());
    }
}

bool TokenReader::atEnd() {
    while (row_ < lines_.size()) {
        const std::string& text = lines_[row_];
        while (column_ < text.size() && isSeparator(text[column_])) ++column_;
        if (column_ < text.size()) return false;
        ++row_;
        column_ = 0;
    }
    return true;
}

bool TokenReader::lineEnded() const {
    if (row_ >= lines_.size()) return true;
    const std::string& text = lines_[row_];
    for (std::size_t c = column_; c < text.size(); ++c)
        if (!isSeparator(text[c])) return false;
    return true;
}

void TokenReader::requireOnLine() const {
    if (row_ >= lines_.size()) fail(kUnexpectedEnd);
    if (lineEnded()) fail(kUnexpectedEndOfLine);
}

std::string_view TokenReader::next() {
    if (atEnd()) fail(kUnexpectedEnd);
    const std::string& text = lines_[row_];
    const std::size_t start = column_;
    while (column_ < text.size() && !isSeparator(text[column_])) ++column_;
    return std::string_view(text).substr(start, column_ - start);
}

int TokenReader::integer() {
    const auto value = common::parseInteger(next());
    if (!value || *value < INT32_MIN || *value > INT32_MAX) fail(kInvalidNumericFormat);
    return static_cast<int>(*value);
}

double TokenReader::real() {
    const auto value = common::parseReal(next());
    if (!value || !std::isfinite(*value)) fail(kInvalidNumericFormat);
    return *value;
}

void TokenReader::skipLine() {
    if (row_ < lines_.size()) ++row_;
    column_ = 0;
}

const std::string& TokenReader::line() {
    if (row_ >= lines_.size()) fail(kUnexpectedEnd);
    const std::string& text = lines_[row_];
    skipLine();
    return text;
}

void TokenReader::fail(std::string_view text) const {
    const std::size_t shownLine = row_ < lines_.size() ? row_ + 1 : lines_.size();
    throw ModelError(std::string(text) + " in " + fileName_ + ", line " + std::to_string(shownLine));
}

} // namespace pelmora
