// Response factors and their history: the fitting matrix against its published values, the factors
// of first-order responses against their analytic step responses, the factors of a real wall against
// its U-value, and the shift of the future temperatures against functions the grid carries exactly.
#include "response_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/core/harmonic_conduction.h"
#include "engine/core/main_program.h"
#include "engine/core/response_factors.h"

namespace {

using engine::Complex;
using namespace engine::testing;

constexpr int kNd = 24;

// A state with one zone whose responses the test sets.
std::unique_ptr<engine::EngineState> oneZone() {
    auto s = std::make_unique<engine::EngineState>();
    engine::setTimeConstants(*s);
    engine::fillValu(*s);
    s->hz.nzc = 1;
    s->hz.hres.allocate(1, 1, 1, engine::kResponseRows, 1, engine::kHarmonics, Complex{});
    return s;
}

void setRow(engine::EngineState& s, int r, int kind, const std::function<Complex(double)>& h) {
    s.hz.iuserow(r) = kind == engine::kRamp ? 1 : 31;
    s.hz.kindrf(r) = kind;
    for (int k = 1; k <= engine::kHarmonics; ++k) s.hz.hres(1, r, k) = h(engine::harmonicFrequencyPerHour(k));
}

// Lag of factor n, hours: n steps of one hour for the first day, then the long-term grid.
double lagOf(int n) {
    return n <= kNd ? n : 24.0 * std::pow(2.0, (n - kNd - 2) / 16.0);
}

TEST(FittingMatrix, MatchesItsPublishedValuesAndInvertsTheFit) {
    auto s = std::make_unique<engine::EngineState>();
    ASSERT_TRUE(engine::fillFittingMatrix(*s));
    const auto& v = s->val.v;
    EXPECT_NEAR(v(1, 1), 136.323, 1e-3);
    EXPECT_NEAR(v(59, 59), 136.323, 1e-3);
    EXPECT_NEAR(v(1, 2), -385.579, 1e-3);
    EXPECT_NEAR(v(2, 1), -385.579, 1e-3);
    EXPECT_NEAR(v(2, 2), 1226.9, 0.05);
    // V times M(k, j) = x / (1 + x²), x = √2^(k - j), is the identity.
    for (int i : {1, 17, 30, 59}) {
        for (int j : {1, 16, 30, 58}) {
            double sum = 0.0;
            for (int m = 1; m <= engine::kExponentials; ++m) {
                const double x = std::pow(2.0, 0.5 * (m - j));
                sum += v(i, m) * x / (1.0 + x * x);
            }
            EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, 1e-8) << i << " " << j;
        }
    }
}

TEST(ResponseFactors, PurelyResistivePathGivesItsSteadyResponseOnce) {
    auto s = oneZone();
    setRow(*s, 1, engine::kRamp, [](double) { return Complex(0.4); });
    setRow(*s, 452, engine::kPulse, [](double) { return Complex(0.02); });
    setRow(*s, 302, engine::kTriangle, [](double) { return Complex(0.01); });
    engine::clbehv(*s);
    const auto& f = s->rf.rfac;
    for (int n = 1; n <= kNd + engine::kLongTermPoints; ++n) {
        EXPECT_NEAR(f(n, 1, 1), 0.4, 1e-12) << n;
        EXPECT_NEAR(f(n, 452, 1), n == 1 ? 0.02 : 0.0, 1e-12) << n;
        EXPECT_NEAR(f(n, 302, 1), n == 1 ? 0.01 : 0.0, 1e-12) << n;
    }
}

TEST(ResponseFactors, FirstOrderResponseMatchesItsAnalyticStepResponse) {
    // H(ω) = H0 / (1 + jωτ) has the step response S(t) = H0 (1 - e^(-t/τ)); τ = 2.7 h lies between
    // the fixed time constants of the fit.
    const double h0 = 0.8, tau = 2.7;
    auto s = oneZone();
    const auto h = [=](double w) { return h0 / Complex(1.0, w * tau); };
    setRow(*s, 1, engine::kRamp, h);
    setRow(*s, 452, engine::kPulse, h);
    setRow(*s, 302, engine::kTriangle, h);
    engine::clbehv(*s);

    const auto step = [=](double t) { return t <= 0.0 ? 0.0 : h0 * (1.0 - std::exp(-t / tau)); };
    // Mean of S over (a, a + 1 h).
    const auto mean = [=](double a) {
        const double lo = std::max(a, 0.0);
        return h0 * ((a + 1.0 - lo) - tau * (std::exp(-lo / tau) - std::exp(-(a + 1.0) / tau)));
    };
    const auto& f = s->rf.rfac;
    for (int n = 1; n <= kNd + engine::kLongTermPoints; ++n) {
        const double lag = lagOf(n);
        const double ramp = mean(lag - 1.0);
        const double pulse = n == 1 ? step(1.0) : step(lag) - step(lag - 1.0);
        const double triangle = n == 1 ? mean(0.0) : mean(lag - 1.0) - mean(lag - 2.0);
        EXPECT_NEAR(f(n, 1, 1), ramp, 1e-4 * h0) << n;
        EXPECT_NEAR(f(n, 452, 1), pulse, 1e-4 * h0) << n;
        EXPECT_NEAR(f(n, 302, 1), triangle, 1e-4 * h0) << n;
    }
}

