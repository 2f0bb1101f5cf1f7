// The sample houses the build lays into the program folder, opened through the main window with the
// real house file reader and drawn on the plan.
#include "common/text_values.h"
#include "modeller/model/house_file.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/project_details_form.h"

#include "plan_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace pelmora;
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

// The shipped samples are stored as the modeller writes them: opening one and saving it at once
// writes the file that was opened, byte for byte, so a save changes only what the user changed.
class ShippedSampleTest : public SampleHousesTest, public ::testing::WithParamInterface<const char*> {};

std::vector<std::string> fileLines(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_P(ShippedSampleTest, SavedUntouchedItIsWrittenByteForByteAsShipped) {
    const char* name = GetParam();
    open(name);
    main().SBsaveClick();
    const auto shipped = std::filesystem::path(PROGRAM_FOLDER) / "house" / name;
    const auto saved = folder.path() / "house" / name;
    const std::vector<std::string> expected = fileLines(shipped), written = fileLines(saved);
    int changed = 0;
    for (std::size_t i = 0; i < std::max(expected.size(), written.size()); ++i) {
        const std::string a = i < expected.size() ? expected[i] : "<none>";
        const std::string b = i < written.size() ? written[i] : "<none>";
        if (a == b) continue;
        if (++changed <= 5)
            ADD_FAILURE() << "line " << i + 1 << ": shipped \"" << a << "\", saved \"" << b << "\"";
    }
    EXPECT_EQ(changed, 0) << "lines that the first save rewrites";
    EXPECT_EQ(std::filesystem::file_size(saved), std::filesystem::file_size(shipped));
}

INSTANTIATE_TEST_SUITE_P(Samples, ShippedSampleTest,
                         ::testing::Values("Sample single level_1.VOR", "Sample two storey_1.VOR"));

} // namespace
