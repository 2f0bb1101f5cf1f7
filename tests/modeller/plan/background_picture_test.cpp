// The background picture's geometry and lightening, worked by hand.
#include "modeller/plan/background_picture.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmora;

TLevelPictureRec pictureOf(QSize size, double scalePos, int offsetX, int offsetY) {
    TLevelPictureRec picture;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    SetPicture(picture, image);
    picture.ScalePos = scalePos;
    picture.OffsetX = offsetX;
    picture.OffsetY = offsetY;
    return picture;
}

TEST(BackgroundPicture, LiesAtItsOffsetAndScaleTimesTheMagnification) {
    TLevelPictureRec picture;
    SetPicture(picture, QImage(100, 50, QImage::Format_RGB32));
    EXPECT_EQ(PictureRect(picture, 2.0), QRect(0, 0, 200, 100))
        << "a new picture: at the origin, its own size";
    EXPECT_EQ(PictureRect(pictureOf({100, 50}, 750, 10, -5), 2.0), QRect(20, -10, 300, 150));
    EXPECT_EQ(PictureRect(TLevelPictureRec{}, 2.0), QRect()) << "no picture";
}

TEST(BackgroundPicture, AZoomKeepsThePicturePointUnderTheReferencePoint) {
    // At magnification 2 the reference (400, 300) is (200, 150) at magnification 1.
    struct Case {
        QPoint offset;
        double from, to;
        QPoint expected;
    };
    for (const Case c : {Case{{50, 20}, 1.0, 2.0, {-100, -110}}, Case{{-100, -110}, 2.0, 1.0, {50, 20}},
                         Case{{0, 0}, 1.0, 0.5, {100, 75}}}) {
        const QPoint offset = ZoomAboutPoint({400, 300}, 2.0, c.offset, c.from, c.to);
        EXPECT_EQ(offset, c.expected);
        // The picture pixel under the reference point is the same before and after.
        EXPECT_DOUBLE_EQ((200 - c.offset.x()) / c.from, (200 - offset.x()) / c.to);
        EXPECT_DOUBLE_EQ((150 - c.offset.y()) / c.from, (150 - offset.y()) / c.to);
    }
    EXPECT_EQ(ZoomAboutPoint({400, 300}, 2.0, {-900, 900}, 0.1, 1.0), QPoint(-1000, 1000))
        << "held to the position bars";
}

TEST(BackgroundPicture, AMeasuredLengthSetsTheScale) {
    EXPECT_EQ(ScalePositionFor(5000.0, 4.0, 1.0), 625) << "4 m measured for 5 m: 1.25 times larger";
    EXPECT_EQ(ScalePositionFor(5000.0, 4.0, 0.5), 312) << "0.625: 312.5 goes to the even 312";
    EXPECT_EQ(ScalePositionFor(100000.0, 1.0, 1.0), 1000) << "held to the scale bar";
    EXPECT_EQ(ScalePositionFor(1.0, 1.0, 1.0), 1);
    EXPECT_EQ(ScalePositionFor(5000.0, 0.0, 1.0), std::nullopt) << "nothing measured: no division by zero";
}

TEST(BackgroundPicture, LighteningTurnsEverythingButWhiteLightBlueExceptTheFirstRowAndColumn) {
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(2, 2, qRgb(255, 255, 255));
    image.setPixel(1, 2, qRgb(200, 10, 10));
    Lighten(image);
    const QRgb lightBlue = qRgb(0x64, 0x64, 0xFA);
    EXPECT_EQ(image.pixel(1, 1), lightBlue);
    EXPECT_EQ(image.pixel(1, 2), lightBlue);
    EXPECT_EQ(image.pixel(2, 1), lightBlue);
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)) << "white stays white";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.pixel(0, i), qRgb(0, 0, 0)) << "first column";
        EXPECT_EQ(image.pixel(i, 0), qRgb(0, 0, 0)) << "first row";
    }
}

} // namespace
