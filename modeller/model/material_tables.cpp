#include "modeller/model/material_tables.h"

#include "common/control_characters.h"
#include "common/file_lookup.h"
#include "common/rounding.h"
#include "common/text_values.h"

#include <sqlite3.h>

#include <cmath>
#include <memory>
#include <variant>

namespace pelmora {

namespace {

// An identifier quoted for SQL: "Material Number".
std::string sqlName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    return Statement(raw);
}

MaterialTable::FieldValue cellOf(sqlite3_stmt* s, int column) {
    switch (sqlite3_column_type(s, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(s, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(s, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
        return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(s, column)));
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(s, column));
        return std::vector<std::uint8_t>(bytes, bytes + sqlite3_column_bytes(s, column));
    }
    default:
        return std::monostate{};
    }
}

} // namespace

// ---- MaterialDatabase ---------------------------------------------------------------------------

MaterialDatabase::~MaterialDatabase() {
    if (db_) sqlite3_close(db_);
}

void MaterialDatabase::SetAlias(std::string_view alias, const std::filesystem::path& folder) {
    alias_ = alias;
    folder_ = folder;
}

sqlite3* MaterialDatabase::acquire() {
    if (db_) {
        ++users_;
        return db_;
    }
    if (alias_.empty()) throw ModelError("The material database has no alias; its folder is not known");
    auto found = common::findCaseInsensitive(folder_, kFileName);
    if (!found) {
        throw ModelError("Material database " + (folder_ / kFileName).string() + " of alias " + alias_ +
                         " does not exist");
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(found->string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        std::string why = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw ModelError("Cannot open material database " + found->string() + ": " + why);
    }
    file_ = *found;
    db_ = db;
    users_ = 1;
    return db_;
}

void MaterialDatabase::release() {
    if (users_ > 0) --users_;
    if (users_ > 0 || !db_) return;
    sqlite3_close(db_);
    db_ = nullptr;
}

// ---- MaterialTable ------------------------------------------------------------------------------

MaterialTable::MaterialTable(MaterialDatabase& database, std::string tableName)
    : database_(database), name_(std::move(tableName)) {}

MaterialTable::~MaterialTable() {
    Close();
}

void MaterialTable::fail(const std::string& what) const {
    throw ModelError("Table " + name_ + ": " + what);
}

void MaterialTable::Open() {
    if (open_) return;
    sqlite3* db = database_.acquire();
    std::vector<std::string> fields;
    std::vector<std::int64_t> rowids;
    auto columns = prepare(db, "SELECT * FROM " + sqlName(name_) + " LIMIT 0");
    auto rows = prepare(db, "SELECT rowid FROM " + sqlName(name_) + " ORDER BY rowid");
    auto row = prepare(db, "SELECT * FROM " + sqlName(name_) + " WHERE rowid = ?");
    if (!columns || !rows || !row) {
        std::string why = sqlite3_errmsg(db);
        database_.release();
        fail("cannot be opened in " + database_.FilePath().string() + ": " + why);
    }
    for (int c = 0; c < sqlite3_column_count(columns.get()); ++c)
        fields.emplace_back(sqlite3_column_name(columns.get(), c));
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(rows.get())) == SQLITE_ROW)
        rowids.push_back(sqlite3_column_int64(rows.get(), 0));
    if (rc != SQLITE_DONE) {
        std::string why = sqlite3_errmsg(db);
        database_.release();
        fail("cannot be read: " + why);
    }
    fields_ = std::move(fields);
    rowids_ = std::move(rowids);
    rows_.assign(rowids_.size(), {});
    rowStatement_ = std::shared_ptr<sqlite3_stmt>(row.release(), StatementDeleter());
    recNo_ = rowids_.empty() ? 0 : 1;
    open_ = true;
}

void MaterialTable::Close() {
    if (!open_) return;
    open_ = false;
    rowids_.clear();
    rows_.clear();
    rowStatement_.reset();
    recNo_ = 0;
    database_.release();
}

void MaterialTable::requireOpen() const {
    if (!open_) fail("the table is not open");
}

void MaterialTable::requireRecord() const {
    requireOpen();
    if (recNo_ < 1) fail("the table has no records");
}

int MaterialTable::RecordCount() const {
    requireOpen();
    return static_cast<int>(rowids_.size());
}

int MaterialTable::RecNo() const {
    requireOpen();
    return recNo_;
}

void MaterialTable::SetRecNo(int n) {
    requireOpen();
    if (n < 1 || n > RecordCount()) {
        fail("record " + std::to_string(n) + " does not exist; the table has " +
             std::to_string(RecordCount()) + " records");
    }
    recNo_ = n;
}

const std::vector<std::string>& MaterialTable::FieldNames() const {
    requireOpen();
    return fields_;
}

