#include "engine/core/zone_heat_balance.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/core/matrix_routines.h"
#include "engine/core/plant.h"
#include "engine/core/response_factors.h"
#include "engine/core/state.h"
#include "engine/core/vector_lanes.h"
#include "engine/solar_airflow/airflow_network.h"

namespace engine {
namespace {

constexpr double kAirHeatPerFlow = 1207.0;      // W/K per m³/s of air
constexpr double kAirHeatPerChange = 0.3353454; // W/K per m³ of zone and air change an hour
constexpr double kMaxAirSpeed = 1.5;            // m/s, the comfort test's largest indoor air speed
constexpr double kStillAir = 0.05;              // K, a controlled zone's change that counts
constexpr double kOpenAgain = 0.5;              // K of warming that opens reduced openings again
constexpr int kComfortPasses = 4;
constexpr int kRunawayStatus = 3;
constexpr double kFanEnergyPerWatt = 0.0036; // MJ per W held for an hour

double windInfiltration(const EngineState& s, int z, double ws) {
    return ws * s.zn.zoneb(z) * s.wind.wsred(z) * s.zones.zvol(z) * kAirHeatPerChange;
}

// f(j) += a(i) × r(i)(j) for j = 0..len - 1 and i = 0..count - 1 in turn: the same sums as row after
// row, taken four rows at a time so that each future value is loaded and stored once for four rows.
// Built for the machine's wider vector instructions too, chosen when the program starts.
__attribute__((target_clones("avx2", "default"))) void addRows(double* __restrict f, const double* a,
                                                               const double* const* r, int count, int len) {
    const int whole = len - len % 4;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const double a0 = a[i], a1 = a[i + 1], a2 = a[i + 2], a3 = a[i + 3];
        const double *r0 = r[i], *r1 = r[i + 1], *r2 = r[i + 2], *r3 = r[i + 3];
        for (int j = 0; j < whole; j += 4) {
            Lanes sum, x;
            std::memcpy(&sum, f + j, sizeof sum);
            std::memcpy(&x, r0 + j, sizeof x);
            sum = sum + a0 * x;
            std::memcpy(&x, r1 + j, sizeof x);
            sum = sum + a1 * x;
            std::memcpy(&x, r2 + j, sizeof x);
            sum = sum + a2 * x;
            std::memcpy(&x, r3 + j, sizeof x);
            sum = sum + a3 * x;
            std::memcpy(f + j, &sum, sizeof sum);
        }
        for (int j = whole; j < len; ++j) f[j] = f[j] + a0 * r0[j] + a1 * r1[j] + a2 * r2[j] + a3 * r3[j];
    }
    for (; i < count; ++i) {
        const double ai = a[i];
        const double* ri = r[i];
        for (int j = 0; j < whole; j += 4) {
            Lanes sum, x;
            std::memcpy(&sum, f + j, sizeof sum);
            std::memcpy(&x, ri + j, sizeof x);
            sum = sum + ai * x;
            std::memcpy(f + j, &sum, sizeof sum);
        }
        for (int j = whole; j < len; ++j) f[j] += ai * ri[j];
    }
}

bool inNetwork(const EngineState& s, int z) {
    return s.ventzones.ivzon(z) == 1;
}

// Takes zone z out of the step's network.  From the iteration its outdoor air is wind infiltration.
void leaveNetwork(EngineState& s, int z, bool fromIteration, double ws) {
    ZoneStepBlock& w = s.zonestep;
    s.ventzones.ivzon(z) = 0;
    s.ventzones.nvzact -= 1;
    w.vair(z) = 0.0;
    w.qoutd(z) = 0.0;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int y = s.ventzones.ivz(i);
        w.fcond(z, y) = 0.0;
        w.fcond(y, z) = 0.0;
    }
    if (fromIteration) w.fcond(z, 0) = windInfiltration(s, z, ws);
}

double openingArea(const EngineState& s, int z, int o, double factor) {
    return (s.geo.ohigh(z, o) - s.geo.olow(z, o)) * s.geo.owidth(z, o) * s.open1.operc(z, o) * factor;
}

