#include "engine/solar_airflow/glazing_balance.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <utility>

#include "common/fixed_width.h"
#include "engine/solar_airflow/solar_messages.h"

namespace engine {
namespace {

constexpr double kFourSigma = 2.26788e-7;     // 4 x Stefan-Boltzmann constant, W/m2K4
constexpr double kFourSigmaGrey = 2.04109e-7; // 4 sigma x 0.9, W/m2K4
constexpr double kGreyEmissivity = 0.84;      // curtain side: at or above this, emissivity 0.9 is used
constexpr double kKelvin = 273.15;            // K at 0 C
constexpr double kDeg = 57.29578;             // degrees per rad
constexpr double kMinConvection = 2.0;        // W/m2K, floor of both convective coefficients
constexpr double kForcedConvection = 4.5;     // W/m2K inside while the thermostat is active
constexpr double kFrameFrontLimit = 6.0;      // W/m2K: frames above this pass heat like a film pair
constexpr int kMaxNodes = kMaxPanes + 1;

// Table values at the incidence angle: linear between the 10-degree entries.
struct AngleWeights {
    int bin = 0;       // lower entry, 0-based
    double frac = 0.0; // position within the bin, 0..1
};

// The bin of an incidence angle (degrees); an angle that rounding puts just outside 0..90 takes the
// nearest end.
AngleWeights weightsAt(double cosine) {
    const double angle = std::clamp(std::acos(std::clamp(cosine, -1.0, 1.0)) * kDeg, 0.0, 90.0);
    const int bin = std::min(static_cast<int>(angle / 10.0), kIncidenceAngles - 2);
    return {bin, (angle - 10.0 * bin) * 0.1};
}

double interpolate(const std::array<double, kIncidenceAngles>& table, AngleWeights w) {
    const auto i = static_cast<std::size_t>(w.bin);
    return std::max(table[i] + (table[i + 1] - table[i]) * w.frac, 0.0);
}

// The frame's share of the solar irradiance on it for the cosine of incidence c.
double frameCurve(double c, double irradiance, double absorptance) {
    const double g =
        (6.87197 * c - 0.000133955) * irradiance * absorptance / (0.851666 * c * c + 5.02738 * c + 1.0);
    return std::max(g, 0.0);
}

// Gauss-Jordan elimination with complete pivoting of a system of at most kMaxNodes unknowns: a[c][r]
// is the coefficient of unknown c in equation r, b the right-hand side, replaced by the solution.
// It takes the same pivots (the largest remaining magnitude, the first row and then the first column
// among equals) and forms the same quotients, products and differences as the shared matrix solver,
// so the node temperatures are the same to the last bit, without its general work space and calls.
// A pivot not above 1e-90 leaves b as far as it got.
void eliminateNodes(int m, std::array<std::array<double, kMaxNodes>, kMaxNodes>& a,
                    std::array<double, kMaxNodes>& b) {
    constexpr double kSingularPivot = 1e-90;
    const auto n = static_cast<std::size_t>(m);
    std::array<bool, kMaxNodes> pivoted{}; // unknown c (and so equation c) has been pivot
    for (std::size_t step = 0; step < n; ++step) {
        double largest = 0.0;
        std::size_t irow = 0, icol = 0;
        for (std::size_t c = 0; c < n; ++c) {
            if (pivoted[c]) continue;
            for (std::size_t r = 0; r < n; ++r) {
                if (pivoted[r]) continue;
                const double v = std::abs(a[c][r]);
                if (v > largest || (v == largest && v > 0.0 && r < irow)) {
                    largest = v;
                    irow = r;
                    icol = c;
                }
            }
        }
        if (largest <= kSingularPivot) return;
        pivoted[icol] = true;
        if (irow != icol) {
            for (std::size_t c = 0; c < n; ++c) std::swap(a[c][irow], a[c][icol]);
            std::swap(b[irow], b[icol]);
        }
        const double pivot = a[icol][icol];
        for (std::size_t c = 0; c < n; ++c)
            if (!pivoted[c]) a[c][icol] /= pivot;
        b[icol] *= 1.0 / pivot;
        a[icol][icol] = 1.0;
        const std::array<double, kMaxNodes>& d = a[icol]; // the multipliers, by equation
        for (std::size_t c = 0; c < n; ++c) {
            if (pivoted[c]) continue;
            const double p = a[c][icol];
            for (std::size_t r = 0; r < n; ++r)
                if (r != icol) a[c][r] -= p * d[r];
        }
        const double p = b[icol];
        for (std::size_t r = 0; r < n; ++r)
            if (r != icol) b[r] -= p * d[r];
    }
}

// Solves the node balance (1/R(j) + 1/R(j+1)) T(j) - T(j-1)/R(j) - T(j+1)/R(j+1) = S(j), j = 1..m,
// with T(0) = To and T(m+1) = Ti.  R has m+1 entries (R[0] is R(1)), S and T m entries.  A singular
// system cannot arise from positive resistances and is not checked.
void solveNodes(int m, const std::array<double, kMaxNodes + 1>& R, const std::array<double, kMaxNodes>& S,
                double To, double Ti, std::array<double, kMaxNodes>& T) {
    std::array<std::array<double, kMaxNodes>, kMaxNodes> a{}; // a[column][row]
    for (int j = 1; j <= m; ++j) {
        const auto k = static_cast<std::size_t>(j - 1);
        a[k][k] = 1.0 / R[k] + 1.0 / R[k + 1];
        if (j > 1) a[k - 1][k] = -1.0 / R[k];
        if (j < m) a[k + 1][k] = -1.0 / R[k + 1];
        T[k] = S[k];
    }
    T[0] += To / R[0];
    T[static_cast<std::size_t>(m - 1)] += Ti / R[static_cast<std::size_t>(m)];
    eliminateNodes(m, a, T);
}

using FilmInputs = std::array<double, GlazingFilms::kInputs>;

// Every input of the film coefficient iteration (S holds the absorbed solar of the nodes).
FilmInputs filmInputs(const GlazingSystem& g, const GlazingConditions& c, int n, int nodes, bool drawn,
                      const std::array<double, kMaxNodes>& S) {
    FilmInputs k{};
    std::size_t i = 0;
    const auto put = [&k, &i](double v) { k[i++] = v; };
    put(n);
    put(nodes);
    put(drawn ? 1.0 : 0.0);
    for (double v : g.Rp) put(v);
    for (double v : g.Rg) put(v);
    put(c.Rc);
    for (double v : S) put(v);
    put(c.To);
    put(c.Ti);
    put(c.V);
    put(c.forced);
    put(g.ei);
    put(g.eo);
    put(c.tol);
    put(g.hoL);
    put(g.hiL);
    assert(i == k.size());
    return k;
}

// Equal to the bit: a zero of either sign or a NaN is only the same as itself.
bool sameBits(const FilmInputs& a, const FilmInputs& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

} // namespace

bool curtainDrawn(const GlazingConditions& c) {
    return c.cov != 0 && !(c.Rc == 0.0 && c.Tc == 1.0 && c.Ac == 0.0);
}

GlazingResult solveGlazingBalance(GlazingSystem& g, const GlazingConditions& c, GlazingFilms* films) {
    GlazingResult r;
    const bool drawn = curtainDrawn(c);
    if (c.UgOverride != 0.0) g.Ug = c.UgOverride;
    if (c.UfOverride != 0.0) g.Uf = c.UfOverride;
    if (c.fgOverride != 0.0) g.fg = c.fgOverride;
    // Without a library reference the card's scaling value cannot apply.
    const double scale = c.Sc != 0.0 && g.sref != 0.0 ? c.Sc / g.sref : 1.0;
    const int n = std::clamp(g.n, 1, kMaxPanes);

    const AngleWeights beam = weightsAt(c.cb);
    const AngleWeights diffuse = weightsAt(c.cd);
    const double taub = interpolate(g.tau, beam);
    const double taud = interpolate(g.tau, diffuse);
    std::array<double, kMaxPanes> ab{};
    std::array<double, kMaxPanes> ad{};
    std::array<double, kMaxNodes> S{};
    for (int j = 0; j < n; ++j) {
        const auto k = static_cast<std::size_t>(j);
        ab[k] = interpolate(g.abs[k], beam);
        ad[k] = interpolate(g.abs[k], diffuse);
        S[k] = (c.Ib * ab[k] + c.Id * ad[k]) * scale;
    }
    const double transmitted = taud * c.Id + taub * c.Ib; // W/m2 through the glass
    const int nodes = drawn ? n + 1 : n;
    if (drawn) S[static_cast<std::size_t>(n)] = transmitted * c.Ac * scale;

    const auto pane = [&g](int j) { return g.Rp[static_cast<std::size_t>(j - 1)]; }; // j = 1..n
    const auto gap = [&g](int j) { return g.Rg[static_cast<std::size_t>(j - 1)]; };  // j = 2..n
    double gaps = 0.0; // m2K/W between the outer and the inner pane
    for (int j = 2; j <= n; ++j) gaps += gap(j);

    double ho = g.hoL;
    double hi = g.hiL;
    const FilmInputs inputs = filmInputs(g, c, n, nodes, drawn, S);
    if (films != nullptr && films->valid && sameBits(films->inputs, inputs)) {
        r.passes = films->passes;
        ho = r.ho = films->ho;
        hi = r.hi = films->hi;
        r.hic = films->hic;
        r.hir = films->hir;
    } else {
        std::array<double, kMaxNodes + 1> R{};
        std::array<double, kMaxNodes> T{};
        const double windTerm = 5.6644 * std::pow(c.V, 1.78); // the wind's share of the outside convection
        bool changed = true;
        while (changed && r.passes <= kMaxFilmPasses) {
            ++r.passes;
            R[0] = 0.5 * pane(1) + 1.0 / ho;
            for (int j = 2; j <= n; ++j) R[static_cast<std::size_t>(j - 1)] = gap(j);
            if (drawn) {
                R[static_cast<std::size_t>(n)] = 0.5 * pane(n) + c.Rc;
                R[static_cast<std::size_t>(n + 1)] = 1.0 / hi;
            } else {
                R[static_cast<std::size_t>(n)] = 0.5 * pane(n) + 1.0 / hi;
            }
            solveNodes(nodes, R, S, c.To, c.Ti, T);

            const double outer = T[0];                                   // C, outer pane
            const double inner = T[static_cast<std::size_t>(nodes - 1)]; // C, inner pane or curtain
            const double dTo = std::abs(c.To - outer);
            const double dTi = std::abs(c.Ti - inner);
            const double hoc =
                std::max(std::sqrt(windTerm + 0.7056 * std::pow(dTo, 0.666667)), kMinConvection);
            const double hic =
                std::max(c.forced != 0 ? kForcedConvection : 2.3 * std::pow(dTi, 0.24), kMinConvection);
            const double Tmo = (outer + c.To) / 2.0 + kKelvin;
            const double Tmi = (inner + c.Ti) / 2.0 + kKelvin;
            const double Tmi3 = Tmi * Tmi * Tmi;
            const double hir = drawn && g.ei >= kGreyEmissivity ? 1.2 * kFourSigmaGrey * Tmi3
                                                                : 1.2 * kFourSigma * g.ei * Tmi3;
            const double hoNew = kFourSigma * g.eo * Tmo * Tmo * Tmo + hoc;
            const double hiNew = hir + hic;
            changed = std::abs(hiNew - hi) > c.tol || std::abs(hoNew - ho) > c.tol;
            ho = hoNew;
            hi = hiNew;
            r.ho = ho;
            r.hi = hi;
            r.hic = hic;
            r.hir = hir;
        }
        if (films != nullptr) *films = GlazingFilms{inputs, true, ho, hi, r.hic, r.hir, r.passes};
    }
    r.settled = r.passes <= kMaxFilmPasses;

    // The centre-glass resistance at this step's films in place of the library's.
    const double glassFilms = 1.0 / g.Ug - 1.0 / g.hoL - 1.0 / g.hiL + 1.0 / ho + 1.0 / hi;
    if (!drawn) {
        r.U = (1.0 - g.fg) * g.Uf + g.fg / glassFilms;
    } else {
        r.U = (1.0 - g.fg) / (1.0 / g.Uf + c.Rc) + g.fg / (glassFilms + c.Rc);
    }
    if (c.Ib == 0.0 && c.Id == 0.0) return r;

    // Frame: the share of its absorbed solar that flows inward.
    double inwardFrame = 0.0;
    if (!drawn) {
        inwardFrame = g.Uf <= kFrameFrontLimit ? g.Uf / g.hoL : g.hiL / (g.hoL + g.hiL);
    } else {
        inwardFrame = g.Uf <= kFrameFrontLimit ? g.Uf / (g.hoL + c.Rc * g.hoL * g.Uf)
                                               : g.hiL / (c.Rc * g.hiL * g.hoL + g.hoL + g.hiL);
    }
    const double frame = frameCurve(c.cb, c.Ib, g.af) + frameCurve(c.cd, c.Id, g.af);
    r.qf = (1.0 - g.fg) * inwardFrame * frame;

    // Panes: each pane's absorbed solar flows inward in the share of the resistance outside it.
    const double Ro = 0.5 * pane(1) + 1.0 / ho;
    const double Rtot =
        drawn ? 1.0 / hi + 0.5 * pane(n) + Ro + c.Rc + gaps : Ro + gaps + 0.5 * pane(n) + 1.0 / hi;
    double outside = Ro; // m2K/W from the outdoor air to pane j
    double inwardLast = 0.0;
    double qp = 0.0;
    for (int j = 1; j <= n; ++j) {
        if (j >= 2) outside += gap(j);
        const auto k = static_cast<std::size_t>(j - 1);
        inwardLast = outside / Rtot;
        qp += (c.Id * ad[k] + c.Ib * ab[k]) * g.fg * inwardLast;
    }
    r.qp = qp * scale;
    r.taus = transmitted * g.fg * (drawn ? c.Tc : 1.0) * scale;
    if (drawn) r.qc = transmitted * ((0.5 * pane(n) + c.Rc) / Rtot + inwardLast) * g.fg * c.Ac * scale;
    return r;
}

} // namespace engine

namespace engine {

GlazingResult uvalsg(EngineState& state, GlazingSystem& system, const GlazingConditions& conditions,
                     GlazingFilms* films) {
    GlazingResult r = solveGlazingBalance(system, conditions, films);
    if (r.settled) return r;
    std::string message = "More than ";
    fw::appendInteger(message, kMaxFilmPasses, 2, fw::Overflow::Asterisks);
    message += " iterations";
    std::ostream& report = textReportOf(state);
    report << '\n' << message << '\n';
    // A drawn curtain goes on with the last pass's values; open glazing ends the run, and the
    // console says why, so that the modeller's failed-run box shows it.
    if (curtainDrawn(conditions)) return r;
    if (&report != state.console) {
        consoleLine(state, "");
        consoleLine(state, listDirected({std::string_view(message)}));
    }
    consoleLine(state, listDirected({kGlazingUnsettled}));
    // Where it stopped: the zone whose opening did not settle, and the step of the simulated day.
    const std::string where =
        listDirected({kGlazingUnsettledZone, static_cast<long long>(conditions.zone), kGlazingUnsettledStep,
                      static_cast<long long>(conditions.step), kGlazingUnsettledDay,
                      static_cast<long long>(state.tim.iday), kGlazingUnsettledMonth,
                      static_cast<long long>(state.tim.imonth)});
    consoleLine(state, where);
    throw RunStopped(message + where);
}

} // namespace engine
