#include "modeller/editors/elevation_preview.h"

#include "common/rounding.h"

namespace pelmora {

namespace {

int Px(double value) {
    return static_cast<int>(common::roundHalfEvenToInt(value));
}

// Left edge of an opening `widthPx` wide centred `position` metres from the wall's start.
double OpeningLeft(const ElevationPicture& picture, OpeningOrder order, double scale, double length,
                   double position, double widthPx) {
    if (order == OpeningOrder::FromRight)
        return (scale * length + picture.Width) / 2.0 - scale * position - widthPx / 2.0;
    return (picture.Width - scale * length) / 2.0 + scale * position - widthPx / 2.0;
}

} // namespace

void ElevationPicture::DrawWall(double widthPx, double heightPx) {
    const int w = Px(widthPx);
    const int h = Px(heightPx);
    Rects.push_back({Px((Width - w) / 2.0), Height - h, w, h, preview_colour::kYellow});
}

void ElevationPicture::DrawOpening(double leftPx, double topPx, double widthPx, double heightPx,
                                   std::int32_t colour) {
    Rects.push_back({Px(leftPx), Px(topPx), Px(widthPx), Px(heightPx), colour});
}

OpeningOrder OutlineOpeningOrder(const HouseModel& model, int zone) {
    const int n = model.Zones(zone).NodeCount;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        const TPlanPoint& a = model.ZoneNodes(zone, i);
        const TPlanPoint& b = model.ZoneNodes(zone, i + 1 < n ? i + 1 : 0);
        sum += (static_cast<double>(a.Y) + b.Y) * (static_cast<double>(b.X) - a.X) / 2.0;
    }
    return sum < 0.0 ? OpeningOrder::FromRight : OpeningOrder::FromLeft;
}

double DrawWallOpenings(ElevationPicture& picture, const HouseModel& model, int zone, int wall, double length,
                        OpeningOrder order) {
    const double s = PreviewScale(model); // px per metre
    const TWallRec& w = model.Walls(zone, wall);
    double area = 0.0; // m2
    for (int k = 1; k <= w.WindowCount; ++k) {
        const TWindowRec& window = model.WallWindows(zone, wall, k);
        const double width = s * window.Width;
        picture.DrawOpening(OpeningLeft(picture, order, s, length, window.Position, width),
                            picture.Height - s * window.HeadHeight, width, s * window.Height,
                            preview_colour::kBlue);
        area += window.Width * window.Height;
    }
    for (int k = 1; k <= w.DoorCount; ++k) {
        const TDoorRec& door = model.WallDoors(zone, wall, k);
        const double width = s * door.Width;
        picture.DrawOpening(OpeningLeft(picture, order, s, length, door.Position, width),
                            picture.Height - s * door.Height, width, s * door.Height, preview_colour::kGreen);
        area += door.Width * door.Height;
    }
    return area;
}

} // namespace pelmora
