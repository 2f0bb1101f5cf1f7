// The simulate button of the main window over a house that passes every check, with a stand-in card
// writer and a stand-in engine: a completed run shows its rating on the star panel and is kept in the
// rating history; a failed run or a house that fails a check stores nothing.
#include "modeller/engine_input/simulation_run.h"
#include "modeller/plan/main_form.h"
#include "modeller/results/simulation_records.h"

#include "plan_fixture.h"

#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;

// Writes the energy file a completed run leaves (five header lines, then one row per hour of the
// year: month, day, hour, and heating, sensible and latent cooling in MJ per conditioned zone), with
// energy in three hours only, and ends as told.
class StandInEngine : public EngineRunner {
  public:
    EngineResult ExecAndWait(const std::filesystem::path& programFolder) override {
        ++runs;
        if (writesEnergy) {
            std::ofstream energy(programFolder / "energy.txt");
            energy << "h1\r\nh2\r\nh3\r\nh4\r\nh5\r\n"
                   << "    1  1   1    500.0      0.0      0.0\r\n"
                   << "    1  2   1    300.0      0.0      0.0\r\n"
                   << "    7  1  14      0.0    200.0     40.0\r\n";
            for (int hour = 4; hour <= kEnergyFileRows; ++hour)
                energy << "   12 31  23      0.0      0.0      0.0\r\n";
        }
        return {true, false, exitCode, {}, {" Stand-in engine"}};
    }
    int runs = 0;
    int exitCode = 0;
    bool writesEnergy = true;
};

class SimulateTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
        main().Engine = &engine;
        main().CardWriter = [this](HouseModel& house) {
            ++cardFiles;
            std::ofstream(std::filesystem::path(house.RootDir) / "SCRATCH") << " 9\r\n";
        };
        model().ProjectName = "Cottage";
        model().ClimateFileName = "climat05.TXT";
        model().ClimateZone = 5;
        model().Latitude = -37.8;
        model().Longitude = 145.0;
        // 200 x 160 px at 40 px/m: 5 m x 4 m, heated and cooled, walls 2.4 m high.
        zone = plan_test::addRectangle(model(), 1, 40, 40, 200, 160, 0x00FF80);
        model().Zones(zone).Name = "Living";
        model().Zones(zone).Heated = model().Zones(zone).Cooled = true;
        for (int n = 0; n < 4; ++n)
            model().Walls(zone, n).ExtHeight = model().Walls(zone, n).PartHeight = 2.4;
    }

    // The star panel's widgets by name: this file sees the simulation's names, not the panel's.
    QString panelText(const char* name) {
        const auto* label = main().findChild<QLabel*>(name);
        return label ? label->text() : "no label " + QString(name);
    }
    QToolButton* panelButton(const char* name) { return main().findChild<QToolButton*>(name); }

    StandInEngine engine;
    int cardFiles = 0;
    int zone = 0;
};

TEST_F(SimulateTest, ACompletedRunShowsItsRatingAndIsKept) {
    main().SimulateSBClick();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    EXPECT_EQ(cardFiles, 1);
    EXPECT_EQ(engine.runs, 1);
    ASSERT_NE(main().lastSimulation(), nullptr);
    EXPECT_TRUE(main().lastSimulation()->LastRunCompleted);
    // 800 MJ heating and 240 MJ cooling over 20 m2.
    EXPECT_EQ(panelText("FileLabel"), "Cottage_1") << "project name and run number";
    EXPECT_EQ(panelText("HeatLabel"), "40.0");
    EXPECT_EQ(panelText("CoolLabel"), "12.0");
    EXPECT_EQ(panelText("TotalLabel"), "52.0");
    // 52 MJ/m2 lies within the 15th band of climate 5 (limit 60, the 16th is 50): 7.5 stars.
    EXPECT_EQ(panelText("StarLabel"), "7.5");
    EXPECT_FALSE(panelButton("DelRecSB")->isHidden());
    EXPECT_TRUE(model().ResultsCurrent);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Data/PASTRATE.TXT"));
    EXPECT_EQ(model().Zones(zone).NodeCount, 4) << "the pre-simulation pass left the outline as it was";
}

TEST_F(SimulateTest, AFailedRunOrAFailedCheckStoresNothing) {
    engine.exitCode = 3;
    engine.writesEnergy = false;
    main().SimulateSBClick();
    ASSERT_EQ(scripted.messages.shown.size(), 1u);
    EXPECT_TRUE(scripted.messages.shown[0].text.startsWith("The simulation has been unsuccessful"))
        << scripted.messages.shown[0].text.toStdString();
    EXPECT_FALSE(main().lastSimulation()->LastRunCompleted);
    EXPECT_FALSE(model().ResultsCurrent);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data/PASTRATE.TXT"));
    EXPECT_TRUE(panelText("FileLabel").isEmpty());
    EXPECT_TRUE(panelButton("DelRecSB")->isHidden());

    scripted.messages.clear();
    engine = StandInEngine{};
    model().ClimateFileName.clear();
    main().SimulateSBClick();
    EXPECT_EQ(engine.runs, 0);
    ASSERT_EQ(scripted.messages.shown.size(), 1u);
    EXPECT_EQ(scripted.messages.shown[0].text, "No climate file has been selected.");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data/PASTRATE.TXT"));
}

} // namespace
