// A level's background picture: where it lies on the plan, its zoom about a fixed plan point, its
// scale from a length measured on the plan, and lightening it so the plan drawn over it stands out.
// A picture record keeps its place in pixels of magnification 1 and its scale as a bar position
// (500 = the picture's own size).
#pragma once

#include "modeller/model/house_model.h"

#include <QImage>
#include <QRect>

#include <optional>

namespace pelmora {

constexpr int kScaleBarMin = 1;
constexpr int kScaleBarMax = 1000;
constexpr int kScaleBarOne = 500; // the bar position of scale 1.0
constexpr int kOffsetBarMin = -1000;
constexpr int kOffsetBarMax = 1000;
constexpr std::int32_t kLightenedColour = 0xFA6464; // model colour (BGR): a light blue

namespace picture_text {
inline constexpr const char* kNoClipboardBitmap = "No bitmap image is available from the clipboard.";
inline constexpr const char* kNoPicture = "No background picture has been imported.";
inline constexpr const char* kNothingMeasured = "Measure a length on the plan before scaling the picture.";
} // namespace picture_text

// The picture of the record, or a null image when it has none.
const QImage* PictureBitmap(const TLevelPictureRec& picture);

// The rectangle the picture covers on the plan (pixels at the magnification).
QRect PictureRect(const TLevelPictureRec& picture, double magnification);

// The record takes a newly loaded picture at the plan's origin, at its own size.
void SetPicture(TLevelPictureRec& picture, const QImage& image);

// The offsets (pixels at magnification 1) that keep the picture point under the plan point
// `reference` (pixels at the magnification) where it was when the scale goes from `oldScale` to
// `newScale`; held to the position bars' range.
QPoint ZoomAboutPoint(QPoint reference, double magnification, QPoint offset, double oldScale,
                      double newScale);

// The scale bar position that makes a line measured as `measuredLength` metres on the plan
// `trueLength` millimetres long at the picture's current scale; none when nothing was measured.
std::optional<int> ScalePositionFor(double trueLength, double measuredLength, double pictureScale);

// Every pixel that is not white, except the first row and column, takes the lightened colour.
void Lighten(QImage& image);

} // namespace pelmora
