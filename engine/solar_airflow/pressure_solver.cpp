#include "engine/solar_airflow/pressure_solver.h"

#include "engine/core/matrix_routines.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/opening_flows.h"

#include <array>
#include <cmath>

namespace engine {

namespace {

int position(const EngineState& s, int zone) {
    return s.airflowwork.ipos(zone);
}

// The active zones in network order with their row of the system.
template <class F> void forActiveZones(const EngineState& s, F&& f) {
    forEachActiveZone(s, [&](int i) { f(i, position(s, i)); });
}

int activeCount(const EngineState& s) {
    int count = 0;
    forActiveZones(s, [&](int, int) { ++count; });
    return count;
}

// Replaces the rows of the fixed zones by "this zone's unknown equals `value(zone)`".
template <class V> void holdFixedRows(EngineState& s, int n, V&& value) {
    forActiveZones(s, [&](int i, int r) {
        if (s.airflowwork.ifixed(i) == 0) return;
        for (int c = 1; c <= n; ++c) s.linear.amat(r, c) = 0.0;
        s.linear.amat(r, r) = 1.0;
        s.linear.bmat(r, 1) = value(i);
    });
}

// An element of the system above this could overflow in the elimination: full pivoting at most
// doubles the largest element at each of its at most 150 steps.
constexpr double kLargestSafeElement = 1e250;

// Whether every element of the matrix of order n is finite and below kLargestSafeElement.
bool safeMatrix(const LinearBlock& l, int n) {
    bool safe = true;
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r) safe &= std::fabs(l.amat(r, c)) < kLargestSafeElement;
    }
    return safe;
}

// A pivot whose magnitude is not above this makes the linear solver take the system as singular.
constexpr double kSingularPivot = 1e-90;

using RowLabels = std::array<int, kMaxZones + 1>;

// The smallest row of the group of row r, halving the paths on the way.
int groupOf(RowLabels& parent, int r) {
    while (parent[r] != r) {
        parent[r] = parent[parent[r]];
        r = parent[r];
    }
    return r;
}

// Labels each row of the system with the smallest row of its group: the rows of zones that active
// openings join, directly or through other zones.  Only these openings put elements off the
// diagonal, so no nonzero element joins two groups.  Returns the number of groups.
int groupRows(const EngineState& s, int n, RowLabels& group) {
    for (int r = 1; r <= n; ++r) group[r] = r;
    forActiveZones(s, [&](int i, int r) {
        for (int k = 1; k <= s.open1.nopen(i); ++k) {
            if (!openingActive(s, i, k)) continue;
            const int a = s.type.iadjz(i, k);
            if (a == 0) continue;
            const int gr = groupOf(group, r);
            const int ga = groupOf(group, position(s, a));
            if (gr < ga) group[ga] = gr;
            if (ga < gr) group[gr] = ga;
        }
    });
    int count = 0;
    for (int r = 1; r <= n; ++r) {
        group[r] = groupOf(group, r);
        if (group[r] == r) ++count;
    }
    return count;
}

// Solves the system group by group when its rows fall into groups that no element joins: zones
// that only the outdoors connects.  The elimination of the whole system with full pivoting does to
// the elements of a group what the elimination of the group alone does (its pivots are the group's
// own, in the same order, and the zero elements between the groups leave every other group's
// elements as they are), so the solutions are the same, for a fraction of the work.  Returns false,
// with the system as it was, when the system is one group, or when the elimination could have
// carried a value that is not finite from one group into the others; then the whole system is to
// be solved.  Else `ok` is false for a singular system (as one singular group makes the whole).
bool solveByGroups(EngineState& s, int n, bool& ok) {
    auto& l = s.linear;
    auto& w = s.airflowwork;
    RowLabels group;
    if (groupRows(s, n, group) < 2 || !safeMatrix(l, n)) return false;
    std::array<int, kMaxZones> rows;
    for (int g = 1; g <= n; ++g) {
        if (group[g] != g) continue;
        int m = 0;
        for (int r = g; r <= n; ++r) {
            if (group[r] == g) rows[m++] = r;
        }
        if (m == 1) {
            // A zone alone: the elimination's one step, the right-hand side times the reciprocal
            // of the pivot.
            const double pivot = l.amat(g, g);
            if (!(std::fabs(pivot) > kSingularPivot)) {
                ok = false;
                return true;
            }
            const double x = l.bmat(g, 1) * (1.0 / pivot);
            if (!std::isfinite(x)) return false;
            w.groupSolution[g] = x;
            continue;
        }
        RealMatrix a(w.groupMatrix.data(), m);
        RealMatrix b(w.groupRhs.data(), m);
        for (int q = 1; q <= m; ++q) {
            for (int p = 1; p <= m; ++p) a(p, q) = l.amat(rows[p - 1], rows[q - 1]);
            b(q, 1) = l.bmat(rows[q - 1], 1);
        }
        double determ = 0.0;
        int ierr = 0;
        matinv(a, m, b, 1, determ, ierr);
        if (ierr != 0) {
            ok = false;
            return true;
        }
        for (int p = 1; p <= m; ++p) {
            if (!std::isfinite(b(p, 1))) return false;
            w.groupSolution[rows[p - 1]] = b(p, 1);
        }
    }
    for (int r = 1; r <= n; ++r) l.bmat(r, 1) = w.groupSolution[r];
    ok = true;
    return true;
}

