#include "engine/solar_airflow/airflow_network.h"

#include "engine/core/run_stop.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/network_checks.h"
#include "engine/solar_airflow/opening_flows.h"
#include "engine/solar_airflow/pressure_solver.h"

#include <cmath>

namespace engine {

namespace {

constexpr int kOutdoorElement = kMaxZones + 1; // element of the temperature argument: outdoor air
constexpr int kRunawayPasses = 4;              // growing errors tolerated before a runaway
constexpr int kFirstTrendPass = 6;             // first Newton pass whose errors are compared

// Temperatures, densities and far-side conditions of the step.
void prepareStep(EngineState& s, const common::FixedArray1<double, 0, kMaxZones + 1>& t, double ws) {
    const double outdoor = t(kOutdoorElement);
    forEachActiveZone(s, [&](int i) {
        s.temp.tzn(i) = t(i);
        s.outdoor.rho(i) = airDensity(s.temp.tzn(i));
    });
    s.outdoor.rho(0) = airDensity(outdoor);
    forEachActiveOpening(s, [&](int i, int k) {
        const int a = s.type.iadjz(i, k);
        s.outdoor.tfar(i, k) = a == 0 ? outdoor : s.temp.tzn(a);
        s.outdoor.vloc(i, k) = a == 0 ? s.wind.wsred(i) * ws : 0.0;
        double drho = s.outdoor.rho(a) - s.outdoor.rho(i);
        if (std::fabs(drho) < kTiny) drho = kTiny;
        s.outdoor.drho(i, k) = drho;
    });
}

// The set of the opening's pressure coefficients: the last one with its identifying number.
int coefficientSet(const EngineState& s, int number) {
    for (int j = s.wind.ncpset; j >= 1; --j) {
        if (s.outdoor.icpno(j) == number) return j;
    }
    return 0;
}

[[noreturn]] void stopWithoutCpData(EngineState& s, int zone, int k) {
    stopRun(s, {"Opening direction for zone ", static_cast<long long>(zone), " opening ",
                static_cast<long long>(k), " has no Cp data"});
}

// Pressure coefficients of the step's wind sector.  An internal opening sees no wind, so it needs
// no coefficient set.
void pressureCoefficients(EngineState& s, int sector) {
    forEachActiveOpening(s, [&](int i, int k) {
        const int number = s.outdoor.icpidx(i, k);
        if (number < 0 || s.type.iadjz(i, k) != 0) {
            s.wind.cpop(i, k) = 0.0;
            return;
        }
        const int j = coefficientSet(s, number);
        if (j == 0) stopWithoutCpData(s, i, k);
        s.wind.cpop(i, k) = s.wind.cpval(j, sector);
    });
}

// Hydrostatic first guesses and the linear pre-iteration.
void firstGuesses(EngineState& s, int nactive) {
    auto& w = s.airflowwork;
    const double datum = referenceMidHeight(s);
    forEachActiveZone(s, [&](int i) {
        w.pguess(i) = -(s.geo.zmidabs(i) - datum) * kHydrostaticFactor;
        s.pressure.pz(i, 0) = w.pguess(i);
        w.pprev(i) = w.pguess(i);
    });
    for (int it = 1; it <= s.numerics.maxivi; ++it) {
        initp(s);
        double sum = 0.0;
        forEachActiveZone(s, [&](int i) {
            sum += std::fabs(s.pressure.pz(i, 0) - w.pprev(i));
            w.pprev(i) = s.pressure.pz(i, 0);
        });
        s.others.errp = sum / nactive;
        if (s.others.errp <= s.numerics.convvi) break;
    }
}

// Status of a zone pressure that is not finite, 0 when it is.
int nonFiniteStatus(double p) {
    if (sisnan(p)) return 4;
    if (posinf(p)) return 5;
    if (neginf(p)) return 6;
    return 0;
}

int newtonIteration(EngineState& s) {
    int istat = 0;
    int trend = 0;
    const double conv = s.numerics.convv;
    const int maxit = s.numerics.maxitv;
    for (int it = 1; it <= maxit; ++it) {
        extp(s);
        coeff(s);
        const double errqPrev = s.others.errq;
        const double errpPrev = s.others.errp;
        solvep(s);
        for (int n = 1; n <= s.ventzones.nvz && istat == 0; ++n) {
            const int i = s.ventzones.ivz(n);
            if (i >= 1 && i <= kMaxZones) istat = nonFiniteStatus(s.pressure.pz(i, 0));
        }
        if (istat != 0) return istat;
        const double errq = s.others.errq;
        const double errp = s.others.errp;
        trend = it >= kFirstTrendPass && errq > errqPrev && errp > errpPrev ? trend + 1 : 0;
        if (trend > kRunawayPasses) return 3;
        if (errq <= conv && errp <= conv) return 0;
        if (errq > conv && errp == 0.0) return 1;
        if (it == maxit) return 2;
    }
    return istat;
}

} // namespace

int windsector(double d, int previous) {
    if (std::isnan(d)) return previous;
    if (d > 338.0 || d <= 23.0) return 1;
    constexpr double kUpper[] = {68.0, 113.0, 158.0, 203.0, 248.0, 293.0, 338.0};
    int sector = 2;
    for (double upper : kUpper) {
        if (d <= upper) return sector;
        ++sector;
    }
    return previous;
}

// Every NaN, whatever its bit pattern, counts.
bool sisnan(double x) {
    return std::isnan(x);
}
bool posinf(double x) {
    return std::isinf(x) && x > 0.0;
}
bool neginf(double x) {
    return std::isinf(x) && x < 0.0;
}

void mix2(EngineState& s, const common::FixedArray1<double, 0, kMaxZones + 1>& t, double windSpeed,
          double windDirection, int istep, int& istat) {
    auto& w = s.airflowwork;
    istat = 0;
    const int nactive = orderActiveZones(s);
    if (nactive == 0) {
        flowrate(s, istep, istat);
        return;
    }
    prepareStep(s, t, windSpeed);
    w.isector = windsector(windDirection, w.isector);
    pressureCoefficients(s, w.isector);
    // Which zones hold their pressure depends on the opening factors of this call only.
    fixfloatingzones(s);
    firstGuesses(s, nactive);
    istat = newtonIteration(s);
    if (istat >= 3) {
        forEachActiveZone(s, [&](int i) { s.pressure.pz(i, 0) = w.pguess(i); });
    }
    flowrate(s, istep, istat);
}

} // namespace engine
