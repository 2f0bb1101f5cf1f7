#include "modeller/plan/compass.h"
#include "modeller/plan/frame_placement.h"
#include "modeller/platform/help_service.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <optional>

namespace {

using namespace pelmora;
constexpr double kPi = std::numbers::pi;

TEST(Compass, BearingsOfThePlanSides) {
    struct Case {
        int typed;
        int top, right, bottom, left;
    };
    for (const Case c : {Case{90, 90, 180, 270, 0}, Case{0, 0, 90, 180, 270}, Case{400, 0, 90, 180, 270},
                         Case{-5, 0, 90, 180, 270}, Case{315, 315, 45, 135, 225}}) {
        const Bearings b = bearingsFor(northAngleFromTopBearing(c.typed));
        EXPECT_EQ(b.Top, c.top) << c.typed;
        EXPECT_EQ(b.Right, c.right) << c.typed;
        EXPECT_EQ(b.Bottom, c.bottom) << c.typed;
        EXPECT_EQ(b.Left, c.left) << c.typed;
    }
    EXPECT_DOUBLE_EQ(northAngleFromTopBearing(90), 270 * kPi / 180);
    EXPECT_DOUBLE_EQ(northAngleFromTopBearing(0), 2 * kPi);
}

TEST(Compass, TheBearingBoxTakesOnlyWholeNumbers) {
    struct Case {
        const char* text;
        std::optional<double> degrees; // the north angle, none for a refused text
    };
    for (const Case& c : {Case{"90", 270.0}, Case{"", 360.0}, Case{"-", 360.0}, Case{"360", 0.0},
                          Case{"-5", 0.0}, Case{"12a", std::nullopt}, Case{"4.5", std::nullopt},
                          Case{" 4", std::nullopt}, Case{"99999999999", std::nullopt}}) {
        const auto angle = northAngleFromText(c.text);
        ASSERT_EQ(angle.has_value(), c.degrees.has_value()) << '"' << c.text << '"';
        if (angle) {
            EXPECT_NEAR(*angle, *c.degrees * kPi / 180, 1e-12) << c.text;
        }
    }
}

TEST(Compass, BearingOfThePointerFromTheFaceCentre) {
    EXPECT_DOUBLE_EQ(getBearing(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(getBearing(0, -10), 0.0);
    EXPECT_DOUBLE_EQ(getBearing(10, 0), kPi / 2);
    EXPECT_DOUBLE_EQ(getBearing(0, 10), kPi);
    EXPECT_DOUBLE_EQ(getBearing(-10, 0), 3 * kPi / 2);
    EXPECT_NEAR(getBearing(-10, -10), 7 * kPi / 4, 1e-12);
    EXPECT_NEAR(getBearing(10, 10), 3 * kPi / 4, 1e-12);
    EXPECT_EQ(bearingsFor(getBearing(10, 0)).Top, 270) << "north to the right";
}

TEST(Compass, NeedlePointsToTrueNorth) {
    const QImage up = drawCompass({70, 70}, 0.0, true);
    const QImage right = drawCompass({70, 70}, kPi / 2, true);
    const auto dark = [](const QImage& face, int x, int y) { return qGray(face.pixel(x, y)) < 128; };
    EXPECT_TRUE(dark(up, 35, 8)) << "tip at the top";
    EXPECT_FALSE(dark(up, 62, 35));
    EXPECT_TRUE(dark(right, 62, 35)) << "tip at the right";
    const QImage following = drawCompass({70, 70}, 0.0, false);
    EXPECT_EQ(QColor(following.pixel(35, 8)), QColor(128, 0, 0)) << "maroon while following the pointer";
}

TEST(FramePlacement, DialogsStandWhereTheMainWindowPutsThem) {
    const QPoint main(5, 7);
    const auto place = [&](const char* form, int width) {
        const FramePlacement* frame = framePlacementOf(form);
        EXPECT_NE(frame, nullptr) << form;
        return frame ? placeFrame(*frame, 1280, width, main) : std::nullopt;
    };
    EXPECT_EQ(place("TempDisplayForm", 800), QPoint(240, 0));
    EXPECT_EQ(place("DefaultWarningForm", 300), QPoint(680, 200));
    EXPECT_EQ(place("ShadSchedForm", 300), QPoint(680, 0));
    EXPECT_EQ(place("ProjectDetailsForm", 600), QPoint(680, 0));
    EXPECT_EQ(place("MagForm", 200), QPoint(15, 47));
    EXPECT_EQ(place("PicImportForm", 200), QPoint(100, 0));
    EXPECT_EQ(place("HistForm", 200), std::nullopt);
    EXPECT_EQ(framePlacementOf("HistForm2")->helpTopic, 700);
    EXPECT_EQ(framePlacementOf("MainForm")->helpTopic, 10);
    EXPECT_EQ(framePlacementOf("TempDisplayForm")->helpTopic, 680);
    EXPECT_EQ(framePlacementOf("SnapForm"), nullptr) << "keeps its designed place and has no topic";
}

} // namespace

namespace {

TEST(HelpFile, TheShippedHelpFileHasAPageForEveryDialogsTopic) {
    const auto topics =
        platform::readHelpFile(std::filesystem::path(PROGRAM_FOLDER) / "Data" / "zazozor1.hlp");
    for (const auto& frame : pelmora::framePlacements()) {
        if (frame.helpTopic == 0) continue;
        ASSERT_TRUE(topics.contains(frame.helpTopic)) << frame.form << " topic " << frame.helpTopic;
        EXPECT_FALSE(topics.at(frame.helpTopic).paragraphs.empty()) << frame.helpTopic;
    }
}

} // namespace
