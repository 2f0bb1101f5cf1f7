// Window and skylight product codes: the generic codes that stand for a pair of material table rows,
// the lookup of a code in the product libraries, and the whole-window U and SHGC of a library product.
//
// A code has at most 11 characters and is compared whole (case counts).  A generic window code
// "GGG-05-0NNa" (NN 01..60) names glass row (NN - 1) div 4 + 1 of "Windowglass.DB" with frame row
// (NN - 1) mod 4 + 1 of "Windowframe.DB"; a generic skylight code "GEN-04-0NNa" (NN 01..10) names a
// skylight type row 1..5 of "Skylight.DB" with frame row 2 (NN 1..5) or 1 (NN 6..10) of
// "SkyFrame.DB".  The figures of a generic window or skylight come from the library entry carrying
// its code, so the window library must hold all sixty generic window codes.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/product_records.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr int kGenericGlassRows = 15;
inline constexpr int kGenericFrameRows = 4;
inline constexpr int kGenericWindowCodes = kGenericGlassRows * kGenericFrameRows;
inline constexpr int kGenericSkylightRows = 5;

// The rows of "Windowglass.DB" and "Windowframe.DB" a generic window code names.
struct GenericWindowRows {
    int Glass = 0;
    int Frame = 0;
    bool operator==(const GenericWindowRows&) const = default;
};

// "GGG-05-0" + NN + "a" for glass row 1..15 and frame row 1..4; nothing for any other pair.
std::optional<std::string> GenericWindowCode(int glassRow, int frameRow);
// A code whose first three characters are "GGG" counts as generic.
bool IsGenericWindowCode(std::string_view code);
// The rows of a generic code, read from its characters 9 and 10 (the others are not examined);
// nothing for a code that is not generic or whose NN lies outside 01..60.
std::optional<GenericWindowRows> RowsOfGenericWindowCode(std::string_view code);
// The generic skylight code of skylight type row 1..5 with frame row 2 or 1; nothing otherwise.
std::optional<std::string> GenericSkylightCode(int skylightRow, int frameRow);

// The first entry (from 1) of the library whose code equals `code`; 0 when none does or the code is
// empty.
int WindowProductIndexOf(const HouseModel& model, std::string_view code);
int SkylightProductIndexOf(const HouseModel& model, std::string_view code);

// The glass and frame descriptions of a window product: the library's brand and product lines
// (a generic product describes its glass and its frame there).
inline const std::string& GlassDescription(const CustWinType& p) {
    return p.Brand;
}
inline const std::string& FrameDescription(const CustWinType& p) {
    return p.ProductName;
}

// The whole-window figures of a product: the frame's U raised by 1.5 for a frame U above 5 W/m2K
// and by 1.22 otherwise, then glass and frame weighted by the glass fraction.
struct WholeWindowFigures {
    double FrameFactor = 0.0; // -
    double FrameU = 0.0;      // W/m2K, effective frame U (frame U x factor)
    double U = 0.0;           // W/m2K
    double SHGC = 0.0;        // -
};
WholeWindowFigures WholeWindowValues(const CustWinType& product);
// A product with a glass and a frame U above 0 (an empty entry has neither): only such a product has
// resistances to show.
// Glass and frame U-values that give thermal figures: both finite and above 0, so that no
// resistance divides by zero.
inline bool HasThermalValues(double glassU, double frameU) {
    return std::isfinite(glassU) && std::isfinite(frameU) && glassU > 0.0 && frameU > 0.0;
}
bool HasThermalValues(const CustWinType& product);

// The generic window codes that the window library in memory lacks, in code order.
std::vector<std::string> MissingGenericWindowCodes(const HouseModel& model);
// Raises ModelError naming the window library file and the first generic codes it lacks.
void CheckGenericWindowCodes(const HouseModel& model);

} // namespace pelmora
