#include "data/construction/material_file.h"

#include "common/framed_records.h"
#include "common/text_values.h"
#include "data/construction/source_tables.h"

#include <cstdint>
#include <cstdio>
#include <set>

namespace construction {

namespace {

constexpr std::size_t kNameWidth = 60;
constexpr std::size_t kNoteWidth = 15;
constexpr int kEndCode = -1;
constexpr int kGlazingPseudoLayer = 901;
constexpr int kEarth = 902;
constexpr int kBulkInsulation = 209; // a modelling layer of resistivity 17.54 m K/W, not a product

std::string formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The two notes of a record, which the engine does not read, say where property 1 came from.
std::pair<std::string, std::string> notes(const Material& m) {
    if (m.conducting)
        return {formatted("rho %.0f kg/m3", m.density), formatted("c %.0f J/kgK", m.specificHeat)};
    return {"fixed R", "up/down"};
}

common::Record materialRecord(int code, const std::string& name, const std::string& note1,
                              const std::string& note2, float p1, float p2, float p3, char flag) {
    common::Record record;
    record.put<std::int32_t>(code);
    record.putText(name, kNameWidth);
    record.putText(note1, kNoteWidth);
    record.putText(note2, kNoteWidth);
    record.put<float>(p1);
    record.put<float>(p2);
    record.put<float>(p3);
    record.putText(std::string(1, flag), 1);
    return record;
}

common::Record titleRecord(const std::string& text) {
    common::Record record;
    record.putText(text, 80);
    return record;
}

} // namespace

double Material::property1() const {
    return conducting ? density * specificHeat / 1000.0 : capacityPerArea;
}
double Material::property2() const {
    return conducting ? 1.0 / conductivity : resistanceUp;
}
double Material::property3() const {
    return conducting ? 1.0 / conductivity : resistanceDown;
}

std::vector<Material> readMaterials(const std::filesystem::path& file) {
    const SourceTable table = readSourceTable(file, 6);
    std::vector<Material> materials;
    std::set<int> codes;
    for (const SourceRow& row : table.rows) {
        Material m;
        m.code = table.integer(row, 0);
        if (m.code < 1 || m.code > 999) table.fail(row, "material code outside 1..999");
        if (!codes.insert(m.code).second)
            table.fail(row, "material code " + std::to_string(m.code) + " twice");
        const std::string& kind = table.text(row, 1);
        if (kind != "k" && kind != "r") table.fail(row, "kind is neither k nor r");
        m.conducting = kind == "k";
        if (m.conducting) {
            m.density = table.real(row, 2);
            m.specificHeat = table.real(row, 3);
            m.conductivity = table.real(row, 4);
            if (m.conductivity <= 0) table.fail(row, "conductivity is not positive");
        } else {
            m.capacityPerArea = table.real(row, 2);
            m.resistanceUp = table.real(row, 3);
            m.resistanceDown = table.real(row, 4);
        }
        m.name = table.text(row, 5);
        if (m.name.size() > kNameWidth) table.fail(row, "name longer than 60 characters");
        materials.push_back(m);
    }
    return materials;
}

void writeMaterialFile(const std::vector<Material>& materials, const std::filesystem::path& file) {
    common::RecordWriter writer(file);
    writer.write(titleRecord("Material properties of the thermal engine"));
    writer.write(titleRecord("code, name, notes, capacity, resistivity or resistance (two directions), "
                             "conducting flag"));
    for (const Material& m : materials) {
        const auto [note1, note2] = notes(m);
        writer.write(materialRecord(m.code, m.name, note1, note2, static_cast<float>(m.property1()),
                                    static_cast<float>(m.property2()), static_cast<float>(m.property3()),
                                    m.conducting ? 'Y' : 'N'));
    }
    writer.write(materialRecord(kEndCode, "", "", "", 0.0f, 0.0f, 0.0f, ' '));
    writer.close();
}

void writeCalculatorMaterials(const std::vector<Material>& materials, const std::filesystem::path& file) {
    common::TextFileWriter out;
    for (const Material& m : materials) {
        if (!m.conducting || m.code == kBulkInsulation || m.code == kGlazingPseudoLayer || m.code == kEarth)
            continue;
        out.line(std::to_string(m.code) + " " + formatted("%.1f", m.property1()) + " " +
                 formatted("%.4f", m.property2()) + "  " + m.name);
    }
    out.save(file);
}

} // namespace construction
