#include "engine/solar_airflow/beam_shading.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "engine/core/run_stop.h"
#include "engine/core/state.h"

namespace engine {
namespace {

// Cell centres along one side of the grid: centre k (1..G) lies at (k - 0.5) * length / G.  Every
// shadow edge is compared with these centres, so each shadow covers a run of whole rows or columns.
class CellCentres {
  public:
    CellCentres(double length, int cells) : length_(length), cells_(cells) {}

    double centre(int k) const { return (k - 0.5) * length_ / cells_; }

    // The number of centres at or below `limit`.
    int countAtMost(double limit) const {
        int k = estimate(limit);
        while (k < cells_ && centre(k + 1) <= limit) ++k;
        while (k > 0 && centre(k) > limit) --k;
        return k;
    }

    // The number of centres strictly below `limit`.
    int countBelow(double limit) const {
        int k = estimate(limit);
        while (k < cells_ && centre(k + 1) < limit) ++k;
        while (k > 0 && centre(k) >= limit) --k;
        return k;
    }

  private:
    // A first guess, corrected by the exact comparisons of the callers.
    int estimate(double limit) const {
        if (!(length_ > 0.0) || !std::isfinite(limit)) return limit > 0.0 ? cells_ : 0;
        const double k = std::floor(limit * cells_ / length_ + 0.5);
        return static_cast<int>(std::clamp(k, 0.0, static_cast<double>(cells_)));
    }

    double length_;
    int cells_;
};

// An index range first..last of rows or columns (empty when first > last).
struct Run {
    int first = 1;
    int last = 0;
};

Run intersect(Run a, Run b) {
    return {std::max(a.first, b.first), std::min(a.last, b.last)};
}

// Factors of each row (or column), with running sums for the sum over a run.
class Factors {
  public:
    explicit Factors(int cells) : cells_(cells) { std::fill_n(value_.begin() + 1, cells, 1.0); }

    void multiply(Run run, double factor) {
        for (int k = std::max(run.first, 1); k <= std::min(run.last, cells_); ++k) value_[k] *= factor;
    }

    void accumulate() {
        sum_[0] = 0.0;
        for (int k = 1; k <= cells_; ++k) sum_[k] = sum_[k - 1] + value_[k];
    }

    double sum(Run run) const {
        const int first = std::max(run.first, 1);
        const int last = std::min(run.last, cells_);
        return first > last ? 0.0 : sum_[last] - sum_[first - 1];
    }

