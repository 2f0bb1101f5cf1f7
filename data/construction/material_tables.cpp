#include "data/construction/material_tables.h"

#include "common/text_values.h"
#include "data/construction/row_pictures.h"
#include "data/construction/source_tables.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace construction {

namespace {

namespace fs = std::filesystem;

std::vector<FieldSpec> fields(std::initializer_list<std::pair<const char*, FieldType>> list) {
    std::vector<FieldSpec> out;
    for (const auto& [name, type] : list) out.push_back({name, type});
    return out;
}

constexpr FieldType I = FieldType::Integer;
constexpr FieldType S = FieldType::Text;
constexpr FieldType F = FieldType::Real;
constexpr FieldType B = FieldType::Boolean;
constexpr FieldType P = FieldType::Picture;

std::vector<TableSpec> makeSpecs() {
    const auto wall = fields({{"Material Number", I},
                              {"Material Description", S},
                              {"Graphic", P},
                              {"TI", I},
                              {"M1", I},
                              {"D1", I},
                              {"R1", F},
                              {"V1", B},
                              {"M2", I},
                              {"D2", I},
                              {"R2", F},
                              {"V2", B},
                              {"M3", I},
                              {"D3", I},
                              {"R3", F},
                              {"AS", B},
                              {"AG", I}});
    auto intWall = wall;
    intWall.pop_back();
    const auto wallInsulation = fields({{"Insulation Number", I},
                                        {"Insulation Description", S},
                                        {"Graphic", P},
                                        {"ShowR", B},
                                        {"G0", I},
                                        {"G1", I},
                                        {"G2", I},
                                        {"AddR", F},
                                        {"Void", B}});
    const auto ceilingInsulation = fields({{"Insulation Number", I},
                                           {"Insulation Description", S},
                                           {"Graphic", P},
                                           {"ShowR", B},
                                           {"G0", I},
                                           {"G1", I},
                                           {"GR", I},
                                           {"AddR", F}});
    const auto picture = fields({{"Material Number", I}, {"Material Description", S}, {"Graphic", P}});
    auto with = [](std::vector<FieldSpec> base,
                   std::initializer_list<std::pair<const char*, FieldType>> more) {
        for (const auto& f : fields(more)) base.push_back(f);
        return base;
    };
    return {
        {"Wallmaterial", wall},
        {"WallInsulation", wallInsulation},
        {"IntWallmaterial", intWall},
        {"InWallInsulation", wallInsulation},
        {"DoorMaterial", with(picture, {{"M1", I}, {"D1", I}, {"R1", F}, {"M2", I}, {"D2", I}, {"R2", F}})},
        {"ExtFloormaterial", with(picture, {{"UF", B}, {"M1", I}, {"D1", I}, {"R1", F}, {"UB", B}})},
        {"ExtFloorInsulation", fields({{"Insulation Number", I},
                                       {"Insulation Description", S},
                                       {"Graphic", P},
                                       {"ShowR", B},
                                       {"G0", I},
                                       {"G1", I},
                                       {"GU", I},
                                       {"AddR", F}})},
        {"FloorCovering",
         with(picture,
              {{"M1", I}, {"D1", I}, {"R1", F}, {"A1", F}, {"M2", I}, {"D2", I}, {"R2", F}, {"A2", F}})},
        {"IntFloorMaterial",
         with(picture, {{"M1", I}, {"D1", I}, {"R1", F}, {"M2", I}, {"D2", I}, {"R2", F}, {"G", I}})},
        {"IntCeilInsulation", fields({{"Insulation Number", I},
                                      {"Insulation Description", S},
                                      {"Graphic", P},
                                      {"ShowR", B},
                                      {"G", I}})},
        {"Ceilingmaterial",
         with(picture,
              {{"L", I}, {"M1", I}, {"D1", I}, {"R1", F}, {"M2", I}, {"D2", I}, {"R2", F}, {"V", B}})},
        {"CeilingInsulation", ceilingInsulation},
        {"Roofmaterial", with(picture, {{"Gd", B}, {"M1", I}, {"D1", I}, {"R1", F}})},
        {"RoofInsulation", ceilingInsulation},
        {"Windowglass", picture},
        {"Windowframe", picture},
        {"Windowstyle", with(picture, {{"Opening", I}})},
        {"Windowfurnishing", with(picture, {{"AddR", F}, {"Trans", F}, {"Absorp", F}})},
        {"Windowshading", with(picture, {{"Schedule", B}, {"Shade", I}})},
        {"Skylight", picture},
        {"SkyFrame", picture},
    };
}

std::string sqlName(const std::string& name) {
    return "\"" + name + "\"";
}

const char* sqlType(FieldType type) {
    switch (type) {
    case FieldType::Integer:
    case FieldType::Boolean:
        return "INTEGER";
    case FieldType::Text:
        return "TEXT";
    case FieldType::Real:
        return "REAL";
    case FieldType::Picture:
        return "BLOB";
    }
    return "";
}

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinaliser {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

class Database {
  public:
    explicit Database(const fs::path& file) {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open(file.string().c_str(), &raw);
        db_.reset(raw);
        if (rc != SQLITE_OK) fail("cannot be created");
    }
    void execute(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "";
            sqlite3_free(message);
            fail(text);
        }
    }
    std::unique_ptr<sqlite3_stmt, StatementFinaliser> prepare(const std::string& sql) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
            fail(sqlite3_errmsg(db_.get()));
        return std::unique_ptr<sqlite3_stmt, StatementFinaliser>(raw);
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("material tables database: " + what);
    }
    void check(int rc) const {
        if (rc != SQLITE_OK && rc != SQLITE_DONE) fail(sqlite3_errmsg(db_.get()));
    }