TEST(ResponseFactors, RowWithoutResponseKeepsZeroFactors) {
    auto s = oneZone();
    setRow(*s, 452, engine::kPulse, [](double) { return Complex{}; });
    engine::clbehv(*s);
    for (int n = 1; n <= kNd + engine::kLongTermPoints; ++n) EXPECT_EQ(s->rf.rfac(n, 452, 1), 0.0);
}

// Superposes a constant input of the row on the zone's future for `steps` steps, as the hourly loop
// does, and returns the zone's temperature rise.
double constantInput(engine::EngineState& s, int row, int steps) {
    const int lags = s.rf.nd + engine::kLongTermPoints;
    for (int i = 1; i <= lags + 2; ++i) s.rf.fut(i, 1) = 0.0;
    double now = 0.0;
    for (int step = 1; step <= steps; ++step) {
        for (int j = 1; j <= lags; ++j) s.rf.fut(j, 1) += s.rf.rfac(j, row, 1);
        now = s.rf.fut(1, 1);
        engine::moveon(s, 1);
    }
    return now;
}

class WallResponse : public ResponseRun {};

TEST_F(WallResponse, FactorsOfAWallSumToItsUValueAndDecay) {
    // A zone of 50 m3 whose only loss is 20 m2 of brick veneer wall; 1 W held in it for a year
    // raises it by 1 / (U A).
    define(21, {{kBrick, 110}, {kGlasswool, 75}, {kPlasterboard, 10}});
    writeSections();
    pathRecord(1, "Living", 0, {{521, 20.0}, {2500, 50.0}});
    pathRecord(1, "Living", 102, {{721, 20.0}});
    pathRecord(1, "Living", 452, {{31, 1.0}});
    respond(1);
    const double u = 1.0 / (0.04 + 0.110 / 0.77 + 0.075 / 0.04 + 0.010 / 0.17 + 0.12);
    EXPECT_NEAR(constantInput(*state, 452, 8760) * u * 20.0, 1.0, 1e-4);
    // The pulse factors are positive and die away.
    const auto& f = state->rf.rfac;
    for (int n = 2; n <= kNd; ++n) EXPECT_LT(f(n, 452, 1), f(n - 1, 452, 1)) << n;
    EXPECT_GT(f(kNd, 452, 1), 0.0);
    EXPECT_LT(std::abs(f(kNd + engine::kLongTermPoints, 452, 1)), 1e-6 * f(1, 452, 1));
    // A step of the wall's sol-air temperature reaches the zone fully, the ramp factors rising to 1.
    EXPECT_NEAR(f(kNd + engine::kLongTermPoints, 102, 1), 1.0, 1e-3);
}

class FutureShift : public ::testing::Test {
  protected:
    void SetUp() override {
        engine::setTimeConstants(*s);
        engine::fillValu(*s);
        s->hz.nzc = 2;
        s->rf.nd = kNd;
        s->rf.fut.allocate(1, kNd + engine::kFuturePoints, 1, 2, 0.0);
    }
    double& fut(int n) { return s->rf.fut(n, 2); }
    static double gridIndex(double t) { return 2.0 + 16.0 * std::log2(t / 24.0); } // t(m) has index m

    std::unique_ptr<engine::EngineState> s = std::make_unique<engine::EngineState>();
};

TEST_F(FutureShift, ConstantFutureStaysConstantEverywhere) {
    for (int n = 1; n <= kNd + engine::kFuturePoints; ++n) fut(n) = 17.5;
    engine::moveon(*s, 2);
    for (int n = 1; n <= kNd + engine::kFuturePoints; ++n) EXPECT_NEAR(fut(n), 17.5, 1e-12) << n;
    EXPECT_EQ(s->rf.fut(5, 1), 0.0); // the other zone is untouched
}

TEST_F(FutureShift, GridValuesMoveOneHourCloser) {
    // A future quadratic in the grid index is carried exactly by the four-point weights: after one
    // step each grid point holds the value that lay one hour further on.
    const auto q = [](double u) { return 3.0 + 0.25 * u - 0.004 * u * u; };
    for (int m = 1; m <= engine::kFuturePoints; ++m) fut(kNd + m) = q(m);
    engine::moveon(*s, 2);
    for (int m = 2; m <= engine::kLongTermPoints; ++m) {
        const double t = 24.0 * std::pow(2.0, (m - 2) / 16.0);
        EXPECT_NEAR(fut(kNd + m), q(gridIndex(t + 1.0)), 1e-9) << m;
    }
    EXPECT_NEAR(fut(kNd + 195), fut(kNd + 194), 0.0);
    EXPECT_NEAR(fut(kNd + 196), 0.5 * (fut(kNd + 194) + q(196)), 1e-12);
}

TEST_F(FutureShift, StepValuesMoveOneStepCloserAndFeedTheFirstGridPoint) {
    // A future varying slowly in time: step n ahead holds p(n), the grid point t ahead p(t).
    const auto p = [](double t) { return 20.0 + 0.05 * t - 0.0004 * t * t; };
    for (int n = 1; n <= kNd; ++n) fut(n) = p(n);
    for (int m = 1; m <= engine::kFuturePoints; ++m) fut(kNd + m) = p(24.0 * std::pow(2.0, (m - 2) / 16.0));
    engine::moveon(*s, 2);
    for (int n = 1; n < kNd; ++n) EXPECT_EQ(fut(n), p(n + 1)) << n;
    EXPECT_NEAR(fut(kNd), p(25.0), 1e-4);
    EXPECT_NEAR(fut(kNd + 1), p(24.0 / std::pow(2.0, 1.0 / 16.0) + 1.0), 1e-4);
}

} // namespace
