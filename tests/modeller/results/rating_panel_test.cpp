// The star panel's logic: what a record shows, stepping through the kept records, deleting them, the
// start-up and the road after a run.
#include "modeller/results/rating_panel.h"

#include "modeller/results/rating_history.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pelmora;
using namespace results_test;
namespace text = star_panel_text;

struct RecordedAnalysis : AnalysisLink {
    void ratingTexts(const AnalysisRatingTexts& t) override { texts = t; }
    void followRecord(int shown, bool newest, const std::string& backCaption) override {
        followed.push_back({shown, newest, backCaption});
    }
    struct Step {
        int shown;
        bool newest;
        std::string caption;
    };
    AnalysisRatingTexts texts;
    std::vector<Step> followed;
};

class RatingPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.path() / "Data");
        makeHouse(model, folder.path(), {{"Living", 80.0, true, true}});
        // Climate 5: limits falling by 10 from 200 MJ/m2.
        rateableClimate(tables, 5);
        panel.setAnalysis(&analysis);
    }
    // Puts a record in front of the history, as a run would.
    void addRecord(const std::string& name, double stars, double area = 80.0, int climate = 5) {
        StarType& r = pushRecord(*history);
        r.Name = name;
        r.Climate = climate;
        r.Area = area;
        r.Stars = stars;
        r.Heat = 1234.4;
        r.CoolS = 567.5;
        r.CoolL = 88.5;
        r.Total = 1890.4;
        r.AreaAdjust = 0.8;
    }
    int fullStars() const {
        int n = 0;
        for (int i = 1; i <= kStarImages; ++i) n += panel.state().star(i) ? 1 : 0;
        return n;
    }
    int halfStar() const {
        for (int i = 1; i <= kStarImages; ++i)
            if (panel.state().halfstar(i)) return i;
        return 0;
    }

    TempFolder folder;
    HouseModel model;
    RatingTables tables;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
    RecordedMessages messages;
    RecordedAnalysis analysis;
    RatingPanel panel{model, *history, tables, messages};
};

TEST_F(RatingPanelTest, StarImagesAndFigureFollowTheRating) {
    const struct {
        double stars;
        int full, half;
        bool lemon;
        const char* figure;
    } cases[] = {
        {3.5, 3, 4, false, "3.5"},    {0.5, 0, 1, false, "0.5"},  {10.0, 10, 0, false, "10"},
        {4.0, 4, 0, false, "4"},      {9.5, 9, 10, false, "9.5"}, {0.0, 0, 0, true, "0"},
        {kNoRating, 0, 0, false, ""},
    };
    for (const auto& c : cases) {
        addRecord("House_1", c.stars);
        panel.DisplayRating(1);
        EXPECT_EQ(fullStars(), c.full) << c.stars;
        EXPECT_EQ(halfStar(), c.half) << c.stars;
        EXPECT_EQ(panel.state().lemon, c.lemon) << c.stars;
        EXPECT_EQ(panel.state().StarLabel, c.figure);
        EXPECT_EQ(panel.ShownStars, c.stars);
    }
}

TEST_F(RatingPanelTest, EnergiesPerSquareMetreAndTheAdjustedRating) {
    // Climate 5's area correction is 1.25 at every area: a factor of 0.8.
    tables.AreaCorrectionCoeffs(5, 6) = 0.25;
    addRecord("House_3", 8.5);
    panel.DisplayRating(1);
    const StarPanelState& s = panel.state();
    EXPECT_EQ(s.FileLabel, "House_3");
    EXPECT_EQ(s.HeatLabel, "15.4");  // 1234.4 / 80 = 15.43
    EXPECT_EQ(s.CoolLabel, "8.2");   // (567.5 + 88.5) / 80 = 8.2
    EXPECT_EQ(s.TotalLabel, "23.6"); // 1890.4 / 80 = 23.63
    EXPECT_EQ(s.ClimNameLabel, "climat05.TXT");
    EXPECT_TRUE(s.Label1Visible && s.StarLabelVisible && s.AnalysisSBVisible);
    EXPECT_EQ(analysis.texts.TotalLabel, "23.6");
    EXPECT_EQ(analysis.texts.AdjustLabel, "0.80");
    // 1890.4 x 0.8 / 80 = 18.9 MJ/m2: L19 = 20 -> 9.5 stars.
    EXPECT_EQ(analysis.texts.AdjustStarLabel, "9.5");
    addRecord("House_4", 8.5, 80.0, 12);
    panel.DisplayRating(1);
    EXPECT_EQ(panel.state().ClimNameLabel, "climat12.TXT");
    addRecord("House_5", 8.5, 80.0, 7);
    panel.DisplayRating(1);
    EXPECT_EQ(panel.state().ClimNameLabel, "climat07.TXT");
}

