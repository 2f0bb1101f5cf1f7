#include "engine/solar_airflow/diffuse_shading.h"

#include <algorithm>
#include <cmath>

#include "engine/core/state.h"
#include "engine/solar_airflow/screen_view_factor.h"

namespace engine {
namespace {

// The horizontal factor of an eave and a pergola, sizes relative to the surface's height: which of the
// two limits the sky view depends on the heights at which each one's edge hides more.
double horizontalCase(double Pe, double Oe, double Pp, double Op, double m) {
    const double eave = overhangSkyShare(Oe, Pe);
    const double blend = (1.0 - m) * overhangSkyShare(Op, Pp) + m * eave;
    if (Pe < Pp) {
        if (Op < Oe || Oe == Op) return blend;
    } else if (Pp < Pe) {
        if (Oe < Op || Oe == Op) return eave;
    } else {
        return Op < Oe ? blend : eave;
    }
    // Cases in which the pergola's and the eave's edges are in line with a point of the surface:
    // x is that point's height in surface heights above the bottom, L the distance between edges.
    const double d = Pp - Pe;
    const double x = 1.0 + (Pp * Oe - Op * Pe) / d;
    const double L = d * std::sqrt((Op - Oe) * (Op - Oe) / (d * d) + 1.0);
    if (Pe < Pp) { // eave shorter and lower than the pergola
        if (x <= 0.0) return eave;
        if (x >= 1.0) return blend;
        const double A = std::sqrt((Oe + 1.0) * (Oe + 1.0) + Pe * Pe);
        return (std::sqrt((Op + 1.0) * (Op + 1.0) + Pp * Pp) - A - L) * (1.0 - m) +
               (A - std::sqrt(Oe * Oe + Pe * Pe));
    }
    // eave longer and higher than the pergola
    if (x <= 0.0) return blend;
    if (x >= 1.0) return eave;
    const double B = std::sqrt(Op * Op + Pp * Pp);
    return m * (B - std::sqrt(Oe * Oe + Pe * Pe)) + (1.0 - m) * L +
           (std::sqrt((Oe + 1.0) * (Oe + 1.0) + Pe * Pe) - B);
}

} // namespace

double overhangSkyShare(double O, double P) {
    return std::sqrt((O + 1.0) * (O + 1.0) + P * P) - std::sqrt(O * O + P * P);
}

double horizontalSkyFactor(const HorizontalShade& scheme, double Ht) {
    double Pe = 0.0, Oe = 0.0, Pp = 0.0, Op = 0.0; // relative to the surface's height
    if (Ht > 0.0) {
        Pe = scheme.eavep / Ht;
        Oe = scheme.eaveo / Ht;
        Pp = scheme.pergp / Ht;
        Op = scheme.pergo / Ht;
    }
    Pe = std::max(Pe, 0.0);
    Pp = std::max(Pp, 0.0);
    if (!(Pe > 0.0) && !(Pp > 0.0)) return 1.0;
    Oe = std::max(Oe, 0.0);
    Op = std::max(Op, 0.0);
    return std::clamp(horizontalCase(Pe, Oe, Pp, Op, scheme.pergf), 0.0, 1.0);
}

double verticalSkyFactor(const VerticalShade& scheme, double Wd) {
    double Pl = 0.0, Ol = 0.0, Pr = 0.0, Or = 0.0; // relative to the surface's width
    if (Wd > 0.0) {
        Pl = std::max(scheme.leftp / Wd, 0.0);
        Ol = std::max(scheme.lefto / Wd, 0.0);
        Pr = std::max(scheme.rightp / Wd, 0.0);
        Or = std::max(scheme.righto / Wd, 0.0);
    }
    const bool left = Pl != 0.0;
    const bool right = Pr != 0.0;
    double value = 1.0;
    if (left && right) {
        value = 0.5 * (overhangSkyShare(Ol, Pl) + overhangSkyShare(Or, Pr));
    } else if (right) {
        value = 0.5 * (overhangSkyShare(Or, Pr) + 1.0);
    } else if (left) {
        value = 0.5 * (overhangSkyShare(Ol, Pl) + 1.0);
    }
    return std::clamp(value, 0.0, 1.0);
}

double screenSkyFactor(EngineState& state, const std::array<const ScreenShade*, 3>& screens, double Wd,
                       double Ht) {
    // A surface without width or height has no sky view for a screen to hide.
    if (Wd * Ht == 0.0) return 1.0;
    double factor = 1.0;
    for (const ScreenShade* s : screens) {
        if (s == nullptr || s->scrd == 0.0 || s->scrf == 1.0) continue;
        state.sky = Sky{Wd, Ht, s->scrw, s->scrh, s->scroh, s->scrov, s->scrd};
        double f = 0.0;
        skyshad(state, f);
        factor -= (1.0 - s->scrf) * f;
    }
    return std::max(factor, 0.0);
}

} // namespace engine

