#include "engine/core/response_factors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/matrix_routines.h"
#include "engine/core/response_report.h"
#include "engine/core/state.h"
#include "engine/core/vector_lanes.h"

namespace engine {
namespace {

constexpr double kFirstGridLag = 24.0;  // hours: t(2), one day
constexpr double kGridPerDoubling = 16; // grid points per doubling of the lag

constexpr std::string_view kFitHead = "(/,/,1X,'ZONE',I3,' (',A15,')',5X,'PATH',I3,/,1X,14HSTEP RESPONSE ,6X,"
                                      "12HSTEADY VALUE,3X,F12.8)";
constexpr std::string_view kFitSum = "(/,1X,'NORMALIZED SUM OF EXPONENTIAL COEFFICIENTS =',F15.8)";
constexpr std::string_view kCoefficients = "(1X,'EXPONENTIAL COEFFICIENTS',3(/,1X,6F15.8))";
constexpr std::string_view kShortTerm = "(1X,'Response factors',/,1(6(1X,F11.7)))";
constexpr std::string_view kLongTerm = "(1(1X,8(1X,F11.7)))";

// Lag of long-term point m = 1..196, hours: t(m) = 24 · 2^((m - 2) / 16).
double gridLag(int m) {
    return kFirstGridLag * std::pow(2.0, (m - 2) / kGridPerDoubling);
}

// Decay rate of exponential j = 1..59, per hour: the frequencies 2..60 of the harmonic response.
double decayRate(int j) {
    return harmonicFrequencyPerHour(j + 1);
}

// s(i) = x + Σ_j a(j) · w(j, i), j = 0..58 in ascending order, for the `count` values i: w(j, i) lies
// at w[j · stride + i].  Sixteen and then four values at a time in vector lanes, each lane adding the
// products in the order of the plain sum, so every value is the same to the bit.
__attribute__((target_clones("avx2", "default"))) void
sumExponentials(const double* a, const double* w, std::size_t stride, int count, double x, double* out) {
    const auto n = static_cast<std::size_t>(count);
    std::size_t i = 0;
    for (; i + 4 * kLanes <= n; i += 4 * kLanes) {
        Lanes s0 = {x, x, x, x}, s1 = s0, s2 = s0, s3 = s0;
        for (std::size_t j = 0; j < kExponentials; ++j) {
            const double aj = a[j];
            const double* wj = w + j * stride + i;
            Lanes w0, w1, w2, w3;
            std::memcpy(&w0, wj, sizeof w0);
            std::memcpy(&w1, wj + kLanes, sizeof w1);
            std::memcpy(&w2, wj + 2 * kLanes, sizeof w2);
            std::memcpy(&w3, wj + 3 * kLanes, sizeof w3);
            s0 += aj * w0;
            s1 += aj * w1;
            s2 += aj * w2;
            s3 += aj * w3;
        }
        std::memcpy(out + i, &s0, sizeof s0);
        std::memcpy(out + i + kLanes, &s1, sizeof s1);
        std::memcpy(out + i + 2 * kLanes, &s2, sizeof s2);
        std::memcpy(out + i + 3 * kLanes, &s3, sizeof s3);
    }
    for (; i + kLanes <= n; i += kLanes) {
        Lanes s0 = {x, x, x, x};
        for (std::size_t j = 0; j < kExponentials; ++j) {
            Lanes w0;
            std::memcpy(&w0, w + j * stride + i, sizeof w0);
            s0 += a[j] * w0;
        }
        std::memcpy(out + i, &s0, sizeof s0);
    }
    for (; i < n; ++i) {
        double s0 = x;
        for (std::size_t j = 0; j < kExponentials; ++j) s0 += a[j] * w[j * stride + i];
        out[i] = s0;
    }
}

// The weights W(j, n) of the exponentials in factor n of each kind: rfac(n) = X + Σ a(j) · W(j, n).
class FactorWeights {
  public:
    FactorWeights(int nd, double step) : nd_(nd), lags_(nd + kLongTermPoints) {
        for (int kind = 0; kind < 3; ++kind)
            w_[static_cast<std::size_t>(kind)].resize(static_cast<std::size_t>(kExponentials) * stride());
        first_.resize(2 * kExponentials);
        for (int j = 1; j <= kExponentials; ++j) {
            const double x = decayRate(j) * step;
            const double p1 = std::expm1(x) / x;
            const double p2 = -std::expm1(x);
            const std::array<double, 3> pk = {p1, p2, p2 * p1};
            const double e1 = std::exp(-decayRate(j) * step);
            first_[static_cast<std::size_t>(j - 1)] = e1;                      // kind 2
            first_[static_cast<std::size_t>(kExponentials + j - 1)] = e1 * p1; // kinds 1 and 3
            for (int n = 2; n <= lags_; ++n) {
                const double lag = n <= nd ? n * step : gridLag(n - nd);
                const double e = std::exp(-decayRate(j) * lag);
                for (std::size_t kind = 0; kind < 3; ++kind) w_[kind][index(j, n)] = e * pk[kind];
            }
        }
    }

