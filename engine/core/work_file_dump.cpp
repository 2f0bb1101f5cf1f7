#include "engine/core/work_file_dump.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/framed_records.h"
#include "engine/core/result_files.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr std::string_view kHeading = "(A1,/,/,/,5X,'DATA WRITTEN ON TAPE52',/,/)";
constexpr std::string_view kSectionLine = "(10X,2I6,20X,4I4)";
constexpr std::string_view kSectionValues = "(5X,12F8.2)";
constexpr std::string_view kZoneLine = "(10X,A15,2I4)";
constexpr std::string_view kZoneEntries = "(5X,9(I8,F8.2))";
constexpr std::string_view kTableHeading = "(/,'  NB  ARRAY',/)";
// Row numbers reach 751, so the table takes four columns a value where three would run them together.
constexpr std::string_view kTableLine = "(5X,25I4)";
constexpr int kEntriesPerLine = 9;
constexpr int kRowsPerGroup = 25;
constexpr int kMaxSectionRecords = 200;
constexpr int kTableRows = 751;
constexpr char kNewPage = '\f';

void put(std::ostream& out, std::string_view format, std::span<const fw::Value> values) {
    writeLines(out, ReportFormat(format).lines(values));
}

void put(std::ostream& out, std::string_view format, std::initializer_list<fw::Value> values) {
    writeLines(out, ReportFormat(format).lines(values));
}

std::vector<fw::Value> reals(const std::array<double, kMaxSectionEntries>& v, int n) {
    return std::vector<fw::Value>(v.begin(), v.begin() + n);
}

void dumpSection(std::ostream& out, const SectionRecord& s) {
    put(out, kSectionLine,
        {static_cast<long long>(s.key), static_cast<long long>(s.n), 0LL, 0LL, static_cast<long long>(s.i3),
         static_cast<long long>(s.i4)});
    put(out, kSectionValues, reals(s.r, s.n));
    put(out, kSectionValues, reals(s.c, s.n));
}

void dumpZone(std::ostream& out, const ZonePathRecord& z) {
    put(out, kZoneLine, {z.name, static_cast<long long>(z.row), static_cast<long long>(z.code.size())});
    const std::size_t n = z.code.size();
    for (std::size_t first = 0; first < n; first += kEntriesPerLine) {
        std::vector<fw::Value> entries;
        for (std::size_t i = first; i < std::min(n, first + kEntriesPerLine); ++i) {
            entries.emplace_back(static_cast<long long>(z.code[i]));
            entries.emplace_back(z.value[i]);
        }
        put(out, kZoneEntries, entries);
    }
}

void dumpDriverUse(std::ostream& out, const EngineState& state) {
    put(out, kTableHeading, {});
    for (int first = 1; first <= kTableRows; first += kRowsPerGroup) {
        const int last = std::min(kTableRows, first + kRowsPerGroup - 1);
        std::vector<fw::Value> rows;
        for (int r = first; r <= last; ++r) rows.emplace_back(static_cast<long long>(r));
        put(out, kTableLine, rows);
        for (int z = 1; z <= state.zones.nzones; ++z) {
            std::vector<fw::Value> marks;
            for (int r = first; r <= last; ++r)
                marks.emplace_back(static_cast<long long>(state.zn.idrvuse(r, z)));
            put(out, kTableLine, marks);
        }
    }
}

} // namespace

void dumpWorkFile(EngineState& state) {
    std::ostream& out = state.units.report;
    workFileWriter(state).flush();
    common::RecordReader in(state.tape52.path);
    common::Record record;
    put(out, kHeading, {std::string(1, kNewPage)});
    for (int i = 1; i <= kMaxSectionRecords && in.next(record); ++i) {
        const SectionRecord s = readSectionRecord(record);
        if (s.key == kSectionEndKey) break;
        dumpSection(out, s);
    }
    while (in.next(record)) dumpZone(out, readZonePathRecord(record));
    dumpDriverUse(out, state);
}

} // namespace engine
