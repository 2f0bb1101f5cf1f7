// The slope box of the ceiling and roof editors: a line from a pivot at the angle of the slope, over a
// filled triangle, with a small square handle at its free end that the mouse drags, beside the edit
// box AngleEdit that shows the slope in whole degrees.  The slope (EditSlope, degrees) stays within
// 0.0001..60: a typed or dragged value outside is limited silently, and a text that is not a number
// beeps, empties the box and takes 0.0001.  Whatever changes the slope, the picture is drawn again
// at the slope held, and the editor's redraw handler recomputes what depends on it.
#pragma once

#include "modeller/editors/editor_controls.h"

#include <functional>

namespace platform {
class MessageService;
}

namespace pelmora {

namespace slope_box {
inline constexpr int kPivotX = 10;           // px, the pivot of the line in PaintBoxTilt
inline constexpr int kPivotY = 120;          // px
inline constexpr double kLineLength = 100.0; // px
inline constexpr int kGrabDistance = 30;     // px, a press nearer the tilt point starts a drag
inline constexpr int kBoxWidth = 130;        // px, the paint box
inline constexpr int kBoxHeight = 130;       // px
inline constexpr double kMinSlope = 0.0001;  // degrees: a slope is never 0
inline constexpr double kMaxSlope = 60.0;    // degrees
inline constexpr int kTeal = 0x808000;       // 0x00BBGGRR, the triangle
inline constexpr int kBlue = 0xFF0000;       // the line
inline constexpr int kBlack = 0x000000;      // the handle
} // namespace slope_box

// A point of the paint box, in pixels (y grows downwards).
struct BoxPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const BoxPoint&) const = default;
};

// What the paint box shows for the slope held: the triangle under the line, the line from the pivot
// (width 2) and the handle's square, in this drawing order.
struct SlopePicture {
    BoxPoint Triangle[3];
    BoxPoint LineFrom, LineTo;
    BoxPoint HandleTopLeft, HandleBottomRight;
};

class SlopeBox {
  public:
    // `slope` is the editor's EditSlope buffer.
    SlopeBox(double& slope, platform::MessageService& messages);
    SlopeBox(const SlopeBox&) = delete;
    SlopeBox& operator=(const SlopeBox&) = delete;

    EditText AngleEdit; // the slope in whole degrees
    // The slopes the box keeps (degrees): a slope not above 0 becomes LowSlope, one above HighSlope
    // becomes HighSlope.  The editors keep 0.0001..60; the air-gap calculator 0..90.
    double LowSlope = slope_box::kMinSlope;
    double HighSlope = slope_box::kMaxSlope;
    int GrabDistance = slope_box::kGrabDistance; // px
    BoxPoint TiltPoint;                          // px, the line's free end less the pivot's x offset
    bool Dragging = false;
    // Runs after every redraw: the editor recomputes the area and R values.
    std::function<void()> OnRedraw;
    // Runs when the user types into AngleEdit, before the text is read (the editor closes its palette).
    std::function<void()> OnTyping;

    // Shows a slope the editor has just loaded (opening, Reset, Paste): limited to 0.0001..60 and
    // kept otherwise as it is (the box shows it rounded), then drawn.
    void ShowSlope();
    // Draws the slope held: the tilt point, the rounded slope in AngleEdit and the redraw handler.
    void DrawNew();
    // The picture at the slope held.
    SlopePicture Picture() const;

    // ---- Handlers ------------------------------------------------------------------------------
    void AngleEditChange();
    void PaintBoxTiltMouseDown(int x, int y);
    void PaintBoxTiltMouseMove(int x, int y);
    void PaintBoxTiltMouseUp() { Dragging = false; }

  private:
    void ComputeTiltPoint();
    void Redraw();
    double LimitSlope(double slope) const;

    double& slope_;
    platform::MessageService& messages_;
};

} // namespace pelmora
