#include "engine/solar_airflow/window_gains.h"

#include <array>
#include <cmath>

#include "engine/core/state.h"
#include "engine/solar_airflow/beam_shading.h"
#include "engine/solar_airflow/glazing_balance.h"
#include "engine/solar_airflow/solar_drivers.h"

namespace engine {
namespace {

constexpr double kTransmittedShare = 0.9;      // share of the glazing's solar terms booked to the zone
constexpr double kWindowDiffuseCosine = 0.5;   // cosine of the diffuse's equivalent incidence on windows
constexpr double kDiffuseSlope = 30.0;         // degrees: the diffuse meets a skylight as if from this slope
constexpr double kShaftFilmResistance = 0.218; // m2K/W, both films of a light-well shaft wall
constexpr int kFirstWindowSystemOverRoof = 10; // roof-window systems 11..20 use card slots 1..10
constexpr int kFirstSolarRow = 301;            // zone z: transmitted solar in row 301 + z
constexpr int kFirstHeatRow = 451;             // zone z: conducted heat in row 451 + z

enum class SkylightKind { RectangularWell = 1, TubularWell = 2, RoofWindow = 3 };

struct Curtain {
    double R = 0.0; // added resistance, m2K/W
    double T = 1.0; // solar transmittance
    double A = 0.0; // solar absorptance
};

// The curtain state of the step: an automatic curtain (2) is drawn above its solar level.
int resolvedCurtain(int state, double ctrl, double level) {
    if (state != 2) return state;
    return ctrl > level ? 1 : 0;
}

// The glazing system's library and card data (systems 1..20).
GlazingSystem glazingSystemOf(const Wind41Block& w, int sys) {
    GlazingSystem g;
    g.Ug = w.gug(sys);
    g.Uf = w.frmu(sys);
    g.fg = w.gfrac(sys);
    g.eo = w.glib2(sys);
    g.ei = w.glib3(sys);
    g.af = w.frma(sys);
    g.hoL = w.glib4(sys);
    g.hiL = w.glib5(sys);
    g.sref = w.glib6(sys);
    g.n = w.nglay(sys);
    for (int a = 1; a <= kIncidenceAngles; ++a) {
        const auto i = static_cast<std::size_t>(a - 1);
        g.tau[i] = w.gangle(a, sys);
        for (int j = 1; j <= kMaxPanes; ++j) g.abs[static_cast<std::size_t>(j - 1)][i] = w.glayang(a, j, sys);
    }
    for (int j = 1; j <= kMaxPanes + 1; ++j) g.Rg[static_cast<std::size_t>(j - 1)] = w.glayb(j, sys);
    for (int j = 1; j <= kMaxPanes; ++j) g.Rp[static_cast<std::size_t>(j - 1)] = w.glayc(j, sys);
    return g;
}

// A card's replacement of the glass U, frame U or glass fraction stays in the system's data.
void storeReplacements(Wind41Block& w, int sys, const GlazingSystem& g) {
    w.gug(sys) = g.Ug;
    w.frmu(sys) = g.Uf;
    w.gfrac(sys) = g.fg;
}

// The glazing card's four further values: replacement glass U, frame U, glass fraction and the solar
// scaling value, for windows (systems 1..10) or roof windows (11..20).
void cardOverrides(const Wind41Block& w, int sys, GlazingConditions& c) {
    if (sys > kFirstWindowSystemOverRoof) {
        const int k = sys - kFirstWindowSystemOverRoof;
        c.UgOverride = w.rgsys4(k);
        c.UfOverride = w.rgsys5(k);
        c.fgOverride = w.rgsys6(k);
        c.Sc = w.rgsys7(k);
        return;
    }
    c.UgOverride = w.gsys4(sys);
    c.UfOverride = w.gsys5(sys);
    c.fgOverride = w.gsys6(sys);
    c.Sc = w.gsys7(sys);
}

// Solves the glazing balance of system sys and books its heat into zone z for an opening of area
// (m2).  films carries the film iteration from one opening to the next.
void bookGlazing(EngineState& state, int s, int z, int sys, double area, GlazingConditions& c,
                 GlazingFilms& films) {
    Wind41Block& w = state.wind41;
    cardOverrides(w, sys, c);
    GlazingSystem g = glazingSystemOf(w, sys);
    GlazingResult r = uvalsg(state, g, c, &films);
    storeReplacements(w, sys, g);
    const double glzu = w.uwin(sys);
    if (state.blank.iprnt7 == 9) r.U = glzu;
    state.stuff.umax = std::max(state.stuff.umax, r.U);
    state.stuff.umin = std::min(state.stuff.umin, r.U);
    state.stuff.drive2(kFirstSolarRow + z, s) += kTransmittedShare * area * r.taus;
    // The response factors carry the fixed U-value; the step's dynamic U-value adds the difference.
    const double heat =
        kTransmittedShare * r.qc + kTransmittedShare * r.qp + (r.U - glzu) * (c.To - c.Ti) + r.qf;
    state.stuff.drive2(kFirstHeatRow + z, s) += heat * area;
}

// The step's air, wind and thermostat conditions of zone z with the opening's curtain.
GlazingConditions stepConditions(const EngineState& state, int s, int z, double hmax, double tol, int cov,
                                 const Curtain& cur) {
    GlazingConditions c;
    c.cov = cov;
    c.Rc = cur.R;
    c.Tc = cur.T;
    c.Ac = cur.A;
    c.To = state.clim.tair(s);
    c.V = state.clim.wspeed(s) * hmax;
    c.Ti = state.sysb.tzonea(z);
    c.forced = state.sysa.icondon(z);
    c.tol = tol;
    c.zone = z;
    c.step = s;
    return c;
}

void window(EngineState& state, int s, int z, int k, const StepSky& sky, double tol, double hmax,
            GlazingFilms& films) {
    const ShadBlock& shad = state.shad;
    const Wind41Block& w = state.wind41;
    const DiffuseshadBlock& d = state.diffuseshad;
    const ShadowAngles a = shadowAngles(sky, shad.wazim(z, k) * data::RAD);
    const int curtain = shad.wcurt(z, k);
    const Curtain cur =
        curtain > 0 ? Curtain{w.curtr(curtain), w.curtt(curtain), w.curta(curtain)} : Curtain{};

    double Ibeam = 0.0;
    // The beam reaches the pane whenever the sun is in front of it, with or without diffuse light.
    if (a.cosTheta > 0.0 && beamNormal(sky) > 0.0) {
        const BeamShadingPlan& plan = state.beamplans.window(z, k);
        const double fs = checkedSunlitFraction(state, plan, screenFlags(plan, a.h, a.v), a.h, a.v);
        Ibeam = std::max(a.cosTheta * beamNormal(sky) * fs, 0.0);
    }
    // The ground reflects the beam as well as the sky.
    double Idif =
        groundReflected(sky) + d.wdfscr(z, k) * d.wdfhor(z, k) * d.wdfver(z, k) * skyDiffuseVertical(sky);

    // The solar level that draws curtains and uses blinds, taken before any blind.
    const double ctrl = state.blank.iprnt5 == 0 ? Ibeam : Ibeam + Idif;
    int cov = state.stuff.icovw(z, s);
    const int blind = shad.wblind(z, k);
    if (sky.Ta > state.var.blndtw(z) && blind != 0) {
        // An outdoor blind in use: an automatic curtain stays open.
        if (cov == 2) cov = 0;
        if (ctrl > state.var.blndsw(z)) {
            Ibeam *= w.blindw(blind);
            Idif *= w.blindw(blind);
        }
    } else {
        cov = resolvedCurtain(cov, ctrl, state.var.covsw(z));
    }

    GlazingConditions c = stepConditions(state, s, z, hmax, tol, cov, cur);
    c.cb = a.cosTheta;
    c.cd = kWindowDiffuseCosine;
    c.Ib = Ibeam;
    c.Id = Idif;
    bookGlazing(state, s, z, shad.iwsys(z, k), shad.warea(z, k), c, films);
}

// Glass transmittance at an angle (degrees) between the 10-degree entries of the light-well table;
// an angle outside 0..90 leaves the value as it was.
void interpolateWellTable(const SkylightBlock& sk, int isk, double angle, double& value) {
    for (int i = 1; i <= 9; ++i) {
        const double lo = 10.0 * (i - 1);
        if (!(angle >= lo && angle <= lo + 10.0)) continue;
        value = sk.sktau(isk, i) + (sk.sktau(isk, i + 1) - sk.sktau(isk, i)) * (angle - lo) * 0.1;
        return;
    }
}

// Heat exchanged through a light well between the zone its shaft passes through (the zone whose
// cards list it) and the zone it lights: through the shaft wall, and with a diffuser through the
// shaft wall and the diffuser in series.  The wall conducts whether or not the sun shines down the
// well.  The glazing's conduction from outdoors is not added: the skylight's path carries it in the
// zone's response in every step.
void lightWellConduction(EngineState& state, int s, int z, int k) {
    const ShadBlock& shad = state.shad;
    const int isk = shad.issys(z, k) - kFirstWindowSystemOverRoof;
    const int lit = shad.szonlit(z, k);
    const double Ush = shad.sshar(z, k) / (kShaftFilmResistance + shad.sshres(z, k)); // W/K
    const double Tz = state.sysb.tzonea(z);
    const double Tl = state.sysb.tzonea(lit);
    double conductance = Ush; // W/K between the two zones' air
    if (shad.sdiff(z, k) == 1) {
        const double Ud = shad.sarea(z, k) * state.skylight.skp1(isk);
        conductance = Ud + Ush > 0.0 ? Ud * Ush / (Ud + Ush) : 0.0;
    }
    const double q = (Tz - Tl) * conductance; // W from zone z into the lit zone
    state.stuff.drive2(kFirstHeatRow + lit, s) += q;
    state.stuff.drive2(kFirstHeatRow + z, s) -= q;
}

void lightWell(EngineState& state, int s, int z, int k, SkylightKind kind, double cosTheta, double Ibeam,
               double Idif, double ctrl, double Ta) {
    const ShadBlock& shad = state.shad;
    const SkylightBlock& sk = state.skylight;
    lightWellConduction(state, s, z, k);
    if (!(Ibeam > 0.0 || Idif > 0.0)) return;
    const int isk = shad.issys(z, k) - kFirstWindowSystemOverRoof;
    const int lit = shad.szonlit(z, k);
    const int blind = shad.sshade(z, k);
    if (Ta > state.var.blndts(z) && blind != 0 && ctrl > state.var.blndss(z)) {
        Ibeam *= state.wind41.blinds(blind);
        Idif *= state.wind41.blinds(blind);
    }
    // The beam counts only with the sun in front of the glazing: behind it the angle of incidence is
    // past 90 degrees, where neither the glass table nor the tube's reflections mean anything.
    const bool sunInFront = cosTheta > 0.0;
    const double theta = sunInFront ? std::acos(cosTheta) * data::DEG : 90.0; // degrees
    const double thetaDiffuse = std::abs(kDiffuseSlope - shad.sslope(z, k));  // degrees
    if (sunInFront) interpolateWellTable(sk, isk, theta, state.skytaub);
    interpolateWellTable(sk, isk, thetaDiffuse, state.skytaud);

    const double area = shad.sarea(z, k);
    // A skylight without area admits nothing (the shaft formulas divide by it).
    if (!(area > 0.0)) return;
    const double rho = shad.sshref(z, k);
    double tsb = 0.0; // shaft transmittance of the beam
    double tsd = 0.0; // and of the diffuse
    if (kind == SkylightKind::RectangularWell) {
        const double x = shad.sshar(z, k) / (4.0 * area);
        if (rho > 0.0) tsb = tsd = std::exp((0.9107 - 1.3684 / std::sqrt(rho)) * x);
    } else {
        // Tube length over diameter; a ray at angle theta meets the wall 4 x tan(theta) / pi times.
        // With reflectance 0 a ray straight down the tube still passes: 0 to the power 0 is 1.
        const double x = 0.5 * shad.sshlen(z, k) * std::sqrt(data::PI / area);
        if (sunInFront) tsb = std::pow(rho, 4.0 * x * std::tan(theta * data::RAD) / data::PI);
        tsd = std::pow(rho, 4.0 * x * std::tan(thetaDiffuse * data::RAD) / data::PI);
    }
    const bool diffuser = shad.sdiff(z, k) == 1;
    const double C = diffuser ? sk.skp2(isk) : 1.0;
    const double beam = sunInFront ? Ibeam * state.skytaub * tsb * C : 0.0; // W/m2 through the well
    const double Q = (1.0 - shad.skfrf(isk)) * (Idif * state.skytaud * tsd * C + beam) * area; // W
    state.stuff.drive2(kFirstSolarRow + lit, s) += Q;
    if (diffuser && C > 0.0) state.stuff.drive2(kFirstHeatRow + lit, s) += Q * 0.5 * 0.1 / C;
}

void roofWindow(EngineState& state, int s, int z, int k, double cosTheta, double Ibeam, double Idif,
                double ctrl, double tol, double hmax, GlazingFilms& films) {
    const ShadBlock& shad = state.shad;
    const SkylightBlock& sk = state.skylight;
    const double Ta = state.clim.tair(s);
    int cov = state.stuff.icovs(z, s);
    const int blind = shad.sshade(z, k);
    if (Ta <= state.var.blndts(z) || blind == 0) {
        cov = resolvedCurtain(cov, ctrl, state.var.covss(z));
    } else {
        if (cov == 2) cov = 0;
        if (ctrl > state.var.blndss(z)) {
            Ibeam *= state.wind41.blinds(blind);
            Idif *= state.wind41.blinds(blind);
        }
    }
    const int curtain = shad.sshadi(z, k);
    const Curtain cur =
        curtain > 0 ? Curtain{sk.rcurtr(curtain), sk.rcurtt(curtain), sk.rcurta(curtain)} : Curtain{};
    GlazingConditions c = stepConditions(state, s, z, hmax, tol, cov, cur);
    c.cb = cosTheta;
    c.cd = std::cos(std::abs(kDiffuseSlope - shad.sslope(z, k)) * data::RAD);
    c.Ib = Ibeam;
    c.Id = Idif;
    bookGlazing(state, s, z, shad.issys(z, k), shad.sarea(z, k), c, films);
}

void skylight(EngineState& state, int s, int z, int k, const StepSky& sky, double tol, double hmax,
              GlazingFilms& films) {
    const ShadBlock& shad = state.shad;
    const int isk = shad.issys(z, k) - kFirstWindowSystemOverRoof;
    const double beta = shad.sslope(z, k) * data::RAD;
    const double cosTheta = cosIncidence(sky, beta, shad.sazim(z, k) * data::RAD);
    double Ibeam = 0.0;
    double Idif = 0.0;
    // The sky lights the glazing whenever the sun is up, whichever side of its plane the sun is on;
    // the beam needs the sun in front.  Skylights get no ground-reflected part.
    if (sky.alt >= 0.0) {
        Idif = skyDiffuse(sky, beta);
        if (cosTheta > 0.0) Ibeam = cosTheta * beamNormal(sky);
    }
    const double ctrl = state.blank.iprnt5 == 0 ? Ibeam : Ibeam + Idif;
    const int kind = shad.igltyp(isk);
    if (kind == static_cast<int>(SkylightKind::RectangularWell) ||
        kind == static_cast<int>(SkylightKind::TubularWell)) {
        lightWell(state, s, z, k, static_cast<SkylightKind>(kind), cosTheta, Ibeam, Idif, ctrl, sky.Ta);
        return;
    }
    if (kind == static_cast<int>(SkylightKind::RoofWindow))
        roofWindow(state, s, z, k, cosTheta, Ibeam, Idif, ctrl, tol, hmax, films);
}

} // namespace

void openingGains(EngineState& state, int s, const StepSky& sky, double tol, double hmax) {
    // Openings one after the other often repeat the film iteration of the one before.
    GlazingFilms films;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        for (int k = 1; k <= state.shad.nsky(z); ++k) skylight(state, s, z, k, sky, tol, hmax, films);
        for (int k = 1; k <= state.shad.nwin(z); ++k) window(state, s, z, k, sky, tol, hmax, films);
    }
}

} // namespace engine
