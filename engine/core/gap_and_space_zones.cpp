#include "engine/core/gap_and_space_zones.h"

#include <array>
#include <cmath>
#include <sstream>

#include "engine/core/result_files.h"
#include "engine/core/run_stop.h"
#include "engine/core/state.h"
#include "engine/core/zone_heat_balance.h"

namespace engine {
namespace {

constexpr double kStefanBoltzmann = 5.6697e-8; // W/m²K⁴
constexpr double kKelvin = 273.15;
constexpr double kGravity = 9.8; // m/s²
constexpr double kDegree = 0.017453292;
constexpr double kFlowPerConductance = 0.00082850043; // m³/s of air per W/K
constexpr double kHoursPerSecond = 0.00027777778;
constexpr std::string_view kGapLimit = "(1X,'Gap zone: ',I3,': more than ',I3,'iterations')";

// The three nodes of a space: the surface below the air (ceiling or ground), the air, and the
// surface above it (roof or floor).
struct SpaceSurfaces {
    std::array<int, 3> zone{}; // bottom, air, top
    double areaBottom = 0.0;   // m², also the radiating area
    double lengthBottom = 0.0; // m
    double hBottom0 = 0.0;     // convective coefficient of the model, W/m²K
    double areaTop = 0.0, lengthTop = 0.0, hTop0 = 0.0;
    double hRad0 = 0.0;        // radiative coefficient of the model, W/m²K
    double emissivity = 0.0;   // emissivity factor between the two surfaces
    double slope = 0.0;        // degrees, of the top surface
    double crossSection = 0.0; // m² of the air path
    double flow = 0.0;         // m³/s
};

// What the free convection at a roof underside takes from the roof's slope theta (degrees): its
// sine and the critical Grashof number of a roof cooler than the air.  Both stay the same through
// a space's iteration.
struct RoofSlope {
    double theta = 0.0;
    double sine = 0.0;
    double grc = 5e9;
};

RoofSlope roofSlope(double theta) {
    RoofSlope r;
    r.theta = theta;
    r.sine = std::sin(theta * kDegree);
    if (theta <= 15.0)
        r.grc = 1e6;
    else if (theta <= 75.0)
        r.grc = std::pow(10.0, theta / (0.087 * theta + 1.187));
    return r;
}

double roofUndersideFree(double ra, double gr, double pr, const RoofSlope& slope, bool roofWarmer) {
    const double theta = slope.theta, sine = slope.sine;
    if (roofWarmer) return theta > 2.0 ? 0.56 * std::pow(ra * sine, 0.25) : 0.58 * std::pow(ra, 0.2);
    if (theta <= 0.1) return horizontalFree(ra, true);
    const double grc = slope.grc;
    if (gr > grc)
        return 0.14 * (std::cbrt(ra) - std::cbrt(grc * pr)) + 0.56 * std::pow(grc * pr * sine, 0.25);
    return 0.56 * std::pow(ra * sine, 0.25);
}

// Convective coefficient of a surface at ts over air at ta moving at u (m/s), W/m²K; the model's
// value where the surface's length is unknown.  A top surface is a roof underside of the given slope.
double convection(double ts, double ta, double u, double length, double h0, const RoofSlope* top) {
    if (length <= 0.0) return h0;
    const double tm = (ts + ta) / 2.0 + kKelvin;
    double pr = 0.0, mu = 0.0, rho = 0.0, k = 0.0;
    airproperties(tm, pr, mu, rho, k);
    const double gr = length * length * length * std::fabs(ts - ta) * rho * rho * kGravity / (mu * mu * tm);
    const double ra = gr * pr;
    const double re = u * length * rho / mu;
    const double free = top ? roofUndersideFree(ra, gr, pr, *top, ts > ta) : horizontalFree(ra, ts >= ta);
    const double forced = forcedConvection(re, pr);
    const double nu = std::cbrt(forced * forced * forced + free * free * free);
    return k / length * nu;
}

// Works out the gains of a space at the zones' present temperatures, which hold the gains `done`
// already injected for it in the step, and adds what they change to the step's gains to inject.
// A pass moves the three nodes by the same-step responses to the change of the gains, the space's
// own air exchange included, and measures the gains of every pass against the model's own
// coefficients, so the gains carry the whole correction however many passes it took.  Returns the
// largest change of a node's gain (W).
double adjustSpace(EngineState& state, const SpaceSurfaces& s, int space) {
    ZoneStepBlock& w = state.zonestep;
    const auto& z = s.zone;
    std::array<double, 3> t0{}, t{}, q{}, done{};
    for (int i = 0; i < 3; ++i) {
        t0[i] = t[i] = state.rf.fut(1, z[i]);
        done[i] = w.spaceq(i + 1, space);
    }
    // response[m][n]: node n to a gain in node m.  The air of a space ventilated by its wind term or a
    // supply exchanges that air outside its response model: the exchange, f W/K, is taken into the
    // three nodes' responses, as a constant air change is in the model.
    const double f = w.airinverse ? w.outflow(z[1]) : 0.0;
    const double air = 1.0 + sameStep(state, z[1], z[1]) * f;
    std::array<std::array<double, 3>, 3> response{};
    for (int m = 0; m < 3; ++m)
        for (int n = 0; n < 3; ++n)
            response[m][n] = sameStep(state, z[m], z[n]) -
                             sameStep(state, z[1], z[n]) * f * sameStep(state, z[m], z[1]) / air;
    const double u = s.crossSection > 0.0 ? s.flow / s.crossSection : 0.0;
    const RoofSlope slope = roofSlope(s.slope);
    const int passes = std::max(state.numerics.maxitg, 1);
    for (int pass = 1; pass <= passes; ++pass) {
        const double tb = t[0], ta = t[1], tt = t[2];
        const double tr = (tb + tt) / 2.0 + kKelvin;
        const double hrad = s.hRad0 > 0.0 ? s.emissivity * 4.0 * kStefanBoltzmann * tr * tr * tr : 0.0;
        const double hb = s.hBottom0 > 0.0 ? convection(tb, ta, u, s.lengthBottom, s.hBottom0, nullptr) : 0.0;
        const double ht = s.hTop0 > 0.0 ? convection(tt, ta, u, s.lengthTop, s.hTop0, &slope) : 0.0;
        const double db = s.hBottom0 > 0.0 ? hb - s.hBottom0 : 0.0;
        const double dt = s.hTop0 > 0.0 ? ht - s.hTop0 : 0.0;
        const double dr = s.hRad0 > 0.0 ? hrad - s.hRad0 : 0.0;
        q[2] = (ta - tt) * s.areaTop * dt + (tb - tt) * s.areaBottom * dr;
        q[1] = (tb - ta) * s.areaBottom * db + (tt - ta) * s.areaTop * dt;
        q[0] = (ta - tb) * s.areaBottom * db + (tt - tb) * s.areaBottom * dr;
        double change = 0.0;
        for (int n = 0; n < 3; ++n) {
            double next = t0[n];
            for (int m = 0; m < 3; ++m) next += (q[m] - done[m]) * response[m][n];
            change += std::fabs(next - t[n]);
            t[n] = next;
        }
        if (change / 3.0 < state.numerics.convg) break;
    }
    double largest = 0.0;
    for (int m = 0; m < 3; ++m) {
        if (!std::isfinite(q[m])) continue;
        const double added = q[m] - done[m];
        w.addgain(z[m]) += added;
        w.spaceq(m + 1, space) = q[m];
        largest = std::max(largest, std::fabs(added));
    }
    return largest;
}

bool validZone(const EngineState& state, int z) {
    return z >= 1 && z <= state.zones.nzones;
}

} // namespace

void airproperties(double t, double& pr, double& mu, double& rho, double& k) {
    pr = 0.788 - 0.0002631 * t;
    mu = 1.4593e-6 * std::pow(t, 1.5) / (t + 110.4);
    rho = 353.513 / t;
    k = 0.002645 * std::sqrt(t) / (1.0 + (245.4 / t) * std::exp(-27.63 / t));
}

double horizontalFree(double ra, bool unstable) {
    if (!unstable) return 0.58 * std::pow(ra, 0.2);
    return ra > 8e6 ? 0.15 * std::cbrt(ra) : 0.54 * std::pow(ra, 0.25);
}

double roofUndersideFree(double ra, double gr, double pr, double theta, bool roofWarmer) {
    return roofUndersideFree(ra, gr, pr, roofSlope(theta), roofWarmer);
}

double forcedConvection(double re, double pr) {
    if (re > 5e5) return std::cbrt(pr) * (0.037 * std::pow(re, 0.8) - 850.0);
    return 0.664 * std::cbrt(pr) * std::sqrt(re);
}

void gapadjust_s(EngineState& state, int g, int n) {
    const auto& gaps = state.airgaps;
    // A gap without its two resistances or its area has nothing to correct.
    if (!validZone(state, n) || gaps.gapr2(g) <= 0.0 || gaps.gapr3(g) <= 0.0 || gaps.gaparea(g) <= 0.0)
        return;
    const double u1 = 1.0 / gaps.gapr2(g), u2 = 1.0 / gaps.gapr3(g);
    const double um = (u1 + u2) / 2.0;
    const double area = gaps.gaparea(g);
    const double t0g = state.rf.fut(1, g), t0n = state.rf.fut(1, n);
    const double cgg = sameStep(state, g, g), cgn = sameStep(state, g, n);
    const double cng = sameStep(state, n, g), cnn = sameStep(state, n, n);
    double tg = t0g, tn = t0n, q = 0.0;
    double u = state.sysb.tzonea(g) <= state.sysb.tzonea(n) ? u1 : u2;
    const int passes = state.numerics.maxitg + 1;
    bool settled = false;
    for (int pass = 1; pass <= passes; ++pass) {
        q = (u - um) * area * (tn - tg);
        const double nextg = t0g + q * cgg - q * cng;
        const double nextn = t0n + q * cgn - q * cnn;
        const double change = (std::fabs(nextn - tn) + std::fabs(nextg - tg)) / 2.0;
        tg = nextg;
        tn = nextn;
        if (change <= state.numerics.convg) {
            settled = true;
            break;
        }
        u = tg <= tn ? u1 : u2;
    }
    if (!settled) {
        for (const std::string& line : ReportFormat(kGapLimit).lines(
                 {static_cast<long long>(g), static_cast<long long>(state.numerics.maxitg)}))
            consoleLine(state, line);
    }
    if (q == 0.0) return;
    injectGain(state, g, q);
    injectGain(state, n, -q);
}

double roofspaceadjust_s(EngineState& state, int a, int c, int r, double v) {
    if (!validZone(state, c) || !validZone(state, r)) return 0.0;
    const auto& rs = state.roofspaces;
    SpaceSurfaces s;
    s.zone = {c, a, r};
    s.areaBottom = rs.arsc(a);
    s.lengthBottom = rs.lrsc(a);
    s.hBottom0 = rs.hrsc0(a);
    s.areaTop = rs.arsr(a);
    s.lengthTop = rs.lrsr(a);
    s.hTop0 = rs.hrsr0(a);
    s.hRad0 = rs.hrsrad0(a);
    s.emissivity = rs.remisr(a);
    s.slope = rs.rsslope(a);
    s.crossSection = rs.arsx(a);
    s.flow = v;
    return adjustSpace(state, s, a);
}

double subfladjust_s(EngineState& state, int a, int f, int g, double v) {
    if (!validZone(state, f) || !validZone(state, g)) return 0.0;
    const auto& sf = state.subflspaces;
    SpaceSurfaces s;
    s.zone = {g, a, f};
    s.areaBottom = sf.asfg(a);
    s.lengthBottom = sf.lsfg(a);
    s.hBottom0 = sf.hsfg0(a);
    s.areaTop = sf.asff(a);
    s.lengthTop = sf.lsff(a);
    s.hTop0 = sf.hsff0(a);
    s.hRad0 = sf.hsfrad0(a);
    s.emissivity = sf.remisf(a);
    s.slope = 0.0;
    s.crossSection = sf.asfx(a);
    s.flow = v;
    return adjustSpace(state, s, a);
}

double spaceCorrections(EngineState& state, bool first) {
    ZoneStepBlock& w = state.zonestep;
    const auto& links = state.specialzones;
    if (first)
        for (int z = 1; z <= state.zones.nzones; ++z) w.addgain(z) = 0.0;
    double largest = 0.0;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        const std::string& type = state.names.ztype(z);
        const bool roof = type.starts_with("RoofSA"), subfloor = type.starts_with("SubFlA");
        if (!roof && !subfloor) continue;
        if (first)
            for (int m = 1; m <= 3; ++m) w.spaceq(m, z) = 0.0;
        // The outdoor air through the space: its air exchange of the step and its constant air change.
        const double v =
            kFlowPerConductance * w.fcond(z, 0) + state.zones.zvol(z) * state.zn.zonea(z) * kHoursPerSecond;
        const double change = roof ? roofspaceadjust_s(state, z, links.iceilz(z), links.iroofz(z), v)
                                   : subfladjust_s(state, z, links.iflooz(z), links.igrouz(z), v);
        largest = std::max(largest, change);
    }
    return largest;
}

} // namespace engine
