#include "engine/core/glazing_libraries.h"

#include <cmath>
#include <cstdint>

#include "common/framed_records.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr int kAngles = 10;           // values per angle record
constexpr int kFirstRecordValues = 6; // gug and glib2..glib6
constexpr int kSkylightRecords = 3;
constexpr int kWindowRecordsBeyondLayers = 4;

// A library that cannot be used: the message is already chosen by the caller.
struct LibraryFault {
    std::string_view message;
};

// A damaged value that reads as no number (NaN, infinity) makes the library unreadable.
double nextReal(common::Record& record) {
    const double value = static_cast<double>(record.get<float>());
    if (!std::isfinite(value)) throw LibraryFault{msg::kFileUnreadable};
    return value;
}

void nextRecord(common::RecordReader& reader, common::Record& record, std::string_view faultIfMissing) {
    if (!reader.next(record)) throw LibraryFault{faultIfMissing};
}

void skipRecords(common::RecordReader& reader, common::Record& record, int count) {
    for (int i = 0; i < count; ++i) nextRecord(reader, record, msg::kGlazingSystemNotFound);
}

void readWindowRecords(EngineState& state, common::RecordReader& reader, const std::string& code, int s) {
    auto& w = state.wind41;
    common::Record record;
    for (;;) {
        nextRecord(reader, record, msg::kGlazingSystemNotFound);
        const std::string systemCode = record.getText(kGlazingCodeWidth);
        const int n = record.get<std::int32_t>();
        const std::string description = record.getText(kGlazingDescriptionWidth);
        if (n < 0 || n > kMaxGlassLayers) throw LibraryFault{msg::kFileUnreadable};
        if (systemCode != code) {
            skipRecords(reader, record, n + kWindowRecordsBeyondLayers);
            continue;
        }
        state.wininf.wdesc(s) = description;
        w.nglay(s) = n;
        nextRecord(reader, record, msg::kFileUnreadable);
        double first[kFirstRecordValues];
        for (double& v : first) v = nextReal(record);
        w.gug(s) = first[0];
        w.glib2(s) = first[1];
        w.glib3(s) = first[2];
        w.glib4(s) = first[3];
        w.glib5(s) = first[4];
        w.glib6(s) = first[5];
        nextRecord(reader, record, msg::kFileUnreadable);
        for (int i = 1; i <= n + 1; ++i) w.glayb(i, s) = nextReal(record);
        nextRecord(reader, record, msg::kFileUnreadable);
        for (int i = 1; i <= n; ++i) w.glayc(i, s) = nextReal(record);
        nextRecord(reader, record, msg::kFileUnreadable);
        for (int i = 1; i <= kAngles; ++i) w.gangle(i, s) = nextReal(record);
        for (int layer = 1; layer <= n; ++layer) {
            nextRecord(reader, record, msg::kFileUnreadable);
            for (int i = 1; i <= kAngles; ++i) w.glayang(i, layer, s) = nextReal(record);
        }
        return;
    }
}

double readSkylightRecords(EngineState& state, common::RecordReader& reader, const std::string& code, int k) {
    common::Record record;
    for (;;) {
        nextRecord(reader, record, msg::kGlazingSystemNotFound);
        const std::string systemCode = record.getText(kGlazingCodeWidth);
        const std::string description = record.getText(kGlazingDescriptionWidth);
        if (systemCode != code) {
            skipRecords(reader, record, kSkylightRecords);
            continue;
        }
        state.wininf.wdesc(kMaxSkylightSystems + k) = description;
        nextRecord(reader, record, msg::kFileUnreadable);
        const double u = nextReal(record);
        nextRecord(reader, record, msg::kFileUnreadable);
        for (int i = 1; i <= kAngles; ++i) state.skylight.sktau(k, i) = nextReal(record);
        nextRecord(reader, record, msg::kFileUnreadable);
        state.skylight.skp1(k) = nextReal(record);
        state.skylight.skp2(k) = nextReal(record);
        return u;
    }
}

// Runs `read` on the opened library and turns every failure into a message naming the library.
template <class Read>
auto withLibrary(EngineState& state, const std::filesystem::path& library, const std::string& code,
                 Read read) {
    if (!std::filesystem::is_regular_file(library)) stopRun(state, {msg::kFileNotFound, library.string()});
    try {
        common::RecordReader reader(library);
        return read(reader);
    } catch (const LibraryFault& fault) {
        if (fault.message == msg::kGlazingSystemNotFound)
            stopRun(state, {fault.message, code, " in ", library.string()});
        stopRun(state, {fault.message, library.string()});
    } catch (const common::RecordError&) {
        stopRun(state, {msg::kFileUnreadable, library.string()});
    }
}

} // namespace

void readWindowSystem(EngineState& state, const std::filesystem::path& library, const std::string& code,
                      int s) {
    withLibrary(state, library, code, [&](common::RecordReader& reader) {
        readWindowRecords(state, reader, code, s);
        return 0;
    });
}

double readSkylightSystem(EngineState& state, const std::filesystem::path& library, const std::string& code,
                          int k) {
    return withLibrary(state, library, code, [&](common::RecordReader& reader) {
        return readSkylightRecords(state, reader, code, k);
    });
}

} // namespace engine
