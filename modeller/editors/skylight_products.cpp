#include "modeller/editors/skylight_products.h"

#include <cstdio>

namespace pelmora {

namespace {

constexpr std::string_view kGenericWindowPrefix = "GGG-05-0";
constexpr std::string_view kGenericSkylightPrefix = "GEN-04-0";
constexpr int kGenericSkylightTypes = 5;
constexpr int kSkylightFrameTimber = 2; // frame row of codes 001..005; row 1 gives 006..010

std::string TwoDigitCode(std::string_view prefix, int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return std::string(prefix) + digits + "a";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::string> GenericWindowCode(int glass, int frame) {
    if (glass < 1 || glass > kGenericGlassRows || frame < 1 || frame > kGenericFrameRows) return std::nullopt;
    return TwoDigitCode(kGenericWindowPrefix, (glass - 1) * kGenericFrameRows + frame);
}

bool IsGenericWindowCode(std::string_view code) {
    return code.starts_with("GGG");
}

std::optional<GlassFrameRows> GenericWindowRows(std::string_view code) {
    if (!IsGenericWindowCode(code) || code.size() < 10) return std::nullopt;
    const char tens = code[8];
    const char ones = code[9];
    if (!IsDigit(tens) || !IsDigit(ones)) return std::nullopt;
    const int nn = (tens - '0') * 10 + (ones - '0');
    if (nn < 1 || nn > kGenericGlassRows * kGenericFrameRows) return std::nullopt;
    return GlassFrameRows{(nn - 1) / kGenericFrameRows + 1, (nn - 1) % kGenericFrameRows + 1};
}

std::optional<std::string> GenericSkylightCode(int type, int frame) {
    if (type < 1 || type > kGenericSkylightTypes) return std::nullopt;
    if (frame == kSkylightFrameTimber) return TwoDigitCode(kGenericSkylightPrefix, type);
    if (frame == 1) return TwoDigitCode(kGenericSkylightPrefix, kGenericSkylightTypes + type);
    return std::nullopt;
}

int FindWindowProductIndex(const HouseModel& model, std::string_view code) {
    if (code.empty()) return 0;
    for (int i = 1; i <= kMaxWindowProducts; ++i)
        if (model.WindowProducts(i).ProductCode == code) return i;
    return 0;
}

int FindSkylightProductIndex(const HouseModel& model, std::string_view code) {
    if (code.empty()) return 0;
    for (int i = 1; i <= kMaxSkylightProducts; ++i)
        if (model.SkylightProducts(i).ProductCode == code) return i;
    return 0;
}

double FrameFactor(double frameU) {
    return frameU > 5.0 ? 1.5 : 1.22;
}

WholeWindowValues WholeWindow(const CustWinType& p) {
    WholeWindowValues v;
    const double f = p.GlassFraction;
    v.FrameFactor = FrameFactor(p.FrameU);
    v.FrameU = p.FrameU * v.FrameFactor;
    v.U = p.GlassU * f + (1.0 - f) * v.FrameU;
    v.SHGC = p.GlassSHGC * f + v.FrameU * 0.3 * (1.0 - f) / 21.8;
    return v;
}

} // namespace pelmora
