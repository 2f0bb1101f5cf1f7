#include "engine/solar_airflow/opening_flows.h"

#include "engine/core/state.h"
#include "engine/solar_airflow/airflow_report.h"

#include <cmath>

namespace engine {

namespace {

// The single-sided constants: exchange through one opening, and the turbulence equivalent of
// several.
constexpr double kOneOpeningScale = 0.0264;
constexpr double kOneOpeningStackPower = 0.12;
constexpr double kOneOpeningHeightPower = 0.36;
constexpr double kOneOpeningWindScale = 3.0;
constexpr double kOneOpeningWindPower = 0.76;
constexpr double kSeveralWindScale = 9.0;
constexpr double kSeveralScale = 0.08;
constexpr double kSeveralPower = 0.38;

double floored(double value) {
    return std::fabs(value) <= kTiny ? kTiny : value;
}

bool inZoneRange(int zone) {
    return zone >= 1 && zone <= kMaxZones;
}

// Half the ceiling height of the reference zone: the datum of the outdoor static pressure, m.
double datumHeight(const EngineState& s) {
    const int ref = s.pressure.irefz;
    return inZoneRange(ref) ? s.geo.zmidht(ref) : 0.0;
}

// Far-side pressure of a small opening at the top or bottom of zone i into zone a, referred to zone
// i's mid-height: the neighbour's pressure carried by its own air column to the opening's height,
// and zone i's column from there to its mid-height.  `side` is +1 for the top, -1 for the bottom.
double neighbourPressureAtEdge(const EngineState& s, int i, int a, double side) {
    const double height = s.geo.zmidabs(i) + side * s.geo.zmidht(i);
    return s.pressure.pz(a, 0) - kGravity * s.outdoor.rho(a) * (height - s.geo.zmidabs(a)) +
           side * kGravity * s.outdoor.rho(i) * s.geo.zmidht(i);
}

// Far-side pressure of an opening in the ceiling of zone i into the zone a above (side +1), or in
// its floor into the zone a below (side -1), referred to zone i's mid-height: the neighbour's
// pressure carried by its own air column to its floor (or ceiling), across the floor structure
// between the two zones to zone i's ceiling (or floor), and by zone i's column to its mid-height.
// The structure's column is taken at the mean density of the two zones' air, one value that both
// zones agree on: each sees the same pressure difference across the opening with the other sign,
// so the air that leaves one zone through it enters the other, and still air of one temperature
// stays still.
double pressureAcrossStructure(const EngineState& s, int i, int a, double side) {
    const double edgeOfI = s.geo.zmidabs(i) + side * s.geo.zmidht(i); // m
    const double edgeOfA = s.geo.zmidabs(a) - side * s.geo.zmidht(a); // m
    const double structureDensity = 0.5 * (s.outdoor.rho(i) + s.outdoor.rho(a));
    return s.pressure.pz(a, 0) + side * kGravity * s.outdoor.rho(a) * s.geo.zmidht(a) -
           kGravity * structureDensity * (edgeOfI - edgeOfA) +
           side * kGravity * s.outdoor.rho(i) * s.geo.zmidht(i);
}

void extpLarge(EngineState& s, int i, int k, double wind, double stack, double head) {
    auto& p = s.pressure;
    const int a = s.type.iadjz(i, k);
    if (a == 0) {
        p.pfarb(i, k) = stack + wind - head;
        p.pfar(i, k) = wind - stack - head;
        p.pfarbx(i, k) = p.pfarb(i, k);
        p.pz(i, k) = p.pfar(i, k);
    } else if (s.type.icontyp(i, k) < 3) {
        // Zones that share the floor: their pressures differ by the stack over the zone's half
        // height at the bottom and top of the profile, and by the neighbour's air column between
        // the two mid-heights where the zones' heights differ.
        const double column = kGravity * s.outdoor.rho(a) * (s.geo.zmidabs(a) - s.geo.zmidabs(i));
        p.pfarb(i, k) = p.pz(a, 0) + stack + column;
        p.pfar(i, k) = p.pz(a, 0) - stack + column;
        p.pfarbx(i, k) = stack + column;
        p.pz(i, k) = -stack + column;
    } else {
        // Zones on different levels: each zone's column carried to the opening's mid-height.
        const double d = kGravity * s.outdoor.drho(i, k) * 0.5 * s.geo.ohgt(i, k);
        const double ea = kGravity * s.outdoor.rho(a) * (s.geo.zmidabs(a) - s.geo.omidht(i, k));
        const double ei = kGravity * s.outdoor.rho(i) * (s.geo.zmidabs(i) - s.geo.omidht(i, k));
        p.pfarb(i, k) = d + p.pz(a, 0) + ea - ei;
        p.pfar(i, k) = p.pz(a, 0) - d + ea - ei;
        p.pfarbx(i, k) = p.pfarb(i, k) - p.pz(a, 0);
        p.pz(i, k) = p.pfar(i, k) - p.pz(a, 0);
    }
    p.zneut(i, k) = (p.pfarb(i, k) - p.pz(i, 0)) / (kGravity * s.outdoor.drho(i, k));
}

void extpOpening(EngineState& s, int i, int k) {
    auto& p = s.pressure;
    const int a = s.type.iadjz(i, k);
    const double vloc = s.outdoor.vloc(i, k);
    const double wind = 0.5 * kReferenceDensity * s.wind.cpop(i, k) * vloc * vloc;
    const double stack = kGravity * s.outdoor.drho(i, k) * s.geo.zmidht(i);
    const double head = (s.geo.zmidabs(i) - datumHeight(s)) * s.outdoor.rho(a) * kGravity;
    const OpeningKind kind = openingKind(s.type.itypop(i, k), a);
    if (kind == OpeningKind::Large) {
        extpLarge(s, i, k, wind, stack, head);
        return;
    }
    // Small openings sit at the zone's ceiling (top, and a ceiling opening) or at its floor
    // (bottom, and a floor opening).
    const double side = kind == OpeningKind::Top || kind == OpeningKind::Ceiling ? 1.0 : -1.0;
    if (a == 0) {
        // Top: W - S - H; bottom: W + S - H.
        p.pfar(i, k) = wind - side * stack - head;
        p.pz(i, k) = p.pfar(i, k);
        return;
    }
    const bool throughStructure = kind == OpeningKind::Ceiling || kind == OpeningKind::Floor;
    p.pfar(i, k) =
        throughStructure ? pressureAcrossStructure(s, i, a, side) : neighbourPressureAtEdge(s, i, a, side);
    p.pz(i, k) = p.pfar(i, k) - p.pz(a, 0);
}

void coeffOpening(EngineState& s, int i, int k) {
    const double f = openingFactor(s, i, k);
    const double kbase = s.open1.okbase(i, k);
    const double zl = s.geo.olow(i, k);
    const double zh = s.geo.ohigh(i, k);
    if (openingKind(s.type.itypop(i, k), s.type.iadjz(i, k)) == OpeningKind::Large) {
        const auto c = largeOpeningCoefficients(zl, zh, s.pressure.zneut(i, k), s.geo.ohgt(i, k),
                                                s.open1.oexpon(i, k), kbase, f);
        s.flow.ocoef(i, k) = c.below;
        s.flow.ocoef2(i, k) = c.above;
        return;
    }
    const double whole = (zh - zl) * kbase * f;
    const bool outwards = s.pressure.pfar(i, k) < s.pressure.pz(i, 0);
    s.flow.ocoef(i, k) = outwards ? 0.0 : whole;
    s.flow.ocoef2(i, k) = outwards ? whole : 0.0;
}

// The network flows of each active opening of zone i and the zone's totals.
void openingFlows(EngineState& s, int i) {
    auto& q = s.flow;
    const double p0 = s.pressure.pz(i, 0);
    q.qzin(i) = 0.0;
    q.qzout(i) = 0.0;
    for (int k = 1; k <= s.open1.nopen(i); ++k) {
        if (!openingActive(s, i, k)) continue;
        const double n = s.open1.oexpon(i, k);
        const double c1 = q.ocoef(i, k);
        const double c2 = q.ocoef2(i, k);
        if (openingKind(s.type.itypop(i, k), s.type.iadjz(i, k)) == OpeningKind::Large) {
            const double bottom = scaledPower(c1, std::fabs(s.pressure.pfarb(i, k) - p0), n);
            const double top = scaledPower(c2, std::fabs(s.pressure.pfar(i, k) - p0), n);
            const bool farColder = s.outdoor.tfar(i, k) <= s.temp.tzn(i);
            q.qin(i, k) = farColder ? bottom : top;
            q.qout(i, k) = farColder ? top : bottom;
        } else {
            const double x = std::pow(std::fabs(s.pressure.pfar(i, k) - p0), n);
            q.qin(i, k) = c1 * x;
            q.qout(i, k) = c2 * x;
        }
        q.qzin(i) += q.qin(i, k);
        q.qzout(i) += q.qout(i, k);
    }
}

// The first active opening of a zone ventilated from one side only: every active opening a large
// one to the outdoors with the pressure coefficient of the first.  0 when the zone is not.
int singleSidedFirst(const EngineState& s, int i, int& count) {
    int first = 0;
    count = 0;
    for (int k = 1; k <= s.open1.nopen(i); ++k) {
        if (!openingActive(s, i, k)) continue;
        if (s.type.iadjz(i, k) != 0 || openingKind(s.type.itypop(i, k), 0) != OpeningKind::Large) return 0;
        if (first == 0) first = k;
        if (s.wind.cpop(i, k) != s.wind.cpop(i, first)) return 0;
        ++count;
    }
    return first;
}

// Raises the exchange of a zone ventilated from one side to what wind turbulence and the stack
// across its openings drive.  The raise is a two-way exchange: each opening's outflow grows by as
// much as its inflow, so the balance of the network flows with the mechanical flows is kept.
void singleSidedCorrection(EngineState& s, int i) {
    int m = 0;
    const int first = singleSidedFirst(s, i, m);
    if (first == 0) return;
    auto& q = s.flow;
    const double cd = s.open1.ocd(i, first);
    // The wind at the weather station: the zone's local wind without its reduction.  A zone that
    // the wind does not reach (no reduction factor) gets no wind-driven exchange.
    const double wind = s.wind.wsred(i) > 0.0 ? s.outdoor.vloc(i, first) / s.wind.wsred(i) : 0.0;
    const double area = s.open1.operc(i, first) * s.geo.owidth(i, first);
    const double height = s.geo.ohigh(i, first) - s.geo.olow(i, first);
    const double tOut = s.outdoor.tfar(i, first);
    const double deltaT = std::fabs(s.temp.tzn(i) - tOut);
    const double meanT = 0.5 * (tOut + s.temp.tzn(i)) + kZeroCelsius;
    const double q0 = q.qzin(i);
    const double netOut = q.qzout(i) - q.qzin(i);
    if (m == 1) {
        const double flow = singleSidedFlow(area, deltaT, meanT, height, wind);
        if (flow > q.qzin(i)) {
            q.qin(i, first) = flow;
            q.qout(i, first) = flow + netOut;
            q.qzin(i) = flow;
        }
    } else if (deltaT > 0.0 && height > 0.0 && cd > 0.0) {
        const double y = singleSidedDischarge(meanT, wind, height, deltaT);
        if (y > cd) {
            for (int k = 1; k <= s.open1.nopen(i); ++k) {
                if (!openingActive(s, i, k)) continue;
                q.qin(i, k) = q0 * y / (cd * m);
                q.qout(i, k) = q.qin(i, k) + netOut / m;
            }
            q.qzin(i) = q0 * y / cd;
        }
    }
    q.qzout(i) = q.qzin(i) + netOut;
}

} // namespace

double airDensity(double celsius) {
    return kDensityNumerator / (kZeroCelsius + celsius);
}

int orderActiveZones(EngineState& s) {
    auto& w = s.airflowwork;
    w.ipos.fill(0);
    int count = 0;
    for (int n = 1; n <= s.ventzones.nvz; ++n) {
        const int i = s.ventzones.ivz(n);
        if (!inZoneRange(i) || s.ventzones.ivzon(i) == 0 || w.ipos(i) != 0) continue;
        w.ipos(i) = ++count;
    }
    return count;
}

bool openingConducts(const EngineState& s, int zone, int k) {
    return openingActive(s, zone, k) && s.open1.okbase(zone, k) > 0.0 && openingFactor(s, zone, k) > 0.0 &&
           s.geo.ohigh(zone, k) > s.geo.olow(zone, k);
}

LargeOpeningCoefficients largeOpeningCoefficients(double zl, double zh, double zn, double ohgt, double expon,
                                                  double kbase, double factor) {
    // Each part is the power law integrated over the heights on one side of the neutral plane,
    // divided by the pressure difference at the bottom (below) or top (above) of the profile
    // raised to the exponent, so that the solvers multiply it by that difference.  With the
    // opening inside its profile (0 <= zl <= zh <= ohgt) no base of a power is negative and the
    // neutral plane is positive wherever it divides.
    const double e = 1.0 + expon;
    // A door's bottom at the bottom of its profile makes a base of exactly 1, whose power is 1.
    const auto power = [e](double base) { return base == 1.0 ? 1.0 : std::pow(base, e); };
    LargeOpeningCoefficients c;
    if (zl < zn && zn < zh) {
        const double d = floored(ohgt - zn);
        c.below = factor * (zn / e) * power(std::fabs(1.0 - zl / zn)) * kbase;
        c.above = factor * (d / e) * power((zh - zn) / d) * kbase;
        return c;
    }
    if (zl < zn) {
        c.below = zn < kFarNeutralPlane
                      ? factor * (zn / e) *
                            (power(std::fabs(1.0 - zl / zn)) - power(std::fabs(1.0 - zh / zn))) * kbase
                      : (zh - zl) * kbase * factor;
        return c;
    }
    if (zn > -kFarNeutralPlane) {
        const double d = floored(ohgt - zn);
        c.above = factor * (d / e) * (power((zh - zn) / d) - power((zl - zn) / d)) * kbase;
    } else {
        c.above = (zh - zl) * kbase * factor;
    }
    return c;
}

double singleSidedFlow(double area, double deltaT, double meanT, double height, double wind) {
    if (height <= 0.0 || meanT <= 0.0) return 0.0;
    return kOneOpeningScale * area * std::pow(kGravity * deltaT / meanT, kOneOpeningStackPower) *
           std::pow(height, kOneOpeningHeightPower) *
           std::pow(kOneOpeningWindScale * wind, kOneOpeningWindPower);
}

double singleSidedDischarge(double meanT, double wind, double height, double deltaT) {
    const double ratio =
        (meanT * wind * wind * kSeveralWindScale) / (kGravity * height * height * height * deltaT);
    return kSeveralScale * std::pow(ratio, kSeveralPower);
}

void extp(EngineState& s) {
    forEachActiveOpening(s, [&](int i, int k) { extpOpening(s, i, k); });
}

void coeff(EngineState& s) {
    forEachActiveOpening(s, [&](int i, int k) { coeffOpening(s, i, k); });
}

double referenceMidHeight(const EngineState& s) {
    const int ref = s.pressure.irefz;
    return inZoneRange(ref) ? s.geo.zmidabs(ref) : 0.0;
}

void flowrate(EngineState& s, int istep, int istat) {
    extp(s);
    coeff(s);
    auto& q = s.flow;
    for (int n = 1; n <= s.ventzones.nvz; ++n) {
        const int i = s.ventzones.ivz(n);
        if (!inZoneRange(i)) continue;
        for (int k = 1; k <= s.open1.nopen(i); ++k) {
            q.qin(i, k) = 0.0;
            q.qout(i, k) = 0.0;
        }
        if (!zoneActive(s, i)) continue;
        openingFlows(s, i);
        singleSidedCorrection(s, i);
        q.qinx(i) = 0.0;
        q.qoutx(i) = 0.0;
        for (int k = 1; k <= s.open1.nopen(i); ++k) {
            if (!openingActive(s, i, k) || s.type.iadjz(i, k) != 0) continue;
            q.qinx(i) += q.qin(i, k);
            q.qoutx(i) += q.qout(i, k);
        }
    }
    if (s.flowfile.iflowf != 0) writeflowreport(s, istep, istat);
}

} // namespace engine
