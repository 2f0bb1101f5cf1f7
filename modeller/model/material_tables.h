// The material tables: read-only tables of one SQLite database in the program folder's Data
// directory, reached under the alias "ZURO41".  A table keeps its catalogue name and field names; an
// element refers to a row by its record number, the 1-based position of the row in the table's stored
// order (rowid order), never by the row's key field.
//
// The operations are those the editors and the engine input writer need: open, close, count the
// records, move to a record number and read a field of the current record by name as an integer, a
// real, a text, a boolean or a picture.  Moving past the last record, reading a field that does not
// exist or reading a closed table raises ModelError naming the table; nothing reads garbage.
#pragma once

#include "modeller/model/model_error.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace pelmora {

// The database component: its alias, the folder it stands for, and the connection while a table is
// open.  Opening the first table opens the database file; closing the last closes it.
class MaterialDatabase {
  public:
    static constexpr std::string_view kAlias = "ZURO41";
    static constexpr std::string_view kFileName = "tables.db";

    MaterialDatabase() = default;
    MaterialDatabase(const MaterialDatabase&) = delete;
    MaterialDatabase& operator=(const MaterialDatabase&) = delete;
    ~MaterialDatabase();

    // Gives the database its alias and its folder (the program folder's Data directory).
    void SetAlias(std::string_view alias, const std::filesystem::path& folder);
    const std::string& AliasName() const { return alias_; }
    const std::filesystem::path& Folder() const { return folder_; }
    // The database file, once it has been found.
    const std::filesystem::path& FilePath() const { return file_; }

    bool Connected() const { return db_ != nullptr; }

  private:
    friend class MaterialTable;
    sqlite3* acquire();
    void release();

    std::string alias_;
    std::filesystem::path folder_;
    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    int users_ = 0;
};

// One table component: a table of the database by name, with a current record.
class MaterialTable {
  public:
    MaterialTable(MaterialDatabase& database, std::string tableName);
    MaterialTable(const MaterialTable&) = delete;
    MaterialTable& operator=(const MaterialTable&) = delete;
    ~MaterialTable();

    const std::string& TableName() const { return name_; }

    // Opens the table on its first record.  Opening an open table does nothing.
    void Open();
    // Closing a closed table does nothing.
    void Close();
    bool Active() const { return open_; }

    int RecordCount() const;
    // The current record number, 1-based; 0 for an empty table.
    int RecNo() const;
    // Makes record n (1..RecordCount) the current record.
    void SetRecNo(int n);

    // The fields of the table in their order.
    const std::vector<std::string>& FieldNames() const;
    bool HasField(std::string_view field) const;

    // Reads a field of the current record.  An empty (NULL) value reads as 0, "" or false.  A real
    // read as an integer is rounded (halves to even); a text read as a number must be one.
    std::int64_t FieldAsInteger(std::string_view field) const;
    double FieldAsFloat(std::string_view field) const;
    std::string FieldAsString(std::string_view field) const;
    bool FieldAsBoolean(std::string_view field) const;
    // The bytes of a picture field (a BMP file's bytes); empty when the row has no picture.
    std::vector<std::uint8_t> FieldAsBytes(std::string_view field) const;

    // A value as the database holds it: empty, integer, real, text or bytes.
    using FieldValue =
        std::variant<std::monostate, std::int64_t, double, std::string, std::vector<std::uint8_t>>;

  private:
    // The value of a field of the current record.  A record's row is read from the database once,
    // whole, the first time one of its fields is read while the table is open.
    const FieldValue& current(std::string_view field) const;
    const std::vector<FieldValue>& currentRow() const;
    [[noreturn]] void badValue(std::string_view field, std::string_view what) const;
    void requireOpen() const;
    void requireRecord() const;
    std::size_t columnOf(std::string_view field) const;
    [[noreturn]] void fail(const std::string& what) const;

    MaterialDatabase& database_;
    std::string name_;
    bool open_ = false;
    std::vector<std::string> fields_;
    std::vector<std::int64_t> rowids_; // in record order
    int recNo_ = 0;
    // The rows read so far, by record number - 1 (empty: not read yet), and the statement that reads
    // one row by its rowid.
    mutable std::vector<std::vector<FieldValue>> rows_;
    std::shared_ptr<sqlite3_stmt> rowStatement_;
};

} // namespace pelmora
