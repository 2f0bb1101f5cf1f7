// The main window's level buttons, the north bearing box and the compass face, the window's keys,
// the zoom refused while an outline is open, and the background picture dialog.
#include "modeller/plan/background_picture.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/pic_import_form.h"
#include "modeller/plan/scale_forms.h"

#include "plan_fixture.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

class LevelCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
        main().resizeCanvas({600, 400}, {0, 0});
    }
    std::vector<bool> levelButtonsShown() {
        std::vector<bool> shown;
        for (int level = 1; level <= kMaxLevels; ++level)
            shown.push_back(!main().SBLevel[static_cast<std::size_t>(level)]->isHidden());
        return shown;
    }
    TPicImportForm& picture() { return *forms->PicImportForm; }
};

TEST_F(LevelCommandsTest, LevelsAreAddedAboveAndBelowUpToSixAndTheButtonsFollow) {
    const int ground = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    main().SBnewLevelAbove->click();
    EXPECT_EQ(model().LevelCount, 2);
    EXPECT_EQ(model().CurrentLevel, 2);
    EXPECT_TRUE(main().SBLevel[2]->isDown());
    EXPECT_FALSE(main().SBLevel[1]->isDown());
    EXPECT_TRUE(main().LowerLevelSB->isDown()) << "the level below is shown as a guide";
    EXPECT_EQ(levelButtonsShown(), (std::vector<bool>{true, true, false, false, false, false}));

    main().SBLevel[1]->click();
    main().SBnewLevelBelow->click();
    EXPECT_EQ(model().LevelCount, 3);
    EXPECT_EQ(model().CurrentLevel, 1);
    EXPECT_EQ(model().Zones(ground).Level, 2);
    EXPECT_TRUE(main().SBLevel[1]->isDown());

    for (int i = 0; i < 3; ++i) main().SBnewLevelAbove->click();
    EXPECT_EQ(model().LevelCount, 6);
    EXPECT_TRUE(scripted.messages.informations().empty());
    main().SBnewLevelAbove->click();
    main().SBnewLevelBelow->click();
    EXPECT_EQ(model().LevelCount, 6);
    EXPECT_EQ(scripted.messages.informations(),
              (std::vector<QString>{"Only 6 levels can be modelled", "Only 6 levels can be modelled"}));
}

