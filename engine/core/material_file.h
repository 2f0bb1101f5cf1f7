// The material table: read from the shipped material file matdata.bin and changed by the material
// change cards of the card file.
#pragma once

#include <string>

namespace engine {

struct EngineState;

inline constexpr int kNoLayerMaterial = 999;
inline constexpr int kEarthMaterial = 902;
inline constexpr int kGlazingMaterial = 901;     // the glazing pseudo-layer of a glazing section
inline constexpr int kInsideFilmMaterial = 903;  // property 2: inside surface film resistance
inline constexpr int kOutsideFilmMaterial = 906; // property 2: outside film of sections 1..40; starts
                                                 // the resistance of skylights and roof windows
inline constexpr int kWindowFilmMaterial = 907;  // property 2 starts the resistance of windows
inline constexpr int kFloorFilmMaterial = 916;   // property 2: outside film of sections 41..50

// Stores material n (1..999).  A third property of 0 beside a non-zero second one takes the second.
void storeMaterial(EngineState& state, int n, const std::string& name, double p1, double p2, double p3,
                   bool conducts);

// Reads matdata.bin from the working directory into the material table and copies the film
// resistances into rs903, rs906 and rs916.  A missing or damaged file ends the run with a message
// naming it.
void readMaterialFile(EngineState& state);

// The resistance of layer material m: 2ab / (a + b) of its two resistivities (0 when both are 0), per
// metre of thickness when the material conducts in proportion to its thickness.
double layerResistance(const EngineState& state, int m, double thicknessMm);

} // namespace engine
