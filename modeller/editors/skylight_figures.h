// What the skylight editor shows beside its inputs, as plain values: the thermal figures of a skylight
// product or of a clerestory window's window product, the scaled drawing of the skylight or of the
// clerestory wall with its window, the slope line of the slope panel and the true bearings of the
// eight orientation buttons.
#pragma once

#include "modeller/editors/elevation_preview.h"
#include "modeller/model/product_records.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

namespace skylight_text {
inline constexpr std::string_view kSkylightArea = "     Area  ";
inline constexpr std::string_view kWindowArea = "Window A      ";
inline constexpr std::string_view kGrossWallArea = "Gross Wall A  ";
inline constexpr std::string_view kNetWallArea = "Net Wall A    ";
inline constexpr std::string_view kRt = "Rt                  ";
inline constexpr std::string_view kUA = "UA                 ";
inline constexpr std::string_view kRglass = "Rglass            ";
inline constexpr std::string_view kRframe = "Rframe            ";
inline constexpr std::string_view kSkylightRfurn = "Rfurn = ";
inline constexpr std::string_view kWindowRfurn = "Rfurn   ";
inline constexpr std::string_view kSHGC = "SHGC             ";
inline constexpr std::string_view kOpening = "Opening ";
inline constexpr std::string_view kSquareMetres = " m²";
} // namespace skylight_text

// ---- Figures ----------------------------------------------------------------------------------------

// The labels of the figures.  A figure that would divide by a glass or frame U of 0 (an empty library
// entry) shows its prefix with no value.
struct GlazingFigures {
    std::string NameEB;
    std::string AreaLabel;
    std::string RtLabel, UALabel, RgLabel, RfLabel, RfurnLl, SHGCLabel;
    // Clerestory window only.
    std::string GrossWallAreaLabel, NettWallAreaLabel, OpeningLl;
    std::string WindowNameEB, BrandEB, GlassEB, FrameEB;
    double WholeWindowU = 0.0;    // W/m2K, 0 when the product has no thermal values
    double WholeWindowSHGC = 0.0; // clerestory window only
};

// A roof skylight of `area` m2 made of skylight product `p`: Rt = 1 / (GlassU x f + (1 - f) x FrameU)
// with f the glass fraction (the frame counts as it is and a furnishing adds nothing), the whole U
// = 1 / Rt and UA = U x area.  The furnishing row's added R is only shown.
GlazingFigures SkylightProductFigures(const CustSkyType& p, double area, double furnishingAddR);

// A clerestory window of `windowArea` m2 in a wall of `wallArea` m2 made of window product `p`, as
// the window editor shows a window: the whole-window U counts the frame by its effective U (frame
// factor 1.5 above 5 W/m2K, else 1.22), Rt = 1 / U + the furnishing's added R and UA = area / Rt,
// so that Rt and UA tell the same story.  `styleOpening` is the style row's openable share (%).
GlazingFigures ClerestoryWindowFigures(const CustWinType& p, double wallArea, double windowArea,
                                       double furnishingAddR, double styleOpening);

// The wall area labels of a clerestory wall of `wallArea` m2 holding a window of `windowArea` m2.
std::string GrossWallAreaText(double wallArea);
std::string NetWallAreaText(double wallArea, double windowArea);
// The total area label of the zone's skylights (m2).
std::string TotalAreaText(double area);

// ---- The size drawing -------------------------------------------------------------------------------

// Pixels per millimetre of the drawing: the plan's scale, 20 x Magnification per metre.
inline double SkylightDrawingScale(double magnification) {
    return 20.0 * magnification / 1000.0;
}
// A roof skylight `width` by `height` mm drawn blue, centred in the paint box.
void DrawBar(ElevationPicture& picture, double scale, double width, double height);
// A clerestory wall `wallWidth` by `wallHeight` mm drawn yellow, centred horizontally and standing on
// the bottom edge, and its window `width` by `height` mm drawn blue, centred, its head the eaves
// offset below the top of the wall.
void DrawWall(ElevationPicture& picture, double scale, double wallWidth, double wallHeight);
void DrawWindow(ElevationPicture& picture, double scale, double width, double height, double wallHeight,
                double eavesOffset);

// ---- The slope line ---------------------------------------------------------------------------------

struct PixelPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The slope line of the slope panel: from its foot at (10, 120) up to the end point TiltPoint, whose
// x is counted from the foot.  The drawing is a teal triangle under the line, the blue line two pixels
// wide and a small black square at its end.
struct TiltDrawing {
    static constexpr PixelPoint kFoot{10, 120};
    static constexpr int kLength = 100;      // px, the line of a typed slope
    static constexpr int kGrabDistance = 30; // px each way from TiltPoint that starts a drag

    PixelPoint TiltPoint;  // x from the foot, y in the paint box
    bool Drawn = false;    // the line is on the paint box
    bool Dragging = false; // the mouse holds the line's end

    // The line's end in the paint box and the corners of its triangle and its end square.
    PixelPoint End() const { return {TiltPoint.X + kFoot.X, TiltPoint.Y}; }
    std::array<PixelPoint, 3> Triangle() const { return {kFoot, End(), PixelPoint{End().X, kFoot.Y}}; }
    PixelPoint BoxTopLeft() const { return {TiltPoint.X + 7, TiltPoint.Y - 3}; }
    PixelPoint BoxBottomRight() const { return {TiltPoint.X + 13, TiltPoint.Y + 3}; }
};

// The end of the slope line of a slope of `degrees`: (round(100 cos s), 120 - round(100 sin s)).
PixelPoint TiltPointOf(double degrees);
// The slope (degrees, a whole number) of the line ending at (x, y) of the paint box, as a drag sets
// it: arctan((120 - y) / x), with x = 0 taken as 0.000001.
double DraggedSlope(int x, int y);

// ---- Orientation -----------------------------------------------------------------------------------

// The captions of the orientation buttons 0..7 (plan directions 0, 45, .., 315 degrees) as true
// bearings for the plan's north angle (radians): round(A(k) - north) with A(0) = 360 and A(k) = 45 k,
// 360 shown as 0 and a negative bearing brought into 0..359.
std::array<std::string, 8> BearingCaptions(double northAngle);

} // namespace pelmora
