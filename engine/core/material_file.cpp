#include "engine/core/material_file.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "common/control_characters.h"
#include "common/framed_records.h"
#include "engine/core/input_files.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr std::string_view kMaterialFileName = "matdata.bin";
constexpr int kEndMarker = -1;
constexpr int kHeaderRecords = 2;

// Layout of a material record.
constexpr std::size_t kNameWidth = 60;
constexpr std::size_t kTextWidth = 15;
constexpr std::size_t kFlagWidth = 1;

struct MaterialRecord {
    int code = 0;
    std::string name;
    double p1 = 0.0, p2 = 0.0, p3 = 0.0;
    bool conducts = false;
};

MaterialRecord decode(common::Record& record) {
    MaterialRecord m;
    m.code = record.get<std::int32_t>();
    if (m.code == kEndMarker) return m;
    m.name = record.getText(kNameWidth);
    record.getText(kTextWidth);
    record.getText(kTextWidth);
    m.p1 = record.get<float>();
    m.p2 = record.get<float>();
    m.p3 = record.get<float>();
    const std::string flag = record.getText(kFlagWidth);
    m.conducts = flag == "Y" || flag == "y";
    return m;
}

void readRecords(EngineState& state, const std::filesystem::path& file) {
    common::RecordReader reader(file);
    common::Record record;
    for (int i = 0; i < kHeaderRecords; ++i)
        if (!reader.next(record)) stopRun(state, {msg::kMaterialFileEnded, file.string()});
    for (;;) {
        if (!reader.next(record)) stopRun(state, {msg::kMaterialFileEnded, file.string()});
        const MaterialRecord m = decode(record);
        if (m.code == kEndMarker) return;
        // A damaged value reads as a number that is not one (NaN, infinity): not a material at all.
        if (!std::isfinite(m.p1) || !std::isfinite(m.p2) || !std::isfinite(m.p3))
            stopRun(state, {msg::kFileUnreadable, file.string()});
        if (m.code < 1 || m.code > kMaxMaterials)
            stopRun(state, {msg::kMaterialFileCode, file.string(), ": ", static_cast<long long>(m.code)});
        // The name goes into the text report as it stands.
        if (common::firstControlCharacter(m.name))
            stopRun(state, {msg::kMaterialNameControl, file.string(), ": ", static_cast<long long>(m.code)});
        storeMaterial(state, m.code, m.name, m.p1, m.p2, m.p3, m.conducts);
    }
}

} // namespace

void storeMaterial(EngineState& state, int n, const std::string& name, double p1, double p2, double p3,
                   bool conducts) {
    state.mat.matname(n) = name;
    state.cr.crp1(n) = p1;
    state.cr.crp2(n) = p2;
    state.cr.crp3(n) = (p3 == 0.0 && p2 != 0.0) ? p2 : p3;
    state.cr.icond(n) = conducts ? 1 : 0;
}

void readMaterialFile(EngineState& state) {
    const std::filesystem::path file = requireInputFile(state, kMaterialFileName);
    try {
        readRecords(state, file);
    } catch (const common::RecordError&) {
        stopRun(state, {msg::kFileUnreadable, file.string()});
    }
    state.bss.rs903 = state.cr.crp2(kInsideFilmMaterial);
    state.bss.rs906 = state.cr.crp2(kOutsideFilmMaterial);
    state.bss.rs916 = state.cr.crp2(kFloorFilmMaterial);
}

double layerResistance(const EngineState& state, int m, double thicknessMm) {
    const double a = state.cr.crp2(m);
    const double b = state.cr.crp3(m);
    const double r = (a + b == 0.0) ? 0.0 : 2.0 * a * b / (a + b);
    return state.cr.icond(m) == 1 ? thicknessMm * r * 0.001 : r;
}

} // namespace engine
