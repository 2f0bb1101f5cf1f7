// The sample houses the build lays into the program folder, opened through the main window with the
// real house file reader and drawn on the plan.
#include "common/text_values.h"
#include "modeller/model/house_file.h"
#include "modeller/model/plan_geometry.h"
#include "modeller/model/presimulation_pass.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/project_details_form.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace pelmora;

// A sample is a house the pass takes as it stands: a stairwell question or a deleted window fails.
class NoQuestion : public StairwellQuestion {
    bool ConfirmStairwellDeletion(const std::string& text) override {
        ADD_FAILURE() << text;
        return true;
    }
    void ReportDeletedWindows(const std::string& text) override { ADD_FAILURE() << text; }
};
using plan_test::MainWindowTest;

class SampleHousesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main().HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
        main().HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
        main().FormShow();
        main().resizeCanvas({700, 560}, {0, 0});
    }
    void open(const char* name) {
        const auto shipped = std::filesystem::path(PROGRAM_FOLDER) / "house" / name;
        ASSERT_TRUE(std::filesystem::exists(shipped)) << shipped;
        const auto copy = folder.path() / "house" / name;
        std::filesystem::copy_file(shipped, copy);
        scripted.files.chooseNext(QString::fromStdString(copy.string()));
        main().SBopenFileClick();
        ASSERT_TRUE(scripted.messages.shown.empty()) << scripted.messages.shown.front().text.toStdString();
    }
    // Every zone of the current level shows its colour inside and a dark outline on each wall.
    void expectEveryZoneDrawn() {
        const QImage& plan = main().planCanvas();
        int drawn = 0;
        for (int z = 1; z <= model().ZoneCount; ++z) {
            if (model().Zones(z).Level != model().CurrentLevel) continue;
            const TPlanPoint a = model().ZoneNodes(z, 0);
            const TPlanPoint c = model().ZoneNodes(z, 2);
            // The outlines are rectangles or rectangles with a node on an edge; a point a third of
            // the way across lies inside, away from windows and doors.
            int x = a.X + (c.X - a.X) / 3, y = a.Y + (c.Y - a.Y) / 3;
            // Clear of the grid lines (every half metre, 20 px), which invert what lies under them.
            while (x % 20 == 0 || y % 20 == 0) ++x, ++y;
            EXPECT_EQ(plan.pixel(x, y) & 0xFFFFFF, modelColour(model().Zones(z).Colour).rgb() & 0xFFFFFF)
                << model().Zones(z).Name;
            for (int w = 0; w < model().Zones(z).NodeCount; ++w) {
                const TPlanPoint p = model().ZoneNodes(z, w);
                const TPlanPoint q = model().ZoneNodes(z, model().NextWall(z, w));
                // A quarter along each wall, clear of the node boxes.
                const int wx = p.X + (q.X - p.X) / 4, wy = p.Y + (q.Y - p.Y) / 4;
                EXPECT_NE(plan.pixel(wx, wy) & 0xFFFFFF, 0xFFFFFFu) << model().Zones(z).Name << " wall " << w;
            }
            ++drawn;
        }
        EXPECT_GT(drawn, 0);
    }
    // The project details show the state that the shipped postcode table gives the house's postcode.
    void expectTheStateOfItsPostcode() {
        std::string state;
        for (const std::string& line :
             common::readTextLines(std::filesystem::path(PROGRAM_FOLDER) / "Data/PC.TXT")) {
            std::istringstream fields(line);
            int postcode = 0;
            if (fields >> postcode && postcode == model().Postcode) fields >> state;
        }
        ASSERT_FALSE(state.empty()) << "postcode " << model().Postcode << " is in the postcode table";
        forms->ProjectDetailsForm->FormShow();
        EXPECT_EQ(forms->ProjectDetailsForm->StateCB->currentText().toUpper().toStdString(), state);
    }
};