TEST_F(LevelCommandsTest, DeletingALevelShowsLevelOneAndTheLastLevelStays) {
    main().SBnewLevelAbove->click();
    main().SBnewLevelAbove->click();
    plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    const int middle = plan_test::addRectangle(model(), 2, 40, 40, 160, 120, 0x00FF80);
    const int top = plan_test::addRectangle(model(), 3, 40, 40, 160, 120, 0x00FF80);
    model().Zones(top).StairDownCount = 1;
    model().StairsDown(top, 1) = {1000.0, 2000.0, 1, 1};
    main().SBLevel[2]->click();
    model().ResultsCurrent = true;
    scripted.messages.answerNext(platform::Answer::Yes);
    main().SBdeleteLevel->click();
    EXPECT_EQ(model().LevelCount, 2);
    EXPECT_EQ(model().ZoneCount, 2);
    EXPECT_EQ(model().Zones(middle).Level, 2) << "the old top zone took the removed zone's number";
    EXPECT_EQ(model().Zones(middle).StairDownCount, 0) << "every stairwell goes";
    EXPECT_EQ(model().CurrentLevel, 1);
    EXPECT_TRUE(main().SBLevel[1]->isDown());
    EXPECT_EQ(levelButtonsShown(), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_FALSE(model().ResultsCurrent);

    scripted.messages.answerNext(platform::Answer::Yes);
    main().SBdeleteLevel->click();
    model().ResultsCurrent = true;
    main().SBdeleteLevel->click();
    EXPECT_EQ(model().LevelCount, 1);
    EXPECT_EQ(scripted.messages.informations(), std::vector<QString>{"At least one level must be modelled"});
    EXPECT_FALSE(model().ResultsCurrent);
}

TEST_F(LevelCommandsTest, TheTypedBearingSetsNorthAndTextThatIsNoWholeNumberIsRefused) {
    constexpr double kPi = std::numbers::pi;
    struct Case {
        const char* typed;
        // Worked by hand: 360 less the bearing of the plan's top.  A bearing out of range puts north
        // straight up, and the 0 written back into the box stores that as 360.
        double northDegrees;
        const char* box; // what the box shows afterwards
        const char* left;
    };
    for (const Case& c :
         {Case{"90", 270, "90", "0"}, Case{"0", 360, "0", "270"}, Case{"400", 360, "0", "270"},
          Case{"30", 330, "30", "300"}, Case{"-5", 360, "0", "270"}}) {
        main().NorthEB->setText("");
        main().NorthEB->setText(c.typed);
        EXPECT_NEAR(model().NorthAngle, c.northDegrees * kPi / 180, 1e-12) << c.typed;
        EXPECT_EQ(main().NorthEB->text(), c.box) << c.typed;
        EXPECT_EQ(main().lbBearingLeft->text(), c.left) << c.typed;
    }
    main().NorthEB->setText("30");
    model().ResultsCurrent = true;
    for (const char* typed : {"3x", "30.5", "99999999999"}) {
        main().NorthEB->setText(typed);
        EXPECT_NEAR(model().NorthAngle, 330 * kPi / 180, 1e-12) << typed << ": the last good angle stays";
        EXPECT_EQ(main().NorthEB->text(), "30") << typed;
    }
    EXPECT_TRUE(model().ResultsCurrent) << "a refused text changes nothing";
    EXPECT_TRUE(scripted.messages.errors().empty());
}

TEST_F(LevelCommandsTest, ABearingTypedKeyByKeyKeepsItsSign) {
    constexpr double kPi = std::numbers::pi;
    main().NorthEB->setText("30");
    // "-5" typed from the left is a negative bearing, which puts north straight up, not 5 degrees.
    main().NorthEB->selectAll();
    QTest::keyClicks(main().NorthEB, "-");
    EXPECT_EQ(main().NorthEB->text(), "-") << "the sign waits for its digits";
    EXPECT_NEAR(model().NorthAngle, 330 * kPi / 180, 1e-12);
    QTest::keyClicks(main().NorthEB, "5");
    EXPECT_EQ(main().NorthEB->text(), "0");
    EXPECT_NEAR(model().NorthAngle, 2 * kPi, 1e-12);
    EXPECT_EQ(main().lbBearingLeft->text(), "270");

    // A sign left alone counts as it stands when the typing ends: north straight up.
    main().NorthEB->setText("30");
    main().NorthEB->selectAll();
    QTest::keyClicks(main().NorthEB, "-");
    QTest::keyClick(main().NorthEB, Qt::Key_Return);
    EXPECT_EQ(main().NorthEB->text(), "0");
    EXPECT_NEAR(model().NorthAngle, 2 * kPi, 1e-12);
    EXPECT_TRUE(scripted.messages.errors().empty());
}

TEST_F(LevelCommandsTest, TheCompassFollowsThePointerOnlyWhileUnlocked) {
    const int w = main().imgCompassFace->width();
    const int h = main().imgCompassFace->height();
    main().imgCompassFaceMouseMove(w, h / 2);
    EXPECT_EQ(main().lbBearingTop->text(), "0°") << "locked at start";
    main().imgCompassFaceClick();
    main().imgCompassFaceMouseMove(w, h / 2); // straight to the right of the centre
    EXPECT_NEAR(model().NorthAngle, std::numbers::pi / 2, 1e-12);
    EXPECT_EQ(main().lbBearingTop->text(), "270°");
    main().imgCompassFaceMouseLeave();
    main().imgCompassFaceMouseMove(w / 2, h);
    EXPECT_EQ(main().lbBearingTop->text(), "270°") << "leaving the face locks it";
}

TEST_F(LevelCommandsTest, EscapeReleasesTheTieAndTheArrowsNudge) {
    const int z = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    main().planEditor().NodeTied = true;
    main().FormKeyDown(Qt::Key_Escape);
    EXPECT_FALSE(main().planEditor().NodeTied);
    workspace->selection.NodeSelected(z, 0) = true;
    main().FormKeyDown(Qt::Key_Right);
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{44, 40})) << "one 100 mm step at magnification 2";
    main().FormKeyDown(Qt::Key_Down);
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{44, 44}));
}

