// The zone dialogs' changes reach the engine: the two-storey sample house is opened in a program
// folder of the test's own, changed through the air movement, zone details and stairs dialogs, and
// the card file the engine reads is written with the real writer before and after.
#include "modeller/model/house_file.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/plan/application_forms.h"
#include "tests/support/program_folder_mirror.h"
#include "tests/support/temporary_folder.h"

#include "plan_fixture.h"

#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace pelmora;
namespace fs = std::filesystem;

struct YesToStairwells : StairwellQuestion {
    bool ConfirmStairwellDeletion(const std::string&) override { return true; }
    void ReportDeletedWindows(const std::string& text) override {
        ADD_FAILURE() << "no window is deleted: " << text;
    }
};

// The sample's zones.
constexpr int kLiving = 1;
constexpr int kKitchen = 2;
constexpr int kBed1 = 3; // upstairs, with the stairwell down into the living room
constexpr int kBed2 = 4;

class ZoneCardsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test_support::mirrorProgramFolder(PROGRAM_FOLDER, root.path());
        previousFolder = fs::current_path();
        fs::current_path(root.path());
        forms = std::make_unique<ApplicationForms>(workspace, scripted.services, root.path());
        TMainForm& main = *forms->MainForm;
        main.HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
        main.FormShow();
        scripted.messages.clear();
        scripted.files.chooseNext(
            QString::fromStdString((root / "house" / "Sample two storey_1.VOR").string()));
        main.SBopenFileClick();
        ASSERT_EQ(workspace.model.ZoneCount, 4);
    }
    void TearDown() override {
        EXPECT_EQ(answered, scheduled) << "every dialog the test answers was shown";
        forms.reset();
        fs::current_path(previousFolder);
    }

    // Writes the card file as a run does (the pre-simulation pass, then the writer) and reads it.
    std::vector<std::string> cards() {
        SilentPlanView view;
        YesToStairwells yes;
        EXPECT_FALSE(ScratchCalcs(workspace.model, view, yes));
        forms->MainForm->CardWriter(workspace.model);
        std::vector<std::string> lines;
        std::ifstream file(root / "SCRATCH");
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    // The zone card `number` of `zone`, or nothing.
    static std::optional<std::string> card(const std::vector<std::string>& lines, int zone, int number) {
        char head[16];
        std::snprintf(head, sizeof head, " 3%3d%3d", zone, number);
        for (const std::string& line : lines)
            if (line.rfind(head, 0) == 0) return line;
        return std::nullopt;
    }
    // Field `index` (from 0) of the six-column fields after the card's head.
    static double field(const std::string& card, int index) {
        return std::stod(card.substr(8 + 6 * static_cast<std::size_t>(index), 6));
    }
    // The ventilation card of the stairwell from Bed 1 down into the living room.
    static std::string stairCard(const std::vector<std::string>& lines) {
        for (int n = 301; n < 400; ++n) {
            const auto c = card(lines, kBed1, n);
            if (c && field(*c, 6) == 2 && field(*c, 8) == kLiving) return *c;
        }
        return "no stairwell card";
    }
    // Runs `answer` once the modal run of `dialog` has started.
    void whenShown(QDialog* dialog, std::function<void()> answer) {
        ++scheduled;
        QTimer::singleShot(0, dialog, [this, dialog, answer] {
            if (!dialog->isVisible()) return;
            ++answered;
            answer();
        });
    }
    int scheduled = 0;
    int answered = 0;

    test_support::TemporaryFolder root{"zone_cards"};
    fs::path previousFolder;
    Workspace workspace;
    plan_test::ScriptedServices scripted;
    std::unique_ptr<ApplicationForms> forms;
};

TEST_F(ZoneCardsTest, ChangesMadeInTheZoneDialogsArriveInTheEnginesCards) {
    const std::vector<std::string> before = cards();
    ASSERT_FALSE(card(before, kKitchen, 701)) << "the sample's kitchen has no ceiling fans";
    ASSERT_TRUE(card(before, kBed2, 501)) << "a bedroom is heated";
    ASSERT_TRUE(card(before, kBed2, 503)) << "and cooled";
    // The stairwell opening: sqrt(2.4 x 1.2) = 1.70 m high.
    EXPECT_NEAR(field(stairCard(before), 4), 1.70, 0.005);

    PlanSelection& selection = workspace.selection;
    // Three ceiling fans of 1400 mm in the kitchen.
    selection.CurrentZone = kKitchen;
    TAirFlowForm& air = *forms->AirFlowForm;
    whenShown(&air, [&] {
        air.Panels->FanNumUD->setValue(3);
        air.Panels->DiameterRG->item(2)->click();
        air.OKSBClick();
    });
    air.ShowModal();

    // Bed 2 becomes a wet area, which is neither heated nor cooled.
    selection.CurrentZone = kBed2;
    TZoneDetailForm& details = *forms->ZoneDetailForm;
    whenShown(&details, [&] {
        details.ZoneTypeCB->setCurrentIndex(3);
        emit details.ZoneTypeCB->activated(3);
        details.OKSBClick();
    });
    workspace.model.Zones(kBed2).Colour = forms->PlanDialogs->ZoneDetailForm();

    // The stairwell shortened to 900 mm.
    selection.CurrentZone = kBed1;
    TStairForm& stairs = *forms->StairForm;
    whenShown(&stairs, [&] {
        stairs.HeightRG->item(3)->click();
        stairs.OKSBClick();
    });
    stairs.ShowModal();

    const std::vector<std::string> after = cards();
    const auto fans = card(after, kKitchen, 701);
    ASSERT_TRUE(fans);
    EXPECT_EQ(field(*fans, 1), 3 * 60.0) << "60 W a fan";
    EXPECT_GT(field(*fans, 0), 0.0) << "the fans move the air";
    EXPECT_FALSE(card(after, kBed2, 501));
    EXPECT_FALSE(card(after, kBed2, 503));
    EXPECT_TRUE(card(after, kBed1, 501)) << "the other bedroom stays heated";
    // sqrt(0.9 x 1.2) = 1.04 m for both the opening's width and height.
    EXPECT_NEAR(field(stairCard(after), 0), 1.04, 0.005);
    EXPECT_NEAR(field(stairCard(after), 4), 1.04, 0.005);
}

} // namespace
