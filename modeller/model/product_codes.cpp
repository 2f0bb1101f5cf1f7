#include "modeller/model/product_codes.h"

#include "modeller/model/model_error.h"
#include "modeller/model/product_libraries.h"

#include <cmath>
#include <cstdio>

namespace pelmora {

namespace {

constexpr double kHighFrameU = 5.0;      // W/m2K, frames above it count as metal
constexpr double kHighFrameFactor = 1.5; // -
constexpr double kLowFrameFactor = 1.22; // -
constexpr double kFrameGainFactor = 0.3; // share of the frame's absorbed gain passed inside
constexpr double kOutsideFilmU = 21.8;   // W/m2K, outside surface coefficient of the frame gain
constexpr std::size_t kShownMissingCodes = 5;

std::string CodeWithNumber(const char* prefix, int nn) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%02da", prefix, nn);
    return text;
}

} // namespace

std::optional<std::string> GenericWindowCode(int glassRow, int frameRow) {
    if (glassRow < 1 || glassRow > kGenericGlassRows || frameRow < 1 || frameRow > kGenericFrameRows)
        return std::nullopt;
    return CodeWithNumber("GGG-05-0", (glassRow - 1) * kGenericFrameRows + frameRow);
}

bool IsGenericWindowCode(std::string_view code) {
    return code.substr(0, 3) == "GGG";
}

std::optional<GenericWindowRows> RowsOfGenericWindowCode(std::string_view code) {
    if (!IsGenericWindowCode(code) || code.size() < 10) return std::nullopt;
    const char tens = code[8];
    const char units = code[9];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    const int nn = (tens - '0') * 10 + (units - '0');
    if (nn < 1 || nn > kGenericWindowCodes) return std::nullopt;
    return GenericWindowRows{(nn - 1) / kGenericFrameRows + 1, (nn - 1) % kGenericFrameRows + 1};
}

std::optional<std::string> GenericSkylightCode(int skylightRow, int frameRow) {
    if (skylightRow < 1 || skylightRow > kGenericSkylightRows) return std::nullopt;
    if (frameRow == 2) return CodeWithNumber("GEN-04-0", skylightRow);
    if (frameRow == 1) return CodeWithNumber("GEN-04-0", kGenericSkylightRows + skylightRow);
    return std::nullopt;
}

int WindowProductIndexOf(const HouseModel& model, std::string_view code) {
    if (code.empty()) return 0;
    for (int i = 1; i <= kMaxWindowProducts; ++i)
        if (model.WindowProducts(i).ProductCode == code) return i;
    return 0;
}

int SkylightProductIndexOf(const HouseModel& model, std::string_view code) {
    if (code.empty()) return 0;
    for (int i = 1; i <= kMaxSkylightProducts; ++i)
        if (model.SkylightProducts(i).ProductCode == code) return i;
    return 0;
}

WholeWindowFigures WholeWindowValues(const CustWinType& p) {
    WholeWindowFigures w;
    w.FrameFactor = p.FrameU > kHighFrameU ? kHighFrameFactor : kLowFrameFactor;
    w.FrameU = p.FrameU * w.FrameFactor;
    const double f = p.GlassFraction;
    w.U = p.GlassU * f + (1.0 - f) * w.FrameU;
    w.SHGC = p.GlassSHGC * f + w.FrameU * kFrameGainFactor * (1.0 - f) / kOutsideFilmU;
    return w;
}

bool HasThermalValues(const CustWinType& p) {
    return std::isfinite(p.GlassU) && std::isfinite(p.FrameU) && p.GlassU > 0.0 && p.FrameU > 0.0;
}

std::vector<std::string> MissingGenericWindowCodes(const HouseModel& model) {
    std::vector<std::string> missing;
    for (int g = 1; g <= kGenericGlassRows; ++g)
        for (int r = 1; r <= kGenericFrameRows; ++r) {
            const std::string code = *GenericWindowCode(g, r);
            if (WindowProductIndexOf(model, code) == 0) missing.push_back(code);
        }
    return missing;
}

void CheckGenericWindowCodes(const HouseModel& model) {
    const std::vector<std::string> missing = MissingGenericWindowCodes(model);
    if (missing.empty()) return;
    std::string codes;
    for (std::size_t i = 0; i < missing.size() && i < kShownMissingCodes; ++i)
        codes += (i == 0 ? "" : ", ") + missing[i];
    if (missing.size() > kShownMissingCodes)
        codes += " and " + std::to_string(missing.size() - kShownMissingCodes) + " more";
    throw ModelError("The window library " + std::string(kWindowLibraryFile) +
                     " holds no product for the generic window codes " + codes +
                     "; those glass and frame pairs cannot be chosen");
}

} // namespace pelmora