    // Fills the factors of one row: a the coefficients, h0 the steady-state response.
    void factors(int kind, double h0, const std::array<double, kExponentials>& a, double* out) const {
        const std::vector<double>& w = w_[static_cast<std::size_t>(kind - 1)];
        const double x = kind == kRamp ? h0 : 0.0;
        const std::size_t firstOffset = kind == kPulse ? 0 : kExponentials;
        double sum = h0;
        for (int j = 1; j <= kExponentials; ++j)
            sum += a[static_cast<std::size_t>(j - 1)] * first_[firstOffset + static_cast<std::size_t>(j - 1)];
        out[0] = sum;
        sumExponentials(a.data(), w.data(), stride(), lags_ - 1, x, out + 1);
    }

    int lags() const { return lags_; }
    int nd() const { return nd_; }

  private:
    // The weights of one exponential lie side by side for the lags 2..lags, padded to whole lanes.
    std::size_t stride() const {
        const auto count = static_cast<std::size_t>(lags_ - 1);
        return (count + kLanes - 1) / kLanes * kLanes;
    }
    std::size_t index(int j, int n) const {
        return static_cast<std::size_t>(j - 1) * stride() + static_cast<std::size_t>(n - 2);
    }

    int nd_;
    int lags_;
    std::array<std::vector<double>, 3> w_;
    std::vector<double> first_;
};

void printFit(EngineState& state, int z, int r, double h0, const std::array<double, kExponentials>& a) {
    const BlankBlock& b = state.blank;
    const long long number = z <= kMaxZones ? state.zn.idrvuse(kDriverUseRows, z) : z;
    const std::string name = z <= kMaxZones ? state.names.zname(z) : std::string();
    reportFormatted(state, kFitHead, {number, name, static_cast<long long>(r), h0});
    double sum = 0.0;
    for (double v : a) sum += v;
    reportFormatted(state, kFitSum, {h0 != 0.0 ? sum / h0 : 0.0});
    if (b.iprnt2 > 1) {
        std::vector<fw::Value> values(a.begin(), a.end());
        reportFormatted(state, kCoefficients, values);
    }
}

void printFactors(EngineState& state, const double* f, int nd) {
    std::vector<fw::Value> values(f, f + nd);
    reportFormatted(state, kShortTerm, values);
    values.assign(f + nd, f + nd + kLongTermPoints);
    reportFormatted(state, kLongTerm, values);
}

// The new grid values F(nd + m + 1), m = 1..193, into out(m - 1), from the old grid values
// old(i) = F(nd + i + 1), i = 0..195: b(m) · F(nd + m + 1) + a(m) · F(nd + m + 2) - c(m) · (F(nd + m) +
// F(nd + m + 3)), the weights a, b, c of block `valu` (0-based).  In vector lanes, each lane with the
// operations of the plain formula.
__attribute__((target_clones("avx2", "default"))) void
moveGrid(const double* old, const double* a, const double* b, const double* c, double* out) {
    constexpr int whole = kValuPoints - kValuPoints % kLanes;
    for (int m = 0; m < whole; m += kLanes) {
        Lanes at, next, before, after, wa, wb, wc;
        std::memcpy(&before, old + m, sizeof before);
        std::memcpy(&at, old + m + 1, sizeof at);
        std::memcpy(&next, old + m + 2, sizeof next);
        std::memcpy(&after, old + m + 3, sizeof after);
        std::memcpy(&wa, a + m, sizeof wa);
        std::memcpy(&wb, b + m, sizeof wb);
        std::memcpy(&wc, c + m, sizeof wc);
        const Lanes moved = wb * at + wa * next - wc * (before + after);
        std::memcpy(out + m, &moved, sizeof moved);
    }
    for (int m = whole; m < kValuPoints; ++m)
        out[m] = b[m] * old[m + 1] + a[m] * old[m + 2] - c[m] * (old[m] + old[m + 3]);
}

} // namespace

bool fillFittingMatrix(EngineState& state) {
    ValBlock& val = state.val;
    for (int k = 1; k <= kExponentials; ++k) {
        for (int j = 1; j <= kExponentials; ++j) {
            const double x = std::pow(2.0, 0.5 * (k - j));
            val.v(k, j) = x / (1.0 + x * x);
        }
    }
    double determ = 0.0;
    int ierr = 0;
    matinv(RealMatrix(val.v), kExponentials, RealMatrix(), 0, determ, ierr);
    val.filled = ierr == 0;
    return val.filled;
}

void clbehv(EngineState& state) {
    if (!state.val.filled) fillFittingMatrix(state);
    const int nd = 24 * state.time.nstphr;
    const int zones = std::max(state.hz.nzc, 1);
    const FactorWeights weights(nd, 1.0 / state.time.nstphr);
    RfBlock& rf = state.rf;
    rf.nd = nd;
    rf.rfac.allocate(
        1, nd + kLongTermPoints, 1, kResponseDriverRows, [&state](int r) { return state.hz.iuserow(r) != 0; },
        1, zones, 0.0);
    rf.fut.allocate(1, nd + kFuturePoints, 1, zones, 0.0);

    for (int z = 1; z <= state.hz.nzc; ++z) {
        for (int r = 1; r <= kResponseDriverRows; ++r) {
            if (state.hz.iuserow(r) == 0) continue;
            const Complex h1 = state.hz.hres.value(z, r, 1);
            if (h1 == Complex{}) continue;
            const double h0 = h1.real();
            const int kind = state.hz.kindrf(r) == 0 ? kRamp : state.hz.kindrf(r);
            std::array<double, kExponentials> y{}, a{};
            for (int m = 1; m <= kExponentials; ++m)
                y[static_cast<std::size_t>(m - 1)] = state.hz.hres(z, r, m + 1).imag();
            for (int i = 1; i <= kExponentials; ++i) {
                double sum = 0.0;
                for (int m = 1; m <= kExponentials; ++m)
                    sum += state.val.v(i, m) * y[static_cast<std::size_t>(m - 1)];
                a[static_cast<std::size_t>(i - 1)] = sum;
            }
            double* out = &rf.rfac(1, r, z);
            weights.factors(kind, h0, a, out);
            if (state.blank.iprnt2 > 0 || state.blank.iprnt3 > 0) printFit(state, z, r, h0, a);
            if (state.blank.iprnt3 > 0) printFactors(state, out, nd);
        }
    }
    tabulateSameStep(state);
}

void tabulateSameStep(EngineState& state) {
    const int zones = std::max(state.hz.nzc, 1);
    RfBlock& rf = state.rf;
    rf.samestep.allocate(1, zones, 1, zones, 0.0);
    for (int m = 1; m <= zones; ++m)
        for (int i = 1; i <= zones; ++i) rf.samestep(i, m) = rf.rfac.value(1, kGainRowOffset + m, i);
}

void moveon(EngineState& state, int z) {
    moveon(state, z, state.rf.gridwork.data());
}

namespace {

void moveFrom(EngineState& state, int z, double* grid, int first) {
    const ValuBlock& v = state.valu;
    const int nd = state.rf.nd;
    double* const base = &state.rf.fut(1, z);
    auto f = [base](int n) -> double& { return base[n - 1]; }; // fut(n, z)
    for (int k = first; k < nd; ++k) f(k) = f(k + 1);

    // Each grid value takes the value one hour further on, from the old values of four neighbours.
    double* const old = grid; // old(m) = fut(nd + m + 1, z), m = 0..195
    std::copy(base + nd, base + nd + kFuturePoints, old);
    moveGrid(old, v.valua.data(), v.valub.data(), v.valuc.data(), base + nd + 1);
    f(nd + 195) = f(nd + 194);
    f(nd + 196) = 0.5 * (f(nd + 194) + old[kFuturePoints - 1]);
    f(nd) = f(nd + 2);
    const int j = v.ivaloff;
    f(nd + 1) = v.valub0 * f(j + 1) + v.valua0 * f(j + 2) - v.valuc0 * (f(j) + f(j + 3));
}

} // namespace

void moveon(EngineState& state, int z, double* grid) {
    moveFrom(state, z, grid, 1);
}

void moveonBeyondPresent(EngineState& state, int z, double* grid) {
    moveFrom(state, z, grid, 2);
}

} // namespace engine
