#include "engine/core/work_file.h"

#include "engine/core/state.h"

#include <bit>
#include <cstdint>
#include <system_error>

namespace engine {

// Values are put into records in machine form; the agreed form is little-endian.
static_assert(std::endian::native == std::endian::little);

namespace {

void putInt(common::Record& r, int v) {
    r.put(static_cast<std::int32_t>(v));
}
void putReal(common::Record& r, double v) {
    r.put(static_cast<float>(v));
}
int getInt(common::Record& r) {
    return r.get<std::int32_t>();
}
double getReal(common::Record& r) {
    return static_cast<double>(r.get<float>());
}

void expectEnd(const common::Record& r, const char* what) {
    if (r.remaining() != 0) throw common::RecordError(std::string("work file: ") + what + " record too long");
}

} // namespace

void openWorkFile(EngineState& state, const std::filesystem::path& path) {
    state.tape52.writer.reset();
    state.tape52.path = path;
    state.tape52.writer = std::make_unique<common::RecordWriter>(path);
}

common::RecordWriter& workFileWriter(EngineState& state) {
    if (!state.tape52.writer)
        throw common::RecordError("work file " + state.tape52.path.string() + " is not open");
    return *state.tape52.writer;
}

void closeWorkFile(EngineState& state) {
    if (!state.tape52.writer) return;
    state.tape52.writer->close();
    state.tape52.writer.reset();
}

void deleteWorkFile(EngineState& state) {
    state.tape52.writer.reset();
    std::error_code ignored;
    std::filesystem::remove(state.tape52.path, ignored);
}

void writeSectionRecord(common::RecordWriter& out, const SectionRecord& s) {
    common::Record r;
    const int n = s.n > 0 ? s.n : 0;
    putInt(r, s.key);
    putInt(r, n);
    for (int k = 0; k < n; ++k) putReal(r, s.r[static_cast<std::size_t>(k)]);
    for (int k = 0; k < n; ++k) putReal(r, s.c[static_cast<std::size_t>(k)]);
    putInt(r, 0);
    putInt(r, 0);
    putInt(r, s.i3);
    putInt(r, s.i4);
    out.write(r);
}

SectionRecord readSectionRecord(common::Record& r) {
    SectionRecord s;
    s.key = getInt(r);
    s.n = getInt(r);
    if (s.n < 0 || s.n > kMaxSectionEntries)
        throw common::RecordError("work file: bad entry count of a section");
    for (int k = 0; k < s.n; ++k) s.r[static_cast<std::size_t>(k)] = getReal(r);
    for (int k = 0; k < s.n; ++k) s.c[static_cast<std::size_t>(k)] = getReal(r);
    getInt(r);
    getInt(r);
    s.i3 = getInt(r);
    s.i4 = getInt(r);
    expectEnd(r, "section");
    return s;
}

void writeZonePathRecord(common::RecordWriter& out, const ZonePathRecord& z) {
    if (z.value.size() != z.code.size())
        throw common::RecordError("work file: path codes and values differ in count");
    common::Record r;
    putInt(r, z.zone);
    r.putText(z.name, kZoneNameWidth);
    putInt(r, z.row);
    putInt(r, static_cast<int>(z.code.size()));
    for (int c : z.code) putInt(r, c);
    for (double v : z.value) putReal(r, v);
    out.write(r);
}

ZonePathRecord readZonePathRecord(common::Record& r) {
    ZonePathRecord z;
    z.zone = getInt(r);
    z.name = r.getText(kZoneNameWidth);
    z.row = getInt(r);
    const int np = getInt(r);
    // Each entry takes 8 bytes; a count the record cannot hold is corrupt.
    if (np < 0 || static_cast<std::size_t>(np) * 8 != r.remaining())
        throw common::RecordError("work file: bad entry count of a zone path record");
    z.code.resize(static_cast<std::size_t>(np));
    z.value.resize(static_cast<std::size_t>(np));
    for (int& c : z.code) c = getInt(r);
    for (double& v : z.value) v = getReal(r);
    return z;
}

} // namespace engine
