#include "engine/core/plant.h"

#include <algorithm>
#include <cmath>

#include "engine/core/gap_and_space_zones.h"
#include "engine/core/matrix_routines.h"
#include "engine/core/state.h"
#include "engine/core/zone_heat_balance.h"

namespace engine {
namespace {

constexpr double kAtmosphere = 101.325;         // kPa
constexpr double kMinCoilDifference = 1.0;      // K between set-point and supply air, at least
constexpr double kMoistureCapacity = 0.8333333; // humidity exchange per m³ and air change, for W in g/kg
constexpr double kMJPerWattHour = 0.0036;
constexpr int kCoilPasses = 100;
constexpr double kCoilTolerance = 0.01; // g/kg
constexpr int kSpacePasses = 5;         // looks at the space corrections after the plant, at most
constexpr double kSpaceSettled = 0.01;  // W: a change of a correction this small ends them

} // namespace

double p1(double t) {
    const double x = 673.4 - 1.8 * t;
    return 22105.842 / std::pow(10.0, x * (3.2437813 + 0.00326014 * x + 2.00658e-9 * x * x * x) /
                                          ((1.0 + 0.00121547 * x) * (1165.09 - x)));
}

void tandrh(double t, double rh, double& w) {
    const double pv = 0.01 * rh * p1(t);
    w = 0.622 * pv / (kAtmosphere - pv) * 1000.0;
}

void tandw(double t, double& w, double& rh) {
    rh = (0.001 * w * kAtmosphere / (0.001 * w + 0.622)) * 100.0 / p1(t);
    if (rh <= 100.0) return;
    rh = 100.0;
    tandrh(t, 100.0, w);
}

double fna(double w) {
    return 3.0 + 0.2268 * w - 0.016938 * w * w - 0.000297 * w * w * w;
}

double fnb(double w) {
    return 0.038 * w;
}

double uncooledHumidity(double w, double volume, double n, double wout, double latentGain) {
    const double g = volume * n * kMoistureCapacity;
    double result = 0.0;
    if (g == 0.0) {
        result = w + 1.2 * latentGain / volume;
    } else {
        const double wss = latentGain / g + wout;
        result = wss - (wss - w) * std::exp(-n);
    }
    return std::max(result, 0.0);
}

void checkcondition(double tz, double tcomfort, double tcool, double v, double& w, int& result) {
    double w50 = 0.0;
    tandrh(tcomfort, 50.0, w50);
    const double s = -1.0 / ((tcomfort - 14.0) * 0.023);
    const double tw = tcomfort + (w - w50) / s;
    const double t4 = tcomfort + (4.0 - w50) / s;
    if (v <= 0.2) {
        if (w > 12.0) {
            result = 0;
        } else {
            const double limit = w >= 4.0 ? tw : t4;
            result = tz <= limit ? 1 : 0;
        }
    } else {
        const double d = v - 0.2;
        double rh = 0.0;
        tandw(tz, w, rh);
        if (rh > 90.0) {
            result = 0;
        } else {
            const double t2 = tcomfort + (6.0 - 1.6 * d) * d;
            double w50b = 0.0;
            tandrh(t2, 50.0, w50b);
            const double sb = (w <= w50b ? -2.0 : -1.0) / ((t2 - 14.0) * 0.023);
            const double limit =
                w < 4.0 ? std::max(t2 + (4.0 - w50b) / sb, t4) : std::max(t2 + (w - w50b) / sb, tw);
            result = tz <= limit ? 1 : 0;
        }
    }
    if (result == 0 && tz < tcool) result = 1;
}

void coilld(double wout, double& w, double& vs, double f, double latentGain, double qs, double tout,
            double tset, double ts, double n, double volume, CoilResult& result) {
    // A set-point at or below the supply air would make the coil's capacity zero or negative: the
    // supply air is then taken just below the set-point, so the ideal plant still meets the load.
    ts = std::min(ts, tset - kMinCoilDifference);
    const double capacity = 1.212 * vs * (tset - ts);
    double fraction = 1.0;
    if (qs <= capacity) {
        fraction = qs / capacity;
    } else {
        vs = qs / ((tset - ts) * 1.212);
    }
    const double g = volume * n * kMoistureCapacity;
    const double w0 = w;
    auto mixedAir = [&](double wz, double& tm, double& wm) {
        if (f >= 0.01) {
            tm = (tout - tset) * f + tset;
            wm = wz + f * (wout - wz);
        } else {
            tm = tset;
            wm = wz;
        }
    };
    double tm = tset, wm = w, wc = w;
    for (int pass = 1; pass <= kCoilPasses; ++pass) {
        const double start = w;
        mixedAir(w, tm, wm);
        wc = std::min(fna(wm) + fnb(wm) * ts, wm);
        const bool last = fraction <= 0.1;
        if (last) {
            w = uncooledHumidity(start, volume, n, wout, latentGain);
        } else {
            w = (g * wout + fraction * 3.01 * vs * wc + latentGain) / (fraction * 3.01 * vs + g);
        }
        w = std::max(w, 0.0);
        double rh = 0.0;
        tandw(tset, w, rh);
        if (last || std::fabs(w - start) < kCoilTolerance) break;
    }
    mixedAir(w, tm, wm);
    wc = std::min(fna(wm) + fnb(wm) * ts, wm);
    const double hm = 2.575 * wm + 1.01 * tm;
    const double hc = 2.575 * wc + 1.01 * ts;
    result.wleave = wc;
    result.fraction = fraction;
    result.total = (hm - hc) * fraction * vs * 1.2;
    result.sensible = vs * (tm - ts) * fraction * 1.212;
    const double removed = std::max(0.0, (w0 - w) * 1.2 * volume * 2500.0 * 0.00027777778);
    result.latent = removed + (result.total - result.sensible);
}

namespace {

double airChanges(const EngineState& state, int z) {
    return 3600.0 * state.zonestep.qoutd(z) / state.zones.zvol(z) + state.zonestep.achinf(z);
}

// Lists the conditioned zones that need heating or cooling and their targets; returns their count.
int demandList(EngineState& state, double tout, double tmaxday, int month, int step) {
    PlantBlock& p = state.plant;
    const auto& ac = state.additionalcontrol;
    int count = 0;
    for (int i = 1; i <= state.sysa.ncond; ++i) {
        const int z = state.sysa.icondz(i);
        if (state.zones.zvol(z) <= 0.0) continue; // no volume, no plant
        const double tfree = state.rf.fut(1, z);
        const double th = state.sysa.theat(step, z);
        double target = 0.0;
        if (th > tfree && ac.iacfl1(month) != 0 && tmaxday < ac.actl6 && state.zonestep.vstate(z) == 0) {
            target = th;
        } else if (tout >= ac.actl5 && ac.iacfl2(month) != 0 && state.zonestep.coolreq(z) == 1) {
            target = state.sysa.tcool(step, z);
            if (state.ceilingfans.ifanon(z) != 0 && state.ceilingfans.ifanben(z) != 0)
                target += state.ceilingfans.fandt(z);
            // A zone that the special zones or its fan left at or below its cooling target needs no
            // cooling; holding it at the target would heat it, and book heating in a zone that may
            // have no heating at all.
            if (tfree <= target) continue;
        } else {
            continue;
        }
        ++count;
        p.listed(count) = z;
        p.target(count) = target;
    }
    return count;
}

// The same-step response of listed zone a's temperature to a watt held in listed zone b, with the
// change of the step's air exchange it causes, for every pair of the list: G(a, b) = (M⁻¹ C)(a, b).
void heldResponses(EngineState& state, int count,
                   common::FixedArray2<double, 1, kMaxZones, 1, kMaxZones>& g) {
    PlantBlock& p = state.plant;
    ZoneStepBlock& w = state.zonestep;
    bool allExchange = w.airinverse;
    for (int a = 1; a <= count && allExchange; ++a) allExchange = w.exchangepos(p.listed(a)) > 0;
    if (allExchange) {
        // Only the listed zones' rows of M⁻¹ are needed.
        const int k = w.nexchanging;
        for (int b = 1; b <= count; ++b) {
            const double* c = &state.rf.samestep(1, p.listed(b));
            for (int e = 1; e <= k; ++e) w.reduced(e) = c[w.exchanging(e) - 1];
            for (int a = 1; a <= count; ++a) {
                const int row = w.exchangepos(p.listed(a));
                double y = 0.0;
                for (int e = 1; e <= k; ++e) y += w.ared(row, e) * w.reduced(e);
                g(a, b) = y;
            }
        }
        return;
    }
    for (int b = 1; b <= count; ++b) {
        for (int z = 1; z <= state.zones.nzones; ++z) w.addgain(z) = 0.0;
        w.addgain(p.listed(b)) = 1.0;
        airCoupledChange(state, w.addgain, w.addeffect);
        w.addgain(p.listed(b)) = 0.0;
        for (int a = 1; a <= count; ++a) g(a, b) = w.addeffect(p.listed(a));
    }
}

// Solves the same-step loads that bring every listed zone to its target together, each zone's air
// exchange charged at the temperatures the loads bring, and injects them.
void solveLoads(EngineState& state, int count) {
    PlantBlock& p = state.plant;
    ZoneStepBlock& w = state.zonestep;
    heldResponses(state, count, p.ginv);
    double determ = 0.0;
    int ierr = 0;
    matinv(RealMatrix(p.ginv), count, RealMatrix(w.bred), 0, determ, ierr);
    bool dropped = false;
    for (int a = 1; a <= count; ++a) {
        const double tfree = state.rf.fut(1, p.listed(a));
        double q = 0.0;
        for (int b = 1; b <= count && ierr == 0; ++b)
            q += p.ginv(a, b) * (p.target(b) - state.rf.fut(1, p.listed(b)));
        if (!std::isfinite(q)) q = 0.0;
        if ((q < 0.0 && tfree < p.target(a)) || (q > 0.0 && tfree > p.target(a))) {
            q = 0.0;
            dropped = true;
        }
        p.qlist(a) = q;
        p.qs(p.listed(a)) = q;
    }
    // The zones stay held while gains are added in the step only when every listed zone kept its load.
    p.nheld = ierr == 0 && !dropped ? count : 0;
    for (int a = 1; a <= count; ++a) w.addgain(p.listed(a)) += p.qlist(a);
    injectWithAirExchange(state, w.addgain);
}

// Injects the step's gains added after the plant (zonestep.addgain) with the change of the loads
// that holds the listed zones at their targets, and of the air exchange, that they cause.  A load
// never takes the wrong sign: it stops at 0.
void injectHolding(EngineState& state) {
    PlantBlock& p = state.plant;
    ZoneStepBlock& w = state.zonestep;
    const int count = p.nheld;
    if (count > 0) {
        airCoupledChange(state, w.addgain, w.addeffect);
        for (int a = 1; a <= count; ++a) {
            double q = 0.0;
            for (int b = 1; b <= count; ++b) {
                const int z = p.listed(b);
                q += p.ginv(a, b) * (p.target(b) - state.rf.fut(1, z) - w.addeffect(z));
            }
            if (!std::isfinite(q)) q = 0.0;
            const double total = p.qlist(a) + q;
            if ((p.qlist(a) > 0.0 && total < 0.0) || (p.qlist(a) < 0.0 && total > 0.0)) q = -p.qlist(a);
            p.qlist(a) += q;
            p.qs(p.listed(a)) = p.qlist(a);
            w.addgain(p.listed(a)) += q;
        }
    }
    injectWithAirExchange(state, w.addgain);
}

void bookEnergy(EngineState& state, int z, double e) {
    const PlantBlock& p = state.plant;
    En1Block& en = state.en1;
    PeakBlock& pk = state.peaks;
    const double qs = p.qs(z);
    if (qs < 0.0) {
        const double s = std::fabs(qs), l = std::fabs(p.ql(z));
        en.ecs(z) = e * s;
        en.ecl(z) = e * l;
        for (double* peak : {&pk.pkcs1(z), &pk.pkcs2(z), &pk.pkcs3(z)}) *peak = std::max(*peak, 0.001 * s);
        for (double* peak : {&pk.pkcl1(z), &pk.pkcl2(z), &pk.pkcl3(z)}) *peak = std::max(*peak, 0.001 * l);
    } else {
        en.eh(z) = e * qs;
        for (double* peak : {&pk.pkh1(z), &pk.pkh2(z), &pk.pkh3(z)}) *peak = std::max(*peak, 0.001 * qs);
    }
    en.ehsum(z) += en.eh(z);
    en.ecssum(z) += en.ecs(z);
    en.eclsum(z) += en.ecl(z);
}

} // namespace

void hvacsystem(EngineState& state, double wout, double tout, double ts, double tmaxday, int month,
                int step) {
    PlantBlock& p = state.plant;
    const int n = state.zones.nzones;
    for (int z = 1; z <= n; ++z) {
        state.en1.ecs(z) = state.en1.ecl(z) = state.en1.eh(z) = 0.0;
        p.iplant(z) = 0;
        p.qs(z) = p.ql(z) = 0.0;
    }
    if (state.sysa.iconon == 0) {
        for (int z = 1; z <= n; ++z) {
            const double v = state.zones.zvol(z);
            if (v <= 0.0) continue;
            p.wzone(z) =
                uncooledHumidity(p.wzone(z), v, airChanges(state, z), wout, state.zonestep.latstep(z));
        }
        return;
    }
    const int count = demandList(state, tout, tmaxday, month, step);
    p.nheld = 0;
    if (count > 0) {
        solveLoads(state, count);
        // The corrections of the roof and subfloor spaces, worked out before the plant, are worked
        // out again at the temperatures the plant brought, until they agree with them.
        for (int pass = 1; pass <= kSpacePasses; ++pass) {
            const double change = spaceCorrections(state, false);
            injectHolding(state);
            if (change <= kSpaceSettled) break;
        }
    }

    const double e = kMJPerWattHour / state.time.nstphr;
    for (int z = 1; z <= n; ++z) {
        const double v = state.zones.zvol(z);
        if (v <= 0.0) continue;
        const double nach = airChanges(state, z);
        const double latent = state.zonestep.latstep(z);
        if (p.qs(z) < 0.0) {
            CoilResult coil;
            coilld(wout, p.wzone(z), p.vsup(z), 0.0, latent, std::fabs(p.qs(z)), tout,
                   state.sysa.tcool(step, z), ts, nach, v, coil);
            p.qs(z) = -coil.sensible;
            p.ql(z) = coil.latent;
        } else {
            p.wzone(z) = uncooledHumidity(p.wzone(z), v, nach, wout, latent);
            double rh = 0.0;
            tandw(state.rf.fut(1, z), p.wzone(z), rh);
        }
        if (p.qs(z) == 0.0) continue;
        p.iplant(z) = 1;
        bookEnergy(state, z, e);
    }
}

} // namespace engine