TEST_F(RatingPanelTest, RecordWithoutRatingAreaShowsFreeRunningMode) {
    addRecord("House_2", kNoRating, 0.0);
    panel.DisplayRating(1);
    const StarPanelState& s = panel.state();
    EXPECT_EQ(s.CoolLabel + " " + s.HeatLabel + " " + s.TotalLabel, "Free running mode");
    EXPECT_EQ(s.FileLabel, "House_2");
    EXPECT_FALSE(s.StarLabelVisible);
    EXPECT_FALSE(s.Label1Visible || s.Label2Visible || s.Label3Visible);
    EXPECT_EQ(fullStars() + halfStar(), 0);
    EXPECT_FALSE(s.lemon);
    EXPECT_TRUE(s.ForwardSBVisible && s.BackSBVisible) << "the buttons stay";
}

TEST_F(RatingPanelTest, BackStepsToTheOldestAndStaysThere) {
    addRecord("House_1", 1.0);
    addRecord("House_2", 2.0);
    addRecord("House_3", 3.0);
    panel.ForwardSBClick();
    const std::pair<int, const char*> expected[] = {{2, "2"}, {3, "3"}, {3, "3"}};
    for (const auto& [shown, caption] : expected) {
        panel.BackSBClick();
        EXPECT_EQ(panel.ShownRecord, shown);
        EXPECT_EQ(panel.state().BackSBCaption, caption);
        EXPECT_TRUE(panel.state().BackSBDown);
        EXPECT_FALSE(panel.state().ForwardSBDown);
    }
    EXPECT_EQ(panel.state().FileLabel, "House_1");
    ASSERT_EQ(analysis.followed.size(), 3u) << "the newest on Forward, then two steps back";
    EXPECT_EQ(analysis.followed[2].shown, 3);
    EXPECT_FALSE(analysis.followed[2].newest);
    panel.ForwardSBClick();
    EXPECT_EQ(panel.ShownRecord, 1);
    EXPECT_EQ(panel.state().BackSBCaption, "2");
    EXPECT_EQ(panel.state().FileLabel, "House_3");
    EXPECT_TRUE(analysis.followed.back().newest);
}

TEST_F(RatingPanelTest, BackWithOneRecordSpringsUpAndPressesForward) {
    addRecord("House_1", 1.0);
    panel.DisplayRating(1);
    panel.BackSBClick();
    EXPECT_EQ(panel.ShownRecord, 1);
    EXPECT_FALSE(panel.state().BackSBDown);
    EXPECT_TRUE(panel.state().ForwardSBDown);
    EXPECT_TRUE(analysis.followed.empty());
}

TEST_F(RatingPanelTest, DeleteEmptiesThePanelAndRemovesTheHistoryFile) {
    addRecord("House_1", 1.0);
    addRecord("House_2", 2.0);
    panel.BackSBClick();
    WritePastRatings(*history, folder.path());
    panel.DelRecSBClick();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data" / "PASTRATE.TXT"));
    EXPECT_EQ(history->SimulationRecordCount, 0);
    EXPECT_EQ(panel.ShownRecord, 2) << "left as it was";
    const StarPanelState& s = panel.state();
    EXPECT_EQ(s.FileLabel + s.HeatLabel + s.CoolLabel + s.TotalLabel, "");
    EXPECT_EQ(s.BackSBCaption, "2");
    EXPECT_TRUE(s.ForwardSBDown);
    EXPECT_FALSE(s.DelRecSBVisible || s.AnalysisSBVisible || s.ForwardSBVisible || s.BackSBVisible);
    EXPECT_FALSE(s.ClimNameLabelVisible || s.StarLabelVisible || s.Label1Visible);
    EXPECT_EQ(fullStars() + halfStar(), 0);
    panel.ForwardSBClick();
    EXPECT_EQ(panel.state().FileLabel, "") << "nothing to show";
    panel.DelRecSBClick(); // no file: nothing to delete
    EXPECT_EQ(history->SimulationRecordCount, 0);
}

