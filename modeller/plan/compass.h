// The compass of the main window: the direction of true north (NorthAngle, radians clockwise from
// the top of the plan) shown as a needle and as the bearings of the plan's four sides.
#pragma once

#include <QImage>

#include <optional>
#include <string>

namespace pelmora {

// The direction of (dx, dy) from the face's centre, clockwise from straight up (y grows
// downwards), in radians [0, 2pi).
double getBearing(int dx, int dy);

// The bearings in whole degrees clockwise from true north of the directions towards the plan's top,
// right, bottom and left sides.
struct Bearings {
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Left = 0;
};
Bearings bearingsFor(double northAngle);

// The north angle from the bearing typed for the plan's top side: (360 - b) degrees, and 0 (north
// straight up) for a bearing below 0 or above 360.
double northAngleFromTopBearing(int bearing);

// The north angle from the text of the bearing box: an empty box or a lone "-" is bearing 0; none
// when the text is not a whole number.
std::optional<double> northAngleFromText(const std::string& text);

// The compass face: a white image of the given size with the needle pointing to true north, black
// while the compass is locked and maroon while it follows the pointer.
QImage drawCompass(QSize size, double northAngle, bool locked);

} // namespace pelmora
