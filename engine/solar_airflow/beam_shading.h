// Beam shading of openings: the sunlit fraction of a rectangular window or wall sol-air path under
// its eave and pergola, its side fins and up to three screens, on a grid of G x G cells.  Left and
// right are seen from inside looking out (right = toward increasing azimuth); the grid's columns run
// from the left end, and every shadow, a fin's or a screen's, is placed in that one frame.
#pragma once

#include <array>

namespace engine {

struct EngineState;

// The largest shading grid: G x G cells with G at most this.
constexpr int kMaxShadingGrid = 100;

// One horizontal scheme with the pergola factor of the month.  Lengths in m; offsets measured
// upwards from the top of the surface.
struct HorizontalShade {
    double eavep = 0.0; // eave projection, m
    double eaveo = 0.0; // eave offset above the surface's top, m
    double pergp = 0.0; // pergola projection, m
    double pergo = 0.0; // pergola offset above the surface's top, m
    double pergf = 1.0; // fraction the pergola lets through this month, 0..1
};

// One vertical scheme: a fin at each side (right = toward increasing azimuth, seen from inside).
struct VerticalShade {
    double leftp = 0.0;  // left fin projection, m
    double lefto = 0.0;  // left fin offset from the surface's side, m
    double rightp = 0.0; // right fin projection, m
    double righto = 0.0; // right fin offset from the surface's side, m
};

// One screen parallel to the surface with its factor of the month.
struct ScreenShade {
    double scrh = 0.0; // height, m
    double scrw = 0.0; // width, m
    double scrd = 0.0; // distance in front of the surface, m
    // Horizontal offset, m: measured from the surface's right end leftwards, the screen spans
    // -scroh to -scroh + scrw (a screen level with the right end has offset 0).
    double scroh = 0.0;
    double scrov = 0.0; // height of its lower edge above the surface's bottom, m
    double scrf = 1.0;  // fraction it lets through this month, 0..1
};

// Everything about one surface's beam shading that stays fixed within a month: its size, its grid
// and its schemes with the month's factors, and the shadow-angle limits (rad) outside which each
// screen is out of view.  Built once per month so that each step only places the shadows.
struct BeamShadingPlan {
    double height = 0.0; // H, m
    double width = 0.0;  // W, m
    int grid = 40;       // G, cells along each side
    int nhorizontal = 0; // used entries of `horizontal`
    std::array<HorizontalShade, 2> horizontal{};
    bool hasVertical = false;
    VerticalShade vertical{};
    // Screen slots 1..3: present when the slot's scheme index is above 0.
    std::array<bool, 3> hasScreen{};
    std::array<ScreenShade, 3> screens{};
    std::array<bool, 3> screenCanShow{};                  // nonzero distance and height
    std::array<double, 3> vmin{}, vmax{}, hmin{}, hmax{}; // in-view shadow-angle limits, rad
};

// Builds the month's plan of a surface of height H and width W (m) on a grid of G cells.  A
// horizontal scheme without eave and pergola projection, and an absent scheme, are left out.
BeamShadingPlan makeBeamShadingPlan(double H, double W, int G, const HorizontalShade* hs1,
                                    const HorizontalShade* hs2, const VerticalShade* vs,
                                    const std::array<const ScreenShade*, 3>& screens);

// The screen visibility flags for the shadow angles h and v (rad): 1 for a screen slot whose screen
// is in view and has a height, else 0.
std::array<int, 3> screenFlags(const BeamShadingPlan& plan, double h, double v);

// The sunlit fraction (0..1) of the plan's surface for the horizontal and vertical shadow angles h
// and v (rad), with the screen flags given.  The same result as multiplying every shadow into every
// cell of the grid and taking the mean, but computed from the row and column factors, in time
// proportional to G and without allocation.
double sunlitFraction(const BeamShadingPlan& plan, const std::array<int, 3>& flags, double h, double v);

// The sunlit fraction fs of a surface of height H and width W (m) with the horizontal schemes hs1 and
// hs2, the vertical scheme vs and the screen schemes sc1..sc3 (indices into the scheme tables, 0 or
// less for none), for the shadow angles h and v (rad) and the screen flags built by the caller.  A
// fraction above 1 (a monthly factor above 1) stops the run.
void calcdirectshad(EngineState& state, double H, double W, int hs1, int hs2, int vs, int sc1, int sc2,
                    int sc3, const std::array<int, 3>& flags, double h, double v, double& fs);

struct ShadBlock;

// The schemes of the tables in block `shad`, with the factors of `month` (1..12).
HorizontalShade horizontalScheme(const ShadBlock& shad, int scheme, int month);
VerticalShade verticalScheme(const ShadBlock& shad, int scheme);
ScreenShade screenScheme(const ShadBlock& shad, int scheme, int month);

// The plan of a surface from the scheme indices (0 or less for none), with the month `imonth` of
// block `tim` and the grid size of block `grid`.
BeamShadingPlan planOfSurface(EngineState& state, double H, double W, int hs1, int hs2, int vs, int sc1,
                              int sc2, int sc3);

// The sunlit fraction of a plan's surface as `calcdirectshad` gives it: a fraction above 1, which only
// a monthly factor above 1 can cause, stops the run with its message.
double checkedSunlitFraction(EngineState& state, const BeamShadingPlan& plan, const std::array<int, 3>& flags,
                             double h, double v);

// Makes the month's plans of every window and wall sol-air path (block `beamplans`).
void makeBeamPlans(EngineState& state);

} // namespace engine