TEST_F(RatingPanelTest, StartUpWithoutHistoryShowsAnEmptyPanel) {
    panel.ReadRatingHistory();
    const StarPanelState& s = panel.state();
    EXPECT_FALSE(s.DelRecSBVisible || s.ForwardSBVisible || s.BackSBVisible || s.AnalysisSBVisible);
    EXPECT_FALSE(s.StarLabelVisible || s.ClimNameLabelVisible);
    EXPECT_EQ(history->SimulationRecordCount, 0);
}

TEST_F(RatingPanelTest, StartUpWithHistoryShowsItsNewestRecord) {
    addRecord("House_1", 1.0);
    addRecord("House_2", 6.5);
    WritePastRatings(*history, folder.path());
    auto fresh = std::make_unique<SimulationHistory>();
    RatingPanel started(model, *fresh, tables, messages);
    started.ReadRatingHistory();
    EXPECT_EQ(fresh->SimulationRecordCount, 2);
    EXPECT_EQ(started.state().FileLabel, "House_2");
    EXPECT_EQ(started.state().StarLabel, "6.5");
    EXPECT_TRUE(started.state().DelRecSBVisible && started.state().BackSBVisible);
}

TEST_F(RatingPanelTest, StartUpWithAFreeRunningNewestRecordKeepsTheOlderRatingsReachable) {
    addRecord("House_1", 6.5);
    addRecord("House_2", kNoRating, 0.0);
    WritePastRatings(*history, folder.path());
    auto fresh = std::make_unique<SimulationHistory>();
    RatingPanel started(model, *fresh, tables, messages);
    started.ReadRatingHistory();
    EXPECT_EQ(started.state().CoolLabel, "Free");
    EXPECT_TRUE(started.state().BackSBVisible && started.state().ForwardSBVisible &&
                started.state().AnalysisSBVisible);
    started.BackSBClick();
    EXPECT_EQ(started.state().FileLabel, "House_1");
    EXPECT_EQ(started.state().StarLabel, "6.5");
}

TEST_F(RatingPanelTest, RunShowsTheNewRecordFirstAndRewritesTheHistory) {
    for (int run = 1; run <= 5; ++run) addRecord("House_" + std::to_string(run), 1.0);
    panel.ForwardSBClick();
    for (int i = 0; i < 3; ++i) panel.BackSBClick();
    ASSERT_EQ(panel.ShownRecord, 4);
    model.RunNumber = 6;
    // 2400 MJ heating on 80 m2 = 30 MJ/m2: L18 = 30 -> 9 stars.
    folder.write("ENERGY.TXT", energyFile({energyRow(6, 1, 1, {2400.0, 0.0, 0.0})}));
    panel.ProcessSimulation();
    EXPECT_EQ(panel.ShownRecord, 1);
    EXPECT_EQ(panel.state().BackSBCaption, "2");
    EXPECT_TRUE(panel.state().ForwardSBDown);
    EXPECT_EQ(panel.state().FileLabel, "House_6");
    EXPECT_EQ(panel.state().StarLabel, "9");
    EXPECT_EQ(fullStars(), 9);
    EXPECT_TRUE(messages.shown.empty());
    auto written = std::make_unique<SimulationHistory>();
    ReadPastRatings(*written, folder.path());
    EXPECT_EQ(written->SimulationRecordCount, 6);
    EXPECT_EQ(written->SimulationRecords(1).Name, "House_6");
}

TEST_F(RatingPanelTest, HouseWithoutRatingAreaIsToldSo) {
    makeHouse(model, folder.path(), {{"Living", 80.0, false, false}});
    panel.ProcessSimulation();
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(text::kNoConditionedZone)});
    EXPECT_EQ(panel.state().CoolLabel, "Free");
    EXPECT_EQ(history->SimulationRecordCount, 1);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Data" / "PASTRATE.TXT"));

    messages.shown.clear();
    makeHouse(model, folder.path(), {{"Living", 80.0, true, false}});
    folder.write("ENERGY.TXT", energyFile({energyRow(6, 1, 1, {100.0, 0.0, 0.0})}));
    panel.ProcessSimulation();
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(text::kNoRatingArea)});
    EXPECT_EQ(history->SimulationRecords(1).Heat, 100.0) << "its energy is still kept";
}