// C: natural ventilation state and outdoor air of every zone.
void ventilationStates(EngineState& s, int t, double tout, double ws) {
    ZoneStepBlock& w = s.zonestep;
    const int hour = (t - 1) / s.time.nstphr + 1;
    for (int z = 1; z <= s.zones.nzones; ++z) {
        const double temp = s.rf.fut(1, z);
        const double v = ws * s.wind.wsred(z);
        if (s.loop.vensched(z, hour) == 0) {
            w.vstate(z) = 0;
            w.kstick(z) += 1;
        } else if (w.kstick(z) < s.additionalcontrol.istick) {
            w.kstick(z) += 1;
        } else if (w.vstate(z) == 1) {
            if (temp <= tout || temp <= s.var.venttoff(z)) {
                w.vstate(z) = 0;
                w.kstick(z) = 1;
            }
        } else if (temp >= s.var.ventton(z) && temp > tout - 4.0) {
            w.vstate(z) = 1;
            w.kstick(z) = 1;
        }
        double n = v * s.zn.zoneb(z);
        if (s.type.ipermz(z) == 0) {
            if (w.vstate(z) == 0 && inNetwork(s, z)) leaveNetwork(s, z, false, ws);
            if (w.vstate(z) == 1 && !inNetwork(s, z)) {
                const double wind = v > 1.0 ? std::sqrt(v) : v;
                n = s.var.venta(z) + s.var.ventb(z) * wind + v * s.zn.zoneb(z);
            }
        }
        w.fcond(z, 0) = kAirHeatPerFlow * s.flow.qmsup(z) + s.zones.zvol(z) * n * kAirHeatPerChange;
    }
}

bool shutsControlled(const EngineState& s, int y) {
    return s.zonestep.vstate(y) == 0 || s.zonestep.coolreq(y) == 1 || !inNetwork(s, y);
}

// Which openings are open and which zones stay in the network.
void openingStates(EngineState& s, double ws) {
    ZoneStepBlock& w = s.zonestep;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        const int nopen = s.open1.nopen(z);
        for (int o = 1; o <= nopen; ++o) {
            if (!inNetwork(s, z)) {
                s.type.iopen(z, o) = 0;
            } else if (w.vstate(z) == 0 || w.coolreq(z) == 1) {
                if (s.type.ifixop(z, o) != 0) s.type.iopen(z, o) = 0;
            } else if (s.type.iopen(z, o) != 0 && s.type.ifixop(z, o) != 0) {
                const int y = s.type.iadjz(z, o);
                if (y > 0 && shutsControlled(s, y)) s.type.iopen(z, o) = 0;
            }
        }
    }
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        if (!inNetwork(s, z)) continue;
        bool anyOpen = false;
        for (int o = 1; o <= s.open1.nopen(z); ++o) anyOpen = anyOpen || s.type.iopen(z, o) != 0;
        if (!anyOpen) leaveNetwork(s, z, true, ws);
    }
    if (s.horizontalopenings.ihoriz == 0) return;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        if (!inNetwork(s, z)) continue;
        bool ordinary = false;
        for (int o = 1; o <= s.open1.nopen(z); ++o)
            ordinary = ordinary || (s.type.iopen(z, o) != 0 && s.type.itypop(z, o) == 1);
        if (ordinary) continue;
        leaveNetwork(s, z, true, ws);
        for (int o = 1; o <= s.open1.nopen(z); ++o) {
            if (s.type.iopen(z, o) == 0) continue;
            s.type.iopen(z, o) = 0;
            const int y = s.type.iadjz(z, o);
            if (y <= 0) continue;
            for (int p = 1; p <= s.open1.nopen(y); ++p) {
                const int kind = s.type.itypop(y, p);
                if (s.type.iadjz(y, p) == z && (kind == 2 || kind == 3)) s.type.iopen(y, p) = 0;
            }
        }
    }
}

