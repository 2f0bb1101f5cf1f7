#include "modeller/plan/compass.h"

#include "common/rounding.h"
#include "modeller/plan/plan_drawing.h"

#include <QPainter>

#include <cctype>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace pelmora {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::int32_t kMaroon = 0x000080;

int roundToInt(double x) {
    return static_cast<int>(common::roundHalfEvenToInt(x));
}

// The bearing k - D in whole degrees; 360 or more becomes 360 minus it (so 360 shows as 0), a
// negative one gains 360.
int bearing(double k, double northDegrees) {
    int b = roundToInt(k - northDegrees);
    if (b >= 360) b = 360 - b;
    if (b < 0) b += 360;
    return b;
}

} // namespace

double getBearing(int dx, int dy) {
    const double c = -dy;
    if (dx == 0 && c == 0) return 0.0;
    if (dx == 0) return c > 0 ? 0.0 : kPi;
    if (c == 0) return dx > 0 ? kPi / 2 : 3 * kPi / 2;
    double angle = std::atan(dx / c);
    if (c < 0) angle += kPi;
    if (angle < 0) angle += 2 * kPi;
    return angle;
}

Bearings bearingsFor(double northAngle) {
    const double d = northAngle * 180.0 / kPi;
    return {bearing(360, d), bearing(90, d), bearing(180, d), bearing(270, d)};
}

double northAngleFromTopBearing(int b) {
    const double angle = (360 - b) * kPi / 180.0;
    if (angle < 0 || b < 0) return 0.0;
    return angle;
}

std::optional<double> northAngleFromText(const std::string& text) {
    if (text.empty() || text == "-") return northAngleFromTopBearing(0);
    std::size_t used = 0;
    int bearing = 0;
    try {
        bearing = std::stoi(text, &used);
    } catch (const std::logic_error&) {
        return std::nullopt; // not a number, or beyond the integers
    }
    if (used != text.size() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
    return northAngleFromTopBearing(bearing);
}

QImage drawCompass(QSize size, double northAngle, bool locked) {
    QImage face(size, QImage::Format_RGB32);
    face.fill(Qt::white);
    const int cx = size.width() / 2;
    const int cy = size.height() / 2;
    const int r = size.width() / 2 - 5;
    const auto at = [&](double radius, double theta) {
        return QPoint(roundToInt(std::sin(theta) * radius + cx), roundToInt(cy - radius * std::cos(theta)));
    };
    QPainter painter(&face);
    painter.setPen(QPen(modelColour(locked ? plan_colour::kBlack : kMaroon), 1));
    const QPoint tip = at(r, northAngle);
    const QPoint left = at(3, northAngle + kPi / 2);
    const QPoint right = at(3, northAngle - kPi / 2);
    painter.drawLine(tip, at(r, northAngle + kPi));
    painter.drawLine(left, right);
    painter.drawLine(tip, left);
    painter.drawLine(tip, right);
    return face;
}

} // namespace pelmora
