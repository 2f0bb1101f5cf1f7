#include "modeller/editors/slope_box.h"

#include "common/rounding.h"
#include "modeller/platform/message_service.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

namespace pelmora {

namespace {

using namespace slope_box;

constexpr double kDegree = std::numbers::pi / 180.0; // radians

std::string WholeDegrees(double slope) {
    return std::to_string(common::roundHalfEvenToInt(slope));
}

} // namespace

double SlopeBox::LimitSlope(double slope) const {
    if (!(slope > 0.0)) return LowSlope;
    if (slope > HighSlope) return HighSlope;
    return slope;
}

SlopeBox::SlopeBox(double& slope, platform::MessageService& messages) : slope_(slope), messages_(messages) {
    AngleEdit.OnChange([this] { AngleEditChange(); });
    ComputeTiltPoint();
}

void SlopeBox::ComputeTiltPoint() {
    TiltPoint.X = static_cast<int>(common::roundHalfEvenToInt(std::cos(slope_ * kDegree) * kLineLength));
    TiltPoint.Y =
        kPivotY - static_cast<int>(common::roundHalfEvenToInt(std::sin(slope_ * kDegree) * kLineLength));
}

void SlopeBox::Redraw() {
    ComputeTiltPoint();
    if (OnRedraw) OnRedraw();
}

void SlopeBox::ShowSlope() {
    slope_ = LimitSlope(slope_);
    AngleEdit.Show(WholeDegrees(slope_));
    Dragging = false;
    Redraw();
}

void SlopeBox::DrawNew() {
    ComputeTiltPoint();
    // Writing the rounded slope runs AngleEditChange when the text changes, which takes the slope as
    // the box now shows it and draws again.
    AngleEdit.SetText(WholeDegrees(slope_));
    Redraw();
}

SlopePicture SlopeBox::Picture() const {
    const int x = TiltPoint.X + kPivotX;
    const int y = TiltPoint.Y;
    SlopePicture p;
    p.Triangle[0] = {kPivotX, kPivotY};
    p.Triangle[1] = {x, y};
    p.Triangle[2] = {x, kPivotY};
    p.LineFrom = {kPivotX, kPivotY};
    p.LineTo = {x, y};
    p.HandleTopLeft = {x - 3, y - 3};
    p.HandleBottomRight = {x + 3, y + 3};
    return p;
}

void SlopeBox::AngleEditChange() {
    if (OnTyping) OnTyping();
    const std::optional<double> typed = ReadNumber(AngleEdit.Text());
    if (!typed) {
        // The box is left empty for the user's typing; the picture follows the slope it now holds.
        AngleEdit.Clear();
        slope_ = kMinSlope;
        messages_.beep();
        Redraw();
        return;
    }
    slope_ = LimitSlope(*typed);
    DrawNew();
}

void SlopeBox::PaintBoxTiltMouseDown(int x, int y) {
    if (std::abs(x - TiltPoint.X) < GrabDistance && std::abs(y - TiltPoint.Y) < GrabDistance) Dragging = true;
}

void SlopeBox::PaintBoxTiltMouseMove(int x, int y) {
    if (!Dragging || x < 0) return;
    TiltPoint = {x, y};
    const double run = x == 0 ? 1e-6 : static_cast<double>(x); // px
    slope_ = LimitSlope(common::roundHalfEven(std::atan((kPivotY - y) / run) / kDegree));
    DrawNew();
}

} // namespace pelmora
