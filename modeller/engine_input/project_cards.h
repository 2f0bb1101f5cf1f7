// The project data of the card file (data type 1): the run card, the file names, the site, the
// numerics, the wind pressure coefficients, shielding, the ground model, and the numbered lists of
// curtains, outdoor blinds, horizontal and vertical shading schemes and screens that the zone cards
// refer to by number.  On its way it fills the writer's working fields of the model (pressure-
// coefficient sets, fins and obstructions of walls and windows, the roof-space kind of each roof).
#pragma once

#include "modeller/engine_input/scratch_writer.h"

#include <string>

namespace pelmora {

// Appends data type 1, ending with the comment that opens data type 2.  Needs the material tables
// open and the pre-simulation pass done.
void WriteProjectData(Scratch& scratch);

// The normalised wall-averaged pressure coefficient of a low-rise building at angle of incidence
// `angle` (degrees, 0..180) for a wall of side `ownSide` on a plan whose other side is `adjacentSide`
// (any common unit: only their ratio counts).
double WindPressureCoefficient(double angle, double ownSide, double adjacentSide);

// The standard meridian (degrees east) of the site's postcode.
double StandardMeridian(int postcode);

// The build steps, each emptying and filling its own list or working fields.
void BuildCpSets(Scratch& scratch);
std::string SiteCardText(const Scratch& scratch);
void GroundModelTotals(Scratch& scratch);
void BuildCurtains(Scratch& scratch);
void BuildBlinds(Scratch& scratch);
void BuildHorizontalSchemes(Scratch& scratch);
void CalcFins(Scratch& scratch);
void BuildVerticalSchemes(Scratch& scratch);
void ResetObstructions(Scratch& scratch);
// Gives every external wall, and each window on it, the obstructions of the plan side it faces, each
// measured from the house as the obstructions dialog shows it: D from the house's outermost wall on
// that side, L1 and L2 along the side from the house's left (top and bottom sides) or top (right and
// left sides) end.  Raises ScratchError for an obstruction in use that stands at no distance or less.
void MapObstructions(Scratch& scratch);
void BuildScreens(Scratch& scratch);

// The candidate texts of the lists, which the zone writers also use to find an element's number.
std::string WallHorizontalSchemeText(const Scratch& scratch, int zone, int wall);
std::string WindowHorizontalSchemeText(Scratch& scratch, int zone, int wall, int window);
// A skylight's scheme, with its eave offset (withOffset) or without it.
std::string SkylightHorizontalSchemeText(const Scratch& scratch, int zone, int skylight, bool withOffset);
std::string WallVerticalSchemeText(const Scratch& scratch, int zone, int wall);
std::string WindowVerticalSchemeText(const Scratch& scratch, int zone, int wall, int window);
std::string ScreenText(const TSurfaceObstructionRec& obstruction, std::string_view element);
// The curtain name of a window's or skylight's furnishing row, and the blind name of a window's
// shading row (empty when the shading row is a schedule, which is no blind).
std::string WindowCurtainName(Scratch& scratch, int zone, int wall, int window);
std::string SkylightCurtainName(Scratch& scratch, int zone, int skylight);
std::string WindowBlindName(Scratch& scratch, int zone, int wall, int window);

} // namespace pelmora
