// The material tables database Data/tables.db: the 21 tables of constructions, insulations,
// coverings and window and skylight parts, each with its fields in order and its rows in record
// order (record n is the n-th row by rowid).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace construction {

enum class FieldType { Integer, Text, Real, Boolean, Picture };

struct FieldSpec {
    std::string name;
    FieldType type;
};

struct TableSpec {
    std::string name;
    std::vector<FieldSpec> fields;
};

// The 21 tables in catalogue order.
const std::vector<TableSpec>& materialTableSpecs();

// One table's rows as texts, one text per field in field order; a picture field holds the row
// picture's recipe.
using TableRows = std::vector<std::vector<std::string>>;

// Reads tables/<name>.txt: a header line that must name the table's fields in order, then the rows.
// Throws SourceError for another header or a malformed row.
TableRows readTableSource(const TableSpec& spec, const std::filesystem::path& file);

// Writes the database afresh (an old file is replaced only when the new one is complete).  `rows`
// holds every table's rows by table name.  Throws std::runtime_error for a missing table, a value
// that does not fit its field's type, or a database failure.
void writeMaterialTables(const std::map<std::string, TableRows>& rows, const std::filesystem::path& file);

} // namespace construction
