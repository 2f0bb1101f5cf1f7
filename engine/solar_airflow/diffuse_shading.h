// Diffuse shading of openings: each month's factors (0..1, 1 = unshaded) by which screens, eaves
// and pergolas, and side fins scale the sky diffuse radiation reaching a window or wall sol-air path.
#pragma once

#include <array>

#include "engine/solar_airflow/beam_shading.h"
#include "engine/solar_airflow/screen_view_factor.h"

namespace engine {

struct EngineState;

// g(O, P): the share of the sky seen past one overhang of relative projection P whose edge lies O
// surface heights (or widths) beyond the surface, averaged over the surface, in the section across
// an overhang of unlimited length.
double overhangSkyShare(double O, double P);

// The horizontal-scheme factor of a surface of height Ht (m): the eave's share weighted by the
// month's pergola factor m, plus (1 - m) times the share left by the eave and the pergola together.
double horizontalSkyFactor(const HorizontalShade& scheme, double Ht);

// The vertical-scheme factor of a surface of width Wd (m): each fin hides part of its own half of
// the sky.
double verticalSkyFactor(const VerticalShade& scheme, double Wd);

// The screen factor of a surface of width Wd and height Ht (m) behind the screens given (null for
// an empty slot): 1 less each screen's hidden share weighted by (1 - the month's factor), at least 0.
// A screen at distance 0 or with the factor 1 hides nothing; so does any screen of a surface of
// zero width or height.  Fills block `sky` for each screen it integrates.
double screenSkyFactor(EngineState& state, const std::array<const ScreenShade*, 3>& screens, double Wd,
                       double Ht);

// Fills block `diffuseshad` for every window and wall sol-air path with the month `imonth` of
// block `tim`, and makes each surface's beam shading plan of the month.
void calcdiffuseshading(EngineState& state);

} // namespace engine
