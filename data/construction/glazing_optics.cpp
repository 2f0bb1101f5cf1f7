#include "data/construction/glazing_optics.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace construction {

namespace {

constexpr double kRefractiveIndex = 1.526;
constexpr double kStefanBoltzmann = 5.67e-8;    // W/m2K4
constexpr double kMeanTemperature = 283.15;     // K
constexpr double kTemperatureDifference = 15.0; // K across the whole glazing
constexpr double kGravity = 9.81;               // m/s2
constexpr double kFilmOutside = 23.0;           // W/m2K
constexpr double kUncoatedEmittance = 0.837;

struct GasProperties {
    double density;      // kg/m3
    double viscosity;    // Pa s
    double conductivity; // W/m K
    double specificHeat; // J/kg K
};

GasProperties gasProperties(Gas gas) {
    // At 10 degC.
    if (gas == Gas::Argon) return {1.699, 2.164e-5, 1.684e-2, 519.0};
    return {1.232, 1.761e-5, 2.496e-2, 1008.0};
}

// Solar transmittance and reflectance of one face pair of an uncoated slab.
struct SlabOptics {
    double t = 0, r = 0;
};

SlabOptics slab(double angleDeg, double internalT0) {
    if (angleDeg >= 90.0) return {0.0, 1.0};
    const double theta = angleDeg * std::numbers::pi / 180.0;
    const double cosI = std::cos(theta);
    const double sinR = std::sin(theta) / kRefractiveIndex;
    const double cosR = std::sqrt(1.0 - sinR * sinR);
    const double rs = std::pow((cosI - kRefractiveIndex * cosR) / (cosI + kRefractiveIndex * cosR), 2);
    const double rp = std::pow((cosR - kRefractiveIndex * cosI) / (cosR + kRefractiveIndex * cosI), 2);
    const double ti = std::pow(internalT0, 1.0 / cosR);
    SlabOptics sum;
    for (double r : {rs, rp}) {
        const double d = 1.0 - r * r * ti * ti;
        sum.t += 0.5 * (1 - r) * (1 - r) * ti / d;
        sum.r += 0.5 * (r + (1 - r) * (1 - r) * r * ti * ti / d);
    }
    return sum;
}

// The internal transmittance that gives an uncoated slab the pane's normal transmittance (as near
// as an uncoated slab can come).
double fittedInternalTransmittance(double solarT) {
    double lo = 0.0, hi = 1.0;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (slab(0.0, mid).t < solarT ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

struct PaneAtAngle {
    double t = 0, rFront = 0, rBack = 0;
};

PaneAtAngle paneAt(const Pane& pane, double angleDeg) {
    const double ti0 = fittedInternalTransmittance(pane.solarT);
    const SlabOptics s0 = slab(0.0, ti0);
    const SlabOptics s = slab(angleDeg, ti0);
    const double rise = (s.r - s0.r) / (1.0 - s0.r);
    PaneAtAngle p;
    p.t = pane.solarT * s.t / s0.t;
    p.rFront = pane.solarRFront + (1.0 - pane.solarRFront) * rise;
    p.rBack = pane.solarRBack + (1.0 - pane.solarRBack) * rise;
    // Absorption never below zero.
    p.t = std::min(p.t, 1.0 - std::max(p.rFront, p.rBack));
    return p;
}

struct SystemOptics {
    double t = 0, r = 0;
    std::array<double, kMaxPanes> absorbed{};
};

// Follows the radiation between the panes: f[k] is the inward and b[k] the outward flux in space k
// (space 0 outdoors, space n the room) per unit of incident radiation.
SystemOptics combine(const std::vector<PaneAtAngle>& panes) {
    const std::size_t n = panes.size();
    std::vector<double> f(n + 1, 0.0), b(n + 1, 0.0);
    f[0] = 1.0;
    for (int pass = 0; pass < 500; ++pass) {
        for (std::size_t i = 1; i <= n; ++i) f[i] = panes[i - 1].t * f[i - 1] + panes[i - 1].rBack * b[i];
        for (std::size_t i = n; i >= 1; --i)
            b[i - 1] = panes[i - 1].rFront * f[i - 1] + panes[i - 1].t * b[i];
    }
    SystemOptics out;
    out.t = f[n];
    out.r = b[0];
    for (std::size_t i = 1; i <= n; ++i) {
        const PaneAtAngle& p = panes[i - 1];
        out.absorbed[i - 1] = (1.0 - p.t - p.rFront) * f[i - 1] + (1.0 - p.t - p.rBack) * b[i];
    }
    return out;
}

// Conductance of a gas space by radiation and by conduction or convection, W/m2K.
double gasSpaceConductance(const GasSpace& space, double emittance1, double emittance2, int spaceCount,
                           Orientation orientation) {
    const double radiative =
        4.0 * kStefanBoltzmann * std::pow(kMeanTemperature, 3) / (1.0 / emittance1 + 1.0 / emittance2 - 1.0);
    const GasProperties g = gasProperties(space.gas);
    const double s = space.width / 1000.0;
    const double dT = kTemperatureDifference / spaceCount;
    const double grashof =
        kGravity * s * s * s * dT * g.density * g.density / (kMeanTemperature * g.viscosity * g.viscosity);
    const double prandtl = g.viscosity * g.specificHeat / g.conductivity;
    const double a = orientation == Orientation::Vertical ? 0.035 : 0.16;
    const double exponent = orientation == Orientation::Vertical ? 0.38 : 0.28;
    const double nusselt = std::max(1.0, a * std::pow(grashof * prandtl, exponent));
    return radiative + nusselt * g.conductivity / s;
}

double filmInside(double emittance) {
    return 3.6 + 4.4 * emittance / kUncoatedEmittance;
}

} // namespace

Pane Pane::reversed() const {
    Pane p = *this;
    std::swap(p.solarRFront, p.solarRBack);
    std::swap(p.emittanceFront, p.emittanceBack);
    return p;
}

GlazingProperties glazingProperties(const Layup& layup, Orientation orientation) {
    const std::size_t n = layup.panes.size();
    if (n < 1 || n > kMaxPanes) throw std::invalid_argument("a glazing has one to three panes");
    if (layup.spaces.size() + 1 != n)
        throw std::invalid_argument("a glazing has one gas space fewer than panes");

    GlazingProperties g;
    g.paneCount = static_cast<int>(n);
    g.emittanceOutside = layup.panes.front().emittanceFront;
    g.emittanceInside = layup.panes.back().emittanceBack;
    g.filmOutside = kFilmOutside;
    g.filmInside = filmInside(g.emittanceInside);

    for (const Pane& p : layup.panes) g.paneResistances.push_back(p.resistance());
    g.nodeResistances.push_back(1.0 / g.filmOutside + 0.5 * g.paneResistances[0]);
    for (std::size_t k = 1; k < n; ++k) {
        const double h =
            gasSpaceConductance(layup.spaces[k - 1], layup.panes[k - 1].emittanceBack,
                                layup.panes[k].emittanceFront, static_cast<int>(n - 1), orientation);
        g.nodeResistances.push_back(0.5 * g.paneResistances[k - 1] + 1.0 / h + 0.5 * g.paneResistances[k]);
    }
    g.nodeResistances.push_back(0.5 * g.paneResistances[n - 1] + 1.0 / g.filmInside);
    double total = 0;
    for (double r : g.nodeResistances) total += r;
    g.centreU = 1.0 / total;

    for (int a = 0; a < kAngleCount; ++a) {
        std::vector<PaneAtAngle> panes;
        for (const Pane& p : layup.panes) panes.push_back(paneAt(p, 10.0 * a));
        const SystemOptics s = combine(panes);
        g.transmittance[a] = s.t;
        for (std::size_t k = 0; k < n; ++k) g.absorptance[k][a] = s.absorbed[k];
        if (a == 0) g.solarReflectance = s.r;
    }

    // Inward-flowing share of the heat absorbed in pane k: the resistance outside its mid-plane
    // over the total.
    g.shgc = g.transmittance[0];
    double outside = 0;
    for (std::size_t k = 0; k < n; ++k) {
        outside += g.nodeResistances[k];
        g.shgc += outside / total * g.absorptance[k][0];
    }

    // Visible and ultraviolet transmittance at normal incidence, panes combined the same way.
    std::vector<PaneAtAngle> visible, ultraviolet;
    for (const Pane& p : layup.panes) {
        visible.push_back({p.visibleT, p.visibleR, p.visibleR});
        ultraviolet.push_back({p.ultravioletT, p.solarRFront, p.solarRBack});
    }
    g.visibleT = combine(visible).t;
    g.ultravioletT = combine(ultraviolet).t;
    return g;
}

} // namespace construction
