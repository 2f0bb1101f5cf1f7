#include "engine/solar_airflow/contaminants.h"

#include "common/text_values.h"
#include "engine/core/state.h"
#include "engine/solar_airflow/opening_flows.h"

#include <cmath>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace engine {

namespace {

constexpr double kFloorConcentration = 1e-30;
constexpr double kSourceScale = 0.001; // the source files hold g/s
constexpr int kHoursPerDay = 24;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kAtmosphere = 101325.0; // Pa
constexpr double kWaterAirMassRatio = 0.622;

constexpr const char* kAskCount = "Number of scalars: ";
constexpr const char* kAskName = "Name of scalar: ";
constexpr const char* kAskFiles = "Hourly contaminant file names: ";

double source(const EngineState& s, int zone, int scalar, int entry) {
    const auto& g = s.conc.gsrc;
    if (g.size() == 0 || scalar > s.conc.nscal || entry < 0 || entry > s.conc.lastsource) return 0.0;
    return g(zone, scalar, entry);
}

double outdoorConcentration(const EngineState& s, int scalar, int t) {
    if (scalar < 1 || scalar > kMaxScalars || t < 0 || t > kMaxStepsPerDay) return 0.0;
    return s.conc.cout(scalar, t);
}

// c + h × k over the zones.
void trial(const EngineState& s, const ZoneConcentrations& c, const ZoneConcentrations& k, double h,
           ZoneConcentrations& out) {
    for (int i = 1; i <= s.zones.nzones; ++i) out(i) = c(i) + h * k(i);
}

// Reads the 24 hourly values of the next zone from one source file's values.
void readHours(std::istream& values, const std::string& file, double (&hours)[kHoursPerDay]) {
    for (double& v : hours) {
        if (!(values >> v))
            throw std::runtime_error("Cannot read the hourly sources of contaminant file " + file);
    }
}

} // namespace

void contam(EngineState& s, ScalarConcentrations& c, int nmin, int istep) {
    auto& k = s.conc;
    for (int sc = 1; sc <= k.nscal && sc <= kMaxScalars; ++sc) {
        for (int i = 1; i <= s.zones.nzones; ++i)
            k.cold(i) = c(i, sc) > kFloorConcentration ? c(i, sc) : kFloorConcentration;
        coeff_con(s, sc, istep);
        rk(s, k.cold, k.cnew, 0.0, kSecondsPerMinute * nmin, s.mixc.rungek);
        for (int i = 1; i <= s.zones.nzones; ++i) c(i, sc) = k.cnew(i);
    }
}

void coeff_con(EngineState& s, int sc, int t) {
    auto& k = s.conc;
    const int nz = s.zones.nzones;
    for (int i = 1; i <= nz; ++i) {
        for (int j = 1; j <= nz; ++j) k.amc(i, j) = 0.0;
        k.smc(i) = 0.0;
    }
    const double co = outdoorConcentration(s, sc, t);
    for (int i = 1; i <= nz; ++i) {
        k.amc(i, i) += kReferenceDensity * s.flow.qmex(i);
        k.smc(i) = -source(s, i, sc, t - 1) - kReferenceDensity * s.flow.qmsup(i) * co;
        for (int o = 1; o <= s.open1.nopen(i); ++o) {
            const int a = s.type.iadjz(i, o);
            k.amc(i, i) -= kReferenceDensity * s.flow.qout(i, o);
            if (a > 0 && a <= nz) {
                k.amc(i, a) += kReferenceDensity * s.flow.qin(i, o);
            } else if (a == 0) {
                k.smc(i) -= kReferenceDensity * s.flow.qin(i, o) * co;
            }
        }
    }
}

void dcdt(EngineState& s, double /*t*/, const ZoneConcentrations& c, ZoneConcentrations& dc) {
    const auto& k = s.conc;
    const int nz = s.zones.nzones;
    for (int i = 1; i <= nz; ++i) {
        const double mass = kReferenceDensity * s.zones.zvol(i); // kg of air
        if (mass <= 0.0) {
            // A zone without air holds no contaminant of its own.
            dc(i) = 0.0;
            continue;
        }
        double sum = -k.smc(i);
        for (int j = 1; j <= nz; ++j) sum += k.amc(i, j) * c(j);
        dc(i) = sum / mass;
    }
}

