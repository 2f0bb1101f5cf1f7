#include "engine/core/section_properties.h"

#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {

namespace {

constexpr int kNoLayer = 999;
constexpr std::string_view kTooManyKeys =
    "TOO MANY BUILDING SECTIONS: THEIR TRANSFER COEFFICIENTS NEED MORE COLUMNS THAN ";
constexpr int kEarth = 902;
constexpr double kZoneAirCapacity = 1.25;     // kJ/m3K of zone volume
constexpr double kRoofSpaceMassCapacity = 21; // kJ/m3K of roof-space volume

// Layer resistivity for both directions of heat flow: the harmonic mean of the two, 0 when both
// are 0 (a material without resistance, rather than 0/0).
double layerResistivity(double p2, double p3) {
    const double sum = p2 + p3;
    if (sum == 0.0) return 0.0;
    return 2.0 * p2 * p3 / sum;
}

void appendKey(EngineState& state, int key) {
    BssBlock& bss = state.bss;
    bss.ngcode += 1;
    bss.igcode(bss.ngcode) = key;
}

void writeMarker(EngineState& state, int key, double capacity) {
    SectionRecord marker;
    marker.key = key;
    marker.n = 1;
    marker.c[0] = capacity;
    appendKey(state, key);
    writeSectionRecord(workFileWriter(state), marker);
}

} // namespace

int gorcumKeys(int s, std::array<int, 4>& keys) {
    if (s <= 20) {
        keys = {s + 100, s + 300, 0, 0};
        return 2;
    }
    if (s <= 140) {
        keys = {s + 500, s + 700, s + 900, s + 1100};
        return 4;
    }
    if (s <= 155) {
        keys = {s + 1300, s + 1500, s + 1700, 0};
        return 3;
    }
    keys = {s + 1900, s + 2100, s + 2300, 0};
    return 3;
}

SectionRecord sectionEntries(const EngineState& state, int s) {
    const BssBlock& bss = state.bss;
    const CrBlock& cr = state.cr;
    SectionRecord rec;
    const int nlay = bss.nlay(s);
    int j = 0; // entries so far
    auto add = [&rec, &j](double r, double c) {
        rec.r[static_cast<std::size_t>(j)] = r;
        rec.c[static_cast<std::size_t>(j)] = c;
        ++j;
    };

    const int first = bss.matlay(s, 1);
    if (first < kNoLayer && first != kEarth) {
        const double film = s <= 40 ? bss.rs906 : (s <= 50 ? bss.rs916 : bss.rs903);
        add(film, 0.0);
    }
    for (int k = 1; k <= nlay; ++k) {
        const int m = bss.matlay(s, k);
        if (m >= kNoLayer) continue;
        if (m == kEarth) {
            add(0.0, 0.0);
            continue;
        }
        const double rho = layerResistivity(cr.crp2(m), cr.crp3(m));
        const double t = cr.icond(m) == 1 ? bss.thklay(s, k) : 1000.0; // mm
        add(rho * t * 0.001, t * cr.crp1(m) * 0.001);
    }
    // A section without layers gets no inner film.
    if (nlay >= 1 && bss.matlay(s, nlay) < kNoLayer && s >= 21) add(bss.rs903, 0.0);
    rec.n = j;
    std::array<int, 4> keys{};
    gorcumKeys(s, keys);
    rec.key = keys[0];
    if (s >= 21) {
        rec.i3 = rec.n - 1;
        rec.i4 = 1;
    }
    return rec;
}

void tprop(EngineState& state, int s) {
    const SectionRecord rec = sectionEntries(state, s);
    double total = 0.0;
    for (int k = 0; k < rec.n; ++k) total += rec.r[static_cast<std::size_t>(k)];
    state.bss.usec(s) = total == 0.0 ? 9999.0 : 1.0 / total;

    std::array<int, 4> keys{};
    const int count = gorcumKeys(s, keys);
    // The two internal-mass markers always follow the sections.
    if (state.bss.ngcode + count + 2 > kMaxGorcumKeys)
        stopRun(state, {kTooManyKeys, static_cast<long long>(kMaxGorcumKeys)});
    for (int k = 0; k < count; ++k) appendKey(state, keys[static_cast<std::size_t>(k)]);
    writeSectionRecord(workFileWriter(state), rec);
}

void rndriv(EngineState& state) {
    state.bss.ngcode = 0;
    for (int s = 1; s <= kMaxSections; ++s) {
        if (state.bss.isecdef(s) == 1) tprop(state, s);
        if (state.bss.ierrin > 0) return;
    }
    writeMarker(state, kZoneAirKey, kZoneAirCapacity);
    writeMarker(state, kRoofSpaceMassKey, kRoofSpaceMassCapacity);
    SectionRecord end;
    end.key = kSectionEndKey;
    end.n = 1;
    writeSectionRecord(workFileWriter(state), end);
}

} // namespace engine
