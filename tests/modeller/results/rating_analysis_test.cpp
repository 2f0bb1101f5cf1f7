// The analysis dialog's logic: the energy axis fitted to the values, the house and zone charts of a
// kept history, stepping through it together with the star panel, deleting it, and the zone view's
// share bar.
#include "modeller/results/rating_analysis.h"

#include "modeller/results/rating_history.h"
#include "results_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace pelmora;
using namespace results_test;

// Shares of a zone's peak energy month by month, January first: heating in winter, cooling in summer.
constexpr double kWinter[kMonths] = {1.0, 0.9, 0.6, 0.3, 0.1, 0.0, 0.0, 0.1, 0.3, 0.5, 0.8, 0.95};
constexpr double kSummer[kMonths] = {0.0, 0.1, 0.3, 0.6, 0.9, 1.0, 0.95, 0.8, 0.5, 0.2, 0.1, 0.0};
constexpr double kLatentShare = 0.2;

struct ZoneRun {
    const char* name;
    double area; // m2
    bool conditioned;
    double heatPeak, coolPeak; // MJ in the month of most heating, most cooling
    std::int32_t colour = 0x0000FF;
};

class AnalysisTest : public ::testing::Test, public AnalysisView {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.path() / "Data");
        makeHouse(model, folder.path(), {{"Living", 80.0, true, true}});
        // Climate 5: limits falling by 10 from 200 MJ/m2, and an area correction of 1.25 at every area
        // (a factor of 0.8).
        rateableClimate(tables, 5);
        tables.AreaCorrectionCoeffs(5, 6) = 0.25;
        analysis.setView(this);
    }
    void showAnalysis(const AnalysisState&) override { ++drawn; }
    void closeAnalysis() override { ++closed; }

    // Puts a record of the zones in front of the history, as a run would, rated in climate 5 on the
    // zones that are conditioned.
    void addRecord(const std::string& name, const std::vector<ZoneRun>& zones) {
        StarType& r = pushRecord(*history);
        r.Name = name;
        r.Climate = 5;
        r.Zones = static_cast<int>(zones.size());
        r.AreaAdjust = 0.8;
        for (int z = 1; z <= r.Zones; ++z) {
            const ZoneRun& run = zones[static_cast<std::size_t>(z - 1)];
            r.ZoneName(z) = run.name;
            r.ZoneArea(z) = run.area;
            r.ZoneColour(z) = run.colour;
            r.ZoneConditioned(z) = run.conditioned;
            if (run.conditioned) r.Area += run.area;
            for (int m = 1; m <= kMonths; ++m) {
                r.ZoneMonthHeat(z, m) = run.heatPeak * kWinter[m - 1];
                r.ZoneMonthCoolS(z, m) = run.coolPeak * kSummer[m - 1] * (1.0 - kLatentShare);
                r.ZoneMonthCoolL(z, m) = run.coolPeak * kSummer[m - 1] * kLatentShare;
                r.ZoneHeat(z) += r.ZoneMonthHeat(z, m);
                r.ZoneCoolS(z) += r.ZoneMonthCoolS(z, m);
                r.ZoneCoolL(z) += r.ZoneMonthCoolL(z, m);
            }
            r.ZoneTotal(z) = r.ZoneHeat(z) + r.ZoneCoolS(z) + r.ZoneCoolL(z);
            r.ZoneStars(z) = StarRating(tables, 5, run.area, r.ZoneTotal(z));
            r.Heat += r.ZoneHeat(z);
            r.CoolS += r.ZoneCoolS(z);
            r.CoolL += r.ZoneCoolL(z);
        }
        r.Total = r.Heat + r.CoolS + r.CoolL;
        r.Stars = r.Area == 0.0 ? kNoRating : StarRating(tables, 5, r.Area, r.Total);
        SumMonthlyTotals(r);
        panel.ShownRecord = 1;
        panel.DisplayRating(1);
    }
    void addTwoZoneRecord(const std::string& name, double scale = 1.0) {
        addRecord(name, {{"Living", 60.0, true, 1200.0 * scale, 900.0 * scale, 0x00FF00},
                         {"Bed", 40.0, true, 400.0 * scale, 100.0 * scale, 0xFF0000}});
    }
    const AnalysisState& s() const { return analysis.state(); }

    TempFolder folder;
    HouseModel model;
    RatingTables tables;
    std::unique_ptr<SimulationHistory> history = std::make_unique<SimulationHistory>();
    RecordedMessages messages;
    RatingPanel panel{model, *history, tables, messages};
    RatingAnalysis analysis{model, *history, tables, panel};
    int drawn = 0;
    int closed = 0;
};

