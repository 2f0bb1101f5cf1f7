// Glazing layer heat balance: the dynamic U-value of a window or roof window, the solar radiation it
// transmits and the inward-flowing part of the solar radiation absorbed in its panes, frame and
// curtain, from a steady balance of the panes (and a drawn curtain) between outdoor and zone air.
#pragma once

#include <array>

namespace engine {

struct EngineState;

constexpr int kMaxPanes = 3;
constexpr int kIncidenceAngles = 10; // table entries at 0, 10, ..., 90 degrees

// One glazing system's library and card data.
struct GlazingSystem {
    double Ug = 0.0;  // centre-glass U-value at the library film coefficients, W/m2K
    double Uf = 0.0;  // frame U-value, W/m2K
    double fg = 1.0;  // glass fraction of the opening area
    double eo = 0.84; // outer surface emissivity
    double ei = 0.84; // inner surface emissivity
    double af = 0.0;  // frame solar absorptance
    double hoL = 0.0; // outside film coefficient of the library data, W/m2K
    double hiL = 0.0; // inside film coefficient of the library data, W/m2K
    std::array<double, kIncidenceAngles> tau{}; // solar transmittance at 0..90 degrees
    int n = 1;                                  // panes, 1..3
    double sref = 0.0;                          // library reference of the solar scaling value
    std::array<std::array<double, kIncidenceAngles>, kMaxPanes> abs{}; // abs[pane][angle], outside pane first
    std::array<double, kMaxPanes + 1> Rg{}; // resistances between nodes, outside to inside, m2K/W
    std::array<double, kMaxPanes> Rp{};     // resistance of each pane, m2K/W
};

// The conditions of one step.
struct GlazingConditions {
    int cov = 0;             // curtain state: 0 open, otherwise drawn
    double To = 0.0;         // outdoor air temperature, C
    double V = 0.0;          // local wind speed, m/s
    double Ti = 0.0;         // zone air temperature, C
    double cb = 1.0;         // cosine of the beam's angle of incidence
    double cd = 0.5;         // cosine of the equivalent incidence of the diffuse
    double Ib = 0.0;         // beam irradiance on the glazing, W/m2
    double Id = 0.0;         // diffuse irradiance on the glazing, W/m2
    double Rc = 0.0;         // curtain added resistance, m2K/W
    double Tc = 1.0;         // curtain solar transmittance
    double Ac = 0.0;         // curtain solar absorptance
    int forced = 0;          // nonzero while the zone's thermostat is active
    double tol = 0.01;       // tolerance on the film coefficients, W/m2K
    double UgOverride = 0.0; // replacement of Ug from the glazing card, 0 = none
    double UfOverride = 0.0; // replacement of Uf, 0 = none
    double fgOverride = 0.0; // replacement of fg, 0 = none
    double Sc = 0.0;         // solar scaling value from the glazing card, 0 = none
    int zone = 0;            // zone of the opening, named when the balance stops the run
    int step = 0;            // step of the day, named likewise
};

struct GlazingResult {
    double ho = 0.0;     // outside film coefficient, W/m2K
    double hi = 0.0;     // inside film coefficient, W/m2K
    double hic = 0.0;    // inside convective coefficient, W/m2K
    double hir = 0.0;    // inside radiative coefficient, W/m2K
    double U = 0.0;      // U-value of the whole opening, W/m2K
    double taus = 0.0;   // transmitted solar radiation, W/m2 of opening
    double qf = 0.0;     // inward-flowing solar absorbed in the frame, W/m2
    double qp = 0.0;     // inward-flowing solar absorbed in the panes, W/m2
    double qc = 0.0;     // inward-flowing solar absorbed in the curtain, W/m2
    int passes = 0;      // film coefficient passes made
    bool settled = true; // the film coefficients settled within the pass limit
};

// The curtain counts as drawn when its state says so and it insulates or shades: a curtain of no
// resistance, transmittance 1 and absorptance 0 is no curtain.
bool curtainDrawn(const GlazingConditions& conditions);

// The most passes of the film coefficient iteration that may still end it.
constexpr int kMaxFilmPasses = 10;

// The film coefficient iteration of a balance: every input it depends on (the pane and gap
// resistances, the curtain, the absorbed solar of each node, the air temperatures, the wind, the
// emissivities, the library films and the tolerance) and what it gave.  The windows of a zone share
// all of these within a step whenever they receive the same solar radiation, as every window of one
// glazing system does in the dark; a balance whose inputs equal the record's to the bit takes the
// record's outcome, which iterating again would give unchanged.
struct GlazingFilms {
    static constexpr int kInputs = 24;
    std::array<double, kInputs> inputs{};
    bool valid = false; // the record holds an iteration
    double ho = 0.0, hi = 0.0, hic = 0.0, hir = 0.0;
    int passes = 0;
};

// Solves the balance of `system` under `conditions`.  A card replacement of Ug, Uf or fg is written
// into `system`, and so stays in the system's stored data.  Never stops the run; the result says
// whether the film coefficients settled.  With `films`, an iteration on the same inputs as the one it
// records is taken from it, and the iteration made is recorded in it.
GlazingResult solveGlazingBalance(GlazingSystem& system, const GlazingConditions& conditions,
                                  GlazingFilms* films = nullptr);

// The balance as the solar gains call it: solves it and, when the film coefficients have not settled,
// writes the message to the text report; with open glazing it then stops the run, with a drawn
// curtain the run goes on with the last pass's values.
GlazingResult uvalsg(EngineState& state, GlazingSystem& system, const GlazingConditions& conditions,
                     GlazingFilms* films = nullptr);

} // namespace engine