TEST_F(LevelCommandsTest, ZoomIsRefusedWhileAnInternalWallIsBeingDrawn) {
    const int z = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
    main().SBInsertInternalWall->click();
    main().PaintBox1MouseDown({80, 80}, Qt::LeftButton, Qt::NoModifier);
    ASSERT_TRUE(main().planEditor().Drawing());
    plan_test::ClosedWhenShown mag(forms->MagForm.get());
    main().MagSBClick();
    EXPECT_EQ(mag.shown, 0);
    EXPECT_EQ(main().StatusBar1->panelText(0), "Finish the outline or internal wall before zooming");
    EXPECT_EQ(model().ZoneNodes(z, 0), (TPlanPoint{40, 40}));
    EXPECT_EQ(model().Magnification, 2.0);
}

TEST_F(LevelCommandsTest, TheInputAndBackgroundButtonsAreUsable) {
    ASSERT_TRUE(main().ScratchSB->isEnabled());
    main().ScratchSB->click(); // the input file's checks run first: a new house has no zones
    ASSERT_FALSE(scripted.messages.informations().empty());
    EXPECT_EQ(scripted.messages.informations()[0], "No Zones have been modelled.");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "SCRATCH")) << "no card file for a faulty house";

    EXPECT_TRUE(main().GraphicsSB->isEnabled());
    main().GraphicsSB->click();
    EXPECT_TRUE(picture().isVisible());
    EXPECT_FALSE(picture().isModal());
    picture().OKSBClick();
    EXPECT_FALSE(picture().isVisible());
}

TEST_F(LevelCommandsTest, APastedPictureIsScaledByAMeasuredLength) {
    picture().Clipboard = [] { return QImage(); };
    picture().PasteButtonClick();
    EXPECT_EQ(scripted.messages.informations(),
              std::vector<QString>{"No bitmap image is available from the clipboard."});
    EXPECT_FALSE(model().LevelPictures(1).Present);

    QImage drawing(200, 100, QImage::Format_RGB32);
    drawing.fill(Qt::black);
    picture().Clipboard = [drawing] { return drawing; };
    picture().ReferencePoint = [] { return QPoint(0, 0); }; // zoom about the plan's origin
    picture().PasteButtonClick();
    const TLevelPictureRec& pasted = model().LevelPictures(1);
    ASSERT_TRUE(pasted.Present);
    EXPECT_EQ(PictureRect(pasted, model().Magnification), QRect(0, 0, 400, 200));
    EXPECT_FALSE(main().BackgroundImage->isHidden());
    EXPECT_EQ(main().planCanvas().pixel(305, 155) & 0xFFFFFF, 0u) << "the picture lies under the plan";

    scripted.messages.clear();
    picture().Edit2->setText("5000");
    picture().Button2Click();
    EXPECT_EQ(scripted.messages.informations(),
              std::vector<QString>{"Measure a length on the plan before scaling the picture."});
    EXPECT_EQ(scripted.messages.beeps, 1);
    EXPECT_EQ(pasted.ScalePos, 500.0) << "nothing measured: the scale stays";

    picture().Button1Click();
    main().PaintBox1MouseDown({100, 100}, Qt::LeftButton, Qt::NoModifier);
    main().PaintBox1MouseDown({260, 100}, Qt::LeftButton, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(main().planEditor().MeasuredLength, 4.0);
    picture().Button2Click();
    EXPECT_EQ(pasted.ScalePos, 625.0) << "4 m measured for 5 m: 1.25 times larger";
    EXPECT_EQ(PictureRect(pasted, model().Magnification), QRect(0, 0, 500, 250));

    picture().Edit2->setText("five");
    picture().Button2Click();
    EXPECT_EQ(picture().Edit2->text(), "");
    EXPECT_EQ(pasted.ScalePos, 625.0);
}

TEST_F(LevelCommandsTest, APictureThatCannotBeReadLeavesTheLevelAsItWas) {
    const auto bad = folder.path() / "plans" / "broken.bmp";
    {
        std::FILE* f = std::fopen(bad.string().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("BM not a bitmap", f);
        std::fclose(f);
    }
    scripted.files.chooseNext(QString::fromStdString(bad.string()));
    main().GraphicsSB->click();
    picture().SBopenFile->click();
    ASSERT_EQ(scripted.messages.errors().size(), 1u);
    EXPECT_TRUE(scripted.messages.errors()[0].contains("broken.bmp"));
    EXPECT_FALSE(model().LevelPictures(1).Present);
    EXPECT_EQ(scripted.files.requests.back().title, "Open Bitmap File");

    picture().LightenSBClick();
    EXPECT_EQ(scripted.messages.informations(),
              std::vector<QString>{"No background picture has been imported."});
}

} // namespace
