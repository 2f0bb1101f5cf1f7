// The layer texts of constructions: each construction becomes a list of layers, each a material code
// of the engine's material file and a thickness in millimetres; bulk insulation, reflective air gaps
// and floor coverings become layers too.  The builders read the rows on which the position services
// have placed the material tables and the element in hand, and leave their results in the writer
// state (CurrentLayers, CurrentLayersReversed and the names).
#pragma once

#include "modeller/engine_input/scratch_writer.h"

#include <string>

namespace pelmora {

inline constexpr std::string_view kNoLayer = "999   0";
inline constexpr int kBulkInsulationMaterial = 209;
// The resistivity of material 209 (m K/W): an added R of r m2K/W is a layer r / 17.54 m thick, 57 mm
// per unit of R.
inline constexpr double kBulkInsulationResistivity = 17.54;

// Str(material:3) + Str(thickness:4), the 7-character pair of one layer.
std::string LayerPair(long long material, long long thickness, std::string_view element);
// The bulk insulation layer of resistance r (m2K/W); empty when r is 0.
std::string BulkInsulationPair(double r, std::string_view element);

void BuildWindowGlazing(Scratch& scratch);
void BuildSkylightGlazing(Scratch& scratch);
void BuildDoor(Scratch& scratch);
void BuildExtWall(Scratch& scratch);
void BuildIntWall(Scratch& scratch);
void BuildExtFloor(Scratch& scratch);
void BuildRoof(Scratch& scratch);
void BuildCeiling(Scratch& scratch);
void BuildRoofWithCeiling(Scratch& scratch, int zone);
void BuildIntCeiling(Scratch& scratch);

// The effective resistance of a two-part floor covering (parts of resistance r1 and r2 over area
// shares a1 and a2) laid on a floor of resistance r, less r; 0 when the parts have no area.
double CoveringResistance(double a2, double a1, double r, double r2, double r1);

} // namespace pelmora
