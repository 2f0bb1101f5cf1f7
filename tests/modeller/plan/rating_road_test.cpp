// The whole road from the main window with the real card writer and the real engine, in a program
// folder of the test's own mirroring the built one: the single-level sample house (Perth, climate 62)
// is opened, simulated for the year and rated from the shipped star bands; and with a star band table
// that has no row for climate 62, start-up says so and the house is told it cannot be rated.
#include "common/text_values.h"
#include "modeller/engine_input/engine_process.h"
#include "modeller/model/house_file.h"
#include "modeller/plan/application_forms.h"
#include "modeller/results/rating_history.h"
#include "modeller/results/star_panel_widget.h"
#include "tests/support/program_folder_mirror.h"
#include "tests/support/temporary_folder.h"

#include "plan_fixture.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

namespace {

using namespace pelmora;
namespace fs = std::filesystem;

constexpr int kSampleClimate = 62;

class RatingRoad : public ::testing::Test {
  protected:
    void SetUp() override {
        test_support::mirrorProgramFolder(PROGRAM_FOLDER, root.path());
        previousFolder = fs::current_path();
        fs::current_path(root.path());
    }
    void TearDown() override {
        forms.reset();
        fs::current_path(previousFolder);
    }

    // The star band table of the program folder: the shipped one without the rows of `dropped`.
    void starBandsWithout(int dropped) {
        const fs::path stars = root / "Data" / "STARS";
        fs::remove(stars); // the link, not the shipped folder
        fs::create_directories(stars);
        common::TextFileWriter table;
        for (const std::string& line :
             common::readTextLines(fs::path(PROGRAM_FOLDER) / "Data/STARS/STARS.TXT")) {
            std::istringstream fields(line);
            int climate = 0;
            if (fields >> climate && climate == dropped) continue;
            table.line(line);
        }
        table.save(stars / "STARS.TXT");
    }

    // Starts the program in the folder, opens the sample house and simulates it with the real engine.
    void startOpenAndSimulate() {
        forms = std::make_unique<ApplicationForms>(workspace, scripted.services, root.path());
        TMainForm& main = *forms->MainForm;
        main.HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
        main.Engine = &engine;
        main.FormShow();
        startupBoxes = scripted.messages.shown;
        scripted.messages.clear();
        scripted.files.chooseNext(
            QString::fromStdString((root / "house" / "Sample single level_1.VOR").string()));
        main.SBopenFileClick();
        ASSERT_EQ(workspace.model.ClimateZone, kSampleClimate);
        main.SimulateSBClick();
        ASSERT_NE(main.lastSimulation(), nullptr);
        ASSERT_TRUE(main.lastSimulation()->LastRunCompleted);
    }

    QString panelText(const char* name) const {
        const auto* label = forms->MainForm->findChild<QLabel*>(name);
        return label ? label->text() : "no label " + QString(name);
    }

    // The limits of a climate in the shipped star band file, read here on their own.
    static std::vector<double> shippedLimits(int climate) {
        std::vector<double> limits;
        for (const std::string& line :
             common::readTextLines(fs::path(PROGRAM_FOLDER) / "Data/STARS/STARS.TXT")) {
            std::istringstream fields(line);
            int c = 0;
            if (!(fields >> c) || c != climate) continue;
            for (double limit; limits.size() < 20 && fields >> limit;) limits.push_back(limit);
        }
        return limits;
    }

    test_support::TemporaryFolder root{"rating_road"};
    fs::path previousFolder;
    Workspace workspace;
    plan_test::ScriptedServices scripted;
    HeadlessEngineRunner engine;
    std::unique_ptr<ApplicationForms> forms;
    std::vector<platform::ScriptedMessageService::Shown> startupBoxes;
};

// The year's energy file of the real engine is read and rated: the figure is the half star of the
// highest shipped limit at or above the total energy per square metre, and the kept history reads back.
TEST_F(RatingRoad, TheSampleHouseIsRatedFromTheShippedStarBands) {
    startOpenAndSimulate();
    EXPECT_TRUE(startupBoxes.empty()) << startupBoxes.front().text.toStdString();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    const double total = panelText("TotalLabel").toDouble(); // MJ/m2, one decimal
    ASSERT_GT(total, 0.0);
    const std::vector<double> limits = shippedLimits(kSampleClimate);
    ASSERT_EQ(limits.size(), 20u);
    double expected = 0.0;
    for (std::size_t j = 0; j < limits.size(); ++j)
        if (total <= limits[j]) expected = 0.5 * static_cast<double>(j + 1);
    // The label rounds the energy to 0.1 MJ/m2; the rating is of the energy itself, which may lie on
    // the other side of a limit within 0.05 MJ/m2 of the label.
    bool nearALimit = false;
    for (const double limit : limits) nearALimit = nearALimit || std::abs(total - limit) <= 0.05;
    const double stars = panelText("StarLabel").toDouble();
    EXPECT_NEAR(stars, expected, nearALimit ? 0.5 : 0.0) << total << " MJ/m2";
    EXPECT_FALSE(panelText("StarLabel").isEmpty());

    auto kept = std::make_unique<SimulationHistory>();
    ReadPastRatings(*kept, root.path());
    ASSERT_EQ(kept->SimulationRecordCount, 1);
    EXPECT_EQ(kept->SimulationRecords(1).Name, "Sample single level_1");
    EXPECT_EQ(kept->SimulationRecords(1).Stars, stars);
}

// Without a row for climate 62 in the star band table, start-up reports the table and the climate, and
// the simulated house shows its energies, no stars and no lemon, and is told it cannot be rated.
TEST_F(RatingRoad, AHouseInAClimateWithoutStarBandsIsToldItCannotBeRated) {
    starBandsWithout(kSampleClimate);
    startOpenAndSimulate();
    ASSERT_EQ(startupBoxes.size(), 1u);
    const std::string startup = startupBoxes[0].text.toStdString();
    EXPECT_NE(startup.find("STARS.TXT has no row for climate 62, which the location tables name"),
              std::string::npos)
        << startup;
    ASSERT_EQ(scripted.messages.shown.size(), 1u);
    EXPECT_EQ(
        scripted.messages.shown[0].text.toStdString(),
        "The star band table Data/STARS/STARS.TXT has no row for climate 62, so the house cannot be rated.");
    EXPECT_GT(panelText("TotalLabel").toDouble(), 0.0) << "the energies are shown";
    EXPECT_TRUE(panelText("StarLabel").isEmpty());
    EXPECT_TRUE(forms->MainForm->StarPanel->lemon->isHidden());
    for (int i = 1; i <= kStarImages; ++i) EXPECT_TRUE(forms->MainForm->StarPanel->star(i)->isHidden());
}

} // namespace
