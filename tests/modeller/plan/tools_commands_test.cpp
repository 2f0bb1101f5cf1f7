// The main window's obstruction and tools buttons in the started program: the obstruction dialog's
// side buttons carry the compass's bearings, the dialog leaves the results behind, and the tools
// dialog opens beside the plan.
#include "modeller/plan/application_forms.h"
#include "tests/support/program_folder_mirror.h"
#include "tests/support/temporary_folder.h"

#include "plan_fixture.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
namespace fs = std::filesystem;

class ToolsCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test_support::mirrorProgramFolder(PROGRAM_FOLDER, root.path());
        previousFolder = fs::current_path();
        fs::current_path(root.path());
        forms = std::make_unique<ApplicationForms>(workspace, scripted.services, root.path());
        forms->MainForm->FormShow();
    }
    void TearDown() override {
        forms.reset();
        fs::current_path(previousFolder);
    }

    test_support::TemporaryFolder root{"tools_commands"};
    fs::path previousFolder;
    Workspace workspace;
    plan_test::ScriptedServices scripted;
    std::unique_ptr<ApplicationForms> forms;
};

TEST_F(ToolsCommandsTest, TheObstructionButtonShowsTheCompassBearingsAndLeavesTheResultsBehind) {
    TMainForm& main = *forms->MainForm;
    ASSERT_TRUE(main.ObsSB->isEnabled());
    main.NorthEB->setText("30");
    workspace.model.ResultsCurrent = true;
    QString captions[4];
    QTimer::singleShot(0, [&] {
        TObstructionForm& form = *forms->ObstructionForm;
        captions[0] = form.NSB->text();
        captions[1] = form.ESB->text();
        captions[2] = form.SSB->text();
        captions[3] = form.WSB->text();
        form.DEdit->setText("7.5");
        form.OKSBClick();
    });
    main.ObsSB->click();
    EXPECT_EQ(captions[0], main.NorthEB->text());
    EXPECT_EQ(captions[1], main.lbBearingRight->text());
    EXPECT_EQ(captions[2], main.lbBearingBottom->text());
    EXPECT_EQ(captions[3], main.lbBearingLeft->text());
    EXPECT_NE(captions[1], captions[3]);
    EXPECT_DOUBLE_EQ(workspace.model.SiteObstructions(1)(1).D, 7.5);
    EXPECT_FALSE(workspace.model.ResultsCurrent);
}

TEST_F(ToolsCommandsTest, TheToolsButtonOpensTheCalculationToolsBesideThePlan) {
    TMainForm& main = *forms->MainForm;
    ASSERT_TRUE(main.ToolsSB->isEnabled());
    main.ToolsSB->click();
    EXPECT_TRUE(forms->ToolsForm->isVisible());
    EXPECT_FALSE(forms->ToolsForm->isModal());
    EXPECT_EQ(forms->ToolsForm->windowTitle(), "Calculation Tools");
    forms->ToolsForm->SpeedButton3Click();
    EXPECT_TRUE(forms->SunPosForm->isVisible());
    EXPECT_TRUE(scripted.messages.errors().empty());
}

} // namespace