// A house in a climate that a rating table has no row for is told it cannot be rated: its energies
// are shown, with no star figure, no stars and no lemon.
TEST_F(RatingPanelTest, HouseInAClimateWithoutARowOfARatingTableIsToldItCannotBeRated) {
    const struct {
        int climate;
        bool areaCorrectionRow;
        std::string told;
    } cases[] = {
        {6, true, "The star band table Data/STARS/STARS.TXT has no row for climate 6"},
        {5, false, "The area correction table Data/areacorrection.txt has no row for climate 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.climate);
        messages.shown.clear();
        makeHouse(model, folder.path(), {{"Living", 80.0, true, true}}, c.climate);
        tables.AreaCorrectionRow(5) = c.areaCorrectionRow;
        folder.write("ENERGY.TXT", energyFile({energyRow(6, 1, 1, {2400.0, 0.0, 0.0})}));
        panel.ProcessSimulation();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], c.told + ", so the house cannot be rated.");
        EXPECT_EQ(history->SimulationRecords(1).Stars, kNoRating);
        EXPECT_EQ(panel.state().HeatLabel, "30.0") << "the energies are shown";
        EXPECT_EQ(panel.state().StarLabel, "");
        EXPECT_FALSE(panel.state().lemon);
        EXPECT_EQ(fullStars(), 0);
        EXPECT_EQ(panel.analysisTexts().AdjustStarLabel, "");
    }
}

// The area adjustment factor is kept to two decimals in the history (0.8685 is kept as 0.87), but the
// adjusted rating of a kept record is the one it showed after its run, at start-up too, where the area
// correction table is read after the history is shown.
TEST_F(RatingPanelTest, AKeptRecordShowsTheAdjustedRatingItShowedAfterItsRun) {
    // A correction of 1 / 0.8685 at every area.
    const std::string correction = "5 0 0 0 0 0 0.151410477835349\n";
    folder.write("Data/areacorrection.txt", correction);
    tables.AreaCorrectionCoeffs(5, 6) = 0.151410477835349;
    // 2762 MJ of heating on 80 m2: 2762 x 0.8685 / 80 = 29.985 MJ/m2, within L18 = 30: 9 stars
    // (with the kept 0.87 it would be 30.04 MJ/m2: 8.5 stars).
    folder.write("ENERGY.TXT", energyFile({energyRow(6, 1, 1, {2762.0, 0.0, 0.0})}));
    panel.ProcessSimulation();
    EXPECT_EQ(panel.state().StarLabel, "8.5") << "34.5 MJ/m2 unadjusted";
    EXPECT_EQ(panel.analysisTexts().AdjustLabel, "0.87");
    EXPECT_EQ(panel.analysisTexts().AdjustStarLabel, "9.0");

    // Start-up: the bands, the history, then the area correction from its file.
    RatingTables startTables;
    rateableClimate(startTables, 5);
    startTables.AreaCorrectionRow(5) = false;
    auto kept = std::make_unique<SimulationHistory>();
    RatingPanel started(model, *kept, startTables, messages);
    started.ReadRatingHistory();
    ASSERT_EQ(kept->SimulationRecordCount, 1);
    started.ReadAreaCorrection();
    EXPECT_EQ(started.analysisTexts().AdjustLabel, "0.87");
    EXPECT_EQ(started.analysisTexts().AdjustStarLabel, "9.0");
}

TEST_F(RatingPanelTest, RunWhoseEnergyFileCannotBeReadChangesNothing) {
    addRecord("House_1", 2.0);
    panel.DisplayRating(1);
    WritePastRatings(*history, folder.path());
    const std::string error = modelErrorOf([&] { panel.ProcessSimulation(); });
    EXPECT_NE(error.find("File not found"), std::string::npos) << error;
    EXPECT_EQ(history->SimulationRecordCount, 1);
    EXPECT_EQ(panel.state().FileLabel, "House_1");
    auto written = std::make_unique<SimulationHistory>();
    ReadPastRatings(*written, folder.path());
    EXPECT_EQ(written->SimulationRecordCount, 1);
}

} // namespace