// Solves amat x = bmat(·, 1) of order n in place.  A singular system leaves `ok` false.
bool solveSystem(EngineState& s, int n) {
    auto& l = s.linear;
    if (n == 1) {
        if (l.amat(1, 1) == 0.0) return false;
        l.bmat(1, 1) /= l.amat(1, 1);
        return true;
    }
    bool ok = false;
    if (solveByGroups(s, n, ok)) return ok;
    double determ = 0.0;
    int ierr = 0;
    matinv(l.amat, n, l.bmat, 1, determ, ierr);
    return ierr == 0;
}

void clearRow(EngineState& s, int r, int n) {
    for (int c = 1; c <= n; ++c) s.linear.amat(r, c) = 0.0;
    s.linear.bmat(r, 1) = 0.0;
}

// Linear balance of zone i at row r: flows C × (far pressure - zone pressure).
void linearRow(EngineState& s, int i, int r, int n) {
    auto& l = s.linear;
    const auto& p = s.pressure;
    clearRow(s, r, n);
    l.bmat(r, 1) = s.flow.qmex(i) + s.flow.qmsup(i);
    for (int k = 1; k <= s.open1.nopen(i); ++k) {
        if (!openingActive(s, i, k)) continue;
        const int a = s.type.iadjz(i, k);
        const double c1 = s.flow.ocoef(i, k);
        const double c2 = s.flow.ocoef2(i, k);
        l.amat(r, r) -= c1 + c2;
        if (a != 0) l.amat(r, position(s, a)) += c1 + c2;
        if (openingKind(s.type.itypop(i, k), a) != OpeningKind::Large) {
            l.bmat(r, 1) += (c1 + c2) * p.pz(i, k);
        } else if (a == 0) {
            l.bmat(r, 1) += c1 * p.pfarb(i, k) + c2 * p.pfar(i, k);
        } else {
            l.bmat(r, 1) += c1 * p.pfarbx(i, k) + c2 * p.pz(i, k);
        }
    }
    l.bmat(r, 1) = -l.bmat(r, 1);
}

// Newton row of zone i at row r: the residual of its power-law balance and its derivatives.
void newtonRow(EngineState& s, int i, int r, int n) {
    auto& l = s.linear;
    auto& q = s.flow;
    const auto& p = s.pressure;
    clearRow(s, r, n);
    q.resid(i) = q.qmex(i) + q.qmsup(i);
    q.qzin(i) = 0.0;
    const double p0 = p.pz(i, 0);
    for (int k = 1; k <= s.open1.nopen(i); ++k) {
        if (!openingActive(s, i, k)) continue;
        const int a = s.type.iadjz(i, k);
        const double expon = s.open1.oexpon(i, k);
        const double c1 = q.ocoef(i, k);
        const double c2 = q.ocoef2(i, k);
        double slope = 0.0;
        if (openingKind(s.type.itypop(i, k), a) == OpeningKind::Large) {
            double bottom = std::fabs(p.pfarb(i, k) - p0);
            double top = std::fabs(p.pfar(i, k) - p0);
            if (bottom < kTiny) bottom = kTiny;
            if (top < kTiny) top = kTiny;
            const double inBottom = scaledPower(c1, bottom, expon);
            const double outTop = scaledPower(c2, top, expon);
            if (s.outdoor.tfar(i, k) <= s.temp.tzn(i)) {
                q.resid(i) += inBottom - outTop;
                q.qzin(i) += inBottom;
            } else {
                q.resid(i) += outTop - inBottom;
                q.qzin(i) += outTop;
            }
            slope = scaledPower(expon * c1, bottom, expon - 1.0) + scaledPower(expon * c2, top, expon - 1.0);
        } else {
            double d = std::fabs(p.pfar(i, k) - p0);
            if (d < kTiny) d = kTiny;
            const double power = std::pow(d, expon);
            q.resid(i) += (c1 - c2) * power;
            q.qzin(i) += c1 * power;
            slope = expon * (c1 + c2) * std::pow(d, expon - 1.0);
        }
        l.amat(r, r) -= slope;
        if (a != 0) l.amat(r, position(s, a)) += slope;
    }
    l.bmat(r, 1) = -q.resid(i);
}