// Conduction through open opaque louvres and its effect on every zone at lag 1.  Each louvre
// zone's gain acts on all zones; a zone out of the network has no open louvre.
void louvreGains(EngineState& s, int t) {
    ZoneStepBlock& w = s.zonestep;
    const int n = s.zones.nzones;
    bool any = false;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        if (s.type.ilouvz(z) == 0) continue;
        any = true;
        w.qlouv(z) = 0.0;
        if (!inNetwork(s, z)) continue;
        for (int o = 1; o <= s.open1.nopen(z); ++o) {
            if (s.type.iopen(z, o) == 0 || s.type.ilouv(z, o) == 0) continue;
            double gain = 0.0, gain2 = 0.0;
            calcopaquelouvres(s.sysb.tzonea(z), s.blank.drive(s.type.ilvdrv(z, o), t),
                              s.bss.usec(s.type.ilvsec(z, o)), openingArea(s, z, o, s.ventzones.venfac(z)),
                              s.type.opfac1(z, o), s.type.opfac2(z, o), gain, gain2);
            w.qlouv(z) += gain;
        }
    }
    if (!any) return;
    // A louvre's gain U·A·(outside − zone) is heat into its zone: it raises every zone's temperature
    // by the same-step response, with the sign of an internal gain, and is injected as one later.
    for (int i = 1; i <= n; ++i) {
        double sum = 0.0;
        for (int m = 1; m <= n; ++m)
            if (w.qlouv(m) != 0.0) sum += w.qlouv(m) * sameStep(s, m, i);
        w.tlouv(i) = sum;
    }
}

// The air-flow network and the heat capacity flows and air speeds it gives.
void airFlows(EngineState& s, int t, double ws) {
    ZoneStepBlock& w = s.zonestep;
    int status = 0;
    mix2(s, w.tvec, ws, s.clim.wdir(t), t, status);
    const double shield = s.ventfactors.shield;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        if (inNetwork(s, z)) {
            w.fcond(z, 0) = windInfiltration(s, z, ws);
            for (int k = 1; k <= s.ventzones.nvz; ++k) {
                const int y = s.ventzones.ivz(k);
                if (!inNetwork(s, y)) continue;
                w.fcond(z, y) = 0.0;
                w.fcond(y, z) = 0.0;
            }
        }
        w.qoutd(z) = w.vair(z) = w.vairraw(z) = 0.0;
    }
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        if (!inNetwork(s, z)) continue;
        w.fcond(z, 0) += kAirHeatPerFlow * s.flow.qmsup(z);
        double largest = 0.0, sum = 0.0;
        int count = 0;
        for (int o = 1; o <= s.open1.nopen(z); ++o) {
            if (s.type.iopen(z, o) == 0) continue;
            const int y = s.type.iadjz(z, o);
            const double factor = (y == 0 && s.type.ifixop(z, o) != 0) ? s.ventzones.venfac(z) : 1.0;
            const double area = openingArea(s, z, o, factor);
            for (double q : {s.flow.qin(z, o), s.flow.qout(z, o)}) {
                if (q <= 0.0 || area <= 0.0) continue;
                const double speed = q * shield / area;
                largest = std::max(largest, speed);
                sum += speed;
                ++count;
            }
            const double qin = s.flow.qin(z, o);
            if (y == 0) {
                w.qoutd(z) += shield * qin;
                w.fcond(z, 0) += kAirHeatPerFlow * qin * shield;
            } else {
                w.fcond(z, y) += kAirHeatPerFlow * qin * shield;
            }
        }
        double speed = s.additionalcontrol.iactl == 2 ? (count > 0 ? sum / count : 0.0) : largest;
        if (status == kRunawayStatus) speed = 0.0;
        speed = std::min(speed, s.wind.wsred(z) * ws);
        w.vairraw(z) = speed;
        w.vair(z) = std::min(speed, kMaxAirSpeed);
    }
}

// Column j of the zone temperatures' matrix into amat: the same-step effect on every zone i of the
// air-flow gains that zone j's temperature causes, M(i, j) = c(j→i) × Σk fcond(j, k) - Σm fcond(m, j)
// × c(m→i), plus 1 on the diagonal; `total` is Σk fcond(j, k), k = 0..n.  Returns false when the column is
// that of the identity: zone j then appears in no other zone's balance.
bool zoneColumn(EngineState& s, int j, double total) {
    ZoneStepBlock& w = s.zonestep;
    const int n = s.zones.nzones;
    double* column = &w.amat(1, j);
    const double* own = &s.rf.samestep(1, j);
    for (int i = 1; i <= n; ++i) column[i - 1] = own[i - 1] * total;
    for (int k = 1; k <= n; ++k) {
        const double f = w.fcond(k, j);
        if (f == 0.0) continue;
        const double* from = &s.rf.samestep(1, k);
        for (int i = 1; i <= n; ++i) column[i - 1] -= f * from[i - 1];
    }
    column[j - 1] += 1.0;
    for (int i = 1; i <= n; ++i)
        if (column[i - 1] != (i == j ? 1.0 : 0.0)) return true;
    return false;
}