TEST_F(SampleHousesTest, SingleLevelHouseOpensWithItsFourZonesDrawn) {
    open("Sample single level_1.VOR");
    EXPECT_EQ(model().ProjectName, "Sample single level");
    EXPECT_EQ(model().ZoneCount, 4);
    EXPECT_EQ(model().LevelCount, 1);
    EXPECT_EQ(model().Magnification, 2.0);
    EXPECT_EQ(model().ZoneNodes(1, 1), (TPlanPoint{480, 80})) << "12 m and 2 m at 40 px/m";
    EXPECT_NEAR(model().Zones(1).FloorArea, 50.0, 1e-9);
    EXPECT_EQ(model().Walls(2, 1).AdjZone, 3) << "Bed 1 and the bathroom share a wall";
    expectEveryZoneDrawn();
    expectTheStateOfItsPostcode();
}

TEST_F(SampleHousesTest, TwoStoreyHouseOpensWithItsStairwellAndBothLevelsDraw) {
    open("Sample two storey_1.VOR");
    EXPECT_EQ(model().LevelCount, 2);
    EXPECT_EQ(model().ZoneCount, 4);
    EXPECT_EQ(model().Zones(3).StairDownCount, 1);
    EXPECT_EQ(model().StairsDown(3, 1).Zone, 1);
    EXPECT_EQ(model().Zones(1).StairUpCount, 1);
    EXPECT_EQ(model().StairsUp(1, 1).Zone, 3);
    EXPECT_EQ(model().LastStairId, 1);
    expectTheStateOfItsPostcode();
    expectEveryZoneDrawn();
    main().SBLevelClick(2);
    expectEveryZoneDrawn();
}

TEST_F(SampleHousesTest, SavedAndOpenedAgainTheHouseIsUnchanged) {
    open("Sample two storey_1.VOR");
    const std::string before = houseFileText(model());
    main().SBsaveClick();
    scripted.files.chooseNext(
        QString::fromStdString((folder.path() / "house" / "Sample two storey_1.VOR").string()));
    scripted.messages.answerNext(platform::Answer::No);
    main().SBopenFileClick();
    EXPECT_EQ(houseFileText(model()), before);
}

// The lines (the first five) in which two house file texts differ, empty when they are alike.
std::string changedLines(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string shown;
    int changed = 0;
    for (int n = 1;; ++n) {
        std::string x, y;
        const bool moreA = static_cast<bool>(std::getline(a, x)),
                   moreB = static_cast<bool>(std::getline(b, y));
        if (!moreA && !moreB) break;
        if (x == y) continue;
        if (++changed <= 5) shown += "line " + std::to_string(n) + ": \"" + x + "\" became \"" + y + "\"\n";
    }
    return shown;
}