  private:
    std::unique_ptr<sqlite3, DatabaseCloser> db_;
};

void bindValue(Database& db, sqlite3_stmt* s, int index, const FieldSpec& field, const std::string& text,
               const std::string& where) {
    const auto bad = [&](const char* what) {
        db.fail(where + ", field " + field.name + ": \"" + text + "\" " + what);
    };
    switch (field.type) {
    case FieldType::Integer: {
        const auto v = common::parseInteger(text);
        if (!v) bad("is not an integer");
        db.check(sqlite3_bind_int64(s, index, *v));
        return;
    }
    case FieldType::Boolean:
        if (text != "true" && text != "false") bad("is neither true nor false");
        db.check(sqlite3_bind_int(s, index, text == "true" ? 1 : 0));
        return;
    case FieldType::Real: {
        const auto v = common::parseReal(text);
        if (!v) bad("is not a number");
        db.check(sqlite3_bind_double(s, index, *v));
        return;
    }
    case FieldType::Text:
        db.check(sqlite3_bind_text(s, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
        return;
    case FieldType::Picture: {
        const auto bytes = rowPicture(text).bmp();
        db.check(sqlite3_bind_blob(s, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
        return;
    }
    }
}

void writeTable(Database& db, const TableSpec& spec, const TableRows& rows) {
    std::string create = "CREATE TABLE " + sqlName(spec.name) + " (";
    std::string insert = "INSERT INTO " + sqlName(spec.name) + " VALUES (";
    for (std::size_t i = 0; i < spec.fields.size(); ++i) {
        create += (i ? ", " : "") + sqlName(spec.fields[i].name) + " " + sqlType(spec.fields[i].type);
        insert += i ? ", ?" : "?";
    }
    db.execute(create + ")");
    auto statement = db.prepare(insert + ")");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string where = spec.name + " record " + std::to_string(r + 1);
        if (rows[r].size() != spec.fields.size()) db.fail(where + " has the wrong number of fields");
        sqlite3_reset(statement.get());
        for (std::size_t i = 0; i < spec.fields.size(); ++i)
            bindValue(db, statement.get(), static_cast<int>(i + 1), spec.fields[i], rows[r][i], where);
        db.check(sqlite3_step(statement.get()));
    }
}

} // namespace

const std::vector<TableSpec>& materialTableSpecs() {
    static const std::vector<TableSpec> specs = makeSpecs();
    return specs;
}

TableRows readTableSource(const TableSpec& spec, const fs::path& file) {
    SourceTable table = readSourceTable(file, spec.fields.size());
    if (table.rows.empty()) throw SourceError(file.string() + ": no header line");
    const SourceRow header = table.rows.front();
    for (std::size_t i = 0; i < spec.fields.size(); ++i)
        if (header.fields[i] != spec.fields[i].name)
            table.fail(header, "field " + std::to_string(i + 1) + " is \"" + header.fields[i] +
                                   "\", expected \"" + spec.fields[i].name + "\"");
    TableRows rows;
    for (std::size_t r = 1; r < table.rows.size(); ++r) rows.push_back(table.rows[r].fields);
    return rows;
}

void writeMaterialTables(const std::map<std::string, TableRows>& rows, const fs::path& file) {
    const fs::path partial = file.string() + ".partial";
    fs::remove(partial);
    {
        Database db(partial);
        db.execute("PRAGMA journal_mode = OFF");
        db.execute("BEGIN");
        for (const TableSpec& spec : materialTableSpecs()) {
            const auto found = rows.find(spec.name);
            if (found == rows.end()) db.fail("no rows for table " + spec.name);
            writeTable(db, spec, found->second);
        }
        db.execute("COMMIT");
    }
    fs::rename(partial, file);
}

} // namespace construction