// Every zone's temperature with the air-flow exchange of the step solved at lag 1.  Only the
// zones that exchange air enter the solution; the temperature of every other zone follows from
// theirs.  Returns false when the system is singular or its solution not finite: every zone then
// keeps its superposed temperature (with the louvre gains), as if no air were exchanged.
bool solveZoneTemperatures(EngineState& s, double tout) {
    ZoneStepBlock& w = s.zonestep;
    const int n = s.zones.nzones;
    for (int i = 1; i <= n; ++i) w.bvec(i, 1) = s.rf.fut(1, i) + w.tlouv(i);
    // Every zone's total outflow, Σk fcond(j, k) in ascending k, summed down the columns of fcond.
    for (int j = 1; j <= n; ++j) w.outflow(j) = 0.0;
    for (int k = 0; k <= n; ++k)
        for (int j = 1; j <= n; ++j) w.outflow(j) += w.fcond(j, k);
    int count = 0;
    for (int j = 1; j <= n; ++j) {
        const double outdoor = w.fcond(j, 0) * tout;
        const double* own = &s.rf.samestep(1, j);
        for (int i = 1; i <= n; ++i) w.bvec(i, 1) += outdoor * own[i - 1];
        if (zoneColumn(s, j, w.outflow(j))) w.exchanging(++count) = j;
    }
    for (int i = 1; i <= n; ++i) w.exchangepos(i) = 0;
    for (int a = 1; a <= count; ++a) {
        const int i = w.exchanging(a);
        w.exchangepos(i) = a;
        for (int b = 1; b <= count; ++b) w.ared(a, b) = w.amat(i, w.exchanging(b));
    }
    // The reduced system is inverted, not only solved: the gains that the special zones and the plant
    // add later in the step change the air exchange too, and are charged it through the same inverse.
    double determ = 0.0;
    int ierr = 0;
    if (count > 0) matinv(RealMatrix(w.ared), count, RealMatrix(w.bred), 0, determ, ierr);
    for (int a = 1; a <= count && ierr == 0; ++a) {
        double x = 0.0;
        for (int b = 1; b <= count; ++b) x += w.ared(a, b) * w.bvec(w.exchanging(b), 1);
        w.xzone(w.exchanging(a)) = x;
    }
    w.nexchanging = count;
    // A zone outside the solution: x(i) = b(i) - Σ M(i, j) x(j) over the zones j that exchange air.
    for (int i = 1, a = 1; i <= n; ++i) {
        if (a <= count && w.exchanging(a) == i) {
            ++a;
            continue;
        }
        double x = w.bvec(i, 1);
        for (int b = 1; b <= count; ++b) x -= w.amat(i, w.exchanging(b)) * w.xzone(w.exchanging(b));
        w.xzone(i) = x;
    }
    bool solved = ierr == 0;
    for (int i = 1; i <= n; ++i) solved = solved && std::isfinite(w.xzone(i));
    w.airinverse = solved && count > 0;
    if (solved) return true;
    for (int i = 1; i <= n; ++i) w.xzone(i) = s.rf.fut(1, i) + w.tlouv(i);
    return false;
}

// Controlled openings to outdoors close down while their zone is too cool.  Returns true when
// an opening factor changed.
bool controlOpenings(EngineState& s, int month, int passes) {
    ZoneStepBlock& w = s.zonestep;
    const auto& ac = s.additionalcontrol;
    bool changed = false;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        if (w.vstate(z) != 1 || s.ventzones.iventout(z) == 0 || !inNetwork(s, z)) continue;
        const double temp = w.xzone(z);
        const double limit = ac.iacfl1(month) == 0 ? ac.actl1 : ac.actl2;
        double& venfac = s.ventzones.venfac(z);
        if (temp <= limit && (passes == 0 || std::fabs(temp - w.tprev(z)) > kStillAir)) {
            venfac *= ac.actl3;
            changed = true;
        }
        if (passes > 0 && w.tprev(z) > limit && temp > w.tprev(z) + kOpenAgain && venfac < 1.0) {
            venfac = std::min(1.0, venfac / ac.actl3);
            changed = true;
        }
    }
    return changed;
}

