#include "engine/core/glazing_libraries.h"

#include <cmath>
#include <cstdint>

#include "common/control_characters.h"
#include "common/framed_records.h"
#include "common/value_range.h"
#include "engine/core/card_fields.h"
#include "engine/core/input_messages.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

constexpr int kAngles = 10;           // values per angle record
constexpr int kFirstRecordValues = 6; // gug and glib2..glib6
constexpr int kSkylightRecords = 3;
constexpr int kWindowRecordsBeyondLayers = 4;

// A library that cannot be used: the message is already chosen by the caller; `detail` says which
// value of which system is at fault, when one is.
struct LibraryFault {
    std::string_view message;
    std::string detail;
};

// The physically possible range of each kind of library value.  A value outside it is damage, and a
// system rated with it would give a wrong rating that looks like a good one.
using common::ValueRange;
constexpr double kMaxU = 20.0;       // W/m2K: single glass with still air on both sides is below 6
constexpr double kMaxFilm = 100.0;   // W/m2K: a surface film coefficient in a gale
constexpr double kMaxNodeGap = 10.0; // m2K/W between two nodes of a glazing
constexpr double kMaxPaneR = 1.0;    // m2K/W through one pane
constexpr ValueRange kCentreU{"centre-of-glass U-value", 0.0, kMaxU, false};
constexpr ValueRange kEmittance{"emittance", 0.0, 1.0, true};
constexpr ValueRange kFilm{"film coefficient", 0.0, kMaxFilm, false};
constexpr ValueRange kSolarReference{"solar heat gain coefficient", 0.0, 1.0, false};
constexpr ValueRange kNodeResistance{"resistance between nodes", 0.0, kMaxNodeGap, false};
constexpr ValueRange kPaneResistance{"pane resistance", 0.0, kMaxPaneR, true};
constexpr ValueRange kFraction{"transmittance or absorptance", 0.0, 1.0, true};
constexpr ValueRange kDiffuserU{"diffuser U-value", 0.0, kMaxU, false};

std::string systemName(const std::string& code) {
    return "system " + std::string(trimRight(code));
}

// A damaged value that reads as no number (NaN, infinity) makes the library unreadable.
double nextReal(common::Record& record) {
    const double value = static_cast<double>(record.get<float>());
    if (!std::isfinite(value)) throw LibraryFault{msg::kFileUnreadable, {}};
    return value;
}

// The next value, which must lie in `range`.
double nextReal(common::Record& record, const ValueRange& range, const std::string& code) {
    const double value = nextReal(record);
    if (range.contains(value)) return value;
    throw LibraryFault{msg::kGlazingValueRange, range.refusal(value) + ", " + systemName(code)};
}

// A description is shown and printed as it stands: a control character in it is damage.
std::string description(common::Record& record, const std::string& code) {
    std::string text = record.getText(kGlazingDescriptionWidth);
    if (const auto c = common::firstControlCharacter(text)) {
        throw LibraryFault{msg::kGlazingValueRange, "control character " + std::to_string(*c) +
                                                        " in the description, " + systemName(code)};
    }
    return text;
}

void nextRecord(common::RecordReader& reader, common::Record& record, std::string_view faultIfMissing) {
    if (!reader.next(record)) throw LibraryFault{faultIfMissing, {}};
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
        // The glass layers set how many records follow: a count outside 1..3 leaves the library unreadable.
        if (n < 1 || n > kMaxGlassLayers) throw LibraryFault{msg::kFileUnreadable, {}};
        if (systemCode != code) {
            skipRecords(reader, record, n + kWindowRecordsBeyondLayers);
            continue;
        }
        // Every value is checked before any is stored, so a refused system leaves no trace.
        const std::string text = description(record, code);
        double first[kFirstRecordValues];
        nextRecord(reader, record, msg::kFileUnreadable);
        first[0] = nextReal(record, kCentreU, code);
        first[1] = nextReal(record, kEmittance, code);
        first[2] = nextReal(record, kEmittance, code);
        first[3] = nextReal(record, kFilm, code);
        first[4] = nextReal(record, kFilm, code);
        first[5] = nextReal(record, kSolarReference, code);
        double nodes[kMaxGlassLayers + 1], panes[kMaxGlassLayers], angles[kAngles];
        double layers[kMaxGlassLayers][kAngles];
        nextRecord(reader, record, msg::kFileUnreadable);
        for (int i = 0; i < n + 1; ++i) nodes[i] = nextReal(record, kNodeResistance, code);
        nextRecord(reader, record, msg::kFileUnreadable);
        for (int i = 0; i < n; ++i) panes[i] = nextReal(record, kPaneResistance, code);
        nextRecord(reader, record, msg::kFileUnreadable);
        for (double& v : angles) v = nextReal(record, kFraction, code);
        for (int layer = 0; layer < n; ++layer) {
            nextRecord(reader, record, msg::kFileUnreadable);
            for (double& v : layers[layer]) v = nextReal(record, kFraction, code);
        }
        state.wininf.wdesc(s) = text;
        w.nglay(s) = n;
        w.gug(s) = first[0];
        w.glib2(s) = first[1];
        w.glib3(s) = first[2];
        w.glib4(s) = first[3];
        w.glib5(s) = first[4];
        w.glib6(s) = first[5];
        for (int i = 1; i <= n + 1; ++i) w.glayb(i, s) = nodes[i - 1];
        for (int i = 1; i <= n; ++i) w.glayc(i, s) = panes[i - 1];
        for (int i = 1; i <= kAngles; ++i) w.gangle(i, s) = angles[i - 1];
        for (int layer = 1; layer <= n; ++layer)
            for (int i = 1; i <= kAngles; ++i) w.glayang(i, layer, s) = layers[layer - 1][i - 1];
        return;
    }
}

double readSkylightRecords(EngineState& state, common::RecordReader& reader, const std::string& code, int k) {
    common::Record record;
    for (;;) {
        nextRecord(reader, record, msg::kGlazingSystemNotFound);
        const std::string systemCode = record.getText(kGlazingCodeWidth);
        if (systemCode != code) {
            skipRecords(reader, record, kSkylightRecords);
            continue;
        }
        const std::string text = description(record, code);
        nextRecord(reader, record, msg::kFileUnreadable);
        const double u = nextReal(record, kCentreU, code);
        double tau[kAngles];
        nextRecord(reader, record, msg::kFileUnreadable);
        for (double& v : tau) v = nextReal(record, kFraction, code);
        nextRecord(reader, record, msg::kFileUnreadable);
        const double diffuserU = nextReal(record, kDiffuserU, code);
        const double diffuserTau = nextReal(record, kFraction, code);
        state.wininf.wdesc(kMaxSkylightSystems + k) = text;
        for (int i = 1; i <= kAngles; ++i) state.skylight.sktau(k, i) = tau[i - 1];
        state.skylight.skp1(k) = diffuserU;
        state.skylight.skp2(k) = diffuserTau;
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
        if (!fault.detail.empty()) stopRun(state, {fault.message, fault.detail, " in ", library.string()});
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
