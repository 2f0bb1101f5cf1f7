// The main window's mode and usage buttons: the messages when the mode dialog cannot be shown, the
// dialogs each button opens, and a sample house simulated with the real card writer and engine after
// its mode was changed: free running it gets no stars, conditioned it does.
#include "common/file_lookup.h"
#include "common/text_values.h"
#include "modeller/engine_input/engine_process.h"
#include "modeller/model/house_file.h"
#include "modeller/plan/main_form.h"
#include "modeller/results/simulation_records.h"
#include "modeller/results/star_panel_widget.h"

#include "plan_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace pelmora;
using plan_test::MainWindowTest;
namespace fs = std::filesystem;

// Runs `act` on the modal dialog that the next command opens, once it is on the screen.
void onModalDialog(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

class OccupancyCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        startWithNewHouse();
    }
};

TEST_F(OccupancyCommandsTest, TheModeButtonSaysWhatIsMissingAndShowsNothing) {
    for (QWidget* b : std::initializer_list<QWidget*>{main().ModeSB, main().ApplianceSB, main().WaterSB,
                                                      main().WaterSourceSB, main().EnergySourceSB})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    model().ResultsCurrent = true;
    main().ModeSB->click();
    EXPECT_EQ(scripted.messages.informations(), std::vector<QString>{"No climate file has been selected."})
        << "neither a climate file nor zones: only the climate message";
    model().ClimateFileName = "climat05.TXT";
    scripted.messages.clear();
    main().ModeSB->click();
    EXPECT_EQ(scripted.messages.informations(), std::vector<QString>{"No zones have been modelled."});
    EXPECT_TRUE(model().ResultsCurrent) << "no dialog was shown";
    EXPECT_EQ(main().ModeSB->toolTip(), "Select Conditioned or\nFree Running Mode");
}

TEST_F(OccupancyCommandsTest, TheModeDialogChangesTheZonesAndTheResultsAreNoLongerCurrent) {
    model().ClimateFileName = "climat05.TXT";
    const int living = plan_test::addRectangle(model(), 1, 40, 40, 200, 160, 0x00FF80);
    const int garage = plan_test::addRectangle(model(), 1, 240, 40, 100, 160, 0x808080);
    model().Zones(garage).ZoneType = 5;
    model().ResultsCurrent = true;
    onModalDialog([this](QWidget* dialog) {
        EXPECT_EQ(dialog, forms->SettingsForm.get());
        forms->SettingsForm->CondSB->click();
        forms->SettingsForm->OKSB->click();
    });
    main().ModeSB->click();
    EXPECT_TRUE(model().Zones(living).Heated && model().Zones(living).Cooled);
    EXPECT_FALSE(model().IsConditioned(garage));
    EXPECT_FALSE(model().ResultsCurrent);
    EXPECT_TRUE(scripted.messages.shown.empty());
    EXPECT_EQ(forms->SettingsForm->HelpContext, 100);
}

TEST_F(OccupancyCommandsTest, EachUsageButtonShowsItsDialogOnTheSelectedZone) {
    plan_test::addRectangle(model(), 1, 40, 40, 200, 160, 0x00FF80);
    plan_test::addRectangle(model(), 1, 240, 40, 100, 160, 0x808080);
    workspace->selection.CurrentZone = 2;
    struct Case {
        platform::SpeedButton* button;
        QWidget* dialog;
    };
    for (const Case& c :
         {Case{main().ApplianceSB, forms->ApplianceForm.get()}, Case{main().WaterSB, forms->WaterForm.get()},
          Case{main().WaterSourceSB, forms->WaterSourceForm.get()},
          Case{main().EnergySourceSB, forms->EnergySourceForm.get()}}) {
        model().DisplayZone = 1;
        QWidget* shown = nullptr;
        onModalDialog([&shown](QWidget* dialog) {
            shown = dialog;
            if (dialog) static_cast<QDialog*>(dialog)->accept();
        });
        c.button->click();
        EXPECT_EQ(shown, c.dialog) << c.button->objectName().toStdString();
        if (c.dialog == forms->ApplianceForm.get() || c.dialog == forms->WaterForm.get()) {
            EXPECT_EQ(model().DisplayZone, 2) << c.button->objectName().toStdString();
        }
    }
    EXPECT_TRUE(scripted.messages.shown.empty());
}

