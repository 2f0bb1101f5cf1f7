// The product codes the skylight editor works with: the generic window code of a glass and frame row
// pair ("GGG-05-0NNa"), the generic skylight code of a skylight type and skylight frame row pair
// ("GEN-04-0NNa"), the lookup of a code in the window and skylight product libraries, and the
// whole-window U and SHGC of a window product.  Plain functions over the model; no widgets.
#pragma once

#include "modeller/model/house_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Rows of "Windowglass.DB" and "Windowframe.DB" that generic window codes name.
inline constexpr int kGenericGlassRows = 15;
inline constexpr int kGenericFrameRows = 4;

// The generic window code of glass row `glass` (1..15) and frame row `frame` (1..4): "GGG-05-0" + NN
// as two digits + "a" with NN = (glass - 1) x 4 + frame.  Nothing for any other pair.
std::optional<std::string> GenericWindowCode(int glass, int frame);

// Whether a code is a generic window code as the "Generic" page takes it: its first three characters
// are "GGG" (case counting).
bool IsGenericWindowCode(std::string_view code);

// The glass and frame rows that a generic window code names: NN is read from characters 9 and 10 and
// gives glass row (NN - 1) div 4 + 1 and frame row (NN - 1) mod 4 + 1.  Characters 4 to 8 and 11 are
// not examined.  Nothing when the code is not generic or NN is not two digits from 01 to 60.
struct GlassFrameRows {
    int Glass = 0;
    int Frame = 0;
    bool operator==(const GlassFrameRows&) const = default;
};
std::optional<GlassFrameRows> GenericWindowRows(std::string_view code);

// The generic skylight code of skylight type row `type` (1..5) and skylight frame row `frame` (1 or
// 2): "GEN-04-001a".."005a" for frame row 2, "GEN-04-006a".."010a" for frame row 1.  Nothing for any
// other pair.
std::optional<std::string> GenericSkylightCode(int type, int frame);

// The first entry (1..2500, 1..100) of the window or skylight product library whose code equals
// `code` whole (length and characters, case counting), or 0 when none does or the code is empty.
int FindWindowProductIndex(const HouseModel& model, std::string_view code);
int FindSkylightProductIndex(const HouseModel& model, std::string_view code);

// The whole-window values of a window product, with the frame counted by its effective U: k = 1.5
// when the frame U is above 5 W/m2K, else 1.22.
struct WholeWindowValues {
    double FrameFactor = 0.0; // k
    double FrameU = 0.0;      // W/m2K, Fu = FrameU x k
    double U = 0.0;           // W/m2K, GlassU x f + (1 - f) x Fu
    double SHGC = 0.0;        // GlassSHGC x f + Fu x 0.3 x (1 - f) / 21.8
};
double FrameFactor(double frameU);
WholeWindowValues WholeWindow(const CustWinType& product);

// A library entry whose glass or frame U is not positive (an empty entry, or a library that could not
// be read) has no thermal figures: its resistances would divide by zero.
inline bool HasThermalValues(double glassU, double frameU) {
    return glassU > 0.0 && frameU > 0.0;
}

} // namespace pelmora