  private:
    int cells_;
    // Only entries 1..cells of value_ and 0..cells of sum_ are used; they are set before they are read.
    std::array<double, kMaxShadingGrid + 1> value_;
    std::array<double, kMaxShadingGrid + 1> sum_;
};

// The rows shaded by one eave and pergola for the profile tangent t: rows with a centre above the
// eave's shadow line are zeroed, rows between it and the pergola's shadow line get the pergola factor.
void shadeRows(const HorizontalShade& s, double H, double t, const CellCentres& y, Factors& rows) {
    const double se = s.eavep * t >= s.eaveo ? s.eavep * t - s.eaveo : 0.0; // m below the top
    double sp = s.pergp * t - s.pergo;                                      // m below the top
    if (sp < 0.0 || s.pergo < -H) sp = 0.0;
    const int all = kMaxShadingGrid; // the last row, whatever the grid
    if (se == 0.0 && sp > 0.0) {
        rows.multiply({y.countAtMost(H - sp) + 1, y.countAtMost(H + s.pergo)}, s.pergf);
        return;
    }
    if (se > 0.0 && se < sp) {
        rows.multiply({y.countAtMost(H - se) + 1, all}, 0.0);
        rows.multiply({y.countAtMost(H - sp) + 1, y.countAtMost(H - se)}, s.pergf);
        return;
    }
    if (se >= sp && se > 0.0) rows.multiply({y.countAtMost(H - se) + 1, all}, 0.0);
}

// The columns in the shadow of the fin on the sun's side, for the horizontal shadow angle h.
void shadeColumns(const VerticalShade& s, double W, double h, const CellCentres& x, Factors& columns) {
    const bool right = s.rightp > 0.0 && h > 0.0;
    const bool left = s.leftp > 0.0 && h < 0.0;
    if (!right && !left) return;
    const double width = right ? s.rightp * std::abs(std::tan(h)) - s.righto // m
                               : s.leftp * std::abs(std::tan(h)) - s.lefto;
    if (!(width > 0.0)) return;
    if (h > 0.0) {
        columns.multiply({x.countAtMost(W - width) + 1, kMaxShadingGrid}, 0.0);
        return;
    }
    columns.multiply({1, x.countBelow(width)}, 0.0);
}

// The cells strictly inside the band lo..hi (both clamped to 0..length).
Run band(double lo, double hi, double length, const CellCentres& centres) {
    const double a = std::clamp(lo, 0.0, length);
    const double b = std::clamp(hi, 0.0, length);
    return {centres.countAtMost(a) + 1, centres.countBelow(b)};
}

} // namespace

BeamShadingPlan makeBeamShadingPlan(double H, double W, int G, const HorizontalShade* hs1,
                                    const HorizontalShade* hs2, const VerticalShade* vs,
                                    const std::array<const ScreenShade*, 3>& screens) {
    assert(G >= 1 && G <= kMaxShadingGrid);
    BeamShadingPlan plan;
    plan.height = H;
    plan.width = W;
    plan.grid = std::clamp(G, 1, kMaxShadingGrid); // never past the row and column arrays
    for (const HorizontalShade* hs : {hs1, hs2}) {
        if (hs == nullptr || (hs->eavep == 0.0 && hs->pergp == 0.0)) continue;
        plan.horizontal[static_cast<std::size_t>(plan.nhorizontal++)] = *hs;
    }
    if (vs != nullptr) {
        plan.hasVertical = true;
        plan.vertical = *vs;
    }
    for (std::size_t m = 0; m < 3; ++m) {
        if (screens[m] == nullptr) continue;
        const ScreenShade& s = *screens[m];
        plan.hasScreen[m] = true;
        plan.screens[m] = s;
        plan.screenCanShow[m] = s.scrd != 0.0 && s.scrh != 0.0;
        if (!plan.screenCanShow[m]) continue;
        plan.vmin[m] = std::atan((s.scrov - H) / s.scrd);
        plan.vmax[m] = std::atan((s.scrov + s.scrh) / s.scrd);
        plan.hmin[m] = -std::atan((s.scrw - s.scroh) / s.scrd);
        plan.hmax[m] = std::atan((s.scroh + W) / s.scrd);
    }
    return plan;
}

std::array<int, 3> screenFlags(const BeamShadingPlan& plan, double h, double v) {
    std::array<int, 3> flags{};
    for (std::size_t m = 0; m < 3; ++m) {
        if (!plan.hasScreen[m] || !plan.screenCanShow[m]) continue;
        const bool outOfView = v < plan.vmin[m] || v > plan.vmax[m] || h < plan.hmin[m] || h > plan.hmax[m];
        flags[m] = outOfView ? 0 : 1;
    }
    return flags;
}

double sunlitFraction(const BeamShadingPlan& plan, const std::array<int, 3>& flags, double h, double v) {
    const int G = plan.grid;
    const double H = plan.height;
    const double W = plan.width;
    const CellCentres y(H, G);
    const CellCentres x(W, G);
    Factors rows(G);
    Factors columns(G);

    if (plan.nhorizontal > 0) {
        const double t = std::tan(v);
        for (int k = 0; k < plan.nhorizontal; ++k)
            shadeRows(plan.horizontal[static_cast<std::size_t>(k)], H, t, y, rows);
    }
    if (plan.hasVertical) shadeColumns(plan.vertical, W, h, x, columns);
    rows.accumulate();
    columns.accumulate();

    // Screens multiply the cells of a rectangle.  The sum over the grid of row x column x screen
    // factors expands into one product of a row run and a column run per set of overlapping
    // screens: the product over screens of (1 + (f - 1) [cell in screen]).
    std::array<Run, 3> screenRows{};
    std::array<Run, 3> screenColumns{};
    std::array<double, 3> excess{}; // f - 1 of each screen in view
    int inView = 0;
    std::array<std::size_t, 3> slot{};
    for (std::size_t m = 0; m < 3; ++m) {
        if (flags[m] == 0 || !plan.hasScreen[m]) continue;
        const ScreenShade& s = plan.screens[m];
        const double ylo = s.scrov - s.scrd * std::tan(v);
        screenRows[m] = band(ylo, ylo + s.scrh, H, y);
        // The screen's shadow across the surface, measured like its offset from the right end
        // leftwards (a sun on the right, h > 0, moves it left), then turned into the distance from
        // the left end that the grid and the fins use.
        const double fromRight = s.scrd * std::tan(h) - s.scroh; // m
        screenColumns[m] = band(W - fromRight - s.scrw, W - fromRight, W, x);
        excess[m] = s.scrf - 1.0;
        slot[static_cast<std::size_t>(inView++)] = m;
    }

    double sum = 0.0;
    for (unsigned subset = 0; subset < (1u << inView); ++subset) {
        double coefficient = 1.0;
        Run r{1, G};
        Run c{1, G};
        for (int k = 0; k < inView; ++k) {
            if ((subset & (1u << k)) == 0) continue;
            const std::size_t m = slot[static_cast<std::size_t>(k)];
            coefficient *= excess[m];
            r = intersect(r, screenRows[m]);
            c = intersect(c, screenColumns[m]);
        }
        if (coefficient == 0.0) continue;
        sum += coefficient * rows.sum(r) * columns.sum(c);
    }
    return std::max(sum / (static_cast<double>(G) * G), 0.0);
}

} // namespace engine

