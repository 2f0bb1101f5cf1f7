// The share of a vertical surface's sky view that a rectangular screen parallel to it hides, from
// closed-form area integrals of the view factor between two parallel rectangles.
#pragma once

namespace engine {

struct EngineState;

// The geometry of one surface and one screen, all in m.
struct Sky {
    double skw = 0.0;  // surface width W
    double skh = 0.0;  // surface height H
    double sksw = 0.0; // screen width Ws
    double sksh = 0.0; // screen height Hs
    double skso = 0.0; // screen horizontal offset: the surface spans 0..W, the screen -skso..Ws - skso
    double sksv = 0.0; // screen vertical offset: the surface spans 0..H, the screen sksv..sksv + Hs
    double sksd = 0.0; // distance between the surface's plane and the screen's plane
};

// The integrals of the family, each reading the geometry of `sky`.
double i3a(const Sky& sky, double r, double a, double b);
double ij(const Sky& sky, double x, double a, double b);
double i3b(const Sky& sky, double x, double a, double b);
double ik(const Sky& sky, double x, double r);
double i3(const Sky& sky, double a, double b);
double i4(const Sky& sky, double x);

// f: the hidden share of the surface's sky view (0 = the screen hides nothing, 1 = all of it).  The
// share is twice the view factor from each point of the surface to the part of the screen above that
// point's height, averaged over the surface.  A surface without area or a screen at distance 0
// hides nothing: f = 0.  False for sizes that fit no placement (only non-numeric ones do).
bool hiddenSkyShare(const Sky& sky, double& f);

// The hidden share f for the geometry in block `sky`; sizes that fit no placement stop the run.
void skyshad(EngineState& state, double& f);

} // namespace engine