TEST(AnalysisAxis, EndsOnTheNextMultipleOfFiveAboveTheLargestValue) {
    const std::pair<double, double> cases[] = {{0.0, 5.0},   {4.99, 5.0},  {5.0, 10.0},  {12.3, 15.0},
                                               {15.0, 20.0}, {23.4, 25.0}, {31.0, 35.0}, {99.9, 100.0}};
    for (const auto& [largest, maximum] : cases)
        EXPECT_DOUBLE_EQ(FittedChartMaximum(largest), maximum) << largest;
}

TEST(AnalysisZoneBar, StandsInProportionToTheLargestZone) {
    const struct {
        int panel;
        double zone, largest;
        int height;
    } cases[] = {
        {120, 900.0, 900.0, 120}, // the largest zone fills the panel
        {120, 450.0, 900.0, 60},  // half the energy, half the height
        {120, 225.0, 900.0, 30},  //
        {10, 25.0, 100.0, 2},     // 2.5 px rounds to the even neighbour
        {10, 35.0, 100.0, 4},     // 3.5 px likewise
        {120, 0.0, 0.0, 0},       // no zone energy at all
        {120, 10.0, 0.0, 0},      // a largest energy of 0 draws no bar instead of dividing by it
        {120, -5.0, 100.0, 0},    // never below the panel's bottom edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoneBarHeight(c.panel, c.zone, c.largest), c.height) << c.zone << " of " << c.largest;
}

TEST_F(AnalysisTest, HouseChartsShowTheMonthlyEnergiesPerSquareMetre) {
    addTwoZoneRecord("House_1");
    analysis.FormShow();
    // Record 1 over 100 m2: heating (1200 + 400) x winter share, cooling (900 + 100) x summer share.
    ASSERT_EQ(s().BarSeries1.size(), 12u);
    ASSERT_EQ(s().Series1.size(), 12u);
    for (int m = 0; m < kMonths; ++m) {
        EXPECT_NEAR(s().BarSeries1[static_cast<std::size_t>(m)], 1600.0 * kWinter[m] / 100.0, 1e-9) << m;
        EXPECT_NEAR(s().Series1[static_cast<std::size_t>(m)], 1000.0 * kSummer[m] / 100.0, 1e-9) << m;
    }
    // The largest month is January's heating, 16 MJ/m2: Fit gives 20.
    EXPECT_DOUBLE_EQ(analysis.ChartMaximum, 20.0);
    EXPECT_DOUBLE_EQ(s().EnergyAxisMaximum, 20.0);
    EXPECT_EQ(s().YScaleLb, "20");
    EXPECT_TRUE(s().StarPanelVisible && s().CoolChartVisible && s().HeatChartVisible);
    EXPECT_FALSE(s().ZonePanelVisible);
    // Heating 1600 x 5.55 = 8880 MJ, cooling 1000 x 5.45 = 5450 MJ, on 100 m2.
    EXPECT_EQ(s().HeatLabel, "88.8");
    EXPECT_EQ(s().CoolLabel, "54.5");
    EXPECT_EQ(s().TotalLabel, "143.3");
    // 143.3 MJ/m2 lies within the 6th band (limit 150, the 7th is 140): 3 stars.
    EXPECT_EQ(s().StarLabel, "3");
    EXPECT_TRUE(s().images.star(3) && !s().images.star(4));
    // Written by the star panel's display: 0.8 x 143.3 = 114.6 MJ/m2 -> 9th band (120): 4.5 stars.
    EXPECT_EQ(s().AdjustLabel, "0.80");
    EXPECT_EQ(s().AdjustStarLabel, "4.5");
    EXPECT_EQ(s().ClimNameLabel, "climat05.TXT");
    EXPECT_EQ(s().StarMJLabel,
              "  200  190  180  170  160  150  140  130  120  110  100   90   80   70   60   50   40"
              "   30   20   10");
    EXPECT_GT(drawn, 0);
}

TEST_F(AnalysisTest, ZoneChartsShowTheZonesOwnMonthsAndItsShare) {
    addTwoZoneRecord("House_1");
    analysis.FormShow();
    analysis.ZonesSBClick();
    EXPECT_TRUE(s().ZonesSBDown && !s().HouseSBDown);
    EXPECT_TRUE(s().ZonePanelVisible);
    EXPECT_FALSE(s().Label8Visible || s().AdjustLabelVisible || s().ScrollBox1Visible);
    EXPECT_EQ(s().ZoneNumUpDownMax, 2);
    EXPECT_EQ(model.DisplayZone, 1);
    EXPECT_EQ(s().ZNum, "Zone 1");
    EXPECT_EQ(s().ZoneNameLb, "Living");
    EXPECT_EQ(s().ZoneColourPanelColour, 0x00FF00);
    // Living: 1200 x 5.55 = 6660 MJ heating, 900 x 5.45 = 4905 MJ cooling on 60 m2.
    EXPECT_EQ(s().HeatLabel, "111.0");
    EXPECT_EQ(s().CoolLabel, "81.8");
    EXPECT_EQ(s().TotalLabel, "192.8");
    EXPECT_EQ(s().AreaLabel, "Area 60.0 m²");
    EXPECT_EQ(s().EnergyLabel, "Energy 11565 MJ ");
    // The house: 8880 + 5450 = 14330 MJ; Living holds 80.7 % and is the largest zone.
    EXPECT_EQ(s().PercentLabel, "81 %");
    EXPECT_EQ(s().EPanelHeight, kZoneColourPanelHeight);
    for (int m = 0; m < kMonths; ++m)
        EXPECT_NEAR(s().BarSeries1[static_cast<std::size_t>(m)], 1200.0 * kWinter[m] / 60.0, 1e-9) << m;
    // Every zone's months: Living's January heating, 20 MJ/m2, is the largest: the axis ends at 25.
    EXPECT_DOUBLE_EQ(analysis.ChartMaximum, 25.0);

    analysis.ZoneNumUpDownClick(2);
    EXPECT_EQ(s().ZoneNameLb, "Bed");
    // Bed: 400 x 5.55 + 100 x 5.45 = 2765 MJ, 19.3 % of the house; its bar 2765 / 11565 of 120 px.
    EXPECT_EQ(s().PercentLabel, "19 %");
    EXPECT_EQ(s().EPanelHeight, 29);
    EXPECT_NEAR(s().Series1[5], 100.0 / 40.0, 1e-9) << "June cooling of Bed";
    analysis.ZoneNumUpDownClick(7);
    EXPECT_EQ(s().ZoneNumUpDownPosition, 2) << "the up-down stays within the zones";

    analysis.HouseSBClick();
    EXPECT_FALSE(s().ZonePanelVisible);
    EXPECT_TRUE(s().AdjustLabelVisible && s().ScrollBox1Visible);
    EXPECT_EQ(s().HeatLabel, "88.8") << "the house's figures again";
}

TEST_F(AnalysisTest, UnconditionedZoneShowsFreeRunningModeWithoutShareOrBar) {
    addRecord("House_1", {{"Living", 60.0, true, 1200.0, 900.0}, {"Garage", 30.0, false, 0.0, 0.0}});
    analysis.FormShow();
    analysis.ZonesSBClick();
    analysis.ZoneNumUpDownClick(2);
    EXPECT_EQ(s().CoolLabel, "Free running mode");
    EXPECT_EQ(s().HeatLabel + s().TotalLabel, "");
    EXPECT_EQ(s().AreaLabel, "Area 30.0 m²");
    EXPECT_EQ(s().EnergyLabel, "Energy 0 MJ ");
    EXPECT_FALSE(s().PercentLabelVisible || s().EPanelVisible || s().StarLabelVisible);
    EXPECT_FALSE(s().CoolChartVisible || s().HeatChartVisible);
    EXPECT_FALSE(s().images.lemon);
}

TEST_F(AnalysisTest, FreeRunningRecordShowsItsNameAndClimateOnly) {
    addRecord("House_1", {{"Living", 60.0, false, 0.0, 0.0}});
    analysis.FormShow();
    EXPECT_EQ(s().CoolLabel, "Free running mode");
    EXPECT_EQ(s().HeatLabel + s().TotalLabel, "");
    EXPECT_EQ(s().FileLabel, "House_1");
    EXPECT_EQ(s().ClimNameLabel, "climat05.TXT");
    EXPECT_TRUE(s().ClimNameLabelVisible);
    EXPECT_FALSE(s().StarLabelVisible || s().AdjustLabelVisible || s().AdjustStarLabelVisible);
    EXPECT_FALSE(s().ScrollBox1Visible) << "no band limits";
    EXPECT_FALSE(s().CoolChartVisible || s().HeatChartVisible);
    EXPECT_TRUE(s().Series1.empty() && s().BarSeries1.empty());
    EXPECT_EQ(s().images.star, StarImages{}.star);
}

TEST_F(AnalysisTest, OneScaleAcrossTheHistoryAndFitToTheShownRecord) {
    // Peaks of 31 MJ/m2 in the older record and 23.4 in the newest, each over 100 m2.
    addRecord("House_1", {{"Living", 100.0, true, 3100.0, 500.0}});
    addRecord("House_2", {{"Living", 100.0, true, 2340.0, 500.0}});
    analysis.FormShow();
    analysis.HouseSBClick(); // Reset over every kept record
    EXPECT_DOUBLE_EQ(analysis.ChartMaximum, 35.0);
    EXPECT_DOUBLE_EQ(s().EnergyAxisMaximum, 35.0);
    analysis.ResetButtonClick(); // Fit the newest alone
    EXPECT_DOUBLE_EQ(analysis.ChartMaximum, 25.0);
    EXPECT_DOUBLE_EQ(s().EnergyAxisMaximum, 25.0) << "the charts are drawn again with the new limit";
    EXPECT_EQ(s().YScaleLb, "25");
}

TEST_F(AnalysisTest, SteppingMovesTheDialogAndTheStarPanelTogether) {
    addTwoZoneRecord("House_1", 0.5);
    addTwoZoneRecord("House_2", 1.0);
    addTwoZoneRecord("House_3", 2.0);
    analysis.FormShow();
    analysis.ZonesSBClick();
    const std::pair<int, const char*> expected[] = {{2, "House_2"}, {3, "House_1"}, {3, "House_1"}};
    for (const auto& [shown, name] : expected) {
        analysis.BackSBClick();
        EXPECT_EQ(panel.ShownRecord, shown);
        EXPECT_EQ(s().FileLabel, name);
        EXPECT_EQ(panel.state().FileLabel, name) << "the star panel follows";
        EXPECT_EQ(s().BackSBCaption, std::to_string(shown));
        EXPECT_EQ(panel.state().BackSBCaption, std::to_string(shown));
        EXPECT_TRUE(s().BackSBDown && !s().ForwardSBDown);
        EXPECT_TRUE(panel.state().BackSBDown);
        EXPECT_TRUE(s().HouseSBDown && !s().ZonePanelVisible) << "every step shows the house";
    }
    // House_1's January: 1600 x 0.5 / 100 m2.
    EXPECT_NEAR(s().BarSeries1[0], 8.0, 1e-9);
    // One scale over the three records: House_3's January, 32 MJ/m2.
    EXPECT_DOUBLE_EQ(analysis.ChartMaximum, 35.0);
    analysis.ForwardSBClick();
    EXPECT_EQ(panel.ShownRecord, 1);
    EXPECT_EQ(s().FileLabel, "House_3");
    EXPECT_EQ(s().BackSBCaption, "2");
    EXPECT_TRUE(s().ForwardSBDown && !s().BackSBDown);
    EXPECT_TRUE(panel.state().ForwardSBDown);

    // The main window's buttons move the dialog too.
    panel.BackSBClick();
    EXPECT_EQ(s().FileLabel, "House_2");
    EXPECT_TRUE(s().BackSBDown);
}

TEST_F(AnalysisTest, BackWithOneRecordSpringsUp) {
    addTwoZoneRecord("House_1");
    analysis.FormShow();
    analysis.BackSBClick();
    EXPECT_EQ(panel.ShownRecord, 1);
    EXPECT_TRUE(s().ForwardSBDown && !s().BackSBDown);
    EXPECT_EQ(s().FileLabel, "House_1");
}

TEST_F(AnalysisTest, OpeningShowsTheRecordTheStarPanelShows) {
    addTwoZoneRecord("House_1");
    addTwoZoneRecord("House_2");
    panel.BackSBClick(); // while the dialog is shut
    analysis.FormShow();
    EXPECT_EQ(s().FileLabel, "House_1");
    EXPECT_TRUE(s().BackSBDown && !s().ForwardSBDown);
    EXPECT_EQ(s().BackSBCaption, "2");
}

TEST_F(AnalysisTest, DeletingTheHistoryEmptiesBothAndCloses) {
    addTwoZoneRecord("House_1");
    addTwoZoneRecord("House_2");
    WritePastRatings(*history, folder.path());
    panel.ShowDelRecSB();
    analysis.FormShow();
    analysis.BackSBClick();
    analysis.DelRecSBClick();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data" / "PASTRATE.TXT"));
    EXPECT_EQ(history->SimulationRecordCount, 0);
    EXPECT_TRUE(s().Series1.empty() && s().BarSeries1.empty());
    EXPECT_EQ(s().BackSBCaption, "2");
    EXPECT_TRUE(s().HouseSBDown);
    const StarPanelState& star = panel.state();
    EXPECT_EQ(star.FileLabel + star.HeatLabel + star.CoolLabel + star.TotalLabel, "");
    EXPECT_FALSE(star.DelRecSBVisible || star.AnalysisSBVisible || star.ForwardSBVisible ||
                 star.BackSBVisible);
    // Opened again with nothing kept, the dialog shows its buttons and charts only.
    analysis.FormShow();
    EXPECT_FALSE(s().StarPanelVisible);
    analysis.ZonesSBClick();
    EXPECT_FALSE(s().ZonePanelVisible);
}

TEST_F(AnalysisTest, AHouseWithoutEnergyClearsTheLastZonesShare) {
    addRecord("House_1", {{"Living", 60.0, true, 0.0, 0.0}});
    addTwoZoneRecord("House_2");
    analysis.FormShow();
    analysis.ZonesSBClick();
    ASSERT_EQ(s().PercentLabel, "81 %");
    analysis.BackSBClick(); // House_1 used no energy at all
    analysis.ZonesSBClick();
    EXPECT_EQ(s().ZoneNameLb, "Living");
    EXPECT_EQ(s().PercentLabel, "") << "not the share of the zone shown before";
    EXPECT_EQ(s().EPanelHeight, 0);
    EXPECT_EQ(s().StarLabel, "") << "no energy, no rating";
}

TEST_F(AnalysisTest, ZonesRoundedToNothingDrawNoBar) {
    // Two zones of 0.44 MJ each: the history file keeps whole MJ, so after a restart each zone reads
    // 0 while the house's 0.89 MJ reads 1.
    addRecord("House_1", {{"Living", 60.0, true, 0.08, 0.0}, {"Bed", 40.0, true, 0.08, 0.0}});
    WritePastRatings(*history, folder.path());
    ReadPastRatings(*history, folder.path());
    const StarType& r = history->SimulationRecords(1);
    ASSERT_EQ(r.ZoneHeat(1) + r.ZoneHeat(2), 0.0);
    ASSERT_EQ(r.Total, 1.0);
    analysis.FormShow();
    analysis.ZonesSBClick();
    EXPECT_EQ(s().EPanelHeight, 0);
    EXPECT_EQ(s().PercentLabel, "0 %");
}

} // namespace