bool MaterialTable::HasField(std::string_view field) const {
    requireOpen();
    for (const auto& f : fields_)
        if (common::equalsIgnoringCase(f, field)) return true;
    return false;
}

std::size_t MaterialTable::columnOf(std::string_view field) const {
    for (std::size_t c = 0; c < fields_.size(); ++c)
        if (common::equalsIgnoringCase(fields_[c], field)) return c;
    fail("there is no field " + std::string(field));
}

const std::vector<MaterialTable::FieldValue>& MaterialTable::currentRow() const {
    requireRecord();
    std::vector<FieldValue>& row = rows_[static_cast<std::size_t>(recNo_ - 1)];
    if (!row.empty() || fields_.empty()) return row;
    sqlite3_stmt* s = rowStatement_.get();
    sqlite3_reset(s);
    sqlite3_bind_int64(s, 1, rowids_[static_cast<std::size_t>(recNo_ - 1)]);
    if (sqlite3_step(s) != SQLITE_ROW) {
        sqlite3_reset(s);
        fail("record " + std::to_string(recNo_) + " can no longer be read");
    }
    std::vector<FieldValue> values;
    values.reserve(fields_.size());
    for (int c = 0; c < sqlite3_column_count(s); ++c) values.push_back(cellOf(s, c));
    sqlite3_reset(s);
    row = std::move(values);
    return row;
}

const MaterialTable::FieldValue& MaterialTable::current(std::string_view field) const {
    requireRecord();
    const std::size_t column = columnOf(field);
    return currentRow()[column];
}

void MaterialTable::badValue(std::string_view field, std::string_view what) const {
    fail("field " + std::string(field) + " of record " + std::to_string(recNo_) + " is " + std::string(what));
}

std::int64_t MaterialTable::FieldAsInteger(std::string_view field) const {
    const FieldValue& cell = current(field);
    if (auto* i = std::get_if<std::int64_t>(&cell)) return *i;
    if (auto* d = std::get_if<double>(&cell)) return common::roundHalfEvenToInt(*d);
    if (auto* t = std::get_if<std::string>(&cell)) {
        if (t->empty()) return 0;
        if (auto v = common::parseInteger(*t)) return *v;
    }
    if (std::holds_alternative<std::monostate>(cell)) return 0;
    badValue(field, "not an integer");
}

double MaterialTable::FieldAsFloat(std::string_view field) const {
    const FieldValue& cell = current(field);
    if (auto* i = std::get_if<std::int64_t>(&cell)) return static_cast<double>(*i);
    if (auto* d = std::get_if<double>(&cell)) return *d;
    if (auto* t = std::get_if<std::string>(&cell)) {
        if (t->empty()) return 0.0;
        if (auto v = common::parseReal(*t)) return *v;
    }
    if (std::holds_alternative<std::monostate>(cell)) return 0.0;
    badValue(field, "not a number");
}

std::string MaterialTable::FieldAsString(std::string_view field) const {
    const FieldValue& cell = current(field);
    if (auto* i = std::get_if<std::int64_t>(&cell)) return std::to_string(*i);
    if (auto* d = std::get_if<double>(&cell)) return common::formatReal23(*d);
    if (auto* t = std::get_if<std::string>(&cell)) {
        // A text is shown in dialogs and written onto cards of the card file, where a line end would
        // split a card: a control character in it is damage to the table.
        if (const auto c = common::firstControlCharacter(*t)) {
            fail("field " + std::string(field) + " of record " + std::to_string(recNo_) +
                 " holds the control character " + std::to_string(*c));
        }
        return *t;
    }
    if (std::holds_alternative<std::monostate>(cell)) return {};
    badValue(field, "a picture, not a text");
}

bool MaterialTable::FieldAsBoolean(std::string_view field) const {
    const FieldValue& cell = current(field);
    if (auto* i = std::get_if<std::int64_t>(&cell)) return *i != 0;
    if (auto* d = std::get_if<double>(&cell)) return *d != 0.0;
    if (auto* t = std::get_if<std::string>(&cell)) {
        if (t->empty() || common::equalsIgnoringCase(*t, "FALSE")) return false;
        if (common::equalsIgnoringCase(*t, "TRUE")) return true;
    }
    if (std::holds_alternative<std::monostate>(cell)) return false;
    badValue(field, "not a boolean");
}

std::vector<std::uint8_t> MaterialTable::FieldAsBytes(std::string_view field) const {
    const FieldValue& cell = current(field);
    if (auto* b = std::get_if<std::vector<std::uint8_t>>(&cell)) return *b;
    if (std::holds_alternative<std::monostate>(cell)) return {};
    badValue(field, "not a picture");
}

} // namespace pelmora