// The comfort test of the cooled zones; windows of a zone that needs cooling are shut.  Returns
// true when some zone shut its windows.  rerun is set when the network must be solved again.
bool comfortTest(EngineState& s, int t, double ws, bool& rerun) {
    ZoneStepBlock& w = s.zonestep;
    const auto& fans = s.ceilingfans;
    const double leeway = s.additionalcontrol.cleeway;
    bool closed = false;
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        const double tc = s.sysa.tcool(t, z);
        const double comfort = (tc > 28.5 && tc < 99.0) ? 28.5 + leeway : (tc >= 99.0 ? tc : tc + leeway);
        int result = 0;
        checkcondition(w.xzone(z), comfort, tc, w.vair(z), s.plant.wzone(z), result);
        w.fanon(z) = 0;
        if (result == 0 && fans.ifanon(z) != 0) {
            checkcondition(w.xzone(z), comfort, tc, fans.fanv(z), s.plant.wzone(z), result);
            if (result != 0) w.fanon(z) = 1;
        }
        w.coolreq(z) = result == 0 ? 1 : 0;
        if (result != 0 || w.vstate(z) != 1) continue;
        w.vstate(z) = 0;
        closed = true;
        if (!inNetwork(s, z)) {
            w.fcond(z, 0) = windInfiltration(s, z, ws);
            continue;
        }
        rerun = true;
        if (s.type.ipermz(z) == 0) leaveNetwork(s, z, true, ws);
    }
    return closed;
}

} // namespace

int responseLags(const EngineState& state) {
    return 24 * state.time.nstphr + kLongTermPoints;
}

double sameStep(const EngineState& state, int m, int i) {
    return state.rf.samestep(i, m);
}

void injectGain(EngineState& state, int m, double q) {
    LoopBlock& loop = state.loop;
    const double* c = &state.rf.samestep(1, m);
    for (int e = 1; e <= state.zones.nzones; ++e) state.rf.fut(1, e) += q * c[e - 1];
    if (loop.injectzone.hi() == 0) {
        // Outside the hourly loop (nothing listed): the whole response at once.
        const int slot = state.rf.rfac.slotOf(kGainRowOffset + m);
        if (slot == 0) return;
        const int lags = responseLags(state);
        for (int e = 1; e <= state.zones.nzones; ++e) {
            const double* r = state.rf.rfac.atSlot(slot, e);
            for (int j = 2; j <= lags; ++j) state.rf.fut(j, e) += q * r[j - 1];
        }
        return;
    }
    // The gains of one zone in a step act through one row: a later gain adds to the zone's entry.
    int& at = loop.injectat(m);
    if (at >= 1 && at <= loop.ninject && loop.injectzone(at) == m) {
        loop.injectgain(at) += q;
        return;
    }
    if (loop.ninject == loop.injectzone.hi()) superposeBeyondStep(state);
    ++loop.ninject;
    at = loop.ninject;
    loop.injectzone(loop.ninject) = m;
    loop.injectgain(loop.ninject) = q;
}

void airCoupledChange(EngineState& state, const PerZone<double>& gain, PerZone<double>& change) {
    ZoneStepBlock& w = state.zonestep;
    const int n = state.zones.nzones;
    PerZone<double>& direct = w.sameeffect;
    for (int i = 1; i <= n; ++i) direct(i) = 0.0;
    for (int m = 1; m <= n; ++m) {
        if (gain(m) == 0.0) continue;
        const double* c = &state.rf.samestep(1, m);
        for (int i = 1; i <= n; ++i) direct(i) += gain(m) * c[i - 1];
    }
    if (!w.airinverse) {
        for (int i = 1; i <= n; ++i) change(i) = direct(i);
        return;
    }
    // M Δ = C g on the zones that exchange air; a zone that exchanges none follows from them.
    const int k = w.nexchanging;
    for (int a = 1; a <= k; ++a) {
        double y = 0.0;
        for (int b = 1; b <= k; ++b) y += w.ared(a, b) * direct(w.exchanging(b));
        w.reduced(a) = y;
    }
    for (int i = 1; i <= n; ++i) {
        const int a = w.exchangepos(i);
        if (a > 0) {
            change(i) = w.reduced(a);
            continue;
        }
        double d = direct(i);
        for (int b = 1; b <= k; ++b) d -= w.amat(i, w.exchanging(b)) * w.reduced(b);
        change(i) = d;
    }
}