namespace engine {
namespace {

constexpr char kScreenError[] = "*** ERROR IN SCREEN CALCULATION ***";
constexpr int kDefaultGrid = 40;

// The input reader makes a grid size of 0 into 40 and refuses one above 100; the grid never
// exceeds its arrays whatever the block holds.
int gridSize(const EngineState& state) {
    const int G = state.grid.ngrid;
    if (G <= 0) return kDefaultGrid;
    return std::min(G, kMaxShadingGrid);
}

} // namespace

HorizontalShade horizontalScheme(const ShadBlock& shad, int scheme, int month) {
    return {shad.eavep(scheme), shad.eaveo(scheme), shad.pergp(scheme), shad.pergo(scheme),
            shad.pergf(scheme, month)};
}

VerticalShade verticalScheme(const ShadBlock& shad, int scheme) {
    return {shad.leftp(scheme), shad.lefto(scheme), shad.rightp(scheme), shad.righto(scheme)};
}

ScreenShade screenScheme(const ShadBlock& shad, int scheme, int month) {
    return {shad.scrh(scheme),  shad.scrw(scheme),  shad.scrd(scheme),
            shad.scroh(scheme), shad.scrov(scheme), shad.scrf(scheme, month)};
}

BeamShadingPlan planOfSurface(EngineState& state, double H, double W, int hs1, int hs2, int vs, int sc1,
                              int sc2, int sc3) {
    const ShadBlock& shad = state.shad;
    const int month = state.tim.imonth;
    std::array<HorizontalShade, 2> horizontal{};
    std::array<ScreenShade, 3> screen{};
    VerticalShade vertical{};
    const std::array<int, 2> hs{hs1, hs2};
    const std::array<int, 3> sc{sc1, sc2, sc3};
    std::array<const HorizontalShade*, 2> h{};
    std::array<const ScreenShade*, 3> s{};
    for (std::size_t m = 0; m < 2; ++m) {
        if (hs[m] <= 0) continue;
        horizontal[m] = horizontalScheme(shad, hs[m], month);
        h[m] = &horizontal[m];
    }
    for (std::size_t m = 0; m < 3; ++m) {
        if (sc[m] <= 0) continue;
        screen[m] = screenScheme(shad, sc[m], month);
        s[m] = &screen[m];
    }
    if (vs > 0) vertical = verticalScheme(shad, vs);
    return makeBeamShadingPlan(H, W, gridSize(state), h[0], h[1], vs > 0 ? &vertical : nullptr, s);
}

double checkedSunlitFraction(EngineState& state, const BeamShadingPlan& plan, const std::array<int, 3>& flags,
                             double h, double v) {
    const double fs = sunlitFraction(plan, flags, h, v);
    // The factors are products of fractions 0..1; rounding in their sums never reaches this margin.
    if (fs > 1.0 + 1e-12) stopRun(state, {kScreenError});
    return fs;
}

void calcdirectshad(EngineState& state, double H, double W, int hs1, int hs2, int vs, int sc1, int sc2,
                    int sc3, const std::array<int, 3>& flags, double h, double v, double& fs) {
    const BeamShadingPlan plan = planOfSurface(state, H, W, hs1, hs2, vs, sc1, sc2, sc3);
    fs = checkedSunlitFraction(state, plan, flags, h, v);
}

void makeBeamPlans(EngineState& state) {
    const ShadBlock& shad = state.shad;
    BeamPlans& plans = state.beamplans;
    const int nzones = state.zones.nzones;
    if (plans.window.hi1() != nzones) plans.window.allocate(1, nzones, 1, kMaxWindowsPerZone);
    if (plans.path.hi() != kMaxWallPaths) plans.path.allocate(1, kMaxWallPaths);
    for (int z = 1; z <= nzones; ++z) {
        for (int k = 1; k <= shad.nwin(z); ++k) {
            plans.window(z, k) =
                planOfSurface(state, shad.wheight(z, k), shad.wwidth(z, k), shad.whs1(z, k), shad.whs2(z, k),
                              shad.wvs(z, k), shad.wsc1(z, k), shad.wsc2(z, k), shad.wsc3(z, k));
        }
    }
    for (int k = 1; k <= shad.nwpath; ++k) {
        plans.path(k) = planOfSurface(state, shad.wphgt(k), shad.wpwid(k), shad.wphs(k), 0, shad.wpvs(k),
                                      shad.wpsc1(k), shad.wpsc2(k), shad.wpsc3(k));
    }
    plans.month = state.tim.imonth;
}

} // namespace engine
