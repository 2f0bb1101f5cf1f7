#include "engine/solar_airflow/ventilation_openings.h"

#include "engine/core/state.h"
#include "engine/solar_airflow/opening_flows.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

constexpr double kLargestCountedVolume = 100000.0; // m3: a zone this large is not counted in the total
constexpr double kHeightSnap = 0.0001;             // m: a relative height this far below 0 is 0

bool inZoneRange(int zone) {
    return zone >= 1 && zone <= kMaxZones;
}

// Makes the heights of an opening between zones on different levels relative to the bottom of
// the two zones' common height range, which its pressure profile spans.
void relativeHeights(EngineState& s, int i, int k, int a) {
    auto& g = s.geo;
    const double top = std::min(g.ztopht(a), g.ztopht(i));
    const double bottom = std::max(g.zflht(a), g.zflht(i));
    g.ohgt(i, k) = top - bottom;
    const double shift = bottom - g.zflht(i);
    g.olow(i, k) -= shift;
    g.ohigh(i, k) -= shift;
    if (g.olow(i, k) > -kHeightSnap && g.olow(i, k) < 0.0) g.olow(i, k) = 0.0;
    if (g.ohigh(i, k) > -kHeightSnap && g.ohigh(i, k) < 0.0) g.ohigh(i, k) = 0.0;
}

// Keeps an opening's heights in the order the flow integrals need.  An opening whose top lies
// below its bottom has no height.  A large opening is cut to its pressure profile: only the part
// inside the zones' common height range can pass air, and zones whose height ranges do not
// overlap (no profile) are joined by no opening at all.
void orderHeights(EngineState& s, int i, int k) {
    auto& g = s.geo;
    if (g.ohigh(i, k) < g.olow(i, k)) g.ohigh(i, k) = g.olow(i, k);
    if (openingKind(s.type.itypop(i, k), s.type.iadjz(i, k)) != OpeningKind::Large) return;
    const double profile = std::max(g.ohgt(i, k), 0.0);
    g.olow(i, k) = std::clamp(g.olow(i, k), 0.0, profile);
    g.ohigh(i, k) = std::clamp(g.ohigh(i, k), 0.0, profile);
}

} // namespace

void checkventinput(EngineState& s) {
    auto& v = s.ventzones;
    s.others.voltot = 0.0;
    for (int n = 1; n <= v.nvz; ++n) {
        const int i = v.ivz(n);
        if (inZoneRange(i) && s.zones.zvol(i) < kLargestCountedVolume) s.others.voltot += s.zones.zvol(i);
    }
    for (int n = 1; n <= v.nvz; ++n) {
        const int i = v.ivz(n);
        if (!inZoneRange(i)) continue;
        for (int k = 1; k <= s.open1.nopen(i); ++k) {
            const int a = s.type.iadjz(i, k);
            if (a != 0 && s.type.icontyp(i, k) >= 3 && inZoneRange(a)) {
                relativeHeights(s, i, k, a);
            } else {
                s.geo.ohgt(i, k) = s.geo.zceilht(i);
            }
            orderHeights(s, i, k);
            // A flow exponent must be positive for the power law to have a slope; a missing one
            // is taken as that of a sharp-edged opening.
            double& expon = s.open1.oexpon(i, k);
            if (!(expon > 0.0) || !std::isfinite(expon)) expon = kOrificeExponent;
            s.open1.okbase(i, k) = s.open1.operc(i, k) * s.open1.ocd(i, k) * s.geo.owidth(i, k) *
                                   std::pow(2.0 / kReferenceDensity, expon);
        }
    }
}

} // namespace engine