void injectWithAirExchange(EngineState& state, PerZone<double>& gain) {
    ZoneStepBlock& w = state.zonestep;
    const int n = state.zones.nzones;
    airCoupledChange(state, gain, w.addeffect);
    // The change of each zone's air-flow gain at the changed temperatures, as qflow is worked out.
    for (int m = 1; m <= n; ++m) {
        double dq = 0.0;
        if (w.airinverse && w.outflow(m) != 0.0) {
            dq = -w.outflow(m) * w.addeffect(m);
            for (int j = 1; j <= n; ++j)
                if (w.fcond(m, j) != 0.0) dq += w.fcond(m, j) * w.addeffect(j);
        }
        w.addflow(m) = dq;
        w.qflow(m) += dq;
        const double q = gain(m) + dq;
        if (q != 0.0 && std::isfinite(q)) injectGain(state, m, q);
        gain(m) = 0.0;
    }
}

void calcopaquelouvres(double tzone, double toutside, double u, double area, double /*opfac1*/,
                       double /*opfac2*/, double& gain, double& gain2) {
    gain = u * area * (toutside - tzone);
    gain2 = 0.0;
}

void superposeDrivers(EngineState& state, int t) {
    auto& s = state;
    LoopBlock& loop = s.loop;
    ZoneStepBlock& w = s.zonestep;
    const DriverRowTable<double>& rfac = s.rf.rfac;
    const int lastStep = 24 * s.time.nstphr;
    for (int e = 1; e <= s.zones.nzones; ++e) {
        loop.nstepz(e) += 1;
        w.latstep(e) = s.latent.latgain(e, t);
        w.achinf(e) = s.zn.zonea(e) + s.zn.zoneb(e) * s.wind.wsred(e) * s.clim.wspeed(t);
    }
    // The input of every row in use: the change of a temperature since the step before, the value of
    // a gain.  Every zone has simulated as many steps.
    const bool firstStep = s.zones.nzones >= 1 && loop.nstepz(1) == 1;
    for (int slot = 1; slot <= rfac.rowsInUse(); ++slot) {
        const int k = rfac.rowOfSlot(slot);
        double delta = 0.0;
        if (s.hz.iuserow(k) == 1) {
            const double previous =
                t > 1 ? s.blank.drive(k, t - 1) : (firstStep ? s.zn.tstart : loop.drvlast(k));
            delta = s.blank.drive(k, t) - previous;
        } else if (s.hz.iuserow(k) > 1) {
            delta = s.stuff.drive2(k, t);
        }
        loop.slotdelta(slot) = delta;
    }
    loop.beyondDone = false;
    // The same step; the lags beyond it follow once the step's gains are known (superposeBeyondStep).
    for (int e = 1; e <= s.zones.nzones; ++e) {
        double& now = s.rf.fut(1, e);
        for (int i = 1; i <= loop.nsup(e); ++i) {
            const double delta = loop.slotdelta(loop.supslot(i, e));
            if (delta == 0.0) continue;
            now += delta * loop.rfnow(i, e);
        }
    }
    const double tout = s.blank.drive(1, t);
    if (t > 1)
        w.tvec(0) = s.blank.drive(1, t - 1);
    else
        w.tvec(0) = loop.day.lastDay == loop.dayfirst ? tout : loop.drvlast(1);
    if (t == lastStep && loop.rampRows)
        for (int k = 1; k <= kDriverRows; ++k) loop.drvlast(k) = s.blank.drive(k, t);
    w.tvec(kMaxZones + 1) = tout;
    for (int z = 1; z <= s.zones.nzones; ++z) w.tvec(z) = s.sysb.tzonea(z);
}

