#include "modeller/editors/skylight_figures.h"

#include "common/rounding.h"
#include "modeller/editors/editor_controls.h"
#include "modeller/model/product_codes.h"

#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

namespace t = skylight_text;

int Px(double value) {
    return static_cast<int>(common::roundHalfEvenToInt(value));
}

std::string Label(std::string_view prefix, double value) {
    return std::string(prefix) + FixedText(value, 2);
}

std::string Blank(std::string_view prefix) {
    return std::string(prefix);
}

std::string AreaText(std::string_view prefix, double area) {
    return Label(prefix, area) + std::string(t::kSquareMetres);
}

// The resistance labels of a glass and a frame U, each blank when its U is not positive.
void ResistanceLabels(GlazingFigures& f, double glassU, double frameU) {
    f.RgLabel = glassU > 0.0 ? Label(t::kRglass, 1.0 / glassU) : Blank(t::kRglass);
    f.RfLabel = frameU > 0.0 ? Label(t::kRframe, 1.0 / frameU) : Blank(t::kRframe);
}

} // namespace

GlazingFigures SkylightProductFigures(const CustSkyType& p, double area, double furnishingAddR) {
    GlazingFigures f;
    f.AreaLabel = AreaText(t::kSkylightArea, area);
    f.NameEB = p.ProductCode;
    const double fraction = p.GlassFraction;
    if (HasThermalValues(p.GlassU, p.FrameU)) {
        const double rt = 1.0 / (p.GlassU * fraction + (1.0 - fraction) * p.FrameU); // m2K/W
        f.WholeWindowU = 1.0 / rt;
        f.RtLabel = Label(t::kRt, rt);
        f.UALabel = Label(t::kUA, f.WholeWindowU * area);
    } else {
        f.RtLabel = Blank(t::kRt);
        f.UALabel = Blank(t::kUA);
    }
    ResistanceLabels(f, p.GlassU, p.FrameU);
    f.RfurnLl = Label(t::kSkylightRfurn, furnishingAddR);
    f.SHGCLabel.clear();
    return f;
}

GlazingFigures ClerestoryWindowFigures(const CustWinType& p, double wallArea, double windowArea,
                                       double furnishingAddR, double styleOpening) {
    GlazingFigures f;
    f.GrossWallAreaLabel = GrossWallAreaText(wallArea);
    f.NettWallAreaLabel = NetWallAreaText(wallArea, windowArea);
    f.AreaLabel = AreaText(t::kWindowArea, windowArea);
    f.BrandEB = p.Manufacturer;
    f.GlassEB = p.Brand;       // the glass description
    f.FrameEB = p.ProductName; // the frame description
    f.WindowNameEB = f.NameEB = p.ProductCode;
    const WholeWindowFigures whole = WholeWindowValues(p);
    f.WholeWindowSHGC = whole.SHGC;
    f.SHGCLabel = Label(t::kSHGC, whole.SHGC);
    if (HasThermalValues(p.GlassU, p.FrameU) && whole.U > 0.0) {
        const double rt = 1.0 / whole.U + furnishingAddR; // m2K/W
        f.WholeWindowU = whole.U;
        f.RtLabel = Label(t::kRt, rt);
        f.UALabel = Label(t::kUA, windowArea / rt);
    } else {
        f.RtLabel = Blank(t::kRt);
        f.UALabel = Blank(t::kUA);
    }
    ResistanceLabels(f, p.GlassU, p.FrameU);
    f.RfurnLl = Label(t::kWindowRfurn, furnishingAddR);
    f.OpeningLl = std::string(t::kOpening) + FixedText(styleOpening, 0) + "%";
    return f;
}

std::string GrossWallAreaText(double wallArea) {
    return AreaText(t::kGrossWallArea, wallArea);
}

std::string NetWallAreaText(double wallArea, double windowArea) {
    return AreaText(t::kNetWallArea, wallArea - windowArea);
}

std::string TotalAreaText(double area) {
    return FixedText(area, 2) + std::string(t::kSquareMetres);
}

void DrawBar(ElevationPicture& picture, double scale, double width, double height) {
    const int w = Px(scale * width);
    const int h = Px(scale * height);
    const int cx = Px(picture.Width / 2.0);
    const int cy = Px(picture.Height / 2.0);
    const int left = cx - Px(w / 2.0);
    const int top = cy - Px(h / 2.0);
    const int right = cx + Px(w / 2.0);
    const int bottom = cy + Px(h / 2.0);
    picture.Rects.push_back({left, top, right - left, bottom - top, preview_colour::kBlue});
}

void DrawWall(ElevationPicture& picture, double scale, double wallWidth, double wallHeight) {
    picture.DrawWall(scale * wallWidth, scale * wallHeight);
}

void DrawWindow(ElevationPicture& picture, double scale, double width, double height, double wallHeight,
                double eavesOffset) {
    const int w = Px(scale * width);
    const int h = Px(scale * height);
    const int left = Px((picture.Width - w) / 2.0);
    const int top = picture.Height - Px(scale * (wallHeight - eavesOffset));
    picture.Rects.push_back({left, top, w, h, preview_colour::kBlue});
}

PixelPoint TiltPointOf(double degrees) {
    const double s = degrees * std::numbers::pi / 180.0;
    return {Px(TiltDrawing::kLength * std::cos(s)),
            TiltDrawing::kFoot.Y - Px(TiltDrawing::kLength * std::sin(s))};
}

double DraggedSlope(int x, int y) {
    const double run = x == 0 ? 0.000001 : static_cast<double>(x);
    return common::roundHalfEven(std::atan((TiltDrawing::kFoot.Y - y) / run) * 180.0 / std::numbers::pi);
}

std::array<std::string, 8> BearingCaptions(double northAngle) {
    std::array<std::string, 8> captions;
    const double north = northAngle * 180.0 / std::numbers::pi; // degrees
    for (int k = 0; k < 8; ++k) {
        const double planDirection = k == 0 ? 360.0 : 45.0 * k;
        long long b = common::roundHalfEvenToInt(planDirection - north);
        if (b == 360) b = 0;
        if (b < 0) b += 360;
        captions[static_cast<std::size_t>(k)] = std::to_string(b) + "°";
    }
    return captions;
}

} // namespace pelmora
