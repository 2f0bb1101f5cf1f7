#include "shipped_data_fixture.h"

#include "common/fixed_width.h"
#include "common/framed_records.h"
#include "common/text_values.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace shipped {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& file, const std::string& what) {
    throw std::runtime_error(file.string() + ": " + what);
}

std::string trimmedRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::vector<double> getReals(common::Record& r, std::size_t count, const fs::path& file) {
    if (r.size() != count * 4)
        fail(file, "a record of " + std::to_string(r.size()) + " bytes where " + std::to_string(count) +
                       " reals belong");
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i) values.push_back(r.get<float>());
    return values;
}

common::Record nextRecord(common::RecordReader& reader, const fs::path& file) {
    common::Record r;
    if (!reader.next(r)) fail(file, "ends inside a system");
    return r;
}

std::vector<double> freeReals(const std::string& line) {
    std::istringstream in(line);
    std::vector<double> values;
    for (double v; in >> v;) values.push_back(v);
    return values;
}

std::vector<fw::Value> fixedFields(const std::string& line, const char* format, const fs::path& file) {
    std::vector<fw::Value> values;
    const std::string_view records[] = {line};
    if (!fw::readFormatted(records, fw::parseFormat(format), values, fw::Blanks::Zero).ok)
        fail(file, "illegal field in \"" + line + "\"");
    return values;
}

double real(const fw::Value& v) {
    if (const auto* d = std::get_if<double>(&v)) return *d;
    return static_cast<double>(std::get<long long>(v));
}

// Line 6 of a window product: the columns the product library reader takes.
const char* const kWindowLine6 = "(I1,23X,F8.0,16X,2F8.0,16X,2F8.0)";
const char* const kSkylightLine2 = "(3F8.0)";
const char* const kSkylightLine4 = "(F8.0)";

} // namespace

int Table::column(const std::string& field) const {
    const auto it = std::find(fields.begin(), fields.end(), field);
    return it == fields.end() ? -1 : static_cast<int>(it - fields.begin());
}

double Table::number(std::size_t row, const std::string& field) const {
    const int c = column(field);
    if (c < 0 || row >= rows.size()) return NAN;
    const Cell& cell = rows[row][static_cast<std::size_t>(c)];
    if (const auto* i = std::get_if<std::int64_t>(&cell)) return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&cell)) return *d;
    return NAN;
}

std::string Table::text(std::size_t row, const std::string& field) const {
    const int c = column(field);
    if (c < 0 || row >= rows.size()) return {};
    const Cell& cell = rows[row][static_cast<std::size_t>(c)];
    if (const auto* s = std::get_if<std::string>(&cell)) return *s;
    return {};
}

std::map<int, MaterialRecord> readMaterialFile(const fs::path& file) {
    common::RecordReader reader(file);
    common::Record r;
    for (int title = 0; title < 2; ++title)
        if (!reader.next(r)) fail(file, "lacks its two title records");
    std::map<int, MaterialRecord> materials;
    while (true) {
        if (!reader.next(r)) fail(file, "has no end record");
        if (r.size() != 4 + 60 + 15 + 15 + 12 + 1)
            fail(file, "a material record of " + std::to_string(r.size()) + " bytes");
        const int code = r.get<std::int32_t>();
        if (code == -1) return materials;
        MaterialRecord m;
        m.name = trimmedRight(r.getText(60));
        m.note1 = trimmedRight(r.getText(15));
        m.note2 = trimmedRight(r.getText(15));
        m.p1 = r.get<float>();
        m.p2 = r.get<float>();
        m.p3 = r.get<float>();
        m.flag = r.getText(1)[0];
        if (!materials.emplace(code, m).second) fail(file, "material " + std::to_string(code) + " twice");
    }
}

std::vector<WindowSystem> readWindowLibrary(const fs::path& file) {
    common::RecordReader reader(file);
    std::vector<WindowSystem> systems;
    common::Record header;
    while (reader.next(header)) {
        if (header.size() != 11 + 4 + 80)
            fail(file, "a header of " + std::to_string(header.size()) + " bytes");
        WindowSystem s;
        s.code = header.getText(11);
        s.panes = header.get<std::int32_t>();
        s.description = trimmedRight(header.getText(80));
        if (s.panes < 1 || s.panes > 3) fail(file, s.code + " has " + std::to_string(s.panes) + " panes");
        const auto n = static_cast<std::size_t>(s.panes);
        auto r = nextRecord(reader, file);
        s.first = getReals(r, 6, file);
        r = nextRecord(reader, file);
        s.nodeR = getReals(r, n + 1, file);
        r = nextRecord(reader, file);
        s.paneR = getReals(r, n, file);
        r = nextRecord(reader, file);
        s.transmittance = getReals(r, 10, file);
        for (std::size_t k = 0; k < n; ++k) {
            r = nextRecord(reader, file);
            s.absorptance.push_back(getReals(r, 10, file));
        }
        systems.push_back(std::move(s));
    }
    return systems;
}