void rk(EngineState& s, const ZoneConcentrations& c0, ZoneConcentrations& c1, double t0, double t1,
        double h) {
    auto& k = s.conc;
    const int nz = s.zones.nzones;
    for (int i = 1; i <= nz; ++i) c1(i) = c0(i);
    // Without a sub-step length the whole interval is one sub-step.
    if (!(h > 0.0)) h = t1 - t0;
    if (!(h > 0.0)) return;
    const long steps = static_cast<long>(std::floor((t1 - t0) / h));
    double t = t0;
    for (long n = 0; n < steps; ++n) {
        dcdt(s, t, c1, k.rk1);
        trial(s, c1, k.rk1, 0.5 * h, k.rktry);
        dcdt(s, t + 0.5 * h, k.rktry, k.rk2);
        trial(s, c1, k.rk2, 0.5 * h, k.rktry);
        dcdt(s, t + 0.5 * h, k.rktry, k.rk3);
        trial(s, c1, k.rk3, h, k.rktry);
        dcdt(s, t + h, k.rktry, k.rk4);
        for (int i = 1; i <= nz; ++i)
            c1(i) += (h / 6.0) * (k.rk1(i) + 2.0 * (k.rk2(i) + k.rk3(i)) + k.rk4(i));
        t += h;
    }
}

void init_con(double& w1, double& w2, double t) {
    const double x = (t - 100.0) / (kZeroCelsius + t);
    const double y = x * (13.3185 - x * (1.976 + x * (0.6445 + 0.1299 * x)));
    const double ratio = std::exp(y); // saturation pressure over one atmosphere
    const double enhancement = 1.0045 + 1.8e-5 * (std::fabs(t - 20.0) + (t - 20.0));
    const double w = kWaterAirMassRatio / (kAtmosphere / (enhancement * kAtmosphere * ratio) - 1.0);
    w1 = w;
    w2 = w;
}

void input(EngineState& s, std::istream& in, std::ostream& out) {
    auto& k = s.conc;
    out << kAskCount << std::flush;
    int count = 0;
    if (!(in >> count) || count < 0 || count > kMaxScalarNames) {
        throw std::runtime_error("The number of scalars must be 0 to " + std::to_string(kMaxScalarNames));
    }
    for (int sc = 1; sc <= count; ++sc) {
        out << kAskName << std::flush;
        std::string name;
        if (!(in >> name)) throw std::runtime_error("Missing the name of scalar " + std::to_string(sc));
        k.scname[static_cast<std::size_t>(sc - 1)] = name.substr(0, 10);
    }
    out << kAskFiles << std::flush;
    std::string files[kMaxScalarNames];
    std::istringstream values[kMaxScalarNames];
    for (int sc = 0; sc < count; ++sc) {
        if (!(in >> files[sc]))
            throw std::runtime_error("Missing the source file of scalar " + std::to_string(sc + 1));
        std::string text;
        for (const auto& line : common::readTextLines(files[sc])) text += line + '\n';
        values[sc].str(text);
    }
    const int nz = s.zones.nzones;
    const bool hourly = s.time.mintwx == 60;
    const int perHour = hourly ? 1 : (s.time.nstphr > 0 ? s.time.nstphr : 1);
    // Hour h's value goes to the entries from h × (steps per hour), hour 24's also to the first
    // entries, so the table reaches to 25 hours of entries.
    const int last = hourly ? kHoursPerDay : (kHoursPerDay + 1) * perHour - 1;
    k.gsrc.allocate(1, nz, 1, count > 0 ? count : 1, 0, last, 0.0);
    s.conc.lastsource = last;
    for (int i = 1; i <= nz; ++i) {
        for (int sc = 1; sc <= count; ++sc) {
            double hours[kHoursPerDay];
            readHours(values[sc - 1], files[sc - 1], hours);
            for (int h = 1; h <= kHoursPerDay; ++h) {
                const double v = kSourceScale * hours[h - 1];
                for (int e = h * perHour; e < (h + 1) * perHour; ++e) k.gsrc(i, sc, e) = v;
                if (h == kHoursPerDay) {
                    for (int e = 0; e < perHour; ++e) k.gsrc(i, sc, e) = v;
                }
            }
        }
    }
    k.nscal = count;
}

void input(EngineState& s) {
    input(s, std::cin, std::cout);
}

} // namespace engine