// Joins the groups of two zones, keeping the smaller label.
bool join(PerZone<int>& group, int i, int a) {
    const int g = group(i) < group(a) ? group(i) : group(a);
    if (group(i) == g && group(a) == g) return false;
    group(i) = g;
    group(a) = g;
    return true;
}

} // namespace

void fixfloatingzones(EngineState& s) {
    auto& w = s.airflowwork;
    // Groups of zones joined by openings that carry air, by repeated joining until nothing moves.
    forActiveZones(s, [&](int i, int) {
        w.igroup(i) = i;
        w.igrounded(i) = 0;
        w.ifixed(i) = 0;
    });
    for (bool moved = true; moved;) {
        moved = false;
        forActiveZones(s, [&](int i, int) {
            for (int k = 1; k <= s.open1.nopen(i); ++k) {
                const int a = s.type.iadjz(i, k);
                if (a != 0 && openingConducts(s, i, k)) moved = join(w.igroup, i, a) || moved;
            }
        });
    }
    forActiveZones(s, [&](int i, int) {
        bool ownFlow = false;
        for (int k = 1; k <= s.open1.nopen(i); ++k) {
            if (!openingConducts(s, i, k)) continue;
            ownFlow = true;
            if (s.type.iadjz(i, k) == 0) w.igrounded(w.igroup(i)) = 1;
        }
        if (!ownFlow) w.ifixed(i) = 1;
    });
    forActiveZones(s, [&](int i, int) {
        const int g = w.igroup(i);
        if (w.igrounded(g) != 0) return;
        w.igrounded(g) = 2;
        w.ifixed(i) = 1;
    });
}

void initp(EngineState& s) {
    extp(s);
    coeff(s);
    const int n = activeCount(s);
    if (n == 0) return;
    forActiveZones(s, [&](int i, int r) { linearRow(s, i, r, n); });
    holdFixedRows(s, n, [&](int i) { return s.pressure.pz(i, 0); });
    if (!solveSystem(s, n)) {
        // A singular system leaves the zone pressures as they are.
        forActiveZones(s, [&](int i, int r) { s.linear.bmat(r, 1) = s.pressure.pz(i, 0); });
    }
    const double urfv = s.numerics.urfv;
    forActiveZones(
        s, [&](int i, int r) { s.pressure.pz(i, 0) += urfv * (s.linear.bmat(r, 1) - s.pressure.pz(i, 0)); });
}

void solvep(EngineState& s) {
    const int n = activeCount(s);
    if (n == 0) return;
    forActiveZones(s, [&](int i, int r) { newtonRow(s, i, r, n); });
    holdFixedRows(s, n, [](int) { return 0.0; });
    if (!solveSystem(s, n)) {
        // A singular system makes no correction.
        forActiveZones(s, [&](int, int r) { s.linear.bmat(r, 1) = 0.0; });
    }
    const double urfv = s.numerics.urfv;
    double change = 0.0;
    double imbalance = 0.0;
    forActiveZones(s, [&](int i, int r) {
        const double step = urfv * s.linear.bmat(r, 1);
        s.pressure.pz(i, 0) += step;
        change += std::fabs(step);
        imbalance += std::fabs(s.flow.resid(i));
    });
    s.others.errp = change / n;
    s.others.errq = imbalance / n;
}

} // namespace engine
