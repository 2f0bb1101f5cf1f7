#include "data/construction/source_tables.h"

#include "common/text_values.h"

#include <cmath>

namespace construction {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (true) {
        const auto bar = line.find('|', start);
        fields.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) return fields;
        start = bar + 1;
    }
}

SourceTable readSourceTable(const std::filesystem::path& file, std::size_t fieldCount) {
    SourceTable table;
    table.file = file;
    std::vector<std::string> lines;
    try {
        lines = common::readTextLines(file);
    } catch (const std::exception& e) {
        throw SourceError(e.what());
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == '#') continue;
        SourceRow row{static_cast<int>(i + 1), splitFields(line)};
        if (row.fields.size() != fieldCount)
            table.fail(row, "has " + std::to_string(row.fields.size()) + " fields, expected " +
                                std::to_string(fieldCount));
        table.rows.push_back(std::move(row));
    }
    return table;
}

void SourceTable::fail(const SourceRow& row, const std::string& what) const {
    throw SourceError(file.string() + ", line " + std::to_string(row.line) + ": " + what);
}

double SourceTable::real(const SourceRow& row, std::size_t field) const {
    const auto value = common::parseReal(text(row, field));
    if (!value || !std::isfinite(*value))
        fail(row, "field " + std::to_string(field + 1) + " is not a number");
    return *value;
}

int SourceTable::integer(const SourceRow& row, std::size_t field) const {
    const auto value = common::parseInteger(text(row, field));
    if (!value) fail(row, "field " + std::to_string(field + 1) + " is not an integer");
    return static_cast<int>(*value);
}

const std::string& SourceTable::text(const SourceRow& row, std::size_t field) const {
    if (field >= row.fields.size()) fail(row, "lacks field " + std::to_string(field + 1));
    return row.fields[field];
}

} // namespace construction