namespace {

// A step's inputs beyond the step: the change of every row's driver by slot (when the drivers have
// not reached the lags beyond the step yet) and the gains injected, in order, with their rows' slots.
struct StepInputs {
    const double* delta; // delta[slot - 1]
    bool drivers;
    int count;
    const int* slot; // slot[g - 1], gain[g - 1]
    const double* gain;
};

StepInputs currentInputs(const LoopBlock& loop) {
    return {&loop.slotdelta(1), !loop.beyondDone, loop.ninject, &loop.injectslot(1), &loop.injectgain(1)};
}

StepInputs pendingInputs(const LoopBlock& loop) {
    return {&loop.pendingdelta(1), loop.pendingDrivers, loop.npending, &loop.pendingslot(1),
            &loop.pendinggain(1)};
}

// Calls add(input, slot) for each of the step's inputs that reach zone e, in the order they reached
// the step: the drivers row after row, then the gains as they were injected.
template <class Add> void forEachInput(const LoopBlock& loop, const StepInputs& in, int e, Add&& add) {
    if (in.drivers) {
        for (int i = 1; i <= loop.nsup(e); ++i) {
            const int slot = loop.supslot(i, e);
            if (in.delta[slot - 1] != 0.0) add(in.delta[slot - 1], slot);
        }
    }
    const std::uint8_t* carries = &loop.carries(1, e);
    for (int g = 0; g < in.count; ++g) {
        const int slot = in.slot[g];
        if (slot != 0 && carries[slot - 1] != 0) add(in.gain[g], slot);
    }
}

// The step's inputs added to the futures of zones first..last beyond the step, on thread `thread`,
// from the lag `skip` + 2 on (the lags before it have them already).
void superposeZones(EngineState& s, const StepInputs& in, int thread, int first, int last, int skip) {
    LoopBlock& loop = s.loop;
    const DriverRowTable<double>& rfac = s.rf.rfac;
    const int lags = responseLags(s);
    double* gains = &loop.laggain(1, thread + 1);
    const double** factors = &loop.lagfactors(1, thread + 1);
    for (int e = first; e <= last; ++e) {
        int count = 0;
        forEachInput(loop, in, e, [&](double input, int slot) {
            gains[count] = input;
            factors[count] = rfac.atSlot(slot, e) + 1 + skip;
            ++count;
        });
        if (count > 0) addRows(&s.rf.fut(2 + skip, e), gains, factors, count, lags - 1 - skip);
    }
}

// Zone e's future value one step beyond the step with the step's inputs added: the same sums in the
// same order as superposeZones takes for that lag, from the first-lag factors kept together.
double nextPresent(const EngineState& s, const StepInputs& in, int e) {
    const double* next = &s.loop.firstlag(1, e);
    double f = s.rf.fut(2, e);
    forEachInput(s.loop, in, e, [&](double input, int slot) { f = f + input * next[slot - 1]; });
    return f;
}

void listInjectedRows(EngineState& s) {
    LoopBlock& loop = s.loop;
    for (int g = 1; g <= loop.ninject; ++g)
        loop.injectslot(g) = s.rf.rfac.slotOf(kGainRowOffset + loop.injectzone(g));
}

// What the workers do with a step the loop's thread has left: the lags beyond the first and the
// futures moved on but for their present values.
void finishPending(void* context, int thread, int first, int last) {
    EngineState& state = *static_cast<EngineState*>(context);
    superposeZones(state, pendingInputs(state.loop), thread, first, last, 1);
    double* grid = &state.loop.movework(0, thread + 1);
    for (int z = first; z <= last; ++z) moveonBeyondPresent(state, z, grid);
}

} // namespace

void superposeBeyondStep(EngineState& state) {
    LoopBlock& loop = state.loop;
    // The workers' last step reads only its own copies of the inputs; run() waits for it.
    listInjectedRows(state);
    const StepInputs in = currentInputs(loop);
    auto zones = [&state, &in](int thread, int first, int last) {
        superposeZones(state, in, thread, first, last, 0);
    };
    loop.workers->run(zones);
    loop.beyondDone = true;
    loop.ninject = 0;
}

void finishStep(EngineState& state) {
    LoopBlock& loop = state.loop;
    loop.workers->wait();
    listInjectedRows(state);
    const StepInputs in = currentInputs(loop);
    if (!loop.pipelined) {
        auto zones = [&state, &loop, &in](int thread, int first, int last) {
            superposeZones(state, in, thread, first, last, 0);
            double* grid = &loop.movework(0, thread + 1);
            for (int z = first; z <= last; ++z) {
                state.sysb.tzonea(z) = state.rf.fut(1, z);
                moveon(state, z, grid);
            }
        };
        loop.workers->run(zones);
    } else {
        for (int z = 1; z <= state.zones.nzones; ++z) {
            state.sysb.tzonea(z) = state.rf.fut(1, z);
            state.rf.fut(1, z) = nextPresent(state, in, z);
        }
        loop.pendingDrivers = in.drivers;
        if (in.drivers) std::copy(in.delta, in.delta + state.rf.rfac.rowsInUse(), &loop.pendingdelta(1));
        loop.npending = in.count;
        std::copy(in.slot, in.slot + in.count, &loop.pendingslot(1));
        std::copy(in.gain, in.gain + in.count, &loop.pendinggain(1));
        loop.workers->post(finishPending, &state);
    }
    loop.beyondDone = true;
    loop.ninject = 0;
}

