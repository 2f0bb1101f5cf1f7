#include "modeller/plan/background_picture.h"

#include "common/rounding.h"
#include "modeller/plan/plan_drawing.h"

#include <algorithm>

namespace pelmora {

namespace {

int roundToInt(double x) {
    return static_cast<int>(common::roundHalfEvenToInt(x));
}

} // namespace

const QImage* PictureBitmap(const TLevelPictureRec& picture) {
    const QImage* image = std::any_cast<QImage>(&picture.Bitmap);
    return image && !image->isNull() ? image : nullptr;
}

QRect PictureRect(const TLevelPictureRec& picture, double magnification) {
    const QImage* image = PictureBitmap(picture);
    if (!image) return {};
    const double scale = picture.ScalePos / kScaleBarOne;
    return {roundToInt(picture.OffsetX * magnification), roundToInt(picture.OffsetY * magnification),
            roundToInt(image->width() * scale * magnification),
            roundToInt(image->height() * scale * magnification)};
}

void SetPicture(TLevelPictureRec& picture, const QImage& image) {
    picture.Bitmap = image;
    picture.OffsetX = 0;
    picture.OffsetY = 0;
    picture.ScalePos = kScaleBarOne;
    picture.Present = true;
}

QPoint ZoomAboutPoint(QPoint reference, double magnification, QPoint offset, double oldScale,
                      double newScale) {
    const auto axis = [&](int r, int o) {
        const double atOne = r / magnification; // the reference point at magnification 1
        const int moved = roundToInt(atOne) - roundToInt(newScale * (atOne - o) / oldScale);
        return std::clamp(moved, kOffsetBarMin, kOffsetBarMax);
    };
    return {axis(reference.x(), offset.x()), axis(reference.y(), offset.y())};
}

std::optional<int> ScalePositionFor(double trueLength, double measuredLength, double pictureScale) {
    if (!(measuredLength > 0.0)) return std::nullopt;
    const double scale = trueLength * pictureScale / (measuredLength * 1000.0);
    return std::clamp(roundToInt(scale * kScaleBarOne), kScaleBarMin, kScaleBarMax);
}

void Lighten(QImage& image) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb light = modelColour(kLightenedColour).rgb();
    for (int y = 1; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 1; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) != (white & 0xFFFFFF)) line[x] = light;
    }
}

} // namespace pelmora
