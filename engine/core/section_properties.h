// Section properties: every defined building section becomes a chain of thermal resistances and
// capacitances with its surface films, gets its U-value and the keys of its harmonic transfer
// coefficients (gorcum keys), and is written to the work file as one section record.
//
// Gorcum keys of section s, in store order:
//   1..20    glazing systems                          s+100, s+300
//   21..140  surfaces to outside or another zone      s+500, s+700, s+900, s+1100
//   141..155 walls within one zone                    s+1300, s+1500, s+1700
//   156..200 surfaces to a neighbour                  s+1900, s+2100, s+2300
#pragma once

#include "engine/core/work_file.h"

namespace engine {

struct EngineState;

inline constexpr int kMaxGorcumKeys = 700; // columns of the harmonic transfer-coefficient table

// The section record of section s (1..200) from the section and material tables: outer film
// (unless the first layer is earth or empty), the layers outside first, inner film (sections 21 and
// up whose last layer is not empty).  Resistances in m2K/W, capacitances in kJ/m2K.
SectionRecord sectionEntries(const EngineState& state, int s);

// Gorcum keys of section s in store order; returns their count.
int gorcumKeys(int s, std::array<int, 4>& keys);

// One section: its record on the work file, its U-value and its gorcum keys.  Stops the run (RunStopped) when
// the keys would not leave room for the two internal-mass markers in the table.
void tprop(EngineState& state, int s);

// All defined sections, then the two internal-mass markers and the end of the section part.  Stops
// after the current section when an input error is flagged, writing neither markers nor end record.
void rndriv(EngineState& state);

} // namespace engine