// What is rated is the house, not the last drawing of the plan: the single-level sample with eaves
// 600 mm out from every outer wall gives every window and door on an outer wall a 0.6 m eave, and the
// same house to the engine, at every zoom, with the plan's edit mode on or off (released before the
// zoom, as an assessor who only looks does).
TEST_F(SampleHousesTest, ThePassGivesTheSameHouseAtEveryZoomWithEditModeOnOrOff) {
    open("Sample single level_1.VOR");
    HouseModel& m = model();
    const PlanLimits limits = PlanLimit(m);
    const int margin = static_cast<int>(std::lround(0.6 * PixelsPerMetre(m))); // px, 600 mm
    const TPlanPoint lo = limits.ZoneMin(0), hi = limits.ZoneMax(0);
    const TPlanPoint eaves[4] = {{lo.X - margin, lo.Y - margin},
                                 {hi.X + margin, lo.Y - margin},
                                 {hi.X + margin, hi.Y + margin},
                                 {lo.X - margin, hi.Y + margin}};
    m.EavesDefined(1) = true;
    m.Eaves(1).Count = 4;
    for (int k = 0; k < 4; ++k) m.Eaves(1).Points(k) = m.EavesNodes(1, k) = eaves[k];

    NoQuestion question;
    // After a pass at the zoom shown: what the card writer takes of the plan (floor areas, and the
    // length, direction and eaves of every outer wall and opening), to 0.1 mm and 0.001 degree.
    const auto passedHouse = [&] {
        EXPECT_FALSE(ScratchCalcs(m, main(), question));
        std::ostringstream rated;
        rated << std::fixed << std::setprecision(4);
        int outerOpenings = 0;
        for (int z = 1; z <= m.ZoneCount; ++z) {
            rated << "zone " << z << " area " << m.Zones(z).FloorArea << "\n";
            for (int w = 0; w < m.Zones(z).NodeCount; ++w) {
                const TWallRec& wall = m.Walls(z, w);
                if (wall.AdjZone != 0) continue;
                rated << " wall " << w << " " << wall.Length << " m at " << wall.Azimuth << " eave "
                      << wall.EavesDepth << "\n";
                EXPECT_NEAR(wall.EavesDepth, 0.6, 1e-9) << "zone " << z << " wall " << w;
                for (int k = 1; k <= wall.WindowCount; ++k, ++outerOpenings) {
                    const TWindowRec& window = m.WallWindows(z, w, k);
                    rated << "  window " << k << " at " << window.Position << " eave " << window.EavesDepth
                          << "\n";
                    EXPECT_NEAR(window.EavesDepth, 0.6, 1e-9) << "zone " << z << " wall " << w;
                }
                for (int k = 1; k <= wall.DoorCount; ++k, ++outerOpenings) {
                    const TDoorRec& door = m.WallDoors(z, w, k);
                    rated << "  door " << k << " at " << door.Position << " eave " << door.EavesDepth << "\n";
                    EXPECT_NEAR(door.EavesDepth, 0.6, 1e-9) << "zone " << z << " wall " << w;
                }
            }
        }
        EXPECT_GT(outerOpenings, 0);
        return rated.str();
    };
    ASSERT_TRUE(main().EditMode);
    const std::string atOpening = passedHouse();
    const struct {
        bool edit;
        int zoom; // magnification index: 20, 40, 60 or 80 px/m
    } views[] = {{false, 2}, {false, 0}, {false, 3}, {false, 1}, {true, 2}, {true, 0}, {true, 3}, {false, 2}};
    for (const auto& v : views) {
        SCOPED_TRACE(testing::Message()
                     << (v.edit ? "editing" : "looking") << " at " << 20 * (v.zoom + 1) << " px/m");
        if (main().EditMode != v.edit) main().SBeditButtonClick();
        main().ChangeMagnitude(v.zoom);
        EXPECT_EQ(changedLines(atOpening, passedHouse()), "");
    }
}

// The shipped samples are stored as the modeller writes them: opening one and saving it at once
// writes the file that was opened, byte for byte, so a save changes only what the user changed.
class ShippedSampleTest : public SampleHousesTest, public ::testing::WithParamInterface<const char*> {};

std::vector<std::string> fileLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Fails for each line (the first five) in which the saved sample differs from the shipped one.
void expectSavedAsShipped(const char* name, const std::filesystem::path& saved) {
    const auto shipped = std::filesystem::path(PROGRAM_FOLDER) / "house" / name;
    const std::vector<std::string> expected = fileLines(shipped), written = fileLines(saved);
    int changed = 0;
    for (std::size_t i = 0; i < std::max(expected.size(), written.size()); ++i) {
        const std::string a = i < expected.size() ? expected[i] : "<none>";
        const std::string b = i < written.size() ? written[i] : "<none>";
        if (a == b) continue;
        if (++changed <= 5)
            ADD_FAILURE() << "line " << i + 1 << ": shipped \"" << a << "\", saved \"" << b << "\"";
    }
    EXPECT_EQ(changed, 0) << "lines that the save rewrites";
    EXPECT_EQ(std::filesystem::file_size(saved), std::filesystem::file_size(shipped));
}

TEST_P(ShippedSampleTest, SavedUntouchedItIsWrittenByteForByteAsShipped) {
    const char* name = GetParam();
    open(name);
    main().SBsaveClick();
    expectSavedAsShipped(name, folder.path() / "house" / name);
}

// The samples hold what the pre-simulation pass works out from their plans: after a look at every
// level and a pass, as a run or the input file makes, a save writes the shipped file byte for byte.
TEST_P(ShippedSampleTest, APassAndASaveChangeNothing) {
    const char* name = GetParam();
    open(name);
    for (int level = model().LevelCount; level >= 1; --level) main().SBLevelClick(level);
    NoQuestion question;
    EXPECT_FALSE(ScratchCalcs(model(), main(), question));
    main().SBsaveClick();
    expectSavedAsShipped(name, folder.path() / "house" / name);
}

INSTANTIATE_TEST_SUITE_P(Samples, ShippedSampleTest,
                         ::testing::Values("Sample single level_1.VOR", "Sample two storey_1.VOR"));

} // namespace