void balanceZones(EngineState& state, int t, int month) {
    auto& s = state;
    ZoneStepBlock& w = s.zonestep;
    const int n = s.zones.nzones;
    const double tout = s.blank.drive(1, t);
    const double ws = s.clim.wspeed(t);

    // B: the network starts whole.
    for (int y = 1; y <= n; ++y)
        for (int z = 1; z <= n; ++z) w.fcond(z, y) = 0.0;
    for (int i = 1; i <= s.ventzones.nvz; ++i) {
        const int z = s.ventzones.ivz(i);
        s.ventzones.ivzon(z) = 1;
        s.ventzones.venfac(z) = 1.0;
        w.vair(z) = w.vairraw(z) = w.qoutd(z) = 0.0;
        for (int o = 1; o <= s.open1.nopen(z); ++o) s.type.iopen(z, o) = 1;
    }
    s.ventzones.nvzact = s.ventzones.nvz;
    // The fans run only where this step's comfort test switches them on; in a month without the
    // test they stay off.
    for (int i = 1; i <= s.sysa.ncond; ++i) w.coolreq(s.sysa.icondz(i)) = w.fanon(s.sysa.icondz(i)) = 0;
    bool rerun = true;
    bool solved = true;
    int openPasses = 0, comfortPasses = 0;

    ventilationStates(s, t, tout, ws);

    for (;;) {
        openingStates(s, ws);
        louvreGains(s, t);
        if (s.ventzones.nvzact > 0 && rerun) {
            airFlows(s, t, ws);
            rerun = false;
        }
        solved = solveZoneTemperatures(s, tout);
        bool changed = false;
        if (openPasses < s.additionalcontrol.actl4) {
            changed = controlOpenings(s, month, openPasses);
            if (changed) {
                ++openPasses;
                rerun = true;
            }
        }
        bool closed = false;
        if (s.sysa.iconon != 0 && s.additionalcontrol.iacfl2(month) != 0) {
            closed = comfortTest(s, t, ws, rerun);
            if (closed) ++comfortPasses;
        }
        const bool again =
            (openPasses < s.additionalcontrol.actl4 && changed) || (comfortPasses < kComfortPasses && closed);
        if (!again) {
            // Windows the comfort test shut on the last pass changed the air flows after they were
            // solved with the temperatures: the step's exchange is solved once more with the flows
            // that hold.
            if (closed) {
                openingStates(s, ws);
                louvreGains(s, t);
                if (s.ventzones.nvzact > 0 && rerun) airFlows(s, t, ws);
                solved = solveZoneTemperatures(s, tout);
            }
            break;
        }
        for (int i = 1; i <= s.ventzones.nvz; ++i) w.tprev(s.ventzones.ivz(i)) = w.xzone(s.ventzones.ivz(i));
    }

    // Ceiling fans.
    for (int i = 1; i <= s.sysa.ncond; ++i) {
        const int z = s.sysa.icondz(i);
        if (w.fanon(z) != 0) s.ceilingfans.fanen += kFanEnergyPerWatt * s.ceilingfans.fanp(z) / s.time.nstphr;
    }
    // The air-flow gain of each zone, taken straight from the solved temperatures and the
    // heat capacity flows, and the louvre gains, added to the future temperatures.
    // qflow(m) = fcond(m, 0) × (Tout - x(m)) + Σj fcond(m, j) × (x(j) - x(m)), the sum in ascending
    // j, taken down the columns of fcond.  Temperatures that were not solved with the air flows are
    // the superposed ones: gains worked out from them would contradict them, so none is added.
    for (int m = 1; m <= n; ++m) w.qflow(m) = solved ? w.fcond(m, 0) * (tout - w.xzone(m)) : 0.0;
    for (int j = 1; solved && j <= n; ++j)
        for (int m = 1; m <= n; ++m)
            if (w.fcond(m, j) != 0.0) w.qflow(m) += w.fcond(m, j) * (w.xzone(j) - w.xzone(m));
    for (int m = 1; m <= n; ++m) {
        const double q = w.qlouv(m) + w.qflow(m);
        if (q != 0.0) injectGain(s, m, q);
    }
}

} // namespace engine
