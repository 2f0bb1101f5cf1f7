// Deleting a level that holds zones, or a zone, asks first: Yes deletes, No leaves the house as it
// was.  A level without zones goes without a question.
#include "modeller/plan/main_form.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;
using platform::Answer;

class DeletionQuestionsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
        main().SBnewLevelAbove->click();
        main().SBnewLevelAbove->click();
        ground = plan_test::addRectangle(model(), 1, 40, 40, 160, 120, 0x00FF80);
        kitchen = plan_test::addRectangle(model(), 2, 40, 40, 160, 120, 0x0080FF);
        bedroom = plan_test::addRectangle(model(), 2, 200, 40, 80, 120, 0x8000FF);
        model().Zones(kitchen).Name = "Kitchen";
        model().Zones(kitchen).StairDownCount = 1;
        model().StairsDown(kitchen, 1) = {1000.0, 2000.0, ground, 1};
        model().Zones(ground).StairUpCount = 1;
        model().StairsUp(ground, 1) = {1000.0, 2000.0, kitchen, 1};
        before = std::make_unique<HouseModel>(model());
    }
    // True when the zones, their outlines and stairwells and the levels are as they were.
    bool unchanged() const {
        if (model().ZoneCount != before->ZoneCount || model().LevelCount != before->LevelCount) return false;
        for (int z = 1; z <= model().ZoneCount; ++z) {
            if (!(model().Zones(z) == before->Zones(z))) return false;
            for (int n = 0; n < model().Zones(z).NodeCount; ++n)
                if (model().ZoneNodes(z, n) != before->ZoneNodes(z, n)) return false;
        }
        return true;
    }
    const HouseModel& model() const { return workspace->model; }
    using MainWindowTest::model;

    int ground = 0, kitchen = 0, bedroom = 0;
    std::unique_ptr<HouseModel> before;
};

TEST_F(DeletionQuestionsTest, DeletingALevelThatHoldsZonesAsksFirst) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        main().SBLevel[2]->click();
        scripted.messages.answerNext(answer);
        main().SBdeleteLevel->click();
        EXPECT_EQ(scripted.messages.confirmations(),
                  std::vector<QString>{"Delete Level 2 and its 2 zones? Every stairwell and void of the "
                                       "house is deleted with them."});
        EXPECT_TRUE(scripted.messages.errors().empty());
        if (answer == Answer::No) {
            EXPECT_TRUE(unchanged());
            EXPECT_EQ(model().CurrentLevel, 2) << "the level shown stays";
        } else {
            EXPECT_EQ(model().LevelCount, 2);
            EXPECT_EQ(model().ZoneCount, 1);
            EXPECT_EQ(model().Zones(ground).StairUpCount, 0);
        }
        scripted.messages.clear();
    }
}

TEST_F(DeletionQuestionsTest, ALevelWithoutZonesIsDeletedWithoutAQuestion) {
    main().SBLevel[3]->click();
    main().SBdeleteLevel->click();
    EXPECT_TRUE(scripted.messages.confirmations().empty());
    EXPECT_TRUE(scripted.messages.errors().empty());
    EXPECT_EQ(model().LevelCount, 2);
    EXPECT_EQ(model().Zones(kitchen).StairDownCount, 1) << "the stairwells stay";
}

TEST_F(DeletionQuestionsTest, DeletingAZoneAsksFirst) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        main().SBLevel[2]->click();
        workspace->selection.NodeSelected(kitchen, 1) = true;
        scripted.messages.answerNext(answer);
        main().SBDelZone->click();
        EXPECT_EQ(scripted.messages.confirmations(),
                  std::vector<QString>{"Delete Zone 2 (Kitchen) with its walls, openings and stairwells?"});
        EXPECT_TRUE(scripted.messages.errors().empty());
        if (answer == Answer::No) {
            EXPECT_TRUE(unchanged());
            EXPECT_NE(main().StatusBar1->panelText(0), "The zone has been deleted");
        } else {
            EXPECT_EQ(model().ZoneCount, 2);
            EXPECT_EQ(model().Zones(2).Colour, 0x8000FF) << "the bedroom took the kitchen's number";
            EXPECT_EQ(model().Zones(ground).StairUpCount, 0) << "the kitchen's stairwell went with it";
            EXPECT_EQ(main().StatusBar1->panelText(0), "The zone has been deleted");
        }
        scripted.messages.clear();
    }
}

} // namespace
