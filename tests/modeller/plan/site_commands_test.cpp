// The main window's site commands: the location button opens the location dialog beside the plan,
// clicks on the location and the postcode of the project line open the searches, and each clears
// the results.
#include "modeller/plan/application_forms.h"

#include "plan_fixture.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

class SiteCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
        // The shipped location tables, after the start-up: the fixture's star bands hold climate 5 only.
        for (const char* table : {"Data/PC.TXT", "Data/CLIMPC.TXT", "Data/clim69.txt"})
            std::filesystem::copy_file(std::filesystem::path(PROGRAM_FOLDER) / table, folder.path() / table,
                                       std::filesystem::copy_options::overwrite_existing);
        model().ResultsCurrent = true;
    }
};

TEST_F(SiteCommandsTest, LocationButtonOpensTheMapBesideThePlan) {
    ASSERT_TRUE(main().SBlocation->isEnabled());
    main().SBlocation->click();
    EXPECT_TRUE(forms->LocationForm->isVisible());
    EXPECT_FALSE(forms->LocationForm->isModal());
    EXPECT_FALSE(model().ResultsCurrent) << "cleared at once for the dialog that stays open";
    forms->LocationForm->OKSBClick();
}

TEST_F(SiteCommandsTest, PostcodeClickSitesANewHouse) {
    QTimer::singleShot(0, forms->PCLocationForm.get(), [this] {
        forms->PCLocationForm->PCEdit->setText("6000");
        forms->PCLocationForm->OKSBClick();
    });
    emit main().PCLabel->clicked();
    EXPECT_FALSE(forms->PCLocationForm->isVisible());
    EXPECT_EQ(model().Postcode, 6000);
    EXPECT_EQ(model().ClimateFileName, "climat62.TXT");
    EXPECT_EQ(main().PCLabel->text(), "6000");
    EXPECT_EQ(main().ClimateLabel->text(), "climat62.TXT");
    EXPECT_EQ(main().LocationLabel->text(), QString::fromStdString(model().LocationName));
    EXPECT_FALSE(model().LocationName.empty());
    EXPECT_FALSE(model().ResultsCurrent);
    EXPECT_TRUE(scripted.messages.shown.empty());
}

TEST_F(SiteCommandsTest, LocationClickSearchesByName) {
    QTimer::singleShot(0, forms->NameLocationForm.get(), [this] {
        forms->NameLocationForm->LocationEdit->setText("TOOWOOMBA");
        forms->NameLocationForm->OKSBClick();
    });
    emit main().LocationLabel->clicked();
    EXPECT_EQ(model().LocationName, "TOOWOOMBA");
    EXPECT_EQ(model().Postcode, 4350);
    EXPECT_EQ(model().ClimateFileName, "climat20.TXT");
    EXPECT_EQ(main().LocationLabel->text(), "TOOWOOMBA");
    EXPECT_FALSE(model().ResultsCurrent);
}

} // namespace