// The built program folder mirrored into the test's own (programs and shipped data as links, the
// occupancy files copied so that a test may spoil one), with the main window started up in it and
// the single-level sample house open.
class SampleHouseModeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousFolder = fs::current_path();
        const fs::path from = PROGRAM_FOLDER;
        for (const auto& entry : fs::directory_iterator(from)) {
            const std::string name = entry.path().filename().string();
            if (name == "Data" || name == "house" || name == "temperature" || name == "SCRATCH" ||
                name == "energy.txt" || name == "output.txt" || name == "natrep.dt2" || name == "tape52")
                continue;
            fs::create_symlink(entry.path(), root / name);
        }
        for (const char* folder : {"Data", "house", "temperature"}) fs::create_directory(root / folder);
        for (const auto& entry : fs::directory_iterator(from / "Data")) {
            const std::string name = entry.path().filename().string();
            if (name == "PASTRATE.TXT") continue;
            if (name == "Occupant")
                fs::copy(entry.path(), root / "Data" / name, fs::copy_options::recursive);
            else
                fs::create_symlink(entry.path(), root / "Data" / name);
        }
        const fs::path house = root / "house/Sample single level_1.VOR";
        fs::copy_file(from / "house/Sample single level_1.VOR", house);
        fs::current_path(root);
        forms = std::make_unique<ApplicationForms>(*workspace, scripted.services, root);
        main().HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
        main().HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
        main().FormShow();
        scripted.files.chooseNext(QString::fromStdString(house.string()));
        main().SBopenFileClick();
        main().Engine = &engine;
        ASSERT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    }
    void TearDown() override {
        forms.reset();
        fs::current_path(previousFolder);
    }

    TMainForm& main() { return *forms->MainForm; }
    HouseModel& model() { return workspace->model; }
    // Presses the mode button and then `button` and OK in the mode dialog.
    void chooseMode(platform::SpeedButton* TSettingsForm::*button) {
        onModalDialog([this, button](QWidget*) {
            (forms->SettingsForm.get()->*button)->click();
            forms->SettingsForm->OKSB->click();
        });
        main().ModeSB->click();
    }
    QString panelText(const char* name) { return main().StarPanel->findChild<QLabel*>(name)->text(); }

    QTemporaryDir dir;
    fs::path root{dir.path().toStdString()};
    fs::path previousFolder;
    std::unique_ptr<Workspace> workspace = std::make_unique<Workspace>();
    plan_test::ScriptedServices scripted;
    HeadlessEngineRunner engine;
    std::unique_ptr<ApplicationForms> forms;
};

TEST_F(SampleHouseModeTest, AFreeRunningHouseGetsNoStarsAndAConditionedOneDoes) {
    ASSERT_GT(model().ZoneCount, 0);
    chooseMode(&TSettingsForm::FreeSB);
    for (int z = 1; z <= model().ZoneCount; ++z) ASSERT_FALSE(model().IsConditioned(z)) << z;
    main().SimulateSBClick();
    EXPECT_EQ(
        scripted.messages.informations(),
        std::vector<QString>{"No zone of the house is heated or cooled, so the house gets no star rating."});
    ASSERT_EQ(main().history().SimulationRecordCount, 1);
    EXPECT_EQ(main().history().SimulationRecords(1).Area, 0.0);
    EXPECT_EQ(panelText("TotalLabel"), "mode") << "Free running mode";
    EXPECT_TRUE(main().StarPanel->StarLabel->isHidden());
    EXPECT_FALSE(fs::exists(root / "energy.txt")) << "no zone conditioned: the engine writes no energy file";

    scripted.messages.clear();
    chooseMode(&TSettingsForm::CondSB);
    main().SimulateSBClick();
    EXPECT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    ASSERT_EQ(main().history().SimulationRecordCount, 2);
    EXPECT_GT(main().history().SimulationRecords(1).Area, 0.0);
    EXPECT_FALSE(main().StarPanel->StarLabel->isHidden());
    const double stars = panelText("StarLabel").toDouble();
    EXPECT_GE(stars, 0.5);
    EXPECT_LE(stars, 10.0);
    EXPECT_GT(panelText("TotalLabel").toDouble(), 0.0);
}

TEST_F(SampleHouseModeTest, ATruncatedOccupancyFileStopsTheRunWithItsNameAndLine) {
    const fs::path occupancy = *common::findCaseInsensitive(
        root / "Data", "Occupant/OCCUP" + model().ClimateFileName.substr(6, 2) + ".DAT");
    auto lines = common::readTextLines(occupancy);
    lines.resize(40);
    common::TextFileWriter out;
    for (const auto& line : lines) out.line(line);
    out.save(occupancy);
    main().SimulateSB->click();
    const auto errors = scripted.messages.errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains(QString::fromStdString(occupancy.filename().string()) + ", line 41"))
        << errors[0].toStdString();
    EXPECT_EQ(main().history().SimulationRecordCount, 0) << "nothing simulated, nothing rated";
    EXPECT_FALSE(fs::exists(root / "energy.txt"));
}

} // namespace