std::vector<SkylightSystem> readSkylightLibrary(const fs::path& file) {
    common::RecordReader reader(file);
    std::vector<SkylightSystem> systems;
    common::Record header;
    while (reader.next(header)) {
        if (header.size() != 11 + 80) fail(file, "a header of " + std::to_string(header.size()) + " bytes");
        SkylightSystem s;
        s.code = header.getText(11);
        s.description = trimmedRight(header.getText(80));
        auto r = nextRecord(reader, file);
        s.u = getReals(r, 1, file)[0];
        r = nextRecord(reader, file);
        s.transmittance = getReals(r, 10, file);
        r = nextRecord(reader, file);
        const auto diffuser = getReals(r, 2, file);
        s.diffuserU = diffuser[0];
        s.diffuserT = diffuser[1];
        systems.push_back(std::move(s));
    }
    return systems;
}

std::vector<WindowProduct> readWindowProducts(const fs::path& file) {
    const auto lines = common::readTextLines(file);
    std::vector<WindowProduct> products;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (i + 9 > lines.size()) fail(file, "ends inside a record at line " + std::to_string(i + 1));
        WindowProduct p;
        p.code = trimmedRight(lines[i].substr(0, 11));
        p.maker = trimmedRight(lines[i + 2]);
        p.brand = trimmedRight(lines[i + 3]);
        p.product = trimmedRight(lines[i + 4]);
        const auto v = fixedFields(lines[i + 5], kWindowLine6, file);
        p.panes = static_cast<int>(std::get<long long>(v[0]));
        p.sc = real(v[1]);
        p.vt = real(v[2]);
        p.uvt = real(v[3]);
        p.glassU = real(v[4]);
        p.shgc = real(v[5]);
        const auto frame = freeReals(lines[i + 6]);
        if (frame.size() < 2)
            fail(file, "line " + std::to_string(i + 7) + " lacks the frame U and glass fraction");
        p.frameU = frame[0];
        p.glassFraction = frame[1];
        p.transmittance = freeReals(lines[i + 8]);
        if (p.panes < 1 || p.panes > 3 || i + 9 + static_cast<std::size_t>(p.panes) > lines.size())
            fail(file, p.code + ": pane count " + std::to_string(p.panes) + " does not fit the file");
        for (int k = 0; k < p.panes; ++k)
            p.absorptance.push_back(freeReals(lines[i + 9 + static_cast<std::size_t>(k)]));
        i += 9 + static_cast<std::size_t>(p.panes);
        products.push_back(std::move(p));
    }
    return products;
}

std::vector<SkylightProduct> readSkylightProducts(const fs::path& file) {
    const auto lines = common::readTextLines(file);
    if (lines.size() % 4 != 0) fail(file, "does not hold whole four-line records");
    std::vector<SkylightProduct> products;
    for (std::size_t i = 0; i < lines.size(); i += 4) {
        SkylightProduct p;
        p.code = trimmedRight(lines[i].substr(0, 11));
        std::istringstream in(lines[i].substr(std::min<std::size_t>(11, lines[i].size())));
        if (!(in >> p.panes >> p.systemNumber))
            fail(file, "line " + std::to_string(i + 1) + " lacks two integers");
        std::getline(in, p.name);
        const auto v = fixedFields(lines[i + 1], kSkylightLine2, file);
        p.glassU = real(v[0]);
        p.frameU = real(v[1]);
        p.glassFraction = real(v[2]);
        p.fourth = real(fixedFields(lines[i + 3], kSkylightLine4, file)[0]);
        products.push_back(std::move(p));
    }
    return products;
}

std::map<std::string, Table> readTables(const fs::path& file) {
    if (!fs::exists(file)) fail(file, "is missing");
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        fail(file, "cannot be opened");
    }
    std::map<std::string, Table> tables;
    const auto query = [&](const std::string& sql, auto&& onRow) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
            sqlite3_finalize(s);
            const std::string message = sqlite3_errmsg(db);
            sqlite3_close(db);
            fail(file, message);
        }
        while (sqlite3_step(s) == SQLITE_ROW) onRow(s);
        sqlite3_finalize(s);
    };
    const auto text = [](sqlite3_stmt* s, int c) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
        return std::string(t ? t : "");
    };
    std::vector<std::string> names;
    query("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name",
          [&](sqlite3_stmt* s) { names.push_back(text(s, 0)); });
    for (const std::string& name : names) {
        Table& t = tables[name];
        query("PRAGMA table_info(\"" + name + "\")", [&](sqlite3_stmt* s) {
            t.fields.push_back(text(s, 1));
            t.types.push_back(text(s, 2));
        });
        query("SELECT * FROM \"" + name + "\" ORDER BY rowid", [&](sqlite3_stmt* s) {
            std::vector<Cell> row;
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                switch (sqlite3_column_type(s, c)) {
                case SQLITE_INTEGER:
                    row.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(s, c)));
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(s, c));
                    break;
                case SQLITE_TEXT:
                    row.emplace_back(text(s, c));
                    break;
                case SQLITE_BLOB: {
                    const auto* b = static_cast<const std::uint8_t*>(sqlite3_column_blob(s, c));
                    row.emplace_back(std::vector<std::uint8_t>(b, b + sqlite3_column_bytes(s, c)));
                    break;
                }
                default:
                    row.emplace_back(std::monostate{});
                }
            }
            t.rows.push_back(std::move(row));
        });
    }
    sqlite3_close(db);
    return tables;
}

