// The elevation preview of the wall and door editors: the wall seen from outside as a yellow
// rectangle standing on the bottom edge of the paint box, 20 x Magnification pixels per metre, with
// its windows (blue) and doors (green) at their places.  The preview is kept as a list of rectangles
// so that the editors' logic is tested without drawing; the dialog paints them.
#pragma once

#include "modeller/model/house_model.h"

#include <cstdint>
#include <vector>

namespace pelmora {

// Colours of the preview, 0x00BBGGRR.
namespace preview_colour {
inline constexpr std::int32_t kSilver = 12632256; // the empty paint box
inline constexpr std::int32_t kYellow = 65535;    // the wall
inline constexpr std::int32_t kBlue = 16711680;   // windows
inline constexpr std::int32_t kGreen = 32768;     // doors
} // namespace preview_colour

// The paint box of the preview, in pixels.
inline constexpr int kPreviewWidth = 520;
inline constexpr int kPreviewHeight = 200;

// Pixels per metre of the preview: the plan's scale, 20 x Magnification.
inline double PreviewScale(const HouseModel& model) {
    return 20.0 * model.Magnification;
}

// A filled rectangle with a black outline one pixel wide.
struct PreviewRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::int32_t Colour = 0;
    bool operator==(const PreviewRect&) const = default;
};

struct ElevationPicture {
    int Width = kPreviewWidth;
    int Height = kPreviewHeight;
    std::vector<PreviewRect> Rects; // in drawing order over the silver paint box

    // Empties the paint box (RefreshPaintBox).
    void Clear() { Rects.clear(); }
    // The wall, centred horizontally and standing on the bottom edge (sizes in pixels, each taken to
    // the nearest integer).
    void DrawWall(double widthPx, double heightPx);
    // An opening whose left edge and top are given (pixels, to the nearest integer).
    void DrawOpening(double leftPx, double topPx, double widthPx, double heightPx, std::int32_t colour);
};

// How the openings of a wall are placed along the preview so that it shows the wall from outside.
enum class OpeningOrder {
    FromRight, // position measured from the right end of the wall rectangle
    FromLeft,  // position measured from the left end
};

// The order that the zone's outline gives: the sum over its edges of (y_i + y_i+1) x (x_i+1 - x_i) / 2
// in plan pixels; a negative sum measures from the right.
OpeningOrder OutlineOpeningOrder(const HouseModel& model, int zone);

// Draws the windows (blue, their tops at the head height) and the doors (green, standing on the
// bottom edge) of wall `wall` of `zone` into the preview of a wall `length` metres long, and returns
// their total area (m2).
double DrawWallOpenings(ElevationPicture& picture, const HouseModel& model, int zone, int wall, double length,
                        OpeningOrder order);

} // namespace pelmora
