// The star panel widget draws the panel's state and hands its buttons' clicks to the handlers; a
// sample house opened from the program folder ends with its stars on the panel.
#include "modeller/results/star_panel_widget.h"

#include "modeller/model/house_file.h"
#include "modeller/platform/message_service.h"
#include "modeller/results/rating_history.h"
#include "results_fixture.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pelmora;
using namespace results_test;

class StarPanelWidgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.path() / "Data");
        rateableClimate(tables, 5);
        makeHouse(model, folder.path(), {{"Living", 100.0, true, true}});
    }
    void run(int number, double heat) {
        model.RunNumber = number;
        folder.write("ENERGY.TXT", energyFile({energyRow(1, 1, 1, {heat, 0.0, 0.0})}));
        panel.ProcessSimulation();
        panel.ShowDelRecSB();
    }
    std::vector<int> visibleFullStars() const {
        std::vector<int> shown;
        for (int n = 1; n <= kStarImages; ++n)
            if (!widget->star(n)->isHidden()) shown.push_back(n);
        return shown;
    }

    TempFolder folder;
    HouseModel model;
    RatingTables tables;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
    platform::ScriptedMessageService scripted;
    PlatformRatingMessages messages{scripted};
    RatingPanel panel{model, *history, tables, messages};
    std::unique_ptr<TStarPanel> widget = std::make_unique<TStarPanel>(panel, scripted);
};

TEST_F(StarPanelWidgetTest, ShowsTheRatingOfTheNewestRun) {
    run(1, 1750.0); // 17.5 MJ/m2: L19 = 20 -> 9.5 stars
    EXPECT_EQ(widget->StarLabel->text(), "9.5");
    EXPECT_EQ(visibleFullStars(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(widget->halfstar(10)->isHidden());
    EXPECT_TRUE(widget->halfstar(9)->isHidden());
    EXPECT_TRUE(widget->lemon->isHidden());
    EXPECT_EQ(widget->FileLabel->text(), "House_1");
    EXPECT_EQ(widget->HeatLabel->text(), "17.5");
    EXPECT_EQ(widget->ClimNameLabel->text(), "climat05.TXT");
    EXPECT_FALSE(widget->DelRecSB->isHidden());
    EXPECT_TRUE(widget->ForwardSB->isDown());
}

TEST_F(StarPanelWidgetTest, ButtonsStepThroughTheRecordsAndDelete) {
    EXPECT_EQ(widget->ForwardSB->toolTip(), "Most Recent Rating");
    EXPECT_EQ(widget->BackSB->toolTip(), "Previous Rating");
    EXPECT_EQ(widget->DelRecSB->toolTip(), "Delete Simulation Records");
    run(1, 25000.0); // 250 MJ/m2: above every limit, 0 stars
    run(2, 1750.0);
    QTest::mouseClick(widget->BackSB, Qt::LeftButton);
    EXPECT_EQ(widget->BackSB->text(), "2");
    EXPECT_TRUE(widget->BackSB->isDown());
    EXPECT_FALSE(widget->ForwardSB->isDown());
    EXPECT_EQ(widget->FileLabel->text(), "House_1");
    EXPECT_FALSE(widget->lemon->isHidden()) << "0 stars shows the lemon";
    EXPECT_EQ(widget->StarLabel->text(), "0");
    QTest::mouseClick(widget->ForwardSB, Qt::LeftButton);
    EXPECT_EQ(widget->FileLabel->text(), "House_2");
    EXPECT_TRUE(widget->ForwardSB->isDown());
    QTest::mouseClick(widget->DelRecSB, Qt::LeftButton);
    EXPECT_TRUE(widget->DelRecSB->isHidden());
    EXPECT_TRUE(widget->BackSB->isHidden());
    EXPECT_EQ(widget->FileLabel->text(), "");
    EXPECT_TRUE(visibleFullStars().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data" / "PASTRATE.TXT"));
}

TEST_F(StarPanelWidgetTest, NoRatingIsToldInAnInformationBox) {
    makeHouse(model, folder.path(), {{"Living", 100.0, false, false}});
    panel.ProcessSimulation();
    ASSERT_EQ(scripted.informations().size(), 1u);
    EXPECT_EQ(scripted.informations()[0].toStdString(), star_panel_text::kNoConditionedZone);
    EXPECT_EQ(widget->CoolLabel->text(), "Free");
}

// The sample house of the program folder opened with the house file reader, an energy file of one
// conditioned hour per zone standing for the engine's (the engine's time loop is not yet part of the
// program), and the rating on the panel.
TEST_F(StarPanelWidgetTest, SampleHouseOpensAndItsRatingIsShown) {
    const auto shipped = std::filesystem::path(PROGRAM_FOLDER) / "house" / "Sample single level_1.VOR";
    ASSERT_TRUE(std::filesystem::exists(shipped)) << shipped;
    HouseModel house;
    ASSERT_EQ(modelErrorOf([&] { ReadHouseFile(house, shipped); }), "no error");
    house.RootDir = folder.path().string();
    // The sample leaves the site to the user; the location dialog would set both.
    house.ClimateFileName = "climat05.TXT";
    house.ClimateZone = 5;
    int conditioned = 0;
    double area = 0.0; // m2, zones both heated and cooled
    for (int z = 1; z <= house.ZoneCount; ++z) {
        if (house.IsConditioned(z)) ++conditioned;
        if (house.Zones(z).Heated && house.Zones(z).Cooled) area += house.Zones(z).FloorArea;
    }
    ASSERT_GT(area, 0.0);
    // 45 MJ/m2 of heating spread over the zones: L16 = 50 is the highest limit at or above it.
    std::vector<double> values;
    for (int z = 1; z <= conditioned; ++z) values.insert(values.end(), {45.0 * area / conditioned, 0.0, 0.0});
    folder.write("energy.txt", energyFile({energyRow(7, 1, 12, values)}));

    RatingPanel housePanel(house, *history, tables, messages);
    TStarPanel shown(housePanel, scripted);
    housePanel.ProcessSimulation();
    EXPECT_TRUE(scripted.shown.empty());
    EXPECT_EQ(shown.StarLabel->text(), "8");
    int full = 0;
    for (int n = 1; n <= kStarImages; ++n) full += shown.star(n)->isHidden() ? 0 : 1;
    EXPECT_EQ(full, 8);
    EXPECT_EQ(shown.FileLabel->text().toStdString(),
              house.ProjectName + "_" + std::to_string(house.RunNumber));
    EXPECT_EQ(shown.TotalLabel->text(), "45.0");
}

} // namespace