std::array<std::array<std::array<double, 6>, 4>, 5> readAirGapTable(const fs::path& file) {
    const auto lines = common::readTextLines(file);
    std::array<std::array<std::array<double, 6>, 4>, 5> table{};
    std::size_t line = 0;
    for (std::size_t b = 0; b < 5; ++b) {
        ++line; // the block's title
        std::vector<double> values;
        while (values.size() < 24) {
            if (line >= lines.size()) fail(file, "ends inside block " + std::to_string(b));
            for (double v : freeReals(lines[line++])) values.push_back(v);
        }
        for (std::size_t r = 0; r < 6; ++r)
            for (std::size_t c = 0; c < 4; ++c) table[b][c][r] = values[r * 4 + c];
    }
    return table;
}

std::vector<CalculatorMaterial> readCalculatorMaterials(const fs::path& file) {
    std::vector<CalculatorMaterial> out;
    for (const std::string& line : common::readTextLines(file)) {
        std::istringstream in(line);
        CalculatorMaterial m;
        if (!(in >> m.code >> m.capacity >> m.resistivity))
            fail(file, "line \"" + line + "\" lacks three numbers");
        std::getline(in, m.name);
        out.push_back(m);
    }
    return out;
}

ShippedData readShippedData(const fs::path& folder) {
    ShippedData d;
    d.materials = readMaterialFile(folder / "matdata.bin");
    d.windowSystems = readWindowLibrary(folder / "Data/WindowData/VORTwindows.VWG");
    d.skylightSystems = readSkylightLibrary(folder / "Data/WindowData/VORTskylights.VSG");
    d.windowProducts = readWindowProducts(folder / "Data/WindowData/VORTwindows.txt");
    d.skylightProducts = readSkylightProducts(folder / "Data/WindowData/VORTskylights.txt");
    d.tables = readTables(folder / "Data/tables.db");
    d.airGap = readAirGapTable(folder / "BESTFIT.DAT");
    d.calculatorMaterials = readCalculatorMaterials(folder / "Data/RCProps.TXT");
    return d;
}

std::pair<double, double> airGapResistance(const ShippedData& data, double width, double e1, double e2,
                                           double tilt) {
    const auto clamp = [](double v, double lo, double hi) { return std::min(std::max(v, lo), hi); };
    e1 = clamp(e1, 0.05, 0.9);
    e2 = clamp(e2, 0.05, 0.9);
    width = clamp(width, 13.0, 90.0);
    const double e = 1.0 / (1.0 / e1 + 1.0 / e2 - 1.0);
    const auto single = [&](std::size_t block, std::size_t column) {
        const auto& c = data.airGap[block][column];
        double p = 0, power = 1;
        for (double ck : c) {
            p += ck * power;
            power *= e;
        }
        return 1.0 / (p == 0 ? 0.00001 : p);
    };
    const auto atWidth = [&](std::size_t block) {
        const double r90 = single(block, 0), r40 = single(block, 1), r20 = single(block, 2),
                     r13 = single(block, 3);
        if (width < 20) return r20 + (20 - width) * (r13 - r20) / 7;
        if (width < 40) return r40 + (40 - width) * (r20 - r40) / 20;
        return r90 + (90 - width) * (r40 - r90) / 50;
    };
    // The quadratic through tilts 0, 45 and 90 degrees (Lagrange form).
    const auto quadratic = [&](double r0, double r45, double r90) {
        const double t = tilt;
        return r0 * (t - 45) * (t - 90) / (45.0 * 90.0) - r45 * t * (t - 90) / (45.0 * 45.0) +
               r90 * t * (t - 45) / (90.0 * 45.0);
    };
    const double vertical = atWidth(0);
    return {quadratic(atWidth(1), atWidth(3), vertical), quadratic(atWidth(2), atWidth(4), vertical)};
}

} // namespace shipped