namespace engine {
namespace {

struct SurfaceFactors {
    double screen = 1.0;
    double horizontal = 1.0;
    double vertical = 1.0;
};

// The three sky-diffuse factors of one surface of width Wd and height Ht (m) with its schemes.
SurfaceFactors surfaceFactors(EngineState& state, double Wd, double Ht, const std::array<int, 2>& hs, int vs,
                              const std::array<int, 3>& sc) {
    const ShadBlock& shad = state.shad;
    const int month = state.tim.imonth;
    SurfaceFactors f;
    std::array<ScreenShade, 3> screen{};
    std::array<const ScreenShade*, 3> screens{};
    for (std::size_t m = 0; m < 3; ++m) {
        if (sc[m] <= 0) continue;
        screen[m] = screenScheme(shad, sc[m], month);
        screens[m] = &screen[m];
    }
    f.screen = screenSkyFactor(state, screens, Wd, Ht);
    for (int scheme : hs) {
        const double value =
            scheme > 0 ? horizontalSkyFactor(horizontalScheme(shad, scheme, month), Ht) : 1.0;
        f.horizontal = std::min(f.horizontal, value);
    }
    if (vs > 0) f.vertical = verticalSkyFactor(verticalScheme(shad, vs), Wd);
    return f;
}

} // namespace

void calcdiffuseshading(EngineState& state) {
    const ShadBlock& shad = state.shad;
    DiffuseshadBlock& d = state.diffuseshad;
    for (int z = 1; z <= state.zones.nzones; ++z) {
        for (int k = 1; k <= shad.nwin(z); ++k) {
            d.wdfscr(z, k) = 1.0;
            d.wdfhor(z, k) = 1.0;
            d.wdfver(z, k) = 1.0;
            if (shad.warea(z, k) == 0.0) continue;
            const SurfaceFactors f = surfaceFactors(state, shad.wwidth(z, k), shad.wheight(z, k),
                                                    {shad.whs1(z, k), shad.whs2(z, k)}, shad.wvs(z, k),
                                                    {shad.wsc1(z, k), shad.wsc2(z, k), shad.wsc3(z, k)});
            d.wdfscr(z, k) = f.screen;
            d.wdfhor(z, k) = f.horizontal;
            d.wdfver(z, k) = f.vertical;
        }
    }
    // A wall path has one horizontal scheme: the second slot counts as none.
    for (int k = 1; k <= shad.nwpath; ++k) {
        const SurfaceFactors f = surfaceFactors(state, shad.wpwid(k), shad.wphgt(k), {shad.wphs(k), 0},
                                                shad.wpvs(k), {shad.wpsc1(k), shad.wpsc2(k), shad.wpsc3(k)});
        d.wpdfscr(k) = f.screen;
        d.wpdfhor(k) = f.horizontal;
        d.wpdfver(k) = f.vertical;
    }
    makeBeamPlans(state);
}

} // namespace engine
