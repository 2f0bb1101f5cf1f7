// View factors and radiant absorption (Gebhart) factors of a zone reduced to a rectangular box with
// one window.  The view factors come from the closed-form contour-integral formulas for rectangles
// that meet at right angles along a common edge direction and for directly opposed parallel
// rectangles; the absorption factors treat the box as an enclosure of grey, diffuse surfaces.
//
// Surfaces of the box (index k of the absorption factors; index k + 1 of the view-factor table,
// whose index 1 is the whole window wall):
//   1 side wall at the end x = W of the window wall   (H x L)
//   2 wall opposite the window wall                    (H x W)
//   3 side wall at the end x = 0 of the window wall   (H x L)
//   4 ceiling                                          (W x L)
//   5 floor                                            (W x L)
//   6 window, horizontally centred, its top at the ceiling
//   7 window wall without the window
// Lengths are in metres, areas in m2; the factors are dimensionless.
#pragma once

#include "engine/core/section_blocks.h"

namespace engine {

struct EngineState;

// Term of the perpendicular-rectangle factor at one corner of the integration (1/m2 * m4 = m2 / A).
double f1(double a, double x, double y, double xi, double eta);
// View factor from rectangle 1 (x1..x2 along the shared direction, y1..y2 away from the line where
// the planes meet; area a) to a perpendicular rectangle 2 (xi1..xi2, eta1..eta2).
double vf(double a, double x1, double x2, double y1, double y2, double xi1, double xi2, double eta1,
          double eta2);

// Term of the parallel-rectangle factor at one corner, planes a distance z apart.
double f2(double a, double z, double x, double y, double xi, double eta);
// View factor from rectangle 1 (x1..x2 by y1..y2, area a) to a directly opposed parallel rectangle 2
// (xi1..xi2 by eta1..eta2 in the same axes) at distance z.
double vfp(double a, double z, double x1, double x2, double y1, double y2, double xi1, double xi2,
           double eta1, double eta2);

// One perpendicular factor from an a1 x a2 rectangle to an a3 x a4 rectangle (sharing the edge
// direction of a1 and a3, both starting at the common edge), stored at the four symmetric pairs
// (i1, i2) x (i3, i4) of the table and, by reciprocity, back.  areas(i5) is the area of index i1.
void coperp(double a1, double a2, double a3, double a4, int i1, int i2, int i3, int i4, int i5,
            const BoxAreas& areas, ViewFactorTable& f);

// One factor between an a2 x a3 and an equal a4 x a5 rectangle a distance a1 apart, aligned at one
// corner; stored at (i1, i2) and (i2, i1).  ar is the area of rectangle 1.
void coparll(double a1, double a2, double a3, double a4, double a5, int i1, int i2, double ar,
             ViewFactorTable& f);

// The window's factors to the five other surfaces, and the split of the window wall into the window
// and the rest of the wall.  Reads the window and box in `win`, writes the table of `cord`.
void windvf(EngineState& state, const BoxAreas& areas);

// Copies four values unchanged.
void asig(double& o1, double& o2, double& o3, double& o4, double s1, double s2, double s3, double s4);

// The view factors of the box (table of `cord`) and its absorption factors (`exchange`(i, j),
// i, j = 1..7; every other element 0).  The emissivities of floor, walls, ceiling and window are
// dimensionless.  A window of zero area sees nothing and is seen by nothing: its row and column are
// 0 and the window wall is all wall.
void exchangefactors(EngineState& state, double boxL, double boxW, double boxH, double ww, double wh,
                     double efloor, double ewall, double eceiling, double ewindow);

} // namespace engine
